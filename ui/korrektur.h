// The picture box Druckvorsch with its shared buttons: the yellow height
// correction panel (four buttons, the live boxes Text31/Text32), the
// controls of the print preview ("blättern", "abbrechen"; the page itself is
// the Vorschauseite beside it) or the yellow box of the guide.
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
    bool zeigt_leitfaden() const { return modus_ == Modus::Leitfaden; }
    // Size the guide's text needs: its widest line and the button row above it.
    QSize leitfaden_groesse() const;

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    QPushButton *groesser_, *null_, *kleiner_, *uebernehmen_;
    QLineEdit *hoehe_, *breite_;
    Modus modus_ = Modus::keiner;
    int seite_ = 0;
    QFont grundschrift_;
    void anordnen();
    void leitfaden_anordnen();
    void modus_wechseln(Modus modus, int seite);
};

}  // namespace dkm::ui
