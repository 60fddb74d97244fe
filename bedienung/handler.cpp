// Leave, option, check box and list handlers of the main window.
#include "bedienung/handler.h"

#include <string>

#include "bedienung/eingabeart.h"
#include "bedienung/neuberechnung.h"
#include "model/bild.h"
#include "model/tabellen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

bool laedt(const Formular& f) { return f.Ladevorgang; }
bool zahl_da(const Formular& f, T t) { return Zahl_lesen(f[t]) != 0; }
bool gesamtmasse_da(const Formular& f) {
    return zahl_da(f, T::Text25) && zahl_da(f, T::Text26) && zahl_da(f, T::Text27);
}
bool ein_abfluss(const Formular& f) { return Ganzzahl(Zahl_lesen(f[T::Text27])) == 1; }

void nicht_passend(Dialoge& d) { d.meldung(meldung::nicht_passend); }

// Total mode: spread the totals and recalculate, without the completeness check.
void Gesamt_neu(Formular& f, Dialoge& d) {
    Gesamtmasse_aufteilen(f);
    Neuberechnung(f, d);
}

bool zwischen(T t, T erstes, T letztes) {
    return static_cast<int>(t) >= static_cast<int>(erstes) && static_cast<int>(t) <= static_cast<int>(letztes);
}

const S gruppen[][3] = {{S::Option1, S::Option2, S::Option2},
                        {S::Option3, S::Option4, S::Option5},
                        {S::Option6, S::Option7, S::Option8},
                        {S::Option10, S::Option11, S::Option11}};

const S* gruppe_von(S s) {
    for (const auto& g : gruppen)
        for (S x : g)
            if (x == s) return g;
    return nullptr;
}

S gewaehlt(const Formular& f, const S* g, S sonst) {
    for (int i = 0; i < 3; ++i)
        if (f[g[i]]) return g[i];
    return sonst;
}


void Ueberlauf_faerben(Formular& f, int dunkel) {
    for (int n : {25, 26, 27}) f.Picture(n).vordergrund = n == dunkel ? Farbe_dunkelblau : Farbe_hellgrau;
}

// Handlers that refuse while the height correction is open reselect `zurueck`.
bool Korrektur_verweigert(Formular& f, Dialoge& d, const Meldungstext& meldung, S zurueck) {
    if (f.aktiver_Modus != Modus::Korrektur) return false;
    d.meldung(meldung);
    Option_waehlen(f, zurueck);
    return true;
}

void Option_Handler(Formular& f, Dialoge& d, S option, S vorher) {
    switch (option) {
    case S::Option1:
        if (Korrektur_verweigert(f, d, meldung::Korrektur_offen_vorgehaengt, S::Option2))
            return;
        f[V::Rinne_vorgeh_einzel] = true;
        f[V::Rinnen_innenliegend] = false;
        break;
    case S::Option2:
        f[V::Rinnen_innenliegend] = true;
        f[V::Rinne_vorgeh_einzel] = false;
        break;
    case S::Option3:
        if (Korrektur_verweigert(f, d, meldung::Korrektur_offen_beidseits, S::Option5))
            return;
        Ueberlauf_faerben(f, 27);
        break;
    case S::Option4:
        if (Korrektur_verweigert(f, d, meldung::Korrektur_offen_eine_Seite, S::Option5))
            return;
        Ueberlauf_faerben(f, 26);
        break;
    case S::Option5:
        Ueberlauf_faerben(f, 25);
        if (f[T::Text30].empty()) f[T::Text30] = "1";
        break;
    case S::Option6:
    case S::Option7:
    case S::Option8:
        if (!Ist_gesamt(f) || !gesamtmasse_da(f)) return;
        if (option == S::Option8 && ein_abfluss(f)) {
            nicht_passend(d);
            // the one-outlet arrangement on both ends has no segments to divide into
            Option_waehlen(f, vorher);
            return;
        }
        Gesamt_neu(f, d);
        return;
    default:
        return;
    }
    Pruefen_und_berechnen(f, d);
}

}  // namespace

