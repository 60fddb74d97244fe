// The rows of the KOSTRA-DWD-2020 table: columns found by their header names, never by position.
#include "files/kostra_tabelle.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "files/kostra_lesen.h"
#include "model/meldungen.h"

namespace dkm {

namespace {

using meldung::Eingesetzt;

std::string_view bereinigt(std::string_view f) {
    auto raender = [&] {
        while (!f.empty() && (f.front() == ' ' || f.front() == '\t')) f.remove_prefix(1);
        while (!f.empty() && (f.back() == ' ' || f.back() == '\t')) f.remove_suffix(1);
    };
    raender();
    if (f.size() >= 2 && f.front() == '"' && f.back() == '"') {
        f = f.substr(1, f.size() - 2);
        raender();
    }
    return f;
}

// Digits with a decimal comma or point and a sign; nothing else.
std::optional<double> Zahl(std::string_view f) {
    f = bereinigt(f);
    if (f.empty() || f.size() > 24) return std::nullopt;
    char buf[32];
    size_t n = 0;
    bool ziffer = false, trenner = false;
    for (size_t i = 0; i < f.size(); ++i) {
        char c = f[i];
        if (c >= '0' && c <= '9') {
            ziffer = true;
        } else if ((c == ',' || c == '.') && !trenner) {
            trenner = true;
            c = '.';
        } else if (!(c == '-' && i == 0)) {
            return std::nullopt;
        }
        buf[n++] = c;
    }
    double w = 0;
    if (!ziffer || std::from_chars(buf, buf + n, w).ec != std::errc()) return std::nullopt;
    return w;
}

bool keine_Angabe(double w) { return std::fabs(w + 99.9) < 1e-9; }

// A field for a message: short, and only printable ASCII, whatever bytes the file held.
std::string Zitat(std::string_view f) {
    std::string t;
    for (char c : f.substr(0, 30)) t += c >= 0x20 && c < 0x7F ? c : '?';
    return f.size() > 30 ? t + "\u2026" : t;
}

std::string Grossbuchstaben(std::string_view s) {
    std::string t(s);
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return t;
}

struct Spalten {
    size_t anzahl = 0;
    int index = -1, r5_5 = -1, r5_100 = -1, uc5_5 = -1, uc5_100 = -1;
    bool aus_hoehen = false;
    std::string_view name(int i) const {
        return i == r5_5 ? (aus_hoehen ? "HN_005A" : "RN_005A") : i == r5_100 ? (aus_hoehen ? "HN_100A" : "RN_100A")
             : i == uc5_5 ? "UC_005A" : "UC_100A";
    }
};

// The columns of the header line, or the reason why it is none of a KOSTRA table.
std::optional<Spalten> Kopf_lesen(std::string_view kopf, std::string& grund) {
    Spalten s;
    int hn5 = -1, hn100 = -1, rn5 = -1, rn100 = -1;
    std::vector<std::string> namen;
    for (size_t anfang = 0;;) {
        const size_t ende = std::min(kopf.find(';', anfang), kopf.size());
        const std::string name = Grossbuchstaben(bereinigt(kopf.substr(anfang, ende - anfang)));
        const int i = static_cast<int>(namen.size());
        for (const std::string& n : namen)
            if (!name.empty() && n == name) {
                grund = Eingesetzt(meldung::Kostra_Spalte_doppelt, Zitat(name));
                return std::nullopt;
            }
        namen.push_back(name);
        if (name == "INDEX_RC") s.index = i;
        else if (name == "RN_005A") rn5 = i;
        else if (name == "RN_100A") rn100 = i;
        else if (name == "HN_005A") hn5 = i;
        else if (name == "HN_100A") hn100 = i;
        else if (name == "UC_005A") s.uc5_5 = i;
        else if (name == "UC_100A") s.uc5_100 = i;
        if (ende == kopf.size() || namen.size() > 1000) break;
        anfang = ende + 1;
    }
    s.anzahl = namen.size();
    if (s.index < 0) grund = meldung::Kostra_ohne_Index;
    else if ((rn5 < 0 || rn100 < 0) && (hn5 < 0 || hn100 < 0)) grund = meldung::Kostra_ohne_Spende;
    if (!grund.empty()) return std::nullopt;
    s.aus_hoehen = rn5 < 0 || rn100 < 0;
    s.r5_5 = s.aus_hoehen ? hn5 : rn5;
    s.r5_100 = s.aus_hoehen ? hn100 : rn100;
    return s;
}

// A yield from its field: the file's RN, or the depth HN of 5 minutes turned into l/(s·ha)
// and rounded to the tenth the file gives RN in. Negative for no data; nullopt when impossible.
std::optional<float> Spende(double w, bool aus_hoehe) {
    if (keine_Angabe(w)) return -1.0f;
    const double r = aus_hoehe ? std::round(w * 10000 / (60 * 5) * 10) / 10 : w;
    if (!(r > 0 && r <= 10000)) return std::nullopt;
    return static_cast<float>(r);
}

std::optional<int16_t> Unsicherheit(double w) {
    if (keine_Angabe(w)) return int16_t{-1};
    if (!(w >= 0 && w <= 1000)) return std::nullopt;
    return static_cast<int16_t>(std::lround(w));
}

// The yield columns of a row all say "no data".
bool ohne_Daten(const std::string_view (&feld)[5]) {
    for (int k = 1; k <= 2; ++k) {
        const auto w = Zahl(feld[k]);
        if (!w || !keine_Angabe(*w)) return false;
    }
    return true;
}

}  // namespace

std::optional<Kostra_Werte> Kostra_Tabelle::werte(Rasterfeld f) const {
    if (f.zeile < 0 || f.zeile >= Raster_Zeilen || f.spalte < 0 || f.spalte >= Raster_Spalten) return std::nullopt;
    const Feld& w = felder[static_cast<size_t>(f.zeile * Raster_Spalten + f.spalte)];
    if (w.r5_5 < 0 || w.r5_100 < 0) return std::nullopt;
    return Kostra_Werte{f, w.r5_5, w.r5_100, w.uc5_5, w.uc5_100, aus_hoehen};
}

std::string Kostra_keine_Werte_Text(Rasterfeld f) { return Eingesetzt(meldung::Kostra_keine_Werte, Feldtext(f)); }

Kostra_Lesen Kostra_Text_lesen(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    size_t pos = 0, zeile = 0;
    auto naechste = [&](std::string_view& l) {
        if (pos >= text.size()) return false;
        const size_t ende = std::min(text.find('\n', pos), text.size());
        l = text.substr(pos, ende - pos);
        if (l.ends_with('\r')) l.remove_suffix(1);
        pos = ende + 1;
        ++zeile;
        return true;
    };
    auto fehler = [&](std::string grund) {
        return Kostra_Lesen(Fehler{Eingesetzt(meldung::Kostra_Zeile, std::to_string(zeile), grund)});
    };

    std::string_view l;
    std::string grund;
    naechste(l);
    const std::optional<Spalten> s = Kopf_lesen(l, grund);
    if (!s) return fehler(grund);

    Kostra_Lesen ergebnis{Kostra_Tabelle{}};
    Kostra_Tabelle& t = *ergebnis;
    t.aus_hoehen = s->aus_hoehen;
    std::vector<uint32_t> zeile_von(t.felder.size(), 0);  // where each cell stood, for a repeated one
    size_t gelesen = 0;
    std::string_view feld[5];
    const int spalte[5] = {s->index, s->r5_5, s->r5_100, s->uc5_5, s->uc5_100};
    while (naechste(l)) {
        if (bereinigt(l).empty()) continue;
        size_t anzahl = 0;
        for (size_t anfang = 0;; ++anzahl) {
            const char* semikolon = static_cast<const char*>(std::memchr(l.data() + anfang, ';', l.size() - anfang));
            const size_t ende = semikolon ? static_cast<size_t>(semikolon - l.data()) : l.size();
            for (int k = 0; k < 5; ++k)
                if (spalte[k] == static_cast<int>(anzahl)) feld[k] = l.substr(anfang, ende - anfang);
            if (!semikolon) break;
            anfang = ende + 1;
        }
        ++anzahl;
        if (anzahl != s->anzahl)
            return fehler(Eingesetzt(meldung::Kostra_Spaltenzahl, std::to_string(anzahl), std::to_string(s->anzahl)));

        const std::string_view index = bereinigt(feld[0]);
        long long nummer = -1;
        if (!index.empty() && index.size() <= 6)
            if (auto r = std::from_chars(index.data(), index.data() + index.size(), nummer);
                r.ptr != index.data() + index.size())
                nummer = -1;
        const auto f = Rasterfeld_aus_Nummer(nummer);
        // a number beyond the 300 columns or rows can stand for no cell: harmless without data
        if (!f && nummer >= 0 && ohne_Daten(feld)) continue;
        if (!f) return fehler(Eingesetzt(meldung::Kostra_Index_ungueltig, Zitat(index)));
        const size_t i = static_cast<size_t>(f->zeile * Raster_Spalten + f->spalte);
        if (zeile_von[i])
            return fehler(Eingesetzt(meldung::Kostra_Feld_doppelt, Feldtext(*f), std::to_string(zeile_von[i])));
        zeile_von[i] = static_cast<uint32_t>(zeile);
        ++gelesen;

        Kostra_Tabelle::Feld w;
        for (int k = 1; k < 5; ++k) {
            if (spalte[k] < 0) continue;
            const std::optional<double> zahl = Zahl(feld[k]);
            const std::string name(s->name(spalte[k]));
            if (!zahl) return fehler(Eingesetzt(meldung::Kostra_keine_Zahl, name, Zitat(bereinigt(feld[k]))));
            bool ok = true;
            if (k <= 2) {
                const auto r = Spende(*zahl, s->aus_hoehen);
                ok = r.has_value();
                (k == 1 ? w.r5_5 : w.r5_100) = r.value_or(-1);
            } else {
                const auto uc = Unsicherheit(*zahl);
                ok = uc.has_value();
                (k == 3 ? w.uc5_5 : w.uc5_100) = uc.value_or(-1);
            }
            if (!ok) return fehler(Eingesetzt(meldung::Kostra_Bereich, name, Zitat(bereinigt(feld[k]))));
        }
        if (w.r5_5 >= 0 && w.r5_100 >= 0) ++t.felder_mit_werten;
        t.felder[i] = w;
    }
    if (gelesen == 0) return Fehler{std::string(meldung::Kostra_leer)};
    return ergebnis;
}

}  // namespace dkm
