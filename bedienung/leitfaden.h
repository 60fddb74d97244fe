// The guide ("Leitfaden"): a step-by-step walk through the input fields, with
// its steps as one table and the start, next and back commands.
#pragma once

#include <string_view>
#include <vector>

#include "model/bild.h"
#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

// Which projects a step applies to.
enum class Leitfaden_Bedingung { immer, innenliegend, laengsseite, einzel, gesamt };

// One piece of a text line: it starts at character column `spalte` (1-based).
struct Leitfaden_Teil {
    int spalte;
    std::string_view text;
    Stil stil;
};
// A line with no piece is an empty line without the tab.
using Leitfaden_Zeile = std::vector<Leitfaden_Teil>;

struct Leitfaden_Schritt_Daten {
    std::string_view key;
    Leitfaden_Bedingung bedingung;
    std::vector<std::string_view> felder;  // painted in Markierungsgelb
    std::string_view fokus;                // empty: the focus stays
    std::vector<Leitfaden_Zeile> text;
};

// The 22 steps in their fixed order.
const std::vector<Leitfaden_Schritt_Daten>& Leitfaden_Schritte();
// The step with `key`, or null.
const Leitfaden_Schritt_Daten* Leitfaden_Schritt_suchen(std::string_view key);
bool Leitfaden_Bedingung_erfuellt(const Formular& f, Leitfaden_Bedingung b);
// What the guide box shows at the start and for a step.
Bild Leitfaden_Einleitung();
Bild Leitfaden_Text(const Leitfaden_Schritt_Daten& s);

inline constexpr std::string_view Leitfaden_Ende = "beenden";
inline constexpr int Leitfaden_Verlauf_Plaetze = 25;

// "Leitfaden starten": refused during the height correction, takes over the preview's box.
void Leitfaden_starten(Formular& f, Dialoge& d);
// "Leitfaden weiter" (Leitfaden_Schritt_zeigen): the next step that applies, or the end.
void Leitfaden_weiter(Formular& f, Dialoge& d);
// "Leitfaden zurück": the step shown before, without recording it again.
void Leitfaden_zurueck(Formular& f, Dialoge& d);
// Normal colours for every field and the input panel in place of the project data.
void Markierung_zuruecksetzen(Formular& f);
// The guide's part of Modus_beenden.
void Leitfaden_beenden(Formular& f, Dialoge& d);

}  // namespace dkm
