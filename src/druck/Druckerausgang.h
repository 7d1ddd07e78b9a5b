#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Druckziel;

// The states of a CUPS queue that keep jobs from coming out.
inline QString CupsUnbekannt(const QString& drucker) {
    return QStringLiteral("Drucker '%1' ist CUPS nicht bekannt").arg(drucker);
}
inline QString CupsAngehalten(const QString& drucker) {
    return QStringLiteral("Drucker '%1' ist in CUPS angehalten").arg(drucker);
}
inline QString CupsNimmtNichts(const QString& drucker) {
    return QStringLiteral("Drucker '%1' nimmt keine Aufträge an").arg(drucker);
}

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
    // What keeps a printer from printing now, in the words the job list and
    // the panel show ("Drucker 'X' ist CUPS nicht bekannt"); empty when it is
    // ready, and for "PDF-Ordner" and "kein Drucker".
    virtual QString zustand(const QString& drucker) const = 0;
    // Whether a queue prints on a paper roll (a receipt printer) rather than
    // on sheets: a CUPS queue whose paper is not A4 or Letter.
    virtual bool aufRolle(const QString& drucker) const = 0;
};
