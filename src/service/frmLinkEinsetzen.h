#pragma once

class Kontext;
class MDIHauptmenu;
class frmLink;

// Puts the landing screen and the order screen into the main window's stack,
// with the hotel screen and the administration panels behind the landing
// screen's buttons, loads the landing screen and shows it. An opened table
// hands over to the order screen; leaving the table brings it back.
frmLink* LandeseiteEinsetzen(Kontext& k, MDIHauptmenu& hauptmenu);
