#pragma once

#include <QString>

class QPushButton;
class QVBoxLayout;
class QWidget;

// A key large enough for a finger, with its control name.
QPushButton* GrosseTaste(const QString& name, const QString& text, QWidget* eltern);

// The column of move keys between two lists of the settlement and transfer windows.
struct Umbuchtasten {
    QPushButton* allesNachRechts;
    QPushButton* nurMarkierungNachRechts;
    QPushButton* nurMarkierungNachLinks;
    QPushButton* allesNachLinks;
    QVBoxLayout* spalte;
};
Umbuchtasten UmbuchtastenAnlegen(QWidget* eltern);
