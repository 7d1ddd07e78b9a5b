#include "service/Schnellwahltasten.h"

#include "core/Kontext.h"

namespace {

QString spalte(int nr, const char* art) {
    return QStringLiteral("SP%1%2").arg(nr).arg(QString::fromLatin1(art));
}

}  // namespace

QList<Haupttaste> HaupttastenLesen(Kontext& k) {
    QList<Haupttaste> tasten;
    auto a = k.db.abfrage(
        QStringLiteral("SELECT ID, WG FROM WarengruppeTasten ORDER BY Tastenreihe, ID"));
    while (a.naechste()) tasten.append({a.zahl(0), a.text(1)});
    return tasten;
}

QList<Artikeltastenreihe> ArtikeltastenLesen(Kontext& k, const QString& wg) {
    QList<Artikeltastenreihe> reihen;
    auto a =
        k.db.abfrage(QStringLiteral("SELECT * FROM ArtikelTasten WHERE WG = ? ORDER BY ID"), wg);
    while (a.naechste()) {
        Artikeltastenreihe reihe;
        reihe.id = a.zahl(QStringLiteral("ID"));
        for (int nr = 1; nr <= 5; ++nr) {
            Artikeltaste& taste = reihe.tasten[nr - 1];
            taste.text = a.text(spalte(nr, ""));
            taste.plu = a.text(spalte(nr, "PLU"));
            const QString farbe = spalte(nr, "Farbe");
            if (!a.istNull(farbe)) taste.farbe = static_cast<unsigned>(a.zahl(farbe)) & 0xFFFFFFu;
        }
        reihen.append(reihe);
    }
    return reihen;
}

QString ArtikeltastePLU(Kontext& k, std::int64_t reihe, int spalteNr) {
    if (spalteNr < 1 || spalteNr > 5) return {};
    auto a = k.db.abfrage(
        QStringLiteral("SELECT %1 FROM ArtikelTasten WHERE ID = ?").arg(spalte(spalteNr, "PLU")),
        reihe);
    return a.naechste() ? a.text(0) : QString();
}
