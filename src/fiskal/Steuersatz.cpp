#include "fiskal/Steuersatz.h"

#include <QRegularExpression>

std::optional<int> SteuersatzLesen(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{1,3})(?:[,.](\\d{1,2}))?\\s*%?$"));
    const auto treffer = form.match(text.trimmed());
    if (!treffer.hasMatch()) return std::nullopt;
    QString nachkomma = treffer.captured(2);
    while (nachkomma.size() < 2) nachkomma += QLatin1Char('0');
    const int satz = treffer.captured(1).toInt() * 100 + nachkomma.toInt();
    if (!SteuersatzImBereich(satz)) return std::nullopt;
    return satz;
}

QString SteuersatzText(int satz) {
    QString zahl = QString::number(satz / 100);
    if (const int rest = satz % 100; rest != 0) {
        zahl += QLatin1Char(',') + QStringLiteral("%1").arg(rest, 2, 10, QLatin1Char('0'));
        if (zahl.endsWith(QLatin1Char('0'))) zahl.chop(1);
    }
    return zahl + QStringLiteral(" %");
}

double Nettoanteil(Geld brutto, int satz) {
    return static_cast<double>(brutto.cent()) * 10000.0 / (10000.0 + satz);
}
