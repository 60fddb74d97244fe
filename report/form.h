// Where the report goes: the preview or paper, and the numbers that differ
// between the two (font size, tab columns, drawing origins).
#pragma once

#include <string>

#include "model/aussteller.h"

namespace dkm::bericht {

struct Berichtsform {
    bool papier = false;
    int S = 8;             // font size in points (the preview always uses 8)
    float h_mm = 0, v_mm = 0;  // shifts of the paper drawings
    Aussteller aussteller;
    std::string datum;     // "TT.MM.JJJJ"
    bool nachweis = false;  // the calculation record after page 2 ("Rechenweg mitdrucken")
};

// The preview, and paper with the printer settings as read from the file.
Berichtsform Vorschauform(const Aussteller& a, std::string datum);
// Shifts beyond the printer panel's limit are pulled back to it.
Berichtsform Papierform(float schriftgroesse, float h_mm, float v_mm, const Aussteller& a, std::string datum);

// The font size of the printout: below 8 becomes 8, above 12 becomes 12,
// then its integer part (a value that is no number counts as 10).
int Schriftgroesse_klemmen(float s);

// Tab column of report column K: K * B + A, halves to the even neighbour.
int Tabspalte(int K, double B, double A);

struct Ursprung {
    int x, y;
    int segmentbreite;  // the schematic's width of one segment
};
// The schematic's width of one segment, twips: 600 in the preview, 100 per point on paper.
int Segmentbreite(const Berichtsform& form);
// The width of one tab column, twips: a segment spans the 8 report columns of
// its table column, which are 8 tab columns in the preview and 8 * 1.4 on paper
// (75 twips in the preview, 1000 / 11.2 = 89.3 twips at size 10 on paper).
double Tabbreite(const Berichtsform& form);
// Segment schematic of page 1 or 2; cross-section start (y before lines and shift).
Ursprung Schema_Ursprung(const Berichtsform& form, int seite);
Ursprung Querschnitt_Ursprung(const Berichtsform& form);

// Height of a line of the page's body font in twips: the screen's lines are a
// little taller than the printer's, and the drawing origins assume both.
double Zeilenschritt(const Berichtsform& form);

// Today as "TT.MM.JJJJ" (local time).
std::string Heute();
// True for a real date written as "TT.MM.JJJJ".
bool Datum_gueltig(const std::string& datum);

}  // namespace dkm::bericht
