// The report laid out for its device: every piece of text and every stroke at
// its place in twips, on the A4 sheet (paper and PDF) or in the preview box.
// The font's measures come from the device; everything else is decided here.
#pragma once

#include <string>
#include <vector>

#include "report/seite.h"

namespace dkm::bericht {

// Measures of the report's font in twips at a size in points.
class Schriftmass {
public:
    virtual ~Schriftmass() = default;
    virtual double breite(const std::string& text, double punkt, bool fett) const = 0;
    virtual double oberlaenge(double punkt) const = 0;
    virtual double unterlaenge(double punkt) const = 0;
};

struct Textstueck {
    std::string text;   // UTF-8, as painted (a shortened text ends in "…")
    double x = 0, grundlinie = 0;
    double punkt = 0;   // as painted: the page's size times the common scale
    bool fett = false, unterstrichen = false;
    // The box of the visible characters (blanks at either end left out).
    double links = 0, rechts = 0, oben = 0, unten = 0;
};
struct Strichstueck {
    double x1, y1, x2, y2, staerke;
};
struct Kreisstueck {
    double x, y, r, staerke;
};
struct Satzzeichnung {
    std::vector<Strichstueck> striche;
    std::vector<Kreisstueck> kreise;
};
struct Satzseite {
    std::vector<Textstueck> texte;
    std::vector<Satzzeichnung> zeichnungen;  // as on the report page: the schematic first
};

struct Satz {
    std::vector<Satzseite> seiten;  // as many as the report has
    double breite = 0, hoehe = 0;  // the sheet or the preview box
    double massstab = 1;           // the one factor pages 1 and 2 are printed at
};

inline constexpr double Twips_je_mm = 1440 / 25.4;
// The sheet and what stays free on it.
inline constexpr double A4_breite = 210 * Twips_je_mm, A4_hoehe = 297 * Twips_je_mm;
inline constexpr double Rand_links = 20 * Twips_je_mm;       // filing
inline constexpr double Rand_links_gern = 25 * Twips_je_mm;  // when the lines leave room for it
inline constexpr double Rand = 10 * Twips_je_mm;             // right, top and bottom
// What a glyph may reach beyond its advance on the device: kept off the margins.
inline constexpr double Rand_Sicherheit = 0.3 * Twips_je_mm;
inline constexpr double Briefkopf = 70 * Twips_je_mm;        // page 1 starts below the letterhead
// Extent of the preview box and the room kept free at its right and bottom edge.
inline constexpr int Vorschau_breite = 7800, Vorschau_hoehe = 10000;
inline constexpr double Vorschau_rand = 150;
// Between a drawing and a text line, on every device (a little more than 1 mm).
inline constexpr double Abstand_Zeichnung = 1.1 * Twips_je_mm;
// A line width of 1 is a fine hairline: 15 twips (0.26 mm) at scale 1.
inline constexpr double Strichstaerke = 15;
// A remark wraps onto at most this many lines; the last one ends in "…" when more is left.
inline constexpr int Bemerkung_Zeilen = 4;
// The foot of a printed sheet, below the bottom margin at every scale.
inline constexpr double Fusszeile_Punkt = 7;
inline constexpr double Fusszeile_Grundlinie = 5.5 * Twips_je_mm;  // from the sheet's bottom edge

// Lays out pages 1 and 2 with one scale: 1 while the report's own lines fit the
// sheet (or the box), else the factor that makes the widest or longest fit; the
// record's pages the same way with a scale of their own. On paper every sheet
// gets its foot line.
Satz Setzen(const Bericht& b, const Schriftmass& m);

}  // namespace dkm::bericht
