// The page of the print preview: a report page painted at screen scale over the
// middle and right of the window, while Druckvorsch holds "blättern" and "abbrechen".
#pragma once

#include <QWidget>
#include <optional>

#include "report/seite.h"

namespace dkm::ui {

class Vorschauseite : public QWidget {
    Q_OBJECT
public:
    explicit Vorschauseite(QWidget* eltern = nullptr);
    // The report and its page (1 or 2); nothing hides the page.
    void setze(const std::optional<bericht::Bericht>& b, int seite);
    const std::optional<bericht::Bericht>& bericht() const { return bericht_; }
    int seite() const { return seite_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    std::optional<bericht::Bericht> bericht_;
    int seite_ = 1;
};

}  // namespace dkm::ui
