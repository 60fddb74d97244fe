// Hover and focus events of the controls with help, and the place of the help box.
#include "ui/hilfe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <algorithm>

#include "bedienung/hilfe.h"
#include "model/hilfe.h"
#include "ui/bildbox.h"
#include "ui/vorschauseite.h"

namespace dkm::ui {

namespace {

constexpr int Rand = 1;
// Below this share of the window font a smaller box would not be read.
constexpr double Kleinste_Schrift = 0.75;

// A box the user types into, chooses in or reads a result from.
bool ist_eingabe_oder_ergebnis(const QWidget* w) {
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
           qobject_cast<const BildBox*>(w) || qobject_cast<const Vorschauseite*>(w);
}

// Which panels and modes are open: a change takes the help away.
std::string Panelstand(const Formular& f) {
    std::string s;
    for (V v : {V::Frame2, V::Frame8, V::Frame9, V::Frame5, V::Druckvorsch}) s += f[v] ? '1' : '0';
    return s + std::to_string(static_cast<int>(f.aktiver_Modus));
}

// The sections of a long entry stand on one line each in a narrow box; across the window they follow on.
QString anzeigetext(const std::string& text) {
    return QString::fromStdString(text).replace(QLatin1Char('\n'), QStringLiteral("   "));
}

}  // namespace

// Any click, wherever it goes, takes the help away; the TAB key is noted for the focus it moves.
class Klickwaechter : public QObject {
public:
    explicit Klickwaechter(Hilfe_Bindung* h) : QObject(h), h_(h) { qApp->installEventFilter(this); }
    bool eventFilter(QObject* ziel, QEvent* e) override {
        const QEvent::Type typ = e->type();
        if (typ == QEvent::MouseButtonPress || typ == QEvent::MouseButtonDblClick) {
            h_->tabulator_ = false;
            if (h_->box_->isVisible()) h_->verbergen();
        }
        // every move reaches the window first, also where the control missed its leaving
        if (typ == QEvent::MouseMove && ziel->isWindowType() && h_->box_->isVisible())
            h_->maus_bewegt(static_cast<QMouseEvent*>(e)->globalPosition().toPoint());
        if (typ == QEvent::KeyPress) {
            const int taste = static_cast<QKeyEvent*>(e)->key();
            h_->tabulator_ = taste == Qt::Key_Tab || taste == Qt::Key_Backtab;
        }
        return false;
    }

private:
    Hilfe_Bindung* h_;
};

Hilfe_Bindung::Hilfe_Bindung(QWidget* fenster, QPlainTextEdit* box, Formular& f)
    : QObject(fenster), fenster_(fenster), box_(box), f_(f) {
    // the mouse reaches what lies below the box
    box_->setAttribute(Qt::WA_TransparentForMouseEvents);
    box_->document()->setDocumentMargin(3);
    QPalette farben = box_->palette();
    farben.setColor(QPalette::Base, QColor(255, 255, 225));
    farben.setColor(QPalette::Text, Qt::black);
    box_->setPalette(farben);
    box_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
    fenster_->installEventFilter(this);
    new Klickwaechter(this);
}

void Hilfe_Bindung::verbergen() {
    Hilfe_Panel_Hover(f_);
    erklaert_ = nullptr;
    zeigen();
}

void Hilfe_Bindung::maus_bewegt(QPoint global) {
    if (per_tabulator_ || !erklaert_) return;
    if (!QRect(erklaert_->mapToGlobal(QPoint(0, 0)), erklaert_->size()).contains(global)) verbergen();
}

void Hilfe_Bindung::erklaeren(QWidget* w, bool per_tabulator) {
    if (!Hilfe_Hover(f_, w->objectName().toStdString())) return;
    erklaert_ = w;
    per_tabulator_ = per_tabulator;
    zeigen();
}

bool Hilfe_Bindung::eventFilter(QObject* ziel, QEvent* e) {
    switch (e->type()) {
    case QEvent::Resize:
    case QEvent::WindowStateChange:
        if (ziel == fenster_ && box_->isVisible()) verbergen();
        return false;
    case QEvent::Leave:
        if (ziel == erklaert_ && !per_tabulator_ && box_->isVisible()) verbergen();
        return false;
    case QEvent::FocusOut:
        if (ziel == erklaert_ && per_tabulator_ && box_->isVisible()) verbergen();
        return false;
    case QEvent::FocusIn: {
        // only a focus the user moved with TAB: one set by a command or passed on from a control that
        // went away explains nothing
        const Qt::FocusReason grund = static_cast<QFocusEvent*>(e)->reason();
        const bool tab = tabulator_ && (grund == Qt::TabFocusReason || grund == Qt::BacktabFocusReason);
        tabulator_ = false;
        if (tab && ziel != fenster_) erklaeren(static_cast<QWidget*>(ziel), true);
        return false;
    }
    case QEvent::MouseMove: {
        if (ziel == fenster_ || !ziel->isWidgetType()) return false;
        auto* w = static_cast<QWidget*>(ziel);
        if (std::find(panels_.begin(), panels_.end(), w) == panels_.end()) {
            if (erklaert_ != w || !box_->isVisible() || per_tabulator_) erklaeren(w, false);
        } else if (!w->childAt(static_cast<QMouseEvent*>(e)->position().toPoint()) && box_->isVisible()) {
            // only the background: a move the control under the mouse passed on is no panel hover
            verbergen();
        }
        return false;
    }
    default:
        return false;
    }
}

QRect Hilfe_Bindung::platz() const {
    QRect r(Rand, Rand, fenster_->width() - 2 * Rand, fenster_->height() - 2 * Rand);
    // the control explained may stand in the command rows: the box takes the wider side beside it
    if (erklaert_ && erklaert_->isVisible()) {
        const QRect s(erklaert_->mapTo(fenster_, QPoint(0, 0)), erklaert_->size());
        if (s.top() < r.top() + 2 * fenster_->fontMetrics().lineSpacing()) {
            if (s.left() - r.left() > r.right() - s.right()) r.setRight(s.left() - Rand);
            else r.setLeft(s.right() + Rand);
        }
    }
    const auto* haupt = qobject_cast<const QMainWindow*>(fenster_);
    const QWidget* inhalt = haupt ? haupt->centralWidget() : fenster_;
    for (const QWidget* w : inhalt->findChildren<QWidget*>()) {
        if (!w->isVisible() || !ist_eingabe_oder_ergebnis(w) || w == box_) continue;
        const QRect g(w->mapTo(fenster_, QPoint(0, 0)), w->size());
        if (g.left() <= r.right() && g.right() >= r.left() && g.top() - Rand <= r.bottom())
            r.setBottom(std::max(r.top(), g.top() - Rand - 1));
    }
    return r;
}

int Hilfe_Bindung::textbedarf(int breite, const QFont& schrift) const {
    const int rand = 2 * box_->frameWidth() + 2 * static_cast<int>(box_->document()->documentMargin()) + 2;
    const QRect r = QFontMetrics(schrift).boundingRect(QRect(0, 0, breite - rand, 100000), Qt::TextWordWrap,
                                                       anzeigetext(gezeigt_));
    return r.height() + rand;
}

void Hilfe_Bindung::zeigen() {
    const std::string stand = Panelstand(f_);
    if (stand != panelstand_) {
        // the box explained what is now covered, moved or gone
        if (!panelstand_.empty()) Hilfe_Panel_Hover(f_);
        panelstand_ = stand;
    }
    if (gezeigt_ != f_.Hilfe_Text) {
        gezeigt_ = f_.Hilfe_Text;
        box_->setPlainText(anzeigetext(gezeigt_));
    }
    if (box_->isHidden() == f_[V::Hilfe_Text]) box_->setVisible(f_[V::Hilfe_Text]);
    if (box_->isHidden()) return;
    QRect r = platz();
    // a long text in little room gets a smaller font before it would be cut
    QFont schrift = fenster_->font();
    const double normal = schrift.pointSizeF();
    while (normal > 0 && textbedarf(r.width(), schrift) > r.height() && schrift.pointSizeF() > normal * Kleinste_Schrift)
        schrift.setPointSizeF(schrift.pointSizeF() - 0.5);
    if (box_->font() != schrift) box_->setFont(schrift);
    // at least over the whole command rows: half a row of buttons below the box would look broken
    const auto* haupt = qobject_cast<const QMainWindow*>(fenster_);
    const int befehle = haupt && haupt->centralWidget() ? haupt->centralWidget()->y() - r.top() : 0;
    r.setHeight(std::min(r.height(), std::max(befehle, textbedarf(r.width(), schrift))));
    if (box_->geometry() != r) box_->setGeometry(r);
    box_->raise();
}

}  // namespace dkm::ui
