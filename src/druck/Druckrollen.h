#pragma once

#include <QString>
#include <QStringList>

class Datenbank;

// Roles of the till's own documents, beside the ticket roles of the catalogue.
inline const QString kRolleKassenbon = QStringLiteral("Kassenbon");  // receipts, invoices
inline const QString kRolleBerichte = QStringLiteral("Berichte");

// The printer choice besides the CUPS queues and "kein Drucker".
inline const QString kPdfOrdner = QStringLiteral("PDF-Ordner");

// The role a document prints on: its own, else the receipt role.
QString RolleDes(const QString& dokumentrolle);

// Every ticket role of the catalogue (articles and groups, one entry per
// spelling without regard to case, "kein Drucker" left out), then
// "Kassenbon" and "Berichte".
QStringList DruckrollenLesen(Datenbank& db);

// The printer chosen for a role (compared without regard to case); empty when
// none was chosen, so the role prints on the default.
QString GewaehlterDrucker(Datenbank& db, const QString& rolle);

// Stores the choice of a role: a CUPS queue, "PDF-Ordner" or "kein Drucker".
void DruckerZuordnen(Datenbank& db, const QString& rolle, const QString& drucker);
