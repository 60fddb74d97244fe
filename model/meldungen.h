// Titles and texts of every message and question the program shows, in one table.
#pragma once

#include <string_view>

namespace dkm::meldung {

inline constexpr std::string_view Masse_fehlen_Titel = "Maße fehlen!";
inline constexpr std::string_view Masse_fehlen_Text = "Bei einer - oder mehreren - Teilstrecken fehlen Maßangaben.";

inline constexpr std::string_view nicht_passend_Titel = "nicht passende Eingabe";
inline constexpr std::string_view nicht_passend_Text =
    "Wenn nur ein Abfluss vorhanden ist, ist die Markierung bei ´Anordnung der Abläufe beidseits am "
    "Rinnenende´ nicht möglich.";

// Inputs beyond the range of the calculation: refused instead of showing "inf".
inline constexpr std::string_view zu_gross_Titel = "Eingabefehler";
inline constexpr std::string_view zu_gross_Text =
    "Eine Eingabe ist für die Berechnung zu groß. Bitte prüfen Sie die Maße und Vorgaben; "
    "die bisherigen Ergebnisse bleiben stehen.";

// A search to measure that ran to its step limit: the size shown is no real result.
inline constexpr std::string_view Suchgrenze_Titel = "Berechnungsgrenze erreicht";
inline constexpr std::string_view Suchgrenze_Text =
    "Für mindestens eine Teilstrecke wurde auch nach 100000 Schritten keine ausreichende Größe gefunden. "
    "Die angezeigten Maße sind keine gültige Bemessung; bitte prüfen Sie die Eingaben.";

// Report: preview, printing, PDF export and the issuer settings.
inline constexpr std::string_view Pdf_Fehler_Titel = "Als PDF speichern";
inline constexpr std::string_view Pdf_Fehler_Text_Anfang =
    "Der Bericht konnte nicht als PDF gespeichert werden: Die Datei „";
inline constexpr std::string_view Pdf_Fehler_Text_Ende =
    "“ lässt sich nicht schreiben. Bitte prüfen Sie, ob der Ordner vorhanden und beschreibbar ist und "
    "genügend Speicherplatz frei ist. Eine vorhandene Datei dieses Namens ist unverändert geblieben.";

}  // namespace dkm::meldung
