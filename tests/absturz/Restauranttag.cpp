#include "absturz/Restauranttag.h"

#include "core/Kontext.h"
#include "reports/Kassenabschluss.h"
#include "reports/Rechnungsuebersicht.h"
#include "service/Abkassieren.h"
#include "service/AufHaus.h"
#include "service/Eintragen.h"
#include "service/Extras.h"
#include "service/Stornieren.h"
#include "service/Tischverlassen.h"
#include "service/Umbuchen.h"
#include "service/Zahlliste.h"
#include "support/SkriptDialoge.h"
#include "support/SpeicherDrucker.h"

namespace {

// The manager settles, gives away and changes payment types: she holds every right.
const QString kChefin = QStringLiteral("Maria Huber");
const QString kKellner = QStringLiteral("Tom Berger");

// Rows of a query as lists of their values.
template <typename... Werte>
QList<QVariantList> zeilen(Datenbank& db, const QString& sql, const Werte&... werte) {
    QList<QVariantList> liste;
    for (Abfrage a = db.abfrage(sql, werte...); a.naechste();) {
        QVariantList zeile;
        for (int i = 0; i < a.spaltenzahl(); ++i) zeile << a.wert(i);
        liste << zeile;
    }
    return liste;
}

}  // namespace

Restauranttag::Restauranttag(Kontext& k, SkriptDialoge& dialoge, SpeicherDrucker& drucker,
                             Protokoll& protokoll, int nummer, quint32 seed)
    : m_k(k),
      m_dialoge(dialoge),
      m_drucker(drucker),
      m_protokoll(protokoll),
      m_nummer(nummer),
      m_zufall(seed) {
    // Each table has its waiter, as on a real floor.
    for (const QVariantList& z : zeilen(k.db, QStringLiteral("SELECT Station, Name FROM "
                                                             "TabellePicTisch ORDER BY ID")))
        m_tische << Tisch{z[0].toString(), z[1].toString(),
                          m_tische.size() % 2 ? kKellner : kChefin};
}

QStringList Restauranttag::naechsteAktion() {
    m_verletzungen.clear();
    // Weights of a busy evening: many orders and tables left, a bill for every
    // few of them, now and then a correction, rarely a closing.
    const std::pair<int, void (Restauranttag::*)()> aktionen[] = {
        {30, &Restauranttag::bestellen},     {6, &Restauranttag::extraHinzufuegen},
        {20, &Restauranttag::verlassen},     {7, &Restauranttag::stornieren},
        {5, &Restauranttag::umbuchen},       {20, &Restauranttag::abrechnen},
        {5, &Restauranttag::zahlartAendern}, {4, &Restauranttag::aufHaus},
        {1, &Restauranttag::abschliessen},
    };
    int summe = 0;
    for (const auto& [gewicht, _] : aktionen) summe += gewicht;
    int wahl = zufall(summe);
    for (const auto& [gewicht, aktion] : aktionen) {
        if (wahl < gewicht) {
            (this->*aktion)();
            break;
        }
        wahl -= gewicht;
    }
    return m_verletzungen;
}

void Restauranttag::ausfuehren(const QString& art, const QList<Zustand>& moeglich,
                               const std::function<void()>& routine) {
    const int nummer = m_nummer + 1;
    m_protokoll.absicht(nummer, art, moeglich);
    try {
        routine();
    } catch (const DbFehler& f) {
        m_verletzungen
            << QStringLiteral("Aktion %1 (%2): Fehler %3").arg(nummer).arg(art, f.meldungstext());
    }
    const Zustand ist = ZustandLesen(m_k.db);
    if (ist != moeglich.last())
        m_verletzungen << QStringLiteral("Aktion %1 (%2): %3")
                              .arg(nummer)
                              .arg(art, ZustandUnterschied(moeglich.last(), ist));
    const QStringList gezeigt =
        m_dialoge.meldungen + m_dialoge.fehlermeldungen + m_dialoge.unerwartet;
    if (!gezeigt.isEmpty())
        m_verletzungen << QStringLiteral("Aktion %1 (%2) zeigte: %3")
                              .arg(nummer)
                              .arg(art, gezeigt.join(QStringLiteral(" / ")));
    m_dialoge = SkriptDialoge();
    m_drucker.auftraege.clear();
    m_protokoll.bestaetigt(nummer, ist);
    m_nummer = nummer;
}

