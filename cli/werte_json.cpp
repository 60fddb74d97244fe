// The "werte" of dkm-rechner's dump: every number of the last recalculation as the engine holds it.
// Each key is explained in docs/werte.md.
#include "cli/werte_json.h"

#include "cli/json.h"

namespace dkm {

namespace {

using json::Reihe;
using json::Objekt;

std::optional<long long> TS_Nummer(std::optional<size_t> index) {
    if (!index) return std::nullopt;
    return static_cast<long long>(*index) + 1;
}

void Lasten_schreiben(Objekt& o, const Lasten& l) {
    o.zahl("r5_5_l_s_ha", l.r5_5);
    o.zahl("r5_100_l_s_ha", l.r5_100);
    o.zahl("Abflussbeiwert", l.Abflussbeiwert);
    o.zahl("Sicherheitsfaktor", l.Sicherheitsfaktor);
    o.zahl("Bemessungsspende_l_s_m2", l.Bemessungsspende);
    o.zahl("Notspende_l_s_m2", l.Notspende);
    o.zahl("Hindernisabzug_mm2", l.Hindernisabzug);
    o.zahl("Gesamtlaenge_m", l.Gesamtlaenge);
    o.zahl("Gesamtflaeche_m2", l.Gesamtflaeche);
    o.ganz("Anzahl_Stutzen", l.Anzahl_Stutzen);
    o.zahl("Anzahl_Teilstrecken", l.Anzahl_Teilstrecken);
    Reihe(o, "Teilstrecken", 8, [&](Objekt& t, size_t j) {
        t.ganz("TS", static_cast<long long>(j) + 1);
        t.zahl("Laenge_m", l.Laenge[j]);
        t.zahl("Breite_m", l.Breite[j]);
        t.zahl("Zusatz_Flaeche_m2", l.Zusatz_Flaeche[j]);
        t.zahl("Flaeche_m2", l.Einzel_Flaeche[j]);
        t.zahl("Abfluss_l_s", l.Belast_Teilrinne[j]);
        t.zahl("Abfluss_Jahrhundert_l_s", l.Belast_Jahrhundert[j]);
        t.zahl("Winkelfaktor", l.Teilstreckentabelle[j].winkelfaktor);
    });
}

void Standard_schreiben(Objekt& o, std::string_view name, const Standardwahl& s) {
    std::string& aus = o.schluessel(name);
    Objekt w(aus, o.tiefe() + 1, true);
    w.ganz_oder_null("Zuschnitt_mm", s.groesse ? std::optional<long long>(s.Zuschnitt_mm()) : std::nullopt);
    w.zahl("Kapazitaet_l_s", s.Kapazitaet_l_s());
    std::string& liste = w.schluessel("versucht");
    liste += '[';
    for (size_t i = 0; i < s.anzahl_versucht; ++i) {
        const Groesse_versucht& g = s.versucht[i];
        liste += i ? ", " : "";
        Objekt v(liste, 0, true);
        v.ganz("Zuschnitt_mm", g.Zuschnitt_mm);
        v.zahl("W_mm", g.W_mm);
        v.zahl("L_W", g.L_W);
        v.zahl("Langrinnenfaktor", g.Langrinnenfaktor);
        v.zahl("Kapazitaet_l_s", g.Kapazitaet_l_s);
    }
    liste += ']';
}

void Mass_schreiben(Objekt& o, std::string_view name, std::string_view groesse, const Mass_nach_Bedarf& m) {
    Objekt w(o.schluessel(name), o.tiefe() + 1, true);
    w.zahl(groesse, m.mm);
    w.zahl("W_mm", m.W_mm);
    w.zahl("L_W", m.L_W);
    w.zahl("Kapazitaet_l_s", m.Kapazitaet_l_s);
    w.zahl("Kapazitaet_darunter_l_s", m.Kapazitaet_darunter_l_s);
}

void Traufe_schreiben(Objekt& o, const Traufe_Werte& tw) {
    o.zahl("Schutzkorbfaktor", tw.Schutzkorbfaktor);
    o.zahl("Verhaeltnis_HB", tw.Verhaeltnis_HB);
    {
        Objekt ts(o.schluessel("Teilstrecken"), o.tiefe() + 1);
        for (size_t j = 0; j < tw.TS.size(); ++j) {
            const Traufe_TS& t = tw.TS[j];
            if (!t.belastet) continue;
            Objekt s(ts.schluessel("TS " + std::to_string(j + 1)), ts.tiefe() + 1);
            s.zahl("L_mm", t.L_mm);
            s.zahl("Abfluss_l_s", t.Abfluss_l_s);
            s.zahl("Winkelfaktor", t.Winkelfaktor);
            Standard_schreiben(s, "halbrund", t.halbrund);
            Standard_schreiben(s, "Kasten", t.kasten);
            Mass_schreiben(s, "rund_nach_Bedarf", "Durchmesser_mm", t.rund);
            Mass_schreiben(s, "rechteckig_nach_Bedarf", "Breite_mm", t.rechteckig);
        }
    }
    o.ganz_oder_null("massgebend_halbrund_TS", TS_Nummer(tw.massgebend_halbrund));
    o.ganz_oder_null("massgebend_Kasten_TS", TS_Nummer(tw.massgebend_Kasten));
    const auto zuschnitt = [](std::optional<size_t> groesse, int mm) {
        return groesse ? std::optional<long long>(mm) : std::nullopt;
    };
    o.ganz_oder_null("Zuschnitt_halbrund_mm", zuschnitt(tw.Standard_halbrund(), tw.Zuschnitt_halbrund()));
    o.zahl("Kapazitaet_halbrund_l_s", tw.Kapazitaet_halbrund());
    o.ganz_oder_null("Zuschnitt_Kasten_mm", zuschnitt(tw.Standard_Kasten(), tw.Zuschnitt_Kasten()));
    o.zahl("Kapazitaet_Kasten_l_s", tw.Kapazitaet_Kasten());
    o.zahl("Durchmesser_nach_Bedarf_mm", tw.Durchmesser_nach_Bedarf);
    o.zahl("Breite_nach_Bedarf_mm", tw.Breite_nach_Bedarf);
    o.zahl("Hoehe_nach_Bedarf_mm", tw.Hoehe_nach_Bedarf);
    o.zahl("L_W_rund", tw.x_R);
    o.zahl("L_W_rechteckig", tw.x_K);
    o.wahr("Massfehler", tw.Massfehler);
    o.wahr("Suchgrenze", tw.Suchgrenze);
    Reihe(o, "Fallrohre", 4, [&](Objekt& r, size_t k) {
        const Fallrohr_Wahl& w = tw.Fallrohr[k];
        r.zahl("Abfluss_l_s", w.Abfluss_l_s);
        r.ganz_oder_null("mit_Trichter_mm", w.mit_Trichter_mm);
        r.zahl("mit_Trichter_Kapazitaet_l_s", w.mit_Trichter_Kapazitaet_l_s);
        r.ganz_oder_null("ohne_Trichter_mm", w.ohne_Trichter_mm);
        r.zahl("ohne_Trichter_Kapazitaet_l_s", w.ohne_Trichter_Kapazitaet_l_s);
        r.ganz_oder_null("Einhangstutzen_mm", w.Einhang ? std::optional<long long>(w.Einhang->mm) : std::nullopt);
        r.ganz_oder_null("Einhangstutzen_oder_mm",
                         w.Einhang && w.Einhang->oder_mm ? std::optional<long long>(w.Einhang->oder_mm) : std::nullopt);
        r.zahl("Einhangstutzen_bis_l_s", w.Einhang ? w.Einhang->bis_l_s : 0.0f);
    });
    o.wahr("Fallrohr_unter_75", tw.Fallrohr_unter_75);
}

void Querschnitt_schreiben(Objekt& o, std::string_view name, const Querschnitt& q) {
    Objekt w(o.schluessel(name), o.tiefe() + 1);
    w.zahl("Fliesslaenge_mm", q.Fliesslaenge_mm);
    w.zahl("Notabfluss_Schicht_l_s", q.Notabfluss_Schicht_l_s);
    w.zahl("Notabfluss_l_s", q.Notabfluss_l_s);
    w.zahl("Notstauhoehe_mm", q.Notstauhoehe_mm);
    w.zahl("Kapazitaet_l_s", q.Kapazitaet_l_s);
    w.zahl("Kapazitaet_darunter_l_s", q.Kapazitaet_darunter_l_s);
    w.zahl("Spiegelbreite_oben_mm", q.Spiegelbreite_oben_mm);
    w.zahl("Druck_mm", q.Druck_mm);
    if (!q.berechnet) return;
    w.zahl("Wassertiefe_mm", q.Wassertiefe_mm);
    w.zahl("Freibord_mm", q.Freibord_mm);
    w.zahl("Hoehe_mm", q.Hoehe_mm);
    w.zahl("oben_mm", q.oben_mm);
    w.zahl("unten_mm", q.unten_mm);
    w.zahl("Wand_links_mm", q.Wand_links_mm);
    w.zahl("Wand_rechts_mm", q.Wand_rechts_mm);
    w.zahl("Zuschnitt_mm", q.Zuschnitt_mm);
}

void Innen_schreiben(Objekt& o, const Innen_Werte& w) {
    o.zahl("Rinnenbreite_unten_mm", w.Rinnenbreite_unten_mm);
    o.zahl("Winkel_links_grad", w.Winkel_links);
    o.zahl("Winkel_rechts_grad", w.Winkel_rechts);
    o.zahl("Hoehenkorrektur_mm", w.Hoehenkorrektur_mm);
    o.ganz("Positionsversatz", w.Positionsversatz);
    Reihe(o, "Bemessungsschicht", static_cast<size_t>(w.Anzahl_TS_belastet), [&](Objekt& t, size_t p) {
        t.ganz("Position", static_cast<long long>(p) + 1);
        t.ganz("TS", static_cast<long long>(p) + 1 + w.Positionsversatz);
        t.zahl("Tiefe_mm", w.Wassertiefe_TS[p]);
        t.zahl("Kapazitaet_l_s", w.Kapazitaet_TS[p]);
        t.zahl("Kapazitaet_darunter_l_s", w.Kapazitaet_darunter_TS[p]);
        t.zahl("Spiegelbreite_mm", w.Spiegelbreite_TS[p]);
        t.zahl("Druckhoehe_mm", w.Druckhoehe_TS[p]);
    });
    o.zahl("Bemessungstiefe_mm", w.Bemessungstiefe);
    o.ganz("massgebende_Position", w.Position_massgebend);
    o.zahl("Spiegelbreite_mm", w.Spiegelbreite);
    o.zahl("Summe_Abfluss_l_s", w.Summe_Abfluss_l_s);
    o.zahl("Summe_Jahrhundert_l_s", w.Summe_Jahrhundert_l_s);
    o.zahl("Notabfluss_gesamt_l_s", w.Notabfluss_gesamt_l_s);
    o.zahl("Winkelfaktor_Rinne", w.Winkelfaktor_Rinne);
    o.ganz("Anzahl_Notueberlaeufe", w.Anzahl_Notueberlaeufe);
    Querschnitt_schreiben(o, "beidseits", w.beidseits);
    Querschnitt_schreiben(o, "eineSeite", w.eineSeite);
    Querschnitt_schreiben(o, "Laengsseite", w.Laengsseite);
    if (w.Gewaehlt()) {
        Objekt n(o.schluessel("Notueberlauf"), o.tiefe() + 1);
        n.zahl("Montagehoehe_mm", w.Montagehoehe_mm);
        n.zahl("Notabfluss_l_s", w.Notabfluss_l_s);
        n.zahl("Druck_mm", w.Notdruck_mm);
        if (w.Art == Notueberlauf::Laengsseite) {
            n.zahl("Oeffnung_Breite_mm", w.Oeffnung_Breite_mm);
            n.zahl("Oeffnung_Hoehe_mm", w.Oeffnung_Hoehe_mm);
            const bool rund = w.rund.art == Rundueberlauf::Art::fest || w.rund.art == Rundueberlauf::Art::berechnet;
            n.schluessel("rund_Durchmesser_mm") += rund ? json::Zahl(w.rund.Durchmesser_mm) : "null";
        }
    }
    Reihe(o, "Ablaeufe", w.Ablaeufe_bemessen ? static_cast<size_t>(w.Anzahl_Ablaeufe) : 0, [&](Objekt& a, size_t k) {
        const Innen_Ablauf& b = w.Ablauf[k];
        a.zahl("Abfluss_l_s", b.Abfluss_l_s);
        a.ganz_oder_null("Fallrohr_mm", b.Fallrohr_mm);
        a.zahl("Fallrohr_Kapazitaet_l_s", b.Fallrohr_Kapazitaet_l_s);
        a.zahl("Druck_mm", b.Druck_mm);
        a.zahl("frei_mm", b.frei_mm);
        a.zahl("Trichter_rund_mm", b.Trichter_rund_mm);
        a.wahr("rund_moeglich", b.rund_moeglich);
        a.zahl("Trichter_L_mm", b.Trichter_L_mm);
        a.zahl("Trichter_T_mm", b.Trichter_T_mm);
        a.wahr("eckig_moeglich", b.eckig_moeglich);
    });
    o.wahr("Fallrohr_unter_75", w.Fallrohr_unter_75);
    o.wahr("Suchgrenze", w.Suchgrenze_erreicht);
}

}  // namespace

void Werte_json(std::string& aus, const Formular& f) {
    Objekt o(aus, 2);
    o.wahr("aktuell", f.Ergebnisse_aktuell && f.Masse_vollstaendig);
    Lasten_schreiben(o, f.werte);
    Reihe(o, "Fallrohre", 4, [&](Objekt& r, size_t k) {
        r.ganz("Fallrohr", static_cast<long long>(k) + 1);
        r.zahl("Flaeche_m2", f.werte.Flaeche_Fallrohr[k]);
        r.zahl("Abfluss_l_s", f.werte.Belastung_Fallrohr[k]);
    });
    if (Ist_innenliegend(f)) {
        Objekt innen(o.schluessel("innen"), 3);
        Innen_schreiben(innen, f.werte.innen);
    } else {
        Objekt traufe(o.schluessel("traufe"), 3);
        Traufe_schreiben(traufe, f.werte.traufe);
    }
}

}  // namespace dkm
