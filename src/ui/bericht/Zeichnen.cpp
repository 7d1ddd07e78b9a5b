#include "ui/bericht/Zeichnen.h"

#include <QImageReader>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "ui/Druckziel.h"
#include "ui/bericht/Dokument.h"
#include "ui/bericht/QrCode.h"
#include "ui/bericht/Schriftart.h"

namespace {

// Pictures are rasterised at most this fine: sharp on paper, small in a PDF.
constexpr double kBildDpi = 300;

Qt::Alignment waagrecht(Ausrichtung a) {
    switch (a) {
        case Ausrichtung::Mitte:
            return Qt::AlignHCenter;
        case Ausrichtung::Rechts:
            return Qt::AlignRight;
        default:
            return Qt::AlignLeft;
    }
}

void bildZeichnen(QPainter& maler, const QRectF& ziel, const QString& datei) {
    QImageReader leser(datei);
    const QSize quelle = leser.size();
    if (!quelle.isValid()) return;  // a missing logo must not hold back a ticket
    const double geraeteDpi = maler.device()->logicalDpiX();
    const double faktor = std::min(kBildDpi, geraeteDpi) / geraeteDpi;
    const QSize soll = (ziel.size() * faktor).toSize().expandedTo(QSize(1, 1));
    const QSize groesse = quelle.scaled(soll, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    leser.setScaledSize(groesse);
    const QImage bild = leser.read();
    if (bild.isNull()) return;
    QRectF lage(QPointF(), QSizeF(bild.size()).scaled(ziel.size(), Qt::KeepAspectRatio));
    lage.moveCenter(ziel.center());
    maler.drawImage(lage, bild);
}

}  // namespace

void SeiteZeichnen(const Dokument& dokument, int seite, QPainter& maler) {
    const double fx = maler.device()->logicalDpiX() / 25.4;
    const double fy = maler.device()->logicalDpiY() / 25.4;
    const auto aufGeraet = [fx, fy](const QRectF& mm) {
        return QRectF(mm.x() * fx, mm.y() * fy, mm.width() * fx, mm.height() * fy);
    };
    maler.save();
    maler.setPen(QPen(Qt::black, 0.3 * fx));
    maler.setBrush(Qt::NoBrush);
    for (const Druckelement& e : dokument.seiten.at(static_cast<std::size_t>(seite)).elemente) {
        const QRectF r = aufGeraet(e.lage);
        switch (e.art) {
            case Berichtselement::Art::Linie:
                maler.drawLine(r.topLeft(), r.bottomRight());
                break;
            case Berichtselement::Art::Rahmen:
                maler.drawRect(r);
                break;
            case Berichtselement::Art::Bild:
                bildZeichnen(maler, r, e.text);
                break;
            case Berichtselement::Art::QrCode:
                QrCodeZeichnen(maler, r, e.text);
                break;
            default:
                maler.setFont(Schriftart(e.schrift));
                maler.drawText(r,
                               waagrecht(e.ausrichtung) | Qt::AlignVCenter |
                                   (e.umbrechen ? Qt::TextWordWrap : Qt::TextSingleLine),
                               e.text);
        }
    }
    maler.restore();
}

namespace {

// The roll's 80 mm paper carries 72 mm of print; A4 keeps 10 mm around.
double rand(const Dokument& d) { return d.breite < kA4Breite ? 4 : 10; }

}  // namespace

void DokumentAusgeben(const Dokument& dokument, QPagedPaintDevice& geraet) {
    const double r = rand(dokument);
    const QPageSize seite(QSizeF(dokument.breite + 2 * r, dokument.hoehe + 2 * r),
                          QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch);
    const QPageLayout layout(seite, QPageLayout::Portrait, QMarginsF(r, r, r, r),
                             QPageLayout::Millimeter, QMarginsF());
    if (!geraet.setPageLayout(layout)) geraet.setPageSize(seite);

    QPainter maler;
    if (!maler.begin(&geraet))
        throw DbFehler(kDruckfehler,
                       QStringLiteral("Der Druck von \"%1\" konnte nicht begonnen werden.")
                           .arg(dokument.titel));
    for (int i = 0; i < static_cast<int>(dokument.seiten.size()); ++i) {
        if (i > 0 && !geraet.newPage())
            throw DbFehler(
                kDruckfehler,
                QStringLiteral("Beim Druck von \"%1\" ließ sich keine neue Seite beginnen.")
                    .arg(dokument.titel));
        SeiteZeichnen(dokument, i, maler);
    }
    if (!maler.end())
        throw DbFehler(
            kDruckfehler,
            QStringLiteral("Der Druck von \"%1\" ist fehlgeschlagen.").arg(dokument.titel));
}
