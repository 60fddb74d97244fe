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

}  // namespace dkm::ui
