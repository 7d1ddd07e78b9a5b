#include "admin/widgets/Formular.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>

#include "ui/widgets/Bildschirmtastatur.h"
#include "ui/widgets/Touchtaste.h"

QLineEdit* Formularfeld(QFormLayout* form, const QString& beschriftung, const char* name) {
    auto* feld = new QLineEdit;
    feld->setObjectName(QString::fromLatin1(name));
    feld->setMinimumHeight(48);
    form->addRow(beschriftung, MitTastatur(feld));
    return feld;
}

QComboBox* Formularwahl(QFormLayout* form, const QString& beschriftung, const char* name) {
    auto* wahl = new QComboBox;
    wahl->setObjectName(QString::fromLatin1(name));
    wahl->setMinimumHeight(48);
    form->addRow(beschriftung, wahl);
    return wahl;
}

QPushButton* Formulartaste(QLayout* reihe, const QString& text, const char* name) {
    auto* taste = new Touchtaste(text);
    taste->setObjectName(QString::fromLatin1(name));
    taste->setMinimumSize(160, 64);
    reihe->addWidget(taste);
    return taste;
}

void WahlSetzen(QComboBox* wahl, const QString& text) {
    if (wahl->findText(text) < 0) wahl->addItem(text);
    wahl->setCurrentText(text);
}
