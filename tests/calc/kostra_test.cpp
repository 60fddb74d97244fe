// From what the user types to the cell of the KOSTRA-DWD-2020 grid: the projection, the grid rule,
// the cell index and the forms of a location.
#include <gtest/gtest.h>

#include "calc/standort.h"

namespace dkm {
namespace {

// The guidance note's example of EPSG:3035 (50° N, 5° E) and a point of the facts sheet.
TEST(Kostra_Raster, ProjectionGivesTheWorkedExamples) {
    const Laea_Punkt p = Laea_Europa({50.0, 5.0});
    EXPECT_NEAR(p.x, 3962799.45, 0.01);
    EXPECT_NEAR(p.y, 2999718.85, 0.01);
    const Laea_Punkt q = Laea_Europa({50.768626, 6.104606});
    EXPECT_NEAR(q.x, 4046334.7, 0.1);
    EXPECT_NEAR(q.y, 3080314.4, 0.1);
    // the origin of the projection lies at its false easting and northing
    const Laea_Punkt o = Laea_Europa({52.0, 10.0});
    EXPECT_NEAR(o.x, 4321000.0, 1e-6);
    EXPECT_NEAR(o.y, 3210000.0, 1e-6);
}

// The known points and the grid's edges: col = floor((x - 3 600 000) / 5000), row = floor((3 800 000 - y) / 5000).
TEST(Kostra_Raster, KnownPointsAndEdgesFallInTheirCells) {
    const struct {
        double breite, laenge;
        int index;
    } punkte[] = {{50.768626, 6.104606, 143089}, {50.46, 6.19, 150090},    {51.23875, 6.785413, 133099},
                  {47.99609, 7.8494, 206112},    {51.44617, 7.020153, 129102}, {51.1621, 14.9506, 134213}};
    for (const auto& p : punkte) {
        const auto f = Rasterfeld_fuer(Geopunkt{p.breite, p.laenge});
        ASSERT_TRUE(f) << p.index;
        EXPECT_EQ(Feldnummer(*f), p.index);
    }
    EXPECT_EQ(Rasterfeld_fuer(Laea_Punkt{3600000.0, 3800000.0}), (Rasterfeld{0, 0}));
    EXPECT_EQ(Rasterfeld_fuer(Laea_Punkt{3604999.9, 3795000.1}), (Rasterfeld{0, 0}));
    EXPECT_EQ(Rasterfeld_fuer(Laea_Punkt{3605000.0, 3795000.0}), (Rasterfeld{1, 1}));
    EXPECT_EQ(Rasterfeld_fuer(Laea_Punkt{5099999.9, 2300000.1}), (Rasterfeld{299, 299}));
    for (Laea_Punkt aussen : {Laea_Punkt{3599999.9, 3000000}, Laea_Punkt{5100000, 3000000},
                              Laea_Punkt{4000000, 3800000.1}, Laea_Punkt{4000000, 2300000}})
        EXPECT_FALSE(Rasterfeld_fuer(aussen)) << aussen.x << " " << aussen.y;
}

TEST(Kostra_Raster, IndexCoding) {
    EXPECT_EQ(Feldnummer({49, 125}), 49125);
    EXPECT_EQ(Feldtext({49, 125}), "049125");
    EXPECT_EQ(Rasterfeld_aus_Nummer(49125), (Rasterfeld{49, 125}));
    EXPECT_EQ(Feldnummer({102, 5}), 102005);
    EXPECT_EQ(Rasterfeld_aus_Nummer(102005), (Rasterfeld{102, 5}));
    EXPECT_EQ(Feldtext({299, 299}), "299299");
    EXPECT_EQ(Feldtext({0, 0}), "000000");
    for (long long keins : {-1LL, 300000LL, 999999LL, 1300LL, 49300LL, 10000000000LL})
        EXPECT_FALSE(Rasterfeld_aus_Nummer(keins)) << keins;
}

// Essen, typed as people type it: decimal point or comma, with or without a comma between, in degrees,
// minutes and seconds (51°26'46" = 51 + 26/60 + 46/3600 = 51,44611°; 7°01'13" = 7,02028°), with decimal
// minutes (26,77' = 0,44617°), the directions before or after, in either order, with typographic marks.
TEST(Kostra_Standort, EveryFormOfALocationFindsItsCell) {
    const std::pair<const char*, int> eingaben[] = {
        {"51.44617 7.020153", 129102},
        {"51,44617 7,020153", 129102},
        {"51.44617, 7.020153", 129102},
        {"51.44617,7.020153", 129102},
        {"51,44617, 7,020153", 129102},
        {"51,44617;7,020153", 129102},
        {"  51.44617   7.020153  ", 129102},
        {"51°26'46\" N 7°01'13\" E", 129102},
        {"51°26'46\"N, 7°01'13\"O", 129102},
        {"N 51° 26,77' O 7° 1,21'", 129102},
        {"7°01'13\" E 51°26'46\" N", 129102},
        {"51\u00B026\u203246\u2033 N 7\u00B001\u203213\u2033 E", 129102},
        {"51.44617 N 7.020153 E", 129102},
        {"47.99609 7.8494", 206112},
        {"049125", 49125},
        {"49125", 49125},
        {"0049125", 49125},
        {"Feld 049125", 49125},
        {"0", 0},
    };
    for (const auto& [text, index] : eingaben) {
        const Feldsuche s = Feld_fuer_Eingabe(text);
        ASSERT_TRUE(s) << text << ": " << s.fehler().text;
        EXPECT_EQ(Feldnummer(*s), index) << text;
    }
    const Feldsuche ort = Feld_fuer_Ort("51,44617", "7.020153");
    ASSERT_TRUE(ort);
    EXPECT_EQ(Feldnummer(*ort), 129102);
}

TEST(Kostra_Standort, WrongLocationsGetAClearMessage) {
    const std::pair<std::string, const char*> eingaben[] = {
        {"abc", "\u201Eabc\u201C ist weder ein Ort"},
        {"", "Bitte geben Sie einen Ort"},
        {"51.4", "ist weder ein Ort"},
        {"51.4 7.0 9.0", "ist weder ein Ort"},
        {"51.4 N 7.0 N", "ist weder ein Ort"},
        {"51° N 7'", "ist weder ein Ort"},
        {"-51 S 7", "ist weder ein Ort"},
        {std::string(500, '5') + " 7", "ist weder ein Ort"},
        {"91 7", "91° ist keine geographische Breite"},
        {"91° N 7° E", "91° ist keine geographische Breite"},
        {"51 181", "181° ist keine geographische Länge"},
        {"51°61' N 7° E", "liegen Minuten oder Sekunden nicht zwischen 0 und 60"},
        {"51,5°30' N 7° E", "liegen Minuten oder Sekunden nicht zwischen 0 und 60"},
        {"999999", "Ein Rasterfeld 999999 gibt es nicht"},
        {"300000", "Ein Rasterfeld 300000 gibt es nicht"},
        {"040477", "Ein Rasterfeld 040477 gibt es nicht"},
        {"1234567", "Ein Rasterfeld 1234567 gibt es nicht"},
        {"Feld 12x", "ist weder ein Ort"},
        {"0 0", "Der Ort 0° N 0° O liegt außerhalb des Rasters"},
        {"40.4168 -3.7038", "Der Ort 40,4168° N 3,7038° W liegt außerhalb"},
        // the antipode of the projection's origin, where it has no value
        {"-52 -170", "Der Ort 52° S 170° W liegt außerhalb"},
    };
    for (const auto& [text, meldung] : eingaben) {
        const Feldsuche s = Feld_fuer_Eingabe(text);
        ASSERT_FALSE(s) << text;
        EXPECT_NE(s.fehler().text.find(meldung), std::string::npos) << text << ": " << s.fehler().text;
    }
    EXPECT_NE(Feld_fuer_Ort("abc", "7").fehler().text.find("ist weder ein Ort"), std::string::npos);
    EXPECT_NE(Feld_fuer_Ort("", "7").fehler().text.find("Bitte geben Sie"), std::string::npos);
}

}  // namespace
}  // namespace dkm
