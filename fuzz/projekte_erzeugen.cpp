// Writes valid project files of every kind (both gutters, both input modes,
// every list entry, some re-saved as UTF-8) as a start for the project fuzzers.
#include <array>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <string>

#include "files/kodierung.h"
#include "files/projektdatei.h"
#include "model/tabellen.h"

namespace {

using namespace dkm;

template <typename Liste>
auto Eins_von(std::mt19937& z, const Liste& l) {
    return l[std::uniform_int_distribution<size_t>(0, l.size() - 1)(z)];
}

Projektdaten Projekt(std::mt19937& z) {
    auto wert = [&z](float bis) { return std::uniform_int_distribution<int>(0, static_cast<int>(bis * 4))(z) / 4.0f; };
    auto ja = [&z] { return std::bernoulli_distribution(0.5)(z); };
    const std::array<std::string, 4> namen = {"Müller", "Bäckerei Groß", "", "Hof, Saale"};
    Projektdaten p;
    p.Bauherr = Eins_von(z, namen);
    p.strasse = "Straße " + std::to_string(z() % 100);
    p.Bemerkungen = ja() ? "Dach „Nord“ – 2. BA" : "";
    p.Combo_Wahl_Regensp = std::string(Orte[z() % Orte.size()].name);
    p.r5_5 = wert(600);
    p.r5_100 = wert(1000);
    const size_t c = z() % Abflussbeiwerte.size();
    p.Combo_Abfl_beiwert = std::string(Abflussbeiwerte[c].text);
    p.Index_Abfl_beiwert = static_cast<int>(c);
    const size_t belegt = z() % 9;
    for (size_t i = 0; i < belegt; ++i) {
        p.Laenge[i] = wert(30);
        p.Breite[i] = wert(15);
        p.Zusatz_Flaeche[i] = ja() ? wert(20) : 0;
        p.Winkelfaktor[i] = ja() ? 0.85f : 1;
    }
    p.Verhaeltnis_HB = ja() ? wert(1) : 0;
    p.Rinnenart = ja() ? "innenliegend" : "vorgehaengt";
    p.Combo_Schutzfaktor = std::string(Eins_von(z, Schutzfaktoren).text);
    p.Hindernis_Rinne = ja() ? wert(50) : 0;
    p.Rinnenbreite_unten = wert(500);
    p.Winkel_links = wert(90);
    p.Winkel_rechts = wert(90);
    p.Notueberlauf_Art = std::string(Eins_von(z, Notueberlauf_Optionen).text);
    p.Check_Schutzkorb = ja();
    p.Eingabe_Art = ja() ? "einzel" : "gesamt";
    p.Gesamtlaenge = wert(100);
    p.Gesamtflaeche = wert(1000);
    p.Anzahl_Stutzen = static_cast<int16_t>(z() % 5);
    p.Anordnung_Stutzen = std::string(Eins_von(z, Anordnung_Optionen).text);
    const size_t n = z() % Notueberlauf_Regen_Liste.size();
    p.Combo_Diff_Notueberl = std::string(Notueberlauf_Regen_Liste[n]);
    p.Index_Diff_Notueberl = static_cast<int>(n);
    p.Anzahl_Notueberlaeufe = static_cast<int16_t>(z() % 4);
    p.Hoehenkorrektur = static_cast<float>(z() % 5) * 10;
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "Aufruf: projekte_erzeugen ORDNER [ANZAHL]\n";
        return 2;
    }
    const std::filesystem::path ordner = argv[1];
    const int anzahl = argc > 2 ? std::stoi(argv[2]) : 200;
    std::filesystem::create_directories(ordner);
    std::mt19937 z(20261206);
    for (int i = 0; i < anzahl; ++i) {
        std::string inhalt = Projektdatei_schreiben(Projekt(z));
        if (i % 5 == 3) inhalt = Cp1252_nach_Utf8(inhalt);
        if (i % 10 == 4) inhalt = "\xEF\xBB\xBF" + Cp1252_nach_Utf8(inhalt);
        std::ofstream(ordner / ("projekt_" + std::to_string(i) + ".Dkm"), std::ios::binary) << inhalt;
    }
    return 0;
}
