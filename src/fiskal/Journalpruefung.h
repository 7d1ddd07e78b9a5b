#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>

class Datenbank;

struct Journalbefund {
    std::int64_t eintraege = 0;
    std::optional<std::int64_t> veraendertAb;  // the first entry that is not as written
};

// Something asked now and then during a long check: true stops it (the
// check then answers nothing).
using Abbruchfrage = std::function<bool()>;

// Reads the whole journal in order and checks its chain: an entry whose
// number is not the one after its predecessor's (an entry removed) or whose
// chain value is not the one computed from its predecessor's and its own
// fields is where the journal was changed. Since each entry is checked
// against its predecessor's stored value, the first such entry is the same as
// if the whole chain were computed again from the start.
std::optional<Journalbefund> JournalPruefen(
    Datenbank& db, const Abbruchfrage& abbrechen = [] { return false; });

// The entries from `von` on, each against its predecessor's stored value: a
// check that goes on where an earlier one ended. Answers the first entry found
// changed or missing, or nothing.
std::optional<std::int64_t> JournalAbPruefen(Datenbank& db, std::int64_t von);

// The same for a database file, on connections of its own: the two halves
// of the journal are read at the same time, as decrypting the pages is what
// takes long.
std::optional<Journalbefund> JournalPruefen(
    const QString& pfad, const QByteArray& schluessel,
    const Abbruchfrage& abbrechen = [] { return false; });

// "Journal in Ordnung: N Einträge" or "Journal verändert ab Eintrag N".
QString Befundtext(const Journalbefund& befund);
