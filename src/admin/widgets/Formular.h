#pragma once

#include <QString>

class QComboBox;
class QFormLayout;
class QLayout;
class QLineEdit;
class QPushButton;

// Building blocks of the catalogue and key forms, sized for a finger.
QLineEdit* Formularfeld(QFormLayout* form, const QString& beschriftung, const char* name);
QComboBox* Formularwahl(QFormLayout* form, const QString& beschriftung, const char* name);
// A key of the form's bottom row; answers it for connecting.
QPushButton* Formulartaste(QLayout* reihe, const QString& text, const char* name);
// Chooses the entry with that text, adding it when the list lacks it (a station
// whose printer was removed stays visible rather than silently replaced).
void WahlSetzen(QComboBox* wahl, const QString& text);
