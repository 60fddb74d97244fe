// The guide in the window: the fields of the current step painted in
// Markierungsgelb, the box Druckvorsch floating at the lower right while the
// guide runs, and the focus the step asks for.
#pragma once

#include <QColor>
#include <QPointer>
#include <vector>

#include "model/formular.h"

class QGridLayout;
class QWidget;

namespace dkm::ui {

class Korrektur_Panel;

// RGB 255/255/128: the highlighted fields and the guide box.
inline QColor Markierungsgelb() { return {255, 255, 128}; }

class Leitfaden_Anzeige {
public:
    // `platz` is the layout cell of the shared panels that the box leaves while the guide runs.
    Leitfaden_Anzeige(QWidget* fenster, Korrektur_Panel* box, QGridLayout* platz);
    // Highlighting and the box's place; before the box shows its text.
    void anzeigen(const Formular& f);
    // Moves the focus a step asked for, once.
    void fokus_setzen(Formular& f);

private:
    QWidget* fenster_;
    Korrektur_Panel* box_;
    QGridLayout* platz_;
    std::vector<std::string> markierung_;
    std::vector<QPointer<QWidget>> markiert_;
    bool schwebt_ = false;
    void markieren(QWidget* w, bool an);
    void platzieren(bool schweben, bool sichtbar);
};

}  // namespace dkm::ui
