// The print preview as window state: opening it against the other modes,
// turning its page, and which page it shows. Closing it is the shared
// Modus_beenden.
#pragma once

#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

// "Druckansicht": refused while the height correction is open, asks to end a
// running guide. True when the preview is on at page 1.
bool Vorschau_oeffnen(Formular& f, Dialoge& d);
// No report of these inputs: the preview closes again.
void Vorschau_verweigert(Formular& f);
// "blättern": the other page. Nothing outside the preview.
void Vorschau_blaettern(Formular& f);
// 1 or 2.
int Vorschau_Seitennummer(const Formular& f);

}  // namespace dkm
