#include <gtest/gtest.h>

#include "calc/engine.h"
#include "calc/meldungen.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;

namespace {

Formular Gesamt(const char* laenge, const char* flaeche, const char* stutzen, S anordnung) {
    Formular f = Startformular();
    f.Eingabe_Art = "gesamt";
    f[T::Text25] = laenge;
    f[T::Text26] = flaeche;
    f[T::Text27] = stutzen;
    f[S::Option6] = false;
    f[anordnung] = true;
    return f;
}

// 'x' for every segment the split placed.
std::string Belegung(const Formular& f) {
    std::string s;
    for (int i = 1; i <= 8; ++i) s += f[Laenge(i)].empty() ? '.' : 'x';
    return s;
}

const std::string Rinne = "Die Rinnenabmes- sungen gelten auch für die hier nicht wiedergegebenen ";

}  // namespace

TEST(Gesamtmasse, NotesWhenSegmentsDoNotFit) {
    Aufzeichnung d;
    Formular f = Gesamt("50", "500", "5", S::Option6);
    Neuberechnung(f, d);
    EXPECT_EQ(Belegung(f), "xxxxxxxx");
    EXPECT_EQ(f[T::Laenge_3] + f[T::Zusatz_Flaeche_3] + f[T::Breite_3], " 5 50");
    EXPECT_EQ(f[T::Einzel_Flaeche_8], "50.00 m²");
    EXPECT_TRUE(f[V::Text28] && f[V::Text29]);
    EXPECT_EQ(f[T::Text28], Rinne + "Teilstrecken 9 und 10.");
    EXPECT_EQ(f[T::Text29], "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5.");

    f = Gesamt("50", "500", "5", S::Option8);
    Gesamtmasse_aufteilen(f);
    EXPECT_EQ(Belegung(f), ".xxxxxxx");
    EXPECT_EQ(f[T::Text28], Rinne + "Teilstrecke 8.");
    EXPECT_EQ(f[T::Text29], "Die Maße von Ablauf 5  ensprechen Abfluss 1.");

    f = Gesamt("100", "1000", "8", S::Option8);
    Gesamtmasse_aufteilen(f);
    EXPECT_EQ(f[T::Text28], Rinne + "Teilstrecken 8 bis 14.");
    EXPECT_EQ(f[T::Text29], "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 bis 7, Ablauf 8 enspricht Abfluss 1.");

    f = Gesamt("100", "1000", "6", S::Option7);
    Gesamtmasse_aufteilen(f);
    EXPECT_EQ(f[T::Text28], Rinne + "Teilstrecken 8 bis 11.");
    EXPECT_EQ(f[T::Text29], "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 und 6.");

    // four outlets at both ends fit: no notes, old ones go
    f = Gesamt("60", "600", "4", S::Option8);
    f[V::Text28] = true;
    Neuberechnung(f, d);
    EXPECT_EQ(Belegung(f), ".xxxxxx.");
    EXPECT_FALSE(f[V::Text28] || f[V::Text29]);
    EXPECT_EQ(f[T::Flaeche_Fallrohr_7_8], "100.00 m²");
    EXPECT_TRUE(d.titel.empty());
}

TEST(Gesamtmasse, CalculationKeepsTheUnroundedSplit) {
    Aufzeichnung d;
    Formular f = Gesamt("10", "100", "3", S::Option6);  // six segments
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Laenge_1] + f[T::Zusatz_Flaeche_1], " 1.67 16.67");
    EXPECT_EQ(f.werte.Teilstreckentabelle[0].laenge_m, 10.0f / 6.0f);
    EXPECT_EQ(f.werte.Teilstreckentabelle[0].flaeche_m2, 100.0f / 6.0f);
    EXPECT_EQ(f[T::Text27], "3");  // not rewritten in total mode
}

TEST(Gesamtmasse, NoOutletsNoSegments) {
    for (const char* stutzen : {"", "0", "-2", "0.4"})
        for (S anordnung : {S::Option6, S::Option7, S::Option8}) {
            Aufzeichnung d;
            Formular f = Gesamt("50", "500", stutzen, anordnung);
            Segment(f, 1, "4", "4");
            Neuberechnung(f, d);
            EXPECT_EQ(Belegung(f) + f[T::Einzel_Flaeche_1], "........") << stutzen;
            // a total area alone gives no gutter to show
            EXPECT_TRUE(Zeilen(f, 3).empty() && Zeilen(f, 1).empty()) << stutzen;
            EXPECT_TRUE(d.titel.empty()) << stutzen;
        }

    // one outlet at both ends leaves nothing to divide by: refused, nothing placed
    Aufzeichnung d;
    Formular f = Gesamt("50", "500", "1", S::Option8);
    Neuberechnung(f, d);
    EXPECT_EQ(d.titel, Texte{std::string(meldung::nicht_passend_Titel)});
    EXPECT_EQ(Belegung(f), "........");
    EXPECT_EQ(f.werte.Belastung_Fallrohr[0], 0);
    f[T::Text27] = "1.5";  // half to even: two outlets
    Neuberechnung(f, d);
    EXPECT_EQ(Belegung(f), ".xx.....");
}
