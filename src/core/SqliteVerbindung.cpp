#include "core/SqliteVerbindung.h"

#include "core/DbFehler.h"

namespace {

class SqliteAnweisung : public Anweisung {
  public:
    SqliteAnweisung(const SqliteVerbindung& verbindung, sqlite3_stmt* stmt)
        : m_verbindung(verbindung), m_stmt(stmt) {}
    ~SqliteAnweisung() override { sqlite3_finalize(m_stmt); }
    SqliteAnweisung(const SqliteAnweisung&) = delete;
    SqliteAnweisung& operator=(const SqliteAnweisung&) = delete;

    void bindeNull(int index) override { pruefe(sqlite3_bind_null(m_stmt, index)); }
    void bindeText(int index, const QByteArray& utf8) override {
        pruefe(sqlite3_bind_text(m_stmt, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT));
    }
    void bindeZahl(int index, std::int64_t wert) override {
        pruefe(sqlite3_bind_int64(m_stmt, index, wert));
    }
    void bindeKomma(int index, double wert) override {
        pruefe(sqlite3_bind_double(m_stmt, index, wert));
    }

    bool naechste() override {
        const int rc = sqlite3_step(m_stmt);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        m_verbindung.werfen(rc);
    }
    void zuruecksetzen() override {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }

    int spaltenzahl() const override { return sqlite3_column_count(m_stmt); }
    QString spaltenname(int index) const override {
        return QString::fromUtf8(sqlite3_column_name(m_stmt, index));
    }
    Typ typ(int index) const override {
        switch (sqlite3_column_type(m_stmt, index)) {
            case SQLITE_NULL:
                return Typ::Null;
            case SQLITE_INTEGER:
                return Typ::Zahl;
            case SQLITE_FLOAT:
                return Typ::Komma;
            default:
                return Typ::Text;
        }
    }
    QByteArrayView utf8(int index) const override {
        const auto* zeichen = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
        return QByteArrayView(zeichen, zeichen ? sqlite3_column_bytes(m_stmt, index) : 0);
    }
    std::int64_t zahl(int index) const override { return sqlite3_column_int64(m_stmt, index); }
    double komma(int index) const override { return sqlite3_column_double(m_stmt, index); }

  private:
    void pruefe(int rc) const {
        if (rc != SQLITE_OK) m_verbindung.werfen(rc);
    }

    const SqliteVerbindung& m_verbindung;
    sqlite3_stmt* m_stmt;
};

}  // namespace

void SqliteVerbindung::werfen(int rc) const {
    throw DbFehler(rc, QString::fromUtf8(sqlite3_errmsg(m_handle)));
}

std::unique_ptr<Anweisung> SqliteVerbindung::vorbereiten(const QString& sql) {
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(m_handle, utf8.constData(), utf8.size(), &stmt, nullptr);
    if (rc != SQLITE_OK) werfen(rc);
    return std::make_unique<SqliteAnweisung>(*this, stmt);
}

void SqliteVerbindung::skript(const QString& sql) {
    char* meldung = nullptr;
    const int rc = sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, &meldung);
    if (rc != SQLITE_OK) {
        const QString text = QString::fromUtf8(meldung ? meldung : sqlite3_errstr(rc));
        sqlite3_free(meldung);
        throw DbFehler(rc, text);
    }
}

QStringList SqliteVerbindung::spalten(const QString& tabelle) {
    QStringList namen;
    // The table's name is checked as an identifier: PRAGMA takes no bound value.
    QString name = tabelle;
    name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    const auto info = vorbereiten(QStringLiteral("PRAGMA table_info(\"%1\")").arg(name));
    while (info->naechste()) namen << QString::fromUtf8(info->utf8(1));
    return namen;
}

int SqliteVerbindung::schemaversion() {
    const auto a = vorbereiten(QStringLiteral("PRAGMA user_version"));
    a->naechste();
    return static_cast<int>(a->zahl(0));
}

void SqliteVerbindung::schemaversionSetzen(int version) {
    skript(QStringLiteral("PRAGMA user_version = %1").arg(version));
}
