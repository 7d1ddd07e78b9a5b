#pragma once

#include <QDialog>

#include "service/Tischzeilen.h"

class Kontext;
class Postenliste;

// The transfer window "Umbuchen": the current table on the left, the checked
// destination on the right; every move is written at once.
class frmTischUmbuchen : public QDialog {
    Q_OBJECT
public:
    frmTischUmbuchen(Kontext& k, const Tischort& ziel, QWidget* eltern = nullptr);

private:
    void aktualisieren();
    void umbuchen(bool alles, Postenliste* liste, const Tischort& von, const Tischort& nach);

    Kontext& m_k;
    Tischort m_tisch;
    Tischort m_ziel;
    Postenliste* m_links;
    Postenliste* m_rechts;
};

// Asks the destination and, when it passes the checks, opens the transfer
// window modally. The current table stays the open table.
void TischUmbuchenZeigen(Kontext& k, QWidget* eltern);
