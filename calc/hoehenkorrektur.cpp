#include "calc/hoehenkorrektur.h"

#include "calc/engine.h"

namespace dkm {

void Hoehe_groesser(Formular& f, Dialoge& d) {
    f.Hoehenkorrektur = f.Hoehenkorrektur + Hoehenkorrektur_Schritt_mm;
    f[A::Command30] = true;
    Pruefen_und_berechnen(f, d);
}

void Hoehe_kleiner(Formular& f, Dialoge& d) {
    // a value from a file need not be a multiple of 10: stop at 0 all the same
    if (!(f.Hoehenkorrektur > 0)) {
        f.Hoehenkorrektur = 0;
        f[A::Command30] = false;
        return;
    }
    f.Hoehenkorrektur = f.Hoehenkorrektur - Hoehenkorrektur_Schritt_mm;
    if (f.Hoehenkorrektur <= 0) {
        f.Hoehenkorrektur = 0;
        f[A::Command30] = false;
    }
    Pruefen_und_berechnen(f, d);
}

void Hoehe_null(Formular& f, Dialoge& d) {
    f.Hoehenkorrektur = 0;
    f[A::Command30] = false;
    Pruefen_und_berechnen(f, d);
}

}  // namespace dkm
