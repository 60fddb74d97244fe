// Laying out the report: drawings kept in the room their lines leave, both pages
// at one scale on the sheet or in the preview box.
#include "report/satz.h"

#include <algorithm>
#include <cmath>

#include "report/satz_zeilen.h"

namespace dkm::bericht {

namespace {

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
Ausdehnung Ausdehnung_messen(const Bericht& b, const std::vector<const Seite*>& seiten,
                             const std::vector<Seitenlage>& lagen, Ausdehnung* seite1_oben, std::vector<double>& unten) {
    Ausdehnung a;
    unten.assign(lagen.size(), 0);
    for (size_t s = 0; s < lagen.size(); ++s) {
        unten[s] = lagen[s].unten;
        for (const Gesetzt& g : lagen[s].texte) {
            if (!g.sichtbar()) continue;
            if (!g.frei) a.links = std::min(a.links, g.t.links), a.rechts = std::max(a.rechts, g.t.rechts);
            if (s == 0 && seite1_oben) seite1_oben->oben = std::min(seite1_oben->oben, g.t.oben);
        }
        for (const Zeichnung& z : seiten[s]->zeichnungen) {
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

namespace {

// Pages laid out with one scale: 1 while their own lines fit, else the factor that makes the widest
// or longest fit. Pages 1 and 2 start below the letterhead, the record's pages at the top margin.
double Gruppe_setzen(const Bericht& b, const Schriftmass& m, const std::vector<size_t>& nummern, bool briefkopf,
                     Satz& satz) {
    std::vector<const Seite*> seiten;
    for (size_t i : nummern) seiten.push_back(&b.seiten[i]);
    std::vector<Seitenlage> lagen(seiten.size());
    for (size_t s = 0; s < lagen.size(); ++s) lagen[s] = Zeilen_setzen(b, m, *seiten[s], unbegrenzt);
    Ausdehnung kopf;
    std::vector<double> unten;
    const Ausdehnung a = Ausdehnung_messen(b, seiten, lagen, &kopf, unten);
    const double breite = std::max(a.rechts - a.links, 1.0);

    // the first page's first line stands below the letterhead (or the top margin); the others keep that top
    const double oben = b.papier ? kopf.oben : 0;
    const double kopfraum = briefkopf ? Briefkopf : Rand;
    const double rechter_rand = (b.papier ? A4_breite - Rand : Vorschau_breite - Vorschau_rand) - Rand_Sicherheit;
    const double frei_breite = rechter_rand - (b.papier ? Rand_links : 0);
    const double frei_hoehe = b.papier ? A4_hoehe - Rand - kopfraum : Vorschau_hoehe - Vorschau_rand;
    double k = std::min(1.0, frei_breite / (b.papier ? breite : std::max(a.rechts, 1.0)));
    for (int durchgang = 0; durchgang < 3; ++durchgang) {
        for (double u : unten) k = std::min(k, frei_hoehe / std::max(u - oben, 1.0));
        const double x_links =
            b.papier ? std::clamp(rechter_rand - k * breite, Rand_links, Rand_links_gern) - k * a.links : 0;
        const double y_oben = b.papier ? kopfraum - k * oben : 0;
        const double rechts = (rechter_rand - x_links) / k;
        for (size_t s = 0; s < lagen.size(); ++s) lagen[s] = Zeilen_setzen(b, m, *seiten[s], rechts);
        Ausdehnung_messen(b, seiten, lagen, nullptr, unten);
        const bool passt = std::all_of(unten.begin(), unten.end(), [&](double u) { return k * (u - oben) <= frei_hoehe + 0.5; });
        if (passt || durchgang == 2) {
            for (size_t s = 0; s < lagen.size(); ++s)
                satz.seiten[nummern[s]] = Uebertragen(b, *seiten[s], lagen[s], k, x_links, y_oben);
            break;
        }
    }
    return k;
}

Textstueck Fussstueck(std::string text, double x, double breite, const Schriftmass& m) {
    Textstueck t;
    t.text = std::move(text);
    t.x = t.links = x;
    t.rechts = x + breite;
    t.grundlinie = A4_hoehe - Fusszeile_Grundlinie;
    t.punkt = Fusszeile_Punkt;
    t.oben = t.grundlinie - m.oberlaenge(Fusszeile_Punkt);
    t.unten = t.grundlinie + m.unterlaenge(Fusszeile_Punkt);
    return t;
}

// Shortened with "…" to `hoechstens` twips, whole characters only.
std::string Gekuerzt(std::string text, double hoechstens, const Schriftmass& m) {
    if (m.breite(text, Fusszeile_Punkt, false) <= hoechstens) return text;
    while (!text.empty() && m.breite(text + "\u2026", Fusszeile_Punkt, false) > hoechstens) {
        text.pop_back();
        while (!text.empty() && (static_cast<unsigned char>(text.back()) & 0xC0) == 0x80) text.pop_back();
        if (!text.empty() && static_cast<unsigned char>(text.back()) >= 0xC0) text.pop_back();
    }
    return text + "\u2026";
}

// Program, "Seite x von y" and the issuer below the bottom margin of every sheet.
void Fusszeilen(const Bericht& b, const Schriftmass& m, Satz& satz) {
    const double links = Rand_links, rechts = A4_breite - Rand, drittel = (rechts - links) / 3;
    const std::string von = " von " + std::to_string(satz.seiten.size());
    for (size_t i = 0; i < satz.seiten.size(); ++i) {
        auto& texte = satz.seiten[i].texte;
        const std::string programm = Gekuerzt(b.dokument.programm, drittel, m);
        texte.push_back(Fussstueck(programm, links, m.breite(programm, Fusszeile_Punkt, false), m));
        const std::string seite = "Seite " + std::to_string(i + 1) + von;
        const double sb = m.breite(seite, Fusszeile_Punkt, false);
        texte.push_back(Fussstueck(seite, (links + rechts - sb) / 2, sb, m));
        if (b.dokument.aussteller.empty()) continue;
        const std::string aussteller = Gekuerzt(b.dokument.aussteller, drittel - 200, m);
        const double ab = m.breite(aussteller, Fusszeile_Punkt, false);
        texte.push_back(Fussstueck(aussteller, rechts - ab, ab, m));
    }
}

}  // namespace

Satz Setzen(const Bericht& b, const Schriftmass& m) {
    Satz satz;
    satz.breite = b.papier ? A4_breite : Vorschau_breite;
    satz.hoehe = b.papier ? A4_hoehe : Vorschau_hoehe;
    satz.seiten.resize(b.seiten.size());
    std::vector<size_t> bericht, nachweis;
    for (size_t i = 0; i < b.seiten.size(); ++i) (b.seiten[i].nachweis ? nachweis : bericht).push_back(i);
    satz.massstab = Gruppe_setzen(b, m, bericht, true, satz);
    if (!nachweis.empty()) Gruppe_setzen(b, m, nachweis, false, satz);
    if (b.papier) Fusszeilen(b, m, satz);
    return satz;
}

}  // namespace dkm::bericht
