#include "core/Zaehler.h"

#include "core/Datenbank.h"

namespace {

DbFehler fehlt(const QString& name) {
    return DbFehler(3021, QStringLiteral("Der Zähler '%1' fehlt in der Datenbank.").arg(name));
}

void schreiben(Datenbank& db, const QString& sql, const QString& name) {
    if (db.ausfuehren(sql, name) != 1) throw fehlt(name);
}

}  // namespace

std::int64_t ZaehlerWeiter(Datenbank& db, const QString& name) {
    schreiben(db, QStringLiteral("UPDATE Zaehler SET Wert = Wert + 1 WHERE Name = ?"), name);
    return ZaehlerStand(db, name);
}

std::int64_t ZaehlerStand(Datenbank& db, const QString& name) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Wert FROM Zaehler WHERE Name = ?"), name);
    if (!a.naechste()) throw fehlt(name);
    return a.zahl(0);
}

void ZaehlerSperren(Datenbank& db, const QString& name) {
    schreiben(db, QStringLiteral("UPDATE Zaehler SET Wert = Wert WHERE Name = ?"), name);
}

void ZaehlerZuruecksetzen(Datenbank& db, const QString& name) {
    schreiben(db, QStringLiteral("UPDATE Zaehler SET Wert = 0 WHERE Name = ?"), name);
}
