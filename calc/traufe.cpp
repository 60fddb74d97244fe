#include "calc/traufe.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "calc/engine.h"
#include "calc/hydraulik.h"
#include "model/meldungen.h"
#include "model/zahlen.h"

namespace dkm {

const std::array<Rinne_halbrund, 6> Rinnengroesse_Tabelle_halbrund = {{
    {200, 3153, 48},
    {250, 5274, 62},
    {285, 7476, 72.5f},
    {333, 10722, 86.5f},
    {400, 16588, 107},
    {500, 27293, 136},
}};

const std::array<Rinne_Kasten, 5> Rinnengroesse_Tabelle_Kasten = {{
    {200, 2940, 42, 70, 70},
    {250, 4675, 55, 85, 85},
    {333, 9000, 75, 120, 120},
    {400, 13500, 90, 150, 150},
    {500, 22000, 110, 200, 200},
}};

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
int linear(K kapazitaet, float q) {
    int n = Suche_Start_mm;
    while (n <= Suche_Ende_mm && !(q <= kapazitaet(n))) ++n;
    return n;
}

// The wetted area is floored at 1 mm² while the obstacle takes all of it; the
// sizes with a floored area come first and may carry more than the next ones.
template <class R, class K>
int suche(R flaeche_roh, K kapazitaet_roh, float q, int schaetzung) {
    Gemerkt<K> kapazitaet(kapazitaet_roh);
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

struct Standardgroesse {
    float zuschnitt = 0, schluessel = 0, kapazitaet = 0;
};

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

}  // namespace

float Kapazitaet_halbrund(float A_E, float W, float L, float winkelfaktor, float schutzkorbfaktor) {
    return kapazitaet(halbrund_vorn(A_E, schutzkorbfaktor), L, W, winkelfaktor);
}

float Kapazitaet_Kasten(float A_E, float W, float T, float B, float L, float winkelfaktor) {
    return kapazitaet(Kasten_vorn(A_E, W, T, B), L, W, winkelfaktor);
}

int Durchmesser_nach_Bedarf(float q, float L, float wf, float sk, float hindernis) {
    auto flaeche_roh = [&](int n) {
        const double D = static_cast<float>(n);
        return static_cast<float>(Pi * (D * D) / 8) - hindernis;
    };
    auto kapazitaet = [&](int n) {
        float A_E = flaeche_roh(n);
        if (A_E <= 0) A_E = 1;
        return Kapazitaet_halbrund(A_E, static_cast<float>(n) / 2, L, wf, sk);
    };
    if (!(wf > 0) || !std::isfinite(wf)) return linear(kapazitaet, q);

    // Estimate from the formula solved for the area, the length factor taken at the last estimate.
    const double c = 1e-5 * (static_cast<double>(sk) * 0.9 * 2.78) * wf;
    double D = Suche_Start_mm, F_L = 1;
    for (int i = 0; i < 3; ++i) {
        const double A = std::pow(static_cast<float>(q / (c * F_L)), 0.8f);
        D = std::sqrt(8 * (A + hindernis) / Pi);
        if (!(D >= Suche_Start_mm && D <= Suche_Ende_mm)) break;
        F_L = Laengenfaktor(L, static_cast<float>(D / 2));
    }
    return suche(flaeche_roh, kapazitaet, q, schaetzung_runden(D));
}

int Breite_nach_Bedarf(float q, float L, float wf, float r, float hindernis) {
    auto flaeche_roh = [&](int n) {
        const float B = static_cast<float>(n);
        const float H = r * B;
        return B * H - hindernis;
    };
    auto kapazitaet = [&](int n) {
        const float B = static_cast<float>(n);
        const float H = r * B;
        float A_E = B * H - hindernis;
        if (A_E <= 0) A_E = 1;
        return Kapazitaet_Kasten(A_E, H, B, B, L, wf);
    };
    if (!(wf > 0) || !std::isfinite(wf) || !(r > 0)) return linear(kapazitaet, q);

    const double c = 1e-5 * 3.132 * std::pow(static_cast<double>(r), 0.25) * wf;
    double B = Suche_Start_mm, F_L = 1;
    for (int i = 0; i < 3; ++i) {
        const double A = std::pow(static_cast<float>(q / (c * F_L)), 0.8f);
        B = std::sqrt((A + hindernis) / r);
        if (!(B >= Suche_Start_mm && B <= Suche_Ende_mm)) break;
        F_L = Laengenfaktor(L, static_cast<float>(r * B));
    }
    return suche(flaeche_roh, kapazitaet, q, schaetzung_runden(B));
}

float Verhaeltnis_HB_lesen(const Formular& f) {
    const float r = Einzelwert(f[T::Text1]);
    return r == 0 ? 0.625f : r;
}

namespace {

// The cross-section factors of the standard sizes never change.
struct Standard_vorn {
    std::array<double, 6> halbrund_voll, halbrund_halb;
    std::array<double, 5> kasten;
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
Standardgroesse standard_waehlen(const Tabelle& tabelle, const std::array<double, N>& vorn, float q, float L,
                                 float winkelfaktor) {
    Standardgroesse s{0, 600, 0};
    for (size_t i = 0; i < N; ++i) {
        s.kapazitaet = kapazitaet(vorn[i], L, tabelle[i].W_mm, winkelfaktor);
        if (s.kapazitaet > q) {
            const float zuschnitt = static_cast<float>(tabelle[i].zuschnitt_mm);
            return {zuschnitt, zuschnitt, s.kapazitaet};
        }
    }
    return s;
}

void Eingaben_Innenrinne_sperren(Formular& f) {
    f[V::Rinne_vorgeh_einzel] = true;
    f[V::Frame6] = true;
    f[V::Rinnen_innenliegend] = false;
    f[V::Frame4] = false;
    for (A a : {A::Text30, A::Combo_Diff_Notueberl, A::Label33, A::Label21, A::Command11, A::Option3, A::Option4,
                A::Option5})
        f[a] = false;
}

void Standard_drucken(Bild& bild, std::string_view titel, float zuschnitt, float kapazitaet, const Formular& f) {
    bild.drucken(titel, {true, false});
    bild.drucken("Zuschnitt:  " + Ganzzahltext(Ganzzahl(zuschnitt)));
    bild.drucken("bis max.    " + Muster(kapazitaet, "0.00 l/s", f.dezimaltrenner));
}

}  // namespace

namespace {

// Standard sizes of every loaded segment and of the governing one; false when no segment is loaded.
bool Standardgroessen(Formular& f, bool halb) {
    Traufe_Werte& tw = f.werte.traufe;
    const auto& tabelle = f.werte.Teilstreckentabelle;
    const Standard_vorn& vorn = standard_vorn();
    bool belastet = false;
    Standardgroesse halbrund, kasten;  // of the governing segment
    for (size_t i = 0; i < tabelle.size(); ++i) {
        const Teilstrecke& ts = tabelle[i];
        auto& erg = tw.Ergebnisse_TS[i];
        erg = {};
        if (ts.flaeche_m2 == 0) continue;
        belastet = true;
        const float L = 1000.0f * ts.laenge_m;
        const Standardgroesse h =
            standard_waehlen(Rinnengroesse_Tabelle_halbrund, halb ? vorn.halbrund_halb : vorn.halbrund_voll,
                             ts.abfluss_l_s, L, ts.winkelfaktor);
        const Standardgroesse k =
            standard_waehlen(Rinnengroesse_Tabelle_Kasten, vorn.kasten, ts.abfluss_l_s, L, ts.winkelfaktor);
        erg = {h.zuschnitt, h.schluessel, h.kapazitaet, k.zuschnitt, k.schluessel, k.kapazitaet};
        // the largest sort key governs, the earlier segment on a tie
        if (h.schluessel > halbrund.schluessel) halbrund = h;
        if (k.schluessel > kasten.schluessel) kasten = k;
    }
    tw.Zuschnitt_halbrund = halbrund.zuschnitt;
    tw.Kapazitaet_halbrund = halbrund.kapazitaet;
    tw.Zuschnitt_Kasten = kasten.zuschnitt;
    tw.Kapazitaet_Kasten = kasten.kapazitaet;
    return belastet;
}

// Sizes to measure: the largest over the loaded segments, with the messages of this run.
void Masse_nach_Bedarf(Formular& f, Dialoge& d) {
    Traufe_Werte& tw = f.werte.traufe;
    float Dmax = 0, Bmax = 0;
    float r = Verhaeltnis_HB_lesen(f);
    bool belastet = false, grenze = false;
    tw.x_R = tw.x_K = 0;
    for (const Teilstrecke& ts : f.werte.Teilstreckentabelle) {
        if (ts.flaeche_m2 == 0) continue;
        belastet = true;
        const float L = 1000.0f * ts.laenge_m;
        const int D = Durchmesser_nach_Bedarf(ts.abfluss_l_s, L, ts.winkelfaktor, tw.Schutzkorbfaktor,
                                              f.werte.Hindernisabzug);
        Dmax = std::max(Dmax, static_cast<float>(D));
        tw.x_R = L / (static_cast<float>(D) / 2);

        if (Einzelwert(f[T::Text1]) == 0) f[T::Text1] = Zahlentext(r);
        const int B = Breite_nach_Bedarf(ts.abfluss_l_s, L, ts.winkelfaktor, r, f.werte.Hindernisabzug);
        Bmax = std::max(Bmax, static_cast<float>(B));
        tw.x_K = L / (r * static_cast<float>(B));
        grenze = grenze || D > Suche_Ende_mm || B > Suche_Ende_mm;
    }
    tw.Verhaeltnis_HB = r;
    tw.Durchmesser_nach_Bedarf = Dmax;
    tw.Breite_nach_Bedarf = Bmax;
    tw.Hoehe_nach_Bedarf = r * Bmax;
    tw.Massfehler = belastet && (tw.x_R > 500 || tw.x_K > 500);
    tw.Suchgrenze = grenze;
    if (tw.Massfehler) d.meldung(meldung::Massfehler);
    // A size from the step limit is no design: say so instead of showing it silently.
    if (grenze) d.meldung(meldung::Suchgrenze);
}

void Masse_drucken(Formular& f) {
    const Traufe_Werte& tw = f.werte.traufe;
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

}  // namespace

void Traufe_berechnen(Formular& f, Dialoge& d) {
    Eingaben_Innenrinne_sperren(f);
    Traufe_Werte& tw = f.werte.traufe;
    tw.Label48 = Label48_Text;
    const bool halb = f[S::Check_Schutzkorb];
    tw.Schutzkorbfaktor = halb ? 0.5f : 1.0f;

    const bool belastet = Standardgroessen(f, halb);
    // Nothing to size without a loaded segment, even when a total area is given.
    const bool anzeigen = f.werte.Gesamtflaeche != 0 && belastet;
    for (int n : {3, 4}) f.Picture(n).leeren();
    if (anzeigen) {
        Standard_drucken(f.Picture(3), "runde Rinne", tw.Zuschnitt_halbrund, tw.Kapazitaet_halbrund, f);
        Standard_drucken(f.Picture(4), "Kastenrinne", tw.Zuschnitt_Kasten, tw.Kapazitaet_Kasten, f);
    }
    Masse_nach_Bedarf(f, d);
    for (int n : {1, 2}) f.Picture(n).leeren();
    if (anzeigen) Masse_drucken(f);
}

namespace {

// Both width buttons: the ratio moves by one step and the window recalculates.
void Verhaeltnis_aendern(Formular& f, Dialoge& d, float schritt) {
    float r = Einzelwert(f[T::Text1]);
    if (std::isfinite(r)) {
        if (r == 0) r = 0.625f;
        r += schritt;
        // A ratio of zero or below cannot be sized; the smallest step stays.
        if (r < 0.0025f) {
            d.piepton();
            return;
        }
        f[T::Text1] = Zahlentext(r);
    }
    Pruefen_und_berechnen(f, d);
}

}  // namespace

void Command12_Click(Formular& f, Dialoge& d) { Verhaeltnis_aendern(f, d, 0.005f); }
void Command13_Click(Formular& f, Dialoge& d) { Verhaeltnis_aendern(f, d, -0.005f); }

}  // namespace dkm
