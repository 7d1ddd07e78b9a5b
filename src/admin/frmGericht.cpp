#include "admin/frmGericht.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "admin/widgets/Formular.h"
#include "ui/Absichern.h"

frmGericht::frmGericht(Kontext& k, const QString& warengruppe, QWidget* eltern)
    : QDialog(eltern), k(k) {
    aufbauen(warengruppe);
}

frmGericht::frmGericht(Kontext& k, const QString& warengruppe, const QString& plu,
                       QWidget* eltern)
    : QDialog(eltern), k(k), m_altePLU(plu) {
    aufbauen(warengruppe);
    ArtikelBearbeitenZeigen();
}

QString frmGericht::warengruppe() const { return txtWarengruppe->text(); }

void frmGericht::aufbauen(const QString& warengruppe) {
    setObjectName(QStringLiteral("frmGericht"));
    setWindowTitle(QStringLiteral("Gericht"));
    setStyleSheet(QStringLiteral("QWidget { font-size: 15pt; }"));
    setMinimumWidth(640);
    auto* form = new QFormLayout;
    txtPLU = Formularfeld(form, QStringLiteral("PLU:"), "txtPLU");
    txtWarengruppe = Formularfeld(form, QStringLiteral("Warengruppe:"), "txtWarengruppe");
    txtWarengruppe->setText(warengruppe);
    txtWarengruppe->setReadOnly(true);
    txtGericht = Formularfeld(form, QStringLiteral("Gericht:"), "txtGericht");
    txtEPREIS = Formularfeld(form, QStringLiteral("Verkaufpreis:"), "txtEPREIS");
    txtMwSt = Formularfeld(form, QStringLiteral("MwSt:"), "txtMwSt");
    ComboStationsDrucker =
        Formularwahl(form, QStringLiteral("Stationsdrucker"), "ComboStationsDrucker");
    ComboBonDrucker = Formularwahl(form, QStringLiteral("Bondrucker"), "ComboBonDrucker");
    ComboBonDrucker->addItems({kThekendrucker, kKuechendrucker});
    Absichern(k, [&] { ComboStationsDrucker->addItems(StationenAbfragen(k)); });
    Check1 = new QCheckBox(QStringLiteral("Extras für das Gericht aktivieren"));
    Check1->setObjectName(QStringLiteral("Check1"));
    form->addRow(Check1);

    auto* tasten = new QHBoxLayout;
    tasten->addStretch();
    connect(Formulartaste(tasten, QStringLiteral("Speichern"), "cmdSpeichern"),
            &QPushButton::clicked, this, &frmGericht::speichern);
    connect(Formulartaste(tasten, QStringLiteral("Abbrechen"), "cmdAbbrechen"),
            &QPushButton::clicked, this, &QDialog::reject);
    form->addRow(tasten);
    setLayout(form);
}

void frmGericht::ArtikelBearbeitenZeigen() {
    Absichern(k, [&] {
        const auto f = ::ArtikelBearbeitenZeigen(k, m_altePLU);
        if (!f) return;
        txtPLU->setText(f->plu);
        txtWarengruppe->setText(f->wg);
        txtGericht->setText(f->gericht);
        txtEPREIS->setText(f->epreis);
        txtMwSt->setText(f->mwst);
        WahlSetzen(ComboStationsDrucker, f->stationsdrucker);
        WahlSetzen(ComboBonDrucker, f->bondrucker);
        Check1->setChecked(f->extra);
    });
}

void frmGericht::speichern() {
    const Artikelformular f{txtPLU->text(),       txtWarengruppe->text(),
                            txtGericht->text(),   txtEPREIS->text(),
                            txtMwSt->text(),      ComboStationsDrucker->currentText(),
                            ComboBonDrucker->currentText(), Check1->isChecked()};
    bool gespeichert = false;
    Absichern(k, [&] {
        gespeichert = m_altePLU.isEmpty() ? ArtikelNeuSpeichern(k, f)
                                          : ArtikelBearbeitenSpeichern(k, f, m_altePLU);
    });
    if (gespeichert) accept();
}
