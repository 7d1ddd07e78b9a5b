#pragma once

#include <QDate>

// Keeps a pair of date pickers a valid range after one of them changed: no date
// after today, and the untouched picker follows so that von <= bis.
inline void DatumsbereichAnpassen(QDate& von, QDate& bis, bool vonGeaendert, const QDate& heute) {
    QDate& geaendert = vonGeaendert ? von : bis;
    if (geaendert > heute) geaendert = heute;
    if (von > bis) (vonGeaendert ? bis : von) = geaendert;
}
