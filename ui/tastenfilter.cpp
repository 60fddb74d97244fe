#include "ui/tastenfilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "model/dialoge.h"

namespace dkm::ui {

namespace {

// A point typed where the box already has one (outside the text it replaces).
bool zweiter_punkt(QObject* ziel) {
    auto* e = qobject_cast<QLineEdit*>(ziel);
    if (!e) return false;
    QString rest = e->text();
    if (e->hasSelectedText()) rest.remove(e->selectionStart(), e->selectedText().size());
    return rest.contains(QLatin1Char('.'));
}

}  // namespace

bool Tastenfilter::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        bei_enter_();
        d_.meldung(meldung::Enter);
        return false;
    }
    // keys that type nothing (arrows, Tab, Delete, Home ...) are navigation, not input
    const QString t = k->text();
    if (t.isEmpty() || k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab || k->key() == Qt::Key_Delete)
        return false;
    const QChar c = t.at(0);
    if ((c == QLatin1Char(',') || c == QLatin1Char('.')) && zweiter_punkt(ziel)) {
        d_.meldung(meldung::Zweiter_Punkt);
        return true;
    }
    if (c == QLatin1Char(',')) {
        QKeyEvent punkt(QEvent::KeyPress, Qt::Key_Period, k->modifiers(), QStringLiteral("."));
        QApplication::sendEvent(ziel, &punkt);
        return true;
    }
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char('\b'))
        return false;
    d_.meldung(meldung::Nur_Zahlen);
    return true;
}

}  // namespace dkm::ui
