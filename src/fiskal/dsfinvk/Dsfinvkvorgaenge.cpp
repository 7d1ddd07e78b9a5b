#include "fiskal/dsfinvk/Dsfinvkvorgaenge.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <map>
#include <utility>

#include "core/Datenbank.h"
#include "fiskal/Journal.h"
#include "reports/Kassenabschluss.h"

namespace {

const QString kBar = QStringLiteral("Bar");
const QString kUnbar = QStringLiteral("Unbar");

QString text(const QJsonValue& wert) {
    return wert.isDouble() ? QString::number(wert.toInteger()) : wert.toString();
}

std::int64_t zahl(const QJsonObject& o, const char* schluessel) {
    return o.value(QLatin1String(schluessel)).toInteger();
}

// A line of a bill or of an open table, as the till's tables hold it.
Dsfinvkposten posten(const QJsonObject& z, bool inhaus) {
    Dsfinvkposten p;
    p.text = text(z.value(QStringLiteral("Gericht")));
    if (p.text.isEmpty()) p.text = text(z.value(QStringLiteral("Text")));
    p.artNr = text(z.value(QStringLiteral("PLU")));
    p.mengeTausendstel = zahl(z, "Menge") * 1000;
    p.stueckpreis = zahl(z, "EPREIS");
    p.brutto = zahl(z, "GPREIS");
    p.satz = static_cast<int>(zahl(z, "MwStSatz"));
    p.inhaus = inhaus;
    return p;
}

std::vector<Dsfinvkposten> allePosten(const QJsonValue& zeilen, bool inhaus) {
    std::vector<Dsfinvkposten> liste;
    for (const QJsonValue& z : zeilen.toArray()) liste.push_back(posten(z.toObject(), inhaus));
    return liste;
}

bool inhaus(const QJsonObject& o) {
    return text(o.value(QStringLiteral("Station"))) != QString::fromUtf8(kAusserHaus);
}

QString kreis(const QJsonObject& o) {
    return QStringList{text(o.value(QStringLiteral("Station"))),
                       text(o.value(QStringLiteral("Tisch")))}
        .join(QLatin1Char(' '))
        .trimmed();
}

// The payment columns of a bill: BAR is cash, every other column is not.
std::vector<Dsfinvkzahlung> zahlungen(const QJsonObject& o) {
    static const std::pair<const char*, const char*> kSpalten[] = {
        {"BAR", "Bar"}, {"KARTE", "Karte"}, {"GUTSCHEIN", "Gutschein"}, {"ZIMMER", "Zimmer"}};
    std::vector<Dsfinvkzahlung> liste;
    for (const auto& [spalte, name] : kSpalten)
        if (const std::int64_t betrag = zahl(o, spalte); betrag != 0)
            liste.push_back(
                {spalte == kSpalten[0].first ? kBar : kUnbar, QString::fromLatin1(name), betrag});
    return liste;
}

struct Eintrag {
    std::int64_t nr = 0;
    QString zeit, terminal, art;
    int regNr = 0;
    QJsonObject inhalt;
};

Dsfinvkbon bonVon(const Eintrag& e) {
    Dsfinvkbon b;
    b.bonId = QString::number(e.nr);
    b.bonNr = e.nr;
    b.terminal = e.terminal;
    b.zeit = e.zeit;
    b.tse = e.inhalt.value(QStringLiteral("TSE")).toObject();
    return b;
}

Dsfinvkbon rechnung(const Eintrag& e) {
    Dsfinvkbon b = bonVon(e);
    b.bediener = text(e.inhalt.value(QStringLiteral("Mitarbeiter")));
    b.abrechnungskreis = kreis(e.inhalt);
    b.posten = allePosten(e.inhalt.value(QStringLiteral("Zeilen")), inhaus(e.inhalt));
    b.zahlungen = zahlungen(e.inhalt);
    return b;
}

// A hotel bill. Room charges of restaurant bills were paid "Zimmer" there;
// where the hotel bill lists them apart from its own lines, they settle that
// claim rather than being turnover again.
Dsfinvkbon hotelrechnung(const Eintrag& e) {
    Dsfinvkbon b = bonVon(e);
    b.name = kJournalHotelrechnung;
    b.kunde = text(e.inhalt.value(QStringLiteral("Gast")));
    b.posten = allePosten(e.inhalt.value(QStringLiteral("Zeilen")), true);
    std::int64_t summe = 0;
    for (const Dsfinvkposten& p : b.posten) summe += p.brutto;
    std::vector<Dsfinvkposten> belastungen;
    for (const QJsonValue& v : e.inhalt.value(QStringLiteral("Zimmerbelastungen")).toArray()) {
        const QJsonObject z = v.toObject();
        Dsfinvkposten p;
        p.text = QStringLiteral("Zimmerbelastung Rechnung %1").arg(text(z.value("RegNr")));
        p.gvTyp = QStringLiteral("Forderungsaufloesung");
        p.mengeTausendstel = 1000;
        p.stueckpreis = p.brutto = zahl(z, "Betrag");
        summe += p.brutto;
        belastungen.push_back(p);
    }
    const std::int64_t gesamt = zahl(e.inhalt, "Gesamt");
    if (summe == gesamt) b.posten.insert(b.posten.end(), belastungen.begin(), belastungen.end());
    const QString art = e.inhalt.value(QStringLiteral("Zahlungsart")).toString();
    b.zahlungen = {{art == QStringLiteral("BAR") ? kBar : kUnbar,
                    art == QStringLiteral("BAR") ? QStringLiteral("Bar") : art, gesamt}};
    return b;
}

// A line cancelled at the open table, given away ("Auf Haus") or ordered:
// records of the table, not bills, so no payment.
Dsfinvkbon tischvorgang(const Eintrag& e, const QString& typ, const QString& name, int vorzeichen) {
    Dsfinvkbon b = bonVon(e);
    b.typ = typ;
    b.name = name;
    b.bediener = text(e.inhalt.value(QStringLiteral("Kellner")));
    const QJsonObject p = e.inhalt.value(QStringLiteral("Posten")).toObject();
    b.abrechnungskreis = kreis(p);
    b.posten = p.isEmpty() ? allePosten(e.inhalt.value(QStringLiteral("Zeilen")), true)
                           : std::vector<Dsfinvkposten>{posten(p, inhaus(p))};
    for (Dsfinvkposten& x : b.posten) {
        x.mengeTausendstel *= vorzeichen;
        x.brutto *= vorzeichen;
    }
    return b;
}

// A changed payment type corrects the bill: the bill as paid before is
// cancelled and issued again with the new payment, both pointing to it.
void zahlartAendern(const Eintrag& e, const Dsfinvkbon& original, std::vector<Dsfinvkbon>& bons) {
    const QString grund = QStringLiteral("Zahlartänderung");
    Dsfinvkbon storno = original;
    storno.bonId = QString::number(e.nr) + QStringLiteral("-1");
    storno.bonNr = e.nr;
    storno.name = grund;
    storno.storno = true;
    storno.zeit = e.zeit;
    storno.terminal = e.terminal;
    storno.bediener = text(e.inhalt.value(QStringLiteral("Kellner")));
    storno.tse = QJsonObject();
    storno.verweise = {original.bonId};
    for (Dsfinvkposten& p : storno.posten) {
        p.mengeTausendstel = -p.mengeTausendstel;
        p.brutto = -p.brutto;
    }
    storno.zahlungen = zahlungen(e.inhalt.value(QStringLiteral("Vorher")).toObject());
    for (Dsfinvkzahlung& z : storno.zahlungen) z.betrag = -z.betrag;
    Dsfinvkbon neu = original;
    neu.bonId = QString::number(e.nr) + QStringLiteral("-2");
    neu.bonNr = e.nr;
    neu.name = grund;
    neu.zeit = e.zeit;
    neu.terminal = e.terminal;
    neu.bediener = storno.bediener;
    neu.tse = QJsonObject();
    neu.verweise = {original.bonId};
    neu.zahlungen = zahlungen(e.inhalt.value(QStringLiteral("Nachher")).toObject());
    bons.push_back(std::move(storno));
    bons.push_back(std::move(neu));
}

std::vector<int> abschlussnummern(Datenbank& db, const QDate& von, const QDate& bis) {
    std::vector<int> nummern;
    Abfrage a = db.abfrage(QStringLiteral("SELECT ZNr FROM Journal WHERE Geschaeftstag >= ? AND "
                                          "Geschaeftstag <= ? AND Art = ? ORDER BY Nr"),
                           von, bis, kJournalKassenabschluss);
    while (a.naechste()) nummern.push_back(static_cast<int>(a.zahl(0)));
    return nummern;
}

}  // namespace

