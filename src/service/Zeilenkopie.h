#pragma once

#include <QString>
#include <cstdint>

class Datenbank;

// Copies rows between OffeneTische, StornosTemporaer and Stornos column by
// position over the tables' real columns, every column but the key (the first).
// Built once per routine so a loop over many rows reads the layouts only once.
class Zeilenkopie {
public:
    Zeilenkopie(Datenbank& db, const QString& quelle, const QString& ziel);

    // A new row in the target holding the source row's values; answers its ID.
    std::int64_t neu(std::int64_t quellId);
    // Overwrites an existing target row with the source row's values.
    void ueber(std::int64_t quellId, std::int64_t zielId);

private:
    Datenbank& m_db;
    QString m_einfuegen;
    QString m_ueberschreiben;
};
