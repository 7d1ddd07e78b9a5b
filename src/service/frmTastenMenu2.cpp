#include "service/frmTastenMenu2.h"

#include <QGridLayout>
#include <QLineEdit>

#include "service/Bestelltasten.h"
#include "service/Eingabe.h"
#include "service/Eintragen.h"
#include "ui/Absichern.h"
#include "ui/widgets/Touchtaste.h"

namespace {

const QString kGetraenkeTaste = QStringLiteral("&Getränke");
const QString kSpeiseTaste = QStringLiteral("&Speise");
const QString kKarteTaste = QStringLiteral("Speise&karte");
const QString kDirektwahlTaste = QStringLiteral("Direktwahl");

}  // namespace

frmTastenMenu2::frmTastenMenu2(Kontext& k, QWidget* eltern)
    : QWidget(eltern), m_k(k), m_txtPLU(new QLineEdit) {
    setObjectName(QStringLiteral("frmTastenMenu2"));
    setWindowTitle(QStringLiteral("Rechner"));
    m_txtPLU->setObjectName(QStringLiteral("txtPLU"));
    m_txtPLU->setReadOnly(true);
    m_txtPLU->setFocusPolicy(Qt::NoFocus);
    m_txtPLU->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_txtPLU->setMinimumHeight(56);
    m_txtPLU->setStyleSheet(QStringLiteral("font-size: 22pt; font-weight: bold;"));

    auto* raster = new QGridLayout(this);
    raster->setSpacing(6);
    raster->addWidget(m_txtPLU, 0, 0, 1, 4);
    auto legen = [&](const QString& text, int code, int zeile, int spalte, int breite = 1,
                     int hoehe = 1) {
        auto* knopf = new Touchtaste(text);
        knopf->setObjectName(QStringLiteral("cmdTastenMenu2_%1").arg(code));
        knopf->setProperty("code", code);
        connect(knopf, &QPushButton::clicked, this, [this, code] { TastenMenu2(code); });
        raster->addWidget(knopf, zeile, spalte, hoehe, breite);
        return knopf;
    };
    const int ziffernfeld[3][3] = {{7, 8, 9}, {4, 5, 6}, {1, 2, 3}};
    for (int z = 0; z < 3; ++z)
        for (int s = 0; s < 3; ++s)
            legen(QString::number(ziffernfeld[z][s]), Tastencode::kZiffer0 + ziffernfeld[z][s],
                  z + 1, s);
    legen(QStringLiteral("C"), Tastencode::kLeeren, 1, 3);
    legen(QStringLiteral("x"), Tastencode::kMal, 2, 3);
    legen(QStringLiteral("Enter"), Tastencode::kEnter, 3, 3, 1, 2);
    legen(QStringLiteral("0"), Tastencode::kZiffer0, 4, 0, 3);
    legen(kGetraenkeTaste, Tastencode::kGetraenke, 5, 0, 2);
    legen(kSpeiseTaste, Tastencode::kSpeise, 5, 2, 2);
    m_wechsel = legen(kKarteTaste, Tastencode::kKarte, 6, 0, 4);
}

Touchtaste* frmTastenMenu2::taste(int code) const {
    for (auto* knopf : findChildren<Touchtaste*>())
        if (knopf->property("code").toInt() == code) return knopf;
    return nullptr;
}

void frmTastenMenu2::TastenMenu2(int code) {
    const Touchtaste* knopf = taste(code);
    if (!knopf) return;
    const QString text = knopf->text();
    if (code >= Tastencode::kZiffer0 && code <= Tastencode::kZiffer0 + 9) {
        anhaengen(text);
    } else if (code == Tastencode::kMal) {
        anhaengen(QStringLiteral("x"));
    } else if (code == Tastencode::kLeeren) {
        eingabeLeeren();
    } else if (code == Tastencode::kEnter) {
        DatenFinden();
    } else if (code == Tastencode::kGetraenke || code == Tastencode::kSpeise) {
        DatenEintragen(text);
    } else if (code == Tastencode::kKarte) {
        const bool karte = text == kKarteTaste;
        m_wechsel->beschriften(karte ? kDirektwahlTaste : kKarteTaste);
        Q_EMIT pickerGewechselt(karte);
    }
}

void frmTastenMenu2::DatenFinden() {
    const QString text = eingabe();
    if (text.isEmpty()) return;
    eingabeLeeren();
    const Eingabeteile teile = EingabeAufteilen(text);
    bool neu = false;
    Absichern(m_k, [&] { neu = GerichtEintragen(m_k, teile.rest, teile.menge); });
    if (neu) Q_EMIT eingetragen();
}

void frmTastenMenu2::DatenEintragen(const QString& beschriftung) {
    const Eingabeteile teile = EingabeAufteilen(eingabe());
    eingabeLeeren();
    // A price that is not 2 to 5 digits is dropped without a word: it is a slip.
    const auto preis = FreierPreisLesen(teile.rest);
    if (!preis) return;
    const bool getraenk = beschriftung == kGetraenkeTaste;
    bool neu = false;
    Absichern(m_k, [&] {
        neu = getraenk
                  ? FreiesGerichtEintragen(m_k, QStringLiteral("ThekenDrucker"), kFreiesGetraenk,
                                           teile.menge, QStringLiteral("Getränke"), *preis)
                  : FreiesGerichtEintragen(m_k, QStringLiteral("KüchenDrucker"), kFreieSpeise,
                                           teile.menge, QStringLiteral("Speise"), *preis);
    });
    if (neu) Q_EMIT eingetragen();
}

QString frmTastenMenu2::eingabe() const { return m_txtPLU->text(); }
void frmTastenMenu2::anhaengen(const QString& text) { m_txtPLU->setText(m_txtPLU->text() + text); }
void frmTastenMenu2::setzeEingabe(const QString& text) { m_txtPLU->setText(text); }
void frmTastenMenu2::eingabeLeeren() { m_txtPLU->clear(); }
bool frmTastenMenu2::karteGewaehlt() const { return m_wechsel->text() == kDirektwahlTaste; }
