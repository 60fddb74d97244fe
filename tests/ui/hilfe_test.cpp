// The hover help in the real window: the mouse over controls and panels, the focus by TAB, the switch;
// where the box lies and when it goes away.
#include <QPlainTextEdit>
#include <QTextDocument>

#include "fenster_hilfen.h"
#include "model/hilfe.h"
#include "ui/bildbox.h"
#include "ui/vorschauseite.h"

namespace dkm::ui {

class Hilfe_Test : public Fenster {
protected:
    QPlainTextEdit* box() { return w<QPlainTextEdit>("Hilfe_Text"); }
    std::string hilfetext() { return box()->toPlainText().toStdString(); }
    bool beginnt(const char* anfang) { return hilfetext().rfind(anfang, 0) == 0; }
    void schweben(const char* name, QPoint stelle = {}) { QTest::mouseMove(w(name), stelle); }  // {}: the middle
    // The names of the boxes the help box lies over: every box below the command rows the user types into,
    // chooses in or reads a result from. Empty while the help box is hidden.
    std::string verdeckt() {
        if (!box()->isVisible()) return {};
        std::string namen;
        for (QWidget* x : fenster->centralWidget()->findChildren<QWidget*>()) {
            const bool kasten = qobject_cast<QLineEdit*>(x) || qobject_cast<QComboBox*>(x) ||
                                qobject_cast<QAbstractButton*>(x) || qobject_cast<QPlainTextEdit*>(x) ||
                                qobject_cast<BildBox*>(x) || qobject_cast<Vorschauseite*>(x);
            if (kasten && x->isVisible() && im_fenster(box()).intersects(im_fenster(x)))
                namen += x->objectName().toStdString() + " ";
        }
        return namen;
    }
    // Each listed control shows its entry in full, over none of the boxes and not over itself; any click
    // takes it away.
    void jedes_steuerelement(const char* zustand) {
        SCOPED_TRACE(zustand);
        // the same words, wherever the lines break
        auto worte = [](std::string_view t) {
            std::string s;
            for (char c : t) {
                const bool leer = c == ' ' || c == '\n';
                if (!leer || (!s.empty() && s.back() != ' ')) s += leer ? ' ' : c;
            }
            return s;
        };
        for (const Hilfe_Eintrag& e : Hilfe_Eintraege())
            for (std::string_view name : e.steuerelemente) {
                const std::string n(name);
                QWidget* x = w(n.c_str());
                if (!x || !x->isVisible()) continue;
                QTest::mouseMove(x, QPoint(x->width() / 2, std::min(x->height() / 2, 6)));
                QApplication::processEvents();
                ASSERT_EQ(box()->isVisible() ? worte(hilfetext()) : "(none shown)", worte(e.text)) << n;
                EXPECT_FALSE(im_fenster(box()).intersects(im_fenster(x))) << n << " is hidden by its own help";
                EXPECT_EQ(verdeckt(), "") << n;
                const double hoehe = box()->document()->size().height() * box()->fontMetrics().lineSpacing();
                EXPECT_LE(hoehe, box()->viewport()->height() + 1) << n << ": the whole text without scrolling";
                EXPECT_TRUE(fenster->rect().contains(im_fenster(box()))) << n;
                // the right button: a click that changes nothing else
                QTest::mouseClick(x, Qt::RightButton, {}, QPoint(x->width() / 2, std::min(x->height() / 2, 6)));
                EXPECT_FALSE(box()->isVisible()) << n << ": a click takes the help away";
            }
    }
};

// The box follows the mouse from control to control; leaving the control or crossing a panel's background
// takes it away.
TEST_F(Hilfe_Test, VonOption3ZuOption5UndFort) {
    klick("Option2");
    schweben("Option3");
    ASSERT_TRUE(box()->isVisible());
    const QRect vorher = im_fenster(w("Option5"));
    schweben("Option5");
    EXPECT_TRUE(box()->isVisible() && beginnt("Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen. "
                                              "Wählen Sie diese Möglichkeit, wenn"));
    EXPECT_EQ(im_fenster(w("Option5")), vorher) << "the box moves nothing";
    schweben("Rinnenvorgaben", QPoint(2, 2));
    EXPECT_FALSE(box()->isVisible()) << "a panel's background hides the box";
    schweben("Option5");
    schweben("Command2");
    EXPECT_FALSE(box()->isVisible()) << "the mouse left the control";
}

// Switched off nothing shows, until the next hover after switching on; the corner boxes of TS 6 to 8
// share the entry of TS 1 to 5; TAB shows a box's help as the mouse does, a focus the program sets does not.
TEST_F(Hilfe_Test, SchalterEckkaestchenUndTabulator) {
    klick("Command17");
    EXPECT_EQ(knopftext("Command17"), "Hilfe einschalten");
    schweben("Label7");
    EXPECT_FALSE(box()->isVisible());
    klick("Command17");
    EXPECT_EQ(knopftext("Command17"), "Hilfe ausschalten");
    EXPECT_FALSE(box()->isVisible()) << "shown again at the next hover";
    schweben("Check7");
    EXPECT_TRUE(box()->isVisible() && beginnt("Markieren Sie dieses Kästchen, wenn in der entsprechenden Teilstrecke"));
    schweben("Rinnenvorgaben", QPoint(2, 2));
    w("Text1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w("Text5"));
    EXPECT_TRUE(box()->isVisible() && beginnt("Einbauten im Wasserlauf"));
    w("Text2")->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(box()->isVisible()) << "the box goes with the focus, and no key moved it to Text2";
}

TEST_F(Hilfe_Test, JedesSteuerelementZeigtSeineHilfe) {
    jedes_steuerelement("eaves gutter");
    klick({"Option2", "Option5"});
    jedes_steuerelement("internal gutter");
}

// No box stays behind a click, a closing preview or guide, or a window that changes its size; one shown
// while the preview is open covers no part of the page.
TEST_F(Hilfe_Test, KeineAlteHilfeNachKlickVorschauLeitfadenUndGroesse) {
    tippen({{"r5_5", "300"}, {"r5_100", "600"}, {"Laenge_1", "10"}, {"Breite_1", "8"}});
    for (const char* name : {"Command13", "Option4", "Check1", "Picture3"}) {
        schweben(name);
        ASSERT_TRUE(box()->isVisible()) << name;
        QTest::mouseClick(w(name), Qt::LeftButton, {}, QPoint(6, w(name)->height() / 2));
        EXPECT_FALSE(box()->isVisible()) << "a click on " << name;
    }
    klick("Command3");
    schweben("Label78");
    EXPECT_TRUE(box()->isVisible() && verdeckt().empty()) << verdeckt();
    klick("Command29");
    EXPECT_FALSE(box()->isVisible()) << "nothing explains the control the focus went to after the preview";
    jedes_steuerelement("after the preview");

    klick({"Command27", "Command28", "Command29"});
    EXPECT_FALSE(box()->isVisible()) << "after the guide";
    schweben("Label9");
    ASSERT_TRUE(box()->isVisible());
    fenster->resize(fenster->width(), fenster->height() + 10);
    EXPECT_FALSE(box()->isVisible()) << "after a change of size";
    schweben("Label7");
    fenster->showMaximized();
    QApplication::processEvents();
    EXPECT_FALSE(box()->isVisible()) << "after maximising";
}

}  // namespace dkm::ui
