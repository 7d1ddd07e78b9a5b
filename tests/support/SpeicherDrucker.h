#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "ui/Druckziel.h"
#include "ui/bericht/Dokument.h"

// Print target of the tests: keeps a copy of every document it was given, so a
// test reads the exact texts and sums that would print.
class SpeicherDrucker : public Druckziel {
public:
    void drucken(const Dokument& dokument) override {
        if (beimDrucken) beimDrucken();
        if (fehler) throw *fehler;
        auftraege.push_back(dokument);
    }

    std::vector<Dokument> auftraege;
    // When set, every job fails with it, as a printer out of paper would.
    std::optional<DbFehler> fehler;
    // Runs at every job, to look at the state the job is printed in.
    std::function<void()> beimDrucken;
};
