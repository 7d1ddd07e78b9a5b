#include "fiskal/dsfinvk/Dsfinvkzeilen.h"

#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>

#include "admin/Betriebsdaten.h"
#include "fiskal/Kassenstammdaten.h"

namespace {

const QString kMarke = QStringLiteral("Tavro");
const QString kModell = QStringLiteral("Tavro Kasse");
const QString kSoftwareversion = QStringLiteral("1.0");
const QString kLand = QStringLiteral("DEU");
const QString kWaehrung = QStringLiteral("EUR");
const QString kTaxonomie = QStringLiteral("2.3");

// The net part of a gross amount in hundred-thousandths of a euro, rounded
// half away from zero.
std::int64_t netto(std::int64_t brutto, int satz) {
    const std::int64_t n = std::llabs(brutto) * 10'000'000, d = 10'000 + satz;
    const std::int64_t q = (2 * n + d) / (2 * d);
    return brutto < 0 ? -q : q;
}

// Gross, net and VAT of an amount with five decimals.
QStringList steuerteile(std::int64_t brutto, int satz) {
    const std::int64_t n = netto(brutto, satz);
    return {Betrag(brutto, 5), Dezimal(n, 5), Dezimal(brutto * 1000 - n, 5)};
}

QString ustBeschreibung(int schluessel, int satz) {
    switch (schluessel) {
        case 1:
            return QStringLiteral("Regelsteuersatz");
        case 2:
            return QStringLiteral("Ermäßigter Steuersatz");
        case 3:
            return QStringLiteral("Durchschnittsatz (§ 24 Abs. 1 Nr. 3 UStG)");
        case 4:
            return QStringLiteral("Durchschnittsatz (§ 24 Abs. 1 Nr. 1 UStG)");
        case 5:
            return QStringLiteral("Nicht steuerbar");
        case 11:
            return QStringLiteral("Historischer Regelsteuersatz");
        case 12:
            return QStringLiteral("Historischer ermäßigter Steuersatz");
        default:
            return QStringLiteral("Steuersatz %1 %").arg(Dezimal(satz, 2));
    }
}

QString tseText(const QJsonObject& tse, const char* schluessel) {
    const QJsonValue v = tse.value(QLatin1String(schluessel));
    return v.isDouble() ? QString::number(v.toInteger()) : v.toString();
}

}  // namespace

Dsfinvkzeilen::Dsfinvkzeilen(Datenbank& db)
    : m_kasse(Kassenseriennummer(db)), m_tse(DsfinvkTseLesen(db)) {
    for (const Dsfinvkdatei& d : Dsfinvkdateien())
        m_tabellen[d.datei] = std::make_unique<Dsfinvktabelle>(d);
    const Betriebsdaten b = BetriebsdatenLesen(db);
    m_betrieb.name = b.name;
    m_betrieb.steuernummer = b.steuernummer;
    m_betrieb.ustId = b.ustIdNr;
    // "Am Lindenhof 3 · 12345 Musterstadt": the street before the last
    // separator, then the postcode and the town.
    const QString& adresse = b.adresszeile;
    const qsizetype trenner =
        std::max(adresse.lastIndexOf(QChar(u'·')), adresse.lastIndexOf(QLatin1Char(',')));
    const QString rest = adresse.mid(trenner + 1).trimmed();
    const QRegularExpressionMatch plz =
        QRegularExpression(QStringLiteral("^(\\d{4,5})\\s+(.*)$")).match(rest);
    if (trenner >= 0)
        m_betrieb.strasse = adresse.left(trenner).trimmed();
    else if (!plz.hasMatch())
        m_betrieb.strasse = adresse;
    m_betrieb.plz = plz.captured(1);
    m_betrieb.ort = plz.hasMatch() ? plz.captured(2) : trenner < 0 ? QString() : rest;
}

Dsfinvktabelle& Dsfinvkzeilen::t(const char* datei) {
    return *m_tabellen.at(QString::fromLatin1(datei));
}

QStringList Dsfinvkzeilen::kopf(const QString& zeit, int zNr) const {
    return {m_kasse, zeit, QString::number(zNr)};
}

