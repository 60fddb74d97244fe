// The print command: default printer or dialog, one job per copy, failures said.
#include "report/drucken.h"

#include <algorithm>

#include "model/meldungen.h"
#include "report/bericht.h"

namespace dkm::bericht {

namespace {
std::string s(std::string_view v) { return std::string(v); }
}  // namespace

Druckausgang Projekt_drucken(const Formular& f, Dialoge& d, Drucker& p, const Berichtsform& papier) {
    const Erfolg<Bericht> b = Bericht_erstellen(f, papier);
    if (!b) {
        d.meldung(b.fehler().titel, b.fehler().text);
        return Druckausgang::verweigert;
    }
    if (!p.drucker_vorhanden())
        return d.frage(s(meldung::Kein_Drucker_Titel), s(meldung::Kein_Drucker_Text)) ? Druckausgang::kein_Drucker_Pdf
                                                                                      : Druckausgang::abgebrochen;
    Druckerwahl wahl;
    if (!d.frage(s(meldung::Standarddrucker_Titel), s(meldung::Standarddrucker_Text))) {
        const auto gewaehlt = p.drucker_waehlen();
        if (!gewaehlt) return Druckausgang::abgebrochen;
        wahl = *gewaehlt;
    }
    // each copy its own job, so that a stack of copies comes out sorted
    for (int i = 0; i < std::max(wahl.kopien, 1); ++i) {
        if (const Erfolg<> gedruckt = p.drucken(*b, wahl.drucker); !gedruckt) {
            d.meldung(s(meldung::Druckfehler_Titel),
                      meldung::Eingesetzt(meldung::Druckfehler_Text, gedruckt.fehler().text));
            return Druckausgang::fehlgeschlagen;
        }
    }
    return Druckausgang::gedruckt;
}

}  // namespace dkm::bericht
