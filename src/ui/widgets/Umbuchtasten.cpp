#include "ui/widgets/Umbuchtasten.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "ui/widgets/Beruehrstil.h"

QPushButton* GrosseTaste(const QString& name, const QString& text, QWidget* eltern) {
    // No key is the dialog's default: Enter must never settle or move by accident.
    QPushButton* t = BeruehrKnopf(text, eltern);
    t->setObjectName(name);
    t->setMinimumSize(96, 64);
    QFont f = t->font();
    f.setPointSize(15);
    f.setBold(true);
    t->setFont(f);
    return t;
}

Umbuchtasten UmbuchtastenAnlegen(QWidget* eltern) {
    Umbuchtasten t{
        GrosseTaste(QStringLiteral("cmdAllesNachRechts"), QStringLiteral(">>"), eltern),
        GrosseTaste(QStringLiteral("cmdNurMarkierungNachRechts"), QStringLiteral(">"), eltern),
        GrosseTaste(QStringLiteral("cmdNurMarkierungNachLinks"), QStringLiteral("<"), eltern),
        GrosseTaste(QStringLiteral("cmdAllesNachLinks"), QStringLiteral("<<"), eltern),
        new QVBoxLayout,
    };
    t.spalte->addStretch();
    for (QPushButton* taste : {t.allesNachRechts, t.nurMarkierungNachRechts,
                               t.nurMarkierungNachLinks, t.allesNachLinks})
        t.spalte->addWidget(taste);
    t.spalte->addStretch();
    return t;
}
