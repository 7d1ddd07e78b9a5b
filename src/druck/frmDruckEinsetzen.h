#pragma once

class Druckarbeiter;
class Druckerausgang;
class Kontext;
class MDIHauptmenu;
class frmLink;

// Puts the printers into the frame: the "Drucker" panel at the given
// administration position, the mark in the foot bar fed by the worker, and
// the job list behind the mark.
void DruckenEinsetzen(Kontext& k, MDIHauptmenu& hauptmenu, frmLink& link, int position,
                      const Druckerausgang& ausgang, Druckarbeiter& arbeiter);
