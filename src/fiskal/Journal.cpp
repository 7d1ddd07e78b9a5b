#include "fiskal/Journal.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSysInfo>
#include <algorithm>

#include "core/Geschaeftstag.h"
#include "core/Kontext.h"
#include "core/Zaehler.h"
#include "fiskal/Journalkette.h"

namespace {

struct LetzterEintrag {
    Journalstand naechster;
    QByteArray kette = kKettenanfang;
};

LetzterEintrag letzterEintrag(Datenbank& db) {
    Abfrage a = db.abfrage(
        QStringLiteral("SELECT Nr, ZNr, Art, Kette FROM Journal ORDER BY Nr DESC LIMIT 1"));
    if (!a.naechste()) return {};
    const bool abschluss = a.text(2) == kJournalKassenabschluss;
    return {{a.zahl(0) + 1, static_cast<int>(a.zahl(1)) + (abschluss ? 1 : 0)},
            a.utf8(3).toByteArray()};
}

void eintragSchreiben(Datenbank& db, const LetzterEintrag& letzter, const QDateTime& zeit,
                      const QString& art, const QJsonObject& inhalt, std::optional<int> regNr) {
    const Journalstand& neu = letzter.naechster;
    const QByteArray nr = QByteArray::number(neu.nr);
    const QByteArray zeitText = zeit.toString(Qt::ISODate).toUtf8();
    const QByteArray tag = Geschaeftstag(zeit).toString(Qt::ISODate).toUtf8();
    const QByteArray kasse = Kassenname().toUtf8();
    const QByteArray artText = art.toUtf8();
    const QByteArray zNr = QByteArray::number(neu.zNr);
    const QByteArray regNrText = regNr ? QByteArray::number(*regNr) : QByteArray();
    const QByteArray text = QJsonDocument(inhalt).toJson(QJsonDocument::Compact);
    Journalkette kette;
    const QByteArray wert =
        kette.wert(letzter.kette, {nr, zeitText, tag, kasse, artText, zNr, regNrText, text});
    db.ausfuehren(QStringLiteral("INSERT INTO Journal (Nr, Zeit, Geschaeftstag, Kasse, Art, ZNr, "
                                 "RegNr, Inhalt, Kette) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                  neu.nr, QString::fromUtf8(zeitText), QString::fromUtf8(tag), Kassenname(), art,
                  neu.zNr, regNr, QString::fromUtf8(text), QString::fromLatin1(wert));
}

}  // namespace

Journalstand JournalStand(Datenbank& db) { return letzterEintrag(db).naechster; }

void JournalBeginnen(Datenbank& db, const QDateTime& zeit, const QString& art,
                     const QJsonObject& inhalt) {
    eintragSchreiben(db, letzterEintrag(db), zeit, art, inhalt, std::nullopt);
}

std::int64_t JournalAnhaengen(Datenbank& db, const QDateTime& zeit, const QString& art,
                              const QJsonObject& inhalt, std::optional<int> regNr) {
    // Under the counter's lock the last entry read is the last there is,
    // whichever till wrote it; the two must agree, or the chain would fork.
    const std::int64_t nr = ZaehlerWeiter(db, kZaehlerJournal);
    const LetzterEintrag letzter = letzterEintrag(db);
    if (letzter.naechster.nr != nr)
        throw DbFehler(3021, QStringLiteral("Der Journalzähler steht bei %1, das Journal bei %2.")
                                 .arg(nr - 1)
                                 .arg(letzter.naechster.nr - 1));
    eintragSchreiben(db, letzter, zeit, art, inhalt, regNr);
    return nr;
}

std::int64_t JournalAnhaengen(Kontext& k, const QString& art, const QJsonObject& inhalt,
                              std::optional<int> regNr) {
    return JournalAnhaengen(k.db, k.jetzt(), art, inhalt, regNr);
}

namespace {

QString& kassenname() {
    static QString name = QSysInfo::machineHostName();
    return name;
}

}  // namespace

QString Kassenname() { return kassenname(); }

std::optional<QString> KassennameSetzen(const QString& name) {
    const QString n = name.trimmed();
    const bool steuerzeichen = std::any_of(
        n.cbegin(), n.cend(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (n.isEmpty() || n.size() > 30 || steuerzeichen)
        return QStringLiteral(
                   "Der Kassenname '%1' geht nicht: er braucht 1 bis 30 Zeichen ohne "
                   "Steuerzeichen.")
            .arg(name);
    kassenname() = n;
    return std::nullopt;
}

QJsonObject ZeileAlsJson(const Abfrage& a) {
    QJsonObject zeile;
    for (int i = 0; i < a.spaltenzahl(); ++i) {
        const QVariant wert = a.wert(i);
        zeile.insert(a.spaltenname(i),
                     wert.isNull() ? QJsonValue() : QJsonValue::fromVariant(wert));
    }
    return zeile;
}

std::optional<std::int64_t> BelegnummerDerRechnung(Datenbank& db, int regNr) {
    // Bill numbers start again after a closing: the stored bill is the one of
    // the closing period still open.
    Abfrage a = db.abfrage(QStringLiteral("SELECT Nr FROM Journal WHERE ZNr = ? AND RegNr = ? "
                                          "AND Art = ? ORDER BY Nr DESC LIMIT 1"),
                           JournalStand(db).zNr, regNr, kJournalRechnung);
    if (!a.naechste()) return std::nullopt;
    return a.zahl(0);
}
