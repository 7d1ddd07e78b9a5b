#pragma once

#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class Datenbank;

struct Journalbefund {
    std::int64_t eintraege = 0;
    std::optional<std::int64_t> veraendertAb;  // the first entry that is not as written
};

// Reads the whole journal in order and recomputes its chain: an entry whose
// number is not the one after its predecessor's (an entry removed) or whose
// chain value does not match its fields is where the journal was changed.
// `abbrechen`, asked now and then, stops a check that is no longer wanted
// (nullopt then).
std::optional<Journalbefund> JournalPruefen(
    Datenbank& db, const std::function<bool()>& abbrechen = [] { return false; });

// "Journal in Ordnung: N Einträge" or "Journal verändert ab Eintrag N".
QString Befundtext(const Journalbefund& befund);
