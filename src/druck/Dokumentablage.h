#pragma once

#include <QByteArray>

class Dokument;

// A print job is kept as its rendered document, every element with its place,
// font and text, so it prints the same after a restart whatever changed in
// the catalogue or the layouts meanwhile.
QByteArray DokumentAblegen(const Dokument& dokument);
// Reads a kept document; damaged text throws DbFehler.
Dokument DokumentLesen(const QByteArray& abgelegt);

// Marks a job printed once more because its first print may or may not have
// come out: "Wiederholung" heads the first page, above everything else.
void AlsWiederholung(Dokument& dokument);
