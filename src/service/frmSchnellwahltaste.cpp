#include "service/frmSchnellwahltaste.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QScrollArea>

#include "service/Schnellwahltasten.h"
#include "ui/Absichern.h"
#include "ui/widgets/Touchtaste.h"

namespace {

void leeren(QLayout* layout) {
    while (QLayoutItem* eintrag = layout->takeAt(0)) {
        delete eintrag->widget();
        delete eintrag;
    }
}

QScrollArea* rollbar(QWidget* inhalt) {
    auto* flaeche = new QScrollArea;
    flaeche->setWidget(inhalt);
    flaeche->setWidgetResizable(true);
    flaeche->setFrameShape(QFrame::NoFrame);
    return flaeche;
}

}  // namespace

frmSchnellwahltaste::frmSchnellwahltaste(Kontext& k, QWidget* eltern) : QWidget(eltern), m_k(k) {
    setObjectName(QStringLiteral("frmSchnellwahltaste"));
    auto* spalte = new QWidget;
    m_haupttasten = new QVBoxLayout(spalte);
    m_haupttasten->setContentsMargins(0, 0, 0, 0);
    auto* raster = new QWidget;
    m_artikeltasten = new QGridLayout(raster);
    m_artikeltasten->setContentsMargins(0, 0, 0, 0);

    auto* haupt = rollbar(spalte);
    haupt->setObjectName(QStringLiteral("Haupttasten"));
    haupt->setFixedWidth(170);
    haupt->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(haupt);
    layout->addWidget(rollbar(raster), 1);
}

void frmSchnellwahltaste::laden() {
    Absichern(m_k, [&] {
        leeren(m_haupttasten);
        const auto tasten = HaupttastenLesen(m_k);
        for (const Haupttaste& h : tasten) {
            auto* knopf = new Touchtaste(h.wg);
            knopf->setMinimumHeight(64);
            knopf->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            connect(knopf, &QPushButton::clicked, this,
                    [this, wg = h.wg] { haupttasteZeigen(wg); });
            m_haupttasten->addWidget(knopf);
        }
        m_haupttasten->addStretch();
        if (tasten.isEmpty())
            leeren(m_artikeltasten);
        else
            haupttasteZeigen(tasten.first().wg);
    });
}

void frmSchnellwahltaste::haupttasteZeigen(const QString& wg) {
    Absichern(m_k, [&] {
        leeren(m_artikeltasten);
        for (int r = 0; r < m_artikeltasten->rowCount(); ++r) m_artikeltasten->setRowStretch(r, 0);
        const auto reihen = ArtikeltastenLesen(m_k, wg);
        for (int r = 0; r < reihen.size(); ++r) {
            for (int s = 0; s < 5; ++s) {
                const Artikeltaste& taste = reihen[r].tasten[s];
                auto* knopf = new Touchtaste(taste.text);
                knopf->setMinimumSize(0, 64);
                knopf->faerben(taste.farbe ? QColor::fromRgb(*taste.farbe) : QColor(), 12);
                connect(knopf, &QPushButton::clicked, this,
                        [this, id = reihen[r].id, s] { artikeltasteGedrueckt(id, s + 1); });
                m_artikeltasten->addWidget(knopf, r, s);
            }
        }
        m_artikeltasten->setRowStretch(reihen.size(), 1);
        for (int s = 0; s < 5; ++s) m_artikeltasten->setColumnStretch(s, 1);
    });
}

void frmSchnellwahltaste::artikeltasteGedrueckt(std::int64_t reihe, int spalte) {
    QString plu;
    if (!Absichern(m_k, [&] { plu = ArtikeltastePLU(m_k, reihe, spalte); })) return;
    // An empty key adds nothing.
    if (!plu.isEmpty()) Q_EMIT artikelGewaehlt(plu);
}
