#include "fiskal/dsfinvk/DsfinvkFragen.h"

#include <QDir>
#include <QFileInfo>

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "fiskal/Exportzeitraum.h"
#include "fiskal/dsfinvk/Dsfinvkexport.h"

void DsfinvkExportFragen(Kontext& k) {
    if (!RechtPruefen(k, QStringLiteral("Kassenabschluss"))) return;
    const QString titel = QStringLiteral("DSFinV-K-Export");
    const auto zeitraum = ZeitraumFragen(k, titel);
    if (!zeitraum) return;
    const auto& [von, bis] = *zeitraum;
    const QString vorschlag =
        QDir(k.db.ordner())
            .filePath(QStringLiteral("DSFinV-K_%1_%2").arg(von.trimmed(), bis.trimmed()));
    const auto ordner = k.dialoge.eingabe(QStringLiteral("Neuer Ordner für den Export:"), titel,
                                          QDir::toNativeSeparators(vorschlag));
    if (!ordner) return;
    k.dialoge.meldung(
        DsfinvkExportieren(k.db, QDir::fromNativeSeparators(*ordner), von, bis).meldung);
}
