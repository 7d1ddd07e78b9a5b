#include <functional>

#include "admin/Artikelverwaltung.h"
#include "core/Grenzen.h"
#include "service/Anzahl.h"
#include "service/Eingabe.h"
#include "service/Eintragen.h"
#include "service/Senden.h"
#include "service/Tischzeile.h"
#include "service/Umbuchen.h"
#include "support/DbTest.h"

namespace {

// Table 1 of the dining room, served by Tom; Pils (12) is a drink that merges.
class Grenzen : public DbTest {
  protected:
    Grenzen() {
        station("Gastraum", {"1", "2"});
        kellner("Tom", "2000");
        artikel("12", "Pils", 350);
        amTisch("Tom", "Gastraum", "1");
    }

    // Every stored article and order line, to prove that a refusal stored nothing.
    QStringList alles() {
        QStringList zeilen;
        for (const char* sql : {"SELECT PLU, EPREIS FROM Artikelgruppe ORDER BY PLU",
                                "SELECT Tisch, TischDetails, PLU, Menge, EPREIS, GPREIS "
                                "FROM OffeneTische ORDER BY ID"}) {
            Abfrage a = db->abfrage(QString::fromUtf8(sql));
            while (a.naechste()) {
                QStringList werte;
                for (int i = 0; i < a.spaltenzahl(); ++i) werte << a.wert(i).toString();
                zeilen << werte.join('|');
            }
        }
        return zeilen;
    }
    // The quantities of the table's lines, oldest first.
    QList<std::int64_t> mengen(const QString& tisch) {
        QList<std::int64_t> liste;
        Abfrage a =
            db->abfrage("SELECT Menge FROM OffeneTische WHERE Tisch = ? ORDER BY ID", tisch);
        while (a.naechste()) liste << a.zahl(0);
        return liste;
    }
    bool freierPreis(const QString& getippt) {
        const auto preis = FreierPreisLesen(getippt);
        return preis && FreiesGerichtEintragen(*k, "ThekenDrucker", kFreiesGetraenk, "1",
                                               "Getränke", *preis);
    }
    bool artikelPreis(const QString& preis) {
        dialoge.jaNein = {true};
        return ArtikelNeuSpeichern(*k, {"30", "Bier", "Fass", preis, "19"});
    }
};

}  // namespace

TEST_F(Grenzen, PricesAndQuantitiesStayWithinTheirBounds) {
    struct Fall {
        const char* was;
        std::function<void()> vorher;  // lines the case starts from
        std::function<bool()> aktion;
        QString meldung;             // empty: accepted
        QList<std::int64_t> mengen;  // table 1 afterwards, when accepted
    };
    const Fall faelle[] = {
        {"article 99.999,99", {}, [&] { return artikelPreis("99.999,99"); }, {}, {}},
        {"article 100.000,00", {}, [&] { return artikelPreis("100.000,00"); }, kPreisZuHoch, {}},
        {"article 13 digits", {}, [&] { return artikelPreis("1234567890123"); }, kPreisZuHoch, {}},
        {"free price 99.999,99", {}, [&] { return freierPreis("9999999"); }, {}, {1}},
        {"free price 100.000,00", {}, [&] { return freierPreis("10000000"); }, kPreisZuHoch, {}},
        {"free price 30 digits",
         {},
         [&] { return freierPreis(QString(30, '9')); },
         kPreisZuHoch,
         {}},
        {"merge to 9999",
         [&] { offeneZeile("12", 9990, kNeu); },
         [&] { return GerichtEintragen(*k, "12", "9"); },
         {},
         {9999}},
        {"merge to 10000",
         [&] { offeneZeile("12", 9990, kNeu); },
         [&] { return GerichtEintragen(*k, "12", "10"); },
         kMengeZuHoch,
         {}},
        {"pad 9999",
         {},
         [&] {
             dialoge.zahlen = {"9999"};
             return AnzahlFragen(*k) == 9999;
         },
         {},
         {}},
        {"pad 10000",
         {},
         [&] {
             dialoge.zahlen = {"10000"};
             return AnzahlFragen(*k).has_value();
         },
         kMengeUngueltig,
         {}},
        {"pad 20 digits",
         {},
         [&] {
             dialoge.zahlen = {QString(20, '9')};
             return AnzahlFragen(*k).has_value();
         },
         kMengeUngueltig,
         {}},
        // Sending and moving never merge past the bound: the line stays a line of its own.
        {"sending beside a full line",
         [&] {
             offeneZeile("12", 9999);
             offeneZeile("12", 1, kNeu);
         },
         [&] {
             TischNeuesGerichtLoeschen(*k);
             return true;
         },
         {},
         {9999, 1}},
        {"moving beside a full line",
         [&] {
             offeneZeile("12", 9998);
             k->werte.tisch = "2";
             offeneZeile("12", 2);
             k->werte.tisch = "1";
         },
         [&] {
             AllesUmbuchen(*k, {"Gastraum", "2"}, {"Gastraum", "1"});
             return true;
         },
         {},
         {9998, 2}},
    };
    for (const Fall& f : faelle) {
        Transaktion probe(*db);
        if (f.vorher) f.vorher();
        const QStringList vorher = alles();
        dialoge.meldungen.clear();
        dialoge.jaNein.clear();
        const bool angenommen = f.aktion();
        EXPECT_EQ(angenommen, f.meldung.isEmpty()) << f.was;
        EXPECT_EQ(dialoge.meldungen, f.meldung.isEmpty() ? QStringList() : QStringList{f.meldung})
            << f.was;
        if (angenommen)
            EXPECT_EQ(mengen("1"), f.mengen) << f.was;
        else
            EXPECT_EQ(alles(), vorher) << f.was;
    }
}
