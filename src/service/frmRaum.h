#pragma once

#include <QWidget>
#include <vector>

#include "service/Raumdaten.h"

class Kontext;
class QLabel;
class QLineEdit;
class QPushButton;
class QSvgRenderer;
class TischKachel;

// The floor view: the current station's floor picture with one tile per table.
// A table opens by touching its tile or by typing its name on the numeric keypad
// and pressing Enter; after the access checks the order screen takes over.
// While it is on screen, the markers follow what other tills do.
class frmRaum : public QWidget {
    Q_OBJECT
  public:
    explicit frmRaum(Kontext& k, QWidget* eltern = nullptr);

    // Floor picture from the program's folder (e.g. "image/Gastraum.svg"); an
    // empty name or a missing file leaves the floor without a picture.
    void setzeBild(const QString& datei);

    // Replaces the tiles by those of the station and marks the occupied ones.
    void TischeLaden(const QString& station);
    // Marks the tiles of the current station's tables that have open lines.
    void BesetzteTische();
    // Opens the current table when the current waiter may.
    void Tischoeffne();

    const std::vector<TischKachel*>& kacheln() const { return m_kacheln; }

  Q_SIGNALS:
    // The current table passed the checks; the order screen takes over.
    void tischGeoeffnet();

  protected:
    void showEvent(QShowEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

  private:
    void anordnen();
    void FensterZustanddefinieren();
    bool tasteGedrueckt(int taste, Qt::KeyboardModifiers modifikatoren);
    void tischAuswahlOeffnen();
    void kellnerWechseln();

    Kontext& k;
    QWidget* m_flaeche;
    QLabel* m_bild;
    QLineEdit* m_auswahl;
    QPushButton* m_kellner;
    QSvgRenderer* m_marker;
    QSvgRenderer* m_bilddatei;
    std::vector<TischKachel*> m_kacheln;
    std::vector<Tischposition> m_plaetze;  // stored places, one per tile
};
