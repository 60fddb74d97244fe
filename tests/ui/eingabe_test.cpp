// Typing, pasting and leaving the numeric boxes.
#include <QClipboard>
#include <fstream>

#include "fenster_hilfen.h"
#include "model/meldungen.h"
#include "ui/tastenfilter.h"

namespace dkm::ui {
namespace {

using Eingabe_Test = Fenster;

TEST_F(Eingabe_Test, KommaWirdPunktUndFremdeTastenBleibenDraussen) {
    QTest::keyClicks(feld("Laenge_1"), "2,5");
    EXPECT_EQ(text("Laenge_1"), "2.5");
    EXPECT_TRUE(p.protokoll.empty());

    QTest::keyClicks(feld("r5_5"), "a");
    ASSERT_EQ(p.protokoll.size(), 1u);
    EXPECT_EQ(p.protokoll[0].titel, "Eingabefehler");
    EXPECT_EQ(p.protokoll[0].text, "Dieses Feld nimmt nur Zahlen an (eventuell ist ´caps lock´ eingestellt).");
    EXPECT_EQ(text("r5_5"), "0");

    // a minus sign and Ctrl+V are keys like any other
    QTest::keyClick(feld("Breite_1"), Qt::Key_Minus);
    QTest::keyClick(feld("Breite_1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(titel(), Titel(3, "Eingabefehler"));
    EXPECT_EQ(text("Breite_1"), "");

    // a second point would cut the number short; one typed over the selected old one is none
    QTest::keyClicks(feld("Text1"), "1,5");
    EXPECT_EQ(text("Text1"), "0.62515");
    EXPECT_EQ(p.protokoll.back().text, Zweiter_Punkt_Text);
    feld("Text1")->selectAll();
    QTest::keyClicks(feld("Text1"), ".7");
    QTest::keyClick(feld("Text1"), Qt::Key_Left);
    QTest::keyClick(feld("Text1"), Qt::Key_Backspace);
    EXPECT_EQ(text("Text1"), "7");
    EXPECT_EQ(titel().size(), 4u);
}

TEST_F(Eingabe_Test, EnterRechnetNeuUndZeigtDannDenHinweis) {
    tippen("r5_5", "300");
    QTest::keyClicks(feld("Laenge_2"), "10");
    QTest::keyClicks(feld("Breite_2"), "6");
    std::string flaeche_beim_hinweis;
    p.beim_zeigen = [&](const Skript_Plattform::Eintrag&) { flaeche_beim_hinweis = text("Einzel_Flaeche_2"); };
    protokoll_leeren();
    QTest::keyClick(feld("Breite_2"), Qt::Key_Return);
    ASSERT_EQ(p.protokoll.size(), 1u);
    EXPECT_EQ(p.protokoll[0].titel, "Eingabefehler");
    EXPECT_EQ(p.protokoll[0].text, Enter_Text);
    EXPECT_EQ(flaeche_beim_hinweis, "60.00 m²");
    erwarte_texte({{"Belast_Teilrinne_2", "1.80 l/s"}, {"Breite_2", "6"}});
}

// Pasting passes the key filter: a number is read up to its first foreign character,
// and neither an overflowing number nor a huge place name breaks results or window.
TEST_F(Eingabe_Test, EingefuegtesWirdGelesenOhneErgebnisseOderFensterZuSprengen) {
    auto einfuegen = [](QLineEdit* e, const QString& s) {
        QApplication::clipboard()->setText(s);
        e->selectAll();
        e->paste();
    };
    tippen("r5_5", "300");
    einfuegen(feld("Laenge_1"), QStringLiteral("12abc"));
    einfuegen(feld("Breite_1"), QStringLiteral("5.5.5"));
    verlassen("Breite_1");
    erwarte_texte({{"Laenge_1", "12abc"}, {"Einzel_Flaeche_1", "66.00 m²"}});
    EXPECT_TRUE(titel().empty());

    einfuegen(feld("Laenge_1"), QStringLiteral("1e39"));
    verlassen("Laenge_1");
    EXPECT_FALSE(titel().empty());
    erwarte_texte({{"Laenge_1", "1e39"}, {"Einzel_Flaeche_1", "66.00 m²"}});
    for (const char* name : {"Belast_Teilrinne_1", "Flaeche_Fallrohr_1_2"})
        EXPECT_EQ(text(name).find("inf"), std::string::npos) << name;

    const int breite = fenster->width();
    einfuegen(w<QComboBox>("Combo_Wahl_Regensp")->lineEdit(), QString(10000, QLatin1Char('x')));
    EXPECT_EQ(f()[L::Combo_Wahl_Regensp].text.size(), 10000u);
    EXPECT_EQ(fenster->width(), breite);
}

TEST_F(Eingabe_Test, TabFolgtDerEingabeReihenfolge) {
    for (auto [von, nach] : Paare{{"Laenge_1", "Breite_1"}, {"Breite_1", "Zusatz_Flaeche_1"},
                                  {"Zusatz_Flaeche_1", "Laenge_2"}, {"Zusatz_Flaeche_8", "Check1"}})
        EXPECT_EQ(w(von)->nextInFocusChain()->objectName().toStdString(), nach);
}

// A section with a length and no width: a beep on its own width box, a message elsewhere,
// and no leaf-guard note until the check passes.
TEST_F(Eingabe_Test, UnvollstaendigeTeilstreckeMeldetSichJeNachFeld) {
    tippen({{"r5_5", "300"}, {"Laenge_3", "5"}});
    EXPECT_TRUE(p.protokoll.empty());
    verlassen("Breite_3");
    ASSERT_EQ(p.protokoll.size(), 1u);
    EXPECT_EQ(p.protokoll[0].art, "piepton");
    protokoll_leeren();
    verlassen("r5_100");
    waehlen("Combo_Abfl_beiwert", 1);
    klick("Check_Schutzkorb");
    EXPECT_EQ(titel(), Titel(3, "Maße fehlen!"));
    EXPECT_EQ(text("Einzel_Flaeche_3"), "");
    EXPECT_FALSE(w("Label14")->isVisible());
    tippen("Breite_3", "4");
    klick({"Check_Schutzkorb", "Check_Schutzkorb"});
    EXPECT_TRUE(w("Label14")->isVisible());
}

}  // namespace
}  // namespace dkm::ui

namespace dkm::ui {
namespace {

// No input comes near 10^7 in its unit: such a number is refused like an overflowing one and the
// results of the last good input stay; just below the limit is calculated.
TEST_F(Eingabe_Test, ZehnHochSiebenWirdWieEinUeberlaufAbgelehnt) {
    tippen({{"r5_5", "300"}, {"Laenge_1", "10"}, {"Breite_1", "6"}});
    const Paare ergebnis = {{"Einzel_Flaeche_1", "60.00 m²"}, {"Belast_Teilrinne_1", "1.80 l/s"}};  // 300/10000*60
    erwarte_texte(ergebnis);
    ASSERT_TRUE(titel().empty());
    const Paare gut = {{"Laenge_1", "10"}, {"r5_5", "300"}, {"r5_100", "0"}, {"Zusatz_Flaeche_1", "0"},
                       {"Text1", "1"}};
    for (auto [name, wert] : gut) {
        protokoll_leeren();
        tippen(name, "10000000");
        EXPECT_EQ(titel(), Titel{"Eingabefehler"}) << name;
        EXPECT_EQ(p.protokoll.back().text, meldung::zu_gross_Text) << name;
        erwarte_texte(ergebnis);
        tippen(name, wert);
    }
    protokoll_leeren();
    tippen({{"Breite_1", "1"}, {"Laenge_1", "9999999"}});
    erwarte_texte({{"Einzel_Flaeche_1", "9999999.00 m²"}});
    for (const std::string& t : titel()) EXPECT_NE(t, "Eingabefehler");

    klick("Option2");  // internal gutter: the bottom width in mm
    tippen({{"Laenge_1", "10"}, {"Breite_1", "6"}, {"Text2", "300"}});
    const float tiefe = f().werte.innen.Bemessungstiefe;
    ASSERT_GT(tiefe, 0);
    protokoll_leeren();
    tippen("Text2", "10000000");
    EXPECT_EQ(titel(), Titel{"Eingabefehler"});
    EXPECT_EQ(f().werte.innen.Bemessungstiefe, tiefe);
    tippen("Text2", "9999999");
    EXPECT_EQ(f().werte.innen.Bemessungstiefe, 1.0f) << "a bottom that wide carries the flow at the least depth";
}

// A settings file's value of 10^7 or more, or too small to mean anything, counts as not given.
TEST_F(Eingabe_Test, UebergrosseEigeneRegenspendeGiltAlsNichtAngegeben) {
    auto start_r5 = [&](const std::string& zeilen) {
        std::ofstream(ordner / "Regeneig.dat", std::ios::binary) << zeilen;
        Form1 zweites(p, Startformular(ordner / "Regeneig.dat"));
        return zweites.formular()[T::r5_5] + "|" + zweites.formular()[T::r5_100];
    };
    const std::string nicht_angegeben = start_r5("Ort\r\n 0\r\n 0\r\n");
    EXPECT_EQ(start_r5("Ort\r\n 3.4e38\r\n 1e-45\r\n"), nicht_angegeben);
    EXPECT_EQ(start_r5("Ort\r\n 10000000\r\n-1e7\r\n"), nicht_angegeben);
    EXPECT_NE(start_r5("Ort\r\n 9999999\r\n 0\r\n"), nicht_angegeben);
}

}  // namespace
}  // namespace dkm::ui
