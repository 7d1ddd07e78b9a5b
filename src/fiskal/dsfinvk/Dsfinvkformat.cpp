#include "fiskal/dsfinvk/Dsfinvkformat.h"

#include <QXmlStreamWriter>
#include <cstdint>
#include <stdexcept>

namespace {

using Spalten = std::vector<Dsfinvkspalte>;

// Every file starts with the closing its rows belong to; the single records
// also name their transaction.
Spalten mitAbschluss(const Spalten& rest, bool mitBon = false) {
    Spalten s = {{"Z_KASSE_ID"}, {"Z_ERSTELLUNG"}, {"Z_NR", 0}};
    if (mitBon) s.push_back({"BON_ID"});
    s.insert(s.end(), rest.begin(), rest.end());
    return s;
}

std::vector<Dsfinvkdatei> anlegen() {
    using M = Dsfinvkmodul;
    const M e = M::Einzelaufzeichnung, s = M::Stammdaten, z = M::Kassenabschluss;
    return {
        {"lines.csv", "Bonpos", "Positionen der Vorgänge", e, 5,
         mitAbschluss({{"POS_ZEILE"},
                       {"GUTSCHEIN_NR"},
                       {"ARTIKELTEXT"},
                       {"POS_TERMINAL_ID"},
                       {"GV_TYP"},
                       {"GV_NAME"},
                       {"INHAUS", 0},
                       {"P_STORNO"},
                       {"AGENTUR_ID", 0},
                       {"ART_NR"},
                       {"GTIN"},
                       {"WARENGR_ID"},
                       {"WARENGR"},
                       {"MENGE", 3},
                       {"FAKTOR", 3},
                       {"EINHEIT"},
                       {"STK_BR", 5}},
                      true)},
        {"lines_vat.csv", "Bonpos_USt", "Umsatzsteuer der Positionen", e, 6,
         mitAbschluss({{"POS_ZEILE"},
                       {"UST_SCHLUESSEL", 0},
                       {"POS_BRUTTO", 5},
                       {"POS_NETTO", 5},
                       {"POS_UST", 5}},
                      true)},
        {"itemamounts.csv", "Bonpos_Preisfindung", "Preisfindung der Positionen", e, 5,
         mitAbschluss({{"POS_ZEILE"},
                       {"TYP"},
                       {"UST_SCHLUESSEL", 0},
                       {"PF_BRUTTO", 5},
                       {"PF_NETTO", 5},
                       {"PF_UST", 5}},
                      true)},
        {"subitems.csv", "Bonpos_Zusatzinfo", "Zusammensetzung der Positionen", e, 5,
         mitAbschluss({{"POS_ZEILE"},
                       {"ZI_ART_NR"},
                       {"ZI_GTIN"},
                       {"ZI_NAME"},
                       {"ZI_WARENGR_ID"},
                       {"ZI_WARENGR"},
                       {"ZI_MENGE", 3},
                       {"ZI_FAKTOR", 3},
                       {"ZI_EINHEIT"},
                       {"ZI_UST_SCHLUESSEL", 0},
                       {"ZI_BASISPREIS_BRUTTO", 5},
                       {"ZI_BASISPREIS_NETTO", 5},
                       {"ZI_BASISPREIS_UST", 5}},
                      true)},
        {"transactions.csv", "Bonkopf", "Vorgänge (Bonköpfe)", e, 4,
         mitAbschluss({{"BON_NR", 0},
                       {"BON_TYP"},
                       {"BON_NAME"},
                       {"TERMINAL_ID"},
                       {"BON_STORNO", 0},
                       {"BON_START"},
                       {"BON_ENDE"},
                       {"BEDIENER_ID"},
                       {"BEDIENER_NAME"},
                       {"UMS_BRUTTO", 2},
                       {"KUNDE_NAME"},
                       {"KUNDE_ID"},
                       {"KUNDE_TYP"},
                       {"KUNDE_STRASSE"},
                       {"KUNDE_PLZ"},
                       {"KUNDE_ORT"},
                       {"KUNDE_LAND"},
                       {"KUNDE_USTID"},
                       {"BON_NOTIZ"}},
                      true)},
        {"transactions_vat.csv", "Bonkopf_USt", "Umsatzsteuer der Vorgänge", e, 5,
         mitAbschluss({{"UST_SCHLUESSEL", 0}, {"BON_BRUTTO", 5}, {"BON_NETTO", 5}, {"BON_UST", 5}},
                      true)},
        {"allocation_groups.csv", "Bonkopf_AbrKreis", "Abrechnungskreise der Vorgänge", e, 5,
         mitAbschluss({{"ABRECHNUNGSKREIS"}}, true)},
        {"datapayment.csv", "Bonkopf_Zahlarten", "Zahlarten der Vorgänge", e, 6,
         mitAbschluss({{"ZAHLART_TYP"},
                       {"ZAHLART_NAME"},
                       {"ZAHLWAEH_CODE"},
                       {"ZAHLWAEH_BETRAG", 2},
                       {"BASISWAEH_BETRAG", 2}},
                      true)},
        {"references.csv", "Bon_Referenzen", "Verweise der Vorgänge", e, 5,
         mitAbschluss({{"POS_ZEILE"},
                       {"REF_TYP"},
                       {"REF_NAME"},
                       {"REF_DATUM"},
                       {"REF_Z_KASSE_ID"},
                       {"REF_Z_NR", 0},
                       {"REF_BON_ID"}},
                      true)},
        {"transactions_tse.csv", "TSE_Transaktionen", "Transaktionen der TSE", e, 4,
         mitAbschluss({{"TSE_ID", 0},
                       {"TSE_TANR", 0},
                       {"TSE_TA_START"},
                       {"TSE_TA_ENDE"},
                       {"TSE_TA_VORGANGSART"},
                       {"TSE_TA_SIGZ", 0},
                       {"TSE_TA_SIG"},
                       {"TSE_TA_FEHLER"},
                       {"TSE_VORGANGSDATEN"}},
                      true)},
        {"cashpointclosing.csv", "Stamm_Abschluss", "Kassenabschlüsse", s, 3,
         mitAbschluss({{"Z_BUCHUNGSTAG"},
                       {"TAXONOMIE_VERSION"},
                       {"Z_START_ID"},
                       {"Z_ENDE_ID"},
                       {"NAME"},
                       {"STRASSE"},
                       {"PLZ"},
                       {"ORT"},
                       {"LAND"},
                       {"STNR"},
                       {"USTID"},
                       {"Z_SE_ZAHLUNGEN", 2},
                       {"Z_SE_BARZAHLUNGEN", 2}})},
        {"location.csv", "Stamm_Orte", "Standorte", s, 3,
         mitAbschluss({{"LOC_NAME"},
                       {"LOC_STRASSE"},
                       {"LOC_PLZ"},
                       {"LOC_ORT"},
                       {"LOC_LAND"},
                       {"LOC_USTID"}})},
        {"cashregister.csv", "Stamm_Kassen", "Kassen", s, 3,
         mitAbschluss({{"KASSE_BRAND"},
                       {"KASSE_MODELL"},
                       {"KASSE_SERIENNR"},
                       {"KASSE_SW_BRAND"},
                       {"KASSE_SW_VERSION"},
                       {"KASSE_BASISWAEH_CODE"},
                       {"KEINE_UST_ZUORDNUNG", 0}})},
        {"slaves.csv", "Stamm_Terminals", "Terminals", s, 4,
         mitAbschluss({{"TERMINAL_ID"},
                       {"TERMINAL_BRAND"},
                       {"TERMINAL_MODELL"},
                       {"TERMINAL_SERIENNR"},
                       {"TERMINAL_SW_BRAND"},
                       {"TERMINAL_SW_VERSION"}})},
        {"pa.csv", "Stamm_Agenturen", "Agenturen", s, 4,
         mitAbschluss({{"AGENTUR_ID", 0},
                       {"AGENTUR_NAME"},
                       {"AGENTUR_STRASSE"},
                       {"AGENTUR_PLZ"},
                       {"AGENTUR_ORT"},
                       {"AGENTUR_LAND"},
                       {"AGENTUR_STNR"},
                       {"AGENTUR_USTID"}})},
        {"vat.csv", "Stamm_USt", "Umsatzsteuersätze", s, 4,
         mitAbschluss({{"UST_SCHLUESSEL", 0}, {"UST_SATZ", 2}, {"UST_BESCHR"}})},
        {"tse.csv", "Stamm_TSE", "Technische Sicherheitseinrichtungen", s, 4,
         mitAbschluss({{"TSE_ID", 0},
                       {"TSE_SERIAL"},
                       {"TSE_SIG_ALGO"},
                       {"TSE_ZEITFORMAT"},
                       {"TSE_PD_ENCODING"},
                       {"TSE_PUBLIC_KEY"},
                       {"TSE_ZERTIFIKAT_I"},
                       {"TSE_ZERTIFIKAT_II"}})},
        {"businesscases.csv", "Z_GV_Typ", "Geschäftsvorfälle je Kassenabschluss", z, 3,
         mitAbschluss({{"GV_TYP"},
                       {"GV_NAME"},
                       {"AGENTUR_ID", 0},
                       {"UST_SCHLUESSEL", 0},
                       {"Z_UMS_BRUTTO", 5},
                       {"Z_UMS_NETTO", 5},
                       {"Z_UST", 5}})},
        {"payment.csv", "Z_Zahlart", "Zahlarten je Kassenabschluss", z, 3,
         mitAbschluss({{"ZAHLART_TYP"}, {"ZAHLART_NAME"}, {"Z_ZAHLART_BETRAG", 2}})},
        {"cash_per_currency.csv", "Z_Waehrungen", "Bargeld je Währung und Kassenabschluss", z, 3,
         mitAbschluss({{"ZAHLART_WAEH"}, {"ZAHLART_BETRAG_WAEH", 2}})},
    };
}

void feldAnhaengen(QByteArray& text, const QString& wert, const Dsfinvkspalte& spalte) {
    if (spalte.nachkomma != kText || wert.isEmpty()) {
        text += wert.toUtf8();
        return;
    }
    text += '"';
    text += wert.contains(QLatin1Char('"'))
                ? QString(wert).replace(QLatin1Char('"'), QStringLiteral("\"\"")).toUtf8()
                : wert.toUtf8();
    text += '"';
}

void spalteSchreiben(QXmlStreamWriter& x, const Dsfinvkspalte& s, bool schluessel) {
    x.writeStartElement(schluessel ? QStringLiteral("VariablePrimaryKey")
                                   : QStringLiteral("VariableColumn"));
    x.writeTextElement(QStringLiteral("Name"), QString::fromLatin1(s.name));
    if (s.nachkomma == kText) {
        x.writeEmptyElement(QStringLiteral("AlphaNumeric"));
    } else {
        x.writeStartElement(QStringLiteral("Numeric"));
        if (s.nachkomma > 0)
            x.writeTextElement(QStringLiteral("Accuracy"), QString::number(s.nachkomma));
        x.writeEndElement();
    }
    x.writeEndElement();
}

}  // namespace

