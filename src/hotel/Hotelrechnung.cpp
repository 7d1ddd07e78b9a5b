#include "hotel/Hotelrechnung.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "core/Einstellungen.h"
#include "core/Kontext.h"
#include "fiskal/Journal.h"
#include "fiskal/Steuertabelle.h"
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

// The bill's content as the journal keeps it; the stays are already checked out
// under `rechnungsnr`.
QJsonObject inhaltLesen(Kontext& k, int rechnungsnr, const QString& zahlungsart) {
    Folio r;
    QString gast;
    QDate anreise, abreise;
    for (Abfrage a = k.db.abfrage(
             QStringLiteral("SELECT ID, ZimmerNr, Zimmerart, Gast, Anreise, Abreise, Zimmerpreis, "
                            "Fruehstueckpreis, MwStUebernachtung, MwStFruehstueck FROM "
                            "Aufenthalte WHERE Rechnungsnr = ? ORDER BY ZimmerNr, ID"),
             rechnungsnr);
         a.naechste();) {
        const int zimmer = static_cast<int>(a.zahl(1));
        if (gast.isEmpty()) gast = a.text(3);
        const QDate von = a.datum(4), bis = a.datum(5);
        if (!anreise.isValid() || von < anreise) anreise = von;
        if (!abreise.isValid() || bis > abreise) abreise = bis;
        const std::int64_t naechte = von.daysTo(bis);
        if (naechte == 0) continue;
        const Geld fruehstueck = a.geld(7);
        r.zeile(QStringLiteral("Zimmer %1 (%2), Übernachtung %3 – %4")
                    .arg(zimmer)
                    .arg(a.text(2), von.toString(kDatum), bis.toString(kDatum)),
                naechte, a.geld(6) - fruehstueck, static_cast<int>(a.zahl(8)));
        if (!fruehstueck.istNull())
            r.zeile(QStringLiteral("Zimmer %1, Frühstück").arg(zimmer), naechte, fruehstueck,
                    static_cast<int>(a.zahl(9)));
    }
    for (Abfrage a = k.db.abfrage(
             QStringLiteral("SELECT RegNr, Datum, MwStSatz, Betrag FROM Zimmerbelastungen WHERE "
                            "Aufenthalt IN (SELECT ID FROM Aufenthalte WHERE Rechnungsnr = ?) "
                            "ORDER BY Datum, ID"),
             rechnungsnr);
         a.naechste();) {
        const int regNr = static_cast<int>(a.zahl(0));
        r.zeile(QStringLiteral("Restaurant %1, Rechnung Nr. %2")
                    .arg(a.datum(1).toString(kDatum))
                    .arg(regNr),
                1, a.geld(3), static_cast<int>(a.zahl(2)));
        r.belastung(regNr, a.geld(3));
    }
    QJsonObject inhalt = r.json();
    inhalt.insert(QStringLiteral("Rechnungsnr"), rechnungsnr);
    inhalt.insert(QStringLiteral("Gast"), gast);
    inhalt.insert(QStringLiteral("Anreise"), anreise.toString(Qt::ISODate));
    inhalt.insert(QStringLiteral("Abreise"), abreise.toString(Qt::ISODate));
    inhalt.insert(QStringLiteral("Zahlungsart"), zahlungsart);
    return inhalt;
}

Hotelrechnungskopf kopfLesen(Kontext& k, int rechnungsnr) {
    Hotelrechnungskopf kopf;
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

    Transaktion t(k.db);
    // The counter only moves with a written bill, so no number is skipped or reused.
    k.db.ausfuehren(QStringLiteral("UPDATE Hotelrechnungsnummer SET Letzte = Letzte + 1"));
    Abfrage nummer = k.db.abfrage(QStringLiteral("SELECT Letzte FROM Hotelrechnungsnummer"));
    nummer.naechste();
    const int rechnungsnr = static_cast<int>(nummer.zahl(0));
    for (std::int64_t id : aufenthalte)
        k.db.ausfuehren(QStringLiteral("UPDATE Aufenthalte SET Status = ?, Rechnungsnr = ?, "
                                       "Zahlungsart = ?, Abgereist = ? WHERE ID = ?"),
                        kAbgereist, rechnungsnr, zahlungsart, k.jetzt().date(), id);
    const QJsonObject inhalt = inhaltLesen(k, rechnungsnr, zahlungsart);
    const std::int64_t journalNr = JournalAnhaengen(k, kJournalHotelrechnung, inhalt);
    k.db.ausfuehren(QStringLiteral("UPDATE Aufenthalte SET JournalNr = ? WHERE Rechnungsnr = ?"),
                    journalNr, rechnungsnr);
    k.drucker.drucken(HotelrechnungDrucken(inhalt, kopfLesen(k, rechnungsnr)));
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
    Hotelrechnungskopf kopf = kopfLesen(k, rechnungsnr);
    kopf.kopie = true;
    JournalAnhaengen(k, kJournalNachdruck,
                     {{QStringLiteral("Beleg"), kJournalHotelrechnung},
                      {QStringLiteral("Rechnungsnr"), rechnungsnr},
                      {QStringLiteral("Kellner"), k.werte.kellner}});
    k.drucker.drucken(HotelrechnungDrucken(inhalt, kopf));
    t.bestaetigen();
    return true;
}
