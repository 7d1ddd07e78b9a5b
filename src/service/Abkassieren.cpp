#include "service/Abkassieren.h"

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "fiskal/Journal.h"
#include "hotel/Zimmerbelastung.h"
#include "service/Belegsignatur.h"
#include "service/Kundenbelege.h"
#include "service/Tischzeilen.h"
#include "ui/Druckziel.h"

bool Abkassieren(Kontext& k, const QString& beleg, const QString& zahlungsart,
                 const Gutschein& gutschein) {
    if (beleg == kRechnungBeleg && !RechtPruefen(k, QStringLiteral("Rechnungen"))) return false;
    const auto summe = TischSumme(k, OrtAmTisch(k, kZahlen));
    if (!summe || !RueckgeldBestaetigen(k, ZahlungAufteilen(zahlungsart, *summe, gutschein.betrag)))
        return false;
    // A charge to a room needs its guest still in house; asked before the
    // device signs a bill that would then not be stored.
    std::optional<Hausgast> gast;
    if (const auto zimmer = ZimmerDerZahlungsart(zahlungsart)) {
        gast = GastImZimmer(k, *zimmer);
        if (!gast) return false;
    }
    const Tsesignatur signatur = KassenbelegSignieren(k, kZahlen, zahlungsart, gutschein.betrag);
    Transaktion t(k.db);
    const QJsonObject tse = TseVermerken(k, signatur);
    // The document is made from the very lines the bill stores, with the
    // numbers the bill and its journal entry are about to get.
    const Belegnummern nummern = BelegnummernVorhalten(k.db);
    std::optional<Dokument> dokument;
    if (beleg == kKassenbon)
        dokument = AbrechnungErzeugen(k, kZahlen, zahlungsart, gutschein.betrag, nummern, tse);
    if (beleg == kRechnungBeleg)
        dokument = RechnungErzeugen(k, kZahlen, zahlungsart, gutschein.betrag, nummern, tse);
    const auto regNr = RechnungDetails(k, kZahlen, zahlungsart, gutschein, beleg, tse);
    if (!regNr) return false;
    // The receipt is stored as a print job with its bill, or neither is.
    if (dokument) k.drucker.drucken(*dokument);
    if (gast) {
        ZimmerBelasten(k, *gast, *regNr);
        k.drucker.drucken(ZimmerbelegErzeugen(k, *gast, *regNr, *summe));
    }
    t.bestaetigen();
    return true;
}
