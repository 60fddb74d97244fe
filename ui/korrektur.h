// The height correction panel: a yellow panel over the picture box
// Druckvorsch with its four buttons and the two live boxes Text31/Text32.
#pragma once

#include "model/formular.h"
#include "ui/bildbox.h"

class QLineEdit;
class QPushButton;

namespace dkm::ui {

class Korrektur_Panel : public BildBox {
    Q_OBJECT
public:
    explicit Korrektur_Panel(QWidget* eltern = nullptr);
    // Captions, visibility and colour of the shared buttons for the mode that owns the panel.
    void anzeigen(const Formular& f);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QPushButton *groesser_, *null_, *kleiner_, *uebernehmen_;
    QLineEdit *hoehe_, *breite_;
    bool offen_ = false;
    void anordnen();
};

}  // namespace dkm::ui
