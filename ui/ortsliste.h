// The place list: typing changes only its text; a place and its rainfall
// values are chosen only from the open list.
#pragma once

#include <QObject>

class QComboBox;

namespace dkm::ui {

class Ortsliste_Filter : public QObject {
    Q_OBJECT
public:
    // Takes the list's auto-completion away and watches its keys and wheel.
    explicit Ortsliste_Filter(QComboBox* liste);

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    QComboBox* liste_;
};

}  // namespace dkm::ui
