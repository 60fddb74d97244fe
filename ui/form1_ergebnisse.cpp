// The result side of the window: eaves and internal gutter results, downpipes, notes.
#include <QGridLayout>

#include "ui/aufbau_hilfen.h"
#include "ui/bildbox.h"
#include "ui/form1.h"

namespace dkm::ui {

using namespace aufbau;

QWidget* Form1::rechte_spalte() {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    // the frames' titles keep them apart
    v->setSpacing(0);

    QGroupBox* traufe = rahmen(QStringLiteral("Rinne_vorgeh_einzel"), QStringLiteral("Rinne (vorgehängt)"));
    auto* gt = eng(new QGridLayout(traufe));
    gt->addWidget(label(QStringLiteral("Label_Standard"), QStringLiteral("Standardgrößen:")), 0, 0, 1, 2);
    gt->addWidget(new BildBox(QStringLiteral("Picture3"), 3, 22), 1, 0);
    gt->addWidget(new BildBox(QStringLiteral("Picture4"), 3, 22), 1, 1);
    gt->addWidget(label(QStringLiteral("Label_Bedarf"), QStringLiteral("Maße nach Bedarf:")), 2, 0, 1, 2);
    // a full row each: sizes near the search limit are long numbers
    gt->addWidget(new BildBox(QStringLiteral("Picture1"), 3, 24), 3, 0, 1, 2);
    gt->addWidget(new BildBox(QStringLiteral("Picture2"), 3, 24), 4, 0, 1, 2);
    gt->addWidget(schaltflaeche(QStringLiteral("Command12"), QStringLiteral("Breite kleiner")), 5, 0);
    gt->addWidget(schaltflaeche(QStringLiteral("Command13"), QStringLiteral("Breite größer")), 5, 1);
    gt->addWidget(label(QStringLiteral("Label48"),
                        QStringLiteral("Die Dimensionierung erfolgt nach der un- günstigsten Teilstrecke."), true),
                  6, 0, 1, 2);
    v->addWidget(traufe);

    QGroupBox* rohre = rahmen(QStringLiteral("Frame6"), QStringLiteral("Fallrohre (vorgehängte Rinne)"));
    auto* gr = eng(new QGridLayout(rohre));
    gr->setVerticalSpacing(1);
    gr->setHorizontalSpacing(4);
    // per outlet: with funnel, without funnel, drop outlet, each under its own label
    const char* texte[3][2] = {{"mit Trichter", "m.Trichter"}, {"o. Trichter", "o. Trichter"}, {"Einhangstutzen", "Einhangst."}};
    const int spalten[3] = {6, 6, 11};
    for (int k = 1; k <= 4; ++k) {
        gr->addWidget(label(ts("Label_Ablauf_", k), QStringLiteral("Ablauf %1").arg(k)), 2 * k - 1, 0);
        const int bilder[3] = {13 + 2 * (k - 1), 14 + 2 * (k - 1), 20 + k};
        const int labels[3] = {58 + 2 * (k - 1), 59 + 2 * (k - 1), 65 + k};
        for (int art = 0; art < 3; ++art) {
            gr->addWidget(label(ts("Label", labels[art]), QString::fromUtf8(texte[art][k == 4 ? 1 : 0])), 2 * k - 2, art + 1);
            gr->addWidget(new BildBox(ts("Picture", bilder[art]), 1, spalten[art]), 2 * k - 1, art + 1);
        }
    }
    gr->addWidget(label(QStringLiteral("Label3"), QStringLiteral("Bei Fallrohren D<75 mm ist nach DIN 12056-3 \"das Risiko der Verstopfung\" zu beachten!"), true), 8, 0, 1, 4);
    v->addWidget(rohre);

    QGroupBox* innen = rahmen(QStringLiteral("Rinnen_innenliegend"), QStringLiteral("Rinne (innenliegend)"));
    auto* gi = eng(new QGridLayout(innen));
    gi->addWidget(new BildBox(QStringLiteral("Picture27"), 7, 23), 0, 0);
    gi->addWidget(new BildBox(QStringLiteral("Picture26"), 7, 23), 0, 1);
    gi->addWidget(new BildBox(QStringLiteral("Picture25"), 7, 23), 1, 0);
    gi->addWidget(new BildBox(QStringLiteral("Picture28"), 7, 23), 1, 1);
    // in the title line, where it takes no row from the results
    rechts_im_titel(innen, label(QStringLiteral("Label81"), QStringLiteral("Zuschnitt: jeweils die letzte Zeile")));
    v->addWidget(innen);

    QGroupBox* f4 = rahmen(QStringLiteral("Frame4"), QStringLiteral("Abfluss-Rohr (Rinne innenliegend)"));
    auto* g4 = eng(new QGridLayout(f4));
    for (int k = 0; k < 4; ++k) g4->addWidget(new BildBox(ts("Picture", 29 + k), 7, 23), k / 2, k % 2);
    // the overflows at the ends and those along the side are never shown together;
    // the note stands beside them
    auto* unten = new QGridLayout;
    unten->setSpacing(3);
    unten->addWidget(new BildBox(QStringLiteral("Picture34"), 7, 28), 0, 0);
    unten->addWidget(new BildBox(QStringLiteral("Picture35"), 7, 28), 0, 0);
    unten->addWidget(label(QStringLiteral("Label6"), QStringLiteral("Bei Fallrohren D<75 mm ist nach DIN 12056-3 \"das Risiko der Verstopfung\" zu beachten!"), true), 0, 1, Qt::AlignTop);
    unten->setColumnStretch(1, 1);
    g4->addLayout(unten, 2, 0, 1, 2);
    v->addWidget(f4);
    v->addStretch(1);

    // as wide and as tall as the larger of the two gutters, so that switching moves and grows nothing
    w->setFixedWidth(std::max({traufe->minimumSizeHint().width(), rohre->minimumSizeHint().width(),
                               innen->minimumSizeHint().width(), f4->minimumSizeHint().width()}));
    w->setMinimumHeight(std::max(traufe->minimumSizeHint().height() + rohre->minimumSizeHint().height(),
                                 innen->minimumSizeHint().height() + f4->minimumSizeHint().height()));
    return w;
}

}  // namespace dkm::ui
