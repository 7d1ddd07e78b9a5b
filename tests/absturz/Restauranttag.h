#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <functional>

#include "absturz/Protokoll.h"

class Kontext;
class SkriptDialoge;
class SpeicherDrucker;

// A restaurant day through the till's routines, one randomly chosen action at
// a time: orders with merges and extras, leaving tables, cancellations,
// transfers, settlements whole or split with every payment type, payment-type
// changes, "Auf Haus" and till closings. Each action writes the states it may
// leave to the side log before it starts and the state it left after its commit.
class Restauranttag {
  public:
    Restauranttag(Kontext& k, SkriptDialoge& dialoge, SpeicherDrucker& drucker,
                  Protokoll& protokoll, int nummer, quint32 seed);

    // Runs one action. Answers what went wrong: a commit that left other figures
    // than predicted, a message or error the till showed.
    QStringList naechsteAktion();

  private:
    struct Tisch {
        QString station, tisch, kellner;
    };

    void bestellen();
    void extraHinzufuegen();
    void verlassen();
    void stornieren();
    void umbuchen();
    void abrechnen();
    void zahlartAendern();
    void aufHaus();
    void abschliessen();

    // Logs the intent, runs the routine, compares and logs the outcome. The
    // last possible state is the one the whole action leaves.
    void ausfuehren(const QString& art, const QList<Zustand>& moeglich,
                    const std::function<void()>& routine);
    int zufall(int grenze) { return static_cast<int>(m_zufall.bounded(grenze)); }
    Tisch zufallsTisch();
    void amTisch(const Tisch& t);

    Kontext& m_k;
    SkriptDialoge& m_dialoge;
    SpeicherDrucker& m_drucker;
    Protokoll& m_protokoll;
    int m_nummer;
    QRandomGenerator m_zufall;
    QList<Tisch> m_tische;
    QStringList m_verletzungen;
};
