#pragma once

#include <vector>

#include "core/Kontext.h"
#include "service/Abkassieren.h"
#include "service/Rechnungsspeicher.h"
#include "support/Posten.h"

// A dish with its name as its article number, for a dinner settled in one go.
inline Posten Gericht(const char* gericht, int menge, std::int64_t cent, int mwst) {
    Posten p;
    p.gericht = QString::fromUtf8(gericht);
    p.plu = p.gericht;
    p.menge = menge;
    p.cent = cent;
    p.mwst = mwst;
    return p;
}

// Settles a dinner of the given lines from the pay list of their table, with a receipt.
inline bool Abendessen(Kontext& k, const QString& zahlungsart, const std::vector<Posten>& zeilen) {
    for (const Posten& p : zeilen) PostenAnlegen(k.db, p.aufZahlliste());
    return ::Abkassieren(k, kKassenbon, zahlungsart, {});
}
