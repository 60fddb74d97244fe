// The hover help in the real window: the mouse over controls and panels, the focus by TAB, the switch.
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>
#include <cstdlib>

#include "fenster_hilfen.h"
#include "model/hilfe.h"

namespace dkm::ui {
namespace {

class Hilfe_Test : public Fenster {
protected:
    QPlainTextEdit* box() { return w<QPlainTextEdit>("Hilfe_Text"); }
    std::string hilfetext() { return box()->toPlainText().toStdString(); }
    void schweben(const char* name, QPoint stelle = {-1, -1}) {
        QWidget* x = w(name);
        QTest::mouseMove(x, stelle.x() < 0 ? QPoint(x->width() / 2, x->height() / 2) : stelle);
        // on a real display the pointer's way through the server takes a moment
        QTest::qWait(std::getenv("DKM_BILDER") ? 100 : 0);
    }
    QRect lage(QWidget* x) { return {x->mapTo(fenster.get(), QPoint(0, 0)), x->size()}; }
    // Every input the user may type into or click, visible now.
    std::vector<QWidget*> eingaben() {
        std::vector<QWidget*> v;
        for (QWidget* x : fenster->findChildren<QWidget*>()) {
            if (!x->isVisible() || x == box() || box()->isAncestorOf(x)) continue;
            auto* e = qobject_cast<QLineEdit*>(x);
            if ((e && !e->isReadOnly()) || qobject_cast<QComboBox*>(x) || qobject_cast<QAbstractButton*>(x))
                v.push_back(x);
        }
        return v;
    }
    void bild(const char* name) {
        if (const char* ordner = std::getenv("DKM_BILDER")) fenster->grab().save(QString::fromUtf8(ordner) + "/" + name);
    }
};

TEST_F(Hilfe_Test, VonOption3ZuOption5) {
    klick("Option2");
    schweben("Option3");
    ASSERT_TRUE(box()->isVisible());
    EXPECT_EQ(hilfetext().rfind("Bei innenliegenden Rinnen ist immer ein Notüberlauf vorzusehen. Wählen Sie diese "
                                "Möglichkeit, wenn der Notüberlauf über beide",
                                0),
              0u);
    const int klein = box()->height();
    const QRect vorher = lage(w("Option5"));
    schweben("Option5");
    EXPECT_TRUE(box()->isVisible());
    EXPECT_EQ(f().Hilfe_hoehe_twips, 1700);
    // 1700 twips against 1100, within a pixel of rounding
    EXPECT_NEAR(box()->height(), klein * 1700.0 / 1100.0, 2.0);
    EXPECT_EQ(lage(w("Option5")), vorher) << "the box moves nothing";
    bild("hilfe_option5.png");
    schweben("Rinnenvorgaben", QPoint(2, 2));
    EXPECT_FALSE(box()->isVisible()) << "a panel's background hides the box";
    schweben("Label77");
    EXPECT_TRUE(box()->isVisible()) << "over a label inside a panel the box shows";
}

TEST_F(Hilfe_Test, AusgeschaltetZeigtNichts) {
    klick("Command17");
    EXPECT_EQ(w<QAbstractButton>("Command17")->text().toStdString(), "Hilfe einschalten");
    schweben("Label7");
    EXPECT_FALSE(box()->isVisible());
    schweben("Label8");
    klick("Command17");
    EXPECT_EQ(w<QAbstractButton>("Command17")->text().toStdString(), "Hilfe ausschalten");
    EXPECT_FALSE(box()->isVisible()) << "shown again at the next hover";
    schweben("Label10");
    ASSERT_TRUE(box()->isVisible());
    EXPECT_EQ(hilfetext().rfind("Berechnungsregenspende einiger Städte in Deutschland.", 0), 0u);
}

TEST_F(Hilfe_Test, EckkaestchenUndTabulator) {
    schweben("Check7");
    ASSERT_TRUE(box()->isVisible());
    EXPECT_EQ(hilfetext().rfind("Markieren Sie dieses Kästchen, wenn in der entsprechenden Teilstrecke", 0), 0u);
    schweben("Rinnenvorgaben", QPoint(2, 2));
    // reaching a box with TAB shows its help too
    w("Text1")->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w("Text5"));
    EXPECT_TRUE(box()->isVisible());
    EXPECT_EQ(hilfetext().rfind("Einbauten im Wasserlauf", 0), 0u);
}

// Each listed control shows its entry in full, over no input and not over itself.
TEST_F(Hilfe_Test, JedesSteuerelementZeigtSeineHilfe) {
    for (int art = 0; art < 2; ++art) {
        if (art == 1) klick({"Option2", "Option5"});
        const std::vector<QWidget*> alle = eingaben();
        for (const Hilfe_Eintrag& e : Hilfe_Eintraege())
            for (std::string_view name : e.steuerelemente) {
                const std::string n(name);
                QWidget* x = fenster->findChild<QWidget*>(QString::fromStdString(n));
                ASSERT_NE(x, nullptr) << n;
                if (!x->isVisible()) continue;
                QTest::mouseMove(x, QPoint(x->width() / 2, std::min(x->height() / 2, 6)));
                QApplication::processEvents();
                ASSERT_TRUE(box()->isVisible()) << n;
                EXPECT_EQ(hilfetext(), std::string(e.text)) << n;
                const QRect r = lage(box());
                EXPECT_FALSE(r.intersects(lage(x))) << n << " is hidden by its own help";
                for (QWidget* i : alle) EXPECT_FALSE(r.intersects(lage(i))) << n << " hides " << i->objectName().toStdString();
                // the whole text is readable without scrolling
                EXPECT_LE(box()->document()->size().height() * box()->fontMetrics().lineSpacing(),
                          box()->viewport()->height() + 1)
                    << n;
                EXPECT_TRUE(fenster->rect().contains(r)) << n;
            }
    }
}

}  // namespace
}  // namespace dkm::ui
