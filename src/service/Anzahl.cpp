#include "service/Anzahl.h"

#include <QRegularExpression>

#include "core/Grenzen.h"
#include "core/Kontext.h"
#include "service/Eingabe.h"

std::optional<int> AnzahlFragen(Kontext& k, const QString& aufforderung) {
    QString antwort = k.dialoge.zahlenblock(aufforderung);
    if (antwort.isEmpty()) antwort = k.dialoge.zahlenblock(aufforderung);
    if (antwort == kAbbrechen) return std::nullopt;
    const QString text = antwort.trimmed();
    bool zahl = false;
    const qlonglong n = text.toLongLong(&zahl);
    // Letters are a slip and change nothing; a number beyond any line's
    // quantity is refused with the reason.
    static const QRegularExpression ziffern(QStringLiteral("^[0-9]+$"));
    if (ziffern.match(text).hasMatch() && (!zahl || n > kHoechstmenge)) {
        k.dialoge.meldung(kMengeUngueltig);
        return std::nullopt;
    }
    if (!zahl) return std::nullopt;
    return static_cast<int>(n);
}
