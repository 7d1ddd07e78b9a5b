#include "core/PostgresSql.h"

#include <QStringList>
#include <vector>

namespace {

struct Token {
    enum Art { Wort, Bezeichner, Parameter, Text, Zeichen } art;
    QString inhalt;  // a word or identifier as written; else the text to emit
    int nummer = 0;  // of a parameter
};

bool wortzeichen(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

std::vector<Token> zerlegen(const QString& sql, int& hoechster) {
    std::vector<Token> tokens;
    const int n = static_cast<int>(sql.size());
    for (int i = 0; i < n;) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'')) {
            int j = i + 1;
            while (j < n && !(sql[j] == QLatin1Char('\'') &&
                              (j + 1 >= n || sql[j + 1] != QLatin1Char('\''))))
                j += sql[j] == QLatin1Char('\'') ? 2 : 1;
            tokens.push_back({Token::Text, sql.mid(i, j + 1 - i)});
            i = j + 1;
        } else if (c == QLatin1Char('"') || c == QLatin1Char('[')) {
            const QChar ende = c == QLatin1Char('"') ? QLatin1Char('"') : QLatin1Char(']');
            const int j = static_cast<int>(sql.indexOf(ende, i + 1));
            const int schluss = j < 0 ? n : j;
            tokens.push_back({Token::Bezeichner, sql.mid(i + 1, schluss - i - 1)});
            i = schluss + 1;
        } else if (c == QLatin1Char('?')) {
            int j = i + 1;
            while (j < n && sql[j].isDigit()) ++j;
            const int nummer = j > i + 1 ? sql.mid(i + 1, j - i - 1).toInt() : hoechster + 1;
            hoechster = std::max(hoechster, nummer);
            tokens.push_back({Token::Parameter, QString(), nummer});
            i = j;
        } else if (wortzeichen(c) && !c.isDigit()) {
            int j = i + 1;
            while (j < n && wortzeichen(sql[j])) ++j;
            tokens.push_back({Token::Wort, sql.mid(i, j - i)});
            i = j;
        } else {
            int j = i + 1;  // numbers, operators, blanks: unchanged
            while (j < n && sql[j].isDigit() == c.isDigit() && c.isDigit()) ++j;
            tokens.push_back({Token::Zeichen, sql.mid(i, j - i)});
            i = j;
        }
    }
    return tokens;
}

bool ist(const Token& t, const char* wort) {
    return t.art == Token::Wort && t.inhalt.compare(QLatin1String(wort), Qt::CaseInsensitive) == 0;
}

bool istZeichen(const Token& t, char zeichen) {
    return t.art == Token::Zeichen && t.inhalt == QLatin1Char(zeichen);
}

bool leer(const Token& t) { return t.art == Token::Zeichen && t.inhalt.trimmed().isEmpty(); }

QString name(const Token& t) { return t.inhalt; }

// The index of the next token that is not blank, from `i` on.
size_t weiter(const std::vector<Token>& t, size_t i) {
    while (i < t.size() && leer(t[i])) ++i;
    return i;
}

class Umschreiber {
  public:
    explicit Umschreiber(const QString& sql) { m_t = zerlegen(sql, m_ergebnis.parameter); }

    PostgresSql ergebnis() {
        for (size_t i = 0; i < m_t.size(); ++i) {
            if (ist(m_t[i], "CREATE")) tabelleAnlegen(i);
            if (ist(m_t[i], "ALTER")) spalteAnfuegen(i);
        }
        QString text;
        for (size_t i = 0; i < m_t.size(); ++i) text += ausgabe(i);
        m_ergebnis.text = text.toUtf8();
        return m_ergebnis;
    }

