// The record of an eaves gutter: standard sizes per segment, sizes to measure, downpipes.
#include "bedienung/anzeige.h"
#include "calc/traufe.h"
#include "model/zahlen.h"
#include "report/nachweis.h"

namespace dkm::bericht {

namespace {

// One table of standard sizes: per loaded segment the size chosen (the largest when none suffices).
void Standardtabelle(Schreiber& w, const Nachweislage& n, bool halbrund) {
    const Lage& l = n.l;
    const Traufe_Werte& tw = l.f.werte.traufe;
    const std::optional<size_t> massgebend = halbrund ? tw.massgebend_halbrund : tw.massgebend_Kasten;
    w.zeile({U(5, "TS"), U(11, "L mm"), U(17, "Q l/s"), U(24, "k_w"), U(29, "s"), U(33, "Zuschn."), U(42, "W mm"),
             U(49, "L/W"), U(56, "F_L"), U(64, "Q_L"), U(72, "Ausl.")});
    for (size_t j : n.Zeilen()) {
        const Traufe_TS& t = tw.TS[j];
        if (!t.belastet) continue;
        const Standardwahl& s = halbrund ? t.halbrund : t.kasten;
        if (s.anzahl_versucht == 0) continue;
        const Groesse_versucht& g = s.versucht[s.anzahl_versucht - 1];
        w.zeile({E(5, n.Name(j) + (massgebend == j && !l.gesamt ? "*" : "")), E(11, n.z(t.L_mm, "0")),
                 E(17, n.z(t.Abfluss_l_s, "0.00")), E(24, n.k(t.Winkelfaktor)),
                 E(29, halbrund ? n.k(tw.Schutzkorbfaktor) : std::string("–")),
                 E(33, Ganzzahltext(g.Zuschnitt_mm) + (s.groesse ? "" : "!")), E(42, n.k(g.W_mm)),
                 E(49, n.z(g.L_W, "0.0")), E(56, n.z(g.Langrinnenfaktor, "0.000")), E(64, n.z(g.Kapazitaet_l_s, "0.00")),
                 E(72, n.z(s.Auslastung_prozent, "0.0 %"))});
    }
}

// The governing segment's standard size written out with its numbers.
void Massgebend(Schreiber& w, const Nachweislage& n, bool halbrund) {
    const Traufe_Werte& tw = n.l.f.werte.traufe;
    const std::optional<size_t> ts = halbrund ? tw.massgebend_halbrund : tw.massgebend_Kasten;
    if (!ts) return;
    const Traufe_TS& t = tw.TS[*ts];
    const Standardwahl& s = halbrund ? t.halbrund : t.kasten;
    if (s.anzahl_versucht == 0) return;
    const size_t zeile = s.anzahl_versucht - 1;
    const Groesse_versucht& g = s.versucht[zeile];
    const std::string kopf = "Maßgebend TS " + n.Name(*ts) + ": ";
    if (halbrund) {
        const Rinne_halbrund& r = Rinnengroesse_Tabelle_halbrund[zeile];
        w.zeile({E(5, kopf + "Q_L = " + n.k(tw.Schutzkorbfaktor) + " · 0,9 · 2,78 · 10⁻⁵ · " + n.k(r.A_E_mm2) +
                          "^1,25 · " + n.z(g.Langrinnenfaktor, "0.000") + " · " + n.k(t.Winkelfaktor) + " = " +
                          n.z(g.Kapazitaet_l_s, "0.00 l/s"))});
    } else {
        const Rinne_Kasten& r = Rinnengroesse_Tabelle_Kasten[zeile];
        w.zeile({E(5, kopf + "Zuschnitt " + Ganzzahltext(g.Zuschnitt_mm) + " mit A_E = " + n.k(r.A_E_mm2) +
                          " mm², W = " + n.k(r.W_mm) + ", T = " + n.k(r.T_mm) + ", B = " + n.k(r.B_mm) + " mm:")});
        w.zeile({E(12, "Q_L = 3,132 · 10⁻⁵ · " + n.k(r.A_E_mm2) + "^1,25 · (" + n.k(r.W_mm) + "/" + n.k(r.T_mm) +
                           ")^0,25 · F_s(" + n.k(r.B_mm) + "/" + n.k(r.T_mm) + ") · " +
                           n.z(g.Langrinnenfaktor, "0.000") + " · " + n.k(t.Winkelfaktor) + " = " +
                           n.z(g.Kapazitaet_l_s, "0.00 l/s"))});
    }
    w.zeile({E(5, s.groesse ? "Zuschnitt " + Ganzzahltext(g.Zuschnitt_mm) + " trägt " + n.z(g.Kapazitaet_l_s, "0.00") +
                                  " l/s > Q = " + n.z(t.Abfluss_l_s, "0.00 l/s") + " (Seite 2)."
                            : "Keine Normgröße reicht: die größte trägt " + n.z(g.Kapazitaet_l_s, "0.00") +
                                  " l/s < Q = " + n.z(t.Abfluss_l_s, "0.00 l/s") + ".")});
}

// Both gutters to measure side by side, each with its capacity at the size found and one millimetre smaller.
void Nach_Bedarf(Schreiber& w, const Nachweislage& n) {
    const Traufe_Werte& tw = n.l.f.werte.traufe;
    w.zeile({E(18, "halbrund, W = D/2"), E(47, "rechteckig, W = " + n.k(tw.Verhaeltnis_HB) + " · B")});
    w.zeile({U(5, "TS"), U(11, "Q l/s"), U(18, "D mm"), U(25, "Q_L"), U(32, "D − 1"), U(39, "L/W"), U(47, "B mm"),
             U(54, "Q_L"), U(61, "B − 1"), U(68, "L/W")});
    for (size_t j : n.Zeilen()) {
        const Traufe_TS& t = tw.TS[j];
        if (!t.belastet) continue;
        w.zeile({E(5, n.Name(j)), E(11, n.z(t.Abfluss_l_s, "0.00")), E(18, n.z(t.rund.mm, "0")),
                 E(25, n.z(t.rund.Kapazitaet_l_s, "0.00")), E(32, n.z(t.rund.Kapazitaet_darunter_l_s, "0.00")),
                 E(39, n.z(t.rund.L_W, "0.0")), E(47, n.z(t.rechteckig.mm, "0")),
                 E(54, n.z(t.rechteckig.Kapazitaet_l_s, "0.00")), E(61, n.z(t.rechteckig.Kapazitaet_darunter_l_s, "0.00")),
                 E(68, n.z(t.rechteckig.L_W, "0.0"))});
    }
}

void Fallrohre(Schreiber& w, const Nachweislage& n) {
    const Lage& l = n.l;
    const Traufe_Werte& tw = l.f.werte.traufe;
    w.zeile({U(5, "Fallrohr"), U(16, "Q l/s"), U(24, "mit Trichter"), U(41, "ohne Trichter"), U(59, "Einhängestutzen")});
    w.zeile({E(24, "D mm / Q_max"), E(41, "D mm / Q_max"), E(59, "D mm bis Q l/s")});
    const auto rohr = [&](const std::optional<int>& mm, float kap) {
        return mm ? Ganzzahltext(*mm) + " / " + n.z(kap, "0.00") : std::string("> 300");
    };
    for (size_t k = 0; k < 4; ++k) {
        const Fallrohr_Wahl& r = tw.Fallrohr[k];
        if (!l.fallrohr(static_cast<int>(k) + 1) || !(r.Abfluss_l_s > 0)) continue;
        std::string einhang = Einhangstutzen_Text(r.Einhang);
        if (r.Einhang) einhang += r.Einhang->bis_l_s == Einhang_alles ? " (alle)" : " bis " + n.z(r.Einhang->bis_l_s, "0.00");
        w.zeile({E(5, Ganzzahltext(static_cast<long long>(k) + 1)), E(16, n.z(r.Abfluss_l_s, "0.00")),
                 E(24, rohr(r.mit_Trichter_mm, r.mit_Trichter_Kapazitaet_l_s)),
                 E(41, rohr(r.ohne_Trichter_mm, r.ohne_Trichter_Kapazitaet_l_s)), E(59, einhang)});
    }
}

}  // namespace

void Nachweis_traufe(Bloecke& b, const Nachweislage& n) {
    const Traufe_Werte& tw = n.l.f.werte.traufe;
    Schreiber& w = b.neu("Vorgehängte Rinne: Abflussvermögen");
    w.zeile({E(5, "halbrund:  Q_L = s · 0,9 · 2,78 · 10⁻⁵ · A_E^1,25 · F_L · k_w   (A_E in mm², Q_L in l/s)")});
    w.zeile({E(5, "Kasten:    Q_L = 3,132 · 10⁻⁵ · A_E^1,25 · F_d · F_s · F_L · k_w,  F_d = (W/T)^0,25,")});
    w.zeile({E(16, "F_s = 0,89 + 0,21 · X − 0,1 · X²,  X = B/T")});
    w.zeile({E(5, "F_L = 1 bis L/W = 50, darüber 1,061168 − 0,001451 · L/W + 10⁻⁶ · (L/W)² (gestuft ab 600);")});
    w.zeile({E(5, "k_w = 0,85 bei einem Rinnenwinkel, sonst 1;  s = 0,5 mit Sieb/Laubfang, sonst 1.")});
    w.zeile({E(5, "Gewählt wird die kleinste Normgröße, deren Q_L größer als Q ist (Ausl. = Q / Q_L).")});

    Schreiber& h = b.neu("Halbrunde Normgrößen");
    Standardtabelle(h, n, true);
    Massgebend(h, n, true);
    Schreiber& k = b.neu("Kastenrinnen, Normgrößen");
    Standardtabelle(k, n, false);
    Massgebend(k, n, false);
    k.zeile({E(5, "* maßgebende Teilstrecke (größte nötige Normgröße);  ! keine Normgröße reicht;  Q, Q_L in l/s")});

    Schreiber& r = b.neu("Rinnen nach Bedarf: kleinste Größe in 1-mm-Schritten ab 60 mm, deren Q_L Q trägt");
    r.zeile({E(5, "A_E = π · D² / 8 bzw. B · " + n.k(tw.Verhaeltnis_HB) + " · B, abzüglich Hindernis " +
                      n.z(n.l.f.werte.Hindernisabzug, "0 mm²") + ";  Q_L wie oben (s, k_w, F_L mit L/W)")});
    Nach_Bedarf(r, n);
    r.zeile({E(5, "D − 1, B − 1: Q_L einen Millimeter kleiner.  Erforderlich (größte): halbrund D = " +
                      n.z(tw.Durchmesser_nach_Bedarf, "0 mm") + ";")});
    r.zeile({E(5, "rechteckig B = " + n.z(tw.Breite_nach_Bedarf, "0 mm") + ", Höhe " + n.k(tw.Verhaeltnis_HB) + " · " +
                      n.z(tw.Breite_nach_Bedarf, "0") + " = " + n.z(tw.Hoehe_nach_Bedarf, "0 mm"))});

    Schreiber& f = b.neu("Fallrohre: kleinster Durchmesser, dessen Tabellenwert Q_max den Abfluss trägt");
    Fallrohre(f, n);
}

}  // namespace dkm::bericht
