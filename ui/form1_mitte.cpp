// The middle of the window: the dimension inputs, the segments with their loads, the outlets and the notes.
#include <QGridLayout>

#include "ui/aufbau_hilfen.h"
#include "ui/bildbox.h"
#include "ui/form1.h"

namespace dkm::ui {

using namespace aufbau;

QWidget* Form1::mittlere_spalte() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    QGroupBox* mass = rahmen(QStringLiteral("Frame7"), QStringLiteral("Maßeingabe"));
    auto* gm = eng(new QGridLayout(mass));
    QRadioButton* o10 = option(QStringLiteral("Option10"), QStringLiteral("Eingabe von Einzelmaßen"));
    QRadioButton* o11 = option(QStringLiteral("Option11"), QStringLiteral("Eingabe von Gesamtmaßen"));
    gruppe({o10, o11}, this);
    gm->addWidget(o10, 0, 0);
    gm->addWidget(o11, 1, 0);
    gm->addWidget(label(QStringLiteral("Label15"), QStringLiteral("gesamte Länge:")), 0, 1);
    gm->addWidget(feld(QStringLiteral("Text25"), 6), 0, 2);
    gm->addWidget(label(QStringLiteral("Label18"), QStringLiteral("gesamte Fläche:")), 1, 1);
    gm->addWidget(feld(QStringLiteral("Text26"), 6), 1, 2);
    gm->addWidget(label(QStringLiteral("Label16"), QStringLiteral("Anzahl der Abläufe:")), 2, 1);
    gm->addWidget(feld(QStringLiteral("Text27"), 6), 2, 2);
    gm->addWidget(label(QStringLiteral("Label17"), QStringLiteral("Anordnung der Abläufe:")), 0, 3);
    QRadioButton* o6 = option(QStringLiteral("Option6"), QStringLiteral("alle innerhalb der Rinne"));
    QRadioButton* o7 = option(QStringLiteral("Option7"), QStringLiteral("eine Seite am Rinnenende"));
    QRadioButton* o8 = option(QStringLiteral("Option8"), QStringLiteral("beiderseits am Rinnenende"));
    gruppe({o6, o7, o8}, this);
    gm->addWidget(o6, 1, 3);
    gm->addWidget(o7, 2, 3);
    gm->addWidget(o8, 3, 3);
    gm->setColumnStretch(0, 1);
    gm->setColumnStretch(3, 1);
    v->addWidget(mass);

    v->addWidget(teilstrecken());

    // the notes of the total-mode split have their place reserved below the segments
    auto* notizen = new QHBoxLayout;
    notizen->setSpacing(4);
    notizen->addWidget(notiz(QStringLiteral("Text28")));
    notizen->addWidget(notiz(QStringLiteral("Text29")));
    v->addLayout(notizen);
    v->addStretch(1);
    return w;
}

// The segments one per row, with their loads; the outlets below them.
QWidget* Form1::teilstrecken() {
    QGroupBox* rahmen_ts = rahmen(QStringLiteral("Frame_Teilstrecken"), QString());
    auto* v = eng(new QVBoxLayout(rahmen_ts));
    auto* g = new QGridLayout;
    g->setHorizontalSpacing(4);
    g->setVerticalSpacing(2);
    g->addWidget(label(QStringLiteral("Label11"), QStringLiteral("Rinnen-Teilstrecken:"), true), 0, 0, Qt::AlignBottom);
    const std::pair<const char*, const char*> spalten[] = {{"Label23", "Teillänge der Rinne (m)"},
                                                           {"Label24", "Dach-Breite dazu (m)"},
                                                           {"Label25", "zusätzliche Fläche (m²)"},
                                                           {"Label77", "Rinnenwinkel"},
                                                           {"Label_Flaeche", "Fläche"},
                                                           {"Label_Abfluss", "Abfluss"}};
    for (int s = 0; s < 6; ++s) {
        QLabel* l = label(QLatin1String(spalten[s].first), QString::fromUtf8(spalten[s].second), true);
        l->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        // the narrow columns break their captions into up to three lines
        l->setMinimumHeight(l->fontMetrics().lineSpacing() * 3);
        g->addWidget(l, 0, s + 1);
    }
    for (int i = 1; i <= 8; ++i) {
        g->addWidget(label(ts("Label_TS", i), QStringLiteral("TS %1").arg(i)), i, 0);
        g->addWidget(feld(ts("Laenge_", i), 6), i, 1);
        g->addWidget(feld(ts("Breite_", i), 6), i, 2);
        g->addWidget(feld(ts("Zusatz_Flaeche_", i), 6), i, 3);
        g->addWidget(check(ts("Check", i), QString()), i, 4, Qt::AlignCenter);
        g->addWidget(spaltenbreit(ergebnis(ts("Einzel_Flaeche_", i))), i, 5);
        g->addWidget(spaltenbreit(ergebnis(ts("Belast_Teilrinne_", i))), i, 6);
    }
    v->addLayout(g);
    v->addWidget(new BildBox(QStringLiteral("Picture37"), 3, 10));

    auto* a = new QGridLayout;
    a->setHorizontalSpacing(4);
    a->setVerticalSpacing(2);
    a->addWidget(label(QStringLiteral("Label_Ablauf"), QStringLiteral("Ablauf / Fallrohr")), 0, 0);
    a->addWidget(label(QStringLiteral("Label_Flaeche_Ablauf"), QStringLiteral("Fläche")), 1, 0);
    a->addWidget(label(QStringLiteral("Label_Abfluss_Ablauf"), QStringLiteral("Abfluss")), 2, 0);
    static const char* paare[] = {"1_2", "3_4", "5_6", "7_8"};
    for (int k = 1; k <= 4; ++k) {
        auto* marke = new BildBox(ts("Picture", 42 + k), 1, 3);
        marke->setFrameShape(QFrame::NoFrame);
        a->addWidget(marke, 0, k, Qt::AlignCenter);
        const QString paar = QLatin1String(paare[k - 1]);
        a->addWidget(spaltenbreit(ergebnis(QStringLiteral("Flaeche_Fallrohr_%1").arg(paar))), 1, k);
        a->addWidget(spaltenbreit(ergebnis(QStringLiteral("Belastung_Fallrohr_%1").arg(paar))), 2, k);
    }
    a->setColumnStretch(5, 1);
    v->addLayout(a);
    return rahmen_ts;
}

}  // namespace dkm::ui
