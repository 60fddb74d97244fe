// The recalculation as the window runs it: the completeness check, the engine's
// run, and the display step that turns its numbers into the result boxes, the
// visibility and enabling of the controls, and its message boxes.
#pragma once

#include "model/dialoge.h"
#include "model/erfolg.h"
#include "model/formular.h"

namespace dkm {

// Completeness check of the segments: sets Masse_vollstaendig; when incomplete, the
// results no longer belong to the inputs and Masse_Hinweis names the segments.
void Eingabepruefung(Formular& f);
// "Maße fehlen!" information box.
void Masse_fehlen_Meldung(Dialoge& d);
// Eingabepruefung, then Neuberechnung or the message (the usual end of a handler).
void Pruefen_und_berechnen(Formular& f, Dialoge& d);

// Reads all inputs afresh, runs the engine and shows what it found. A run that stops
// with a message leaves Ergebnisse_aktuell false and the boxes of the last complete run.
void Neuberechnung(Formular& f, Dialoge& d);
// Shows the message that stops a run and marks the results as not current.
void Rechnung_angehalten(Formular& f, Dialoge& d, const Fehler& grund);

// Total mode: spreads total length and area evenly over the segment fields.
void Gesamtmasse_aufteilen(Formular& f);

// Eaves gutter "Breite kleiner" / "Breite größer": ratio ±0.005, then Pruefen_und_berechnen.
void Command12_Click(Formular& f, Dialoge& d);
void Command13_Click(Formular& f, Dialoge& d);

}  // namespace dkm
