#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "calc/engine.h"
#include "calc/fallrohr.h"
#include "calc/gesamtmasse.h"
#include "calc/innenrinne.h"
#include "model/feldname.h"
#include "model/meldungen.h"
#include "calc/traufe.h"
#include "model/tabellen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

// Everything the run derives from the inputs, before anything is written.
struct Lasten {
    bool gesamt = false;
    Aufteilung aufteilung;
    std::array<float, 8> L{}, B{}, Z{}, A{}, Q{}, Q100{};
    std::array<float, 4> FA{}, FQ{};
    float Gesamtlaenge = 0, Gesamtflaeche = 0;
    float C = 1, f = 1, r5_5 = 0, r5_100 = 0, Hindernisabzug = 0, Bemessungsspende = 0, Notspende = 0;
    bool r5_5_ersetzt = false, r5_100_ersetzt = false;
};

template <size_t N>
bool endlich(const std::array<float, N>& a) {
    return std::all_of(a.begin(), a.end(), [](float x) { return std::isfinite(x); });
}

// A rainfall value; 0 is replaced by its default, which goes back into the field.
bool Regen_lesen(const std::string& text, float ersatz, float& wert, bool& ersetzt) {
    const double w = Zahl_lesen(text);
    if (!Zahl_gueltig(w)) return false;
    wert = static_cast<float>(w);
    ersetzt = wert == 0;
    if (ersetzt) wert = ersatz;
    return true;
}

// The eaves sizing multiplies further: the ratio by widths up to the search limit,
// and an angle factor from a file the shown standard capacities.
bool Traufe_im_Bereich(const Formular& f, const Lasten& l) {
    const float grenze = static_cast<float>(Suche_Start_mm + Suchgrenze_Schritte);
    if (!std::isfinite(Verhaeltnis_HB_lesen(f) * grenze * grenze)) return false;
    const auto& h = Rinnengroesse_Tabelle_halbrund.back();
    const auto& k = Rinnengroesse_Tabelle_Kasten.back();
    for (size_t j = 0; j < 8; ++j) {
        const float wf = f.Winkelfaktor[j];
        if (l.A[j] == 0 || std::fabs(wf) <= 1) continue;
        const float L = 1000.0f * l.L[j];
        if (!std::isfinite(Kapazitaet_halbrund(h.A_E_mm2, h.W_mm, L, wf, 1)) ||
            !std::isfinite(Kapazitaet_Kasten(k.A_E_mm2, k.W_mm, k.T_mm, k.B_mm, L, wf)))
            return false;
    }
    return true;
}

// The name of the first number the user or a file can give the calculation for which `gilt`
// does not hold; nothing when it holds for all.
template <typename Bedingung>
std::optional<std::string> Erste_Eingabe_ohne(const Formular& f, Bedingung gilt) {
    std::vector<T> felder;
    for (int i = 1; i <= 8; ++i) felder.insert(felder.end(), {Laenge(i), Breite(i), Zusatz_Flaeche(i)});
    felder.insert(felder.end(), {T::r5_5, T::r5_100, T::Text1, T::Text2, T::Text3, T::Text4, T::Text5, T::Text30});
    // in single mode the totals are results, written back by the last run; judging them
    // would lock the window once a sum passed the limit
    if (Ist_gesamt(f)) felder.insert(felder.end(), {T::Text25, T::Text26, T::Text27});
    for (T feld : felder)
        if (!gilt(Zahl_lesen(f[feld]))) return Feldname(feld);
    if (!gilt(f.Hoehenkorrektur)) return std::string("Korrektur der Rinnenhöhe");
    for (int i = 1; i <= 8; ++i)
        if (!gilt(f.Winkelfaktor[static_cast<size_t>(i - 1)])) return "Rinnenwinkel TS " + std::to_string(i);
    return std::nullopt;
}

