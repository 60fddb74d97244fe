// The guide on the record alone: which steps a project sees, the history, the box text, start and end.
#include <gtest/gtest.h>

#include "bedienung/bedienung.h"
#include "calc/traufe_hilfen.h"

using namespace dkm;
using namespace dkm::test;

namespace {

using Keys = std::vector<std::string>;

// Starts the guide and presses "weiter" until it ends; the keys shown, in order.
Keys Durchlauf(Formular& f, Aufzeichnung& d) {
    Leitfaden_starten(f, d);
    Keys gezeigt;
    for (int i = 0; i < 40 && f.Status_Leitfaden == aktiv; ++i) {
        Leitfaden_weiter(f, d);
        if (f.Status_Leitfaden == aktiv) gezeigt.push_back(f.Leitfaden_Verlauf[static_cast<size_t>(f.Leitfaden_Zaehler)]);
    }
    return gezeigt;
}

// Starts the guide and shows steps up to and including `key`.
void Bis(Formular& f, Aufzeichnung& d, std::string_view key) {
    if (f.Status_Leitfaden != aktiv) Leitfaden_starten(f, d);
    for (int i = 0; i < 30 && f.Leitfaden_Verlauf[static_cast<size_t>(f.Leitfaden_Zaehler)] != key; ++i)
        Leitfaden_weiter(f, d);
}

std::string Gezeigt(const Formular& f) { return f.Leitfaden_Verlauf[static_cast<size_t>(f.Leitfaden_Zaehler)]; }

const std::string Kopf[] = {"Projektdaten", "Wahl_Rinnenart", "Wahl_Eingabe_Art", "Regenspende", "Abflussbeiwert"};

}  // namespace

// The four kinds of project, each step list written out from the step table's conditions.
TEST(Leitfaden, JedeProjektartSiehtIhreSchritte) {
    Aufzeichnung d;
    Formular f = Startformular();
    Keys traufe_einzel(std::begin(Kopf), std::end(Kopf));
    for (const char* k : {"Schutzfaktor_Rinne", "Hindernis_Rinne", "Schutzkorb", "Rinnenlaengen_einzeln",
                          "Dachbreiten", "Zusatz_Flaeche", "Rinnenwinkel", "Abschluss"})
        traufe_einzel.push_back(k);
    EXPECT_EQ(Durchlauf(f, d), traufe_einzel);

    f = Startformular();
    Option_Click(f, d, S::Option11);
    Keys traufe_gesamt(std::begin(Kopf), std::end(Kopf));
    for (const char* k : {"Schutzfaktor_Rinne", "Hindernis_Rinne", "Schutzkorb", "Gesamtlänge", "Gesamtfläche",
                          "Anzahl_Stutzen", "Anordnung_Stutzen", "Rinnenwinkel", "Abschluss"})
        traufe_gesamt.push_back(k);
    EXPECT_EQ(Durchlauf(f, d), traufe_gesamt);

    // internal, overflows on the long side, totals: steps 1-12 and 16-22
    f = Startformular();
    Option_Click(f, d, S::Option2);
    Option_Click(f, d, S::Option5);
    Option_Click(f, d, S::Option11);
    Keys innen_gesamt(std::begin(Kopf), std::end(Kopf));
    for (const char* k : {"Wahl_Art_Notüberlauf", "Anzahl_Notueberlaeufe", "Berechnung_Notüberlauf",
                          "Schutzfaktor_Rinne", "Hindernis_Rinne", "Schutzkorb", "Masse_innenliegende_Rinne",
                          "Gesamtlänge", "Gesamtfläche", "Anzahl_Stutzen", "Anordnung_Stutzen", "Rinnenwinkel",
                          "KorrSchalter_Hoehe", "Abschluss"})
        innen_gesamt.push_back(k);
    EXPECT_EQ(Durchlauf(f, d), innen_gesamt);

    // internal, overflows over both front sides, single values: 6 and 8 shown, 7 and 21 passed over
    f = Startformular();
    Option_Click(f, d, S::Option2);
    Keys innen_einzel(std::begin(Kopf), std::end(Kopf));
    for (const char* k : {"Wahl_Art_Notüberlauf", "Berechnung_Notüberlauf", "Schutzfaktor_Rinne", "Hindernis_Rinne",
                          "Schutzkorb", "Masse_innenliegende_Rinne", "Rinnenlaengen_einzeln", "Dachbreiten",
                          "Zusatz_Flaeche", "Rinnenwinkel", "Abschluss"})
        innen_einzel.push_back(k);
    EXPECT_EQ(Durchlauf(f, d), innen_einzel);
    EXPECT_TRUE(d.titel.empty() && d.fragen.empty());
}

