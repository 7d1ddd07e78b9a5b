#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "core/DbFehler.h"
#include "core/Dialoge.h"

// Answers the routine's questions from a script and records every text shown.
// An unscripted question is recorded in `unerwartet` and answered with "no" /
// "Abbrechen" / cancel.
class SkriptDialoge : public Dialoge {
public:
    void meldung(const QString& text) override { meldungen << text; }
    void fehler(const DbFehler& f) override { fehlermeldungen << f.meldungstext(); }
    bool frage(const QString& text, const QString& = QString()) override {
        fragen << text;
        return nimm(jaNein, false, text);
    }
    QString zahlenblock(const QString& aufforderung) override {
        aufforderungen << aufforderung;
        return nimm(zahlen, kAbbrechen, aufforderung);
    }
    std::optional<QString> eingabe(const QString& aufforderung, const QString&,
                                   const QString& = QString()) override {
        aufforderungen << aufforderung;
        return nimm(eingaben, std::optional<QString>(), aufforderung);
    }
    void vorschau(const Dokument& dokument) override {
        ++vorschauen;
        letzteVorschau = &dokument;
        if (beiVorschau) beiVorschau(dokument);
    }

    // Script of answers, taken in order.
    std::deque<bool> jaNein;
    std::deque<QString> zahlen;
    std::deque<std::optional<QString>> eingaben;
    std::function<void(const Dokument&)> beiVorschau;

    // Record of what the routine showed.
    QStringList meldungen;
    QStringList fehlermeldungen;
    QStringList fragen;
    QStringList aufforderungen;
    QStringList unerwartet;
    int vorschauen = 0;
    const Dokument* letzteVorschau = nullptr;

private:
    template <typename T>
    T nimm(std::deque<T>& liste, T vorgabe, const QString& wofuer) {
        if (liste.empty()) {
            unerwartet << wofuer;
            return vorgabe;
        }
        T wert = liste.front();
        liste.pop_front();
        return wert;
    }
};
