// The report pages: the bundled examples as whole texts, the edge cases of the layout,
// paper against preview, columns, origins and font sizes.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <tuple>

#include "bedienung/neuberechnung.h"
#include "calc/traufe_hilfen.h"
#include "cli/dump.h"
#include "report/bericht.h"
#include "report/text.h"

namespace dkm::bericht {
namespace {

namespace fs = std::filesystem;
using test::Texte;

// The report of `f` after the recalculation a handler runs.
Bericht Erstellen(Formular& f, const Berichtsform& form = Vorschauform({}, "01.02.2026")) {
    test::Skript_Dialoge d;
    Pruefen_und_berechnen(f, d);
    const Erfolg<Bericht> b = Bericht_erstellen(f, form);
    EXPECT_TRUE(b) << (b ? std::string() : b.fehler().titel);
    return b ? *b : Bericht{};
}

// The text lines of page 1 or 2.
Texte Seite(const Bericht& b, int seite) {
    const std::string t = Als_Text(b);
    const size_t trenner = t.find("\f\n");
    const std::string teil = seite == 1 ? t.substr(0, trenner) : t.substr(trenner + 2);
    Texte z;
    for (size_t a = 0, e; (e = teil.find('\n', a)) != std::string::npos; a = e + 1) z.push_back(teil.substr(a, e - a));
    return z;
}

bool Hat(const Texte& z, const std::string& zeile) { return std::find(z.begin(), z.end(), zeile) != z.end(); }
bool Enthaelt(const Texte& z, const std::string& teil) {
    return std::any_of(z.begin(), z.end(), [&](const std::string& s) { return s.find(teil) != std::string::npos; });
}
// The first line starting with `anfang` after the report's left margin of four blanks.
std::string Zeile(const Texte& z, const std::string& anfang) {
    for (const std::string& s : z)
        if (s.rfind("    " + anfang, 0) == 0) return s;
    return "(fehlt: " + anfang + ")";
}

Formular Gesamt(const char* laenge, const char* stutzen, S anordnung, bool innen = false) {
    Formular f = test::Startformular();
    Eingabe_Art_setzen(f, Masseingabe::gesamt);
    f[T::Text25] = laenge;
    f[T::Text26] = std::string(laenge) + "0";
    f[T::Text27] = stutzen;
    f[S::Option6] = false;
    f[anordnung] = true;
    if (innen) {
        Rinnenart_setzen(f, Rinne::innenliegend);
        f[T::Text2] = "300";
    }
    return f;
}

// The bundled examples, checked line by line against the report's layout when they were written.
TEST(Bericht, ExamplesAsText) {
    const fs::path leer = fs::temp_directory_path() / "dkm-bericht-einstellungen";
    fs::remove_all(leer);
    for (const char* name :
         {"traufe_einzel", "traufe_gesamt", "innen_stirnseiten", "innen_laengsseite", "traufe_alt", "innen_alt"}) {
        const fs::path beispiel = fs::path(DKM_EXAMPLES_DIR) / name;
        const std::string datei = beispiel.string() + (fs::exists(beispiel.string() + ".Dkm") ? ".Dkm" : ".Dkl");
        const Rechnerlauf lauf = Rechner({"--bericht", datei, "--datum", "01.02.2026"}, ".", leer);
        std::ifstream ein(fs::path(DKM_REPORT_ERWARTET) / (std::string(name) + ".txt"), std::ios::binary);
        const std::string erwartet{std::istreambuf_iterator<char>(ein), {}};
        EXPECT_EQ(lauf.status, 0) << name;
        EXPECT_EQ(lauf.ausgabe, erwartet) << name;
    }
    EXPECT_NE(Rechner({"--bericht", std::string(DKM_EXAMPLES_DIR) + "/traufe_einzel.Dkm", "--datum", "29.02.2028"}, ".")
                  .ausgabe.find("29.02.2028"),
              std::string::npos);
    // The separator follows the locale as in the dump.
    const Rechnerlauf deutsch = Rechner(
        {"--bericht", std::string(DKM_EXAMPLES_DIR) + "/traufe_einzel.Dkm", "--datum", "01.02.2026"}, ",", leer);
    EXPECT_NE(deutsch.ausgabe.find("    Rinnenlänge (m):  6,00    6,00    4,50    4,50\n"), std::string::npos);
}

// Page 1 texts that depend on the inputs.
TEST(Bericht, InputLinesOfPageOne) {
    Formular f = test::Startformular();
    test::Segment(f, 1, "10", "10");
    Texte z = Seite(Erstellen(f), 1);
    EXPECT_TRUE(Hat(z, "    Niederschlagswerte für  (keine Stadt gewählt) mit:"));
    EXPECT_TRUE(Hat(z, "    Sicherheitfaktor:             kein Sicherheitsfaktor gewählt, (f = 1)"));
    EXPECT_TRUE(Hat(z, "    Hindernis im Wasserlauf:      (keine Angabe)"));
    EXPECT_TRUE(Hat(z, "    Notabfluss:                   über die Rinnenvorderkante."));

    f[T::Text5] = "20abc";
    f[L::Combo_Wahl_Regensp].text = "Stadt auswählen";
    z = Seite(Erstellen(f), 1);
    EXPECT_TRUE(Hat(z, "    Niederschlagswerte für  (keine Stadt gewählt) mit:"));
    // both eaves gutters to measure lose the obstacle's area (with it a semicircle to measure grows)
    EXPECT_TRUE(Hat(z, "    Hindernis im Wasserlauf:      20 cm² (wird nur bei Rinnen ´nach Bedarf´ eingerechnet)."));

    Rinnenart_setzen(f, Rinne::innenliegend);
    f[T::Text2] = "300";
    f[T::Text5] = "0.5";
    f.dezimaltrenner = ",";
    f[L::Combo_Diff_Notueberl] = {"Jahrhundertregen voll", 1};
    z = Seite(Erstellen(f), 1);
    EXPECT_TRUE(Hat(z, "    Hindernis im Wasserlauf:      0,5 cm²"));
    EXPECT_TRUE(Hat(z, "    Abfluss der Notabläufe:       Jahrhunderregen (ohne Abzug Berechnungsregen)."));
    EXPECT_TRUE(Hat(z, "    Innenliegende Rinne mit Notabläufen an beiden Stirnseiten,"));
    f[L::Combo_Diff_Notueberl] = {"", -1};
    EXPECT_TRUE(Hat(Seite(Erstellen(f), 1), "    Abfluss der Notabläufe:")) << "neither entry: no text";

    // a raised gutter is named only while the overflows sit in the long side, where it applies
    test::Segment(f, 2, "10", "10");
    f.Hoehenkorrektur = 20;
    EXPECT_FALSE(Enthaelt(Seite(Erstellen(f), 2), "erhöht."));
    f[S::Option3] = false;
    f[S::Option5] = true;
    EXPECT_TRUE(Enthaelt(Seite(Erstellen(f), 2), "wurde die Rinne um 20 mm erhöht."));
}

// An outlet at the gutter end: numbering starts in the second column, and so does the schematic:
// segment i is drawn over its own column, from (i - 1) to i segment widths (600 in the preview).
TEST(Bericht, FirstSegmentEmpty) {
    Formular f = test::Startformular();
    test::Segment(f, 2, "5", "10");
    test::Segment(f, 3, "5", "10");
    const Bericht b = Erstellen(f);
    //                  1 at column 32, 2 at column 40
    EXPECT_TRUE(Hat(Seite(b, 1), "    TS-Nummer:                 1       2"));
    EXPECT_TRUE(Hat(Seite(b, 2), "    Teilstrecke:               1       2"));
    const Zeichnung& s = b.seiten[0].zeichnungen.at(0);
    EXPECT_EQ(std::tie(s.x, s.y), std::make_tuple(1470, 7150));
    std::vector<std::tuple<int, int, int, int, int>> striche;
    for (const Strich& st : s.striche) striche.emplace_back(st.x1, st.y1, st.x2, st.y2, st.breite);
    EXPECT_EQ(striche, (std::vector<std::tuple<int, int, int, int, int>>{
                           {600, 200, 1200, 200, 2}, {1200, 200, 1800, 200, 2},  // TS 2 and TS 3
                           // downpipe 1 at the gutter end (the outlet mark), downpipe 2 between TS 3 and TS 4
                           {600, 100, 600, 200, 2}, {600, 200, 600, 500, 1}, {550, 500, 600, 350, 1},
                           {650, 500, 600, 350, 1}, {1800, 100, 1800, 200, 2}, {1800, 200, 1800, 500, 1},
                           {1750, 500, 1800, 350, 1}, {1850, 500, 1800, 350, 1}}));
    EXPECT_EQ(b.seiten[1].zeichnungen.at(0).y, 2500);
}

TEST(Bericht, TotalModeRemarks) {
    {  // six downpipes at both ends, eaves gutter: ten segments, TS 2..8 shown as 1..7
        Formular f = Gesamt("60", "6", S::Option8);
        const Bericht b = Erstellen(f);
        const Texte eins = Seite(b, 1), zwei = Seite(b, 2);
        EXPECT_EQ(Zeile(eins, "TS-Nummer:"), "    TS-Nummer:                 1       2       3       4       5       6       7  ...");
        EXPECT_TRUE(Hat(eins, "    Es werden nur die ersten der insgesamt 10 Teilstrecken wiedergegeben."));
        EXPECT_TRUE(Hat(eins, "    Dachbreite (m):           0.00    0.00    0.00    0.00    0.00    0.00    0.00"));
        EXPECT_TRUE(Hat(zwei, "    Insgesamt 10 Rinnen-Teilstrecken. Alle Angaben gelten auch für die hier nicht"));
        EXPECT_TRUE(Hat(zwei, "    wiedergegebenen Teilstrecken (bis einschl. TS 10)."));
        EXPECT_TRUE(Hat(zwei, "    Insgesamt 6 Fallrohre. Die Maße der Abläufe 2 bis 4 gelten auch für Abl. 5; Ablauf 6 "
                              "entspricht Abl. 1."));
    }
    {  // seven downpipes, internal gutter: the last one is named on a line of its own
        Formular f = Gesamt("70", "7", S::Option8, true);
        const Texte zwei = Seite(Erstellen(f), 2);
        EXPECT_TRUE(Hat(zwei, "    Insgesamt 7 Fallrohre. Die Maße der Abläufe und Trichter 2 bis 4 gelten für die "
                              "Abläufe 5 bis 6,"));
        EXPECT_TRUE(Hat(zwei, "    Ablauf 7entspricht Ablauf 1."));
    }
    for (bool innen : {false, true}) {  // four downpipes: nothing beyond the table
        Formular f = Gesamt("40", "4", S::Option6, innen);
        const Bericht b = Erstellen(f);
        EXPECT_FALSE(Enthaelt(Seite(b, 2), "Insgesamt")) << innen;
        EXPECT_FALSE(Enthaelt(Seite(b, 1), "Es werden nur")) << innen;
        EXPECT_EQ(Zeile(Seite(b, 1), "TS-Nummer:"), "    TS-Nummer:         1       2       3       4       5       6       7       8");
    }
}

// No zeros printed as results: without a report of the current inputs there is none, and the last
// message said why. An eaves downpipe without flow has an empty diameter cell.
TEST(Bericht, RefusedWithoutCurrentResults) {
    const auto innen = [](Formular& f) {
        Rinnenart_setzen(f, Rinne::innenliegend), f[T::Text2] = "300";
    };
    const struct {
        const char* name;
        std::function<void(Formular&)> aendern;
        std::string titel, text;  // the last message; the text: a part of it
    } faelle[] = {
        {"length without area", [](Formular& f) { test::Segment(f, 2, "10", ""); }, "Maße fehlen!", "fehlen Maßangaben"},
        {"a length too large", [](Formular& f) { f[T::Laenge_2] = "99999999", f[T::Breite_2] = "1"; },
         "Eingabefehler", "Die Eingabe ´Teillänge der Rinne TS 2´ ist für die Berechnung zu groß"},
        {"a gap in an internal gutter",
         [&](Formular& f) { innen(f), test::Segment(f, 3, "10", "10"); }, "Maße fehlen", "durchgehend vermaßt"},
        {"total mode without outlets",
         [](Formular& f) {
             Eingabe_Art_setzen(f, Masseingabe::gesamt);
             f[T::Text25] = "20", f[T::Text26] = "200", f[T::Text27] = "";
         },
         "Maße fehlen!", "Keine Teilstrecke hat eine Länge"},
        {"nothing measured", [](Formular& f) { f[T::Laenge_1] = f[T::Breite_1] = ""; }, "Maße fehlen!", "Keine Teilstrecke"},
    };
    for (const auto& fall : faelle) {
        Formular f = test::Startformular();
        test::Segment(f, 1, "10", "10");
        fall.aendern(f);
        test::Skript_Dialoge d;
        Pruefen_und_berechnen(f, d);
        const Formular gerechnet = f;
        for (const Berichtsform& form : {Vorschauform({}, ""), Papierform(10, 0, 0, {}, "")}) {
            const Erfolg<Bericht> b = Bericht_erstellen(f, form);
            ASSERT_FALSE(b) << fall.name;
            EXPECT_EQ(b.fehler().titel, fall.titel) << fall.name;
            EXPECT_NE(b.fehler().text.find(fall.text), std::string::npos) << fall.name << ": " << b.fehler().text;
        }
        EXPECT_EQ(Dump(f, {}), Dump(gerechnet, {})) << "a report changes nothing";
    }
    // TS 1 and TS 2 with a length, but TS 2 gives back what TS 1 takes: downpipe 1 carries nothing
    Formular f = test::Startformular();
    test::Segment(f, 1, "10", "10");
    test::Segment(f, 2, "10", "-10");
    test::Segment(f, 3, "10", "10");
    const Texte zwei = Seite(Erstellen(f), 2);
    // downpipe 2 takes 100 m² * 300 l/(s*ha) = 3.0 l/s: 70 with funnel (4.1), 100 without (3.22; 90 takes 2.45)
    EXPECT_EQ(Zeile(zwei, "mit Trichter:"), "    mit Trichter:" + std::string(24, ' ') + "70");
    EXPECT_EQ(Zeile(zwei, "ohne Trichter:"), "    ohne Trichter:" + std::string(23, ' ') + "100");
}

// Paper: letterhead room, enlarged bold title, wider rule, date and page number further left.
TEST(Bericht, PaperLayout) {
    Formular f = test::Startformular();
    test::Segment(f, 1, "10", "10");
    const Bericht b = Erstellen(f, Papierform(10, 0, 0, {"Dach GmbH", "", "Kassel", "0561 1"}, "01.02.2026"));
    EXPECT_EQ(b.schriftgroesse, 10);
    const auto& z = b.seiten[0].zeilen;
    EXPECT_EQ(z[0].eintraege.at(0).text, "        ");
    EXPECT_EQ(z[1].groesse, 2);
    EXPECT_TRUE(z[1].eintraege.at(0).fett);
    for (int i = 2; i < 15; ++i) EXPECT_TRUE(z[static_cast<size_t>(i)].eintraege.empty() && z[static_cast<size_t>(i)].groesse == 1);
    const Eintrag& titel = z[15].eintraege.at(0);
    EXPECT_EQ(titel.text, std::string(17, ' ') + "Dachkandelmesser nach DIN EN 12056-3 und DIN 1986-100");
    EXPECT_TRUE(titel.fett && z[15].groesse == 2);
    EXPECT_EQ(z[16].eintraege.at(0).text, "Dach GmbH, Kassel, Tel.: 0561 1");
    const Texte eins = Seite(b, 1), zwei = Seite(b, 2);
    // report column 5 is tab 12, column 70 tab 103
    EXPECT_TRUE(Hat(eins, std::string(11, ' ') + std::string(91, '_')));
    EXPECT_TRUE(Hat(eins, std::string(102, ' ') + "01.02.2026"));
    EXPECT_FALSE(Enthaelt(eins, "TS-Nummer:"));
    EXPECT_FALSE(Enthaelt(eins, "Beim Ausdruck"));
    const auto schema = std::find(eins.begin(), eins.end(), std::string(11, ' ') + "Schema:");
    ASSERT_NE(schema, eins.end());
    EXPECT_TRUE(schema[1].empty() && schema[2].empty());
    EXPECT_EQ(schema[3], std::string(38, ' ') + "1") << "number column 24 is tab 39 (24 * 1.4 + 5 = 38.6)";
    for (int i = 0; i < 17; ++i) EXPECT_TRUE(zwei[static_cast<size_t>(i)].empty()) << i;
    EXPECT_EQ(zwei[17], std::string(11, ' ') + "Dachkandelmesser nach DIN EN 12056-3 und DIN 1986-100");
    EXPECT_FALSE(b.seiten[1].zeilen[17].eintraege.at(0).fett);
}

TEST(Bericht, ColumnsOriginsAndFontSizes) {
    // K * 1.4 + 5 on paper: 12, 54, 117; the preview writes K
    EXPECT_EQ((std::vector{Tabspalte(5, 1.4, 5), Tabspalte(35, 1.4, 5), Tabspalte(80, 1.4, 5), Tabspalte(80, 1, 0)}),
              (std::vector{12, 54, 117, 80}));

    // the schematic's origin on paper at each font size, unshifted: x, y on page 1, y on page 2
    const std::array<int, 4> ursprung[] = {{8, 2400, 9200, 4800},   {9, 2700, 10300, 5700},  {10, 3000, 11300, 5960},
                                           {11, 3300, 12400, 6500}, {12, 3600, 13500, 7100}};
    for (const auto& [s, x, y1, y2] : ursprung) {
        const Berichtsform form = Papierform(static_cast<float>(s), 0, 0, {}, "");
        EXPECT_EQ(std::make_tuple(Schema_Ursprung(form, 1).x, Schema_Ursprung(form, 1).y, Schema_Ursprung(form, 2).y),
                  std::make_tuple(x, y1, y2)) << s;
    }
    EXPECT_EQ(Schema_Ursprung(Papierform(10, 0, 0, {}, ""), 1).segmentbreite, 1000);
    EXPECT_EQ(Schema_Ursprung(Papierform(10, 2, 0, {}, ""), 1).x, 3000 + 114);
    EXPECT_EQ(Schema_Ursprung(Papierform(12, 0, -2, {}, ""), 2).y, 7100 - 114);
    EXPECT_EQ(Querschnitt_Ursprung(Papierform(8, 1, 0, {}, "")).x, 2057);
    EXPECT_EQ(Querschnitt_Ursprung(Papierform(12, 0, 0, {}, "")).y, 12000);

    const std::pair<float, int> groessen[] = {{7, 8}, {14, 12}, {10.6f, 10}, {8, 8}, {12, 12}, {1e9f, 12}, {-3, 8}};
    for (auto [s, erwartet] : groessen) EXPECT_EQ(Schriftgroesse_klemmen(s), erwartet) << s;
    EXPECT_EQ(Schriftgroesse_klemmen(std::numeric_limits<float>::quiet_NaN()), 10);
    EXPECT_EQ(Papierform(1e9f, 1e30f, -1e30f, {}, "").S, 12);
    // the shifts as far as the printer panel says: 5 mm are 285 twips
    EXPECT_EQ(Schema_Ursprung(Papierform(10, 1e30f, -20, {}, ""), 1).x, 3000 + 285);
    EXPECT_EQ(Schema_Ursprung(Papierform(10, 0, -20, {}, ""), 2).y, 5960 - 285);
    // one segment spans the 8 report columns of its table column: 8 tab columns in the preview,
    // 8 * 1.4 = 11.2 on paper, where a segment is 1000 twips at size 10 and grows with the size
    const std::pair<Berichtsform, double> tab[] = {{Vorschauform({}, ""), 600 / 8.0},
                                                  {Papierform(8, 0, 0, {}, ""), 800 / 11.2},
                                                  {Papierform(10, 0, 0, {}, ""), 1000 / 11.2},
                                                  {Papierform(12, 0, 0, {}, ""), 1200 / 11.2}};
    for (const auto& [form, breite] : tab) EXPECT_DOUBLE_EQ(Tabbreite(form), breite) << form.S;
}

// The cross-section moves down with every optional line above it.
TEST(Bericht, CrossSectionOrigin) {
    Formular f = test::Startformular();
    Rinnenart_setzen(f, Rinne::innenliegend);
    f[T::Text2] = "300";
    test::Segment(f, 1, "10", "10");
    const Bericht b = Erstellen(f);
    ASSERT_EQ(b.seiten[1].zeichnungen.size(), 2u);
    const Zeichnung& q = b.seiten[1].zeichnungen[1];
    EXPECT_EQ(std::tie(q.x, q.y, q.zeilenschritt), std::make_tuple(300, 6590, 192));
    // a 70 mm downpipe (small-diameter warning) and the collecting-box line
    EXPECT_TRUE(Enthaelt(Seite(b, 2), "Mindestens ein Rohrdurchmesser ist kleiner als 75 mm."));
    EXPECT_EQ(q.zusatzzeilen, 2);
    EXPECT_EQ(q.kreise.size(), 4u);
    for (const Kreis& k : q.kreise) EXPECT_EQ(k.r, 50);
}

// User texts never break the layout: tabs and line breaks become blanks, long texts stay one line.
TEST(Bericht, AwkwardTexts) {
    Formular f = test::Startformular();
    test::Segment(f, 1, "10", "10");
    f[T::Bauherr] = "Meier\tund\tSohn";
    f[T::Bemerkungen] = std::string(10000, 'x');
    const Bericht b = Erstellen(f, Vorschauform({"Firma\r\nZweite Zeile", "Weg 1\n", "", "0\t1"}, "01.02.2026"));
    const Texte eins = Seite(b, 1), zwei = Seite(b, 2);
    EXPECT_TRUE(Hat(eins, "    Meier und Sohn"));
    EXPECT_TRUE(Hat(zwei, "    Meier und Sohn")) << "the blanks before the empty place are trailing";
    EXPECT_TRUE(Hat(eins, "    Firma  Zweite Zeile, Weg 1 , Tel.: 0 1"));
    EXPECT_TRUE(Hat(eins, "    Bemerkungen: " + std::string(10000, 'x')));
    EXPECT_EQ(Seite(Erstellen(f), 1).size(), eins.size());
}

}  // namespace
}  // namespace dkm::bericht
