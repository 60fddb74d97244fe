// The printed report as a reader gets it: real PDF files of the bundled examples at sizes 8, 10 and
// 12, their words where pdftotext finds them, against the drawings of the layout; and the preview.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>

#include "bedienung/neuberechnung.h"
#include "calc/traufe_hilfen.h"
#include "common/befehl.h"
#include "files/dateizugriff.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "report/bericht.h"
#include "report/qt/maler.h"
#include "report/qt/pdf.h"
#include "report/text.h"

namespace dkm::bericht {
namespace {

namespace fs = std::filesystem;
constexpr double mm = Twips_je_mm;

struct Kasten {
    double x1, y1, x2, y2;
};
struct Wort {
    std::string text;
    Kasten k;  // twips from the sheet's top left corner
};
using Seitenwoerter = std::array<std::vector<Wort>, 2>;

// Distance between two boxes: 0 when they overlap.
double Abstand(const Kasten& a, const Kasten& b) {
    const double dx = std::max({0.0, a.x1 - b.x2, b.x1 - a.x2}), dy = std::max({0.0, a.y1 - b.y2, b.y1 - a.y2});
    return std::hypot(dx, dy);
}

std::string Entity_frei(std::string s) {
    for (auto [e, z] : {std::pair{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&apos;", "'"}, {"&amp;", "&"}})
        for (size_t p; (p = s.find(e)) != std::string::npos;) s.replace(p, std::string(e).size(), z);
    return s;
}

// The words of both pages as pdftotext -bbox-layout reads them, in points turned into twips.
Seitenwoerter Woerter(const fs::path& pdf) {
    const auto [status, xml] = test::Ausfuehren("pdftotext -bbox-layout '" + pdf.string() + "' - 2>/dev/null");
    EXPECT_EQ(status, 0) << "pdftotext (poppler-utils) fehlt";
    Seitenwoerter w;
    int seite = -1;
    static const std::regex wort(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    size_t a = 0;
    for (size_t e; (e = xml.find('\n', a)) != std::string::npos; a = e + 1) {
        const std::string zeile = xml.substr(a, e - a);
        if (zeile.find("<page ") != std::string::npos) ++seite;
        std::smatch m;
        if (seite >= 0 && seite < 2 && std::regex_search(zeile, m, wort))
            w[static_cast<size_t>(seite)].push_back({Entity_frei(m[5]),
                                                     {20 * std::stod(m[1]), 20 * std::stod(m[2]), 20 * std::stod(m[3]),
                                                      20 * std::stod(m[4])}});
    }
    return w;
}

Formular Laden(const std::string& name) {
    Formular f = test::Startformular();
    test::Skript_Dialoge d;
    const std::string datei = std::string(DKM_EXAMPLES_DIR) + "/" + name;
    Projekt_laden(f, d, datei, Datei_lesen(datei, Projektdatei_Hoechstgroesse).wert_oder(""));
    return f;
}

const char* const Beispiele[] = {"traufe_einzel.Dkm", "traufe_gesamt.Dkm", "innen_stirnseiten.Dkm",
                                 "innen_laengsseite.Dkm", "traufe_alt.Dkl", "innen_alt.Dkl"};

struct Fall {
    std::string name;
    Bericht bericht;
    Satz satz;
    Seitenwoerter woerter;
};

Fall Drucken(const std::string& name, Formular f, float S, float h = 0, float v = 0) {
    test::Skript_Dialoge d;
    Pruefen_und_berechnen(f, d);
    const auto b = Bericht_erstellen(f, Papierform(S, h, v, {"Dachbau Schmidt GmbH", "Werkstraße 3", "34117 Kassel",
                                                               "0561 123456"}, "01.02.2026"));
    EXPECT_TRUE(b) << name;
    Fall fall{name + " S=" + std::to_string(static_cast<int>(S)), b ? *b : Bericht{}, {}, {}};
    fall.satz = Bericht_setzen(fall.bericht);
    // a file of its own: ctest runs the tests of this folder side by side
    static int nummer = 0;
    const fs::path pdf = fs::temp_directory_path() /
                         ("dkm-" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                          std::to_string(++nummer) + ".pdf");
    std::ofstream(pdf, std::ios::binary) << Pdf_erzeugen(fall.bericht, "Test");
    fall.woerter = Woerter(pdf);
    fs::remove(pdf);
    return fall;
}

// The box a stroke or circle covers, its line width included.
Kasten Umfang(const Strichstueck& s) {
    const double r = s.staerke / 2;
    return {std::min(s.x1, s.x2) - r, std::min(s.y1, s.y2) - r, std::max(s.x1, s.x2) + r, std::max(s.y1, s.y2) + r};
}
Kasten Umfang(const Kreisstueck& k) {
    const double r = k.r + k.staerke / 2;
    return {k.x - r, k.y - r, k.x + r, k.y + r};
}

// The schematic read back: its gutter segments, downpipes, and the numbers below it.
struct Schema_gelesen {
    std::vector<Strichstueck> rinnen, fallrohre;
    std::vector<Kasten> nummern;
};
Schema_gelesen Schema_lesen(const Satzzeichnung& z, const std::vector<Wort>& woerter) {
    Schema_gelesen s;
    double unten = 0, rinne = 0;
    for (const Strichstueck& st : z.striche) {
        unten = std::max(unten, Umfang(st).y2);
        if (st.y1 == st.y2) s.rinnen.push_back(st), rinne = st.staerke;
    }
    for (const Strichstueck& st : z.striche)  // the pipe is thinner than the gutter and its outlet mark
        if (st.x1 == st.x2 && st.staerke < rinne) s.fallrohre.push_back(st);
    // the first line of numbers below the drawing
    const auto ziffern = [&](const Wort& w) {
        return w.k.y1 > unten && w.text.find_first_not_of("0123456789") == std::string::npos;
    };
    double zeile = 1e9;
    for (const Wort& w : woerter)
        if (ziffern(w)) zeile = std::min(zeile, w.k.y1);
    for (const Wort& w : woerter)
        if (ziffern(w) && w.k.y1 < zeile + 20) s.nummern.push_back(w.k);
    const auto links = [](auto& v, auto x) { std::sort(v.begin(), v.end(), [&](auto& a, auto& b) { return x(a) < x(b); }); };
    links(s.rinnen, [](const Strichstueck& a) { return a.x1; });
    links(s.fallrohre, [](const Strichstueck& a) { return a.x1; });
    links(s.nummern, [](const Kasten& a) { return a.x1; });
    return s;
}

// Every number's centre over its own segment, every downpipe at the joint of its two segments and
// between their numbers.
void Schema_pruefen(const Schema_gelesen& s, const std::string& wo) {
    ASSERT_EQ(s.nummern.size(), s.rinnen.size()) << wo;
    std::vector<double> mitten;
    for (size_t i = 0; i < s.rinnen.size(); ++i) {
        const double mitte = (s.nummern[i].x1 + s.nummern[i].x2) / 2;
        mitten.push_back(mitte);
        EXPECT_TRUE(mitte > s.rinnen[i].x1 && mitte < s.rinnen[i].x2) << wo << ", segment " << i + 1;
    }
    for (const Strichstueck& f : s.fallrohre) {
        const bool am_stoss = std::any_of(s.rinnen.begin(), s.rinnen.end(), [&](const Strichstueck& r) {
            return std::abs(r.x1 - f.x1) < 1 || std::abs(r.x2 - f.x1) < 1;
        });
        EXPECT_TRUE(am_stoss) << wo << ", downpipe at " << f.x1;
        const auto rechts = std::upper_bound(mitten.begin(), mitten.end(), f.x1);
        if (rechts != mitten.begin() && rechts != mitten.end()) {
            EXPECT_TRUE(*(rechts - 1) < f.x1 && f.x1 < *rechts) << wo;
        }
    }
}

// No drawing nearer than 1 mm to a word.
void Abstaende_pruefen(const Satzseite& s, const std::vector<Kasten>& woerter, const std::string& wo) {
    for (const Satzzeichnung& z : s.zeichnungen) {
        std::vector<Kasten> teile;
        for (const Strichstueck& st : z.striche) teile.push_back(Umfang(st));
        for (const Kreisstueck& k : z.kreise) teile.push_back(Umfang(k));
        for (const Kasten& t : teile)
            for (const Kasten& w : woerter) EXPECT_GE(Abstand(t, w), 1 * mm) << wo << " at y = " << w.y1 / mm << " mm";
    }
}

std::vector<Kasten> Kaesten(const std::vector<Wort>& w) {
    std::vector<Kasten> k;
    for (const Wort& x : w) k.push_back(x.k);
    return k;
}

std::multiset<std::string> Woerter_des_Textes(const std::string& seite) {
    std::multiset<std::string> m;
    for (size_t a = 0; a < seite.size();) {
        const size_t b = seite.find_first_not_of(" \n", a);
        if (b == std::string::npos) break;
        const size_t e = std::min(seite.find_first_of(" \n", b), seite.size());
        m.insert(seite.substr(b, e - b));
        a = e;
    }
    return m;
}

TEST(Papier, ExamplesAtSizes8To12) {
    std::map<int, double> hoehe_je_punkt;
    for (const char* name : Beispiele)
        for (float S : {8.0f, 10.0f, 12.0f}) {
            const Fall fall = Drucken(name, Laden(name), S);
            SCOPED_TRACE(fall.name);
            const std::string text = Als_Text(fall.bericht);
            const size_t trenner = text.find("\f\n");
            for (size_t p = 0; p < 2; ++p) {
                const std::vector<Wort>& woerter = fall.woerter[p];
                ASSERT_FALSE(woerter.empty());
                // inside the margins: 20 mm left, 10 mm at the other edges
                for (const Wort& w : woerter) {
                    EXPECT_GE(w.k.x1, 20 * mm - 1) << w.text;
                    EXPECT_LE(w.k.x2, 200 * mm + 1) << w.text;
                    EXPECT_GE(w.k.y1, 10 * mm) << w.text;
                    EXPECT_LE(w.k.y2, 287 * mm) << w.text;
                }
                // the report's every word on the sheet, nothing hidden or added
                std::multiset<std::string> pdf;
                for (const Wort& w : woerter) pdf.insert(w.text);
                EXPECT_EQ(pdf, Woerter_des_Textes(p == 0 ? text.substr(0, trenner) : text.substr(trenner + 2)));
                // body text: the most frequent word height, the same on both pages and at every size
                std::map<long, int> haeufig;
                for (const Wort& w : woerter) ++haeufig[std::lround((w.k.y2 - w.k.y1) * 100)];
                const long hoehe = std::max_element(haeufig.begin(), haeufig.end(), [](auto& a, auto& b) {
                                       return a.second < b.second;
                                   })->first;
                const double je_punkt = hoehe / 100.0 / (S * fall.satz.massstab);
                if (hoehe_je_punkt.empty()) hoehe_je_punkt[0] = je_punkt;
                EXPECT_NEAR(je_punkt, hoehe_je_punkt[0], 0.05) << "page " << p + 1;

                Schema_pruefen(Schema_lesen(fall.satz.seiten[p].zeichnungen.at(0), woerter),
                               fall.name + " page " + std::to_string(p + 1));
                Abstaende_pruefen(fall.satz.seiten[p], Kaesten(woerter), fall.name);
            }
            // page 1 begins below the room for a letterhead
            const double oben = std::min_element(fall.woerter[0].begin(), fall.woerter[0].end(), [](auto& a, auto& b) {
                                    return a.k.y1 < b.k.y1;
                                })->k.y1;
            EXPECT_NEAR(oben, 70 * mm, 0.5 * mm);
        }
}

// Shifts as far as the printer panel allows keep the drawings clear of the text; more is limited.
TEST(Papier, ShiftedDrawingsStayInTheirRoom) {
    for (const char* name : {"traufe_gesamt.Dkm", "innen_laengsseite.Dkm"})
        for (float S : {8.0f, 12.0f})
            for (auto [h, v] : {std::pair{5.0f, 5.0f}, {-5.0f, -5.0f}, {20.0f, -20.0f}}) {
                const Fall fall = Drucken(name, Laden(name), S, h, v);
                for (size_t p = 0; p < 2; ++p)
                    Abstaende_pruefen(fall.satz.seiten[p], Kaesten(fall.woerter[p]),
                                      fall.name + " h=" + std::to_string(h) + " v=" + std::to_string(v));
            }
}

// Long user texts: a remark wraps under its own start, one-line fields end in "…" at the margin.
TEST(Papier, LongTextsStayOnTheSheet) {
    Formular f = Laden("traufe_einzel.Dkm");
    std::string bemerkung;
    while (bemerkung.size() < 150) bemerkung += "Rinnenheizung vorsehen, Fallrohre an der Hofseite ";
    f[T::Bemerkungen] = bemerkung;
    f[T::Bauherr] = std::string(94, 'W');
    f[T::PLZ_Ort] = "20099 Hamburg-Altstadt";
    f[T::strasse] = std::string(1000, 'm');
    for (float S : {8.0f, 12.0f}) {
        const Fall fall = Drucken("long texts", f, S);
        for (const auto& seite : fall.woerter)
            for (const Wort& w : seite) EXPECT_LE(w.k.x2, 200 * mm + 1) << w.text.substr(0, 20);
        // the remark's lines start where its first word stands, down to the rule below it
        const auto& eins = fall.woerter[0];
        const auto label = std::find_if(eins.begin(), eins.end(), [](const Wort& w) { return w.text == "Bemerkungen:"; });
        ASSERT_NE(label, eins.end());
        std::map<long, double> zeilenanfang;  // line top -> leftmost word
        for (const Wort& w : eins)
            if (w.k.y1 > label->k.y1 - 1 && w.k.x1 > label->k.x2 && w.k.y1 < label->k.y1 + 10 * mm)
                if (w.text.find('_') == std::string::npos) {
                    auto [it, neu] = zeilenanfang.try_emplace(std::lround(w.k.y1), w.k.x1);
                    if (!neu) it->second = std::min(it->second, w.k.x1);
                }
        EXPECT_GE(zeilenanfang.size(), 2u) << "wrapped";
        for (auto [oben, x] : zeilenanfang) EXPECT_NEAR(x, zeilenanfang.begin()->second, 1) << S;
        // page 2: the client shortened, the place still on the line
        const auto& zwei = fall.woerter[1];
        EXPECT_TRUE(std::any_of(zwei.begin(), zwei.end(), [](const Wort& w) { return w.text.ends_with("W\u2026"); }));
        EXPECT_TRUE(std::any_of(zwei.begin(), zwei.end(), [](const Wort& w) { return w.text.starts_with("20099"); }));
    }
}

// The preview: the same rules within its box.
TEST(Vorschau, ExamplesInTheirBox) {
    for (const char* name : Beispiele) {
        Formular f = Laden(name);
        const auto b = Bericht_erstellen(f, Vorschauform({"Dachbau Schmidt GmbH", "Werkstraße 3", "34117 Kassel", ""}, "01.02.2026"));
        ASSERT_TRUE(b) << name;
        const Satz satz = Bericht_setzen(*b);
        for (size_t p = 0; p < 2; ++p) {
            std::vector<Wort> texte;
            for (const Textstueck& t : satz.seiten[p].texte) {
                // the last number may carry "  ..." in the same piece: its own word is the number
                const std::string erstes = t.text.substr(0, t.text.find(' ', t.text.find_first_not_of(' ')));
                const double rechts = erstes.size() < t.text.size() ? t.x + Qt_Schriftmass().breite(erstes, t.punkt, t.fett)
                                                                   : t.rechts;
                texte.push_back({erstes, {t.links, t.oben, rechts, t.unten}});
                EXPECT_TRUE(t.links >= 0 && t.rechts <= Vorschau_breite && t.unten <= Vorschau_hoehe) << name << t.text;
            }
            Schema_pruefen(Schema_lesen(satz.seiten[p].zeichnungen.at(0), texte), std::string(name) + " preview");
            Abstaende_pruefen(satz.seiten[p], Kaesten(texte), std::string(name) + " preview");
        }
    }
}

}  // namespace
}  // namespace dkm::bericht
