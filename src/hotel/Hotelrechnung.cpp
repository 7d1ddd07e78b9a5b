#include "hotel/Hotelrechnung.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <map>

#include "core/Einstellungen.h"
#include "core/Kontext.h"
#include "core/Zaehler.h"
#include "fiskal/Journal.h"
#include "fiskal/Steuertabelle.h"
#include "fiskal/tse/Tse.h"
#include "fiskal/tse/Tsebeleg.h"
#include "fiskal/tse/Tsebuchung.h"
#include "fiskal/tse/Tseprozessdaten.h"
#include "hotel/Gaeste.h"
#include "hotel/ReportHotelrechnung.h"
#include "reports/Kassenabschluss.h"
#include "ui/Druckziel.h"

namespace {

const QString kDatum = QStringLiteral("dd.MM.yyyy");

// Gathers the lines of the bill and their VAT.
class Folio {
  public:
    void zeile(const QString& text, std::int64_t menge, Geld einzel, int satz) {
        const Geld gesamt = einzel * menge;
        m_zeilen.append(QJsonObject{{QStringLiteral("Text"), text},
                                    {QStringLiteral("Menge"), static_cast<qint64>(menge)},
                                    {QStringLiteral("EPREIS"), static_cast<qint64>(einzel.cent())},
                                    {QStringLiteral("GPREIS"), static_cast<qint64>(gesamt.cent())},
                                    {QStringLiteral("MwStSatz"), satz}});
        m_steuern.hinzufuegen(satz, gesamt);
        m_gesamt += gesamt;
    }
    void belastung(int regNr, Geld betrag) {
        if (!m_belastungen.isEmpty()) {
            QJsonObject letzte = m_belastungen.last().toObject();
            if (letzte.value(QStringLiteral("RegNr")).toInt() == regNr) {
                letzte.insert(QStringLiteral("Betrag"),
                              letzte.value(QStringLiteral("Betrag")).toInteger() + betrag.cent());
                m_belastungen.replace(m_belastungen.size() - 1, letzte);
                return;
            }
        }
        m_belastungen.append(
            QJsonObject{{QStringLiteral("RegNr"), regNr},
                        {QStringLiteral("Betrag"), static_cast<qint64>(betrag.cent())}});
    }
    QJsonObject json() const {
        QJsonArray saetze;
        for (const Steuerzeile& z : m_steuern.zeilen())
            saetze.append(
                QJsonObject{{QStringLiteral("MwStSatz"), z.satz},
                            {QStringLiteral("Brutto"), static_cast<qint64>(z.brutto.cent())}});
        return {{QStringLiteral("Gesamt"), static_cast<qint64>(m_gesamt.cent())},
                {QStringLiteral("Steuersaetze"), saetze},
                {QStringLiteral("Zeilen"), m_zeilen},
                {QStringLiteral("Zimmerbelastungen"), m_belastungen}};
    }

