#include "ui/bericht/Schriftart.h"

#include <QFontMetricsF>
#include <QImage>

namespace {

// Text is measured at printer resolution, where hinting hardly rounds.
constexpr double kMessDpi = 1200;

const QImage& messflaeche() {
    static const QImage bild = [] {
        QImage b(1, 1, QImage::Format_Mono);
        const int proMeter = static_cast<int>(kMessDpi / 0.0254 + 0.5);
        b.setDotsPerMeterX(proMeter);
        b.setDotsPerMeterY(proMeter);
        return b;
    }();
    return bild;
}

}  // namespace

QFont Schriftart(const Schrift& schrift) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSizeF(schrift.punkt);
    f.setBold(schrift.fett);
    // Unhinted glyphs keep the same width at every resolution, so a text measured
    // once wraps alike on paper, in a PDF and in the preview.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

double Umbruchhoehe(const QString& text, const Schrift& schrift, double breite) {
    const double proMm = kMessDpi / 25.4;
    const QFontMetricsF masse(Schriftart(schrift), &messflaeche());
    const QRectF rahmen(0, 0, breite * proMm, 1e7);
    return masse.boundingRect(rahmen, Qt::TextWordWrap, text).height() / proMm;
}
