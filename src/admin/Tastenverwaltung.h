#pragma once

#include <QString>
#include <cstdint>
#include <optional>

#include "service/Schnellwahltasten.h"

class Kontext;

// A main key with its place in the column.
struct Haupttastenplatz {
    QString wg;
    int tastenreihe = 0;
};

std::optional<Haupttastenplatz> HaupttasteLesen(Kontext& k, std::int64_t id);

// "Wahltaste Löschen": empties the key's text and article number; its colour
// goes too when the user says so.
void ArtikelTasteLoeschen(Kontext& k, std::int64_t reihe, int spalte);

// Stores the key's colour (0xRRGGBB).
void HintergrundfarbeEintragen(Kontext& k, std::int64_t reihe, int spalte, unsigned farbe);

// The key editor's "Speichern": text, article number and colour of the key.
void Datenbankaktualisieren(Kontext& k, std::int64_t reihe, int spalte, const Artikeltaste& taste);

// The name of the article with that number; none when it is not listed.
std::optional<QString> PLUDatenbankAbfrage(Kontext& k, const QString& plu);

// The key editor's arrow key: the looked-up article as the key's number and
// text. A missing or unknown number shows its message and answers none.
std::optional<Artikeltaste> ArtikelFuerTaste(Kontext& k, const QString& plu);

// "Neue Haupttaste": a main key at the bottom of the column with six rows of
// empty article keys. Answers its text.
QString HauptastenNeu(Kontext& k);

// "Haupttaste entfernen" after asking: the key and its article rows. The keys
// below move up so the rows stay 1 to n. True when removed.
bool Hauptastenentfernen(Kontext& k, const QString& wg);

// The main-key editor's "Speichern": new text and row (as typed) of the key
// `id`; the keys in between make room, its article rows follow the new text.
// A refusal shows its message. True when stored.
bool HauptasteSpeichern(Kontext& k, std::int64_t id, const QString& text, const QString& reihe);
