// Internal gutter cross-section as the window shows it: the three result boxes and the sketch.
#include <algorithm>

#include "calc/innen_schritte.h"
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

}  // namespace

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

void Querschnitt_skizzieren(Formular& f, Innen_Werte& w) {
    const Querschnitt* q = w.Notueberlauf_Art == "Notüberlauf_beidseits"     ? &w.beidseits
                           : w.Notueberlauf_Art == "Notüberlauf_eineSeite"   ? &w.eineSeite
                           : w.Notueberlauf_Art == "Notüberlauf_Laengsseite" ? &w.Laengsseite
                                                                             : nullptr;
    Bild& bild = f.Picture(28);
    bild.leeren();
    f[V::Picture28] = true;
    if (!q || !q->berechnet) return;
    w.Auswahl = {q->oben_mm, q->unten_mm, q->Hoehe_mm, q->Wassertiefe_mm, q->Versatz_links_mm};

    Zeichnung& z = bild.zeichnung;
    z.breite = Skizze_breite;
    z.hoehe = Skizze_hoehe;
    const double oben = std::max<double>(w.Auswahl.oben_mm, 1);
    const double Z = w.Auswahl.Hoehe_mm > 0 ? w.Auswahl.Hoehe_mm : 1;
    const double s = std::min((Skizze_breite - 2 * Skizze_rand) / oben, (Skizze_hoehe - 2 * Skizze_rand) / Z);
    const double links = (Skizze_breite - oben * s) / 2, sohle = Skizze_hoehe - Skizze_rand;
    const double rand_oben = sohle - w.Auswahl.Hoehe_mm * s;
    const double unten_links = links + w.Auswahl.Versatz_links_mm * s;
    const double unten_rechts = unten_links + w.Auswahl.unten_mm * s;
    const double oben_rechts = links + w.Auswahl.oben_mm * s;
    z.striche.push_back({links, rand_oben, unten_links, sohle, 2});
    z.striche.push_back({unten_links, sohle, unten_rechts, sohle, 2});
    z.striche.push_back({unten_rechts, sohle, oben_rechts, rand_oben, 2});
    // water surface at the full depth, where it meets the walls
    if (w.Auswahl.Hoehe_mm > 0) {
        const double anteil = w.Auswahl.Wassertiefe_mm / static_cast<double>(w.Auswahl.Hoehe_mm);
        const double y = sohle - w.Auswahl.Wassertiefe_mm * s;
        z.striche.push_back({unten_links + (links - unten_links) * anteil, y,
                             unten_rechts + (oben_rechts - unten_rechts) * anteil, y, 1});
    }
}

}  // namespace dkm
