#include "admin/Druckerwahl.h"

#include "core/Kontext.h"

QStringList StationenAbfragen(Kontext& k) {
    QStringList wahl{kKeinDrucker};
    auto a = k.db.abfrage(QStringLiteral("SELECT Station FROM Stationen WHERE Drucker = 1 ORDER BY ID"));
    while (a.naechste()) wahl << a.text(0);
    return wahl;
}
