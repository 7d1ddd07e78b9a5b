#pragma once

#include <QLayout>
#include <QList>

// A row of keys that wraps into further rows when the panel is too narrow for
// it, so a panel never needs scrolling sideways. Each key keeps the width it
// asks for; a wrapped row starts at the left.
class Tastenfluss : public QLayout {
  public:
    explicit Tastenfluss(QWidget* eltern = nullptr);
    ~Tastenfluss() override;

    void addItem(QLayoutItem* element) override;
    int count() const override;
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    Qt::Orientations expandingDirections() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int breite) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& rechteck) override;

  private:
    // Lays the keys out in the rectangle (only measures when anordnen is false);
    // answers the height used.
    int fliessen(const QRect& rechteck, bool anordnen) const;

    QList<QLayoutItem*> m_elemente;
};
