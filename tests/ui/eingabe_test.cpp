// Typing into the numeric boxes and leaving them.
#include <QClipboard>

#include "fenster_hilfen.h"
#include "ui/tastenfilter.h"

namespace dkm::ui {
namespace {

using Tastenfilter_Test = Fenster;

TEST_F(Tastenfilter_Test, KommaWirdPunktUndFremdeTastenBleibenDraussen) {
    QTest::keyClicks(feld("Laenge_1"), "2,5");
    EXPECT_EQ(text("Laenge_1"), "2.5");
    EXPECT_TRUE(p.protokoll.empty());

    QTest::keyClicks(feld("r5_5"), "a");
    ASSERT_EQ(p.protokoll.size(), 1u);
    EXPECT_EQ(p.protokoll[0].titel, "Eingabefehler");
    EXPECT_EQ(p.protokoll[0].text, "Dieses Feld nimmt nur Zahlen an (eventuell ist ´caps lock´ eingestellt).");
    EXPECT_EQ(text("r5_5"), "0");

    // a minus sign and Ctrl+V are keys like any other
    protokoll_leeren();
    QTest::keyClick(feld("Breite_1"), Qt::Key_Minus);
    QTest::keyClick(feld("Breite_1"), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(titel(), (std::vector<std::string>{"Eingabefehler", "Eingabefehler"}));
    EXPECT_EQ(text("Breite_1"), "");

    // a second point would cut the number short without a word
    QTest::keyClicks(feld("Text1"), "1,5");
    EXPECT_EQ(text("Text1"), "0.62515");
    EXPECT_EQ(titel().size(), 3u);
    EXPECT_EQ(p.protokoll.back().text, Zweiter_Punkt_Text);
    feld("Text1")->selectAll();
    QTest::keyClicks(feld("Text1"), ".7");
    QTest::keyClick(feld("Text1"), Qt::Key_Left);
    QTest::keyClick(feld("Text1"), Qt::Key_Backspace);
    EXPECT_EQ(text("Text1"), "7");
    EXPECT_EQ(titel().size(), 3u);
}

TEST_F(Tastenfilter_Test, EnterRechnetNeuUndZeigtDannDenHinweis) {
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
    EXPECT_EQ(text("Belast_Teilrinne_2"), "1.80 l/s");
    EXPECT_EQ(text("Breite_2"), "6");
}

TEST_F(Tastenfilter_Test, EingefuegterTextGehtAmFilterVorbeiUndWirdNachDerFuehrendenZahlGelesen) {
    tippen("r5_5", "300");
    QApplication::clipboard()->setText(QStringLiteral("12abc"));
    feld("Laenge_1")->paste();
    QApplication::clipboard()->setText(QStringLiteral("5.5.5"));
    feld("Breite_1")->paste();
    verlassen("Breite_1");
    EXPECT_EQ(text("Laenge_1"), "12abc");
    EXPECT_EQ(text("Einzel_Flaeche_1"), "66.00 m²");
    EXPECT_TRUE(titel().empty());
}

TEST_F(Tastenfilter_Test, UnsinnigeEingabenLassenDieErgebnisseStehen) {
    tippen("r5_5", "300");
    tippen("Laenge_1", "10");
    tippen("Breite_1", "6");
    ASSERT_EQ(text("Einzel_Flaeche_1"), "60.00 m²");
    QApplication::clipboard()->setText(QStringLiteral("1e39"));
    feld("Laenge_1")->selectAll();
    feld("Laenge_1")->paste();
    protokoll_leeren();
    verlassen("Laenge_1");
    ASSERT_FALSE(titel().empty());
    EXPECT_EQ(text("Laenge_1"), "1e39");
    EXPECT_EQ(text("Einzel_Flaeche_1"), "60.00 m²");
    for (const char* name : {"Einzel_Flaeche_1", "Belast_Teilrinne_1", "Flaeche_Fallrohr_1_2"})
        EXPECT_EQ(text(name).find("inf"), std::string::npos) << name;

    // a place name of 10000 characters neither breaks nor widens the window
    const int breite = fenster->width();
    QComboBox* ort = w<QComboBox>("Combo_Wahl_Regensp");
    QApplication::clipboard()->setText(QString(10000, QLatin1Char('x')));
    ort->lineEdit()->paste();
    EXPECT_EQ(fenster->formular()[L::Combo_Wahl_Regensp].text.size(), 10000u);
    EXPECT_EQ(fenster->width(), breite);
}

TEST_F(Tastenfilter_Test, TabFolgtDerEingabeReihenfolge) {
    const char* reihe[] = {"Laenge_1", "Breite_1", "Zusatz_Flaeche_1", "Laenge_2", "Breite_2"};
    for (size_t i = 0; i + 1 < std::size(reihe); ++i)
        EXPECT_EQ(w(reihe[i])->nextInFocusChain()->objectName().toStdString(), reihe[i + 1]);
    EXPECT_EQ(w("Zusatz_Flaeche_8")->nextInFocusChain()->objectName().toStdString(), "Check1");
}

using Verlassen_Test = Fenster;

TEST_F(Verlassen_Test, UnvollstaendigeTeilstreckeMeldetSichJeNachFeld) {
    tippen("r5_5", "300");
    tippen("Laenge_3", "5");
    EXPECT_TRUE(p.protokoll.empty());  // a length alone: nothing
    verlassen("Breite_3");
    ASSERT_EQ(p.protokoll.size(), 1u);
    EXPECT_EQ(p.protokoll[0].art, "piepton");
    protokoll_leeren();
    verlassen("r5_100");
    EXPECT_EQ(titel(), std::vector<std::string>{"Maße fehlen!"});
    protokoll_leeren();
    waehlen("Combo_Abfl_beiwert", 1);
    EXPECT_EQ(titel(), std::vector<std::string>{"Maße fehlen!"});
    EXPECT_EQ(text("Einzel_Flaeche_3"), "");
}

TEST_F(Verlassen_Test, OrtAusDerListeSetztBeideRegenspenden) {
    waehlen("Combo_Wahl_Regensp", 0);
    EXPECT_EQ(text("r5_5"), " 266");
    EXPECT_EQ(text("r5_100"), " 463");
    QTest::keyClicks(w<QComboBox>("Combo_Wahl_Regensp")->lineEdit(), "Oberstdorf");
    EXPECT_EQ(text("r5_5"), " 266");
}

}  // namespace
}  // namespace dkm::ui
