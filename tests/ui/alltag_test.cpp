// Everyday actions that must neither change nor keep measurements behind the user's back.
#include <QLabel>
#include <fstream>

#include "cli/dump.h"

#include "files/einstellungen.h"
#include "files/laden.h"
#include "fenster_hilfen.h"

namespace dkm::ui {
namespace {

class Alltag_Test : public Fenster {
protected:
    // Every result box and every text the engine printed, to compare two windows.
    static std::vector<std::string> ergebnisse(const Formular& f) {
        std::vector<std::string> v;
        for (int i = static_cast<int>(Erstes_Ergebnisfeld); i < Anzahl(T{}); ++i) v.push_back(f.text[i]);
        for (const Bildbox& b : Bildboxen)
            for (const std::string& z : f.Picture(b.nummer).texte()) v.push_back(std::to_string(b.nummer) + ": " + z);
        return v;
    }
    void laden(const std::string& pfad) {
        p.dateien = {pfad};
        klick("Command6");
    }
    bool grau(const char* name) {
        return feld(name)->palette().color(QPalette::Text) != QApplication::palette().color(QPalette::Text);
    }
    std::string hinweis() { return w<QLabel>("Masse_Hinweis")->text().toStdString(); }
    void neues_fenster() {
        fenster = std::make_unique<Form1>(p, Startformular(ordner / "Regeneig.dat"));
        fenster->setze_einstellungsordner(ordner);
        fenster->show();
    }
};

// 10 m × 5 m and 6 m × 4 m: 50 and 24 m². The totals of single mode only show the sums.
TEST_F(Alltag_Test, GesamtfelderVeraendernInEinzelmassenNichts) {
    tippen({{"r5_5", "300"}, {"Laenge_1", "10"}, {"Breite_1", "5"}, {"Laenge_2", "6"}, {"Breite_2", "4"}});
    erwarte_texte({{"Einzel_Flaeche_1", "50.00 m²"}, {"Einzel_Flaeche_2", "24.00 m²"}, {"Text25", " 16"}});
    for (const char* summe : {"Text25", "Text26", "Text27"}) {
        EXPECT_TRUE(feld(summe)->isReadOnly()) << summe;
        EXPECT_FALSE(feld(summe)->focusPolicy() & Qt::TabFocus) << summe << " is skipped by TAB";
        feld(summe)->setFocus();
        verlassen(summe);
    }
    erwarte_texte({{"Laenge_1", "10"}, {"Laenge_2", "6"}, {"Einzel_Flaeche_1", "50.00 m²"},
                   {"Einzel_Flaeche_2", "24.00 m²"}});
    EXPECT_TRUE(titel().empty());
    // in total mode the same boxes are the inputs again
    p.antworten = {true};
    klick("Option11");
    EXPECT_FALSE(feld("Text25")->isReadOnly());
    EXPECT_TRUE(feld("Text25")->focusPolicy() & Qt::TabFocus);
}

// Six outlets in total mode, then each reset: only its own question, single mode, every box empty.
TEST_F(Alltag_Test, ZuruecksetzenAusGesamtmassenLeertAllesOhneZwischenfrage) {
    for (const char* befehl : {"Command1", "Command7"}) {
        p.antworten = {true};
        klick("Option11");
        tippen({{"r5_5", "300"}, {"Text25", "60"}, {"Text26", "600"}, {"Text27", "6"}});
        ASSERT_EQ(text("Einzel_Flaeche_2"), "50.00 m²") << "600 m² over twelve segments";
        ASSERT_TRUE(w("Text28")->isVisible());
        protokoll_leeren();
        p.antworten = {true};
        klick(befehl);
        EXPECT_EQ(titel().size(), 1u) << befehl << ": no question but the confirmation";
        EXPECT_TRUE(gewaehlt("Option10") && !gewaehlt("Option11")) << befehl;
        EXPECT_EQ(f().Eingabe_Art, "einzel");
        for (const char* leer : {"Text25", "Text26", "Text27", "Laenge_1", "Laenge_8", "Breite_1", "Einzel_Flaeche_1",
                                 "Einzel_Flaeche_2", "Belast_Teilrinne_1", "Flaeche_Fallrohr_1_2",
                                 "Belastung_Fallrohr_1_2"})
            EXPECT_EQ(text(leer), "") << befehl << " " << leer;
        EXPECT_FALSE(w("Text28")->isVisible() || w("Text29")->isVisible());
        EXPECT_TRUE(f()[T::Text28].empty() && f()[T::Text29].empty());
        erwarte_texte({{"r5_5", "400"}, {"r5_100", "800"}, {"Text2", "200"}, {"Text30", "1"}});
        EXPECT_TRUE(f().Picture(3).texte().empty()) << befehl << ": no gutter size without a segment";
    }
}

// A raised gutter of the last project must not raise the next one.
TEST_F(Alltag_Test, ZuruecksetzenNimmtDieHoehenkorrekturZurueck) {
    auto innenrinne = [this] {
        klick({"Option2", "Option5"});
        tippen({{"r5_5", "300"}, {"r5_100", "600"}, {"Laenge_1", "10"}, {"Breite_1", "8"}});
    };
    // the reset's own values (bottom width 200) without any correction
    innenrinne();
    p.antworten = {true};
    klick("Command1");
    innenrinne();
    const std::vector<std::string> ohne = ergebnisse(f());
    for (const char* befehl : {"Command1", "Command7"}) {
        klick("Command11");
        klick({"Command28", "Command28", "Command28", "Command31"});
        ASSERT_EQ(f().Hoehenkorrektur, 30.0f);
        ASSERT_NE(ergebnisse(f()), ohne);
        p.antworten = {true};
        klick(befehl);
        EXPECT_EQ(f().Hoehenkorrektur, 0.0f) << befehl;
        innenrinne();
        EXPECT_EQ(ergebnisse(f()), ohne) << befehl << ": the same gutter as before the correction";
    }
}

// An older file lacks totals, overflow count and correction: it gives the same window after any project.
TEST_F(Alltag_Test, AlteDateiGibtNachJedemProjektDasselbe) {
    const std::string alt = DKM_EXAMPLES_DIR "/innen_alt.Dkl";
    Formular frisch = Startformular(ordner / "Regeneig.dat");
    Aufzeichnung d;
    ASSERT_EQ(Projekt_laden_Datei(frisch, d, alt), Ladeergebnis::geladen);

    laden(DKM_EXAMPLES_DIR "/innen_laengsseite.Dkm");  // three overflows, +20 mm
    ASSERT_EQ(f().Hoehenkorrektur, 20.0f);
    laden(alt);
    EXPECT_EQ(f().Hoehenkorrektur, 0.0f);
    EXPECT_EQ(text("Text30"), " 1");
    const std::vector<std::string> jetzt = ergebnisse(f()), soll = ergebnisse(frisch);
    EXPECT_EQ(jetzt, soll) << "no box, shown or hidden, keeps a value of the project before";
}

// Results of an earlier state are greyed and the line below names the segments, until the inputs fit again.
TEST_F(Alltag_Test, UnvollstaendigeEingabenMarkierenDieErgebnisse) {
    tippen({{"r5_5", "300"}, {"Laenge_1", "10"}, {"Breite_1", "5"}});
    EXPECT_FALSE(grau("Einzel_Flaeche_1"));
    EXPECT_EQ(hinweis(), "");
    tippen("Laenge_3", "5");
    EXPECT_TRUE(grau("Einzel_Flaeche_1") && grau("Belast_Teilrinne_1"));
    EXPECT_EQ(hinweis(), "Ergebnisse nicht aktuell \u2013 TS 3: Länge ohne Fläche");
    EXPECT_TRUE(titel().empty()) << "leaving a length stays silent, as before";
    protokoll_leeren();
    tippen("Breite_5", "2");
    EXPECT_EQ(hinweis(), "Ergebnisse nicht aktuell \u2013 TS 3: Länge ohne Fläche; TS 5: Fläche ohne Länge");
    ASSERT_FALSE(p.protokoll.empty());
    EXPECT_EQ(p.protokoll.back().art, "piepton") << "the beep of a width stays";
    tippen({{"Breite_3", "2"}, {"Laenge_5", "1"}});
    EXPECT_FALSE(grau("Einzel_Flaeche_1"));
    EXPECT_EQ(hinweis(), "");
    EXPECT_EQ(text("Einzel_Flaeche_3"), "10.00 m²");
}

// 100 m × 9999999 m: each input below the limit, their sum of areas far above it. The sum is only
// shown in single mode, so it must not lock the window once the width is corrected.
TEST_F(Alltag_Test, GrosseSummeSperrtDieEinzelmasseNicht) {
    tippen({{"r5_5", "300"}, {"Laenge_1", "100"}, {"Breite_1", "9999999"}});
    tippen("Breite_1", "120");
    EXPECT_EQ(text("Einzel_Flaeche_1"), "12000.00 m²");
    EXPECT_EQ(text("Text26"), " 12000");
}

// A loaded count of overflows is a number text like every loaded number, also when the file holds 0.
TEST_F(Alltag_Test, GeladeneNotueberlaufzahlIstEinZahltext) {
    laden(DKM_EXAMPLES_DIR "/traufe_einzel.Dkm");
    EXPECT_EQ(text("Text30"), " 1");
}

// What a short settings file does not give keeps the values held before, not unsaved edits or 0.
TEST_F(Alltag_Test, KurzeEinstellungsdateienBehaltenDieBisherigenWerte) {
    Eigene_Orte orte{};
    for (int k = 0; k < 5; ++k) orte[static_cast<size_t>(k)] = {"Ort " + std::to_string(k + 1), 300.0f + k, 600.0f + k};
    ASSERT_FALSE(Eigene_Orte_schreiben(ordner / "Regeneig.dat", orte));
    ASSERT_FALSE(Druckwerte_schreiben(ordner / "Druckwrt.dat", {12, 3, 4}));
    neues_fenster();

    klick("Command22");
    setzen("Text16", "999");  // row 3, not taken over
    klick("Command23");
    {
        std::ofstream kurz(ordner / "Regeneig.dat", std::ios::binary | std::ios::trunc);
        kurz << "Neu\r\n 310\r\n";  // place 1 without its r(5,100)
    }
    klick("Command22");
    erwarte_texte({{"Text9", "Neu"}, {"Text10", " 310"}, {"Text11", " 600"}, {"Text16", " 302"},
                   {"Text21", "Ort 5"}});

    klick("Command19");
    erwarte_texte({{"Text6", " 12"}, {"Text7", " 3"}, {"Text8", " 4"}});
    setzen("Text7", "7");
    klick("Command21");  // cancelled: 7 is no value of the program
    {
        std::ofstream kurz(ordner / "Druckwrt.dat", std::ios::binary | std::ios::trunc);
        kurz << " 11\r\n";
    }
    klick("Command19");
    erwarte_texte({{"Text6", " 11"}, {"Text7", " 3"}, {"Text8", " 4"}});
}

}  // namespace
}  // namespace dkm::ui
