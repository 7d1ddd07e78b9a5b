#pragma once

#include <QTemporaryDir>
#include <memory>

#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "support/FesteUhr.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

// A fresh database file opened as the program opens it, so it holds the demo
// installation, with a fixed clock, scripted dialogs and a capturing printer.
// The demo waiter is "Tom Berger" (PINs 2222 / 2345), the manager "Maria Huber"
// (1111 / 1234).
struct DemoKontext {
    DemoKontext()
        : db(DatenbankOeffnen(ordner.filePath("tavro.db"), ordner.filePath("schluessel"))),
          k(*db, uhr, dialoge, drucker) {}

    QTemporaryDir ordner;
    std::unique_ptr<Datenbank> db;
    FesteUhr uhr;
    SkriptDialoge dialoge;
    SpeicherDrucker drucker;
    Kontext k;
};
