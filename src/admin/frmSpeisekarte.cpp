#include "admin/frmSpeisekarte.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "admin/Artikelverwaltung.h"
#include "admin/Warengruppenverwaltung.h"
#include "admin/frmGericht.h"
#include "admin/frmWarengruppe.h"
#include "admin/widgets/Formular.h"
#include "service/frmkarteAuswahl.h"
#include "ui/Absichern.h"
#include "ui/widgets/Tastenfluss.h"

namespace {

QAction* eintrag(QMenu* menu, const QString& text, const char* name) {
    QAction* a = menu->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

}  // namespace

frmSpeisekarte::frmSpeisekarte(Kontext& k, QWidget* eltern)
    : QWidget(eltern), k(k), m_karte(new frmkarteAuswahl(k)) {
    setObjectName(QStringLiteral("frmSpeisekarte"));
    setStyleSheet(
        QStringLiteral("QWidget { font-size: 15pt; } QMenu::item { padding: 14px 28px; }"));
    QTreeWidget* baum = m_karte->gruppen();
    QTreeWidget* liste = m_karte->artikel();
    liste->setHeaderLabels(
        {QStringLiteral("PLU"), QStringLiteral("Gericht"), QStringLiteral("Verkaufpreis")});
    liste->header()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    // In PLU order, whichever way the list was filled.
    liste->setSortingEnabled(true);
    liste->sortByColumn(0, Qt::AscendingOrder);

    mnuWarengruppen = new QMenu(QStringLiteral("Warengruppen"), this);
    mnuWarengruppen->setObjectName(QStringLiteral("mnuWarengruppen"));
    connect(eintrag(mnuWarengruppen, QStringLiteral("Neue Warengruppe"), "mnuNeueWarengruppe"),
            &QAction::triggered, this, &frmSpeisekarte::neueWarengruppe);
    mnuWarengruppeBearbeiten =
        eintrag(mnuWarengruppen, QStringLiteral("Bearbeiten"), "mnuWarengruppeBearbeiten");
    connect(mnuWarengruppeBearbeiten, &QAction::triggered, this,
            &frmSpeisekarte::warengruppeBearbeiten);
    mnuWarengruppeLoeschen =
        eintrag(mnuWarengruppen, QStringLiteral("Warengruppe Löschen"), "mnuWarengruppeLoeschen");
    connect(mnuWarengruppeLoeschen, &QAction::triggered, this,
            &frmSpeisekarte::warengruppeLoeschen);

    mnuGericht = new QMenu(QStringLiteral("Gericht"), this);
    mnuGericht->setObjectName(QStringLiteral("mnuGericht"));
    mnuNeuesGericht = eintrag(mnuGericht, QStringLiteral("Neues Gericht"), "mnuNeuesGericht");
    connect(mnuNeuesGericht, &QAction::triggered, this, &frmSpeisekarte::neuesGericht);
    mnuGerichtBearbeiten =
        eintrag(mnuGericht, QStringLiteral("Bearbeiten"), "mnuGerichtBearbeiten");
    connect(mnuGerichtBearbeiten, &QAction::triggered, this, &frmSpeisekarte::gerichtBearbeiten);
    mnuGerichtLoeschen = eintrag(mnuGericht, QStringLiteral("Löschen"), "mnuGerichtLoeschen");
    connect(mnuGerichtLoeschen, &QAction::triggered, this, &frmSpeisekarte::gerichtLoeschen);

    baum->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(baum, &QWidget::customContextMenuRequested, this, [this, baum](const QPoint& p) {
        baum->setCurrentItem(baum->itemAt(p));
        mnuWarengruppen->popup(baum->viewport()->mapToGlobal(p));
    });
    liste->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(liste, &QWidget::customContextMenuRequested, this, [this, liste](const QPoint& p) {
        if (QTreeWidgetItem* item = liste->itemAt(p)) liste->setCurrentItem(item);
        mnuGericht->popup(liste->viewport()->mapToGlobal(p));
    });
    connect(baum, &QTreeWidget::currentItemChanged, this, [this] {
        const QString wg = gewaehlteGruppe();
        if (wg.isEmpty())
            m_karte->artikel()->clear();
        else
            Artikelgruppe(wg);
        zustandZeigen();
    });
    connect(liste, &QTreeWidget::currentItemChanged, this, &frmSpeisekarte::zustandZeigen);
    connect(m_karte, &frmkarteAuswahl::artikelGewaehlt, this, &frmSpeisekarte::gerichtBearbeiten);

    // The menus' actions as keys too, for a finger that has no right button: the
    // group keys and the dish keys side by side, one above the other where the
    // panel is narrow.
    auto* tasten = new Tastenfluss;
    tasten->setSpacing(24);
    const auto reihe = [tasten] {
        auto* halter = new QWidget;
        auto* zeile = new QHBoxLayout(halter);
        zeile->setContentsMargins(0, 0, 0, 0);
        tasten->addWidget(halter);
        return zeile;
    };
    QHBoxLayout* gruppen = reihe();
    connect(Formulartaste(gruppen, QStringLiteral("Neue Warengruppe"), "cmdNeueWarengruppe"),
            &QPushButton::clicked, this, &frmSpeisekarte::neueWarengruppe);
    cmdWarengruppeBearbeiten = Formulartaste(gruppen, QStringLiteral("Warengruppe bearbeiten"),
                                             "cmdWarengruppeBearbeiten");
    connect(cmdWarengruppeBearbeiten, &QPushButton::clicked, this,
            &frmSpeisekarte::warengruppeBearbeiten);
    cmdWarengruppeLoeschen =
        Formulartaste(gruppen, QStringLiteral("Warengruppe löschen"), "cmdWarengruppeLoeschen");
    connect(cmdWarengruppeLoeschen, &QPushButton::clicked, this,
            &frmSpeisekarte::warengruppeLoeschen);
    QHBoxLayout* gerichte = reihe();
    cmdNeuesGericht = Formulartaste(gerichte, QStringLiteral("Neues Gericht"), "cmdNeuesGericht");
    connect(cmdNeuesGericht, &QPushButton::clicked, this, &frmSpeisekarte::neuesGericht);
    cmdGerichtBearbeiten =
        Formulartaste(gerichte, QStringLiteral("Gericht bearbeiten"), "cmdGerichtBearbeiten");
    connect(cmdGerichtBearbeiten, &QPushButton::clicked, this, &frmSpeisekarte::gerichtBearbeiten);
    cmdGerichtLoeschen =
        Formulartaste(gerichte, QStringLiteral("Gericht löschen"), "cmdGerichtLoeschen");
    connect(cmdGerichtLoeschen, &QPushButton::clicked, this, &frmSpeisekarte::gerichtLoeschen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_karte, 1);
    layout->addLayout(tasten);
    zustandZeigen();
}

void frmSpeisekarte::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    Warengruppe(gewaehlteGruppe());
}

