#include "fiskal/Kassenstammdaten.h"

#include "core/Einstellungen.h"
#include "fiskal/Journal.h"

QString Kassenseriennummer(Datenbank& db) {
    return EinstellungLesen(db, kEinstellungKassenseriennummer).value_or(Kassenname());
}
