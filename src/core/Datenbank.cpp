#include "core/Datenbank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include "core/PostgresVerbindung.h"
#include "core/SqliteVerbindung.h"

// ---------------------------------------------------------------- Abfrage

Abfrage::Abfrage(Datenbank& db, Anweisung* anweisung, bool ausCache)
    : m_db(&db), m_anweisung(anweisung), m_ausCache(ausCache) {}

Abfrage::Abfrage(Abfrage&& andere) noexcept
    : m_db(andere.m_db),
      m_anweisung(andere.m_anweisung),
      m_ausCache(andere.m_ausCache),
      m_spalten(std::move(andere.m_spalten)) {
    andere.m_anweisung = nullptr;
}

Abfrage::~Abfrage() {
    if (!m_anweisung) return;
    if (m_ausCache)
        m_db->zurueckgeben(m_anweisung);
    else
        delete m_anweisung;
}

bool Abfrage::naechste() { return m_anweisung->naechste(); }

int Abfrage::spaltenzahl() const { return m_anweisung->spaltenzahl(); }

const Abfrage::Spalten& Abfrage::spalten() const {
    if (!m_spalten) {
        m_spalten = std::make_unique<Spalten>();
        for (int i = 0; i < spaltenzahl(); ++i) {
            m_spalten->namen << m_anweisung->spaltenname(i);
            m_spalten->index.insert(m_spalten->namen.last().toLower(), i);
        }
    }
    return *m_spalten;
}

QString Abfrage::spaltenname(int index) const { return spalten().namen.value(index); }

int Abfrage::spaltenindex(const QString& name) const {
    const auto it = spalten().index.constFind(name.toLower());
    if (it == spalten().index.constEnd())
        throw DbFehler(
            3265,
            QStringLiteral("Die Spalte '%1' ist in dieser Abfrage nicht vorhanden.").arg(name));
    return *it;
}

bool Abfrage::istNull(int index) const { return m_anweisung->typ(index) == Anweisung::Typ::Null; }

QString Abfrage::text(int index) const {
    const QByteArrayView zeichen = utf8(index);
    return zeichen.data() ? QString::fromUtf8(zeichen) : QString();
}

QByteArrayView Abfrage::utf8(int index) const { return m_anweisung->utf8(index); }

std::int64_t Abfrage::zahl(int index) const { return m_anweisung->zahl(index); }

QDate Abfrage::datum(int index) const { return QDate::fromString(text(index), Qt::ISODate); }

QVariant Abfrage::wert(int index) const {
    switch (m_anweisung->typ(index)) {
        case Anweisung::Typ::Null:
            return QVariant();
        case Anweisung::Typ::Zahl:
            return QVariant::fromValue<qlonglong>(zahl(index));
        case Anweisung::Typ::Komma:
            return m_anweisung->komma(index);
        default:
            return text(index);
    }
}

void Abfrage::binde(int index, std::nullptr_t) { m_anweisung->bindeNull(index); }

void Abfrage::binde(int index, const QString& wert) {
    m_anweisung->bindeText(index, wert.toUtf8());
}

void Abfrage::binde(int index, std::int64_t wert) { m_anweisung->bindeZahl(index, wert); }

void Abfrage::binde(int index, const QDate& wert) { binde(index, wert.toString(Qt::ISODate)); }

void Abfrage::binde(int index, const QVariant& wert) {
    if (wert.isNull()) return binde(index, nullptr);
    switch (wert.typeId()) {
        case QMetaType::Bool:
            return binde(index, wert.toBool());
        case QMetaType::Int:
        case QMetaType::LongLong:
        case QMetaType::UInt:
        case QMetaType::ULongLong:
            return binde(index, static_cast<std::int64_t>(wert.toLongLong()));
        case QMetaType::Double:
            return m_anweisung->bindeKomma(index, wert.toDouble());
        case QMetaType::QDate:
            return binde(index, wert.toDate());
        default:
            return binde(index, wert.toString());
    }
}

// ---------------------------------------------------------------- Datenbank

