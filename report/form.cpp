// Preview and paper: origins by font size, column mapping, clamping, the date.
#include "report/form.h"

#include <array>
#include <cmath>
#include <ctime>

#include "model/druckwerte.h"
#include "model/zahlen.h"

namespace dkm::bericht {

namespace {

struct Papierursprung {
    int x, y1, y2, qx, qy;
};
// By font size 8..12; the cross-section x of 9 and 11 lies between its neighbours.
constexpr std::array<Papierursprung, 5> Papier = {{
    {2400, 9200, 4800, 2000, 8960},
    {2700, 10300, 5700, 2450, 9960},
    {3000, 11300, 5960, 2900, 10960},
    {3300, 12400, 6500, 3350, 11860},
    {3600, 13500, 7100, 3800, 12000},
}};

constexpr int Twips_je_mm = 57;

const Papierursprung& papier(const Berichtsform& form) {
    return Papier[static_cast<size_t>(Schriftgroesse_klemmen(static_cast<float>(form.S)) - 8)];
}

int verschoben(int twips, float mm) { return twips + static_cast<int>(Ganzzahl(Twips_je_mm * static_cast<double>(mm))); }

}  // namespace

Berichtsform Vorschauform(const Aussteller& a, std::string datum) {
    Berichtsform f;
    f.aussteller = a;
    f.datum = std::move(datum);
    return f;
}

Berichtsform Papierform(float schriftgroesse, float h_mm, float v_mm, const Aussteller& a, std::string datum) {
    Berichtsform f;
    f.papier = true;
    f.S = Schriftgroesse_klemmen(schriftgroesse);
    f.h_mm = Verschiebung_begrenzen(h_mm);
    f.v_mm = Verschiebung_begrenzen(v_mm);
    f.aussteller = a;
    f.datum = std::move(datum);
    return f;
}

int Schriftgroesse_klemmen(float s) {
    if (std::isnan(s)) return 10;
    if (s < 8) return 8;
    if (s > 12) return 12;
    return static_cast<int>(s);
}

int Tabspalte(int K, double B, double A) { return static_cast<int>(std::nearbyint(K * B + A)); }

int Segmentbreite(const Berichtsform& form) {
    // 1000 twips at size 10, as the table columns grow with the font
    return form.papier ? 100 * Schriftgroesse_klemmen(static_cast<float>(form.S)) : 600;
}

double Tabbreite(const Berichtsform& form) {
    const double spalten_je_segment = 8 * (form.papier ? 1.4 : 1.0);
    return Segmentbreite(form) / spalten_je_segment;
}

Ursprung Schema_Ursprung(const Berichtsform& form, int seite) {
    if (!form.papier) return {1470, seite == 1 ? 7150 : 2500, Segmentbreite(form)};
    const Papierursprung& p = papier(form);
    return {verschoben(p.x, form.h_mm), verschoben(seite == 1 ? p.y1 : p.y2, form.v_mm), Segmentbreite(form)};
}

Ursprung Querschnitt_Ursprung(const Berichtsform& form) {
    if (!form.papier) return {300, 6590, Segmentbreite(form)};
    const Papierursprung& p = papier(form);
    return {verschoben(p.qx, form.h_mm), verschoben(p.qy, form.v_mm), Segmentbreite(form)};
}

double Zeilenschritt(const Berichtsform& form) { return form.papier ? 22.6 * form.S : 24.0 * 8; }

std::string Heute() {
    const std::time_t jetzt = std::time(nullptr);
    std::tm t{};
    localtime_r(&jetzt, &t);
    char buf[16];
    std::strftime(buf, sizeof buf, "%d.%m.%Y", &t);
    return buf;
}

bool Datum_gueltig(const std::string& d) {
    if (d.size() != 10 || d[2] != '.' || d[5] != '.') return false;
    for (size_t i : {0u, 1u, 3u, 4u, 6u, 7u, 8u, 9u})
        if (d[i] < '0' || d[i] > '9') return false;
    const int tag = std::stoi(d.substr(0, 2)), monat = std::stoi(d.substr(3, 2)), jahr = std::stoi(d.substr(6));
    if (monat < 1 || monat > 12 || tag < 1) return false;
    constexpr std::array<int, 12> tage = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool schaltjahr = (jahr % 4 == 0 && jahr % 100 != 0) || jahr % 400 == 0;
    if (monat == 2 && tag == 29) return schaltjahr;
    return tag <= tage[static_cast<size_t>(monat - 1)];
}

}  // namespace dkm::bericht
