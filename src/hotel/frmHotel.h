#pragma once

#include <QWidget>

#include "hotel/Gaeste.h"
#include "hotel/Hotelabrechnung.h"
#include "hotel/Hotelpreise.h"

class Kontext;
class frmGaeste;
class QButtonGroup;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;

// The hotel screen: prices a room stay from the room price list, stores it as a
// hotel bill and shows the bill in the preview; checks guests in and out. It takes the place of the
// floor view when the hotel station is chosen.
class frmHotel : public QWidget {
    Q_OBJECT

  public:
    explicit frmHotel(Kontext& k, QWidget* eltern = nullptr);

  public Q_SLOTS:
    // The heading shows the station the screen was chosen for; a screen closed
    // before shows again.
    void setzeUeberschrift(const QString& station);
    // A fresh stay: yesterday to today, one room, one night, the default room.
    void oeffnen();

  protected:
    void showEvent(QShowEvent* ereignis) override;

  private:
    void anzeigen(const Hotelansicht& ansicht);
    void zeigeAuswahl(QComboBox* feld, const Auswahl& auswahl);
    void zeigePreis(const Zimmerpreis& preis);
    void zimmerNrGewaehlt();
    void zimmerArtGewaehlt();
    void leistungGewaehlt();
    void datumGeaendert();
    void zahlfeldVerlassen(QLineEdit* feld, Zahlfeld art);
    void gesamtpreisZeigen();
    Hotelaufenthalt aufenthalt() const;
    Anreisedaten anreisedaten() const;
    void drucken();
    void schliessen();

    Kontext& m_k;
    QLabel* m_kopf;
    QDateEdit* m_anreise;
    QDateEdit* m_abreise;
    QComboBox* m_zimmerNr;
    QComboBox* m_zimmerArt;
    QComboBox* m_leistung;
    QLineEdit* m_anzahl;
    QLineEdit* m_naechte;
    QLineEdit* m_zimmerpreis;
    QLineEdit* m_fruehstueck;
    QLineEdit* m_gesamt;
    QButtonGroup* m_zahlungsart;
    frmGaeste* m_gaeste;
};
