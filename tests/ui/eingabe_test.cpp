// Typing, pasting and leaving the numeric boxes.
#include <QAbstractItemView>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMimeData>
#include <QWheelEvent>

#include "fenster_hilfen.h"
#include "model/meldungen.h"

namespace dkm::ui {

using Eingabe_Test = Fenster;

TEST_F(Eingabe_Test, KommaWirdPunktUndFremdeTastenBleibenDraussen) {
    QTest::keyClicks(feld("Laenge_1"), "2,5");
    EXPECT_EQ(text("Laenge_1"), "2.5");
    // Delete and Backspace edit, they are no input
    for (auto taste : {Qt::Key_Home, Qt::Key_Delete, Qt::Key_End, Qt::Key_Backspace}) QTest::keyClick(feld("Laenge_1"), taste);
    EXPECT_TRUE(text("Laenge_1") == "." && p.protokoll.empty());

    QTest::keyClicks(feld("r5_5"), "a");
    QTest::keyClick(feld("Breite_1"), Qt::Key_Minus);
    ASSERT_EQ(titel(), Titel(2, "Eingabefehler"));
    EXPECT_EQ(p.protokoll[0].text, "Dieses Feld nimmt nur Zahlen an (eventuell ist ´caps lock´ eingestellt).");
    EXPECT_EQ(text("r5_5") + "|" + text("Breite_1"), "0|");

    // a second point would cut the number short; one typed over the selected old one is none
    QTest::keyClicks(feld("Text1"), "1,5");
    EXPECT_EQ(text("Text1"), "0.62515");
    EXPECT_EQ(p.protokoll.back().text, meldung::Zweiter_Punkt.text);
    feld("Text1")->selectAll();
    QTest::keyClicks(feld("Text1"), ".7");
    EXPECT_TRUE(text("Text1") == ".7" && titel().size() == 3u);
}

TEST_F(Eingabe_Test, EnterRechnetNeuUndZeigtDannDenHinweis) {
    tippen("r5_5", "300");
    QTest::keyClicks(feld("Laenge_2"), "10");
    QTest::keyClicks(feld("Breite_2"), "6");
    std::string flaeche_beim_hinweis;
    p.beim_zeigen = [&](const Skript_Plattform::Eintrag&) { flaeche_beim_hinweis = text("Einzel_Flaeche_2"); };
    protokoll_leeren();
    QTest::keyClick(feld("Breite_2"), Qt::Key_Return);
    ASSERT_EQ(titel(), Titel{"Eingabefehler"});
    EXPECT_EQ(p.protokoll[0].text, meldung::Enter.text);
    EXPECT_EQ(flaeche_beim_hinweis, "60.00 m²") << "recalculated before the hint";
    // 60 m² × 300 l/(s·ha) / 10000 = 1.80 l/s
    erwarte_texte({{"Belast_Teilrinne_2", "1.80 l/s"}, {"Breite_2", "6"}});
    // Tab walks a segment's inputs in the order they are measured
    for (auto [von, nach] : Paare{{"Laenge_1", "Breite_1"}, {"Breite_1", "Zusatz_Flaeche_1"},
                                  {"Zusatz_Flaeche_1", "Laenge_2"}, {"Zusatz_Flaeche_8", "Check1"}})
        EXPECT_EQ(feld(von)->nextInFocusChain()->objectName().toStdString(), nach);
}

// Whatever way text enters a numeric box, it passes the typing rule: a negative area pasted
// through the context menu used to shrink the results silently.
TEST_F(Eingabe_Test, EinfuegenUndAblegenFolgenDerTastenregel) {
    auto kontextmenue = [](QLineEdit* e, const QString& s) {
        QApplication::clipboard()->setText(s);
        QContextMenuEvent ereignis(QContextMenuEvent::Mouse, QPoint(5, 5), e->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(e, &ereignis);
        auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menue, nullptr);
        menue->findChild<QAction*>(QStringLiteral("Einfuegen"))->trigger();
        menue->close();
    };
    auto strg_v = [](QLineEdit* e, const QString& s) {
        QApplication::clipboard()->setText(s), QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
    };
    auto ablegen = [](QLineEdit* e, const QString& s) {
        QMimeData daten;
        daten.setText(s);
        QDragEnterEvent herein(QPoint(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QDropEvent ab(QPointF(5, 5), Qt::CopyAction, &daten, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(e, &herein), QApplication::sendEvent(e, &ab);
    };
    auto eingabemethode = [](QLineEdit* e, const QString& s) {
        QInputMethodEvent ereignis;
        ereignis.setCommitString(s), QApplication::sendEvent(e, &ereignis);
    };
    tippen({{"r5_5", "300"}, {"Laenge_1", "10"}, {"Breite_1", "5"}});
    protokoll_leeren();
    kontextmenue(feld("Zusatz_Flaeche_1"), QStringLiteral("-50"));
    feld("Laenge_1")->selectAll();
    strg_v(feld("Laenge_1"), QStringLiteral("12abc"));
    ablegen(feld("Breite_1"), QStringLiteral("-3"));
    strg_v(feld("Laenge_3"), QStringLiteral("1.2.5"));
    eingabemethode(feld("Zusatz_Flaeche_1"), QStringLiteral("−7"));
    verlassen("Zusatz_Flaeche_1");
    EXPECT_EQ(titel(), Titel(5, "Eingabefehler"));
    for (const auto& e : p.protokoll) EXPECT_EQ(e.text, meldung::Nur_Zahlen.text);
    // 10 m × 5 m = 50 m², at 300 l/(s·ha): 50 × 300 / 10000 = 1.50 l/s
    erwarte_texte({{"Zusatz_Flaeche_1", ""}, {"Laenge_1", "10"}, {"Breite_1", "5"}, {"Laenge_3", ""},
                   {"Einzel_Flaeche_1", "50.00 m²"}, {"Belast_Teilrinne_1", "1.50 l/s"}});

    // a comma becomes the point; a line end copied along with a table cell does no harm
    protokoll_leeren();
    feld("Breite_1")->selectAll();
    strg_v(feld("Breite_1"), QStringLiteral("2,5\n"));
    kontextmenue(feld("Zusatz_Flaeche_1"), QStringLiteral("15"));
    ablegen(feld("Laenge_2"), QStringLiteral("4"));
    eingabemethode(feld("Breite_2"), QStringLiteral("3"));
    verlassen("Breite_2");
    EXPECT_TRUE(titel().empty());
    // 10 × 2.5 + 15 = 40 m²; 4 × 3 = 12 m²
    erwarte_texte({{"Breite_1", "2.5"}, {"Einzel_Flaeche_1", "40.00 m²"}, {"Einzel_Flaeche_2", "12.00 m²"}});
    strg_v(feld("Breite_1"), QStringLiteral(".5"));
    EXPECT_EQ(p.protokoll.back().text + text("Breite_1"), std::string(meldung::Zweiter_Punkt.text) + "2.5") << "the typing rule";

    // editing shortcuts type nothing and bring no message
    protokoll_leeren();
    std::string nach_taste;
    for (auto taste : {Qt::Key_A, Qt::Key_X, Qt::Key_Z, Qt::Key_Y, Qt::Key_V})
        QTest::keyClick(feld("Laenge_1"), taste, Qt::ControlModifier), nach_taste += text("Laenge_1") + "|";
    EXPECT_EQ(nach_taste, "10||10||10|") << "select all, cut, undo, redo, paste";
    EXPECT_TRUE(titel().empty());
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
    erwarte_texte({{"r5_5", "333"}, {"r5_100", "555"}});

    // an arrow opens the list; arrows and Enter in the open list choose
    QTest::keyClick(orte, Qt::Key_Down);
    ASSERT_TRUE(orte->view()->isVisible());
    orte->view()->setCurrentIndex(orte->model()->index(1, 0));
    QTest::keyClick(orte->view(), Qt::Key_Up);
    QTest::keyClick(orte->view(), Qt::Key_Return);
    EXPECT_TRUE(!orte->view()->isVisible() && titel().empty());
    erwarte_texte({{"r5_5", " 266"}, {"r5_100", " 463"}});
}

}  // namespace dkm::ui
