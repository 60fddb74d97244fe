// The guide-conflict questions, keyed by command.
#include "model/meldungen.h"

#include <array>

namespace dkm::meldung {

namespace {

struct Konflikt {
    Befehl befehl;
    Meldungstext frage;
};

constexpr std::array<Konflikt, 9> Konflikte = {{
    {Befehl::Projekt_speichern,
     {"Konflikt Leitfaden mit ´Projekt speichern´",
      "Während der ´Leitfaden´ aktiv ist, ist ´Projekt speichern´ nicht möglich. Soll der ´Leitfaden´ beendet "
      "werden?"}},
    {Befehl::Projekt_aufrufen,
     {"Konflikt Leitfaden mit ´Projekt aufrufen´",
      "Während der ´Leitfaden´ aktiv ist, ist ´Projekt aufrufen´ nicht möglich. Soll der ´Leitfaden´ beendet "
      "werden?"}},
    {Befehl::Projektdaten_zuruecksetzen,
     {"Konflikt Leitfaden mit ´Projektdaten zurücksetzen´",
      "Während der ´Leitfaden´ aktiv ist, ist ´Projektdaten zurücksetzen´ nicht möglich. Soll der ´Leitfaden´ "
      "beendet werden?"}},
    {Befehl::Werte_zuruecksetzen,
     {"Konflikt Leitfaden mit ´Werte zurücksetzen´",
      "Während der ´Leitfaden´ aktiv ist, ist ´Werte zurücksetzen´ nicht möglich. Soll der ´Leitfaden´ beendet "
      "werden?"}},
    {Befehl::neues_Projekt,
     {"Konflikt Leitfaden mit der ´neues Projekt´",
      "Während der ´Leitfaden´ aktiv ist, kann ein ´neues Projekt´ nicht aufgerufen werden. Soll der ´Leitfaden´ "
      "beendet werden?"}},
    {Befehl::Druckvorschau,
     {"Konflikt Leitfaden mit der Druckvorschau",
      "Während der ´Leitfaden´ aktiv ist, ist die Druckvorschau nicht möglich. Soll der ´Leitfaden´ beendet "
      "werden?"}},
    {Befehl::Druckausgabe,
     {"Konflikt Leitfaden mit der Druckausgabe",
      "Während der ´Leitfaden´ aktiv ist, ist die Druckausgabe nicht möglich. Soll der ´Leitfaden´ beendet "
      "werden?"}},
    {Befehl::Korrektur_Rinnenhoehe,
     {"Konflikt Korrektur Rinnenhöhe mit Leitfaden.",
      "Vor Aufruf zur Korrektur der Rinnenhöhe muss das Fenster des Leitfadens geschlossen werden. Fenster "
      "schließen?"}},
    {Befehl::Als_PDF_speichern,
     {"Konflikt Leitfaden mit ´Als PDF speichern´",
      "Während der ´Leitfaden´ aktiv ist, kann der Bericht nicht gespeichert werden. Soll der ´Leitfaden´ beendet "
      "werden?"}},
}};

}  // namespace

Meldungstext Leitfaden_Konflikt(Befehl b) {
    for (const Konflikt& k : Konflikte)
        if (k.befehl == b) return k.frage;
    return Konflikte[0].frage;
}

}  // namespace dkm::meldung
