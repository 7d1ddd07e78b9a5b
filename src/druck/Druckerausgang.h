#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Druckziel;

// The printers of the machine, as the print queue and the printer panel see
// them. The real one asks CUPS; tests give printers that fail or stall. Called
// from the print worker and from the screens at once, so it keeps no state.
class Druckerausgang {
  public:
    virtual ~Druckerausgang() = default;
    // The queues CUPS knows now.
    virtual QStringList warteschlangen() const = 0;
    // Where a role prints when none was chosen: the receipt printer when CUPS
    // knows it, else the system's default printer, else "PDF-Ordner".
    virtual QString standard() const = 0;
    // The target of a choice: a queue name or "PDF-Ordner". A queue CUPS does
    // not know fails when printed to, with DbFehler naming it.
    virtual std::unique_ptr<Druckziel> ziel(const QString& drucker) const = 0;
};
