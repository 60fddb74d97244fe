// The calculation record as an inspector checks it: printed results recomputed from the
// numbers printed above them, the governing segment against page 2, the rain's source, and
// the two pages of before when the record is switched off.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <numeric>
#include <regex>

#include "bedienung/neuberechnung.h"
#include "calc/traufe_hilfen.h"
#include "cli/dump.h"
#include "files/einstellungen.h"
#include "report/bericht.h"
#include "report/text.h"

namespace dkm::bericht {
namespace {

namespace fs = std::filesystem;

// The pages of `dkm-rechner --bericht` in German notation; `rechenweg` is the printer panel's check box.
std::vector<std::string> Seiten(const char* beispiel, bool rechenweg = true) {
    const fs::path ordner = fs::temp_directory_path() / "dkm-nachweis-einstellungen";
    fs::remove_all(ordner);
    if (!rechenweg) EXPECT_TRUE(Rechenweg_schreiben(ordner / Rechenweg_Dateiname, false));
    const Rechnerlauf lauf =
        Rechner({"--bericht", std::string(DKM_EXAMPLES_DIR) + "/" + beispiel, "--datum", "01.02.2026"}, ",", ordner);
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    std::vector<std::string> seiten;
    for (size_t a = 0, e;; a = e + 2) {
        e = lauf.ausgabe.find("\f\n", a);
        seiten.push_back(lauf.ausgabe.substr(a, e == std::string::npos ? e : e - a));
        if (e == std::string::npos) return seiten;
    }
}

std::string Nachweis_aus(const std::vector<std::string>& seiten) {
    return std::accumulate(seiten.begin() + std::min<long>(2, static_cast<long>(seiten.size())), seiten.end(), std::string());
}

double Zahl(const std::string& s) { return std::stod(std::regex_replace(s, std::regex(","), ".")); }

// The numbers a pattern catches in the record, in order; none when the line is missing.
std::vector<double> Werte(const std::string& text, const std::string& muster) {
    std::smatch m;
    if (!std::regex_search(text, m, std::regex(muster))) {
        ADD_FAILURE() << "missing: " << muster;
        return std::vector<double>(12, 0);
    }
    std::vector<double> w;
    for (size_t i = 1; i < m.size(); ++i) w.push_back(Zahl(m[i]));
    return w;
}

const std::string Z = "([0-9]+(?:,[0-9]+)?)";

// traufe_einzel: Berlin r(5,5) = 331, C = 1, f = 1; TS 1 and 2 of 6 m, TS 3 and 4 of 4.5 m under
// 5 m of roof, TS 2 with a corner (k_w = 0.85), TS 4 with 3 m² more.
TEST(Nachweis, EavesLinesFollowFromTheNumbersAboveThem) {
    const auto seiten = Seiten("traufe_einzel.Dkm");
    ASSERT_GE(seiten.size(), 3u);
    const std::string n = Nachweis_aus(seiten);

    // A = 5 · 6 + 0 = 30 m²; Q = 331 · 1 · 1 · 30 / 10 000 = 0.993 l/s
    auto v = Werte(n, "TS 1:  A = " + Z + " · " + Z + " \\+ " + Z + " = " + Z + " m²;  Q = " + Z + " · " + Z + " · " +
                          Z + " · " + Z + " / 10 000 = " + Z + " l/s");
    EXPECT_NEAR(v[0] * v[1] + v[2], v[3], 0.006);
    EXPECT_NEAR(v[4] * v[5] * v[6] * v[7] / 10000, v[8], 0.006);
    EXPECT_EQ(v[8], 0.99);

    // downpipe 2 takes TS 3 and 4: 331 · 22.5 / 10 000 + 331 · 25.5 / 10 000 = 0.745 + 0.844 = 1.589
    v = Werte(n, "Fallrohr 2 \\(TS 3 \\+ 4\\): +A = " + Z + " m² +Q = " + Z + " \\+ " + Z + " = " + Z + " l/s");
    EXPECT_NEAR(v[1] + v[2], v[3], 0.011);
    EXPECT_EQ(v[3], 1.59);

    // semicircular sizes: TS, L, Q, k_w, s, size, W, L/W, F_L, Q_L, utilisation. TS 1: 6000 / 62 = 96.8,
    // F_L = 1.061168 − 0.001451 · 96.8 + 10⁻⁶ · 96.8² = 0.930, Q_L of size 250 = 1.05 l/s, 0.993 / 1.046 = 95 %
    const std::string reihe = "\n +" + std::string("([0-9]\\*?) +") + Z + " +" + Z + " +" + Z + " +" + Z + " +" + Z +
                              " +" + Z + " +" + Z + " +" + Z + " +" + Z + " +" + Z + " %";
    int massgebend = 0;
    double Q_L_massgebend = 0;
    const std::string halbrund = n.substr(n.find("Halbrunde Normgrößen"), n.find("Kastenrinnen") - n.find("Halbrunde"));
    const std::regex zeile(reihe);
    for (std::sregex_iterator i(halbrund.begin(), halbrund.end(), zeile), e; i != e; ++i) {
        const std::smatch& m = *i;
        const double L = Zahl(m[2]), Q = Zahl(m[3]), W = Zahl(m[7]), L_W = Zahl(m[8]), F_L = Zahl(m[9]),
                     Q_L = Zahl(m[10]), Ausl = Zahl(m[11]);
        EXPECT_NEAR(L / W, L_W, 0.06) << m[0];
        EXPECT_NEAR(1.061168 - 0.001451 * L_W + 1e-6 * L_W * L_W, F_L, 0.0006) << m[0];
        EXPECT_NEAR(100 * Q / Q_L, Ausl, 1.0) << m[0];
        EXPECT_GT(Q_L, Q) << m[0];
        if (m[1].str().back() == '*') massgebend = std::stoi(m[1]), Q_L_massgebend = Q_L;
    }
    // TS 2 needs the larger size 285 for its corner: 0.9 · 2.78 · 10⁻⁵ · 7476^1.25 · 0.948 · 0.85 = 1.40 l/s
    EXPECT_EQ(massgebend, 2);
    EXPECT_EQ(Q_L_massgebend, 1.40);
    v = Werte(n, "Maßgebend TS 2: Q_L = " + Z + " · 0,9 · 2,78 · 10⁻⁵ · " + Z + "\\^1,25 · " + Z + " · " + Z + " = " + Z);
    EXPECT_NEAR(v[0] * 0.9 * 2.78e-5 * std::pow(v[1], 1.25) * v[2] * v[3], v[4], 0.006);
    EXPECT_NE(seiten[1].find("Zuschnitt: 285  (bis max. 1,40 l/s möglich)"), std::string::npos) << "page 2 agrees";

    // to measure: the size carries Q, one millimetre smaller does not
    const std::string bedarf = n.substr(n.find("Rinnen nach Bedarf"), n.find("Fallrohre:") - n.find("Rinnen nach Bedarf"));
    const std::regex mass("\n    [1-4] +" + Z + " +" + Z + " +" + Z + " +" + Z + " +" + Z + " +" + Z + " +" + Z + " +" + Z +
                          " +" + Z);
    for (std::sregex_iterator i(bedarf.begin(), bedarf.end(), mass); i != std::sregex_iterator(); ++i) {
        const std::smatch& m = *i;
        const double Q = Zahl(m[1]);
        EXPECT_TRUE(Zahl(m[3]) >= Q - 0.005 && Zahl(m[4]) <= Q + 0.005) << m[0];
        EXPECT_TRUE(Zahl(m[7]) >= Q - 0.005 && Zahl(m[8]) <= Q + 0.005) << m[0];
    }
}

// innen_laengsseite: four segments of 12 m under 15 m of gravel roof (C = 0.5), Berlin, three
// overflows in the long side carrying the full 100-year rain, the gutter raised by 20 mm.
TEST(Nachweis, InternalLinesFollowFromTheNumbersAboveThem) {
    const auto seiten = Seiten("innen_laengsseite.Dkm");
    const std::string n = Nachweis_aus(seiten);
    // Q100 = 582 · 1 · 180 / 10 000 = 10.48 l/s
    auto v = Werte(n, "Q100 = " + Z + " · " + Z + " · " + Z + " / 10 000 = " + Z + " l/s");
    EXPECT_NEAR(v[0] * v[1] * v[2] / 10000, v[3], 0.006);
    EXPECT_EQ(v[3], 10.48);
    // all of the 100-year rain: D = ΣQ100 = 4 · 10.476 = 41.90; Q_o = D / N = 41.90 / 3 = 13.97 l/s
    v = Werte(n, "ΣQ100 = " + Z + " l/s\n +Notabfluss D = ΣQ100 = " + Z);
    EXPECT_EQ(v[0], v[1]);
    v = Werte(n, "Q_o = D / N = " + Z + " / " + Z + " = " + Z + " l/s");
    EXPECT_NEAR(v[0] / v[1], v[2], 0.006);
    // b = 24 000 · 13.97 / 45.9^1.5 = 1078 mm, as page 2 says
    v = Werte(n, "Breite b = 24 000 · Q_o / h_v\\^1,5 = 24 000 · " + Z + " / " + Z + "\\^1,5 = " + Z + " mm");
    EXPECT_NEAR(24000 * v[0] / std::pow(v[1], 1.5), v[2], 0.01 * v[2]);
    EXPECT_NE(seiten[1].find("Breite: " + std::to_string(static_cast<int>(v[2])) + " mm"), std::string::npos);
    // W = 51 + 76 + 20 = 147 mm, freeboard 0.3 · 147 / 0.7 = 63 mm, H = 210 mm
    v = Werte(n, "W = h1 \\+ h2 \\+ Höhenkorrektur = " + Z + " \\+ " + Z + " \\+ " + Z + " = " + Z + " mm");
    EXPECT_EQ(v[0] + v[1] + v[2], v[3]);
    v = Werte(n, "H = W \\+ Freibord = " + Z + " \\+ " + Z + " = " + Z + " mm");
    EXPECT_NEAR(0.3 * v[0] / 0.7, v[1], 0.5);
    EXPECT_NE(seiten[1].find(std::to_string(static_cast<int>(v[2])) + " mm"), std::string::npos);
    // each design depth carries Q, one millimetre less does not
    v = Werte(n, "\n    1\\* +1 +" + Z + " +" + Z + " +" + Z + " +" + Z + " +" + Z + " +" + Z);
    EXPECT_TRUE(v[4] >= v[1] && v[5] < v[1]);
    // outlet 2 (5.96 l/s, 90 mm pipe) is too wide for a round funnel: 300 − 0.1 · 90 = 291 mm
    v = Werte(n, "Ablauf 2: rund nicht möglich, d = " + Z + " mm > frei = 300 − 0,1 · 90 = " + Z + " mm");
    EXPECT_GT(v[0], v[1]);
    EXPECT_EQ(v[1], 291);

    // end overflows without the design rain: D = ΣQ100 − ΣQ
    const std::string s = Nachweis_aus(Seiten("innen_stirnseiten.Dkm"));
    v = Werte(s, "Notabfluss D = ΣQ100 − ΣQ = " + Z + " − " + Z + " = " + Z + " l/s");
    EXPECT_NEAR(v[0] - v[1], v[2], 0.011);
    v = Werte(s, "Schicht und Notüberlauf je D/2 = " + Z);
    EXPECT_NEAR(Werte(s, "= " + Z + " l/s\n +Beide")[0] / 2, v[0], 0.006);
}

// The record comes after a second form feed; without it the report is the two pages of before.
TEST(Nachweis, CheckBoxOffGivesTheTwoPagesOfBefore) {
    for (const char* beispiel : {"traufe_gesamt.Dkm", "innen_laengsseite.Dkm"}) {
        const auto mit = Seiten(beispiel), ohne = Seiten(beispiel, false);
        ASSERT_TRUE(ohne.size() == 2u && mit.size() > 2u) << beispiel;
        EXPECT_TRUE(mit[0] == ohne[0] && mit[1] == ohne[1]) << beispiel;
        EXPECT_NE(mit[2].find("Nachweis der Bemessung                                                     01.02.2026"),
                  std::string::npos);
        EXPECT_NE(mit[2].find("- Seite 3 -"), std::string::npos);
        EXPECT_NE(mit.back().find("Bearbeitet: ____________________     Datum: ____________"), std::string::npos);
    }
}

// Rain from an imported grid cell is named with the cell and the data credit; typed values as own values.
TEST(Nachweis, RainSource) {
    Formular f = test::Startformular();
    test::Segment(f, 1, "10", "10");
    f.kostra_orte = {{"KOSTRA 2020 Feld 049125", {{49, 125}, 310, 580, 19, 21}}};
    f[L::Combo_Wahl_Regensp].text = "KOSTRA 2020 Feld 049125";
    f[T::r5_5] = "310";
    f[T::r5_100] = "580";
    test::Skript_Dialoge d;
    Pruefen_und_berechnen(f, d);
    Berichtsform form = Vorschauform({}, "01.02.2026");
    form.nachweis = true;
    std::string t = Als_Text(*Bericht_erstellen(f, form));
    EXPECT_NE(t.find("Regenspenden: KOSTRA-DWD-2020, Rasterfeld 049125 („KOSTRA 2020 Feld 049125“)"), std::string::npos);
    EXPECT_NE(t.find("r(5,5) = 310 l/(s·ha) ± 19 %, r(5,100) = 580 l/(s·ha) ± 21 %"), std::string::npos);
    EXPECT_NE(t.find("Datenbasis: Deutscher Wetterdienst, KOSTRA-DWD-2020"), std::string::npos);

    f[T::r5_5] = "320";  // changed by hand: no longer the cell's
    Pruefen_und_berechnen(f, d);
    t = Als_Text(*Bericht_erstellen(f, form));
    EXPECT_EQ(t.find("KOSTRA"), t.find("KOSTRA 2020 Feld")) << "the place's name only";
    EXPECT_NE(t.find("Regenspenden: eigene Werte des Anwenders (Ort: KOSTRA 2020 Feld 049125)"), std::string::npos);
}

}  // namespace
}  // namespace dkm::bericht
