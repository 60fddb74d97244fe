// Project files of older versions, which have no header line: 38 lines with
// building-site and wind data the program no longer uses.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "files/projektdatei.h"
#include "files/zeilenleser.h"
#include "model/dialoge.h"
#include "model/formular.h"

namespace dkm {

inline constexpr std::string_view Altprojekt_Titel = "Daten aus einer älteren Version einlesen";
inline constexpr std::string_view Altprojekt_Text =
    "Beim Einlesen von Projekten aus älteren Dachkandelmessers-Versionen: Hier werden einzelne Daten nicht "
    "übernommen. Sie werden im Einzelfall darauf hingewiesen.";
inline constexpr std::string_view Baustelle_Titel = "Nichtübernahme Baustellenwerte";
inline constexpr std::string_view Baustelle_Text =
    "Im aufgerufenen Projekt sind Daten zum Projekt angegeben, die nicht übernommen werden (siehe Hinweis oben).";
inline constexpr std::string_view Wind_Titel = "Fehlende Funtion";
inline constexpr std::string_view Wind_Text =
    "Im aufgerufenen Projekt wurde der Windeinfluss berücksichtig (d.h. es ist die Dachneigung sowie der Winkel "
    "des Regenfalls bei Wind angegeben). Das hat mehrfach zu Rückfragen geführt. Da dieser Regenwinkel zum einen "
    "kaum zu ermitteln ist und dazu in der DIN EN 12056-3 auch nur sehr vage Angaben gemacht werden, ist diese "
    "Funktion in die Update-Version nicht mehr enthalten. Regenwinkel und Dachneigung werden nicht übernommen; "
    "das kann zu abweichenden Ergebnissen führen. Es ist zu überlegen, ob man hier anstelle der Dachgrundfläche "
    "die Dachfläche eingibt. Dadurch ist man in jedem Fall ´auf der sicheren Seite´.";
inline constexpr std::string_view Innenrinne_Titel = "Ältere Version, innenliegende Rinne";
inline constexpr std::string_view Innenrinne_Text =
    "Beim Übernehmen der Werte von innenliegenden Rinnen wird die untere Breite der Rinnen immer auf 300 mm "
    "gesetzt! Bitte eventuell korrigieren und dann mit der neuen Version speichern.";

// The help-box note naming the five site texts (place, street, access,
// material, particulars); an empty one reads "leer".
std::string Baustellenhinweis(std::array<std::string, 5> baustelle);

// Entered by the load when line 1 (`erste_zeile`, already read) is no known
// header. Shows the import's boxes as it reads; fields the old layout lacks
// keep what `f` holds, and while the site note is up the help box of `f`
// shows it. nullopt ends the load in "Datei-Kontrolle"; `f` then differs
// only in the hidden help box's text.
std::optional<Projektdaten> Altprojekt_lesen(Zeilenleser& leser, const std::string& erste_zeile, Formular& f,
                                             Dialoge& d);

}  // namespace dkm
