// The hover help in the real window: the mouse over controls and panels, the focus by TAB, the switch.
#include <QPlainTextEdit>
#include <QTextDocument>

#include "fenster_hilfen.h"
#include "model/hilfe.h"

namespace dkm::ui {

class Hilfe_Test : public Fenster {
protected:
    QPlainTextEdit* box() { return w<QPlainTextEdit>("Hilfe_Text"); }
    std::string hilfetext() { return box()->toPlainText().toStdString(); }
    bool beginnt(const char* anfang) { return hilfetext().rfind(anfang, 0) == 0; }
    void schweben(const char* name, QPoint stelle = {}) { QTest::mouseMove(w(name), stelle); }  // {}: the middle
};

// The box follows the mouse from control to control, its height from the table; a panel's background hides it.
TEST_F(Hilfe_Test, VonOption3ZuOption5) {
    klick("Option2");
    schweben("Option3");
    ASSERT_TRUE(box()->isVisible());
    const int klein = box()->height();
    const QRect vorher = im_fenster(w("Option5"));
    schweben("Option5");
    EXPECT_TRUE(box()->isVisible()) << "from one control to the next the box stays";
    // 1700 twips against 1100, within a pixel of rounding
    EXPECT_NEAR(box()->height(), klein * 1700.0 / 1100.0, 2.0);
    EXPECT_EQ(im_fenster(w("Option5")), vorher) << "the box moves nothing";
    schweben("Rinnenvorgaben", QPoint(2, 2));
    EXPECT_FALSE(box()->isVisible()) << "a panel's background hides the box";
}

// Switched off nothing shows, until the next hover after switching on; the corner boxes of TS 6 to 8
// share the entry of TS 1 to 5; TAB shows a box's help as the mouse does.
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
}

// Each listed control shows its entry in full, over no input and not over itself.
TEST_F(Hilfe_Test, JedesSteuerelementZeigtSeineHilfe) {
    for (bool innen : {false, true}) {
        if (innen) klick({"Option2", "Option5"});
        std::vector<QWidget*> eingaben;
        for (QWidget* x : fenster->findChildren<QWidget*>()) {
            auto* e = qobject_cast<QLineEdit*>(x);
            if (x->isVisible() && x != box() && !box()->isAncestorOf(x) &&
                ((e && !e->isReadOnly()) || qobject_cast<QComboBox*>(x) || qobject_cast<QAbstractButton*>(x)))
                eingaben.push_back(x);
        }
        for (const Hilfe_Eintrag& e : Hilfe_Eintraege())
            for (std::string_view name : e.steuerelemente) {
                const std::string n(name);
                QWidget* x = w(n.c_str());
                if (!x || !x->isVisible()) continue;
                QTest::mouseMove(x, QPoint(x->width() / 2, std::min(x->height() / 2, 6)));
                QApplication::processEvents();
                ASSERT_EQ(box()->isVisible() ? hilfetext() : "(none shown)", std::string(e.text)) << n;
                const QRect r = im_fenster(box());
                EXPECT_FALSE(r.intersects(im_fenster(x))) << n << " is hidden by its own help";
                for (QWidget* i : eingaben)
                    EXPECT_FALSE(r.intersects(im_fenster(i))) << n << " hides " << i->objectName().toStdString();
                // the whole text is readable without scrolling
                const double hoehe = box()->document()->size().height() * box()->fontMetrics().lineSpacing();
                EXPECT_LE(hoehe, box()->viewport()->height() + 1) << n;
                EXPECT_TRUE(fenster->rect().contains(r)) << n;
            }
    }
}

}  // namespace dkm::ui
