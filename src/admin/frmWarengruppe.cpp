#include "admin/frmWarengruppe.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "admin/widgets/Formular.h"
#include "admin/Warengruppenverwaltung.h"
#include "ui/Absichern.h"

frmWarengruppe::frmWarengruppe(Kontext& k, const QString& hauptwarengruppe,
                               const QString& alterName, QWidget* eltern)
    : QDialog(eltern), k(k), m_alterName(alterName) {
    setObjectName(QStringLiteral("frmWarengruppe"));
    setWindowTitle(QStringLiteral("Warengruppe"));
    setStyleSheet(QStringLiteral("QWidget { font-size: 15pt; }"));
    setMinimumWidth(600);
    auto* form = new QFormLayout(this);
    txtHauptwarengruppen =
        Formularfeld(form, QStringLiteral("Hauptwarengruppe:"), "txtHauptwarengruppen");
    txtHauptwarengruppen->setText(hauptwarengruppe);
    txtHauptwarengruppen->setReadOnly(true);
    txtWarengruppe = Formularfeld(form, QStringLiteral("Warengruppe:"), "txtWarengruppe");
    ComboStationsDrucker =
        Formularwahl(form, QStringLiteral("Stationsdrucker"), "ComboStationsDrucker");
    ComboBonDrucker = Formularwahl(form, QStringLiteral("Bondrucker"), "ComboBonDrucker");
    ComboBonDrucker->addItems({kThekendrucker, kKuechendrucker});
    Absichern(k, [&] { ComboStationsDrucker->addItems(StationenAbfragen(k)); });

    auto* tasten = new QHBoxLayout;
    tasten->addStretch();
    connect(Formulartaste(tasten, QStringLiteral("Speichern"), "cmdSpeichern"),
            &QPushButton::clicked, this, &frmWarengruppe::speichern);
    connect(Formulartaste(tasten, QStringLiteral("Abbrechen"), "cmdAbbrechen"),
            &QPushButton::clicked, this, &QDialog::reject);
    form->addRow(tasten);
    if (!m_alterName.isEmpty()) WarengruppeBearbeitenZeigen();
}

QString frmWarengruppe::warengruppe() const { return txtWarengruppe->text().trimmed(); }

void frmWarengruppe::WarengruppeBearbeitenZeigen() {
    Absichern(k, [&] {
        const auto f = ::WarengruppeBearbeitenZeigen(k, m_alterName);
        if (!f) return;
        txtWarengruppe->setText(f->wg);
        WahlSetzen(ComboStationsDrucker, f->stationsdrucker);
        WahlSetzen(ComboBonDrucker, f->bondrucker);
    });
}

void frmWarengruppe::speichern() {
    const Warengruppenformular f{txtHauptwarengruppen->text(), txtWarengruppe->text(),
                                 ComboStationsDrucker->currentText(),
                                 ComboBonDrucker->currentText()};
    bool gespeichert = false;
    Absichern(k, [&] {
        gespeichert = m_alterName.isEmpty() ? WarengruppeNeuSpeichern(k, f)
                                            : WarengruppeBearbeitenSpeichern(k, f, m_alterName);
    });
    if (gespeichert) accept();
}
