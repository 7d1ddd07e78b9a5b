#pragma once

#include <QToolButton>

class QTimer;

// The printers' mark in the foot bar: plain while everything prints, red with
// the number of waiting jobs when a printer has failed or jobs have waited
// longer than a moment (a stalled printer). Touching it asks for the job list.
class Druckermarke : public QToolButton {
    Q_OBJECT
  public:
    explicit Druckermarke(QWidget* eltern = nullptr);

    // The worker's report: jobs not printed, of which failed.
    void setzeStand(int wartend, int gestoert);
    bool rot() const { return m_rot; }

  private:
    void zeigen(bool rot);

    QTimer* m_geduld;
    int m_wartend = 0;
    bool m_rot = false;
};
