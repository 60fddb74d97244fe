#include "calc/standort.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <vector>

#include "model/meldungen.h"

namespace dkm {

namespace {

using meldung::Eingesetzt;

enum class Art { Zahl, Grad, Minute, Sekunde, Richtung, Trenner };

struct Zeichen {
    Art art;
    double wert = 0;     // Zahl
    bool ganz = true;    // Zahl without decimals
    char richtung = 0;   // 'N', 'S', 'E', 'W' (an "O" for Ost counts as 'E')
};

bool ziffer(char c) { return c >= '0' && c <= '9'; }

// The marks people type for degrees, minutes and seconds, with their typographic variants.
struct Marke {
    std::string_view text;
    Art art;
};
constexpr Marke Marken[] = {{"\u00B0", Art::Grad},    {"\u00BA", Art::Grad},    {"''", Art::Sekunde},
                            {"\"", Art::Sekunde},      {"\u2033", Art::Sekunde}, {"\u201D", Art::Sekunde},
                            {"\u201C", Art::Sekunde},  {"'", Art::Minute},       {"\u2032", Art::Minute},
                            {"\u2019", Art::Minute},   {"\u00B4", Art::Minute},  {"`", Art::Minute}};

// The text cut into numbers, marks, directions and separators; nullopt for anything else.
std::optional<std::vector<Zeichen>> zerlegen(std::string_view s) {
    std::vector<Zeichen> z;
    size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        const bool minus = c == '-' || s.substr(i).starts_with("\u2212");
        const size_t nach_vorzeichen = i + (c == '-' || c == '+' ? 1 : minus ? 3 : 0);
        if (ziffer(c) || (nach_vorzeichen > i && nach_vorzeichen < s.size() && ziffer(s[nach_vorzeichen]))) {
            size_t k = nach_vorzeichen;
            std::string zahl = minus ? "-" : "";
            bool trenner = false;
            for (; k < s.size(); ++k) {
                if (ziffer(s[k])) {
                    zahl += s[k];
                } else if ((s[k] == '.' || s[k] == ',') && !trenner && k + 1 < s.size() && ziffer(s[k + 1])) {
                    // a comma between digits is the decimal comma, unless the number has its point already
                    trenner = true;
                    zahl += '.';
                } else {
                    break;
                }
            }
            if (zahl.size() > 20) return std::nullopt;
            Zeichen t{Art::Zahl};
            t.ganz = !trenner;
            if (std::from_chars(zahl.data(), zahl.data() + zahl.size(), t.wert).ec != std::errc()) return std::nullopt;
            z.push_back(t);
            i = k;
            continue;
        }
        if (c == ' ' || c == '\t') {
            ++i;
            continue;
        }
        if (c == ',' || c == ';' || c == '/') {
            z.push_back({Art::Trenner});
            ++i;
            continue;
        }
        const std::string_view richtungen = "NnSsEeOoWw";
        if (richtungen.find(c) != std::string_view::npos &&
            (i + 1 == s.size() || !std::isalpha(static_cast<unsigned char>(s[i + 1])))) {
            const char r = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            z.push_back({Art::Richtung, 0, true, r == 'O' ? 'E' : r});
            ++i;
            continue;
        }
        bool erkannt = false;
        for (const Marke& m : Marken) {
            if (s.substr(i).starts_with(m.text)) {
                z.push_back({m.art});
                i += m.text.size();
                erkannt = true;
                break;
            }
        }
        if (!erkannt) return std::nullopt;
    }
    return z;
}

struct Koordinate {
    double grad = 0, minute = 0, sekunde = 0;
    bool mit_grad_zeichen = false, mit_minute = false, mit_sekunde = false;
    bool grad_ganz = true, minute_ganz = true;
    char richtung = 0;
    bool geschlossen = false;  // a separator or a plain number ended it
};

// The coordinates of the text, or nullopt when it is not made of them.
std::optional<std::vector<Koordinate>> gruppieren(const std::vector<Zeichen>& z) {
    std::vector<Koordinate> k;
    char wartend = 0;  // a direction written before its number
    auto neu = [&](const Zeichen& zahl) {
        Koordinate c;
        c.grad = zahl.wert;
        c.grad_ganz = zahl.ganz;
        c.richtung = wartend;
        wartend = 0;
        k.push_back(c);
    };
    for (size_t i = 0; i < z.size(); ++i) {
        const Zeichen& t = z[i];
        const Art marke = i + 1 < z.size() ? z[i + 1].art : Art::Trenner;
        Koordinate* akt = k.empty() ? nullptr : &k.back();
        if (t.art == Art::Zahl) {
            if (marke == Art::Minute || marke == Art::Sekunde) {
                const bool minute = marke == Art::Minute;
                if (!akt || akt->geschlossen || !akt->mit_grad_zeichen || akt->mit_sekunde || t.wert < 0 ||
                    (minute ? akt->mit_minute : !akt->mit_minute))
                    return std::nullopt;
                (minute ? akt->minute : akt->sekunde) = t.wert;
                (minute ? akt->mit_minute : akt->mit_sekunde) = true;
                if (minute) akt->minute_ganz = t.ganz;
                ++i;
                continue;
            }
            neu(t);
            if (marke == Art::Grad) {
                k.back().mit_grad_zeichen = true;
                ++i;
            } else {
                k.back().geschlossen = true;
            }
        } else if (t.art == Art::Richtung) {
            if (akt && !akt->richtung && !wartend && !(akt->geschlossen && i > 0 && z[i - 1].art == Art::Trenner)) {
                akt->richtung = t.richtung;
                akt->geschlossen = true;
            } else if (!wartend) {
                wartend = t.richtung;
            } else {
                return std::nullopt;
            }
        } else if (t.art == Art::Trenner) {
            if (akt) akt->geschlossen = true;
        } else {
            return std::nullopt;  // a mark without its number
        }
    }
    if (wartend) return std::nullopt;
    return k;
}

std::string Gradtext(double w) {
    char buf[48];
    const auto r = std::to_chars(buf, buf + sizeof buf, w, std::chars_format::fixed, 6);
    std::string t(buf, r.ptr);
    while (t.ends_with('0')) t.pop_back();
    if (t.ends_with('.')) t.pop_back();
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

std::string Zitat(std::string_view text) {
    constexpr size_t hoechstens = 60;
    if (text.size() <= hoechstens) return std::string(text);
    size_t n = hoechstens;
    while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;  // UTF-8 kept whole
    return std::string(text.substr(0, n)) + "\u2026";
}

std::string_view ohne_raender(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    return s;
}

Fehler Kein_Feld(std::string text) { return {std::move(text)}; }

Feldsuche Feld_fuer_Punkt(Geopunkt p) {
    if (const auto f = Rasterfeld_fuer(p)) return *f;
    const std::string ort = Gradtext(std::fabs(p.breite)) + "° " + (p.breite < 0 ? "S " : "N ") +
                            Gradtext(std::fabs(p.laenge)) + "° " + (p.laenge < 0 ? "W" : "O");
    return Kein_Feld(Eingesetzt(meldung::Kostra_ausserhalb, ort));
}

}  // namespace

Erfolg<Geopunkt> Geopunkt_lesen(std::string_view text) {
    const Fehler unlesbar = Kein_Feld(Eingesetzt(meldung::Kostra_Standort_unlesbar, Zitat(ohne_raender(text))));
    const auto zeichen = text.size() > 200 ? std::nullopt : zerlegen(text);
    const auto k = zeichen ? gruppieren(*zeichen) : std::nullopt;
    if (!k || k->size() != 2) return unlesbar;
    double wert[2];
    bool ist_breite[2];
    for (int n = 0; n < 2; ++n) {
        const Koordinate& c = (*k)[static_cast<size_t>(n)];
        if ((c.mit_minute && (!c.grad_ganz || c.minute < 0 || c.minute >= 60)) ||
            (c.mit_sekunde && (!c.minute_ganz || c.sekunde < 0 || c.sekunde >= 60)))
            return Kein_Feld(Eingesetzt(meldung::Kostra_Minuten_ungueltig, Zitat(ohne_raender(text))));
        if (c.richtung && std::signbit(c.grad)) return unlesbar;
        const double betrag = std::fabs(c.grad) + c.minute / 60 + c.sekunde / 3600;
        wert[n] = std::signbit(c.grad) || c.richtung == 'S' || c.richtung == 'W' ? -betrag : betrag;
        ist_breite[n] = c.richtung ? c.richtung == 'N' || c.richtung == 'S' : n == 0;
    }
    const Koordinate &a = (*k)[0], &b = (*k)[1];
    // one direction given: the other coordinate is the other axis
    if (!a.richtung && b.richtung) ist_breite[0] = !ist_breite[1];
    if (ist_breite[0] == ist_breite[1]) return unlesbar;
    const Geopunkt p = ist_breite[0] ? Geopunkt{wert[0], wert[1]} : Geopunkt{wert[1], wert[0]};
    if (std::fabs(p.breite) > 90) return Kein_Feld(Eingesetzt(meldung::Kostra_Breite_ungueltig, Gradtext(p.breite)));
    if (std::fabs(p.laenge) > 180)
        return Kein_Feld(Eingesetzt(meldung::Kostra_Laenge_ungueltig, Gradtext(p.laenge)));
    return p;
}

Feldsuche Feld_fuer_Nummer(std::string_view text) {
    std::string_view s = ohne_raender(text);
    if (s.size() >= 4 && (s.substr(0, 4) == "Feld" || s.substr(0, 4) == "feld")) s = ohne_raender(s.substr(4));
    bool nur_ziffern = !s.empty();
    for (char c : s) nur_ziffern = nur_ziffern && ziffer(c);
    if (!nur_ziffern) return Kein_Feld(Eingesetzt(meldung::Kostra_Standort_unlesbar, Zitat(ohne_raender(text))));
    std::string_view ohne_nullen = s;
    while (ohne_nullen.size() > 1 && ohne_nullen.front() == '0') ohne_nullen.remove_prefix(1);
    long long nummer = -1;
    if (ohne_nullen.size() <= 6) std::from_chars(ohne_nullen.data(), ohne_nullen.data() + ohne_nullen.size(), nummer);
    if (const auto f = Rasterfeld_aus_Nummer(nummer)) return *f;
    return Kein_Feld(Eingesetzt(meldung::Kostra_Feld_ungueltig, Zitat(s)));
}

Feldsuche Feld_fuer_Eingabe(std::string_view text) {
    const std::string_view s = ohne_raender(text);
    if (s.empty()) return Kein_Feld(std::string(meldung::Kostra_Standort_leer));
    bool nur_ziffern = true;
    for (char c : s) nur_ziffern = nur_ziffern && ziffer(c);
    if (nur_ziffern || s.starts_with("Feld") || s.starts_with("feld")) return Feld_fuer_Nummer(s);
    const auto p = Geopunkt_lesen(s);
    if (!p) return p.fehler();
    return Feld_fuer_Punkt(*p);
}

Feldsuche Feld_fuer_Ort(std::string_view breite, std::string_view laenge) {
    if (ohne_raender(breite).empty() || ohne_raender(laenge).empty())
        return Kein_Feld(std::string(meldung::Kostra_Standort_leer));
    const auto p = Geopunkt_lesen(std::string(ohne_raender(breite)) + "; " + std::string(ohne_raender(laenge)));
    if (!p) return p.fehler();
    return Feld_fuer_Punkt(*p);
}

}  // namespace dkm
