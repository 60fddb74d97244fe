// The guide in the real window: its box, the highlighting as painted, the focus, the help held back.
#include "fenster_hilfen.h"
#include "ui/bildbox.h"
#include "ui/leitfaden.h"

namespace dkm::ui {

class Leitfaden_Test : public Fenster {
protected:
    BildBox* box() { return w<BildBox>("Druckvorsch"); }
    std::string ueberschrift() {
        for (const std::string& z : box()->bild().texte())
            if (z.find_first_not_of(' ') != std::string::npos) return z.substr(z.find_first_not_of(' '));
        return {};
    }
    // The guide's text below the button rows.
    std::string zeile(size_t i) {
        const std::vector<std::string> t = box()->bild().texte();
        size_t oben = 0;
        while (oben < t.size() && t[oben].empty()) ++oben;
        return oben + i < t.size() ? t[oben + i] : "";
    }
    void weiter(int mal = 1) { for (int i = 0; i < mal; ++i) klick("Command28"); }
    // Mostly painted in the highlight colour (its frame, text and indicator are not).
    bool gelb(const char* name) {
        const QSize s = w(name)->size();
        return pixel(name, Markierungsgelb()) * 3 > s.width() * s.height();
    }
    bool ueberdeckt(const char* n) { return box()->isVisible() && im_fenster(box()).intersects(im_fenster(w(n))); }
};

TEST_F(Leitfaden_Test, KastenMarkierungUndFokus) {
    klick("Command27");
    ASSERT_TRUE(box()->isVisible());
    EXPECT_EQ(knopftext("Command28") + "|" + knopftext("Command30") + "|" + knopftext("Command29"),
              "Leitfaden weiter|Leitfaden zurück|Leitfaden abbrechen");
    EXPECT_FALSE(w("Command30")->isEnabled() || w("Command27")->isEnabled() || w("Command31")->isVisible());
    // "Mit dem" at column 3, the name at 10 (one blank later, where it would touch), the rest at 25
    EXPECT_EQ(zeile(0), "  Mit dem ´Leitfaden´   werden Sie nacheinander durch alle wichtigen Eingabe-Felder geführt.");
    EXPECT_EQ(knopftext("Command17"), "Hilfe ausschalten") << "the help's caption stays";

    weiter();
    EXPECT_TRUE(w("Frame8")->isVisible() && !w("Frame2")->isVisible()) << "step 1 shows the project data";
    EXPECT_TRUE(QApplication::focusWidget() == w("Bauherr") && gelb("Bauherr") && gelb("Bemerkungen"));
    weiter();
    EXPECT_EQ(zeile(4), "        1. eine vorgehängte Rinne  oder");

    weiter(2);
    EXPECT_EQ(ueberschrift(), "Regenspende:");
    EXPECT_TRUE(w("Frame2")->isVisible() && !w("Frame8")->isVisible() && !gelb("Bauherr"));
    for (const char* name : {"r5_5", "r5_100", "Combo_Wahl_Regensp"}) EXPECT_TRUE(gelb(name) && !ueberdeckt(name)) << name;
    EXPECT_TRUE(w("Combo_Wahl_Regensp")->hasFocus() && w("Command30")->isEnabled());
    QTest::mouseMove(w("Label7"), QPoint(4, 4));
    EXPECT_FALSE(w("Hilfe_Text")->isVisible()) << "the help is off during the guide";

    weiter(2);
    EXPECT_FALSE(gelb("r5_5")) << "normal colour again";
    EXPECT_EQ(ueberschrift(), "Sicherheitsfaktor wählen:");
    weiter(2);
    EXPECT_TRUE(gelb("Check_Schutzkorb"));
    weiter();
    for (const std::string n : {"1", "2", "3", "4", "5", "6", "7", "8"})
        EXPECT_TRUE(gelb(("Laenge_" + n).c_str()) && !ueberdeckt(("Laenge_" + n).c_str())) << n;
    weiter(3);
    for (const char* name : {"Check1", "Check8", "Label77"}) EXPECT_TRUE(gelb(name) && !ueberdeckt(name)) << name;
    // the window's own commands ask the guide before any dialog: No opens none
    for (auto [knopf, frage] : Paare{{"Command2", "Konflikt Leitfaden mit ´Projekt speichern´"},
                                     {"Command6", "Konflikt Leitfaden mit ´Projekt aufrufen´"},
                                     {"Als_PDF_speichern", "Konflikt Leitfaden mit ´Als PDF speichern´"},
                                     {"Formular_Print", "Konflikt Leitfaden mit der Druckausgabe"}}) {
        antworten({false});
        klick(knopf);
        EXPECT_TRUE(titel() == Titel{frage} && p.protokoll.size() == 1u && box()->isVisible()) << knopf;
    }
    klick("Command29");
    EXPECT_TRUE(!box()->isVisible() && QApplication::focusWidget() == w("Laenge_1") && !gelb("Check1"));
}

}  // namespace dkm::ui
