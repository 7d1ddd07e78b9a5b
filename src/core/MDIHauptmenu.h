#pragma once

#include <QWidget>

class Datenbank;
class Kontext;
class QAction;
class QHBoxLayout;
class QLabel;
class QMenu;
class QStackedWidget;
class QTimer;
class QToolButton;

// The full-screen frame of every screen: the screens share the stack above the
// foot bar, which shows the waiter, the clock, the date and the menu button.
class MDIHauptmenu : public QWidget {
    Q_OBJECT
  public:
    explicit MDIHauptmenu(Kontext& k, QWidget* eltern = nullptr);

    // Covers the whole screen; the window has no frame, so it cannot be moved
    // or resized.
    void vollbildZeigen();
    // Takes exactly this area and keeps it: no screen shown inside can make the
    // frame grow past it, they shrink or scroll instead.
    void flaecheEinnehmen(const QRect& flaeche);

    QStackedWidget* inhalt() const { return m_inhalt; }
    void menuKnopfZeigen(bool sichtbar);
    // Places a mark (the printers') in the foot bar, left of the date.
    void leistenmarkeEinfuegen(QWidget* marke);
    void kellnerAnzeigen();
    void kellnerLeeren();
    // Checks the journal of the database file in the background; a journal
    // found changed (or not readable) is a warning that stays in the foot bar.
    void journalPruefen(const Datenbank& db);

    // The pop-up menu behind the menu button. Its sections, in order: the bill
    // overview, the reports and the till closing, and "Kasse schließen".
    QMenu* menu() const { return m_menu; }
    // Adds an entry at the end of section 1 (overview) or 2 (reports, closing).
    void menuEintragEinfuegen(int abschnitt, QAction* eintrag);

    // Touch on the menu button: the lock "MENUSPERRE" refuses at once, else a
    // fresh second PIN opens the menu just above the button.
    void menuKnopfGedrueckt();

  private:
    void uhrzeitZeigen();
    void warnungZeigen(const QString& text);

    Kontext& m_k;
    QStackedWidget* m_inhalt;
    QHBoxLayout* m_leiste;
    QLabel* m_kellner;
    QLabel* m_warnung;
    QLabel* m_zeit;
    QLabel* m_datum;
    QToolButton* m_menuKnopf;
    QMenu* m_menu;
    QAction* m_trenner[2];
    QTimer* m_uhr;
};

inline const QString kMenuGesperrt =
    QStringLiteral("Sie haben nicht die nötigen Rechte, um auf die Menuleiste zuzugreifen");
