// Both sides of the file limits: the size of a project file, every list entry a file can name, and a
// load that fails after the window has already shown the new name.
#include <gtest/gtest.h>

#include "bedienung/projektstand.h"
#include "projekt_hilfen.h"

namespace dkm::test {
namespace {

// A project file of 1 MiB loads (blanks after its end marker are not read), one byte more is refused
// whole: a cut file could load as a different project.
TEST(Grenzen, ProjectFileOfOneMebibyteAndOneByteMore) {
    const std::string datei = Projektdatei_schreiben(Volles_Projekt());
    for (size_t mehr : {0u, 1u}) {
        Formular f = Start();
        Skript_Dialoge d;
        const std::string inhalt = datei + std::string((size_t{1} << 20) + mehr - datei.size(), ' ');
        EXPECT_EQ(Projekt_laden(f, d, "gross.Dkm", inhalt),
                  mehr ? Ladeergebnis::Datei_Kontrolle : Ladeergebnis::geladen);
        EXPECT_EQ(f[T::Bauherr], mehr ? "" : "Müller & Söhne");
    }
}

// The window keeps the project it shows after a failed load, and the name of its file.
TEST(Grenzen, AFailedLoadKeepsTheNameOfTheFileInWork) {
    Formular f = Start();
    Skript_Dialoge d;
    Projekt_gespeichert(f, "/ablage/alt.Dkm");
    EXPECT_EQ(Projekt_laden(f, d, "/ablage/neu.Dkm", "kein Projekt"), Ladeergebnis::Datei_Kontrolle);
    EXPECT_EQ(f[T::Text24], "/ablage/alt.Dkm");
    EXPECT_TRUE(f[V::Text24] && f[V::Label4]);
}

// Every entry of the two lists a file names by number, and the first and last place of the place list,
// come back as that entry.
TEST(Grenzen, EveryListEntryOfAFileLoads) {
    const char* beiwerte[] = {"wasserundurchlässig (C=1)", "Kiesdach (C=0.5)", "begrünt-intensiv (C=0.3)",
                              "begr. extensiv >10cm (C=0.3)", "begr.extensiv <10cm (C=0.5)"};
    const char* notregen[] = {"ohne Berechnungsregen", "Jahrhundertregen voll"};
    const std::pair<const char*, int> orte[] = {{"Aachen", 0}, {"Schweiz gesamt", 93}, {"Eigenheim", -1}};
    for (int i = 0; i < 5; ++i) {
        Projektdaten p = Volles_Projekt();
        p.Index_Abfl_beiwert = i;
        p.Combo_Abfl_beiwert = beiwerte[i];
        p.Index_Diff_Notueberl = i % 2;
        p.Combo_Diff_Notueberl = notregen[i % 2];
        p.Combo_Wahl_Regensp = orte[i % 3].first;
        Formular f = Start();
        Skript_Dialoge d;
        ASSERT_EQ(Projekt_laden(f, d, "x.Dkm", Projektdatei_schreiben(p)), Ladeergebnis::geladen);
        EXPECT_EQ(f[L::Combo_Abfl_beiwert].index, i);
        EXPECT_EQ(f[L::Combo_Abfl_beiwert].text, beiwerte[i]);
        EXPECT_EQ(f[L::Combo_Diff_Notueberl].index, i % 2);
        EXPECT_EQ(f[L::Combo_Diff_Notueberl].text, notregen[i % 2]);
        EXPECT_EQ(f[L::Combo_Wahl_Regensp].index, orte[i % 3].second) << orte[i % 3].first;
    }
}

}  // namespace
}  // namespace dkm::test
