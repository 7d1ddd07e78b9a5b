#include "core/Demodaten.h"

#include <algorithm>
#include <vector>

#include "core/Datenbank.h"
#include "core/Rechteschluessel.h"
#include "core/Schema.h"
#include "fiskal/Steuersatz.h"

namespace {

struct Tisch {
    QString name;
    int oben, links;
};

struct Artikel {
    const char* plu;
    const char* gericht;
    std::int64_t cent;
    bool extra = false;
};

struct Gruppe {
    const char* wg;
    const char* idwg;
    const char* bondrucker;
    std::uint32_t farbe;  // key colour as 0xRRGGBB
    std::vector<Artikel> artikel;
};

const char* const kGetraenke = "Getränke";
const char* const kSpeisen = "Speisen";
const char* const kTheke = "Thekendrucker";
const char* const kKueche = "Küchendrucker";

// Tiles fit the drawn floor plans (about 1000 x 650): the dining room has its bar
// on the right, the beer garden its chestnut tree in the middle.
std::vector<Tisch> gastraumTische() {
    std::vector<Tisch> tische;
    for (int oben : {70, 260, 450})
        for (int links : {70, 250, 430, 610})
            tische.push_back({QString::number(tische.size() + 1), oben, links});
    return tische;
}

std::vector<Tisch> reihe(int erste, int oben, std::initializer_list<int> links) {
    std::vector<Tisch> tische;
    for (int l : links) tische.push_back({QString::number(erste++), oben, l});
    return tische;
}

const std::vector<Gruppe>& gruppen() {
    static const std::vector<Gruppe> liste = {
        {"Bier",
         kGetraenke,
         kTheke,
         0xF6D57A,
         {{"1", "Pils 0,3l", 320},
          {"2", "Pils 0,5l", 450},
          {"3", "Weizen 0,5l", 480},
          {"4", "Radler 0,5l", 430},
          {"5", "Alkoholfreies Bier", 390}}},
        {"Alkoholfrei",
         kGetraenke,
         kTheke,
         0xA8D8F0,
         {{"11", "Apfelschorle 0,4l", 350},
          {"12", "Cola 0,33l", 320},
          {"13", "Mineralwasser 0,75l", 590},
          {"14", "Orangensaft 0,2l", 290},
          {"15", "Spezi 0,4l", 360},
          {"16", "Zitronenlimonade 0,4l", 380}}},
        {"Wein",
         kGetraenke,
         kTheke,
         0xE7B3C8,
         {{"21", "Riesling 0,2l", 550},
          {"22", "Spätburgunder 0,2l", 590},
          {"23", "Weinschorle 0,4l", 520},
          {"24", "Sekt 0,1l", 450}}},
        {"Heißgetränke",
         kGetraenke,
         kTheke,
         0xD9BFA0,
         {{"31", "Kaffee", 280},
          {"32", "Cappuccino", 340},
          {"33", "Espresso", 240},
          {"34", "Tee", 260},
          {"35", "Heiße Schokolade", 350}}},
        {"Vorspeisen",
         kSpeisen,
         kKueche,
         0xB9E4B0,
         {{"101", "Tagessuppe", 490},
          {"102", "Gemischter Salat", 550},
          {"103", "Brezel mit Obatzda", 690}}},
        {"Hauptgerichte",
         kSpeisen,
         kKueche,
         0x8FD19E,
         {{"111", "Wiener Schnitzel", 1790, true},
          {"112", "Schweinebraten mit Knödel", 1550, true},
          {"113", "Käsespätzle", 1290, true},
          {"114", "Rostbratwürste mit Kraut", 1150, true},
          {"115", "Gemüsepfanne", 1190, true},
          {"116", "Zwiebelrostbraten", 2150, true}}},
        {"Desserts",
         kSpeisen,
         kKueche,
         0xF3C6A5,
         {{"121", "Apfelstrudel", 590}, {"122", "Kaiserschmarrn", 950}, {"123", "Eisbecher", 650}}},
        {"Extra",
         kSpeisen,
         kKueche,
         0xDDDDDD,
         {{"901", "ohne Zwiebeln", 0},
          {"902", "extra Soße", 100},
          {"903", "Bratkartoffeln statt Beilage", 150},
          {"904", "Salatbeilage", 250},
          {"905", "glutenfrei", 0}}},
    };
    return liste;
}

void stationenAnlegen(Datenbank& db) {
    std::vector<Tisch> biergarten = reihe(21, 60, {60, 260, 620, 820});
    for (const Tisch& t : reihe(25, 430, {60, 260, 620, 820})) biergarten.push_back(t);
    const std::vector<std::pair<QString, std::vector<Tisch>>> stationen = {
        {QStringLiteral("Gastraum"), gastraumTische()},
        {QStringLiteral("Biergarten"), biergarten},
        {QStringLiteral("Außer Haus"), reihe(31, 80, {80, 300, 520, 740})},
        {QStringLiteral("Hotel"), {}},
    };
    for (const auto& [station, tische] : stationen) {
        db.ausfuehren(QStringLiteral("INSERT INTO Stationen (Station, Drucker, abger_Tagesumsatz) "
                                     "VALUES (?, 0, 0)"),
                      station);
        StationsspalteAnlegen(db, station);
        for (const Tisch& t : tische)
            db.ausfuehren(QStringLiteral("INSERT INTO TabellePicTisch (Station, Name, Oben, Links, "
                                         "Breite, Hoehe) VALUES (?, ?, ?, ?, 120, 100)"),
                          station, t.name, t.oben, t.links);
    }
}

void verwaltungUndBerichteAnlegen(Datenbank& db) {
    for (const char* bereich :
         {"Stationsverwaltung", "Mitarbeiterverwaltung", "Speisekarte", "Direktwahltasten",
          "Kreditkarten", "Berichte", "Drucker", "Betrieb"})
        db.ausfuehren(QStringLiteral("INSERT INTO Verwaltung (Verwaltung) VALUES (?)"), bereich);
    for (const char* bericht :
         {"Kassenbericht", "Kellnerbericht", "Umsatzbericht", "Stornobericht", "Hotelbericht"})
        db.ausfuehren(QStringLiteral("INSERT INTO Berichte (Bericht) VALUES (?)"), bericht);
}

void mitarbeiterAnlegen(Datenbank& db, const QString& vorname, const QString& nachname,
                        const QString& pin1, const QString& pin2, const QVariant& adminKey,
                        const QStringList& rechte) {
    db.ausfuehren(QStringLiteral(
                      "INSERT INTO Kellner (Mitarbeiter, Nachname, Vorname, \"Straße\", Ort, Land, "
                      "Telefon, Mobil, Email, Pin1, Pin2, Status, AdminKey) "
                      "VALUES (?, ?, ?, '', 'Musterstadt', 'Deutschland', '', '', '', ?, ?, "
                      "'aktiviert', ?)"),
                  vorname + QLatin1Char(' ') + nachname, nachname, vorname, pin1, pin2, adminKey);
    const std::int64_t id = db.letzteId();
    for (const QString& recht : rechte)
        db.ausfuehren(QStringLiteral("UPDATE Kellner SET %1 = 1 WHERE ID = ?")
                          .arg(db.spalteGeprueft(QStringLiteral("Kellner"), recht)),
                      id);
}

void personalAnlegen(Datenbank& db) {
    QStringList stationen;
    for (Abfrage a = db.abfrage(QStringLiteral("SELECT Station FROM Stationen ORDER BY ID"));
         a.naechste();)
        stationen << a.text(0);

    // Every right but the three group locks.
    QStringList alles = Rechte::alle();
    alles.removeAll(QStringLiteral("KASSENSPERRE"));
    alles.removeAll(Rechte::kMenusperre);
    alles.removeAll(Rechte::kVerwaltungssperre);
    mitarbeiterAnlegen(db, QStringLiteral("Maria"), QStringLiteral("Huber"), QStringLiteral("1111"),
                       QStringLiteral("1234"), Rechte::kMasterKey, alles + stationen);

    // The rights a new waiter starts with, and settling without a receipt, which
    // a guest who wants none needs from every waiter.
    QStringList anfang;
    for (int box : {1, 2, 6, 7}) anfang << Rechte::kKasse[box];
    for (int box : {2, 3, 5, 9, 10}) anfang << Rechte::kMenu[box];
    for (int box : {2, 5}) anfang << Rechte::kVerwaltung[box];
    mitarbeiterAnlegen(db, QStringLiteral("Tom"), QStringLiteral("Berger"), QStringLiteral("2222"),
                       QStringLiteral("2345"), QVariant(), anfang + stationen);
}

void speisekarteAnlegen(Datenbank& db) {
    int reihe = 1;
    for (const Gruppe& g : gruppen()) {
        db.ausfuehren(QStringLiteral("INSERT INTO Warengruppe (WG, IDWG, Stationsdrucker, "
                                     "Bondrucker) VALUES (?, ?, 'kein Drucker', ?)"),
                      g.wg, g.idwg, g.bondrucker);
        // Drinks carry the standard VAT rate, food served here the reduced one.
        const char* const mwst =
            QString::fromUtf8(g.idwg) == QString::fromUtf8(kGetraenke) ? "19" : "7";
        for (const Artikel& a : g.artikel)
            db.ausfuehren(
                QStringLiteral("INSERT INTO Artikelgruppe (PLU, WG, IDWG, Gericht, EPREIS, "
                               "MwSt, Stationsdrucker, Bondrucker, Extra) "
                               "VALUES (?, ?, ?, ?, ?, ?, 'kein Drucker', ?, ?)"),
                a.plu, g.wg, g.idwg, a.gericht, a.cent, mwst, g.bondrucker, a.extra);
        if (QString::fromUtf8(g.wg) == QStringLiteral("Extra")) continue;  // chosen in their window

        db.ausfuehren(
            QStringLiteral("INSERT INTO WarengruppeTasten (WG, Tastenreihe) VALUES (?, ?)"), g.wg,
            reihe++);
        // Rows of five keys; a short last row leaves its keys empty.
        for (std::size_t erster = 0; erster < g.artikel.size(); erster += 5) {
            db.ausfuehren(QStringLiteral("INSERT INTO ArtikelTasten (WG) VALUES (?)"), g.wg);
            const std::int64_t id = db.letzteId();
            for (std::size_t i = erster; i < std::min(erster + 5, g.artikel.size()); ++i)
                db.ausfuehren(QStringLiteral("UPDATE ArtikelTasten SET SP%1 = ?, SP%1PLU = ?, "
                                             "SP%1Farbe = ? WHERE ID = ?")
                                  .arg(i - erster + 1),
                              g.artikel[i].gericht, g.artikel[i].plu,
                              static_cast<std::int64_t>(g.farbe), id);
        }
    }
}

void hotelUndBetriebAnlegen(Datenbank& db) {
    struct Zimmer {
        int nr;
        const char* art;
        const char* bezeichnung;
        int ue, uef;
    };
    const Zimmer zimmer[] = {
        {101, "EZ", "Einzelzimmer", 6900, 8200},
        {102, "EZ", "Einzelzimmer", 6900, 8200},
        {103, "DZ", "Doppelzimmer", 9800, 12400},
        {103, "EZ", "Doppelzimmer zur Einzelnutzung", 7900, 9200},
        {104, "DZ", "Doppelzimmer", 9800, 12400},
        {201, "SU", "Suite", 15900, 18500},
    };
    for (const Zimmer& z : zimmer)
        db.ausfuehren(
            QStringLiteral("INSERT INTO Hotelpreisliste (ZimmerNr, Zimmerart, Bezeichnung, "
                           "\"Ü\", \"ÜF\") VALUES (?, ?, ?, ?, ?)"),
            z.nr, z.art, z.bezeichnung, z.ue, z.uef);
    // Rooms and breakfast both at the reduced VAT rate.
    db.ausfuehren(QStringLiteral("INSERT INTO Betrieb (Name, Adresszeile, Telefon, Steuernummer, "
                                 "MwStUebernachtung, MwStFruehstueck) VALUES (?, ?, ?, ?, ?, ?)"),
                  QStringLiteral("Hotel Lindenhof"),
                  QStringLiteral("Am Lindenhof 3 · 12345 Musterstadt"),
                  QStringLiteral("Tel. 01234 567890"), QStringLiteral("123/456/78901"),
                  kErmaessigterSatz, kErmaessigterSatz);
}

}  // namespace

void DemodatenAnlegen(Datenbank& db) {
    Transaktion t(db);
    stationenAnlegen(db);
    verwaltungUndBerichteAnlegen(db);
    personalAnlegen(db);
    speisekarteAnlegen(db);
    hotelUndBetriebAnlegen(db);
    t.bestaetigen();
}
