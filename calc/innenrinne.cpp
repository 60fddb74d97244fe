// Internal gutter: the order of the steps and what ends a run early.
#include "calc/innenrinne.h"

#include <cmath>
#include <initializer_list>

#include "calc/innen_schritte.h"
#include "model/meldungen.h"

namespace dkm {

namespace {

// Segments must follow one another from TS 1 on, without a gap.
bool Teilstrecken_durchgehend(const Lasten& l) {
    const auto& ts = l.Teilstreckentabelle;
    bool luecke_laenge = false, luecke_flaeche = false;
    for (size_t i = 1; i < ts.size(); ++i) {
        // a loaded segment behind one without area would get a flow but no depth
        if (luecke_flaeche && ts[i].flaeche_m2 != 0) return false;
        if (luecke_laenge && ts[i].laenge_m != 0 && l.Gesamtlaenge != 0) return false;
        luecke_laenge = luecke_laenge || ts[i].laenge_m == 0;
        luecke_flaeche = luecke_flaeche || ts[i].flaeche_m2 == 0;
    }
    return l.Gesamtlaenge == 0 || ts[0].laenge_m != 0 || ts[1].laenge_m != 0;
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

}  // namespace

void Innenrinne_berechnen(const Eingaben& e, Rechenlauf& r) {
    const Lasten& l = r.werte;
    if (!Teilstrecken_durchgehend(l)) {
        r.anhalten(Rechenlauf::Stand::Lasten, meldung::Luecke);
        return;
    }
    Innen_Werte w;
    Innenlauf lauf{e, l, r, w};
    Bemessungsschicht(lauf);
    if (!Anzahl_Notueberlaeufe_lesen(lauf)) return;
    Notschichten(lauf);
    // TS 1 and TS 2 without area: nothing below the cross-section to size
    if (l.Gesamtlaenge != 0 && w.Anzahl_TS_belastet > 0) {
        Notueberlauf_berechnen(lauf);
        w.Anzahl_Ablaeufe = Anzahl_Ablaeufe(l);
        Ablaeufe_berechnen(lauf);
        w.Ablaeufe_bemessen = true;
    }
    if (!Werte_endlich(w)) {
        r.anhalten(Rechenlauf::Stand::Lasten, meldung::zu_gross);
        return;
    }
    if (w.Suchgrenze_erreicht) r.melden(meldung::Suchgrenze);
    r.werte.innen = w;
    r.stand = Rechenlauf::Stand::fertig;
}

}  // namespace dkm
