#include "reports/frmBerichte.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/Kontext.h"
#include "reports/Berichte.h"
#include "reports/Datumsbereich.h"
#include "reports/Kassenabschluss.h"
#include "reports/Stornobericht.h"
#include "reports/frmStornobericht.h"
#include "ui/Absichern.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Datumsfeld.h"

frmBerichte::frmBerichte(Kontext& k, QWidget* eltern) : QWidget(eltern), k(k) {
    setObjectName(QStringLiteral("frmBerichte"));
    setStyleSheet(
        QStringLiteral("QWidget { font-size: 15pt; } "
                       "QTreeWidget::item { min-height: 52px; }"));
    TreeViewBerichte = new QTreeWidget;
    TreeViewBerichte->setObjectName(QStringLiteral("TreeViewBerichte"));
    TreeViewBerichte->setHeaderHidden(true);
    TreeViewBerichte->setMaximumWidth(360);
    lblBericht = new QLabel;
    lblBericht->setObjectName(QStringLiteral("lblBericht"));
    QFont titel = lblBericht->font();
    titel.setPointSize(20);
    titel.setBold(true);
    lblBericht->setFont(titel);

    PictureBerichte = new QWidget;
    PictureBerichte->setObjectName(QStringLiteral("PictureBerichte"));
    DTPickerStartdatum = Datumsfeld("DTPickerStartdatum");
    DTPickerEnddatum = Datumsfeld("DTPickerEnddatum");
    lblKellner = new QLabel(QStringLiteral("Kellner:"));
    lblKellner->setObjectName(QStringLiteral("lblKellner"));
    ComboKellner = new QComboBox;
    ComboKellner->setObjectName(QStringLiteral("ComboKellner"));
    ComboKellner->setMinimumHeight(56);
    cmdDrucken = BeruehrKnopf(QString(), this);
    cmdDrucken->setObjectName(QStringLiteral("cmdDrucken"));
    cmdDrucken->setMinimumHeight(72);
    auto* form = new QFormLayout(PictureBerichte);
    form->addRow(QStringLiteral("Startdatum:"), DTPickerStartdatum);
    form->addRow(QStringLiteral("Enddatum:"), DTPickerEnddatum);
    form->addRow(lblKellner, ComboKellner);
    form->addRow(cmdDrucken);

    auto* rechts = new QVBoxLayout;
    rechts->addWidget(lblBericht);
    rechts->addWidget(PictureBerichte);
    rechts->addStretch();
    auto* zeile = new QHBoxLayout(this);
    zeile->addWidget(TreeViewBerichte);
    zeile->addLayout(rechts, 1);

    connect(TreeViewBerichte, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* knoten) { VorschauDefinieren(knoten->text(0)); });
    connect(DTPickerStartdatum, &QDateEdit::userDateChanged, this,
            [this] { datumGeaendert(true); });
    connect(DTPickerEnddatum, &QDateEdit::userDateChanged, this, [this] { datumGeaendert(false); });
    connect(cmdDrucken, &QPushButton::clicked, this, [this] { anzeigen(); });

    Absichern(k, [&] { ComboKellnerfuelen(); });
    VorschauDefinieren(QStringLiteral("Kassenbericht"));
    const QDate heute = k.jetzt().date();
    DTPickerStartdatum->setDate(heute);
    DTPickerEnddatum->setDate(heute);
}

void frmBerichte::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Absichern(k, [&] { BerichteTreeView(); });
}

void frmBerichte::BerichteTreeView() {
    TreeViewBerichte->clear();
    auto* wurzel = new QTreeWidgetItem(TreeViewBerichte, {QStringLiteral("Berichte")});
    wurzel->setData(0, Qt::UserRole, QStringLiteral("B"));
    Abfrage a = k.db.abfrage(QStringLiteral("SELECT Bericht FROM Berichte ORDER BY rowid"));
    while (a.naechste()) new QTreeWidgetItem(wurzel, {a.text(0)});
    TreeViewBerichte->expandAll();
    if (wurzel->childCount() > 0) {
        TreeViewBerichte->setCurrentItem(wurzel->child(0));
        lblBericht->setText(wurzel->child(0)->text(0));
    }
}

void frmBerichte::ComboKellnerfuelen() {
    ComboKellner->clear();
    ComboKellner->addItem(kAlleKellner);
    Abfrage a = k.db.abfrage(QStringLiteral("SELECT Mitarbeiter FROM Kellner ORDER BY rowid"));
    while (a.naechste()) ComboKellner->addItem(a.text(0));
    ComboKellner->setCurrentText(kAlleKellner);
}

void frmBerichte::VorschauDefinieren(const QString& bericht) {
    lblBericht->setText(bericht);
    struct Tafel {
        const char* name;
        bool kellnerZeigen;
        bool kellnerlisteZeigen;
        const char* knopf;
    };
    static const Tafel tafeln[] = {
        {"Kassenbericht", false, false, "Kassenbericht Anzeigen"},
        {"Kellnerbericht", false, true, "Kellnerbericht Anzeigen"},
        {"Umsatzbericht", false, false, "Umsatzbericht Anzeigen"},
        {"Stornobericht", true, true, "Stornobericht Anzeigen "},
        {"Hotelbericht", false, false, "Hotelbericht Anzeigen"},
    };
    for (const Tafel& t : tafeln) {
        if (bericht != QString::fromUtf8(t.name)) continue;
        PictureBerichte->show();
        lblKellner->setVisible(t.kellnerZeigen);
        ComboKellner->setVisible(t.kellnerlisteZeigen);
        cmdDrucken->setText(QString::fromUtf8(t.knopf));
    }
}

void frmBerichte::datumGeaendert(bool start) {
    QDate von = DTPickerStartdatum->date(), bis = DTPickerEnddatum->date();
    DatumsbereichAnpassen(von, bis, start, k.jetzt().date());
    const QSignalBlocker s1(DTPickerStartdatum), s2(DTPickerEnddatum);
    DTPickerStartdatum->setDate(von);
    DTPickerEnddatum->setDate(bis);
}

void frmBerichte::anzeigen() {
    const QString bericht = lblBericht->text();
    const QDate von = DTPickerStartdatum->date(), bis = DTPickerEnddatum->date();
    const QString kellner = ComboKellner->currentText();
    Absichern(k, [&] {
        if (bericht == QStringLiteral("Kassenbericht")) {
            UmsaetzeAktualisieren(k);
            BerichtKasse(k, von, bis);
        } else if (bericht == QStringLiteral("Umsatzbericht")) {
            UmsaetzeAktualisieren(k);
            BerichtUmsatz(k, von, bis);
        } else if (bericht == QStringLiteral("Kellnerbericht")) {
            if (kellner == kAlleKellner)
                BerichtAlleKellner(k, von, bis);
            else
                BerichtEinKellner(k, kellner, von, bis);
        } else if (bericht == QStringLiteral("Hotelbericht")) {
            BerichtHotel(k, von, bis);
        } else if (bericht == QStringLiteral("Stornobericht")) {
            frmStornobericht fenster(k, von, bis, kellner, PictureBerichte);
            fenster.exec();
        }
    });
}
