#include "model/zahlen.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace dkm {

namespace {

bool ist_ziffer(char c) { return c >= '0' && c <= '9'; }

// Decimal digits and exponent of a value: value = 0.d1d2d3... × 10^exp10.
struct Dezimal {
    bool negativ = false;
    char ziffern[40];  // no leading or trailing zeros
    int anzahl = 0;    // 0 for zero
    int exp10 = 0;     // position of the decimal point after the first digit count
    std::string_view text() const { return {ziffern, static_cast<size_t>(anzahl)}; }
};

template <typename T>
Dezimal zerlegen(T wert, int stellen /* 0 = shortest */) {
    Dezimal d;
    d.negativ = std::signbit(wert) && wert != 0;
    T betrag = std::fabs(wert);
    if (betrag == 0 || !std::isfinite(betrag)) return d;
    char buf[64];
    std::to_chars_result r = stellen > 0
        ? std::to_chars(buf, buf + sizeof buf, betrag, std::chars_format::scientific, stellen - 1)
        : std::to_chars(buf, buf + sizeof buf, betrag, std::chars_format::scientific);
    const char* p = buf;
    for (; p < r.ptr && *p != 'e'; ++p)
        if (ist_ziffer(*p) && d.anzahl < static_cast<int>(sizeof d.ziffern)) d.ziffern[d.anzahl++] = *p;
    int exponent = 0;
    bool exponent_negativ = false;
    for (const char* q = p + 1; q < r.ptr; ++q) {
        if (*q == '-') exponent_negativ = true;
        else if (ist_ziffer(*q)) exponent = 10 * exponent + (*q - '0');
    }
    if (exponent_negativ) exponent = -exponent;
    while (d.anzahl > 1 && d.ziffern[d.anzahl - 1] == '0') --d.anzahl;
    d.exp10 = exponent + 1;
    return d;
}

// Plain decimal text of digits × 10^exp10 without a leading zero before the point.
std::string plain(const Dezimal& d) {
    if (d.anzahl == 0) return "0";
    const std::string_view z = d.text();
    const int n = d.anzahl;
    std::string out;
    if (d.exp10 <= 0) {
        out = ".";
        out.append(static_cast<size_t>(-d.exp10), '0');
        out += z;
    } else if (d.exp10 >= n) {
        out = z;
        out.append(static_cast<size_t>(d.exp10 - n), '0');
    } else {
        out = z.substr(0, static_cast<size_t>(d.exp10));
        out += '.';
        out += z.substr(static_cast<size_t>(d.exp10));
    }
    return out;
}

template <typename T>
std::string zahlentext_impl(T wert, int max_stellen) {
    if (!std::isfinite(wert)) return " 0";
    Dezimal d = zerlegen(wert, 0);
    if (d.anzahl > max_stellen) d = zerlegen(wert, max_stellen);
    if (d.anzahl == 0) return " 0";
    return (d.negativ ? "-" : " ") + plain(d);
}

// The digits of a value scaled by 10^nachkomma, rounded half away from zero;
// the integer part is alle[ganz_anfang, ganz_ende) without leading zeros.
struct Gerundet {
    std::string alle;
    size_t ganz_anfang = 0, ganz_ende = 0;
    std::string_view ganz() const { return std::string_view(alle).substr(ganz_anfang, ganz_ende - ganz_anfang); }
    std::string_view bruch() const { return std::string_view(alle).substr(ganz_ende); }
};

Gerundet runden(const Dezimal& d, int nachkomma) {
    Gerundet g;
    std::string& alle = g.alle;
    const std::string_view z = d.text();
    const int n = d.anzahl;
    const int ganzstellen = d.exp10 + nachkomma;  // digits kept
    char erster_rest = 0;                         // first digit cut off
    if (n > 0) {
        if (ganzstellen <= 0) {
            alle = "0";
            erster_rest = ganzstellen == 0 ? z[0] : '0';
        } else if (ganzstellen >= n) {
            alle.reserve(static_cast<size_t>(ganzstellen) + 1);
            alle = z;
            alle.append(static_cast<size_t>(ganzstellen - n), '0');
        } else {
            alle = z.substr(0, static_cast<size_t>(ganzstellen));
            erster_rest = z[static_cast<size_t>(ganzstellen)];
        }
    }
    if (erster_rest >= '5') {
        int i = static_cast<int>(alle.size()) - 1;
        while (i >= 0 && alle[static_cast<size_t>(i)] == '9') alle[static_cast<size_t>(i--)] = '0';
        if (i < 0) alle.insert(alle.begin(), '1');
        else ++alle[static_cast<size_t>(i)];
    }
    if (static_cast<int>(alle.size()) < nachkomma + 1)
        alle.insert(0, static_cast<size_t>(nachkomma + 1) - alle.size(), '0');
    g.ganz_ende = alle.size() - static_cast<size_t>(nachkomma);
    while (g.ganz_anfang < g.ganz_ende && alle[g.ganz_anfang] == '0') ++g.ganz_anfang;
    return g;
}

template <typename T>
std::string muster_impl(T wert, std::string_view muster, std::string_view sep) {
    if (!std::isfinite(wert)) wert = 0;
    // Digit part: the first run of '0', '#' and '.'.
    auto stelle = [](char c) { return c == '0' || c == '#' || c == '.'; };
    size_t a = 0;
    while (a < muster.size() && !stelle(muster[a])) ++a;
    if (a == muster.size()) return std::string(muster);
    size_t e = a;
    while (e < muster.size() && stelle(muster[e])) ++e;
    std::string_view teil = muster.substr(a, e - a);
    size_t punkt = teil.find('.');
    int nachkomma = 0, mindest_ganz = 0;
    for (size_t i = 0; i < teil.size(); ++i) {
        if (teil[i] != '0') continue;
        if (punkt != std::string_view::npos && i > punkt) ++nachkomma;
        else ++mindest_ganz;
    }
    if (punkt != std::string_view::npos) nachkomma = static_cast<int>(teil.size() - punkt - 1);
    const Dezimal d = zerlegen(wert, 0);
    const Gerundet g = runden(d, nachkomma);
    const std::string_view ganz = g.ganz(), bruch = g.bruch();
    const bool null = ganz.empty() && bruch.find_first_not_of('0') == std::string_view::npos;
    std::string out;
    out.reserve(muster.size() + ganz.size() + sep.size() + bruch.size() + 2);
    out.append(muster.substr(0, a));
    if (d.negativ && !null) out += '-';
    if (static_cast<int>(ganz.size()) < mindest_ganz) out.append(static_cast<size_t>(mindest_ganz) - ganz.size(), '0');
    out += ganz;
    if (punkt != std::string_view::npos) {
        out += sep;
        out += bruch;
    }
    out.append(muster.substr(e));
    return out;
}

}  // namespace

