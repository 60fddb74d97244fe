// Building the window: every control with its name and caption, and the layout.
#include <algorithm>
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
#include <QTabWidget>
#include <QToolButton>
#include <QToolBar>
#include <QToolTip>
#include <QAction>

#include "model/tabellen.h"
#include "ui/bildbox.h"
#include "ui/form1.h"
#include "ui/korrektur.h"
#include "ui/kostra_bereich.h"
#include "ui/programm.h"
#include "ui/aufbau_hilfen.h"

namespace dkm::ui {

using namespace aufbau;


void Form1::aufbauen() {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(n(meldung::Rahmentitel));
    setWindowIcon(Programmsymbol());
    befehlsleisten();

    // No scroll area: every state fits 1280 x 658 (1920 x 1080 at 150 % less a task bar and a title bar),
    // and a scroll bar would hide what does not.
    auto* inhalt = new QWidget;
    inhalt->setObjectName(QStringLiteral("Form1_Inhalt"));
    auto* spalten = new QHBoxLayout(inhalt);
    spalten->setContentsMargins(4, 1, 4, 1);
    spalten->setSpacing(6);
    spalten->addWidget(linke_spalte());
    spalten->addWidget(mittlere_spalte(), 1);
    spalten->addWidget(rechte_spalte());
    // the help box floats over the command rows, like a tooltip, where it covers no input and no result
    hilfe_ = new QPlainTextEdit(this);
    hilfe_->setObjectName(QStringLiteral("Hilfe_Text"));
    hilfe_->setReadOnly(true);
    hilfe_->setFocusPolicy(Qt::NoFocus);
    hilfe_->hide();
    setCentralWidget(inhalt);
    statuszeile();
}

QWidget* Form1::linke_spalte() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    // "Vorgaben" and "Projektdaten" share one place; the own values, the printer panel and
    // the height correction open in that place too, so that they push nothing.
    auto* platz = platz_ = new QGridLayout;
    QGroupBox* f2 = rahmen(QStringLiteral("Frame2"), QStringLiteral("Vorgaben"));
    auto* g2 = eng(new QGridLayout(f2));
    g2->addWidget(label(QStringLiteral("Label10"), QStringLiteral("Wahl des Orts für die  Regenmenge")), 0, 0, 1, 3);
    QComboBox* orte = liste(QStringLiteral("Combo_Wahl_Regensp"), true);
    for (const Ort& o : Orte) orte->addItem(n(o.name));
    auto* orte_mit_hinweis = new QVBoxLayout;
    orte_mit_hinweis->setSpacing(0);
    orte_mit_hinweis->addWidget(orte);
    QLabel* hinweis = kleingedruckt(label(QStringLiteral("Label_Kostra_Hinweis"), n(meldung::Kostra_Ortshinweis)));
    hinweis->setToolTip(n(meldung::Kostra_Ortshinweis_lang));
    orte_mit_hinweis->addWidget(hinweis);
    g2->addLayout(orte_mit_hinweis, 1, 0, 1, 3);
    g2->addWidget(label(QStringLiteral("Label7"), QStringLiteral("Regen 5 min/5 Jahre "), true), 2, 0);
    g2->addWidget(label(QStringLiteral("Label8"), QStringLiteral("Regen 5 min/100Jahre"), true), 2, 1);
    g2->addWidget(label(QStringLiteral("Label12"), QStringLiteral("eigene Werte")), 2, 2, Qt::AlignBottom);
    g2->addWidget(feld(QStringLiteral("r5_5"), 6), 3, 0);
    g2->addWidget(feld(QStringLiteral("r5_100"), 6), 3, 1);
    g2->addWidget(schaltflaeche(QStringLiteral("Command22"), QStringLiteral("aufrufen")), 3, 2);
    // rainfall values nobody chose are named as such right below them; their row stays when they are chosen
    regenhinweis_ = label(QStringLiteral("Label_Regenvorgabe"), n(meldung::Regenvorgabe_Hinweis));
    QPalette warnung = regenhinweis_->palette();
    warnung.setColor(QPalette::WindowText, QColor(176, 0, 0));
    regenhinweis_->setPalette(warnung);
    QSizePolicy bleibt = regenhinweis_->sizePolicy();
    bleibt.setRetainSizeWhenHidden(true);
    regenhinweis_->setSizePolicy(bleibt);
    g2->addWidget(regenhinweis_, 4, 0, 1, 3);
    g2->addWidget(label(QStringLiteral("Label29"), QStringLiteral("Abfluss-Beiwert der Deckung (C)")), 5, 0, 1, 3);
    QComboBox* c = liste(QStringLiteral("Combo_Abfl_beiwert"), false);
    for (const auto& e : Abflussbeiwerte) c->addItem(n(e.text));
    g2->addWidget(c, 6, 0, 1, 3);
    g2->addWidget(label(QStringLiteral("Label9"), QStringLiteral("Sicherheitsfaktor")), 7, 0);
    QComboBox* s = liste(QStringLiteral("Combo_Schutzfaktor"), false);
    for (const auto& e : Schutzfaktoren) s->addItem(n(e.text));
    g2->addWidget(s, 7, 1, 1, 2);
    g2->addWidget(schaltflaeche(QStringLiteral("Command15"), QStringLiteral("Projektdaten öffnen")), 8, 0, 1, 3);

