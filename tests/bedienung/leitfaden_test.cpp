// The guide on the record: its steps for each kind of project, back, the fields it marks and
// focuses, its end, and the question every conflicting command asks.
#include "bedienung_hilfen.h"

namespace dkm::test {
namespace {

class Leitfaden : public Bedienung {
protected:
    // The steps shown, by their number in the step table, until the guide ends.
    std::vector<int> durchlaufen() {
        Leitfaden_starten(f, d);
        std::vector<int> schritte;
        for (Command28_Click(f, d); f.aktiver_Modus == Modus::Leitfaden && schritte.size() < 30; Command28_Click(f, d))
            schritte.push_back(nummer());
        return schritte;
    }
    int nummer() const {
        const auto& s = Leitfaden_Schritte();
        const std::string& key = f.Leitfaden_Verlauf[static_cast<size_t>(f.Leitfaden_Zaehler)];
        for (size_t i = 0; i < s.size(); ++i)
            if (s[i].key == key) return static_cast<int>(i) + 1;
        return 0;
    }
};

// Each kind of project walks the steps its conditions give it: the internal gutter's (6, 8, 12), the long
// side's (7, 21), single values (13..15) or totals (16..19).
TEST_F(Leitfaden, EachKindOfProjectSeesItsSteps) {
    struct Fall {
        const char* art;
        std::vector<S> optionen;
        std::vector<int> schritte;
    };
    const Fall faelle[] = {
        {"eaves gutter, single values", {}, {1, 2, 3, 4, 5, 9, 10, 11, 13, 14, 15, 20, 22}},
        {"eaves gutter, totals", {S::Option11}, {1, 2, 3, 4, 5, 9, 10, 11, 16, 17, 18, 19, 20, 22}},
        {"internal, long side, totals", {S::Option2, S::Option5, S::Option11},
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19, 20, 21, 22}},
        {"internal, both ends, single values", {S::Option2}, {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 20, 22}},
        // the long side's overflows belong to an internal gutter, though the option stays set
        {"eaves gutter, long side still set", {S::Option2, S::Option5, S::Option1},
         {1, 2, 3, 4, 5, 9, 10, 11, 13, 14, 15, 20, 22}}};
    for (const Fall& fall : faelle) {
        f = Startformular();
        for (S o : fall.optionen) klick(o);
        EXPECT_EQ(durchlaufen(), fall.schritte) << fall.art;
    }
    EXPECT_TRUE(titel().empty()) << "the guide asks and notes nothing";
}

TEST_F(Leitfaden, StartBackMarksAndEnd) {
    tippen({{T::Laenge_1, "10"}, {T::Breite_1, "5"}});
    ASSERT_TRUE(Vorschau_oeffnen(f, d));
    Leitfaden_starten(f, d);
    EXPECT_TRUE(f.aktiver_Modus == Modus::Leitfaden && f[V::Druckvorsch] && !f[A::Command27] && !f[A::Command30]);
    EXPECT_TRUE(!f.Hilfe_an && f.Hilfe_vor_Leitfaden && !f.Leitfaden_Box.zeilen().empty()) << "help off, introduction";
    Command28_Click(f, d);  // step 1: the project data panel, its six fields marked, the first focused
    EXPECT_TRUE(f[V::Frame8] && !f[V::Frame2] && f.Fokus == "Bauherr" && !f[A::Command30]);
    EXPECT_EQ(f.Markierung, (std::vector<std::string>{"Bauherr", "strasse", "PLZ_Ort", "Telef", "Fax", "Bemerkungen"}));
    for (int i = 0; i < 3; ++i) Command28_Click(f, d);
    EXPECT_TRUE(nummer() == 4 && f[V::Frame2] && !f[V::Frame8] && f[A::Command30] && f.Fokus == "Combo_Wahl_Regensp");
    EXPECT_EQ(f.Markierung.front(), "Combo_Wahl_Regensp");
    Command28_Click(f, d), Command28_Click(f, d);
    EXPECT_EQ(nummer(), 9) << "past 6 to 8 of the internal gutter";
    Command30_Click(f, d);
    EXPECT_EQ(nummer(), 5) << "back to the step shown before";
    for (int i = 0; i < 20; ++i) Command30_Click(f, d);
    EXPECT_EQ(nummer(), 1) << "step 1 is the first";

    f[T::Laenge_1] = "20";  // held, not yet recalculated: the end runs the recalculation
    Modus_beenden(f, d);
    EXPECT_TRUE(f.aktiver_Modus == Modus::keiner && !f[V::Druckvorsch] && f[A::Command27] && f.Markierung.empty());
    EXPECT_TRUE(f.Hilfe_an && f.Fokus == "Laenge_1" && f.Leitfaden_Box.zeilen().empty());
    EXPECT_EQ(f[T::Einzel_Flaeche_1], "100.00 m²");  // 20 m x 5 m

    Command17_Click(f);  // switched off before, the help stays off after
    Leitfaden_starten(f, d);
    Modus_beenden(f, d);
    EXPECT_TRUE(!f.Hilfe_an && titel().empty());
}

// Each command that meets the guide asks; No keeps the guide, Yes ends it and the command goes on.
TEST_F(Leitfaden, EachConflictingCommandAsks) {
    using B = meldung::Befehl;
    bool weiter = false;  // the command may go on
    struct Fall {
        std::function<void()> befehl;
        const char* frage;
    };
    const Fall faelle[] = {
        {[&] { Command9_Click(f, d), weiter = f.aktiver_Modus != Modus::Leitfaden; },
         "Konflikt Leitfaden mit ´Projektdaten zurücksetzen´"},
        {[&] { Command1_Click(f, d), weiter = f.aktiver_Modus != Modus::Leitfaden; },
         "Konflikt Leitfaden mit ´Werte zurücksetzen´"},
        {[&] { Command7_Click(f, d), weiter = f.aktiver_Modus != Modus::Leitfaden; },
         "Konflikt Leitfaden mit der ´neues Projekt´"},
        {[&] { weiter = Vorschau_oeffnen(f, d); }, "Konflikt Leitfaden mit der Druckvorschau"},
        {[&] { weiter = Druckausgabe_moeglich(f, d); }, "Konflikt Leitfaden mit der Druckausgabe"},
        {[&] { Korrektur_oeffnen(f, d), weiter = f.aktiver_Modus == Modus::Korrektur; },
         "Konflikt Korrektur Rinnenhöhe mit Leitfaden."},
        {[&] { weiter = Leitfaden_Konflikt(f, d, B::Projekt_speichern); }, "Konflikt Leitfaden mit ´Projekt speichern´"},
        {[&] { weiter = Leitfaden_Konflikt(f, d, B::Projekt_aufrufen); }, "Konflikt Leitfaden mit ´Projekt aufrufen´"},
        {[&] { weiter = Leitfaden_Konflikt(f, d, B::Als_PDF_speichern); }, "Konflikt Leitfaden mit ´Als PDF speichern´"},
    };
    innenrinne();
    for (const Fall& fall : faelle) {
        Leitfaden_starten(f, d);
        antworten({false});
        weiter = true;
        fall.befehl();
        EXPECT_EQ(titel(), Texte{fall.frage});
        EXPECT_TRUE(f.aktiver_Modus == Modus::Leitfaden && weiter == false) << fall.frage;
        antworten({true, false});
        fall.befehl();
        EXPECT_TRUE(f.aktiver_Modus != Modus::Leitfaden && weiter == true) << fall.frage;
        Modus_beenden(f, d);
    }
    // a guide cannot start while the correction is open
    Korrektur_oeffnen(f, d);
    antworten();
    Leitfaden_starten(f, d);
    EXPECT_TRUE(titel() == Texte{"Konflikt Leitfaden mit Korrektur Rinnenhöhe"} && f.aktiver_Modus == Modus::Korrektur);
}

}  // namespace
}  // namespace dkm::test
