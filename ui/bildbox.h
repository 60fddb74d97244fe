// A picture box: paints the lines of a Bild (bold, underline, fore colour)
// in a fixed-pitch font, so that printed columns line up, and its drawing
// scaled into the box.
#pragma once

#include <QFrame>

#include "model/bild.h"

namespace dkm::ui {

class BildBox : public QFrame {
    Q_OBJECT
public:
    explicit BildBox(const QString& name, int zeilen, int spalten, QWidget* eltern = nullptr);

    void setze(const Bild& b);
    // Grey while the inputs are incomplete and the box shows an earlier state.
    void setze_veraltet(bool veraltet);
    const Bild& bild() const { return bild_; }
    int zeilenhoehe() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    Bild bild_;
    int zeilen_, spalten_;
    bool veraltet_ = false;
    QColor vordergrund() const;
    void zeichnung_malen(QPainter& p) const;
};

}  // namespace dkm::ui