namespace {

// Short overlaps with a reader (a backup, the command-line shell) wait this
// long instead of failing at once.
constexpr int kWartezeitMs = 3000;

QString nativ(const QString& pfad) { return QDir::toNativeSeparators(pfad); }

[[noreturn]] void nichtZuOeffnen(const QString& pfad, int nummer, const QString& grund) {
    throw DbFehler(nummer, QStringLiteral("Die Datenbank '%1' kann nicht geöffnet werden (%2).")
                               .arg(nativ(pfad), grund));
}

}  // namespace

Datenbank::Datenbank(std::unique_ptr<Verbindung> verbindung, sqlite3* datei, QString pfad,
                     QByteArray schluessel)
    : m_verbindung(std::move(verbindung)),
      m_sqlite(datei),
      m_pfad(std::move(pfad)),
      m_schluessel(std::move(schluessel)) {}

Datenbank::~Datenbank() {
    // Closed before the lock of the file goes.
    m_cache.clear();
    m_verbindung.reset();
}

sqlite3* Datenbank::handle() const {
    if (!m_sqlite) throw DbFehler(SQLITE_MISUSE, kNurMitDatei);
    return m_sqlite;
}

bool Datenbank::schreibbar(const QString& pfad) {
    const QFileInfo info(pfad);
    return info.isWritable() &&
           (info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

void Datenbank::pruefen(const QString& pfad) {
    const QFileInfo datei(pfad);
    if (!datei.exists() && !schreibbar(datei.absolutePath()))
        throw DbFehler(SQLITE_CANTOPEN,
                       QStringLiteral("Der Ordner '%1' ist schreibgeschützt; die Datenbank kann "
                                      "dort nicht angelegt werden.")
                           .arg(nativ(datei.absolutePath())));
    if (datei.isFile() && !schreibbar(pfad))
        throw DbFehler(SQLITE_READONLY,
                       QStringLiteral("Die Datenbank '%1' ist schreibgeschützt; die Kasse kann "
                                      "darin nichts speichern.")
                           .arg(nativ(pfad)));
}

bool Datenbank::istServeradresse(const QString& datenbank) {
    return datenbank.startsWith(QLatin1String("postgresql://")) ||
           datenbank.startsWith(QLatin1String("postgres://"));
}

std::unique_ptr<Datenbank> Datenbank::verbinden(const QString& uri) {
    if (!QUrl(uri).password().isEmpty())
        throw DbFehler(SQLITE_MISUSE,
                       QStringLiteral("Die Adresse '%1' enthält ein Kennwort. Es gehört nicht auf "
                                      "die Befehlszeile, sondern in ~/.pgpass oder in die "
                                      "Umgebungsvariable PGPASSWORD.")
                           .arg(PostgresVerbindung::maskiert(uri)));
    return std::unique_ptr<Datenbank>(
        new Datenbank(std::make_unique<PostgresVerbindung>(uri), nullptr, uri, QByteArray()));
}

std::unique_ptr<Datenbank> Datenbank::oeffnen(const QString& pfad, const QByteArray& schluessel,
                                              int seitengroesse) {
    if (istServeradresse(pfad)) return verbinden(pfad);  // a second connection to a server
    pruefen(pfad);
    const bool vorhanden = QFileInfo::exists(pfad);
    if (!vorhanden) {
        // Made here rather than by SQLite so that only its owner can read it; the
        // log files SQLite adds beside it take over its mode.
        QFile neu(pfad);
        if (!neu.open(QIODevice::WriteOnly | QIODevice::NewOnly,
                      QFile::ReadOwner | QFile::WriteOwner))
            nichtZuOeffnen(pfad, SQLITE_CANTOPEN, neu.errorString());
    }
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(pfad.toUtf8().constData(), &handle,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    auto verbindung = std::make_unique<SqliteVerbindung>(handle);
    const SqliteVerbindung& datei = *verbindung;
    std::unique_ptr<Datenbank> db(new Datenbank(std::move(verbindung), handle, pfad, schluessel));
    if (rc != SQLITE_OK)
        nichtZuOeffnen(pfad, rc,
                       QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc)));
    sqlite3_busy_timeout(handle, kWartezeitMs);
    if (sqlite3_key(handle, schluessel.constData(), schluessel.size()) != SQLITE_OK)
        datei.werfen(sqlite3_errcode(handle));

    // Without SQLCipher underneath, the key would be ignored and the file
    // written in the clear: refuse.
    {
        Abfrage version = db->vorbereiten(QStringLiteral("PRAGMA cipher_version"));
        if (!version.naechste() || version.text(0).isEmpty())
            throw DbFehler(SQLITE_MISUSE,
                           QStringLiteral("Die Datenbank-Bibliothek verschlüsselt nicht."));
    }
    // A wrong key or a damaged file shows only on the first read.
    if (const int gelesen = SeitengroesseFinden(handle, seitengroesse); gelesen != SQLITE_OK) {
        const QString grund = QString::fromUtf8(sqlite3_errmsg(handle));
        if (gelesen == SQLITE_NOTADB)
            throw DbFehler(gelesen, QStringLiteral("Die Datenbank '%1' ist beschädigt oder mit "
                                                   "einem anderen Kennwort verschlüsselt (%2).")
                                        .arg(nativ(pfad), grund));
        nichtZuOeffnen(pfad, gelesen, grund);
    }
    const std::int64_t tabellen = [&] {
        Abfrage probe = db->vorbereiten(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        probe.naechste();
        return probe.zahl(0);
    }();
    // An existing file without a single table (left by a start cut short, or
    // emptied) is not quietly made into a new till with the published demo PINs.
    if (vorhanden && tabellen == 0)
        throw DbFehler(SQLITE_NOTADB,
                       QStringLiteral("Die Datenbank '%1' ist leer. Sie wird nicht als neue Kasse "
                                      "eingerichtet: Löschen Sie die Datei, damit beim nächsten "
                                      "Start eine neue angelegt wird, oder spielen Sie eine "
                                      "Sicherung ein.")
                           .arg(nativ(pfad)));
    db->skript(QStringLiteral("PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"));
    return db;
}

int SeitengroesseFinden(sqlite3* handle, int zuerst) {
    int rc = SQLITE_NOTADB;
    const int andere = zuerst == kSeitengroesse ? kFruehereSeitengroesse : kSeitengroesse;
    for (const int groesse : {zuerst, andere}) {
        const QByteArray sql = "PRAGMA cipher_page_size = " + QByteArray::number(groesse) +
                               "; SELECT count(*) FROM sqlite_master;";
        rc = sqlite3_exec(handle, sql.constData(), nullptr, nullptr, nullptr);
        if (rc != SQLITE_NOTADB) break;
    }
    return rc;
}

int Datenbank::seitengroesse() {
    handle();  // refuses on a server
    Abfrage a = abfrage(QStringLiteral("PRAGMA cipher_page_size"));
    a.naechste();
    return static_cast<int>(a.zahl(0));
}

void Datenbank::neuVerschluesseln(const QByteArray& schluessel) {
    if (sqlite3_rekey(handle(), schluessel.constData(), schluessel.size()) != SQLITE_OK)
        throw DbFehler(sqlite3_errcode(m_sqlite), QString::fromUtf8(sqlite3_errmsg(m_sqlite)));
    m_schluessel = schluessel;
}

void Datenbank::bereit() {
    if (m_offeneTransaktionen == 0 && m_verbindung->unterbrochen()) m_verbindung->wiederverbinden();
}

Abfrage Datenbank::vorbereiten(const QString& sql) {
    bereit();
    const auto it = m_cache.find(sql);
    if (it != m_cache.end() && !m_inBenutzung.value(it->second.get())) {
        m_inBenutzung[it->second.get()] = true;
        return Abfrage(*this, it->second.get(), true);
    }
    std::unique_ptr<Anweisung> neu = m_verbindung->vorbereiten(sql);
    if (it != m_cache.end()) return Abfrage(*this, neu.release(), false);  // same SQL, in use
    Anweisung* anweisung = neu.get();
    m_cache.emplace(sql, std::move(neu));
    m_inBenutzung.insert(anweisung, true);
    return Abfrage(*this, anweisung, true);
}

void Datenbank::zurueckgeben(Anweisung* anweisung) {
    anweisung->zuruecksetzen();
    m_inBenutzung[anweisung] = false;
}

void Datenbank::skript(const QString& sql) {
    bereit();
    m_verbindung->skript(sql);
}

QStringList Datenbank::spalten(const QString& tabelle) {
    bereit();
    return m_verbindung->spalten(tabelle);
}

QString Datenbank::ordner() const {
    if (!istServer()) return QFileInfo(m_pfad).absolutePath();
    const QString daten = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                          QStringLiteral("/tavro");
    QDir().mkpath(daten);
    return daten;
}

QString Datenbank::tageZwischen(const QString& von, const QString& bis) const {
    return istServer()
               ? QStringLiteral("(CAST(%2 AS DATE) - CAST(%1 AS DATE))").arg(von, bis)
               : QStringLiteral("CAST(julianday(%2) - julianday(%1) AS INTEGER)").arg(von, bis);
}

QString Datenbank::ersetzen(const QString& tabelle, const QStringList& spalten,
                            const QString& schluessel, const QString& quelle) const {
    const QString liste = spalten.join(QStringLiteral(", "));
    if (!istServer())
        return QStringLiteral("INSERT OR REPLACE INTO %1 (%2) %3").arg(tabelle, liste, quelle);
    QStringList neu;
    for (const QString& spalte : spalten)
        if (spalte != schluessel) neu << QStringLiteral("%1 = excluded.%1").arg(spalte);
    return QStringLiteral("INSERT INTO %1 (%2) %3 ON CONFLICT (%4) DO UPDATE SET %5")
        .arg(tabelle, liste, quelle, schluessel, neu.join(QStringLiteral(", ")));
}

QString Datenbank::vortag(const QString& spalte) const {
    return istServer() ? QStringLiteral("to_char(CAST(%1 AS DATE) - 1, 'YYYY-MM-DD')").arg(spalte)
                       : QStringLiteral("date(%1, '-1 day')").arg(spalte);
}

QString Datenbank::spalteGeprueft(const QString& tabelle, const QString& spalte) {
    for (const QString& name : spalten(tabelle))
        if (name.compare(spalte, Qt::CaseInsensitive) == 0) return bezeichner(name);
    throw DbFehler(
        3265,
        QStringLiteral("Die Spalte '%1' gibt es in der Tabelle '%2' nicht.").arg(spalte, tabelle));
}

QString Datenbank::bezeichner(const QString& name) {
    // Brackets, unlike double quotes, never fall back to a string literal: an
    // unknown column is an error when the statement is prepared.
    if (name.isEmpty() || name.contains(QLatin1Char(']')))
        throw DbFehler(SQLITE_ERROR, QStringLiteral("Ungültiger Name '%1'.").arg(name));
    return QLatin1Char('[') + name + QLatin1Char(']');
}

// ---------------------------------------------------------------- Transaktion

Transaktion::Transaktion(Datenbank& db) : m_db(db) {
    m_db.bereit();
    if (m_db.inTransaktion()) {
        m_sicherungspunkt = QStringLiteral("s%1").arg(++m_db.m_sicherungspunkte);
        m_db.skript(QStringLiteral("SAVEPOINT ") + m_sicherungspunkt);
    } else {
        m_db.skript(m_db.m_verbindung->beginn());
    }
    ++m_db.m_offeneTransaktionen;
}

void Transaktion::bestaetigen() {
    if (!m_offen) return;
    m_db.skript(m_sicherungspunkt.isEmpty() ? QStringLiteral("COMMIT")
                                            : QStringLiteral("RELEASE ") + m_sicherungspunkt);
    m_offen = false;
    --m_db.m_offeneTransaktionen;
}

Transaktion::~Transaktion() {
    if (!m_offen) return;
    try {
        if (m_sicherungspunkt.isEmpty())
            m_db.skript(QStringLiteral("ROLLBACK"));
        else
            m_db.skript(QStringLiteral("ROLLBACK TO %1; RELEASE %1").arg(m_sicherungspunkt));
    } catch (const DbFehler&) {
        // The connection already rolled back on its own (e.g. after a full disk
        // or when the server dropped it).
    }
    --m_db.m_offeneTransaktionen;
}
