// Numbers too small to be a measure, typed into the window.
#include "fenster_hilfen.h"
#include "model/meldungen.h"

namespace dkm::ui {

using Kleine_Zahlen = Fenster;

// Not 0 but below 0.0001 in its unit is refused like 10^7: "Eingabefehler", the results stay. 0.0001 itself is
// taken, and an emptied box is no error.
TEST_F(Kleine_Zahlen, UnterEinemZehntausendstelWirdAbgelehnt) {
    tippen({{"r5_5", "300"}, {"Laenge_1", "10"}, {"Breite_1", "5"}, {"Zusatz_Flaeche_1", "7"}});
    // 10 m × 5 m + 7 m² = 57 m²; 57 × 300 / 10000 = 1.71 l/s
    const Paare ergebnis = {{"Einzel_Flaeche_1", "57.00 m²"}, {"Belast_Teilrinne_1", "1.71 l/s"}};
    erwarte_texte(ergebnis);
    protokoll_leeren();
    tippen("r5_5", "0.00009");
    ASSERT_EQ(titel(), Titel{"Eingabefehler"});
    EXPECT_EQ(p.protokoll[0].text, "Die Eingabe ´Regen 5 min/5 Jahre´ ist für die Berechnung zu klein (weniger als "
                                   "0,0001, aber nicht 0). Bitte prüfen Sie den Wert; die bisherigen Ergebnisse "
                                   "bleiben stehen.");
    erwarte_texte(ergebnis);
    protokoll_leeren();
    tippen("r5_5", "0.0001");
    EXPECT_TRUE(titel().empty());
    // 57 m² × 0.0001 l/(s·ha) / 10000 = 0.00000057 l/s
    erwarte_texte({{"Einzel_Flaeche_1", "57.00 m²"}, {"Belast_Teilrinne_1", "0.00 l/s"}});
    tippen({{"r5_5", "300"}, {"Zusatz_Flaeche_1", ""}});
    EXPECT_TRUE(titel().empty());
    // 50 m² × 300 / 10000 = 1.50 l/s
    erwarte_texte({{"Zusatz_Flaeche_1", ""}, {"Einzel_Flaeche_1", "50.00 m²"}, {"Belast_Teilrinne_1", "1.50 l/s"}});
}

}  // namespace dkm::ui
