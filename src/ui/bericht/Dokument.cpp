#include "ui/bericht/Dokument.h"

#include <QDateTime>
#include <QLocale>
#include <QSet>
#include <algorithm>
#include <limits>

#include "core/Geld.h"
#include "ui/Druckziel.h"
#include "ui/bericht/Schriftart.h"

namespace {

bool istText(Berichtselement::Art art) {
    return art == Berichtselement::Art::Bezeichnung || art == Berichtselement::Art::Textfeld ||
           art == Berichtselement::Art::Funktion;
}

bool istGeldformat(const QString& format) {
    return format == QStringLiteral("Currency") || format.contains(QLatin1Char('0')) ||
           format.contains(QLatin1Char('#'));
}

// Dates and times arrive as ISO text; a pattern such as "dd.MM.yyyy" renders them in German.
QString zeitpunkt(const QString& wert, const QString& format) {
    static const QLocale deutsch(QLocale::German, QLocale::Germany);
    if (const QDateTime dt = QDateTime::fromString(wert, Qt::ISODate); dt.isValid())
        return deutsch.toString(dt, format);
    if (const QDate d = QDate::fromString(wert, Qt::ISODate); d.isValid())
        return deutsch.toString(d, format);
    if (const QTime t = QTime::fromString(wert, Qt::ISODate); t.isValid())
        return deutsch.toString(t, format);
    return wert;
}

QString formatiert(const QVariant& wert, const QString& format) {
    if (wert.isNull()) return QString();
    if (format.isEmpty()) return wert.toString();
    // Unrounded amounts (net parts of gross prices) arrive as doubles of cents.
    if (istGeldformat(format))
        return wert.typeId() == QMetaType::Double ? Geld::text(wert.toDouble(), format)
                                                  : Geld(wert.toLongLong()).text(format);
    return zeitpunkt(wert.toString(), format);
}

class Setzer {
public:
    Setzer(const Berichtslayout& layout, const Berichtsdaten& daten)
        : m_layout(layout), m_daten(daten) {
        m_dokument.titel = layout.titel();
        m_dokument.breite = layout.breite();
        m_dokument.seiten.emplace_back();
    }

    Dokument setzen() {
        band(kKopf, -1);
        for (int i = 0; i < static_cast<int>(m_daten.size()); ++i) band(kDetail, i);
        band(kFuss, -1);
        m_dokument.hoehe = m_layout.seitenhoehe() > 0 ? m_layout.seitenhoehe() : m_y;
        return std::move(m_dokument);
    }

private:
    static double hoehe(const Berichtsbereich& b) {
        double h = b.hoehe;
        for (const Berichtselement& e : b.elemente)
            if (e.sichtbar) h = std::max({h, e.lage.top(), e.lage.bottom()});
        return h;
    }

    // A growing control that needs more room pushes everything below it down.
    void band(const QString& name, int zeile) {
        const Berichtsbereich& b = m_layout.bereich(name);
        std::vector<Druckelement> elemente;
        double zuwachs = 0;
        double ab = std::numeric_limits<double>::max();
        for (const Berichtselement& e : b.elemente) {
            if (!e.sichtbar) continue;
            Druckelement d{e.art,     name,          e.name,
                           zeile,     e.lage,        text(e, zeile),
                           e.schrift, e.ausrichtung, e.wachsen && istText(e.art)};
            if (d.umbrechen) {
                const double mehr =
                    Umbruchhoehe(d.text, e.schrift, e.lage.width()) - e.lage.height();
                if (mehr > 0) {
                    d.lage.setHeight(d.lage.height() + mehr);
                    zuwachs = std::max(zuwachs, mehr);
                    ab = std::min(ab, e.lage.bottom());
                }
            }
            elemente.push_back(std::move(d));
        }
        for (Druckelement& d : elemente)
            if (!d.umbrechen && d.lage.top() >= ab) d.lage.translate(0, zuwachs);

        const double h = hoehe(b) + zuwachs;
        if (m_layout.seitenhoehe() > 0 && m_y > 0 && m_y + h > m_layout.seitenhoehe()) {
            m_dokument.seiten.emplace_back();
            m_y = 0;
        }
        for (Druckelement& d : elemente) {
            d.lage.translate(0, m_y);
            m_dokument.seiten.back().elemente.push_back(std::move(d));
        }
        m_y += h;
    }

    QVariant wert(const Datenzeile& zeile, const QString& spalte) const {
        const auto it = zeile.constFind(spalte);
        if (it == zeile.cend())
            throw DbFehler(kDruckfehler,
                           QStringLiteral("Die Spalte '%1' fehlt in den Daten des Berichts \"%2\".")
                               .arg(spalte, m_layout.titel()));
        return *it;
    }

    QString text(const Berichtselement& e, int zeile) const {
        switch (e.art) {
            case Berichtselement::Art::Textfeld: {
                // Outside the detail band a bound field shows the first row, as a header would.
                const int i = zeile >= 0 ? zeile : 0;
                if (i >= static_cast<int>(m_daten.size())) return QString();
                return formatiert(wert(m_daten[i], e.spalte), e.format);
            }
            case Berichtselement::Art::Funktion: {
                // Doubles are summed unrounded and rounded only when printed.
                qlonglong summe = 0;
                double bruchSumme = 0;
                bool bruch = false;
                for (const Datenzeile& z : m_daten) {
                    const QVariant v = wert(z, e.spalte);
                    bruch = bruch || v.typeId() == QMetaType::Double;
                    summe += v.toLongLong();
                    bruchSumme += v.toDouble();
                }
                return bruch ? formatiert(bruchSumme, e.format) : formatiert(summe, e.format);
            }
            default:
                return e.text;
        }
    }

    const Berichtslayout& m_layout;
    const Berichtsdaten& m_daten;
    Dokument m_dokument;
    double m_y = 0;
};

}  // namespace

QStringList Dokument::texte(const QString& bereich) const {
    QStringList liste;
    for (const Seite& s : seiten)
        for (const Druckelement& e : s.elemente)
            if (e.bereich == bereich && istText(e.art)) liste << e.text;
    return liste;
}

QString Dokument::text(const QString& bereich, const QString& name, int zeile) const {
    for (const Seite& s : seiten)
        for (const Druckelement& e : s.elemente)
            if (e.bereich == bereich && e.name == name && e.zeile == zeile) return e.text;
    return QString();
}

int Dokument::detailzeilen() const {
    QSet<int> zeilen;
    for (const Seite& s : seiten)
        for (const Druckelement& e : s.elemente)
            if (e.bereich == kDetail) zeilen.insert(e.zeile);
    return static_cast<int>(zeilen.size());
}

Dokument BerichtErzeugen(const Berichtslayout& layout, const Berichtsdaten& daten) {
    return Setzer(layout, daten).setzen();
}
