#pragma once

#include <QByteArray>
#include <memory>

#include "fiskal/tse/Tse.h"
#include "fiskal/tse/Tseschluessel.h"

class Datenbank;

// The value of the setting "TSE" that selects this device (the default).
inline const QString kTseSimulation = QStringLiteral("Simulation");

// A simulated TSE, not certified: its key, counters and log live in the
// encrypted database (TseSchluessel, TseZaehler, TseTransaktionen), written
// through the connection it is given, so a device on its own connection
// counts whether or not the till commits. The key and serial number are made
// at the first start. Every counter is stored before the answer is given:
// numbers never repeat, across restarts and kills.
class Tsesimulation : public Tse {
  public:
    explicit Tsesimulation(Datenbank& db);
    // The device as the till runs it: on a connection of its own to the file.
    static std::unique_ptr<Tsesimulation> aufDatei(const QString& pfad,
                                                   const QByteArray& schluessel);

    Tsestart starten(const QString& prozesstyp, const QString& prozessdaten) override;
    void aktualisieren(std::int64_t nr, const QString& prozesstyp,
                       const QString& prozessdaten) override;
    Tseabschluss beenden(std::int64_t nr, const QString& prozesstyp,
                         const QString& prozessdaten) override;
    Tsezustand zustand() override { return Tsezustand::Bereit; }
    Tsezertifikat zertifikat() override;
    std::vector<std::int64_t> transaktionen() override;

  private:
    std::int64_t zaehlen(const QString& zaehler);

    Tsesimulation(std::unique_ptr<Datenbank> eigene);

    std::unique_ptr<Datenbank> m_eigene;
    Datenbank& m_db;
    Tseschluessel m_schluessel;
};

// What the device signs for a finished transaction, after the log message of
// the finishing operation, simply: the fields serial number, "FinishTransaction",
// process type, process data, transaction number, signature counter, start
// and end time (as TseZeit writes them), each in UTF-8 as a netstring
// "<bytes>:<text>," so that no field's content can shift another.
QByteArray TseNachricht(const Tseabschluss& a);
