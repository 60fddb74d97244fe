// Checks of the window's layout as a user sees it: what shows text, whether it is
// whole, and where the controls stand.
#pragma once

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStringList>

#include "ui/bildbox.h"

namespace dkm::ui::layout {

// The room of the window at 1280 x 720 logical pixels, less the frame's title bar.
inline constexpr int Breite = 1280, Hoehe = 690;

inline bool zeigt_text(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return !l->text().isEmpty();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return !b->text().isEmpty() || b->isCheckable();
    if (auto* b = qobject_cast<const BildBox*>(w)) return !b->bild().zeilen().empty();
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QComboBox*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w);
}

inline QRect im_fenster(const QWidget* w) { return QRect(w->mapTo(w->window(), QPoint(0, 0)), w->size()); }

// Widths of a picture box's lines in its own font, bold and underline as printed.
inline int breiteste_zeile(const BildBox* b) {
    int breite = 0;
    for (const Zeile& z : b->bild().zeilen()) {
        int x = 0;
        for (const Stueck& s : z.stuecke) {
            QFont f = b->font();
            f.setBold(s.stil.fett);
            x += QFontMetrics(f).horizontalAdvance(QString::fromStdString(s.text));
        }
        breite = std::max(breite, x);
    }
    return breite;
}

// Why `w` does not show its text whole, or an empty text.
inline QString abgeschnitten(const QWidget* w) {
    // every ancestor up to the window holds the whole widget
    for (const QWidget* k = w; k && !k->isWindow(); k = k->parentWidget())
        if (!k->parentWidget()->rect().contains(k->geometry()))
            return QStringLiteral("outside its parent %1").arg(k->parentWidget()->objectName());
    if (auto* l = qobject_cast<const QLabel*>(w)) {
        const QSize noetig = l->wordWrap() ? QSize(0, l->heightForWidth(l->width())) : l->sizeHint();
        if (noetig.width() > l->width() || noetig.height() > l->height())
            return QStringLiteral("label too small: %1x%2 for %3x%4")
                .arg(l->width()).arg(l->height()).arg(noetig.width()).arg(noetig.height());
    } else if (auto* b = qobject_cast<const QAbstractButton*>(w)) {
        if (b->minimumSizeHint().width() > b->width() || b->minimumSizeHint().height() > b->height())
            return QStringLiteral("button too small");
    } else if (auto* e = qobject_cast<const QLineEdit*>(w)) {
        // results and numbers are read whole; free text such as a path may scroll
        const bool frei = e->objectName() == QLatin1String("Text24") || e->objectName().isEmpty();
        const int platz = e->width() - 2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) - 4;
        if (!frei && e->fontMetrics().horizontalAdvance(e->text()) > platz) return QStringLiteral("text too long");
    } else if (auto* b = qobject_cast<const BildBox*>(w)) {
        if (breiteste_zeile(b) > b->contentsRect().width() - 6) return QStringLiteral("line too long");
        const int zeilen = static_cast<int>(b->bild().zeilen().size());
        if (zeilen * b->zeilenhoehe() > b->contentsRect().height() - 3) return QStringLiteral("too many lines");
    } else if (auto* t = qobject_cast<const QPlainTextEdit*>(w)) {
        if (t->verticalScrollBar()->maximum() > 0) return QStringLiteral("text runs over");
    }
    return {};
}

// The boxes that float over the results (the help, the guide's box) and cover no input.
inline bool schwebt(const QWidget* w) {
    return w->objectName() == QLatin1String("Hilfe_Text") ||
           (w->objectName() == QLatin1String("Druckvorsch") && w->parentWidget() &&
            w->parentWidget()->objectName() == QLatin1String("Form1_Inhalt"));
}

inline bool eingabe(const QWidget* w) {
    auto* e = qobject_cast<const QLineEdit*>(w);
    return (e && !e->isReadOnly() && !qobject_cast<const QComboBox*>(w->parentWidget())) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractButton*>(w);
}

// Findings of one state: clipped texts, overlapping controls, scroll bars, inputs under a floating box.
inline QStringList pruefen(QWidget* fenster) {
    QStringList fehler;
    std::vector<QWidget*> mit_text, schwebend, eingaben;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisible()) continue;
        if (schwebt(w)) {
            schwebend.push_back(w);
            if (const QString grund = abgeschnitten(w); !grund.isEmpty()) fehler << w->objectName() + QStringLiteral(": ") + grund;
        }
        bool darin = false;
        for (const QWidget* a = w; a && !darin; a = a->parentWidget()) darin = schwebt(a);
        if (darin) continue;
        if (eingabe(w)) eingaben.push_back(w);
        if (auto* s = qobject_cast<QScrollBar*>(w)) fehler << QStringLiteral("scroll bar in %1").arg(s->parentWidget()->objectName());
        // the parts of a list box are its own business
        if (!zeigt_text(w) || qobject_cast<QComboBox*>(w->parentWidget())) continue;
        if (const QString grund = abgeschnitten(w); !grund.isEmpty()) fehler << w->objectName() + QStringLiteral(": ") + grund;
        mit_text.push_back(w);
    }
    for (size_t i = 0; i < mit_text.size(); ++i)
        for (size_t k = i + 1; k < mit_text.size(); ++k) {
            QWidget *a = mit_text[i], *b = mit_text[k];
            if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
            if (im_fenster(a).intersects(im_fenster(b)))
                fehler << a->objectName() + QStringLiteral(" overlaps ") + b->objectName();
        }
    for (QWidget* s : schwebend)
        for (QWidget* e : eingaben)
            if (!s->isAncestorOf(e) && im_fenster(s).intersects(im_fenster(e)))
                fehler << s->objectName() + QStringLiteral(" covers the input ") + e->objectName();
    return fehler;
}

// Where every visible control stands, by name.
inline QMap<QString, QRect> orte(QWidget* fenster) {
    QMap<QString, QRect> m;
    for (QWidget* w : fenster->findChildren<QWidget*>())
        if (w->isVisible() && !w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            m[w->objectName()] = im_fenster(w);
    return m;
}

}  // namespace dkm::ui::layout
