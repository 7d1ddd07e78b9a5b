#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "absturz/Zustand.h"

// The side log of the crash test: before an action the states it may leave
// (one per step it commits on its own), after its commit the state it left.
// Every line is on the disk before the next step is taken.
class Protokoll {
  public:
    explicit Protokoll(const QString& pfad);
    ~Protokoll();
    Protokoll(const Protokoll&) = delete;
    Protokoll& operator=(const Protokoll&) = delete;

    void absicht(int nummer, const QString& art, const QList<Zustand>& moeglich);
    void bestaetigt(int nummer, const Zustand& zustand);

  private:
    void schreiben(const QString& zeile);
    int m_datei;
};

// What the side log says at a restart.
struct Protokollstand {
    int nummer = 0;                     // of the last confirmed action
    std::optional<Zustand> bestaetigt;  // the state it left; none before the first
    QString offeneArt;                  // the kind of an action begun but not confirmed
    QList<Zustand> offenMoeglich;       // the states that action may have left
};

Protokollstand ProtokollLesen(const QString& pfad);
