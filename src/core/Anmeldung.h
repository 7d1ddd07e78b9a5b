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

// Shown instead of any check while the login waits after too many wrong PINs.
QString AnmeldungWartenText(qint64 sekunden);

enum class Anmeldeergebnis { Angemeldet, PinFalsch, Gesperrt, Warten };

// Wrong PINs in a row before the login waits, and the first wait; each further
// wrong PIN doubles it.
inline constexpr int kFreieFehlversuche = 5;
inline constexpr qint64 kErsteWartezeit = 30;

// Login with the PIN as typed (compared as text, no trimming). The PIN matches a
// row's Pin1 or, as master key, a non-empty AdminKey; the first such row decides.
// An active row becomes the current waiter. A wrong or locked login shows its
// message and leaves the current waiter as it was. After kFreieFehlversuche
// wrong PINs in a row every PIN, the right one too, is refused until the wait
// is over, so PINs cannot be tried out at the speed of the keypad.
Anmeldeergebnis KellnerPinAbfrage(Kontext& k, const QString& pin);

// The current waiter's second PIN; the master key is not accepted here. A wrong
// one shows its message.
bool Pin2Abfrage(Kontext& k, const QString& pin2);
