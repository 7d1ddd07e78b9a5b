#include "druck/Testseite.h"

Dokument Testseite(const QString& rolle, const QString& drucker, const QDateTime& jetzt) {
    Berichtslayout l(QStringLiteral("Testdruck"), kBonbreite);
    const Schrift gross{14, true};
    l.bezeichnung(kKopf, QStringLiteral("lblTitel"), {0, 0, kBonbreite, 9},
                  QStringLiteral("Testdruck"), gross, Ausrichtung::Mitte);
    l.bezeichnung(kKopf, QStringLiteral("lblRolle"), {0, 11, kBonbreite, 6},
                  QStringLiteral("Rolle: ") + rolle);
    l.bezeichnung(kKopf, QStringLiteral("lblDrucker"), {0, 17, kBonbreite, 6},
                  QStringLiteral("Drucker: ") + drucker)
        .wachsen = true;
    l.bezeichnung(kKopf, QStringLiteral("lblDatum"), {0, 23, kBonbreite, 6},
                  jetzt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
    l.bereich(kKopf).hoehe = 36;
    Dokument d = BerichtErzeugen(l, {});
    d.rolle = rolle;
    return d;
}
