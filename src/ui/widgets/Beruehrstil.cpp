#include "ui/widgets/Beruehrstil.h"

#include <QPushButton>

QString Beruehrstil() {
    return QStringLiteral(R"(
QPushButton, QToolButton {
    min-height: 56px; min-width: 72px; padding: 4px 12px;
    border: 1px solid #8a9bb3; border-radius: 8px; background: #eef2f7; color: #1b2a44;
}
QPushButton:pressed, QToolButton:pressed { background: #3d5a80; color: #ffffff; }
QPushButton:disabled { color: #9aa4b2; background: #f4f5f7; }
QLineEdit { min-height: 44px; padding: 2px 8px; }
frmAnmeldung, frmPin2, frmTastenBasis { background: #f4f1ea; border: 2px solid #3d5a80; }
QMenu { font-size: 22px; }
QMenu::item { padding: 14px 40px 14px 24px; }
QMenu::item:selected { background: #3d5a80; color: #ffffff; }
)");
}

QPushButton* BeruehrKnopf(const QString& text, QWidget* eltern) {
    auto* knopf = new QPushButton(text, eltern);
    knopf->setFocusPolicy(Qt::NoFocus);
    knopf->setAutoDefault(false);
    knopf->setDefault(false);
    knopf->setMinimumSize(88, 64);
    return knopf;
}
