// A real main window, offscreen, with a scripted platform; controls found by name.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QFocusEvent>
#include <QImage>
#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <memory>
#include <random>

#include "skript_plattform.h"
#include "ui/form1.h"
#include "ui/start.h"

namespace dkm::ui {

using Titel = std::vector<std::string>;
using Paare = std::vector<std::pair<const char*, const char*>>;

// Where a control stands in its window.
inline QRect im_fenster(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

class Fenster : public ::testing::Test {
protected:
    void SetUp() override {
        ordner = std::filesystem::temp_directory_path() /
                 ("dkm_ui_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                  std::to_string(std::random_device{}()));  // a run of the same test elsewhere clears its own
        std::filesystem::remove_all(ordner);
        std::filesystem::create_directories(ordner);
        fenster = std::make_unique<Form1>(p, Startformular(ordner / "Regeneig.dat"));
        fenster->setze_einstellungsordner(ordner);
        QCursor::setPos(0, 0);  // not over a control with help, wherever the last test left it
        fenster->show();
    }
    void TearDown() override { fenster.reset(), std::filesystem::remove_all(ordner); }

    template <typename W = QWidget>  // also QAction, for the tool bar
    W* w(const char* name) {
        W* x = fenster->findChild<W*>(QLatin1String(name));
        EXPECT_NE(x, nullptr) << name;
        return x;
    }
    QLineEdit* feld(const char* name) { return w<QLineEdit>(name); }
    std::string text(const char* name) { return feld(name)->text().toStdString(); }

    // Typing as a user does, then leaving the box with TAB.
    void tippen(const char* name, const char* eingabe) {
        QLineEdit* e = feld(name);
        e->selectAll();
        QTest::keyClicks(e, eingabe[0] ? QString::fromUtf8(eingabe) : QStringLiteral("\b"));
        verlassen(name);
    }
    void tippen(const Paare& eingaben) { for (auto [name, eingabe] : eingaben) tippen(name, eingabe); }
    void erwarte_texte(const Paare& soll) { for (auto [name, t] : soll) EXPECT_EQ(text(name), t) << name; }
    void verlassen(const char* name) {
        QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(w(name), &aus);
    }
    void klick(const char* name) {
        QAbstractButton* b = w<QAbstractButton>(name);
        QApplication::processEvents();  // a button just shown gets its size first
        // options and check boxes answer to a click on their indicator, not on empty space
        const QPoint stelle = b->isCheckable() ? QPoint(6, b->height() / 2) : b->rect().center();
        QTest::mouseClick(b, Qt::LeftButton, {}, stelle);
    }
    void klick(std::initializer_list<const char*> namen) { for (const char* name : namen) klick(name); }
    // Texts with umlauts cannot be typed key by key in a test; the box sees an edit all the same.
    void setzen(const char* name, const char* eingabe) {
        QLineEdit* e = feld(name);
        e->setText(QString::fromUtf8(eingabe));
        emit e->textEdited(e->text());
        verlassen(name);
    }
    void waehlen(const char* liste, int index) {
        w<QComboBox>(liste)->setCurrentIndex(index);
        emit w<QComboBox>(liste)->activated(index);
    }
    bool gewaehlt(const char* name) { return w<QAbstractButton>(name)->isChecked(); }
    std::string knopftext(const char* name) { return w<QAbstractButton>(name)->text().toStdString(); }
    // How many pixels of the control, as painted, have the colour `c`.
    int pixel(const char* name, QColor c) {
        QApplication::processEvents();
        const QImage bild = w(name)->grab().toImage();
        int n = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) n += bild.pixelColor(x, y) == c;
        return n;
    }

    Titel titel() const { return p.titel(); }
    Formular& f() { return fenster->formular(); }
    void protokoll_leeren() { p.protokoll.clear(); }
    // A fresh log, and the answers to the next questions.
    void antworten(std::initializer_list<bool> ja) { p.protokoll.clear(), p.antworten.assign(ja.begin(), ja.end()); }

    Skript_Plattform p;
    std::unique_ptr<Form1> fenster;
    std::filesystem::path ordner;
};

}  // namespace dkm::ui
