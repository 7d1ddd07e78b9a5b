#pragma once

#include "ui/bericht/Berichtslayout.h"

class Kontext;

// The paper the manager's reports are laid out on: A4 sheets, unless the
// printer of the role "Berichte" prints on a roll; then the receipt roll.
enum class Papier { A4, Rolle };
Papier Berichtspapier(Kontext& k);

// An A4 report laid onto the roll: places across in proportion, heights as
// they are, fonts smaller, one endless page.
Berichtslayout AufRolle(const Berichtslayout& a4);
