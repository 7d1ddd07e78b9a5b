#include "core/Schluesselwechsel.h"

#include <QDir>
#include <QFileInfo>

#include "core/Datenbankdatei.h"
#include "core/Kontext.h"
#include "core/Rechte.h"
#include "core/Schluesseldatei.h"
#include "core/Sicherungslauf.h"
#include "ui/Druckziel.h"
#include "ui/bericht/Dokument.h"

namespace {

bool hauptschluessel(Kontext& k) {
    if (AdminKeyAbfrage(k.db, k.werte.kellner)) return true;
    k.dialoge.meldung(kNurMitHauptschluessel);
    return false;
}

}  // namespace

bool SchluesselErneuern(Kontext& k, const QString& schluesselpfad) {
    if (!hauptschluessel(k)) return false;
    if (k.db.istServer()) {
        k.dialoge.meldung(kNurMitDatei);
        return false;
    }
    if (k.db.schluessel() != kDatenbankKennwort) {
        k.dialoge.meldung(kEigenerSchluesselVorhanden);
        return false;
    }
    if (!DatensicherungDurchfuehren(k, false)) return false;
    k.db.neuVerschluesseln(QFileInfo::exists(schluesselpfad) ? SchluesselLesen(schluesselpfad)
                                                             : SchluesselAnlegen(schluesselpfad));
    k.dialoge.meldung(kSchluesselErneuert);
    return true;
}

void NotfallblattDrucken(Kontext& k, const QString& schluesselpfad) {
    if (!hauptschluessel(k)) return;
    Berichtslayout blatt(QStringLiteral("Notfallblatt"), kA4Breite, kA4Hoehe);
    const Schrift titel{16, true};
    const Schrift gross{14, true};
    blatt.bezeichnung(kKopf, QStringLiteral("lblTitel"), {0, 0, kA4Breite, 10},
                      QStringLiteral("Notfallblatt der Kasse"), titel);
    const QString zeilen[][2] = {
        {QStringLiteral("Datenbank:"), QDir::toNativeSeparators(k.db.pfad())},
        {QStringLiteral("Schlüsseldatei:"), QDir::toNativeSeparators(schluesselpfad)},
        {QStringLiteral("Gedruckt am:"), k.jetzt().toString(QStringLiteral("dd.MM.yyyy HH:mm"))},
    };
    double oben = 16;
    for (const auto& [name, wert] : zeilen) {
        blatt.bezeichnung(kKopf, QStringLiteral("lbl") + QString::number(oben), {0, oben, 40, 6},
                          name);
        blatt
            .bezeichnung(kKopf, QStringLiteral("txt") + QString::number(oben),
                         {40, oben, kA4Breite - 40, 6}, wert)
            .wachsen = true;
        oben += 8;
    }
    blatt.bezeichnung(kKopf, QStringLiteral("lblPassphrase"), {0, oben + 4, kA4Breite, 6},
                      QStringLiteral("Passphrase:"));
    blatt.bezeichnung(kKopf, QStringLiteral("txtPassphrase"), {0, oben + 12, kA4Breite, 10},
                      QString::fromLatin1(k.db.schluessel()), gross);
    blatt
        .bezeichnung(
            kKopf, QStringLiteral("lblHinweis"), {0, oben + 28, kA4Breite, 30},
            QStringLiteral("Geht die Schlüsseldatei verloren, legen Sie sie mit genau dieser "
                           "Passphrase in einer Zeile wieder an (nur für den Besitzer "
                           "lesbar). Ohne sie lassen sich weder die Datenbank noch ihre "
                           "Datensicherungen öffnen. Bewahren Sie dieses Blatt getrennt "
                           "von den Datensicherungen auf."))
        .wachsen = true;
    k.drucker.drucken(BerichtErzeugen(blatt, {}));
}
