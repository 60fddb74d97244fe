// Outlets of an internal gutter: downpipes, heads, round and square funnels.
#include <algorithm>
#include <cmath>

#include "calc/hydraulik.h"
#include "calc/innen_schritte.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

constexpr Stil unterstrichen{false, true};

// Head at outlet k: the larger of the heads of the positions draining to it.
float Kopf(const Innen_Werte& w, int k) {
    int p1 = 2 * k - 1, p2 = 2 * k;
    if (w.Positionsversatz != 0) {
        // the first outlet sits at the gutter's end and takes one position only
        p1 = k == 1 ? 1 : 2 * k - 2;
        p2 = k == 1 ? 1 : 2 * k - 1;
    }
    return std::max(w.Druckhoehe_TS[static_cast<size_t>(p1 - 1)], w.Druckhoehe_TS[static_cast<size_t>(p2 - 1)]);
}

void Trichter_bemessen(Innen_Ablauf& a, int D, float B, float s) {
    const double Q = std::max(a.Abfluss_l_s, 0.0f), h = a.Druck_mm;
    const float frei = B - 0.1f * static_cast<float>(D);  // bottom width beside the pipe
    if (!(h > 0)) {
        // no water stands above an unsized outlet
        a.Hinweis_rund = "rund nicht mögl.";
        a.Hinweis_eckig = "eckig nicht möglich";
        return;
    }
    float d = static_cast<float>(7500 * Q / (std::pow(h, 1.5) * s));
    // head above half the diameter: the orifice rule replaces the weir rule
    if (d / 2.0f < a.Druck_mm) d = static_cast<float>(std::sqrt(15000 * Q / (std::pow(h, 0.5) * s)));
    a.Trichter_rund_mm = d;
    a.Hinweis_rund = frei < d ? "rund nicht mögl." : "";

    float P = static_cast<float>(24000 * Q / (std::pow(h, 1.5) * s));
    float seite = P / 4.0f;
    if (P > 0 && 2.0 * seite * seite / P < h) {
        const float flaeche = static_cast<float>(12000 * Q / (std::pow(h, 0.5) * s));
        seite = static_cast<float>(std::sqrt(static_cast<double>(flaeche)));
        P = 4.0f * seite;
    }
    float L = seite, T = seite;
    // too wide for the bottom: a rectangle of the same perimeter, longer along the gutter
    if (frei < L) {
        L = frei;
        T = (P - 2.0f * L) / 2.0f;
    }
    a.Trichter_L_mm = L;
    a.Trichter_T_mm = T;
    a.Hinweis_eckig = L < static_cast<float>(D) ? "eckig nicht möglich" : "";
}

}  // namespace

void Ablaeufe_berechnen(const Formular& f, Innen_Werte& w) {
    w.Schutzkorbfaktor = f[S::Check_Schutzkorb] ? 0.5f : 1.0f;
    w.Fallrohr_unter_75 = false;
    for (int k = 1; k <= 4; ++k) {
        Innen_Ablauf& a = w.Ablauf[static_cast<size_t>(k - 1)];
        const float Q = f.werte.Belastung_Fallrohr[static_cast<size_t>(k - 1)];
        a.Fallrohr_mm = Fallrohr_nachschlagen(Fallrohr_Tabelle_Trichter, Q);
        if (Q != 0 && a.Fallrohr_mm < 75) w.Fallrohr_unter_75 = true;
        const int D_eigen = a.Fallrohr_mm;
        // an outlet without flow repeats the funnels of the one before it
        if (k >= 2 && Q <= 0) {
            a = w.Ablauf[static_cast<size_t>(k - 2)];
            a.Fallrohr_mm = D_eigen;
            continue;
        }
        a.Abfluss_l_s = Q;
        a.Druck_mm = Kopf(w, k);
        Trichter_bemessen(a, D_eigen, w.Rinnenbreite_unten_mm, w.Schutzkorbfaktor);
    }
}

void Ablaeufe_drucken(Formular& f, const Innen_Werte& w) {
    const std::string& sep = f.dezimaltrenner;
    for (int k = 1; k <= 4; ++k) {
        const Innen_Ablauf& a = w.Ablauf[static_cast<size_t>(k - 1)];
        const float Q = f.werte.Belastung_Fallrohr[static_cast<size_t>(k - 1)];
        Bild& b = f.Picture(28 + k);
        b.leeren();
        if (Q > 0) {
            b.drucken("Fallrohr " + std::to_string(k) + ":", unterstrichen, false);
            b.drucken(a.Fallrohr_mm == Fallrohr_zu_gross ? "  D > 300 " : "  D = " + Ganzzahltext(a.Fallrohr_mm));
        }
        b.drucken("Rinnenauslass:", unterstrichen);
        b.drucken("verf. Druck: " + Muster(a.Druck_mm, "0 mm", sep));
        b.drucken("Trichtermaße:", unterstrichen);
        if (!a.Hinweis_rund.empty())
            b.drucken(a.Hinweis_rund + " (" + Muster(a.Trichter_rund_mm, "0", sep) + ")");
        else
            b.drucken((k == 1 ? "D oben = H = " : "D oben = H =") + Muster(a.Trichter_rund_mm, "0 mm", sep));
        if (!a.Hinweis_eckig.empty())
            b.drucken(a.Hinweis_eckig);
        else
            b.drucken("L=H=" + Muster(a.Trichter_L_mm, "0", sep) + ", T=" + Muster(a.Trichter_T_mm, "0 mm", sep));
        b.drucken("Rinnenkasten", unterstrichen, false);
        b.drucken(" möglich");
    }
    f[V::Label6] = w.Fallrohr_unter_75;
}

}  // namespace dkm
