#pragma once

#include "core/Datenbank.h"
#include "core/Dialoge.h"
#include "core/Geschaeftstag.h"
#include "core/Laufzeitwerte.h"
#include "core/Uhr.h"

class Druckerausgang;
class Druckziel;
class Tse;

// What a routine reaches: the database, the clock, the dialogs, the printer and
// the run-time values. The program makes one at start-up; each test makes its own.
class Kontext {
  public:
    Kontext(Datenbank& db, Uhr& uhr, Dialoge& dialoge, Druckziel& drucker)
        : db(db), uhr(uhr), dialoge(dialoge), drucker(drucker) {}

    Datenbank& db;
    Uhr& uhr;
    Dialoge& dialoge;
    Druckziel& drucker;
    Laufzeitwerte werte;
    // The machine's printers, so reports are laid out for their paper; none
    // in tests that print to memory: A4 then.
    const Druckerausgang* druckerausgang = nullptr;
    Anmeldeversuche anmeldeversuche;
    // The till's security device; without one (tools, most tests) events are
    // journalled without TSE data.
    Tse* tse = nullptr;

    QDateTime jetzt() const { return uhr.jetzt(); }
    QDate geschaeftstag() const { return Geschaeftstag(uhr.jetzt()); }
};
