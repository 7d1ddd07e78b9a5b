#include "core/Anmeldung.h"

#include "core/Kontext.h"

Anmeldeergebnis KellnerPinAbfrage(Kontext& k, const QString& pin) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT Mitarbeiter, Status FROM Kellner "
                       "WHERE Pin1 = ?1 OR (AdminKey = ?1 AND AdminKey <> '') ORDER BY ID LIMIT 1"),
        pin);
    if (!a.naechste()) {
        k.dialoge.meldung(kPinFalsch);
        return Anmeldeergebnis::PinFalsch;
    }
    if (a.text(QStringLiteral("Status")) != QStringLiteral("aktiviert")) {
        k.dialoge.meldung(kZugangGesperrt);
        return Anmeldeergebnis::Gesperrt;
    }
    k.werte.kellner = a.text(QStringLiteral("Mitarbeiter"));
    return Anmeldeergebnis::Angemeldet;
}

bool Pin2Abfrage(Kontext& k, const QString& pin2) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT 1 FROM Kellner WHERE Mitarbeiter = ? AND Pin2 = ? LIMIT 1"),
        k.werte.kellner, pin2);
    if (a.naechste()) return true;
    k.dialoge.meldung(kPin2Falsch);
    return false;
}
