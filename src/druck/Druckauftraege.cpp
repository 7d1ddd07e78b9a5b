#include "druck/Druckauftraege.h"

#include <QHash>
#include <QSet>

#include "admin/Druckerwahl.h"
#include "core/Datenbank.h"
#include "druck/Dokumentablage.h"
#include "druck/Druckerausgang.h"
#include "druck/Druckrollen.h"
#include "fiskal/Journal.h"
#include "ui/Druckziel.h"
#include "ui/bericht/Dokument.h"

namespace {

constexpr int kAufbewahrungTage = 7;

struct Offen {
    std::int64_t id;
    QString drucker;  // its redirection, its role's choice or the default
};

// Each till prints its own jobs at its own printers; jobs from before tills
// had names belong to whichever till prints them.
const QString kEigeneAuftraege = QStringLiteral("(Kasse IS NULL OR Kasse = ?)");

std::vector<Offen> offeneAuftraege(Datenbank& db, const Druckerausgang& ausgang) {
    // Taking the write lock waits for a routine still storing jobs, so the
    // jobs it stores are seen as soon as it commits.
    Transaktion t(db);
    std::vector<Offen> offen;
    QHash<QString, QString> druckerDerRolle;  // asked once per pass
    Abfrage a = db.abfrage(QStringLiteral("SELECT ID, Rolle, Umleitung FROM Druckauftraege "
                                          "WHERE Status IN (?, ?) AND ") +
                               kEigeneAuftraege + QStringLiteral(" ORDER BY ID"),
                           kAuftragWartet, kAuftragFehler, Kassenname());
    while (a.naechste()) {
        QString drucker = a.text(2);
        if (drucker.isEmpty()) {
            const QString rolle = a.text(1);
            auto it = druckerDerRolle.constFind(rolle.toLower());
            if (it == druckerDerRolle.constEnd())
                it = druckerDerRolle.insert(rolle.toLower(), DruckerDerRolle(db, ausgang, rolle));
            drucker = *it;
        }
        offen.push_back({a.zahl(0), drucker});
    }
    t.bestaetigen();
    return offen;
}

// Marks the job as being printed; false when it was taken meanwhile.
bool beginnen(Datenbank& db, std::int64_t id) {
    return db.ausfuehren(QStringLiteral("UPDATE Druckauftraege SET Status = ? WHERE ID = ? AND "
                                        "Status IN (?, ?)"),
                         kAuftragDruckt, id, kAuftragWartet, kAuftragFehler) == 1;
}

}  // namespace

