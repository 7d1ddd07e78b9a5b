#pragma once

#include <QWidget>

class Kontext;
class QAction;
class QMenu;
class QPushButton;
class QTreeWidgetItem;
class frmkarteAuswahl;

// The catalogue panel: product groups under "Getränke" and "Speise", the
// articles of the group chosen, and the menus to add, edit and delete both.
class frmSpeisekarte : public QWidget {
    Q_OBJECT
  public:
    explicit frmSpeisekarte(Kontext& k, QWidget* eltern = nullptr);

    // Rebuilds the tree; chooses the group of that name when it is there.
    void Warengruppe(const QString& auswahl = QString());
    void Artikelgruppe(const QString& wg);

    void neueWarengruppe();
    void warengruppeBearbeiten();
    void warengruppeLoeschen();
    void neuesGericht();
    void gerichtBearbeiten();
    void gerichtLoeschen();

  protected:
    void showEvent(QShowEvent* ereignis) override;

  private:
    QString gewaehlteGruppe() const;  // empty on a main group or none
    QString hauptgruppe() const;
    QString gewaehlterArtikel() const;
    void zustandZeigen();

    Kontext& k;
    frmkarteAuswahl* m_karte;
    QMenu* mnuWarengruppen;
    QMenu* mnuGericht;
    QAction *mnuWarengruppeBearbeiten, *mnuWarengruppeLoeschen, *mnuNeuesGericht,
        *mnuGerichtBearbeiten, *mnuGerichtLoeschen;
    QPushButton *cmdWarengruppeBearbeiten, *cmdWarengruppeLoeschen, *cmdNeuesGericht,
        *cmdGerichtBearbeiten, *cmdGerichtLoeschen;
};
