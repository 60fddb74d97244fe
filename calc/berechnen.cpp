// The recalculation: the loads of every segment and outlet, then one sizing.
#include <algorithm>
#include <array>
#include <cmath>

#include "calc/engine.h"
#include "calc/innenrinne.h"
#include "calc/traufe.h"
#include "model/tabellen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

template <size_t N>
bool endlich(const std::array<float, N>& a) {
    return std::all_of(a.begin(), a.end(), [](float x) { return std::isfinite(x); });
}

// A rainfall value; 0 is replaced by its default, which goes back into the field.
bool Regen_lesen(double gelesen, float ersatz, float& wert, bool& ersetzt) {
    if (!Zahl_gueltig(gelesen)) return false;
    wert = static_cast<float>(gelesen);
    ersetzt = wert == 0;
    if (ersetzt) wert = ersatz;
    return true;
}

struct Anordnung_Zeile {
    Ablaufanordnung anordnung;
    int anzahl;
};
using enum Ablaufanordnung;
// By the first empty length after the first filled one (TS 2..8, 9 when none is empty).
constexpr std::array<Anordnung_Zeile, 10> Anordnung_ab_TS1 = {{{alle_innerhalb, 0}, {alle_innerhalb, 0},
                                                              {eine_Seite_aussen, 1}, {alle_innerhalb, 1},
                                                              {eine_Seite_aussen, 2}, {alle_innerhalb, 2},
                                                              {eine_Seite_aussen, 3}, {alle_innerhalb, 3},
                                                              {eine_Seite_aussen, 4}, {alle_innerhalb, 4}}};
constexpr std::array<Anordnung_Zeile, 10> Anordnung_ab_TS2 = {{{eine_Seite_aussen, 0}, {eine_Seite_aussen, 0},
                                                              {eine_Seite_aussen, 0}, {eine_Seite_aussen, 1},
                                                              {beidseits_aussen, 2}, {eine_Seite_aussen, 2},
                                                              {beidseits_aussen, 3}, {eine_Seite_aussen, 3},
                                                              {beidseits_aussen, 4}, {eine_Seite_aussen, 4}}};

// Single mode: the outlets the filled segments give; the arrangement stays when TS 1 and TS 2 are empty.
void Anordnung_ableiten(Rechenlauf& r, const std::array<float, 8>& L) {
    r.werte.Anzahl_Stutzen = 0;
    if (L[0] == 0 && L[1] == 0) return;
    const int erste = L[0] != 0 ? 1 : 2;
    int leer = erste + 1;
    while (leer <= 8 && L[static_cast<size_t>(leer - 1)] != 0) ++leer;
    const Anordnung_Zeile a = (erste == 1 ? Anordnung_ab_TS1 : Anordnung_ab_TS2)[static_cast<size_t>(leer)];
    r.Anordnung = a.anordnung;
    r.werte.Anzahl_Stutzen = a.anzahl;
}

