#include "ui/widgets/Verbindungsversuch.h"

#include <QMessageBox>
#include <QPushButton>

#include "core/Datenbank.h"

std::unique_ptr<Datenbank> DatenbankErreichen(
    const QString& datenbank, const std::function<std::unique_ptr<Datenbank>()>& oeffnen) {
    const bool server = Datenbank::istServeradresse(datenbank);
    for (;;) {
        try {
            return oeffnen();
        } catch (const DbFehler& f) {
            QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), f.meldungstext());
            if (!server) {
                box.exec();
                return nullptr;
            }
            QPushButton* erneut =
                box.addButton(QStringLiteral("Erneut versuchen"), QMessageBox::AcceptRole);
            erneut->setObjectName(QStringLiteral("cmdErneut"));
            box.addButton(QStringLiteral("Beenden"), QMessageBox::RejectRole)
                ->setObjectName(QStringLiteral("cmdBeenden"));
            box.setDefaultButton(erneut);
            box.exec();
            if (box.clickedButton() != erneut) return nullptr;
        }
    }
}
