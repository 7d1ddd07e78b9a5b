#include "hotel/frmGaeste.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>

#include "core/Kontext.h"
#include "hotel/Hotelrechnung.h"
#include "ui/Absichern.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Bildschirmtastatur.h"

namespace {

QPushButton* knopf(const QString& text, const char* name, QWidget* eltern) {
    QPushButton* k = BeruehrKnopf(text, eltern);
    k->setObjectName(QString::fromLatin1(name));
    return k;
}

}  // namespace

frmGaeste::frmGaeste(Kontext& k, std::function<Anreisedaten()> zimmer, QWidget* eltern)
    : QGroupBox(QStringLiteral("Gäste"), eltern),
      m_k(k),
      m_zimmer(std::move(zimmer)),
      m_gast(new QLineEdit(this)),
      m_adresse(new QLineEdit(this)),
      m_imHaus(new QListWidget(this)),
      m_zahlungsart(new QComboBox(this)) {
    setObjectName(QStringLiteral("fraGaeste"));
    m_gast->setObjectName(QStringLiteral("txtGast"));
    m_adresse->setObjectName(QStringLiteral("txtAdresse"));
    m_imHaus->setObjectName(QStringLiteral("lstZimmerImHaus"));
    m_imHaus->setSelectionMode(QAbstractItemView::MultiSelection);
    m_imHaus->setMaximumHeight(150);
    m_zahlungsart->setObjectName(QStringLiteral("cmbAbreiseZahlungsart"));
    m_zahlungsart->addItems(kAbreiseZahlungsarten);

    QPushButton* anreise = knopf(QStringLiteral("Anreise"), "cmdAnreise", this);
    QPushButton* abreise = knopf(QStringLiteral("Abreise"), "cmdAbreise", this);
    QPushButton* nachdruck =
        knopf(QStringLiteral("Nachdrucken"), "cmdHotelrechnungNachdruck", this);

    // Three narrow columns, so the screen still fits beside the station list.
    auto* raster = new QGridLayout(this);
    raster->setHorizontalSpacing(12);
    raster->addWidget(new QLabel(QStringLiteral("Gast")), 0, 0);
    raster->addWidget(MitTastatur(m_gast), 0, 1);
    raster->addWidget(anreise, 0, 2);
    raster->addWidget(new QLabel(QStringLiteral("Adresse")), 1, 0);
    raster->addWidget(MitTastatur(m_adresse), 1, 1);
    raster->addWidget(m_zahlungsart, 1, 2);
    raster->addWidget(new QLabel(QStringLiteral("Im Haus")), 2, 0, Qt::AlignTop);
    raster->addWidget(m_imHaus, 2, 1, 2, 1);
    raster->addWidget(abreise, 2, 2);
    raster->addWidget(nachdruck, 3, 2);
    raster->setColumnStretch(1, 1);

    connect(anreise, &QPushButton::clicked, this, &frmGaeste::anreise);
    connect(abreise, &QPushButton::clicked, this, &frmGaeste::abreise);
    connect(nachdruck, &QPushButton::clicked, this, &frmGaeste::nachdrucken);
}

void frmGaeste::aktualisieren() {
    Absichern(m_k, [this] {
        m_imHaus->clear();
        for (const Hausgast& g : ZimmerImHaus(m_k)) {
            auto* eintrag = new QListWidgetItem(
                QStringLiteral("Zimmer %1 – %2 (%3 – %4)")
                    .arg(g.zimmerNr)
                    .arg(g.gast, g.anreise.toString(QStringLiteral("dd.MM.yyyy")),
                         g.abreise.toString(QStringLiteral("dd.MM.yyyy"))),
                m_imHaus);
            eintrag->setData(Qt::UserRole, QVariant::fromValue<qint64>(g.aufenthalt));
        }
    });
}

void frmGaeste::anreise() {
    Absichern(m_k, [this] {
        Anreisedaten daten = m_zimmer();
        daten.gast = m_gast->text();
        daten.adresse = m_adresse->text();
        if (!Anreise(m_k, daten)) return;
        m_gast->clear();
        m_adresse->clear();
    });
    aktualisieren();
}

void frmGaeste::abreise() {
    std::vector<std::int64_t> gewaehlt;
    for (const QListWidgetItem* eintrag : m_imHaus->selectedItems())
        gewaehlt.push_back(eintrag->data(Qt::UserRole).toLongLong());
    Absichern(m_k, [&] { Abreisen(m_k, gewaehlt, m_zahlungsart->currentText()); });
    aktualisieren();
}

void frmGaeste::nachdrucken() {
    const QString eingabe =
        m_k.dialoge.zahlenblock(QStringLiteral("Bitte Rechnungsnummer eingeben"));
    static const QRegularExpression ziffern(QStringLiteral("^\\d{1,9}$"));
    if (!ziffern.match(eingabe).hasMatch()) return;
    Absichern(m_k, [&] { HotelrechnungNachdrucken(m_k, eingabe.toInt()); });
}
