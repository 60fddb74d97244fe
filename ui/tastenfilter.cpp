#include "ui/tastenfilter.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>

#include "model/dialoge.h"

namespace dkm::ui {

namespace {

// The box's text without its selection, which an input replaces.
QString ohne_auswahl(const QLineEdit* e) {
    QString rest = e->text();
    if (e->hasSelectedText()) rest.remove(e->selectionStart(), e->selectedText().size());
    return rest;
}

bool einfache_zahl(const QString& s) {
    if (s.isEmpty() || s.count(QLatin1Char('.')) > 1) return false;
    for (QChar c : s)
        if ((c < QLatin1Char('0') || c > QLatin1Char('9')) && c != QLatin1Char('.')) return false;
    return true;
}

bool bearbeitungstaste(const QKeyEvent* k) {
    return k->matches(QKeySequence::Copy) || k->matches(QKeySequence::Cut) ||
           k->matches(QKeySequence::SelectAll) || k->matches(QKeySequence::Undo);
}

bool wiederholen(const QKeyEvent* k) {
    return k->matches(QKeySequence::Redo) || (k->key() == Qt::Key_Y && k->modifiers() == Qt::ControlModifier);
}

}  // namespace

void Tastenfilter::einfuegen(QLineEdit* e, QString s) {
    if (e->isReadOnly()) return;
    // a cell copied from a table brings its line end along
    s = s.trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    if (s.isEmpty()) return;
    if (!einfache_zahl(s)) {
        d_.meldung(meldung::Nur_Zahlen);
        return;
    }
    if (s.contains(QLatin1Char('.')) && ohne_auswahl(e).contains(QLatin1Char('.'))) {
        d_.meldung(meldung::Zweiter_Punkt);
        return;
    }
    e->insert(s);
}

void Tastenfilter::kontextmenue(QLineEdit* e, const QPoint& wo) {
    // an own menu, so that its paste passes the rule and its texts are German whatever is installed
    auto* menue = new QMenu(e);
    menue->setAttribute(Qt::WA_DeleteOnClose);
    const bool frei = !e->isReadOnly(), auswahl = e->hasSelectedText();
    auto eintrag = [&](const char* name, const char* text, QKeySequence::StandardKey taste, bool an, auto tun) {
        QAction* a = menue->addAction(QString::fromUtf8(text) + QLatin1Char('\t') +
                                      QKeySequence(taste).toString(QKeySequence::NativeText));
        a->setObjectName(QLatin1String(name));
        a->setEnabled(an);
        connect(a, &QAction::triggered, e, tun);
    };
    eintrag("Rueckgaengig", "&Rückgängig", QKeySequence::Undo, frei && e->isUndoAvailable(), [e] { e->undo(); });
    eintrag("Wiederholen", "Wieder&herstellen", QKeySequence::Redo, frei && e->isRedoAvailable(), [e] { e->redo(); });
    menue->addSeparator();
    eintrag("Ausschneiden", "&Ausschneiden", QKeySequence::Cut, frei && auswahl, [e] { e->cut(); });
    eintrag("Kopieren", "&Kopieren", QKeySequence::Copy, auswahl, [e] { e->copy(); });
    eintrag("Einfuegen", "&Einfügen", QKeySequence::Paste, frei && !QApplication::clipboard()->text().isEmpty(),
            [this, e] { einfuegen(e, QApplication::clipboard()->text()); });
    eintrag("Loeschen", "&Löschen", QKeySequence::Delete, frei && auswahl, [e] { e->del(); });
    menue->addSeparator();
    eintrag("Alles_auswaehlen", "Alles &auswählen", QKeySequence::SelectAll, !e->text().isEmpty(),
            [e] { e->selectAll(); });
    menue->popup(wo);
}

bool Tastenfilter::eventFilter(QObject* ziel, QEvent* e) {
    auto* box = qobject_cast<QLineEdit*>(ziel);
    switch (e->type()) {
    case QEvent::KeyPress:
        return taste(ziel, static_cast<QKeyEvent*>(e));
    case QEvent::ContextMenu:
        if (!box) return false;
        kontextmenue(box, static_cast<QContextMenuEvent*>(e)->globalPos());
        return true;
    case QEvent::Drop: {
        auto* ablage = static_cast<QDropEvent*>(e);
        if (!box || box->isReadOnly()) return false;
        box->deselect();
        box->setCursorPosition(box->cursorPositionAt(ablage->position().toPoint()));
        einfuegen(box, ablage->mimeData()->text());
        // copied, never moved: the box it came from keeps its number
        ablage->setDropAction(Qt::CopyAction);
        ablage->accept();
        return true;
    }
    case QEvent::InputMethod: {
        auto* im = static_cast<QInputMethodEvent*>(e);
        if (!box || im->commitString().isEmpty()) return false;
        einfuegen(box, im->commitString());
        return true;
    }
    default:
        return false;
    }
}

bool Tastenfilter::taste(QObject* ziel, QKeyEvent* k) {
    auto* box = qobject_cast<QLineEdit*>(ziel);
    if (k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter) {
        bei_enter_();
        d_.meldung(meldung::Enter);
        return false;
    }
    if (box && k->matches(QKeySequence::Paste)) {
        einfuegen(box, QApplication::clipboard()->text());
        return true;
    }
    if (box && wiederholen(k)) {
        box->redo();
        return true;
    }
    if (bearbeitungstaste(k)) return false;
    // keys that type nothing (arrows, Tab, Delete, Home, Escape, other Ctrl keys) are no input
    const QString t = k->text();
    if (t.isEmpty() || k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab || k->key() == Qt::Key_Delete)
        return false;
    const QChar c = t.at(0);
    if (c != QLatin1Char('\b') && !c.isPrint()) return false;
    if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
        if (box && ohne_auswahl(box).contains(QLatin1Char('.'))) {
            d_.meldung(meldung::Zweiter_Punkt);
            return true;
        }
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
