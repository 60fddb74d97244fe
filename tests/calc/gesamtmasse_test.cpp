#include <gtest/gtest.h>

#include "calc/engine.h"
#include "calc/meldungen.h"
#include "traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;
using Zeilen_t = std::vector<std::string>;

namespace {

Formular Gesamt(const char* laenge, const char* flaeche, const char* stutzen, S anordnung) {
    Formular f = Startformular();
    f.Eingabe_Art = "gesamt";
    f[S::Option10] = false;
    f[S::Option11] = true;
    f[T::Text25] = laenge;
    f[T::Text26] = flaeche;
    f[T::Text27] = stutzen;
    f[S::Option6] = f[S::Option7] = f[S::Option8] = false;
    f[anordnung] = true;
    return f;
}

std::string Belegung(const Formular& f) {
    std::string s;
    for (int i = 1; i <= 8; ++i) s += f[Laenge(i)].empty() ? '.' : 'x';
    return s;
}

}  // namespace

TEST(Gesamtmasse, FiveOutletsInside) {
    Aufzeichnung d;
    Formular f = Gesamt("50", "500", "5", S::Option6);
    Gesamtmasse_aufteilen(f);
    Neuberechnung(f, d);
    EXPECT_EQ(Belegung(f), "xxxxxxxx");
    EXPECT_EQ(f[T::Laenge_3], " 5");
    EXPECT_EQ(f[T::Zusatz_Flaeche_3], " 50");
    EXPECT_EQ(f[T::Breite_3], "");
    EXPECT_EQ(f[T::Einzel_Flaeche_8], "50.00 m²");
    EXPECT_EQ(f.werte.Anzahl_Teilstrecken, 10);
    EXPECT_TRUE(f[V::Text28]);
    EXPECT_TRUE(f[V::Text29]);
    EXPECT_EQ(f[T::Text28],
              "Die Rinnenabmes- sungen gelten auch für die hier nicht wiedergegebenen Teilstrecken 9 und 10.");
    EXPECT_EQ(f[T::Text29], "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5.");
    // the totals stay as typed
    EXPECT_EQ(f[T::Text25], "50");
    EXPECT_TRUE(d.meldungen.empty());
}

TEST(Gesamtmasse, NotesForMoreOutlets) {
    struct Fall {
        S anordnung;
        const char* stutzen;
        const char* text28_ende;
        const char* text29;
    };
    const Fall faelle[] = {
        {S::Option6, "6", "Teilstrecken 9 bis 12.", "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5 und 6."},
        {S::Option6, "9", "Teilstrecken 9 bis 18.", "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5 bis 9."},
        {S::Option7, "5", "Teilstrecken 8 und 9.", "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5."},
        {S::Option7, "7", "Teilstrecken 8 bis 13.", "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 bis 7."},
        {S::Option8, "5", "Teilstrecke 8.", "Die Maße von Ablauf 5  ensprechen Abfluss 1."},
        {S::Option8, "6", "Teilstrecken 8 bis 10.",
         "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5, Ablauf 6 enspricht Abfluss 1."},
        {S::Option8, "8", "Teilstrecken 8 bis 14.",
         "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 bis 7, Ablauf 8 enspricht Abfluss 1."},
    };
    for (const Fall& fall : faelle) {
        Formular f = Gesamt("100", "1000", fall.stutzen, fall.anordnung);
        Gesamtmasse_aufteilen(f);
        EXPECT_EQ(f[T::Text28],
                  std::string("Die Rinnenabmes- sungen gelten auch für die hier nicht wiedergegebenen ") +
                      fall.text28_ende)
            << fall.stutzen;
        EXPECT_EQ(f[T::Text29], fall.text29) << fall.stutzen;
        EXPECT_EQ(Belegung(f), fall.anordnung == S::Option6 ? "xxxxxxxx" : ".xxxxxxx");
    }
}

TEST(Gesamtmasse, FewOutletsAtTheEnds) {
    Aufzeichnung d;
    Formular f = Gesamt("60", "600", "4", S::Option8);
    f[T::Text28] = "alt";
    f[V::Text28] = true;
    Gesamtmasse_aufteilen(f);
    Neuberechnung(f, d);
    EXPECT_EQ(Belegung(f), ".xxxxxx.");
    EXPECT_EQ(f[T::Laenge_2], " 10");
    EXPECT_FALSE(f[V::Text28]);
    EXPECT_FALSE(f[V::Text29]);
    EXPECT_EQ(f[T::Text28], "");
    EXPECT_EQ(f[T::Flaeche_Fallrohr_1_2], "100.00 m²");
    EXPECT_EQ(f[T::Flaeche_Fallrohr_7_8], "100.00 m²");

    f = Gesamt("30", "300", "2", S::Option7);
    Gesamtmasse_aufteilen(f);
    EXPECT_EQ(Belegung(f), ".xxx....");
}

TEST(Gesamtmasse, CalculationKeepsTheUnroundedSplit) {
    Aufzeichnung d;
    Formular f = Gesamt("10", "100", "3", S::Option6);  // six segments
    Neuberechnung(f, d);
    EXPECT_EQ(f[T::Laenge_1], " 1.67");
    EXPECT_EQ(f[T::Zusatz_Flaeche_1], " 16.67");
    EXPECT_EQ(f.werte.Teilstreckentabelle[0].laenge_m, 10.0f / 6.0f);
    EXPECT_EQ(f.werte.Teilstreckentabelle[0].flaeche_m2, 100.0f / 6.0f);
    EXPECT_EQ(f.werte.Teilstreckentabelle[6].flaeche_m2, 0);
    // the outlet count is not rewritten in total mode
    EXPECT_EQ(f[T::Text27], "3");
}

TEST(Gesamtmasse, NoSegmentsWithoutOutlets) {
    for (const char* stutzen : {"", "0", "-2", "0.4"}) {
        for (S anordnung : {S::Option6, S::Option7, S::Option8}) {
            Aufzeichnung d;
            Formular f = Gesamt("50", "500", stutzen, anordnung);
            Segment(f, 1, "4", "4");
            Neuberechnung(f, d);
            EXPECT_EQ(Belegung(f), "........") << stutzen;
            EXPECT_EQ(f[T::Einzel_Flaeche_1], "");
            EXPECT_FALSE(f[V::Text28]);
            // a total area alone gives no gutter to show
            EXPECT_TRUE(Zeilen(f, 3).empty());
            EXPECT_TRUE(Zeilen(f, 1).empty());
            EXPECT_TRUE(d.meldungen.empty()) << stutzen;
        }
    }
}

TEST(Gesamtmasse, OneOutletAtBothEndsIsRefused) {
    Aufzeichnung d;
    Formular f = Gesamt("50", "500", "1", S::Option8);
    Neuberechnung(f, d);
    EXPECT_EQ(d.titel(), (Zeilen_t{std::string(meldung::nicht_passend_Titel)}));
    EXPECT_EQ(Belegung(f), "........");
    EXPECT_EQ(f[T::Belast_Teilrinne_2], "");
    EXPECT_EQ(f.werte.Belastung_Fallrohr[0], 0);
    // rounded half to even, 1.5 outlets are 2
    f[T::Text27] = "1.5";
    Aufzeichnung d2;
    Neuberechnung(f, d2);
    EXPECT_TRUE(d2.meldungen.empty());
    EXPECT_EQ(Belegung(f), ".xx.....");
}
