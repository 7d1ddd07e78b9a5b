#include "core/PostgresVerbindung.h"

#include <QSet>
#include <QUrl>
#include <charconv>
#include <vector>

#include "core/DbFehler.h"
#include "core/PostgresSql.h"

namespace {

// Numbers of DbFehler from the server, beside SQLite's own.
constexpr int kNichtErreichbar = 14;  // as SQLite's "unable to open"
constexpr int kFehlerImSql = 1;

// PostgreSQL's type numbers (pg_type.oid) of the results the till reads.
constexpr Oid kBool = 16, kInt8 = 20, kInt2 = 21, kInt4 = 23, kFloat4 = 700, kFloat8 = 701,
              kNumeric = 1700;

using Ergebnis = std::unique_ptr<PGresult, decltype(&PQclear)>;

class PostgresAnweisung : public Anweisung {
  public:
    PostgresAnweisung(PostgresVerbindung& v, const QString& sql)
        : m_v(v), m_sql(FuerPostgres(sql)), m_name(v.neuerName()) {
        anmelden();
        Ergebnis beschreibung(PQdescribePrepared(v.verbindung(), m_name.constData()), &PQclear);
        if (PQresultStatus(beschreibung.get()) != PGRES_COMMAND_OK)
            v.werfen(beschreibung.release());
        for (int i = 0; i < PQnfields(beschreibung.get()); ++i) {
            const QString roh = QString::fromUtf8(PQfname(beschreibung.get(), i));
            if (roh == QLatin1String("rowid")) continue;  // hidden, as in SQLite
            m_spalten.push_back(i);
            QString name = v.schreibweise(PQftable(beschreibung.get(), i), roh);
            if (name.isEmpty()) name = m_sql.schreibweisen.value(roh, roh);
            m_namen << name;
            m_typen.push_back(PQftype(beschreibung.get(), i));
        }
        zuruecksetzen();
    }

    ~PostgresAnweisung() override {
        if (!m_v.unterbrochen() && m_verbindungsnummer == m_v.verbindungsnummer())
            PQclear(PQexec(m_v.verbindung(), ("DEALLOCATE " + m_name).constData()));
    }
    PostgresAnweisung(const PostgresAnweisung&) = delete;
    PostgresAnweisung& operator=(const PostgresAnweisung&) = delete;

    void bindeNull(int index) override { wert(index).reset(); }
    void bindeText(int index, const QByteArray& utf8) override {
        wert(index) = utf8.isNull() ? QByteArray("") : utf8;
    }
    void bindeZahl(int index, std::int64_t zahl) override {
        wert(index) = QByteArray::number(static_cast<qlonglong>(zahl));
    }
    void bindeKomma(int index, double zahl) override {
        wert(index) = QByteArray::number(zahl, 'g', 17);
    }

    bool naechste() override {
        if (!m_ergebnis) {
            // A connection made anew has forgotten the statements of the one before.
            if (m_verbindungsnummer != m_v.verbindungsnummer()) anmelden();
            std::vector<const char*> werte;
            for (const auto& w : m_werte) werte.push_back(w ? w->constData() : nullptr);
            m_ergebnis.reset(PQexecPrepared(m_v.verbindung(), m_name.constData(),
                                            static_cast<int>(werte.size()), werte.data(), nullptr,
                                            nullptr, 0));
            const ExecStatusType status = PQresultStatus(m_ergebnis.get());
            if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
                PGresult* fehler = m_ergebnis.release();
                m_ergebnis.reset();
                m_v.werfen(fehler);
            }
            m_v.geaendertSetzen(QByteArray(PQcmdTuples(m_ergebnis.get())).toInt());
            m_v.verteilen();
            m_zeile = -1;
        }
        return ++m_zeile < PQntuples(m_ergebnis.get());
    }

    void zuruecksetzen() override {
        m_ergebnis.reset();
        m_werte.assign(m_sql.parameter, std::nullopt);
    }

    int spaltenzahl() const override { return static_cast<int>(m_spalten.size()); }
    QString spaltenname(int index) const override { return m_namen.value(index); }

