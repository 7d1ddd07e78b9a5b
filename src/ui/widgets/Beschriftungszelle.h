#pragma once

#include <QStyledItemDelegate>

// A grid cell whose text is never cut silently: wrapped at word boundaries,
// shrunk to a readable size, long words broken with a hyphen, as a key's caption.
class Beschriftungszelle : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* maler, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;

  protected:
    // Draws the cell's background and frame without its text; answers the
    // cell's options, text included.
    QStyleOptionViewItem hintergrund(QPainter* maler, const QStyleOptionViewItem& option,
                                     const QModelIndex& index) const;
    // Fits the text into the area in that font and draws it in the cell's colour.
    static void einpassen(QPainter* maler, const QStyleOptionViewItem& zelle, const QString& text,
                          const QFont& schrift, const QRect& flaeche);
};
