#pragma once

class Kontext;
class MDIHauptmenu;
class frmLink;

// Puts the landing screen and the order screen into the main window's stack,
// loads the landing screen and shows it. An opened table hands over to the
// order screen; leaving the table brings the landing screen back.
frmLink* LandeseiteEinsetzen(Kontext& k, MDIHauptmenu& hauptmenu);
