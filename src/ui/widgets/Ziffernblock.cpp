#include "ui/widgets/Ziffernblock.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>

#include "ui/widgets/Beruehrstil.h"

Ziffernblock::Ziffernblock(QWidget* eltern) : QWidget(eltern) {
    auto* raster = new QGridLayout(this);
    raster->setContentsMargins(0, 0, 0, 0);
    raster->setSpacing(8);
    for (int index = 0; index <= 10; ++index) {
        auto* taste =
            BeruehrKnopf(index == 10 ? QStringLiteral("C") : QString::number(index), this);
        taste->setObjectName(QStringLiteral("cmdTasten"));
        taste->setProperty("index", index);
        m_tasten[index] = taste;
        if (index == 0) {
            raster->addWidget(taste, 3, 1);
        } else if (index == 10) {
            raster->addWidget(taste, 3, 0);
        } else {
            raster->addWidget(taste, 2 - (index - 1) / 3, (index - 1) % 3);
        }
        if (index == 10)
            connect(taste, &QPushButton::clicked, this, &Ziffernblock::loeschen);
        else
            connect(taste, &QPushButton::clicked, this,
                    [this, index] { Q_EMIT ziffer(QChar(u'0' + index)); });
    }
}

QPushButton* Ziffernblock::taste(int index) const { return m_tasten[index]; }

void Ziffernblock::anschliessen(QLineEdit* feld) {
    connect(this, &Ziffernblock::ziffer, feld, [feld](QChar z) { feld->insert(z); });
    connect(this, &Ziffernblock::loeschen, feld, &QLineEdit::clear);
}
