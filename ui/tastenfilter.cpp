#include "ui/tastenfilter.h"

#include <QApplication>
#include <QKeyEvent>

#include "model/dialoge.h"

namespace dkm::ui {

bool Tastenfilter::eventFilter(QObject* ziel, QEvent* e) {
    if (e->type() != QEvent::KeyPress) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        bei_enter_();
        d_.meldung(Eingabefehler_Titel, Enter_Text);
        return false;
    }
    // keys that type nothing (arrows, Tab, Delete, Home ...) are navigation, not input
    const QString t = k->text();
    if (t.isEmpty() || k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab || k->key() == Qt::Key_Delete)
        return false;
    const QChar c = t.at(0);
    if (c == QLatin1Char(',')) {
        QKeyEvent punkt(QEvent::KeyPress, Qt::Key_Period, k->modifiers(), QStringLiteral("."));
        QApplication::sendEvent(ziel, &punkt);
        return true;
    }
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.') || c == QLatin1Char('\b'))
        return false;
    d_.meldung(Eingabefehler_Titel, Nur_Zahlen_Text);
    return true;
}

}  // namespace dkm::ui
