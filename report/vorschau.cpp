// The preview mode on the window state.
#include "report/vorschau.h"

#include "calc/handler.h"
#include "model/meldungen.h"

namespace dkm::bericht {

namespace {
std::string s(std::string_view v) { return std::string(v); }
}  // namespace

bool Vorschau_oeffnen(Formular& f, Dialoge& d) {
    if (f.Status_Korrektur == aktiv) {
        d.meldung(s(meldung::Vorschau_Korrektur_Titel), s(meldung::Vorschau_Korrektur_Text));
        return false;
    }
    const std::string titel(meldung::Vorschau_Leitfaden_Titel), text(meldung::Vorschau_Leitfaden_Text);
    if (!Leitfaden_Konflikt(f, d, titel.c_str(), text.c_str())) return false;
    f.Status_Vorschau = aktiv;
    f[V::Druckvorsch] = true;
    f[A::Command28] = f[A::Command29] = true;
    f.Vorschau_Seite = "Seite eins";
    return true;
}

void Vorschau_blaettern(Formular& f) {
    if (f.Status_Vorschau != aktiv) return;
    f.Vorschau_Seite = f.Vorschau_Seite == "Seite eins" ? "Seite zwei" : "Seite eins";
}

int Vorschau_Seitennummer(const Formular& f) { return f.Vorschau_Seite == "Seite zwei" ? 2 : 1; }

}  // namespace dkm::bericht