TEST(Leitfaden, ZurueckUeberspringtWasNichtGezeigtWurde) {
    Aufzeichnung d;
    Formular f = Startformular();
    Leitfaden_starten(f, d);
    EXPECT_FALSE(f[A::Command30]) << "nothing to go back to at the introduction";
    Leitfaden_weiter(f, d);
    EXPECT_FALSE(f[A::Command30]) << "step 1";
    Bis(f, d, "Schutzfaktor_Rinne");
    EXPECT_TRUE(f[A::Command30]);
    Leitfaden_zurueck(f, d);
    EXPECT_EQ(Gezeigt(f), "Abflussbeiwert") << "steps 6 to 8 were never shown";
    EXPECT_EQ(f.Leitfaden_Zaehler, 5);
    EXPECT_EQ(f.Leitfaden_Schritt, "Wahl_Art_Notüberlauf");
    // the step shown again is not recorded twice
    Leitfaden_weiter(f, d);
    EXPECT_EQ(Gezeigt(f), "Schutzfaktor_Rinne");
    EXPECT_EQ(f.Leitfaden_Zaehler, 6);
    for (int i = 0; i < 5; ++i) Leitfaden_zurueck(f, d);
    EXPECT_EQ(Gezeigt(f), "Projektdaten");
    EXPECT_FALSE(f[A::Command30]);
    Leitfaden_zurueck(f, d);  // the disabled button does nothing
    EXPECT_EQ(f.Leitfaden_Zaehler, 1);
}

TEST(Leitfaden, GeaenderteRinnenartGiltBeimNaechstenSchritt) {
    Aufzeichnung d;
    Formular f = Startformular();
    Option_Click(f, d, S::Option2);
    Bis(f, d, "Wahl_Art_Notüberlauf");
    EXPECT_EQ(f.Markierung, (std::vector<std::string>{"Option3", "Option4", "Option5"}));
    Option_Click(f, d, S::Option1);
    Leitfaden_weiter(f, d);
    EXPECT_EQ(Gezeigt(f), "Schutzfaktor_Rinne");
    // and to the long side: the overflow count follows
    Formular g = Startformular();
    Option_Click(g, d, S::Option2);
    Bis(g, d, "Wahl_Art_Notüberlauf");
    Option_Click(g, d, S::Option5);
    Leitfaden_weiter(g, d);
    EXPECT_EQ(Gezeigt(g), "Anzahl_Notueberlaeufe");
    EXPECT_EQ(g.Markierung, std::vector<std::string>{"Text30"});
}

TEST(Leitfaden, MarkierungUndFokusJeSchritt) {
    Aufzeichnung d;
    Formular f = Startformular();
    Leitfaden_starten(f, d);
    EXPECT_TRUE(f.Markierung.empty()) << "the introduction highlights nothing";
    Leitfaden_weiter(f, d);
    EXPECT_TRUE(f[V::Frame8] && !f[V::Frame2]) << "step 1 shows the project data";
    EXPECT_EQ(f.Fokus, "Bauherr");
    EXPECT_EQ(f.Markierung.size(), 6u);
    f.Fokus.clear();
    Leitfaden_weiter(f, d);
    EXPECT_TRUE(!f[V::Frame8] && f[V::Frame2]);
    EXPECT_TRUE(f.Fokus.empty()) << "choosing the gutter kind moves no focus";
    Bis(f, d, "Regenspende");
    EXPECT_EQ(f.Markierung, (std::vector<std::string>{"Combo_Wahl_Regensp", "r5_5", "r5_100", "Command22"}));
    EXPECT_EQ(f.Fokus, "Combo_Wahl_Regensp");
    Bis(f, d, "Rinnenwinkel");
    EXPECT_EQ(f.Markierung.size(), 9u) << "the label and all eight corner boxes";
    Leitfaden_weiter(f, d);
    EXPECT_TRUE(f.Markierung.empty()) << "the last step highlights nothing";
}

TEST(Leitfaden, TexteMitSpalten) {
    Aufzeichnung d;
    Formular f = Startformular();
    Leitfaden_starten(f, d);
    const Bild& b = f.Leitfaden_Box;
    ASSERT_EQ(b.zeilen().size(), 6u);
    // "Mit dem" at column 3, the bold name at 10 (one blank later, where it would touch), the rest at 25
    EXPECT_EQ(b.texte()[0], "  Mit dem ´Leitfaden´   werden Sie nacheinander durch alle wichtigen Eingabe-Felder geführt.");
    const Stueck& name = b.zeilen()[0].stuecke[3];
    EXPECT_TRUE(name.text == "´Leitfaden´" && name.stil.fett && name.stil.unterstrichen);
    EXPECT_EQ(b.texte()[1], "  ") << "an empty line is the tab alone";

    Bis(f, d, "Wahl_Rinnenart");
    EXPECT_EQ(b.texte()[4], "        1. eine vorgehängte Rinne  oder");
    EXPECT_EQ(b.texte()[6], "        2. eine innenliegende Rinne berechnet werden soll.");
    Bis(f, d, "Schutzkorb");
    EXPECT_EQ(b.texte()[6],
              "  Es wird hier nur bei vorgehängten, halbrunden Rinnen die Ablaufleistung der Rinne");
    EXPECT_EQ(b.texte()[8], "  Achtung:  Bei vorgehängten Kastenrinnen wird ein Laubfang hier nicht berücksichtigt. ");
    EXPECT_TRUE(b.zeilen()[0].stuecke.back().stil.unterstrichen) << "headings are underlined";
    EXPECT_FALSE(b.zeilen()[2].stuecke.back().stil.unterstrichen) << "and only they";
}

