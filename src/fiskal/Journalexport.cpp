#include "fiskal/Journalexport.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStringList>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/Datenbank.h"
#include "fiskal/Exportzeitraum.h"
#include "fiskal/Journal.h"

namespace {

// One CSV file in memory: written only once every file is complete.
class Csv {
  public:
    Csv(QString name, const QStringList& kopf) : m_name(std::move(name)) { zeile(kopf); }

    void zeile(const QStringList& felder) {
        QStringList maskiert;
        for (const QString& f : felder) maskiert << feld(f);
        m_text += maskiert.join(QLatin1Char(';')).toUtf8() + "\r\n";
    }
    const QString& name() const { return m_name; }
    const QByteArray& text() const { return m_text; }
    int zeilen() const { return static_cast<int>(m_text.count('\n')) - 1; }

  private:
    static QString feld(const QString& f) {
        if (!f.contains(QLatin1Char(';')) && !f.contains(QLatin1Char('"')) &&
            !f.contains(QLatin1Char('\n')) && !f.contains(QLatin1Char('\r')))
            return f;
        return QLatin1Char('"') + QString(f).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
               QLatin1Char('"');
    }

    QString m_name;
    QByteArray m_text;
};

// Cents and hundredths of a percent as decimal numbers with a point.
QString hundertstel(const QJsonValue& wert) {
    if (wert.isNull() || wert.isUndefined()) return QString();
    const qint64 n = wert.toInteger();
    return QStringLiteral("%1%2.%3")
        .arg(n < 0 ? QStringLiteral("-") : QString())
        .arg(std::llabs(n) / 100)
        .arg(std::llabs(n) % 100, 2, 10, QLatin1Char('0'));
}

QString text(const QJsonValue& wert) {
    return wert.isDouble() ? QString::number(wert.toInteger()) : wert.toString();
}

QJsonObject inhalt(const Abfrage& a, int spalte) {
    return QJsonDocument::fromJson(a.utf8(spalte).toByteArray()).object();
}

// The payment of a bill as its last change left it.
QJsonObject zahlung(Datenbank& db, std::int64_t zNr, std::int64_t regNr,
                    const QJsonObject& rechnung) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Inhalt FROM Journal WHERE ZNr = ? AND RegNr = ? "
                                          "AND Art = ? ORDER BY Nr DESC LIMIT 1"),
                           zNr, regNr, kJournalZahlart);
    return a.naechste() ? inhalt(a, 0).value(QStringLiteral("Nachher")).toObject() : rechnung;
}

const QString kAuswahl = QStringLiteral(
    "SELECT Nr, ZNr, RegNr, Zeit, Geschaeftstag, Kasse, Inhalt FROM Journal "
    "WHERE Geschaeftstag >= ? AND Geschaeftstag <= ? AND Art = ? ORDER BY Nr");

void rechnungenLesen(Datenbank& db, const QDate& von, const QDate& bis, Csv& rechnungen,
                     Csv& positionen) {
    Abfrage a = db.abfrage(kAuswahl, von, bis, kJournalRechnung);
    while (a.naechste()) {
        const QJsonObject r = inhalt(a, 6);
        const QString nr = a.text(0), zNr = a.text(1), regNr = a.text(2);
        const QJsonObject z = zahlung(db, a.zahl(1), a.zahl(2), r);
        const auto feld = [&](const char* name) { return text(r.value(QLatin1String(name))); };
        rechnungen.zeile({nr, zNr, regNr, a.text(4), a.text(3), a.text(5), feld("Station"),
                          feld("Tisch"), feld("Mitarbeiter"), feld("Beleg"),
                          hundertstel(r.value(QStringLiteral("Gesamt"))),
                          hundertstel(z.value(QStringLiteral("BAR"))),
                          hundertstel(z.value(QStringLiteral("KARTE"))),
                          hundertstel(z.value(QStringLiteral("GUTSCHEIN"))),
                          hundertstel(r.value(QStringLiteral("ZIMMER")))});
        int position = 0;
        for (const QJsonValue& zeile : r.value(QStringLiteral("Zeilen")).toArray()) {
            const QJsonObject p = zeile.toObject();
            positionen.zeile(
                {nr, zNr, regNr, QString::number(++position), text(p.value(QStringLiteral("PLU"))),
                 text(p.value(QStringLiteral("Gericht"))), text(p.value(QStringLiteral("Menge"))),
                 hundertstel(p.value(QStringLiteral("EPREIS"))),
                 hundertstel(p.value(QStringLiteral("GPREIS"))),
                 hundertstel(p.value(QStringLiteral("MwStSatz")))});
        }
    }
}

