#include "absturz/Zustand.h"

#include <QStringList>

#include "core/Datenbank.h"

namespace {

const char* const kSummen[][2] = {
    {"offen", "SELECT COALESCE(SUM(GPREIS), 0) FROM OffeneTische"},
    {"neu", "SELECT COALESCE(SUM(GPREIS), 0) FROM OffeneTische WHERE TischDetails = 'Neu'"},
    {"vorgemerkt", "SELECT COALESCE(SUM(GPREIS), 0) FROM StornosTemporaer"},
    {"storniert", "SELECT COALESCE(SUM(GPREIS), 0) FROM Stornos"},
    {"rechnungen", "SELECT COUNT(*) FROM Rechnungsuebersicht"},
    {"umsatz",
     "SELECT (SELECT COALESCE(SUM(Gesamt), 0) FROM Rechnungsuebersicht) + "
     "(SELECT COALESCE(SUM(Gesamt), 0) FROM Abschlussumsaetze)"},
    {"bar",
     "SELECT (SELECT COALESCE(SUM(BAR), 0) FROM Rechnungsuebersicht) + "
     "(SELECT COALESCE(SUM(BAR), 0) FROM Abschlussumsaetze)"},
    {"karte",
     "SELECT (SELECT COALESCE(SUM(KARTE), 0) FROM Rechnungsuebersicht) + "
     "(SELECT COALESCE(SUM(KARTE), 0) FROM Abschlussumsaetze)"},
    {"gutschein",
     "SELECT (SELECT COALESCE(SUM(GUTSCHEIN), 0) FROM Rechnungsuebersicht) + "
     "(SELECT COALESCE(SUM(GUTSCHEIN), 0) FROM Abschlussumsaetze)"},
};

}  // namespace

QString Tischschluessel(const QString& station, const QString& tisch) {
    return QStringLiteral("Tisch ") + station + QLatin1Char('/') + tisch;
}

Zustand ZustandLesen(Datenbank& db) {
    Zustand z;
    for (const auto& [name, sql] : kSummen) {
        Abfrage a = db.abfrage(QString::fromUtf8(sql));
        a.naechste();
        z[QString::fromUtf8(name)] = a.zahl(0);
    }
    Abfrage tische = db.abfrage(
        QStringLiteral("SELECT Station, COALESCE(NULLIF(Herkunft, ''), Tisch) AS Ort, SUM(GPREIS) "
                       "FROM OffeneTische GROUP BY Station, Ort HAVING SUM(GPREIS) <> 0"));
    while (tische.naechste()) z[Tischschluessel(tische.text(0), tische.text(1))] = tische.zahl(2);
    return z;
}

void Aendern(Zustand& z, const QString& schluessel, std::int64_t betrag) {
    const std::int64_t neu = (z[schluessel] += betrag);
    if (neu == 0 && schluessel.startsWith(QStringLiteral("Tisch "))) z.erase(schluessel);
}

QString ZustandText(const Zustand& z) {
    QStringList teile;
    for (const auto& [name, wert] : z) teile << name + QLatin1Char('=') + QString::number(wert);
    return teile.join(QLatin1Char(';'));
}

Zustand ZustandAusText(const QString& text) {
    Zustand z;
    for (const QString& teil : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype gleich = teil.lastIndexOf(QLatin1Char('='));
        z[teil.left(gleich)] = teil.mid(gleich + 1).toLongLong();
    }
    return z;
}

QString ZustandUnterschied(const Zustand& soll, const Zustand& ist) {
    QStringList teile;
    Zustand alle = soll;
    alle.insert(ist.begin(), ist.end());
    for (const auto& [name, _] : alle) {
        const auto s = soll.find(name);
        const auto i = ist.find(name);
        const std::int64_t sw = s == soll.end() ? 0 : s->second;
        const std::int64_t iw = i == ist.end() ? 0 : i->second;
        if (sw != iw)
            teile << QStringLiteral("%1 erwartet %2, gefunden %3").arg(name).arg(sw).arg(iw);
    }
    return teile.join(QStringLiteral(", "));
}
