#include <gtest/gtest.h>

#include <QPrinterInfo>
#include <QTemporaryDir>

#include "druck/Druckrollen.h"
#include "ui/bericht/Dokument.h"
#include "ui/bericht/PdfDrucker.h"
#include "ui/widgets/Drucker.h"

TEST(Drucker, AnUnknownPrinterIsAClearErrorAndWithoutPrintersTicketsGoToPdf) {
    Berichtslayout l(QStringLiteral("Bon"), 72);
    l.bezeichnung(kKopf, QStringLiteral("lblTitel"), {0, 0, 72, 8}, QStringLiteral("Thekenbon"));
    try {
        SystemDrucker(QStringLiteral("Kein Drucker 42")).drucken(BerichtErzeugen(l, {}));
        FAIL() << "printed on a printer that does not exist";
    } catch (const DbFehler& f) {
        EXPECT_EQ(f.beschreibung(), CupsUnbekannt(QStringLiteral("Kein Drucker 42")));
    }

    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        GTEST_SKIP() << "this machine has printers";
    QTemporaryDir tmp;
    const Cupsausgang ausgang(tmp.path());
    EXPECT_EQ(ausgang.standard(), kPdfOrdner);
    const auto ziel = ausgang.ziel(ausgang.standard());
    const auto* pdf = dynamic_cast<const PdfDrucker*>(ziel.get());
    ASSERT_NE(pdf, nullptr);
    EXPECT_EQ(pdf->ordner(), tmp.filePath(QStringLiteral("Belege")));
}
