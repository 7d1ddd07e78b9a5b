#include "admin/frmHaupttaste.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "admin/widgets/Formular.h"
#include "admin/Tastenverwaltung.h"
#include "ui/Absichern.h"

frmHaupttaste::frmHaupttaste(Kontext& k, std::int64_t id, QWidget* eltern)
    : QDialog(eltern), k(k), m_id(id) {
    setObjectName(QStringLiteral("frmHaupttaste"));
    setWindowTitle(QStringLiteral("Hauptaste"));
    setStyleSheet(QStringLiteral("QWidget { font-size: 15pt; }"));
    setMinimumWidth(560);
    auto* form = new QFormLayout(this);
    txtHaupttaste = Formularfeld(form, QStringLiteral("Text der Haupttaste"), "txtHaupttaste");
    txtReihe = Formularfeld(form, QStringLiteral("Reihe"), "txtReihe");
    auto* tasten = new QHBoxLayout;
    tasten->addStretch();
    connect(Formulartaste(tasten, QStringLiteral("Speichern"), "cmdSpeichern"),
            &QPushButton::clicked, this, &frmHaupttaste::speichern);
    connect(Formulartaste(tasten, QStringLiteral("Beenden"), "cmdBeenden"), &QPushButton::clicked,
            this, &QDialog::reject);
    form->addRow(tasten);
    Absichern(k, [&] {
        if (const auto platz = HaupttasteLesen(k, m_id)) {
            txtHaupttaste->setText(platz->wg);
            txtReihe->setText(QString::number(platz->tastenreihe));
        }
    });
}

QString frmHaupttaste::haupttaste() const { return txtHaupttaste->text().trimmed(); }

void frmHaupttaste::speichern() {
    bool gespeichert = false;
    Absichern(k, [&] {
        gespeichert = HauptasteSpeichern(k, m_id, txtHaupttaste->text(), txtReihe->text());
    });
    if (gespeichert) accept();
}
