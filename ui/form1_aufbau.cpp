// Building the window: every control with its name and caption, and the layout.
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolTip>
#include <QAction>

#include "model/tabellen.h"
#include "ui/bildbox.h"
#include "ui/form1.h"
#include "ui/korrektur.h"
#include "ui/aufbau_hilfen.h"

namespace dkm::ui {

using namespace aufbau;


void Form1::aufbauen() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Ein- und Ausgabe-Formular"));

    auto* inhalt = new QWidget;
    inhalt->setObjectName(QStringLiteral("Form1_Inhalt"));
    auto* spalten = new QHBoxLayout(inhalt);
    spalten->setContentsMargins(4, 4, 4, 4);
    spalten->setSpacing(4);
    spalten->addWidget(linke_spalte(), 0, Qt::AlignTop);
    spalten->addWidget(mittlere_spalte(), 0, Qt::AlignTop);
    spalten->addWidget(rechte_spalte(), 0, Qt::AlignTop);
    spalten->addStretch(1);
    // the panel lies over the lower middle of the window, as a picture box over the form
    korrektur_ = new Korrektur_Panel(inhalt);
    korrektur_->hide();
    // the help box floats at the top right, over the results, like a tooltip
    hilfe_ = new QPlainTextEdit(inhalt);
    hilfe_->setObjectName(QStringLiteral("Hilfe_Text"));
    hilfe_->setReadOnly(true);
    hilfe_->setFocusPolicy(Qt::NoFocus);
    hilfe_->setBackgroundRole(QPalette::ToolTipBase);
    hilfe_->setForegroundRole(QPalette::ToolTipText);
    hilfe_->setPalette(QToolTip::palette());
    hilfe_->hide();

    auto* rollen = new QScrollArea;
    rollen->setObjectName(QStringLiteral("Rollbereich"));
    rollen->setWidget(inhalt);
    rollen->setWidgetResizable(true);
    rollen->setFrameShape(QFrame::NoFrame);
    setCentralWidget(rollen);
    knopfleiste();
}

