#include "admin/frmBetrieb.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "admin/Betriebsdaten.h"
#include "fiskal/Journal.h"
#include "ui/Absichern.h"
#include "ui/widgets/Beruehrstil.h"

frmBetrieb::frmBetrieb(Kontext& k, QWidget* eltern) : QWidget(eltern), k(k) {
    setObjectName(QStringLiteral("frmBetrieb"));
    auto* titel = VerwaltungsTitel(this, QStringLiteral("Betrieb"));
    auto* formular = new QFormLayout;
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(titel);
    spalte->addLayout(formular);
    const auto zeile = [&](const char* name, const char* beschriftung) {
        auto* f = new QLineEdit;
        f->setObjectName(QString::fromLatin1(name));
        f->setMinimumHeight(48);
        formular->addRow(QString::fromUtf8(beschriftung), f);
        return f;
    };
    txtName = zeile("txtName", "Name");
    txtAdresszeile = zeile("txtAdresszeile", "Adresszeile");
    txtTelefon = zeile("txtTelefon", "Telefon");
    txtSteuernummer = zeile("txtSteuernummer", "Steuernummer");
    txtUStIdNr = zeile("txtUStIdNr", "USt-IdNr.");
    txtKassenseriennummer = zeile("txtKassenseriennummer", "Kassenseriennummer");
    txtKassenseriennummer->setPlaceholderText(Kassenname());
    txtSicherungsordner = zeile("txtSicherungsordner", "Ordner für Datensicherung");
    QPushButton* speichernKnopf = BeruehrKnopf(QStringLiteral("Speichern"), this);
    speichernKnopf->setObjectName(QStringLiteral("cmdSpeichern"));
    speichernKnopf->setMinimumHeight(56);
    connect(speichernKnopf, &QPushButton::clicked, this, &frmBetrieb::speichern);
    spalte->addWidget(speichernKnopf, 0, Qt::AlignLeft);
    spalte->addStretch();
}

void frmBetrieb::showEvent(QShowEvent* ereignis) {
    laden();
    QWidget::showEvent(ereignis);
}

void frmBetrieb::laden() {
    Absichern(k, [&] {
        const Betriebsdaten d = BetriebsdatenLesen(k.db);
        txtName->setText(d.name);
        txtAdresszeile->setText(d.adresszeile);
        txtTelefon->setText(d.telefon);
        txtSteuernummer->setText(d.steuernummer);
        txtUStIdNr->setText(d.ustIdNr);
        txtKassenseriennummer->setText(d.kassenseriennummer);
        txtSicherungsordner->setText(d.sicherungsordner);
    });
}

void frmBetrieb::speichern() {
    const Betriebsdaten d{txtName->text(),
                          txtAdresszeile->text(),
                          txtTelefon->text(),
                          txtSteuernummer->text(),
                          txtUStIdNr->text(),
                          txtKassenseriennummer->text(),
                          txtSicherungsordner->text()};
    Absichern(k, [&] {
        if (!BetriebsdatenSpeichern(k, d)) return;
        k.dialoge.meldung(kBetriebGespeichert);
        laden();
    });
}
