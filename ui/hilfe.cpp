// Hover and focus events of the controls with help, and the place of the help box.
#include "ui/hilfe.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>

#include "bedienung/hilfe.h"
#include "model/hilfe.h"

namespace dkm::ui {

namespace {
// The box was 6255 twips wide; a narrower one grows taller to hold the same text.
constexpr double Twips_je_Pixel = 15, Breite_twips = 6255;
}  // namespace

Hilfe_Bindung::Hilfe_Bindung(QWidget* fenster, QPlainTextEdit* box, QWidget* spalte, Formular& f)
    : QObject(fenster), fenster_(fenster), box_(box), spalte_(spalte), f_(f) {
    // the mouse reaches what lies below the box, and the box then gives way
    box_->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto beobachten = [this](const std::string_view name) -> QWidget* {
        QWidget* w = fenster_->findChild<QWidget*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        if (!w) return nullptr;
        w->setMouseTracking(true);
        w->installEventFilter(this);
        return w;
    };
    for (const Hilfe_Eintrag& e : Hilfe_Eintraege())
        for (std::string_view name : e.steuerelemente) beobachten(name);
    for (std::string_view name : Hilfe_Panels())
        if (QWidget* w = beobachten(name)) panels_.push_back(w);
}

bool Hilfe_Bindung::eventFilter(QObject* ziel, QEvent* e) {
    const QEvent::Type typ = e->type();
    if (typ != QEvent::Enter && typ != QEvent::MouseMove && typ != QEvent::FocusIn) return false;
    auto* w = static_cast<QWidget*>(ziel);
    if (std::find(panels_.begin(), panels_.end(), w) != panels_.end()) {
        // only the background: a move the control under the mouse passed on is no panel hover
        const QPoint stelle = typ == QEvent::MouseMove ? static_cast<QMouseEvent*>(e)->position().toPoint()
                                                       : w->mapFromGlobal(QCursor::pos());
        if (typ != QEvent::FocusIn && !w->childAt(stelle)) {
            Hilfe_Panel_Hover(f_);
            zeigen();
        }
        return false;
    }
    if (Hilfe_Hover(f_, w->objectName().toStdString())) {
        erklaert_ = w;
        zeigen();
    }
    return false;
}

int Hilfe_Bindung::textbedarf(int breite) const {
    const int rand = 2 * box_->frameWidth() + 2 * static_cast<int>(box_->document()->documentMargin()) + 4;
    const QRect r = box_->fontMetrics().boundingRect(QRect(0, 0, breite - rand, 100000), Qt::TextWordWrap,
                                                     QString::fromStdString(gezeigt_));
    return r.height() + rand;
}

void Hilfe_Bindung::zeigen() {
    if (gezeigt_ != f_.Hilfe_Text) {
        gezeigt_ = f_.Hilfe_Text;
        box_->setPlainText(QString::fromStdString(gezeigt_));
    }
    if (box_->isHidden() == f_[V::Hilfe_Text]) box_->setVisible(f_[V::Hilfe_Text]);
    if (box_->isHidden()) return;
    const QWidget* flaeche = box_->parentWidget();
    const QRect spalte(spalte_->mapTo(flaeche, QPoint(0, 0)), spalte_->size());
    const double pixel = spalte.width() > 0 ? spalte.width() : 1;
    const double hoch = Breite_twips / Twips_je_Pixel / pixel;
    const int hoehe = std::min(spalte.height(), static_cast<int>(f_.Hilfe_hoehe_twips / Twips_je_Pixel * hoch));
    QRect r(spalte.left(), spalte.top() + static_cast<int>(f_.Hilfe_top_twips / Twips_je_Pixel), spalte.width(), hoehe);
    if (r.bottom() > spalte.bottom()) r.moveBottom(spalte.bottom());
    // never over the result the user is reading: above or below it, shorter if the text still fits
    if (erklaert_) {
        // the control may sit in a tool bar, outside the box's parent
        const QRect gelesen(flaeche->mapFromGlobal(erklaert_->mapToGlobal(QPoint(0, 0))), erklaert_->size());
        if (r.intersects(gelesen)) {
            const int oben = gelesen.top() - spalte.top() - 1, unten = spalte.bottom() - gelesen.bottom() - 1;
            const int noetig = textbedarf(spalte.width());
            if (oben >= hoehe || (oben < hoehe && unten < hoehe && oben >= unten && oben >= noetig)) {
                r.setHeight(std::min(hoehe, oben));
                r.moveBottom(gelesen.top() - 1);
            } else if (unten >= noetig) {
                r.setHeight(std::min(hoehe, unten));
                r.moveTop(gelesen.bottom() + 1);
            }
        }
    }
    if (box_->geometry() != r) box_->setGeometry(r);
    if (flaeche->children().constLast() != box_) box_->raise();
}

}  // namespace dkm::ui
