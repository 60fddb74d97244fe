// The eaves results as the window shows them: standard sizes, sizes to measure, downpipes.
#include <algorithm>
#include <string>

#include "bedienung/anzeige.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

void Eingaben_Innenrinne_sperren(Formular& f) {
    f[V::Rinne_vorgeh_einzel] = true;
    f[V::Frame6] = true;
    f[V::Rinnen_innenliegend] = false;
    f[V::Frame4] = false;
    for (A a : {A::Text30, A::Combo_Diff_Notueberl, A::Label33, A::Label21, A::Command11, A::Option3, A::Option4,
                A::Option5})
        f[a] = false;
}

void Standard_drucken(Bild& bild, std::string_view titel, int zuschnitt, float kapazitaet, const Formular& f) {
    bild.drucken(titel, {true, false});
    bild.drucken("Zuschnitt:  " + Ganzzahltext(zuschnitt));
    bild.drucken("bis max.    " + Muster(kapazitaet, "0.00 l/s", f.dezimaltrenner));
}

void Masse_drucken(Formular& f, const Traufe_Werte& tw) {
    f[V::Picture1] = true;
    f[V::Picture2] = true;
    Bild& p1 = f.Picture(1);
    p1.drucken("Rinne mit Halbkreis", {true, false});
    p1.drucken("als Querschnitt", {true, false});
    p1.drucken("Durchm.:    " + Muster(tw.Durchmesser_nach_Bedarf, "0.0 mm", f.dezimaltrenner));
    Bild& p2 = f.Picture(2);
    p2.drucken("Rechteckige Rinne", {true, false});
    p2.drucken("Breite:    " + Muster(tw.Breite_nach_Bedarf, "0.0 mm", f.dezimaltrenner));
    p2.drucken("Höhe:      " + Muster(tw.Hoehe_nach_Bedarf, "0.0 mm", f.dezimaltrenner));
}

std::string Durchmessertext(const std::optional<int>& mm) { return mm ? Ganzzahltext(*mm) : ">300"; }

// One result in an outlet's box; an outlet without flow gets an empty box.
void Ergebnis(Bild& bild, float q, const std::string& text) {
    bild.leeren();
    if (q > 0) bild.drucken(text);
}

void Fallrohre_zeigen(Formular& f, const Traufe_Werte& tw) {
    for (int k = 0; k < 4; ++k) {
        const Fallrohr_Wahl& w = tw.Fallrohr[static_cast<size_t>(k)];
        const float q = w.Abfluss_l_s;
        Ergebnis(f.Picture(13 + 2 * k), q, Durchmessertext(w.mit_Trichter_mm));
        Ergebnis(f.Picture(14 + 2 * k), q, Durchmessertext(w.ohne_Trichter_mm));
        Ergebnis(f.Picture(21 + k), q, Einhangstutzen_Text(w.Einhang));
    }
    f[V::Label3] = tw.Fallrohr_unter_75;
}

}  // namespace

std::string Einhangstutzen_Text(const std::optional<Einhangstutzen>& e) {
    if (!e) return "nicht mögl.";
    return Ganzzahltext(e->mm) + (e->oder_mm ? " od. " + Ganzzahltext(e->oder_mm) : std::string());
}

void Traufe_zeigen(Formular& f, const Traufe_Werte& tw, float gesamtflaeche) {
    Eingaben_Innenrinne_sperren(f);
    const bool belastet = std::any_of(tw.TS.begin(), tw.TS.end(), [](const Traufe_TS& t) { return t.belastet; });
    // Nothing to size without a loaded segment, even when a total area is given.
    const bool anzeigen = gesamtflaeche != 0 && belastet;
    for (int n : {3, 4}) f.Picture(n).leeren();
    if (anzeigen) {
        // a blank width of 0 tells the user that no standard size suffices
        Standard_drucken(f.Picture(3), "runde Rinne", tw.Zuschnitt_halbrund(), tw.Kapazitaet_halbrund(), f);
        Standard_drucken(f.Picture(4), "Kastenrinne", tw.Zuschnitt_Kasten(), tw.Kapazitaet_Kasten(), f);
    }
    for (int n : {1, 2}) f.Picture(n).leeren();
    if (anzeigen) Masse_drucken(f, tw);
    Fallrohre_zeigen(f, tw);
}

}  // namespace dkm
