#include "reports/Tabelle.h"

#include "core/Datenbank.h"

Tabelle TabelleAus(Abfrage& abfrage) {
    Tabelle t;
    for (int i = 0; i < abfrage.spaltenzahl(); ++i) t.spalten << abfrage.spaltenname(i);
    while (abfrage.naechste()) {
        QVariantList zeile;
        for (int i = 0; i < t.spalten.size(); ++i) zeile << abfrage.wert(i);
        t.zeilen.push_back(zeile);
    }
    return t;
}