  private:
    // CREATE [TEMP] TABLE [IF NOT EXISTS] name ( column type …, … )
    void tabelleAnlegen(size_t i) {
        i = weiter(m_t, i + 1);
        if (i < m_t.size() && (ist(m_t[i], "TEMP") || ist(m_t[i], "TEMPORARY")))
            i = weiter(m_t, i + 1);
        if (i >= m_t.size() || !ist(m_t[i], "TABLE")) return;
        i = weiter(m_t, i + 1);
        if (i < m_t.size() && ist(m_t[i], "IF")) i = weiter(m_t, weiter(m_t, i + 1) + 1) + 1;
        i = weiter(m_t, i);
        if (i >= m_t.size()) return;
        const QString tabelle = name(m_t[i]);
        i = weiter(m_t, i + 1);
        if (i >= m_t.size() || !istZeichen(m_t[i], '(')) return;
        QString schluessel;
        int tiefe = 0;
        bool spaltenanfang = true;
        for (; i < m_t.size(); ++i) {
            const Token& t = m_t[i];
            if (istZeichen(t, '(')) {
                if (++tiefe == 1) spaltenanfang = true;
                continue;
            }
            if (istZeichen(t, ')') && --tiefe == 0) {
                m_zusatz[i] = schluessel.isEmpty()
                                  ? QStringLiteral(", rowid BIGSERIAL")
                                  : QStringLiteral(", rowid BIGINT GENERATED ALWAYS AS (%1) STORED")
                                        .arg(schluessel);
                return;
            }
            if (tiefe == 1 && istZeichen(t, ',')) {
                spaltenanfang = true;
                continue;
            }
            if (leer(t) || tiefe != 1 || !spaltenanfang) {
                if (tiefe == 1 && ist(t, "INTEGER") && ganzzahlschluessel(i))
                    schluessel = m_letzteSpalte;
                continue;
            }
            spaltenanfang = false;
            if (ist(t, "PRIMARY") || ist(t, "UNIQUE") || ist(t, "CHECK") || ist(t, "FOREIGN") ||
                ist(t, "CONSTRAINT"))
                continue;
            m_letzteSpalte = ausgabe(i);
            m_ergebnis.neueSpalten.append({tabelle, name(t)});
        }
    }

    // INTEGER PRIMARY KEY [AUTOINCREMENT] at `i`: becomes an identity column.
    bool ganzzahlschluessel(size_t i) {
        const size_t primary = weiter(m_t, i + 1);
        if (primary >= m_t.size() || !ist(m_t[primary], "PRIMARY")) return false;
        const size_t key = weiter(m_t, primary + 1);
        size_t ende = key;
        const size_t auto_ = weiter(m_t, key + 1);
        if (auto_ < m_t.size() && ist(m_t[auto_], "AUTOINCREMENT")) ende = auto_;
        m_ersatz[i] = QStringLiteral("BIGINT GENERATED BY DEFAULT AS IDENTITY PRIMARY KEY");
        for (size_t j = i + 1; j <= ende; ++j) m_ersatz[j] = QString();
        return true;
    }

    // ALTER TABLE name ADD [COLUMN] column
    void spalteAnfuegen(size_t i) {
        i = weiter(m_t, i + 1);
        if (i >= m_t.size() || !ist(m_t[i], "TABLE")) return;
        const size_t tabelle = weiter(m_t, i + 1);
        i = weiter(m_t, tabelle + 1);
        if (i >= m_t.size() || !ist(m_t[i], "ADD")) return;
        i = weiter(m_t, i + 1);
        if (i < m_t.size() && ist(m_t[i], "COLUMN")) i = weiter(m_t, i + 1);
        if (i < m_t.size()) m_ergebnis.neueSpalten.append({name(m_t[tabelle]), name(m_t[i])});
    }

    QString ausgabe(size_t i) {
        if (const auto e = m_ersatz.constFind(i); e != m_ersatz.constEnd()) return *e;
        const Token& t = m_t[i];
        const QString zusatz = m_zusatz.value(i);
        switch (t.art) {
            case Token::Parameter:
                return QStringLiteral("$%1").arg(t.nummer);
            case Token::Text:
            case Token::Zeichen:
                return zusatz + t.inhalt;
            case Token::Wort:
            case Token::Bezeichner:
                break;
        }
        m_ergebnis.schreibweisen.insert(t.inhalt.toLower(), t.inhalt);
        if (t.art == Token::Wort) {
            if (ist(t, "INTEGER")) return QStringLiteral("BIGINT");
            if (ist(t, "REAL")) return QStringLiteral("DOUBLE PRECISION");
            if (ist(t, "BLOB")) return QStringLiteral("BYTEA");
            bool ascii = true;
            for (const QChar c : t.inhalt) ascii = ascii && c.unicode() < 128;
            if (ascii) return t.inhalt;
        }
        QString innen = t.inhalt.toLower();
        innen.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        return QLatin1Char('"') + innen + QLatin1Char('"');
    }

    PostgresSql m_ergebnis;
    std::vector<Token> m_t;
    QHash<size_t, QString> m_ersatz;  // tokens replaced
    QHash<size_t, QString> m_zusatz;  // text before a token
    QString m_letzteSpalte;
};

}  // namespace

PostgresSql FuerPostgres(const QString& sql) { return Umschreiber(sql).ergebnis(); }
