#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

// The files of the tax authority's till export (DSFinV-K 2.3): their names,
// logical names, columns in order and column types, the CSV conventions and the
// description index.xml.

inline constexpr int kText = -1;

struct Dsfinvkspalte {
    const char* name;
    int nachkomma = kText;  // decimals of a number; kText for text
};

enum class Dsfinvkmodul { Einzelaufzeichnung, Stammdaten, Kassenabschluss };

struct Dsfinvkdatei {
    QString datei;         // "transactions.csv"
    QString name;          // "Bonkopf"
    QString beschreibung;  // shown by the auditor's software
    Dsfinvkmodul modul;
    int schluessel;  // the first columns that together identify a row
    std::vector<Dsfinvkspalte> spalten;

    QStringList kopf() const;
};

// Every file of the standard, in the order of the description.
const std::vector<Dsfinvkdatei>& Dsfinvkdateien();
const Dsfinvkdatei& Dsfinvkdateibeschreibung(const QString& datei);

// A number given in units of 10^-stellen, written with exactly that many
// decimals and a point: Dezimal(1250, 2) is "12.50", Dezimal(-5, 3) "-0.005".
QString Dezimal(std::int64_t wert, int stellen);
// Cents with the decimals of the column.
QString Betrag(std::int64_t cent, int stellen);

// One file's text: UTF-8, semicolon, CR LF after every row, the column names
// in the first row. Text columns are enclosed in double quotes (doubled
// inside); numbers never.
class Dsfinvktabelle {
  public:
    explicit Dsfinvktabelle(const Dsfinvkdatei& datei);

    void zeile(const QStringList& werte);
    const Dsfinvkdatei& datei() const { return m_datei; }
    const QByteArray& text() const { return m_text; }
    int zeilen() const { return m_zeilen; }

  private:
    const Dsfinvkdatei& m_datei;
    QByteArray m_text;
    int m_zeilen = 0;
};

// The description of the written files after the document type
// gdpdu-01-09-2004.dtd, and that type itself.
QByteArray IndexXml(const std::vector<const Dsfinvkdatei*>& dateien);
inline const QString kIndexXml = QStringLiteral("index.xml");
inline const QString kGdpduDtd = QStringLiteral("gdpdu-01-09-2004.dtd");
QByteArray GdpduDtd();
