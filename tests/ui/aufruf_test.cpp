// The command line of the window program: a project file opened as the load command does,
// --help and --version without a display; and the program's icon on the window and its boxes.
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>

#include "fenster_hilfen.h"
#include "ui/programm.h"

namespace dkm::ui {
namespace {

class Aufruf_Test : public Fenster {
protected:
    // Every named box, option and list as a user sees it.
    static std::vector<std::string> bildschirm(Form1& w) {
        std::vector<std::string> v;
        for (QLineEdit* e : w.findChildren<QLineEdit*>())
            if (!e->objectName().isEmpty()) v.push_back(e->objectName().toStdString() + "=" + e->text().toStdString());
        for (QAbstractButton* b : w.findChildren<QAbstractButton*>())
            if (b->isCheckable()) v.push_back(b->objectName().toStdString() + (b->isChecked() ? "+" : "-"));
        for (QComboBox* c : w.findChildren<QComboBox*>())
            v.push_back(c->objectName().toStdString() + "=" + c->currentText().toStdString());
        return v;
    }
};

TEST_F(Aufruf_Test, DateiargumentLaedtWieVorhProjektAufrufen) {
    const std::string datei = DKM_EXAMPLES_DIR "/innen_alt.Dkl";  // an older file: it asks and notes things
    fenster->projekt_aufrufen(datei);
    EXPECT_EQ(text("Text24"), datei);
    EXPECT_EQ(text("Bauherr"), "Autohaus Becker GmbH") << "first line of an older file";

    Skript_Plattform p2;
    Form1 durch_dialog(p2, Startformular(ordner / "Regeneig.dat"));
    durch_dialog.show();
    p2.dateien = {datei};
    QTest::mouseClick(durch_dialog.findChild<QAbstractButton*>(QStringLiteral("Command6")), Qt::LeftButton);
    ASSERT_EQ(p2.protokoll.front().titel, "vorhandenes Projekt aufrufen") << "the file dialog";
    EXPECT_EQ(titel().size(), 4u) << "asks, and notes what it leaves out";
    EXPECT_EQ(titel(), p2.titel()) << "the same boxes in the same order";
    EXPECT_EQ(bildschirm(*fenster), bildschirm(durch_dialog));
}

TEST_F(Aufruf_Test, RelativerNameWirdZumVollenPfad) {
    std::filesystem::copy_file(DKM_EXAMPLES_DIR "/traufe_einzel.Dkm", ordner / "Traufe.Dkm");
    const auto vorher = std::filesystem::current_path();
    std::filesystem::current_path(ordner);
    fenster->projekt_aufrufen("./Traufe.Dkm");
    std::filesystem::current_path(vorher);
    EXPECT_EQ(titel(), Titel{});
    EXPECT_EQ(text("Text24"), (ordner / "Traufe.Dkm").string());
}

TEST_F(Aufruf_Test, KaputteOderFehlendeDateiLaesstDenStartzustand) {
    const auto start = bildschirm(*fenster);
    const std::string kaputt = (ordner / "Kaputt.Dkm").string();
    std::ofstream(kaputt, std::ios::binary) << "Wertedatei f\xfcr Dachkandelmesser Version 07 08\r\nnur eine Zeile\r\n";
    for (const std::string& datei : {kaputt, (ordner / "gibt_es_nicht.Dkm").string(), ordner.string()}) {
        protokoll_leeren();
        fenster->projekt_aufrufen(datei);
        ASSERT_FALSE(titel().empty()) << datei;
        EXPECT_EQ(titel().back(), "Datei-Kontrolle") << datei;
        EXPECT_EQ(bildschirm(*fenster), start) << datei;
    }
    klick("Check3");  // the window still answers
    EXPECT_EQ(f().Winkelfaktor[2], 0.85f);
}

// The title bar names the program and the project file; a new project drops the name again.
TEST_F(Aufruf_Test, TitelZeigtDasProjektUndUeberNenntVersionUndEinstellungen) {
    EXPECT_EQ(fenster->windowTitle().toStdString(), "Dachkandelmesser nach DIN EN 12056");
    fenster->projekt_aufrufen(DKM_EXAMPLES_DIR "/traufe_einzel.Dkm");
    EXPECT_EQ(fenster->windowTitle().toStdString(), "Dachkandelmesser nach DIN EN 12056 \u2013 traufe_einzel.Dkm");
    EXPECT_EQ(w<QLabel>("Formulartitel")->text().toStdString(), "Ein- und Ausgabe-Formular");
    p.antworten = {true};
    klick("Command7");
    EXPECT_EQ(fenster->windowTitle().toStdString(), "Dachkandelmesser nach DIN EN 12056");

    protokoll_leeren();
    klick("Ueber_Dachkandelmesser");
    ASSERT_EQ(titel(), Titel{"Über Dachkandelmesser"});
    const std::string ueber = p.protokoll.back().text;
    EXPECT_NE(ueber.find("Dachkandelmesser 1.0.0"), std::string::npos) << ueber;
    EXPECT_NE(ueber.find("GPL-3.0-or-later"), std::string::npos);
    EXPECT_NE(ueber.find("DIN EN 12056-3 und DIN 1986-100"), std::string::npos);
    EXPECT_NE(ueber.find(ordner.string()), std::string::npos) << "where the settings live";
}

TEST(Programmaufruf, ArgumenteWieImMenueOderAufDerKommandozeile) {
    EXPECT_EQ(Programmaufruf_lesen({}).art, Programmaufruf::Fenster);
    EXPECT_TRUE(Programmaufruf_lesen({}).datei.empty());
    EXPECT_EQ(Programmaufruf_lesen({"/home/a/Haus Süd.Dkm"}).datei, "/home/a/Haus Süd.Dkm");
    EXPECT_EQ(Programmaufruf_lesen({"--", "-seltsam.Dkm"}).datei, "-seltsam.Dkm");
    EXPECT_EQ(Programmaufruf_lesen({"a.Dkm", "--help"}).art, Programmaufruf::Hilfe);
    EXPECT_EQ(Programmaufruf_lesen({"--version"}).text.rfind("Dachkandelmesser 1.0.0\n", 0), 0u);
    for (std::vector<std::string> falsch : {std::vector<std::string>{"a.Dkm", "b.Dkm"}, {"-x"}, {""}}) {
        const Programmaufruf a = Programmaufruf_lesen(falsch);
        EXPECT_EQ(a.art, Programmaufruf::Fehler);
        EXPECT_EQ(a.text.rfind("dachkandelmesser: ", 0), 0u) << a.text;
    }
}

// Without a display the toolkit could not start: these must answer before it does.
TEST(Programmaufruf, HilfeUndVersionOhneBildschirm) {
    auto starten = [](const std::string& argument, int& status) {
        const std::string befehl = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " DKM_PROGRAMM " " + argument;
        FILE* rohr = popen(befehl.c_str(), "r");
        std::string aus;
        char puffer[256];
        while (size_t n = fread(puffer, 1, sizeof puffer, rohr)) aus.append(puffer, n);
        status = pclose(rohr);
        return aus;
    };
    int status = -1;
    const std::string hilfe = starten("--help", status);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(hilfe.rfind("Aufruf: dachkandelmesser [PROJEKTDATEI]\n", 0), 0u) << hilfe;
    EXPECT_NE(hilfe.find("vorh. Projekt aufrufen"), std::string::npos);
    EXPECT_EQ(starten("--version", status).rfind("Dachkandelmesser 1.0.0\n", 0), 0u);
    EXPECT_EQ(status, 0);
    starten("a.Dkm b.Dkm 2>/dev/null", status);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << "a usage error, not the toolkit giving up";
}

TEST_F(Aufruf_Test, FensterUndMeldungenZeigenDasProgrammsymbol) {
    for (int g : {16, 32, 256}) EXPECT_TRUE(fenster->windowIcon().availableSizes().contains(QSize(g, g))) << g;
    Qt_Plattform echt(fenster.get());
    qint64 symbol_der_box = 0;
    QTimer::singleShot(0, [&] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            symbol_der_box = box->windowIcon().cacheKey();
            box->close();
        }
    });
    echt.meldung("Datei-Kontrolle", "Text");
    EXPECT_EQ(symbol_der_box, fenster->windowIcon().cacheKey());
}

}  // namespace
}  // namespace dkm::ui
