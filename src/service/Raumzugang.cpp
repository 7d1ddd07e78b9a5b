#include "service/Raumzugang.h"

#include <array>

#include "core/Kontext.h"
#include "core/Rechte.h"
#include "core/Rechteschluessel.h"

namespace {

struct Verwaltungsrecht {
    const char* schluessel;
    const char* verweigerung;
};

// Administration areas by position: the right asked and the refusal shown.
constexpr std::array<Verwaltungsrecht, 6> kVerwaltungsrechte{{
    {"StationVerwaltung",
     "Sie haben nicht die nötigen Rechte, um auf die Stations-Verwaltung zuzugreifen"},
    {"MitarbeiterVerwaltung",
     "Sie haben nicht die nötigen Rechte, um auf die Mitarbeiter-Verwaltung zuzugreifen"},
    {"SpeisekarteVerwaltung",
     "Sie haben nicht die nötigen Rechte, um auf die Speisekarte-Verwaltung zuzugreifen"},
    {"DirektwahlVerwaltung",
     "Sie haben nicht die nötigen Rechte, um auf die Direktwahl-Verwaltung zuzugreifen"},
    {"KreditkartenVerwaltung",
     "Sie haben nicht die nötigen Rechte, um auf die Kreditkarten-Verwaltung zuzugreifen"},
    {"FreieBerichteVerwaltung",
     "Sie haben nicht die nötigen Rechte, um auf die freien Berichte zuzugreifen"},
}};

bool hat(Kontext& k, const QString& schluessel) {
    return RechteAbfrage(k, k.werte.kellner, schluessel);
}

}  // namespace

Stationsansicht AnsichtDerStation(int position) {
    switch (position) {
        case 1:
            return Stationsansicht::Gastraum;
        case 2:
            return Stationsansicht::Biergarten;
        case 3:
            return Stationsansicht::OhneBild;
        case 4:
            return Stationsansicht::Hotel;
        default:
            return Stationsansicht::Weitere;
    }
}

std::optional<QString> StationswahlVerweigert(Kontext& k, int position, const QString& station) {
    if (AnsichtDerStation(position) == Stationsansicht::Weitere || hat(k, station))
        return std::nullopt;
    return QStringLiteral("Sie haben nicht die nötigen Rechte, um auf die Station '") + station +
           QStringLiteral(" ' zuzugreifen");
}

std::optional<QString> VerwaltungGesperrt(Kontext& k) {
    if (!hat(k, Rechte::kVerwaltungssperre)) return std::nullopt;
    return QStringLiteral("Sie haben nicht die nötigen Rechte, um auf die Verwaltung zuzugreifen");
}

std::optional<QString> VerwaltungVerweigert(Kontext& k, int position) {
    if (position < 1 || position > static_cast<int>(kVerwaltungsrechte.size())) return std::nullopt;
    const Verwaltungsrecht& recht = kVerwaltungsrechte[position - 1];
    if (hat(k, QString::fromUtf8(recht.schluessel))) return std::nullopt;
    return QString::fromUtf8(recht.verweigerung);
}

std::optional<QString> TischVerweigert(Kontext& k) {
    // Everything done at the till happens at an open table.
    if (KasseGesperrt(k)) return kKeineRechte;
    if (!hat(k, k.werte.station))
        return QStringLiteral(
            "Sie haben nicht die nötigen Rechte, um auf diese Station zuzugreifen");
    if (TischBelegtAbfrage(k.db, k.werte.tisch) &&
        !KellnerTischAbfrage(k.db, k.werte.tisch, k.werte.kellner) &&
        !hat(k, QStringLiteral("FremdeTische")))
        return QStringLiteral(
            "Sie haben nicht die nötigen Rechte, um auf diesen Tisch zuzugreifen");
    return std::nullopt;
}
