// The report as pages of text lines and drawings, independent of the device
// that shows it: the preview, the printer, the PDF file and dkm-rechner.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace dkm::bericht {

// What a user's text does where it would pass the right margin: the report's
// own texts are laid out to fit; a one-line field is shortened with "…"; a
// remark wraps onto lines of its own below its start.
enum class Ueberlang { fest, kuerzen, umbrechen };

// One item of a line: at report column `spalte` (1-based), or, with 0, right
// after the previous item.
struct Eintrag {
    std::string text;  // UTF-8
    int spalte = 0;
    bool fett = false;
    bool unterstrichen = false;
    Ueberlang lang = Ueberlang::fest;
};

struct Zeile {
    std::vector<Eintrag> eintraege;
    int groesse = 0;  // font size step over the page's font size
};

// Drawing coordinates in twips from the drawing's origin.
struct Strich {
    int x1, y1, x2, y2;
    int breite = 1;
};
struct Kreis {
    int x, y, r;
};

struct Zeichnung {
    int x = 0, y = 0;  // origin on the page, twips
    // The origin moves down by this many lines written above it; a step of 0
    // means the line height of the page font (paper), otherwise twips.
    int zusatzzeilen = 0;
    int zeilenschritt = 0;
    // The drawing stands in the room above this line (0-based): lines the
    // layout adds before it (a wrapped remark) move it down with them.
    size_t ueber_zeile = 0;
    // The drawing may be made smaller to fit the room between its lines.
    bool einpassen = false;
    std::vector<Strich> striche;
    std::vector<Kreis> kreise;
};

struct Seite {
    std::vector<Zeile> zeilen;
    std::vector<Zeichnung> zeichnungen;
    // A page of the calculation record: laid out from the top margin at a scale of its own,
    // so that it never changes pages 1 and 2.
    bool nachweis = false;
};

// What every printed page carries at its foot and the PDF file in its properties.
struct Dokument {
    std::string programm;    // name and version
    std::string aussteller;  // the issuer's firm
    std::string titel;       // client and place, or the file name
    std::string thema = "Bemessung der Dachentwässerung";
};

struct Bericht {
    // Pages 1 and 2, then the record's pages when it is printed.
    std::vector<Seite> seiten = std::vector<Seite>(2);
    Dokument dokument;
    bool papier = false;
    int schriftgroesse = 8;  // points
    // Report column K is written at tab column K * spaltenfaktor + spaltenversatz.
    double spaltenfaktor = 1;
    double spaltenversatz = 0;
    // Width of one tab column at the page's font size, twips: one segment of the
    // schematic spans the 8 report columns of its table column.
    double tabbreite = 75;
    // Line step in twips per point of font size (see Zeilenschritt).
    double zeilenschritt_je_punkt = 24;
};

}  // namespace dkm::bericht
