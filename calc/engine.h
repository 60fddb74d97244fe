// The one front door of the calculation. The window and dkm-rechner read
// their inputs into a Formular, call these, and show what the Formular holds.
#pragma once

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

// Completeness check of the segments: sets Masse_vollstaendig.
void Eingabepruefung(Formular& f);
// "Maße fehlen!" information box.
void Masse_fehlen_Meldung(Dialoge& d);
// Eingabepruefung, then Neuberechnung or the message (the usual end of a handler).
void Pruefen_und_berechnen(Formular& f, Dialoge& d);

// Reads all inputs afresh and recomputes every result of the window. A run that
// stops with a message leaves Ergebnisse_aktuell false.
void Neuberechnung(Formular& f, Dialoge& d);
// Shows the message that stops a run and marks the results as not current.
void Rechnung_angehalten(Formular& f, Dialoge& d, const std::string& titel, const std::string& text);
void Rechnung_angehalten(Formular& f, Dialoge& d, const Meldungstext& m);

// Total mode: spreads total length and area evenly over the segments.
void Gesamtmasse_aufteilen(Formular& f);

// The 24 segment fields as numbers, into f.werte.
void Teilstrecken_einlesen(Formular& f);

// Eaves gutter "Breite kleiner" / "Breite größer": ratio ±0.005, then Pruefen_und_berechnen.
void Command12_Click(Formular& f, Dialoge& d);
void Command13_Click(Formular& f, Dialoge& d);

}  // namespace dkm
