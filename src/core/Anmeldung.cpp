#include "core/Anmeldung.h"

#include <algorithm>

#include "core/Kontext.h"

namespace {

// Counts a wrong PIN; from the limit on, the login waits, twice as long each
// time (at most about an hour, so the wait never overflows).
void fehlversuch(Kontext& k) {
    const int ueber = ++k.anmeldeversuche.falschePins - kFreieFehlversuche;
    if (ueber < 0) {
        k.dialoge.meldung(kPinFalsch);
        return;
    }
    const qint64 sekunden = kErsteWartezeit << std::min(ueber, 7);
    k.anmeldeversuche.naechsteAb = k.jetzt().addSecs(sekunden);
    k.dialoge.meldung(AnmeldungWartenText(sekunden));
}

}  // namespace

QString AnmeldungWartenText(qint64 sekunden) {
    return QStringLiteral(
               "Zu viele falsche Kellnerschlüssel - Die Anmeldung ist für %1 Sekunden gesperrt. "
               "Bitte warten Sie und versuchen Sie es dann erneut.")
        .arg(sekunden);
}

Anmeldeergebnis KellnerPinAbfrage(Kontext& k, const QString& pin) {
    const QDateTime jetzt = k.jetzt();
    if (k.anmeldeversuche.naechsteAb.isValid() && jetzt < k.anmeldeversuche.naechsteAb) {
        k.dialoge.meldung(AnmeldungWartenText(jetzt.secsTo(k.anmeldeversuche.naechsteAb)));
        return Anmeldeergebnis::Warten;
    }
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT Mitarbeiter, Status FROM Kellner "
                       "WHERE Pin1 = ?1 OR (AdminKey = ?1 AND AdminKey <> '') ORDER BY ID LIMIT 1"),
        pin);
    if (!a.naechste()) {
        fehlversuch(k);
        return Anmeldeergebnis::PinFalsch;
    }
    k.anmeldeversuche.falschePins = 0;
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
