#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

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
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Umbruchtaste.h"

namespace {

bool bedienelement(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractSpinBox*>(w);
}

// A widget inside a scrolled area need only lie in the area's content, which
// scrolls; the area itself lies in its parents like any other widget and
// scrolls only up and down.
void liegtInnen(QWidget* w, const std::string& name) {
    for (QWidget* e = w->parentWidget(); e; e = e->parentWidget()) {
        auto* flaeche = qobject_cast<QAbstractScrollArea*>(e->parentWidget());
        if (flaeche && e == flaeche->viewport()) break;
        const QRect lage(w->mapTo(e, QPoint()), w->size());
        EXPECT_TRUE(e->rect().contains(lage))
            << name << " at " << lage.x() << "," << lage.y() << " " << lage.width() << "x"
            << lage.height() << " leaves " << e->metaObject()->className() << " "
            << e->objectName().toStdString() << " " << e->width() << "x" << e->height();
        if (e->isWindow()) break;
    }
    if (auto* flaeche = qobject_cast<QScrollArea*>(w)) {
        EXPECT_EQ(flaeche->horizontalScrollBar()->maximum(), 0) << name << " scrolls sideways";
    }
}

// A key shows its whole caption or says it in full.
void beschriftungPruefen(QAbstractButton* knopf, const std::string& name) {
    auto* taste = qobject_cast<Umbruchtaste*>(knopf);
    if (!taste) {
        if (qobject_cast<QPushButton*>(knopf)) {
            EXPECT_LE(knopf->fontMetrics().horizontalAdvance(OhneKuerzel(knopf->text())),
                      knopf->width())
                << name << " is not a key that fits its caption";
        }
        return;
    }
    const Beschriftung b = taste->beschriftung();
    if (b.gekuerzt) {
        EXPECT_EQ(taste->accessibleName(), OhneKuerzel(taste->text())) << name;
        return;
    }
    const QFontMetricsF masse(taste->font());
    const QRect platz = taste->beschriftungsflaeche();
    EXPECT_LE(b.zeilen.size() * masse.lineSpacing() * b.massstab, platz.height() + 0.5) << name;
    for (const QString& zeile : b.zeilen)
        EXPECT_LE(masse.horizontalAdvance(OhneKuerzel(zeile)) * b.massstab, platz.width() + 0.5)
            << name;
}

// The window lies in the screen area, every visible key, field, grid and
// scrolled area lies where it can be touched, and no key's caption is cut.
void pruefen(QWidget* fenster, const QRect& flaeche) {
    // A scrolled area follows its content's layout a round of events later.
    for (int runde = 0; runde < 3; ++runde) QCoreApplication::processEvents();
    // Where a dialog sits is the window system's choice; its size is ours.
    EXPECT_TRUE(fenster->isModal() ? flaeche.size().expandedTo(fenster->size()) == flaeche.size()
                                   : flaeche.contains(fenster->frameGeometry()))
        << fenster->objectName().toStdString() << " " << fenster->width() << "x"
        << fenster->height();
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible() || !(bedienelement(w) || qobject_cast<QScrollArea*>(w))) continue;
        auto* knopf = qobject_cast<QAbstractButton*>(w);
        const std::string name =
            (w->objectName() + QLatin1Char(' ') + (knopf ? knopf->text() : QString()))
                .toStdString();
        liegtInnen(w, name);
        if (knopf) beschriftungPruefen(knopf, name);
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

// The walk sees the screens in the program's touch look: its larger keys and
// scroll bars are what must fit.
class Bildschirmgroessen : public ::testing::Test, public DemoKontext {
  protected:
    Bildschirmgroessen() { BeruehrAussehenSetzen(); }
    ~Bildschirmgroessen() override {
        qApp->setStyleSheet(QString());
        QApplication::setFont(m_schrift);
    }

  private:
    const QFont m_schrift = QApplication::font();
};

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
        QStringList gesehen;  // the modal windows met, by name
        const auto modal = [&](const char* bildschirm, const char* pin = nullptr) {
            ImModalFenster(&hauptmenu, [=, &gesehen](QWidget* dialog) {
                SCOPED_TRACE(bildschirm);
                gesehen.append(dialog->objectName());
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
        // The last station is the hotel: its room price opens the full screen keyboard.
        modal("on-screen keyboard");
        QTest::mouseClick(hauptmenu.findChild<QLineEdit*>("txtZimmerpreis")
                              ->parentWidget()
                              ->findChild<QPushButton*>("cmdTastatur"),
                          Qt::LeftButton);
        EXPECT_EQ(gesehen.value(gesehen.size() - 1), QStringLiteral("frmBildschirmtastatur"));
        modal("second PIN", "1234");
        QTest::mouseClick(link->findChild<QWidget*>("lblOberflaecheLink2"), Qt::LeftButton);
        for (QPushButton* bereich : link->findChildren<QPushButton*>("cmdVerwaltungLink")) {
            bereich->click();
            schritt(bereich->text().toUtf8());
        }
        // The station editor's floor plan: positions are stored for a floor larger than
        // the smaller screens leave it.
        link->findChildren<QPushButton*>("cmdVerwaltungLink").first()->click();
        auto* stationen = hauptmenu.findChild<QTreeWidget*>("ListViewStationen");
        stationen->setCurrentItem(stationen->topLevelItem(0));
        hauptmenu.findChild<QTabWidget*>("SSTabStationen")->setCurrentIndex(1);
        schritt("floor plan editor");
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
        // Transfer starts from a marked line; the sent lines are on the other page.
        dialoge.zahlen = {QStringLiteral("7")};
        QTest::mouseClick(bestellung->findChild<QPushButton*>("cmdTisch"), Qt::LeftButton);
        QTest::keyClick(bestellung, Qt::Key_Down);
        modal("transfer");
        QTest::keyClick(bestellung, Qt::Key_U);
        EXPECT_EQ(gesehen.value(gesehen.size() - 1), QStringLiteral("frmTischUmbuchen"));
        QTest::keyClick(bestellung, Qt::Key_T);
        schritt("landing after the table");

        modal("bill overview");
        frmRechnungsuebersicht::Zeigen(k, &hauptmenu);
        EXPECT_EQ(hauptmenu.size(), groesse);
        EXPECT_TRUE(dialoge.meldungen.isEmpty()) << dialoge.meldungen.join(" | ").toStdString();
    }
}
