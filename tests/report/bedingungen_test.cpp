// The report's lines that depend on a condition, each with a case on both sides; the date check; a print
// job that fails.
#include <gtest/gtest.h>

#include <algorithm>

#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"
#include "report/bericht.h"
#include "report/drucken.h"
#include "report/text.h"

namespace dkm::bericht {
namespace {

using test::Texte;

struct Bericht_fuer {
    Formular f = test::Startformular();
    test::Skript_Dialoge d;
    Bericht b;
    void erstellen() {
        Command18_Click(f, d);
        const Erfolg<Bericht> e = Bericht_erstellen(f, Vorschauform({}, "01.02.2026"));
        ASSERT_TRUE(e);
        b = *e;
    }
    std::string text() const { return Als_Text(b); }
    bool hat(const std::string& teil) const { return text().find(teil) != std::string::npos; }
};

// Each gutter shape's line by its own result: 300 l/(s·ha) on 10 m times `breite` m are 3, 7.5 and 12 l/s.
// At 10 m the largest standard sizes carry 8.42 l/s (semicircular) and 6.78 l/s (box), as the window's
// boxes say ("Zuschnitt:  0" where none does); the report says the same, shape by shape.
TEST(Bedingungen, EachGutterShapeByItsOwnResult) {
    int beide = 0, nur_halbrund = 0, keine = 0;
    for (const char* breite : {"10", "25", "40"}) {
        Bericht_fuer r;
        test::Segment(r.f, 1, "10", breite);
        r.erstellen();
        const bool halbrund = r.f.Picture(3).texte().at(1) != "Zuschnitt:  0";
        const bool kasten = r.f.Picture(4).texte().at(1) != "Zuschnitt:  0";
        beide += halbrund && kasten, nur_halbrund += halbrund && !kasten, keine += !halbrund && !kasten;
        EXPECT_EQ(r.hat("Fertige halbrunde Rinne ist nur bis"), !halbrund) << breite;
        EXPECT_EQ(r.hat("Fertige Kastenrinne ist nur bis"), !kasten) << breite;
        EXPECT_EQ(r.hat("Zuschnitt: 0"), false) << breite;
    }
    EXPECT_TRUE(beide && nur_halbrund && keine) << "a case on each side of each condition";
}

// Total mode on an internal gutter: the two lines about the segments not shown (five outlets and
// more) stand above the cross-section, which moves down by them.
TEST(Bedingungen, CrossSectionBelowTheTotalsRemark) {
    int zeilen[2]{};
    for (int i = 0; i < 2; ++i) {
        Bericht_fuer r;
        Option_Click(r.f, r.d, S::Option2);
        Option_Click(r.f, r.d, S::Option11);
        r.f[T::Text25] = "50";
        r.f[T::Text26] = "500";
        r.f[T::Text27] = i ? "5" : "4";
        Feld_verlassen(r.f, r.d, T::Text27);
        r.erstellen();
        ASSERT_EQ(r.b.seiten[1].zeichnungen.size(), 2u);
        zeilen[i] = r.b.seiten[1].zeichnungen[1].zusatzzeilen;
        EXPECT_EQ(r.hat("Insgesamt 10 Rinnen-Teilstrecken."), i == 1);
    }
    // five outlets: "Insgesamt 10 Rinnen-Teilstrecken ..." on two lines, "Insgesamt 5 Fallrohre ..." on one
    EXPECT_EQ(zeilen[1] - zeilen[0], 3);
}

TEST(Bedingungen, DatesFromTheFirstToTheLastDayOfAMonth) {
    const std::pair<const char*, bool> daten[] = {
        {"00.05.2026", false}, {"01.05.2026", true}, {"31.05.2026", true},  {"32.05.2026", false},
        {"30.04.2026", true},  {"31.04.2026", false}, {"29.02.2024", true}, {"29.02.2026", false},
        {"15.00.2026", false}, {"15.13.2026", false}, {"15.12.2026", true}, {"1.5.2026", false}};
    for (auto [datum, gueltig] : daten) EXPECT_EQ(Datum_gueltig(datum), gueltig) << datum;
}

// A printer that fails at job `fehler` (1-based).
struct Drucker_mit_Fehler : Drucker {
    int fehler = 1, auftraege = 0, kopien = 1;
    bool drucker_vorhanden() override { return true; }
    std::optional<Druckerwahl> drucker_waehlen() override { return Druckerwahl{"Büro", kopien}; }
    Erfolg<> drucken(const Bericht&, const std::string&) override {
        if (++auftraege == fehler) return Fehler{"Papierstau"};
        return {};
    }
};

// A failed job is said and the print counts as failed, also at the last copy; no job follows it.
TEST(Bedingungen, AFailedPrintJobIsNoPrint) {
    Bericht_fuer r;
    test::Segment(r.f, 1, "10", "10");
    Command18_Click(r.f, r.d);
    for (auto [kopien, fehler, ausgang] : {std::tuple{1, 1, Druckausgang::fehlgeschlagen},
                                           {3, 3, Druckausgang::fehlgeschlagen},
                                           {3, 2, Druckausgang::fehlgeschlagen},
                                           {3, 0, Druckausgang::gedruckt}}) {
        Drucker_mit_Fehler p;
        p.kopien = kopien, p.fehler = fehler;
        r.d.neu({false});  // not the default printer: the dialog with its copies
        EXPECT_EQ(Projekt_drucken(r.f, r.d, p, Papierform(10, 0, 0, {}, "")), ausgang) << kopien << fehler;
        EXPECT_EQ(p.auftraege, fehler ? fehler : kopien);
        EXPECT_EQ(r.d.texte().size(), fehler ? 2u : 1u);
        if (fehler) {
            EXPECT_NE(r.d.texte().back().find("Papierstau"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace dkm::bericht
