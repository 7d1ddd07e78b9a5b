#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "admin/frmKellnerKartei.h"
#include "support/DbTest.h"
#include "support/Modal.h"
#include "support/Tastaturtippen.h"
#include "ui/widgets/Bildschirmtastatur.h"

namespace {

using BildschirmtastaturTest = DbTest;

}  // namespace

TEST_F(BildschirmtastaturTest, TypesANameWithUmlautsAndAPinIntoTheStaffCard) {
    frmKellnerKartei kartei(*k, Karteimodus::NeuerMitarbeiterUneingeschrenkt, 0);
    kartei.show();
    struct Fall {
        const char* feld;
        const char* text;
        bool ziffern;  // the digit pad alone
    };
    const Fall faelle[] = {
        {"txtNachname", "Müller-Lüdenscheidt ß", false},
        {"txtPin1", "4711", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.feld);
        auto* feld = kartei.findChild<QLineEdit*>(f.feld);
        EXPECT_EQ(DanebenTippen(feld, QString::fromUtf8(f.text)), f.ziffern);
        EXPECT_EQ(feld->text(), QString::fromUtf8(f.text));
    }

    // Cancelling leaves the field as it was.
    auto* vorname = kartei.findChild<QLineEdit*>("txtVorname");
    vorname->setText(QStringLiteral("Anna"));
    ImModalFenster(&kartei, [](QWidget* tastatur) {
        QTest::mouseClick(tastatur->findChild<QPushButton*>("cmdZurueck"), Qt::LeftButton);
        QTest::mouseClick(tastatur->findChild<QPushButton*>("cmdAbbrechen"), Qt::LeftButton);
    });
    QTest::mouseClick(vorname->parentWidget()->findChild<QPushButton*>("cmdTastatur"),
                      Qt::LeftButton);
    EXPECT_EQ(vorname->text(), QStringLiteral("Anna"));
}