size_t Zahl_laenge(std::string_view s) {
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t ziffern = 0;
    while (i < s.size() && ist_ziffer(s[i])) ++i, ++ziffern;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && ist_ziffer(s[i])) ++i, ++ziffern;
    }
    if (ziffern == 0) return 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t k = j;
        while (k < s.size() && ist_ziffer(s[k])) ++k;
        if (k > j) return k;  // an exponent without digits is not part of the number
    }
    return i;
}

double Zahl_lesen(std::string_view s) {
    size_t start = 0;
    while (start < s.size() && (s[start] == ' ' || s[start] == '\t')) ++start;
    const size_t laenge = Zahl_laenge(s.substr(start));
    if (laenge == 0) return 0.0;
    std::string t(s.substr(start, laenge));
    for (char& c : t)
        if (c == 'd' || c == 'D') c = 'e';
    if (!t.empty() && t[0] == '+') t.erase(0, 1);
    double v = 0;
    const char* b = t.data();
    auto r = std::from_chars(b, b + t.size(), v);
    if (r.ec == std::errc::result_out_of_range) {
        // from_chars leaves v untouched: decide between overflow and underflow.
        size_t ep = t.find('e');
        bool klein = ep != std::string::npos && t.find('-', ep) != std::string::npos;
        if (klein) return 0.0;
        return (t[0] == '-') ? -std::numeric_limits<double>::infinity()
                             : std::numeric_limits<double>::infinity();
    }
    return v;
}

bool Zahl_gueltig(double w) {
    return std::isfinite(w) && std::fabs(w) <= std::numeric_limits<float>::max();
}

bool Zu_klein(double w) { return w != 0 && std::fabs(w) < 1 && std::fabs(static_cast<float>(w)) < Kleinstwert; }

bool Im_Eingaberahmen(double w) {
    // 9999999.9 would become 10^7 as a float
    return std::fabs(w) < Eingabegrenze && std::fabs(static_cast<float>(w)) < static_cast<float>(Eingabegrenze) &&
           !Zu_klein(w);
}

float Einzelwert(std::string_view text) {
    double w = Zahl_lesen(text);
    if (!Zahl_gueltig(w)) return w < 0 ? -std::numeric_limits<float>::infinity()
                                       : std::numeric_limits<float>::infinity();
    return static_cast<float>(w);
}

std::string Zahlentext(float wert) { return zahlentext_impl(wert, 7); }
std::string Zahlentext15(double wert) { return zahlentext_impl(wert, 15); }

std::string Zahlentext_gerundet(float wert) {
    return Zahlentext(static_cast<float>(Zahl_lesen(Muster(wert, ".00"))));
}

std::string Muster(float wert, std::string_view m, std::string_view sep) { return muster_impl(wert, m, sep); }
std::string Muster(double wert, std::string_view m, std::string_view sep) { return muster_impl(wert, m, sep); }

long long Ganzzahl(double wert) {
    if (!std::isfinite(wert)) return 0;
    // beyond the range of long long the cast would be undefined
    constexpr double grenze = 9.0e18;
    if (wert >= grenze) return static_cast<long long>(grenze);
    if (wert <= -grenze) return -static_cast<long long>(grenze);
    return static_cast<long long>(std::nearbyint(wert));
}

std::optional<int16_t> Ganzzahl16(double wert) {
    if (!std::isfinite(wert)) return std::nullopt;
    double r = std::nearbyint(wert);
    if (r < -32768.0 || r > 32767.0) return std::nullopt;
    return static_cast<int16_t>(r);
}

std::string Ganzzahltext(long long wert) { return std::to_string(wert); }

}  // namespace dkm
