// The display step: the numbers of a run as the window shows them. Every box text,
// visibility and enabling that follows from a result is written here, nowhere else.
#pragma once

#include <optional>
#include <string>

#include "calc/engine.h"
#include "model/formular.h"

namespace dkm {

// The loads, the segment sketch and the outlet markers, the totals and the outlet arrangement.
void Lasten_zeigen(Formular& f, const Rechenlauf& r);
// Total mode: the segment fields and the notes of a split.
void Aufteilung_anwenden(Formular& f, const Aufteilung& a);

// The eaves results with the internal-gutter controls locked.
void Traufe_zeigen(Formular& f, const Traufe_Werte& tw, float gesamtflaeche);
// The internal-gutter panels and controls, then, for a run that came through, its results.
void Innenrinne_einrichten(Formular& f);
void Innenrinne_zeigen(Formular& f, const Innen_Werte& w, const Lasten& l);

// Texts the report prints as the window shows them.
std::string Einhangstutzen_Text(const std::optional<Einhangstutzen>& e);  // "100", "80 od. 100", "nicht mögl."
std::string Durchmesser_Text(const Rundueberlauf& r);                     // "Durchmesser :  265 mm" ...

}  // namespace dkm
