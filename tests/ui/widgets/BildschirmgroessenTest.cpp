#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

#include "core/MDIHauptmenu.h"
#include "core/frmAnmeldung.h"
#include "reports/frmBerichte.h"
#include "reports/frmRechnungsuebersicht.h"
#include "service/frmBestellung.h"
#include "service/frmLink.h"
#include "service/frmLinkEinsetzen.h"
#include "service/frmRaum.h"
#include "service/frmTastenMenu2.h"
#include "support/DemoKontext.h"
#include "support/Modal.h"
#include "ui/widgets/Umbruchtaste.h"

namespace {

bool bedienelement(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

// A widget inside a scrolled area needs only its area on screen.
bool inRollflaeche(const QWidget* w) {
    for (const QWidget* e = w->parentWidget(); e && !e->isWindow(); e = e->parentWidget())
        if (qobject_cast<const QAbstractScrollArea*>(e)) return true;
    return false;
}

// The window lies in the screen area; every visible key, field and grid lies
// inside each of its parents; a key shows its whole caption or says it in full.
void pruefen(QWidget* fenster, const QRect& flaeche) {
    QCoreApplication::processEvents();
    // Where a dialog sits is the window system's choice; its size is ours.
    EXPECT_TRUE(fenster->isModal() ? flaeche.size().expandedTo(fenster->size()) == flaeche.size()
                                   : flaeche.contains(fenster->frameGeometry()))
        << fenster->objectName().toStdString() << " " << fenster->width() << "x"
        << fenster->height();
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible() || !bedienelement(w) || inRollflaeche(w)) continue;
        const std::string name =
            (w->objectName() + QLatin1Char(' ') +
             (qobject_cast<QAbstractButton*>(w) ? qobject_cast<QAbstractButton*>(w)->text()
                                                : QString()))
                .toStdString();
        for (QWidget* e = w->parentWidget(); e; e = e->isWindow() ? nullptr : e->parentWidget())
            EXPECT_TRUE(e->rect().contains(QRect(w->mapTo(e, QPoint()), w->size())))
                << name << " leaves " << e->objectName().toStdString();
        auto* taste = qobject_cast<Umbruchtaste*>(w);
        if (!taste) {
            if (auto* knopf = qobject_cast<QPushButton*>(w)) {
                EXPECT_LE(knopf->fontMetrics().horizontalAdvance(OhneKuerzel(knopf->text())),
                          knopf->width())
                    << name << " is not a key that fits its caption";
            }
            continue;
        }
        const Beschriftung b = taste->beschriftung();
        if (b.gekuerzt) {
            EXPECT_EQ(taste->accessibleName(), OhneKuerzel(taste->text())) << name;
            continue;
        }
        const QFontMetricsF masse(taste->font());
        const QRect platz = taste->beschriftungsflaeche();
        EXPECT_LE(b.zeilen.size() * masse.lineSpacing() * b.massstab, platz.height() + 0.5) << name;
        for (const QString& zeile : b.zeilen)
            EXPECT_LE(masse.horizontalAdvance(OhneKuerzel(zeile)) * b.massstab, platz.width() + 0.5)
                << name;
    }
}

void pinTippen(QWidget* dialog, const char* feld, const char* pin) {
    auto* eingabe = dialog->findChild<QLineEdit*>(feld);
    QTest::keyClicks(eingabe, pin);
    QTest::keyClick(eingabe, Qt::Key_Return);
}

// With TAVRO_BILDER set (scripts/bildschirme.sh under a virtual display) the
// walk runs once at the display's size and saves every screen as a picture.
void ablichten(const QSize& groesse, const char* bildschirm) {
    const QString ordner = qEnvironmentVariable("TAVRO_BILDER");
    if (ordner.isEmpty()) return;
    static int nummer = 0;
    QCoreApplication::processEvents();
    QGuiApplication::primaryScreen()->grabWindow(0).save(
        QStringLiteral("%1/%2x%3-%4-%5.png")
            .arg(ordner)
            .arg(groesse.width())
            .arg(groesse.height())
            .arg(++nummer, 2, 10, QLatin1Char('0'))
            .arg(QString::fromUtf8(bildschirm).replace(QLatin1Char(' '), QLatin1Char('-'))));
}

