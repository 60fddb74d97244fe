// Internal gutter cross-section: design layer, emergency layers, heights and widths.
#include <algorithm>
#include <cmath>

#include "calc/hydraulik.h"
#include "calc/innen_schritte.h"
#include "model/meldungen.h"

namespace dkm {

namespace {

constexpr float Knoten_X[11] = {0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f};
// Value at the upper end of interval i (X from knot i to i+1) and at its lower end.
constexpr float Faktor_oben[10] = {0.612f, 0.579f, 0.553f, 0.532f, 0.514f, 0.5f, 0.488f, 0.479f, 0.475f, 0.471f};
constexpr float Faktor_unten[10] = {0.65f, 0.621f, 0.579f, 0.553f, 0.532f, 0.514f, 0.5f, 0.488f, 0.479f, 0.475f};

double Bogenmass(float grad) { return static_cast<double>(grad) * Pi / 180; }

float Winkel_pruefen(float grad, Rechenlauf& r, bool& ersetzt, const Meldungstext& meldung) {
    if (grad > 90) {
        r.melden(meldung);
        ersetzt = true;
        return 90;
    }
    if (grad <= 0) {
        ersetzt = true;
        return 90;
    }
    return grad;
}

float Rinnenbreite(Innenlauf& lauf) {
    float b = lauf.e.Rinnenbreite_unten;
    // a negative width can only come from a file; it would cross the walls
    if (b <= 0) {
        b = 300;
        lauf.r.Rinnenbreite_ersetzt = true;
    }
    return b;
}

// Width of the water surface `h` above a level of width `unten`.
float Spiegel(float unten, float h, const Waende& w) {
    return unten + static_cast<float>(h / w.tan_links) + static_cast<float>(h / w.tan_rechts);
}

float Nassflaeche(float unten, float oben, float h, float hindernis) {
    float a = (oben + unten) / 2.0f * h - hindernis;
    return a <= 0 ? 1.0f : a;
}

float Freibord(float W) {
    if (W < 58.33f) return 25;
    if (W <= 175) return 0.3f * W / 0.7f;
    return 75;
}

// Heights and widths of a record whose layer is known; `zusatz` is the height correction.
void Hoehen_ableiten(Querschnitt& q, float h1, float zusatz, float B, const Waende& w) {
    q.berechnet = true;
    q.Wassertiefe_mm = h1 + q.Notstauhoehe_mm + zusatz;
    q.Freibord_mm = Freibord(q.Wassertiefe_mm);
    const float Z = q.Wassertiefe_mm + q.Freibord_mm;
    q.Hoehe_mm = Z;
    q.Versatz_links_mm = static_cast<float>(Z / w.tan_links);
    q.oben_mm = B + q.Versatz_links_mm + static_cast<float>(Z / w.tan_rechts);
    q.unten_mm = B;
    q.Wand_links_mm = static_cast<float>(Z / w.sin_links);
    q.Wand_rechts_mm = static_cast<float>(Z / w.sin_rechts);
    q.Zuschnitt_mm = q.Wand_links_mm + B + q.Wand_rechts_mm;
}

// Emergency layer on top of the governing water surface; `zusatz` raises the overflow.
void Notschicht(Innenlauf& lauf, Querschnitt& q, float zusatz, bool mit_hoehen) {
    Innen_Werte& w = lauf.w;
    const Waende& wand = lauf.waende();
    // without a sized segment there is no water surface to build on
    if (w.Anzahl_TS_belastet == 0) return;
    const float Ts = w.Spiegelbreite, H = lauf.l.Hindernisabzug;
    const float Lf = q.Fliesslaenge_mm, Qe = q.Notabfluss_Schicht_l_s, k = w.Winkelfaktor_Rinne;
    auto kapazitaet = [&](int stufe) {
        const float h2 = static_cast<float>(stufe);
        const float T2 = Spiegel(Ts, h2, wand);
        return Kapazitaet_Innenrinne(Nassflaeche(Ts, T2, h2, H), h2, T2, Ts, Lf, k, false);
    };
    const Tiefe t = Tiefe_bemessen(Qe, kapazitaet, w.Suchgrenze_erreicht);
    const float h2 = static_cast<float>(t.mm);
    q.Notstauhoehe_mm = h2;
    q.Kapazitaet_l_s = t.Kapazitaet_l_s;
    q.Kapazitaet_darunter_l_s = t.Kapazitaet_darunter_l_s;
    q.Spiegelbreite_oben_mm = Spiegel(Ts, h2, wand);
    float T_oben = q.Spiegelbreite_oben_mm;
    if (zusatz != 0)
        T_oben = T_oben + static_cast<float>(zusatz / wand.sin_links) + static_cast<float>(zusatz / wand.sin_rechts);
    q.Druck_mm = (h2 + zusatz) * Druckhoehenfaktor(Ts / T_oben);
    if (mit_hoehen) Hoehen_ableiten(q, w.Bemessungstiefe, zusatz, w.Rinnenbreite_unten_mm, wand);
}

}  // namespace

float Druckhoehenfaktor(float X) {
    if (!(X > 0)) return Faktor_unten[0];
    if (X >= 1) return Faktor_oben[9];
    int i = 0;
    // the first interval is closed at both ends, every later one open below
    while (i < 9 && X > Knoten_X[i + 1]) ++i;
    const float x0 = Knoten_X[i], x1 = Knoten_X[i + 1];
    return Faktor_unten[i] + (Faktor_oben[i] - Faktor_unten[i]) * (X - x0) / (x1 - x0);
}

float Kapazitaet_Innenrinne(float A, float h, float T, float Bu, float Lf, float k, bool x_runden) {
    const double X = static_cast<double>(Bu) / T;
    const double Fd = std::pow(static_cast<double>(h) / T, 0.25);
    const double Fs = 0.89 + 0.21 * X - 0.1 * X * X;
    double x = static_cast<double>(Lf) / h;
    if (x_runden) x = static_cast<float>(x);
    const double FL = x > 50 ? Langrinnenfaktor(x, x_runden) : 1.0;
    return static_cast<float>(0.9 * 3.89e-5 * std::pow(static_cast<double>(A), 1.25) * Fd * Fs * FL * k);
}

const Waende& Innenlauf::waende() {
    if (waende_) return *waende_;
    Waende& w = waende_.emplace();
    w.links_grad = Winkel_pruefen(e.Winkel_links, r, r.Winkel_links_ersetzt, meldung::Winkel_links);
    w.rechts_grad = Winkel_pruefen(e.Winkel_rechts, r, r.Winkel_rechts_ersetzt, meldung::Winkel_rechts);
    w.tan_links = std::tan(Bogenmass(w.links_grad));
    w.tan_rechts = std::tan(Bogenmass(w.rechts_grad));
    w.sin_links = std::sin(Bogenmass(w.links_grad));
    w.sin_rechts = std::sin(Bogenmass(w.rechts_grad));
    return w;
}

void Bemessungsschicht(Innenlauf& lauf) {
    Innen_Werte& w = lauf.w;
    const float H = lauf.l.Hindernisabzug;
    int i = 1;
    for (; i <= 8; ++i) {
        const Teilstrecke& ts = lauf.l.Teilstreckentabelle[static_cast<size_t>(i - 1)];
        const float L = 1000.0f * ts.laenge_m;
        if (ts.flaeche_m2 == 0) {
            if (i == 1) {
                w.Positionsversatz = 1;
                continue;
            }
            break;
        }
        const float B = Rinnenbreite(lauf);
        const Waende& wand = lauf.waende();
        w.Rinnenbreite_unten_mm = B;
        w.Winkel_links = wand.links_grad;
        w.Winkel_rechts = wand.rechts_grad;
        auto kapazitaet = [&](int stufe) {
            const float h = static_cast<float>(stufe);
            const float T = Spiegel(B, h, wand);
            return Kapazitaet_Innenrinne(Nassflaeche(B, T, h, H), h, T, B, L, ts.winkelfaktor, true);
        };
        const Tiefe t = Tiefe_bemessen(ts.abfluss_l_s, kapazitaet, w.Suchgrenze_erreicht);
        const float h = static_cast<float>(t.mm);
        const float T = Spiegel(B, h, wand);
        const size_t p = static_cast<size_t>(i - w.Positionsversatz - 1);
        w.Wassertiefe_TS[p] = h;
        w.Druckhoehe_TS[p] = h * Druckhoehenfaktor(B / T);
        w.Spiegelbreite_TS[p] = T;
        w.Kapazitaet_TS[p] = t.Kapazitaet_l_s;
        w.Kapazitaet_darunter_TS[p] = t.Kapazitaet_darunter_l_s;
        if (h > w.Bemessungstiefe) {
            w.Bemessungstiefe = h;
            w.Position_massgebend = static_cast<int>(p) + 1;
            w.Spiegelbreite = T;
            w.massgebend_Flaeche_m2 = ts.flaeche_m2;
            w.massgebend_Abfluss_l_s = ts.abfluss_l_s;
            w.massgebend_Jahrhundert_l_s = ts.abfluss_jahrhundert_l_s;
            w.massgebend_Winkelfaktor = ts.winkelfaktor;
            w.massgebend_Laenge_mm = L;
        }
    }
    w.Anzahl_TS_belastet = (i - 1) - w.Positionsversatz;
}

bool Anzahl_Notueberlaeufe_lesen(Innenlauf& lauf) {
    Innen_Werte& w = lauf.w;
    const double gelesen = lauf.e.Anzahl_Notueberlaeufe;
    const double n = std::isfinite(gelesen) ? std::nearbyint(gelesen) : gelesen;
    if (n < 1) {
        w.Anzahl_Notueberlaeufe = 1;
        lauf.r.Notueberlaeufe_ersetzt = true;
        return true;
    }
    // 2N is a 16-bit count
    if (!(n <= 16383)) {
        lauf.r.anhalten(Rechenlauf::Stand::Lasten, meldung::Notueberlaeufe);
        return false;
    }
    w.Anzahl_Notueberlaeufe = static_cast<int>(n);
    return true;
}

void Notschichten(Innenlauf& lauf) {
    Innen_Werte& w = lauf.w;
    const Lasten& r = lauf.l;
    w.Gesamtlaenge_m = r.Gesamtlaenge;
    if (lauf.e.Eingabe_Art == Masseingabe::gesamt) {
        w.Summe_Abfluss_l_s = r.Gesamtflaeche * r.Bemessungsspende;
        w.Summe_Jahrhundert_l_s = r.Gesamtflaeche * r.Notspende;
    } else {
        for (size_t i = 0; i < 8; ++i) {
            w.Summe_Abfluss_l_s = w.Summe_Abfluss_l_s + r.Belast_Teilrinne[i];
            w.Summe_Jahrhundert_l_s = w.Summe_Jahrhundert_l_s + r.Belast_Jahrhundert[i];
        }
    }
    const float D = lauf.e.Notueberlauf_Regen == Notregen::voll ? w.Summe_Jahrhundert_l_s
                                                    : w.Summe_Jahrhundert_l_s - w.Summe_Abfluss_l_s;
    w.Notabfluss_gesamt_l_s = D;
    float winkel = 0;
    for (const Teilstrecke& ts : r.Teilstreckentabelle) winkel = winkel + ts.winkelfaktor;
    w.Winkelfaktor_Rinne = winkel < 8 ? 0.85f : 1.0f;
    // the correction can only raise the gutter
    lauf.r.Hoehenkorrektur_ersetzt = !(lauf.e.Hoehenkorrektur >= 0);
    w.Hoehenkorrektur_mm = lauf.r.Hoehenkorrektur_ersetzt ? 0 : lauf.e.Hoehenkorrektur;

    const float L = 1000.0f * w.Gesamtlaenge_m;
    const float zwei_N = static_cast<float>(2 * w.Anzahl_Notueberlaeufe);
    w.beidseits.Fliesslaenge_mm = 0.5f * L;
    w.beidseits.Notabfluss_Schicht_l_s = w.beidseits.Notabfluss_l_s = 0.5f * D;
    w.eineSeite.Fliesslaenge_mm = L;
    w.eineSeite.Notabfluss_Schicht_l_s = w.eineSeite.Notabfluss_l_s = D;
    w.Laengsseite.Fliesslaenge_mm = L / zwei_N;
    w.Laengsseite.Notabfluss_Schicht_l_s = D / zwei_N;
    w.Laengsseite.Notabfluss_l_s = D / static_cast<float>(w.Anzahl_Notueberlaeufe);

    const bool mit_hoehen = r.Gesamtflaeche != 0 && w.Anzahl_TS_belastet > 0;
    Notschicht(lauf, w.beidseits, 0, mit_hoehen);
    Notschicht(lauf, w.eineSeite, 0, mit_hoehen);
    Notschicht(lauf, w.Laengsseite, w.Hoehenkorrektur_mm, mit_hoehen);
}

}  // namespace dkm
