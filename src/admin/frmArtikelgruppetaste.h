#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "service/Schnellwahltasten.h"

class Kontext;
class QLineEdit;

// "Wahltaste": one article key of a main key, with a look-up of the article
// by its number or through the menu search. Modal; accepted once saved.
class frmArtikelgruppetaste : public QDialog {
    Q_OBJECT
  public:
    frmArtikelgruppetaste(Kontext& k, const QString& haupttaste, std::int64_t reihe, int spalte,
                          const Artikeltaste& taste, QWidget* eltern = nullptr);

  private:
    void PLUDatenbankAbfrage();
    void uebernehmen();
    void suchen();
    void HintergrundfarbeAuswaehlen();
    void farbeZeigen();
    void loeschen();
    void Datenbankaktualisieren();

    Kontext& k;
    std::int64_t m_reihe;
    int m_spalte;
    std::optional<unsigned> m_farbe;
    QLineEdit *txtHaupttaste, *txtPLU, *txtWahltaste, *txtFarbe, *txtSuchPLU, *txtGericht;
};
