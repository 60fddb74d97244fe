// Guard of the numeric boxes: typed keys, pasting, drag and drop and input
// methods all pass one rule (digits and one point; a comma becomes the point),
// editing shortcuts work, and Enter recalculates and tells the user to leave
// a box with TAB.
#pragma once

#include <QObject>
#include <functional>

class QLineEdit;
class QKeyEvent;

namespace dkm {
class Dialoge;
}

namespace dkm::ui {

class Tastenfilter : public QObject {
    Q_OBJECT
public:
    Tastenfilter(Dialoge& d, std::function<void()> bei_enter, QObject* eltern = nullptr)
        : QObject(eltern), d_(d), bei_enter_(std::move(bei_enter)) {}

    // Puts `s` at the cursor of `e` when it is a plain non-negative decimal; otherwise
    // the key filter's message, and the box keeps its text.
    void einfuegen(QLineEdit* e, QString s);

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    Dialoge& d_;
    std::function<void()> bei_enter_;
    bool taste(QObject* ziel, QKeyEvent* k);
    void kontextmenue(QLineEdit* e, const QPoint& wo);
};

}  // namespace dkm::ui
