// The hover help in the window: every control with a help entry reports the
// mouse (and the keyboard focus) to the help handler; the box floats in the
// results column, never over an input and never over the control it explains.
#pragma once

#include <QObject>
#include <QPointer>
#include <string>
#include <vector>

#include "model/formular.h"

class QPlainTextEdit;
class QWidget;

namespace dkm::ui {

class Hilfe_Bindung : public QObject {
public:
    // `spalte` is the column of results the box floats in.
    Hilfe_Bindung(QWidget* fenster, QPlainTextEdit* box, QWidget* spalte, Formular& f);
    // Text, visibility and place of the box as the Formular says.
    void zeigen();

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    QWidget* fenster_;
    QPlainTextEdit* box_;
    QWidget* spalte_;
    Formular& f_;
    std::vector<QWidget*> panels_;
    QPointer<QWidget> erklaert_;  // the control whose entry is shown
    std::string gezeigt_;
    // Height the text needs at `breite` pixels.
    int textbedarf(int breite) const;
};

}  // namespace dkm::ui
