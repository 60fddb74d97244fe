// The guide in the real window: started, walked and ended with clicks, the highlighting as painted.
#include <QImage>
#include <QPushButton>
#include <cstdlib>

#include "fenster_hilfen.h"
#include "ui/bildbox.h"
#include "ui/leitfaden.h"

namespace dkm::ui {
namespace {

class Leitfaden_Test : public Fenster {
protected:
    BildBox* box() { return w<BildBox>("Druckvorsch"); }
    std::string knopftext(const char* name) { return w<QAbstractButton>(name)->text().toStdString(); }
    std::string ueberschrift() {
        for (const std::string& z : box()->bild().texte())
            if (z.find_first_not_of(' ') != std::string::npos) return z.substr(z.find_first_not_of(' '));
        return {};
    }
    void weiter(int mal = 1) {
        for (int i = 0; i < mal; ++i) klick("Command28");
    }
    // Whether the widget as painted is mostly Markierungsgelb (its frame, text and indicator are not).
    bool gelb(const char* name) {
        QWidget* x = w(name);
        QApplication::processEvents();
        const QImage bild = x->grab().toImage();
        int treffer = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int i = 0; i < bild.width(); ++i) treffer += bild.pixelColor(i, y) == Markierungsgelb();
        return treffer * 3 > bild.width() * bild.height();
    }
    void bild(const char* name) {
        if (const char* ordner = std::getenv("DKM_BILDER")) fenster->grab().save(QString::fromUtf8(ordner) + "/" + name);
    }
    bool ueberdeckt(const char* name) {
        QWidget* x = w(name);
        const QRect r(x->mapTo(box()->parentWidget(), QPoint(0, 0)), x->size());
        return box()->isVisible() && box()->geometry().intersects(r);
    }
};

TEST_F(Leitfaden_Test, StartSchritteUndMarkierung) {
    klick("Command27");
    ASSERT_TRUE(box()->isVisible());
    EXPECT_EQ(knopftext("Command28"), "Leitfaden weiter");
    EXPECT_EQ(knopftext("Command30"), "Leitfaden zurück");
    EXPECT_EQ(knopftext("Command29"), "Leitfaden abbrechen");
    EXPECT_FALSE(w("Command30")->isEnabled());
    EXPECT_FALSE(w("Command27")->isEnabled());
    EXPECT_FALSE(w("Command31")->isVisible());
    EXPECT_EQ(ueberschrift(), "Mit dem ´Leitfaden´   werden Sie nacheinander durch alle wichtigen Eingabe-Felder geführt.");
    EXPECT_EQ(knopftext("Command17"), "Hilfe ausschalten") << "the help's caption stays";
    EXPECT_TRUE(w("Frame2")->isVisible()) << "the box floats and leaves the panels in place";

    weiter();
    EXPECT_EQ(ueberschrift(), "Projektdaten:");
    EXPECT_TRUE(w("Frame8")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), w("Bauherr"));
    EXPECT_TRUE(gelb("Bauherr") && gelb("Bemerkungen"));
    EXPECT_FALSE(w("Command30")->isEnabled());

    weiter(3);
    EXPECT_EQ(ueberschrift(), "Regenspende:");
    EXPECT_TRUE(w("Frame2")->isVisible() && !w("Frame8")->isVisible());
    for (const char* name : {"r5_5", "r5_100", "Combo_Wahl_Regensp"}) {
        EXPECT_TRUE(gelb(name)) << name;
        EXPECT_FALSE(ueberdeckt(name)) << name;
    }
    EXPECT_FALSE(gelb("Bauherr"));
    EXPECT_TRUE(w("Combo_Wahl_Regensp")->hasFocus());
    EXPECT_TRUE(w("Command30")->isEnabled());
    bild("leitfaden_regenspende.png");

