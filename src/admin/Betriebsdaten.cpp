#include "admin/Betriebsdaten.h"

#include <QDir>
#include <QRegularExpression>

#include "core/Datensicherung.h"
#include "core/Einstellungen.h"
#include "core/Kontext.h"
#include "fiskal/Journalinhalte.h"
#include "fiskal/Kassenstammdaten.h"

namespace {

const QString kBetrieb = QStringLiteral("Betrieb");
const QString kEinstellungen = QStringLiteral("Einstellungen");
const QString kName = QStringLiteral("Name");

struct Feld {
    QString Betriebsdaten::*wert;
    const char* bezeichnung;
    int hoechstens;  // the tax export's field lengths where it has the field
};

const Feld kFelder[] = {
    {&Betriebsdaten::name, "Name", 60},
    {&Betriebsdaten::adresszeile, "Adresszeile", 120},
    {&Betriebsdaten::telefon, "Telefon", 40},
    {&Betriebsdaten::steuernummer, "Steuernummer", 30},
    {&Betriebsdaten::ustIdNr, "USt-IdNr.", 15},
    {&Betriebsdaten::kassenseriennummer, "Kassenseriennummer", 50},
    {&Betriebsdaten::sicherungsordner, "Ordner für Datensicherung", 255},
};

}  // namespace

Betriebsdaten BetriebsdatenLesen(Datenbank& db) {
    Betriebsdaten d;
    Abfrage a =
        db.abfrage(QStringLiteral("SELECT Name, Adresszeile, Telefon, Steuernummer FROM "
                                  "Betrieb ORDER BY rowid LIMIT 1"));
    if (a.naechste()) {
        d.name = a.text(0);
        d.adresszeile = a.text(1);
        d.telefon = a.text(2);
        d.steuernummer = a.text(3);
    }
    d.ustIdNr = EinstellungLesen(db, kEinstellungUStIdNr).value_or(QString());
    d.kassenseriennummer = EinstellungLesen(db, kEinstellungKassenseriennummer).value_or(QString());
    d.sicherungsordner = QDir::toNativeSeparators(Sicherungsordner(db));
    return d;
}

std::optional<QString> BetriebsdatenVerweigert(const Betriebsdaten& d) {
    if (d.name.trimmed().isEmpty()) return kBetriebOhneName;
    for (const Feld& f : kFelder)
        if ((d.*f.wert).trimmed().size() > f.hoechstens)
            return QStringLiteral("Das Feld „%1“ darf höchstens %2 Zeichen lang sein.")
                .arg(QString::fromUtf8(f.bezeichnung))
                .arg(f.hoechstens);
    if (!d.ustIdNr.trimmed().isEmpty() &&
        !QRegularExpression(QStringLiteral("^[A-Z]{2}[0-9A-Z]{2,13}$"))
             .match(d.ustIdNr.trimmed())
             .hasMatch())
        return QStringLiteral(
            "Die USt-IdNr. beginnt mit dem Länderkürzel und enthält nur "
            "Großbuchstaben und Ziffern, z. B. DE123456789.");
    if (!d.sicherungsordner.trimmed().isEmpty() &&
        QDir::isRelativePath(QDir::fromNativeSeparators(d.sicherungsordner.trimmed())))
        return QStringLiteral(
            "Der Ordner für die Datensicherung muss ein vollständiger Pfad "
            "sein, z. B. /media/usb/Sicherungen.");
    return std::nullopt;
}

bool BetriebsdatenSpeichern(Kontext& k, const Betriebsdaten& d) {
    if (const auto verweigert = BetriebsdatenVerweigert(d)) {
        k.dialoge.meldung(*verweigert);
        return false;
    }
    Transaktion t(k.db);
    const Betriebsdaten alt = BetriebsdatenLesen(k.db);
    const QString name = d.name.trimmed();
    Stammdatenaenderung betrieb(k.db, kBetrieb, kName, alt.name, name);
    Stammdatenaenderung einstellungen(k.db, kEinstellungen, kName, kEinstellungUStIdNr,
                                      kEinstellungKassenseriennummer);
    Stammdatenaenderung ordner(k.db, kEinstellungen, kName, kEinstellungSicherungsordner);
    if (k.db.ausfuehren(QStringLiteral("UPDATE Betrieb SET Name = ?, Adresszeile = ?, Telefon = ?, "
                                       "Steuernummer = ? WHERE rowid = (SELECT MIN(rowid) FROM "
                                       "Betrieb)"),
                        name, d.adresszeile.trimmed(), d.telefon.trimmed(),
                        d.steuernummer.trimmed()) == 0)
        k.db.ausfuehren(QStringLiteral("INSERT INTO Betrieb (Name, Adresszeile, Telefon, "
                                       "Steuernummer) VALUES (?, ?, ?, ?)"),
                        name, d.adresszeile.trimmed(), d.telefon.trimmed(),
                        d.steuernummer.trimmed());
    EinstellungSchreiben(k.db, kEinstellungUStIdNr, d.ustIdNr.trimmed());
    EinstellungSchreiben(k.db, kEinstellungKassenseriennummer, d.kassenseriennummer.trimmed());
    // The default folder stays the default: it moves with the database.
    const QString sicherung = QDir::fromNativeSeparators(d.sicherungsordner.trimmed());
    if (sicherung != QDir::fromNativeSeparators(alt.sicherungsordner))
        SicherungsordnerSetzen(k.db, sicherung);
    for (Stammdatenaenderung* a : {&betrieb, &einstellungen, &ordner}) a->journalieren(k, kBetrieb);
    t.bestaetigen();
    return true;
}