int Dsfinvkzeilen::ustSchluessel(int satz) {
    static const std::map<int, int> kStandard = {{1900, 1}, {700, 2},   {1070, 3}, {550, 4},
                                                 {0, 5},    {1600, 11}, {500, 12}};
    int schluessel = 0;
    if (const auto it = kStandard.find(satz); it != kStandard.end())
        schluessel = it->second;
    else
        schluessel = m_eigeneSaetze.emplace(satz, 1000 + static_cast<int>(m_eigeneSaetze.size()))
                         .first->second;
    m_benutzteSaetze[schluessel] = satz;
    return schluessel;
}

void Dsfinvkzeilen::bon(const QStringList& k, const Dsfinvkbon& b, int zNr, const QString& zeit) {
    const QStringList kb = k + QStringList{b.bonId};
    t("transactions.csv")
        .zeile(kb + QStringList{QString::number(b.bonNr), b.typ, b.name, b.terminal,
                                b.storno ? QStringLiteral("1") : QStringLiteral("0"), b.zeit,
                                b.zeit, b.bediener, b.bediener, Betrag(b.umsatz(), 2), b.kunde,
                                QString(), QString(), QString(), QString(), QString(), QString(),
                                QString(), QString()});
    std::map<int, std::int64_t> jeSchluessel;
    std::map<int, int> satzDes;
    int zeile = 0;
    for (const Dsfinvkposten& p : b.posten) {
        const QString pos = QString::number(++zeile);
        const int schluessel = ustSchluessel(p.satz);
        jeSchluessel[schluessel] += p.brutto;
        satzDes[schluessel] = p.satz;
        t("lines.csv")
            .zeile(kb + QStringList{pos, QString(), p.text, b.terminal, p.gvTyp, QString(),
                                    p.inhaus ? "1" : "0", QString(), QString(), p.artNr, QString(),
                                    QString(), QString(), Dezimal(p.mengeTausendstel, 3), "1.000",
                                    QStringLiteral("Stück"), Betrag(p.stueckpreis, 5)});
        t("lines_vat.csv")
            .zeile(kb + QStringList{pos, QString::number(schluessel)} +
                   steuerteile(p.brutto, p.satz));
    }
    for (const auto& [schluessel, brutto] : jeSchluessel)
        t("transactions_vat.csv")
            .zeile(kb + QStringList{QString::number(schluessel)} +
                   steuerteile(brutto, satzDes[schluessel]));
    if (!b.abrechnungskreis.isEmpty())
        t("allocation_groups.csv").zeile(kb + QStringList{b.abrechnungskreis});
    for (const Dsfinvkzahlung& z : b.zahlungen)
        t("datapayment.csv")
            .zeile(kb + QStringList{z.typ, z.name, QString(), QString(), Betrag(z.betrag, 2)});
    for (const QString& ref : b.verweise)
        t("references.csv")
            .zeile(kb + QStringList{QString(), QStringLiteral("Transaktion"), QString(), zeit,
                                    m_kasse, QString::number(zNr), ref});
    QStringList tse(9);
    if (b.tse.contains(QStringLiteral("TransaktionNr"))) {
        const QString serie = tseText(b.tse, "Seriennummer");
        for (std::size_t i = 0; i < m_tse.size(); ++i)
            if (tseText(m_tse[i], "Seriennummer") == serie) tse[0] = QString::number(i + 1);
        tse[1] = tseText(b.tse, "TransaktionNr");
        tse[2] = tseText(b.tse, "Start");
        tse[3] = tseText(b.tse, "Ende");
        tse[4] = tseText(b.tse, "Prozesstyp");
        tse[5] = tseText(b.tse, "Signaturzaehler");
        tse[6] = tseText(b.tse, "Signatur");
        tse[8] = tseText(b.tse, "Prozessdaten");
    } else {
        tse[7] =
            b.tse.isEmpty() ? QStringLiteral("Ohne TSE aufgezeichnet") : tseText(b.tse, "Ausfall");
    }
    t("transactions_tse.csv").zeile(kb + tse);
}

