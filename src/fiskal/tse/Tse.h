#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <cstdint>
#include <stdexcept>
#include <vector>

// The technical security device (TSE) as the till sees it: it numbers and
// signs transactions and keeps its own log and counters, whatever the till
// does with its answers. The simulation is one implementation; a certified
// device (USB/SD through its vendor's library, or a cloud TSE over HTTPS) is
// another behind the same interface.

inline const QString kKassenbelegV1 = QStringLiteral("Kassenbeleg-V1");
inline const QString kBestellungV1 = QStringLiteral("Bestellung-V1");
inline const QString kTseAlgorithmus = QStringLiteral("ecdsa-plain-SHA256");
inline const QString kTseZeitformat = QStringLiteral("utcTime");

enum class Tsezustand { Bereit, Ausgefallen, NichtInitialisiert };

struct Tsestart {
    std::int64_t transaktionNr = 0;
    QDateTime start;  // UTC
};

struct Tseabschluss {
    std::int64_t transaktionNr = 0;
    std::int64_t signaturzaehler = 0;
    QDateTime start, ende;  // UTC
    QString seriennummer;   // hex of SHA-256 of the public key
    QString prozesstyp;
    QString prozessdaten;
    QByteArray signatur;  // r || s, 64 bytes
};

// What the export and the journal need to check signatures.
struct Tsezertifikat {
    QString seriennummer;
    QByteArray oeffentlicherSchluessel;  // uncompressed point, 65 bytes
    QByteArray zertifikat;               // DER of an X.509 certificate
};

// A device that did not answer or refused: the reason in German.
class TseFehler : public std::runtime_error {
  public:
    explicit TseFehler(const QString& grund) : std::runtime_error(grund.toStdString()) {}
    QString grund() const { return QString::fromStdString(what()); }
};

class Tse {
  public:
    virtual ~Tse() = default;
    virtual Tsestart starten(const QString& prozesstyp, const QString& prozessdaten) = 0;
    virtual void aktualisieren(std::int64_t nr, const QString& prozesstyp,
                               const QString& prozessdaten) = 0;
    virtual Tseabschluss beenden(std::int64_t nr, const QString& prozesstyp,
                                 const QString& prozessdaten) = 0;
    virtual Tsezustand zustand() = 0;
    virtual Tsezertifikat zertifikat() = 0;
    // The numbers of every transaction the device has started for this till.
    virtual std::vector<std::int64_t> transaktionen() = 0;
};

// ISO 8601 in UTC with milliseconds, as the device's times are written.
inline QString TseZeit(const QDateTime& zeit) { return zeit.toUTC().toString(Qt::ISODateWithMs); }
