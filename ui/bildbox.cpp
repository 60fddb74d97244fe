#include "ui/bildbox.h"

#include <QFontDatabase>
#include <QPainter>

namespace dkm::ui {

namespace {

QColor farbe(uint32_t bgr) {
    // colours are kept as the program always wrote them: &HBBGGRR
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

bool gleich(const Bild& a, const Bild& b) {
    if (a.vordergrund != b.vordergrund || a.zeilen().size() != b.zeilen().size()) return false;
    for (size_t i = 0; i < a.zeilen().size(); ++i) {
        const auto& x = a.zeilen()[i].stuecke;
        const auto& y = b.zeilen()[i].stuecke;
        if (x.size() != y.size()) return false;
        for (size_t k = 0; k < x.size(); ++k)
            if (x[k].text != y[k].text || x[k].stil.fett != y[k].stil.fett ||
                x[k].stil.unterstrichen != y[k].stil.unterstrichen)
                return false;
    }
    const Zeichnung& za = a.zeichnung;
    const Zeichnung& zb = b.zeichnung;
    if (za.striche.size() != zb.striche.size() || za.texte.size() != zb.texte.size()) return false;
    for (size_t i = 0; i < za.striche.size(); ++i)
        if (za.striche[i].x1 != zb.striche[i].x1 || za.striche[i].y1 != zb.striche[i].y1 ||
            za.striche[i].x2 != zb.striche[i].x2 || za.striche[i].y2 != zb.striche[i].y2)
            return false;
    return true;
}

}  // namespace

BildBox::BildBox(const QString& name, int zeilen, int spalten, QWidget* eltern)
    : QFrame(eltern), zeilen_(zeilen), spalten_(spalten) {
    setObjectName(name);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // the font the set-up installs first: other fixed fonts have much taller lines
    f.setFamilies({QStringLiteral("DejaVu Sans Mono"), f.family()});
    // results are no smaller than the inputs they come from
    f.setPointSizeF(QFont().pointSizeF());
    setFont(f);
}

void BildBox::setze(const Bild& b) {
    if (gleich(b, bild_)) return;
    bild_ = b;
    update();
}

void BildBox::setze_veraltet(bool veraltet) {
    if (veraltet_ == veraltet) return;
    veraltet_ = veraltet;
    update();
}

QColor BildBox::vordergrund() const {
    return veraltet_ ? QColor(150, 150, 150) : farbe(bild_.vordergrund);
}

int BildBox::zeilenhoehe() const { return fontMetrics().lineSpacing(); }

QSize BildBox::sizeHint() const {
    const QFontMetrics fm = fontMetrics();
    return {fm.horizontalAdvance(QLatin1Char('0')) * spalten_ + 8, fm.lineSpacing() * zeilen_ + 6};
}

QSize BildBox::minimumSizeHint() const { return sizeHint(); }

void BildBox::paintEvent(QPaintEvent* e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    p.setClipRect(contentsRect().adjusted(1, 1, -1, -1));
    zeichnung_malen(p);
    p.setPen(vordergrund());
    const QFontMetrics basis = fontMetrics();
    int y = contentsRect().top() + 3 + basis.ascent();
    for (const Zeile& z : bild_.zeilen()) {
        int x = contentsRect().left() + 4;
        for (const Stueck& s : z.stuecke) {
            QFont f = font();
            f.setBold(s.stil.fett);
            f.setUnderline(s.stil.unterstrichen);
            p.setFont(f);
            const QString t = QString::fromStdString(s.text);
            p.drawText(x, y, t);
            x += QFontMetrics(f).horizontalAdvance(t);
        }
        y += basis.lineSpacing();
    }
}

void BildBox::zeichnung_malen(QPainter& p) const {
    const Zeichnung& z = bild_.zeichnung;
    if (z.leer()) return;
    const QRectF r = QRectF(contentsRect()).adjusted(4, 4, -4, -4);
    const double bw = z.breite > 0 ? z.breite : 1, bh = z.hoehe > 0 ? z.hoehe : 1;
    // one scale for both directions keeps the drawing's proportions
    const double s = std::min(r.width() / bw, r.height() / bh);
    const QPointF o(r.left() + (r.width() - bw * s) / 2, r.top() + (r.height() - bh * s) / 2);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (const Strich& st : z.striche) {
        QPen stift(vordergrund(), st.breite);
        stift.setCosmetic(true);
        p.setPen(stift);
        p.drawLine(o + QPointF(st.x1 * s, st.y1 * s), o + QPointF(st.x2 * s, st.y2 * s));
    }
    p.setPen(vordergrund());
    // a label's position is its top left corner, as the print position of a picture box
    const double oben = fontMetrics().ascent();
    for (const Beschriftung& b : z.texte)
        p.drawText(o + QPointF(b.x * s, b.y * s + oben), QString::fromStdString(b.text));
    p.restore();
}

}  // namespace dkm::ui