    QGroupBox* f8 = rahmen(QStringLiteral("Frame8"), QStringLiteral("Projektdaten"));
    auto* g8 = eng(new QGridLayout(f8));
    const std::pair<const char*, const char*> daten[] = {{"Bauherr", "Bauherr:"},     {"strasse", "Straße:"},
                                                         {"PLZ_Ort", "PLZ / Ort:"},   {"Telef", "Telefon:"},
                                                         {"Fax", "Fax:"},             {"Bemerkungen", "Bemerkungen:"}};
    int zeile = 0;
    for (const auto& [name, text] : daten) {
        g8->addWidget(label(QStringLiteral("Label_%1").arg(QLatin1String(name)), QString::fromUtf8(text)), zeile, 0);
        QLineEdit* e = feld(QLatin1String(name), 20);
        e->setMaximumWidth(QWIDGETSIZE_MAX);
        g8->addWidget(e, zeile++, 1);
    }
    g8->addWidget(schaltflaeche(QStringLiteral("Command14"), QStringLiteral("Vorgaben öffnen")), zeile, 0, 1, 2);

    QGroupBox* f9 = rahmen(QStringLiteral("Frame9"), QStringLiteral("Eigene Werte für die Regenspende"));
    // the five places and the weather service's grid take turns, so the panel stays as high as the others
    auto* reiter = new QTabWidget;
    reiter->setObjectName(QStringLiteral("Eigenwerte_Reiter"));
    reiter->setDocumentMode(true);
    auto* orte_seite = new QWidget;
    auto* g9 = eng(new QGridLayout(orte_seite));
    g9->addWidget(label(QStringLiteral("Label13"), QStringLiteral("Ort")), 0, 0);
    g9->addWidget(label(QStringLiteral("Label_r5_5_eigen"), QStringLiteral("r(5,5)")), 0, 1);
    g9->addWidget(label(QStringLiteral("Label_r5_100_eigen"), QStringLiteral("r(5,100)")), 0, 2);
    const char* uebernehmen_knoepfe[] = {"Command4", "Command5", "Command24", "Command25", "Command26"};
    for (int k = 0; k < 5; ++k) {
        QLineEdit* name = feld(ts("Text", 9 + 3 * k), 8);
        name->setMaximumWidth(QWIDGETSIZE_MAX);
        g9->addWidget(name, k + 1, 0);
        g9->addWidget(feld(ts("Text", 10 + 3 * k), 4), k + 1, 1);
        g9->addWidget(feld(ts("Text", 11 + 3 * k), 4), k + 1, 2);
        g9->addWidget(schaltflaeche(QLatin1String(uebernehmen_knoepfe[k]), QStringLiteral("übernehmen")), k + 1, 3);
    }
    g9->addWidget(schaltflaeche(QStringLiteral("Command23"), QStringLiteral("abbrechen")), 6, 3);
    kostra_ = new Kostra_Bereich(p_, f_, [this](const Kostra_Ort& o) { return kostra_uebernehmen(o); });
    reiter->addTab(orte_seite, QStringLiteral("eigene Orte"));
    reiter->addTab(kostra_, QStringLiteral("KOSTRA-DWD-2020"));
    eng(new QVBoxLayout(f9))->addWidget(reiter);
    // the tab bar's own scroll buttons, marked as the toolkit's like its other inner widgets
    for (QWidget* w : reiter->findChildren<QToolButton*>()) w->setObjectName(QStringLiteral("qt_") + w->objectName());
    g9->setColumnStretch(0, 1);

