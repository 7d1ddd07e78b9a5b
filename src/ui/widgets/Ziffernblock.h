#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

// Large digit keys for a finger: 7 8 9 / 4 5 6 / 1 2 3 / C 0. The keys are the
// control array cmdTasten (property "index": the digit, 10 for "C"). They never
// take the keyboard focus, so typing keeps going to the window's own field.
class Ziffernblock : public QWidget {
    Q_OBJECT
  public:
    explicit Ziffernblock(QWidget* eltern = nullptr);

    // Digits go into the field, "C" empties it.
    void anschliessen(QLineEdit* feld);

    // The key with this index (0-9 digits, 10 "C").
    QPushButton* taste(int index) const;

  Q_SIGNALS:
    void ziffer(QChar ziffer);
    void loeschen();

  private:
    QPushButton* m_tasten[11] = {};
};
