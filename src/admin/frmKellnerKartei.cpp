#include "admin/frmKellnerKartei.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/Absichern.h"
#include "ui/widgets/Bildschirmtastatur.h"
#include "ui/widgets/Fensterraum.h"

namespace {

const QStringList kKasseTexte = {
    QStringLiteral("Kassenrechte für ausgewählten Mitarbeiter komplett deaktivieren(sperren)"),
    QStringLiteral("Mitarbeiter darf Positionen stornieren"),
    QStringLiteral("Mitarbeiter darf Positionen umbuchen"),
    QStringLiteral("Mitarbeiter darf auf fremde Tische zugreifen"),
    QStringLiteral("Mitarbeiter darf Rabatte vergeben(Buchungen auf Haus)"),
    QStringLiteral("Mitarbeiter darf offene Tische löschen"),
    QStringLiteral("Mitarbeiter darf Gäste abkassieren(Zahlkellner)"),
    QStringLiteral("Mitarbeiter darf ohne Kassenbon kassieren"),
    QStringLiteral("Mitarbeiter darf Rechnungen austellen"),
};

const QStringList kMenuTexte = {
    QStringLiteral("MENU-Rechte für ausgewählten Mitarbeiter komplett deaktivieren(sperren)"),
    QStringLiteral("Mitarbeiter darf auf die Systemkonfiguration zugreiffen"),
    QStringLiteral("Mitarbeiter hat Zugriff auf Rechnungsübersicht"),
    QStringLiteral("Mitarbeiter darf nur seine eigene Rechnungen ansehen"),
    QStringLiteral("Mitarbeiter darf alle Rechnungen ansehen"),
    QStringLiteral("Mitarbeiter darf die Zahlart von Rechnungen ändern"),
    QStringLiteral("Mitarbeiter darf Rechnungen korigierren"),
    QStringLiteral("Mitarbeiter darf Kassenbericht Drucken"),
    QStringLiteral("Mitarbeiter darf Kassenabschluss durchführen"),
    QStringLiteral("Mitarbeiter hat Zugriff auf Kellnerbericht"),
    QStringLiteral("Mitarbeiter kann nur sein Kellnerbericht Drucken"),
    QStringLiteral("Mitarbeiter kann alle Kellnerberichte drucken"),
};

const QStringList kVerwaltungTexte = {
    QStringLiteral("Verwaltungsrechte für ausgewählten Mitarbeiter komplett deaktivieren(sperren)"),
    QStringLiteral("Mitarbeiter darf auf die Stations-Verwaltung zugreiffen"),
    QStringLiteral("Mitarbeiter darf auf die Mitarbeiter-Verwaltung zugreiffen"),
    QStringLiteral("Mitarbeiter darf die anderen Mitarbeiter komplett sperren"),
    QStringLiteral("Mitarbeiter darf Stationen aktivieren/deaktivieren"),
    QStringLiteral("Mitarbeiter hat Zugriff nur auf seine persönlichen Daten"),
    QStringLiteral("Mitarbeiter hat Zugriff auf persönlichen Daten anderer Mitarbeiter"),
    QStringLiteral("Mitarbeiter hat uneingeschränkten Zugriff auf die Mitarbeiterkartei"),
    QStringLiteral("Mitarbeiter darf auf die Speisekarte-Verwaltung zugreiffen"),
    QStringLiteral("Mitarbeiter darf auf die Direktwahl-Verwaltung zugreiffen"),
    QStringLiteral("Mitarbeiter darf auf die Kreditkarten-Verwaltung zugreiffen"),
    QStringLiteral("Mitarbeiter darf auf die freien Berichten zugreifen"),
};

QLineEdit* feld(const char* name, bool pin = false) {
    auto* f = new QLineEdit;
    f->setObjectName(QString::fromLatin1(name));
    f->setMinimumHeight(44);
    if (pin) {
        f->setEchoMode(QLineEdit::Password);
        f->setProperty("ziffern", true);
    }
    return f;
}

QHBoxLayout* nebeneinander(QLineEdit* a, QLineEdit* b) {
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(MitTastatur(a));
    zeile->addWidget(MitTastatur(b));
    return zeile;
}

}  // namespace

frmKellnerKartei::frmKellnerKartei(Kontext& k, Karteimodus modus, std::int64_t id, QWidget* eltern)
    : QDialog(eltern),
      k(k),
      m_modus(modus),
      m_id(id),
      m_gruppen{Gruppe{Rechtegruppe::Kasse, {}, {}}, Gruppe{Rechtegruppe::Menu, {}, {}},
                Gruppe{Rechtegruppe::Verwaltung, {}, {}}} {
    setObjectName(QStringLiteral("frmKellnerKartei"));
    setWindowTitle(QStringLiteral("Kellnerkartei"));
    setModal(true);
    setStyleSheet(
        QStringLiteral("QWidget { font-size: 14pt; } "
                       "QCheckBox { min-height: 40px; font-size: 11pt; } "
                       "QCheckBox::indicator { width: 30px; height: 30px; } "
                       ".QPushButton { min-height: 60px; min-width: 180px; }"));

    auto* spalten = new QHBoxLayout;
    spalten->addWidget(persoenlicheDaten());
    if (mitRechten(modus)) {
        auto* reiter = new QTabWidget;
        reiter->setObjectName(QStringLiteral("SSTabRechte"));
        reiter->addTab(rechteseite(m_gruppen[0], kKasseTexte, QStringLiteral("CheckKasse")),
                       QStringLiteral("Kasse"));
        reiter->addTab(rechteseite(m_gruppen[1], kMenuTexte, QStringLiteral("CheckMENU")),
                       QStringLiteral("Menü"));
        reiter->addTab(
            rechteseite(m_gruppen[2], kVerwaltungTexte, QStringLiteral("CheckVerwaltung")),
            QStringLiteral("Verwaltung"));
        spalten->addWidget(reiter, 1);
    }

    auto* cmdSpeichern = new QPushButton(QStringLiteral("Speichern"));
    cmdSpeichern->setObjectName(QStringLiteral("cmdSpeichern"));
    auto* cmdAbbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    connect(cmdSpeichern, &QPushButton::clicked, this, &frmKellnerKartei::speichern);
    connect(cmdAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdSpeichern);
    knoepfe->addWidget(cmdAbbrechen);

    auto* aussen = new QVBoxLayout(this);
    aussen->addLayout(spalten, 1);
    aussen->addLayout(knoepfe);

    laden();
    // As large as the till's frame, so the long rights labels fit.
    Ueberdecken(this, eltern);
}

