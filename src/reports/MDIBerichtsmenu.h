#pragma once

class Kontext;
class MDIHauptmenu;

// Adds the bill overview, the two reports and the till closing to the main
// window's pop-up menu.
void BerichtsmenuEinrichten(MDIHauptmenu& hauptmenu, Kontext& k);
