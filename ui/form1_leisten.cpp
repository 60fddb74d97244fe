// The command rows at the top of the window and the status line at its foot.
#include <QAction>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QStatusBar>
#include <QToolBar>

#include "ui/aufbau_hilfen.h"
#include "ui/form1.h"

namespace dkm::ui {

using namespace aufbau;

namespace {

// A row of command buttons no taller than its buttons: every pixel counts on a small screen.
class Befehlsleiste : public QToolBar {
public:
    Befehlsleiste(const QString& titel, QWidget* eltern) : QToolBar(titel, eltern) { eng_machen(); }

protected:
    bool event(QEvent* e) override {
        const bool r = QToolBar::event(e);
        // the style sets the margins again
        if (e->type() == QEvent::StyleChange) eng_machen();
        return r;
    }

private:
    void eng_machen() { layout()->setContentsMargins(1, 1, 1, 1); }
};

}  // namespace

void Form1::befehlsleisten() {
    // The command buttons stand in two rows at the top of the window, where nothing moves
    // them; the frame window's forwarding buttons are these same buttons.
    struct Befehl {
        const char* name;
        const char* text;
        const char* weiterleitung;  // the frame window's name for it
    };
    const Befehl zeilen[2][7] = {
        {{"Command2", "Projekt speichen", "Command2"},
         {"Command6", "vorh. Projekt aufrufen", "Command6"},
         {"Command7", "neues Projekt anlegen", "Command7"},
         {"Command9", "Projektdaten zurücksetzen", "Command9"},
         {"Command1", "Werte zurücksetzen", "Command1"},
         {"Command18", "Monitor neu", "Command18"},
         {"Ueber_Dachkandelmesser", "Über Dachkandelmesser", nullptr}},
        {{"Command3", "Druckansicht", "Command3"},
         {"Formular_Print", "Projekt drucken", "Command8"},
         {"Als_PDF_speichern", "Als PDF speichern", "Als_PDF"},
         {"Command19", "Drucker justieren ´ein´", nullptr},
         {"Command17", "Hilfe ausschalten", nullptr},
         {"Command27", "Leitfaden starten", nullptr},
         {"Command10", "beenden", "Command10"}}};
    const int breite = fontMetrics().horizontalAdvance(QStringLiteral("Projektdaten zurücksetzen")) + 24;
    for (int z = 0; z < 2; ++z) {
        auto* leiste = new Befehlsleiste(n(meldung::Rahmentitel), this);
        addToolBar(leiste);
        leiste->setObjectName(z == 0 ? QStringLiteral("MDIForm1") : QStringLiteral("MDIForm1_2"));
        leiste->setMovable(false);
        leiste->setFloatable(false);
        leiste->toggleViewAction()->setEnabled(false);
        if (z == 0) addToolBarBreak();
        const int anzahl = 7;
        // one width for all, also for the captions that switch, and the whole row within 1280 pixels
        const int je_knopf = std::min(breite, (1270 - 6 * anzahl) / anzahl);
        for (const Befehl& b : zeilen[z]) {
            if (!b.name) continue;
            QPushButton* knopf = schaltflaeche(QLatin1String(b.name), QString::fromUtf8(b.text));
            knopf->setMinimumWidth(je_knopf);
            knopf->setMaximumWidth(je_knopf);
            QAction* a = leiste->addWidget(knopf);
            if (!b.weiterleitung) continue;
            a->setObjectName(QLatin1String(b.weiterleitung));
            connect(a, &QAction::triggered, knopf, &QPushButton::click);
        }
    }
}

void Form1::statuszeile() {
    // the line about incomplete inputs has its own row, so nothing moves when it appears
    masse_hinweis_ = new QLabel(this);
    masse_hinweis_->setObjectName(QStringLiteral("Masse_Hinweis"));
    statusBar()->setObjectName(QStringLiteral("Statuszeile"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(masse_hinweis_, 1);
    // the file in work, below everything it could push
    statusBar()->addPermanentWidget(label(QStringLiteral("Label4"), QStringLiteral("bearbeitete Datei:")));
    auto* text24 = new QLineEdit(this);
    text24->setObjectName(QStringLiteral("Text24"));
    text24->setReadOnly(true);
    text24->setFrame(false);
    text24->setFocusPolicy(Qt::ClickFocus);
    text24->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 52);
    statusBar()->addPermanentWidget(text24);
    // the main window's own caption, now that the title bar names the program and the file
    auto* formulartitel = new QLabel(n(meldung::Formulartitel), this);
    formulartitel->setObjectName(QStringLiteral("Formulartitel"));
    statusBar()->addPermanentWidget(formulartitel);
    statusBar()->setFixedHeight(masse_hinweis_->fontMetrics().height() + 6);
}

}  // namespace dkm::ui
