#include "hotel/BerichtHotelAbrechnung.h"

#include <QCoreApplication>
#include <QDir>

#include "core/Kontext.h"
#include "hotel/ReportHotelabrechnung.h"
#include "ui/bericht/Dokument.h"

namespace {

// The net part of a gross column, as printed: rounded only here.
QString netto(const Datenzeile& zeile, const QString& brutto, int prozent) {
    return Geld::text(Geld::netto(Geld(zeile.value(brutto).toLongLong()), prozent),
                      QStringLiteral("####0.00"));
}

}  // namespace

void BerichtHotelAbrechnung(Kontext& k) {
    Transaktion t(k.db);
    Abfrage a = k.db.abfrage(QStringLiteral(
        "SELECT Anreise, Abreise, TextUerbernachtungen, TextFruehstueck, "
        "[ZimmerEPÜ] AS [ZimmerEPÜBrutto], [ZimmerGPÜ] AS [ZimmerGPÜBrutto], "
        "ZimmerEPF AS ZimmerEPFBrutto, ZimmerGPF AS ZimmerGPFBrutto, Gesamt AS SummeGesamt "
        "FROM AbrechnungHotel WHERE ID = (SELECT max(ID) FROM AbrechnungHotel)"));
    Berichtsdaten daten = BerichtsdatenAus(a);
    if (daten.empty()) {
        k.dialoge.meldung(kKeineHotelabrechnung);
        return;
    }
    Datenzeile& zeile = daten.front();
    zeile.insert(QStringLiteral("ZimmerGPÜNetto"),
                 netto(zeile, QStringLiteral("ZimmerGPÜBrutto"), 19));
    zeile.insert(QStringLiteral("ZimmerGPFNetto"),
                 netto(zeile, QStringLiteral("ZimmerGPFBrutto"), 7));

    Abfrage betrieb = k.db.abfrage(QStringLiteral("SELECT Name, Adresszeile FROM Betrieb LIMIT 1"));
    const bool mitBetrieb = betrieb.naechste();
    const QString name = mitBetrieb ? betrieb.text(0) : QString();
    const QString adresse = mitBetrieb ? betrieb.text(1) : QString();
    t.bestaetigen();

    Berichtslayout layout =
        ReportHotelabrechnung(QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("Logos/Logo_Lokal.svg")));
    layout.setzeText(kKopf, QStringLiteral("lblName"), name);
    layout.setzeText(kKopf, QStringLiteral("lblAdresse"), adresse);
    layout.setzeText(kKopf, QStringLiteral("lblDatum"),
                     k.jetzt().date().toString(QStringLiteral("dd.MM.yyyy")));
    k.dialoge.vorschau(BerichtErzeugen(layout, daten));
}
