#include "service/Tischzeilenmodell.h"

int Tischzeilenmodell::rowCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : static_cast<int>(m_zeilen.size());
}

int Tischzeilenmodell::columnCount(const QModelIndex& eltern) const {
    return eltern.isValid() ? 0 : Spaltenzahl;
}

QVariant Tischzeilenmodell::data(const QModelIndex& index, int rolle) const {
    if (!index.isValid() || index.row() >= m_zeilen.size()) return {};
    const Tischzeile& z = m_zeilen.at(index.row());
    if (rolle == Qt::TextAlignmentRole) {
        switch (index.column()) {
            case PLU:
            case Anzahl:
                return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
            case EPreis:
            case GPreis:
                return QVariant::fromValue(Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter));
            default:
                return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        }
    }
    if (rolle == kZusatzRolle) return index.column() == Gericht ? zusatz(z) : QString();
    if (rolle != Qt::DisplayRole) return {};
    switch (index.column()) {
        case PLU:
            return z.plu;
        case Anzahl:
            return z.mengeText;
        case Gericht:
            return z.gericht;
        case EPreis:
            return z.epreis.waehrung();
        case GPreis:
            return z.gpreis.waehrung();
        default:
            return {};
    }
}

QVariant Tischzeilenmodell::headerData(int abschnitt, Qt::Orientation richtung, int rolle) const {
    if (richtung != Qt::Horizontal || rolle != Qt::DisplayRole) return {};
    static const QStringList titel = {QStringLiteral("PLU"), QStringLiteral("Anz."),
                                      QStringLiteral("Gericht"), QStringLiteral("E-Preis"),
                                      QStringLiteral("G-Preis")};
    return titel.value(abschnitt);
}

void Tischzeilenmodell::setzen(QList<Tischzeile> zeilen) {
    beginResetModel();
    m_zeilen = std::move(zeilen);
    endResetModel();
}

QString Tischzeilenmodell::zusatz(const Tischzeile& z) {
    QStringList teile;
    if (!z.gang.isEmpty()) teile << (z.gehalten() ? z.gang + QStringLiteral(" – wartet") : z.gang);
    if (!z.notiz.isEmpty()) teile << QStringLiteral("» ") + z.notiz;
    return teile.join(QStringLiteral("  ·  "));
}

double Tischzeilenmodell::breite(int spalte) {
    static constexpr double anteile[Spaltenzahl] = {0.08, 0.06, 0.63, 0.10, 0.10};
    return spalte >= 0 && spalte < Spaltenzahl ? anteile[spalte] : 0.0;
}
