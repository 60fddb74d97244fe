// The smaller commands: panels, own values, printer panel, help switch.
#include "bedienung/befehle.h"

#include "bedienung/neuberechnung.h"
#include "model/startzustand.h"
#include "model/zahlen.h"

namespace dkm {

void Command14_Click(Formular& f) {
    f[V::Frame2] = true;
    f[V::Frame8] = false;
    f[A::Command14] = false;
    f[A::Command15] = true;
}

void Command15_Click(Formular& f) {
    f[V::Frame8] = true;
    f[V::Frame2] = false;
    f[A::Command14] = true;
    f[A::Command15] = false;
}

void Command18_Click(Formular& f, Dialoge& d) { Pruefen_und_berechnen(f, d); }

void Command22_Click(Formular& f, const Eigene_Orte* orte) {
    if (f.Eigenwerte_offen) {
        Command23_Click(f);
        return;
    }
    f.Eigenwerte_offen = true;
    f[V::Frame9] = true;
    if (!orte) return;
    f.eigene_orte = *orte;
    Eigene_Orte_anzeigen(f, *orte);
}

void Command23_Click(Formular& f) {
    f.Eigenwerte_offen = false;
    f[V::Frame9] = false;
}

namespace {
T Eigenwert_Feld(int zeile, int spalte) {
    return static_cast<T>(static_cast<int>(T::Text9) + 3 * (zeile - 1) + spalte);
}
}  // namespace

Eigene_Orte Eigene_Orte_aus_Formular(const Formular& f) {
    Eigene_Orte orte;
    for (int k = 1; k <= 5; ++k) {
        Eigener_Ort& o = orte[static_cast<size_t>(k - 1)];
        o.name = f[Eigenwert_Feld(k, 0)];
        o.r5_5 = Einzelwert(f[Eigenwert_Feld(k, 1)]);
        o.r5_100 = Einzelwert(f[Eigenwert_Feld(k, 2)]);
    }
    return orte;
}

void Uebernehmen_Click(Formular& f, Dialoge& d, int zeile,
                       const std::function<void(const Eigene_Orte&)>& speichern) {
    if (zeile < 1 || zeile > 5) return;
    f[L::Combo_Wahl_Regensp] = {f[Eigenwert_Feld(zeile, 0)], -1};
    f[T::r5_5] = f[Eigenwert_Feld(zeile, 1)];
    f[T::r5_100] = f[Eigenwert_Feld(zeile, 2)];
    f.eigene_orte = Eigene_Orte_aus_Formular(f);
    if (speichern) speichern(f.eigene_orte);
    Command23_Click(f);
    Neuberechnung(f, d);
}

namespace {
constexpr T Ausstellerfelder[] = {T::Aussteller_Name, T::Aussteller_Strasse, T::Aussteller_Ort, T::Aussteller_Telefon};
constexpr std::string Aussteller::*Ausstellerteile[] = {&Aussteller::name, &Aussteller::strasse, &Aussteller::ort,
                                                         &Aussteller::telefon};
}  // namespace

void Command19_Click(Formular& f, const std::function<void(Druckwerte&, Aussteller&)>& lesen) {
    if (f.Druckjustage_offen) {
        Command21_Click(f);
        return;
    }
    if (lesen) lesen(f.druckwerte, f.aussteller);
    const Druckwerte& w = f.druckwerte;
    // the size in force: 0 prints in 10
    f[T::Text6] = Zahlentext(w.Schriftgroesse == 0 ? 10.0f : w.Schriftgroesse);
    f[T::Text7] = Zahlentext(w.Verschiebung_horizontal);
    f[T::Text8] = Zahlentext(w.Verschiebung_vertikal);
    for (size_t i = 0; i < 4; ++i) f[Ausstellerfelder[i]] = f.aussteller.*Ausstellerteile[i];
    f[V::Frame5] = true;
    f.Druckjustage_offen = true;
}

void Command20_Click(Formular& f, const std::function<void(const Druckwerte&, const Aussteller&)>& speichern) {
    if (!f[V::Frame5]) return;
    // the shifts as far as the panel says, so that the file holds what is printed
    f.druckwerte = {Einzelwert(f[T::Text6]), Verschiebung_begrenzen(Einzelwert(f[T::Text7])),
                    Verschiebung_begrenzen(Einzelwert(f[T::Text8]))};
    for (size_t i = 0; i < 4; ++i) f.aussteller.*Ausstellerteile[i] = f[Ausstellerfelder[i]];
    if (speichern) speichern(f.druckwerte, f.aussteller);
    Command21_Click(f);
}

void Command21_Click(Formular& f) {
    f[V::Frame5] = false;
    f.Druckjustage_offen = false;
}

void Command17_Click(Formular& f) {
    if (!f.Hilfe_an) {
        f.Hilfe_an = true;
    } else {
        f.Hilfe_an = false;
        f[V::Hilfe_Text] = false;
    }
}

}  // namespace dkm
