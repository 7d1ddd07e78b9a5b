#include "core/Einstellungen.h"

#include "core/Datenbank.h"

std::optional<QString> EinstellungLesen(Datenbank& db, const QString& name) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Wert FROM Einstellungen WHERE Name = ?"), name);
    if (a.naechste() && !a.text(0).trimmed().isEmpty()) return a.text(0).trimmed();
    return std::nullopt;
}

void EinstellungSchreiben(Datenbank& db, const QString& name, const QString& wert) {
    Transaktion t(db);
    db.ausfuehren(QStringLiteral("DELETE FROM Einstellungen WHERE Name = ?"), name);
    db.ausfuehren(QStringLiteral("INSERT INTO Einstellungen (Name, Wert) VALUES (?, ?)"), name,
                  wert.trimmed());
    t.bestaetigen();
}
