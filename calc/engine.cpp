#include "calc/engine.h"

#include <string>

#include "model/meldungen.h"
#include "model/zahlen.h"

namespace dkm {

void Teilstrecken_einlesen(Formular& f) {
    Rechenwerte& w = f.werte;
    for (int i = 1; i <= 8; ++i) {
        const size_t j = static_cast<size_t>(i - 1);
        w.Laenge[j] = Einzelwert(f[Laenge(i)]);
        w.Breite[j] = Einzelwert(f[Breite(i)]);
        w.Zusatz_Flaeche[j] = Einzelwert(f[Zusatz_Flaeche(i)]);
    }
}

void Eingabepruefung(Formular& f) {
    f.Masse_vollstaendig = true;
    Teilstrecken_einlesen(f);
    const Rechenwerte& w = f.werte;
    std::string hinweis;
    for (size_t j = 0; j < 8; ++j) {
        const bool laenge = w.Laenge[j] != 0;
        const bool flaeche = w.Breite[j] != 0 || w.Zusatz_Flaeche[j] != 0;
        if (laenge == flaeche) continue;
        f.Masse_vollstaendig = false;
        hinweis += (hinweis.empty() ? std::string(meldung::Masse_Hinweis_Anfang) : std::string("; ")) + "TS " +
                   std::to_string(j + 1) +
                   std::string(laenge ? meldung::Laenge_ohne_Flaeche : meldung::Flaeche_ohne_Laenge);
    }
    // what the boxes show no longer belongs to these inputs
    if (!f.Masse_vollstaendig) {
        f.Ergebnisse_aktuell = false;
        f.Masse_Hinweis = std::move(hinweis);
    }
}

void Masse_fehlen_Meldung(Dialoge& d) { d.meldung(meldung::Masse_fehlen); }

void Rechnung_angehalten(Formular& f, Dialoge& d, const std::string& titel, const std::string& text) {
    // what the boxes show stays from the last complete run
    f.Ergebnisse_aktuell = false;
    f.Masse_Hinweis = std::string(meldung::Masse_Hinweis_Anfang) + titel;
    d.meldung(titel, text);
}

void Rechnung_angehalten(Formular& f, Dialoge& d, const Meldungstext& m) {
    Rechnung_angehalten(f, d, std::string(m.titel), std::string(m.text));
}

void Pruefen_und_berechnen(Formular& f, Dialoge& d) {
    Eingabepruefung(f);
    if (f.Masse_vollstaendig) Neuberechnung(f, d);
    else Masse_fehlen_Meldung(d);
}

}  // namespace dkm