std::int64_t Dsfinvkbon::umsatz() const {
    std::int64_t summe = 0;
    for (const Dsfinvkposten& p : posten) summe += p.brutto;
    return summe;
}

std::vector<Dsfinvkabschluss> DsfinvkAbschluesseLesen(Datenbank& db, const QDate& von,
                                                      const QDate& bis) {
    const std::vector<int> nummern = abschlussnummern(db, von, bis);
    std::vector<Dsfinvkabschluss> abschluesse;
    if (nummern.empty()) return abschluesse;
    Abfrage a = db.abfrage(QStringLiteral("SELECT Nr, Zeit, Kasse, Art, ZNr, RegNr, Inhalt, "
                                          "Geschaeftstag FROM Journal WHERE ZNr >= ? AND ZNr <= ? "
                                          "ORDER BY Nr"),
                           nummern.front(), nummern.back());
    Dsfinvkabschluss offen;
    std::map<int, std::size_t> rechnungen;  // bill number -> its transaction
    while (a.naechste()) {
        const Eintrag e{a.zahl(0),
                        a.text(1),
                        a.text(2),
                        a.text(3),
                        static_cast<int>(a.zahl(5)),
                        QJsonDocument::fromJson(a.utf8(6).toByteArray()).object()};
        std::vector<Dsfinvkbon>& bons = offen.bons;
        if (e.art == kJournalRechnung) {
            rechnungen[e.regNr] = bons.size();
            bons.push_back(rechnung(e));
        } else if (e.art == kJournalHotelrechnung) {
            bons.push_back(hotelrechnung(e));
        } else if (e.art == kJournalZahlart) {
            if (const auto it = rechnungen.find(e.regNr); it != rechnungen.end())
                zahlartAendern(e, bons[it->second], bons);
        } else if (e.art == kJournalStorno) {
            bons.push_back(tischvorgang(e, QStringLiteral("AVBestellung"), kJournalStorno, -1));
        } else if (e.art == kJournalBestellung) {
            bons.push_back(tischvorgang(e, QStringLiteral("AVBestellung"), QString(), 1));
        } else if (e.art == kJournalAufHaus) {
            bons.push_back(tischvorgang(e, QStringLiteral("AVSonstige"), kJournalAufHaus, 1));
        } else if (e.art == kJournalKassenabschluss) {
            offen.zNr = static_cast<int>(a.zahl(4));
            offen.zeit = e.zeit;
            offen.geschaeftstag = a.text(7);
            for (const Dsfinvkbon& b : bons)
                if (!offen.terminals.contains(b.terminal)) offen.terminals << b.terminal;
            abschluesse.push_back(std::move(offen));
            offen = {};
            rechnungen.clear();
        }
    }
    return abschluesse;
}

std::vector<QJsonObject> DsfinvkTseLesen(Datenbank& db) {
    std::vector<QJsonObject> tse;
    Abfrage a = db.abfrage(QStringLiteral("SELECT Inhalt FROM Journal WHERE Art = ? ORDER BY Nr"),
                           kJournalTseInbetriebnahme);
    while (a.naechste()) tse.push_back(QJsonDocument::fromJson(a.utf8(0).toByteArray()).object());
    return tse;
}
