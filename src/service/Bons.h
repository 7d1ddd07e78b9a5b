#pragma once

#include <QString>

class Kontext;

// The printer roles of a line; stored spellings vary in case ("ThekenDrucker").
inline const QString kThekendrucker = QStringLiteral("Thekendrucker");
inline const QString kKuechendrucker = QStringLiteral("Küchendrucker");

// Prints the new lines of the open table a send takes (kSendeBedingung: the
// current waiter's lines of no course, or the held lines of `gang`) that
// belong to the printer role, on that role's printer: the bar ticket for the
// bar role, the kitchen ticket otherwise, titled as given ("Thekenbon",
// "Küchenbon") and headed by the course when one is called. Prints nothing
// when there are none. Changes no data; a printer failure throws DbFehler.
void TischNeuesGericht(Kontext& k, const QString& rolle, const QString& titel,
                       const QString& gang = QString());

// Prints the open table's pending cancellations of the printer role ("Storno-Theke",
// "Storno-Küche"), quantities negative and amounts positive. Prints nothing when
// there are none.
void Stornozettel(Kontext& k, const QString& rolle, const QString& titel);
