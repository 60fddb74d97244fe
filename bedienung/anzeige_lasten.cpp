// The loads as the window shows them: areas and flows of segments and outlets, the
// segment sketch, the totals of single mode and the split of total mode.
#include <string>
#include <tuple>

#include "bedienung/anzeige.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

std::string zahl(long long n) { return Ganzzahltext(n); }

constexpr std::string_view Rinne_Anfang = "Die Rinnenabmes- sungen gelten auch für die hier nicht wiedergegebenen ";

// The two notes for segments and outlets beyond the eighth segment.
std::pair<std::string, std::string> Hinweise(const Aufteilung& a) {
    const long long n = static_cast<long long>(a.n);
    const int s = a.Anzahl_Stutzen;
    const std::string r(Rinne_Anfang);
    switch (a.Anordnung.value_or(Ablaufanordnung::alle_innerhalb)) {
    case Ablaufanordnung::alle_innerhalb:
        return {r + (s == 5 ? "Teilstrecken 9 und 10." : "Teilstrecken 9 bis " + zahl(n) + "."),
                s == 5   ? "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5."
                : s == 6 ? "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5 und 6."
                         : "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5 bis " + zahl(s) + "."};
    case Ablaufanordnung::eine_Seite_aussen:
        return {r + (s == 5 ? "Teilstrecken 8 und 9." : "Teilstrecken 8 bis " + zahl(n) + "."),
                s == 5   ? "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5."
                : s == 6 ? "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 und 6."
                         : "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 bis " + zahl(s) + "."};
    case Ablaufanordnung::beidseits_aussen:
        break;
    }
    return {r + (s == 5 ? "Teilstrecke 8." : "Teilstrecken 8 bis " + zahl(n) + "."),
            s == 5   ? "Die Maße von Ablauf 5  ensprechen Abfluss 1."
            : s == 6 ? "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5, Ablauf 6 enspricht Abfluss 1."
                     : "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 bis " + zahl(s - 1) + ", Ablauf " +
                           zahl(s) + " enspricht Abfluss 1."};
}

std::string gerundet_oder_leer(float wert) {
    std::string t = Zahlentext_gerundet(wert);
    if (Zahl_lesen(t) == 0) t.clear();
    return t;
}

void Pfeil(Zeichnung& z, double x1, double y1, double x2, double y2) {
    z.striche.push_back({x1, y1, x2, y2, 2});
    const double dx = x2 > x1 ? -80 : x2 < x1 ? 80 : 0;
    const double dy = y2 > y1 ? -80 : y2 < y1 ? 80 : 0;
    // the two barbs of the head, at right angles to each other
    z.striche.push_back({x2, y2, x2 + dx + dy, y2 + dy - dx, 2});
    z.striche.push_back({x2, y2, x2 + dx - dy, y2 + dy + dx, 2});
}

// The strip of segments: each loaded one outlined and labelled, its flow pointing to its outlet.
void Skizze_zeichnen(Formular& f, const std::array<float, 8>& A) {
    Zeichnung& z = f.Picture(37).zeichnung;
    z = {};
    z.breite = 8000;
    z.hoehe = 600;
    z.striche.reserve(56);
    z.texte.reserve(8);
    bool belastet = false;
    for (size_t j = 0; j < 8; ++j) {
        if (A[j] == 0) continue;
        belastet = true;
        const double x0 = 1000.0 * static_cast<double>(j);
        z.striche.push_back({x0 + 50, 200, x0 + 950, 200});
        z.striche.push_back({x0 + 950, 200, x0 + 950, 500});
        z.striche.push_back({x0 + 950, 500, x0 + 50, 500});
        z.striche.push_back({x0 + 50, 500, x0 + 50, 200});
        z.texte.push_back({x0 + 380, 40, "TS " + std::to_string(j + 1)});
        // odd segments drain to the outlet on their right, even ones to the left
        if (j % 2 == 0) Pfeil(z, x0 + 200, 350, x0 + 800, 350);
        else Pfeil(z, x0 + 800, 350, x0 + 200, 350);
    }
    if (belastet) f[V::Picture37] = true;
}

void Fallrohr_Marke(Formular& f, int k, bool belastet) {
    const V marke = static_cast<V>(static_cast<int>(V::Picture43) + k);
    f[marke] = belastet;
    Zeichnung& z = f.Picture(43 + k).zeichnung;
    z = {};
    if (!belastet) return;
    z.breite = 300;
    z.hoehe = 400;
    Pfeil(z, 150, 40, 150, 360);
}

std::string Muster_oder_leer(float wert, bool zeigen, std::string_view muster, const Formular& f) {
    return zeigen ? Muster(wert, muster, f.dezimaltrenner) : std::string();
}