void Feld_verlassen(Formular& f, Dialoge& d, T feld) {
    if (zwischen(feld, T::Laenge_1, T::Laenge_8)) {
        Eingabepruefung(f);
        if (f.Masse_vollstaendig) Neuberechnung(f, d);
    } else if (zwischen(feld, T::Breite_1, T::Zusatz_Flaeche_8)) {
        Eingabepruefung(f);
        if (f.Masse_vollstaendig) Neuberechnung(f, d);
        else d.piepton();
    } else if (feld == T::r5_5 || feld == T::r5_100 || zwischen(feld, T::Text1, T::Text5) || feld == T::Text30) {
        Pruefen_und_berechnen(f, d);
    } else if (zwischen(feld, T::Text25, T::Text27)) {
        // in single mode the totals are locked; spreading them would overwrite the segments
        if (!Ist_gesamt(f) || !gesamtmasse_da(f)) return;
        if (ein_abfluss(f) && f[S::Option8]) {
            nicht_passend(d);
            return;
        }
        Gesamt_neu(f, d);
    }
}

void Command11_verlassen(Formular& f, Dialoge& d) { Pruefen_und_berechnen(f, d); }

void Option_Click(Formular& f, Dialoge& d, S option) {
    const S* g = gruppe_von(option);
    if (!g) return;
    // the mode switch selects its buttons itself, as the mode it ends in
    if (option == S::Option10) return Option10_Click(f, d);
    if (option == S::Option11) return Option11_Click(f, d);
    const S vorher = gewaehlt(f, g, option);
    Option_waehlen(f, option);
    if (laedt(f)) return;
    Option_Handler(f, d, option, vorher);
}

void Check_Click(Formular& f, Dialoge& d, S check, bool an) {
    f[check] = an;
    if (laedt(f)) return;
    if (check == S::Check_Schutzkorb) {
        Eingabepruefung(f);
        if (!f.Masse_vollstaendig) {
            Masse_fehlen_Meldung(d);
            return;
        }
        f[V::Label14] = an;
        Neuberechnung(f, d);
        return;
    }
    for (int i = 1; i <= 8; ++i)
        if (Check(i) == check) Winkelfaktor_setzen(f, i, Winkelfaktor_nach_Check(f, i));
    Pruefen_und_berechnen(f, d);
}

void Liste_Click(Formular& f, Dialoge& d, L liste, int index) {
    Liste& l = f[liste];
    l.index = index;
    switch (liste) {
    case L::Combo_Abfl_beiwert:
        if (index >= 0 && index < static_cast<int>(Abflussbeiwerte.size()))
            l.text = Abflussbeiwerte[static_cast<size_t>(index)].text;
        if (laedt(f)) return;
        f.Abflussbeiwert = Abflussbeiwert_nach_Index(index);
        break;
    case L::Combo_Diff_Notueberl:
        if (index >= 0 && index < static_cast<int>(Notueberlauf_Regen_Liste.size()))
            l.text = Notueberlauf_Regen_Liste[static_cast<size_t>(index)];
        if (laedt(f)) return;
        break;
    case L::Combo_Schutzfaktor:
        if (index >= 0 && index < static_cast<int>(Schutzfaktoren.size())) {
            l.text = Schutzfaktoren[static_cast<size_t>(index)].text;
            f.Sicherheitsfaktor = Schutzfaktoren[static_cast<size_t>(index)].f;
        }
        break;
    case L::Combo_Wahl_Regensp:
        if (index >= 0 && index < static_cast<int>(Orte.size())) {
            const Ort& o = Orte[static_cast<size_t>(index)];
            l.text = o.name;
            f[T::r5_5] = Zahlentext15(o.r5_5);
            f[T::r5_100] = Zahlentext15(o.r5_100);
        }
        break;
    default:
        return;
    }
    Pruefen_und_berechnen(f, d);
}

void Option_waehlen(Formular& f, S option) {
    if (const S* g = gruppe_von(option))
        for (int i = 0; i < 3; ++i) f[g[i]] = false;
    f[option] = true;
}

}  // namespace dkm
