#pragma once

#include <QString>

class Kontext;

// Writes a backup into the backup folder and says how it went. A failure is
// shown ("Datensicherung fehlgeschlagen: " and the reason) and never thrown:
// what ran before the backup, such as a till closing, stays done. Success is
// shown only when `erfolgMelden`. Answers whether a sound copy was written.
// A server is backed up by its administrator: nothing is written; asked for
// explicitly (`erfolgMelden`), that is said and the answer is false.
bool DatensicherungDurchfuehren(Kontext& k, bool erfolgMelden);

// The manager's menu entry "Datensicherung": needs the right "Kassenabschluss",
// shows the folder (to be changed, e.g. to a USB stick) and writes a backup there.
void mnuDatensicherung(Kontext& k);

inline const QString kSicherungFehlgeschlagen = QStringLiteral("Datensicherung fehlgeschlagen: ");
inline const QString kSicherungGespeichert = QStringLiteral("Datensicherung gespeichert: ");
inline const QString kSicherungsordnerFrage = QStringLiteral("Ordner für die Datensicherung:");
