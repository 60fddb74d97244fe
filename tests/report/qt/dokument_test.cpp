// The printed document as a whole: every sheet's foot and the PDF's document information.
#include <gtest/gtest.h>

#include <filesystem>

#include "bedienung/neuberechnung.h"
#include "calc/traufe_hilfen.h"
#include "common/befehl.h"
#include "model/version.h"
#include "report/bericht.h"
#include "report/qt/maler.h"
#include "report/qt/pdf.h"

namespace dkm::bericht {
namespace {

namespace fs = std::filesystem;

Bericht Papierbericht(Formular f, float S, bool nachweis, const Aussteller& a = {"Dachbau Schmidt GmbH", "", "", ""}) {
    test::Skript_Dialoge d;
    Pruefen_und_berechnen(f, d);
    Berichtsform form = Papierform(S, 0, 0, a, "01.02.2026");
    form.nachweis = nachweis;
    return *Bericht_erstellen(f, form);
}

// The pieces of a sheet below its bottom margin.
std::vector<std::string> Fuss(const Satzseite& s) {
    std::vector<std::string> f;
    for (const Textstueck& t : s.texte)
        if (t.oben > A4_hoehe - Rand) f.push_back(t.text);
    return f;
}

// One segment's record fits one sheet at size 8: three sheets, each with program, page and issuer.
TEST(Dokument, EverySheetHasItsFoot) {
    Formular f = test::Startformular();
    f[T::Bauherr] = "Familie Beispiel";
    test::Segment(f, 1, "10", "8");
    const Satz s = Bericht_setzen(Papierbericht(f, 8, true));
    ASSERT_EQ(s.seiten.size(), 3u);
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(Fuss(s.seiten[i]), (std::vector<std::string>{"Dachkandelmesser " + std::string(Programmversion),
                                                               "Seite " + std::to_string(i + 1) + " von 3",
                                                               "Dachbau Schmidt GmbH"}));
    // the record at its own scale leaves pages 1 and 2 as they were
    const Satz ohne = Bericht_setzen(Papierbericht(f, 8, false));
    ASSERT_EQ(ohne.seiten.size(), 2u);
    EXPECT_EQ(ohne.massstab, s.massstab);
    EXPECT_EQ(ohne.seiten[1].texte.size(), s.seiten[1].texte.size());
    EXPECT_EQ(Fuss(ohne.seiten[1])[1], "Seite 2 von 2");
    // at 12 points the record is laid out to the sheet: nothing of it beyond the margins
    for (float S : {8.0f, 12.0f}) {
        const Satz gross = Bericht_setzen(Papierbericht(f, S, true));
        for (size_t i = 2; i < gross.seiten.size(); ++i)
            for (const Textstueck& t : gross.seiten[i].texte)
                EXPECT_TRUE(t.links >= Rand_links - 1 && t.rechts <= A4_breite - Rand + 1 && t.oben >= Rand - 1)
                    << S << " " << t.text;
    }
}

// pdfinfo reads title (client and place), author (the issuer), subject and creator.
TEST(Dokument, PdfProperties) {
    Formular f = test::Startformular();
    f[T::Bauherr] = "Familie Müller";
    f[T::PLZ_Ort] = "34117 Kassel";
    test::Segment(f, 1, "10", "8");
    const fs::path ziel = fs::temp_directory_path() / "dkm-dokument.pdf";
    ASSERT_TRUE(Pdf_schreiben(Papierbericht(f, 10, true), ziel));
    const std::string info = test::Ausfuehren("pdfinfo '" + ziel.string() + "'").second;
    for (const std::string& zeile : std::vector<std::string>{"Title:           Familie Müller, 34117 Kassel\n", "Author:          Dachbau Schmidt GmbH\n",
                                    "Subject:         Bemessung der Dachentwässerung\n",
                                    "Creator:         Dachkandelmesser " + std::string(Programmversion) + "\n",
                                    "Pages:           3\n"})
        EXPECT_NE(info.find(zeile), std::string::npos) << zeile << info;
    const std::string text = test::Ausfuehren("pdftotext -f 3 -l 3 '" + ziel.string() + "' -").second;
    EXPECT_NE(text.find("Seite 3 von 3"), std::string::npos) << text;

    // without client and place the title is the file's name
    f[T::Bauherr] = f[T::PLZ_Ort] = "";
    ASSERT_TRUE(Pdf_schreiben(Papierbericht(f, 10, false, {}), ziel));
    EXPECT_NE(test::Ausfuehren("pdfinfo '" + ziel.string() + "'").second.find("Title:           dkm-dokument\n"),
              std::string::npos);
    fs::remove(ziel);
}

}  // namespace
}  // namespace dkm::bericht
