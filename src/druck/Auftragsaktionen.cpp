#include "druck/Auftragsaktionen.h"

#include "core/Kontext.h"
#include "druck/Druckauftraege.h"
#include "service/Raumzugang.h"
#include "ui/bericht/Dokument.h"
#include "ui/bericht/PdfDrucker.h"

namespace {

QString status(Kontext& k, std::int64_t id) {
    Abfrage a = k.db.abfrage(QStringLiteral("SELECT Status FROM Druckauftraege WHERE ID = ?"), id);
    return a.naechste() ? a.text(0) : QString();
}

// The job may change: it exists and is not on a printer right now.
bool aenderbar(Kontext& k, std::int64_t id) {
    const QString s = status(k, id);
    if (s == kAuftragDruckt) k.dialoge.meldung(kAuftragImDruck);
    return !s.isEmpty() && s != kAuftragDruckt;
}

void wartenLassen(Kontext& k, std::int64_t id, const QString& umleitung) {
    k.db.ausfuehren(QStringLiteral("UPDATE Druckauftraege SET Status = ?, Umleitung = "
                                   "coalesce(?, Umleitung) WHERE ID = ? AND Status <> ?"),
                    kAuftragWartet, umleitung.isEmpty() ? QVariant() : QVariant(umleitung), id,
                    kAuftragDruckt);
}

}  // namespace

bool DruckauftragErneut(Kontext& k, std::int64_t id) {
    Transaktion t(k.db);
    if (!aenderbar(k, id)) return false;
    if (status(k, id) == kAuftragWartet) {
        k.dialoge.meldung(kAuftragWartetSchon);
        return false;
    }
    wartenLassen(k, id, QString());
    t.bestaetigen();
    return true;
}

bool DruckauftragUmleiten(Kontext& k, std::int64_t id, const QString& drucker) {
    if (const auto gesperrt = VerwaltungGesperrt(k)) {
        k.dialoge.meldung(*gesperrt);
        return false;
    }
    Transaktion t(k.db);
    if (!aenderbar(k, id)) return false;
    wartenLassen(k, id, drucker);
    t.bestaetigen();
    return true;
}

QString DruckauftragAlsPdf(Kontext& k, std::int64_t id, const QString& ordner) {
    PdfDrucker pdf(ordner);
    pdf.drucken(AuftragsdokumentLesen(k.db, id));
    return pdf.letzteDatei();
}
