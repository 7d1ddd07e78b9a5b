#pragma once

#include <QString>

class Kontext;

inline const QString kKeineHotelabrechnung =
    QStringLiteral("Es ist noch keine Hotelabrechnung gespeichert.");

// Shows the newest stored hotel bill in the preview, from which it is printed.
void BerichtHotelAbrechnung(Kontext& k);
