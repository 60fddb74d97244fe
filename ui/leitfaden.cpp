// Highlighting, box placement and focus of the guide in the window.
#include "ui/leitfaden.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/korrektur.h"

namespace dkm::ui {

Leitfaden_Anzeige::Leitfaden_Anzeige(QWidget* fenster, Korrektur_Panel* box, QGridLayout* platz)
    : fenster_(fenster), box_(box), platz_(platz) {}

void Leitfaden_Anzeige::markieren(QWidget* w, bool an) {
    auto* e = qobject_cast<QLineEdit*>(w);
    if (e) {
        // a locked box keeps the face colour of the inactive input mode
        QPalette p = e->palette();
        const QColor normal = e->isReadOnly() ? p.color(QPalette::Button) : QApplication::palette().color(QPalette::Base);
        const QColor soll = an ? Markierungsgelb() : normal;
        if (p.color(QPalette::Base) == soll) return;
        for (auto g : {QPalette::Active, QPalette::Inactive}) p.setColor(g, QPalette::Base, soll);
        e->setPalette(p);
        return;
    }
    if (!an) {
        w->setPalette(QPalette());
        w->setAutoFillBackground(false);
        return;
    }
    QPalette p = w->palette();
    if (p.color(QPalette::Window) == Markierungsgelb() && p.color(QPalette::Button) == Markierungsgelb()) return;
    for (auto g : {QPalette::Active, QPalette::Inactive})
        for (auto rolle : {QPalette::Base, QPalette::Button, QPalette::Window}) p.setColor(g, rolle, Markierungsgelb());
    w->setPalette(p);
    // option buttons, check boxes and labels paint no background of their own
    if (!qobject_cast<QPushButton*>(w) && !qobject_cast<QComboBox*>(w)) w->setAutoFillBackground(true);
}

void Leitfaden_Anzeige::anzeigen(const Formular& f) {
    if (f.Markierung != markierung_) {
        for (QWidget* w : markiert_)
            if (w) markieren(w, false);
        markiert_.clear();
        markierung_ = f.Markierung;
        for (const std::string& name : markierung_)
            if (auto* w = fenster_->findChild<QWidget*>(QString::fromStdString(name))) markiert_.push_back(w);
    }
    // a change of the input mode repaints the segment boxes: paint them again
    for (QWidget* w : markiert_)
        if (w) markieren(w, true);
    platzieren(f.aktiver_Modus == Modus::Leitfaden, f[V::Druckvorsch]);
}

void Leitfaden_Anzeige::platzieren(bool schweben, bool sichtbar) {
    if (schweben != schwebt_) {
        schwebt_ = schweben;
        if (schweben) {
            platz_->removeWidget(box_);
            box_->setParent(fenster_);
        } else {
            platz_->addWidget(box_, 0, 0, Qt::AlignTop);
            box_->setVisible(sichtbar);
        }
    }
    if (!schweben) return;
    // at the lower right, over results only: the fields the steps explain lie left and above
    const QSize g = box_->leitfaden_groesse().boundedTo(fenster_->size() - QSize(8, 8));
    box_->setGeometry(fenster_->width() - g.width() - 4, fenster_->height() - g.height() - 4, g.width(), g.height());
    box_->show();
    box_->raise();
}

void Leitfaden_Anzeige::fokus_setzen(Formular& f) {
    if (f.Fokus.empty()) return;
    if (auto* w = fenster_->findChild<QWidget*>(QString::fromStdString(f.Fokus))) w->setFocus(Qt::OtherFocusReason);
    f.Fokus.clear();
}

}  // namespace dkm::ui
