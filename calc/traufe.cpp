#include "calc/traufe.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calc/hydraulik.h"

namespace dkm {

namespace {

constexpr int Suche_Ende_mm = Suche_Start_mm + Suchgrenze_Schritte - 1;  // last size tried

double Laengenfaktor(float L, float W) {
    const float x = L / W;
    return x > 50 ? Langrinnenfaktor(x) : 1.0;
}

// First n in [lo, hi] with reicht(n), or hi + 1. Needs reicht to switch from
// false to true at most once over the range; gallops out from the estimate.
template <class P>
int erste_monoton(P reicht, int lo, int hi, int schaetzung) {
    if (lo > hi) return hi + 1;
    const int g = std::clamp(schaetzung, lo, hi);
    int falsch = lo - 1, wahr = hi + 1;
    if (reicht(g)) {
        wahr = g;
        for (int schritt = 1; wahr > lo; schritt *= 2) {
            const int p = std::max(lo, wahr - schritt);
            if (!reicht(p)) {
                falsch = p;
                break;
            }
            wahr = p;
        }
    } else {
        falsch = g;
        for (int schritt = 1; falsch < hi; schritt *= 2) {
            const int p = std::min(hi, falsch + schritt);
            if (reicht(p)) {
                wahr = p;
                break;
            }
            falsch = p;
        }
    }
    while (wahr - falsch > 1) {
        const int m = falsch + (wahr - falsch) / 2;
        (reicht(m) ? wahr : falsch) = m;
    }
    return wahr;
}

// Remembers the last few capacities: the bracket and the check look at the same sizes.
template <class K>
class Gemerkt {
public:
    explicit Gemerkt(K k) : k_(k) {}
    float operator()(int n) {
        for (size_t j = 0; j < n_.size(); ++j)
            if (n_[j] == n) return w_[j];
        const float w = k_(n);
        n_[i_] = n;
        w_[i_] = w;
        i_ = (i_ + 1) % n_.size();
        return w;
    }

private:
    K k_;
    std::array<int, 4> n_{-1, -1, -1, -1};
    std::array<float, 4> w_{};
    size_t i_ = 0;
};

// First size in [lo, hi] whose capacity carries q, or hi + 1, with the result
// of a 1-mm scan. The capacity is non-decreasing over the range up to float
// rounding; only a size just short of q could hide an earlier fit.
template <class K>
int erste_ausreichende(K& kapazitaet, float q, int lo, int hi, int schaetzung) {
    auto reicht = [&](int n) { return q <= kapazitaet(n); };
    const int r = erste_monoton(reicht, lo, hi, schaetzung);
    const int vor = r - 1;
    if (vor >= lo && !(kapazitaet(vor) < q * (1 - 1e-6f))) {
        for (int n = lo; n <= vor; ++n)
            if (reicht(n)) return n;
    }
    return r;
}

template <class K>
int linear(K& kapazitaet, float q) {
    int n = Suche_Start_mm;
    while (n <= Suche_Ende_mm && !(q <= kapazitaet(n))) ++n;
    return n;
}

// The wetted area is floored at 1 mm² while the obstacle takes all of it; the
// sizes with a floored area come first and may carry more than the next ones.
template <class R, class K>
int suche(R flaeche_roh, Gemerkt<K>& kapazitaet, float q, int schaetzung) {
    int frei = Suche_Start_mm;
    if (!(flaeche_roh(frei) > 0))
        frei = erste_monoton([&](int n) { return flaeche_roh(n) > 0; }, Suche_Start_mm, Suche_Ende_mm, schaetzung);
    if (frei > Suche_Start_mm) {
        const int r = erste_ausreichende(kapazitaet, q, Suche_Start_mm, frei - 1, Suche_Start_mm);
        if (r < frei) return r;
    }
    return erste_ausreichende(kapazitaet, q, frei, Suche_Ende_mm, schaetzung);
}

int schaetzung_runden(double n) {
    if (!(n >= Suche_Start_mm)) return Suche_Start_mm;
    if (n > Suche_Ende_mm) return Suche_Ende_mm;
    return static_cast<int>(std::ceil(n));
}

}  // namespace

namespace {

// The leading factors of both formulas, evaluated in the same order as the whole product.
double halbrund_vorn(float A_E, float schutzkorbfaktor) {
    return 1e-5 * (static_cast<double>(schutzkorbfaktor) * 0.9 * 2.78) * std::pow(static_cast<double>(A_E), 1.25);
}
double Kasten_vorn(float A_E, float W, float T, float B) {
    const double F_d = std::pow(static_cast<double>(W) / T, 0.25);
    const double X = static_cast<double>(B) / T;
    const double F_s = -0.1 * X * X + 0.21 * X + 0.89;
    return 1e-5 * 3.132 * std::pow(static_cast<double>(A_E), 1.25) * F_d * F_s;
}
float kapazitaet(double vorn, float L, float W, float winkelfaktor) {
    return static_cast<float>(vorn * Laengenfaktor(L, W) * winkelfaktor);
}

// A search's size with its capacity and the capacity one step smaller, which the search has mostly looked at.
template <class K>
Mass_nach_Bedarf gefunden(int n, Gemerkt<K>& kapazitaet, float L, float W) {
    return {static_cast<float>(n), W, L / W, kapazitaet(n), n > Suche_Start_mm ? kapazitaet(n - 1) : 0.0f};
}

}  // namespace

float Kapazitaet_halbrund(float A_E, float W, float L, float winkelfaktor, float schutzkorbfaktor) {
    return kapazitaet(halbrund_vorn(A_E, schutzkorbfaktor), L, W, winkelfaktor);
}

float Kapazitaet_Kasten(float A_E, float W, float T, float B, float L, float winkelfaktor) {
    return kapazitaet(Kasten_vorn(A_E, W, T, B), L, W, winkelfaktor);
}

namespace {

Mass_nach_Bedarf Rund_nach_Bedarf(float q, float L, float wf, float sk, float hindernis) {
    auto flaeche_roh = [&](int n) {
        const double D = static_cast<float>(n);
        return static_cast<float>(Pi * (D * D) / 8) - hindernis;
    };
    auto kapazitaet_roh = [&](int n) {
        float A_E = flaeche_roh(n);
        if (A_E <= 0) A_E = 1;
        return Kapazitaet_halbrund(A_E, static_cast<float>(n) / 2, L, wf, sk);
    };
    Gemerkt kapazitaet(kapazitaet_roh);
    auto ergebnis = [&](int D) { return gefunden(D, kapazitaet, L, static_cast<float>(D) / 2); };
    if (!(wf > 0) || !std::isfinite(wf)) return ergebnis(linear(kapazitaet, q));

    // Estimate from the formula solved for the area, the length factor taken at the last estimate.
    const double c = 1e-5 * (static_cast<double>(sk) * 0.9 * 2.78) * wf;
    double D = Suche_Start_mm, F_L = 1;
    for (int i = 0; i < 3; ++i) {
        const double A = std::pow(static_cast<float>(q / (c * F_L)), 0.8f);
        D = std::sqrt(8 * (A + hindernis) / Pi);
        if (!(D >= Suche_Start_mm && D <= Suche_Ende_mm)) break;
        F_L = Laengenfaktor(L, static_cast<float>(D / 2));
    }
    return ergebnis(suche(flaeche_roh, kapazitaet, q, schaetzung_runden(D)));
}

Mass_nach_Bedarf Rechteckig_nach_Bedarf(float q, float L, float wf, float r, float hindernis) {
    auto flaeche_roh = [&](int n) {
        const float B = static_cast<float>(n);
        const float H = r * B;
        return B * H - hindernis;
    };
    auto kapazitaet_roh = [&](int n) {
        const float B = static_cast<float>(n);
        const float H = r * B;
        float A_E = B * H - hindernis;
        if (A_E <= 0) A_E = 1;
        return Kapazitaet_Kasten(A_E, H, B, B, L, wf);
    };
    Gemerkt kapazitaet(kapazitaet_roh);
    auto ergebnis = [&](int B) { return gefunden(B, kapazitaet, L, r * static_cast<float>(B)); };
    if (!(wf > 0) || !std::isfinite(wf) || !(r > 0)) return ergebnis(linear(kapazitaet, q));

    const double c = 1e-5 * 3.132 * std::pow(static_cast<double>(r), 0.25) * wf;
    double B = Suche_Start_mm, F_L = 1;
    for (int i = 0; i < 3; ++i) {
        const double A = std::pow(static_cast<float>(q / (c * F_L)), 0.8f);
        B = std::sqrt((A + hindernis) / r);
        if (!(B >= Suche_Start_mm && B <= Suche_Ende_mm)) break;
        F_L = Laengenfaktor(L, static_cast<float>(r * B));
    }
    return ergebnis(suche(flaeche_roh, kapazitaet, q, schaetzung_runden(B)));
}

}  // namespace

int Durchmesser_nach_Bedarf(float q, float L, float wf, float sk, float hindernis) {
    return static_cast<int>(Rund_nach_Bedarf(q, L, wf, sk, hindernis).mm);
}

int Breite_nach_Bedarf(float q, float L, float wf, float r, float hindernis) {
    return static_cast<int>(Rechteckig_nach_Bedarf(q, L, wf, r, hindernis).mm);
}

float Verhaeltnis_HB(float gelesen) { return gelesen == 0 ? 0.625f : gelesen; }

bool Traufe_im_Bereich(float verhaeltnis_hb, const Lasten& l, const std::array<float, 8>& winkelfaktor) {
    // the ratio multiplies widths up to the search limit, an angle factor from a file the standard capacities
    const float grenze = static_cast<float>(Suche_Start_mm + Suchgrenze_Schritte);
    if (!std::isfinite(Verhaeltnis_HB(verhaeltnis_hb) * grenze * grenze)) return false;
    const auto& h = Rinnengroesse_Tabelle_halbrund.back();
    const auto& k = Rinnengroesse_Tabelle_Kasten.back();
    for (size_t j = 0; j < 8; ++j) {
        const float wf = winkelfaktor[j];
        if (l.Einzel_Flaeche[j] == 0 || std::fabs(wf) <= 1) continue;
        const float L = 1000.0f * l.Laenge[j];
        if (!std::isfinite(Kapazitaet_halbrund(h.A_E_mm2, h.W_mm, L, wf, 1)) ||
            !std::isfinite(Kapazitaet_Kasten(k.A_E_mm2, k.W_mm, k.T_mm, k.B_mm, L, wf)))
            return false;
    }
    return true;
}

namespace {

// The cross-section factors of the standard sizes never change: one per row of each table.
template <size_t N>
using Faktoren = std::array<double, N>;
struct Standard_vorn {
    Faktoren<Rinnengroesse_Tabelle_halbrund.size()> halbrund_voll, halbrund_halb;
    Faktoren<Rinnengroesse_Tabelle_Kasten.size()> kasten;
};
const Standard_vorn& standard_vorn() {
    static const Standard_vorn v = [] {
        Standard_vorn t{};
        for (size_t i = 0; i < t.halbrund_voll.size(); ++i) {
            t.halbrund_voll[i] = halbrund_vorn(Rinnengroesse_Tabelle_halbrund[i].A_E_mm2, 1.0f);
            t.halbrund_halb[i] = halbrund_vorn(Rinnengroesse_Tabelle_halbrund[i].A_E_mm2, 0.5f);
        }
        for (size_t i = 0; i < t.kasten.size(); ++i) {
            const Rinne_Kasten& z = Rinnengroesse_Tabelle_Kasten[i];
            t.kasten[i] = Kasten_vorn(z.A_E_mm2, z.W_mm, z.T_mm, z.B_mm);
        }
        return t;
    }();
    return v;
}

// The first table row whose capacity exceeds q; equal capacity is not enough for a standard size.
template <class Tabelle, size_t N>
Standardwahl standard_waehlen(const Tabelle& tabelle, const Faktoren<N>& vorn, float q, float L, float winkelfaktor) {
    Standardwahl s;
    for (size_t i = 0; i < N; ++i) {
        const float W = tabelle[i].W_mm;
        const double F_L = Laengenfaktor(L, W);
        Groesse_versucht& g = s.versucht[s.anzahl_versucht++];
        g = {tabelle[i].zuschnitt_mm, W, L / W, static_cast<float>(F_L), static_cast<float>(vorn[i] * F_L * winkelfaktor)};
        if (g.Kapazitaet_l_s > q) {
            s.groesse = i;
            return s;
        }
    }
    return s;
}

// Sort key of the governing segment: the larger standard size governs, none suffices over all.
template <size_t N>
size_t Rang(const Standardwahl& s) {
    return s.groesse.value_or(N);
}

// Standard sizes of every loaded segment and the governing ones: the largest, the earlier segment on a tie.
void Standardgroessen(Traufe_Werte& tw, const Lasten& l, bool halb) {
    constexpr size_t N_halbrund = Rinnengroesse_Tabelle_halbrund.size(), N_Kasten = Rinnengroesse_Tabelle_Kasten.size();
    const Standard_vorn& vorn = standard_vorn();
    for (size_t i = 0; i < l.Teilstreckentabelle.size(); ++i) {
        const Teilstrecke& ts = l.Teilstreckentabelle[i];
        Traufe_TS& t = tw.TS[i];
        if (ts.flaeche_m2 == 0) continue;
        t.belastet = true;
        t.L_mm = 1000.0f * ts.laenge_m;
        t.Abfluss_l_s = ts.abfluss_l_s;
        t.Winkelfaktor = ts.winkelfaktor;
        t.halbrund = standard_waehlen(Rinnengroesse_Tabelle_halbrund, halb ? vorn.halbrund_halb : vorn.halbrund_voll,
                                      ts.abfluss_l_s, t.L_mm, ts.winkelfaktor);
        t.kasten = standard_waehlen(Rinnengroesse_Tabelle_Kasten, vorn.kasten, ts.abfluss_l_s, t.L_mm, ts.winkelfaktor);
        if (!tw.massgebend_halbrund || Rang<N_halbrund>(t.halbrund) > Rang<N_halbrund>(tw.TS[*tw.massgebend_halbrund].halbrund))
            tw.massgebend_halbrund = i;
        if (!tw.massgebend_Kasten || Rang<N_Kasten>(t.kasten) > Rang<N_Kasten>(tw.TS[*tw.massgebend_Kasten].kasten))
            tw.massgebend_Kasten = i;
    }
}

// Sizes to measure: the largest over the loaded segments.
void Masse_nach_Bedarf(Traufe_Werte& tw, const Lasten& l, float r) {
    float Dmax = 0, Bmax = 0;
    bool grenze = false;
    bool belastet = false;
    for (Traufe_TS& t : tw.TS) {
        if (!t.belastet) continue;
        belastet = true;
        t.rund = Rund_nach_Bedarf(t.Abfluss_l_s, t.L_mm, t.Winkelfaktor, tw.Schutzkorbfaktor, l.Hindernisabzug);
        const float D = t.rund.mm;
        Dmax = std::max(Dmax, D);
        tw.x_R = t.L_mm / (D / 2);

        t.rechteckig = Rechteckig_nach_Bedarf(t.Abfluss_l_s, t.L_mm, t.Winkelfaktor, r, l.Hindernisabzug);
        const float B = t.rechteckig.mm;
        Bmax = std::max(Bmax, B);
        tw.x_K = t.L_mm / (r * B);
        grenze = grenze || D > Suche_Ende_mm || B > Suche_Ende_mm;
    }
    tw.Verhaeltnis_HB = r;
    tw.Durchmesser_nach_Bedarf = Dmax;
    tw.Breite_nach_Bedarf = Bmax;
    tw.Hoehe_nach_Bedarf = r * Bmax;
    tw.Massfehler = belastet && (tw.x_R > 500 || tw.x_K > 500);
    tw.Suchgrenze = grenze;
}

}  // namespace

Traufe_Werte Traufe_berechnen(const Lasten& l, float verhaeltnis_hb, bool schutzkorb) {
    Traufe_Werte tw;
    tw.Schutzkorbfaktor = schutzkorb ? 0.5f : 1.0f;
    Standardgroessen(tw, l, schutzkorb);
    Masse_nach_Bedarf(tw, l, Verhaeltnis_HB(verhaeltnis_hb));
    return tw;
}

std::optional<Einhangstutzen> Einhangstutzen_fuer(std::optional<size_t> halbrund, float q) {
    if (!halbrund) return std::nullopt;
    for (const Einhang_Stufe& s : Rinnengroesse_Tabelle_halbrund[*halbrund].einhangstutzen)
        if (s.mm > 0 && q <= s.bis_l_s) return Einhangstutzen{s.mm, s.oder_mm, s.bis_l_s};
    return std::nullopt;
}

void Fallrohre_waehlen(Traufe_Werte& tw, const std::array<float, 4>& abfluss) {
    const std::optional<size_t> halbrund = tw.Standard_halbrund();
    bool unter_75 = false;
    for (size_t k = 0; k < 4; ++k) {
        const float q = abfluss[k];
        Fallrohr_Wahl& w = tw.Fallrohr[k];
        w = {};
        w.Abfluss_l_s = q;
        const Fallrohrgroesse mit = Fallrohr_nachschlagen(Fallrohr_Tabelle_Trichter, q);
        if (q != 0 && mit.mm && *mit.mm < 75) unter_75 = true;
        // an outlet without flow has no downpipe
        if (!(q > 0)) continue;
        const Fallrohrgroesse ohne = Fallrohr_nachschlagen(Fallrohr_Tabelle_ohne_Trichter, q);
        w.mit_Trichter_mm = mit.mm;
        w.mit_Trichter_Kapazitaet_l_s = mit.Kapazitaet_l_s;
        w.ohne_Trichter_mm = ohne.mm;
        w.ohne_Trichter_Kapazitaet_l_s = ohne.Kapazitaet_l_s;
        w.Einhang = Einhangstutzen_fuer(halbrund, q);
    }
    tw.Fallrohr_unter_75 = unter_75;
}

}  // namespace dkm
