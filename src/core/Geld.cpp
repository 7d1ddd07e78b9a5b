#include "core/Geld.h"

#include <QRegularExpression>
#include <cmath>

namespace {

// "1.234,56" (grouped) or "1234,56" as the German locale writes them, made by
// hand: a receipt formats every line's amounts, and QLocale's currency
// formatting is slow.
QString betragText(std::int64_t cent, bool gruppiert) {
    const std::int64_t betrag = cent < 0 ? -cent : cent;
    QString euro = QString::number(betrag / 100);
    if (gruppiert)
        for (qsizetype stelle = euro.size() - 3; stelle > 0; stelle -= 3)
            euro.insert(stelle, QLatin1Char('.'));
    return QStringLiteral("%1%2,%3")
        .arg(cent < 0 ? QStringLiteral("-") : QString(), euro)
        .arg(betrag % 100, 2, 10, QLatin1Char('0'));
}

}  // namespace

Geld Geld::gerundet(double cent) { return Geld(static_cast<std::int64_t>(std::llround(cent))); }

std::optional<Geld> Geld::lesen(const QString& eingabe) {
    static const QRegularExpression form(
        QStringLiteral("^(-)?(\\d{1,3}(?:\\.\\d{3})+|\\d+)(?:[,.](\\d{1,2}))?$"));
    QString text = eingabe.trimmed();
    if (text.endsWith(QStringLiteral("€"))) text = text.chopped(1).trimmed();
    const auto treffer = form.match(text);
    if (!treffer.hasMatch()) return std::nullopt;
    QString ganz = treffer.captured(2);
    ganz.remove(QLatin1Char('.'));
    if (ganz.size() > 13) return std::nullopt;
    QString nachkomma = treffer.captured(3);
    while (nachkomma.size() < 2) nachkomma += QLatin1Char('0');
    const std::int64_t cent = ganz.toLongLong() * 100 + nachkomma.toLongLong();
    return Geld(treffer.captured(1).isEmpty() ? cent : -cent);
}

QString Geld::text(const QString& muster) const {
    if (muster == QStringLiteral("Currency"))
        return betragText(m_cent, true) + QStringLiteral(" €");
    const int komma = muster.indexOf(QLatin1Char(','));
    const int punkt = muster.indexOf(QLatin1Char('.'));
    if (komma >= 0 && (punkt < 0 || komma < punkt)) return betragText(m_cent, true);
    return betragText(m_cent, false);
}

QString Geld::text(double cent, const QString& muster) { return gerundet(cent).text(muster); }
