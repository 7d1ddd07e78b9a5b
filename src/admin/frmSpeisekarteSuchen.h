#pragma once

#include <QDialog>

class Kontext;
class QLineEdit;
class frmkarteAuswahl;

// Picks an article for a quick key: the menu card by group, or the articles
// whose number or name equals the search text. Accepted on "Übernehmen".
class frmSpeisekarteSuchen : public QDialog {
    Q_OBJECT
  public:
    explicit frmSpeisekarteSuchen(Kontext& k, QWidget* eltern = nullptr);

    void Artikelgruppesuchen(const QString& suchtext);

    QString plu() const { return m_plu; }
    QString gericht() const { return m_gericht; }

  private:
    void uebernehmen();

    Kontext& k;
    frmkarteAuswahl* m_karte;
    QLineEdit* txtSuchen;
    QString m_plu, m_gericht;
};
