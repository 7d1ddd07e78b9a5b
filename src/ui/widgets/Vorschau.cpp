#include "ui/widgets/Vorschau.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/Druckziel.h"
#include "ui/bericht/Dokument.h"
#include "ui/bericht/Zeichnen.h"
#include "ui/widgets/Fensterraum.h"

namespace {

QPushButton* knopf(const QString& text, const QString& name, QWidget* eltern) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(name);
    k->setMinimumSize(180, 64);
    QFont f = k->font();
    f.setPointSize(16);
    k->setFont(f);
    return k;
}

}  // namespace

void VorschauZeigen(const Dokument& dokument, Druckziel& drucker, QWidget* eltern) {
    QDialog fenster(eltern);
    fenster.setObjectName(QStringLiteral("frmVorschau"));
    fenster.setWindowTitle(dokument.titel);

    QPrinter seiten(QPrinter::HighResolution);
    auto* vorschau = new QPrintPreviewWidget(&seiten, &fenster);
    vorschau->setObjectName(QStringLiteral("Vorschau"));
    QObject::connect(vorschau, &QPrintPreviewWidget::paintRequested,
                     [&dokument](QPrinter* p) { DokumentAusgeben(dokument, *p); });
    // A receipt shown twice its size reads like the paper; an A4 page fills the width.
    if (dokument.breite < kA4Breite) {
        vorschau->setZoomMode(QPrintPreviewWidget::CustomZoom);
        vorschau->setZoomFactor(2.0);
    } else {
        vorschau->fitToWidth();
    }

    auto* drucken = knopf(QStringLiteral("Drucken"), QStringLiteral("cmdDrucken"), &fenster);
    auto* schliessen =
        knopf(QStringLiteral("Schließen"), QStringLiteral("cmdSchliessen"), &fenster);
    QObject::connect(schliessen, &QPushButton::clicked, &fenster, &QDialog::reject);
    QObject::connect(drucken, &QPushButton::clicked, &fenster, [&]() {
        try {
            drucker.drucken(dokument);
            fenster.accept();
        } catch (const DbFehler& f) {
            QMessageBox::critical(&fenster, QStringLiteral("Fehler"), f.meldungstext());
        }
    });

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(drucken);
    knoepfe->addWidget(schliessen);
    auto* spalte = new QVBoxLayout(&fenster);
    spalte->addWidget(vorschau, 1);
    spalte->addLayout(knoepfe);

    Einpassen(&fenster, Fensterraum(eltern) * 0.9);
    fenster.exec();
}