void DruckauftragEinreihen(Datenbank& db, const QDateTime& jetzt, const Dokument& dokument) {
    db.ausfuehren(QStringLiteral("INSERT INTO Druckauftraege (Rolle, Titel, Dokument, Status, "
                                 "Datum, Zeit, Kasse) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                  RolleDes(dokument.rolle), dokument.titel,
                  QString::fromUtf8(DokumentAblegen(dokument)), kAuftragWartet, jetzt.date(),
                  jetzt.time().toString(QStringLiteral("HH:mm:ss")), Kassenname());
}

QString DruckerDerRolle(Datenbank& db, const Druckerausgang& ausgang, const QString& rolle) {
    const QString gewaehlt = GewaehlterDrucker(db, rolle);
    return gewaehlt.isEmpty() ? ausgang.standard() : gewaehlt;
}

void DruckauftraegeNachStart(Datenbank& db, const QDate& heute) {
    Transaktion t(db);
    db.ausfuehren(QStringLiteral("UPDATE Druckauftraege SET Status = ?, Wiederholung = 1 "
                                 "WHERE Status = ?"),
                  kAuftragWartet, kAuftragDruckt);
    db.ausfuehren(QStringLiteral("DELETE FROM Druckauftraege WHERE Status = ? AND Datum < ?"),
                  kAuftragGedruckt, heute.addDays(-kAufbewahrungTage));
    t.bestaetigen();
}

int DruckauftraegeAbarbeiten(Datenbank& db, const Druckerausgang& ausgang,
                             const std::function<void()>& gemeldet, const QString& nurDrucker) {
    QSet<QString> gestoert;
    int gedruckt = 0;
    for (const Offen& o : offeneAuftraege(db, ausgang)) {
        const QString& drucker = o.drucker;
        if (!nurDrucker.isEmpty() && drucker != nurDrucker) continue;
        if (gestoert.contains(drucker) || !beginnen(db, o.id)) continue;
        try {
            const Dokument dokument = AuftragsdokumentLesen(db, o.id);
            if (drucker != kKeinDrucker) ausgang.ziel(drucker)->drucken(dokument);
            db.ausfuehren(QStringLiteral("UPDATE Druckauftraege SET Status = ?, Fehler = NULL, "
                                         "Ausgabe = ? WHERE ID = ?"),
                          kAuftragGedruckt, drucker, o.id);
            ++gedruckt;
        } catch (const DbFehler& f) {
            db.ausfuehren(QStringLiteral("UPDATE Druckauftraege SET Status = ?, Versuche = "
                                         "Versuche + 1, Fehler = ? WHERE ID = ?"),
                          kAuftragFehler, f.beschreibung(), o.id);
            gestoert.insert(drucker);
        }
        if (gemeldet) gemeldet();
    }
    return gedruckt;
}

QStringList WartendeDrucker(Datenbank& db, const Druckerausgang& ausgang) {
    QStringList drucker;
    for (const Offen& o : offeneAuftraege(db, ausgang))
        if (!drucker.contains(o.drucker)) drucker << o.drucker;
    return drucker;
}

Druckstand DruckstandLesen(Datenbank& db) {
    Abfrage a = db.abfrage(QStringLiteral("SELECT count(*), coalesce(sum(CASE WHEN Status = ? THEN "
                                          "1 ELSE 0 END), 0) FROM Druckauftraege "
                                          "WHERE Status <> ? AND ") +
                               kEigeneAuftraege,
                           kAuftragFehler, kAuftragGedruckt, Kassenname());
    a.naechste();
    return {static_cast<int>(a.zahl(0)), static_cast<int>(a.zahl(1))};
}

std::vector<Druckauftrag> DruckauftraegeLesen(Datenbank& db, const Druckerausgang& ausgang) {
    Abfrage a = db.abfrage(
        QStringLiteral("SELECT ID, Rolle, CASE WHEN Status = ?1 THEN Ausgabe ELSE Umleitung END, "
                       "Titel, Status, Fehler, Datum, Zeit, Wiederholung FROM Druckauftraege "
                       "WHERE (Kasse IS NULL OR Kasse = ?2) ORDER BY Status = ?1, "
                       "CASE WHEN Status = ?1 THEN -ID ELSE ID END"),
        kAuftragGedruckt, Kassenname());
    std::vector<Druckauftrag> liste;
    QHash<QString, QString> zustaende;  // CUPS is asked once per printer
    while (a.naechste()) {
        Druckauftrag j{a.zahl(0),
                       a.text(1),
                       a.text(2),
                       a.text(3),
                       a.text(4),
                       a.text(5),
                       QDateTime(a.datum(6), QTime::fromString(a.text(7))),
                       a.wahr(8),
                       QString()};
        if (j.drucker.isEmpty()) j.drucker = DruckerDerRolle(db, ausgang, j.rolle);
        if (j.status != kAuftragGedruckt) {
            auto it = zustaende.constFind(j.drucker);
            if (it == zustaende.constEnd())
                it = zustaende.insert(j.drucker, ausgang.zustand(j.drucker));
            j.zustand = *it;
        }
        liste.push_back(j);
    }
    return liste;
}

Dokument AuftragsdokumentLesen(Datenbank& db, std::int64_t id) {
    Abfrage a = db.abfrage(
        QStringLiteral("SELECT Dokument, Wiederholung FROM Druckauftraege WHERE ID = ?"), id);
    if (!a.naechste())
        throw DbFehler(kDruckfehler, QStringLiteral("Den Druckauftrag %1 gibt es nicht.").arg(id));
    Dokument d = DokumentLesen(a.text(0).toUtf8());
    if (a.wahr(1)) AlsWiederholung(d);
    return d;
}
