#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "support/Modal.h"

// Types the text on the screen keyboard the way a finger does: shift before a
// capital, the space bar for a space, Enter at the end.
inline void AufTastaturTippen(QWidget* tastatur, const QString& text) {
    const auto taste = [tastatur](const QString& beschriftung) {
        for (auto* t : tastatur->findChildren<QPushButton*>())
            if (t->text() == beschriftung) return QTest::mouseClick(t, Qt::LeftButton);
        ADD_FAILURE() << "no key " << beschriftung.toStdString();
    };
    for (const QChar z : text) {
        if (z == QLatin1Char(' ')) {
            taste(QStringLiteral("Leertaste"));
            continue;
        }
        if (z.isUpper()) taste(QStringLiteral("⇧"));
        taste(QString(z));
    }
    taste(QStringLiteral("Enter"));
}

// Touches the keyboard key beside the field and types the text there; answers
// whether the keyboard offered the digit pad alone.
inline bool DanebenTippen(QLineEdit* feld, const QString& text) {
    bool nurZiffern = false;
    ImModalFenster(feld, [&](QWidget* tastatur) {
        nurZiffern = tastatur->findChildren<QPushButton*>("cmdZeichen").isEmpty();
        AufTastaturTippen(tastatur, text);
    });
    QTest::mouseClick(feld->parentWidget()->findChild<QPushButton*>("cmdTastatur"), Qt::LeftButton);
    return nurZiffern;
}
