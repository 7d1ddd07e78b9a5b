#include "reports/frmRechnungsuebersicht.h"

#include <QButtonGroup>
#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "reports/Datumsbereich.h"
#include "reports/widgets/Raster.h"
#include "service/Kundenbelege.h"
#include "ui/Absichern.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Datumsfeld.h"
#include "ui/widgets/Fensterraum.h"

namespace {

const QStringList kGeld = {QStringLiteral("BAR"),       QStringLiteral("KARTE"),
                           QStringLiteral("GUTSCHEIN"), QStringLiteral("Gesamt"),
                           QStringLiteral("EPREIS"),    QStringLiteral("GPREIS")};

}  // namespace

void frmRechnungsuebersicht::Zeigen(Kontext& k, QWidget* eltern) {
    if (!RechtPruefen(k, QStringLiteral("RechnungsUebersicht"))) return;
    frmRechnungsuebersicht fenster(k, eltern);
    fenster.exec();
}

frmRechnungsuebersicht::frmRechnungsuebersicht(Kontext& k, QWidget* eltern)
    : QDialog(eltern), k(k) {
    setObjectName(QStringLiteral("frmRechnungsuebersicht"));
    setWindowTitle(QStringLiteral("Rechnungsübersicht"));
    setStyleSheet(QStringLiteral("QWidget { font-size: 14pt; }"));
    Ueberdecken(this, eltern);

    DTPickerVon = Datumsfeld("DTPickerVon");
    DTPickerBis = Datumsfeld("DTPickerBis");
    const QDate heute = k.jetzt().date();
    DTPickerVon->setDate(heute);
    DTPickerBis->setDate(heute);
    DataGrid1 = new Raster(QStringLiteral("DataGrid1"));
    DataGrid2 = new Raster(QStringLiteral("DataGrid2"));

    auto* cmdVonBisAnzeigen = BeruehrKnopf(QStringLiteral("Anzeigen"), this);
    cmdVonBisAnzeigen->setObjectName(QStringLiteral("cmdVonBisAnzeigen"));
    auto* cmdAllesAnzeigen = BeruehrKnopf(QStringLiteral("Alle Anzeigen"), this);
    cmdAllesAnzeigen->setObjectName(QStringLiteral("cmdAllesAnzeigen"));
    auto* cmdKassenbon = BeruehrKnopf(QStringLiteral("Kassenbon"), this);
    cmdKassenbon->setObjectName(QStringLiteral("cmdKassenbon"));
    auto* cmdRechnung = BeruehrKnopf(QStringLiteral("Rechnung"), this);
    cmdRechnung->setObjectName(QStringLiteral("cmdRechnung"));
    auto* cmdBeenden = BeruehrKnopf(QStringLiteral("Beenden"), this);
    cmdBeenden->setObjectName(QStringLiteral("cmdBeenden"));

    auto* Frame1 = new QGroupBox(QStringLiteral("Zahlart ändern"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Option1 = new QButtonGroup(this);
    auto* optionen = new QVBoxLayout(Frame1);
    for (int i = 0; i < kZahlarten.size(); ++i) {
        auto* o = new QRadioButton(kZahlarten[i]);
        o->setObjectName(QStringLiteral("Option1_%1").arg(i));
        o->setMinimumHeight(48);
        Option1->addButton(o, i);
        optionen->addWidget(o);
    }
    Option1->button(0)->setChecked(true);

    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(QStringLiteral("von")));
    oben->addWidget(DTPickerVon);
    oben->addWidget(new QLabel(QStringLiteral("bis")));
    oben->addWidget(DTPickerBis);
    oben->addWidget(cmdVonBisAnzeigen);
    oben->addWidget(cmdAllesAnzeigen);
    oben->addStretch();
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(Frame1);
    rechts->addStretch();
    for (QPushButton* b : {cmdKassenbon, cmdRechnung, cmdBeenden}) {
        b->setMinimumHeight(64);
        rechts->addWidget(b);
    }
    auto* unten = new QHBoxLayout;
    unten->addWidget(DataGrid2, 1);
    unten->addLayout(rechts);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(DataGrid1, 3);
    spalte->addLayout(unten, 2);

    connect(DTPickerVon, &QDateEdit::userDateChanged, this, [this] { datumGeaendert(true); });
    connect(DTPickerBis, &QDateEdit::userDateChanged, this, [this] { datumGeaendert(false); });
    connect(cmdVonBisAnzeigen, &QPushButton::clicked, this, [this] {
        Absichern(this->k, [&] {
            listeZeigen(NurEinKellnerVonBisRechnungen(this->k, DTPickerVon->date(),
                                                      DTPickerBis->date(), this->k.werte.kellner));
        });
    });
    connect(cmdAllesAnzeigen, &QPushButton::clicked, this, [this] {
        Absichern(this->k, [&] {
            if (auto t = AlleRechnungenAnzeigen(this->k, DTPickerVon->date(), DTPickerBis->date()))
                listeZeigen(*t);
        });
    });
    connect(cmdKassenbon, &QPushButton::clicked, this, [this] {
        Absichern(this->k,
                  [&] { DruckeKassenbonVonUebersichtsrechnung(this->k, m_wahl.regNr.toInt()); });
    });
    connect(cmdRechnung, &QPushButton::clicked, this,
            [this] { Absichern(this->k, [&] { RechnungNachdrucken(this->k, m_wahl.regNr); }); });
    connect(cmdBeenden, &QPushButton::clicked, this, &QDialog::accept);
    connect(DataGrid1, &QTableWidget::itemSelectionChanged, this, [this] { zeileGewaehlt(); });
    connect(Option1, &QButtonGroup::idClicked, this, [this](int i) { optionGewaehlt(i); });

    Absichern(k, [&] { listeZeigen(RechnungenBeimOeffnen(k, heute)); });
    DataGrid1->setFocus();
}

void frmRechnungsuebersicht::listeZeigen(const Tabelle& rechnungen) {
    m_rechnungen = rechnungen;
    if (!m_rechnungen.zeilen.empty())
        m_wahl.zahlungsart = ZahlungsartAbleiten(m_rechnungen, 0, m_wahl.zahlungsart);
    const QSignalBlocker still(DataGrid1);
    // Reg-Nr takes 0.7 of the part each other column gets.
    DataGrid1->fuellen(m_rechnungen, kGeld, {0, 0.7});
    DataGrid1->zumEnde();
    zeileGewaehlt();
}

void frmRechnungsuebersicht::zeileGewaehlt() {
    const int zeile = DataGrid1->currentRow();
    if (zeile < 0 || zeile >= static_cast<int>(m_rechnungen.zeilen.size()) ||
        !m_rechnungen.spalten.contains(QStringLiteral("BAR"))) {
        // No bill chosen: no lines of an earlier one may stay on show.
        DataGrid2->setRowCount(0);
        Option1Aktualisieren(m_wahl);
        Option1->button(m_wahl.option)->setChecked(true);
        return;
    }
    m_wahl.zahlungsart = ZahlungsartAbleiten(m_rechnungen, zeile, m_wahl.zahlungsart);
    m_wahl.regNr = m_rechnungen.wert(zeile, QStringLiteral("Reg-Nr")).toString();
    Absichern(k, [&] { DataGrid2->fuellen(RechnungDetailsDurchsuchen(k, m_wahl.regNr), kGeld); });
    Option1Aktualisieren(m_wahl);
    Option1->button(m_wahl.option)->setChecked(true);
}

void frmRechnungsuebersicht::datumGeaendert(bool von) {
    QDate v = DTPickerVon->date(), b = DTPickerBis->date();
    DatumsbereichAnpassen(v, b, von, k.jetzt().date());
    const QSignalBlocker s1(DTPickerVon), s2(DTPickerBis);
    DTPickerVon->setDate(v);
    DTPickerBis->setDate(b);
}

void frmRechnungsuebersicht::optionGewaehlt(int option) {
    Absichern(k, [&] {
        if (auto zeile = ZahlartGewaehlt(k, m_wahl, option)) {
            m_rechnungen = *zeile;
            const QSignalBlocker still(DataGrid1);
            DataGrid1->fuellen(m_rechnungen, kGeld);
        }
    });
    Option1->button(m_wahl.option)->setChecked(true);
}
