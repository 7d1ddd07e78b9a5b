#pragma once

#include <QString>

class Kontext;

inline const QString kPinFalsch =
    QStringLiteral("Ihr Kellnerschlüssel(Pin1) ist Falsch - Bitte geben Sie ihn erneut ein");
inline const QString kZugangGesperrt =
    QStringLiteral("Ihr Zugang ist gesperrt - Bitte informieren Sie Ihren Administrator");
inline const QString kPin2Falsch = QStringLiteral(
    "Ihr Pin-Code ist falsch. Geben Sie bitte den korrekten PIN-Code ein und bestätigen Sie mit "
    "OK.");

enum class Anmeldeergebnis { Angemeldet, PinFalsch, Gesperrt };

// Login with the PIN as typed (compared as text, no trimming). The PIN matches a
// row's Pin1 or, as master key, a non-empty AdminKey; the first such row decides.
// An active row becomes the current waiter. A wrong or locked login shows its
// message and leaves the current waiter as it was.
Anmeldeergebnis KellnerPinAbfrage(Kontext& k, const QString& pin);

// The current waiter's second PIN; the master key is not accepted here. A wrong
// one shows its message.
bool Pin2Abfrage(Kontext& k, const QString& pin2);
