#pragma once

#include <QMap>
#include <QWidget>
#include <vector>

class Kontext;
class QLabel;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;
class frmRaum;

// The landing screen: a column with the sections "Stationen" and "Verwaltung"
// and their buttons, and beside it the floor view, the hotel screen or an
// administration panel.
class frmLink : public QWidget {
    Q_OBJECT
  public:
    explicit frmLink(Kontext& k, QWidget* eltern = nullptr);

    // Start-up: station and administration buttons, then the first station's
    // tiles on the floor view with the dining-room picture.
    void laden();
    void StationenLaden();
    void VerwaltungLaden();

    // The administration panel of a position (1..6) and the hotel screen; the
    // screen takes ownership and shows one of them at a time in the same place.
    void setzePanel(int position, QWidget* panel);
    void setzeHotel(QWidget* hotel);

    frmRaum* raum() const { return m_raum; }

  Q_SIGNALS:
    // The hotel screen is shown for this station: its heading shows the name.
    void hotelUeberschrift(const QString& station);

  protected:
    bool eventFilter(QObject* ziel, QEvent* ereignis) override;

  private:
    void stationenZeigen();
    void verwaltungZeigen();
    void stationGewaehlt(int position, const QString& station);
    void verwaltungGewaehlt(int position);
    void abschnittHervorheben(bool stationen);
    void bereichZeigen(QWidget* seite);
    QPushButton* linkKnopf(const QString& name, const QString& text, QVBoxLayout* spalte);
    template <typename Handlung>
    void geschuetzt(Handlung handlung);

    Kontext& k;
    QLabel* m_linkStationen;
    QLabel* m_linkVerwaltung;
    QVBoxLayout* m_stationsspalte;
    QVBoxLayout* m_verwaltungsspalte;
    std::vector<QPushButton*> m_stationen;
    std::vector<QPushButton*> m_verwaltung;
    QStackedWidget* m_bereich;
    QWidget* m_leer;
    frmRaum* m_raum;
    QWidget* m_hotel = nullptr;
    QMap<int, QWidget*> m_panels;
};
