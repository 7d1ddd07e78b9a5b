#include "service/frmGaenge.h"

#include <QHBoxLayout>

#include "service/Gaenge.h"
#include "ui/widgets/Touchtaste.h"

namespace {

const QColor kGewaehlt(0xe3, 0xa3, 0x2c);

}  // namespace

frmGaenge::frmGaenge(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("frmGaenge"));
    auto* reihe = new QHBoxLayout(this);
    reihe->setContentsMargins(0, 0, 0, 0);
    reihe->setSpacing(6);
    for (int i = 0; i < kGaenge.size(); ++i) {
        auto* taste = new Touchtaste(kGaenge[i]);
        taste->setObjectName(QStringLiteral("cmdGang%1").arg(i + 1));
        taste->setMinimumHeight(52);
        connect(taste, &QPushButton::clicked, this,
                [this, gang = kGaenge[i]] { Q_EMIT gewaehlt(gang == m_gang ? QString() : gang); });
        reihe->addWidget(taste, 1);
        m_tasten.push_back(taste);
    }
    auto* abrufen = new Touchtaste(QStringLiteral("Gang abrufen"));
    abrufen->setObjectName(QStringLiteral("cmdGangAbrufen"));
    abrufen->setMinimumHeight(52);
    connect(abrufen, &QPushButton::clicked, this, &frmGaenge::abrufen);
    reihe->addSpacing(12);
    reihe->addWidget(abrufen, 2);
}

void frmGaenge::zeigen(const QString& gang) {
    m_gang = gang;
    for (int i = 0; i < kGaenge.size(); ++i)
        m_tasten[i]->faerben(kGaenge[i] == gang ? kGewaehlt : QColor());
}
