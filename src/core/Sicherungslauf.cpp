#include "core/Sicherungslauf.h"

#include <QDir>

#include "core/Datensicherung.h"
#include "core/Kontext.h"
#include "core/Rechte.h"

bool DatensicherungDurchfuehren(Kontext& k, bool erfolgMelden) {
    if (k.db.istServer()) {
        if (erfolgMelden) k.dialoge.meldung(kNurMitDatei);
        return !erfolgMelden;
    }
    try {
        const QString datei = DatensicherungSchreiben(k.db, Sicherungsordner(k.db), k.jetzt());
        if (erfolgMelden)
            k.dialoge.meldung(kSicherungGespeichert + QDir::toNativeSeparators(datei));
        return true;
    } catch (const DbFehler& f) {
        k.dialoge.meldung(kSicherungFehlgeschlagen + f.beschreibung());
        return false;
    }
}

void mnuDatensicherung(Kontext& k) {
    if (!RechtPruefen(k, QStringLiteral("Kassenabschluss"))) return;
    if (k.db.istServer()) return k.dialoge.meldung(kNurMitDatei);
    const QString bisher = Sicherungsordner(k.db);
    const auto ordner = k.dialoge.eingabe(kSicherungsordnerFrage, QStringLiteral("Datensicherung"),
                                          QDir::toNativeSeparators(bisher));
    if (!ordner) return;
    const QString neu = QDir::fromNativeSeparators(ordner->trimmed());
    if (neu != bisher) SicherungsordnerSetzen(k.db, neu);
    DatensicherungDurchfuehren(k, true);
}
