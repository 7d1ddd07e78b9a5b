#include "core/Datenbank.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

// ---------------------------------------------------------------- Abfrage

Abfrage::Abfrage(Datenbank& db, sqlite3_stmt* stmt, bool ausCache)
    : m_db(&db), m_stmt(stmt), m_ausCache(ausCache) {}

Abfrage::Abfrage(Abfrage&& andere) noexcept
    : m_db(andere.m_db),
      m_stmt(andere.m_stmt),
      m_ausCache(andere.m_ausCache),
      m_spalten(std::move(andere.m_spalten)) {
    andere.m_stmt = nullptr;
}

Abfrage::~Abfrage() {
    if (!m_stmt) return;
    if (m_ausCache)
        m_db->zurueckgeben(m_stmt);
    else
        sqlite3_finalize(m_stmt);
}

void Abfrage::pruefe(int rc) const {
    if (rc != SQLITE_OK) m_db->werfen(rc);
}

bool Abfrage::naechste() {
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    m_db->werfen(rc);
}

int Abfrage::spaltenzahl() const { return sqlite3_column_count(m_stmt); }

const Abfrage::Spalten& Abfrage::spalten() const {
    if (!m_spalten) {
        m_spalten = std::make_unique<Spalten>();
        for (int i = 0; i < spaltenzahl(); ++i) {
            m_spalten->namen << QString::fromUtf8(sqlite3_column_name(m_stmt, i));
            m_spalten->index.insert(m_spalten->namen.last().toLower(), i);
        }
    }
    return *m_spalten;
}

QString Abfrage::spaltenname(int index) const { return spalten().namen.value(index); }

int Abfrage::spaltenindex(const QString& name) const {
    const auto it = spalten().index.constFind(name.toLower());
    if (it == spalten().index.constEnd())
        throw DbFehler(3265, QStringLiteral("Die Spalte '%1' ist in dieser Abfrage nicht vorhanden.")
                                 .arg(name));
    return *it;
}

bool Abfrage::istNull(int index) const { return sqlite3_column_type(m_stmt, index) == SQLITE_NULL; }

QString Abfrage::text(int index) const {
    const auto* zeichen = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
    return zeichen ? QString::fromUtf8(zeichen, sqlite3_column_bytes(m_stmt, index)) : QString();
}

QByteArrayView Abfrage::utf8(int index) const {
    const auto* zeichen = reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, index));
    return QByteArrayView(zeichen, zeichen ? sqlite3_column_bytes(m_stmt, index) : 0);
}

std::int64_t Abfrage::zahl(int index) const { return sqlite3_column_int64(m_stmt, index); }

QDate Abfrage::datum(int index) const { return QDate::fromString(text(index), Qt::ISODate); }

QVariant Abfrage::wert(int index) const {
    switch (sqlite3_column_type(m_stmt, index)) {
        case SQLITE_NULL:
            return QVariant();
        case SQLITE_INTEGER:
            return QVariant::fromValue<qlonglong>(zahl(index));
        case SQLITE_FLOAT:
            return sqlite3_column_double(m_stmt, index);
        default:
            return text(index);
    }
}

void Abfrage::binde(int index, std::nullptr_t) { pruefe(sqlite3_bind_null(m_stmt, index)); }

void Abfrage::binde(int index, const QString& wert) {
    const QByteArray utf8 = wert.toUtf8();
    pruefe(sqlite3_bind_text(m_stmt, index, utf8.constData(), utf8.size(), SQLITE_TRANSIENT));
}

void Abfrage::binde(int index, std::int64_t wert) { pruefe(sqlite3_bind_int64(m_stmt, index, wert)); }

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
            return pruefe(sqlite3_bind_double(m_stmt, index, wert.toDouble()));
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

Datenbank::Datenbank(sqlite3* handle, QString pfad, QByteArray schluessel)
    : m_handle(handle), m_pfad(std::move(pfad)), m_schluessel(std::move(schluessel)) {}