  private:
    QJsonArray m_zeilen;
    QJsonArray m_belastungen;
    Steuertabelle m_steuern;
    Geld m_gesamt;
};

// The nights and breakfasts of one stay, ordered as the bill lists them.
struct Aufenthaltszeile {
    std::int64_t id = 0;
    int zimmer = 0;
    QString zimmerart, gast;
    QDate von, bis;
    Geld zimmerpreis, fruehstueck;
    int satzUebernachtung = 0, satzFruehstueck = 0;
};

// A room charge of a restaurant bill.
struct Belastung {
    std::int64_t id = 0;
    int regNr = 0;
    QDate datum;
    int satz = 0;
    Geld betrag;
};

// The bill's content as the journal keeps it, without its number and payment:
// read from the chosen stays before the device signs it, so the signature
// and the stored bill are of the very same amounts.
QJsonObject folioLesen(Kontext& k, const std::vector<std::int64_t>& aufenthalte) {
    std::vector<Aufenthaltszeile> zeilen;
    std::vector<Belastung> belastungen;
    for (std::int64_t id : aufenthalte) {
        Abfrage a = k.db.abfrage(
            QStringLiteral("SELECT ZimmerNr, Zimmerart, Gast, Anreise, Abreise, Zimmerpreis, "
                           "Fruehstueckpreis, MwStUebernachtung, MwStFruehstueck FROM "
                           "Aufenthalte WHERE ID = ?"),
            id);
        if (a.naechste())
            zeilen.push_back({id, static_cast<int>(a.zahl(0)), a.text(1), a.text(2), a.datum(3),
                              a.datum(4), a.geld(5), a.geld(6), static_cast<int>(a.zahl(7)),
                              static_cast<int>(a.zahl(8))});
        for (Abfrage b = k.db.abfrage(QStringLiteral("SELECT ID, RegNr, Datum, MwStSatz, Betrag "
                                                     "FROM Zimmerbelastungen WHERE Aufenthalt = ?"),
                                      id);
             b.naechste();)
            belastungen.push_back({b.zahl(0), static_cast<int>(b.zahl(1)), b.datum(2),
                                   static_cast<int>(b.zahl(3)), b.geld(4)});
    }
    std::sort(zeilen.begin(), zeilen.end(),
              [](const Aufenthaltszeile& x, const Aufenthaltszeile& y) {
                  return std::pair(x.zimmer, x.id) < std::pair(y.zimmer, y.id);
              });
    std::sort(belastungen.begin(), belastungen.end(), [](const Belastung& x, const Belastung& y) {
        return std::pair(x.datum, x.id) < std::pair(y.datum, y.id);
    });

    Folio r;
    QDate anreise, abreise;
    for (const Aufenthaltszeile& a : zeilen) {
        if (!anreise.isValid() || a.von < anreise) anreise = a.von;
        if (!abreise.isValid() || a.bis > abreise) abreise = a.bis;
        const std::int64_t naechte = a.von.daysTo(a.bis);
        if (naechte == 0) continue;
        r.zeile(QStringLiteral("Zimmer %1 (%2), Übernachtung %3 – %4")
                    .arg(a.zimmer)
                    .arg(a.zimmerart, a.von.toString(kDatum), a.bis.toString(kDatum)),
                naechte, a.zimmerpreis - a.fruehstueck, a.satzUebernachtung);
        if (!a.fruehstueck.istNull())
            r.zeile(QStringLiteral("Zimmer %1, Frühstück").arg(a.zimmer), naechte, a.fruehstueck,
                    a.satzFruehstueck);
    }
    for (const Belastung& b : belastungen) {
        r.zeile(QStringLiteral("Restaurant %1, Rechnung Nr. %2")
                    .arg(b.datum.toString(kDatum))
                    .arg(b.regNr),
                1, b.betrag, b.satz);
        r.belastung(b.regNr, b.betrag);
    }
    QJsonObject inhalt = r.json();
    inhalt.insert(QStringLiteral("Gast"), zeilen.empty() ? QString() : zeilen.front().gast);
    inhalt.insert(QStringLiteral("Anreise"), anreise.toString(Qt::ISODate));
    inhalt.insert(QStringLiteral("Abreise"), abreise.toString(Qt::ISODate));
    return inhalt;
}

// The hotel bill is a receipt like any other: "Kassenbeleg-V1" with its gross
// per rate; cash is cash, card and transfer are not.
Tsesignatur HotelrechnungSignieren(Kontext& k, const QJsonObject& inhalt,
                                   const QString& zahlungsart) {
    if (!k.tse) return {};
    std::map<int, Geld> brutto;
    for (const QJsonValue s : inhalt.value(QStringLiteral("Steuersaetze")).toArray())
        brutto[s[QStringLiteral("MwStSatz")].toInt()] +=
            Geld(s[QStringLiteral("Brutto")].toInteger());
    const Geld gesamt(inhalt.value(QStringLiteral("Gesamt")).toInteger());
    const bool bar = zahlungsart == kBar;
    return TseSignieren(k, kKassenbelegV1,
                        KassenbelegDaten(brutto, bar ? gesamt : Geld(), bar ? Geld() : gesamt));
}

Hotelrechnungskopf kopfLesen(Kontext& k, int rechnungsnr, const QJsonObject& inhalt) {
    Hotelrechnungskopf kopf;
    if (const QJsonObject tse = inhalt.value(QStringLiteral("TSE")).toObject(); !tse.isEmpty())
        kopf.tse = TsebelegAus(k.db, tse);
    Abfrage betrieb =
        k.db.abfrage(QStringLiteral("SELECT Name, Adresszeile, Steuernummer FROM Betrieb LIMIT 1"));
    if (betrieb.naechste()) {
        kopf.betrieb = betrieb.text(0);
        kopf.betriebAdresse = betrieb.text(1);
        if (!betrieb.text(2).isEmpty())
            kopf.steuerangabe = QStringLiteral("Steuernummer ") + betrieb.text(2);
    }
    if (const auto ustId = EinstellungLesen(k.db, QStringLiteral("UStIdNr")))
        kopf.steuerangabe = QStringLiteral("USt-IdNr. ") + *ustId;
    Abfrage gast = k.db.abfrage(QStringLiteral("SELECT Adresse, Abgereist FROM Aufenthalte WHERE "
                                               "Rechnungsnr = ? ORDER BY ZimmerNr, ID LIMIT 1"),
                                rechnungsnr);
    if (gast.naechste()) {
        kopf.gastAdresse = gast.text(0);
        kopf.datum = gast.datum(1);
    }
    return kopf;
}

bool nochImHaus(Kontext& k, const std::vector<std::int64_t>& ids) {
    for (std::int64_t id : ids) {
        Abfrage a = k.db.abfrage(
            QStringLiteral("SELECT 1 FROM Aufenthalte WHERE ID = ? AND Status = ?"), id, kImHaus);
        if (!a.naechste()) return false;
    }
    return true;
}

// Open tables may still be charged to these rooms: the user decides.
bool offeneTischeBestaetigt(Kontext& k, const std::vector<std::int64_t>& ids) {
    bool belastet = false;
    for (std::int64_t id : ids) {
        Abfrage a = k.db.abfrage(
            QStringLiteral("SELECT 1 FROM Zimmerbelastungen WHERE Aufenthalt = ? LIMIT 1"), id);
        belastet = belastet || a.naechste();
    }
    const QStringList offen = OffeneTischeAuflisten(k);
    if (!belastet || offen.isEmpty()) return true;
    return k.dialoge.frage(QStringLiteral("Noch offene Tische: ") +
                               offen.join(QStringLiteral(", ")) +
                               QStringLiteral("\nDort können noch Rechnungen auf das Zimmer "
                                              "gebucht werden. Trotzdem abreisen?"),
                           kAbreiseTitel);
}

}  // namespace

