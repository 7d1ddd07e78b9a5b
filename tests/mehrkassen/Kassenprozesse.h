#pragma once

#include <QProcess>
#include <QStringList>
#include <memory>
#include <vector>

// The parent's side of the till processes: starts them, sends the go words and
// collects their answer lines.
class Kassenprozesse {
  public:
    Kassenprozesse(const QString& programm, const std::vector<QStringList>& argumente);
    ~Kassenprozesse();

    // Waits until every till has printed a line starting with `kennung` (or has
    // ended); answers those lines, one per till in order, empty for a till that
    // ended without it. Lines starting with "ZEIT " are kept in `zeiten`.
    QStringList bisAlle(const QString& kennung);
    void sagen(const QByteArray& wort);
    // Waits for every till to end; true when all ended with exit code 0.
    bool bisEnde();

    QStringList fehler;  // FEHLER lines and crashes
    std::vector<double> zeiten;

  private:
    struct Prozess {
        std::unique_ptr<QProcess> p;
        QStringList zeilen;
    };
    void lesen(Prozess& prozess);
    std::vector<Prozess> m_prozesse;
};
