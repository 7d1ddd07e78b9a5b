#include "ui/widgets/Bildschirmtastatur.h"

#include <QAbstractSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputDevice>
#include <QLineEdit>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "ui/widgets/Fensterraum.h"
#include "ui/widgets/Touchtaste.h"
#include "ui/widgets/Ziffernblock.h"

namespace {

// The letters of a German keyboard, row by row; the first row's digits come from the pad.
const char* const kReihen[] = {"1234567890ß", "qwertzuiopü", "asdfghjklöä", "yxcvbnm,.-"};

bool ziffernfeld(const QLineEdit* feld) {
    return feld->property("ziffern").toBool() || feld->validator();
}

}  // namespace

Bildschirmtastatur::Bildschirmtastatur(const QString& text, bool nurZiffern, QWidget* eltern)
    : QDialog(eltern), m_feld(new QLineEdit(text, this)) {
    setObjectName(QStringLiteral("frmBildschirmtastatur"));
    setWindowTitle(QStringLiteral("Tastatur"));
    setModal(true);
    m_feld->setObjectName(QStringLiteral("txtTastatur"));
    m_feld->setReadOnly(true);
    m_feld->setFocusPolicy(Qt::NoFocus);
    m_feld->setMinimumHeight(56);
    m_feld->setStyleSheet(QStringLiteral("font-size: 24px;"));

    const auto taste = [this](const QString& beschriftung, const QString& name) {
        auto* t = new Touchtaste(beschriftung, this);
        t->setObjectName(name);
        t->setMinimumSize(56, 56);
        return t;
    };
    auto* tasten = new QGridLayout;
    tasten->setSpacing(6);
    Touchtaste* zurueck = taste(QStringLiteral("⌫"), QStringLiteral("cmdZurueck"));
    connect(zurueck, &QPushButton::clicked, this, [this] { m_feld->backspace(); });
    Touchtaste* enter = taste(QStringLiteral("Enter"), QStringLiteral("cmdEnter"));
    connect(enter, &QPushButton::clicked, this, &QDialog::accept);
    Touchtaste* abbrechen = taste(QStringLiteral("Abbrechen"), QStringLiteral("cmdAbbrechen"));
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    if (nurZiffern) {
        auto* block = new Ziffernblock(this);
        connect(block, &Ziffernblock::ziffer, this, [this](QChar z) { zeichen(z); });
        connect(block, &Ziffernblock::loeschen, m_feld, &QLineEdit::clear);
        tasten->addWidget(block, 0, 0, 1, 2);
        tasten->addWidget(zurueck, 1, 0, 1, 2);
        tasten->addWidget(abbrechen, 2, 0);
        tasten->addWidget(enter, 2, 1);
    } else {
        for (int r = 0; r < 4; ++r) {
            const QString reihe = QString::fromUtf8(kReihen[r]);
            for (int s = 0; s < reihe.size(); ++s) {
                Touchtaste* t = taste(reihe.mid(s, 1), QStringLiteral("cmdZeichen"));
                connect(t, &QPushButton::clicked, this, [this, t] { zeichen(t->text()); });
                tasten->addWidget(t, r, s + (r == 3 ? 1 : 0));
            }
        }
        m_umschalt = taste(QStringLiteral("⇧"), QStringLiteral("cmdUmschalt"));
        m_umschalt->setCheckable(true);
        connect(m_umschalt, &QPushButton::toggled, this, &Bildschirmtastatur::umschalten);
        tasten->addWidget(m_umschalt, 3, 0);
        Touchtaste* leer = taste(QStringLiteral("Leertaste"), QStringLiteral("cmdLeer"));
        connect(leer, &QPushButton::clicked, this, [this] { zeichen(QStringLiteral(" ")); });
        tasten->addWidget(zurueck, 0, 11);
        tasten->addWidget(abbrechen, 4, 0, 1, 2);
        tasten->addWidget(leer, 4, 2, 1, 7);
        tasten->addWidget(enter, 4, 9, 1, 3);
    }

    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(m_feld);
    spalte->addLayout(tasten, 1);
}

QString Bildschirmtastatur::text() const { return m_feld->text(); }

void Bildschirmtastatur::zeichen(const QString& z) {
    m_feld->insert(m_gross ? z.toUpper() : z);
    // Shift holds for one letter, as on a phone.
    if (m_umschalt) m_umschalt->setChecked(false);
}

void Bildschirmtastatur::umschalten(bool gross) {
    m_gross = gross;
    for (auto* t : findChildren<Touchtaste*>(QStringLiteral("cmdZeichen"))) {
        const QString z = t->text();
        // ß has no capital on a German keyboard.
        if (z != QStringLiteral("ß")) t->beschriften(gross ? z.toUpper() : z.toLower());
    }
}

void Bildschirmtastatur::bearbeiten(QLineEdit* feld) {
    Bildschirmtastatur tastatur(feld->text(), ziffernfeld(feld), feld->window());
    const QSize raum = Fensterraum(feld);
    tastatur.resize(raum.width(), raum.height() * 3 / 4);
    if (tastatur.exec() == QDialog::Accepted) {
        feld->setText(tastatur.text());
        Q_EMIT feld->editingFinished();
    }
}

QWidget* MitTastatur(QLineEdit* feld) {
    auto* zeile = new QWidget;
    auto* layout = new QHBoxLayout(zeile);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(feld, 1);
    auto* taste = new Touchtaste(QStringLiteral("⌨"));
    taste->setObjectName(QStringLiteral("cmdTastatur"));
    taste->setAccessibleName(QStringLiteral("Tastatur"));
    taste->setFixedSize(56, 48);
    QObject::connect(taste, &QPushButton::clicked, feld,
                     [feld] { Bildschirmtastatur::bearbeiten(feld); });
    layout->addWidget(taste);
    return zeile;
}

bool TastaturAngeschlossen() {
    if (qEnvironmentVariable("TAVRO_TASTATUR") == QStringLiteral("nein")) return false;
    for (const QInputDevice* geraet : QInputDevice::devices())
        if (geraet->type() == QInputDevice::DeviceType::Keyboard &&
            !geraet->name().contains(QStringLiteral("Virtual"), Qt::CaseInsensitive))
            return true;
    return false;
}

bool Tastaturhilfe::eventFilter(QObject* ziel, QEvent* ereignis) {
    if (ereignis->type() != QEvent::MouseButtonRelease) return false;
    auto* feld = qobject_cast<QLineEdit*>(ziel);
    // Date and number boxes are worked with their arrows.
    if (!feld || feld->isReadOnly() || !feld->isEnabled() ||
        qobject_cast<QAbstractSpinBox*>(feld->parentWidget()) || TastaturAngeschlossen())
        return false;
    Bildschirmtastatur::bearbeiten(feld);
    return true;
}