QString KeineHotelrechnung(int rechnungsnr) {
    return QStringLiteral("Eine Hotelrechnung Nr. %1 gibt es nicht.").arg(rechnungsnr);
}

std::optional<int> Abreisen(Kontext& k, const std::vector<std::int64_t>& aufenthalte,
                            const QString& zahlungsart) {
    if (!kAbreiseZahlungsarten.contains(zahlungsart))
        throw DbFehler(3265, QStringLiteral("Unbekannte Zahlungsart '%1'.").arg(zahlungsart));
    if (aufenthalte.empty()) {
        k.dialoge.meldung(kKeinZimmerGewaehlt);
        return std::nullopt;
    }
    if (!nochImHaus(k, aufenthalte)) {
        k.dialoge.meldung(QStringLiteral("Ein gewähltes Zimmer ist nicht mehr belegt."));
        return std::nullopt;
    }
    if (!offeneTischeBestaetigt(k, aufenthalte)) return std::nullopt;

    QJsonObject inhalt = folioLesen(k, aufenthalte);
    const Tsesignatur signatur = HotelrechnungSignieren(k, inhalt, zahlungsart);
    Transaktion t(k.db);
    ZaehlerSperren(k.db, kZaehlerJournal);
    // The counter only moves with a written bill, so no number is skipped or reused.
    k.db.ausfuehren(QStringLiteral("UPDATE Hotelrechnungsnummer SET Letzte = Letzte + 1"));
    Abfrage nummer = k.db.abfrage(QStringLiteral("SELECT Letzte FROM Hotelrechnungsnummer"));
    nummer.naechste();
    const int rechnungsnr = static_cast<int>(nummer.zahl(0));
    for (std::int64_t id : aufenthalte)
        k.db.ausfuehren(QStringLiteral("UPDATE Aufenthalte SET Status = ?, Rechnungsnr = ?, "
                                       "Zahlungsart = ?, Abgereist = ? WHERE ID = ?"),
                        kAbgereist, rechnungsnr, zahlungsart, k.jetzt().date(), id);
    inhalt.insert(QStringLiteral("Rechnungsnr"), rechnungsnr);
    inhalt.insert(QStringLiteral("Zahlungsart"), zahlungsart);
    TseAnfuegen(inhalt, TseVermerken(k, signatur));
    const std::int64_t journalNr = JournalAnhaengen(k, kJournalHotelrechnung, inhalt);
    k.db.ausfuehren(QStringLiteral("UPDATE Aufenthalte SET JournalNr = ? WHERE Rechnungsnr = ?"),
                    journalNr, rechnungsnr);
    k.drucker.drucken(HotelrechnungDrucken(inhalt, kopfLesen(k, rechnungsnr, inhalt)));
    t.bestaetigen();
    return rechnungsnr;
}

bool HotelrechnungNachdrucken(Kontext& k, int rechnungsnr) {
    Transaktion t(k.db);
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT Inhalt FROM Journal WHERE Nr = (SELECT JournalNr FROM Aufenthalte "
                       "WHERE Rechnungsnr = ? LIMIT 1)"),
        rechnungsnr);
    if (!a.naechste()) {
        k.dialoge.meldung(KeineHotelrechnung(rechnungsnr));
        return false;
    }
    const QJsonObject inhalt = QJsonDocument::fromJson(a.text(0).toUtf8()).object();
    Hotelrechnungskopf kopf = kopfLesen(k, rechnungsnr, inhalt);
    kopf.kopie = true;
    JournalAnhaengen(k, kJournalNachdruck,
                     {{QStringLiteral("Beleg"), kJournalHotelrechnung},
                      {QStringLiteral("Rechnungsnr"), rechnungsnr},
                      {QStringLiteral("Kellner"), k.werte.kellner}});
    k.drucker.drucken(HotelrechnungDrucken(inhalt, kopf));
    t.bestaetigen();
    return true;
}
