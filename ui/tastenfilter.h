// Key filter of the numeric boxes: only digits, one point and Backspace
// reach them; a comma becomes the point; Enter recalculates and tells the
// user to leave a box with TAB.
#pragma once

#include <QObject>
#include <functional>

namespace dkm {
class Dialoge;
}

namespace dkm::ui {

class Tastenfilter : public QObject {
    Q_OBJECT
public:
    Tastenfilter(Dialoge& d, std::function<void()> bei_enter, QObject* eltern = nullptr)
        : QObject(eltern), d_(d), bei_enter_(std::move(bei_enter)) {}

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    Dialoge& d_;
    std::function<void()> bei_enter_;
};

inline constexpr const char* Eingabefehler_Titel = "Eingabefehler";
inline constexpr const char* Nur_Zahlen_Text =
    "Dieses Feld nimmt nur Zahlen an (eventuell ist ´caps lock´ eingestellt).";
// A second point would make the rest of the number silently ignored.
inline constexpr const char* Zweiter_Punkt_Text =
    "Eine Zahl hat nur einen Dezimalpunkt. Der zweite Punkt wird nicht übernommen.";
inline constexpr const char* Enter_Text =
    "Beenden Sie die Eingabe mit ´TAB´ (nicht mit ´RETURN´) oder klicken Sie mit der Maus in das nächste "
    "Eingabefeld.";

}  // namespace dkm::ui
