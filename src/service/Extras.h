#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

class Kontext;

// Adds one extra line per article number under the selected line (its ID) and
// marks that line as having extras. The extra lines join the line's group and
// carry its quantity, each at its own article's VAT rate. False when the line
// no longer exists or an extra has no valid rate (kSteuersatzFehlt, nothing stored).
bool ExtraEintragen(Kontext& k, std::int64_t zeilenId, const QStringList& extraPlus);

// Is the extra already on the group (RegID) of the selected line? When it is,
// shows the refusal naming the extra and answers true.
bool ExtraBereitsGewaehlt(Kontext& k, std::int64_t regId, const QString& extraPlu,
                          const QString& extraGericht);

inline QString ExtraGewaehltMeldung(const QString& extraGericht) {
    return QLatin1Char('\'') + extraGericht +
           QStringLiteral("' ist für dieses Gericht bereits gewählt");
}
