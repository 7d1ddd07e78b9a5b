#pragma once

class Dokument;
class QPainter;
class QPagedPaintDevice;

// Draws one page of a document; the painter's device is in millimetres scaled
// by the caller (see DokumentAusgeben).
void SeiteZeichnen(const Dokument& dokument, int seite, QPainter& maler);

// Draws every page on a paged device (PDF writer or printer), starting new
// pages as needed. Throws DbFehler when the device cannot be painted on.
void DokumentAusgeben(const Dokument& dokument, QPagedPaintDevice& geraet);
