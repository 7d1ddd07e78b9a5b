#include "service/Bestelltasten.h"

Bestelltaste BestelltasteDeuten(int taste, Qt::KeyboardModifiers modifikatoren) {
    using A = Bestelltaste::Aktion;
    const bool ziffernblock = modifikatoren.testFlag(Qt::KeypadModifier);
    if (ziffernblock && taste >= Qt::Key_0 && taste <= Qt::Key_9)
        return {A::Rechner, Tastencode::kZiffer0 + (taste - Qt::Key_0)};
    if (ziffernblock && taste == Qt::Key_Asterisk) return {A::Mal, 0};
    switch (taste) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            return {A::Leeren, 0};
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return {A::Enter, 0};
        case Qt::Key_Up:
            return {A::Raster, -1};
        case Qt::Key_Down:
            return {A::Raster, 1};
        default:
            break;
    }
    if (modifikatoren & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return {};
    switch (taste) {
        case Qt::Key_A:
        case Qt::Key_O:
        case Qt::Key_T:
        case Qt::Key_U:
        case Qt::Key_Z:
            return {A::Funktion, taste};  // Qt's letter codes are the ASCII capitals
        case Qt::Key_G:
        case Qt::Key_K:
        case Qt::Key_S:
            return {A::Rechner, taste};
        default:
            return {};
    }
}