    Typ typ(int index) const override {
        if (PQgetisnull(m_ergebnis.get(), m_zeile, m_spalten[index])) return Typ::Null;
        switch (m_typen[index]) {
            case kBool:
            case kInt2:
            case kInt4:
            case kInt8:
                return Typ::Zahl;
            case kFloat4:
            case kFloat8:
                return Typ::Komma;
            case kNumeric:  // sums of integers: whole as SQLite's are
                return utf8(index).contains('.') ? Typ::Komma : Typ::Zahl;
            default:
                return Typ::Text;
        }
    }

    QByteArrayView utf8(int index) const override {
        const int spalte = m_spalten[index];
        if (PQgetisnull(m_ergebnis.get(), m_zeile, spalte)) return {};
        return QByteArrayView(PQgetvalue(m_ergebnis.get(), m_zeile, spalte),
                              PQgetlength(m_ergebnis.get(), m_zeile, spalte));
    }

    std::int64_t zahl(int index) const override {
        const QByteArrayView wert = utf8(index);
        if (m_typen[index] == kBool) return wert == "t" ? 1 : 0;
        if (wert.contains('.') || wert.contains('e'))
            return static_cast<std::int64_t>(komma(index));
        std::int64_t zahl = 0;  // as SQLite: the leading number of a text, else 0
        std::from_chars(wert.data(), wert.data() + wert.size(), zahl);
        return zahl;
    }

    double komma(int index) const override {
        bool ok = false;
        const double wert = utf8(index).toByteArray().toDouble(&ok);
        return ok ? wert : 0.0;
    }

  private:
    void anmelden() {
        Ergebnis vorbereitet(PQprepare(m_v.verbindung(), m_name.constData(), m_sql.text.constData(),
                                       m_sql.parameter, nullptr),
                             &PQclear);
        if (PQresultStatus(vorbereitet.get()) != PGRES_COMMAND_OK)
            m_v.werfen(vorbereitet.release());
        m_verbindungsnummer = m_v.verbindungsnummer();
    }

    std::optional<QByteArray>& wert(int index) {
        if (index < 1 || index > static_cast<int>(m_werte.size()))
            throw DbFehler(25, QStringLiteral("Der Wert Nr. %1 hat in der Abfrage keinen Platz.")
                                   .arg(index));  // 25: SQLite's "column index out of range"
        return m_werte[index - 1];
    }

    PostgresVerbindung& m_v;
    PostgresSql m_sql;
    QByteArray m_name;
    int m_verbindungsnummer = 0;  // of the connection the statement was prepared on
    std::vector<int> m_spalten;   // visible columns of the result
    QStringList m_namen;
    std::vector<Oid> m_typen;
    std::vector<std::optional<QByteArray>> m_werte;
    Ergebnis m_ergebnis{nullptr, &PQclear};
    int m_zeile = -1;
};

// Why a connection failed. A password asked for or refused needs the user,
// not another try at the server.
QString verbindungsfehler(PGconn* pg, const QString& adresse) {
    const QString grund = QString::fromUtf8(PQerrorMessage(pg)).trimmed();
    if (PQconnectionNeedsPassword(pg))
        return QStringLiteral(
                   "Die Datenbank '%1' verlangt ein Kennwort. Es gehört nach "
                   "~/.pgpass oder in PGPASSWORD.")
            .arg(adresse);
    if (PQconnectionUsedPassword(pg))
        return QStringLiteral(
                   "Die Anmeldung an der Datenbank '%1' ist fehlgeschlagen: Benutzer "
                   "oder Kennwort stimmen nicht (%2).")
            .arg(adresse, grund);
    return QStringLiteral("Die Datenbank '%1' ist nicht erreichbar (%2).").arg(adresse, grund);
}

}  // namespace

QString PostgresVerbindung::maskiert(const QString& uri) {
    QUrl url(uri);
    if (!url.isValid() || url.password().isEmpty()) return uri;
    url.setPassword(QStringLiteral("***"));
    return url.toString();
}

