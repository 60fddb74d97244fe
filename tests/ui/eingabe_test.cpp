// Typing, pasting and leaving the numeric boxes.
#include <QClipboard>

#include "fenster_hilfen.h"
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
    EXPECT_EQ(p.protokoll.back().text, meldung::Zweiter_Punkt.text);
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
    EXPECT_EQ(p.protokoll[0].text, meldung::Enter.text);
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
