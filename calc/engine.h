// The one front door of the calculation: the read inputs in, the numbers of the
// run out. It writes no text box, visibility or enabled flag; the behaviour
// layer's display step (bedienung/neuberechnung.h) shows what it finds.
#pragma once

#include <string>
#include <vector>

#include "calc/eingaben.h"
#include "calc/gesamtmasse.h"
#include "model/meldungen.h"
#include "model/rechenwerte.h"

namespace dkm {

// A message box the run raises, in the order it arises.
struct Laufmeldung {
    std::string titel, text;
};

struct Rechenlauf {
    // How far the run came: refused before the loads (an input or a product of inputs beyond
    // the range of the calculation), stopped after them (an internal gutter that cannot be
    // sized), or through. A run that does not come through ends with the message that says why.
    enum class Stand { abgelehnt, Lasten, fertig } stand = Stand::abgelehnt;
    std::vector<Laufmeldung> meldungen;

    // The loads always, once past `abgelehnt`; the sizing of the gutter kind only when `fertig`.
    Rechenwerte werte;
    // Total mode: the split of the totals. Single mode: the outlets the filled segments give
    // (none when TS 1 and TS 2 are empty: the arrangement stays as chosen).
    Aufteilung aufteilung;
    std::optional<Ablaufanordnung> Anordnung;

    // Inputs the run replaced, which go back into their fields: a rainfall of 0 by its default,
    // a ratio of 0 by 0.625, a bottom width of 0 or less by 300, a wall angle beyond 90 or of 0 or
    // less by 90, fewer than one overflow by one, a negative height correction by 0.
    bool r5_5_ersetzt = false, r5_100_ersetzt = false, Verhaeltnis_ersetzt = false, Rinnenbreite_ersetzt = false,
         Winkel_links_ersetzt = false, Winkel_rechts_ersetzt = false, Notueberlaeufe_ersetzt = false,
         Hoehenkorrektur_ersetzt = false;

    bool angehalten() const { return stand != Stand::fertig; }
    void melden(const Meldungstext& m) { meldungen.push_back({std::string(m.titel), std::string(m.text)}); }
    void anhalten(Stand s, const Meldungstext& m) {
        stand = s;
        melden(m);
    }
};

// The whole recalculation: loads, then the eaves sizing with the downpipes or the internal gutter.
Rechenlauf Berechnen(const Eingaben& e);

}  // namespace dkm
