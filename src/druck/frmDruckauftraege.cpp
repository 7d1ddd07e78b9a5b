#include "druck/frmDruckauftraege.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "admin/Druckerwahl.h"
#include "core/Kontext.h"
#include "druck/Auftragsaktionen.h"
#include "druck/Druckauftraege.h"
#include "druck/Druckerausgang.h"
#include "druck/Druckrollen.h"
#include "ui/Absichern.h"
#include "ui/widgets/Beruehrstil.h"

namespace {

QPushButton* taste(const QString& name, const QString& text, QWidget* eltern) {
    QPushButton* t = BeruehrKnopf(text, eltern);
    t->setObjectName(name);
    t->setMinimumHeight(64);
    return t;
}

}  // namespace

frmDruckauftraege::frmDruckauftraege(Kontext& k, const Druckerausgang& ausgang,
                                     std::function<void()> anstossen, QWidget* eltern)
    : QDialog(eltern), k(k), m_ausgang(ausgang), m_anstossen(std::move(anstossen)) {
    setObjectName(QStringLiteral("frmDruckauftraege"));
    setWindowTitle(QStringLiteral("Druckaufträge"));
    setStyleSheet(QStringLiteral("QWidget { font-size: 14pt; }"));
    m_liste = new QTableWidget(0, 7, this);
    m_liste->setObjectName(QStringLiteral("grdAuftraege"));
    m_liste->setHorizontalHeaderLabels({QStringLiteral("Nr."), QStringLiteral("Zeit"),
                                        QStringLiteral("Beleg"), QStringLiteral("Drucker"),
                                        QStringLiteral("Status"), QStringLiteral("Fehler"),
                                        QStringLiteral("Druckerzustand")});
    m_liste->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_liste->setSelectionMode(QAbstractItemView::SingleSelection);
    m_liste->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_liste->verticalHeader()->hide();
    m_liste->horizontalHeader()->setStretchLastSection(true);
    m_ziel = new QComboBox(this);
    m_ziel->setObjectName(QStringLiteral("cboZiel"));
    m_ziel->setMinimumHeight(64);
    m_ziel->addItems(m_ausgang.warteschlangen() << kPdfOrdner << kKeinDrucker);

    QPushButton* erneut =
        taste(QStringLiteral("cmdErneut"), QStringLiteral("Erneut drucken"), this);
    QPushButton* umleiten =
        taste(QStringLiteral("cmdUmleiten"), QStringLiteral("Auf anderen Drucker umleiten"), this);
    QPushButton* pdf = taste(QStringLiteral("cmdPdf"), QStringLiteral("Als PDF speichern"), this);
    QPushButton* schliessen =
        taste(QStringLiteral("cmdSchliessen"), QStringLiteral("Schließen"), this);
    connect(erneut, &QPushButton::clicked, this, [this] {
        mitAuftrag([this](std::int64_t id) { return DruckauftragErneut(this->k, id); });
    });
    connect(umleiten, &QPushButton::clicked, this, [this] {
        mitAuftrag([this](std::int64_t id) {
            return DruckauftragUmleiten(this->k, id, m_ziel->currentText());
        });
    });
    connect(pdf, &QPushButton::clicked, this, [this] {
        mitAuftrag([this](std::int64_t id) {
            const QString ordner = QDir(this->k.db.ordner()).filePath(QStringLiteral("Belege"));
            this->k.dialoge.meldung(QStringLiteral("Der Auftrag ist gespeichert: ") +
                                    DruckauftragAlsPdf(this->k, id, ordner));
            return false;
        });
    });
    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);

    auto* tasten = new QHBoxLayout;
    tasten->addWidget(erneut);
    tasten->addWidget(m_ziel, 1);
    tasten->addWidget(umleiten);
    tasten->addWidget(pdf);
    tasten->addWidget(schliessen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(m_liste, 1);
    spalte->addLayout(tasten);
    resize(1100, 600);
    laden();
}

void frmDruckauftraege::laden() {
    const std::int64_t vorher = gewaehlt();
    m_liste->setRowCount(0);
    Absichern(k, [&] {
        for (const Druckauftrag& a : DruckauftraegeLesen(k.db, m_ausgang)) {
            const int zeile = m_liste->rowCount();
            m_liste->insertRow(zeile);
            const QString titel =
                a.wiederholung ? QStringLiteral("Wiederholung ") + a.titel : a.titel;
            const QStringList spalten{QString::number(a.id),
                                      a.angelegt.toString(QStringLiteral("dd.MM. HH:mm:ss")),
                                      titel,
                                      a.drucker,
                                      a.status,
                                      a.fehler,
                                      a.zustand};
            for (int s = 0; s < spalten.size(); ++s)
                m_liste->setItem(zeile, s, new QTableWidgetItem(spalten[s]));
            if (a.id == vorher) m_liste->selectRow(zeile);
        }
    });
    m_liste->resizeColumnsToContents();
}

std::int64_t frmDruckauftraege::gewaehlt() const {
    const auto zeilen = m_liste->selectionModel()->selectedRows();
    return zeilen.isEmpty() ? 0 : m_liste->item(zeilen.first().row(), 0)->text().toLongLong();
}

template <typename Aktion>
void frmDruckauftraege::mitAuftrag(Aktion aktion) {
    const std::int64_t id = gewaehlt();
    if (id == 0) return;
    bool geaendert = false;
    Absichern(k, [&] { geaendert = aktion(id); });
    if (geaendert) m_anstossen();
    laden();
}
