// The two drawings of the report: the segment schematic and the cross-section
// of an internal gutter, as strokes from their origins.
#include <algorithm>
#include <cmath>

#include "report/schreiber.h"

namespace dkm::bericht {

namespace {

int ganz(double x) { return static_cast<int>(std::lround(x)); }

void Fallrohr(Zeichnung& z, int x) {
    z.striche.push_back({x, 100, x, 200, 2});
    z.striche.push_back({x, 200, x, 500, 1});
    z.striche.push_back({x - 50, 500, x, 350, 1});
    z.striche.push_back({x + 50, 500, x, 350, 1});
}

}  // namespace

Zeichnung Schema(const Lage& l, int seite, size_t nummernzeile) {
    const Ursprung u = Schema_Ursprung(l.form, seite);
    Zeichnung z;
    z.x = u.x;
    z.y = u.y;
    z.ueber_zeile = nummernzeile;
    const int w = u.segmentbreite;
    // every segment over its own table column, also when TS 1 is missing and the
    // numbers start in the second column: the gutter then starts at its outlet
    for (int i = 1; i <= 8; ++i)
        if (l.ts(i)) z.striche.push_back({(i - 1) * w, 200, i * w, 200, 2});
    for (int k = 1; k <= 4; ++k)
        if (l.fallrohr(k)) Fallrohr(z, (2 * k - 1) * w);
    return z;
}

Zeichnung Querschnitt_Zeichnung(const Lage& l, const Querschnitt_Raum& raum) {
    const Ursprung u = Querschnitt_Ursprung(l.form);
    Zeichnung z;
    z.x = u.x;
    z.y = u.y;
    z.zusatzzeilen = raum.optionale;
    z.zeilenschritt = l.form.papier ? 0 : 192;
    z.ueber_zeile = raum.zeile_unten;
    z.einpassen = true;
    const Innen_Werte& iw = l.f.werte.innen;
    const Querschnitt* q = l.f[S::Option3]   ? &iw.beidseits
                           : l.f[S::Option4] ? &iw.eineSeite
                           : l.f[S::Option5] ? &iw.Laengsseite
                                             : nullptr;
    if (!q || !q->berechnet) return z;
    constexpr double pi = 3.1415926;
    const double Z = q->Hoehe_mm, B = q->unten_mm;
    const double links = Z / std::tan(iw.Winkel_links * pi / 180), rechts = Z / std::tan(iw.Winkel_rechts * pi / 180);
    const double breite = links + B + rechts;
    if (!(Z > 0) || !(breite > 0) || !std::isfinite(breite)) return z;
    // The drawing keeps to the room the lines leave for it, below "Maße der Rinne:" and
    // above "Außenwinkel", whatever the font size: where the origin lies higher, it is drawn lower.
    const double schritt = Zeilenschritt(l.form);
    const double y0 = u.y - (l.form.papier ? 57.0 * l.form.v_mm : 0) + raum.optionale * schritt;
    const double versatz = std::max(0.0, (raum.zeile_oben + 1) * schritt - y0);
    const double raum_hoehe = raum.zeile_unten * schritt - schritt * 0.7 - (y0 + versatz);
    const double mass = u.segmentbreite / 600.0;
    const double s = std::min({2600 * mass / breite, 1100 * mass / Z, std::max(raum_hoehe, 300.0) / Z});
    const auto punkt = [&](double x, double y) { return std::pair{ganz(x * s), ganz(y * s + versatz)}; };
    const auto [olx, oly] = punkt(0, 0);
    const auto [ulx, uly] = punkt(links, Z);
    const auto [urx, ury] = punkt(links + B, Z);
    const auto [orx, ory] = punkt(breite, 0);
    z.striche.push_back({olx, oly, ulx, uly, 2});
    z.striche.push_back({ulx, uly, urx, ury, 2});
    z.striche.push_back({urx, ury, orx, ory, 2});
    // Water surfaces of the design depth and of the full depth.
    for (double tiefe : {static_cast<double>(iw.Bemessungstiefe), static_cast<double>(q->Wassertiefe_mm)}) {
        if (!(tiefe > 0) || tiefe > Z) continue;
        const double y = Z - tiefe;
        const auto [ax, ay] = punkt(links * y / Z, y);
        const auto [bx, by] = punkt(breite - rechts * y / Z, y);
        z.striche.push_back({ax, ay, bx, by, 1});
    }
    for (auto [x, y] : {std::pair{olx, oly}, {ulx, uly}, {urx, ury}, {orx, ory}}) z.kreise.push_back({x, y, 50});
    return z;
}

}  // namespace dkm::bericht
