#pragma once

#include <QString>
#include <cstdint>
#include <map>

class Datenbank;

// The figures a confirmed action leaves behind: sums in cents of the open
// lines, the pending and the logged cancellations, the stored bills and the
// turnover of all time by payment type, plus the open sum of every table.
// Lines on a pay list count for the table they come from, so the figures do not
// change when a settlement moves lines there and back.
using Zustand = std::map<QString, std::int64_t>;

Zustand ZustandLesen(Datenbank& db);

// Adds to one figure; a table whose sum becomes zero drops out, as it does
// when read.
void Aendern(Zustand& z, const QString& schluessel, std::int64_t betrag);

// The key of a table's open sum.
QString Tischschluessel(const QString& station, const QString& tisch);

// The figures that differ, "name erwartet x, gefunden y", comma-separated.
QString ZustandUnterschied(const Zustand& soll, const Zustand& ist);

// One line of text, "name=wert;name=wert", and back.
QString ZustandText(const Zustand& z);
Zustand ZustandAusText(const QString& text);
