#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "ui/bericht/Dokument.h"
#include "ui/bericht/PdfDrucker.h"

namespace {

// Runs one of the poppler tools on a file; empty when the tool is not installed.
QString poppler(const QString& werkzeug, const QStringList& argumente) {
    const QString programm = QStandardPaths::findExecutable(werkzeug);
    if (programm.isEmpty()) return QString();
    QProcess p;
    p.start(programm, argumente);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

Dokument bon(int zeilen, double seitenhoehe = 0) {
    Berichtslayout l(QStringLiteral("Küchenbon"), seitenhoehe > 0 ? 190 : 72, seitenhoehe);
    l.bezeichnung(kKopf, QStringLiteral("lblKellner"), {0, 0, 72, 6},
                  QStringLiteral("Kellner: Jürgen Öztürk"));
    l.textfeld(kDetail, QStringLiteral("txtGericht"), {0, 0, 50, 6}, QStringLiteral("Gericht"));
    l.funktion(kFuss, QStringLiteral("Funktion1"), {0, 0, 72, 6}, QStringLiteral("GPREIS"),
               QStringLiteral("Currency"));
    Berichtsdaten daten;
    for (int i = 0; i < zeilen; ++i)
        daten.push_back({{QStringLiteral("Gericht"), QStringLiteral("Größe Spätzle %1").arg(i)},
                         {QStringLiteral("GPREIS"), 123456}});
    return BerichtErzeugen(l, daten);
}

}  // namespace

TEST(PdfDrucker, WritesEachJobToANewFileWithTheGermanText) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QTemporaryDir tmp;
    PdfDrucker drucker(tmp.filePath(QStringLiteral("Belege")));

    drucker.drucken(bon(1));
    const QString erste = drucker.letzteDatei();
    EXPECT_TRUE(erste.endsWith(QStringLiteral("_Küchenbon.pdf"))) << erste.toStdString();
    const QString text = poppler(QStringLiteral("pdftotext"), {erste, QStringLiteral("-")});
    EXPECT_TRUE(text.contains(QStringLiteral("Kellner: Jürgen Öztürk"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Größe Spätzle 0")));
    EXPECT_TRUE(text.contains(QStringLiteral("1.234,56 €")));
    // 72 mm of print on 80 mm roll paper.
    const QString info = poppler(QStringLiteral("pdfinfo"), {erste});
    EXPECT_TRUE(info.contains(QStringLiteral("Page size:       227 x"))) << info.toStdString();

    const QByteArray inhalt = [&] {
        QFile f(erste);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    drucker.drucken(bon(2));
    drucker.drucken(bon(3));
    EXPECT_NE(drucker.letzteDatei(), erste);
    EXPECT_EQ(QDir(drucker.ordner()).entryList(QDir::Files).size(), 3);
    QFile f(erste);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), inhalt);
}

TEST(PdfDrucker, LongReportsGetA4Pages) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed";
    QTemporaryDir tmp;
    PdfDrucker drucker(tmp.path());
    drucker.drucken(bon(100, 277));
    const QString info = poppler(QStringLiteral("pdfinfo"), {drucker.letzteDatei()});
    EXPECT_TRUE(info.contains(QStringLiteral("(A4)"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n"))));
}

TEST(PdfDrucker, AFolderThatCannotBeMadeIsAPrintError) {
    QTemporaryDir tmp;
    QFile sperre(tmp.filePath(QStringLiteral("Belege")));
    ASSERT_TRUE(sperre.open(QIODevice::WriteOnly));
    sperre.close();
    PdfDrucker drucker(tmp.filePath(QStringLiteral("Belege")));
    EXPECT_THROW(drucker.drucken(bon(1)), DbFehler);
    EXPECT_TRUE(drucker.letzteDatei().isEmpty());
}