Datenbank::~Datenbank() {
    for (sqlite3_stmt* stmt : std::as_const(m_cache)) sqlite3_finalize(stmt);
    sqlite3_close(m_handle);
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

std::unique_ptr<Datenbank> Datenbank::oeffnen(const QString& pfad, const QByteArray& schluessel,
                                              int seitengroesse) {
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
    std::unique_ptr<Datenbank> db(new Datenbank(handle, pfad, schluessel));
    if (rc != SQLITE_OK)
        nichtZuOeffnen(pfad, rc,
                       QString::fromUtf8(handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc)));
    sqlite3_busy_timeout(handle, kWartezeitMs);
    if (sqlite3_key(handle, schluessel.constData(), schluessel.size()) != SQLITE_OK)
        db->werfen(sqlite3_errcode(handle));

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
    Abfrage a = abfrage(QStringLiteral("PRAGMA cipher_page_size"));
    a.naechste();
    return static_cast<int>(a.zahl(0));
}

void Datenbank::neuVerschluesseln(const QByteArray& schluessel) {
    if (sqlite3_rekey(m_handle, schluessel.constData(), schluessel.size()) != SQLITE_OK)
        werfen(sqlite3_errcode(m_handle));
    m_schluessel = schluessel;
}

void Datenbank::werfen(int rc) const {
    throw DbFehler(rc, QString::fromUtf8(sqlite3_errmsg(m_handle)));
}

Abfrage Datenbank::vorbereiten(const QString& sql) {
    auto it = m_cache.constFind(sql);
    if (it != m_cache.constEnd() && !m_inBenutzung.value(*it)) {
        m_inBenutzung[*it] = true;
        return Abfrage(*this, *it, true);
    }
    const QByteArray utf8 = sql.toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const int rc = sqlite3_prepare_v2(m_handle, utf8.constData(), utf8.size(), &stmt, nullptr);
    if (rc != SQLITE_OK) werfen(rc);
    if (it != m_cache.constEnd()) return Abfrage(*this, stmt, false);  // same SQL, still in use
    m_cache.insert(sql, stmt);
    m_inBenutzung.insert(stmt, true);
    return Abfrage(*this, stmt, true);
}

void Datenbank::zurueckgeben(sqlite3_stmt* stmt) {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    m_inBenutzung[stmt] = false;
}

void Datenbank::skript(const QString& sql) {
    char* meldung = nullptr;
    const int rc = sqlite3_exec(m_handle, sql.toUtf8().constData(), nullptr, nullptr, &meldung);
    if (rc != SQLITE_OK) {
        const QString text = QString::fromUtf8(meldung ? meldung : sqlite3_errstr(rc));
        sqlite3_free(meldung);
        throw DbFehler(rc, text);
    }
}

QStringList Datenbank::spalten(const QString& tabelle) {
    QStringList namen;
    Abfrage info = vorbereiten(QStringLiteral("PRAGMA table_info(%1)").arg(bezeichner(tabelle)));
    while (info.naechste()) namen << info.text(1);
    return namen;
}

QString Datenbank::spalteGeprueft(const QString& tabelle, const QString& spalte) {
    for (const QString& name : spalten(tabelle))
        if (name.compare(spalte, Qt::CaseInsensitive) == 0) return bezeichner(name);
    throw DbFehler(3265, QStringLiteral("Die Spalte '%1' gibt es in der Tabelle '%2' nicht.")
                             .arg(spalte, tabelle));
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
    if (m_db.inTransaktion()) {
        m_sicherungspunkt = QStringLiteral("s%1").arg(++m_db.m_sicherungspunkte);
        m_db.skript(QStringLiteral("SAVEPOINT ") + m_sicherungspunkt);
    } else {
        m_db.skript(QStringLiteral("BEGIN IMMEDIATE"));
    }
}

void Transaktion::bestaetigen() {
    if (!m_offen) return;
    m_db.skript(m_sicherungspunkt.isEmpty() ? QStringLiteral("COMMIT")
                                             : QStringLiteral("RELEASE ") + m_sicherungspunkt);
    m_offen = false;
}

Transaktion::~Transaktion() {
    if (!m_offen) return;
    try {
        if (m_sicherungspunkt.isEmpty())
            m_db.skript(QStringLiteral("ROLLBACK"));
        else
            m_db.skript(QStringLiteral("ROLLBACK TO %1; RELEASE %1").arg(m_sicherungspunkt));
    } catch (const DbFehler&) {
        // The connection already rolled back on its own (e.g. after a full disk).
    }
}
