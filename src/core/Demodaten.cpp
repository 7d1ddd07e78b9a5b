#include "core/Demodaten.h"

#include "core/Datenbank.h"

void DemodatenAnlegen(Datenbank& db) {
    Transaktion t(db);
    t.bestaetigen();
}
