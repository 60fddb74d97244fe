// Painting a report page on a QPainter in twips: text lines with tab columns, then drawings.
#include "report/qt/maler.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <vector>

#include "report/form.h"

namespace dkm::bericht {

namespace {

constexpr int Twips_je_Punkt = 20;
// A line width of 1 is a fine hairline on every device: 15 twips (0.26 mm).
constexpr double Strichstaerke = 15;

QString Schriftfamilie() {
    static const QString familie = [] {
        const QStringList vorhanden = QFontDatabase::families();
        for (const char* name : {"Liberation Sans", "Arial", "DejaVu Sans"})
            if (vorhanden.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return familie;
}

// Tab columns count in average character widths; like the old printer
// drivers we take the width of "x" for it.
double Mittlere_Zeichenbreite(const QFontMetricsF& m) { return m.horizontalAdvance(QChar(u'x')); }

// A user's text longer than this cannot fit a line anyway and does not narrow the page.
constexpr qsizetype Laengster_Text = 100;

QFont Schrift(double punkt, bool fett, bool unterstrichen) {
    QFont f = Berichtsschrift(punkt);
    f.setBold(fett);
    f.setUnderline(unterstrichen);
    return f;
}

void Zeichnung_malen(QPainter& p, const Zeichnung& z, double zeilenhoehe) {
    const double schritt = z.zeilenschritt ? z.zeilenschritt : zeilenhoehe;
    const QPointF ursprung(z.x, z.y + z.zusatzzeilen * schritt);
    p.save();
    p.translate(ursprung);
    for (const Strich& s : z.striche) {
        p.setPen(QPen(Qt::black, Strichstaerke * s.breite, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(s.x1, s.y1), QPointF(s.x2, s.y2));
    }
    p.setPen(QPen(Qt::black, Strichstaerke));
    p.setBrush(Qt::NoBrush);
    for (const Kreis& k : z.kreise) p.drawEllipse(QPointF(k.x, k.y), k.r, k.r);
    p.restore();
}

}  // namespace

QFont Berichtsschrift(double punkt) {
    QFont f(Schriftfamilie());
    f.setPixelSize(static_cast<int>(punkt * Twips_je_Punkt + 0.5));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}

namespace {

struct Stueck {
    QPointF ort;  // base line start
    QFont schrift;
    QString text;
};

// Places every item of the page; returns the right edge of the widest line.
double Setzen(const Bericht& b, const Seite& s, std::vector<Stueck>& stuecke) {
    double y = 0, rechts = 0;
    for (const Zeile& z : s.zeilen) {
        const double punkt = b.schriftgroesse + z.groesse;
        const QFontMetricsF basis(Schrift(punkt, false, false));
        // tab columns count in average character widths of the line's font
        const double spalte = Mittlere_Zeichenbreite(basis);
        // lines follow at a fixed step, whatever the installed font's own spacing,
        // so that the drawings meet the room the lines leave for them
        double x = 0;
        for (const Eintrag& e : z.eintraege) {
            const QFont f = Schrift(punkt, e.fett, e.unterstrichen);
            if (e.spalte > 0) {
                const double ziel = (Tabspalte(e.spalte, b.spaltenfaktor, b.spaltenversatz) - 1) * spalte;
                if (x > ziel) y += punkt * b.zeilenschritt_je_punkt;
                x = ziel;
            }
            const QString text = QString::fromStdString(e.text);
            stuecke.push_back({QPointF(x, y + basis.ascent()), f, text});
            const QFontMetricsF m(f);
            // trailing blanks take no room on the sheet
            QString sichtbar = text;
            while (!sichtbar.isEmpty() && sichtbar.back() == u' ') sichtbar.chop(1);
            if (!sichtbar.isEmpty() && sichtbar.size() <= Laengster_Text)
                rechts = std::max(rechts, x + m.horizontalAdvance(sichtbar));
            x += m.horizontalAdvance(text);
        }
        y += punkt * b.zeilenschritt_je_punkt;
    }
    return rechts;
}

}  // namespace

void Seite_malen(QPainter& p, const Bericht& b, int seite, double breite) {
    const Seite& s = b.seiten[static_cast<size_t>(seite - 1)];
    std::vector<Stueck> stuecke;
    double rechts = Setzen(b, s, stuecke);
    for (const Zeichnung& z : s.zeichnungen)
        for (const Strich& st : z.striche) rechts = std::max(rechts, z.x + std::max(st.x1, st.x2) + 0.0);
    p.save();
    // The largest font sizes need a little more than the sheet; an overlong user text
    // is not allowed to shrink the whole page, it runs off the edge instead.
    if (breite > 0 && rechts > breite) {
        const double faktor = std::max(0.7, breite / rechts);
        p.scale(faktor, faktor);
    }
    p.setPen(Qt::black);
    for (const Stueck& st : stuecke) {
        p.setFont(st.schrift);
        p.drawText(st.ort, st.text);
    }
    const double zeilenhoehe = b.schriftgroesse * b.zeilenschritt_je_punkt;
    for (const Zeichnung& z : s.zeichnungen) Zeichnung_malen(p, z, zeilenhoehe);
    p.restore();
}

}  // namespace dkm::bericht