    QGroupBox* f5 = rahmen(QStringLiteral("Frame5"), QStringLiteral("Druckereinstellung"));
    auto* g5 = eng(new QGridLayout(f5));
    // whether the record follows the two pages: in the title line, where it costs the panel no room
    rechts_im_titel(f5, check(QStringLiteral("Check_Rechenweg"), QStringLiteral("Rechenweg mitdrucken")));
    const std::pair<const char*, const char*> drucker[] = {{"Text6", "Schriftgröße (Vorgabe = 10)"},
                                                           {"Text7", "Zeichnung hori- zontal verschieben"},
                                                           {"Text8", "Zeichnung vertikal verschieben"}};
    zeile = 0;
    for (const auto& [name, text] : drucker) {
        g5->addWidget(label(QStringLiteral("Label_%1").arg(QLatin1String(name)), QString::fromUtf8(text), true), zeile, 0);
        if (zeile == 0) {
            g5->addWidget(feld(QLatin1String(name), 5), zeile++, 1);
            continue;
        }
        // beside each shift field how far it goes
        auto* spalte = new QHBoxLayout;
        spalte->addWidget(feld(QLatin1String(name), 5));
        spalte->addWidget(label(QStringLiteral("Label_Grenze_%1").arg(QLatin1String(name)),
                                QStringLiteral("\u00B1%1 mm").arg(double(Verschiebung_Grenze_mm))));
        g5->addLayout(spalte, zeile++, 1);
    }
    // the user's own firm for the issuer line of the report
    const std::pair<const char*, const char*> aussteller[] = {{"Aussteller_Name", "Aussteller (Ihre Firma):"},
                                                              {"Aussteller_Strasse", "Straße:"},
                                                              {"Aussteller_Ort", "PLZ / Ort:"},
                                                              {"Aussteller_Telefon", "Telefon:"}};
    auto* gaus = new QGridLayout;
    for (const auto& [name, text] : aussteller) {
        const int z = gaus->rowCount();
        gaus->addWidget(label(QStringLiteral("Label_%1").arg(QLatin1String(name)), QString::fromUtf8(text)), z, 0);
        auto* e = new QLineEdit;
        e->setObjectName(QLatin1String(name));
        e->setMaxLength(120);
        gaus->addWidget(e, z, 1);
    }
    g5->addLayout(gaus, zeile++, 0, 1, 2);
    g5->addWidget(schaltflaeche(QStringLiteral("Command20"), QStringLiteral("übernehmen")), zeile, 0);
    g5->addWidget(schaltflaeche(QStringLiteral("Command21"), QStringLiteral("abbrechen")), zeile, 1);
    g5->setColumnStretch(0, 1);

    korrektur_ = new Korrektur_Panel;
    korrektur_->hide();
    QWidget* panels[] = {f2, f8, f9, f5, korrektur_};
    QSize platzbedarf;
    for (QWidget* p : panels) {
        platz->addWidget(p, 0, 0, Qt::AlignTop);
        platzbedarf = platzbedarf.expandedTo(QSize(p->minimumSizeHint().width(), p->sizeHint().height()));
    }
    platz->setRowMinimumHeight(0, platzbedarf.height());
    v->addLayout(platz);

    QGroupBox* art = rahmen(QStringLiteral("frame3"), QStringLiteral("Rinnenart"));
    auto* ga = eng(new QHBoxLayout(art));
    QRadioButton* o1 = option(QStringLiteral("Option1"), QStringLiteral("vorgehängte Rinne"));
    QRadioButton* o2 = option(QStringLiteral("Option2"), QStringLiteral("innenliegende Rinne"));
    ga->addWidget(o1);
    ga->addWidget(o2);
    gruppe({o1, o2}, this);
    v->addWidget(art);

    QGroupBox* zus = rahmen(QStringLiteral("Rinnenvorgaben"), QStringLiteral("Zusätzliche Angaben"));
    auto* gz = eng(new QGridLayout(zus));
    // one line per caption where it can be said short
    gz->addWidget(label(QStringLiteral("Label_Text1"), QStringLiteral("Höhe/Breite (Kastenrinne)")), 0, 0);
    gz->addWidget(feld(QStringLiteral("Text1"), 5), 0, 1, 1, 2);
    gz->addWidget(label(QStringLiteral("Label46"), QStringLiteral("Hindernis im Wasserlauf (cm²)"), true), 1, 0);
    gz->addWidget(feld(QStringLiteral("Text5"), 5), 1, 1, 1, 2);
    gz->addWidget(check(QStringLiteral("Check_Schutzkorb"), QStringLiteral("Sieb/Laubfang im Ablauf")), 2, 0, 1, 3);
    gz->addWidget(label(QStringLiteral("Label14"), QStringLiteral("Der Laubschutz wird bei Kasten- rinnen  nicht berücksichtigt!"), true), 3, 0, 1, 3);
    gz->addWidget(label(QStringLiteral("Label78"), QStringLiteral("untere Rinnen-Breite (mm)")), 4, 0);
    gz->addWidget(feld(QStringLiteral("Text2"), 5), 4, 1, 1, 2);
    gz->addWidget(label(QStringLiteral("Label79"), QStringLiteral("Außenwinkel li. / re. (°)")), 5, 0);
    gz->addWidget(feld(QStringLiteral("Text3"), 3), 5, 1);
    gz->addWidget(feld(QStringLiteral("Text4"), 3), 5, 2);
    gz->addWidget(label(QStringLiteral("Label33"), QStringLiteral("Notüberlauf über:")), 6, 0);
    gz->addWidget(label(QStringLiteral("Label_Text30"), QStringLiteral("Anzahl:")), 6, 1, 1, 2);
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
    gz->setColumnStretch(0, 1);
    v->addWidget(zus);
    v->addStretch(1);

    // as wide as the widest panel that may open, so that nothing beside it moves
    w->setFixedWidth(std::max({platzbedarf.width(), art->minimumSizeHint().width(), zus->minimumSizeHint().width()}));
    return w;
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
