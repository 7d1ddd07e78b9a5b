#include "admin/Rechtekaestchen.h"

#include "core/Rechteschluessel.h"

namespace {

void setze(Kaestchenreihe& r, std::initializer_list<int> boxen, bool an, bool aktiv) {
    for (int b : boxen) r[b] = {an, aktiv};
}

// Ticking one box of an exclusive pair unticks the other and vice versa.
void paar(Kaestchenreihe& r, int a, int b, int beruehrt) {
    const int anderer = beruehrt == a ? b : a;
    r[anderer].an = !r[beruehrt].an;
}

// The rights a group gets back when its lock is lifted.
std::vector<int> startrechte(Rechtegruppe g) {
    switch (g) {
        case Rechtegruppe::Kasse:
            return {1, 2, 6};
        case Rechtegruppe::Menu:
            return {2, 3, 5, 9, 10};
        case Rechtegruppe::Verwaltung:
            return {2, 5};
    }
    return {};
}

void sperreBeruehrt(Rechtegruppe g, Kaestchenreihe& r) {
    const bool gesperrt = r[0].an;
    for (std::size_t i = 1; i < r.size(); ++i) r[i] = {false, !gesperrt};
    if (gesperrt) return;
    for (int b : startrechte(g)) r[b].an = true;
    KaestchenEinrichten(g, r);
}

void menuBeruehrt(Kaestchenreihe& r, int i) {
    const bool an = r[i].an;
    switch (i) {
        case 2:  // bill overview: own bills by default
            setze(r, {3, 4}, false, an);
            r[3].an = an;
            break;
        case 9:  // waiter report: all reports by default
            setze(r, {10, 11}, false, an);
            r[11].an = an;
            break;
        case 3:
        case 4:
            paar(r, 3, 4, i);
            break;
        case 10:
        case 11:
            paar(r, 10, 11, i);
            break;
    }
}

void verwaltungBeruehrt(Kaestchenreihe& r, int i) {
    const bool an = r[i].an;
    switch (i) {
        case 2:  // staff administration
            setze(r, {3, 4, 5, 6, 7}, false, an);
            if (an) setze(r, {3, 4, 5}, true, true);
            break;
        case 5:
        case 6:
        case 7:
            if (an) {
                for (int b : {5, 6, 7})
                    if (b != i) r[b].an = false;
            } else if (i == 6) {
                r[5].an = true;
            }
            break;
    }
}

}  // namespace

const QStringList& Rechteschluessel(Rechtegruppe gruppe) {
    switch (gruppe) {
        case Rechtegruppe::Kasse:
            return Rechte::kKasse;
        case Rechtegruppe::Menu:
            return Rechte::kMenu;
        case Rechtegruppe::Verwaltung:
            break;
    }
    return Rechte::kVerwaltung;
}

void KaestchenBeruehren(Rechtegruppe gruppe, Kaestchenreihe& reihe, int i) {
    if (i < 0 || i >= static_cast<int>(reihe.size()) || !reihe[i].aktiv) return;
    reihe[i].an = !reihe[i].an;
    if (i == 0)
        sperreBeruehrt(gruppe, reihe);
    else if (gruppe == Rechtegruppe::Menu)
        menuBeruehrt(reihe, i);
    else if (gruppe == Rechtegruppe::Verwaltung)
        verwaltungBeruehrt(reihe, i);
}

void KaestchenEinrichten(Rechtegruppe gruppe, Kaestchenreihe& reihe) {
    const bool gesperrt = reihe[0].an;
    reihe[0].aktiv = true;
    for (std::size_t i = 1; i < reihe.size(); ++i) reihe[i].aktiv = !gesperrt;
    if (gesperrt) return;
    if (gruppe == Rechtegruppe::Menu) {
        for (int b : {3, 4}) reihe[b].aktiv = reihe[2].an;
        for (int b : {10, 11}) reihe[b].aktiv = reihe[9].an;
    } else if (gruppe == Rechtegruppe::Verwaltung) {
        for (int b : {3, 4, 5, 6, 7}) reihe[b].aktiv = reihe[2].an;
    }
}
