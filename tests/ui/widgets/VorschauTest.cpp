#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "support/SpeicherDrucker.h"
#include "ui/bericht/Dokument.h"
#include "ui/widgets/Vorschau.h"

namespace {

Dokument zettel() {
    Berichtslayout l(QStringLiteral("Kellnerbericht"), 72);
    l.bezeichnung(kKopf, QStringLiteral("lblTitel"), {0, 0, 72, 8}, QStringLiteral("Übersicht"));
    return BerichtErzeugen(l, {});
}

// Touches a key of the open preview once the event loop runs it.
void spaeterDruecken(const QString& knopf) {
    QTimer::singleShot(0, [knopf] {
        QWidget* fenster = QApplication::activeModalWidget();
        ASSERT_NE(fenster, nullptr);
        fenster->findChild<QPushButton*>(knopf)->click();
    });
}

}  // namespace

TEST(Vorschau, PrintSendsTheDocumentToThePrinterAndCloseSendsNothing) {
    const Dokument d = zettel();
    SpeicherDrucker drucker;

    spaeterDruecken(QStringLiteral("cmdSchliessen"));
    VorschauZeigen(d, drucker, nullptr);
    EXPECT_TRUE(drucker.auftraege.empty());

    spaeterDruecken(QStringLiteral("cmdDrucken"));
    VorschauZeigen(d, drucker, nullptr);
    ASSERT_EQ(drucker.auftraege.size(), 1u);
    EXPECT_EQ(drucker.auftraege[0].texte(kKopf), QStringList{QStringLiteral("Übersicht")});
}

TEST(Vorschau, AFailedPrintShowsTheErrorAndKeepsThePreviewOpen) {
    const Dokument d = zettel();
    SpeicherDrucker drucker;
    drucker.fehler = DbFehler(kDruckfehler, QStringLiteral("Kein Papier"));
    QString gezeigt;
    QTimer::singleShot(0, [&] {
        QWidget* vorschau = QApplication::activeModalWidget();
        QTimer::singleShot(0, [&, vorschau] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            gezeigt = box->windowTitle() + QLatin1Char('|') + box->text();
            box->accept();
            vorschau->findChild<QPushButton*>(QStringLiteral("cmdSchliessen"))->click();
        });
        vorschau->findChild<QPushButton*>(QStringLiteral("cmdDrucken"))->click();
    });
    VorschauZeigen(d, drucker, nullptr);
    EXPECT_EQ(gezeigt, QStringLiteral("Fehler|Fehlernummer 482\nKein Papier"));
}
