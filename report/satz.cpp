// Laying out the report: lines at fixed steps, items at tab columns of the
// segment width, user texts shortened or wrapped at the margin, drawings kept in
// the room their lines leave, both pages at one scale.
#include "report/satz.h"

#include <algorithm>
#include <cmath>

#include "report/form.h"

namespace dkm::bericht {

namespace {

constexpr double unbegrenzt = 1e300;
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

// A text piece in report units, before the scale is applied.
struct Gesetzt {
    Textstueck t;
    size_t zeile = 0;   // of the report page
    bool frei = false;  // a user's text or what follows it on its line: no part of the fit
    bool sichtbar() const { return t.rechts > t.links; }
};

struct Seitenlage {
    std::vector<Gesetzt> texte;
    std::vector<double> mehr;  // height a line took beyond its one step
    double unten = 0;          // bottom of the lowest visible text
};

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

struct Umfang {
    double x1 = unbegrenzt, y1 = unbegrenzt, x2 = -unbegrenzt, y2 = -unbegrenzt;
    void dazu(double x, double y, double r) {
        x1 = std::min(x1, x - r), x2 = std::max(x2, x + r);
        y1 = std::min(y1, y - r), y2 = std::max(y2, y + r);
    }
    bool leer() const { return x1 > x2; }
};

// A drawing where it is painted: its origin and size on the page (report units).
struct Lage_Zeichnung {
    const Zeichnung* z;
    double x, y, mass = 1;
    Umfang umfang() const {
        Umfang u;
        for (const Strich& s : z->striche) {
            const double r = Strichstaerke * s.breite / 2;
            u.dazu(x + mass * s.x1, y + mass * s.y1, r);
            u.dazu(x + mass * s.x2, y + mass * s.y2, r);
        }
        for (const Kreis& k : z->kreise) u.dazu(x + mass * k.x, y + mass * k.y, mass * k.r + Strichstaerke / 2);
        return u;
    }
};

Lage_Zeichnung platziert(const Bericht& b, const Zeichnung& z, const Seitenlage& lage) {
    const double schritt = z.zeilenschritt ? z.zeilenschritt : b.schriftgroesse * b.zeilenschritt_je_punkt;
    double y = z.y + z.zusatzzeilen * schritt;
    for (size_t i = 0; i < z.ueber_zeile && i < lage.mehr.size(); ++i) y += lage.mehr[i];
    return {&z, static_cast<double>(z.x), y};
}

// Between the lowest text above its line and the highest from its line on that share its
// width, at `abstand` from both: the nearest place to where it was meant to stand (made smaller
// first when it may be and the room is too low).
void in_den_Raum(Lage_Zeichnung& d, const std::vector<Gesetzt>& texte, double abstand) {
    for (int durchgang = 0; durchgang < 2; ++durchgang) {
        const Umfang u = d.umfang();
        if (u.leer()) return;
        double oben = -unbegrenzt, unten = unbegrenzt;
        for (const Gesetzt& g : texte) {
            const Textstueck& t = g.t;
            if (!g.sichtbar() || t.rechts <= u.x1 - abstand || t.links >= u.x2 + abstand) continue;
            if (g.zeile < d.z->ueber_zeile) oben = std::max(oben, t.unten + abstand);
            else unten = std::min(unten, t.oben - abstand);
        }
        const double hoehe = u.y2 - u.y1;
        if (d.z->einpassen && durchgang == 0 && unten - oben < hoehe && unten - oben > 0) {
            // smaller about the origin, then placed again
            const double s = (unten - oben) / hoehe;
            d.mass *= s;
            d.y = d.y + (u.y1 - d.y) * (1 - s);
            continue;
        }
        const double tief = u.y1 - d.y;  // from the origin to the drawing's top
        double y1 = std::clamp(u.y1, oben, std::max(oben, unten - hoehe));
        if (oben > unten - hoehe) y1 = (oben + unten - hoehe) / 2;
        d.y = y1 - tief;
        return;
    }
}

struct Ausdehnung {
    double links = unbegrenzt, rechts = -unbegrenzt, oben = unbegrenzt, unten = -unbegrenzt;
};

// What the scale must fit: the report's own texts and the drawings, not the users' texts.
Ausdehnung Ausdehnung_messen(const Bericht& b, const std::array<Seitenlage, 2>& lagen, Ausdehnung* seite1_oben,
                             std::array<double, 2>& unten) {
    Ausdehnung a;
    for (size_t s = 0; s < 2; ++s) {
        unten[s] = lagen[s].unten;
        for (const Gesetzt& g : lagen[s].texte) {
            if (!g.sichtbar()) continue;
            if (!g.frei) a.links = std::min(a.links, g.t.links), a.rechts = std::max(a.rechts, g.t.rechts);
            if (s == 0 && seite1_oben) seite1_oben->oben = std::min(seite1_oben->oben, g.t.oben);
        }
        for (const Zeichnung& z : b.seiten[s].zeichnungen) {
            const Umfang u = platziert(b, z, lagen[s]).umfang();
            if (u.leer()) continue;
            a.links = std::min(a.links, u.x1), a.rechts = std::max(a.rechts, u.x2);
            unten[s] = std::max(unten[s], u.y2);
        }
    }
    return a;
}

// Everything of one page moved to the device: x0 + k * x.
Satzseite Uebertragen(const Bericht& b, const Seite& s, const Seitenlage& lage, double k, double x0, double y0) {
    Satzseite aus;
    for (const Gesetzt& g : lage.texte) {
        if (!g.sichtbar()) continue;
        Textstueck t = g.t;
        t.x = x0 + k * t.x, t.grundlinie = y0 + k * t.grundlinie, t.punkt *= k;
        t.links = x0 + k * t.links, t.rechts = x0 + k * t.rechts;
        t.oben = y0 + k * t.oben, t.unten = y0 + k * t.unten;
        aus.texte.push_back(std::move(t));
    }
    for (const Zeichnung& z : s.zeichnungen) {
        Lage_Zeichnung d = platziert(b, z, lage);
        in_den_Raum(d, lage.texte, Abstand_Zeichnung / k);
        const auto px = [&](double x) { return x0 + k * (d.x + d.mass * x); };
        const auto py = [&](double y) { return y0 + k * (d.y + d.mass * y); };
        Satzzeichnung& sz = aus.zeichnungen.emplace_back();
        for (const Strich& st : z.striche)
            sz.striche.push_back({px(st.x1), py(st.y1), px(st.x2), py(st.y2), k * Strichstaerke * st.breite});
        for (const Kreis& kr : z.kreise) sz.kreise.push_back({px(kr.x), py(kr.y), k * d.mass * kr.r, k * Strichstaerke});
    }
    return aus;
}

}  // namespace

Satz Setzen(const Bericht& b, const Schriftmass& m) {
    std::array<Seitenlage, 2> lagen;
    for (size_t s = 0; s < 2; ++s) lagen[s] = Setzer(b, m, unbegrenzt).seite(b.seiten[s]);
    Ausdehnung kopf;
    std::array<double, 2> unten{};
    const Ausdehnung a = Ausdehnung_messen(b, lagen, &kopf, unten);
    const double breite = std::max(a.rechts - a.links, 1.0);

    Satz satz;
    satz.breite = b.papier ? A4_breite : Vorschau_breite;
    satz.hoehe = b.papier ? A4_hoehe : Vorschau_hoehe;
    // page 1's first line stands below the letterhead; page 2 keeps the same top
    const double oben = b.papier ? kopf.oben : 0;
    const double rechter_rand = (b.papier ? A4_breite - Rand : Vorschau_breite - Vorschau_rand) - Rand_Sicherheit;
    const double frei_breite = rechter_rand - (b.papier ? Rand_links : 0);
    const double frei_hoehe = b.papier ? A4_hoehe - Rand - Briefkopf : Vorschau_hoehe - Vorschau_rand;
    double k = std::min(1.0, frei_breite / (b.papier ? breite : std::max(a.rechts, 1.0)));
    for (int durchgang = 0; durchgang < 3; ++durchgang) {
        for (double u : unten) k = std::min(k, frei_hoehe / std::max(u - oben, 1.0));
        const double x_links =
            b.papier ? std::clamp(rechter_rand - k * breite, Rand_links, Rand_links_gern) - k * a.links : 0;
        const double y_oben = b.papier ? Briefkopf - k * oben : 0;
        const double rechts = (rechter_rand - x_links) / k;
        for (size_t s = 0; s < 2; ++s) lagen[s] = Setzer(b, m, rechts).seite(b.seiten[s]);
        Ausdehnung_messen(b, lagen, nullptr, unten);
        const bool passt = std::all_of(unten.begin(), unten.end(), [&](double u) { return k * (u - oben) <= frei_hoehe + 0.5; });
        if (passt || durchgang == 2) {
            satz.massstab = k;
            for (size_t s = 0; s < 2; ++s) satz.seiten[s] = Uebertragen(b, b.seiten[s], lagen[s], k, x_links, y_oben);
            break;
        }
    }
    return satz;
}

}  // namespace dkm::bericht
