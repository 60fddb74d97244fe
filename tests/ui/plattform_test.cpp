// The real message boxes: German buttons, and Escape or the close button change nothing.
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "fenster_hilfen.h"

namespace dkm::ui {

// Answers the box that opens next with the button `knopf` ("Esc": the key, "": closing it); notes its buttons.
static void bei_box(const char* knopf, QStringList& knoepfe) {
    QTimer::singleShot(0, [knopf, &knoepfe] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (QAbstractButton* b : box->buttons()) if (b->isVisible()) knoepfe << b->text();
        if (!*knopf) box->close();
        if (QLatin1String(knopf) == QLatin1String("Esc")) QTest::keyClick(box, Qt::Key_Escape);
        for (QAbstractButton* b : box->buttons()) if (b->text() == QLatin1String(knopf)) b->click();
    });
}

// Yes and No the right way round; Escape and closing mean No for a command's question, Yes (stay) for the exit.
TEST(Qt_Plattform, DeutscheKnoepfeUndEscapeAendertNichts) {
    Qt_Plattform p;
    QStringList knoepfe;
    bei_box("Nein", knoepfe);
    EXPECT_FALSE(p.frage("Programm beenden", "Wollen Sie?"));
    bei_box("Ja", knoepfe);
    EXPECT_TRUE(p.frage("Programm beenden", "Wollen Sie?"));
    bei_box("OK", knoepfe);
    p.meldung("Eingabefehler", "Text");
    EXPECT_EQ(knoepfe, (QStringList{"Ja", "Nein", "Ja", "Nein", "OK"}));

    Form1 fenster(p, Startformular(std::filesystem::temp_directory_path() / "dkm_fehlt" / "Regeneig.dat"));
    p.setze_eltern(&fenster);
    fenster.show();
    auto* r5_5 = fenster.findChild<QLineEdit*>(QStringLiteral("r5_5"));
    r5_5->setText(QStringLiteral("300"));
    emit r5_5->textEdited(r5_5->text());
    bei_box("Esc", knoepfe);
    fenster.knopf("Command1")->click();
    EXPECT_EQ(r5_5->text(), QStringLiteral("300")) << "Escape on the reset question resets nothing";
    bei_box("Esc", knoepfe);
    fenster.knopf("Command10")->click();
    EXPECT_TRUE(fenster.isVisible()) << "Escape on the exit question stays";
    bei_box("", knoepfe);
    fenster.close();
    EXPECT_TRUE(fenster.isVisible()) << "closing the exit question stays";
    EXPECT_EQ(knoepfe.size(), 11) << "each question was asked";
    p.setze_eltern(nullptr);
}

// Every box is as wide as its title in a bold font with a title bar's icon and three buttons beside it
// (about 100 pixels), so that the window frame does not cut the title off.
TEST(Qt_Plattform, JedeBoxIstBreitGenugFuerIhrenTitel) {
    Qt_Plattform p;
    for (const char* titel : {"Konflikt Umschalten von Überlauf beidseits mit Korrektur Rinnenhöhe",
                              "Konflikt Leitfaden mit ´Projektdaten zurücksetzen´", "Maße fehlen!"})
        for (bool frage : {false, true}) {
            int breite = 0, noetig = 1;
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box) return;
                QFont fett = box->font();
                fett.setBold(true);
                noetig = QFontMetrics(fett).horizontalAdvance(box->windowTitle()) + 100;
                breite = box->width();
                box->close();
            });
            if (frage) p.frage(titel, "Wollen Sie?");
            else p.meldung(titel, "Text");
            EXPECT_GE(breite, noetig) << titel;
        }
}

}  // namespace dkm::ui
