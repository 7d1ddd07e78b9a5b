#include "hotel/frmHotel.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QShowEvent>
#include <QSignalBlocker>

#include "core/Kontext.h"
#include "hotel/BerichtHotelAbrechnung.h"
#include "hotel/frmGaeste.h"
#include "ui/Absichern.h"
#include "ui/widgets/Beruehrstil.h"
#include "ui/widgets/Bildschirmtastatur.h"

namespace {

const QString kBetrag = QStringLiteral("####0.00");

// Drop-downs, date pickers and choices sized for a finger.
const QString kStil = QStringLiteral(R"(
QLabel, QLineEdit, QComboBox, QDateEdit, QRadioButton, QGroupBox, QPushButton { font-size: 20px; }
QLineEdit, QComboBox, QDateEdit { min-height: 48px; padding: 2px 8px; }
QComboBox::drop-down, QDateEdit::drop-down { width: 48px; }
QComboBox QAbstractItemView::item { min-height: 48px; }
QRadioButton { min-height: 48px; spacing: 12px; }
QRadioButton::indicator { width: 32px; height: 32px; }
QLineEdit[readOnly="true"] { background: #eef2f7; font-weight: bold; }
)");

QString betrag(Geld geld) { return geld.text(kBetrag); }

template <typename Feld>
Feld* benannt(Feld* feld, const char* name) {
    feld->setObjectName(QString::fromLatin1(name));
    return feld;
}

}  // namespace

frmHotel::frmHotel(Kontext& k, QWidget* eltern)
    : QWidget(eltern),
      m_k(k),
      m_kopf(benannt(new QLabel(this), "lblHead")),
      m_anreise(benannt(new QDateEdit(this), "DTPickerStartdatum")),
      m_abreise(benannt(new QDateEdit(this), "DTPickerEnddatum")),
      m_zimmerNr(benannt(new QComboBox(this), "cmbZimmerNr")),
      m_zimmerArt(benannt(new QComboBox(this), "cmbZimmerArt")),
      m_leistung(benannt(new QComboBox(this), "cmbZimmerLeistung")),
      m_anzahl(benannt(new QLineEdit(this), "txtZimmerAnzahl")),
      m_naechte(benannt(new QLineEdit(this), "txtUebernachtungen")),
      m_zimmerpreis(benannt(new QLineEdit(this), "txtZimmerpreis")),
      m_fruehstueck(benannt(new QLineEdit(this), "txtFruehstueckpreis")),
      m_gesamt(benannt(new QLineEdit(this), "txtGesamtPreis")),
      m_zahlungsart(new QButtonGroup(this)),
      m_gaeste(new frmGaeste(
          k, [this] { return anreisedaten(); }, this)) {
    setObjectName(QStringLiteral("frmHotel"));
    setStyleSheet(kStil);
    m_kopf->setStyleSheet(QStringLiteral("font-size: 30px; font-weight: bold;"));
    for (QDateEdit* datum : {m_anreise, m_abreise}) {
        datum->setCalendarPopup(true);
        datum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    }
    m_gesamt->setReadOnly(true);
    // Counts take the digit pad; prices need the comma of the full keyboard.
    for (QLineEdit* zahl : {m_anzahl, m_naechte}) zahl->setProperty("ziffern", true);

    auto* felder = new QGridLayout;
    // Tight enough that both columns fit beside the station list at 1024 px, even
    // with the scroll bar the guests' part below brings.
    felder->setHorizontalSpacing(6);
    felder->setVerticalSpacing(8);
    const auto zeile = [felder](int reihe, int spalte, const char* text, QWidget* feld) {
        felder->addWidget(new QLabel(QString::fromUtf8(text)), reihe, spalte * 2);
        felder->addWidget(feld, reihe, spalte * 2 + 1);
    };
    zeile(0, 0, "Anreise", m_anreise);
    zeile(0, 1, "Abreise", m_abreise);
    zeile(1, 0, "Zimmernummer", m_zimmerNr);
    zeile(1, 1, "Zimmerart", m_zimmerArt);
    zeile(2, 0, "Zimmerleistung", m_leistung);
    zeile(2, 1, "Anzahl", MitTastatur(m_anzahl));
    zeile(3, 0, "Übernachtungen", MitTastatur(m_naechte));
    zeile(3, 1, "Zimmerpreis", MitTastatur(m_zimmerpreis));
    zeile(4, 0, "Frühstückpreis", MitTastatur(m_fruehstueck));
    zeile(4, 1, "Gesamtpreis", m_gesamt);
    felder->setColumnStretch(1, 1);
    felder->setColumnStretch(3, 1);

    auto* rahmen = new QGroupBox(QStringLiteral("Zahlungsart"), this);
    auto* arten = new QHBoxLayout(rahmen);
    for (int i = 0; i < kZahlungsarten.size(); ++i) {
        auto* knopf = new QRadioButton(kZahlungsarten.at(i), rahmen);
        knopf->setObjectName(QStringLiteral("Option1_%1").arg(i));
        m_zahlungsart->addButton(knopf, i);
        arten->addWidget(knopf);
    }

    QPushButton* drucken = BeruehrKnopf(QStringLiteral("Hotelrechnung Drucken"), this);
    drucken->setObjectName(QStringLiteral("cmdHotelrechnungDE"));
    QPushButton* schliessen = BeruehrKnopf(QStringLiteral("Schließen"), this);
    schliessen->setObjectName(QStringLiteral("cmdSchliessen"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(drucken);
    knoepfe->addWidget(schliessen);

    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(6, 12, 6, 12);
    aussen->setSpacing(12);
    aussen->addWidget(m_kopf);
    aussen->addLayout(felder);
    aussen->addWidget(rahmen);
    aussen->addWidget(m_gaeste);
    aussen->addStretch();
    aussen->addLayout(knoepfe);

    connect(m_zimmerNr, &QComboBox::activated, this, &frmHotel::zimmerNrGewaehlt);
    connect(m_zimmerArt, &QComboBox::activated, this, &frmHotel::zimmerArtGewaehlt);
    connect(m_leistung, &QComboBox::activated, this, &frmHotel::leistungGewaehlt);
    connect(m_anreise, &QDateEdit::dateChanged, this, &frmHotel::datumGeaendert);
    connect(m_abreise, &QDateEdit::dateChanged, this, &frmHotel::datumGeaendert);
    const std::pair<QLineEdit*, Zahlfeld> zahlfelder[] = {{m_anzahl, Zahlfeld::Anzahl},
                                                          {m_naechte, Zahlfeld::Anzahl},
                                                          {m_zimmerpreis, Zahlfeld::Preis},
                                                          {m_fruehstueck, Zahlfeld::Preis}};
    for (const auto& [feld, art] : zahlfelder)
        connect(feld, &QLineEdit::editingFinished, this,
                [this, feld = feld, art = art] { zahlfeldVerlassen(feld, art); });
    connect(drucken, &QPushButton::clicked, this, &frmHotel::drucken);
    connect(schliessen, &QPushButton::clicked, this, &frmHotel::schliessen);
}

void frmHotel::setzeUeberschrift(const QString& station) {
    m_kopf->setText(station);
    // Closed with "Schließen" while it was the landing screen's page: choosing the
    // station again must bring it back.
    if (isHidden()) show();
}

void frmHotel::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    // Each time the hotel station is chosen the screen starts afresh.
    if (!ereignis->spontaneous()) oeffnen();
}

void frmHotel::oeffnen() {
    const QDate heute = m_k.jetzt().date();
    {
        const QSignalBlocker a(m_anreise), b(m_abreise);
        m_abreise->setMinimumDate(QDate(1900, 1, 1));
        m_anreise->setDate(heute.addDays(-1));
        m_abreise->setDate(heute);
        m_abreise->setMinimumDate(m_anreise->date());
    }
    m_anzahl->setText(QStringLiteral("1"));
    m_naechte->setText(QStringLiteral("1"));
    m_zimmerpreis->setText(QStringLiteral("1"));
    m_zahlungsart->button(0)->setChecked(true);
    m_gaeste->aktualisieren();
    Absichern(m_k, [this] {
        anzeigen(AnsichtAktualisieren(m_k, m_anreise->date(), m_abreise->date(), 1,
                                      QStringLiteral("EZ"), QStringLiteral("ÜF")));
    });
}

void frmHotel::anzeigen(const Hotelansicht& ansicht) {
    m_naechte->setText(QString::number(ansicht.uebernachtungen));
    zeigeAuswahl(m_zimmerNr, ansicht.zimmerNr);
    zeigeAuswahl(m_zimmerArt, ansicht.zimmerArt);
    zeigeAuswahl(m_leistung, ansicht.zimmerleistung);
    zeigePreis(ansicht.preis);
}

void frmHotel::zeigeAuswahl(QComboBox* feld, const Auswahl& auswahl) {
    feld->clear();
    feld->addItems(auswahl.eintraege);
    feld->setCurrentIndex(auswahl.gewaehlt);
}

void frmHotel::zeigePreis(const Zimmerpreis& preis) {
    m_zimmerpreis->setText(betrag(preis.preis));
    m_fruehstueck->setText(preis.fruehstueck ? betrag(*preis.fruehstueck) : QString());
    gesamtpreisZeigen();
}

void frmHotel::zimmerNrGewaehlt() {
    Absichern(m_k, [this] {
        zeigeAuswahl(m_zimmerArt, ComboZimmerArtFuellen(m_k, m_zimmerNr->currentText().toInt()));
        zimmerArtGewaehlt();
    });
}

void frmHotel::zimmerArtGewaehlt() {
    Absichern(m_k, [this] {
        zeigeAuswahl(m_leistung, ComboZimmerLeistungFuellen(m_k));
        leistungGewaehlt();
    });
}

void frmHotel::leistungGewaehlt() {
    Absichern(m_k, [this] {
        zeigePreis(ZimmerPreisAbfragen(m_k, m_zimmerNr->currentText().toInt(),
                                       m_zimmerArt->currentText(), m_leistung->currentText()));
    });
}

void frmHotel::datumGeaendert() {
    // Departure never lies before arrival: the picker moves it along.
    m_abreise->setMinimumDate(m_anreise->date());
    m_naechte->setText(QString::number(m_anreise->date().daysTo(m_abreise->date())));
    gesamtpreisZeigen();
}

void frmHotel::zahlfeldVerlassen(QLineEdit* feld, Zahlfeld art) {
    feld->setText(ZahlfeldPruefen(m_k, feld->text(), art));
    gesamtpreisZeigen();
}

void frmHotel::gesamtpreisZeigen() {
    const auto gesamt = Gesamtpreis(aufenthalt());
    m_gesamt->setText(gesamt ? betrag(*gesamt) : QString());
}

Hotelaufenthalt frmHotel::aufenthalt() const {
    Hotelaufenthalt a;
    a.anreise = m_anreise->date();
    a.abreise = m_abreise->date();
    if (!m_zimmerNr->currentText().isEmpty()) a.zimmerNr = m_zimmerNr->currentText().toInt();
    a.zimmerArt = m_zimmerArt->currentText();
    a.zimmerleistung = m_leistung->currentText();
    a.zimmerAnzahl = GanzzahlLesen(m_anzahl->text());
    a.uebernachtungen = GanzzahlLesen(m_naechte->text());
    a.zimmerpreis = Geld::lesen(m_zimmerpreis->text());
    a.fruehstueckpreis = Geld::lesen(m_fruehstueck->text());
    a.zahlungsart = kZahlungsarten.value(m_zahlungsart->checkedId(), kBar);
    return a;
}

Anreisedaten frmHotel::anreisedaten() const {
    Anreisedaten d;
    d.zimmerNr = m_zimmerNr->currentText().toInt();
    d.zimmerArt = m_zimmerArt->currentText();
    d.zimmerleistung = m_leistung->currentText();
    d.anreise = m_anreise->date();
    d.abreise = m_abreise->date();
    d.preis = {Geld::lesen(m_zimmerpreis->text()).value_or(Geld()),
               Geld::lesen(m_fruehstueck->text())};
    return d;
}

void frmHotel::drucken() {
    Absichern(m_k, [this] {
        if (HotelabrechnungSpeichern(m_k, aufenthalt())) BerichtHotelAbrechnung(m_k);
    });
}

void frmHotel::schliessen() {
    if (m_k.dialoge.frage(QStringLiteral("Wenn Sie das Fenster schließen geht alles verloren.\n"
                                         "Möchten Sie es trotzdem schließen ?"),
                          QStringLiteral("MsgBox-Demonstration")))
        hide();
}
