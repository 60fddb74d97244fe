// Internal gutter: the order of the steps and what ends a run early.
#include "calc/innenrinne.h"

#include <cmath>
#include <initializer_list>

#include "calc/engine.h"
#include "calc/innen_schritte.h"
#include "model/meldungen.h"

namespace dkm {

namespace {

void Formular_einrichten(Formular& f) {
    f[V::Rinne_vorgeh_einzel] = false;
    f[V::Frame6] = false;
    for (V v : {V::Rinnen_innenliegend, V::Frame4, V::Label33, V::Label21}) f[v] = true;
    for (A a : {A::Option3, A::Option4, A::Option5, A::Combo_Diff_Notueberl, A::Label21, A::Label33}) f[a] = true;
    f[A::Text30] = f[S::Option5];
    // the open correction panel keeps its button until it closes
    f[A::Command11] = f[S::Option5] && f.aktiver_Modus != Modus::Korrektur;
    f.Picture(27).vordergrund = f[S::Option3] ? Farbe_dunkelblau : Farbe_hellgrau;
    f.Picture(26).vordergrund = f[S::Option4] ? Farbe_dunkelblau : Farbe_hellgrau;
    f.Picture(25).vordergrund = f[S::Option5] ? Farbe_dunkelblau : Farbe_hellgrau;
}

// Segments must follow one another from TS 1 on, without a gap.
bool Teilstrecken_durchgehend(const Formular& f) {
    const auto& ts = f.werte.Teilstreckentabelle;
    bool luecke_laenge = false, luecke_flaeche = false;
    for (size_t i = 1; i < ts.size(); ++i) {
        // a loaded segment behind one without area would get a flow but no depth
        if (luecke_flaeche && ts[i].flaeche_m2 != 0) return false;
        if (luecke_laenge && ts[i].laenge_m != 0 && f.werte.Gesamtlaenge != 0) return false;
        luecke_laenge = luecke_laenge || ts[i].laenge_m == 0;
        luecke_flaeche = luecke_flaeche || ts[i].flaeche_m2 == 0;
    }
    return f.werte.Gesamtlaenge == 0 || ts[0].laenge_m != 0 || ts[1].laenge_m != 0;
}

bool endlich(std::initializer_list<float> werte) {
    for (float x : werte)
        if (!std::isfinite(x)) return false;
    return true;
}

bool Werte_endlich(const Innen_Werte& w) {
    for (size_t p = 0; p < 8; ++p)
        if (!endlich({w.Wassertiefe_TS[p], w.Druckhoehe_TS[p]})) return false;
    for (const Querschnitt* q : {&w.beidseits, &w.eineSeite, &w.Laengsseite})
        if (!endlich({q->Notstauhoehe_mm, q->Druck_mm, q->Wassertiefe_mm, q->Hoehe_mm, q->oben_mm,
                      q->Wand_links_mm, q->Wand_rechts_mm, q->Zuschnitt_mm, q->Versatz_links_mm}))
            return false;
    for (const Innen_Ablauf& a : w.Ablauf)
        if (!endlich({a.Druck_mm, a.Trichter_rund_mm, a.Trichter_L_mm, a.Trichter_T_mm})) return false;
    return endlich({w.Bemessungstiefe, w.Spiegelbreite, w.Notabfluss_gesamt_l_s, w.Notabfluss_l_s, w.Notdruck_mm,
                    w.Oeffnung_Breite_mm, w.Oeffnung_Hoehe_mm});
}

// Nothing left to show below the cross-section: no box keeps a stale result.
void Folgeergebnisse_leeren(Formular& f) {
    for (int n : {28, 29, 30, 31, 32, 34, 35}) f.Picture(n).leeren();
    f[T::Text31].clear();
    f[T::Text32].clear();
    f[V::Label6] = false;
}

}  // namespace

void Innenrinne_berechnen(Formular& f, Dialoge& d) {
    Formular_einrichten(f);
    if (!Teilstrecken_durchgehend(f)) {
        Rechnung_angehalten(f, d, meldung::Luecke);
        return;
    }
    Innen_Werte w;
    Bemessungsschicht(f, d, w);
    if (!Anzahl_Notueberlaeufe_lesen(f, d, w)) return;
    Notschichten(f, d, w);
    // TS 1 and TS 2 without area: nothing below the cross-section to size
    const bool weiter = f.werte.Gesamtlaenge != 0 && w.Anzahl_TS_belastet > 0;
    if (weiter) {
        Notueberlauf_berechnen(f, w);
        Ablaeufe_berechnen(f, w);
        w.Ablaeufe_bemessen = true;
    }
    if (!Werte_endlich(w)) {
        Rechnung_angehalten(f, d, meldung::zu_gross);
        return;
    }
    if (w.Suchgrenze_erreicht)
        d.meldung(meldung::Suchgrenze);

    Querschnitte_drucken(f, w);
    if (weiter) {
        Querschnitt_skizzieren(f, w);
        Ablaufboxen_anordnen(f, w);
        Notueberlauf_drucken(f, w);
        Ablaeufe_drucken(f, w);
    } else {
        Folgeergebnisse_leeren(f);
    }
    f.werte.innen = w;
}

}  // namespace dkm
