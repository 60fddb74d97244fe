// The internal gutter as the window shows it: its panels and controls, the three cross-sections
// with the sketch, the emergency overflows and the outlets.
#include <algorithm>
#include <utility>

#include "bedienung/anzeige.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

constexpr Stil normal{}, fett{true, false}, unterstrichen{false, true};

void Querschnitt_box(Bild& b, std::string_view titel, const Querschnitt& q, float h1, float h2_gezeigt,
                     std::string_view sep) {
    b.leeren();
    b.drucken(titel, unterstrichen);
    b.drucken("oben: " + Muster(q.oben_mm, "0 mm", sep), fett);
    b.drucken("                " + Muster(q.Freibord_mm, "0 mm", sep), normal);
    b.drucken("Höhe: " + Muster(q.Hoehe_mm, "0 mm", sep), fett);
    b.drucken(Muster(h1, "0", sep) + " + " + Muster(h2_gezeigt, "0", sep) + " = " +
                  Muster(q.Wassertiefe_mm, "0 mm", sep),
              normal);
    b.drucken("unten: " + Muster(q.unten_mm, "0 mm", sep), fett);
    b.drucken(Muster(q.Wand_links_mm, "0", sep) + "+" + Muster(q.unten_mm, "0", sep) + "+" +
                  Muster(q.Wand_rechts_mm, "0", sep) + "=" + Muster(q.Zuschnitt_mm, "0", sep),
              unterstrichen);
}

// Sketch box in twips; the section is scaled evenly to fit inside the margin.
constexpr double Skizze_breite = 2400, Skizze_hoehe = 1500, Skizze_rand = 150;

void Querschnitte_drucken(Formular& f, const Innen_Werte& w) {
    struct Box {
        int bild;
        V sicht;
        std::string_view titel;
        const Querschnitt& q;
        float h2_gezeigt;
    };
    const Box boxen[] = {
        {27, V::Picture27, "zwei Stirnseiten", w.beidseits, w.beidseits.Notstauhoehe_mm},
        {26, V::Picture26, "eine Stirnseite", w.eineSeite, w.eineSeite.Notstauhoehe_mm},
        {25, V::Picture25, "Längsseite", w.Laengsseite, w.Laengsseite.Notstauhoehe_mm + w.Hoehenkorrektur_mm},
    };
    for (const Box& b : boxen) {
        if (!b.q.berechnet) {
            f.Picture(b.bild).leeren();
            continue;
        }
        f[b.sicht] = true;
        Querschnitt_box(f.Picture(b.bild), b.titel, b.q, w.Bemessungstiefe, b.h2_gezeigt, f.dezimaltrenner);
    }
}

void Querschnitt_skizzieren(Formular& f, const Innen_Werte& w) {
    const Querschnitt* q = w.Gewaehlt();
    Bild& bild = f.Picture(28);
    bild.leeren();
    f[V::Picture28] = true;
    if (!q || !q->berechnet) return;

    Zeichnung& z = bild.zeichnung;
    z.breite = Skizze_breite;
    z.hoehe = Skizze_hoehe;
    const double oben = std::max<double>(q->oben_mm, 1);
    const double Z = q->Hoehe_mm > 0 ? q->Hoehe_mm : 1;
    const double s = std::min((Skizze_breite - 2 * Skizze_rand) / oben, (Skizze_hoehe - 2 * Skizze_rand) / Z);
    const double links = (Skizze_breite - oben * s) / 2, sohle = Skizze_hoehe - Skizze_rand;
    const double rand_oben = sohle - q->Hoehe_mm * s;
    const double unten_links = links + q->Versatz_links_mm * s;
    const double unten_rechts = unten_links + q->unten_mm * s;
    const double oben_rechts = links + q->oben_mm * s;
    z.striche.push_back({links, rand_oben, unten_links, sohle, 2});
    z.striche.push_back({unten_links, sohle, unten_rechts, sohle, 2});
    z.striche.push_back({unten_rechts, sohle, oben_rechts, rand_oben, 2});
    // water surface at the full depth, where it meets the walls
    if (q->Hoehe_mm > 0) {
        const double anteil = q->Wassertiefe_mm / static_cast<double>(q->Hoehe_mm);
        const double y = sohle - q->Wassertiefe_mm * s;
        z.striche.push_back({unten_links + (links - unten_links) * anteil, y,
                             unten_rechts + (oben_rechts - unten_rechts) * anteil, y, 1});
    }
}

// The boxes of the outlets there are, and where the overflow box goes below them.
void Ablaufboxen_anordnen(Formular& f, const Innen_Werte& w) {
    static constexpr int Bild_top[] = {3000, 5520, 8040, 10200};
    f.Notueberlauf_Box_top = Bild_top[std::clamp(w.Anzahl_Ablaeufe, 1, 4) - 1];
    f[V::Picture29] = true;
    f[V::Picture30] = w.Anzahl_Ablaeufe >= 2;
    f[V::Picture31] = w.Anzahl_Ablaeufe >= 3;
    f[V::Picture32] = w.Anzahl_Ablaeufe >= 4;
}

