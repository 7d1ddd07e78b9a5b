#pragma once

#include <QDate>
#include <QString>
#include <optional>
#include <utility>

class Kontext;

// The business days an export covers, as typed (JJJJ-MM-TT). A date that is no
// date or a range the wrong way round leaves a German message and no dates.
struct Exportzeitraum {
    QDate von, bis;
    QString fehler;
};
Exportzeitraum ExportzeitraumLesen(const QString& von, const QString& bis);

// Asks the first and the last business day of an export (today's by default);
// nullopt when either question is cancelled. Answers the texts as typed.
std::optional<std::pair<QString, QString>> ZeitraumFragen(Kontext& k, const QString& titel);
