#pragma once

#include <QWidget>

class Kontext;
class QGridLayout;
class QVBoxLayout;

// Quick keys of the order screen: a column of main keys and, for the main key
// touched, its article keys five to a row.
class frmSchnellwahltaste : public QWidget {
    Q_OBJECT
  public:
    explicit frmSchnellwahltaste(Kontext& k, QWidget* eltern = nullptr);

    // Reads the main keys afresh and shows the article keys of the first one.
    void laden();
    void haupttasteZeigen(const QString& wg);

  Q_SIGNALS:
    void artikelGewaehlt(const QString& plu);

  private:
    void artikeltasteGedrueckt(std::int64_t reihe, int spalte);

    Kontext& m_k;
    QVBoxLayout* m_haupttasten;
    QGridLayout* m_artikeltasten;
};