PostgresVerbindung::PostgresVerbindung(const QString& uri) {
    // A server that does not answer must not hold the till for long; an
    // address that sets its own timeout keeps it, as it comes later.
    const QByteArray adresse = uri.toUtf8();
    const char* const namen[] = {"connect_timeout", "client_encoding", "dbname", nullptr};
    const char* const werte[] = {"3", "UTF8", adresse.constData(), nullptr};
    m_pg = PQconnectdbParams(namen, werte, 1);
    if (PQstatus(m_pg) != CONNECTION_OK) {
        const QString meldung = verbindungsfehler(m_pg, maskiert(uri));
        PQfinish(m_pg);
        throw DbFehler(kNichtErreichbar, meldung);
    }
    // Notices such as "already exists, skipping" are no business of the till's.
    PQsetNoticeProcessor(
        m_pg, [](void*, const char*) {}, nullptr);
    // Tills starting at once on an empty database take turns here, or two
    // would make the same tables.
    PQclear(ausfuehren(
        "BEGIN; SELECT pg_advisory_xact_lock(7472617672);"
        "CREATE TABLE IF NOT EXISTS schreibweisen (tabelle TEXT, spalte TEXT, "
        "PRIMARY KEY (tabelle, spalte));"
        "CREATE TABLE IF NOT EXISTS schemaversion (version BIGINT NOT NULL);"
        "INSERT INTO schemaversion SELECT 0 WHERE NOT EXISTS (SELECT 1 FROM schemaversion);"
        "COMMIT;"));
    Ergebnis gemerkt(ausfuehren("SELECT tabelle, spalte FROM schreibweisen"), &PQclear);
    for (int i = 0; i < PQntuples(gemerkt.get()); ++i)
        m_schreibweisen.insert(QString::fromUtf8(PQgetvalue(gemerkt.get(), i, 0)),
                               QString::fromUtf8(PQgetvalue(gemerkt.get(), i, 1)));
    Ergebnis schema(ausfuehren("SELECT current_schema()"), &PQclear);
    m_schema = QByteArray(PQgetvalue(schema.get(), 0, 0));
}

PostgresVerbindung::~PostgresVerbindung() { PQfinish(m_pg); }

void PostgresVerbindung::werfen(PGresult* ergebnis) const {
    QString text = QString::fromUtf8(
        ergebnis ? PQresultErrorField(ergebnis, PG_DIAG_MESSAGE_PRIMARY) : nullptr);
    if (text.isEmpty()) text = QString::fromUtf8(PQerrorMessage(m_pg)).trimmed();
    PQclear(ergebnis);
    if (unterbrochen()) throw DbFehler(kNichtErreichbar, kVerbindungUnterbrochen);
    throw DbFehler(kFehlerImSql, text);
}

void PostgresVerbindung::wiederverbinden() {
    PQreset(m_pg);
    if (unterbrochen()) throw DbFehler(kNichtErreichbar, kVerbindungUnterbrochen);
    ++m_verbindungsnummer;
    QSet<QByteArray> kanaele;
    for (const Hoerer& h : m_hoerer) kanaele.insert(h.kanal);
    for (const QByteArray& kanal : kanaele) lauschen(kanal);
    for (const Hoerer& h : std::vector<Hoerer>(m_hoerer)) h.melden();
}

void PostgresVerbindung::lauschen(const QByteArray& kanal) {
    std::unique_ptr<char, decltype(&PQfreemem)> name(
        PQescapeIdentifier(m_pg, kanal.constData(), kanal.size()), &PQfreemem);
    PQclear(ausfuehren(QByteArray("LISTEN ") + name.get()));
}

int PostgresVerbindung::hoeren(const QString& kanal, std::function<void()> melden) {
    const QByteArray name = kanal.toUtf8();
    m_hoerer.push_back({++m_naechsterHoerer, name, std::move(melden)});
    // A connection the server dropped listens again when it is made anew.
    if (!unterbrochen()) lauschen(name);
    return m_naechsterHoerer;
}

void PostgresVerbindung::aufhoeren(int nummer) {
    std::erase_if(m_hoerer, [nummer](const Hoerer& h) { return h.nummer == nummer; });
}

int PostgresVerbindung::socket() const { return unterbrochen() ? -1 : PQsocket(m_pg); }

void PostgresVerbindung::abholen() {
    if (PQconsumeInput(m_pg)) verteilen();
}

void PostgresVerbindung::verteilen() {
    std::vector<QByteArray> kanaele;
    while (PGnotify* notiz = PQnotifies(m_pg)) {
        // Other schemas on the same server are other installations.
        if (m_schema == notiz->extra) kanaele.push_back(notiz->relname);
        PQfreemem(notiz);
    }
    for (const QByteArray& kanal : kanaele)
        for (const Hoerer& h : std::vector<Hoerer>(m_hoerer))
            if (h.kanal == kanal) h.melden();
}

