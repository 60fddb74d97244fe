// The hover help in the window: a control with a help entry shows it while the
// mouse is on it (or the TAB key brought the focus there). The box floats over
// the command rows, where it covers no input and no result, and goes away when
// the mouse leaves the control, on any click, when the window changes its size
// and when a panel or the preview opens or closes.
#pragma once

#include <QFont>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <string>
#include <vector>

#include "model/formular.h"

class QPlainTextEdit;
class QWidget;

namespace dkm::ui {

class Hilfe_Bindung : public QObject {
public:
    // `fenster` is the main window; `box` floats in it.
    Hilfe_Bindung(QWidget* fenster, QPlainTextEdit* box, Formular& f);
    // Text, visibility and place of the box as the Formular says.
    void zeigen();

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    QWidget* fenster_;
    QPlainTextEdit* box_;
    Formular& f_;
    std::vector<QWidget*> panels_;
    QPointer<QWidget> erklaert_;  // the control whose entry is shown
    bool per_tabulator_ = false;  // shown for the focus rather than the mouse
    bool tabulator_ = false;      // the TAB key moves the focus now (and not a control that went away)
    std::string gezeigt_;
    std::string panelstand_;
    void erklaeren(QWidget* w, bool per_tabulator);
    friend class Klickwaechter;
    void verbergen();
    void maus_bewegt(QPoint global);
    // The room above the first input or result box, beside the control explained.
    QRect platz() const;
    // Height the shown text needs at `breite` pixels in `schrift`.
    int textbedarf(int breite, const QFont& schrift) const;
};

}  // namespace dkm::ui
