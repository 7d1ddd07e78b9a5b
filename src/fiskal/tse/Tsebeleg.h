#pragma once

#include <QJsonObject>
#include <QString>
#include <cstdint>

class Datenbank;

// What a receipt prints of the TSE object its bill's journal entry keeps:
// the lines of text, and the text of its QR code in the form of the tax
// authority's receipt code (only for a signed "Kassenbeleg-V1"). A failed
// device prints "TSE ausgefallen" in place of the signature. A reprint gets
// the same from the stored entry: nothing is signed again.
struct Tsebeleg {
    QString text;
    QString qr;
};
Tsebeleg TsebelegAus(Datenbank& db, const QJsonObject& tse);

// The TSE object of the journal entry with number `nr` (empty when it has none).
QJsonObject TseDerRechnung(Datenbank& db, std::int64_t nr);

inline const QString kTseAusgefallen = QStringLiteral("TSE ausgefallen");
inline const QString kTseSimulationHinweis = QStringLiteral("TSE: Simulation – nicht zertifiziert");