void abschluesseLesen(Datenbank& db, const QDate& von, const QDate& bis, Csv& abschluesse,
                      Csv& steuersaetze) {
    Abfrage a = db.abfrage(kAuswahl, von, bis, kJournalKassenabschluss);
    while (a.naechste()) {
        const QJsonObject s = inhalt(a, 6);
        const QString zNr = a.text(1);
        abschluesse.zeile({zNr, a.text(0), a.text(4), a.text(3), a.text(5),
                           text(s.value(QStringLiteral("Rechnungen"))),
                           hundertstel(s.value(QStringLiteral("Gesamt"))),
                           hundertstel(s.value(QStringLiteral("BAR"))),
                           hundertstel(s.value(QStringLiteral("KARTE"))),
                           hundertstel(s.value(QStringLiteral("GUTSCHEIN"))),
                           hundertstel(s.value(QStringLiteral("ZIMMER")))});
        for (const QJsonValue& satz : s.value(QStringLiteral("Steuersaetze")).toArray()) {
            const QJsonObject o = satz.toObject();
            steuersaetze.zeile({zNr, hundertstel(o.value(QStringLiteral("MwStSatz"))),
                                hundertstel(o.value(QStringLiteral("Netto"))),
                                hundertstel(o.value(QStringLiteral("MwSt"))),
                                hundertstel(o.value(QStringLiteral("Brutto")))});
        }
    }
}

Exportbericht nichts(const QString& meldung) { return {false, meldung}; }

}  // namespace

Exportbericht JournalExportieren(Datenbank& db, const QString& ordner, const QString& vonText,
                                 const QString& bisText) {
    const Exportzeitraum zeitraum = ExportzeitraumLesen(vonText, bisText);
    if (!zeitraum.fehler.isEmpty()) return nichts(zeitraum.fehler);
    const QFileInfo info(ordner);
    if (ordner.trimmed().isEmpty() || !info.isDir() || !Datenbank::schreibbar(ordner))
        return nichts(QStringLiteral("Der Ordner '%1' existiert nicht oder ist schreibgeschützt.")
                          .arg(QDir::toNativeSeparators(ordner)));

    Csv rechnungen(kExportRechnungen,
                   {"Beleg-Nr", "Z-Nr", "Rechnung-Nr", "Geschäftstag", "Zeit", "Kasse", "Station",
                    "Tisch", "Kellner", "Beleg", "Gesamt", "BAR", "KARTE", "GUTSCHEIN", "ZIMMER"});
    Csv positionen(kExportPositionen, {"Beleg-Nr", "Z-Nr", "Rechnung-Nr", "Position", "PLU",
                                       "Gericht", "Menge", "Einzelpreis", "Betrag", "MwSt-Satz"});
    Csv abschluesse(kExportAbschluesse,
                    {"Z-Nr", "Beleg-Nr", "Geschäftstag", "Zeit", "Kasse", "Rechnungen", "Gesamt",
                     "BAR", "KARTE", "GUTSCHEIN", "ZIMMER"});
    Csv steuersaetze(kExportSteuersaetze, {"Z-Nr", "MwSt-Satz", "Netto", "MwSt", "Brutto"});
    rechnungenLesen(db, zeitraum.von, zeitraum.bis, rechnungen, positionen);
    abschluesseLesen(db, zeitraum.von, zeitraum.bis, abschluesse, steuersaetze);

    std::vector<std::unique_ptr<QSaveFile>> dateien;
    for (const Csv* csv : {&rechnungen, &positionen, &abschluesse, &steuersaetze}) {
        auto datei = std::make_unique<QSaveFile>(QDir(ordner).filePath(csv->name()));
        if (!datei->open(QIODevice::WriteOnly) || datei->write(csv->text()) != csv->text().size())
            return nichts(QStringLiteral("Die Datei '%1' kann nicht geschrieben werden.")
                              .arg(QDir::toNativeSeparators(datei->fileName())));
        dateien.push_back(std::move(datei));
    }
    for (const auto& datei : dateien)
        if (!datei->commit())
            return nichts(QStringLiteral("Die Datei '%1' kann nicht geschrieben werden.")
                              .arg(QDir::toNativeSeparators(datei->fileName())));
    return {true, QStringLiteral("Journal exportiert: %1 Rechnungen und %2 Kassenabschlüsse "
                                 "nach '%3'.")
                      .arg(rechnungen.zeilen())
                      .arg(abschluesse.zeilen())
                      .arg(QDir::toNativeSeparators(ordner))};
}
