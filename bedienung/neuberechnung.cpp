// The recalculation protocol of every handler: check, run, show.
#include "bedienung/neuberechnung.h"

#include <cmath>
#include <string>

#include "bedienung/anzeige.h"
#include "calc/engine.h"
#include "model/meldungen.h"
#include "model/zahlen.h"

namespace dkm {

void Eingabepruefung(Formular& f) {
    const std::vector<Massluecke> luecken = Massluecken(Teilstrecken_einlesen(f));
    f.Masse_vollstaendig = luecken.empty();
    if (f.Masse_vollstaendig) return;
    // what the boxes show no longer belongs to these inputs
    std::string hinweis;
    for (const Massluecke& m : luecken)
        hinweis += (hinweis.empty() ? std::string(meldung::Masse_Hinweis_Anfang) : std::string("; ")) + "TS " +
                   std::to_string(m.ts) +
                   std::string(m.laenge_ohne_flaeche ? meldung::Laenge_ohne_Flaeche : meldung::Flaeche_ohne_Laenge);
    f.Ergebnisse_aktuell = false;
    f.Masse_Hinweis = std::move(hinweis);
}

void Masse_fehlen_Meldung(Dialoge& d) { d.meldung(meldung::Masse_fehlen); }

void Rechnung_angehalten(Formular& f, Dialoge& d, const Fehler& grund) {
    // what the boxes show stays from the last complete run
    f.Ergebnisse_aktuell = false;
    f.Masse_Hinweis = std::string(meldung::Masse_Hinweis_Anfang) + grund.titel;
    f.Anhaltgrund = grund;
    d.meldung(grund.titel, grund.text);
}

void Pruefen_und_berechnen(Formular& f, Dialoge& d) {
    Eingabepruefung(f);
    if (f.Masse_vollstaendig) Neuberechnung(f, d);
    else Masse_fehlen_Meldung(d);
}

namespace {

// The inputs the run replaced go back into their fields.
void Ersetztes_zurueckschreiben(Formular& f, const Rechenlauf& r) {
    if (r.Verhaeltnis_ersetzt) f[T::Text1] = Zahlentext(r.werte.traufe.Verhaeltnis_HB);
    if (r.Rinnenbreite_ersetzt) f[T::Text2] = "300";
    if (r.Winkel_links_ersetzt) f[T::Text3] = "90";
    if (r.Winkel_rechts_ersetzt) f[T::Text4] = "90";
    if (r.Notueberlaeufe_ersetzt) f[T::Text30] = "1";
    if (r.Hoehenkorrektur_ersetzt) f.Hoehenkorrektur = 0;
}

void Lauf_zeigen(Formular& f, Dialoge& d, const Rechenlauf& r) {
    if (r.stand != Rechenlauf::Stand::abgelehnt) {
        f.Ergebnisse_aktuell = true;
        f.Masse_Hinweis.clear();
        Lasten_zeigen(f, r);
        static_cast<Lasten&>(f.werte) = r.werte;
        if (Ist_innenliegend(f)) {
            Innenrinne_einrichten(f);
            if (r.stand == Rechenlauf::Stand::fertig) {
                Innenrinne_zeigen(f, r.werte.innen, r.werte);
                f.werte.innen = r.werte.innen;
            }
        } else {
            Traufe_zeigen(f, r.werte.traufe, r.werte.Gesamtflaeche);
            f.werte.traufe = r.werte.traufe;
        }
        Ersetztes_zurueckschreiben(f, r);
    }
    // the message that stopped the run comes last
    const size_t n = r.meldungen.size();
    for (size_t i = 0; i < n; ++i) {
        const Laufmeldung& m = r.meldungen[i];
        if (i + 1 == n && r.angehalten()) Rechnung_angehalten(f, d, Fehler{m.text, m.titel});
        else d.meldung(m.titel, m.text);
    }
}

}  // namespace

void Neuberechnung(Formular& f, Dialoge& d) {
    const Erfolg<Eingaben> e = Eingaben_lesen(f);
    if (!e) return Rechnung_angehalten(f, d, e.fehler());
    Lauf_zeigen(f, d, Berechnen(*e));
}

void Gesamtmasse_aufteilen(Formular& f) {
    const Aufteilung a = Aufteilung_rechnen(Einzelwert(f[T::Text25]), Einzelwert(f[T::Text26]),
                                            Ganzzahl16(Zahl_lesen(f[T::Text27])),
                                            f[S::Option6]   ? std::optional(Ablaufanordnung::alle_innerhalb)
                                            : f[S::Option7] ? std::optional(Ablaufanordnung::eine_Seite_aussen)
                                            : f[S::Option8] ? std::optional(Ablaufanordnung::beidseits_aussen)
                                                            : std::nullopt);
    // Out of range: left alone; the recalculation that follows refuses the run with a message.
    if (Aufteilung_im_Bereich(a)) Aufteilung_anwenden(f, a);
}

namespace {

// Both width buttons: the ratio moves by one step and the window recalculates.
void Verhaeltnis_aendern(Formular& f, Dialoge& d, float schritt) {
    float r = Einzelwert(f[T::Text1]);
    if (std::isfinite(r)) {
        if (r == 0) r = 0.625f;
        r += schritt;
        // A ratio of zero or below cannot be sized; the smallest step stays.
        if (r < 0.0025f) {
            d.piepton();
            return;
        }
        f[T::Text1] = Zahlentext(r);
    }
    Pruefen_und_berechnen(f, d);
}

}  // namespace

void Command12_Click(Formular& f, Dialoge& d) { Verhaeltnis_aendern(f, d, 0.005f); }
void Command13_Click(Formular& f, Dialoge& d) { Verhaeltnis_aendern(f, d, -0.005f); }

}  // namespace dkm
