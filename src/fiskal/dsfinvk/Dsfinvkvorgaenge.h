#pragma once

#include <QDate>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

class Datenbank;

// The transactions of the till closings as the tax authority's export sees
// them, read from the journal alone. Amounts are whole cents, quantities
// thousandths, VAT rates hundredths of a percent.

struct Dsfinvkposten {
    QString text, artNr;
    QString gvTyp = QStringLiteral("Umsatz");
    std::int64_t mengeTausendstel = 0;
    std::int64_t stueckpreis = 0;
    std::int64_t brutto = 0;
    int satz = 0;
    bool inhaus = true;
};

struct Dsfinvkzahlung {
    QString typ, name;  // "Bar" or "Unbar"; the till's own name of the payment
    std::int64_t betrag = 0;
};

struct Dsfinvkbon {
    QString bonId;
    std::int64_t bonNr = 0;
    QString typ = QStringLiteral("Beleg");
    QString name, terminal;
    bool storno = false;
    QString zeit;  // local, as the journal holds it
    QString bediener, kunde;
    QString abrechnungskreis;
    std::vector<Dsfinvkposten> posten;
    std::vector<Dsfinvkzahlung> zahlungen;
    QStringList verweise;  // BON_IDs of this closing the transaction corrects
    QJsonObject tse;       // the journal's "TSE" object; empty when it has none

    std::int64_t umsatz() const;
    bool istBeleg() const { return typ == QStringLiteral("Beleg"); }
};

struct Dsfinvkabschluss {
    int zNr = 0;
    QString zeit, geschaeftstag;
    std::vector<Dsfinvkbon> bons;
    QStringList terminals;
};

// The closings whose business day lies from `von` to `bis`, in order, with
// the transactions that belong to each.
std::vector<Dsfinvkabschluss> DsfinvkAbschluesseLesen(Datenbank& db, const QDate& von,
                                                      const QDate& bis);

// The TSEs put into service (kind "TSE-Inbetriebnahme"), in order: the
// position + 1 is their TSE_ID.
std::vector<QJsonObject> DsfinvkTseLesen(Datenbank& db);

