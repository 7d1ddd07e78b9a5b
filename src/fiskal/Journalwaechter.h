#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QThread;

// Checks the journal of a database file in the background, on a connection
// of its own, so the till starts at once however long the journal is.
// Leaving stops the check and waits for it.
class Journalwaechter : public QObject {
    Q_OBJECT
  public:
    Journalwaechter(const QString& pfad, const QByteArray& schluessel, QObject* eltern = nullptr);
    ~Journalwaechter() override;

    // Starts the check; connect to geprueft() before.
    void starten();

  Q_SIGNALS:
    // The finding, in the words of --journal-pruefen, or why the check failed.
    void geprueft(const QString& befund, bool inOrdnung);

  private:
    QThread* m_thread;
};
