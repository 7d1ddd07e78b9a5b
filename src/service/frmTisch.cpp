#include "service/frmTisch.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

#include "service/widgets/Gerichtszelle.h"
#include "ui/Absichern.h"
#include "ui/widgets/Touchtaste.h"

frmTisch::frmTisch(Kontext& k, QWidget* eltern)
    : QWidget(eltern),
      m_k(k),
      m_ueberschrift(new QLabel),
      m_dgrTisch(new QTableView),
      m_cmdTisch(new Touchtaste(kAlt)),
      m_lblTischSumme(new QLabel) {
    setObjectName(QStringLiteral("frmTisch"));
    m_ueberschrift->setObjectName(QStringLiteral("lblTischUeberschrift"));
    m_ueberschrift->setStyleSheet(QStringLiteral("font-size: 16pt; font-weight: bold;"));

    m_dgrTisch->setObjectName(QStringLiteral("dgrTisch"));
    m_dgrTisch->setModel(&m_anzeige.modell);
    m_dgrTisch->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_dgrTisch->setSelectionMode(QAbstractItemView::SingleSelection);
    m_dgrTisch->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_dgrTisch->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_dgrTisch->setAlternatingRowColors(true);
    // A dish's name longer than the room left wraps and shrinks rather than lose
    // its end; its course and note show below it.
    m_dgrTisch->setItemDelegateForColumn(Tischzeilenmodell::Gericht, new Gerichtszelle(m_dgrTisch));
    m_dgrTisch->verticalHeader()->hide();
    m_dgrTisch->verticalHeader()->setDefaultSectionSize(44);
    m_dgrTisch->setStyleSheet(QStringLiteral(
        "QTableView { font-size: 15pt; alternate-background-color: #f1f4f8; }"
        " QTableView::item:selected { background: #2f6db5; color: white; }"
        " QHeaderView::section { font-size: 13pt; font-weight: bold; padding: 4px; }"));
    connect(m_dgrTisch, &QTableView::pressed, this, [this](const QModelIndex& index) {
        markieren(index.row());
        Q_EMIT angetippt();
    });

    m_cmdTisch->setObjectName(QStringLiteral("cmdTisch"));
    m_cmdTisch->setFixedSize(120, 56);
    connect(m_cmdTisch, &QPushButton::clicked, this,
            [this] { anzeigen(m_cmdTisch->text() == kAlt ? kNeu : kAlt); });

    m_lblTischSumme->setObjectName(QStringLiteral("lblTischSumme"));
    m_lblTischSumme->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_lblTischSumme->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold;"));
    m_lblTischSumme->hide();
    spaltenAnpassen();

    auto* kopf = new QHBoxLayout;
    kopf->addWidget(m_ueberschrift, 1);
    kopf->addWidget(m_cmdTisch);
    auto* fuss = new QHBoxLayout;
    fuss->addStretch();
    fuss->addWidget(m_lblTischSumme);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(kopf);
    layout->addWidget(m_dgrTisch, 1);
    layout->addLayout(fuss);
}

void frmTisch::oeffnen() {
    m_dgrTisch->setCurrentIndex(QModelIndex());
    anzeigen(kAlt);
}

void frmTisch::anzeigen(const QString& modus) {
    const int reihe = m_dgrTisch->currentIndex().isValid() ? m_dgrTisch->currentIndex().row() : 0;
    Absichern(m_k, [&] { OffeneTischeAnzeigen(m_k, m_anzeige, m_k.werte.tisch, modus); });
    m_cmdTisch->beschriften(m_anzeige.modus);
    m_ueberschrift->setText(m_anzeige.ueberschrift);
    m_lblTischSumme->setText(m_anzeige.summentext());
    m_lblTischSumme->setVisible(m_anzeige.summe.has_value());
    spaltenAnpassen();
    m_dgrTisch->resizeRowsToContents();
    markieren(std::min(reihe, m_anzeige.modell.rowCount() - 1));
}

void frmTisch::neuesteZeileMarkieren() {
    const auto& zeilen = m_anzeige.modell.zeilen();
    int neueste = -1;
    for (int i = 0; i < zeilen.size(); ++i)
        if (neueste < 0 || zeilen[i].id > zeilen[neueste].id) neueste = i;
    markieren(neueste);
}

void frmTisch::zeileWechseln(int schritt) {
    const int anzahl = m_anzeige.modell.rowCount();
    if (anzahl == 0) return;
    const QModelIndex index = m_dgrTisch->currentIndex();
    const int reihe = index.isValid() ? index.row() + schritt : 0;
    markieren(std::clamp(reihe, 0, anzahl - 1));
}

const Tischzeile* frmTisch::aktuelleZeile() const {
    const QModelIndex index = m_dgrTisch->currentIndex();
    if (!index.isValid() || index.row() >= m_anzeige.modell.rowCount()) return nullptr;
    return &m_anzeige.modell.zeile(index.row());
}

void frmTisch::markieren(int reihe) {
    if (reihe < 0) {
        m_dgrTisch->setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = m_anzeige.modell.index(reihe, 0);
    m_dgrTisch->setCurrentIndex(index);
    m_dgrTisch->selectRow(reihe);
    m_dgrTisch->scrollTo(index);
}

void frmTisch::spaltenAnpassen() {
    // Numbers get the room of their widest shown value (or their heading), the
    // dish takes the rest: on a small terminal the dish's name must not be cut.
    QFont schrift = m_dgrTisch->font();
    schrift.setPointSize(15);
    const QFontMetrics masse(schrift);
    const QAbstractItemModel& modell = m_anzeige.modell;
    auto* kopf = m_dgrTisch->horizontalHeader();
    kopf->setSectionResizeMode(QHeaderView::Fixed);
    kopf->setSectionResizeMode(Tischzeilenmodell::Gericht, QHeaderView::Stretch);
    for (int spalte : {Tischzeilenmodell::PLU, Tischzeilenmodell::Anzahl, Tischzeilenmodell::EPreis,
                       Tischzeilenmodell::GPreis}) {
        int breite = kopf->fontMetrics().horizontalAdvance(
            modell.headerData(spalte, Qt::Horizontal).toString());
        for (int reihe = 0; reihe < modell.rowCount(); ++reihe)
            breite = std::max(
                breite, masse.horizontalAdvance(modell.index(reihe, spalte).data().toString()));
        m_dgrTisch->setColumnWidth(spalte, breite + 20);
    }
}