// Every heading as the step table lists it (the last step has none).
TEST(Leitfaden, UeberschriftJedesSchritts) {
    const char* ueberschriften[] = {"Projektdaten:",
                                    "Rinnenauswahl:",
                                    "Wahl der Maßeingabe:",
                                    "Regenspende:",
                                    "Abfussbeiwert:",
                                    "Anordnung des Notüberlaufs:",
                                    "Anzahl der Notabläufe an der Längsseite:",
                                    "Angabe zum Notüberlauf:",
                                    "Sicherheitsfaktor wählen:",
                                    "Hindernisse im Wasserlauf:",
                                    "Laubfangeinrichtung:",
                                    "Breite und Form der Rinne:",
                                    "Eingabe Länge der Teilstrecken:",
                                    "Eingabe bei rechteckigen Dachflächen:",
                                    "Eingabe nicht rechteckiger und/oder zusätzliche Dachflächen:",
                                    "Eingabe der gesamten Rinnenlänge:",
                                    "Gesamte Dachgrundfläche:",
                                    "Anzahl der Abflüsse der Rinne:",
                                    "Anordnung der Abflüsse in der Rinne:",
                                    "Rinnenwinkel:",
                                    "Korrektur der Rinnenhöhe:",
                                    "Es wurden alle relevanten Felder aufgerufen. "};
    const auto& schritte = Leitfaden_Schritte();
    ASSERT_EQ(schritte.size(), std::size(ueberschriften));
    for (size_t i = 0; i < schritte.size(); ++i) {
        const Leitfaden_Teil& t = schritte[i].text.front().front();
        EXPECT_EQ(t.text, ueberschriften[i]) << "step " << i + 1;
        EXPECT_EQ(t.stil.unterstrichen, i + 1 < schritte.size()) << "step " << i + 1;
    }
}

TEST(Leitfaden, StartUndEnde) {
    Aufzeichnung d;
    Formular f = Startformular();
    Segment(f, 1, "10", "5");  // not yet recalculated
    Leitfaden_starten(f, d);
    EXPECT_TRUE(f.Status_Hilfe == nicht_sichtbar && f.Hilfe_vor_Leitfaden == ja && !f[A::Command27]);
    EXPECT_TRUE(f[V::Druckvorsch] && f[A::Command28] && f[A::Command29] && !f[A::Command30]);
    Bis(f, d, "Abschluss");
    EXPECT_TRUE(f[T::Einzel_Flaeche_1].empty());
    Leitfaden_weiter(f, d);  // "weiter" on the last step ends the guide like "abbrechen"
    EXPECT_TRUE(f.Status_Leitfaden == aus && f[A::Command27] && !f[V::Druckvorsch]);
    EXPECT_TRUE(!f[A::Command28] && !f[A::Command29] && !f[A::Command30]);
    EXPECT_EQ(f.Status_Hilfe, sichtbar) << "the help is on again";
    EXPECT_TRUE(f.Hilfe_vor_Leitfaden.empty());
    EXPECT_EQ(f.Fokus, "Laenge_1");
    EXPECT_EQ(f[T::Einzel_Flaeche_1], "50.00 m²") << "10 m x 5 m, recalculated at the end";

    // help off before: off after
    Command17_Click(f);
    Leitfaden_starten(f, d);
    Leitfaden_weiter(f, d);
    Modus_beenden(f, d);
    EXPECT_TRUE(f.Status_Leitfaden == aus && f.Status_Hilfe == nicht_sichtbar && f.Markierung.empty());

    // the preview's box is taken over
    f.Status_Vorschau = aktiv;
    Leitfaden_starten(f, d);
    EXPECT_TRUE(f.Status_Vorschau == aus && f.Status_Leitfaden == aktiv);
    Modus_beenden(f, d);

    // refused during the height correction
    f.Status_Korrektur = aktiv;
    Leitfaden_starten(f, d);
    EXPECT_EQ(f.Status_Leitfaden, aus);
    EXPECT_EQ(d.titel, Texte{"Konflikt Leitfaden mit Korrektur Rinnenhöhe"});
}

// Yes ends the guide and the command goes on; No keeps the guide and stops the command.
TEST(Leitfaden, KonfliktFragen) {
    const meldung::Befehl befehle[] = {meldung::Befehl::Projekt_speichern, meldung::Befehl::Projekt_aufrufen,
                                       meldung::Befehl::Druckvorschau, meldung::Befehl::Druckausgabe,
                                       meldung::Befehl::Korrektur_Rinnenhoehe};
    for (meldung::Befehl b : befehle)
        for (bool antwort : {false, true}) {
            Aufzeichnung d;
            Formular f = Startformular();
            Bis(f, d, "Regenspende");
            d.antwort = antwort;
            EXPECT_EQ(Leitfaden_Konflikt(f, d, b), antwort);
            EXPECT_EQ(f.Status_Leitfaden, antwort ? aus : aktiv);
            EXPECT_EQ(f.Markierung.empty(), antwort);
            ASSERT_EQ(d.fragen.size(), 1u);
        }
}
