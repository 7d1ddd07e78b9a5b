#include "core/Rechte.h"

#include "core/Kontext.h"
#include "core/Rechteschluessel.h"

bool RechteAbfrage(Kontext& k, const QString& mitarbeiter, const QString& schluessel) {
    try {
        Abfrage a = k.db.abfrage(QStringLiteral("SELECT %1 FROM Kellner WHERE Mitarbeiter = ? "
                                                "ORDER BY ID LIMIT 1")
                                     .arg(Datenbank::bezeichner(schluessel)),
                                 mitarbeiter);
        return a.naechste() && a.wahr(0);
    } catch (const DbFehler& f) {
        k.dialoge.fehler(f);
        return false;
    }
}

bool KasseGesperrt(Kontext& k) { return RechteAbfrage(k, k.werte.kellner, Rechte::kKassensperre); }

bool RechtPruefen(Kontext& k, const QString& schluessel) {
    if (RechteAbfrage(k, k.werte.kellner, schluessel)) return true;
    k.dialoge.meldung(kKeineRechte);
    return false;
}

bool KassenrechtPruefen(Kontext& k, const QString& schluessel) {
    if (!KasseGesperrt(k)) return RechtPruefen(k, schluessel);
    k.dialoge.meldung(kKeineRechte);
    return false;
}

bool TischBelegtAbfrage(Datenbank& db, const QString& tisch) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT 1 FROM OffeneTische WHERE Tisch = ? LIMIT 1"), tisch);
    return a.naechste();
}

bool KellnerTischAbfrage(Datenbank& db, const QString& tisch, const QString& mitarbeiter) {
    Abfrage a = db.abfrage(
        QStringLiteral("SELECT 1 FROM OffeneTische WHERE Tisch = ? AND Kellner = ? LIMIT 1"), tisch,
        mitarbeiter);
    return a.naechste();
}

bool AdminKeyAbfrage(Datenbank& db, const QString& mitarbeiter) {
    Abfrage a = db.abfrage(
        QStringLiteral("SELECT 1 FROM Kellner WHERE Mitarbeiter = ? AND AdminKey = ? LIMIT 1"),
        mitarbeiter, Rechte::kMasterKey);
    return a.naechste();
}
