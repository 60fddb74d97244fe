// The lines of a report page: a fixed step per line, items at tab columns of the
// segment width, one-line user texts shortened and remarks wrapped at the margin.
#include "report/satz_zeilen.h"

#include <algorithm>

#include "report/form.h"

namespace dkm::bericht {

namespace {

const std::string Auslassung = "\u2026";

// Byte offsets where the characters of a UTF-8 text start, and its end.
std::vector<size_t> Zeichengrenzen(const std::string& s) {
    std::vector<size_t> g;
    for (size_t i = 0; i < s.size(); ++i)
        if ((static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) g.push_back(i);
    g.push_back(s.size());
    return g;
}

std::string ohne_blanks_rechts(std::string s) {
    while (!s.empty() && s.back() == ' ') s.pop_back();
    return s;
}

class Setzer {
public:
    Setzer(const Bericht& b, const Schriftmass& m, double rechts) : b_(b), m_(m), rechts_(rechts) {}

    Seitenlage seite(const Seite& s) const {
        Seitenlage lage;
        double y = 0;
        for (const Zeile& z : s.zeilen) {
            const double punkt = b_.schriftgroesse + z.groesse;
            const double schritt = punkt * b_.zeilenschritt_je_punkt;
            const size_t erstes = lage.texte.size();
            const int zeilen = zeile(z, y, punkt, lage.texte);
            for (size_t i = erstes; i < lage.texte.size(); ++i) lage.texte[i].zeile = lage.mehr.size();
            lage.mehr.push_back((zeilen - 1) * schritt);
            y += zeilen * schritt;
        }
        for (const Gesetzt& g : lage.texte)
            if (g.sichtbar()) lage.unten = std::max(lage.unten, g.t.unten);
        return lage;
    }

private:
    const Bericht& b_;
    const Schriftmass& m_;
    double rechts_;  // no text passes this (report units); unbegrenzt while measuring

    double breite(const std::string& t, double punkt, bool fett) const { return m_.breite(t, punkt, fett); }

    // The longest start of `text` that fits `ziel` with "…" after it; the text itself when it fits.
    std::string gekuerzt(const std::string& text, double ziel, double punkt, bool fett) const {
        if (breite(text, punkt, fett) <= ziel) return text;
        const std::vector<size_t> g = Zeichengrenzen(text);
        size_t gut = 0, schlecht = g.size() - 1;
        while (schlecht - gut > 1) {
            const size_t mitte = (gut + schlecht) / 2;
            if (breite(ohne_blanks_rechts(text.substr(0, g[mitte])) + Auslassung, punkt, fett) <= ziel) gut = mitte;
            else schlecht = mitte;
        }
        return ohne_blanks_rechts(text.substr(0, g[gut])) + Auslassung;
    }

    // A remark as lines of at most `ziel` width, broken between words where it can be.
    std::vector<std::string> umbrochen(const std::string& text, double ziel, double punkt, bool fett) const {
        std::vector<std::string> zeilen;
        std::string aktuell;
        size_t i = 0;
        while (i < text.size()) {
            const size_t ende = std::min(text.find(' ', i), text.size());
            std::string wort = text.substr(i, ende - i);
            i = ende + 1;
            if (wort.empty()) continue;
            const std::string mit = aktuell.empty() ? wort : aktuell + " " + wort;
            if (breite(mit, punkt, fett) <= ziel) {
                aktuell = mit;
                continue;
            }
            if (!aktuell.empty()) zeilen.push_back(aktuell);
            // a word wider than the line is broken where it reaches the margin
            while (breite(wort, punkt, fett) > ziel) {
                const std::vector<size_t> g = Zeichengrenzen(wort);
                size_t n = 1;
                while (n + 1 < g.size() && breite(wort.substr(0, g[n + 1]), punkt, fett) <= ziel) ++n;
                zeilen.push_back(wort.substr(0, g[n]));
                wort = wort.substr(g[n]);
            }
            aktuell = wort;
        }
        if (!aktuell.empty() || zeilen.empty()) zeilen.push_back(aktuell);
        if (zeilen.size() > static_cast<size_t>(Bemerkung_Zeilen)) {
            std::string rest;
            for (size_t k = Bemerkung_Zeilen - 1; k < zeilen.size(); ++k) rest += (rest.empty() ? "" : " ") + zeilen[k];
            zeilen.resize(Bemerkung_Zeilen);
            zeilen.back() = gekuerzt(rest, ziel, punkt, fett);
        }
        return zeilen;
    }

    Gesetzt stueck(const std::string& text, double x, double oben, double punkt, const Eintrag& e, bool frei) const {
        Gesetzt g;
        Textstueck& t = g.t;
        t.text = text;
        t.x = x;
        t.grundlinie = oben + m_.oberlaenge(punkt);
        t.punkt = punkt;
        t.fett = e.fett;
        t.unterstrichen = e.unterstrichen;
        const size_t anfang = text.find_first_not_of(' ');
        if (anfang != std::string::npos) {
            t.links = x + (anfang ? breite(text.substr(0, anfang), punkt, e.fett) : 0);
            t.rechts = x + breite(ohne_blanks_rechts(text), punkt, e.fett);
        } else {
            t.links = t.rechts = x;
        }
        t.oben = t.grundlinie - m_.oberlaenge(punkt);
        t.unten = t.grundlinie + m_.unterlaenge(punkt);
        g.frei = frei;
        return g;
    }

    // Places the items of one line with the texts given; the number of lines it took.
    int platzieren(const Zeile& z, const std::vector<std::string>& texte, double oben, double punkt,
                   std::vector<Gesetzt>& aus) const {
        const double spalte = b_.tabbreite * punkt / b_.schriftgroesse;
        const double schritt = punkt * b_.zeilenschritt_je_punkt;
        double x = 0;
        int n = 0;
        bool nach_nutzertext = false;
        for (size_t i = 0; i < z.eintraege.size(); ++i) {
            const Eintrag& e = z.eintraege[i];
            if (e.spalte > 0) {
                // a column left of the pen starts a new line, as on the old devices
                const double ziel = (Tabspalte(e.spalte, b_.spaltenfaktor, b_.spaltenversatz) - 1) * spalte;
                if (x > ziel + 0.5) ++n;
                x = ziel;
                nach_nutzertext = false;
            }
            const bool frei = nach_nutzertext || e.lang != Ueberlang::fest;
            nach_nutzertext = frei;
            std::vector<std::string> stuecke{texte[i]};
            if (e.lang == Ueberlang::umbrechen && rechts_ < unbegrenzt &&
                breite(texte[i], punkt, e.fett) > rechts_ - x)
                stuecke = umbrochen(texte[i], std::max(rechts_ - x, 10 * spalte), punkt, e.fett);
            for (size_t k = 0; k < stuecke.size(); ++k) {
                if (k > 0) ++n;
                aus.push_back(stueck(stuecke[k], x, oben + n * schritt, punkt, e, frei));
            }
            x += breite(stuecke.back(), punkt, e.fett);
        }
        return n + 1;
    }

    // One line; its one-line user texts shortened, the widest first, until nothing passes the margin.
    int zeile(const Zeile& z, double oben, double punkt, std::vector<Gesetzt>& aus) const {
        std::vector<std::string> texte;
        for (const Eintrag& e : z.eintraege) texte.push_back(e.text);
        for (size_t versuch = 0;; ++versuch) {
            std::vector<Gesetzt> gesetzt;
            const int n = platzieren(z, texte, oben, punkt, gesetzt);
            double rechts = 0;
            for (const Gesetzt& g : gesetzt)
                if (g.sichtbar()) rechts = std::max(rechts, g.t.rechts);
            const double zuviel = rechts - rechts_;
            size_t breitester = z.eintraege.size();
            double b_max = 0;
            for (size_t i = 0; i < z.eintraege.size(); ++i) {
                const Eintrag& e = z.eintraege[i];
                if (e.lang != Ueberlang::kuerzen || texte[i] == Auslassung) continue;
                const double b = breite(texte[i], punkt, e.fett);
                if (b > b_max) b_max = b, breitester = i;
            }
            if (zuviel <= 0.5 || breitester == z.eintraege.size() || versuch > 2 * z.eintraege.size()) {
                aus.insert(aus.end(), gesetzt.begin(), gesetzt.end());
                return n;
            }
            const Eintrag& e = z.eintraege[breitester];
            texte[breitester] = gekuerzt(e.text, b_max - zuviel, punkt, e.fett);
        }
    }
};

}  // namespace

Seitenlage Zeilen_setzen(const Bericht& b, const Schriftmass& m, const Seite& s, double rechts) {
    return Setzer(b, m, rechts).seite(s);
}

}  // namespace dkm::bericht
