// The real message boxes: German buttons, and Yes and No the right way round.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/form1.h"
#include "ui/plattform.h"
#include "ui/start.h"

namespace dkm::ui {
namespace {

// Presses the button `antwort` of the box that opens next and notes all its buttons.
void antworten(const QString& antwort, QStringList& knoepfe) {
    QTimer::singleShot(0, [&knoepfe, antwort] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons())
            if (b->isVisible()) knoepfe << b->text();
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

// Does `tun` to the box that opens next and notes its visible buttons.
void bei_box(std::function<void(QMessageBox*)> tun, QStringList& knoepfe) {
    QTimer::singleShot(0, [tun, &knoepfe] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons())
            if (b->isVisible()) knoepfe << b->text();
        tun(box);
    });
}

void escape(QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }
void schliessen(QMessageBox* box) { box->close(); }

// Escape and the close button leave everything as it is: No for a command's question,
// Yes (stay) for the exit question.
TEST(Qt_Plattform, EscapeUndSchliessenAendernNichts) {
    Qt_Plattform p;
    for (auto tun : {escape, schliessen}) {
        QStringList knoepfe;
        bei_box(tun, knoepfe);
        EXPECT_FALSE(p.frage("Rinnenmaße löschen", "In Ordnung?"));
        bei_box(tun, knoepfe);
        EXPECT_TRUE(p.frage("Programm beenden", "Wollen Sie?", true));
        knoepfe.sort();
        EXPECT_EQ(knoepfe, (QStringList{"Ja", "Ja", "Nein", "Nein"}));
    }

    Form1 fenster(p, Startformular(std::filesystem::temp_directory_path() / "dkm_fehlt" / "Regeneig.dat"));
    p.setze_eltern(&fenster);
    fenster.show();
    auto* r5_5 = fenster.findChild<QLineEdit*>(QStringLiteral("r5_5"));
    r5_5->setText(QStringLiteral("300"));
    emit r5_5->textEdited(r5_5->text());
    QStringList knoepfe;
    bei_box(escape, knoepfe);
    fenster.knopf("Command1")->click();
    EXPECT_EQ(r5_5->text(), QStringLiteral("300")) << "Escape on the reset question resets nothing";

    bei_box(escape, knoepfe);
    fenster.knopf("Command10")->click();
    EXPECT_TRUE(fenster.isVisible()) << "Escape on the exit question stays";
    bei_box(schliessen, knoepfe);
    fenster.close();
    EXPECT_TRUE(fenster.isVisible()) << "closing the exit question stays";
    EXPECT_EQ(knoepfe.size(), 6);
    p.setze_eltern(nullptr);
}

}  // namespace
}  // namespace dkm::ui