Restauranttag::Tisch Restauranttag::zufallsTisch() { return m_tische[zufall(m_tische.size())]; }

void Restauranttag::amTisch(const Tisch& t) {
    m_k.werte.station = t.station;
    m_k.werte.tisch = t.tisch;
    m_k.werte.kellner = t.kellner;
}

void Restauranttag::bestellen() {
    const QList<QVariantList> karte =
        zeilen(m_k.db, QStringLiteral("SELECT PLU, EPREIS FROM Artikelgruppe WHERE WG <> 'Extra'"));
    const QVariantList artikel = karte[zufall(karte.size())];
    const Tisch t = zufallsTisch();
    const int menge = 1 + zufall(3);
    const std::int64_t betrag = menge * artikel[1].toLongLong();
    Zustand danach = ZustandLesen(m_k.db);
    for (const char* name : {"offen", "neu"}) Aendern(danach, QString::fromUtf8(name), betrag);
    Aendern(danach, Tischschluessel(t.station, t.tisch), betrag);
    amTisch(t);
    ausfuehren(QStringLiteral("Bestellen"), {danach},
               [&] { GerichtEintragen(m_k, artikel[0].toString(), QString::number(menge)); });
}

void Restauranttag::extraHinzufuegen() {
    // A new main dish without that extra yet.
    const QList<QVariantList> wahl = zeilen(
        m_k.db,
        QStringLiteral("SELECT o.ID, o.Station, o.Tisch, o.Kellner, o.Menge, x.PLU, x.EPREIS "
                       "FROM OffeneTische o JOIN Artikelgruppe a ON a.PLU = o.PLU AND a.Extra = 1 "
                       "JOIN Artikelgruppe x ON x.WG = 'Extra' WHERE o.TischDetails = 'Neu' "
                       "AND o.Tisch <> 'Zahlen' AND NOT EXISTS (SELECT 1 FROM OffeneTische e "
                       "WHERE e.RegID = o.ID AND e.PLU_ID = x.PLU)"));
    if (wahl.isEmpty()) return;
    const QVariantList z = wahl[zufall(wahl.size())];
    const std::int64_t betrag = z[4].toLongLong() * z[6].toLongLong();
    Zustand danach = ZustandLesen(m_k.db);
    for (const char* name : {"offen", "neu"}) Aendern(danach, QString::fromUtf8(name), betrag);
    Aendern(danach, Tischschluessel(z[1].toString(), z[2].toString()), betrag);
    amTisch({z[1].toString(), z[2].toString(), z[3].toString()});
    ausfuehren(QStringLiteral("Extra"), {danach},
               [&] { ExtraEintragen(m_k, z[0].toLongLong(), {z[5].toString()}); });
}

void Restauranttag::verlassen() {
    const QList<QVariantList> wahl =
        zeilen(m_k.db, QStringLiteral("SELECT Station, Tisch, Kellner, SUM(GPREIS) FROM "
                                      "OffeneTische WHERE TischDetails = 'Neu' AND Tisch <> "
                                      "'Zahlen' GROUP BY Station, Tisch, Kellner"));
    if (wahl.isEmpty()) return;
    const QVariantList z = wahl[zufall(wahl.size())];
    // Two steps, each whole: first the pending cancellations of every table
    // reach the log, then the new lines are sent.
    Zustand storniert = ZustandLesen(m_k.db);
    Aendern(storniert, QStringLiteral("storniert"), storniert[QStringLiteral("vorgemerkt")]);
    storniert[QStringLiteral("vorgemerkt")] = 0;
    Zustand gesendet = storniert;
    Aendern(gesendet, QStringLiteral("neu"), -z[3].toLongLong());
    amTisch({z[0].toString(), z[1].toString(), z[2].toString()});
    ausfuehren(QStringLiteral("Verlassen"), {storniert, gesendet}, [&] { TischVerlassen(m_k); });
}

