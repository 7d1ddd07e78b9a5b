#include "service/Abkassieren.h"

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "fiskal/Journal.h"
#include "service/Kundenbelege.h"
#include "service/Tischzeilen.h"
#include "ui/Druckziel.h"

QString BelegNichtGedruckt(int regNr) {
    return QStringLiteral(
               "Die Rechnung Nr. %1 ist gespeichert, der Beleg wurde aber nicht "
               "gedruckt. Er kann in der Rechnungsübersicht nachgedruckt werden.")
        .arg(regNr);
}

bool Abkassieren(Kontext& k, const QString& beleg, const QString& zahlungsart,
                 const Gutschein& gutschein) {
    if (beleg == kRechnungBeleg && !RechtPruefen(k, QStringLiteral("Rechnungen"))) return false;
    const auto summe = TischSumme(k, OrtAmTisch(k, kZahlen));
    if (!summe || !RueckgeldBestaetigen(k, ZahlungAufteilen(zahlungsart, *summe, gutschein.betrag)))
        return false;
    Transaktion t(k.db);
    // The document is made from the very lines the bill stores, with the
    // numbers the bill and its journal entry are about to get.
    const Belegnummern nummern{NaechsteRechnungsnummer(k.db), JournalStand(k.db).nr};
    std::optional<Dokument> dokument;
    if (beleg == kKassenbon)
        dokument = AbrechnungErzeugen(k, kZahlen, zahlungsart, gutschein.betrag, nummern);
    if (beleg == kRechnungBeleg)
        dokument = RechnungErzeugen(k, kZahlen, zahlungsart, gutschein.betrag, nummern);
    const auto regNr = RechnungDetails(k, kZahlen, zahlungsart, gutschein, beleg);
    if (!regNr) return false;
    t.bestaetigen();

    if (dokument) {
        try {
            k.drucker.drucken(*dokument);
        } catch (const DbFehler& f) {
            k.dialoge.fehler(f);
            k.dialoge.meldung(BelegNichtGedruckt(*regNr));
        }
    }
    return true;
}
