#include "calc/fallrohr.h"

#include <array>
#include <limits>
#include <string>

#include "calc/hydraulik.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

struct Stufe {
    float bis_l_s;  // this text up to and including this flow
    Einhangstutzen_Wahl wahl;
};
struct Einhang_Zeile {
    int zuschnitt_mm;
    std::array<Stufe, 3> stufen;
};

constexpr float alles = std::numeric_limits<float>::infinity();
constexpr Einhangstutzen_Wahl nicht_moeglich{"nicht mögl.", 0};

constexpr std::array<Einhang_Zeile, 6> Einhangstutzen_Tabelle = {{
    {200, {{{1.6f, {"60", 60}}, {alles, nicht_moeglich}, {alles, nicht_moeglich}}}},
    {250, {{{2.0f, {"60", 60}}, {2.5f, {"80", 80}}, {alles, nicht_moeglich}}}},
    {285, {{{3.5f, {"80", 80}}, {4.1f, {"100", 100}}, {alles, nicht_moeglich}}}},
    {333, {{{7.0f, {"80 od. 100", 0}}, {7.4f, {"100", 100}}, {alles, nicht_moeglich}}}},
    {400, {{{10.0f, {"100", 100}}, {12.0f, {"125", 125}}, {alles, nicht_moeglich}}}},
    {500, {{{alles, {"150", 150}}, {alles, {"150", 150}}, {alles, {"150", 150}}}}},
}};

std::string Durchmessertext(int d) { return d == Fallrohr_zu_gross ? ">300" : Ganzzahltext(d); }

// Prints one result into an outlet's box; an outlet without flow gets an empty box.
void Ergebnis(Bild& bild, float q, std::string_view text) {
    bild.leeren();
    if (q > 0) bild.drucken(text);
}

}  // namespace

Einhangstutzen_Wahl Einhangstutzen(int zuschnitt_mm, float q) {
    for (const Einhang_Zeile& z : Einhangstutzen_Tabelle) {
        if (z.zuschnitt_mm != zuschnitt_mm) continue;
        for (const Stufe& s : z.stufen)
            if (q <= s.bis_l_s) return s.wahl;
    }
    return nicht_moeglich;
}

void Fallrohre_waehlen(Formular& f) {
    Traufe_Werte& tw = f.werte.traufe;
    const int zuschnitt = static_cast<int>(Ganzzahl(tw.Zuschnitt_halbrund));
    bool unter_75 = false;
    for (int k = 0; k < 4; ++k) {
        const size_t i = static_cast<size_t>(k);
        const float q = f.werte.Belastung_Fallrohr[i];
        const int mit = Fallrohr_nachschlagen(Fallrohr_Tabelle_Trichter, q);
        const int ohne = Fallrohr_nachschlagen(Fallrohr_Tabelle_ohne_Trichter, q);
        const Einhangstutzen_Wahl einhang = Einhangstutzen(zuschnitt, q);
        const bool belastet = q > 0;
        tw.Fallrohr_mit[i] = belastet ? Durchmessertext(mit) : "";
        tw.Fallrohr_ohne[i] = belastet ? Durchmessertext(ohne) : "";
        tw.Einhangstutzen[i] = belastet ? std::string(einhang.text) : "";
        tw.Durchmesser_mit[i] = belastet ? mit : 0;
        tw.Durchmesser_ohne[i] = belastet ? ohne : 0;
        tw.Durchmesser_Einhang[i] = belastet ? einhang.durchmesser_mm : 0;
        Ergebnis(f.Picture(13 + 2 * k), q, tw.Fallrohr_mit[i]);
        Ergebnis(f.Picture(14 + 2 * k), q, tw.Fallrohr_ohne[i]);
        Ergebnis(f.Picture(21 + k), q, tw.Einhangstutzen[i]);
        if (q != 0 && mit < 75) unter_75 = true;
    }
    tw.Fallrohr_unter_75 = unter_75;
    f[V::Label3] = unter_75;
}

}  // namespace dkm
