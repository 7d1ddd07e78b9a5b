#include "hotel/Hotelpreise.h"
#include "support/DbTest.h"

using Hotelpreise = DbTest;

namespace {
const QStringList kLeistungen{QString(), QStringLiteral("Ü"), QStringLiteral("ÜF")};
}

TEST_F(Hotelpreise, DropDownsListRoomsTypesAndServicesWithTheirDefaults) {
    zimmerpreis(12, "DZ", 9000, 11000);
    zimmerpreis(3, "EZ", 7000, 8000);
    zimmerpreis(3, "DZ", 9000, 11000);
    zimmerpreis(12, "Suite", 15000, 17000);

    const Auswahl zimmer = ComboZimmerNrFuellen(*k);
    EXPECT_EQ(zimmer.eintraege, QStringList({"3", "12"}));  // numeric order, each room once
    EXPECT_EQ(zimmer.text(), QStringLiteral("3"));

    const Auswahl arten = ComboZimmerArtFuellen(*k, 3);
    EXPECT_EQ(arten.eintraege, QStringList({"", "EZ", "DZ"}));
    EXPECT_EQ(arten.text(), QStringLiteral("EZ"));
    EXPECT_EQ(ComboZimmerArtFuellen(*k, 99).eintraege, QStringList{QString()});
    EXPECT_EQ(ComboZimmerArtFuellen(*k, 99).text(), QString());

    const Auswahl leistungen = ComboZimmerLeistungFuellen(*k);
    EXPECT_EQ(leistungen.eintraege, kLeistungen);
    EXPECT_EQ(leistungen.text(), QStringLiteral("ÜF"));
}

TEST_F(Hotelpreise, PriceAndBreakfastOfAServiceAndTheEmptyCases) {
    zimmerpreis(1, "EZ", 7000, 8000);
    zimmerpreis(1, "DZ", std::nullopt, std::nullopt);
    zimmerpreis(1, "Blick 'See'", 9000, std::nullopt);

    const Zimmerpreis mitFruehstueck = ZimmerPreisAbfragen(*k, 1, "EZ", "ÜF");
    EXPECT_EQ(mitFruehstueck.preis, Geld(8000));
    EXPECT_EQ(mitFruehstueck.fruehstueck, Geld(1000));
    const Zimmerpreis ohne = ZimmerPreisAbfragen(*k, 1, "EZ", "Ü");
    EXPECT_EQ(ohne.preis, Geld(7000));
    EXPECT_EQ(ohne.fruehstueck, Geld(0));

    // Not offered, no such type or room, or no service chosen: 0 and no breakfast.
    for (const auto& [nr, art, leistung] : {std::tuple{1, "DZ", "ÜF"},
                                            {1, "Blick 'See'", "ÜF"},
                                            {1, "", "ÜF"},
                                            {2, "EZ", "ÜF"},
                                            {1, "EZ", ""}}) {
        const Zimmerpreis preis = ZimmerPreisAbfragen(*k, nr, art, leistung);
        EXPECT_EQ(preis.preis, Geld(0)) << art << leistung;
        EXPECT_EQ(preis.fruehstueck, std::nullopt) << art << leistung;
    }
    EXPECT_EQ(ZimmerPreisAbfragen(*k, 1, "Blick 'See'", "Ü").preis, Geld(9000));

    // Only price columns are services.
    EXPECT_THROW(ZimmerPreisAbfragen(*k, 1, "EZ", "ZimmerNr"), DbFehler);
    EXPECT_THROW(ZimmerPreisAbfragen(*k, 1, "EZ", "Ü] FROM Kellner --"), DbFehler);
}

TEST_F(Hotelpreise, AServiceAddedToThePriceListIsOfferedAndPriced) {
    db->skript(QStringLiteral("ALTER TABLE Hotelpreisliste ADD COLUMN [HP \"Gala\"] INTEGER"));
    db->ausfuehren(
        QStringLiteral("INSERT INTO Hotelpreisliste (ZimmerNr, Zimmerart, [Ü], [ÜF], "
                       "[HP \"Gala\"]) VALUES (5, 'EZ', 7000, 8000, 9500)"));

    EXPECT_EQ(ComboZimmerLeistungFuellen(*k).eintraege, kLeistungen + QStringList{"HP \"Gala\""});
    const Zimmerpreis preis = ZimmerPreisAbfragen(*k, 5, "EZ", "HP \"Gala\"");
    EXPECT_EQ(preis.preis, Geld(9500));
    EXPECT_EQ(preis.fruehstueck, Geld(2500));
}

TEST_F(Hotelpreise, ViewForAChoiceFallsBackToTheDefaults) {
    zimmerpreis(1, "EZ", 7000, 8000);
    zimmerpreis(1, "DZ", 9000, 12000);
    zimmerpreis(2, "EZ", 6000, 7000);
    const QDate tag(2026, 12, 6);

    const Hotelansicht gewaehlt = AnsichtAktualisieren(*k, tag.addDays(-3), tag, 1, "DZ", "Ü");
    EXPECT_EQ(gewaehlt.uebernachtungen, 3);
    EXPECT_EQ(gewaehlt.zimmerNr.text(), QStringLiteral("1"));
    EXPECT_EQ(gewaehlt.zimmerArt.text(), QStringLiteral("DZ"));
    EXPECT_EQ(gewaehlt.zimmerleistung.text(), QStringLiteral("Ü"));
    EXPECT_EQ(gewaehlt.preis.preis, Geld(9000));

    const Hotelansicht fremd = AnsichtAktualisieren(*k, tag, tag, 7, "Suite", "XY");
    EXPECT_EQ(fremd.uebernachtungen, 0);
    EXPECT_EQ(fremd.zimmerNr.text(), QStringLiteral("1"));
    EXPECT_EQ(fremd.zimmerArt.text(), QStringLiteral("EZ"));
    EXPECT_EQ(fremd.zimmerleistung.text(), QStringLiteral("ÜF"));
    EXPECT_EQ(fremd.preis.preis, Geld(8000));
    EXPECT_EQ(fremd.preis.fruehstueck, Geld(1000));

    db->skript(QStringLiteral("DELETE FROM Hotelpreisliste"));
    const Hotelansicht leer = AnsichtAktualisieren(*k, tag.addDays(-1), tag, 1, "EZ", "ÜF");
    EXPECT_EQ(leer.zimmerNr.gewaehlt, -1);
    EXPECT_EQ(leer.zimmerArt.text(), QString());
    EXPECT_EQ(leer.preis.preis, Geld(0));
    EXPECT_EQ(leer.uebernachtungen, 1);
}
