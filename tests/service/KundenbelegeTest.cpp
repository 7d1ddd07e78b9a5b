#include "service/Kundenbelege.h"
#include "service/Rechnungsspeicher.h"
#include "service/Tischzeilen.h"
#include "support/DbTest.h"
#include "support/Posten.h"

namespace {

class Kundenbelege : public DbTest {
  protected:
    Kundenbelege() {
        amTisch("Anna", "Gastraum", "5");
        db->ausfuehren(
            "INSERT INTO Betrieb (Name, Adresszeile, Telefon, Steuernummer) VALUES "
            "('Hotel Lindenhof', 'Am Lindenhof 3', 'Tel. 0123', '12/345/678')");
    }

    void zeile(const QString& gericht, int menge, std::int64_t cent,
               const QString& tisch = QStringLiteral("5"), const QString& idwg = "Getränke",
               int mwst = 1900) {
        Posten p;
        p.tisch = tisch;
        p.gericht = gericht;
        p.menge = menge;
        p.cent = cent;
        p.idwg = idwg;
        p.mwst = mwst;
        PostenAnlegen(*db, p);
    }

    std::string fuss(const Dokument& d, const char* name) {
        return d.text(kFuss, QString::fromUtf8(name)).toStdString();
    }
    std::string kopf(const Dokument& d, const char* name) {
        return d.text(kKopf, QString::fromUtf8(name)).toStdString();
    }
};

}  // namespace

TEST_F(Kundenbelege, ReceiptPrintsLinesAndUnroundedTaxSums) {
    zeile("Pils", 2, 350);
    ASSERT_TRUE(Abrechnung(*k, "5", kKassenbon));
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    const Dokument& d = drucker.auftraege[0];
    EXPECT_EQ(d.titel, QStringLiteral("Abrechnung"));
    EXPECT_EQ(d.texte(kDetail), QStringList({"Pils", "2", "x", "3,50", "7,00 €", "A"}));
    EXPECT_EQ(fuss(d, "FunktionSummeBrutto"), "7,00 €");
    EXPECT_EQ(fuss(d, "lblSumme"), "TOTAL");
    EXPECT_EQ(fuss(d, "lblZahlart"), "BAR");
    EXPECT_EQ(fuss(d, "lblZahlbetrag"), "7,00 €");
    EXPECT_EQ(kopf(d, "lblKopie"), "");
    EXPECT_EQ(fuss(d, "lblBedanken"), "Vielen Dank für Ihren Besuch.");
    EXPECT_EQ(kopf(d, "lblAdresse"), "Am Lindenhof 3\nTel. 0123");
    EXPECT_EQ(kopf(d, "lblDatum"), "06.12.2026  12:00:00");
    EXPECT_EQ(kopf(d, "lblStationUNDTisch"), "Gastraum  -  Tisch: 5");
    EXPECT_EQ(kopf(d, "lblKellner"), "Es bediente Sie Anna");

    EXPECT_EQ(fuss(d, "lblSteuersatz0"), "A 19 %");
    EXPECT_EQ(fuss(d, "lblSteuerNetto0"), "5,88");
    EXPECT_EQ(fuss(d, "lblSteuerMwSt0"), "1,12");

    // Other kinds only tell whether the table has lines.
    EXPECT_TRUE(Abrechnung(*k, "5", kKeinBon));
    EXPECT_TRUE(Abrechnung(*k, "5", "0"));
    EXPECT_EQ(drucker.auftraege.size(), 1u);
}

