// Hover help over the table of help entries.
#include "bedienung/hilfe.h"

#include "model/hilfe.h"

namespace dkm {

bool Hilfe_Hover(Formular& f, std::string_view steuerelement) {
    const Hilfe_Eintrag* e = Hilfe_fuer(steuerelement);
    if (!e) return false;
    f.Hilfe_top_twips = e->top_twips;
    f.Hilfe_hoehe_twips = e->hoehe_twips;
    if (f.Hilfe_an) f[V::Hilfe_Text] = true;
    // the text follows also while the help is off, so that switching it on shows the right one
    if (f.Hilfe_Text != e->text) f.Hilfe_Text = e->text;
    return true;
}

void Hilfe_Panel_Hover(Formular& f) { f[V::Hilfe_Text] = false; }

}  // namespace dkm