S Option(Ablaufanordnung a) {
    switch (a) {
    case Ablaufanordnung::alle_innerhalb: return S::Option6;
    case Ablaufanordnung::eine_Seite_aussen: return S::Option7;
    case Ablaufanordnung::beidseits_aussen: break;
    }
    return S::Option8;
}

}  // namespace

void Aufteilung_anwenden(Formular& f, const Aufteilung& a) {
    f[V::Text28] = false;
    f[V::Text29] = false;
    f[T::Text28].clear();
    f[T::Text29].clear();
    Rechenwerte& w = f.werte;
    for (int i = 1; i <= 8; ++i) {
        f[Laenge(i)].clear();
        f[Breite(i)].clear();
        f[Zusatz_Flaeche(i)].clear();
        const size_t j = static_cast<size_t>(i - 1);
        w.Laenge[j] = w.Breite[j] = w.Zusatz_Flaeche[j] = 0;
    }
    w.Gesamtlaenge = a.Gesamtlaenge;
    w.Gesamtflaeche = a.Gesamtflaeche;
    w.Anzahl_Stutzen = a.Anzahl_Stutzen;
    w.Anzahl_Teilstrecken = a.n;

    // The fields show the rounded split; the calculation keeps the exact one.
    const std::string laenge = Zahlentext_gerundet(a.laenge_m);
    const std::string flaeche = Zahlentext_gerundet(a.flaeche_m2);
    for (int i = a.erste_ts; i <= a.letzte_ts; ++i) {
        const size_t j = static_cast<size_t>(i - 1);
        w.Laenge[j] = a.laenge_m;
        w.Zusatz_Flaeche[j] = a.flaeche_m2;
        f[Laenge(i)] = laenge;
        f[Zusatz_Flaeche(i)] = flaeche;
    }
    if (a.hinweise) {
        std::tie(f[T::Text28], f[T::Text29]) = Hinweise(a);
        f[V::Text28] = true;
        f[V::Text29] = true;
    }
}

void Lasten_zeigen(Formular& f, const Rechenlauf& r) {
    const Lasten& l = r.werte;
    f[V::Frame2] = true;
    f[V::Frame8] = false;
    f[A::Command14] = false;
    f[A::Command15] = true;

    if (Ist_gesamt(f)) {
        Aufteilung_anwenden(f, r.aufteilung);
    } else {
        f[T::Text25] = gerundet_oder_leer(l.Gesamtlaenge);
        f[T::Text26] = gerundet_oder_leer(l.Gesamtflaeche);
        if (r.Anordnung) {
            f[S::Option6] = f[S::Option7] = f[S::Option8] = false;
            f[Option(*r.Anordnung)] = true;
        }
        f[T::Text27] = l.Anzahl_Stutzen == 0 ? std::string() : Zahlentext(static_cast<float>(l.Anzahl_Stutzen));
    }
    for (int i = 1; i <= 8; ++i) {
        const float a = l.Einzel_Flaeche[static_cast<size_t>(i - 1)];
        f[Einzel_Flaeche(i)] = Muster_oder_leer(a, a != 0, "0.00 m²", f);
    }

    f.Abflussbeiwert = l.Abflussbeiwert;
    if (r.r5_5_ersetzt) f[T::r5_5] = Zahlentext15(l.r5_5);
    if (r.r5_100_ersetzt) f[T::r5_100] = Zahlentext15(l.r5_100);
    f.Sicherheitsfaktor = l.Sicherheitsfaktor;
    for (int i = 1; i <= 8; ++i) {
        const size_t j = static_cast<size_t>(i - 1);
        f[Belast_Teilrinne(i)] = Muster_oder_leer(l.Belast_Teilrinne[j], l.Einzel_Flaeche[j] != 0, "0.00 l/s", f);
    }
    Skizze_zeichnen(f, l.Einzel_Flaeche);

    for (int k = 1; k <= 4; ++k) {
        const size_t j = static_cast<size_t>(k - 1);
        const bool belastet = l.Einzel_Flaeche[2 * j] != 0 || l.Einzel_Flaeche[2 * j + 1] != 0;
        f[Flaeche_Fallrohr(k)] = Muster_oder_leer(l.Flaeche_Fallrohr[j], l.Flaeche_Fallrohr[j] != 0, "0.00 m²", f);
        f[Belastung_Fallrohr(k)] = Muster_oder_leer(l.Belastung_Fallrohr[j], belastet, "0.00 l/s", f);
        Fallrohr_Marke(f, k - 1, l.Belastung_Fallrohr[j] != 0);
    }
}

}  // namespace dkm
