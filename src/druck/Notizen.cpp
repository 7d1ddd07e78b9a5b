#include "druck/Notizen.h"

#include "core/Kontext.h"

bool NotizSetzen(Kontext& k, std::int64_t zeilenId, const QString& notiz) {
    const QString text = notiz.simplified();
    if (text.size() > kNotizLaenge) {
        k.dialoge.meldung(kNotizZuLang);
        return false;
    }
    Transaktion t(k.db);
    if (k.db.ausfuehren(QStringLiteral("UPDATE OffeneTische SET Notiz = ? WHERE ID = ? AND "
                                       "Station = ? AND Tisch = ? AND Kellner = ? AND "
                                       "TischDetails = 'Neu'"),
                        text.isEmpty() ? QVariant() : QVariant(text), zeilenId, k.werte.station,
                        k.werte.tisch, k.werte.kellner) == 0) {
        k.dialoge.meldung(kNotizNurNeu);
        return false;
    }
    t.bestaetigen();
    return true;
}
