#include "service/Eingabe.h"

#include <QRegularExpression>
#include <limits>

Eingabeteile EingabeAufteilen(const QString& eingabe) {
    const int x = eingabe.indexOf(QLatin1Char('x'));
    if (x < 0) return {QStringLiteral("1"), eingabe};
    return {eingabe.left(x), eingabe.mid(x + 1)};
}

std::optional<int> MengeLesen(const QString& text) {
    static const QRegularExpression ziffern(QStringLiteral("^[0-9]{1,9}$"));
    if (!ziffern.match(text).hasMatch()) return std::nullopt;
    const int menge = text.toInt();
    if (menge < 1 || menge > 9999) return std::nullopt;
    return menge;
}

std::optional<Geld> FreierPreisLesen(const QString& text) {
    static const QRegularExpression ziffern(QStringLiteral("^[0-9]{2,}$"));
    if (!ziffern.match(text).hasMatch()) return std::nullopt;
    bool passt = false;
    const qlonglong cent = text.toLongLong(&passt);
    // Too many digits for any number are still a price, just far too high.
    return Geld(passt ? cent : std::numeric_limits<qlonglong>::max());
}
