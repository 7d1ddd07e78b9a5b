#pragma once

class Dokument;
class Druckziel;
class QWidget;

// Shows a document modally in the preview window; its print button sends the
// document to the given printer. Returns when the preview closes.
void VorschauZeigen(const Dokument& dokument, Druckziel& drucker, QWidget* eltern);
