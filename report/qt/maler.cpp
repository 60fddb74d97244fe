// Painting report pages on a QPainter in twips, and the font the layout measures.
#include "report/qt/maler.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <map>
#include <memory>

namespace dkm::bericht {

namespace {

constexpr int Twips_je_Punkt = 20;

// The fonts that travel with the program in its folder (on Windows, which has no Liberation Sans),
// so that pages look the same on every system.
void Mitgelieferte_Schriften_laden() {
    const QDir ordner(QCoreApplication::applicationDirPath() + QStringLiteral("/schriften"));
    for (const QString& name : ordner.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        QFontDatabase::addApplicationFont(ordner.filePath(name));
}

QString Schriftfamilie() {
    static const QString familie = [] {
        Mitgelieferte_Schriften_laden();
        const QStringList vorhanden = QFontDatabase::families();
        for (const char* name : {"Liberation Sans", "Arial", "DejaVu Sans"})
            if (vorhanden.contains(QString::fromLatin1(name))) return QString::fromLatin1(name);
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return familie;
}

// Measures of one size and weight; made once, since a page asks a few hundred times.
const QFontMetricsF& Masse(double punkt, bool fett) {
    static std::map<std::pair<int, bool>, std::unique_ptr<QFontMetricsF>> vorrat;
    auto& m = vorrat[{static_cast<int>(punkt * Twips_je_Punkt + 0.5), fett}];
    if (!m) m = std::make_unique<QFontMetricsF>(Berichtsschrift(punkt, fett));
    return *m;
}

}  // namespace

QFont Berichtsschrift(double punkt, bool fett, bool unterstrichen) {
    QFont f(Schriftfamilie());
    f.setPixelSize(std::max(1, static_cast<int>(punkt * Twips_je_Punkt + 0.5)));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    f.setBold(fett);
    f.setUnderline(unterstrichen);
    return f;
}

double Qt_Schriftmass::breite(const std::string& text, double punkt, bool fett) const {
    return Masse(punkt, fett).horizontalAdvance(QString::fromStdString(text));
}
double Qt_Schriftmass::oberlaenge(double punkt) const { return Masse(punkt, false).ascent(); }
double Qt_Schriftmass::unterlaenge(double punkt) const { return Masse(punkt, false).descent(); }

Satz Bericht_setzen(const Bericht& b) { return Setzen(b, Qt_Schriftmass()); }

void Satzseite_malen(QPainter& p, const Satzseite& s) {
    p.save();
    p.setPen(Qt::black);
    for (const Textstueck& t : s.texte) {
        p.setFont(Berichtsschrift(t.punkt, t.fett, t.unterstrichen));
        p.drawText(QPointF(t.x, t.grundlinie), QString::fromStdString(t.text));
    }
    p.setBrush(Qt::NoBrush);
    for (const Satzzeichnung& z : s.zeichnungen) {
        for (const Strichstueck& st : z.striche) {
            p.setPen(QPen(Qt::black, st.staerke, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(st.x1, st.y1), QPointF(st.x2, st.y2));
        }
        for (const Kreisstueck& k : z.kreise) {
            p.setPen(QPen(Qt::black, k.staerke));
            p.drawEllipse(QPointF(k.x, k.y), k.r, k.r);
        }
    }
    p.restore();
}

void Seite_malen(QPainter& p, const Bericht& b, int seite) {
    Satzseite_malen(p, Bericht_setzen(b).seiten.at(static_cast<size_t>(seite - 1)));
}

void Seite_einrichten(QPagedPaintDevice& geraet) {
    QPageLayout lage(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    lage.setMode(QPageLayout::FullPageMode);
    geraet.setPageLayout(lage);
}

bool Bericht_malen(QPainter& p, QPagedPaintDevice& geraet, const Bericht& b) {
    const Satz satz = Bericht_setzen(b);
    // the painter's unit becomes a twip from the sheet's corner, whatever the device's own margins
    const double aufloesung = geraet.logicalDpiX();
    const QPointF ecke = -geraet.pageLayout().paintRectPixels(static_cast<int>(aufloesung)).topLeft();
    for (size_t i = 0; i < satz.seiten.size(); ++i) {
        if (i > 0 && !geraet.newPage()) return false;
        p.save();
        p.translate(ecke);
        p.scale(aufloesung / 1440.0, aufloesung / 1440.0);
        Satzseite_malen(p, satz.seiten[i]);
        p.restore();
    }
    return true;
}

}  // namespace dkm::bericht
