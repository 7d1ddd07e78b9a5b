#pragma once

#include <QString>
#include <optional>

#include "admin/Druckerwahl.h"

class Kontext;

// The fields of the group form.
struct Warengruppenformular {
    QString idwg;  // main group: "Getränke" or "Speise"
    QString wg;
    QString stationsdrucker = kKeinDrucker;
    QString bondrucker = kThekendrucker;
};

std::optional<Warengruppenformular> WarengruppeBearbeitenZeigen(Kontext& k, const QString& wg);

// A new group; a name that exists in either main group is refused. True when stored.
bool WarengruppeNeuSpeichern(Kontext& k, const Warengruppenformular& f);

// Stores the group opened as `alterName` under the form's name and printers,
// moves its articles along and, when the user agrees, gives them the group's
// printers. True when stored.
bool WarengruppeBearbeitenSpeichern(Kontext& k, const Warengruppenformular& f,
                                    const QString& alterName);

// Deletes the group and its articles after asking. True when deleted.
bool AllesLoeschen(Kontext& k, const QString& wg);
