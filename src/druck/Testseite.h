#pragma once

#include <QDateTime>
#include <QString>

#include "ui/bericht/Dokument.h"

// The page of the "Testdruck" key: the role and the printer it reaches, and
// when it was asked for, so the one who pressed it knows it is theirs.
Dokument Testseite(const QString& rolle, const QString& drucker, const QDateTime& jetzt);