    weiter();
    EXPECT_FALSE(gelb("r5_5")) << "normal colour again";
    weiter();
    EXPECT_EQ(ueberschrift(), "Sicherheitsfaktor wählen:") << "steps 6 to 8 passed over in one press";
    klick("Command30");
    EXPECT_EQ(ueberschrift(), "Abfussbeiwert:") << "back to the step shown before";
    weiter(2);
    EXPECT_EQ(ueberschrift(), "Hindernisse im Wasserlauf:");
    weiter();
    EXPECT_TRUE(gelb("Check_Schutzkorb"));
    weiter();
    EXPECT_EQ(ueberschrift(), "Eingabe Länge der Teilstrecken:");
    for (int i = 1; i <= 8; ++i) {
        const std::string name = "Laenge_" + std::to_string(i);
        EXPECT_TRUE(gelb(name.c_str()) && !ueberdeckt(name.c_str())) << name;
    }
    weiter(3);
    EXPECT_EQ(ueberschrift(), "Rinnenwinkel:");
    for (const char* name : {"Check1", "Check8", "Label77"}) {
        EXPECT_TRUE(gelb(name)) << name;
        EXPECT_FALSE(ueberdeckt(name)) << name;
    }
    weiter();
    EXPECT_EQ(ueberschrift(), "Es wurden alle relevanten Felder aufgerufen. ");
}

TEST_F(Leitfaden_Test, InnenliegendUndRinnenartWechsel) {
    klick({"Option2", "Option11"});
    klick("Command27");
    weiter(6);
    EXPECT_EQ(ueberschrift(), "Anordnung des Notüberlaufs:");
    EXPECT_TRUE(gelb("Option3") && gelb("Option5"));
    klick("Option5");
    weiter();
    EXPECT_EQ(ueberschrift(), "Anzahl der Notabläufe an der Längsseite:");
    EXPECT_TRUE(gelb("Text30") && !ueberdeckt("Text30"));
    weiter(5);
    EXPECT_EQ(ueberschrift(), "Breite und Form der Rinne:");
    EXPECT_EQ(QApplication::focusWidget(), w("Text2"));
    weiter();
    EXPECT_EQ(ueberschrift(), "Eingabe der gesamten Rinnenlänge:");
    EXPECT_TRUE(gelb("Text25"));
    weiter(4);
    weiter();
    EXPECT_EQ(ueberschrift(), "Korrektur der Rinnenhöhe:");
    EXPECT_FALSE(ueberdeckt("Command11"));

    // back to step 6, then an eaves gutter: "weiter" tests the next steps against it
    for (int i = 0; i < 12; ++i) klick("Command30");
    EXPECT_EQ(ueberschrift(), "Anordnung des Notüberlaufs:");
    klick("Option1");
    weiter();
    EXPECT_EQ(ueberschrift(), "Sicherheitsfaktor wählen:");
}

TEST_F(Leitfaden_Test, EndeHilfeUndNeuberechnung) {
    tippen({{"Laenge_1", "10"}, {"Breite_1", "5"}});
    klick("Command27");
    EXPECT_EQ(f().Status_Hilfe, nicht_sichtbar);
    weiter(13);
    EXPECT_EQ(ueberschrift(), "Es wurden alle relevanten Felder aufgerufen. ");
    // held but not yet recalculated: the focus is on "weiter", no box is left
    f()[T::Laenge_1] = "20";
    weiter();  // "weiter" on the last step ends as "abbrechen" does
    EXPECT_FALSE(box()->isVisible());
    EXPECT_FALSE(w("Command28")->isVisible());
    EXPECT_TRUE(w("Command27")->isEnabled());
    EXPECT_EQ(text("Einzel_Flaeche_1"), "100.00 m²") << "20 m x 5 m: recalculated at the end";
    EXPECT_EQ(f().Status_Hilfe, sichtbar);
    EXPECT_EQ(knopftext("Command17"), "Hilfe ausschalten");
    EXPECT_EQ(QApplication::focusWidget(), w("Laenge_1"));

    // with the help off it stays off; "abbrechen" from step 4 resets the highlight
    klick("Command17");
    klick("Command27");
    weiter(4);
    klick("Command29");
    EXPECT_EQ(f().Status_Hilfe, nicht_sichtbar);
    EXPECT_FALSE(gelb("r5_5"));
    EXPECT_TRUE(w("Frame2")->isVisible());
    EXPECT_TRUE(titel().empty());
}

