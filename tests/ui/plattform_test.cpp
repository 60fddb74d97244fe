// The real message boxes: German buttons, and Yes and No the right way round.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ui/plattform.h"

namespace dkm::ui {
namespace {

// Presses the button `antwort` of the box that opens next and notes all its buttons.
void antworten(const QString& antwort, QStringList& knoepfe) {
    QTimer::singleShot(0, [&knoepfe, antwort] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons()) knoepfe << b->text();
        for (QAbstractButton* b : box->buttons())
            if (b->text() == antwort) b->click();
    });
}

TEST(Qt_Plattform, FragenUndMeldungenSprechenDeutsch) {
    Qt_Plattform p;
    QStringList knoepfe;
    antworten(QStringLiteral("Nein"), knoepfe);
    EXPECT_FALSE(p.frage("Programm beenden", "Wollen Sie?"));
    knoepfe.sort();
    EXPECT_EQ(knoepfe, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));

    knoepfe.clear();
    antworten(QStringLiteral("Ja"), knoepfe);
    EXPECT_TRUE(p.frage("Programm beenden", "Wollen Sie?"));

    knoepfe.clear();
    int gezeigt = 0;
    p.vor_dialog = [&gezeigt] { ++gezeigt; };
    antworten(QStringLiteral("OK"), knoepfe);
    p.meldung("Eingabefehler", "Text");
    EXPECT_EQ(knoepfe, QStringList{QStringLiteral("OK")});
    EXPECT_EQ(gezeigt, 1);
}

}  // namespace
}  // namespace dkm::ui
