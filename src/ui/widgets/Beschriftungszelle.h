#pragma once

#include <QStyledItemDelegate>

// A grid cell that shows a key's caption as the key itself does: wrapped at
// word boundaries, shrunk to a readable size, long words broken with a hyphen.
class Beschriftungszelle : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
