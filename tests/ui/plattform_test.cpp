// The real message boxes: German buttons, and Escape or the close button change nothing.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

#include "fenster_hilfen.h"

namespace dkm::ui {
namespace {

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

std::function<void(QMessageBox*)> druecken(const char* knopf) {
    return [knopf](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons())
            if (b->text() == QLatin1String(knopf)) b->click();
    };
}

// Yes and No the right way round; Escape and closing mean No for a command's question, Yes (stay) for the exit.
TEST(Qt_Plattform, DeutscheKnoepfeUndEscapeAendertNichts) {
    Qt_Plattform p;
    QStringList knoepfe;
    bei_box(druecken("Nein"), knoepfe);
    EXPECT_FALSE(p.frage("Programm beenden", "Wollen Sie?"));
    bei_box(druecken("Ja"), knoepfe);
    EXPECT_TRUE(p.frage("Programm beenden", "Wollen Sie?"));
    bei_box(druecken("OK"), knoepfe);
    p.meldung("Eingabefehler", "Text");
    EXPECT_EQ(knoepfe, (QStringList{"Ja", "Nein", "Ja", "Nein", "OK"}));

    Form1 fenster(p, Startformular(std::filesystem::temp_directory_path() / "dkm_fehlt" / "Regeneig.dat"));
    p.setze_eltern(&fenster);
    fenster.show();
    auto* r5_5 = fenster.findChild<QLineEdit*>(QStringLiteral("r5_5"));
    r5_5->setText(QStringLiteral("300"));
    emit r5_5->textEdited(r5_5->text());
    bei_box([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, knoepfe);
    fenster.knopf("Command1")->click();
    EXPECT_EQ(r5_5->text(), QStringLiteral("300")) << "Escape on the reset question resets nothing";
    bei_box([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }, knoepfe);
    fenster.knopf("Command10")->click();
    EXPECT_TRUE(fenster.isVisible()) << "Escape on the exit question stays";
    bei_box([](QMessageBox* box) { box->close(); }, knoepfe);
    fenster.close();
    EXPECT_TRUE(fenster.isVisible()) << "closing the exit question stays";
    EXPECT_EQ(knoepfe.size(), 11) << "each question was asked";
    p.setze_eltern(nullptr);
}

}  // namespace
}  // namespace dkm::ui
