// The resets of project data and values.
#include "bedienung/ruecksetzen.h"

#include <string>

#include "bedienung/eingabeart.h"
#include "bedienung/handler.h"
#include "bedienung/modus.h"
#include "bedienung/projektstand.h"
#include "bedienung/neuberechnung.h"
#include "model/tabellen.h"

namespace dkm {

void Projektdaten_zuruecksetzen(Formular& f) {
    for (T t : {T::Bauherr, T::strasse, T::PLZ_Ort, T::Telef, T::Fax, T::Bemerkungen}) f[t].clear();
}

namespace {

// Setting a value fires the control's handler only when the value changes.
void setzen_wie_klick(Formular& f, Dialoge& d, S option) {
    if (!f[option]) Option_Click(f, d, option);
}
void loeschen_wie_klick(Formular& f, Dialoge& d, S check) {
    if (f[check]) Check_Click(f, d, check, false);
}

}  // namespace

void Werte_zuruecksetzen(Formular& f, Dialoge& d) {
    // Single mode and empty totals before anything else: the option and check
    // handlers fired below recalculate, and in total mode they would spread the
    // old totals over the segments again (and ask about the outlets beyond four).
    Eingabe_Art_setzen(f, Masseingabe::einzel);
    Panel_einzel(f);
    f[T::Text25].clear();
    f[T::Text26].clear();
    f[T::Text27].clear();
    // "Alle Maße und Vorgaben werden gelöscht": the gutter height too
    f.Hoehenkorrektur = 0;
    f[A::Command30] = false;

    f[L::Combo_Wahl_Regensp] = {std::string(Ort_Starttext), -1};
    f[T::r5_5] = "400";
    f[T::r5_100] = "800";
    f[L::Combo_Abfl_beiwert].text = Abflussbeiwerte[0].text;
    f[L::Combo_Diff_Notueberl].text = Notueberlauf_Regen_Liste[0];
    for (int i = 1; i <= 8; ++i) {
        f[Laenge(i)].clear();
        f[Breite(i)].clear();
        f[Zusatz_Flaeche(i)].clear();
    }
    f[T::Text1].clear();
    setzen_wie_klick(f, d, S::Option1);
    f[L::Combo_Schutzfaktor] = {std::string(Schutzfaktoren[0].text), 0};
    f[T::Text5].clear();
    f[T::Text2] = "200";
    f[T::Text3].clear();
    f[T::Text4].clear();
    setzen_wie_klick(f, d, S::Option3);
    loeschen_wie_klick(f, d, S::Check_Schutzkorb);
    for (int i = 1; i <= 8; ++i) loeschen_wie_klick(f, d, Check(i));
    setzen_wie_klick(f, d, S::Option6);
    Liste_Click(f, d, L::Combo_Diff_Notueberl, 0);
    Liste_Click(f, d, L::Combo_Abfl_beiwert, 0);
    f[T::Text30] = "1";
    f[V::Picture37] = false;
    Neuberechnung(f, d);
}

namespace {

bool Ruecksetzen_erlaubt(Formular& f, Dialoge& d, meldung::Befehl befehl, const Meldungstext& bestaetigung) {
    return Leitfaden_Konflikt(f, d, befehl) && d.frage(bestaetigung);
}

}  // namespace

void Command9_Click(Formular& f, Dialoge& d) {
    if (!Ruecksetzen_erlaubt(f, d, meldung::Befehl::Projektdaten_zuruecksetzen, meldung::Projektdaten_loeschen))
        return;
    Projektdaten_zuruecksetzen(f);
}

void Command1_Click(Formular& f, Dialoge& d) {
    if (!Ruecksetzen_erlaubt(f, d, meldung::Befehl::Werte_zuruecksetzen, meldung::Rinnenmasse_loeschen)) return;
    Werte_zuruecksetzen(f, d);
}

void Command7_Click(Formular& f, Dialoge& d) {
    if (!Leitfaden_Konflikt(f, d, meldung::Befehl::neues_Projekt)) return;
    // what was loaded or saved as it stands is not lost: no question then
    if (Projekt_geaendert(f) && !d.frage(meldung::Projekt_neu)) return;
    f[V::Label4] = false;
    f[V::Text24] = false;
    Projektdaten_zuruecksetzen(f);
    Werte_zuruecksetzen(f, d);
    Stand_merken(f);
}

}  // namespace dkm
