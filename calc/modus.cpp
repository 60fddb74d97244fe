#include "calc/modus.h"

#include <string>

#include "calc/engine.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

constexpr std::string_view Einzel_Titel = "Auf Einzelwerte umschalten";
constexpr std::string_view Einzel_Text =
    "Mit Einzelmaßen können maximal 4 Abflüsse berechnet werden. Es werden nur die auf dem Monitor angezeigten "
    "Teilstrecken berücksichtigt. Die weiteren angegebenen Abflüsse/Teilstrecken werden beim Umschalten "
    "´abgeschnitten´. In Ordnung?";
constexpr std::string_view Gesamt_Titel = "Auf Gesamtwerte umschalten";
constexpr std::string_view Gesamt_Text =
    "Bereits eingegebene, unterschiedlich lange Teilstrecken werden addiert und die Gesamtlänge auf die Abläufe "
    "gleichmäßig verteilt. Ebenso werden alle Einzelflächen zu den Teilstrecken (auch wenn sie durch verschiedene "
    "Dachbreiten oder Zusatzflächen unterschiedlich sind) addiert, umgerechnet und den Teilstrecken zugeordnet "
    "(also auch gleichmäßig ´verteilt´). In Ordnung?";

void Modus_waehlen(Formular& f, bool einzel) {
    f[S::Option10] = einzel;
    f[S::Option11] = !einzel;
}

}  // namespace

void Panel_einzel(Formular& f) {
    for (A a : {A::Option6, A::Option7, A::Option8}) f[a] = false;
    f[V::Text28] = false;
    f[V::Text29] = false;
}

void Panel_gesamt(Formular& f) {
    for (A a : {A::Option6, A::Option7, A::Option8}) f[a] = true;
}

void Option10_Click(Formular& f, Dialoge& d) {
    const int stutzen = f.werte.Anzahl_Stutzen;
    if (f.Eingabe_Art == "gesamt" && stutzen >= 5 &&
        !d.frage(std::string(Einzel_Titel), std::string(Einzel_Text))) {
        Modus_waehlen(f, false);
        return;
    }
    Modus_waehlen(f, true);
    f.Eingabe_Art = "einzel";
    Panel_einzel(f);
    if (stutzen > 4) {
        Eingabepruefung(f);
        if (f.Masse_vollstaendig != nein) Neuberechnung(f, d);
        else d.piepton();
    }
}

void Option11_Click(Formular& f, Dialoge& d) {
    const auto& flaeche = f.werte.Einzel_Flaeche;
    if (f.Eingabe_Art == "einzel" && (flaeche[0] != 0 || flaeche[1] != 0) &&
        !d.frage(std::string(Gesamt_Titel), std::string(Gesamt_Text))) {
        Modus_waehlen(f, true);
        return;
    }
    Modus_waehlen(f, false);
    f.Eingabe_Art = "gesamt";
    Panel_gesamt(f);
    if (Zahl_lesen(f[T::Text25]) != 0 && Zahl_lesen(f[T::Text26]) != 0 && Zahl_lesen(f[T::Text27]) != 0) {
        Gesamtmasse_aufteilen(f);
        Neuberechnung(f, d);
    }
}

}  // namespace dkm