PGresult* PostgresVerbindung::ausfuehren(const QByteArray& sql, const QList<QByteArray>& werte) {
    std::vector<const char*> zeiger;
    for (const QByteArray& w : werte) zeiger.push_back(w.constData());
    PGresult* ergebnis = werte.isEmpty()
                             ? PQexec(m_pg, sql.constData())
                             : PQexecParams(m_pg, sql.constData(), static_cast<int>(zeiger.size()),
                                            nullptr, zeiger.data(), nullptr, nullptr, 0);
    const ExecStatusType status = PQresultStatus(ergebnis);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) werfen(ergebnis);
    verteilen();
    return ergebnis;
}

std::unique_ptr<Anweisung> PostgresVerbindung::vorbereiten(const QString& sql) {
    return std::make_unique<PostgresAnweisung>(*this, sql);
}

void PostgresVerbindung::skript(const QString& sql) {
    const PostgresSql umgeschrieben = FuerPostgres(sql);
    PQclear(ausfuehren(umgeschrieben.text));
    schreibweisenMerken(umgeschrieben.neueSpalten);
}

void PostgresVerbindung::schreibweisenMerken(const QList<std::pair<QString, QString>>& spalten) {
    for (const auto& [tabelle, spalte] : spalten) {
        const QString schluessel = tabelle.toLower() + QLatin1Char('.') + spalte.toLower();
        m_schreibweisen.insert(schluessel, spalte);
        PQclear(
            ausfuehren("INSERT INTO schreibweisen (tabelle, spalte) VALUES ($1, $2) "
                       "ON CONFLICT DO NOTHING",
                       {schluessel.toUtf8(), spalte.toUtf8()}));
    }
}

QString PostgresVerbindung::schreibweise(Oid tabelle, const QString& spalte) {
    if (tabelle == InvalidOid) return QString();
    auto it = m_tabellen.constFind(tabelle);
    if (it == m_tabellen.constEnd()) {
        Ergebnis name(ausfuehren("SELECT relname FROM pg_class WHERE oid = $1",
                                 {QByteArray::number(tabelle)}),
                      &PQclear);
        it = m_tabellen.insert(tabelle, PQntuples(name.get())
                                            ? QString::fromUtf8(PQgetvalue(name.get(), 0, 0))
                                            : QString());
    }
    return m_schreibweisen.value(*it + QLatin1Char('.') + spalte);
}

std::int64_t PostgresVerbindung::letzteId() {
    Ergebnis id(ausfuehren("SELECT lastval()"), &PQclear);
    return QByteArray(PQgetvalue(id.get(), 0, 0)).toLongLong();
}

bool PostgresVerbindung::inTransaktion() const { return PQtransactionStatus(m_pg) != PQTRANS_IDLE; }

QStringList PostgresVerbindung::spalten(const QString& tabelle) {
    Ergebnis ergebnis(ausfuehren("SELECT column_name FROM information_schema.columns "
                                 "WHERE table_schema = current_schema() AND table_name = $1 "
                                 "AND column_name <> 'rowid' ORDER BY ordinal_position",
                                 {tabelle.toLower().toUtf8()}),
                      &PQclear);
    QStringList namen;
    for (int i = 0; i < PQntuples(ergebnis.get()); ++i) {
        const QString roh = QString::fromUtf8(PQgetvalue(ergebnis.get(), i, 0));
        namen << m_schreibweisen.value(tabelle.toLower() + QLatin1Char('.') + roh, roh);
    }
    return namen;
}

int PostgresVerbindung::schemaversion() {
    // Locked until the transaction ends: a second till starting meanwhile
    // waits for the upgrade and then finds it done.
    Ergebnis version(ausfuehren("SELECT version FROM schemaversion FOR UPDATE"), &PQclear);
    return QByteArray(PQgetvalue(version.get(), 0, 0)).toInt();
}

void PostgresVerbindung::schemaversionSetzen(int version) {
    PQclear(ausfuehren("UPDATE schemaversion SET version = $1", {QByteArray::number(version)}));
}
