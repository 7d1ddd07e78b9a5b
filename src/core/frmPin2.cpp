#include "core/frmPin2.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Anmeldung.h"
#include "core/Kontext.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Ziffernblock.h"

frmPin2::frmPin2(Kontext& k, QWidget* eltern) : QDialog(eltern), m_k(k) {
    setObjectName(QStringLiteral("frmPin2"));
    setWindowTitle(QStringLiteral("Pin 2"));
    setModal(true);

    auto* beschriftung = new QLabel(QStringLiteral("PIN 2:"), this);
    m_pin2 = new QLineEdit(this);
    m_pin2->setObjectName(QStringLiteral("txtPin2"));
    m_pin2->setEchoMode(QLineEdit::Password);
    m_pin2->setAlignment(Qt::AlignCenter);
    connect(m_pin2, &QLineEdit::returnPressed, this, &frmPin2::pin2Auswerten);

    auto* block = new Ziffernblock(this);
    block->anschliessen(m_pin2);

    auto* ok = BeruehrKnopf(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("cmdOk"));
    connect(ok, &QPushButton::clicked, this, &frmPin2::pin2Auswerten);
    auto* abbrechen = BeruehrKnopf(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    connect(abbrechen, &QPushButton::clicked, this, &frmPin2::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    auto* spalte = new QVBoxLayout(this);
    spalte->setSpacing(12);
    spalte->addWidget(beschriftung);
    spalte->addWidget(m_pin2);
    spalte->addWidget(block);
    spalte->addLayout(knoepfe);
    m_pin2->setFocus();
}

void frmPin2::pin2Auswerten() {
    try {
        if (Pin2Abfrage(m_k, m_pin2->text())) {
            accept();
            return;
        }
    } catch (const DbFehler& f) {
        m_k.dialoge.fehler(f);
    }
    m_pin2->clear();
    m_pin2->setFocus();
}

bool Pin2Fragen(Kontext& k, QWidget* eltern) {
    frmPin2 fenster(k, eltern);
    return fenster.exec() == QDialog::Accepted;
}