// False when an input or a product of inputs lies beyond the input limit or the float range.
bool Lasten_rechnen(const Formular& f, Lasten& l) {
    l.gesamt = Ist_gesamt(f);
    if (l.gesamt) {
        l.aufteilung = Aufteilung_rechnen(f);
        const Aufteilung& a = l.aufteilung;
        if (!Aufteilung_im_Bereich(a)) return false;
        for (int i = a.erste_ts; i <= a.letzte_ts; ++i) {
            l.L[static_cast<size_t>(i - 1)] = a.laenge_m;
            l.Z[static_cast<size_t>(i - 1)] = a.flaeche_m2;
        }
        l.A = l.Z;
        l.Gesamtlaenge = a.Gesamtlaenge;
        l.Gesamtflaeche = a.Gesamtflaeche;
    } else {
        for (int i = 1; i <= 8; ++i) {
            const size_t j = static_cast<size_t>(i - 1);
            l.L[j] = Einzelwert(f[Laenge(i)]);
            l.B[j] = Einzelwert(f[Breite(i)]);
            l.Z[j] = Einzelwert(f[Zusatz_Flaeche(i)]);
            l.A[j] = l.B[j] * l.L[j] + l.Z[j];
            l.Gesamtlaenge += l.L[j];
            l.Gesamtflaeche += l.A[j];
        }
    }
    l.C = Abflussbeiwert_nach_Index(f[L::Combo_Abfl_beiwert].index);
    if (!Regen_lesen(f[T::r5_5], 450, l.r5_5, l.r5_5_ersetzt)) return false;
    if (!Regen_lesen(f[T::r5_100], 800, l.r5_100, l.r5_100_ersetzt)) return false;
    l.Hindernisabzug = 2.0f * 100.0f * Einzelwert(f[T::Text5]);
    l.f = Schutzfaktor_nach_Text(f[L::Combo_Schutzfaktor].text).value_or(f.Sicherheitsfaktor);
    l.Bemessungsspende = l.C * l.r5_5 * l.f / 10000.0f;
    l.Notspende = l.f * l.r5_100 / 10000.0f;
    float summe_Q = 0, summe_Q100 = 0;
    for (size_t j = 0; j < 8; ++j) {
        l.Q[j] = l.Bemessungsspende * l.A[j];
        l.Q100[j] = l.Notspende * l.A[j];
        summe_Q += l.Q[j];
        summe_Q100 += l.Q100[j];
        if (!std::isfinite(1000.0f * l.L[j])) return false;  // the sizing works in mm
    }
    for (size_t k = 0; k < 4; ++k) {
        l.FA[k] = l.A[2 * k] + l.A[2 * k + 1];
        l.FQ[k] = l.Q[2 * k] + l.Q[2 * k + 1];
    }
    // The internal gutter also takes the total flows.
    const float gesamt_Q = l.Gesamtflaeche * l.Bemessungsspende, gesamt_Q100 = l.Gesamtflaeche * l.Notspende;
    const std::array<float, 10> einzeln = {l.Gesamtlaenge, l.Gesamtflaeche,    l.Hindernisabzug, l.Bemessungsspende,
                                           l.Notspende,    summe_Q,            summe_Q100,       gesamt_Q,
                                           gesamt_Q100,    l.f};
    if (!endlich(einzeln) || !endlich(l.L) || !endlich(l.B) || !endlich(l.Z) || !endlich(l.A) || !endlich(l.Q) ||
        !endlich(l.Q100) || !endlich(l.FA) || !endlich(l.FQ))
        return false;

    return endlich(f.Winkelfaktor) && (Ist_innenliegend(f) || Traufe_im_Bereich(f, l));
}

struct Anordnung {
    S option;
    int anzahl;
};
// By the first empty length after the first filled one (TS 2..8, 9 when none is empty).
constexpr std::array<Anordnung, 10> Anordnung_ab_TS1 = {{{S::Option6, 0}, {S::Option6, 0}, {S::Option7, 1},
                                                         {S::Option6, 1}, {S::Option7, 2}, {S::Option6, 2},
                                                         {S::Option7, 3}, {S::Option6, 3}, {S::Option7, 4},
                                                         {S::Option6, 4}}};