void Dsfinvkzeilen::stammdaten(const QStringList& k, const QStringList& terminals) {
    const Betrieb& b = m_betrieb;
    t("location.csv").zeile(k + QStringList{b.name, b.strasse, b.plz, b.ort, kLand, b.ustId});
    t("cashregister.csv")
        .zeile(k + QStringList{kMarke, kModell, m_kasse, kMarke, kSoftwareversion, kWaehrung,
                               QStringLiteral("0")});
    for (const QString& terminal : terminals)
        t("slaves.csv")
            .zeile(k + QStringList{terminal, kMarke, kModell, terminal, kMarke, kSoftwareversion});
    for (const auto& [schluessel, satz] : m_benutzteSaetze)
        t("vat.csv").zeile(k + QStringList{QString::number(schluessel), Dezimal(satz, 2),
                                           ustBeschreibung(schluessel, satz)});
    // The certificate is longer than one field holds: the rest goes to the second.
    for (std::size_t i = 0; i < m_tse.size(); ++i) {
        const QJsonObject& tse = m_tse[i];
        const QString zertifikat = tseText(tse, "Zertifikat");
        t("tse.csv").zeile(k + QStringList{QString::number(i + 1), tseText(tse, "Seriennummer"),
                                           tseText(tse, "Algorithmus"), tseText(tse, "Zeitformat"),
                                           tseText(tse, "Kodierung"),
                                           tseText(tse, "OeffentlicherSchluessel"),
                                           zertifikat.left(1000), zertifikat.mid(1000)});
    }
}

void Dsfinvkzeilen::abschluss(const Dsfinvkabschluss& a) {
    const QStringList k = kopf(a.zeit, a.zNr);
    m_benutzteSaetze.clear();
    std::map<std::pair<QString, int>, std::int64_t> vorfaelle;  // business case, key -> gross
    std::map<int, int> satzDes;
    std::map<std::pair<QString, QString>, std::int64_t> zahlarten;
    std::int64_t zahlungen = 0, bar = 0;
    for (const Dsfinvkbon& b : a.bons) {
        bon(k, b, a.zNr, a.zeit);
        if (!b.istBeleg()) continue;
        for (const Dsfinvkposten& p : b.posten) {
            const int schluessel = ustSchluessel(p.satz);
            vorfaelle[{p.gvTyp, schluessel}] += p.brutto;
            satzDes[schluessel] = p.satz;
        }
        for (const Dsfinvkzahlung& z : b.zahlungen) {
            zahlarten[{z.typ, z.name}] += z.betrag;
            zahlungen += z.betrag;
            if (z.typ == QStringLiteral("Bar")) bar += z.betrag;
        }
    }
    const Betrieb& b = m_betrieb;
    t("cashpointclosing.csv")
        .zeile(k + QStringList{a.geschaeftstag, kTaxonomie,
                               a.bons.empty() ? QString() : a.bons.front().bonId,
                               a.bons.empty() ? QString() : a.bons.back().bonId, b.name, b.strasse,
                               b.plz, b.ort, kLand, b.steuernummer, b.ustId, Betrag(zahlungen, 2),
                               Betrag(bar, 2)});
    stammdaten(k, a.terminals);
    for (const auto& [vorfall, brutto] : vorfaelle)
        t("businesscases.csv")
            .zeile(
                k +
                QStringList{vorfall.first, QString(), QString(), QString::number(vorfall.second)} +
                steuerteile(brutto, satzDes[vorfall.second]));
    for (const auto& [art, betrag] : zahlarten)
        t("payment.csv").zeile(k + QStringList{art.first, art.second, Betrag(betrag, 2)});
    t("cash_per_currency.csv").zeile(k + QStringList{kWaehrung, Betrag(bar, 2)});
}

void Dsfinvkzeilen::nurStammdaten(int offeneZNr) {
    m_benutzteSaetze.clear();
    stammdaten(kopf(QString(), offeneZNr), {});
}

std::vector<const Dsfinvktabelle*> Dsfinvkzeilen::tabellen(bool alle) const {
    std::vector<const Dsfinvktabelle*> liste;
    for (const Dsfinvkdatei& d : Dsfinvkdateien())
        if (alle || d.modul == Dsfinvkmodul::Stammdaten)
            liste.push_back(m_tabellen.at(d.datei).get());
    return liste;
}
