// The height correction panel: a yellow panel over the picture box
// Druckvorsch with its four buttons and the two live boxes Text31/Text32.
#pragma once

#include "model/dialoge.h"
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

// The panel's mode on the record.
void Korrektur_oeffnen(Formular& f, Dialoge& d);    // "Korr."
void Korrektur_uebernehmen(Formular& f, Dialoge& d);
// Raising and lowering are the engine's Hoehe_groesser / Hoehe_kleiner;
// "auf Null setzen" is the shared end command Modus_beenden.

}  // namespace dkm::ui
