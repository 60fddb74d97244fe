// Titles and texts of every message and question the program shows, in one table.
#pragma once

#include <string>
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

// Saving and reading files. "%1" (and "%2") stand for a name, filled in with Eingesetzt.
inline constexpr std::string_view Speicherfehler_Text =
    "Die Datei \u201E%1\u201C konnte nicht gespeichert werden. Bitte prüfen Sie, ob der Ordner beschreibbar ist "
    "und genügend Speicherplatz frei ist.";
inline constexpr std::string_view Ordner_fehlt_Text =
    "Die Datei \u201E%1\u201C konnte nicht gespeichert werden, weil ihr Ordner nicht existiert.";
inline constexpr std::string_view keine_Datei_Text =
    "\u201E%1\u201C ist keine gewöhnliche Datei (sondern ein Ordner, ein Gerät, eine Pipe oder ein Socket) "
    "und wird nicht überschrieben.";
inline constexpr std::string_view schreibgeschuetzt_Text =
    "Die Datei \u201E%1\u201C ist schreibgeschützt und wird nicht überschrieben. Bitte wählen Sie einen anderen "
    "Namen oder heben Sie den Schreibschutz auf.";
inline constexpr std::string_view Ordner_schreibgeschuetzt_Text =
    "Der Ordner \u201E%1\u201C ist schreibgeschützt; die Datei \u201E%2\u201C kann dort nicht gespeichert werden.";
// follow one of the texts above
inline constexpr std::string_view Projekt_unveraendert_Text =
    " Eine bereits vorhandene Datei dieses Namens ist unverändert geblieben.";
inline constexpr std::string_view Einstellungen_unveraendert_Text =
    "%1 konnten nicht gespeichert werden. %2 Die zuletzt gespeicherten Werte sind unverändert geblieben.";
inline constexpr std::string_view Zeichen_ohne_Cp1252_Text =
    "Das Projekt wurde nicht gespeichert: Das Feld \u00B4%1\u00B4 enthält das Zeichen \u201E%2\u201C, das eine "
    "Projektdatei nicht aufnehmen kann. Bitte ersetzen Sie es.";

// `text` with "%1" replaced by `eins` and "%2" by `zwei`.
inline std::string Eingesetzt(std::string_view text, std::string_view eins, std::string_view zwei = {}) {
    std::string aus;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            aus += text[++i] == '1' ? eins : zwei;
        } else {
            aus += text[i];
        }
    }
    return aus;
}

}  // namespace dkm::meldung
