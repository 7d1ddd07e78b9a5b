#include "hotel/Gaeste.h"

#include "core/Kontext.h"
#include "hotel/Hotelabrechnung.h"

namespace {

bool zimmerBekannt(Kontext& k, int zimmerNr) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT COUNT(*) FROM Hotelpreisliste WHERE ZimmerNr = ?"), zimmerNr);
    a.naechste();
    return a.zahl(0) > 0;
}

const QString kHausgast = QStringLiteral(
    "SELECT ID, ZimmerNr, Gast, Anreise, Abreise FROM Aufenthalte WHERE Status = ? ");

Hausgast hausgast(const Abfrage& a) {
    return {a.zahl(0), static_cast<int>(a.zahl(1)), a.text(2), a.datum(3), a.datum(4)};
}

QString ablehnung(Kontext& k, const Anreisedaten& d) {
    if (!zimmerBekannt(k, d.zimmerNr)) return ZimmerUnbekannt(d.zimmerNr);
    if (d.gast.trimmed().isEmpty()) return kGastFehlt;
    if (d.abreise < d.anreise) return kAbreiseVorAnreise;
    if (d.preis.preis.istNull() || !d.preis.fruehstueck) return kPreisFehlt;
    if (d.preis.preis < Geld() || *d.preis.fruehstueck < Geld()) return kNegativ;
    if (*d.preis.fruehstueck > d.preis.preis) return kFruehstueckZuTeuer;
    Abfrage belegt =
        k.db.abfrage(kHausgast + QStringLiteral("AND ZimmerNr = ?"), kImHaus, d.zimmerNr);
    if (belegt.naechste()) return ZimmerBelegt(d.zimmerNr);
    return QString();
}

}  // namespace

QString ZimmerUnbekannt(int zimmerNr) {
    return QStringLiteral("Zimmer %1 gibt es nicht.").arg(zimmerNr);
}

QString ZimmerBelegt(int zimmerNr) { return QStringLiteral("Zimmer %1 ist belegt.").arg(zimmerNr); }

std::optional<std::int64_t> Anreise(Kontext& k, const Anreisedaten& d) {
    Transaktion t(k.db);
    if (const QString text = ablehnung(k, d); !text.isEmpty()) {
        k.dialoge.meldung(text);
        return std::nullopt;
    }
    const auto steuern = HotelSteuersaetze(k);
    if (!steuern) {
        k.dialoge.meldung(kHotelSteuersatzFehlt);
        return std::nullopt;
    }
    k.db.ausfuehren(
        QStringLiteral("INSERT INTO Aufenthalte (ZimmerNr, Zimmerart, Zimmerleistung, Gast, "
                       "Adresse, Anreise, Abreise, Zimmerpreis, Fruehstueckpreis, "
                       "MwStUebernachtung, MwStFruehstueck, Status, Mitarbeiter) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
        d.zimmerNr, d.zimmerArt, d.zimmerleistung, d.gast.trimmed(), d.adresse.trimmed(), d.anreise,
        d.abreise, d.preis.preis, *d.preis.fruehstueck, steuern->first, steuern->second, kImHaus,
        k.werte.kellner);
    const std::int64_t id = k.db.letzteId();
    t.bestaetigen();
    return id;
}

std::vector<Hausgast> ZimmerImHaus(Kontext& k) {
    std::vector<Hausgast> liste;
    for (Abfrage a = k.db.abfrage(kHausgast + QStringLiteral("ORDER BY ZimmerNr"), kImHaus);
         a.naechste();)
        liste.push_back(hausgast(a));
    return liste;
}

std::optional<Hausgast> GastImZimmer(Kontext& k, int zimmerNr) {
    Abfrage a = k.db.abfrage(kHausgast + QStringLiteral("AND ZimmerNr = ?"), kImHaus, zimmerNr);
    if (a.naechste()) return hausgast(a);
    QString text;
    if (!zimmerBekannt(k, zimmerNr)) {
        text = ZimmerUnbekannt(zimmerNr);
    } else {
        Abfrage frueher = k.db.abfrage(
            QStringLiteral("SELECT Gast FROM Aufenthalte WHERE ZimmerNr = ? AND Status = ? "
                           "ORDER BY ID DESC LIMIT 1"),
            zimmerNr, kAbgereist);
        text = frueher.naechste()
                   ? QStringLiteral("Der Gast %1 aus Zimmer %2 ist bereits abgereist.")
                         .arg(frueher.text(0))
                         .arg(zimmerNr)
                   : QStringLiteral("Zimmer %1 ist frei: dort wohnt kein Gast.").arg(zimmerNr);
    }
    k.dialoge.meldung(text + QStringLiteral(" Die Rechnung kann nicht auf das Zimmer gebucht "
                                            "werden."));
    return std::nullopt;
}
