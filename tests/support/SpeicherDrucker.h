#pragma once

#include <vector>

#include "ui/Druckziel.h"

// Print target of the tests: counts the jobs it was given.
class SpeicherDrucker : public Druckziel {
public:
    void drucken(const Dokument& dokument) override { auftraege.push_back(&dokument); }

    std::vector<const Dokument*> auftraege;
};
