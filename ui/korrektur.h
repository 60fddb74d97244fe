// The picture box Druckvorsch with its shared buttons: the yellow height
// correction panel (four buttons, the live boxes Text31/Text32) or the
// print preview (a report page, "blättern" and "abbrechen").
#pragma once

#include <optional>

#include "model/dialoge.h"
#include "report/seite.h"
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
    // The report the preview shows, and its page (1 or 2).
    void setze_vorschau(const bericht::Bericht& b, int seite);
    bool zeigt_vorschau() const { return modus_ == Modus::Vorschau; }
    const std::optional<bericht::Bericht>& vorschau() const { return vorschau_; }
    int vorschau_seite() const { return seite_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    enum class Modus { keiner, Korrektur, Vorschau };
    QPushButton *groesser_, *null_, *kleiner_, *uebernehmen_;
    QLineEdit *hoehe_, *breite_;
    Modus modus_ = Modus::keiner;
    std::optional<bericht::Bericht> vorschau_;
    int seite_ = 1;
    void anordnen();
};

// The panel's mode on the record.
void Korrektur_oeffnen(Formular& f, Dialoge& d);    // "Korr."
void Korrektur_uebernehmen(Formular& f, Dialoge& d);
// Raising and lowering are the engine's Hoehe_groesser / Hoehe_kleiner;
// "auf Null setzen" is the shared end command Modus_beenden.

}  // namespace dkm::ui
