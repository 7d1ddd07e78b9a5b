#include "hotel/BerichtHotelAbrechnung.h"

#include <QCoreApplication>
#include <QDir>

#include "core/Kontext.h"
#include "fiskal/Steuersatz.h"
#include "fiskal/Steuertabelle.h"
#include "hotel/ReportHotelabrechnung.h"
#include "ui/bericht/Dokument.h"

void BerichtHotelAbrechnung(Kontext& k) {
    Transaktion t(k.db);
    Abfrage a = k.db.abfrage(QStringLiteral(
        "SELECT Anreise, Abreise, TextUerbernachtungen, TextFruehstueck, "
        "[ZimmerEPÜ] AS [ZimmerEPÜBrutto], [ZimmerGPÜ] AS [ZimmerGPÜBrutto], "
        "ZimmerEPF AS ZimmerEPFBrutto, ZimmerGPF AS ZimmerGPFBrutto, Gesamt AS SummeGesamt, "
        "MwStUebernachtung, MwStFruehstueck "
        "FROM AbrechnungHotel WHERE ID = (SELECT max(ID) FROM AbrechnungHotel)"));
    Berichtsdaten daten = BerichtsdatenAus(a);
    if (daten.empty()) {
        k.dialoge.meldung(kKeineHotelabrechnung);
        return;
    }
    // Overnight and breakfast at the same rate share one row of the VAT table;
    // a stay without breakfast shows no row for it.
    Datenzeile& zeile = daten.front();
    Steuertabelle steuern;
    const auto teil = [&](const char* satz, const char* brutto, const char* code) {
        const int s = zeile.value(QString::fromUtf8(satz)).toInt();
        const Geld betrag(zeile.value(QString::fromUtf8(brutto)).toLongLong());
        if (!betrag.istNull()) steuern.hinzufuegen(s, betrag);
        zeile.insert(QString::fromUtf8(code), SteuersatzText(s));
    };
    teil("MwStUebernachtung", "ZimmerGPÜBrutto", "UstUebernachtung");
    teil("MwStFruehstueck", "ZimmerGPFBrutto", "UstFruehstueck");

    Abfrage betrieb = k.db.abfrage(QStringLiteral("SELECT Name, Adresszeile FROM Betrieb LIMIT 1"));
    const bool mitBetrieb = betrieb.naechste();
    const QString name = mitBetrieb ? betrieb.text(0) : QString();
    const QString adresse = mitBetrieb ? betrieb.text(1) : QString();
    t.bestaetigen();

    Berichtslayout layout =
        ReportHotelabrechnung(QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("Logos/Logo_Lokal.svg")));
    HotelsteuernSetzen(layout, steuern.zeilen());
    layout.setzeText(kKopf, QStringLiteral("lblName"), name);
    layout.setzeText(kKopf, QStringLiteral("lblAdresse"), adresse);
    layout.setzeText(kKopf, QStringLiteral("lblDatum"),
                     k.jetzt().date().toString(QStringLiteral("dd.MM.yyyy")));
    k.dialoge.vorschau(BerichtErzeugen(layout, daten));
}
