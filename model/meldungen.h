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

inline constexpr std::string_view Vorschau_Korrektur_Titel = "Konflikt Druckvorschau mit Korrektur Rinnenhöhe";
inline constexpr std::string_view Vorschau_Korrektur_Text =
    "Vor dem Aufruf der Druckvorschau muss im Fenster zur Korrektur der Rinnenhöhe der Wert übernommen oder auf "
    "Null gesetzt werden.";
inline constexpr std::string_view Vorschau_Leitfaden_Titel = "Konflikt Leitfaden mit der Druckvorschau";
inline constexpr std::string_view Vorschau_Leitfaden_Text =
    "Während der ´Leitfaden´ aktiv ist, ist die Druckvorschau nicht möglich. Soll der ´Leitfaden´ beendet werden?";
inline constexpr std::string_view Druck_Leitfaden_Titel = "Konflikt Leitfaden mit der Druckausgabe";
inline constexpr std::string_view Druck_Leitfaden_Text =
    "Während der ´Leitfaden´ aktiv ist, ist die Druckausgabe nicht möglich. Soll der ´Leitfaden´ beendet werden?";
inline constexpr std::string_view Pdf_Leitfaden_Titel = "Konflikt Leitfaden mit ´Als PDF speichern´";
inline constexpr std::string_view Pdf_Leitfaden_Text =
    "Während der ´Leitfaden´ aktiv ist, kann der Bericht nicht gespeichert werden. Soll der ´Leitfaden´ beendet "
    "werden?";
inline constexpr std::string_view Standarddrucker_Titel = "Standard-Drucker ändern.";
inline constexpr std::string_view Standarddrucker_Text =
    "Der Druckauftrag wird an den Standard-Drucker gesendet. In Ordnung?";
inline constexpr std::string_view Kein_Drucker_Titel = "Kein Drucker";
inline constexpr std::string_view Kein_Drucker_Text =
    "Auf diesem Rechner ist kein Drucker eingerichtet. Soll der Bericht statt dessen als PDF-Datei gespeichert "
    "werden?";
inline constexpr std::string_view Druckfehler_Titel = "Projekt drucken";
inline constexpr std::string_view Druckfehler_Text_Anfang = "Der Bericht konnte nicht gedruckt werden: ";
inline constexpr std::string_view Druckfehler_Text_Ende =
    " Bitte prüfen Sie den Drucker und versuchen Sie es erneut.";
inline constexpr std::string_view Drucker_nicht_bereit_Text = "Der Drucker nimmt den Auftrag nicht an.";
inline constexpr std::string_view Aussteller_Fehler_Titel = "Aussteller";

}  // namespace dkm::meldung
