#include "ui/widgets/Tastenfluss.h"

#include <QWidget>

Tastenfluss::Tastenfluss(QWidget* eltern) : QLayout(eltern) {}

Tastenfluss::~Tastenfluss() {
    while (QLayoutItem* element = takeAt(0)) delete element;
}

void Tastenfluss::addItem(QLayoutItem* element) { m_elemente.append(element); }

int Tastenfluss::count() const { return int(m_elemente.size()); }

QLayoutItem* Tastenfluss::itemAt(int index) const { return m_elemente.value(index); }

QLayoutItem* Tastenfluss::takeAt(int index) {
    return index >= 0 && index < m_elemente.size() ? m_elemente.takeAt(index) : nullptr;
}

Qt::Orientations Tastenfluss::expandingDirections() const { return {}; }

bool Tastenfluss::hasHeightForWidth() const { return true; }

int Tastenfluss::heightForWidth(int breite) const {
    return fliessen(QRect(0, 0, breite, 0), false);
}

QSize Tastenfluss::sizeHint() const {
    // Asked for one row; the height follows the width given.
    QSize summe;
    for (const QLayoutItem* element : m_elemente) {
        const QSize s = element->sizeHint();
        const int abstand = summe.isEmpty() ? 0 : std::max(spacing(), 0);
        summe = QSize(summe.width() + abstand + s.width(), std::max(summe.height(), s.height()));
    }
    const QMargins r = contentsMargins();
    return summe + QSize(r.left() + r.right(), r.top() + r.bottom());
}

QSize Tastenfluss::minimumSize() const {
    // As narrow as the widest key: everything else wraps.
    QSize groesste;
    for (const QLayoutItem* element : m_elemente)
        groesste = groesste.expandedTo(element->minimumSize());
    const QMargins r = contentsMargins();
    return groesste + QSize(r.left() + r.right(), r.top() + r.bottom());
}

void Tastenfluss::setGeometry(const QRect& rechteck) {
    QLayout::setGeometry(rechteck);
    fliessen(rechteck, true);
}

int Tastenfluss::fliessen(const QRect& rechteck, bool anordnen) const {
    const QRect innen = rechteck.marginsRemoved(contentsMargins());
    const int abstand = std::max(spacing(), 0);
    int x = innen.x();
    int y = innen.y();
    int zeilenhoehe = 0;
    for (QLayoutItem* element : m_elemente) {
        if (element->isEmpty()) continue;
        const QSize s = element->sizeHint().expandedTo(element->minimumSize());
        const int breite = std::min(s.width(), innen.width());
        if (x > innen.x() && x + breite > innen.right() + 1) {
            x = innen.x();
            y += zeilenhoehe + abstand;
            zeilenhoehe = 0;
        }
        if (anordnen) element->setGeometry(QRect(QPoint(x, y), QSize(breite, s.height())));
        x += breite + abstand;
        zeilenhoehe = std::max(zeilenhoehe, s.height());
    }
    return y + zeilenhoehe - rechteck.y() + contentsMargins().bottom();
}
