#include "calc/handler.h"

#include <string>

#include "calc/engine.h"
#include "calc/hoehenkorrektur.h"
#include "model/meldungen.h"
#include "calc/modus.h"
#include "model/bild.h"
#include "model/startzustand.h"
#include "model/tabellen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

constexpr const char* Korrektur_offen_Text =
    "Schließen Sie vor dem umschalten das Fenster zur Korrektur der Rinnenhöhe.";

bool laedt(const Formular& f) { return f.Ladevorgang == ja; }
bool zahl_da(const Formular& f, T t) { return Zahl_lesen(f[t]) != 0; }
bool gesamtmasse_da(const Formular& f) {
    return zahl_da(f, T::Text25) && zahl_da(f, T::Text26) && zahl_da(f, T::Text27);
}
bool ein_abfluss(const Formular& f) { return Ganzzahl(Zahl_lesen(f[T::Text27])) == 1; }

void nicht_passend(Dialoge& d) {
    d.meldung(std::string(meldung::nicht_passend_Titel), std::string(meldung::nicht_passend_Text));
}

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

void waehlen(Formular& f, S option) {
    if (const S* g = gruppe_von(option))
        for (int i = 0; i < 3; ++i) f[g[i]] = false;
    f[option] = true;
}

void Ueberlauf_faerben(Formular& f, int dunkel) {
    for (int n : {25, 26, 27}) f.Picture(n).vordergrund = n == dunkel ? Farbe_dunkelblau : Farbe_hellgrau;
}

// Handlers that refuse while the height correction is open reselect `zurueck`.
bool Korrektur_verweigert(Formular& f, Dialoge& d, const char* titel, S zurueck) {
    if (f.Status_Korrektur != aktiv) return false;
    d.meldung(titel, Korrektur_offen_Text);
    waehlen(f, zurueck);
    return true;
}

