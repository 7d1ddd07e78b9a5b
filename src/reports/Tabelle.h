#pragma once

#include <QStringList>
#include <QVariantList>
#include <vector>

class Abfrage;

// Rows of a query for a grid: column names in their order, values as read
// (amounts in whole cents).
struct Tabelle {
    QStringList spalten;
    std::vector<QVariantList> zeilen;

    QVariant wert(int zeile, const QString& spalte) const {
        return zeilen.at(zeile).at(spalten.indexOf(spalte));
    }
};

Tabelle TabelleAus(Abfrage& abfrage);
