#include "ui/widgets/Beruehrstil.h"

#include <QApplication>
#include <QLabel>

#include "ui/widgets/Umbruchtaste.h"

QString Beruehrstil() {
    return QStringLiteral(R"(
QPushButton, QToolButton {
    padding: 4px 12px;
    border: 1px solid #8a9bb3; border-radius: 8px; background: #eef2f7; color: #1b2a44;
}
/* Only plain buttons: the till's own keys set their sizes in code, and a style
   minimum would override those when polished and push key rows off the screen. */
.QPushButton, QToolButton { min-height: 56px; min-width: 72px; }
QPushButton:pressed, QToolButton:pressed { background: #3d5a80; color: #ffffff; }
QPushButton:disabled { color: #9aa4b2; background: #f4f5f7; }
QLineEdit, QComboBox, QDateEdit, QSpinBox { min-height: 44px; padding: 2px 8px; }
QRadioButton, QCheckBox { min-height: 44px; spacing: 12px; }
QRadioButton::indicator, QCheckBox::indicator { width: 32px; height: 32px; }
QScrollBar:vertical { width: 44px; }
QScrollBar:horizontal { height: 44px; }
QComboBox::drop-down { width: 44px; }
QDateEdit::up-button, QDateEdit::down-button, QSpinBox::up-button, QSpinBox::down-button {
    width: 44px; }
frmAnmeldung, frmPin2, frmTastenBasis { background: #f4f1ea; border: 2px solid #3d5a80; }
frmAnmeldung *, frmPin2 *, frmTastenBasis * { font-size: 20px; }
QMenu { font-size: 22px; }
QMenu::item { padding: 14px 40px 14px 24px; }
QMenu::item:selected { background: #3d5a80; color: #ffffff; }
)");
}

void BeruehrAussehenSetzen() {
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 14));
    qApp->setStyleSheet(Beruehrstil());
}

QPushButton* BeruehrKnopf(const QString& text, QWidget* eltern) {
    auto* knopf = new Umbruchtaste(text, eltern);
    knopf->setFocusPolicy(Qt::NoFocus);
    knopf->setAutoDefault(false);
    knopf->setDefault(false);
    knopf->setMinimumSize(88, 64);
    return knopf;
}

QLabel* VerwaltungsTitel(QWidget* panel, const QString& titel) {
    const QString name = QStringLiteral("lbl") + titel;
    panel->setStyleSheet(QStringLiteral("QWidget { font-size: 15pt; } "
                                        "#%1 { font-size: 20pt; font-weight: bold; }")
                             .arg(name));
    auto* label = new QLabel(titel);
    label->setObjectName(name);
    return label;
}
