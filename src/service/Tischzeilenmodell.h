#pragma once

#include <QAbstractTableModel>
#include <QList>

#include "service/Tischzeile.h"

// The order lines of the open table as the order-lines grid shows them: article
// number, quantity ("Anz."), dish, unit and line price in currency format; the
// dish also answers, under kZusatzRolle, its course and note. The whole row
// stays reachable for the function keys (cancel, extras).
class Tischzeilenmodell : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Spalte { PLU, Anzahl, Gericht, EPreis, GPreis, Spaltenzahl };
    static constexpr int kZusatzRolle = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& eltern = QModelIndex()) const override;
    int columnCount(const QModelIndex& eltern = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int rolle = Qt::DisplayRole) const override;
    QVariant headerData(int abschnitt, Qt::Orientation richtung,
                        int rolle = Qt::DisplayRole) const override;

    void setzen(QList<Tischzeile> zeilen);
    const Tischzeile& zeile(int reihe) const { return m_zeilen.at(reihe); }
    const QList<Tischzeile>& zeilen() const { return m_zeilen; }

    // What is shown under a dish: "Gang 2 – wartet" while its course is held,
    // "Gang 2" once called, and the note "» ohne Zwiebeln"; empty when neither.
    static QString zusatz(const Tischzeile& z);

    // Share of the grid's width each column takes.
    static double breite(int spalte);

  private:
    QList<Tischzeile> m_zeilen;
};
