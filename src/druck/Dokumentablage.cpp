#include "druck/Dokumentablage.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "ui/Druckziel.h"
#include "ui/bericht/Dokument.h"

namespace {

constexpr double kWiederholungHoehe = 9;  // mm

QJsonArray lageAblegen(const QRectF& r) { return {r.x(), r.y(), r.width(), r.height()}; }

QRectF lageLesen(const QJsonValue& v) {
    const QJsonArray a = v.toArray();
    return {a.at(0).toDouble(), a.at(1).toDouble(), a.at(2).toDouble(), a.at(3).toDouble()};
}

QJsonObject elementAblegen(const Druckelement& e) {
    return {{QStringLiteral("art"), static_cast<int>(e.art)},
            {QStringLiteral("bereich"), e.bereich},
            {QStringLiteral("name"), e.name},
            {QStringLiteral("zeile"), e.zeile},
            {QStringLiteral("lage"), lageAblegen(e.lage)},
            {QStringLiteral("text"), e.text},
            {QStringLiteral("punkt"), e.schrift.punkt},
            {QStringLiteral("fett"), e.schrift.fett},
            {QStringLiteral("ausrichtung"), static_cast<int>(e.ausrichtung)},
            {QStringLiteral("umbrechen"), e.umbrechen}};
}

Druckelement elementLesen(const QJsonObject& o) {
    Druckelement e;
    e.art = static_cast<Berichtselement::Art>(o.value(QStringLiteral("art")).toInt());
    e.bereich = o.value(QStringLiteral("bereich")).toString();
    e.name = o.value(QStringLiteral("name")).toString();
    e.zeile = o.value(QStringLiteral("zeile")).toInt();
    e.lage = lageLesen(o.value(QStringLiteral("lage")));
    e.text = o.value(QStringLiteral("text")).toString();
    e.schrift = {o.value(QStringLiteral("punkt")).toDouble(),
                 o.value(QStringLiteral("fett")).toBool()};
    e.ausrichtung = static_cast<Ausrichtung>(o.value(QStringLiteral("ausrichtung")).toInt());
    e.umbrechen = o.value(QStringLiteral("umbrechen")).toBool();
    return e;
}

}  // namespace

QByteArray DokumentAblegen(const Dokument& dokument) {
    QJsonArray seiten;
    for (const Seite& s : dokument.seiten) {
        QJsonArray elemente;
        for (const Druckelement& e : s.elemente) elemente.append(elementAblegen(e));
        seiten.append(elemente);
    }
    const QJsonObject o{{QStringLiteral("titel"), dokument.titel},
                        {QStringLiteral("rolle"), dokument.rolle},
                        {QStringLiteral("breite"), dokument.breite},
                        {QStringLiteral("hoehe"), dokument.hoehe},
                        {QStringLiteral("seiten"), seiten}};
    return QJsonDocument(o).toJson(QJsonDocument::Compact);
}

Dokument DokumentLesen(const QByteArray& abgelegt) {
    QJsonParseError fehler;
    const QJsonDocument json = QJsonDocument::fromJson(abgelegt, &fehler);
    if (!json.isObject())
        throw DbFehler(
            kDruckfehler,
            QStringLiteral("Der Druckauftrag ist beschädigt (%1).").arg(fehler.errorString()));
    const QJsonObject o = json.object();
    Dokument d;
    d.titel = o.value(QStringLiteral("titel")).toString();
    d.rolle = o.value(QStringLiteral("rolle")).toString();
    d.breite = o.value(QStringLiteral("breite")).toDouble();
    d.hoehe = o.value(QStringLiteral("hoehe")).toDouble();
    for (const QJsonValue& seite : o.value(QStringLiteral("seiten")).toArray()) {
        Seite& s = d.seiten.emplace_back();
        for (const QJsonValue& e : seite.toArray())
            s.elemente.push_back(elementLesen(e.toObject()));
    }
    return d;
}

void AlsWiederholung(Dokument& dokument) {
    if (dokument.seiten.empty()) dokument.seiten.emplace_back();
    auto& elemente = dokument.seiten.front().elemente;
    for (Druckelement& e : elemente) e.lage.translate(0, kWiederholungHoehe);
    Druckelement kopf;
    kopf.art = Berichtselement::Art::Bezeichnung;
    kopf.bereich = kKopf;
    kopf.name = QStringLiteral("lblWiederholung");
    kopf.lage = {0, 0, dokument.breite, kWiederholungHoehe - 1};
    kopf.text = QStringLiteral("Wiederholung");
    kopf.schrift = {14, true};
    kopf.ausrichtung = Ausrichtung::Mitte;
    elemente.insert(elemente.begin(), kopf);
    // The receipt roll is one page as long as its content: it grows. Pages of
    // a longer report keep their height.
    if (dokument.seiten.size() == 1) dokument.hoehe += kWiederholungHoehe;
    dokument.titel = QStringLiteral("Wiederholung ") + dokument.titel;
}
