#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest/QTest>

#include "core/DbFehler.h"
#include "support/Modal.h"
#include "support/SpeicherDrucker.h"
#include "support/Tastaturtippen.h"
#include "ui/widgets/QtDialoge.h"

namespace {

QString knopfDruecken(QWidget* fenster, const QString& beschriftung) {
    const QString titel = fenster->windowTitle();
    for (QPushButton* knopf : fenster->findChildren<QPushButton*>())
        if (knopf->text() == beschriftung) QTest::mouseClick(knopf, Qt::LeftButton);
    return titel;
}

}  // namespace

TEST(QtDialoge, RealWindowsAnswerAsTheRoutinesExpect) {
    QObject besitzer;
    SpeicherDrucker drucker;
    QtDialoge dialoge(drucker);
    QString titel, text;

    ImModalFenster(&besitzer, [&](QWidget* box) {
        text = qobject_cast<QMessageBox*>(box)->text();
        titel = knopfDruecken(box, "OK");
    });
    dialoge.fehler(DbFehler(26, "file is encrypted or is not a database"));
    EXPECT_EQ(titel, QStringLiteral("Fehler"));
    EXPECT_EQ(text, QStringLiteral("Fehlernummer 26\nfile is encrypted or is not a database"));

    ImModalFenster(&besitzer, [&](QWidget* box) { knopfDruecken(box, "Ja"); });
    EXPECT_TRUE(dialoge.frage("Möchten Sie die Daten überschreiben"));
    ImModalFenster(&besitzer, [&](QWidget* box) { knopfDruecken(box, "Nein"); });
    EXPECT_FALSE(dialoge.frage("Möchten Sie die Daten überschreiben"));
    // Enter or Escape by mistake gives the harmless answer.
    for (Qt::Key taste : {Qt::Key_Return, Qt::Key_Escape}) {
        ImModalFenster(&besitzer, [&](QWidget* box) { QTest::keyClick(box, taste); });
        EXPECT_FALSE(dialoge.frage("Kassenabschluss jetzt durchführen?")) << taste;
    }

    ImModalFenster(&besitzer, [&](QWidget* pad) {
        text = pad->findChild<QLabel*>("lblAufforderung")->text();
        QTest::keyClick(pad, Qt::Key_3, Qt::KeypadModifier);
        QTest::keyClick(pad, Qt::Key_Return);
    });
    EXPECT_EQ(dialoge.zahlenblock("Bitte Anzahl eingeben"), QStringLiteral("3"));
    EXPECT_EQ(text, QStringLiteral("Bitte Anzahl eingeben"));

    ImModalFenster(&besitzer, [&](QWidget* box) { knopfDruecken(box, "Abbrechen"); });
    EXPECT_EQ(dialoge.eingabe("Name:", "Mitarbeiter"), std::nullopt);
    // A prompt is answered without a physical keyboard, from the key beside its field.
    ImModalFenster(&besitzer, [&](QWidget* box) {
        DanebenTippen(box->findChild<QLineEdit*>("txtEingabe"), "12,50");
        titel = knopfDruecken(box, "OK");
    });
    EXPECT_EQ(dialoge.eingabe("Betrag:", "Gutschein"), QStringLiteral("12,50"));
    EXPECT_EQ(titel, QStringLiteral("Gutschein"));
}