QWidget* Form1::linke_spalte() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);

    // "Vorgaben" and "Projektdaten" share one place; exactly one is shown.
    auto* platz = new QGridLayout;
    QGroupBox* f2 = rahmen(QStringLiteral("Frame2"), QStringLiteral("Vorgaben"));
    auto* g2 = new QGridLayout(f2);
    g2->addWidget(label(QStringLiteral("Label10"), QStringLiteral("Wahl des Orts für die  Regenmenge")), 0, 0, 1, 3);
    QComboBox* orte = liste(QStringLiteral("Combo_Wahl_Regensp"), true);
    for (const Ort& o : Orte) orte->addItem(n(o.name));
    g2->addWidget(orte, 1, 0, 1, 3);
    g2->addWidget(label(QStringLiteral("Label7"), QStringLiteral("Regen 5 min/5 Jahre "), true), 2, 0);
    g2->addWidget(label(QStringLiteral("Label8"), QStringLiteral("Regen 5 min/100Jahre"), true), 2, 1);
    g2->addWidget(label(QStringLiteral("Label12"), QStringLiteral("eigene Werte")), 2, 2);
    g2->addWidget(feld(QStringLiteral("r5_5"), 6), 3, 0);
    g2->addWidget(feld(QStringLiteral("r5_100"), 6), 3, 1);
    g2->addWidget(schaltflaeche(QStringLiteral("Command22"), QStringLiteral("aufrufen")), 3, 2);
    g2->addWidget(label(QStringLiteral("Label29"), QStringLiteral("Abfluss-Beiwert der Deckung (C)")), 4, 0, 1, 3);
    QComboBox* c = liste(QStringLiteral("Combo_Abfl_beiwert"), false);
    for (const auto& e : Abflussbeiwerte) c->addItem(n(e.text));
    g2->addWidget(c, 5, 0, 1, 3);
    g2->addWidget(label(QStringLiteral("Label9"), QStringLiteral("Sicherheitsfaktor")), 6, 0);
    QComboBox* s = liste(QStringLiteral("Combo_Schutzfaktor"), false);
    for (const auto& e : Schutzfaktoren) s->addItem(n(e.text));
    g2->addWidget(s, 6, 1, 1, 2);
    g2->addWidget(schaltflaeche(QStringLiteral("Command15"), QStringLiteral("Projektdaten öffnen")), 7, 0, 1, 3);
    platz->addWidget(f2, 0, 0);

    QGroupBox* f8 = rahmen(QStringLiteral("Frame8"), QStringLiteral("Projektdaten"));
    auto* g8 = new QGridLayout(f8);
    const std::pair<const char*, const char*> daten[] = {{"Bauherr", "Bauherr:"},     {"strasse", "Straße:"},
                                                         {"PLZ_Ort", "PLZ / Ort:"},   {"Telef", "Telefon:"},
                                                         {"Fax", "Fax:"},             {"Bemerkungen", "Bemerkungen:"}};
    int zeile = 0;
    for (const auto& [name, text] : daten) {
        g8->addWidget(label(QStringLiteral("Label_%1").arg(QLatin1String(name)), QString::fromUtf8(text)), zeile, 0);
        QLineEdit* e = feld(QLatin1String(name), 24);
        e->setMaximumWidth(QWIDGETSIZE_MAX);
        g8->addWidget(e, zeile++, 1);
    }
    g8->addWidget(schaltflaeche(QStringLiteral("Command14"), QStringLiteral("Vorgaben öffnen")), zeile, 0, 1, 2);
    platz->addWidget(f8, 0, 0);
    v->addLayout(platz);

    QGroupBox* f9 = rahmen(QStringLiteral("Frame9"), QStringLiteral("Eigene Werte für die Regenspende"));
    auto* g9 = new QGridLayout(f9);
    g9->addWidget(label(QStringLiteral("Label13"), QStringLiteral("Ort")), 0, 0);
    g9->addWidget(label(QStringLiteral("Label_r5_5_eigen"), QStringLiteral("r(5,5)")), 0, 1);
    g9->addWidget(label(QStringLiteral("Label_r5_100_eigen"), QStringLiteral("r(5,100)")), 0, 2);
    const char* uebernehmen_knoepfe[] = {"Command4", "Command5", "Command24", "Command25", "Command26"};
    for (int k = 0; k < 5; ++k) {
        QLineEdit* name = feld(ts("Text", 9 + 3 * k), 14);
        name->setMaximumWidth(QWIDGETSIZE_MAX);
        g9->addWidget(name, k + 1, 0);
        g9->addWidget(feld(ts("Text", 10 + 3 * k), 5), k + 1, 1);
        g9->addWidget(feld(ts("Text", 11 + 3 * k), 5), k + 1, 2);
        g9->addWidget(schaltflaeche(QLatin1String(uebernehmen_knoepfe[k]), QStringLiteral("übernehmen")), k + 1, 3);
    }
    g9->addWidget(schaltflaeche(QStringLiteral("Command23"), QStringLiteral("abbrechen")), 6, 3);
    v->addWidget(f9);

    QGroupBox* art = rahmen(QStringLiteral("frame3"), QStringLiteral("Rinnenart"));
    auto* ga = new QHBoxLayout(art);
    QRadioButton* o1 = option(QStringLiteral("Option1"), QStringLiteral("vorgehängte Rinne"));
    QRadioButton* o2 = option(QStringLiteral("Option2"), QStringLiteral("innenliegende Rinne"));
    ga->addWidget(o1);
    ga->addWidget(o2);
    gruppe({o1, o2}, this);
    v->addWidget(art);

    QGroupBox* zus = rahmen(QStringLiteral("Rinnenvorgaben"), QStringLiteral("Zusätzliche Angaben"));
    auto* gz = new QGridLayout(zus);
    gz->addWidget(label(QStringLiteral("Label_Text1"), QStringLiteral("Verhältnis Höhe/Breite (Kastenrinne)"), true), 0, 0);
    gz->addWidget(feld(QStringLiteral("Text1"), 6), 0, 1);
    gz->addWidget(label(QStringLiteral("Label46"), QStringLiteral("Hindernis im Wasserlauf (cm²)"), true), 1, 0);
    gz->addWidget(feld(QStringLiteral("Text5"), 6), 1, 1);
    gz->addWidget(check(QStringLiteral("Check_Schutzkorb"), QStringLiteral("Sieb/Laubfang im Ablauf")), 2, 0, 1, 3);
    gz->addWidget(label(QStringLiteral("Label14"), QStringLiteral("Der Laubschutz wird bei Kasten- rinnen  nicht berücksichtigt!"), true), 3, 0, 1, 3);
    gz->addWidget(label(QStringLiteral("Label78"), QStringLiteral("untere Rinnen-Breite (mm)"), true), 4, 0);
    gz->addWidget(feld(QStringLiteral("Text2"), 6), 4, 1);
    gz->addWidget(label(QStringLiteral("Label79"), QStringLiteral("Außenwinkel links / rechts (°)"), true), 5, 0);
    auto* winkel = new QHBoxLayout;
    winkel->addWidget(feld(QStringLiteral("Text3"), 4));
    winkel->addWidget(feld(QStringLiteral("Text4"), 4));
    gz->addLayout(winkel, 5, 1, 1, 2);
    gz->addWidget(label(QStringLiteral("Label33"), QStringLiteral("Notüberlauf über:")), 6, 0);
    gz->addWidget(label(QStringLiteral("Label_Text30"), QStringLiteral("Anzahl:")), 6, 1);
    QRadioButton* o3 = option(QStringLiteral("Option3"), QStringLiteral("zwei Stirnseiten "));
    QRadioButton* o4 = option(QStringLiteral("Option4"), QStringLiteral("eine Stirnseite"));
    QRadioButton* o5 = option(QStringLiteral("Option5"), QStringLiteral("Längsseite/Gullies"));
    gz->addWidget(o3, 7, 0);
    gz->addWidget(o4, 7, 1, 1, 2);
    gz->addWidget(o5, 8, 0);
    gruppe({o3, o4, o5}, this);
    gz->addWidget(feld(QStringLiteral("Text30"), 4), 8, 1);
    gz->addWidget(schaltflaeche(QStringLiteral("Command11"), QStringLiteral("Korr.")), 8, 2);
    gz->addWidget(label(QStringLiteral("Label21"), QStringLiteral("Berechnung Notüberlauf")), 9, 0, 1, 3);
    QComboBox* diff = liste(QStringLiteral("Combo_Diff_Notueberl"), false);
    for (auto e : Notueberlauf_Regen_Liste) diff->addItem(n(e));
    gz->addWidget(diff, 10, 0, 1, 3);
    v->addWidget(zus);

    QGroupBox* f5 = rahmen(QStringLiteral("Frame5"), QStringLiteral("Druckereinstellung"));
    auto* g5 = new QGridLayout(f5);
    const std::pair<const char*, const char*> drucker[] = {{"Text6", "Schriftgröße (Vorgabe = 10)"},
                                                           {"Text7", "Zeichnung hori- zontal verschieben"},
                                                           {"Text8", "Zeichnung vertikal verschieben"}};
    zeile = 0;
    for (const auto& [name, text] : drucker) {
        g5->addWidget(label(QStringLiteral("Label_%1").arg(QLatin1String(name)), QString::fromUtf8(text), true), zeile, 0);
        g5->addWidget(feld(QLatin1String(name), 5), zeile++, 1);
    }
    // the user's own firm for the issuer line of the report
    g5->addWidget(label(QStringLiteral("Label_Aussteller"), QStringLiteral("Aussteller (Ihre Firma):")), zeile++, 0, 1, 2);
    const std::pair<const char*, const char*> aussteller[] = {{"Aussteller_Name", "Firma:"},
                                                              {"Aussteller_Strasse", "Straße:"},
                                                              {"Aussteller_Ort", "PLZ / Ort:"},
                                                              {"Aussteller_Telefon", "Telefon:"}};
    for (const auto& [name, text] : aussteller) {
        g5->addWidget(label(QStringLiteral("Label_%1").arg(QLatin1String(name)), QString::fromUtf8(text)), zeile, 0);
        auto* e = new QLineEdit;
        e->setObjectName(QLatin1String(name));
        e->setMaxLength(120);
        g5->addWidget(e, zeile++, 1);
    }
    g5->addWidget(schaltflaeche(QStringLiteral("Command20"), QStringLiteral("übernehmen")), zeile, 0);
    g5->addWidget(schaltflaeche(QStringLiteral("Command21"), QStringLiteral("abbrechen")), zeile, 1);
    v->addWidget(f5);

    v->addStretch(1);
    w->setMaximumWidth(314);
    return w;
}