void Restauranttag::stornieren() {
    const QList<QVariantList> wahl = zeilen(
        m_k.db, QStringLiteral("SELECT ID, Station, Tisch, Kellner, TischDetails, Menge, EPREIS "
                               "FROM OffeneTische WHERE Tisch <> 'Zahlen' AND PLU <> '' AND "
                               "COALESCE(Extra, '') <> 'Ja'"));
    if (wahl.isEmpty()) return;
    const QVariantList z = wahl[zufall(wahl.size())];
    const bool neu = z[4].toString() == QStringLiteral("Neu");
    const int menge = 1 + zufall(z[5].toInt());
    const std::int64_t betrag = menge * z[6].toLongLong();
    Zustand danach = ZustandLesen(m_k.db);
    Aendern(danach, QStringLiteral("offen"), -betrag);
    Aendern(danach, Tischschluessel(z[1].toString(), z[2].toString()), -betrag);
    Aendern(danach, neu ? QStringLiteral("neu") : QStringLiteral("vorgemerkt"),
            neu ? -betrag : betrag);
    amTisch({z[1].toString(), z[2].toString(), z[3].toString()});
    if (z[5].toInt() > 1) m_dialoge.zahlen = {QString::number(menge)};
    ausfuehren(QStringLiteral("Stornieren"), {danach},
               [&] { GerichtStornieren(m_k, z[0].toLongLong(), z[4].toString()); });
}

void Restauranttag::umbuchen() {
    const Tisch von = zufallsTisch();
    QList<Tisch> ziele;
    for (const Tisch& t : m_tische)
        if (t.station == von.station && t.tisch != von.tisch) ziele << t;
    if (ziele.isEmpty()) return;
    const Tisch nach = ziele[zufall(ziele.size())];
    Abfrage gesendet = m_k.db.abfrage(
        QStringLiteral("SELECT COALESCE(SUM(GPREIS), 0) FROM OffeneTische WHERE Station = ? AND "
                       "Tisch = ? AND TischDetails <> 'Neu'"),
        von.station, von.tisch);
    gesendet.naechste();
    const std::int64_t betrag = gesendet.zahl(0);
    Zustand danach = ZustandLesen(m_k.db);
    Aendern(danach, Tischschluessel(von.station, von.tisch), -betrag);
    Aendern(danach, Tischschluessel(nach.station, nach.tisch), betrag);
    amTisch(von);
    ausfuehren(QStringLiteral("Umbuchen"), {danach}, [&] {
        AllesUmbuchen(m_k, {von.station, von.tisch}, {nach.station, nach.tisch});
    });
}

