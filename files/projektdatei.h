// The project file (*.Dkm): 43 lines of Windows-1252 text after a header.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "files/zeilenleser.h"
#include "model/erfolg.h"
#include "model/formular.h"
#include "model/meldungen.h"

namespace dkm {

inline constexpr std::string_view Projektkopf = "Wertedatei für Dachkandelmesser Version 07 08";
inline constexpr std::string_view Projektkopf_12_05 = "Wertedatei für Dachkandelmesser Version 12_05";

// The option groups whose choice the file holds as a text: gutter kind, input mode, overflows, outlets.
struct Optionstext {
    S option;
    std::string_view text;
};
inline constexpr std::string_view Text_innenliegend = "innenliegend", Text_einzel = "einzel";
inline constexpr std::array<Optionstext, 2> Rinnenart_Optionen = {{
    {S::Option1, "vorgehaengt"}, {S::Option2, Text_innenliegend}}};
inline constexpr std::array<Optionstext, 2> Eingabeart_Optionen = {{{S::Option10, Text_einzel}, {S::Option11, "gesamt"}}};
inline constexpr std::array<Optionstext, 3> Notueberlauf_Optionen = {{
    {S::Option3, "Notüberlauf_beidseits"}, {S::Option4, "Notüberlauf_eineSeite"},
    {S::Option5, "Notüberlauf_Laengsseite"}}};
inline constexpr std::array<Optionstext, 3> Anordnung_Optionen = {{
    {S::Option6, "alle innerhalb"}, {S::Option7, "eine Seite innen, eine aussen"},
    {S::Option8, "beidseits aussen"}}};

// A project file is a few kilobytes; anything beyond this is no project.
inline constexpr size_t Projektdatei_Hoechstgroesse = 1u << 20;

// Everything a project file holds, texts in UTF-8, in file order.
struct Projektdaten {
    std::string Bauherr, strasse, PLZ_Ort, Telef, Fax, Bemerkungen;
    std::string Combo_Wahl_Regensp;
    double r5_5 = 0, r5_100 = 0;
    std::string Combo_Abfl_beiwert;
    std::array<float, 8> Laenge{}, Breite{}, Zusatz_Flaeche{};
    float Verhaeltnis_HB = 0;
    std::string Rinnenart;
    std::string Combo_Schutzfaktor;
    float Hindernis_Rinne = 0, Rinnenbreite_unten = 0, Winkel_links = 0, Winkel_rechts = 0;
    std::string Notueberlauf_Art;
    bool Check_Schutzkorb = false;
    std::array<float, 8> Winkelfaktor{1, 1, 1, 1, 1, 1, 1, 1};
    std::string Eingabe_Art;
    float Gesamtlaenge = 0, Gesamtflaeche = 0;
    int16_t Anzahl_Stutzen = 0;
    std::string Anordnung_Stutzen;
    std::string Combo_Diff_Notueberl;
    int Index_Diff_Notueberl = 0, Index_Abfl_beiwert = 0;  // -1: no entry
    int16_t Anzahl_Notueberlaeufe = 0;
    float Hoehenkorrektur = 0;

    bool operator==(const Projektdaten&) const = default;
};

bool Ist_Projektkopf(std::string_view zeile);

// Windows-1252 as written, or UTF-8 when an editor re-saved the file: with a
// byte-order mark (removed from `bytes`), a header in UTF-8, or, in an older
// file without header, letters beyond ASCII that are all valid UTF-8.
Kodierung Projektkodierung(std::string_view& bytes);

// Lines 2 to 43, after the header; nullopt on any read error.
std::optional<Projektdaten> Projektzeilen_lesen(Zeilenleser& leser);

// A box that reading raises, with the text the help box shows beside it (empty: none).
struct Lesehinweis {
    Meldungstext meldung;
    std::string hilfe;
};
struct Gelesenes_Projekt {
    std::optional<Projektdaten> daten;  // nullopt: no project file, "Datei-Kontrolle"
    bool alt = false;                   // no header: read as a project of an older version
    std::vector<Lesehinweis> hinweise;  // in the order they arise
};
// The one reader of project files, current or older. An older file takes what
// its layout lacks from `vorgaben`.
Gelesenes_Projekt Projekt_lesen(std::string_view bytes, const Projektdaten& vorgaben);

// What the controls show now. Fails with a German message when a box holds a
// number beyond the range of the calculation, which no file could give back.
Erfolg<Projektdaten> Projektdaten_sammeln(const Formular& f);
// The file content: header and 43 lines, Windows-1252, CR LF.
std::string Projektdatei_schreiben(const Projektdaten& daten);

// Collects, writes and replaces `datei` safely; the angle factors follow the
// check boxes as saving has always done. The record stays as it is, saved or not.
Erfolg<> Projekt_speichern(const Formular& f, const std::filesystem::path& datei);

}  // namespace dkm