TEST_F(Kundenbelege, EveryDocumentMarksItsLinesAndSplitsTheVatPerRate) {
    zeile("Weizen", 1, 480);
    zeile("Tagessuppe", 1, 490, "5", "Speisen", 700);
    ASSERT_TRUE(Abrechnung(*k, "5", kKassenbon));
    ASSERT_TRUE(Rechnung(*k, "5"));
    ASSERT_TRUE(Zwischensumme(*k));
    ASSERT_EQ(RechnungDetails(*k, "5", kBar, {}, kKassenbon), 1);
    ASSERT_TRUE(DruckeKassenbonVonUebersichtsrechnung(*k, 1));
    ASSERT_TRUE(DruckeRechnungVonUebersichtsrechnung(*k, 1));
    ASSERT_EQ(drucker.auftraege.size(), 5u);

    const QStringList tabelle{"MwSt-Satz", "Netto", "MwSt", "Brutto",  //
                              "A 19 %",    "4,03",  "0,77", "4,80",    //
                              "B 7 %",     "4,58",  "0,32", "4,90"};
    const char* const spalten[] = {"lblSteuersatz", "lblSteuerNetto", "lblSteuerMwSt",
                                   "lblSteuerBrutto"};
    for (const Dokument& d : drucker.auftraege) {
        const std::string titel = d.titel.toStdString();
        EXPECT_EQ(d.text(kDetail, "txtGericht", 0), "Weizen") << titel;
        EXPECT_EQ(d.text(kDetail, "txtMwStKennung", 0), "A") << titel;
        EXPECT_EQ(d.text(kDetail, "txtMwStKennung", 1), "B") << titel;
        QStringList gedruckt;
        for (const QString zeile : {"", "0", "1"})
            for (const char* spalte : spalten)
                gedruckt << d.text(kFuss, QString::fromUtf8(spalte) + zeile);
        EXPECT_EQ(gedruckt, tabelle) << titel;
        EXPECT_EQ(fuss(d, "FunktionSummeBrutto"), "9,70 €") << titel;
        EXPECT_FALSE(d.texte(kFuss).join(' ').contains("Enthaltene")) << titel;

        // The rows push the thanks and the hospitality form down instead of covering them.
        QMap<QString, QRectF> lage;
        for (const Druckelement& e : d.seiten.back().elemente)
            if (e.bereich == kFuss) lage[e.name] = e.lage;
        EXPECT_LE(lage["lblSteuersatz1"].bottom(), lage["lblBedanken"].top()) << titel;
        if (lage.contains("lblBeleg1")) {
            EXPECT_LE(lage["lblBedanken"].bottom(), lage["lblBeleg1"].top()) << titel;
        }
    }
}

TEST_F(Kundenbelege, AnEmptyTablePrintsNothing) {
    zeile("Pils", 1, 350, "6");
    EXPECT_FALSE(Abrechnung(*k, "5", kKassenbon));
    EXPECT_FALSE(Abrechnung(*k, "5", "0"));
    EXPECT_FALSE(Rechnung(*k, "5"));
    EXPECT_FALSE(Zwischensumme(*k));
    EXPECT_FALSE(DruckeKassenbonVonUebersichtsrechnung(*k, 1));
    EXPECT_FALSE(DruckeRechnungVonUebersichtsrechnung(*k, 1));
    EXPECT_TRUE(drucker.auftraege.empty());
}

TEST_F(Kundenbelege, TakeAwayGoesByTheLinesRatesAndPayListShowsTheRealTable) {
    amTisch("Anna", "Außer Haus", "80");
    Posten p;
    p.station = "Außer Haus";
    p.tisch = "80";
    p.cent = 1190;
    PostenAnlegen(*db, p.aufZahlliste());
    ASSERT_TRUE(Abrechnung(*k, kZahlen, kKassenbon));
    const Dokument& d = drucker.auftraege[0];
    EXPECT_EQ(fuss(d, "lblSteuersatz0"), "A 19 %");
    EXPECT_EQ(fuss(d, "lblSteuerNetto0"), "10,00");
    EXPECT_EQ(kopf(d, "lblStationUNDTisch"), "Außer Haus  -  Tisch: 80");
}

