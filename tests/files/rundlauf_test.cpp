// Property: any project the window can hold saves, loads and saves again to
// the same bytes and the same window state, in both layouts the load reads.
#include <gtest/gtest.h>

#include <random>

#include "files/altprojekt.h"
#include "files/kodierung.h"
#include "files/laden.h"
#include "model/tabellen.h"
#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

class Zufall {
public:
    explicit Zufall(unsigned saat) : g_(saat) {}
    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(g_); }
    bool oft(int prozent) { return zahl(1, 100) <= prozent; }
    template <typename C>
    auto wahl(const C& c) {
        return *std::next(std::begin(c), zahl(0, static_cast<int>(std::size(c)) - 1));
    }
    // Values as typed: a few decimals, or any float.
    float wert(float bis) {
        if (oft(15)) return 0;
        if (oft(70)) return static_cast<float>(zahl(1, static_cast<int>(bis * 100))) / 100;
        return std::uniform_real_distribution<float>(0, bis)(g_);
    }

private:
    std::mt19937 g_;
};

const char* const Texte[] = {"", "Müller & Söhne", "Frankfurt, Main", "  eingerückt", "Straße 1a; \"Hof\"",
                             "€ 5 – günstig", "x"};

Projektdaten Erzeugt(Zufall& z) {
    Projektdaten p;
    for (std::string* t : {&p.Bauherr, &p.strasse, &p.PLZ_Ort, &p.Telef, &p.Fax, &p.Bemerkungen})
        *t = z.wahl(Texte);
    p.Combo_Wahl_Regensp = z.oft(80) ? std::string(z.wahl(Orte).name) : z.wahl(Texte);
    p.r5_5 = z.oft(50) ? z.zahl(100, 600) : z.wert(800);
    p.r5_100 = z.oft(50) ? z.zahl(300, 1200) : z.wert(1500);
    p.Index_Abfl_beiwert = z.zahl(-1, 4);
    p.Combo_Abfl_beiwert = p.Index_Abfl_beiwert < 0 ? z.wahl(Texte) : std::string(z.wahl(Abflussbeiwerte).text);
    for (size_t i = 0, segmente = static_cast<size_t>(z.zahl(0, 8)); i < segmente; ++i) {
        p.Laenge[i] = z.wert(40);
        p.Breite[i] = z.wert(20);
        p.Zusatz_Flaeche[i] = z.oft(30) ? z.wert(50) : 0;
        p.Winkelfaktor[i] = z.oft(30) ? 0.85f : 1.0f;
    }
    p.Verhaeltnis_HB = z.oft(50) ? 0.625f : z.wert(2);
    p.Rinnenart = z.oft(50) ? "vorgehaengt" : "innenliegend";
    p.Combo_Schutzfaktor = z.oft(90) ? std::string(z.wahl(Schutzfaktoren).text) : "Faktor f = 7";
    p.Hindernis_Rinne = z.oft(70) ? 0 : z.wert(100);
    p.Rinnenbreite_unten = static_cast<float>(z.zahl(0, 8) * 50);
    for (float* w : {&p.Winkel_links, &p.Winkel_rechts}) *w = static_cast<float>(z.wahl(std::array{0, 45, 60, 75, 90}));
    p.Notueberlauf_Art = z.oft(25) ? "" : std::string(z.wahl(Notueberlauf_Optionen).text);
    p.Check_Schutzkorb = z.oft(50);
    p.Eingabe_Art = z.oft(60) ? "einzel" : "gesamt";
    p.Gesamtlaenge = z.wert(120);
    p.Gesamtflaeche = z.wert(2000);
    p.Anzahl_Stutzen = static_cast<int16_t>(z.zahl(0, 9));
    p.Anordnung_Stutzen = z.wahl(Anordnung_Optionen).text;
    p.Index_Diff_Notueberl = z.zahl(-1, 1);
    p.Combo_Diff_Notueberl = p.Index_Diff_Notueberl < 0 ? "leer" : std::string(z.wahl(Notueberlauf_Regen_Liste));
    p.Anzahl_Notueberlaeufe = static_cast<int16_t>(z.zahl(1, 6));
    p.Hoehenkorrektur = static_cast<float>(z.zahl(-40, 40));
    return p;
}

// The same project in the 38-line layout of older versions, with site and wind data.
std::string Altdatei(const Projektdaten& p, Zufall& z) {
    const auto neu = Zeilen(p);
    std::vector<std::string> alt(neu.begin() + 1, neu.begin() + 6);  // client to fax
    if (alt[0].empty()) alt[0] = "Bauherr";                           // an empty first line would end the file
    for (int i = 0; i < 5; ++i) alt.push_back(z.oft(30) ? Utf8_nach_Cp1252(z.wahl(Texte)) : "");
    alt.insert(alt.end(), neu.begin() + 6, neu.begin() + 11);  // remarks to runoff text
    alt.push_back(z.oft(50) ? "30" : "0");                     // roof pitch
    alt.push_back(z.oft(50) ? "15" : "0");                     // rain angle
    alt.insert(alt.end(), neu.begin() + 11, neu.begin() + 32);  // segments to angle factors
    return Datei(alt);
}

struct Lauf {
    Formular f;
    std::vector<Meldung> meldungen;
    std::string gespeichert;
};

Lauf Laden(const std::string& datei) {
    Lauf g{Start(), {}, {}};
    // an old file keeps the window's overflow count; an empty box would show "1", the file " 1"
    g.f[T::Text30] = "1";
    Aufzeichnung d(&g.f);
    EXPECT_EQ(Projekt_laden(g.f, d, "rundlauf.Dkm", datei), Ladeergebnis::geladen);
    Projektdaten p;
    EXPECT_FALSE(Projektdaten_sammeln(g.f, p));
    g.gespeichert = Projektdatei_schreiben(p);
    // the import's own boxes belong to the file, not to the state
    for (const Meldung& m : d.meldungen)
        if (m.titel != std::string(meldung::Altprojekt.titel) && m.titel != std::string(meldung::Baustelle.titel) && m.titel != std::string(meldung::Wind.titel) &&
            m.titel != std::string(meldung::Innenrinne_alt.titel))
            g.meldungen.push_back(m);
    return g;
}

// Literal write-backs ("90", "1") read back from a file as number texts (" 90"):
// the same number, one blank apart.
Formular Wie_gelesen(Formular f, const Formular& gelesen) {
    for (std::string& t : f.text) {
        const std::string& g = gelesen.text[static_cast<size_t>(&t - f.text.data())];
        if (g == " " + t) t = g;
    }
    return f;
}

TEST(Rundlauf, GeneratedProjectsSaveAndLoadToTheSameFileAndState) {
    Zufall z(20240611);
    for (int n = 0; n < 400; ++n) {
        const Projektdaten p = Erzeugt(z);
        const bool als_alt = z.oft(25);
        const Lauf erst = Laden(als_alt ? Altdatei(p, z) : Projektdatei_schreiben(p));
        const Lauf wieder = Laden(erst.gespeichert);
        ASSERT_EQ(wieder.gespeichert, erst.gespeichert) << "project " << n;
        ASSERT_EQ(Dump(wieder.f, wieder.meldungen), Dump(Wie_gelesen(erst.f, wieder.f), erst.meldungen))
            << "project " << n << (als_alt ? " (old layout)" : "");
    }
}

}  // namespace
}  // namespace dkm::test
