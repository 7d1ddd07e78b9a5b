#pragma once

class Kontext;

// "DSFinV-K-Export" of the reports menu (which asks the second PIN before it
// opens): with the closing's right, asks the first and last business day and
// the folder (a new one beside the database by default), writes the export
// and says what it wrote or why it wrote nothing.
void DsfinvkExportFragen(Kontext& k);
