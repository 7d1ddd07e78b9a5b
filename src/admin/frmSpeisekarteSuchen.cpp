#include "admin/frmSpeisekarteSuchen.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/Artikelverwaltung.h"
#include "admin/widgets/Formular.h"
#include "service/frmkarteAuswahl.h"
#include "ui/Absichern.h"
#include "ui/widgets/Fensterraum.h"

frmSpeisekarteSuchen::frmSpeisekarteSuchen(Kontext& k, QWidget* eltern)
    : QDialog(eltern), k(k), m_karte(new frmkarteAuswahl(k)) {
    setObjectName(QStringLiteral("frmSpeisekarteSuchen"));
    setWindowTitle(QStringLiteral("Speisekarte"));
    setStyleSheet(QStringLiteral("QWidget { font-size: 15pt; }"));
    Einpassen(this, QSize(1000, 640));

    txtSuchen = new QLineEdit;
    txtSuchen->setObjectName(QStringLiteral("txtSuchen"));
    txtSuchen->setMinimumHeight(56);
    txtSuchen->setPlaceholderText(QStringLiteral("PLU oder Gericht"));
    auto* suche = new QHBoxLayout;
    suche->addWidget(txtSuchen, 1);
    auto* cmdSuchen = Formulartaste(suche, QStringLiteral("Suchen"), "cmdSuchen");
    connect(cmdSuchen, &QPushButton::clicked, this,
            [this] { Artikelgruppesuchen(txtSuchen->text()); });
    connect(txtSuchen, &QLineEdit::returnPressed, cmdSuchen, &QPushButton::click);

    auto* tasten = new QHBoxLayout;
    tasten->addStretch();
    connect(Formulartaste(tasten, QStringLiteral("Übernehmen"), "cmdUebernehmen"),
            &QPushButton::clicked, this, &frmSpeisekarteSuchen::uebernehmen);
    connect(Formulartaste(tasten, QStringLiteral("Beenden"), "cmdBeenden"), &QPushButton::clicked,
            this, &QDialog::reject);
    connect(m_karte, &frmkarteAuswahl::artikelGewaehlt, this, &frmSpeisekarteSuchen::uebernehmen);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(suche);
    layout->addWidget(m_karte, 1);
    layout->addLayout(tasten);
    m_karte->laden();
}

void frmSpeisekarteSuchen::Artikelgruppesuchen(const QString& suchtext) {
    m_karte->gruppen()->collapseAll();
    Absichern(k, [&] { m_karte->artikelFuellen(::Artikelgruppesuchen(k, suchtext.trimmed())); });
}

void frmSpeisekarteSuchen::uebernehmen() {
    const QTreeWidgetItem* item = m_karte->artikel()->currentItem();
    if (!item) {
        k.dialoge.meldung(QStringLiteral("Bitte wähllen Sie ein Gericht aus"));
        return;
    }
    m_plu = item->text(0);
    m_gericht = item->text(1);
    accept();
}
