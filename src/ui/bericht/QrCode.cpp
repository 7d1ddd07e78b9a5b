#include "ui/bericht/QrCode.h"

#include <qrencode.h>

#include <QPainter>
#include <algorithm>
#include <memory>

namespace {

constexpr int kRuhezone = 4;  // modules of white around the code

struct Freigabe {
    void operator()(QRcode* c) const { QRcode_free(c); }
};

}  // namespace

void QrCodeZeichnen(QPainter& maler, const QRectF& ziel, const QString& inhalt) {
    if (inhalt.isEmpty()) return;
    const QByteArray daten = inhalt.toUtf8();
    std::unique_ptr<QRcode, Freigabe> code(
        QRcode_encodeString8bit(daten.constData(), 0, QR_ECLEVEL_M));
    if (!code) return;
    const int n = code->width;
    const double modul = std::min(ziel.width(), ziel.height()) / (n + 2 * kRuhezone);
    const QPointF ecke = ziel.center() - QPointF(n * modul / 2, n * modul / 2);
    maler.save();
    maler.setPen(Qt::NoPen);
    maler.setBrush(Qt::black);
    for (int y = 0; y < n; ++y) {
        // A run of dark modules is one rectangle: no seams between them.
        for (int x = 0; x < n;) {
            if (!(code->data[y * n + x] & 1)) {
                ++x;
                continue;
            }
            int ende = x;
            while (ende < n && (code->data[y * n + ende] & 1)) ++ende;
            maler.drawRect(
                QRectF(ecke.x() + x * modul, ecke.y() + y * modul, (ende - x) * modul, modul));
            x = ende;
        }
    }
    maler.restore();
}
