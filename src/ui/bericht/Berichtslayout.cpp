#include "ui/bericht/Berichtslayout.h"

#include "core/Datenbank.h"
#include "ui/Druckziel.h"

Berichtsdaten BerichtsdatenAus(Abfrage& abfrage) {
    Berichtsdaten daten;
    const int spalten = abfrage.spaltenzahl();
    while (abfrage.naechste()) {
        Datenzeile zeile;
        for (int i = 0; i < spalten; ++i) zeile.insert(abfrage.spaltenname(i), abfrage.wert(i));
        daten.push_back(std::move(zeile));
    }
    return daten;
}

Berichtslayout::Berichtslayout(QString titel, double breite, double seitenhoehe)
    : m_titel(std::move(titel)), m_breite(breite), m_seitenhoehe(seitenhoehe) {
    for (const QString& name : {kKopf, kDetail, kFuss}) m_bereiche.push_back({name, 0, {}});
}

Berichtsbereich& Berichtslayout::bereich(const QString& name) {
    return const_cast<Berichtsbereich&>(std::as_const(*this).bereich(name));
}

const Berichtsbereich& Berichtslayout::bereich(const QString& name) const {
    for (const Berichtsbereich& b : m_bereiche)
        if (b.name == name) return b;
    throw DbFehler(
        kDruckfehler,
        QStringLiteral("Der Bericht \"%1\" hat keinen Bereich \"%2\".").arg(m_titel, name));
}

namespace {

Berichtselement& anhaengen(Berichtsbereich& bereich, Berichtselement::Art art, const QString& name,
                           QRectF lage) {
    Berichtselement e;
    e.art = art;
    e.name = name;
    e.lage = lage;
    bereich.elemente.push_back(std::move(e));
    return bereich.elemente.back();
}

Berichtselement& gebunden(Berichtselement& e, const QString& spalte, const QString& format,
                          Schrift schrift, Ausrichtung ausrichtung) {
    e.spalte = spalte;
    e.format = format;
    e.schrift = schrift;
    e.ausrichtung = ausrichtung;
    return e;
}

}  // namespace

Berichtselement& Berichtslayout::bezeichnung(const QString& b, const QString& name, QRectF lage,
                                             const QString& text, Schrift schrift,
                                             Ausrichtung ausrichtung) {
    Berichtselement& e = anhaengen(bereich(b), Berichtselement::Art::Bezeichnung, name, lage);
    e.text = text;
    e.schrift = schrift;
    e.ausrichtung = ausrichtung;
    return e;
}

Berichtselement& Berichtslayout::textfeld(const QString& b, const QString& name, QRectF lage,
                                          const QString& spalte, const QString& format,
                                          Schrift schrift, Ausrichtung ausrichtung) {
    return gebunden(anhaengen(bereich(b), Berichtselement::Art::Textfeld, name, lage), spalte,
                    format, schrift, ausrichtung);
}

Berichtselement& Berichtslayout::funktion(const QString& b, const QString& name, QRectF lage,
                                          const QString& spalte, const QString& format,
                                          Schrift schrift, Ausrichtung ausrichtung) {
    return gebunden(anhaengen(bereich(b), Berichtselement::Art::Funktion, name, lage), spalte,
                    format, schrift, ausrichtung);
}

Berichtselement& Berichtslayout::bild(const QString& b, const QString& name, QRectF lage,
                                      const QString& datei) {
    Berichtselement& e = anhaengen(bereich(b), Berichtselement::Art::Bild, name, lage);
    e.text = datei;
    return e;
}

Berichtselement& Berichtslayout::qrcode(const QString& b, const QString& name, QRectF lage,
                                        const QString& inhalt) {
    Berichtselement& e = anhaengen(bereich(b), Berichtselement::Art::QrCode, name, lage);
    e.text = inhalt;
    return e;
}

Berichtselement& Berichtslayout::linie(const QString& b, const QString& name, QRectF lage) {
    return anhaengen(bereich(b), Berichtselement::Art::Linie, name, lage);
}

Berichtselement& Berichtslayout::rahmen(const QString& b, const QString& name, QRectF lage) {
    return anhaengen(bereich(b), Berichtselement::Art::Rahmen, name, lage);
}

Berichtselement& Berichtslayout::element(const QString& b, const QString& name) {
    for (Berichtselement& e : bereich(b).elemente)
        if (e.name == name) return e;
    throw DbFehler(kDruckfehler,
                   QStringLiteral("Der Bericht \"%1\" hat kein Element \"%2\" in \"%3\".")
                       .arg(m_titel, name, b));
}

void Berichtslayout::setzeText(const QString& b, const QString& name, const QString& text) {
    element(b, name).text = text;
}

void Berichtslayout::platzSchaffen(const QString& b, double ab, double hoehe) {
    Berichtsbereich& band = bereich(b);
    for (Berichtselement& e : band.elemente)
        if (e.lage.top() >= ab) e.lage.translate(0, hoehe);
    band.hoehe += hoehe;
}