QStringList Dsfinvkdatei::kopf() const {
    QStringList namen;
    for (const Dsfinvkspalte& s : spalten) namen << QString::fromLatin1(s.name);
    return namen;
}

const std::vector<Dsfinvkdatei>& Dsfinvkdateien() {
    static const std::vector<Dsfinvkdatei> dateien = anlegen();
    return dateien;
}

const Dsfinvkdatei& Dsfinvkdateibeschreibung(const QString& datei) {
    for (const Dsfinvkdatei& d : Dsfinvkdateien())
        if (d.datei == datei) return d;
    throw std::invalid_argument("unbekannte Datei");
}

QString Dezimal(std::int64_t wert, int stellen) {
    // Written by hand: the export writes millions of these.
    char text[32];
    char* ende = text + sizeof text;
    char* p = ende;
    std::uint64_t rest = wert < 0 ? 0 - static_cast<std::uint64_t>(wert) : wert;
    for (int i = 0; i < stellen; ++i, rest /= 10) *--p = static_cast<char>('0' + rest % 10);
    if (stellen > 0) *--p = '.';
    do {
        *--p = static_cast<char>('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    if (wert < 0) *--p = '-';
    return QString::fromLatin1(p, ende - p);
}

QString Betrag(std::int64_t cent, int stellen) {
    std::int64_t faktor = 1;
    for (int i = 2; i < stellen; ++i) faktor *= 10;
    return Dezimal(cent * faktor, stellen);
}

Dsfinvktabelle::Dsfinvktabelle(const Dsfinvkdatei& datei) : m_datei(datei) {
    m_text = datei.kopf().join(QLatin1Char(';')).toUtf8() + "\r\n";
}

void Dsfinvktabelle::zeile(const QStringList& werte) {
    if (werte.size() != static_cast<qsizetype>(m_datei.spalten.size()))
        throw std::logic_error("Spaltenzahl passt nicht zur Datei");
    for (qsizetype i = 0; i < werte.size(); ++i) {
        if (i > 0) m_text += ';';
        feldAnhaengen(m_text, werte[i], m_datei.spalten[static_cast<std::size_t>(i)]);
    }
    m_text += "\r\n";
    ++m_zeilen;
}

QByteArray IndexXml(const std::vector<const Dsfinvkdatei*>& dateien) {
    QByteArray text;
    QXmlStreamWriter x(&text);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeDTD(QStringLiteral("<!DOCTYPE DataSet SYSTEM \"%1\">").arg(kGdpduDtd));
    x.writeStartElement(QStringLiteral("DataSet"));
    x.writeTextElement(QStringLiteral("Version"), QStringLiteral("1.0"));
    x.writeStartElement(QStringLiteral("DataSupplier"));
    x.writeTextElement(QStringLiteral("Name"), QStringLiteral("Tavro Kasse"));
    x.writeTextElement(QStringLiteral("Location"), QStringLiteral("Deutschland"));
    x.writeTextElement(QStringLiteral("Comment"), QStringLiteral("DSFinV-K 2.3"));
    x.writeEndElement();
    x.writeStartElement(QStringLiteral("Media"));
    x.writeTextElement(QStringLiteral("Name"), QStringLiteral("DSFinV-K"));
    for (const Dsfinvkdatei* d : dateien) {
        x.writeStartElement(QStringLiteral("Table"));
        x.writeTextElement(QStringLiteral("URL"), d->datei);
        x.writeTextElement(QStringLiteral("Name"), d->name);
        x.writeTextElement(QStringLiteral("Description"), d->beschreibung);
        x.writeEmptyElement(QStringLiteral("UTF8"));
        x.writeTextElement(QStringLiteral("DecimalSymbol"), QStringLiteral("."));
        x.writeTextElement(QStringLiteral("DigitGroupingSymbol"), QStringLiteral(","));
        // The first row holds the column names.
        x.writeStartElement(QStringLiteral("Range"));
        x.writeTextElement(QStringLiteral("From"), QStringLiteral("2"));
        x.writeEndElement();
        x.writeStartElement(QStringLiteral("VariableLength"));
        x.writeTextElement(QStringLiteral("ColumnDelimiter"), QStringLiteral(";"));
        // As character references: a reader of XML would turn a written CR LF into LF.
        x.writeStartElement(QStringLiteral("RecordDelimiter"));
        x.writeEntityReference(QStringLiteral("#13"));
        x.writeEntityReference(QStringLiteral("#10"));
        x.writeEndElement();
        x.writeTextElement(QStringLiteral("TextEncapsulator"), QStringLiteral("\""));
        for (std::size_t i = 0; i < d->spalten.size(); ++i)
            spalteSchreiben(x, d->spalten[i], static_cast<int>(i) < d->schluessel);
        x.writeEndElement();
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    return text;
}

QByteArray GdpduDtd() {
    return QByteArrayLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<!ELEMENT Version (#PCDATA)>
<!ELEMENT Location (#PCDATA)>
<!ELEMENT Comment (#PCDATA)>
<!ELEMENT Length (#PCDATA)>
<!ELEMENT References (#PCDATA)>
<!ELEMENT From (#PCDATA)>
<!ELEMENT To (#PCDATA)>
<!ELEMENT AcceptNoTables (#PCDATA)>
<!ELEMENT Alias (From, To)>
<!ELEMENT MaxLength (#PCDATA)>
<!ELEMENT TextEncapsulator (#PCDATA)>
<!ELEMENT Accuracy (#PCDATA)>
<!ELEMENT ImpliedAccuracy (#PCDATA)>
<!ELEMENT Format (#PCDATA)>
<!ELEMENT DecimalSymbol (#PCDATA)>
<!ELEMENT DigitGroupingSymbol (#PCDATA)>
<!ELEMENT Command (#PCDATA)>
<!ELEMENT URL (#PCDATA)>
<!ELEMENT Description (#PCDATA)>
<!ELEMENT Name (#PCDATA)>
<!ELEMENT Epoch (#PCDATA)>
<!ELEMENT ColumnDelimiter (#PCDATA)>
<!ELEMENT RecordDelimiter (#PCDATA)>
<!ELEMENT SkipNumBytes (#PCDATA)>
<!ELEMENT Extension (Name, URL)>
<!ELEMENT Range (From, (To | Length)?)>
<!ELEMENT FixedRange (From, (To | Length))>
<!ELEMENT DataSet (Extension*, Version, DataSupplier?, Command*, Media+, Command*)>
<!ELEMENT AlphaNumeric EMPTY>
<!ELEMENT Date (Format?)>
<!ELEMENT Numeric ((ImpliedAccuracy | Accuracy)?)>
<!ELEMENT ANSI EMPTY>
<!ELEMENT Macintosh EMPTY>
<!ELEMENT OEM EMPTY>
<!ELEMENT UTF16 EMPTY>
<!ELEMENT UTF7 EMPTY>
<!ELEMENT UTF8 EMPTY>
<!ELEMENT FixedLength ((Length | RecordDelimiter)?, ((FixedPrimaryKey+, FixedColumn*) | (FixedColumn+)), ForeignKey*)>
<!ELEMENT FixedColumn (Name, Description?, (Numeric | AlphaNumeric | Date), Map*, FixedRange)>
<!ELEMENT FixedPrimaryKey (Name, Description?, (Numeric | AlphaNumeric | Date), Map*, FixedRange)>
<!ELEMENT VariableLength (ColumnDelimiter?, RecordDelimiter?, TextEncapsulator?, ((VariablePrimaryKey+, VariableColumn*) | (VariableColumn+)), ForeignKey*)>
<!ELEMENT VariableColumn (Name, Description?, (Numeric | (AlphaNumeric, MaxLength?) | Date), Map*)>
<!ELEMENT VariablePrimaryKey (Name, Description?, (Numeric | (AlphaNumeric, MaxLength?) | Date), Map*)>
<!ELEMENT DataSupplier (Name, Location, Comment)>
<!ELEMENT Media (Name, Command*, Table*, Command*, AcceptNoTables?)>
<!ELEMENT Table (URL, Name?, Description?, Validity?, (ANSI | Macintosh | OEM | UTF16 | UTF7 | UTF8)?, (DecimalSymbol, DigitGroupingSymbol)?, SkipNumBytes?, Range?, Epoch?, (VariableLength | FixedLength))>
<!ELEMENT ForeignKey (Name+, References, Alias*)>
<!ELEMENT Map (Description?, From, To)>
<!ELEMENT Validity (Range, Format?)>
)");
}
