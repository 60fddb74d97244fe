// Titles and texts of every message and question the program shows, in one
// table, so that the engine, the files, the window and the tests agree on them.
#pragma once

#include <string>
#include <string_view>

namespace dkm {

struct Meldungstext {
    std::string_view titel, text;
};

namespace meldung {

// --- calculation -----------------------------------------------------------------------------------------------
inline constexpr Meldungstext Masse_fehlen{"Maße fehlen!", "Bei einer - oder mehreren - Teilstrecken fehlen Maßangaben."};
inline constexpr Meldungstext nicht_passend{
    "nicht passende Eingabe",
    "Wenn nur ein Abfluss vorhanden ist, ist die Markierung bei ´Anordnung der Abläufe beidseits am "
    "Rinnenende´ nicht möglich."};
// Inputs beyond the range of the calculation: refused instead of showing "inf".
inline constexpr Meldungstext zu_gross{
    "Eingabefehler",
    "Eine Eingabe ist für die Berechnung zu groß. Bitte prüfen Sie die Maße und Vorgaben; "
    "die bisherigen Ergebnisse bleiben stehen."};
// The same, naming the box ("%1") whose number is too large.
inline constexpr std::string_view zu_gross_Feld_Text =
    "Die Eingabe \u00B4%1\u00B4 ist für die Berechnung zu groß. Bitte prüfen Sie den Wert; die bisherigen "
    "Ergebnisse bleiben stehen.";
// A value between 0 and 0.0001 of its unit: a typing or file error, never a measure.
inline constexpr Meldungstext zu_klein{
    "Eingabefehler",
    "Eine Eingabe ist für die Berechnung zu klein (weniger als 0,0001, aber nicht 0). Bitte prüfen Sie die Maße "
    "und Vorgaben; die bisherigen Ergebnisse bleiben stehen."};
// The same, naming the box ("%1") whose number is too small.
inline constexpr std::string_view zu_klein_Feld_Text =
    "Die Eingabe \u00B4%1\u00B4 ist für die Berechnung zu klein (weniger als 0,0001, aber nicht 0). Bitte prüfen "
    "Sie den Wert; die bisherigen Ergebnisse bleiben stehen.";
// A search to measure that ran to its step limit: the size shown is no real result.
inline constexpr Meldungstext Suchgrenze{
    "Berechnungsgrenze erreicht",
    "Für mindestens eine Teilstrecke wurde auch nach 100000 Schritten keine ausreichende Größe gefunden. "
    "Die angezeigten Maße sind keine gültige Bemessung; bitte prüfen Sie die Eingaben."};
inline constexpr Meldungstext Massfehler{
    "Massfehler!",
    "Das Verhältnis von Rinnenlänge zur Wassertiefe ist zu groß. Nach DIN EN 12056-3 kann eine Rinne nur "
    "dann berechnet werden, wenn das Verhältnis L/W maximal 500 beträgt. Es wird hier mit Näherungswerten "
    "weiter gerechnet; das kann aber zu Ungenauigkeiten führen!"};
inline constexpr Meldungstext Luecke{
    "Maße fehlen",
    "Bei innenliegenden Rinnen müssen die Teilstrecken von links ab TS 1 durchgehend vermaßt werden."};
inline constexpr Meldungstext Winkel_links{
    "Maßfehler",
    "Der Winkel der Rinne (links) liegt außerhalb des gültigen Wertes (>90°). Er wird auf 90° korrigiert."};
inline constexpr Meldungstext Winkel_rechts{
    "Maßfehler",
    "Der Winkel der Rinne (rechts) liegt außerhalb des gültigen Wertes (>90°). Er wird auf 90° korrigiert."};
inline constexpr Meldungstext Notueberlaeufe{
    "Eingabefehler",
    "Die Anzahl der Notüberläufe ist zu groß; es sind höchstens 16383 Notüberläufe möglich. "
    "Die bisherigen Ergebnisse bleiben stehen."};

// --- input modes and option changes ----------------------------------------------------------------------------
inline constexpr Meldungstext Auf_Einzelwerte{
    "Auf Einzelwerte umschalten",
    "Mit Einzelmaßen können maximal 4 Abflüsse berechnet werden. Es werden nur die auf dem Monitor angezeigten "
    "Teilstrecken berücksichtigt. Die weiteren angegebenen Abflüsse/Teilstrecken werden beim Umschalten "
    "´abgeschnitten´. In Ordnung?"};
inline constexpr Meldungstext Auf_Gesamtwerte{
    "Auf Gesamtwerte umschalten",
    "Bereits eingegebene, unterschiedlich lange Teilstrecken werden addiert und die Gesamtlänge auf die Abläufe "
    "gleichmäßig verteilt. Ebenso werden alle Einzelflächen zu den Teilstrecken (auch wenn sie durch verschiedene "
    "Dachbreiten oder Zusatzflächen unterschiedlich sind) addiert, umgerechnet und den Teilstrecken zugeordnet "
    "(also auch gleichmäßig ´verteilt´). In Ordnung?"};
inline constexpr std::string_view Korrektur_offen_Text =
    "Schließen Sie vor dem umschalten das Fenster zur Korrektur der Rinnenhöhe.";
inline constexpr Meldungstext Korrektur_offen_vorgehaengt{
    "Konflikt Umschalten auf vorgehängte Rinne mit Korrektur Rinnenhöhe", Korrektur_offen_Text};
inline constexpr Meldungstext Korrektur_offen_beidseits{
    "Konflikt Umschalten von Überlauf beidseits mit Korrektur Rinnenhöhe", Korrektur_offen_Text};
inline constexpr Meldungstext Korrektur_offen_eine_Seite{
    "Konflikt Umschalten von Überlauf eine Seite mit Korrektur Rinnenhöhe", Korrektur_offen_Text};

// --- modes that exclude each other -------------------------------------------------------------------------------
// The commands that ask before they end a running guide.
enum class Befehl {
    Projekt_speichern,           // Command2
    Projekt_aufrufen,            // Command6
    Projektdaten_zuruecksetzen,  // Command9
    Werte_zuruecksetzen,         // Command1
    neues_Projekt,               // Command7
    Druckvorschau,               // Command3
    Druckausgabe,                // Formular_Print
    Korrektur_Rinnenhoehe,       // Command11
    Als_PDF_speichern,           // Als_PDF_speichern
};
// The Yes/No question "… the guide must end first, end it?" of that command.
Meldungstext Leitfaden_Konflikt(Befehl b);

inline constexpr Meldungstext Korrektur_mit_Vorschau{
    "Konflikt Korrektur Rinnenhöhe mit Druckvorschau.",
    "Vor Aufruf zur Korrektur der Rinnenhöhe muss die Druckvorschau geschlossen werden. Fenster schließen?"};
inline constexpr Meldungstext Vorschau_mit_Korrektur{
    "Konflikt Druckvorschau mit Korrektur Rinnenhöhe",
    "Vor dem Aufruf der Druckvorschau muss im Fenster zur Korrektur der Rinnenhöhe der Wert übernommen oder auf "
    "Null gesetzt werden."};
inline constexpr Meldungstext Leitfaden_mit_Korrektur{
    "Konflikt Leitfaden mit Korrektur Rinnenhöhe",
    "Vor dem Aufruf des Leitfadens muss im Fenster zur Korrektur der Rinnenhöhe der Wert übernommen oder auf "
    "Null gesetzt werden."};

// --- resets --------------------------------------------------------------------------------------------------------
inline constexpr Meldungstext Projektdaten_loeschen{
    "Projektdaten löschen", "Die Hinweise zum Projekt (Name, Anschrift etc.) werden gelöscht. In Ordnung?"};
inline constexpr Meldungstext Rinnenmasse_loeschen{"Rinnenmaße löschen",
                                                   "Die Maße und Vorgaben zur Rinne werden gelöscht. In Ordnung?"};
inline constexpr Meldungstext Projekt_neu{"Projekt neu anlegen", "Alle Maße und Vorgaben werden gelöscht. In Ordnung?"};

// --- project files --------------------------------------------------------------------------------------------------
inline constexpr Meldungstext Daten_aufrufen{
    "Daten aufrufen", "Eventuell im Formular eingegebene Daten werden überschrieben. In Ordnung?"};
inline constexpr Meldungstext Datei_Kontrolle{
    "Datei-Kontrolle",
    "Die ausgewählte Datei ist keine Datei mit Daten für die Dachkandelmesser; eventuell ist sie beschädigt."};
inline constexpr std::string_view Speichern_Titel = "Projekt speichern";
// A box holds a number no file could give back; "%1" names it.
inline constexpr std::string_view Speichern_zu_gross_Text =
    "Das Projekt wurde nicht gespeichert: Die Eingabe \u00B4%1\u00B4 ist für die Berechnung zu groß. Bitte "
    "korrigieren Sie den Wert.";
inline constexpr std::string_view Speichern_zu_klein_Text =
    "Das Projekt wurde nicht gespeichert: Die Eingabe \u00B4%1\u00B4 ist für die Berechnung zu klein. Bitte "
    "korrigieren Sie den Wert.";
// The overwrite question of the save dialog; "%1": the file name.
inline constexpr std::string_view Ueberschreiben_Text = "%1 ist bereits vorhanden.\nMöchten Sie die Datei ersetzen?";

inline constexpr Meldungstext Altprojekt{
    "Daten aus einer älteren Version einlesen",
    "Beim Einlesen von Projekten aus älteren Dachkandelmessers-Versionen: Hier werden einzelne Daten nicht "
    "übernommen. Sie werden im Einzelfall darauf hingewiesen."};
inline constexpr Meldungstext Baustelle{
    "Nichtübernahme Baustellenwerte",
    "Im aufgerufenen Projekt sind Daten zum Projekt angegeben, die nicht übernommen werden (siehe Hinweis oben)."};
inline constexpr Meldungstext Wind{
    "Fehlende Funtion",
    "Im aufgerufenen Projekt wurde der Windeinfluss berücksichtig (d.h. es ist die Dachneigung sowie der Winkel "
    "des Regenfalls bei Wind angegeben). Das hat mehrfach zu Rückfragen geführt. Da dieser Regenwinkel zum einen "
    "kaum zu ermitteln ist und dazu in der DIN EN 12056-3 auch nur sehr vage Angaben gemacht werden, ist diese "
    "Funktion in die Update-Version nicht mehr enthalten. Regenwinkel und Dachneigung werden nicht übernommen; "
    "das kann zu abweichenden Ergebnissen führen. Es ist zu überlegen, ob man hier anstelle der Dachgrundfläche "
    "die Dachfläche eingibt. Dadurch ist man in jedem Fall ´auf der sicheren Seite´."};
inline constexpr Meldungstext Innenrinne_alt{
    "Ältere Version, innenliegende Rinne",
    "Beim Übernehmen der Werte von innenliegenden Rinnen wird die untere Breite der Rinnen immer auf 300 mm "
    "gesetzt! Bitte eventuell korrigieren und dann mit der neuen Version speichern."};

// --- settings files -----------------------------------------------------------------------------------------------
inline constexpr std::string_view Eigene_Werte_Titel = "Eigene Werte speichern";
inline constexpr std::string_view Drucker_justieren_Titel = "Drucker justieren";

// --- rain yields from the weather service's KOSTRA-DWD-2020 table ----------------------------------------------
inline constexpr std::string_view Kostra_Titel = "Regenspenden nach KOSTRA-DWD-2020";
// The credit wherever values from the table are shown or printed (licence CC BY 4.0).
inline constexpr std::string_view Kostra_Datenbasis = "Datenbasis: Deutscher Wetterdienst, KOSTRA-DWD-2020";
// Beneath the list of places, whose values are those of DIN 1986-100, annex A; and its tip.
inline constexpr std::string_view Kostra_Ortshinweis = "Ältere Normtabelle \u2013 aktuelle Werte: KOSTRA-DWD-2020";
inline constexpr std::string_view Kostra_Ortshinweis_lang =
    "Die Werte der 94 Orte folgen der älteren Normtabelle (DIN 1986-100, Anhang A). Aktuelle Werte je Rasterfeld "
    "von 5 km gibt KOSTRA-DWD-2020 des Deutschen Wetterdienstes: \u201Eeigene Werte aufrufen\u201C, Reiter "
    "\u201EKOSTRA-DWD-2020\u201C.";
inline constexpr std::string_view Kostra_aus_Hoehen =
    "Die Tabelle hat keine Spalten RN: Die Regenspenden sind aus den Regenhöhen HN umgerechnet (r = h \u00B7 "
    "166,667 / 5).";
inline constexpr std::string_view Kostra_keine_Tabelle =
    "Bitte wählen Sie zuerst die Tabelle StatRR_KOSTRA-DWD-2020_D00005.csv.zip des Deutschen Wetterdienstes.";
inline constexpr std::string_view Kostra_Name_fehlt = "Bitte geben Sie einen Namen für den Ort ein.";
inline constexpr std::string_view Kostra_Ersetzen_Titel = "Eigenen Ort ersetzen";
// "%1": the name of the fifth place.
inline constexpr std::string_view Kostra_Ersetzen_Text =
    "Alle fünf Zeilen der eigenen Werte sind belegt. Die Regenspenden werden in Zeile 5 gespeichert; "
    "\u201E%1\u201C wird dort ersetzt. In Ordnung?\n\n(Eine andere Zeile wird frei, wenn Sie dort den Namen "
    "löschen.)";
// The location typed: "%1" the text, the number or the point.
inline constexpr std::string_view Kostra_Standort_leer =
    "Bitte geben Sie einen Ort (geographische Breite und Länge) oder die Nummer eines Rasterfelds ein.";
inline constexpr std::string_view Kostra_Standort_unlesbar =
    "\u201E%1\u201C ist weder ein Ort (Breite und Länge, z. B. 51,4462 7,0202 oder 51°26'46\" N 7°01'13\" E) noch "
    "die Nummer eines Rasterfelds (z. B. 049125).";
inline constexpr std::string_view Kostra_Breite_ungueltig =
    "%1° ist keine geographische Breite; sie liegt zwischen 90° S und 90° N.";
inline constexpr std::string_view Kostra_Laenge_ungueltig =
    "%1° ist keine geographische Länge; sie liegt zwischen 180° W und 180° O.";
inline constexpr std::string_view Kostra_Minuten_ungueltig =
    "In \u201E%1\u201C liegen Minuten oder Sekunden nicht zwischen 0 und 60.";
inline constexpr std::string_view Kostra_ausserhalb =
    "Der Ort %1 liegt außerhalb des Rasters von KOSTRA-DWD-2020 (Deutschland und seine Nachbargebiete).";
inline constexpr std::string_view Kostra_Feld_ungueltig =
    "Ein Rasterfeld %1 gibt es nicht: Zeile (die ersten drei Ziffern) und Spalte (die letzten drei) reichen von "
    "000 bis 299.";
inline constexpr std::string_view Kostra_keine_Werte =
    "Für das Rasterfeld %1 enthält die Tabelle keine Regenspenden (-99,9): Es liegt außerhalb des Gebiets, für "
    "das KOSTRA-DWD-2020 Werte angibt.";
// A table refused: "%1" the file's name, "%2" the reason (one of those below, with its line where there is one).
inline constexpr std::string_view Kostra_Datei_Text = "Die Tabelle \u201E%1\u201C wird nicht verwendet. %2 Es wurde nichts geändert.";
inline constexpr std::string_view Kostra_Zeile = "Zeile %1: %2";
inline constexpr std::string_view Kostra_Dauerstufe =
    "Die Datei enthält die Dauerstufe %1 min; gebraucht wird die Tabelle für 5 min (D00005).";
inline constexpr std::string_view Kostra_Dauerstufe_fehlt =
    "Der Dateiname nennt keine Dauerstufe; gebraucht wird die Tabelle für 5 min so, wie der Deutsche Wetterdienst "
    "sie anbietet (StatRR_KOSTRA-DWD-2020_D00005.csv.zip).";
inline constexpr std::string_view Kostra_Ausgabe =
    "Die Datei gehört zur Ausgabe %1. Deren Rasterfelder liegen anders (dieselbe Nummer meint dort einen anderen "
    "Ort); gebraucht wird KOSTRA-DWD-2020.";
inline constexpr std::string_view Kostra_nicht_lesbar = "Die Datei lässt sich nicht öffnen.";
inline constexpr std::string_view Kostra_zu_gross = "Die Datei ist größer als %1 MB und damit keine KOSTRA-Tabelle.";
inline constexpr std::string_view Kostra_Zip_kaputt = "Die Zip-Datei ist unvollständig oder beschädigt.";
inline constexpr std::string_view Kostra_Zip_ohne_Tabelle = "Die Zip-Datei enthält keine CSV-Tabelle.";
inline constexpr std::string_view Kostra_Zip_zu_gross =
    "Ausgepackt wäre die Tabelle in der Zip-Datei größer als %1 MB; das ist keine KOSTRA-Tabelle.";
inline constexpr std::string_view Kostra_ohne_Index =
    "Die Kopfzeile hat keine Spalte INDEX_RC; das ist keine Tabelle von KOSTRA-DWD-2020.";
inline constexpr std::string_view Kostra_ohne_Spende =
    "Die Kopfzeile hat weder die Spalten RN_005A und RN_100A noch HN_005A und HN_100A.";
inline constexpr std::string_view Kostra_Spalte_doppelt = "Die Spalte %1 steht zweimal in der Kopfzeile.";
inline constexpr std::string_view Kostra_Spaltenzahl = "Die Zeile hat %1 Spalten, die Kopfzeile %2.";
inline constexpr std::string_view Kostra_Index_ungueltig =
    "\u201E%1\u201C ist keine Feldnummer INDEX_RC (Zeile und Spalte je 000 bis 299).";
inline constexpr std::string_view Kostra_Feld_doppelt = "Das Rasterfeld %1 stand schon in Zeile %2.";
inline constexpr std::string_view Kostra_keine_Zahl = "In der Spalte %1 steht \u201E%2\u201C statt einer Zahl.";
inline constexpr std::string_view Kostra_Bereich = "Der Wert %2 der Spalte %1 ist kein möglicher Wert.";
inline constexpr std::string_view Kostra_leer = "Die Tabelle enthält keine Rasterfelder.";

// --- key filter ---------------------------------------------------------------------------------------------------
inline constexpr std::string_view Eingabefehler_Titel = "Eingabefehler";
inline constexpr Meldungstext Nur_Zahlen{
    Eingabefehler_Titel, "Dieses Feld nimmt nur Zahlen an (eventuell ist ´caps lock´ eingestellt)."};
// A second point would make the rest of the number silently ignored.
inline constexpr Meldungstext Zweiter_Punkt{
    Eingabefehler_Titel, "Eine Zahl hat nur einen Dezimalpunkt. Der zweite Punkt wird nicht übernommen."};
inline constexpr Meldungstext Enter{
    Eingabefehler_Titel,
    "Beenden Sie die Eingabe mit ´TAB´ (nicht mit ´RETURN´) oder klicken Sie mit der Maus in das nächste "
    "Eingabefeld."};

// --- the line below the results while the inputs are incomplete -------------------------------------------------
inline constexpr std::string_view Masse_Hinweis_Anfang = "Ergebnisse nicht aktuell \u2013 ";
inline constexpr std::string_view Laenge_ohne_Flaeche = ": Länge ohne Fläche";
inline constexpr std::string_view Flaeche_ohne_Laenge = ": Fläche ohne Länge";

// --- main window --------------------------------------------------------------------------------------------------
inline constexpr Meldungstext Programm_beenden{
    "Programm beenden",
    "Nicht gesicherte Eingaben gehen verloren. Speichern Sie die Werte ggf. mit dem Schalter links "
    "oben auf dem Monitor.  Wollen Sie die eingegebenen Werte speichern? "};
// The frame window's caption (the title bar, with " – " and the project file's name) and the main window's.
inline constexpr std::string_view Rahmentitel = "Dachkandelmesser nach DIN EN 12056";
inline constexpr std::string_view Formulartitel = "Ein- und Ausgabe-Formular";
// Beside the rainfall fields while they hold values no place and no own value gave.
inline constexpr std::string_view Regenvorgabe_Hinweis = "Vorgabewerte, kein Ort gewählt – bitte prüfen!";
inline constexpr std::string_view Ueber_Titel = "Über Dachkandelmesser";
// The "about" box: version ("%1"), licence, what the program computes, where the settings live ("%2").
inline constexpr std::string_view Ueber_Text =
    "Dachkandelmesser %1\n\nBemessung der Dachentwässerung einer Dachkante nach DIN EN 12056-3 und DIN 1986-100: "
    "vorgehängte und innenliegende Rinnen (Normgrößen und Maße nach Bedarf), Notüberläufe, Rinnenabläufe und "
    "Trichter, Fallrohre.\n\nLizenz: GNU General Public License, Version 3 oder neuer (GPL-3.0-or-later). Das "
    "Programm wird ohne jede Gewährleistung angeboten.\n\nRegenspenden nach KOSTRA-DWD-2020 (unter \u201Eeigene "
    "Werte\u201C) liest das Programm aus der Tabelle, die Sie selbst beim Deutschen Wetterdienst herunterladen; es "
    "enthält keine Daten des Wetterdienstes. Datenbasis: Deutscher Wetterdienst, KOSTRA-DWD-2020, Lizenz CC BY 4.0 "
    "(creativecommons.org/licenses/by/4.0), DOI 10.5676/DWD/KOSTRA-DWD-2020.\n\nEinstellungen (eigene "
    "Regenspenden, Drucker, Aussteller) liegen im Ordner \u201E%2\u201C.";

// --- saving and reading files ---------------------------------------------------------------------------------
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
inline constexpr std::string_view Verweisschleife_Text =
    "Die Datei \u201E%1\u201C konnte nicht gespeichert werden: Ihre Verweise (Symlinks) führen im Kreis.";
inline constexpr std::string_view Pfad_zu_lang_Text =
    "Die Datei \u201E%1\u201C konnte nicht gespeichert werden: Der Pfad ist länger, als das System erlaubt. Bitte "
    "wählen Sie einen kürzeren Namen oder Ordner.";
inline constexpr std::string_view Datei_als_Ordner_Text =
    "Die Datei \u201E%1\u201C konnte nicht gespeichert werden: Ein Teil ihres Pfades ist eine Datei, kein Ordner.";
inline constexpr std::string_view Datei_unlesbar_Text = "Die Datei \u201E%1\u201C lässt sich nicht lesen.";
// A report would replace the project it was made from.
inline constexpr std::string_view Projektdatei_als_Ziel_Text =
    "\u201E%1\u201C ist die Projektdatei selbst und wird nicht überschrieben; bitte wählen Sie einen anderen Namen.";
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

// --- report: printing, PDF export and the issuer settings ------------------------------------------------------
inline constexpr std::string_view Pdf_Fehler_Titel = "Als PDF speichern";
// dkm-rechner without its PDF library beside it
inline constexpr std::string_view Kein_Pdf_Schreiber_Text =
    "Diese Ausgabe des Programms kann keine PDF-Dateien schreiben.";

inline constexpr std::string_view Standarddrucker_Titel = "Standard-Drucker ändern.";
inline constexpr std::string_view Standarddrucker_Text =
    "Der Druckauftrag wird an den Standard-Drucker gesendet. In Ordnung?";
inline constexpr std::string_view Kein_Drucker_Titel = "Kein Drucker";
inline constexpr std::string_view Kein_Drucker_Text =
    "Auf diesem Rechner ist kein Drucker eingerichtet. Soll der Bericht statt dessen als PDF-Datei gespeichert "
    "werden?";
inline constexpr std::string_view Druckfehler_Titel = "Projekt drucken";
// "%1": what the printer reported.
inline constexpr std::string_view Druckfehler_Text =
    "Der Bericht konnte nicht gedruckt werden: %1 Bitte prüfen Sie den Drucker und versuchen Sie es erneut.";
inline constexpr std::string_view Drucker_nicht_bereit_Text = "Der Drucker nimmt den Auftrag nicht an.";
inline constexpr std::string_view Aussteller_Fehler_Titel = "Aussteller";
// A report of a project without a measured segment would print nothing but zeros.
inline constexpr Meldungstext Bericht_ohne_Masse{
    "Maße fehlen!",
    "Für den Bericht fehlen die Maße: Keine Teilstrecke hat eine Länge (bei Gesamtmaßen: gesamte Länge, gesamte "
    "Fläche und Anzahl der Abläufe angeben)."};

}  // namespace meldung
}  // namespace dkm