TEST_F(Kundenbelege, InvoiceCarriesTheHospitalityFormWithRuledLines) {
    zeile("Pils", 2, 350);
    ASSERT_TRUE(Rechnung(*k, "5"));
    const Dokument& d = drucker.auftraege[0];
    EXPECT_EQ(d.titel, QStringLiteral("Rechnung"));
    EXPECT_EQ(kopf(d, "lblAbrechnung"), "Rechnung");
    EXPECT_EQ(fuss(d, "lblBeleg2"), "StIDNr. 12/345/678");
    EXPECT_EQ(fuss(d, "Bezeichnung1"), "Tag der bewirtung");
    EXPECT_EQ(fuss(d, "Bezeichnung2"), "06.12.2026");
    EXPECT_EQ(fuss(d, "Bezeichnung4"), "Hotel Lindenhof");
    EXPECT_EQ(fuss(d, "Bezeichnung8"), "Unterschrift");
    EXPECT_TRUE(d.text(kFuss, "lblBeleg1").startsWith("Angaben zum Nachweis der Höhe"));

    // Each ruled line lies right of or below its caption and ends at the right edge.
    QMap<QString, QRectF> lage;
    for (const Druckelement& e : d.seiten.back().elemente) lage[e.name] = e.lage;
    const QStringList beschriftungen = {"Bezeichnung1", "Bezeichnung3", "Bezeichnung5",
                                        "Bezeichnung6", "Bezeichnung7"};
    for (int i = 0; i < beschriftungen.size(); ++i) {
        const QRectF linie = lage.value(QStringLiteral("Symbol%1").arg(i + 2));
        const QRectF text = lage.value(beschriftungen[i]);
        ASSERT_FALSE(linie.isNull() && linie.width() == 0) << i;
        EXPECT_DOUBLE_EQ(linie.right(), d.breite) << i;
        EXPECT_TRUE(linie.top() >= text.bottom() || linie.left() >= text.left() + 20) << i;
        EXPECT_GT(linie.top(), text.top()) << i;
    }
}

TEST_F(Kundenbelege, InterimBillListsSentAndNewLinesWithArticleNumbers) {
    zeile("Pils", 1, 350);
    Posten neu;
    neu.plu = "20";
    neu.gericht = "Schnitzel";
    neu.details = "Neu";
    neu.idwg = "Speisen";
    neu.cent = 1290;
    PostenAnlegen(*db, neu);
    ASSERT_TRUE(Zwischensumme(*k));
    const Dokument& d = drucker.auftraege[0];
    EXPECT_EQ(kopf(d, "lblAbrechnung"), "Zwischensumme");
    EXPECT_EQ(kopf(d, "lblKellner"), "Kellner: Anna");
    EXPECT_EQ(d.text(kDetail, "txtPLU", 1), QStringLiteral("20"));
    EXPECT_EQ(d.detailzeilen(), 2);
    EXPECT_EQ(fuss(d, "lblSumme"), "TOTAL");
    EXPECT_EQ(fuss(d, "FunktionSummeBrutto"), "16,40 €");
    EXPECT_EQ(fuss(d, "lblBedanken"), " ");
}

TEST_F(Kundenbelege, ReprintIsACopyWithTheOriginalsTimeAndPayment) {
    // Paid by card at half past one on the 7th, which belongs to the 6th.
    uhr.stellen(QDate(2026, 12, 7), QTime(1, 30));
    PostenAnlegen(*db, [] {
        Posten p;
        p.menge = 2;
        return p.aufZahlliste();
    }());
    ASSERT_EQ(RechnungDetails(*k, kZahlen, kKarte, {}, kKassenbon), 1);

    amTisch("Ben", "Biergarten", "9");
    uhr.stellen(QDate(2026, 12, 9), QTime(18, 15));
    ASSERT_TRUE(DruckeKassenbonVonUebersichtsrechnung(*k, 1));
    ASSERT_TRUE(DruckeRechnungVonUebersichtsrechnung(*k, 1));
    for (const Dokument& d : drucker.auftraege) {
        EXPECT_EQ(kopf(d, "lblKopie"), "Kopie");
        EXPECT_EQ(kopf(d, "lblDatum"), "07.12.2026  01:30:00");
        EXPECT_EQ(kopf(d, "lblStationUNDTisch"), "Gastraum  -  Tisch: 5");
        EXPECT_EQ(kopf(d, "lblKellner"), "Es bediente Sie Anna");
        EXPECT_EQ(fuss(d, "lblZahlart"), "KARTE");
        EXPECT_EQ(fuss(d, "lblZahlbetrag"), "7,00 €");
        EXPECT_EQ(fuss(d, "lblSteuerNetto0"), "5,88");
    }
    // The guests were hosted on the day of the bill.
    EXPECT_EQ(fuss(drucker.auftraege[1], "Bezeichnung2"), "07.12.2026");
}
