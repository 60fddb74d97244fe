#include "calc/kostra_raster.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace dkm {

namespace {

constexpr double a = 6378137.0;                   // GRS80 semi-major axis, m
constexpr double abplattung = 1 / 298.257222101;  // GRS80 flattening
constexpr double e2 = abplattung * (2 - abplattung);
constexpr double grad = std::numbers::pi / 180;
constexpr double breite0 = 52 * grad, laenge0 = 10 * grad;
constexpr double FE = 4321000.0, FN = 3210000.0;

// The authalic quantity q of a latitude.
double q(double phi) {
    const double e = std::sqrt(e2), s = std::sin(phi);
    return (1 - e2) * (s / (1 - e2 * s * s) - std::log((1 - e * s) / (1 + e * s)) / (2 * e));
}

// The grid: 5 km cells, the west edge of column 0 and the north edge of row 0.
constexpr double Zellgroesse = 5000.0, Rand_West = 3600000.0, Rand_Nord = 3800000.0;

}  // namespace

Laea_Punkt Laea_Europa(Geopunkt p) {
    const double qP = q(std::numbers::pi / 2);
    const double beta0 = std::asin(q(breite0) / qP);
    // the point's latitude may round past a pole's q; asin must stay defined
    const double beta = std::asin(std::clamp(q(p.breite * grad) / qP, -1.0, 1.0));
    const double Rq = a * std::sqrt(qP / 2);
    const double D = a * (std::cos(breite0) / std::sqrt(1 - e2 * std::sin(breite0) * std::sin(breite0))) /
                     (Rq * std::cos(beta0));
    const double dl = p.laenge * grad - laenge0;
    const double nenner = 1 + std::sin(beta0) * std::sin(beta) + std::cos(beta0) * std::cos(beta) * std::cos(dl);
    // at the antipode the formulas give the origin itself, through rounding
    if (nenner < 1e-10) return {std::nan(""), std::nan("")};
    const double B = Rq * std::sqrt(2 / nenner);
    return {FE + B * D * std::cos(beta) * std::sin(dl),
            FN + (B / D) * (std::cos(beta0) * std::sin(beta) - std::sin(beta0) * std::cos(beta) * std::cos(dl))};
}

std::optional<Rasterfeld> Rasterfeld_fuer(Laea_Punkt p) {
    const double spalte = std::floor((p.x - Rand_West) / Zellgroesse);
    const double zeile = std::floor((Rand_Nord - p.y) / Zellgroesse);
    // also false for NaN
    if (!(spalte >= 0 && spalte < Raster_Spalten && zeile >= 0 && zeile < Raster_Zeilen)) return std::nullopt;
    return Rasterfeld{static_cast<int>(zeile), static_cast<int>(spalte)};
}

std::optional<Rasterfeld> Rasterfeld_fuer(Geopunkt p) { return Rasterfeld_fuer(Laea_Europa(p)); }

}  // namespace dkm
