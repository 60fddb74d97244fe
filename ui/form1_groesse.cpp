// The window on the screen: no state makes it larger than the screen leaves room for.
#include <QLayout>
#include <QScreen>
#include <QShowEvent>

#include "ui/form1.h"

namespace dkm::ui {

void Form1::sichtbarkeit_zeigen() {
    // Hiding goes first: showing the new before hiding the old would, for a moment, ask the
    // layout for room for both, and the window would grow to it and stay grown.
    for (bool zeigen : {false, true})
        for (size_t i = 0; i < sichtbar_.size(); ++i)
            if (QWidget* w = sichtbar_[i]; w && f_.sichtbar[i] == zeigen && w->isHidden() == zeigen)
                w->setVisible(zeigen);
}

QRect Form1::verfuegbar() const {
    const QScreen* s = screen();
    if (!s) return QRect(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    // the frame (title bar and borders) is known once the window is shown
    const QRect rahmen = frameGeometry(), innen = geometry();
    const QMargins m(innen.left() - rahmen.left(), innen.top() - rahmen.top(), rahmen.right() - innen.right(),
                     rahmen.bottom() - innen.bottom());
    return s->availableGeometry().marginsRemoved(m);
}

void Form1::in_den_bildschirm() {
    const QScreen* s = screen();
    if (!s) return;
    const QRect platz = s->availableGeometry();
    QRect rahmen = frameGeometry();
    if (platz.contains(rahmen)) return;
    // the lower right into the screen first; the title bar stays on it in any case
    if (rahmen.right() > platz.right()) rahmen.moveRight(platz.right());
    if (rahmen.bottom() > platz.bottom()) rahmen.moveBottom(platz.bottom());
    if (rahmen.left() < platz.left()) rahmen.moveLeft(platz.left());
    if (rahmen.top() < platz.top()) rahmen.moveTop(platz.top());
    move(rahmen.topLeft());
}

void Form1::groesse_halten(QSize vorher) {
    if (!isVisible() || isMaximized() || isFullScreen()) return;
    // the room the new state asks for, now rather than at the next turn of the event loop
    if (QLayout* l = layout()) l->activate();
    if (size() == vorher) return;
    // a mode switch, a load or a panel keeps the window's size, or less where the screen ends
    resize(vorher.boundedTo(verfuegbar().size()).expandedTo(minimumSize()));
    in_den_bildschirm();
}

void Form1::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (erstmals_gezeigt_ || e->spontaneous()) return;
    erstmals_gezeigt_ = true;
    resize(size().boundedTo(verfuegbar().size()).expandedTo(minimumSize()));
    in_den_bildschirm();
}

}  // namespace dkm::ui
