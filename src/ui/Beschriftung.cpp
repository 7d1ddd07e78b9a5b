#include "ui/Beschriftung.h"

#include <QFontMetricsF>
#include <QRegularExpression>

namespace {

QString sichtbar(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    return text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The pieces a line may break after: each word with the space or hyphen that ends it.
QStringList stuecke(const QString& text) {
    static const QRegularExpression muster(QStringLiteral("[^ -]*(?:-| +|$)"));
    QStringList teile;
    for (auto treffer = muster.globalMatch(text); treffer.hasNext();) {
        const QString teil = treffer.next().captured();
        if (!teil.isEmpty()) teile << teil;
    }
    return teile;
}

// Greedy breaking at the given width (in the font's own units).
QStringList umbrechen(const QStringList& teile, const QFontMetricsF& masse, qreal breite) {
    QStringList zeilen;
    QString zeile;
    for (const QString& teil : teile) {
        const QString laenger = zeile + teil;
        if (!zeile.isEmpty() && masse.horizontalAdvance(sichtbar(laenger.trimmed())) > breite) {
            zeilen << zeile.trimmed();
            zeile = teil;
        } else {
            zeile = laenger;
        }
    }
    if (!zeile.trimmed().isEmpty() || zeilen.isEmpty()) zeilen << zeile.trimmed();
    return zeilen;
}

// A word too long for the width, cut into pieces that each fit with a hyphen:
// a last resort before the ellipsis, for long compound words on narrow keys.
QStringList trennen(const QStringList& teile, const QFontMetricsF& masse, qreal breite) {
    QStringList getrennt;
    for (const QString& teil : teile) {
        QString rest = teil;
        while (masse.horizontalAdvance(sichtbar(rest.trimmed())) > breite) {
            int laenge = 1;
            while (laenge + 1 < rest.size() &&
                   masse.horizontalAdvance(sichtbar(rest.left(laenge + 1)) + QLatin1Char('-')) <=
                       breite)
                ++laenge;
            if (laenge + 1 >= rest.size()) break;
            getrennt << rest.left(laenge) + QLatin1Char('-');
            rest = rest.mid(laenge);
        }
        getrennt << rest;
    }
    return getrennt;
}

bool passt(const QStringList& zeilen, const QFontMetricsF& masse, QSizeF flaeche) {
    if (zeilen.size() * masse.lineSpacing() > flaeche.height()) return false;
    for (const QString& zeile : zeilen)
        if (masse.horizontalAdvance(sichtbar(zeile)) > flaeche.width()) return false;
    return true;
}

}  // namespace

QString OhneKuerzel(const QString& text) { return sichtbar(text); }

Beschriftung BeschriftungEinpassen(const QString& text, const QFont& schrift, QSize flaeche) {
    const QFontMetricsF masse(schrift);
    const QStringList teile = stuecke(text);
    const qreal kleinster = std::min(1.0, kKleinsteSchrift / masse.height());
    // Whole words at any readable size first; only then words broken.
    for (const bool getrennt : {false, true}) {
        for (qreal massstab = 1.0; massstab >= kleinster; massstab -= 0.05) {
            const QSizeF platz(flaeche.width() / massstab, flaeche.height() / massstab);
            const QStringList zeilen = umbrechen(
                getrennt ? trennen(teile, masse, platz.width()) : teile, masse, platz.width());
            if (passt(zeilen, masse, platz)) return {zeilen, massstab, false};
        }
    }
    // Too small even then: as many lines as there is room for, each cut to the width.
    const QSizeF platz(flaeche.width() / kleinster, flaeche.height() / kleinster);
    QStringList zeilen = umbrechen(teile, masse, platz.width());
    const int platzFuer = std::max(1, static_cast<int>(platz.height() / masse.lineSpacing()));
    if (zeilen.size() > platzFuer) {
        zeilen = zeilen.mid(0, platzFuer);
        zeilen.last() += QStringLiteral(" …");
    }
    for (QString& zeile : zeilen)
        zeile = masse.elidedText(sichtbar(zeile), Qt::ElideRight, platz.width())
                    .replace(QLatin1Char('&'), QStringLiteral("&&"));
    return {zeilen, kleinster, true};
}
