#pragma once

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <map>

#include "core/Datenbank.h"

// Reads the journal as tests look at it.
struct Journalzeile {
    std::int64_t nr = 0;
    QString art;
    int zNr = 0;
    QString regNr;  // empty when none
    QJsonObject inhalt;

    // A value of the content by a path of keys and array positions: "Zeilen/0/Menge".
    QJsonValue wert(const QString& pfad) const {
        QJsonValue v = inhalt;
        for (const QString& teil : pfad.split(QLatin1Char('/'))) {
            bool zahl = false;
            const int i = teil.toInt(&zahl);
            v = zahl ? v.toArray().at(i) : v.toObject().value(teil);
        }
        return v;
    }
};

inline std::vector<Journalzeile> JournalLesen(Datenbank& db, const QString& art = QString()) {
    std::vector<Journalzeile> zeilen;
    Abfrage a = db.abfrage(QStringLiteral("SELECT Nr, Art, ZNr, RegNr, Inhalt FROM Journal "
                                          "WHERE ? = '' OR Art = ? ORDER BY Nr"),
                           art, art);
    while (a.naechste())
        zeilen.push_back({a.zahl(0), a.text(1), static_cast<int>(a.zahl(2)), a.text(3),
                          QJsonDocument::fromJson(a.text(4).toUtf8()).object()});
    return zeilen;
}

// How many entries of each kind.
inline std::map<QString, int> JournalArten(Datenbank& db) {
    std::map<QString, int> arten;
    for (const Journalzeile& z : JournalLesen(db)) ++arten[z.art];
    return arten;
}
