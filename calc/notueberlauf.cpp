// Emergency overflows of an internal gutter: head pieces at the ends, or openings in the long side.
#include <cmath>
#include <limits>
#include <utility>

#include "calc/innen_schritte.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

constexpr Stil normal{}, unterstrichen{false, true};

// Rows of the round overflow, from the largest flow per head down.
struct Rundzeile {
    float x_ab;  // row applies above this x (l/s per mm²)
    std::string_view klein;  // text while the head is below the threshold
    float schwelle, zuschlag;
    bool runden;
};
constexpr Rundzeile Rundzeilen[] = {
    {0.00082f, "Durchmesser:    300 mm", 280, 20, false},
    {0.000675f, "Durchmesser:    250 mm", 235, 15, false},
    {0.000579f, "Durchmesser:    200 mm", 185, 15, true},
    {0.0004938f, "Durchmesser:    150 mm", 140, 10, true},
    {-std::numeric_limits<float>::infinity(), "Durchmesser:    100 mm", 90, 10, true},
};

struct Anordnung {
    int Bild_top;
    int Ablaeufe;
};

}  // namespace

std::string Durchmesser_Text(float Q_o, float h_v) {
    const float x = static_cast<float>(static_cast<double>(Q_o) / (static_cast<double>(h_v) * h_v));
    if (x > 0.0009157f) return "Durchmesser    (>300 mm)";
    for (const Rundzeile& z : Rundzeilen) {
        if (!(x > z.x_ab)) continue;
        if (h_v < z.schwelle) return std::string(z.klein);
        float d = h_v + z.zuschlag;
        if (z.runden) d = static_cast<float>(std::floor(static_cast<double>(d) + 0.5));
        return "Durchmesser : " + Zahlentext(d) + " mm";
    }
    return {};
}

void Ablaufboxen_anordnen(Formular& f, Innen_Werte& w) {
    int k = 2;
    while (k <= 8 && f.werte.Teilstreckentabelle[static_cast<size_t>(k - 1)].laenge_m != 0) ++k;
    // the first empty segment from TS 2 on tells the number of outlets
    static constexpr Anordnung nach_k[] = {{3000, 1}, {3000, 1}, {5520, 2}, {5520, 2},
                                           {8040, 3}, {8040, 3}, {10200, 4}, {10200, 4}};
    const Anordnung a = nach_k[k - 2];
    w.Anzahl_Ablaeufe = a.Ablaeufe;
    f.Notueberlauf_Box_top = a.Bild_top;
    f[V::Picture29] = true;
    f[V::Picture30] = a.Ablaeufe >= 2;
    f[V::Picture31] = a.Ablaeufe >= 3;
    f[V::Picture32] = a.Ablaeufe >= 4;
}

void Notueberlauf_berechnen(const Formular& f, Innen_Werte& w) {
    w.Notueberlauf_Art = f[S::Option3]   ? "Notüberlauf_beidseits"
                         : f[S::Option4] ? "Notüberlauf_eineSeite"
                         : f[S::Option5] ? "Notüberlauf_Laengsseite"
                                         : "";
    const Querschnitt* q = f[S::Option3] ? &w.beidseits : f[S::Option4] ? &w.eineSeite
                           : f[S::Option5] ? &w.Laengsseite : nullptr;
    if (!q) return;
    w.Montagehoehe_mm = w.Bemessungstiefe;
    w.Notabfluss_l_s = q->Notabfluss_l_s;
    w.Notdruck_mm = q->Druck_mm;
    if (q != &w.Laengsseite) return;
    const double h_v = w.Notdruck_mm;
    w.Oeffnung_Breite_mm = static_cast<float>(24000 * static_cast<double>(w.Notabfluss_l_s) / std::pow(h_v, 1.5));
    w.Oeffnung_Hoehe_mm = w.Laengsseite.Notstauhoehe_mm + w.Hoehenkorrektur_mm;
    w.Durchmesser_Text = Durchmesser_Text(w.Notabfluss_l_s, w.Notdruck_mm);
}

void Notueberlauf_drucken(Formular& f, const Innen_Werte& w) {
    const std::string& sep = f.dezimaltrenner;
    // the live boxes of the correction belong to the long side only; no other arrangement keeps their values
    f[T::Text31].clear();
    f[T::Text32].clear();
    if (w.Notueberlauf_Art == "Notüberlauf_beidseits" || w.Notueberlauf_Art == "Notüberlauf_eineSeite") {
        f[V::Picture34] = true;
        f[V::Picture35] = false;
        f.Picture(35).leeren();
        Bild& b = f.Picture(34);
        b.leeren();
        b.drucken("Höhe der Kopfstücke", unterstrichen);
        b.drucken("(bzw. Montagehöhe");
        b.drucken("des Notüberlaufs):");
        b.drucken(Muster(w.Montagehoehe_mm, "0 mm", sep));
        b.drucken("Notabfluss: " + Muster(w.Notabfluss_l_s, "0.0 l/s", sep));
        b.drucken("verfügbarer Druck:");
        b.drucken(Muster(w.Notdruck_mm, "0 mm", sep));
        return;
    }
    if (w.Notueberlauf_Art != "Notüberlauf_Laengsseite") return;
    f[V::Picture34] = false;
    f.Picture(34).leeren();
    f[V::Picture35] = true;
    Bild& b = f.Picture(35);
    b.leeren();
    b.drucken("Notüberläufe: (", unterstrichen, false);
    b.spalte(15);
    b.drucken(Muster(static_cast<float>(w.Anzahl_Notueberlaeufe), "0 Stück", sep), unterstrichen, false);
    b.drucken(")", unterstrichen);
    b.drucken("Breite/Höhe:", normal, false);
    b.spalte(14);
    b.drucken(Muster(w.Oeffnung_Breite_mm, "0", sep) + "/" + Muster(w.Oeffnung_Hoehe_mm, "0 mm", sep));
    b.drucken(w.Durchmesser_Text);
    const std::pair<std::string_view, std::string> zeilen[] = {
        {"Notabfluss:", Muster(w.Notabfluss_l_s, "0.0 l/s", sep)},
        {"verfügb. Druck:", Muster(w.Notdruck_mm, "0 mm", sep)},
        {"Montagehöhe:", Muster(w.Montagehoehe_mm, "0 mm", sep)},
    };
    for (const auto& [text, wert] : zeilen) {
        b.drucken(text, normal, false);
        b.spalte(17);
        b.drucken(wert);
    }
    const float korrektur = w.Hoehenkorrektur_mm;
    if (korrektur != 0) b.drucken("(Rinnenhöhe +" + Muster(korrektur, "0 mm", sep) + ")");

    f[T::Text31] = Muster(w.Laengsseite.Hoehe_mm, "0 mm", sep);
    if (korrektur != 0) f[T::Text31] += " (+" + Muster(korrektur, "0", sep) + ")";
    f[T::Text32] = Muster(w.Oeffnung_Breite_mm, "0 mm", sep);
}

}  // namespace dkm