// False when an input or a product of inputs lies beyond the input limit or the float range.
bool Lasten_rechnen(const Eingaben& e, Rechenlauf& r) {
    Lasten& l = r.werte;
    std::array<float, 8>&L = l.Laenge, &B = l.Breite, &Z = l.Zusatz_Flaeche, &A = l.Einzel_Flaeche;
    if (e.Eingabe_Art == Masseingabe::gesamt) {
        r.aufteilung = Aufteilung_rechnen(e.Gesamtlaenge, e.Gesamtflaeche, e.Anzahl_Stutzen, e.Anordnung);
        const Aufteilung& a = r.aufteilung;
        if (!Aufteilung_im_Bereich(a)) return false;
        for (int i = a.erste_ts; i <= a.letzte_ts; ++i) {
            L[static_cast<size_t>(i - 1)] = a.laenge_m;
            Z[static_cast<size_t>(i - 1)] = a.flaeche_m2;
        }
        A = Z;
        l.Gesamtlaenge = a.Gesamtlaenge;
        l.Gesamtflaeche = a.Gesamtflaeche;
        l.Anzahl_Stutzen = a.Anzahl_Stutzen;
        l.Anzahl_Teilstrecken = a.n;
    } else {
        L = e.segmente.Laenge;
        B = e.segmente.Breite;
        Z = e.segmente.Zusatz_Flaeche;
        for (size_t j = 0; j < 8; ++j) {
            A[j] = B[j] * L[j] + Z[j];
            l.Gesamtlaenge += L[j];
            l.Gesamtflaeche += A[j];
        }
        Anordnung_ableiten(r, L);
    }
    l.Abflussbeiwert = Abflussbeiwert_nach_Index(e.Abflussbeiwert_Index);
    if (!Regen_lesen(e.r5_5, 450, l.r5_5, r.r5_5_ersetzt)) return false;
    if (!Regen_lesen(e.r5_100, 800, l.r5_100, r.r5_100_ersetzt)) return false;
    l.Hindernisabzug = 2.0f * 100.0f * e.Hindernis_cm2;
    l.Sicherheitsfaktor = e.Sicherheitsfaktor;
    l.Bemessungsspende = l.Abflussbeiwert * l.r5_5 * l.Sicherheitsfaktor / 10000.0f;
    l.Notspende = l.Sicherheitsfaktor * l.r5_100 / 10000.0f;
    float summe_Q = 0, summe_Q100 = 0;
    for (size_t j = 0; j < 8; ++j) {
        l.Belast_Teilrinne[j] = l.Bemessungsspende * A[j];
        l.Belast_Jahrhundert[j] = l.Notspende * A[j];
        summe_Q += l.Belast_Teilrinne[j];
        summe_Q100 += l.Belast_Jahrhundert[j];
        if (!std::isfinite(1000.0f * L[j])) return false;  // the sizing works in mm
    }
    for (size_t k = 0; k < 4; ++k) {
        l.Flaeche_Fallrohr[k] = A[2 * k] + A[2 * k + 1];
        l.Belastung_Fallrohr[k] = l.Belast_Teilrinne[2 * k] + l.Belast_Teilrinne[2 * k + 1];
    }
    // The internal gutter also takes the total flows.
    const float gesamt_Q = l.Gesamtflaeche * l.Bemessungsspende, gesamt_Q100 = l.Gesamtflaeche * l.Notspende;
    const std::array<float, 10> einzeln = {l.Gesamtlaenge, l.Gesamtflaeche, l.Hindernisabzug, l.Bemessungsspende,
                                           l.Notspende,    summe_Q,         summe_Q100,       gesamt_Q,
                                           gesamt_Q100,    l.Sicherheitsfaktor};
    if (!endlich(einzeln) || !endlich(L) || !endlich(B) || !endlich(Z) || !endlich(A) || !endlich(l.Belast_Teilrinne) ||
        !endlich(l.Belast_Jahrhundert) || !endlich(l.Flaeche_Fallrohr) || !endlich(l.Belastung_Fallrohr))
        return false;
    for (size_t j = 0; j < 8; ++j)
        l.Teilstreckentabelle[j] = {L[j], A[j], l.Belast_Teilrinne[j], l.Belast_Jahrhundert[j], e.Winkelfaktor[j]};

    return endlich(e.Winkelfaktor) &&
           (e.Rinnenart == Rinne::innenliegend || Traufe_im_Bereich(e.Verhaeltnis_HB, l, e.Winkelfaktor));
}

}  // namespace

Rechenlauf Berechnen(const Eingaben& e) {
    Rechenlauf r;
    if (!Lasten_rechnen(e, r)) {
        r.anhalten(Rechenlauf::Stand::abgelehnt, meldung::zu_gross);
        return r;
    }
    r.stand = Rechenlauf::Stand::Lasten;
    if (e.Eingabe_Art == Masseingabe::gesamt && r.aufteilung.Option8_mit_einem_Ablauf) r.melden(meldung::nicht_passend);

    if (e.Rinnenart == Rinne::innenliegend) {
        Innenrinne_berechnen(e, r);
        return r;
    }
    Traufe_Werte& tw = r.werte.traufe;
    tw = Traufe_berechnen(r.werte, e.Verhaeltnis_HB, e.Schutzkorb);
    r.Verhaeltnis_ersetzt = e.Verhaeltnis_HB == 0 && std::any_of(tw.TS.begin(), tw.TS.end(), [](const Traufe_TS& t) {
                                return t.belastet;
                            });
    if (tw.Massfehler) r.melden(meldung::Massfehler);
    // A size from the step limit is no design: say so instead of showing it silently.
    if (tw.Suchgrenze) r.melden(meldung::Suchgrenze);
    Fallrohre_waehlen(tw, r.werte.Belastung_Fallrohr);
    r.stand = Rechenlauf::Stand::fertig;
    return r;
}

}  // namespace dkm
