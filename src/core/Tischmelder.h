#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class Datenbank;
class QSocketNotifier;

// The channel on which a server announces changed open lines.
inline const QString kTischkanal = QStringLiteral("tische");

// Tells a floor view that another till opened, sent, moved or settled a table,
// so that its markers follow within a second. It listens on the connection's
// own socket while the till waits for a touch; a burst of changes (a
// settlement, several tills at once) becomes one signal. On the file it never
// signals: there is no other till.
class Tischmelder : public QObject {
    Q_OBJECT
  public:
    explicit Tischmelder(Datenbank& db, QObject* eltern = nullptr);
    ~Tischmelder() override;
    Tischmelder(const Tischmelder&) = delete;
    Tischmelder& operator=(const Tischmelder&) = delete;

    // How long a burst of notices is gathered into one signal.
    static constexpr int kSammelzeitMs = 100;

  Q_SIGNALS:
    void geaendert();

  private:
    void gemeldet();
    // Watches the connection's socket; none while the server is away.
    void lauscherSetzen();

    Datenbank& m_db;
    int m_nummer = 0;
    QSocketNotifier* m_lauscher = nullptr;
    QTimer m_sammler;
};
