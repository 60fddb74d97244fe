// The window on the platform of the system it runs on (under Wine: Windows' own, in Xvfb):
// an example opened, a value typed, the report saved as a PDF under a name with umlauts.
#include <fstream>

#include "files/dateizugriff.h"
#include "ui/fenster_hilfen.h"

namespace dkm::ui {
namespace {

using Rauchtest = Fenster;

TEST_F(Rauchtest, ExampleTypingAndPdf) {
    fenster->projekt_aufrufen(DKM_EXAMPLES_DIR "/traufe_einzel.Dkm");
    EXPECT_NE(fenster->windowTitle().toStdString().find("traufe_einzel.Dkm"), std::string::npos);
    // segment 2 is 6 m × 5 m = 30 m²; 6 m wide it is 36 m², with r(5,5) = 331 l/(s·ha) and C = 1:
    // 36 × 331 / 10000 = 1.19 l/s
    erwarte_texte({{"Einzel_Flaeche_2", "30.00 m²"}, {"Belast_Teilrinne_2", "0.99 l/s"}});
    tippen("Breite_2", "6");
    erwarte_texte({{"Einzel_Flaeche_2", "36.00 m²"}, {"Belast_Teilrinne_2", "1.19 l/s"}});

    const std::filesystem::path pdf = ordner / std::filesystem::u8path("Bericht Müller.pdf");
    p.dateien = {Pfadtext(pdf)};
    klick("Als_PDF_speichern");
    std::ifstream ein(pdf, std::ios::binary);
    const std::string inhalt{std::istreambuf_iterator<char>(ein), {}};
    EXPECT_EQ(inhalt.substr(0, 5), "%PDF-");
    // the two pages of the report and the two of the record, each a page object of its own
    size_t seiten = 0;
    for (size_t i = 0; (i = inhalt.find("/Type /Page\n", i)) != std::string::npos; ++i) ++seiten;
    EXPECT_EQ(seiten, 4u);
}

}  // namespace
}  // namespace dkm::ui