void Restauranttag::abrechnen() {
    Tisch t = zufallsTisch();
    t.kellner = kChefin;
    amTisch(t);
    const Tischort ort{t.station, t.tisch};
    const Tischort zahlen = Zahlliste(ort);
    // Moving lines to the pay list changes no figure: they still count for
    // their table until the bill is stored.
    ZahllisteZurueckbuchen(m_k);
    if (zufall(2) == 0) {
        AllesUmbuchen(m_k, ort, zahlen);
    } else {
        for (const Tischzeile& z : TischZeilen(m_k, ort, Listenart::Umbuchung)) {
            if (IstExtra(z) || zufall(3) == 0) continue;
            m_dialoge.zahlen = {QString::number(1 + zufall(static_cast<int>(z.menge)))};
            MarkierteZeileUmbuchen(m_k, ort, zahlen, z, kGerichtNichtGefunden);
            m_dialoge.zahlen.clear();
        }
    }
    const auto summe = TischSumme(m_k, zahlen);
    if (!summe) return;
    const std::int64_t gesamt = summe->cent();
    const QString belege[] = {kKeinBon, kKassenbon, kRechnungBeleg};
    const QString beleg = belege[zufall(3)];
    Gutschein gutschein;
    QString zahlungsart = zufall(2) ? kBar : kKarte;
    if (zufall(4) == 0) {
        gutschein = {QString::number(1 + zufall(999)), Geld(zufall(static_cast<int>(gesamt) + 1))};
        zahlungsart = GutscheinUeberschrift(gutschein);
    }
    const Zahlungsaufteilung teile = ZahlungAufteilen(zahlungsart, *summe, gutschein.betrag);
    Zustand danach = ZustandLesen(m_k.db);
    Aendern(danach, QStringLiteral("offen"), -gesamt);
    Aendern(danach, Tischschluessel(t.station, t.tisch), -gesamt);
    Aendern(danach, QStringLiteral("rechnungen"), 1);
    Aendern(danach, QStringLiteral("umsatz"), gesamt);
    Aendern(danach, QStringLiteral("bar"), teile.bar.cent());
    Aendern(danach, QStringLiteral("karte"), teile.karte.cent());
    Aendern(danach, QStringLiteral("gutschein"), teile.gutschein.cent());
    ausfuehren(QStringLiteral("Abrechnen"), {danach},
               [&] { Abkassieren(m_k, beleg, zahlungsart, gutschein); });
}

void Restauranttag::zahlartAendern() {
    const QList<QVariantList> wahl = zeilen(
        m_k.db,
        QStringLiteral("SELECT RegNr, BAR, KARTE, GUTSCHEIN, Gesamt FROM Rechnungsuebersicht"));
    if (wahl.isEmpty()) return;
    const QVariantList r = wahl[zufall(wahl.size())];
    const QString zahlungsart = kZahlarten[zufall(kZahlarten.size())];
    const Geld gutschein(zahlungsart.startsWith(kGutschein) ? zufall(r[4].toInt() + 1) : 0);
    const Zahlungsaufteilung teile =
        ZahlungAufteilen(zahlungsart, Geld(r[4].toLongLong()), gutschein);
    Zustand danach = ZustandLesen(m_k.db);
    Aendern(danach, QStringLiteral("bar"), teile.bar.cent() - r[1].toLongLong());
    Aendern(danach, QStringLiteral("karte"), teile.karte.cent() - r[2].toLongLong());
    Aendern(danach, QStringLiteral("gutschein"), teile.gutschein.cent() - r[3].toLongLong());
    m_k.werte.kellner = kChefin;
    ausfuehren(QStringLiteral("Zahlart"), {danach},
               [&] { ZahlungsartAendern(m_k, r[0].toString(), zahlungsart, gutschein); });
}

void Restauranttag::aufHaus() {
    const QList<QVariantList> wahl = zeilen(
        m_k.db, QStringLiteral("SELECT ID, Station, Tisch, TischDetails, GPREIS FROM OffeneTische "
                               "WHERE Tisch <> 'Zahlen' AND EPREIS > 0"));
    if (wahl.isEmpty()) return;
    const QVariantList z = wahl[zufall(wahl.size())];
    const std::int64_t betrag = z[4].toLongLong();
    Zustand danach = ZustandLesen(m_k.db);
    Aendern(danach, QStringLiteral("offen"), -betrag);
    Aendern(danach, Tischschluessel(z[1].toString(), z[2].toString()), -betrag);
    if (z[3].toString() == QStringLiteral("Neu")) Aendern(danach, QStringLiteral("neu"), -betrag);
    Aendern(danach, QStringLiteral("storniert"), betrag);
    m_k.werte.kellner = kChefin;
    ausfuehren(QStringLiteral("Auf Haus"), {danach}, [&] {
        AufHaus(m_k, {z[1].toString(), z[2].toString()}, z[0].toLongLong());
    });
}

void Restauranttag::abschliessen() {
    Zustand danach = ZustandLesen(m_k.db);
    danach[QStringLiteral("rechnungen")] = 0;
    ausfuehren(QStringLiteral("Kassenabschluss"), {danach}, [&] { UmsaetzeAbschliessen(m_k); });
}