constexpr std::array<Anordnung, 10> Anordnung_ab_TS2 = {{{S::Option7, 0}, {S::Option7, 0}, {S::Option7, 0},
                                                         {S::Option7, 1}, {S::Option8, 2}, {S::Option7, 2},
                                                         {S::Option8, 3}, {S::Option7, 3}, {S::Option8, 4},
                                                         {S::Option7, 4}}};

void Anordnung_ableiten(Formular& f, const std::array<float, 8>& L) {
    int anzahl = 0;
    if (L[0] != 0 || L[1] != 0) {
        const int erste = L[0] != 0 ? 1 : 2;
        int leer = erste + 1;
        while (leer <= 8 && L[static_cast<size_t>(leer - 1)] != 0) ++leer;
        const Anordnung a = (erste == 1 ? Anordnung_ab_TS1 : Anordnung_ab_TS2)[static_cast<size_t>(leer)];
        f[S::Option6] = f[S::Option7] = f[S::Option8] = false;
        f[a.option] = true;
        anzahl = a.anzahl;
    }
    f.werte.Anzahl_Stutzen = anzahl;
    f[T::Text27] = anzahl == 0 ? std::string() : Zahlentext(static_cast<float>(anzahl));
}

std::string gerundet_oder_leer(float wert) {
    std::string t = Zahlentext_gerundet(wert);
    if (Zahl_lesen(t) == 0) t.clear();
    return t;
}

void Pfeil(Zeichnung& z, double x1, double y1, double x2, double y2) {
    z.striche.push_back({x1, y1, x2, y2, 2});
    const double dx = x2 > x1 ? -80 : x2 < x1 ? 80 : 0;
    const double dy = y2 > y1 ? -80 : y2 < y1 ? 80 : 0;
    // the two barbs of the head, at right angles to each other
    z.striche.push_back({x2, y2, x2 + dx + dy, y2 + dy - dx, 2});
    z.striche.push_back({x2, y2, x2 + dx - dy, y2 + dy + dx, 2});
}

// The strip of segments: each loaded one outlined and labelled, its flow pointing to its outlet.
void Skizze_zeichnen(Formular& f, const std::array<float, 8>& A) {
    Zeichnung& z = f.Picture(37).zeichnung;
    z = {};
    z.breite = 8000;
    z.hoehe = 600;
    z.striche.reserve(56);
    z.texte.reserve(8);
    bool belastet = false;
    for (size_t j = 0; j < 8; ++j) {
        if (A[j] == 0) continue;
        belastet = true;
        const double x0 = 1000.0 * static_cast<double>(j);
        z.striche.push_back({x0 + 50, 200, x0 + 950, 200});
        z.striche.push_back({x0 + 950, 200, x0 + 950, 500});
        z.striche.push_back({x0 + 950, 500, x0 + 50, 500});
        z.striche.push_back({x0 + 50, 500, x0 + 50, 200});
        z.texte.push_back({x0 + 380, 40, "TS " + std::to_string(j + 1)});
        // odd segments drain to the outlet on their right, even ones to the left
        if (j % 2 == 0) Pfeil(z, x0 + 200, 350, x0 + 800, 350);
        else Pfeil(z, x0 + 800, 350, x0 + 200, 350);
    }
    if (belastet) f[V::Picture37] = true;
}

void Fallrohr_Marke(Formular& f, int k, bool belastet) {
    const V marke = static_cast<V>(static_cast<int>(V::Picture43) + k);
    f[marke] = belastet;
    Zeichnung& z = f.Picture(43 + k).zeichnung;
    z = {};
    if (!belastet) return;
    z.breite = 300;
    z.hoehe = 400;
    Pfeil(z, 150, 40, 150, 360);
}

std::string Muster_oder_leer(float wert, bool zeigen, std::string_view muster, const Formular& f) {
    return zeigen ? Muster(wert, muster, f.dezimaltrenner) : std::string();
}

}  // namespace

