#include "druck/Druckrollen.h"

#include "admin/Druckerwahl.h"
#include "core/Datenbank.h"

namespace {

bool gleich(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

QString RolleDes(const QString& dokumentrolle) {
    return dokumentrolle.isEmpty() ? kRolleKassenbon : dokumentrolle;
}

QStringList DruckrollenLesen(Datenbank& db) {
    QStringList rollen;
    // Compared here rather than in SQL: SQLite folds the case of ASCII letters only.
    Abfrage a = db.abfrage(QStringLiteral(
        "SELECT Bondrucker FROM Warengruppe UNION ALL SELECT Bondrucker FROM Artikelgruppe"));
    while (a.naechste()) {
        const QString rolle = a.text(0).trimmed();
        if (rolle.isEmpty() || gleich(rolle, kKeinDrucker)) continue;
        if (std::none_of(rollen.cbegin(), rollen.cend(),
                         [&](const QString& r) { return gleich(r, rolle); }))
            rollen << rolle;
    }
    return rollen << kRolleKassenbon << kRolleBerichte;
}

QString GewaehlterDrucker(Datenbank& db, const QString& rolle) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT Rolle, Drucker FROM Druckerzuordnung"));
    while (a.naechste())
        if (gleich(a.text(0), rolle)) return a.text(1);
    return QString();
}

void DruckerZuordnen(Datenbank& db, const QString& rolle, const QString& drucker) {
    Transaktion t(db);
    QStringList alt;
    {
        Abfrage a = db.abfrage(QStringLiteral("SELECT Rolle FROM Druckerzuordnung"));
        while (a.naechste())
            if (gleich(a.text(0), rolle)) alt << a.text(0);
    }
    for (const QString& r : alt)
        db.ausfuehren(QStringLiteral("DELETE FROM Druckerzuordnung WHERE Rolle = ?"), r);
    db.ausfuehren(QStringLiteral("INSERT INTO Druckerzuordnung (Rolle, Drucker) VALUES (?, ?)"),
                  rolle, drucker);
    t.bestaetigen();
}
