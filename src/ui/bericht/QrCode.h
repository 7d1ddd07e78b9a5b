#pragma once

#include <QRectF>
#include <QString>

class QPainter;

// Draws `inhalt` as a QR code (error correction M) centred in `ziel` (device
// units), with the quiet zone of four modules around it, in solid squares so
// it stays sharp on every printer and in a PDF. An empty text draws nothing.
void QrCodeZeichnen(QPainter& maler, const QRectF& ziel, const QString& inhalt);
