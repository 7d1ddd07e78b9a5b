#include "hotel/Hotelabrechnung.h"

#include <QRegularExpression>

#include "core/Grenzen.h"
#include "core/Kontext.h"
#include "fiskal/Steuersatz.h"

namespace {

// The refusal for one amount or count, or an empty text when it is fine.
template <typename T>
QString pruefe(T wert, T hoechstens, const QString& zuGross) {
    if (wert < T{}) return kNegativ;
    if (wert > hoechstens) return zuGross;
    return QString();
}
QString pruefe(int zahl) { return pruefe(zahl, kHoechsteAnzahl, kZuGross); }
QString pruefe(Geld preis) { return pruefe(preis, kHoechstpreis, kPreisZuHoch); }

QString ablehnung(const Hotelaufenthalt& a) {
    if (a.abreise < a.anreise) return kAbreiseVorAnreise;
    if (!a.zimmerAnzahl || !a.uebernachtungen || !a.zimmerpreis) return kAngabenFehlen;
    for (int zahl : {*a.zimmerAnzahl, *a.uebernachtungen})
        if (QString text = pruefe(zahl); !text.isEmpty()) return text;
    for (Geld preis : {*a.zimmerpreis, a.fruehstueckpreis.value_or(Geld())})
        if (QString text = pruefe(preis); !text.isEmpty()) return text;
    if (a.fruehstueckpreis > a.zimmerpreis) return kFruehstueckZuTeuer;
    return QString();
}

// Several rooms are named in front, so the row's count times its unit price
// gives its total.
QString textUebernachtungen(const Hotelaufenthalt& a) {
    QString text = QString::number(*a.uebernachtungen);
    if (*a.zimmerAnzahl > 1) text = QStringLiteral("%1 Zimmer × %2").arg(*a.zimmerAnzahl).arg(text);
    if (!a.zimmerNr) return text + QStringLiteral(" Ü ohne Frühstück ");
    return text + QStringLiteral(" Ü im ") + a.zimmerArt + QStringLiteral(" ohne Frühstück ");
}

}  // namespace

std::optional<std::pair<int, int>> HotelSteuersaetze(Kontext& k) {
    Abfrage a = k.db.abfrage(
        QStringLiteral("SELECT MwStUebernachtung, MwStFruehstueck FROM Betrieb LIMIT 1"));
    if (!a.naechste() || !SteuersatzImBereich(a.zahl(0)) || !SteuersatzImBereich(a.zahl(1)))
        return std::nullopt;
    return std::pair(static_cast<int>(a.zahl(0)), static_cast<int>(a.zahl(1)));
}

std::optional<int> GanzzahlLesen(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^-?\\d{1,9}$"));
    if (!form.match(text.trimmed()).hasMatch()) return std::nullopt;
    return text.trimmed().toInt();
}

QString ZahlfeldPruefen(Kontext& k, const QString& text, Zahlfeld art) {
    QString ablehnung;
    if (art == Zahlfeld::Anzahl) {
        const auto zahl = GanzzahlLesen(text);
        if (!zahl) return QString();
        ablehnung = pruefe(*zahl);
    } else {
        const auto preis = Geld::lesen(text);
        if (!preis) return QString();
        ablehnung = pruefe(*preis);
    }
    if (ablehnung.isEmpty()) return text;
    k.dialoge.meldung(ablehnung);
    return QString();
}

std::optional<Geld> Gesamtpreis(const Hotelaufenthalt& a) {
    if (!a.zimmerpreis || !a.uebernachtungen || !a.zimmerAnzahl) return std::nullopt;
    return *a.zimmerpreis * *a.uebernachtungen * *a.zimmerAnzahl;
}

bool HotelabrechnungSpeichern(Kontext& k, const Hotelaufenthalt& a) {
    if (const QString text = ablehnung(a); !text.isEmpty()) {
        k.dialoge.meldung(text);
        return false;
    }
    if (!kZahlungsarten.contains(a.zahlungsart))
        throw DbFehler(3265, QStringLiteral("Unbekannte Zahlungsart '%1'.").arg(a.zahlungsart));
    const auto steuern = HotelSteuersaetze(k);
    if (!steuern) {
        k.dialoge.meldung(kHotelSteuersatzFehlt);
        return false;
    }

    // Every row covers all rooms, so rows and VAT add up to the total.
    const qint64 zimmerNaechte = static_cast<qint64>(*a.uebernachtungen) * *a.zimmerAnzahl;
    const Geld zimmer = *a.zimmerpreis;
    const Geld fruehstueck = a.fruehstueckpreis.value_or(Geld());
    const Geld gesamt = *Gesamtpreis(a);

    Transaktion t(k.db);
    k.db.ausfuehren(
        QStringLiteral("INSERT INTO AbrechnungHotel (Mitarbeiter, Datum, Anreise, Abreise, "
                       "ZimmerAnzahl, ZimmerNr, ZimmerArt, Zimmerleistung, TextUerbernachtungen, "
                       "TextFruehstueck, [ZimmerEPÜ], [ZimmerEPÜF], ZimmerEPF, [ZimmerGPÜ], "
                       "[ZimmerGPÜF], ZimmerGPF, Gesamt, MwStUebernachtung, MwStFruehstueck, %1) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .arg(Datenbank::bezeichner(a.zahlungsart)),
        k.werte.kellner, k.jetzt().date(), a.anreise, a.abreise, *a.zimmerAnzahl, a.zimmerNr,
        a.zimmerArt, a.zimmerleistung, textUebernachtungen(a),
        QString::number(zimmerNaechte) + QStringLiteral(" Frühstück "), zimmer - fruehstueck,
        zimmer, fruehstueck, (zimmer - fruehstueck) * zimmerNaechte, zimmer * zimmerNaechte,
        fruehstueck * zimmerNaechte, gesamt, steuern->first, steuern->second, gesamt);
    t.bestaetigen();
    return true;
}
