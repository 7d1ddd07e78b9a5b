#include "hotel/Hotelpreise.h"

#include "core/Kontext.h"

namespace {

const QString kPreisliste = QStringLiteral("Hotelpreisliste");
// The price list's leading columns (room number, room type and two more) are no services.
constexpr int kErsteLeistung = 4;

QStringList leistungen(Datenbank& db) { return db.spalten(kPreisliste).mid(kErsteLeistung); }

// Shows the wanted entry when the list has it (other than the empty entry).
void waehle(Auswahl& auswahl, const QString& gewuenscht) {
    const int stelle = auswahl.eintraege.indexOf(gewuenscht, 1);
    if (!gewuenscht.isEmpty() && stelle > 0) auswahl.gewaehlt = stelle;
}

}  // namespace

Auswahl ComboZimmerNrFuellen(Kontext& k) {
    Auswahl zimmer;
    Abfrage a = k.db.abfrage(QStringLiteral(
        "SELECT ZimmerNr FROM Hotelpreisliste WHERE ZimmerNr IS NOT NULL GROUP BY ZimmerNr "
        "ORDER BY ZimmerNr"));
    while (a.naechste()) zimmer.eintraege << QString::number(a.zahl(0));
    if (!zimmer.eintraege.isEmpty()) zimmer.gewaehlt = 0;
    return zimmer;
}

Auswahl ComboZimmerArtFuellen(Kontext& k, int zimmerNr) {
    Auswahl arten{{QString()}, 0};
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT Zimmerart FROM Hotelpreisliste WHERE ZimmerNr = ? ORDER BY ID"),
        zimmerNr);
    while (a.naechste()) arten.eintraege << a.text(0);
    if (arten.eintraege.size() > 1) arten.gewaehlt = 1;
    return arten;
}

Auswahl ComboZimmerLeistungFuellen(Kontext& k) {
    Auswahl liste{QStringList{QString()} + leistungen(k.db), 0};
    liste.gewaehlt = std::min<int>(2, liste.eintraege.size() - 1);
    return liste;
}

Zimmerpreis ZimmerPreisAbfragen(Kontext& k, int zimmerNr, const QString& zimmerArt,
                                const QString& zimmerleistung) {
    if (zimmerleistung.isEmpty()) return {};
    // The service names a column: only the price columns may be asked for.
    if (!leistungen(k.db).contains(zimmerleistung))
        throw DbFehler(3265, QStringLiteral("Die Zimmerleistung '%1' gibt es in der "
                                            "Hotelpreisliste nicht.")
                                 .arg(zimmerleistung));
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT %1, %2 FROM Hotelpreisliste "
                       "WHERE ZimmerNr = ? AND Zimmerart = ? ORDER BY ID")
            .arg(Datenbank::bezeichner(zimmerleistung), Datenbank::bezeichner(kNurUebernachtung)),
        zimmerNr, zimmerArt);
    if (!a.naechste() || a.istNull(0)) return {};
    Zimmerpreis preis{a.geld(0), std::nullopt};
    if (!a.istNull(1)) preis.fruehstueck = preis.preis - a.geld(1);
    return preis;
}

Hotelansicht AnsichtAktualisieren(Kontext& k, const QDate& anreise, const QDate& abreise,
                                  int zimmerNr, const QString& zimmerArt,
                                  const QString& zimmerleistung) {
    Hotelansicht ansicht;
    ansicht.uebernachtungen = static_cast<int>(anreise.daysTo(abreise));
    ansicht.zimmerNr = ComboZimmerNrFuellen(k);
    const int gesucht = ansicht.zimmerNr.eintraege.indexOf(QString::number(zimmerNr));
    if (gesucht >= 0) ansicht.zimmerNr.gewaehlt = gesucht;
    if (ansicht.zimmerNr.gewaehlt < 0) return ansicht;

    const int nr = ansicht.zimmerNr.text().toInt();
    ansicht.zimmerArt = ComboZimmerArtFuellen(k, nr);
    waehle(ansicht.zimmerArt, zimmerArt);
    ansicht.zimmerleistung = ComboZimmerLeistungFuellen(k);
    waehle(ansicht.zimmerleistung, zimmerleistung);
    ansicht.preis =
        ZimmerPreisAbfragen(k, nr, ansicht.zimmerArt.text(), ansicht.zimmerleistung.text());
    return ansicht;
}
