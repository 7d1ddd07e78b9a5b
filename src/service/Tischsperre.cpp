#include "service/Tischsperre.h"

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "fiskal/Journal.h"

namespace {

QString zeitpunkt(const QDateTime& zeit) { return zeit.toString(Qt::ISODate); }

// Leases not renewed within their duration belong to a till that is gone.
void abgelaufeneLoeschen(Kontext& k) {
    k.db.ausfuehren(QStringLiteral("DELETE FROM Tischsperren WHERE Herzschlag < ?"),
                    SperreGueltigAb(k));
}

struct FremdeSperre {
    QString station, tisch, kasse;
};

std::vector<FremdeSperre> fremdeSperren(Kontext& k) {
    std::vector<FremdeSperre> sperren;
    for (Abfrage a = k.db.abfrage(QStringLiteral("SELECT Station, Tisch, Kasse FROM Tischsperren "
                                                 "WHERE ") +
                                      kFremdeSperre + QStringLiteral(" ORDER BY Station, Tisch"),
                                  Kassenname(), SperreGueltigAb(k));
         a.naechste();)
        sperren.push_back({a.text(0), a.text(1), a.text(2)});
    return sperren;
}

// The refusal when another till holds the current table.
std::optional<QString> fremdGesperrt(Kontext& k) {
    Abfrage a = k.db.abfrage(QStringLiteral("SELECT Kasse FROM Tischsperren WHERE Station = ? AND "
                                            "Tisch = ? AND Kasse <> ?"),
                             k.werte.station, k.werte.tisch, Kassenname());
    if (!a.naechste()) return std::nullopt;
    return QStringLiteral("Tisch %1 ist gerade an der Kasse '%2' geöffnet.")
        .arg(k.werte.tisch, a.text(0));
}

}  // namespace

QString SperreGueltigAb(Kontext& k) { return zeitpunkt(k.jetzt().addSecs(-kSperrdauerSekunden)); }

std::optional<QString> TischSperren(Kontext& k) {
    Transaktion t(k.db);
    abgelaufeneLoeschen(k);
    if (const auto abgelehnt = fremdGesperrt(k)) return abgelehnt;
    k.db.ausfuehren(QStringLiteral("DELETE FROM Tischsperren WHERE Kasse = ?"), Kassenname());
    try {
        Transaktion einfuegen(k.db);
        k.db.ausfuehren(
            QStringLiteral("INSERT INTO Tischsperren (Station, Tisch, Kasse, Herzschlag) "
                           "VALUES (?, ?, ?, ?)"),
            k.werte.station, k.werte.tisch, Kassenname(), zeitpunkt(k.jetzt()));
        einfuegen.bestaetigen();
    } catch (const DbFehler&) {
        // On a server another till may have taken the table in the same
        // moment: its lease is committed by the time this insert fails.
        if (const auto abgelehnt = fremdGesperrt(k)) return abgelehnt;
        throw;
    }
    t.bestaetigen();
    return std::nullopt;
}

void TischeEntsperren(Kontext& k) {
    Transaktion t(k.db);
    k.db.ausfuehren(QStringLiteral("DELETE FROM Tischsperren WHERE Kasse = ?"), Kassenname());
    t.bestaetigen();
}

void SperrenErneuern(Kontext& k) {
    Transaktion t(k.db);
    k.db.ausfuehren(QStringLiteral("UPDATE Tischsperren SET Herzschlag = ? WHERE Kasse = ?"),
                    zeitpunkt(k.jetzt()), Kassenname());
    t.bestaetigen();
}

QStringList FremdeTische(Kontext& k) {
    QStringList tische;
    for (const FremdeSperre& s : fremdeSperren(k))
        tische << QStringLiteral("%1 %2 (%3)").arg(s.station, s.tisch, s.kasse);
    return tische;
}

void mnuTischFreigeben(Kontext& k) {
    if (!RechtPruefen(k, QStringLiteral("FremdeTische"))) return;
    const std::vector<FremdeSperre> sperren = fremdeSperren(k);
    if (sperren.empty()) {
        k.dialoge.meldung(QStringLiteral("Kein Tisch ist an einer anderen Kasse geöffnet."));
        return;
    }
    for (const FremdeSperre& s : sperren) {
        if (!k.dialoge.frage(QStringLiteral("Tisch %1 (%2) ist an der Kasse '%3' geöffnet. "
                                            "Tisch freigeben?")
                                 .arg(s.tisch, s.station, s.kasse),
                             QStringLiteral("Tisch freigeben")))
            continue;
        Transaktion t(k.db);
        k.db.ausfuehren(QStringLiteral("DELETE FROM Tischsperren WHERE Station = ? AND Tisch = ?"),
                        s.station, s.tisch);
        t.bestaetigen();
    }
}