void Neuberechnung(Formular& f, Dialoge& d) {
    if (const auto feld = Erste_Eingabe_ohne(f, [](double w) { return !Zu_klein(w); })) {
        Rechnung_angehalten(f, d, std::string(meldung::zu_klein.titel),
                            meldung::Eingesetzt(meldung::zu_klein_Feld_Text, *feld));
        return;
    }
    // a tiny value is out of range too, but gets its own message
    if (const auto feld = Erste_Eingabe_ohne(f, [](double w) { return Im_Eingaberahmen(w); })) {
        Rechnung_angehalten(f, d, std::string(meldung::zu_gross.titel),
                            meldung::Eingesetzt(meldung::zu_gross_Feld_Text, *feld));
        return;
    }
    Lasten l;
    if (!Lasten_rechnen(f, l)) {
        Rechnung_angehalten(f, d, meldung::zu_gross);
        return;
    }
    Rechenwerte& w = f.werte;
    f.Ergebnisse_aktuell = true;
    f.Masse_Hinweis.clear();

    f[V::Frame2] = true;
    f[V::Frame8] = false;
    f[A::Command14] = false;
    f[A::Command15] = true;

    if (l.gesamt) {
        Aufteilung_anwenden(f, l.aufteilung);
        if (l.aufteilung.Option8_mit_einem_Ablauf)
            d.meldung(meldung::nicht_passend);
    } else {
        w.Laenge = l.L;
        w.Breite = l.B;
        w.Zusatz_Flaeche = l.Z;
        w.Gesamtlaenge = l.Gesamtlaenge;
        w.Gesamtflaeche = l.Gesamtflaeche;
        f[T::Text25] = gerundet_oder_leer(l.Gesamtlaenge);
        f[T::Text26] = gerundet_oder_leer(l.Gesamtflaeche);
        Anordnung_ableiten(f, l.L);
    }
    w.Einzel_Flaeche = l.A;
    for (int i = 1; i <= 8; ++i) {
        const float a = l.A[static_cast<size_t>(i - 1)];
        f[Einzel_Flaeche(i)] = Muster_oder_leer(a, a != 0, "0.00 m²", f);
    }

    f.Abflussbeiwert = l.C;
    if (l.r5_5_ersetzt) f[T::r5_5] = Zahlentext15(l.r5_5);
    if (l.r5_100_ersetzt) f[T::r5_100] = Zahlentext15(l.r5_100);
    w.r5_5 = l.r5_5;
    w.r5_100 = l.r5_100;
    w.Hindernisabzug = l.Hindernisabzug;
    f.Sicherheitsfaktor = l.f;
    w.Bemessungsspende = l.Bemessungsspende;
    w.Notspende = l.Notspende;
    w.Belast_Teilrinne = l.Q;
    w.Belast_Jahrhundert = l.Q100;
    for (int i = 1; i <= 8; ++i) {
        const size_t j = static_cast<size_t>(i - 1);
        f[Belast_Teilrinne(i)] = Muster_oder_leer(l.Q[j], l.A[j] != 0, "0.00 l/s", f);
    }
    Skizze_zeichnen(f, l.A);

    w.Flaeche_Fallrohr = l.FA;
    w.Belastung_Fallrohr = l.FQ;
    for (int k = 1; k <= 4; ++k) {
        const size_t j = static_cast<size_t>(k - 1);
        const bool belastet = l.A[2 * j] != 0 || l.A[2 * j + 1] != 0;
        f[Flaeche_Fallrohr(k)] = Muster_oder_leer(l.FA[j], l.FA[j] != 0, "0.00 m²", f);
        f[Belastung_Fallrohr(k)] = Muster_oder_leer(l.FQ[j], belastet, "0.00 l/s", f);
        Fallrohr_Marke(f, k - 1, l.FQ[j] != 0);
    }

    for (size_t j = 0; j < 8; ++j)
        w.Teilstreckentabelle[j] = {l.L[j], l.A[j], l.Q[j], l.Q100[j], f.Winkelfaktor[j]};

    if (Ist_innenliegend(f)) {
        Innenrinne_berechnen(f, d);
        return;
    }
    Traufe_berechnen(f, d);
    Fallrohre_waehlen(f);
}

}  // namespace dkm
