// The three resets of the main window, each after the guide question and its confirmation.
#pragma once

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

void Command9_Click(Formular& f, Dialoge& d);  // "Projektdaten zurücksetzen"
void Command1_Click(Formular& f, Dialoge& d);  // "Werte zurücksetzen"
void Command7_Click(Formular& f, Dialoge& d);  // "neues Projekt anlegen"
void Projektdaten_zuruecksetzen(Formular& f);
void Werte_zuruecksetzen(Formular& f, Dialoge& d);

}  // namespace dkm
