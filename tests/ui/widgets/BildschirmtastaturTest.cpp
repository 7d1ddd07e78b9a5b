#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "admin/frmKellnerKartei.h"
#include "support/DbTest.h"
#include "support/Modal.h"
#include "ui/widgets/Bildschirmtastatur.h"

namespace {

// Types the text on the screen keyboard the way a finger does: shift before a
// capital, the space bar for a space, Enter at the end.
void tippen(QWidget* tastatur, const QString& text) {
    const auto taste = [tastatur](const QString& beschriftung) {
        for (auto* t : tastatur->findChildren<QPushButton*>())
            if (t->text() == beschriftung) return QTest::mouseClick(t, Qt::LeftButton);
        ADD_FAILURE() << "no key " << beschriftung.toStdString();
    };
    for (const QChar z : text) {
        if (z == QLatin1Char(' ')) {
            taste(QStringLiteral("Leertaste"));
            continue;
        }
        if (z.isUpper()) taste(QStringLiteral("⇧"));
        taste(QString(z));
    }
    taste(QStringLiteral("Enter"));
}

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
        bool nurZiffern = false;
        ImModalFenster(&kartei, [&](QWidget* tastatur) {
            nurZiffern = tastatur->findChildren<QPushButton*>("cmdZeichen").isEmpty();
            tippen(tastatur, QString::fromUtf8(f.text));
        });
        QTest::mouseClick(feld->parentWidget()->findChild<QPushButton*>("cmdTastatur"),
                          Qt::LeftButton);
        EXPECT_EQ(feld->text(), QString::fromUtf8(f.text));
        EXPECT_EQ(nurZiffern, f.ziffern);
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