QWidget* frmKellnerKartei::persoenlicheDaten() {
    auto* rahmen = new QGroupBox(QStringLiteral("Personliche Daten"));
    rahmen->setMaximumWidth(520);
    auto* form = new QFormLayout(rahmen);
    txtVorname = feld("txtVorname");
    txtNachname = feld("txtNachname");
    txtStrasse = feld("txtStrasse");
    txtOrt = feld("txtOrt");
    txtLand = feld("txtLand");
    txtTelefon = feld("txtTelefon");
    txtMobil = feld("txtMobil");
    txtEmail = feld("txtEmail");
    txtPin1 = feld("txtPin1", true);
    txtPin2 = feld("txtPin2", true);
    txtVorname->setPlaceholderText(QStringLiteral("Vorname"));
    txtNachname->setPlaceholderText(QStringLiteral("Nachname"));
    form->addRow(QStringLiteral("Nachname/Vorname:"), nebeneinander(txtNachname, txtVorname));
    form->addRow(QStringLiteral("Ort / Straße:"), nebeneinander(txtOrt, txtStrasse));
    form->addRow(QStringLiteral("Land:"), MitTastatur(txtLand));
    form->addRow(QStringLiteral("Telefon:"), MitTastatur(txtTelefon));
    form->addRow(QStringLiteral("Mobil:"), MitTastatur(txtMobil));
    form->addRow(QStringLiteral("E-mail:"), MitTastatur(txtEmail));
    form->addRow(QStringLiteral("Pin 1:"), MitTastatur(txtPin1));
    form->addRow(QStringLiteral("Pin 2:"), MitTastatur(txtPin2));
    return rahmen;
}

QWidget* frmKellnerKartei::rechteseite(Gruppe& g, const QStringList& beschriftungen,
                                       const QString& name) {
    auto* seite = new QWidget;
    auto* liste = new QVBoxLayout(seite);
    g.reihe.assign(beschriftungen.size(), {});
    for (int i = 0; i < beschriftungen.size(); ++i) {
        auto* box = new QCheckBox(beschriftungen[i]);
        box->setObjectName(name + QString::number(i));
        connect(box, &QCheckBox::clicked, this, [this, &g, i] {
            KaestchenBeruehren(g.art, g.reihe, i);
            anzeigen(g);
        });
        g.boxen.push_back(box);
        liste->addWidget(box);
    }
    liste->addStretch();
    auto* rollen = new QScrollArea;
    rollen->setWidget(seite);
    rollen->setWidgetResizable(true);
    return rollen;
}

void frmKellnerKartei::laden() {
    Kartei kartei;
    if (!istNeu(m_modus)) Absichern(k, [&] { kartei = KarteiLaden(k.db, m_id); });
    txtVorname->setText(kartei.vorname);
    txtNachname->setText(kartei.nachname);
    txtStrasse->setText(kartei.strasse);
    txtOrt->setText(kartei.ort);
    txtLand->setText(kartei.land);
    txtTelefon->setText(kartei.telefon);
    txtMobil->setText(kartei.mobil);
    txtEmail->setText(kartei.email);
    txtPin1->setText(kartei.pin1);
    txtPin2->setText(kartei.pin2);
    for (Gruppe& g : m_gruppen) {
        const QStringList& schluessel = Rechteschluessel(g.art);
        for (std::size_t i = 0; i < g.reihe.size(); ++i)
            g.reihe[i].an = kartei.rechte.contains(schluessel[static_cast<int>(i)]);
        if (g.reihe.empty()) continue;
        KaestchenEinrichten(g.art, g.reihe);
        anzeigen(g);
    }
}

void frmKellnerKartei::anzeigen(Gruppe& g) {
    for (std::size_t i = 0; i < g.boxen.size(); ++i) {
        g.boxen[i]->setChecked(g.reihe[i].an);
        g.boxen[i]->setEnabled(g.reihe[i].aktiv);
    }
}

void frmKellnerKartei::speichern() {
    Kartei kartei{txtVorname->text(),
                  txtNachname->text(),
                  txtStrasse->text(),
                  txtOrt->text(),
                  txtLand->text(),
                  txtTelefon->text(),
                  txtMobil->text(),
                  txtEmail->text(),
                  txtPin1->text(),
                  txtPin2->text(),
                  {}};
    for (const Gruppe& g : m_gruppen)
        for (std::size_t i = 0; i < g.reihe.size(); ++i)
            if (g.reihe[i].an) kartei.rechte << Rechteschluessel(g.art)[static_cast<int>(i)];
    Absichern(k, [&] {
        if (KarteiSpeichern(k, m_modus, m_id, kartei)) accept();
    });
}
