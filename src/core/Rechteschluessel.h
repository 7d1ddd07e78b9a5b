#pragma once

#include <QString>
#include <QStringList>

// The right keys of the staff table, group by group in box order. Each key is
// the name of a Boolean column of Kellner; the staff editor shows box i of a
// group at the group's first column position plus i.
namespace Rechte {

inline const QStringList kKasse = {
    QStringLiteral("KASSENSPERRE"), QStringLiteral("Stornieren"),   QStringLiteral("Umbuchen"),
    QStringLiteral("FremdeTische"), QStringLiteral("Rabatte"),      QStringLiteral("TischeLoeschen"),
    QStringLiteral("Abkassieren"),  QStringLiteral("OhneKassenbon"), QStringLiteral("Rechnungen"),
};

inline const QStringList kMenu = {
    QStringLiteral("MENUSPERRE"),           QStringLiteral("Sytemkonfiguration"),
    QStringLiteral("RechnungsUebersicht"),  QStringLiteral("SeineRechnungenAnsehen"),
    QStringLiteral("AlleRechnungenAnsehen"), QStringLiteral("ZahlartAendern"),
    QStringLiteral("RechnungenKorrigieren"), QStringLiteral("KassenberichtDrucken"),
    QStringLiteral("Kassenabschluss"),      QStringLiteral("KellnerberichtDrucken"),
    QStringLiteral("EigenerKellnerbericht"), QStringLiteral("AlleKellnerberichte"),
};

inline const QStringList kVerwaltung = {
    QStringLiteral("VERWALTUNGSPERRE"),
    QStringLiteral("StationVerwaltung"),
    QStringLiteral("MitarbeiterVerwaltung"),
    QStringLiteral("AndereMitarbeiterSperren"),
    QStringLiteral("StationAktivierenDeaktivieren"),
    QStringLiteral("MitarbeiterVerwaltungSeineKarteiPersoenlicheDaten"),
    QStringLiteral("MitarbeiterVerwaltungAlleKarteiPersoenlicheDaten"),
    QStringLiteral("MitarbeiterVerwaltungUneingeschrenkt"),
    QStringLiteral("SpeisekarteVerwaltung"),
    QStringLiteral("DirektwahlVerwaltung"),
    QStringLiteral("KreditkartenVerwaltung"),
    QStringLiteral("FreieBerichteVerwaltung"),
};

// Column positions of the groups' first boxes in Kellner.
constexpr int kErsteKassenspalte = 14;
constexpr int kErsteMenuspalte = 23;
constexpr int kErsteVerwaltungsspalte = 35;
// Station access columns follow from this position on, one per station.
constexpr int kErsteStationsspalte = 47;

inline QStringList alle() { return kKasse + kMenu + kVerwaltung; }

// The three locks: a set lock refuses, where an ordinary right grants.
inline const QString kKassensperre = QStringLiteral("KASSENSPERRE");
inline const QString kMenusperre = QStringLiteral("MENUSPERRE");
inline const QString kVerwaltungssperre = QStringLiteral("VERWALTUNGSPERRE");

// Administrator master key: a staff row holding it in AdminKey is an administrator.
inline const QString kMasterKey = QStringLiteral("52830417");

}  // namespace Rechte
