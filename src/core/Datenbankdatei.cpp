#include "core/Datenbankdatei.h"

#include <QCoreApplication>
#include <QDir>

#include "core/Datenbank.h"
#include "core/Demodaten.h"
#include "core/Schema.h"

QString StandardDatenbankpfad() {
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("tavro.db"));
}

std::unique_ptr<Datenbank> DatenbankOeffnen(const QString& pfad) {
    auto db = Datenbank::oeffnen(pfad, kDatenbankKennwort);
    if (SchemaAktualisieren(*db)) DemodatenAnlegen(*db);
    return db;
}