QList<QSize> groessen() {
    if (!qEnvironmentVariableIsEmpty("TAVRO_BILDER"))
        return {QGuiApplication::primaryScreen()->size()};
    return {{1024, 768}, {1280, 800}, {1366, 768}, {1920, 1080}};
}

class Bildschirmgroessen : public ::testing::Test, public DemoKontext {};

}  // namespace

TEST_F(Bildschirmgroessen, EveryScreenFitsTheTerminalsAndNoCaptionIsCut) {
    for (const QSize groesse : groessen()) {
        SCOPED_TRACE(testing::Message() << groesse.width() << "x" << groesse.height());
        const QRect flaeche(QPoint(0, 0), groesse);
        MDIHauptmenu hauptmenu(k);
        frmLink* link = LandeseiteEinsetzen(k, hauptmenu);
        link->setzePanel(6, new frmBerichte(k));
        hauptmenu.flaecheEinnehmen(flaeche);
        hauptmenu.show();
        const auto schritt = [&](const QByteArray& bildschirm) {
            SCOPED_TRACE(bildschirm.constData());
            pruefen(&hauptmenu, flaeche);
            ablichten(groesse, bildschirm.constData());
        };
        const auto modal = [&](const char* bildschirm, const char* pin = nullptr) {
            ImModalFenster(&hauptmenu, [=](QWidget* dialog) {
                SCOPED_TRACE(bildschirm);
                pruefen(dialog, flaeche);
                ablichten(groesse, bildschirm);
                if (pin)
                    pinTippen(dialog,
                              dialog->findChild<QLineEdit*>("txtPin") ? "txtPin" : "txtPin2", pin);
                else
                    dialog->close();
            });
        };

        modal("login", "1111");
        ASSERT_TRUE(AnmeldungZeigen(k, &hauptmenu));
        schritt("landing");
        for (QPushButton* station : link->findChildren<QPushButton*>("cmdStationenLink")) {
            station->click();
            schritt(station->text().toUtf8());
        }
        modal("second PIN", "1234");
        QTest::mouseClick(link->findChild<QWidget*>("lblOberflaecheLink2"), Qt::LeftButton);
        for (QPushButton* bereich : link->findChildren<QPushButton*>("cmdVerwaltungLink")) {
            bereich->click();
            schritt(bereich->text().toUtf8());
        }
        QTest::mouseClick(link->findChild<QWidget*>("lblOberflaecheLink1"), Qt::LeftButton);
        link->findChildren<QPushButton*>("cmdStationenLink").first()->click();
        schritt("back from the administration");
        EXPECT_EQ(hauptmenu.size(), groesse);

        QTest::keyClick(link->raum(), Qt::Key_5, Qt::KeypadModifier);
        QTest::keyClick(link->raum(), Qt::Key_Enter, Qt::KeypadModifier);
        auto* bestellung = hauptmenu.findChild<frmBestellung*>();
        ASSERT_TRUE(bestellung->isVisible());
        for (const char* eingabe : {"3x12", "2x11", "13", "14", "15", "16"}) {
            bestellung->rechner().setzeEingabe(QString::fromUtf8(eingabe));
            bestellung->rechner().DatenFinden();
        }
        schritt("order screen");
        modal("settlement");
        QTest::keyClick(bestellung, Qt::Key_O);
        dialoge.zahlen = {QStringLiteral("7")};
        modal("transfer");
        QTest::keyClick(bestellung, Qt::Key_U);
        QTest::keyClick(bestellung, Qt::Key_T);
        schritt("landing after the table");

        modal("bill overview");
        frmRechnungsuebersicht::Zeigen(k, &hauptmenu);
        EXPECT_EQ(hauptmenu.size(), groesse);
        EXPECT_TRUE(dialoge.meldungen.isEmpty()) << dialoge.meldungen.join(" | ").toStdString();
    }
}
