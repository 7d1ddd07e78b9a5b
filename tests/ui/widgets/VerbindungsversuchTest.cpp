#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "core/Datenbank.h"
#include "core/Datenbankdatei.h"
#include "support/Modal.h"
#include "ui/widgets/Verbindungsversuch.h"

TEST(Verbindungsversuch, AServerThatIsAwayCanBeTriedAgainOtherFaultsEndTheTill) {
    const QString server = QStringLiteral("postgresql://tavro@127.0.0.1:1/tavro");
    const QString meldung = "Die Datenbank '" + server + "' ist nicht erreichbar (abgelehnt).";
    struct Fall {
        QString datenbank;
        int fehlschlaege;
        QStringList gedrueckt;  // one key per box
        bool verbunden;
    };
    const Fall faelle[] = {
        {server, 2, {"Erneut versuchen", "Erneut versuchen"}, true},
        {server, 9, {"Erneut versuchen", "Beenden"}, false},
        {"/nirgends/tavro.db", 9, {"OK"}, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.gedrueckt.join(", ").toStdString());
        QObject besitzer;
        QTemporaryDir ordner;
        int versuche = 0;
        QStringList texte, knoepfe;
        const auto oeffnen = [&]() -> std::unique_ptr<Datenbank> {
            if (++versuche > f.fehlschlaege)
                return Datenbank::oeffnen(ordner.filePath("tavro.db"), kDatenbankKennwort);
            const QString taste = f.gedrueckt.value(versuche - 1);
            ImModalFenster(&besitzer, [&, taste](QWidget* fenster) {
                auto* box = qobject_cast<QMessageBox*>(fenster);
                texte << box->windowTitle() + ": " + box->text();
                QStringList beschriftungen;
                for (QAbstractButton* knopf : box->buttons()) beschriftungen << knopf->text();
                beschriftungen.sort();
                knoepfe = beschriftungen;
                for (QAbstractButton* knopf : box->buttons())
                    if (knopf->text() == taste) QTest::mouseClick(knopf, Qt::LeftButton);
            });
            throw DbFehler(14, meldung);
        };

        const std::unique_ptr<Datenbank> db = DatenbankErreichen(f.datenbank, oeffnen);

        EXPECT_EQ(db != nullptr, f.verbunden);
        EXPECT_EQ(versuche, f.gedrueckt.size() + (f.verbunden ? 1 : 0));
        EXPECT_EQ(texte, QStringList(f.gedrueckt.size(), "Fehler: Fehlernummer 14\n" + meldung));
        EXPECT_EQ(knoepfe, Datenbank::istServeradresse(f.datenbank)
                               ? QStringList({"Beenden", "Erneut versuchen"})
                               : QStringList({"OK"}));
    }
}
