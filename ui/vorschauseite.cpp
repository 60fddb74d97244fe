#include "ui/vorschauseite.h"

#include <QPainter>

#include "report/qt/maler.h"

namespace dkm::ui {

Vorschauseite::Vorschauseite(QWidget* eltern) : QWidget(eltern) {
    setObjectName(QStringLiteral("Vorschauseite"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void Vorschauseite::setze(const std::optional<bericht::Bericht>& b, int seite) {
    bericht_ = b;
    seite_ = seite;
    setVisible(bericht_.has_value());
    update();
}

void Vorschauseite::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!bericht_) return;
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const double s = width() / double(bericht::Vorschau_breite);
    p.scale(s, s);
    bericht::Seite_malen(p, *bericht_, seite_);
    p.setPen(QPen(Qt::gray, 0));
    p.drawRect(QRectF(0, 0, bericht::Vorschau_breite - 1 / s, bericht::Vorschau_hoehe - 1 / s));
}

}  // namespace dkm::ui