void Option_Handler(Formular& f, Dialoge& d, S option, S vorher) {
    switch (option) {
    case S::Option1:
        if (Korrektur_verweigert(f, d, "Konflikt Umschalten auf vorgehängte Rinne mit Korrektur Rinnenhöhe",
                                 S::Option2))
            return;
        f.Rinnenart = "vorgehaengt";
        f[V::Rinne_vorgeh_einzel] = true;
        f[V::Rinnen_innenliegend] = false;
        break;
    case S::Option2:
        f.Rinnenart = "innenliegend";
        f[V::Rinnen_innenliegend] = true;
        f[V::Rinne_vorgeh_einzel] = false;
        break;
    case S::Option3:
        if (Korrektur_verweigert(f, d, "Konflikt Umschalten von Überlauf beidseits mit Korrektur Rinnenhöhe",
                                 S::Option5))
            return;
        Ueberlauf_faerben(f, 27);
        break;
    case S::Option4:
        if (Korrektur_verweigert(f, d, "Konflikt Umschalten von Überlauf eine Seite mit Korrektur Rinnenhöhe",
                                 S::Option5))
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
        if (f.Eingabe_Art != "gesamt" || !gesamtmasse_da(f)) return;
        if (option == S::Option8 && ein_abfluss(f)) {
            nicht_passend(d);
            // the one-outlet arrangement on both ends has no segments to divide into
            waehlen(f, vorher);
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
        if (f.Masse_vollstaendig != nein) Neuberechnung(f, d);
    } else if (zwischen(feld, T::Breite_1, T::Zusatz_Flaeche_8)) {
        Eingabepruefung(f);
        if (f.Masse_vollstaendig != nein) Neuberechnung(f, d);
        else d.piepton();
    } else if (feld == T::r5_5 || feld == T::r5_100 || zwischen(feld, T::Text1, T::Text5) || feld == T::Text30) {
        Pruefen_und_berechnen(f, d);
    } else if (zwischen(feld, T::Text25, T::Text27)) {
        if (!gesamtmasse_da(f)) return;
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
    const S vorher = gewaehlt(f, g, option);
    waehlen(f, option);
    if (option == S::Option10 || option == S::Option11) {
        if (option == S::Option10) Option10_Click(f, d);
        else Option11_Click(f, d);
        // a declined switch keeps the mode, so the buttons must show it too
        waehlen(f, f.Eingabe_Art == "gesamt" ? S::Option11 : S::Option10);
        return;
    }
    if (laedt(f)) return;
    Option_Handler(f, d, option, vorher);
}

void Check_Click(Formular& f, Dialoge& d, S check, bool an) {
    f[check] = an;
    if (laedt(f)) return;
    if (check == S::Check_Schutzkorb) {
        Eingabepruefung(f);
        if (f.Masse_vollstaendig == nein) {
            Masse_fehlen_Meldung(d);
            return;
        }
        f[V::Label14] = an;
        Neuberechnung(f, d);
        return;
    }
    for (int i = 1; i <= 8; ++i)
        if (Check(i) == check) f.Winkelfaktor[static_cast<size_t>(i - 1)] = an ? 0.85f : 1.0f;
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
        f.Notueberlauf_Regen = index == 1 ? "voll" : "Jahrh_abz_Bererechnungsregen";
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

void Modus_beenden(Formular& f, Dialoge& d) {
    if (f.Status_Vorschau == aktiv) {
        f.Status_Vorschau = aus;
        f[V::Druckvorsch] = false;
        Neuberechnung(f, d);
    }
    if (f.Status_Korrektur == aktiv) {
        f.Status_Korrektur = aus;
        f[A::Command11] = true;
        f[V::Druckvorsch] = false;
        Hoehe_null(f, d);
    }
    if (f.Status_Leitfaden == aktiv) {
        f.Status_Leitfaden = aus;
        f[V::Druckvorsch] = false;
        f[V::Frame2] = true;
        f[V::Frame8] = false;
        Neuberechnung(f, d);
    }
}

bool Leitfaden_Konflikt(Formular& f, Dialoge& d, const char* titel, const char* text) {
    if (f.Status_Leitfaden != aktiv) return true;
    if (!d.frage(titel, text)) return false;
    Modus_beenden(f, d);
    return true;
}

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
    setzen_wie_klick(f, d, S::Option10);
    waehlen(f, S::Option10);
    f.Eingabe_Art = "einzel";
    Panel_einzel(f);
    f[T::Text25].clear();
    f[T::Text26].clear();
    f[T::Text27].clear();
    setzen_wie_klick(f, d, S::Option6);
    Liste_Click(f, d, L::Combo_Diff_Notueberl, 0);
    Liste_Click(f, d, L::Combo_Abfl_beiwert, 0);
    f[T::Text30] = "1";
    f[V::Picture37] = false;
    Neuberechnung(f, d);
}

namespace {

struct Ruecksetzung {
    const char* konflikt_titel;
    const char* konflikt_text;
    const char* titel;
    const char* text;
};

bool Ruecksetzen_erlaubt(Formular& f, Dialoge& d, const Ruecksetzung& r) {
    return Leitfaden_Konflikt(f, d, r.konflikt_titel, r.konflikt_text) && d.frage(r.titel, r.text);
}

}  // namespace

void Command9_Click(Formular& f, Dialoge& d) {
    if (!Ruecksetzen_erlaubt(f, d,
                             {"Konflikt Leitfaden mit ´Projektdaten zurücksetzen´",
                              "Während der ´Leitfaden´ aktiv ist, ist ´Projektdaten zurücksetzen´ nicht möglich. "
                              "Soll der ´Leitfaden´ beendet werden?",
                              "Projektdaten löschen",
                              "Die Hinweise zum Projekt (Name, Anschrift etc.) werden gelöscht. In Ordnung?"}))
        return;
    Projektdaten_zuruecksetzen(f);
}

void Command1_Click(Formular& f, Dialoge& d) {
    if (!Ruecksetzen_erlaubt(f, d,
                             {"Konflikt Leitfaden mit ´Werte zurücksetzen´",
                              "Während der ´Leitfaden´ aktiv ist, ist ´Werte zurücksetzen´ nicht möglich. "
                              "Soll der ´Leitfaden´ beendet werden?",
                              "Rinnenmaße löschen",
                              "Die Maße und Vorgaben zur Rinne werden gelöscht. In Ordnung?"}))
        return;
    Werte_zuruecksetzen(f, d);
}

void Command7_Click(Formular& f, Dialoge& d) {
    if (!Ruecksetzen_erlaubt(f, d,
                             {"Konflikt Leitfaden mit der ´neues Projekt´",
                              "Während der ´Leitfaden´ aktiv ist, kann ein ´neues Projekt´ nicht aufgerufen werden. "
                              "Soll der ´Leitfaden´ beendet werden?",
                              "Projekt neu anlegen", "Alle Maße und Vorgaben werden gelöscht. In Ordnung?"}))
        return;
    f[V::Label4] = false;
    f[V::Text24] = false;
    Projektdaten_zuruecksetzen(f);
    Werte_zuruecksetzen(f, d);
}

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
    if (f.Status_Eigenwerte == sichtbar) {
        Command23_Click(f);
        return;
    }
    f.Status_Eigenwerte = sichtbar;
    f[V::Frame9] = true;
    if (orte) Eigene_Orte_anzeigen(f, *orte);
}

void Command23_Click(Formular& f) {
    f.Status_Eigenwerte = nicht_sichtbar;
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
    if (speichern) speichern(Eigene_Orte_aus_Formular(f));
    Command23_Click(f);
    Neuberechnung(f, d);
}

}  // namespace dkm
