#include "reports/frmStornobericht.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Kontext.h"
#include "reports/Berichte.h"
#include "reports/Stornobericht.h"
#include "reports/widgets/Raster.h"
#include "ui/Absichern.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Fensterraum.h"

frmStornobericht::frmStornobericht(Kontext& k, const QDate& von, const QDate& bis,
                                   const QString& kellner, QWidget* eltern)
    : QDialog(eltern) {
    setObjectName(QStringLiteral("frmStornobericht"));
    setWindowTitle(QStringLiteral("Stornobericht ") + Datumszeile(von, bis));
    setStyleSheet(QStringLiteral("QWidget { font-size: 13pt; }"));
    Ueberdecken(this, eltern);

    DataGrid1 = new Raster(QStringLiteral("DataGrid1"), true);
    lblTischStorno = new QLabel;
    lblTischStorno->setObjectName(QStringLiteral("lblTischStorno"));
    lblTischStorno->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = lblTischStorno->font();
    f.setBold(true);
    lblTischStorno->setFont(f);
    auto* cmdBeenden = BeruehrKnopf(QStringLiteral("Beenden"), this);
    cmdBeenden->setObjectName(QStringLiteral("cmdBeenden"));
    cmdBeenden->setMinimumHeight(64);
    connect(cmdBeenden, &QPushButton::clicked, this, &QDialog::accept);

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(DataGrid1, 1);
    spalte->addWidget(lblTischStorno);
    spalte->addWidget(cmdBeenden, 0, Qt::AlignRight);

    Absichern(k, [&] {
        DataGrid1->fuellen(Stornos(k, von, bis, kellner),
                           {QStringLiteral("E-Preis"), QStringLiteral("G-Preis")},
                           {0.08, 0.09, 0.06, 0.08, 0.08, 0.06, 0.07, 0.07, 0.2, 0.07, 0.07});
        for (int z = 0; z < DataGrid1->rowCount(); ++z)
            DataGrid1->item(z, 7)->setTextAlignment(Qt::AlignCenter);
        DataGrid1->zumEnde();
        const auto summe = StornoSumme(k, von, bis, kellner);
        lblTischStorno->setText(summe ? summe->waehrung() : QString());
    });
}
