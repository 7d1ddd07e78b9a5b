#include "fiskal/tse/Tsesimulation.h"

#include "core/Datenbank.h"
#include "core/Zaehler.h"
#include "fiskal/Journal.h"

namespace {

const QString kTransaktion = QStringLiteral("Transaktion");
const QString kSignatur = QStringLiteral("Signatur");

std::optional<Tseschluessel> gespeicherterSchluessel(Datenbank& db) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT PrivaterSchluessel FROM TseSchluessel LIMIT 1"));
    if (!a.naechste()) return std::nullopt;
    return Tseschluessel::lesen(QByteArray::fromBase64(a.text(0).toLatin1()));
}

Tseschluessel schluesselLaden(Datenbank& db) {
    if (auto schluessel = gespeicherterSchluessel(db)) return std::move(*schluessel);
    Transaktion t(db);
    // Tills starting together on a new database make one key between them.
    ZaehlerSperren(db, kZaehlerJournal);
    if (auto schluessel = gespeicherterSchluessel(db)) return std::move(*schluessel);
    Tseschluessel neu = Tseschluessel::erzeugen();
    db.ausfuehren(QStringLiteral("INSERT INTO TseSchluessel (Seriennummer, PrivaterSchluessel, "
                                 "OeffentlicherSchluessel, Zertifikat, Erstellt) "
                                 "VALUES (?, ?, ?, ?, ?)"),
                  neu.seriennummer(), QString::fromLatin1(neu.privatDer().toBase64()),
                  QString::fromLatin1(neu.oeffentlicherPunkt().toBase64()),
                  QString::fromLatin1(neu.zertifikat().toBase64()),
                  TseZeit(QDateTime::currentDateTimeUtc()));
    t.bestaetigen();
    return neu;
}

void feld(QByteArray& nachricht, const QByteArray& inhalt) {
    nachricht += QByteArray::number(inhalt.size()) + ':' + inhalt + ',';
}

}  // namespace

Tsesimulation::Tsesimulation(Datenbank& db) : m_db(db), m_schluessel(schluesselLaden(db)) {}

Tsesimulation::Tsesimulation(std::unique_ptr<Datenbank> eigene)
    : m_eigene(std::move(eigene)), m_db(*m_eigene), m_schluessel(schluesselLaden(m_db)) {}

std::unique_ptr<Tsesimulation> Tsesimulation::aufDatei(const QString& pfad,
                                                       const QByteArray& schluessel) {
    return std::unique_ptr<Tsesimulation>(new Tsesimulation(Datenbank::oeffnen(pfad, schluessel)));
}

std::int64_t Tsesimulation::zaehlen(const QString& zaehler) {
    m_db.ausfuehren(QStringLiteral("UPDATE TseZaehler SET Wert = Wert + 1 WHERE Name = ?"),
                    zaehler);
    Abfrage a = m_db.abfrage(QStringLiteral("SELECT Wert FROM TseZaehler WHERE Name = ?"), zaehler);
    a.naechste();
    return a.zahl(0);
}

Tsestart Tsesimulation::starten(const QString& prozesstyp, const QString& prozessdaten) {
    Transaktion t(m_db);
    const Tsestart s{zaehlen(kTransaktion), QDateTime::currentDateTimeUtc()};
    m_db.ausfuehren(QStringLiteral("INSERT INTO TseTransaktionen (Nr, Prozesstyp, Prozessdaten, "
                                   "Start, Kasse) VALUES (?, ?, ?, ?, ?)"),
                    s.transaktionNr, prozesstyp, prozessdaten, TseZeit(s.start), Kassenname());
    t.bestaetigen();
    return s;
}

void Tsesimulation::aktualisieren(std::int64_t nr, const QString& prozesstyp,
                                  const QString& prozessdaten) {
    Transaktion t(m_db);
    if (m_db.ausfuehren(QStringLiteral("UPDATE TseTransaktionen SET Prozesstyp = ?, "
                                       "Prozessdaten = ? WHERE Nr = ? AND Ende IS NULL"),
                        prozesstyp, prozessdaten, nr) != 1)
        throw TseFehler(QStringLiteral("Die TSE-Transaktion %1 ist nicht offen.").arg(nr));
    t.bestaetigen();
}

Tseabschluss Tsesimulation::beenden(std::int64_t nr, const QString& prozesstyp,
                                    const QString& prozessdaten) {
    Transaktion t(m_db);
    Abfrage offen = m_db.abfrage(
        QStringLiteral("SELECT Start FROM TseTransaktionen WHERE Nr = ? AND Ende IS NULL"), nr);
    if (!offen.naechste())
        throw TseFehler(QStringLiteral("Die TSE-Transaktion %1 ist nicht offen.").arg(nr));
    Tseabschluss a;
    a.transaktionNr = nr;
    a.start = QDateTime::fromString(offen.text(0), Qt::ISODateWithMs);
    a.signaturzaehler = zaehlen(kSignatur);
    // The log keeps milliseconds: the time signed is the time stored.
    a.ende = QDateTime::fromString(TseZeit(QDateTime::currentDateTimeUtc()), Qt::ISODateWithMs);
    a.seriennummer = m_schluessel.seriennummer();
    a.prozesstyp = prozesstyp;
    a.prozessdaten = prozessdaten;
    a.signatur = m_schluessel.signieren(TseNachricht(a));
    m_db.ausfuehren(QStringLiteral("UPDATE TseTransaktionen SET Prozesstyp = ?, Prozessdaten = ?, "
                                   "Ende = ?, Signaturzaehler = ?, Signatur = ? WHERE Nr = ?"),
                    prozesstyp, prozessdaten, TseZeit(a.ende), a.signaturzaehler,
                    QString::fromLatin1(a.signatur.toBase64()), nr);
    t.bestaetigen();
    return a;
}

Tsezertifikat Tsesimulation::zertifikat() {
    Abfrage a =
        m_db.abfrage(QStringLiteral("SELECT Seriennummer, OeffentlicherSchluessel, Zertifikat FROM "
                                    "TseSchluessel LIMIT 1"));
    if (!a.naechste()) throw TseFehler(QStringLiteral("Die TSE hat keinen Schlüssel."));
    return {a.text(0), QByteArray::fromBase64(a.text(1).toLatin1()),
            QByteArray::fromBase64(a.text(2).toLatin1())};
}

std::vector<std::int64_t> Tsesimulation::transaktionen() {
    std::vector<std::int64_t> nummern;
    // Those of other tills on the same database are theirs to account for.
    for (Abfrage a = m_db.abfrage(QStringLiteral("SELECT Nr FROM TseTransaktionen WHERE Kasse = ? "
                                                 "OR Kasse IS NULL ORDER BY Nr"),
                                  Kassenname());
         a.naechste();)
        nummern.push_back(a.zahl(0));
    return nummern;
}

QByteArray TseNachricht(const Tseabschluss& a) {
    QByteArray n;
    feld(n, a.seriennummer.toUtf8());
    feld(n, QByteArrayLiteral("FinishTransaction"));
    feld(n, a.prozesstyp.toUtf8());
    feld(n, a.prozessdaten.toUtf8());
    feld(n, QByteArray::number(a.transaktionNr));
    feld(n, QByteArray::number(a.signaturzaehler));
    feld(n, TseZeit(a.start).toUtf8());
    feld(n, TseZeit(a.ende).toUtf8());
    return n;
}
