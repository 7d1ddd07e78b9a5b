#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The look of the till for a finger on a touch screen: large keys and a key
// that visibly darkens while it is touched. Set once on the application.
QString Beruehrstil();

// Gives the application the till's font and touch look.
void BeruehrAussehenSetzen();

// A key that never takes the keyboard focus and is never the default button,
// so Enter and the digits typed keep going to the window's own handling.
QPushButton* BeruehrKnopf(const QString& text, QWidget* eltern);

// Gives a back-office panel its type size and answers its heading `titel`
// (object name "lbl" + titel), to be put at the panel's top.
QLabel* VerwaltungsTitel(QWidget* panel, const QString& titel);
