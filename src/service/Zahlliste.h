#pragma once

class Kontext;

// Puts every line left on the pay list back on the table it comes from, as a
// settlement that was never finished leaves them (the program ended while the
// settlement window was open). Run at start-up and when settlement opens.
void ZahllisteZurueckbuchen(Kontext& k);