void frmSpeisekarte::Warengruppe(const QString& auswahl) {
    m_karte->laden();
    QTreeWidget* baum = m_karte->gruppen();
    const auto treffer = baum->findItems(auswahl, Qt::MatchExactly | Qt::MatchRecursive);
    for (QTreeWidgetItem* item : treffer)
        if (item->parent()) baum->setCurrentItem(item);
    zustandZeigen();
}

void frmSpeisekarte::Artikelgruppe(const QString& wg) { m_karte->artikelZeigen(wg); }

QString frmSpeisekarte::gewaehlteGruppe() const {
    const QTreeWidgetItem* item = m_karte->gruppen()->currentItem();
    return item && item->parent() ? item->text(0) : QString();
}

QString frmSpeisekarte::hauptgruppe() const {
    const QTreeWidgetItem* item = m_karte->gruppen()->currentItem();
    if (!item) return kHauptgruppeGetraenke;
    return item->parent() ? item->parent()->text(0) : item->text(0);
}

QString frmSpeisekarte::gewaehlterArtikel() const {
    const QTreeWidgetItem* item = m_karte->artikel()->currentItem();
    return item ? item->text(0) : QString();
}

void frmSpeisekarte::zustandZeigen() {
    const bool gruppe = !gewaehlteGruppe().isEmpty();
    const bool artikel = gruppe && !gewaehlterArtikel().isEmpty();
    for (QAction* a : {mnuWarengruppeBearbeiten, mnuWarengruppeLoeschen, mnuNeuesGericht})
        a->setEnabled(gruppe);
    for (QAction* a : {mnuGerichtBearbeiten, mnuGerichtLoeschen}) a->setEnabled(artikel);
    for (QPushButton* b : {cmdWarengruppeBearbeiten, cmdWarengruppeLoeschen, cmdNeuesGericht})
        b->setEnabled(gruppe);
    for (QPushButton* b : {cmdGerichtBearbeiten, cmdGerichtLoeschen}) b->setEnabled(artikel);
}

void frmSpeisekarte::neueWarengruppe() {
    frmWarengruppe form(k, hauptgruppe(), QString(), this);
    if (form.exec() == QDialog::Accepted) Warengruppe(form.warengruppe());
}

void frmSpeisekarte::warengruppeBearbeiten() {
    const QString wg = gewaehlteGruppe();
    if (wg.isEmpty()) return;
    frmWarengruppe form(k, hauptgruppe(), wg, this);
    if (form.exec() == QDialog::Accepted) Warengruppe(form.warengruppe());
}

void frmSpeisekarte::warengruppeLoeschen() {
    const QString wg = gewaehlteGruppe();
    if (wg.isEmpty()) return;
    bool geloescht = false;
    Absichern(k, [&] { geloescht = AllesLoeschen(k, wg); });
    if (geloescht) Warengruppe();
}

void frmSpeisekarte::neuesGericht() {
    const QString wg = gewaehlteGruppe();
    if (wg.isEmpty()) return;
    frmGericht form(k, wg, this);
    if (form.exec() == QDialog::Accepted) Artikelgruppe(form.warengruppe());
}

void frmSpeisekarte::gerichtBearbeiten() {
    const QString wg = gewaehlteGruppe();
    const QString plu = gewaehlterArtikel();
    if (wg.isEmpty() || plu.isEmpty()) return;
    frmGericht form(k, wg, plu, this);
    if (form.exec() == QDialog::Accepted) Artikelgruppe(form.warengruppe());
}

void frmSpeisekarte::gerichtLoeschen() {
    const QString plu = gewaehlterArtikel();
    if (plu.isEmpty()) return;
    bool geloescht = false;
    Absichern(k, [&] { geloescht = ArtikelLoeschen(k, plu); });
    if (geloescht) Artikelgruppe(gewaehlteGruppe());
}
