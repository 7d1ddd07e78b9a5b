#include "service/Raumdaten.h"

#include "core/Datenbank.h"

namespace {

QStringList ersteSpalte(Abfrage a) {
    QStringList liste;
    while (a.naechste()) liste << a.text(0);
    return liste;
}

}  // namespace

QStringList StationenLesen(Datenbank& db) {
    return ersteSpalte(db.abfrage(QStringLiteral("SELECT Station FROM Stationen ORDER BY ID")));
}

QStringList VerwaltungLesen(Datenbank& db) {
    return ersteSpalte(db.abfrage(QStringLiteral("SELECT Verwaltung FROM Verwaltung ORDER BY ID")));
}

std::vector<Tischposition> TischeLesen(Datenbank& db, const QString& station) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Name, Oben, Links, Breite, Hoehe FROM "
                                          "TabellePicTisch WHERE Station = ? ORDER BY ID"),
                           station);
    std::vector<Tischposition> tische;
    while (a.naechste()) {
        tische.push_back({a.text(0), static_cast<int>(a.zahl(1)), static_cast<int>(a.zahl(2)),
                          static_cast<int>(a.zahl(3)), static_cast<int>(a.zahl(4))});
    }
    return tische;
}

QSet<QString> BesetzteTischeLesen(Datenbank& db, const QString& station) {
    const QStringList namen = ersteSpalte(db.abfrage(
        QStringLiteral("SELECT DISTINCT t.Name FROM TabellePicTisch t WHERE t.Station = ? AND "
                       "EXISTS (SELECT 1 FROM OffeneTische o WHERE o.Tisch = t.Name)"),
        station));
    return QSet<QString>(namen.begin(), namen.end());
}
