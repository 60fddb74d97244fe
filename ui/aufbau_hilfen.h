// Small builders for the window's controls: each gets its control name.
#pragma once

#include <QButtonGroup>
#include <QEvent>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <string_view>

namespace dkm::ui::aufbau {

inline QString n(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

inline QLineEdit* feld(const QString& name, int zeichen = 7) {
    auto* e = new QLineEdit;
    e->setObjectName(name);
    const int breite = e->fontMetrics().horizontalAdvance(QLatin1Char('0')) * zeichen + 12;
    e->setMinimumWidth(breite);
    e->setMaximumWidth(breite * 2);
    return e;
}

// Result boxes: read-only, numbers in one right-aligned column, skipped by TAB.
inline QLineEdit* ergebnis(const QString& name, int zeichen = 10) {
    QLineEdit* e = feld(name, zeichen);
    e->setReadOnly(true);
    e->setAlignment(Qt::AlignRight);
    e->setFocusPolicy(Qt::ClickFocus);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, p.color(QPalette::Window).lighter(104));
    e->setPalette(p);
    return e;
}

inline QLabel* label(const QString& name, const QString& text, bool umbruch = false) {
    auto* l = new QLabel(text);
    l->setObjectName(name);
    l->setWordWrap(umbruch);
    // a wrapped caption beside a box would otherwise get the box's height, one line
    if (umbruch) l->setMinimumHeight(l->fontMetrics().lineSpacing() * 2);
    return l;
}

// Notes beside the inputs, a size smaller than their captions.
inline QLabel* kleingedruckt(QLabel* l) {
    QFont f = l->font();
    if (f.pointSizeF() > 0) f.setPointSizeF(f.pointSizeF() * 0.85);
    else f.setPixelSize(f.pixelSize() * 85 / 100);
    l->setFont(f);
    return l;
}

inline QPushButton* schaltflaeche(const QString& name, const QString& text) {
    auto* b = new QPushButton(text);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

inline QRadioButton* option(const QString& name, const QString& text) {
    auto* r = new QRadioButton(text);
    r->setObjectName(name);
    return r;
}

inline QCheckBox* check(const QString& name, const QString& text) {
    auto* c = new QCheckBox(text);
    c->setObjectName(name);
    return c;
}

inline QComboBox* liste(const QString& name, bool editierbar) {
    auto* c = new QComboBox;
    c->setObjectName(name);
    c->setEditable(editierbar);
    c->setInsertPolicy(QComboBox::NoInsert);
    // a long typed or loaded text must not widen the window
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(16);
    return c;
}

inline QGroupBox* rahmen(const QString& name, const QString& titel) {
    auto* g = new QGroupBox(titel);
    g->setObjectName(name);
    return g;
}

inline QPlainTextEdit* notiz(const QString& name) {
    auto* t = new QPlainTextEdit;
    t->setObjectName(name);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::NoFocus);
    t->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    t->setFixedHeight(t->fontMetrics().lineSpacing() * 4 + 12);
    return t;
}

// Result columns are as wide as the longest realistic value they show.
template <typename W>
W* spaltenbreit(W* w) {
    const QFontMetrics fm = w->fontMetrics();
    const int text = std::max(fm.horizontalAdvance(QStringLiteral("12000,00 m²")),
                              fm.horizontalAdvance(QStringLiteral("99999,99 l/s")));
    w->setFixedWidth(text + 14);
    return w;
}

// Group boxes sit close together, so that every state fits a small screen.
template <typename L>
L* eng(L* l) {
    l->setContentsMargins(5, 2, 5, 3);
    l->setSpacing(2);
    return l;
}

// Keeps `l` at the right end of the title line of `g`.
class Rechts_im_Titel : public QObject {
public:
    Rechts_im_Titel(QGroupBox* g, QWidget* l) : QObject(g), l_(l) {
        l->setParent(g);
        g->installEventFilter(this);
    }
    bool eventFilter(QObject* ziel, QEvent* e) override {
        if (e->type() == QEvent::Resize) {
            const QSize s = l_->sizeHint();
            l_->setGeometry(static_cast<QWidget*>(ziel)->width() - s.width() - 6, 0, s.width(), s.height());
        }
        return false;
    }

private:
    QWidget* l_;
};
inline void rechts_im_titel(QGroupBox* g, QWidget* l) { new Rechts_im_Titel(g, l); }

inline QString ts(const char* basis, int i) { return QStringLiteral("%1%2").arg(QLatin1String(basis)).arg(i); }

inline void gruppe(std::initializer_list<QAbstractButton*> knoepfe, QObject* eltern) {
    auto* g = new QButtonGroup(eltern);
    for (QAbstractButton* b : knoepfe) g->addButton(b);
}


}  // namespace dkm::ui::aufbau
