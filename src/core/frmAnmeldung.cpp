#include "core/frmAnmeldung.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/Anmeldung.h"
#include "core/Kontext.h"
#include "core/MDIHauptmenu.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Ziffernblock.h"

frmAnmeldung::frmAnmeldung(Kontext& k, QWidget* eltern) : QDialog(eltern), m_k(k) {
    setObjectName(QStringLiteral("frmAnmeldung"));
    // The title is not shown (no caption); it names the window for the desktop.
    setWindowTitle(QStringLiteral("Anmeldung"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setModal(true);

    auto* beschriftung = new QLabel(QStringLiteral("Kellnerschlüssel:"), this);
    beschriftung->setObjectName(QStringLiteral("lblKellnerschluessel"));
    m_pin = new QLineEdit(this);
    m_pin->setObjectName(QStringLiteral("txtPin"));
    m_pin->setEchoMode(QLineEdit::Password);
    m_pin->setAlignment(Qt::AlignCenter);
    connect(m_pin, &QLineEdit::returnPressed, this, &frmAnmeldung::prueffePin);

    auto* block = new Ziffernblock(this);
    block->anschliessen(m_pin);

    auto* anmelden = BeruehrKnopf(QStringLiteral("Anmelden"), this);
    anmelden->setObjectName(QStringLiteral("cmdAnmelden"));
    connect(anmelden, &QPushButton::clicked, this, &frmAnmeldung::prueffePin);
    auto* beenden = BeruehrKnopf(QStringLiteral("Beenden"), this);
    beenden->setObjectName(QStringLiteral("cmdBeenden"));
    connect(beenden, &QPushButton::clicked, this, &frmAnmeldung::reject);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(beenden);
    knoepfe->addWidget(anmelden, 2);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(32, 32, 32, 32);
    spalte->setSpacing(16);
    spalte->addWidget(beschriftung);
    spalte->addWidget(m_pin);
    spalte->addWidget(block);
    spalte->addLayout(knoepfe);
    m_pin->setFocus();
}

void frmAnmeldung::prueffePin() {
    try {
        switch (KellnerPinAbfrage(m_k, m_pin->text())) {
            case Anmeldeergebnis::Angemeldet:
                accept();
                break;
            case Anmeldeergebnis::PinFalsch:
            case Anmeldeergebnis::Warten:
                m_pin->clear();
                break;
            case Anmeldeergebnis::Gesperrt:
                break;
        }
    } catch (const DbFehler& f) {
        m_k.dialoge.fehler(f);
        m_pin->clear();
    }
    m_pin->setFocus();
}

void frmAnmeldung::keyPressEvent(QKeyEvent* ereignis) {
    // Escape must not end the till by accident; only "Beenden" closes the login.
    if (ereignis->key() == Qt::Key_Escape) return;
    QDialog::keyPressEvent(ereignis);
}

bool AnmeldungZeigen(Kontext& k, QWidget* eltern) {
    auto* hauptmenu = eltern ? qobject_cast<MDIHauptmenu*>(eltern->window()) : nullptr;
    if (hauptmenu) hauptmenu->kellnerLeeren();
    frmAnmeldung anmeldung(k, eltern);
    const bool angemeldet = anmeldung.exec() == QDialog::Accepted;
    if (!angemeldet) {
        QCoreApplication::quit();
        return false;
    }
    if (hauptmenu) hauptmenu->kellnerAnzeigen();
    return true;
}
