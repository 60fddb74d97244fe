// The layout with a font whose every character is half an em wide (10 twips per point), ascent
// 0.9 em and descent 0.2 em, so that every place can be worked out by hand.
#include <gtest/gtest.h>

#include <algorithm>

#include "bedienung/neuberechnung.h"
#include "calc/traufe_hilfen.h"
#include "report/bericht.h"
#include "report/satz.h"

namespace dkm::bericht {
namespace {

struct Halbgeviert : Schriftmass {
    double breite(const std::string& t, double punkt, bool) const override {
        double n = 0;
        for (unsigned char c : t) n += (c & 0xC0) != 0x80;
        return n * 10 * punkt;
    }
    double oberlaenge(double punkt) const override { return 18 * punkt; }
    double unterlaenge(double punkt) const override { return 4 * punkt; }
};

constexpr double mm = Twips_je_mm;

// An eaves gutter with all eight segments of 5 m and 10 m roof width.
Formular Acht_Teilstrecken() {
    Formular f = test::Startformular();
    for (int i = 1; i <= 8; ++i) test::Segment(f, i, "5", "10");
    return f;
}

Bericht Bericht_aus(Formular f, const Berichtsform& form) {
    test::Skript_Dialoge d;
    Pruefen_und_berechnen(f, d);
    return *Bericht_erstellen(f, form);
}

Satz Papier(Formular f, float S, float h = 0, float v = 0) {
    return Setzen(Bericht_aus(std::move(f), Papierform(S, h, v, {}, "01.02.2026")), Halbgeviert());
}

const Textstueck& Stueck(const Satzseite& s, const std::string& text, size_t n = 0) {
    for (const Textstueck& t : s.texte)
        if (t.text == text && n-- == 0) return t;
    static const Textstueck fehlt{"(fehlt)"};
    ADD_FAILURE() << "no piece " << text;
    return fehlt;
}

// The tab column is the segment width over the 8 report columns of its table column, so that the
// numbers stand over their segments. Size 8: one tab column is 800 / 11.2 = 71.43 twips.
TEST(Satz, NumbersStandOverTheirSegments) {
    const Satz s = Papier(Acht_Teilstrecken(), 8);
    // the widest line, "Anordnung Abflüsse:" at column 74 (tab 109, 108 * 71.43 = 7714.3) with 19
    // characters of 80 twips, ends at 9234.3; column 5 (tab 12) starts at 11 * 71.43 = 785.7: 8448.6
    // twips (149 mm) fit the 180 mm between the margins, at scale 1 and 25 mm from the left edge
    EXPECT_DOUBLE_EQ(s.massstab, 1);
    EXPECT_NEAR(Stueck(s.seiten[0], "Maß-Vorgaben:").links, 25 * mm, 0.01);
    // number 1 at tab 39 (24 * 1.4 + 5 = 38.6): 27 tab columns right of column 5 = 1928.6 twips
    const Textstueck& eins = Stueck(s.seiten[0], "1");
    EXPECT_NEAR(eins.x, 25 * mm + 1928.6, 0.1);
    // segment 1 from the origin 2400, 1614.3 right of column 5, one segment width of 800 long
    const Strichstueck& ts1 = s.seiten[0].zeichnungen.at(0).striche.at(0);
    EXPECT_NEAR(ts1.x1, 25 * mm + 2400 - 785.7, 0.1);
    EXPECT_NEAR(ts1.x2 - ts1.x1, 800, 1e-9);
    // every number's centre (40 twips into it) over its segment, 8 segments on 8 numbers
    for (size_t p = 0; p < 2; ++p)
        for (int i = 1; i <= 8; ++i) {
            const Textstueck& n = Stueck(s.seiten[p], std::to_string(i));
            const Strichstueck& ts = s.seiten[p].zeichnungen.at(0).striche.at(static_cast<size_t>(i - 1));
            EXPECT_TRUE(n.x + 40 > ts.x1 && n.x + 40 < ts.x2) << "page " << p + 1 << ", TS " << i;
        }
}

// Both pages at one scale, the set size times it; page 1 below 70 mm of letterhead.
TEST(Satz, BothPagesAtOneScale) {
    // size 10: the widest line ends at 108 * 89.29 + 19 * 100 = 11542.9, column 5 starts at
    // 11 * 89.29 = 982.1: 10560.7 twips = 186.3 mm for the 179.7 mm the margins leave (0.3 mm are kept
    // from the right margin for the glyphs' overhang): 0.9647. Size 12: 223.5 mm, 0.8039.
    const std::pair<float, double> faelle[] = {{8, 1}, {10, 179.7 / 186.28}, {12, 179.7 / 223.54}};
    for (auto [S, k] : faelle) {
        const Satz s = Papier(Acht_Teilstrecken(), S);
        EXPECT_NEAR(s.massstab, k, 0.001) << S;
        for (const Satzseite& seite : s.seiten)
            for (const Textstueck& t : seite.texte)
                EXPECT_TRUE(t.punkt == S * s.massstab || t.punkt > S * s.massstab) << t.text;
        const Textstueck& titel = s.seiten[0].texte.front();
        EXPECT_NEAR(titel.oben, 70 * mm, 0.01) << S;
        if (S > 8) {
            EXPECT_NEAR(Stueck(s.seiten[0], "Ges.Rinnenlänge:").links, 20 * mm, 0.01) << S;
            EXPECT_NEAR(Stueck(s.seiten[0], "Anordnung Abflüsse:").rechts, 199.7 * mm, 0.01) << S;
        }
    }
}

// A drawing keeps the place its table gives it where its room allows, else it moves just far enough.
TEST(Satz, DrawingsKeepToTheirRoom) {
    // size 10, page 1: lines of 226 twips below the head (226 + 271.2 + 13 * 248.6 + 271.2 = 4000.2);
    // the numbers' line 51 starts at 4000.2 + 35 * 226 = 11910.2, 595 twips (100 + 400 + 15 + 1.1 mm / k)
    // below 11300: the origin stays, the gutter 200 below it
    Satz s = Papier(Acht_Teilstrecken(), 10);
    const double k = s.massstab, titel = 226 + 271.2 + 13 * 248.6;
    EXPECT_NEAR(s.seiten[0].zeichnungen.at(0).striche.at(0).y1, 70 * mm + k * (11300 + 200 - titel), 0.01);
    EXPECT_NEAR(s.seiten[0].zeichnungen.at(0).striche.at(0).x1 - Stueck(s.seiten[0], "Schema:").links,
                k * (3000 - 982.14), 0.1);
    // size 8: the numbers' line starts at 180.8 + 226 + 13 * 203.4 + 226 + 35 * 180.8 = 9605.0, too near
    // 9200: the pipes' feet (515 below the origin) end 1.1 mm above it
    s = Papier(Acht_Teilstrecken(), 8);
    const double nummern = Stueck(s.seiten[0], "1").oben;
    double fuss = 0;
    for (const Strichstueck& st : s.seiten[0].zeichnungen.at(0).striche) fuss = std::max(fuss, std::max(st.y1, st.y2) + st.staerke / 2);
    EXPECT_NEAR(nummern - fuss, Abstand_Zeichnung, 0.01);
    // shifted down by 5 mm the drawing stays where it was: it has no room below
    const Satz verschoben = Papier(Acht_Teilstrecken(), 8, 0, 5);
    EXPECT_NEAR(verschoben.seiten[0].zeichnungen.at(0).striche.at(0).y1, s.seiten[0].zeichnungen.at(0).striche.at(0).y1, 0.01);
}

// A remark wraps under its start; a one-line field is shortened with "…"; nothing passes the margin.
TEST(Satz, LongTexts) {
    Formular f = Acht_Teilstrecken();
    std::string bemerkung;
    for (int i = 0; i < 15; ++i) bemerkung += (i ? " " : "") + std::string("abcdefghi");
    f[T::Bemerkungen] = bemerkung;
    // size 8, scale 1: the remark starts 13 characters right of column 5, at 25 mm + 1040 twips; to
    // 199.7 mm are 8864 twips, 110 characters of 80: 11 words of 9 characters and their blanks, then 4
    Satz s = Papier(f, 8);
    const Textstueck& erste = Stueck(s.seiten[0], bemerkung.substr(0, 109));
    const Textstueck& zweite = Stueck(s.seiten[0], bemerkung.substr(110));
    EXPECT_NEAR(erste.x, 25 * mm + 1040, 0.01);
    EXPECT_EQ(zweite.x, erste.x);
    EXPECT_NEAR(zweite.grundlinie - erste.grundlinie, 8 * 22.6, 0.01) << "the next line";
    const double anfang = erste.x;  // s is laid out again below

    // a word longer than a line is broken at the margin; on the fourth line the rest ends in "…"
    f[T::Bemerkungen] = std::string(10000, 'x');
    s = Papier(f, 8);
    EXPECT_EQ(Stueck(s.seiten[0], std::string(110, 'x'), 2).x, anfang);
    Stueck(s.seiten[0], std::string(109, 'x') + "\u2026");

    // page 2: client and place share one line; the longer one is shortened
    f[T::Bauherr] = std::string(94, 'W');
    f[T::PLZ_Ort] = "20099 Hamburg";
    s = Papier(f, 12);
    const auto& zwei = s.seiten[1].texte;
    const auto bauherr = std::find_if(zwei.begin(), zwei.end(), [](const Textstueck& t) { return t.text.starts_with("WWW"); });
    ASSERT_NE(bauherr, zwei.end());
    EXPECT_TRUE(bauherr->text.ends_with("W\u2026")) << bauherr->text;
    EXPECT_EQ((bauherr + 1)->text, "      20099 Hamburg");
    for (const Satzseite& seite : s.seiten)
        for (const Textstueck& t : seite.texte) EXPECT_LE(t.rechts, 199.7 * mm + 0.01) << t.text.substr(0, 20);
}

}  // namespace
}  // namespace dkm::bericht
