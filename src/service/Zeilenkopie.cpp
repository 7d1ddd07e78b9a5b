#include "service/Zeilenkopie.h"

#include "core/Datenbank.h"

Zeilenkopie::Zeilenkopie(Datenbank& db, const QString& quelle, const QString& ziel) : m_db(db) {
    const QStringList von = db.spalten(quelle);
    const QStringList nach = db.spalten(ziel);
    if (von.size() != nach.size() || von.size() < 2)
        throw DbFehler(3265, QStringLiteral("Die Tabellen '%1' und '%2' haben nicht dieselben "
                                            "Spalten.")
                                 .arg(quelle, ziel));
    QStringList zielSpalten, quellSpalten, zuweisungen;
    for (int i = 1; i < von.size(); ++i) {
        const QString q = Datenbank::bezeichner(von[i]);
        const QString z = Datenbank::bezeichner(nach[i]);
        zielSpalten << z;
        quellSpalten << q;
        zuweisungen << QStringLiteral("%1 = (SELECT %2 FROM %3 WHERE %4 = ?1)")
                           .arg(z, q, Datenbank::bezeichner(quelle), Datenbank::bezeichner(von[0]));
    }
    m_einfuegen = QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4 WHERE %5 = ?")
                      .arg(Datenbank::bezeichner(ziel), zielSpalten.join(QStringLiteral(", ")),
                           quellSpalten.join(QStringLiteral(", ")), Datenbank::bezeichner(quelle),
                           Datenbank::bezeichner(von[0]));
    m_ueberschreiben = QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?2")
                           .arg(Datenbank::bezeichner(ziel), zuweisungen.join(QStringLiteral(", ")),
                                Datenbank::bezeichner(nach[0]));
}

std::int64_t Zeilenkopie::neu(std::int64_t quellId) {
    if (m_db.ausfuehren(m_einfuegen, quellId) != 1)
        throw DbFehler(3021, QStringLiteral("Die Zeile %1 gibt es nicht mehr.").arg(quellId));
    return m_db.letzteId();
}

void Zeilenkopie::ueber(std::int64_t quellId, std::int64_t zielId) {
    m_db.ausfuehren(m_ueberschreiben, quellId, zielId);
}
