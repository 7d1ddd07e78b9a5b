#pragma once

class Kontext;

// What runs behind the main window's report entries. Each checks the logged-in
// staff member's right first (refusal: the rights message) and covers the
// current business day.

// "Kassen&bericht Drucken": daily totals, then the till report.
void mnuKassenbericht(Kontext& k);
// "&Kellnerbericht Drucken": daily totals, then the own waiter report.
void mnuKellnerbericht(Kontext& k);
// "Kassen&abschluss": after a question, waiter report of everybody; once its preview is closed the
// totals are folded and the bills deleted, a backup is written; then the till report.
void mnuKassenabschluss(Kontext& k);
// "&Journal exportieren": with the closing's right, asks the folder and the
// business days (today's by default) and writes the journal's CSV files.
void mnuJournalExport(Kontext& k);
