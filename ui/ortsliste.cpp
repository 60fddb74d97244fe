#include "ui/ortsliste.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace dkm::ui {

Ortsliste_Filter::Ortsliste_Filter(QComboBox* liste) : QObject(liste), liste_(liste) {
    // completion would turn a typed "Aach" into a chosen "Aachen" and overwrite typed values
    liste->setCompleter(nullptr);
    liste->installEventFilter(this);
    if (liste->lineEdit()) liste->lineEdit()->installEventFilter(this);
}

bool Ortsliste_Filter::eventFilter(QObject*, QEvent* e) {
    // the closed list would pick the next place under a wheel turn passing over it
    if (e->type() == QEvent::Wheel) return !liste_->view()->isVisible();
    if (e->type() != QEvent::KeyPress) return false;
    switch (static_cast<QKeyEvent*>(e)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Enter in the box itself would choose the entry matching the text
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        // arrows open the list instead of stepping through places unseen
        liste_->showPopup();
        return true;
    default:
        return false;
    }
}

}  // namespace dkm::ui