QWidget* Form1::befehle() {
    auto* w = rahmen(QStringLiteral("Befehle"), QStringLiteral("Befehle"));
    auto* g = new QGridLayout(w);
    const std::pair<const char*, const char*> liste[] = {
        {"Command2", "Projekt speichen"},         {"Command6", "vorh. Projekt aufrufen"},
        {"Command7", "neues Projekt anlegen"},    {"Command9", "Projektdaten zurücksetzen"},
        {"Command1", "Werte zurücksetzen"},       {"Command18", "Monitor neu"},
        {"Command3", "Druckansicht"},             {"Formular_Print", "Projekt drucken"},
        {"Als_PDF_speichern", "Als PDF speichern"}, {"Command19", "Drucker justieren ´ein´"},
        {"Command17", "Hilfe ausschalten"},       {"Command27", "Leitfaden starten"},
        {"Command10", "beenden"}};
    int i = 0;
    for (const auto& [name, text] : liste) {
        g->addWidget(schaltflaeche(QLatin1String(name), QString::fromUtf8(text)), i / 5, i % 5);
        ++i;
    }
    return w;
}

QWidget* Form1::mittlere_spalte() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);

    auto* datei = new QHBoxLayout;
    datei->addWidget(label(QStringLiteral("Label4"), QStringLiteral("bearbeitete Datei:")));
    QLineEdit* text24 = feld(QStringLiteral("Text24"), 24);
    text24->setMaximumWidth(QWIDGETSIZE_MAX);
    text24->setReadOnly(true);
    text24->setFocusPolicy(Qt::ClickFocus);
    datei->addWidget(text24, 1);
    v->addLayout(datei);

    QGroupBox* mass = rahmen(QStringLiteral("Frame7"), QStringLiteral("Maßeingabe"));
    auto* gm = new QGridLayout(mass);
    QRadioButton* o10 = option(QStringLiteral("Option10"), QStringLiteral("Eingabe von Einzelmaßen"));
    QRadioButton* o11 = option(QStringLiteral("Option11"), QStringLiteral("Eingabe von Gesamtmaßen"));
    gruppe({o10, o11}, this);
    gm->addWidget(o10, 0, 0, 1, 2);
    gm->addWidget(o11, 1, 0, 1, 2);
    gm->addWidget(label(QStringLiteral("Label15"), QStringLiteral("gesamte Länge:")), 2, 0);
    gm->addWidget(feld(QStringLiteral("Text25"), 7), 2, 1);
    gm->addWidget(label(QStringLiteral("Label18"), QStringLiteral("gesamte Fläche:")), 3, 0);
    gm->addWidget(feld(QStringLiteral("Text26"), 7), 3, 1);
    gm->addWidget(label(QStringLiteral("Label16"), QStringLiteral("Anzahl der Abläufe:")), 4, 0);
    gm->addWidget(feld(QStringLiteral("Text27"), 7), 4, 1);
    gm->addWidget(label(QStringLiteral("Label17"), QStringLiteral("Anordnung der Abläufe:")), 0, 2);
    QRadioButton* o6 = option(QStringLiteral("Option6"), QStringLiteral("alle innerhalb der Rinne"));
    QRadioButton* o7 = option(QStringLiteral("Option7"), QStringLiteral("eine Seite am Rinnenende"));
    QRadioButton* o8 = option(QStringLiteral("Option8"), QStringLiteral("beiderseits am Rinnenende"));
    gruppe({o6, o7, o8}, this);
    gm->addWidget(o6, 1, 2);
    gm->addWidget(o7, 2, 2);
    gm->addWidget(o8, 3, 2);
    gm->setColumnStretch(3, 1);
    v->addWidget(mass);

    QGroupBox* ts_rahmen = rahmen(QStringLiteral("Frame_Teilstrecken"), QString());
    auto* g = new QGridLayout(ts_rahmen);
    g->setHorizontalSpacing(3);
    QLabel* titel = label(QStringLiteral("Label11"), QStringLiteral("Rinnen-Teilstrecken:"), true);
    titel->setMaximumWidth(titel->fontMetrics().horizontalAdvance(QStringLiteral("Teillänge der")) + 8);
    g->addWidget(titel, 0, 0);
    const std::pair<const char*, const char*> zeilen[] = {{"Label23", "Teillänge der Rinne (m)"},
                                                          {"Label24", "Dach-Breite dazu (m)"},
                                                          {"Label25", "zusätzliche Fläche (m²)"},
                                                          {"Label77", "Rinnenwinkel"},
                                                          {"Label_Flaeche", "Fläche"},
                                                          {"Label_Abfluss", "Abfluss"}};
    for (int z = 0; z < 6; ++z) {
        QLabel* l = label(QLatin1String(zeilen[z].first), QString::fromUtf8(zeilen[z].second), true);
        l->setMaximumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("Teillänge der")) + 8);
        g->addWidget(l, z + 1, 0);
    }
    for (int i = 1; i <= 8; ++i) {
        g->addWidget(label(ts("Label_TS", i), QStringLiteral("TS %1").arg(i)), 0, i, Qt::AlignCenter);
        g->addWidget(spaltenbreit(feld(ts("Laenge_", i))), 1, i);
        g->addWidget(spaltenbreit(feld(ts("Breite_", i))), 2, i);
        g->addWidget(spaltenbreit(feld(ts("Zusatz_Flaeche_", i))), 3, i);
        g->addWidget(check(ts("Check", i), QString()), 4, i, Qt::AlignCenter);
        g->addWidget(spaltenbreit(ergebnis(ts("Einzel_Flaeche_", i))), 5, i);
        g->addWidget(spaltenbreit(ergebnis(ts("Belast_Teilrinne_", i))), 6, i);
    }
    BildBox* skizze = new BildBox(QStringLiteral("Picture37"), 3, 10);
    g->addWidget(skizze, 7, 1, 1, 8);
    g->addWidget(label(QStringLiteral("Label_Ablauf"), QStringLiteral("Ablauf / Fallrohr")), 8, 0);
    g->addWidget(label(QStringLiteral("Label_Flaeche_Ablauf"), QStringLiteral("Fläche")), 9, 0);
    g->addWidget(label(QStringLiteral("Label_Abfluss_Ablauf"), QStringLiteral("Abfluss")), 10, 0);
    for (int k = 1; k <= 4; ++k) {
        auto* marke = new BildBox(ts("Picture", 42 + k), 1, 3);
        marke->setFrameShape(QFrame::NoFrame);
        g->addWidget(marke, 8, 2 * k - 1, 1, 2, Qt::AlignCenter);
        static const char* paare[] = {"1_2", "3_4", "5_6", "7_8"};
        g->addWidget(ergebnis(QStringLiteral("Flaeche_Fallrohr_%1").arg(QLatin1String(paare[k - 1]))), 9, 2 * k - 1, 1, 2);
        g->addWidget(ergebnis(QStringLiteral("Belastung_Fallrohr_%1").arg(QLatin1String(paare[k - 1]))), 10, 2 * k - 1, 1, 2);
    }
    v->addWidget(ts_rahmen);


    v->addWidget(befehle());
    v->addStretch(1);
    return w;
}

