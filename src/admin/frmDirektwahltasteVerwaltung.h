#pragma once

#include <QWidget>
#include <cstdint>

class Kontext;
class QMenu;
class QTableWidget;
class QVBoxLayout;

// The quick-key layout panel: the column of main keys and the article keys of
// the main key chosen, five to a row, with their menus and editors.
class frmDirektwahltasteVerwaltung : public QWidget {
    Q_OBJECT
  public:
    explicit frmDirektwahltasteVerwaltung(Kontext& k, QWidget* eltern = nullptr);

    // Rebuilds the main keys; shows the one of that text, else the first.
    void HaupttastenAktualliseren(const QString& auswahl = QString());
    void WahltastenAktualisieren();

    void wahltasteBearbeiten(int zeile, int spalte);
    void ArtikelTasteLoeschen(int zeile, int spalte);
    void HintergrundfarbeAuswaehlen(int zeile, int spalte);
    void haupttasteBearbeiten();
    void Hauptastenentfernen();
    void HauptastenNeu();

  protected:
    void showEvent(QShowEvent* ereignis) override;

  private:
    void haupttasteWaehlen(std::int64_t id, const QString& wg);
    std::int64_t reihenId(int zeile) const;

    Kontext& k;
    std::int64_t m_id = 0;  // the current main key
    QString m_wg;
    QVBoxLayout* m_haupttasten;
    QTableWidget* grdWahltasten;
    QMenu* mnuHaupttasten;
    QMenu* mnuWahltasten;
};
