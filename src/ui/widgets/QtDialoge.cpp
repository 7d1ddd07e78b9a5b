#include "ui/widgets/QtDialoge.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/DbFehler.h"
#include "druck/Druckrollen.h"
#include "service/frmTastenBasis.h"
#include "ui/bericht/Dokument.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Bildschirmtastatur.h"
#include "ui/widgets/Vorschau.h"

namespace {

QWidget* eltern() {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    return QApplication::activeWindow();
}

}  // namespace

void QtDialoge::meldung(const QString& text) {
    QMessageBox box(QMessageBox::Information, QApplication::applicationName(), text,
                    QMessageBox::Ok, eltern());
    box.exec();
}

void QtDialoge::fehler(const DbFehler& fehler) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), fehler.meldungstext(),
                    QMessageBox::Ok, eltern());
    box.exec();
}

bool QtDialoge::frage(const QString& text, const QString& titel) {
    QMessageBox box(QMessageBox::Question,
                    titel.isEmpty() ? QApplication::applicationName() : titel, text,
                    QMessageBox::Yes | QMessageBox::No, eltern());
    box.button(QMessageBox::Yes)->setText(QStringLiteral("Ja"));
    box.button(QMessageBox::No)->setText(QStringLiteral("Nein"));
    // Every question guards a change: Enter or Escape by mistake must not make it.
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtDialoge::zahlenblock(const QString& aufforderung) {
    return frmTastenBasis::fragen(eltern(), aufforderung);
}

std::optional<QString> QtDialoge::eingabe(const QString& aufforderung, const QString& titel,
                                          const QString& vorgabe) {
    QDialog box(eltern());
    box.setWindowTitle(titel);
    auto* feld = new QLineEdit(vorgabe);
    feld->setObjectName(QStringLiteral("txtEingabe"));
    feld->setMinimumHeight(48);
    QObject::connect(feld, &QLineEdit::returnPressed, &box, &QDialog::accept);
    QPushButton* ok = BeruehrKnopf(QStringLiteral("OK"), &box);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    QPushButton* abbrechen = BeruehrKnopf(QStringLiteral("Abbrechen"), &box);
    QObject::connect(abbrechen, &QPushButton::clicked, &box, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* spalte = new QVBoxLayout(&box);
    spalte->addWidget(new QLabel(aufforderung));
    spalte->addWidget(MitTastatur(feld));
    spalte->addLayout(knoepfe);
    if (box.exec() != QDialog::Accepted) return std::nullopt;
    return feld->text();
}

void QtDialoge::vorschau(const Dokument& dokument) {
    // What is shown before printing is a report, whoever made it.
    Dokument bericht = dokument;
    bericht.rolle = kRolleBerichte;
    VorschauZeigen(bericht, m_drucker, eltern());
}
