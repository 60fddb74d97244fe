// The record of an internal gutter: design layer, emergency layer, overflows, outlets.
#include "bedienung/anzeige.h"
#include "model/zahlen.h"
#include "report/nachweis.h"

namespace dkm::bericht {

namespace {

void Bemessungsschicht(Bloecke& b, const Nachweislage& n) {
    const Lage& l = n.l;
    const Rechenwerte& r = l.f.werte;
    const Innen_Werte& iw = r.innen;
    Schreiber& w = b.neu("Innenliegende Rinne: Bemessungsschicht");
    w.zeile({E(5, "Q(h) = 0,9 · 3,89 · 10⁻⁵ · A^1,25 · F_d · F_s · F_L · k   (A benetzte Fläche in mm², abzüglich Hindernis)")});
    w.zeile({E(5, "T = B + h / tan(links) + h / tan(rechts),  A = (B + T) / 2 · h,  F_d = (h/T)^0,25,")});
    w.zeile({E(5, "F_s = 0,89 + 0,21 · X − 0,1 · X², X = B/T,  F_L wie bei Traufrinnen mit L/h (über 50).")});
    w.zeile({E(5, "h ist die kleinste Tiefe in 1-mm-Schritten mit Q(h) ≥ Q;  Q(h − 1) < Q.")});
    w.leer();
    w.zeile({U(5, "Pos."), U(10, "TS"), U(15, "L m"), U(23, "Q l/s"), U(30, "k"), U(35, "h mm"), U(42, "Q(h)"),
             U(50, "Q(h−1)"), U(58, "T mm"), U(65, "Druckhöhe mm")});
    for (size_t ts : n.Zeilen()) {
        if (ts < static_cast<size_t>(iw.Positionsversatz)) continue;
        const size_t j = ts - static_cast<size_t>(iw.Positionsversatz);
        if (j >= static_cast<size_t>(iw.Anzahl_TS_belastet)) break;
        const int p = static_cast<int>(j) + 1;
        const Teilstrecke& t = r.Teilstreckentabelle[ts];
        w.zeile({E(5, Ganzzahltext(p) + (iw.Position_massgebend == p ? "*" : "")), E(10, n.Name(ts)),
                 E(15, n.z(t.laenge_m, "0.00")),
                 E(23, n.z(t.abfluss_l_s, "0.00")), E(30, n.k(t.winkelfaktor)), E(35, n.z(iw.Wassertiefe_TS[j], "0")),
                 E(42, n.z(iw.Kapazitaet_TS[j], "0.00")), E(50, n.z(iw.Kapazitaet_darunter_TS[j], "0.00")),
                 E(58, n.z(iw.Spiegelbreite_TS[j], "0")), E(65, n.z(iw.Druckhoehe_TS[j], "0"))});
    }
    w.zeile({E(5, "B = " + n.k(iw.Rinnenbreite_unten_mm) + " mm.  * maßgebend: Bemessungstiefe h1 = " +
                      n.z(iw.Bemessungstiefe, "0 mm") + ", Wasserspiegelbreite T* = " + n.z(iw.Spiegelbreite, "0 mm"))});
}

void Notschicht(Bloecke& b, const Nachweislage& n) {
    const Formular& f = n.l.f;
    const Innen_Werte& iw = f.werte.innen;
    const Querschnitt* q = iw.Gewaehlt();
    Schreiber& w = b.neu("Notschicht und Querschnitt");
    w.zeile({E(5, "Summen der Rinne: ΣQ = " + n.z(iw.Summe_Abfluss_l_s, "0.00 l/s") + ",  ΣQ100 = " +
                      n.z(iw.Summe_Jahrhundert_l_s, "0.00 l/s"))});
    if (f[L::Combo_Diff_Notueberl].text == "Jahrhundertregen voll")
        w.zeile({E(5, "Notabfluss D = ΣQ100 = " + n.z(iw.Notabfluss_gesamt_l_s, "0.00 l/s") + " (Jahrhundertregen voll)")});
    else
        w.zeile({E(5, "Notabfluss D = ΣQ100 − ΣQ = " + n.z(iw.Summe_Jahrhundert_l_s, "0.00") + " − " +
                          n.z(iw.Summe_Abfluss_l_s, "0.00") + " = " + n.z(iw.Notabfluss_gesamt_l_s, "0.00 l/s"))});
    if (!q) return;
    const std::string N = Ganzzahltext(iw.Anzahl_Notueberlaeufe);
    if (q == &iw.beidseits)
        w.zeile({E(5, "Beide Stirnseiten: Fließweg L/2 = " + n.z(q->Fliesslaenge_mm, "0 mm") + ", Schicht und Notüberlauf je D/2 = " +
                          n.z(q->Notabfluss_l_s, "0.00 l/s"))});
    else if (q == &iw.eineSeite)
        w.zeile({E(5, "Eine Stirnseite: Fließweg L = " + n.z(q->Fliesslaenge_mm, "0 mm") + ", Schicht und Notüberlauf D = " +
                          n.z(q->Notabfluss_l_s, "0.00 l/s"))});
    else
        w.zeile({E(5, "Längsseite, N = " + N + ": Fließweg L/(2N) mit L = " + n.z(iw.Gesamtlaenge_m, "0.00 m") + ": " +
                          n.z(q->Fliesslaenge_mm, "0 mm") +
                          ",  Schicht D/(2N) = " + n.z(q->Notabfluss_Schicht_l_s, "0.00 l/s"))});
    w.zeile({E(5, "Notstauhöhe h2 (wie h, über T*, k = " + n.k(iw.Winkelfaktor_Rinne) + "): " +
                      n.z(q->Notstauhoehe_mm, "0 mm") + ";  Q(h2) = " + n.z(q->Kapazitaet_l_s, "0.00") +
                      ",  Q(h2 − 1) = " + n.z(q->Kapazitaet_darunter_l_s, "0.00 l/s"))});
    w.zeile({E(5, "Wasserspiegelbreite oben auf der Notschicht T2 = " + n.z(q->Spiegelbreite_oben_mm, "0 mm"))});
    if (!q->berechnet) return;
    const bool laengs = q == &iw.Laengsseite;
    w.zeile({E(5, "Wassertiefe W = h1 + h2" + std::string(laengs ? " + Höhenkorrektur = " : " = ") +
                      n.z(iw.Bemessungstiefe, "0") + " + " + n.z(q->Notstauhoehe_mm, "0") +
                      (laengs ? " + " + n.z(iw.Hoehenkorrektur_mm, "0") : std::string()) + " = " +
                      n.z(q->Wassertiefe_mm, "0 mm"))});
    w.zeile({E(5, "Freibord: 25 mm bis W = 58,33 mm, 0,3 · W / 0,7 bis W = 175 mm, darüber 75 mm:  " +
                      n.z(q->Freibord_mm, "0 mm"))});
    w.zeile({E(5, "Gesamthöhe H = W + Freibord = " + n.z(q->Wassertiefe_mm, "0") + " + " + n.z(q->Freibord_mm, "0") +
                      " = " + n.z(q->Hoehe_mm, "0 mm") + ";  Breite oben " + n.z(q->oben_mm, "0 mm") + ", unten " +
                      n.z(q->unten_mm, "0 mm"))});
    w.zeile({E(5, "Zuschnitt = Wand links + unten + Wand rechts = " + n.z(q->Wand_links_mm, "0") + " + " +
                      n.z(q->unten_mm, "0") + " + " + n.z(q->Wand_rechts_mm, "0") + " = " +
                      n.z(q->Zuschnitt_mm, "0 mm"))});
}

void Notueberlaeufe(Bloecke& b, const Nachweislage& n) {
    const Innen_Werte& iw = n.l.f.werte.innen;
    const Querschnitt* q = iw.Gewaehlt();
    if (!q || !iw.Ablaeufe_bemessen) return;
    Schreiber& w = b.neu("Notüberläufe");
    const bool laengs = q == &iw.Laengsseite;
    w.zeile({E(5, "Verfügbarer Druck h_v = " + std::string(laengs ? "(h2 + Höhenkorrektur)" : "h2") +
                      " · Druckhöhenfaktor(T*/T2) = " +
                      n.z(laengs ? iw.Oeffnung_Hoehe_mm : q->Notstauhoehe_mm, "0") + " · " +
                      n.z(q->Druckhoehenfaktor, "0.000") + " = " + n.z(iw.Notdruck_mm, "0.0 mm"))});
    if (!laengs) {
        w.zeile({E(5, "Höhe der Kopfstücke = Montagehöhe = h1 = " + n.z(iw.Montagehoehe_mm, "0 mm") +
                          ",  Notabfluss je Stirnseite Q_o = " + n.z(iw.Notabfluss_l_s, "0.00 l/s"))});
        return;
    }
    w.zeile({E(5, "Je Notüberlauf Q_o = D / N = " + n.z(iw.Notabfluss_gesamt_l_s, "0.00") + " / " +
                      Ganzzahltext(iw.Anzahl_Notueberlaeufe) + " = " + n.z(iw.Notabfluss_l_s, "0.00 l/s"))});
    w.zeile({E(5, "Breite b = 24 000 · Q_o / h_v^1,5 = 24 000 · " + n.z(iw.Notabfluss_l_s, "0.00") + " / " +
                      n.z(iw.Notdruck_mm, "0.0") + "^1,5 = " + n.z(iw.Oeffnung_Breite_mm, "0 mm"))});
    w.zeile({E(5, "Lichte Höhe = h2 + Höhenkorrektur = " + n.z(iw.Oeffnung_Hoehe_mm, "0 mm") + ",  Montagehöhe = h1 = " +
                      n.z(iw.Montagehoehe_mm, "0 mm"))});
    w.zeile({E(5, iw.rund.art == Rundueberlauf::Art::zu_gross
                      ? std::string("Rund: Q_o / h_v² über 0,0009157, Durchmesser über 300 mm, nicht möglich.")
                      : "Rund (nach Q_o / h_v² und h_v): " + Durchmesser_Text(iw.rund))});
}

void Ablaeufe(Bloecke& b, const Nachweislage& n) {
    const Lage& l = n.l;
    const Innen_Werte& iw = l.f.werte.innen;
    if (!iw.Ablaeufe_bemessen) return;
    Schreiber& w = b.neu("Abläufe und Trichter");
    w.zeile({E(5, "rund: d = 7500 · Q / (h^1,5 · s);  steht h über d/2: d = √(15 000 · Q / (h^0,5 · s))  (*)")});
    w.zeile({E(5, "eckig: U = 24 000 · Q / (h^1,5 · s), a = U/4;  steht h über a/2: a = √(12 000 · Q / (h^0,5 · s)) (*);")});
    w.zeile({E(12, "breiter als frei = B − 0,1 · D: L = frei, T = (U − 2L)/2 (+);  s = " + n.k(iw.Schutzkorbfaktor) +
                       " (0,5 mit Sieb/Laubfang)")});
    w.zeile({U(5, "Ablauf"), U(13, "Q l/s"), U(21, "Fallrohr D/Q_max"), U(40, "h mm"), U(47, "frei mm"),
             U(56, "d mm"), U(64, "L × T mm")});
    for (int k = 0; k < iw.Anzahl_Ablaeufe && k < 4; ++k) {
        const Innen_Ablauf& a = iw.Ablauf[static_cast<size_t>(k)];
        const std::string rohr = a.Fallrohr_mm ? Ganzzahltext(*a.Fallrohr_mm) + " / " + n.z(a.Fallrohr_Kapazitaet_l_s, "0.00")
                                               : std::string("> 300");
        w.zeile({E(5, Ganzzahltext(k + 1)), E(13, n.z(a.Abfluss_l_s, "0.00")), E(21, rohr), E(40, n.z(a.Druck_mm, "0")),
                 E(47, n.z(a.frei_mm, "0")), E(56, n.z(a.Trichter_rund_mm, "0") + (a.rund_Oeffnungsregel ? "*" : "")),
                 E(64, n.z(a.Trichter_L_mm, "0") + " × " + n.z(a.Trichter_T_mm, "0") + (a.eckig_Oeffnungsregel ? "*" : "") +
                           (a.eckig_verlaengert ? "+" : ""))});
    }
    for (int k = 0; k < iw.Anzahl_Ablaeufe && k < 4; ++k) {
        const Innen_Ablauf& a = iw.Ablauf[static_cast<size_t>(k)];
        const std::string nr = "Ablauf " + Ganzzahltext(k + 1) + ": ";
        if (!a.Fallrohr_mm)
            w.zeile({E(5, nr + "kein Fallrohr bis 300 mm trägt Q: kein Trichter möglich.")});
        else if (!a.rund_moeglich)
            w.zeile({E(5, nr + "rund nicht möglich, d = " + n.z(a.Trichter_rund_mm, "0") + " mm > frei = " +
                              n.k(iw.Rinnenbreite_unten_mm) + " − 0,1 · " + Ganzzahltext(*a.Fallrohr_mm) + " = " +
                              n.z(a.frei_mm, "0 mm"))});
        if (a.Fallrohr_mm && !a.eckig_moeglich)
            w.zeile({E(5, nr + "eckig nicht möglich, L = " + n.z(a.Trichter_L_mm, "0") + " mm < Fallrohr " +
                              Ganzzahltext(*a.Fallrohr_mm) + " mm")});
    }
    w.zeile({E(5, "Rinnenkasten über die gesamte Rinnenbreite ist möglich.")});
}

}  // namespace

void Nachweis_innen(Bloecke& b, const Nachweislage& n) {
    Bemessungsschicht(b, n);
    Notschicht(b, n);
    Notueberlaeufe(b, n);
    Ablaeufe(b, n);
}

}  // namespace dkm::bericht
