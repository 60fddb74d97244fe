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
    std::string ziffern;  // no leading zeros; empty for zero
    int exp10 = 0;        // position of the decimal point after the first digit count
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
    std::string_view s(buf, static_cast<size_t>(r.ptr - buf));
    size_t e = s.find('e');
    for (char c : s.substr(0, e))
        if (ist_ziffer(c)) d.ziffern.push_back(c);
    int exponent = std::atoi(std::string(s.substr(e + 1)).c_str());
    while (d.ziffern.size() > 1 && d.ziffern.back() == '0') d.ziffern.pop_back();
    d.exp10 = exponent + 1;
    return d;
}

// Plain decimal text of digits × 10^exp10 without a leading zero before the point.
std::string plain(const Dezimal& d) {
    if (d.ziffern.empty()) return "0";
    std::string out;
    const int n = static_cast<int>(d.ziffern.size());
    if (d.exp10 <= 0) {
        out = "." + std::string(static_cast<size_t>(-d.exp10), '0') + d.ziffern;
    } else if (d.exp10 >= n) {
        out = d.ziffern + std::string(static_cast<size_t>(d.exp10 - n), '0');
    } else {
        out = d.ziffern.substr(0, static_cast<size_t>(d.exp10)) + "." +
              d.ziffern.substr(static_cast<size_t>(d.exp10));
    }
    return out;
}

template <typename T>
std::string zahlentext_impl(T wert, int max_stellen) {
    if (!std::isfinite(wert)) return " 0";
    Dezimal d = zerlegen(wert, 0);
    if (static_cast<int>(d.ziffern.size()) > max_stellen) d = zerlegen(wert, max_stellen);
    if (d.ziffern.empty()) return " 0";
    return (d.negativ ? "-" : " ") + plain(d);
}

// Rounds the digit string half away from zero to `nachkomma` decimals.
// Returns the integer digits and the fraction digits.
void runden(const Dezimal& d, int nachkomma, std::string& ganz, std::string& bruch) {
    // All digits as a fixed string with `nachkomma` decimals plus the rest.
    std::string alle;  // digits of the value scaled by 10^nachkomma, before rounding
    std::string rest;  // digits cut off
    const int n = static_cast<int>(d.ziffern.size());
    const int ganzstellen = d.exp10 + nachkomma;  // digits kept
    if (ganzstellen <= 0) {
        alle = "0";
        // the first cut digit is a zero unless ganzstellen == 0
        rest = (ganzstellen == 0) ? d.ziffern : std::string("0");
    } else if (ganzstellen >= n) {
        alle = d.ziffern + std::string(static_cast<size_t>(ganzstellen - n), '0');
    } else {
        alle = d.ziffern.substr(0, static_cast<size_t>(ganzstellen));
        rest = d.ziffern.substr(static_cast<size_t>(ganzstellen));
    }
    if (!rest.empty() && rest[0] >= '5') {
        int i = static_cast<int>(alle.size()) - 1;
        while (i >= 0 && alle[static_cast<size_t>(i)] == '9') alle[static_cast<size_t>(i--)] = '0';
        if (i < 0) alle.insert(alle.begin(), '1');
        else ++alle[static_cast<size_t>(i)];
    }
    if (static_cast<int>(alle.size()) < nachkomma + 1)
        alle.insert(0, static_cast<size_t>(nachkomma + 1) - alle.size(), '0');
    ganz = alle.substr(0, alle.size() - static_cast<size_t>(nachkomma));
    bruch = alle.substr(alle.size() - static_cast<size_t>(nachkomma));
    size_t p = ganz.find_first_not_of('0');
    ganz = (p == std::string::npos) ? "" : ganz.substr(p);
}

template <typename T>
std::string muster_impl(T wert, std::string_view muster, std::string_view sep) {
    if (!std::isfinite(wert)) wert = 0;
    // Digit part: the first run of '0', '#' and '.'.
    size_t a = muster.find_first_of("0#.");
    if (a == std::string_view::npos) return std::string(muster);
    size_t e = muster.find_first_not_of("0#.", a);
    if (e == std::string_view::npos) e = muster.size();
    std::string_view teil = muster.substr(a, e - a);
    size_t punkt = teil.find('.');
    int nachkomma = 0, mindest_ganz = 0;
    for (size_t i = 0; i < teil.size(); ++i) {
        if (teil[i] != '0') continue;
        if (punkt != std::string_view::npos && i > punkt) ++nachkomma;
        else ++mindest_ganz;
    }
    if (punkt != std::string_view::npos) nachkomma = static_cast<int>(teil.size() - punkt - 1);
    std::string ganz, bruch;
    Dezimal d = zerlegen(wert, 0);
    if (!d.ziffern.empty()) runden(d, nachkomma, ganz, bruch);
    else bruch.assign(static_cast<size_t>(nachkomma), '0');
    bool null = ganz.empty() && bruch.find_first_not_of('0') == std::string::npos;
    if (static_cast<int>(ganz.size()) < mindest_ganz)
        ganz.insert(0, static_cast<size_t>(mindest_ganz) - ganz.size(), '0');
    std::string zahl = (d.negativ && !null) ? "-" : "";
    zahl += ganz;
    if (punkt != std::string_view::npos) {
        zahl += sep;
        zahl += bruch;
    }
    return std::string(muster.substr(0, a)) + zahl + std::string(muster.substr(e));
}

}  // namespace

double Zahl_lesen(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    size_t start = i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t ziffern = 0;
    while (i < s.size() && ist_ziffer(s[i])) ++i, ++ziffern;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && ist_ziffer(s[i])) ++i, ++ziffern;
    }
    if (ziffern == 0) return 0.0;
    size_t ende = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        size_t k = j;
        while (k < s.size() && ist_ziffer(s[k])) ++k;
        if (k > j) ende = k;
    }
    std::string t(s.substr(start, ende - start));
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
