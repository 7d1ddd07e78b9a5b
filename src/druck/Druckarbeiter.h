#pragma once

#include <QDate>
#include <QMutex>
#include <QSet>
#include <QThread>
#include <QWaitCondition>
#include <chrono>
#include <map>
#include <memory>

class Datenbank;
class Druckerausgang;

// The print worker: a thread with its own connection to the database that
// looks for stored jobs and gives every printer with waiting jobs a lane of
// its own, a thread with its own connection that prints that printer's jobs
// in order and retries it every `wiederholen` while it fails. So a printer
// that fails or does not answer holds back its own jobs only. The screens
// learn how many jobs wait through queued signals.
class Druckarbeiter : public QThread {
    Q_OBJECT
  public:
    // Opens its own connections to the file of `db`, with the same key.
    Druckarbeiter(const Datenbank& db, const Druckerausgang& ausgang, QDate heute,
                  std::chrono::milliseconds wiederholen = std::chrono::seconds(5),
                  QObject* eltern = nullptr);
    // Lets the jobs being printed finish, then stops.
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
    // Its own connection; nullptr when the file cannot be opened, which is
    // reported when `melden`.
    std::unique_ptr<Datenbank> verbinden(bool melden);
    void melden(Datenbank& db);
    // Starts the lane of a printer unless it runs.
    void bahnStarten(const QString& drucker);
    // The lane: prints the printer's jobs until none waits, then ends.
    void bahn(const QString& drucker);
    // Sleeps until woken, stopped, or it is time to retry; false when stopped.
    // `gesehen` is the count of wake-ups the caller has seen, updated.
    bool warten(quint64& gesehen);

    const QString m_pfad;
    const QByteArray m_schluessel;
    const Druckerausgang& m_ausgang;
    const QDate m_heute;
    const std::chrono::milliseconds m_wiederholen;
    QMutex m_sperre;
    QWaitCondition m_wecker;
    quint64 m_anstoesse = 0;
    bool m_ende = false;
    QSet<QString> m_laufend;                               // lanes at work
    std::map<QString, std::unique_ptr<QThread>> m_bahnen;  // lanes started, at work or done
};