TEST_F(Leitfaden_Test, UebernimmtDieDruckansicht) {
    tippen({{"Laenge_1", "10"}, {"Breite_1", "5"}});
    klick("Command3");
    ASSERT_EQ(f().Status_Vorschau, "aktiv");
    klick("Command27");
    EXPECT_EQ(f().Status_Vorschau, "aus");
    EXPECT_EQ(f().Status_Leitfaden, "aktiv");
    EXPECT_EQ(knopftext("Command28"), "Leitfaden weiter");
    EXPECT_FALSE(w("Vorschauseite")->isVisible());
    weiter();
    EXPECT_EQ(ueberschrift(), "Projektdaten:");
}

TEST_F(Leitfaden_Test, NichtWaehrendDerHoehenkorrektur) {
    klick({"Option2", "Option5"});
    klick("Command11");
    ASSERT_EQ(f().Status_Korrektur, "aktiv");
    protokoll_leeren();
    klick("Command27");
    EXPECT_EQ(titel(), Titel{"Konflikt Leitfaden mit Korrektur Rinnenhöhe"});
    EXPECT_EQ(f().Status_Leitfaden, "aus");
    EXPECT_EQ(knopftext("Command28"), "Höhe größer");
}

// Each command that meets the guide asks; No keeps the guide, Yes ends it and the command goes on.
TEST_F(Leitfaden_Test, KonfliktJedesBefehls) {
    klick({"Option2", "Option5"});
    const std::pair<const char*, const char*> befehle[] = {
        {"Command2", "Konflikt Leitfaden mit ´Projekt speichern´"},
        {"Command6", "Konflikt Leitfaden mit ´Projekt aufrufen´"},
        {"Command9", "Konflikt Leitfaden mit ´Projektdaten zurücksetzen´"},
        {"Command1", "Konflikt Leitfaden mit ´Werte zurücksetzen´"},
        {"Command7", "Konflikt Leitfaden mit der ´neues Projekt´"},
        {"Command3", "Konflikt Leitfaden mit der Druckvorschau"},
        {"Formular_Print", "Konflikt Leitfaden mit der Druckausgabe"},
        {"Command11", "Konflikt Korrektur Rinnenhöhe mit Leitfaden."}};
    for (auto [knopf, frage] : befehle) {
        klick("Command27");
        weiter(4);
        protokoll_leeren();
        p.antworten = {false};
        klick(knopf);
        EXPECT_EQ(titel(), Titel{frage}) << knopf;
        EXPECT_EQ(f().Status_Leitfaden, "aktiv") << knopf;
        EXPECT_TRUE(gelb("r5_5")) << knopf;
        protokoll_leeren();
        p.antworten = {true, false, false};
        klick(knopf);
        ASSERT_FALSE(titel().empty()) << knopf;
        EXPECT_EQ(titel().front(), frage) << knopf;
        EXPECT_EQ(f().Status_Leitfaden, "aus") << knopf;
        EXPECT_FALSE(gelb("r5_5")) << knopf;
        EXPECT_TRUE(w("Command27")->isEnabled()) << knopf;
        // the command went on: its own question, dialog or mode follows
        EXPECT_TRUE(p.protokoll.size() > 1 || f().Status_Vorschau == aktiv || f().Status_Korrektur == aktiv) << knopf;
        if (f().Status_Vorschau == aktiv || f().Status_Korrektur == aktiv) klick("Command29");
        if (!f()[S::Option2]) klick({"Option2", "Option5"});
    }
}

}  // namespace
}  // namespace dkm::ui
