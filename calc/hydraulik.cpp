#include "calc/hydraulik.h"

#include <cstddef>
using std::size_t;

namespace dkm {

namespace {
constexpr std::array<double, 22> ohne_trichter_basis = {0.7, 1.2, 1.8, 2.6, 3.5, 4.6, 6.0, 7.6, 8.5, 9.4, 11.4,
                                                        13.7, 16.3, 19.1, 22.3, 25.7, 29.5, 38.1, 48.0, 59.4, 72.4, 87.1};
std::array<float, 22> ohne_trichter() {
    std::array<float, 22> t{};
    for (size_t i = 0; i < t.size(); ++i) t[i] = static_cast<float>(0.7 * ohne_trichter_basis[i]);
    return t;
}
}  // namespace

const std::array<float, 22> Fallrohr_Tabelle_Trichter = {1.7f,  2.7f,  4.1f,  5.9f,  8.1f,  10.7f, 13.8f, 17.4f,
                                                         19.4f, 21.6f, 26.3f, 31.6f, 37.5f, 44.1f, 51.4f, 59.3f,
                                                         68.0f, 87.7f, 110.6f, 137.0f, 166.9f, 200.6f};
const std::array<float, 22> Fallrohr_Tabelle_ohne_Trichter = ohne_trichter();

double Langrinnenfaktor(double x, bool x_runden) {
    if (x_runden) x = static_cast<float>(x);
    double fl = 1e-6 * x * x - 0.001451 * x + 1.061168;
    struct Stufe { double grenze, wert; };
    static constexpr Stufe stufen[] = {{600, 0.51}, {700, 0.47},  {800, 0.44},  {900, 0.40},  {1000, 0.37},
                                       {1100, 0.35}, {1200, 0.32}, {1300, 0.29}, {1400, 0.27}, {1500, 0.25}};
    for (const Stufe& s : stufen)
        if (x > s.grenze) fl = s.wert;
    return fl;
}

Fallrohrgroesse Fallrohr_nachschlagen(const std::array<float, 22>& tabelle, float q) {
    size_t i = 0;
    // a flow equal to a capacity keeps that diameter
    while (i < tabelle.size() && tabelle[i] < q) ++i;
    if (i == tabelle.size()) return {};
    return {Fallrohr_Durchmesser[i], tabelle[i]};
}

}  // namespace dkm
