#include "service/frmTastenMenu1.h"

#include <QVBoxLayout>

#include "core/Rechte.h"
#include "druck/Notizen.h"
#include "service/Bestelltasten.h"
#include "service/Extrawahl.h"
#include "service/Kundenbelege.h"
#include "service/Senden.h"
#include "service/Stornieren.h"
#include "service/Tischverlassen.h"
#include "service/frmExtra.h"
#include "service/frmTastenMenu2.h"
#include "service/frmTisch.h"
#include "ui/Absichern.h"
#include "ui/widgets/Touchtaste.h"

namespace {

const QString kUmbuchenNichtMoeglich =
    QStringLiteral("Bei neuen eingetragenen Gerichte ist Umbuchen nicht möglich.");

}  // namespace

frmTastenMenu1::frmTastenMenu1(Kontext& k, frmTisch& tisch, frmTastenMenu2& rechner,
                               QWidget* eltern)
    : QWidget(eltern), m_k(k), m_tisch(tisch), m_rechner(rechner) {
    setObjectName(QStringLiteral("frmTastenMenu1"));
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(6);
    const std::pair<const char*, int> tasten[] = {
        {"&Umbuchen", Tastencode::kUmbuchen},
        {"&Abmelden", Tastencode::kAbmelden},
        {"&Extra", Tastencode::kExtra},
        {"T&OTAL", Tastencode::kTotal},
        {"Notiz", Tastencode::kNotiz},
        {"&Storno", Tastencode::kStorno},
        {"&Zw. Summe", Tastencode::kZwischensumme},
        {"&Tisch schließen", Tastencode::kTischSchliessen},
        {"", 0},
        {"Tisch löschen", Tastencode::kTischLoeschen}};
    for (const auto& [text, code] : tasten) {
        if (code == 0) {
            spalte->addSpacing(24);  // the key without a caption does nothing
            continue;
        }
        auto* knopf = new Touchtaste(QString::fromUtf8(text));
        knopf->setObjectName(QStringLiteral("cmdTastenMenu1_%1").arg(code));
        knopf->setMinimumHeight(64);
        connect(knopf, &QPushButton::clicked, this, [this, c = code] {
            // A touched function key drops what was typed; the keyboard's letters do not.
            m_rechner.eingabeLeeren();
            TastenMenu1(c);
        });
        spalte->addWidget(knopf);
    }
}

void frmTastenMenu1::TastenMenu1(int code) {
    switch (code) {
        case Tastencode::kUmbuchen: {
            if (!m_tisch.aktuelleZeile() || !KassenrechtPruefen(m_k, QStringLiteral("Umbuchen")))
                return;
            bool neue = true;
            if (!Absichern(m_k, [&] { neue = TischNeuesGerichtPruefen(m_k); })) return;
            if (neue)
                m_k.dialoge.meldung(kUmbuchenNichtMoeglich);
            else
                Q_EMIT umbuchen();
            return;
        }
        case Tastencode::kAbmelden:
            return verlassen(true);
        case Tastencode::kExtra:
            return extra();
        case Tastencode::kTotal:
            return total();
        case Tastencode::kStorno:
            return stornieren();
        case Tastencode::kZwischensumme:
            Absichern(m_k, [&] { Zwischensumme(m_k); });
            return;
        case Tastencode::kTischSchliessen:
            return verlassen(false);
        case Tastencode::kTischLoeschen:
            return tischLoeschen();
        case Tastencode::kNotiz:
            return notiz();
        default:
            return;
    }
}

void frmTastenMenu1::verlassen(bool abmelden) {
    if (!TischVerlassen(m_k)) {
        m_tisch.anzeigen(m_tisch.modus());
        return;
    }
    verlassenMelden(abmelden);
}

void frmTastenMenu1::abgerechnet() {
    m_tisch.anzeigen(m_tisch.modus());
    verlassenMelden(false);
}

void frmTastenMenu1::verlassenMelden(bool abmelden) {
    bool eigene = true;
    Absichern(m_k, [&] { eigene = EigeneZeilenAmTisch(m_k); });
    if (!eigene) Q_EMIT tischFrei(m_k.werte.tisch);
    if (abmelden)
        Q_EMIT this->abmelden();
    else
        Q_EMIT geschlossen();
}

void frmTastenMenu1::total() {
    if (!KassenrechtPruefen(m_k, QStringLiteral("Abkassieren"))) return;
    bool zeilen = false;
    // Kind "0" prints nothing: it only tells whether the table has lines.
    if (!Absichern(m_k, [&] { zeilen = Abrechnung(m_k, m_k.werte.tisch, QStringLiteral("0")); }))
        return;
    if (!zeilen) return;
    if (TischVerlassen(m_k, QStringLiteral("ThekenDrucker")))
        Q_EMIT kassieren();
    else
        m_tisch.anzeigen(m_tisch.modus());
}

void frmTastenMenu1::notiz() {
    const Tischzeile* zeile = m_tisch.aktuelleZeile();
    if (!zeile) return;
    const std::int64_t id = zeile->id;
    const auto text =
        m_k.dialoge.eingabe(QStringLiteral("Notiz für die Küche:"), QStringLiteral("Notiz"));
    if (!text) return;
    Absichern(m_k, [&] {
        if (NotizSetzen(m_k, id, *text)) m_tisch.anzeigen(m_tisch.modus());
    });
}

void frmTastenMenu1::stornieren() {
    if (!KassenrechtPruefen(m_k, QStringLiteral("Stornieren"))) return;
    const Tischzeile* zeile = m_tisch.aktuelleZeile();
    if (!zeile) return;
    const QString art = zeile->tischDetails;
    const bool alt = art == kAlt;
    // A line with extras, or a sent extra line, goes together with its group.
    const bool gruppe = zeile->extra == kJa && (alt || !zeile->plu.isEmpty());
    const std::int64_t id = zeile->id;
    const std::int64_t regId = zeile->regId;
    // A held line was never sent: it goes as a new one, without a ticket.
    const QString danach = zeile->gehalten() ? m_tisch.modus() : art;
    Absichern(m_k, [&] {
        if (gruppe)
            GruppeStornieren(m_k, regId);
        else
            GerichtStornieren(m_k, id, art);
    });
    m_tisch.anzeigen(danach);
}

void frmTastenMenu1::extra() {
    const Tischzeile* zeile = m_tisch.aktuelleZeile();
    if (!zeile || zeile->tischDetails != kNeu) return;
    bool moeglich = false;
    Absichern(m_k, [&] { moeglich = PruefenExtra(m_k, zeile->plu); });
    if (!moeglich) return;
    frmExtra fenster(m_k, zeile->id, zeile->regId, window());
    if (fenster.exec() == QDialog::Accepted) m_tisch.anzeigen(kNeu);
}

void frmTastenMenu1::tischLoeschen() {
    if (!KassenrechtPruefen(m_k, QStringLiteral("TischeLoeschen"))) return;
    if (!m_k.dialoge.frage(QStringLiteral("Soll der Tisch %1 mit allen Positionen storniert "
                                          "werden?")
                               .arg(m_k.werte.tisch)))
        return;
    bool storniert = false;
    if (!Absichern(m_k, [&] { storniert = TischStornieren(m_k); }) || !storniert) return;
    // Leaving prints the cancellation tickets and logs the cancellations.
    verlassen(false);
}
