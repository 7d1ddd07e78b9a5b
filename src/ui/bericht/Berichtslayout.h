#pragma once

#include <QRectF>
#include <QString>
#include <QVariantMap>
#include <vector>

class Abfrage;

// One row of a report's data: column name -> value. Money columns hold whole
// cents; a money display format ("Currency", "#####0.00", ...) renders them.
using Datenzeile = QVariantMap;
using Berichtsdaten = std::vector<Datenzeile>;

// Reads every row of a query into report data (column names as the query names them).
Berichtsdaten BerichtsdatenAus(Abfrage& abfrage);

// Print areas of the two papers, in mm: the 80 mm receipt roll and A4.
inline constexpr double kBonbreite = 72;
inline constexpr double kA4Breite = 190;
inline constexpr double kA4Hoehe = 277;

enum class Ausrichtung { Links, Mitte, Rechts };

struct Schrift {
    double punkt = 9;
    bool fett = false;
};

// One control of a band, placed in millimetres relative to the band's top-left.
struct Berichtselement {
    enum class Art { Bezeichnung, Textfeld, Funktion, Bild, Linie, Rahmen, QrCode };
    Art art = Art::Bezeichnung;
    QString name;    // lblDatum, txtGericht, Funktion1, Symbol1, Linie1 ...
    QRectF lage;     // mm; a Linie runs from the top-left to the bottom-right corner
    QString text;    // Bezeichnung: the caller's text; Bild: the picture file; QrCode: its content
    QString spalte;  // Textfeld, Funktion: the bound column
    QString format;  // display format of Textfeld and Funktion, empty for plain text
    Schrift schrift;
    Ausrichtung ausrichtung = Ausrichtung::Links;
    bool sichtbar = true;
    // Textfeld and Bezeichnung: wraps at word boundaries and grows downwards,
    // pushing what lies below it in its band (long dish names on a ticket).
    bool wachsen = false;
};

// Sections are addressed by the names the layouts use.
inline const QString kKopf = QStringLiteral("Bereich4");    // report header, once
inline const QString kDetail = QStringLiteral("Bereich1");  // once per data row
inline const QString kFuss = QStringLiteral("Bereich5");    // report footer, once

struct Berichtsbereich {
    QString name;
    double hoehe = 0;  // mm
    std::vector<Berichtselement> elemente;
};

// A banded layout: header band once, detail band per data row, footer band with
// sums. The caller builds it (or gets it from a layout function such as the
// kitchen ticket's), sets label texts, and hands it with its data to the engine.
class Berichtslayout {
  public:
    // breite: paper width in mm (72 for the receipt roll, 190 for A4 reports);
    // seitenhoehe 0 means one endless page as long as the content (receipt roll).
    Berichtslayout(QString titel, double breite, double seitenhoehe = 0);

    const QString& titel() const { return m_titel; }
    double breite() const { return m_breite; }
    double seitenhoehe() const { return m_seitenhoehe; }

    Berichtsbereich& bereich(const QString& name);  // Bereich4, Bereich1 or Bereich5
    const Berichtsbereich& bereich(const QString& name) const;

    Berichtselement& bezeichnung(const QString& bereich, const QString& name, QRectF lage,
                                 const QString& text = QString(), Schrift schrift = {},
                                 Ausrichtung ausrichtung = Ausrichtung::Links);
    Berichtselement& textfeld(const QString& bereich, const QString& name, QRectF lage,
                              const QString& spalte, const QString& format = QString(),
                              Schrift schrift = {}, Ausrichtung ausrichtung = Ausrichtung::Links);
    // A sum over all detail rows of a bound column.
    Berichtselement& funktion(const QString& bereich, const QString& name, QRectF lage,
                              const QString& spalte, const QString& format = QString(),
                              Schrift schrift = {}, Ausrichtung ausrichtung = Ausrichtung::Rechts);
    Berichtselement& bild(const QString& bereich, const QString& name, QRectF lage,
                          const QString& datei);
    // A QR code of `inhalt`, as large as fits the square of `lage` with its quiet zone.
    Berichtselement& qrcode(const QString& bereich, const QString& name, QRectF lage,
                            const QString& inhalt);
    Berichtselement& linie(const QString& bereich, const QString& name, QRectF lage);
    Berichtselement& rahmen(const QString& bereich, const QString& name, QRectF lage);

    // The caller's way to address a control: set a label's text, move a rule.
    // An unknown control throws DbFehler.
    Berichtselement& element(const QString& bereich, const QString& name);
    void setzeText(const QString& bereich, const QString& name, const QString& text);
    // Makes room for rows known only when printing (a VAT table): every control
    // of the band from height `ab` on moves down by `hoehe`, and the band grows.
    void platzSchaffen(const QString& bereich, double ab, double hoehe);

  private:
    QString m_titel;
    double m_breite;
    double m_seitenhoehe;
    std::vector<Berichtsbereich> m_bereiche;
};
