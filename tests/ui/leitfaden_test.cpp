// The guide in the real window: started, walked and ended with clicks, the highlighting as painted.
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

// The headings of the step table, by step number (the last step has none).
const char* const Ueberschrift[] = {"", "Projektdaten:", "Rinnenauswahl:", "Wahl der Maßeingabe:", "Regenspende:",
    "Abfussbeiwert:", "Anordnung des Notüberlaufs:", "Anzahl der Notabläufe an der Längsseite:",
    "Angabe zum Notüberlauf:", "Sicherheitsfaktor wählen:", "Hindernisse im Wasserlauf:", "Laubfangeinrichtung:",
    "Breite und Form der Rinne:", "Eingabe Länge der Teilstrecken:", "Eingabe bei rechteckigen Dachflächen:",
    "Eingabe nicht rechteckiger und/oder zusätzliche Dachflächen:", "Eingabe der gesamten Rinnenlänge:",
    "Gesamte Dachgrundfläche:", "Anzahl der Abflüsse der Rinne:", "Anordnung der Abflüsse in der Rinne:",
    "Rinnenwinkel:", "Korrektur der Rinnenhöhe:", "Es wurden alle relevanten Felder aufgerufen. "};

// Each kind of project walks the steps the step table's conditions give it.
TEST_F(Leitfaden_Test, JedeProjektartSiehtIhreSchritte) {
    struct Fall {
        const char* art;
        std::vector<const char*> optionen;
        std::vector<int> schritte;
    };
    const Fall faelle[] = {{"eaves gutter, single values", {}, {1, 2, 3, 4, 5, 9, 10, 11, 13, 14, 15, 20, 22}},
        {"eaves gutter, totals", {"Option11"}, {1, 2, 3, 4, 5, 9, 10, 11, 16, 17, 18, 19, 20, 22}},
        {"internal, long side, totals", {"Option2", "Option5", "Option11"},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19, 20, 21, 22}},
        {"internal, both ends, single values", {"Option2"}, {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 20, 22}},
        // the long side's overflows belong to an internal gutter, though the option stays set
        {"eaves gutter, long side still set", {"Option2", "Option5", "Option1"},
         {1, 2, 3, 4, 5, 9, 10, 11, 13, 14, 15, 20, 22}}};
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.art);
        for (const char* o : fall.optionen) klick(o);
        klick("Command27");
        std::vector<std::string> gezeigt, soll;
        for (int s : fall.schritte) soll.push_back(Ueberschrift[s]);
        for (weiter(); box()->isVisible() && gezeigt.size() < 30; weiter()) gezeigt.push_back(ueberschrift());
        EXPECT_EQ(gezeigt, soll);
        p.antworten = {true};
        klick("Command1");
    }
    EXPECT_EQ(titel(), Titel(std::size(faelle), "Rinnenmaße löschen")) << "the guide asks and notes nothing";
}

TEST_F(Leitfaden_Test, StartZurueckUndMarkierung) {
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
    klick("Command30");
    EXPECT_EQ(ueberschrift(), "Abfussbeiwert:") << "back to the step shown before, past 6 to 8";
    weiter(3);
    EXPECT_TRUE(gelb("Check_Schutzkorb"));
    weiter();
    for (const std::string n : {"1", "2", "3", "4", "5", "6", "7", "8"})
        EXPECT_TRUE(gelb(("Laenge_" + n).c_str()) && !ueberdeckt(("Laenge_" + n).c_str())) << n;
    weiter(3);
    for (const char* name : {"Check1", "Check8", "Label77"}) EXPECT_TRUE(gelb(name) && !ueberdeckt(name)) << name;
    for (int i = 0; i < 14; ++i) klick("Command30");
    EXPECT_TRUE(ueberschrift() == "Projektdaten:" && !w("Command30")->isEnabled()) << "step 1 is the first";
}

TEST_F(Leitfaden_Test, UebernimmtDieDruckansichtUndRechnetAmEndeNeu) {
    tippen({{"Laenge_1", "10"}, {"Breite_1", "5"}});
    klick("Command3");
    ASSERT_EQ(f().aktiver_Modus, Modus::Vorschau);
    klick("Command27");
    EXPECT_FALSE(f().aktiver_Modus == Modus::Vorschau || w("Vorschauseite")->isVisible());
    EXPECT_EQ(knopftext("Command28"), "Leitfaden weiter");
    weiter(13);
    EXPECT_EQ(ueberschrift(), "Es wurden alle relevanten Felder aufgerufen. ");
    // held but not yet recalculated
    f()[T::Laenge_1] = "20";
    weiter();  // "weiter" on the last step ends as "abbrechen" does
    EXPECT_TRUE(!box()->isVisible() && !w("Command28")->isVisible() && w("Command27")->isEnabled());
    EXPECT_EQ(text("Einzel_Flaeche_1"), "100.00 m²") << "20 m x 5 m: recalculated at the end";
    EXPECT_TRUE(f().Hilfe_an && QApplication::focusWidget() == w("Laenge_1"));

    // with the help off it stays off; "abbrechen" from step 4 takes back the highlight
    klick({"Command17", "Command27"});
    weiter(4);
    klick("Command29");
    EXPECT_TRUE(!f().Hilfe_an && !gelb("r5_5") && titel().empty());
}

// Each command that meets the guide asks; No keeps the guide, Yes ends it and the command goes on.
TEST_F(Leitfaden_Test, KonfliktJedesBefehls) {
    klick({"Option2", "Option5"});
    const Paare befehle = {{"Command2", "Konflikt Leitfaden mit ´Projekt speichern´"},
        {"Command6", "Konflikt Leitfaden mit ´Projekt aufrufen´"},
        {"Command9", "Konflikt Leitfaden mit ´Projektdaten zurücksetzen´"},
        {"Command1", "Konflikt Leitfaden mit ´Werte zurücksetzen´"},
        {"Command7", "Konflikt Leitfaden mit der ´neues Projekt´"},
        {"Command3", "Konflikt Leitfaden mit der Druckvorschau"},
        {"Formular_Print", "Konflikt Leitfaden mit der Druckausgabe"},
        {"Command11", "Konflikt Korrektur Rinnenhöhe mit Leitfaden."}};
    for (auto [knopf, frage] : befehle) {
        SCOPED_TRACE(knopf);
        klick("Command27");
        weiter(4);
        antworten({false});
        klick(knopf);
        EXPECT_EQ(titel(), Titel{frage});
        EXPECT_TRUE(f().aktiver_Modus == Modus::Leitfaden && gelb("r5_5"));
        antworten({true, false, false});
        klick(knopf);
        EXPECT_EQ(titel().at(0), frage);
        EXPECT_TRUE(f().aktiver_Modus != Modus::Leitfaden && !gelb("r5_5") && w("Command27")->isEnabled());
        // the command went on: its own question, dialog or mode follows
        EXPECT_TRUE(p.protokoll.size() > 1 || f().aktiver_Modus != Modus::keiner);
        if (f().aktiver_Modus != Modus::keiner) klick("Command29");
        if (!f()[S::Option2]) klick({"Option2", "Option5"});
    }
}

}  // namespace dkm::ui
