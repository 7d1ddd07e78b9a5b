#include "druck/frmDrucker.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/Druckerwahl.h"
#include "core/Kontext.h"
#include "druck/Druckauftraege.h"
#include "druck/Druckerausgang.h"
#include "druck/Druckrollen.h"
#include "druck/Testseite.h"
#include "ui/Absichern.h"
#include "ui/Druckziel.h"
#include "ui/widgets/Beruehrstil.h"

frmDrucker::frmDrucker(Kontext& k, const Druckerausgang& ausgang, QWidget* eltern)
    : QWidget(eltern), k(k), m_ausgang(ausgang) {
    setObjectName(QStringLiteral("frmDrucker"));
    auto* titel = VerwaltungsTitel(this, QStringLiteral("Drucker"));
    auto* raster = new QWidget;
    m_raster = new QGridLayout(raster);
    m_raster->setColumnStretch(1, 1);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(titel);
    spalte->addWidget(raster);
    spalte->addStretch();
}

void frmDrucker::showEvent(QShowEvent* ereignis) {
    laden();
    QWidget::showEvent(ereignis);
}

void frmDrucker::laden() {
    while (QLayoutItem* alt = m_raster->takeAt(0)) {
        delete alt->widget();
        delete alt;
    }
    const QStringList wahl = m_ausgang.warteschlangen() << kPdfOrdner << kKeinDrucker;
    Absichern(k, [&] {
        const QStringList rollen = DruckrollenLesen(k.db);
        for (int i = 0; i < rollen.size(); ++i) zeileAnlegen(i, rollen[i], wahl);
    });
}

void frmDrucker::zeileAnlegen(int zeile, const QString& rolle, const QStringList& wahl) {
    auto* name = new QLabel(rolle);
    name->setObjectName(QStringLiteral("lblRolle"));
    auto* drucker = new QComboBox;
    drucker->setObjectName(QStringLiteral("cboDrucker"));
    drucker->setProperty("rolle", rolle);
    drucker->setMinimumHeight(56);
    drucker->addItems(wahl);
    // A queue CUPS no longer knows stays shown, so the choice is not lost unseen.
    const QString jetzt = DruckerDerRolle(k.db, m_ausgang, rolle);
    if (drucker->findText(jetzt) < 0) drucker->addItem(jetzt);
    drucker->setCurrentText(jetzt);
    auto* zustand = new QLabel(m_ausgang.zustand(jetzt));
    zustand->setObjectName(QStringLiteral("lblZustand"));
    zustand->setStyleSheet(QStringLiteral("color: #c0392b;"));
    connect(drucker, &QComboBox::textActivated, this,
            [this, rolle, zustand](const QString& gewaehlt) {
                Absichern(k, [&] { DruckerZuordnen(k.db, rolle, gewaehlt); });
                zustand->setText(m_ausgang.zustand(gewaehlt));
            });
    QPushButton* test = BeruehrKnopf(QStringLiteral("Testdruck"), this);
    test->setObjectName(QStringLiteral("cmdTestdruck"));
    test->setMinimumHeight(56);
    connect(test, &QPushButton::clicked, this, [this, rolle] {
        Absichern(k, [&] {
            k.drucker.drucken(Testseite(rolle, DruckerDerRolle(k.db, m_ausgang, rolle), k.jetzt()));
        });
    });
    m_raster->addWidget(name, zeile, 0);
    m_raster->addWidget(drucker, zeile, 1);
    m_raster->addWidget(test, zeile, 2);
    m_raster->addWidget(zustand, zeile, 3);
}
