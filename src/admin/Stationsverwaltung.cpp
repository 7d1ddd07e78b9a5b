#include "admin/Stationsverwaltung.h"

#include <algorithm>

#include "core/Datenbank.h"

std::vector<Stationseintrag> ListeFuelen(Datenbank& db) {
    Abfrage a =
        db.abfrage(QStringLiteral("SELECT Station, abger_Tagesumsatz FROM Stationen ORDER BY ID"));
    std::vector<Stationseintrag> liste;
    while (a.naechste()) {
        Stationseintrag e{a.text(0), std::nullopt};
        if (!a.istNull(1)) e.tagesumsatz = a.geld(1);
        liste.push_back(e);
    }
    return liste;
}

bool TabellePicTischSpeichern(Datenbank& db, const QString& station, const Tischposition& tisch) {
    Transaktion t(db);
    const int geaendert = db.ausfuehren(
        QStringLiteral("UPDATE TabellePicTisch SET Oben = ?, Links = ?, Hoehe = ?, Breite = ? "
                       "WHERE Name = ? AND Station = ?"),
        tisch.oben, tisch.links, tisch.hoehe, tisch.breite, tisch.name, station);
    t.bestaetigen();
    return geaendert > 0;
}

Kachelgriff GriffAn(const QSize& groesse, const QPoint& punkt) {
    if (punkt.x() >= groesse.width() - kGriffbreite) return Kachelgriff::Breite;
    if (punkt.y() >= groesse.height() - kGriffbreite) return Kachelgriff::Hoehe;
    return Kachelgriff::Verschieben;
}

QRect KachelBewegt(const QRect& kachel, Kachelgriff griff, const QPoint& versatz,
                   const QPoint& punkt, const QSize& boden) {
    QRect r = kachel;
    switch (griff) {
        case Kachelgriff::Verschieben:
            r.moveTopLeft(punkt - versatz);
            r.moveLeft(std::clamp(r.left(), 0, std::max(0, boden.width() - r.width())));
            r.moveTop(std::clamp(r.top(), 0, std::max(0, boden.height() - r.height())));
            break;
        case Kachelgriff::Breite:
            r.setWidth(std::clamp(punkt.x() - r.left(), kMindestgroesse,
                                  std::max(kMindestgroesse, boden.width() - r.left())));
            break;
        case Kachelgriff::Hoehe:
            r.setHeight(std::clamp(punkt.y() - r.top(), kMindestgroesse,
                                   std::max(kMindestgroesse, boden.height() - r.top())));
            break;
    }
    return r;
}
