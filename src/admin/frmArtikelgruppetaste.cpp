#include "admin/frmArtikelgruppetaste.h"

#include <QColorDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/Tastenverwaltung.h"
#include "admin/frmSpeisekarteSuchen.h"
#include "admin/widgets/Formular.h"
#include "ui/Absichern.h"
#include "ui/widgets/Fensterraum.h"

frmArtikelgruppetaste::frmArtikelgruppetaste(Kontext& k, const QString& haupttaste,
                                             std::int64_t reihe, int spalte,
                                             const Artikeltaste& taste, QWidget* eltern)
    : QDialog(eltern), k(k), m_reihe(reihe), m_spalte(spalte), m_farbe(taste.farbe) {
    setObjectName(QStringLiteral("frmArtikelgruppetaste"));
    setWindowTitle(QStringLiteral("Wahltaste"));
    setStyleSheet(QStringLiteral("QWidget { font-size: 15pt; }"));

    auto* wahltaste = new QGroupBox(QStringLiteral("Wahltaste"));
    auto* links = new QFormLayout(wahltaste);
    txtHaupttaste = Formularfeld(links, QStringLiteral("Text der Haupttaste"), "txtHaupttaste");
    txtHaupttaste->setText(haupttaste);
    txtHaupttaste->setReadOnly(true);
    txtPLU = Formularfeld(links, QStringLiteral("PLU"), "txtPLU");
    txtPLU->setText(taste.plu);
    txtWahltaste = Formularfeld(links, QStringLiteral("Text der Wahltaste"), "txtWahltaste");
    txtWahltaste->setText(taste.text);
    txtFarbe = Formularfeld(links, QStringLiteral("Hintergrundfarbe"), "txtFarbe");
    txtFarbe->setReadOnly(true);
    farbeZeigen();

    auto* speisekarte = new QGroupBox(QStringLiteral("Speisekarte"));
    auto* rechts = new QFormLayout(speisekarte);
    txtSuchPLU = Formularfeld(rechts, QStringLiteral("PLU"), "txtSuchPLU");
    txtGericht = Formularfeld(rechts, QStringLiteral("Gericht"), "txtGericht");
    txtGericht->setReadOnly(true);
    connect(txtSuchPLU, &QLineEdit::textChanged, this, &frmArtikelgruppetaste::PLUDatenbankAbfrage);
    auto* suche = new QHBoxLayout;
    connect(Formulartaste(suche, QStringLiteral("Suchen"), "cmdSuchen"), &QPushButton::clicked,
            this, &frmArtikelgruppetaste::suchen);
    rechts->addRow(suche);

    auto* mitte = new QVBoxLayout;
    mitte->addStretch();
    auto* pfeil = new QHBoxLayout;
    connect(Formulartaste(pfeil, QStringLiteral("◀"), "cmdUebernehmen"), &QPushButton::clicked,
            this, &frmArtikelgruppetaste::uebernehmen);
    mitte->addLayout(pfeil);
    mitte->addStretch();

    auto* oben = new QHBoxLayout;
    oben->addWidget(wahltaste, 3);
    oben->addLayout(mitte);
    oben->addWidget(speisekarte, 2);

    auto* tasten = new QHBoxLayout;
    connect(Formulartaste(tasten, QStringLiteral("Farbe"), "cmdFarbe"), &QPushButton::clicked, this,
            &frmArtikelgruppetaste::HintergrundfarbeAuswaehlen);
    connect(Formulartaste(tasten, QStringLiteral("Löschen"), "cmdLoeschen"), &QPushButton::clicked,
            this, &frmArtikelgruppetaste::loeschen);
    tasten->addStretch();
    connect(Formulartaste(tasten, QStringLiteral("Speichern"), "cmdSpeichern"),
            &QPushButton::clicked, this, &frmArtikelgruppetaste::Datenbankaktualisieren);
    connect(Formulartaste(tasten, QStringLiteral("Beenden"), "cmdBeenden"), &QPushButton::clicked,
            this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addLayout(tasten);
    // As wide as the till, so both halves of the form have room.
    Einpassen(this, QSize(Fensterraum(eltern).width(), sizeHint().height()));
}

void frmArtikelgruppetaste::PLUDatenbankAbfrage() {
    const QString plu = txtSuchPLU->text().trimmed();
    Absichern(k, [&] {
        const std::optional<QString> gericht = ::PLUDatenbankAbfrage(k, plu);
        txtGericht->setText(gericht ? *gericht
                                    : QStringLiteral("PLU ='") + plu +
                                          QStringLiteral("' ist nicht vorhanden"));
    });
}

void frmArtikelgruppetaste::uebernehmen() {
    Absichern(k, [&] {
        if (const auto taste = ArtikelFuerTaste(k, txtSuchPLU->text())) {
            txtPLU->setText(taste->plu);
            txtWahltaste->setText(taste->text);
        }
    });
}

void frmArtikelgruppetaste::suchen() {
    frmSpeisekarteSuchen suche(k, this);
    if (suche.exec() == QDialog::Accepted) txtSuchPLU->setText(suche.plu());
}

void frmArtikelgruppetaste::HintergrundfarbeAuswaehlen() {
    const QColor farbe =
        QColorDialog::getColor(m_farbe ? QColor::fromRgb(*m_farbe) : QColor(Qt::white), this,
                               QStringLiteral("Hintergrundfarbe"));
    if (!farbe.isValid()) return;
    m_farbe = farbe.rgb() & 0xFFFFFFu;
    farbeZeigen();
}

void frmArtikelgruppetaste::farbeZeigen() {
    txtFarbe->setStyleSheet(
        m_farbe ? QStringLiteral("background: %1;").arg(QColor::fromRgb(*m_farbe).name())
                : QString());
}

void frmArtikelgruppetaste::loeschen() {
    txtPLU->clear();
    txtWahltaste->clear();
    m_farbe.reset();
    farbeZeigen();
}

void frmArtikelgruppetaste::Datenbankaktualisieren() {
    const Artikeltaste taste{txtWahltaste->text(), txtPLU->text().trimmed(), m_farbe};
    if (Absichern(k, [&] { ::Datenbankaktualisieren(k, m_reihe, m_spalte, taste); })) accept();
}