void Notueberlauf_drucken(Formular& f, const Innen_Werte& w) {
    const std::string& sep = f.dezimaltrenner;
    // the live boxes of the correction belong to the long side only; no other arrangement keeps their values
    f[T::Text31].clear();
    f[T::Text32].clear();
    if (w.Art == Notueberlauf::beidseits || w.Art == Notueberlauf::eineSeite) {
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
    if (w.Art != Notueberlauf::Laengsseite) return;
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
    b.drucken(Durchmesser_Text(w.rund));
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

void Ablaeufe_drucken(Formular& f, const Innen_Werte& w, const Lasten& l) {
    const std::string& sep = f.dezimaltrenner;
    for (int k = 1; k <= 4; ++k) {
        const Innen_Ablauf& a = w.Ablauf[static_cast<size_t>(k - 1)];
        const float Q = l.Belastung_Fallrohr[static_cast<size_t>(k - 1)];
        Bild& b = f.Picture(28 + k);
        b.leeren();
        if (Q > 0) {
            b.drucken("Fallrohr " + std::to_string(k) + ":", unterstrichen, false);
            b.drucken(a.Fallrohr_mm ? "  D = " + Ganzzahltext(*a.Fallrohr_mm) : "  D > 300 ");
        }
        b.drucken("Rinnenauslass:", unterstrichen);
        b.drucken("verf. Druck: " + Muster(a.Druck_mm, "0 mm", sep));
        b.drucken("Trichtermaße:", unterstrichen);
        if (!a.rund_moeglich)
            b.drucken("rund nicht mögl. (" + Muster(a.Trichter_rund_mm, "0", sep) + ")");
        else
            b.drucken((k == 1 ? "D oben = H = " : "D oben = H =") + Muster(a.Trichter_rund_mm, "0 mm", sep));
        if (!a.eckig_moeglich)
            b.drucken("eckig nicht möglich");
        else
            b.drucken("L=H=" + Muster(a.Trichter_L_mm, "0", sep) + ", T=" + Muster(a.Trichter_T_mm, "0 mm", sep));
        b.drucken("Rinnenkasten", unterstrichen, false);
        b.drucken(" möglich");
    }
    f[V::Label6] = w.Fallrohr_unter_75;
}

// Nothing left to show below the cross-section: no box keeps a stale result.
void Folgeergebnisse_leeren(Formular& f) {
    for (int n : {28, 29, 30, 31, 32, 34, 35}) f.Picture(n).leeren();
    f[T::Text31].clear();
    f[T::Text32].clear();
    f[V::Label6] = false;
}

}  // namespace

std::string Durchmesser_Text(const Rundueberlauf& r) {
    switch (r.art) {
    case Rundueberlauf::Art::zu_gross: return "Durchmesser    (>300 mm)";
    case Rundueberlauf::Art::fest: return "Durchmesser:    " + Ganzzahltext(static_cast<long long>(r.Durchmesser_mm)) + " mm";
    case Rundueberlauf::Art::berechnet: return "Durchmesser : " + Zahlentext(r.Durchmesser_mm) + " mm";
    case Rundueberlauf::Art::keiner: break;
    }
    return {};
}

void Innenrinne_einrichten(Formular& f) {
    f[V::Rinne_vorgeh_einzel] = false;
    f[V::Frame6] = false;
    for (V v : {V::Rinnen_innenliegend, V::Frame4, V::Label33, V::Label21}) f[v] = true;
    for (A a : {A::Option3, A::Option4, A::Option5, A::Combo_Diff_Notueberl, A::Label21, A::Label33}) f[a] = true;
    f[A::Text30] = f[S::Option5];
    // the open correction panel keeps its button until it closes
    f[A::Command11] = f[S::Option5] && f.aktiver_Modus != Modus::Korrektur;
    f.Picture(27).vordergrund = f[S::Option3] ? Farbe_dunkelblau : Farbe_hellgrau;
    f.Picture(26).vordergrund = f[S::Option4] ? Farbe_dunkelblau : Farbe_hellgrau;
    f.Picture(25).vordergrund = f[S::Option5] ? Farbe_dunkelblau : Farbe_hellgrau;
}

void Innenrinne_zeigen(Formular& f, const Innen_Werte& w, const Lasten& l) {
    Querschnitte_drucken(f, w);
    if (!w.Ablaeufe_bemessen) return Folgeergebnisse_leeren(f);
    Querschnitt_skizzieren(f, w);
    Ablaufboxen_anordnen(f, w);
    Notueberlauf_drucken(f, w);
    Ablaeufe_drucken(f, w, l);
}

}  // namespace dkm
