#pragma once

#include <QDate>
#include <QMutex>
#include <QThread>
#include <QWaitCondition>
#include <chrono>

class Datenbank;
class Druckerausgang;

// The print worker: a thread with its own connection to the database that
// prints the stored jobs, retries failing printers every `wiederholen`, and
// tells the screens how many jobs wait through queued signals.
class Druckarbeiter : public QThread {
    Q_OBJECT
  public:
    // Opens its own connection to the file of `db`, with the same key.
    Druckarbeiter(const Datenbank& db, const Druckerausgang& ausgang, QDate heute,
                  std::chrono::milliseconds wiederholen = std::chrono::seconds(5),
                  QObject* eltern = nullptr);
    // Lets the job being printed finish, then stops.
    ~Druckarbeiter() override;

    // New jobs are stored (or a redirection made): look at once. Any thread.
    void anstossen();

  Q_SIGNALS:
    // After every job and every pass.
    void stand(int wartend, int gestoert);
    // The worker could not open the database and prints nothing.
    void ausgefallen(const QString& meldung);

  protected:
    void run() override;

  private:
    void melden(Datenbank& db);
    // Sleeps until woken, stopped, or it is time to retry; false when stopped.
    bool warten();

    const QString m_pfad;
    const QByteArray m_schluessel;
    const Druckerausgang& m_ausgang;
    const QDate m_heute;
    const std::chrono::milliseconds m_wiederholen;
    QMutex m_sperre;
    QWaitCondition m_wecker;
    bool m_angestossen = false;
    bool m_ende = false;
};
