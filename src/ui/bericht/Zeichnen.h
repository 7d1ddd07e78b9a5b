#pragma once

class Dokument;
class QPainter;
class QPagedPaintDevice;

// Draws one page of a document. Millimetres become device units by the device's
// resolution; the painter's origin is the top-left corner of the printable area.
void SeiteZeichnen(const Dokument& dokument, int seite, QPainter& maler);

// Sets the device's page to the document's size and draws every page on it (PDF
// writer or printer), starting new pages as needed. Throws DbFehler when the
// device cannot be painted on.
void DokumentAusgeben(const Dokument& dokument, QPagedPaintDevice& geraet);