void Form1::knopfleiste() {
    leiste_ = addToolBar(QStringLiteral("Dachkandelmesser nach DIN EN 12056"));
    leiste_->setObjectName(QStringLiteral("MDIForm1"));
    leiste_->setMovable(false);
    leiste_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // each button presses the main window's button, so its questions and checks run too
    const std::pair<const char*, const char*> ziele[] = {
        {"Command2", "Command2"}, {"Command6", "Command6"}, {"Command7", "Command7"},
        {"Command9", "Command9"}, {"Command1", "Command1"}, {"Command18", "Command18"},
        {"Command3", "Command3"}, {"Command8", "Formular_Print"}, {"Als_PDF", "Als_PDF_speichern"},
        {"Command10", "Command10"}};
    for (const auto& [name, ziel] : ziele) {
        QPushButton* b = knopf(ziel);
        QAction* a = leiste_->addAction(b->text());
        a->setObjectName(QLatin1String(name));
        connect(a, &QAction::triggered, b, &QPushButton::click);
    }
}

void Form1::tab_reihenfolge() {
    std::vector<QWidget*> reihe;
    auto dazu = [&](const QString& name) {
        if (QWidget* w = findChild<QWidget*>(name)) reihe.push_back(w);
    };
    for (const char* name : {"Combo_Wahl_Regensp", "r5_5", "r5_100", "Command22", "Combo_Abfl_beiwert",
                             "Combo_Schutzfaktor", "Bauherr", "strasse", "PLZ_Ort", "Telef", "Fax", "Bemerkungen",
                             "Option1", "Option2", "Option10", "Option11", "Text25", "Text26", "Text27", "Option6",
                             "Option7", "Option8"})
        dazu(QLatin1String(name));
    for (int i = 1; i <= 8; ++i) {
        dazu(ts("Laenge_", i));
        dazu(ts("Breite_", i));
        dazu(ts("Zusatz_Flaeche_", i));
    }
    for (int i = 1; i <= 8; ++i) dazu(ts("Check", i));
    for (const char* name : {"Text1", "Text5", "Check_Schutzkorb", "Text2", "Text3", "Text4", "Option3", "Option4",
                             "Option5", "Text30", "Command11", "Combo_Diff_Notueberl"})
        dazu(QLatin1String(name));
    for (size_t i = 1; i < reihe.size(); ++i) setTabOrder(reihe[i - 1], reihe[i]);
}

}  // namespace dkm::ui
