// A picture box as the engine prints into it: lines of styled text, plus
// an optional line drawing. The window paints this; dkm-rechner lists it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dkm {

struct Stil {
    bool fett = false;
    bool unterstrichen = false;
};

struct Stueck {
    std::string text;  // UTF-8
    Stil stil;
};

struct Zeile {
    std::vector<Stueck> stuecke;
    std::string text() const;  // the pieces joined, styles dropped
};

// Drawing in box coordinates (twips from the top left corner).
struct Strich {
    double x1, y1, x2, y2;
    int breite = 1;
};
struct Beschriftung {
    double x, y;
    std::string text;
};
struct Zeichnung {
    double breite = 0, hoehe = 0;  // extent of the box the drawing was scaled for
    std::vector<Strich> striche;
    std::vector<Beschriftung> texte;
    bool leer() const { return striche.empty() && texte.empty(); }
};

inline constexpr uint32_t Farbe_dunkelblau = 0x400000;  // &H400000 (BGR): red 0, green 0, blue 64
inline constexpr uint32_t Farbe_hellgrau = 0xC0C0C0;
inline constexpr uint32_t Farbe_schwarz = 0x000000;

class Bild {
public:
    void leeren();
    // Prints a text; without a line end the next item continues the same line.
    void drucken(std::string_view text, Stil stil = {}, bool zeilenende = true);
    // Moves the print position to text column n (1-based) of the current line.
    void spalte(int n);

    const std::vector<Zeile>& zeilen() const { return zeilen_; }
    std::vector<std::string> texte() const;

    uint32_t vordergrund = Farbe_schwarz;
    Zeichnung zeichnung;

private:
    std::vector<Zeile> zeilen_;
    bool offen_ = false;  // the last line has no line end yet
    Zeile& aktuelle_zeile();
};

// Length of a UTF-8 text in characters.
size_t Zeichenzahl(std::string_view utf8);

}  // namespace dkm
