// Typing, pasting and leaving the numeric boxes.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QInputMethodEvent>
#include <QMimeData>
#include <QAbstractItemView>
#include <QWheelEvent>
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

    QTest::keyClick(feld("Breite_1"), Qt::Key_Minus);
    EXPECT_EQ(titel(), Titel(2, "Eingabefehler"));
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
    EXPECT_EQ(titel().size(), 3u);
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

// Whatever way text enters a numeric box, it passes the typing rule: a negative area pasted
// through the context menu used to shrink the results silently.
TEST_F(Eingabe_Test, EinfuegenUndAblegenFolgenDerTastenregel) {
    auto kontextmenue_einfuegen = [](QLineEdit* e, const QString& s) {
        QApplication::clipboard()->setText(s);
        QContextMenuEvent ereignis(QContextMenuEvent::Mouse, QPoint(5, 5), e->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(e, &ereignis);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        menue->findChild<QAction*>(QStringLiteral("Einfuegen"))->trigger();
        menue->close();
    };
    auto strg_v = [](QLineEdit* e, const QString& s) {
        QApplication::clipboard()->setText(s);
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    };
    auto ablegen = [](QLineEdit* e, const QString& s) {
        QMimeData daten;
        daten.setText(s);
        const auto arten = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent herein(QPoint(5, 5), arten, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e, &herein);
        QDropEvent ab(QPointF(5, 5), arten, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e, &ab);
    };
    tippen({{"r5_5", "300"}, {"Laenge_1", "10"}, {"Breite_1", "5"}});
    protokoll_leeren();

    kontextmenue_einfuegen(feld("Zusatz_Flaeche_1"), QStringLiteral("-50"));
    feld("Laenge_1")->selectAll();
    strg_v(feld("Laenge_1"), QStringLiteral("12abc"));
    ablegen(feld("Breite_1"), QStringLiteral("-3"));
    strg_v(feld("Laenge_2"), QStringLiteral("1e3"));
    QInputMethodEvent eingabemethode;
    eingabemethode.setCommitString(QStringLiteral("−7"));
    QApplication::sendEvent(feld("Zusatz_Flaeche_1"), &eingabemethode);
    verlassen("Zusatz_Flaeche_1");
    EXPECT_EQ(titel(), Titel(5, "Eingabefehler"));
    for (const auto& e : p.protokoll)
        if (e.art == "meldung") {
            EXPECT_EQ(e.text, meldung::Nur_Zahlen.text);
        }
    // 10 m × 5 m = 50 m², at 300 l/(s·ha): 50 × 300 / 10000 = 1.50 l/s
    erwarte_texte({{"Zusatz_Flaeche_1", ""}, {"Laenge_1", "10"}, {"Breite_1", "5"}, {"Laenge_2", ""},
                   {"Einzel_Flaeche_1", "50.00 m²"}, {"Belast_Teilrinne_1", "1.50 l/s"}});

    // a comma becomes the point; a line end copied along with a table cell does no harm
    protokoll_leeren();
    feld("Breite_1")->selectAll();
    strg_v(feld("Breite_1"), QStringLiteral("2,5\n"));
    kontextmenue_einfuegen(feld("Zusatz_Flaeche_1"), QStringLiteral("15"));
    ablegen(feld("Laenge_2"), QStringLiteral("4"));
    ablegen(feld("Breite_2"), QStringLiteral("3"));
    verlassen("Breite_2");
    EXPECT_TRUE(titel().empty());
    // 10 × 2.5 + 15 = 40 m²; 4 × 3 = 12 m²
    erwarte_texte({{"Breite_1", "2.5"}, {"Einzel_Flaeche_1", "40.00 m²"}, {"Einzel_Flaeche_2", "12.00 m²"}});

    // the same second-point rule as typing
    strg_v(feld("Breite_1"), QStringLiteral(".5"));
    EXPECT_EQ(p.protokoll.back().text, meldung::Zweiter_Punkt.text);
    EXPECT_EQ(text("Breite_1"), "2.5");

    // editing shortcuts type nothing and bring no message
    protokoll_leeren();
    QLineEdit* laenge = feld("Laenge_1");
    QTest::keyClick(laenge, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(laenge, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("10"));
    QTest::keyClick(laenge, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(text("Laenge_1"), "");
    QTest::keyClick(laenge, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text("Laenge_1"), "10");
    QTest::keyClick(laenge, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text("Laenge_1"), "");
    QTest::keyClick(laenge, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text("Laenge_1"), "10");
    EXPECT_TRUE(titel().empty());

    // a number too large for the calculation is refused by the calculation, not shown as "inf"
    laenge->selectAll();
    strg_v(laenge, QString(40, QLatin1Char('9')));
    verlassen("Laenge_1");
    EXPECT_FALSE(titel().empty());
    for (const char* name : {"Einzel_Flaeche_1", "Belast_Teilrinne_1", "Flaeche_Fallrohr_1_2"})
        EXPECT_EQ(text(name).find("inf"), std::string::npos) << name;

    // the place name box takes any text, and a huge one does not widen the window
    const int breite = fenster->width();
    QLineEdit* ort = w<QComboBox>("Combo_Wahl_Regensp")->lineEdit();
    ort->selectAll();
    strg_v(ort, QString(10000, QLatin1Char('x')));
    EXPECT_EQ(f()[L::Combo_Wahl_Regensp].text.size(), 10000u);
    EXPECT_EQ(fenster->width(), breite);
}

// Typed place names used to pick a place through auto-completion on Tab or Enter and
// overwrite the rainfall values the user had typed.
TEST_F(Eingabe_Test, OrtWirdNurAusDerOffenenListeGewaehlt) {
    tippen({{"r5_5", "333"}, {"r5_100", "555"}});
    auto* orte = w<QComboBox>("Combo_Wahl_Regensp");
    orte->lineEdit()->selectAll();
    QTest::keyClicks(orte, QStringLiteral("Aach"));
    QTest::keyClick(orte, Qt::Key_Tab);
    QTest::keyClicks(orte, QStringLiteral("en"));
    QTest::keyClick(orte, Qt::Key_Return);
    QWheelEvent rad(QPointF(5, 5), orte->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(orte, &rad);
    EXPECT_EQ(orte->currentText(), QStringLiteral("Aachen"));
    EXPECT_EQ(f()[L::Combo_Wahl_Regensp].text, "Aachen");
    erwarte_texte({{"r5_5", "333"}, {"r5_100", "555"}});

    // an arrow opens the list; arrows and Enter in the open list choose
    QTest::keyClick(orte, Qt::Key_Down);
    ASSERT_TRUE(orte->view()->isVisible());
    erwarte_texte({{"r5_5", "333"}, {"r5_100", "555"}});
    orte->view()->setCurrentIndex(orte->model()->index(1, 0));
    QTest::keyClick(orte->view(), Qt::Key_Up);
    QTest::keyClick(orte->view(), Qt::Key_Return);
    EXPECT_FALSE(orte->view()->isVisible());
    erwarte_texte({{"r5_5", " 266"}, {"r5_100", " 463"}});
    EXPECT_TRUE(titel().empty());
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
        EXPECT_EQ(p.protokoll.back().text, meldung::zu_gross.text) << name;
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
