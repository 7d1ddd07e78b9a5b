#pragma once

#include <QStyledItemDelegate>

// A grid cell whose text is never cut silently: wrapped at word boundaries,
// shrunk to a readable size, long words broken with a hyphen, as a key's caption.
class Beschriftungszelle : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};
