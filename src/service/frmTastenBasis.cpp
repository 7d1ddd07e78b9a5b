#include "service/frmTastenBasis.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Dialoge.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Fenstertasten.h"
#include "ui/widgets/Ziffernblock.h"

frmTastenBasis::frmTastenBasis(QWidget* eltern) : QDialog(eltern), m_ergebnis(kAbbrechen) {
    setObjectName(QStringLiteral("frmTastenBasis"));
    setWindowTitle(QStringLiteral("TastenBasis"));
    setModal(true);

    m_aufforderung = new QLabel(this);
    m_aufforderung->setObjectName(QStringLiteral("lblAufforderung"));
    m_aufforderung->setWordWrap(true);
    // The field is written by the keys only, never typed into directly.
    m_feld = new QLineEdit(this);
    m_feld->setObjectName(QStringLiteral("txtFeld"));
    m_feld->setReadOnly(true);
    m_feld->setFocusPolicy(Qt::NoFocus);
    m_feld->setAlignment(Qt::AlignRight);

    auto* block = new Ziffernblock(this);
    block->anschliessen(m_feld);

    auto* ok = BeruehrKnopf(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    connect(ok, &QPushButton::clicked, this, &frmTastenBasis::okGedrueckt);
    auto* abbrechen = BeruehrKnopf(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    connect(abbrechen, &QPushButton::clicked, this, &frmTastenBasis::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(m_aufforderung);
    spalte->addWidget(m_feld);
    spalte->addWidget(block);
    spalte->addLayout(knoepfe);
    setFocusPolicy(Qt::StrongFocus);
    new Fenstertasten(this, [this](QKeyEvent* taste) { return tasteGedrueckt(taste); });
}

void frmTastenBasis::setzeAufforderung(const QString& aufforderung) {
    m_aufforderung->setText(aufforderung);
}

QString frmTastenBasis::fragen(QWidget* eltern, const QString& aufforderung) {
    frmTastenBasis pad(eltern);
    pad.setzeAufforderung(aufforderung);
    pad.exec();
    return pad.ergebnis();
}

void frmTastenBasis::okGedrueckt() {
    if (m_feld->text().isEmpty()) return;  // nothing typed yet: the pad stays
    beenden(m_feld->text());
}

void frmTastenBasis::beenden(const QString& ergebnis) {
    m_ergebnis = ergebnis;
    accept();
}

void frmTastenBasis::reject() {
    m_ergebnis = kAbbrechen;
    QDialog::reject();
}

bool frmTastenBasis::tasteGedrueckt(const QKeyEvent* ereignis) {
    const int taste = ereignis->key();
    if (taste >= Qt::Key_0 && taste <= Qt::Key_9)
        m_feld->insert(QChar(u'0' + (taste - Qt::Key_0)));
    else if (taste == Qt::Key_Delete)
        m_feld->clear();
    else if (taste == Qt::Key_Return || taste == Qt::Key_Enter)
        beenden(m_feld->text());
    else if (taste == Qt::Key_Escape)
        reject();
    // Every other key is swallowed.
    return true;
}
