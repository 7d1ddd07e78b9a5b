#pragma once

#include <QAbstractButton>

class QSvgRenderer;

// A table tile on a floor plan: the table's name large in the middle, the
// occupied marker in a corner, and a darker, pressed-in look while touched.
class TischKachel : public QAbstractButton {
    Q_OBJECT
  public:
    TischKachel(const QString& name, QWidget* eltern = nullptr);

    // The table's name: the tile's tag.
    QString tag() const { return m_name; }

    // The occupied marker, drawn by the tile's owner; nullptr for a free table.
    bool besetzt() const { return m_marker != nullptr; }
    void setzeMarker(QSvgRenderer* marker);

  protected:
    void paintEvent(QPaintEvent* ereignis) override;

  private:
    QString m_name;
    QSvgRenderer* m_marker = nullptr;
};
