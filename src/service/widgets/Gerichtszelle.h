#pragma once

#include "ui/widgets/Beschriftungszelle.h"

// The dish cell of the order grid: the dish, and below it in smaller text
// what the kitchen must know of the line (its course, its note), when any.
class Gerichtszelle : public Beschriftungszelle {
  public:
    using Beschriftungszelle::Beschriftungszelle;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
