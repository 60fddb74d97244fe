#include "calc/gesamtmasse.h"

#include <algorithm>
#include <cmath>

#include "calc/engine.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

constexpr std::string_view Rinne_Anfang = "Die Rinnenabmes- sungen gelten auch für die hier nicht wiedergegebenen ";

std::string zahl(long long n) { return Ganzzahltext(n); }

// The two notes for segments and outlets beyond the eighth segment.
void Hinweise(Aufteilung& a, int arrangement) {
    const long long n = static_cast<long long>(a.n);
    const int s = a.Anzahl_Stutzen;
    std::string r(Rinne_Anfang);
    if (arrangement == 6) {
        a.Text28 = r + (s == 5 ? "Teilstrecken 9 und 10." : "Teilstrecken 9 bis " + zahl(n) + ".");
        a.Text29 = s == 5 ? "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5."
                 : s == 6 ? "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5 und 6."
                          : "Die Maße der Abläufe 1 bis 4 gelten auch für Ablauf 5 bis " + zahl(s) + ".";
    } else if (arrangement == 7) {
        a.Text28 = r + (s == 5 ? "Teilstrecken 8 und 9." : "Teilstrecken 8 bis " + zahl(n) + ".");
        a.Text29 = s == 5 ? "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5."
                 : s == 6 ? "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 und 6."
                          : "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 bis " + zahl(s) + ".";
    } else {
        a.Text28 = r + (s == 5 ? "Teilstrecke 8." : "Teilstrecken 8 bis " + zahl(n) + ".");
        a.Text29 = s == 5 ? "Die Maße von Ablauf 5  ensprechen Abfluss 1."
                 : s == 6 ? "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5, Ablauf 6 enspricht Abfluss 1."
                          : "Die Maße der Abläufe 2 bis 4 gelten auch für Ablauf 5 bis " + zahl(s - 1) + ", Ablauf " +
                                zahl(s) + " enspricht Abfluss 1.";
    }
}

}  // namespace

Aufteilung Aufteilung_rechnen(const Formular& f) {
    Aufteilung a;
    a.Gesamtlaenge = Einzelwert(f[T::Text25]);
    a.Gesamtflaeche = Einzelwert(f[T::Text26]);
    const auto anzahl = Ganzzahl16(Zahl_lesen(f[T::Text27]));
    a.Anzahl_lesbar = anzahl.has_value();
    a.Anzahl_Stutzen = anzahl.value_or(0);
    const float s = static_cast<float>(a.Anzahl_Stutzen);

    // No arrangement chosen (a project file with an unknown text): nothing to place.
    int arrangement = 0;
    if (f[S::Option6]) arrangement = 6, a.n = 2 * s;
    else if (f[S::Option7]) arrangement = 7, a.n = 2 * s - 1;
    else if (f[S::Option8]) arrangement = 8, a.n = 2 * s - 2;
    a.Option8_mit_einem_Ablauf = arrangement == 8 && a.Anzahl_Stutzen == 1;
    // One outlet at both gutter ends leaves no segment to divide by: the gutter has none.
    if (arrangement == 0 || !(a.n > 0)) return a;

    a.laenge_m = a.Gesamtlaenge / a.n;
    a.flaeche_m2 = a.Gesamtflaeche / a.n;
    const int n = static_cast<int>(std::min(a.n, 8.0f));
    if (arrangement == 6) {
        a.erste_ts = 1;
        a.letzte_ts = n;
        a.hinweise = a.n > 8;
    } else {
        a.erste_ts = 2;
        a.letzte_ts = std::min(n + 1, 8);
        a.hinweise = a.n > (arrangement == 7 ? 7 : 6);
    }
    if (a.hinweise) Hinweise(a, arrangement);
    return a;
}

bool Aufteilung_im_Bereich(const Aufteilung& a) {
    return a.Anzahl_lesbar && std::isfinite(a.Gesamtlaenge) && std::isfinite(a.Gesamtflaeche) &&
           std::isfinite(a.laenge_m) && std::isfinite(a.flaeche_m2);
}

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
        f[T::Text28] = a.Text28;
        f[T::Text29] = a.Text29;
        f[V::Text28] = true;
        f[V::Text29] = true;
    }
}

void Gesamtmasse_aufteilen(Formular& f) {
    const Aufteilung a = Aufteilung_rechnen(f);
    // Out of range: left alone; the recalculation that follows refuses the run with a message.
    if (Aufteilung_im_Bereich(a)) Aufteilung_anwenden(f, a);
}

}  // namespace dkm
