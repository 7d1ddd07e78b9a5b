#pragma once

#include <functional>

class Kontext;

// "DSFinV-K-Export" of the reports menu: with the closing's right and a fresh
// second PIN (`pin2Fragen`), asks the first and last business day and the
// folder (a new one beside the database by default), writes the export and
// says what it wrote or why it wrote nothing.
void DsfinvkExportFragen(Kontext& k, const std::function<bool()>& pin2Fragen);
