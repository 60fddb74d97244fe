#include "model/tabellen.h"

namespace dkm {

// DIN 1986-100 annex A; some entries end in a blank, which belongs to the entry.
const std::array<Ort, 94> Orte = {{
    {"Aachen", 266, 463},
    {"Aschaffenburg", 293, 529},
    {"Augsburg", 352, 684},
    {"Aurich", 277, 506},
    {"Bad Kissingen", 395, 790},
    {"Bad Salzuflen", 339, 630},
    {"Bad Tölz", 444, 767},
    {"Bamberg", 303, 527},
    {"Bayreuth", 346, 644},
    {"Berlin", 331, 582},
    {"Bielefeld", 285, 533},
    {"Bocholt", 255, 432},
    {"Bonn", 285, 533},
    {"Braunschweig", 330, 633},
    {"Bremen", 246, 434},
    {"Bremerhaven", 314, 580},
    {"Chemnitz", 331, 582},
    {"Cottbus", 348, 686},
    {"Cuxhaven", 290, 532},
    {"Dessau", 300, 531},
    {"Dortmund", 339, 630},
    {"Dresden", 333, 630},
    {"Duisburg", 300, 531},
    {"Düsseldorf", 330, 633},
    {"Eisenach", 280, 492},
    {"Emden", 271, 506},
    {"Erfurt", 277, 463},
    {"Erlangen", 330, 633},
    {"Essen", 314, 527},
    {"Frankfurt/Main", 339, 630},
    {"Garmisch- Partenkirchen", 303, 519},
    {"Gera", 336, 627},
    {"Göppingen", 284, 489},
    {"Görlitz", 339, 630},
    {"Göttingen", 333, 630},
    {"Halle/Saale", 300, 531},
    {"Hamburg", 266, 463},
    {"Hamm", 293, 529},
    {"Hanau", 348, 686},
    {"Hannover", 266, 463},
    {"Heidelberg", 328, 586},
    {"Heilbronn", 284, 489},
    {"Helmstedt", 333, 630},
    {"Hildesheim", 280, 492},
    {"Ingolstadt", 303, 527},
    {"Kaiserslautern", 342, 626},
    {"Karlsruhe", 339, 630},
    {"Kassel", 310, 578},
    {"Kiel", 243, 437},
    {"Koblenz", 333, 630},
    {"Köln", 341, 693},
    {"Konstanz", 345, 623},
    {"Leipzig", 365, 682},
    {"Lindau", 356, 642},
    {"Lingen", 357, 681},
    {"Lübeck", 267, 477},
    {"Lüdenscheid", 333, 630},
    {"Magdeburg", 307, 581},
    {"Mainz", 322, 637},
    {"Mannheim", 328, 586},
    {"Minden", 290, 532},
    {"Mönchengladbach", 266, 463},
    {"München", 356, 642},
    {"Münster", 293, 529},
    {"Neubrandenburg", 365, 682},
    {"Neustadt/ Weinstraße", 342, 626},
    {"Nürnberg", 339, 630},
    {"Oberstdorf", 382, 728},
    {"Osnabrück", 340, 649},
    {"Paderborn", 333, 630},
    {"Passau", 345, 623},
    {"Pforzheim", 333, 630},
    {"Pirmasens", 333, 630},
    {"Regensburg", 348, 686},
    {"Rosenheim", 440, 775},
    {"Rostock", 252, 435},
    {"Rüsselsheim", 330, 633},
    {"Saarbrücken", 280, 492},
    {"Schweinfurt", 333, 630},
    {"Schwerin", 280, 492},
    {"Siegen", 325, 634},
    {"Solingen ", 390, 793},
    {"Speyer ", 318, 587},
    {"Stuttgart ", 405, 782},
    {"Trier ", 352, 684},
    {"Ulm ", 293, 529},
    {"Villingen-Schw.", 389, 729},
    {"Willingen/ Upland ", 390, 793},
    {"Wittenberge ", 252, 435},
    {"Wuppertal", 352, 684},
    {"Würzburg ", 386, 795},
    {"Zwickau", 331, 582},
    {"Deutschland gesamt", 450, 800},
    {"Schweiz gesamt", 300, 900},
}};

const std::array<Abflussbeiwert_Eintrag, 5> Abflussbeiwerte = {{
    {"wasserundurchlässig (C=1)", 1.0f},
    {"Kiesdach (C=0.5)", 0.5f},
    {"begrünt-intensiv (C=0.3)", 0.3f},
    {"begr. extensiv >10cm (C=0.3)", 0.3f},
    {"begr.extensiv <10cm (C=0.5)", 0.5f},
}};

const std::array<Schutzfaktor_Eintrag, 4> Schutzfaktoren = {{
    {"kein bes. Schutz (f=1)", 1.0f},
    {"Faktor f = 1.5", 1.5f},
    {"Faktor f = 2", 2.0f},
    {"Faktor f = 3 ", 3.0f},
}};

const std::array<std::string_view, 2> Notueberlauf_Regen_Liste = {"ohne Berechnungsregen", "Jahrhundertregen voll"};

std::string_view ohne_endblanks(std::string_view s) {
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

float Abflussbeiwert_nach_Index(int index) {
    if (index < 0 || index >= static_cast<int>(Abflussbeiwerte.size())) return 1.0f;
    float c = Abflussbeiwerte[static_cast<size_t>(index)].C;
    return c == 0.0f ? 1.0f : c;
}

namespace {
// Entries are compared with trailing blanks ignored: "Faktor f = 3 " ends in one.
template <class Liste>
int Index_nach_Text(const Liste& liste, std::string_view text) {
    for (size_t i = 0; i < liste.size(); ++i)
        if (ohne_endblanks(liste[i].text) == ohne_endblanks(text)) return static_cast<int>(i);
    return -1;
}
}  // namespace

std::optional<float> Schutzfaktor_nach_Text(std::string_view text) {
    const int i = Schutzfaktor_Index(text);
    if (i < 0) return std::nullopt;
    return Schutzfaktoren[static_cast<size_t>(i)].f;
}

int Schutzfaktor_Index(std::string_view text) { return Index_nach_Text(Schutzfaktoren, text); }
int Abflussbeiwert_Index(std::string_view text) { return Index_nach_Text(Abflussbeiwerte, text); }

}  // namespace dkm
