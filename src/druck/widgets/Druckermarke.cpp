#include "druck/widgets/Druckermarke.h"

#include <QTimer>

namespace {

// A job that waits longer than this is a printer that does not answer.
constexpr int kGeduldMs = 2000;

}  // namespace

Druckermarke::Druckermarke(QWidget* eltern) : QToolButton(eltern) {
    setObjectName(QStringLiteral("cmdDruckermarke"));
    setMinimumSize(150, 48);
    setFocusPolicy(Qt::NoFocus);
    m_geduld = new QTimer(this);
    m_geduld->setSingleShot(true);
    m_geduld->setInterval(kGeduldMs);
    connect(m_geduld, &QTimer::timeout, this, [this] { zeigen(m_wartend > 0); });
    zeigen(false);
}

void Druckermarke::setzeStand(int wartend, int gestoert) {
    m_wartend = wartend;
    if (wartend == 0)
        m_geduld->stop();
    else if (!m_geduld->isActive() && !m_rot)
        m_geduld->start();
    zeigen(gestoert > 0 || (m_rot && wartend > 0));
}

void Druckermarke::zeigen(bool rot) {
    m_rot = rot;
    setText(m_wartend > 0 ? QStringLiteral("Drucker: %1").arg(m_wartend)
                          : QStringLiteral("Drucker"));
    setStyleSheet(rot ? QStringLiteral("QToolButton { background: #c0392b; color: white; "
                                       "font: bold 16pt; border-radius: 6px; }")
                      : QStringLiteral("QToolButton { background: transparent; color: #f4f1ea; "
                                       "font: bold 16pt; border: 1px solid #f4f1ea; "
                                       "border-radius: 6px; }"));
}
