#pragma once

#include <QString>

class Kontext;
class MDIHauptmenu;

// Adds the bill overview, the two reports, the till closing, the exports and the backup to
// the main window's pop-up menu.
void BerichtsmenuEinrichten(MDIHauptmenu& hauptmenu, Kontext& k);

// Adds "Schlüssel erneuern" and "Notfallblatt drucken" for the key file at
// `schluesselpfad`.
void SchluesselmenuEinrichten(MDIHauptmenu& hauptmenu, Kontext& k, const QString& schluesselpfad);
