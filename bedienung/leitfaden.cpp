// The guide's commands over its step table: start, next with the skip rule, back, end.
#include "bedienung/leitfaden.h"

#include "bedienung/modus.h"
#include "bedienung/neuberechnung.h"
#include "model/meldungen.h"

namespace dkm {

namespace {

void zeile_schreiben(Bild& b, const Leitfaden_Zeile& z) {
    if (z.empty()) {
        b.drucken("");
        return;
    }
    for (size_t i = 0; i < z.size(); ++i) {
        const std::string bisher = i > 0 ? b.zeilen().back().text() : std::string();
        // the columns were set for a proportional font: in a fixed one a piece may reach the next
        if (i > 0 && Zeichenzahl(bisher) + 1 >= static_cast<size_t>(z[i].spalte)) {
            if (bisher.back() != ' ' && z[i].text.front() != ' ') b.drucken(" ", {}, false);
        } else {
            b.spalte(z[i].spalte);
        }
        b.drucken(z[i].text, z[i].stil, i + 1 == z.size());
    }
}

}  // namespace

Bild Leitfaden_Einleitung() {
    Bild b;
    zeile_schreiben(b, {{3, "Mit dem", {}},
                        {10, "´Leitfaden´", {true, true}},
                        {25, "werden Sie nacheinander durch alle wichtigen Eingabe-Felder geführt.", {}}});
    for (std::string_view t : {"", "Die jeweiligen Eingabefelder werden gelb hervorgehoben.", "",
                               "Sie können dabei Eingaben machen und zwar sowohl in den gelb hervorgehobenen, als",
                               "auch in allen anderen Feldern."})
        zeile_schreiben(b, {{3, t, {}}});
    return b;
}

Bild Leitfaden_Text(const Leitfaden_Schritt_Daten& s) {
    Bild b;
    for (const Leitfaden_Zeile& z : s.text) zeile_schreiben(b, z);
    return b;
}

namespace {

std::string_view naechster_key(std::string_view key) {
    const auto& s = Leitfaden_Schritte();
    for (size_t i = 0; i + 1 < s.size(); ++i)
        if (s[i].key == key) return s[i + 1].key;
    return Leitfaden_Ende;
}

void aufnehmen(Formular& f, std::string_view key) {
    if (f.Leitfaden_zurueck) {
        f.Leitfaden_zurueck = false;
        // the step shown in place of one that no longer applies takes its place in the history
        if (f.Leitfaden_Zaehler >= 1) f.Leitfaden_Verlauf[static_cast<size_t>(f.Leitfaden_Zaehler)] = key;
        return;
    }
    if (key == Leitfaden_Schritte().front().key) {
        f.Leitfaden_Zaehler = 1;
    } else if (f.Leitfaden_Zaehler < Leitfaden_Verlauf_Plaetze) {
        ++f.Leitfaden_Zaehler;
    }
    f.Leitfaden_Verlauf[static_cast<size_t>(f.Leitfaden_Zaehler)] = key;
}

void zeigen(Formular& f, const Leitfaden_Schritt_Daten& s) {
    aufnehmen(f, s.key);
    Markierung_zuruecksetzen(f);
    const bool erster = s.key == Leitfaden_Schritte().front().key;
    if (erster) {
        f[V::Frame2] = false;
        f[V::Frame8] = true;
    }
    f.Markierung.assign(s.felder.begin(), s.felder.end());
    if (!s.fokus.empty()) f.Fokus = s.fokus;
    f[A::Command30] = !erster;
    f.Leitfaden_Box = Leitfaden_Text(s);
}

}  // namespace

const Leitfaden_Schritt_Daten* Leitfaden_Schritt_suchen(std::string_view key) {
    for (const auto& s : Leitfaden_Schritte())
        if (s.key == key) return &s;
    return nullptr;
}

bool Leitfaden_Bedingung_erfuellt(const Formular& f, Leitfaden_Bedingung b) {
    switch (b) {
        case Leitfaden_Bedingung::immer: return true;
        case Leitfaden_Bedingung::innenliegend: return Ist_innenliegend(f);
        case Leitfaden_Bedingung::laengsseite: return f[S::Option2] && f[S::Option5];
        case Leitfaden_Bedingung::einzel: return Eingabe_Art(f) == Masseingabe::einzel;
        case Leitfaden_Bedingung::gesamt: return Eingabe_Art(f) == Masseingabe::gesamt;
    }
    return false;
}

void Leitfaden_starten(Formular& f, Dialoge& d) {
    if (f.aktiver_Modus == Modus::Leitfaden) return;
    // the preview is abandoned as it stands: the guide takes over its box
    if (f.aktiver_Modus == Modus::Vorschau) f.aktiver_Modus = Modus::keiner;
    if (!Leitfaden_moeglich(f, d)) return;
    f.aktiver_Modus = Modus::Leitfaden;
    if (f.Hilfe_an) {
        f.Hilfe_an = false;
        f.Hilfe_vor_Leitfaden = true;
        f[V::Hilfe_Text] = false;
    }
    f[V::Druckvorsch] = true;
    f[A::Command27] = false;
    f[A::Command28] = f[A::Command29] = true;
    f[A::Command30] = false;
    f.Leitfaden_zurueck = false;
    f.Leitfaden_Box = Leitfaden_Einleitung();
    f.Leitfaden_Schritt = Leitfaden_Schritte().front().key;
}

void Leitfaden_weiter(Formular& f, Dialoge& d) {
    if (f.aktiver_Modus != Modus::Leitfaden) return;
    // any run of steps that do not apply is passed over in this one press
    while (const Leitfaden_Schritt_Daten* s = Leitfaden_Schritt_suchen(f.Leitfaden_Schritt)) {
        f.Leitfaden_Schritt = naechster_key(s->key);
        if (Leitfaden_Bedingung_erfuellt(f, s->bedingung)) {
            zeigen(f, *s);
            return;
        }
        Markierung_zuruecksetzen(f);
    }
    Modus_beenden(f, d);
}

void Leitfaden_zurueck(Formular& f, Dialoge& d) {
    if (f.aktiver_Modus != Modus::Leitfaden || f.Leitfaden_Zaehler < 2) return;
    f.Leitfaden_Schritt = f.Leitfaden_Verlauf[static_cast<size_t>(f.Leitfaden_Zaehler - 1)];
    --f.Leitfaden_Zaehler;
    f.Leitfaden_zurueck = true;
    f[A::Command28] = true;
    Leitfaden_weiter(f, d);
}

void Markierung_zuruecksetzen(Formular& f) {
    f[V::Frame2] = true;
    f[V::Frame8] = false;
    f.Markierung.clear();
}

void Leitfaden_beenden(Formular& f, Dialoge& d) {
    f.aktiver_Modus = Modus::keiner;
    f[A::Command27] = true;
    f.Fokus = Name(T::Laenge_1);
    f[V::Druckvorsch] = false;
    f[A::Command28] = f[A::Command29] = f[A::Command30] = false;
    if (f.Hilfe_vor_Leitfaden) {
        f.Hilfe_vor_Leitfaden = false;
        f.Hilfe_an = true;
    }
    Markierung_zuruecksetzen(f);
    f.Leitfaden_Box.leeren();
    Neuberechnung(f, d);
}

}  // namespace dkm
