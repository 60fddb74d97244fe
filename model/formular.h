// The state of the main window as data: every input control, every result
// box, the flags and the derived values. The window and dkm-rechner both hold
// one and hand it to the engine; neither computes anything itself.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/aussteller.h"
#include "model/bild.h"
#include "model/erfolg.h"
#include "model/druckwerte.h"
#include "model/eigene_orte.h"
#include "model/kostra.h"
#include "model/rechenwerte.h"

namespace dkm {

// Text boxes the user fills (and the file name box Text24), by their control names.
#define DKM_EINGABEFELDER(X)                                                                 \
    X(Bauherr) X(strasse) X(PLZ_Ort) X(Telef) X(Fax) X(Bemerkungen)                          \
    X(r5_5) X(r5_100)                                                                        \
    X(Text1) X(Text2) X(Text3) X(Text4) X(Text5) X(Text6) X(Text7) X(Text8)                  \
    X(Text9) X(Text10) X(Text11) X(Text12) X(Text13) X(Text14) X(Text15) X(Text16)           \
    X(Text17) X(Text18) X(Text19) X(Text20) X(Text21) X(Text22) X(Text23) X(Text24)          \
    X(Text25) X(Text26) X(Text27) X(Text30)                                                  \
    X(Laenge_1) X(Laenge_2) X(Laenge_3) X(Laenge_4)                                          \
    X(Laenge_5) X(Laenge_6) X(Laenge_7) X(Laenge_8)                                          \
    X(Breite_1) X(Breite_2) X(Breite_3) X(Breite_4)                                          \
    X(Breite_5) X(Breite_6) X(Breite_7) X(Breite_8)                                          \
    X(Zusatz_Flaeche_1) X(Zusatz_Flaeche_2) X(Zusatz_Flaeche_3) X(Zusatz_Flaeche_4)          \
    X(Zusatz_Flaeche_5) X(Zusatz_Flaeche_6) X(Zusatz_Flaeche_7) X(Zusatz_Flaeche_8)                  \
    X(Aussteller_Name) X(Aussteller_Strasse) X(Aussteller_Ort) X(Aussteller_Telefon)

// Text boxes the display step writes the results into, in the order dkm-rechner prints them.
#define DKM_ERGEBNISFELDER(X)                                                                \
    X(Einzel_Flaeche_1) X(Einzel_Flaeche_2) X(Einzel_Flaeche_3) X(Einzel_Flaeche_4)          \
    X(Einzel_Flaeche_5) X(Einzel_Flaeche_6) X(Einzel_Flaeche_7) X(Einzel_Flaeche_8)          \
    X(Belast_Teilrinne_1) X(Belast_Teilrinne_2) X(Belast_Teilrinne_3) X(Belast_Teilrinne_4)  \
    X(Belast_Teilrinne_5) X(Belast_Teilrinne_6) X(Belast_Teilrinne_7) X(Belast_Teilrinne_8)  \
    X(Flaeche_Fallrohr_1_2) X(Flaeche_Fallrohr_3_4)                                          \
    X(Flaeche_Fallrohr_5_6) X(Flaeche_Fallrohr_7_8)                                          \
    X(Belastung_Fallrohr_1_2) X(Belastung_Fallrohr_3_4)                                      \
    X(Belastung_Fallrohr_5_6) X(Belastung_Fallrohr_7_8)                                      \
    X(Text28) X(Text29) X(Text31) X(Text32)

#define DKM_TEXTFELDER(X) DKM_EINGABEFELDER(X) DKM_ERGEBNISFELDER(X)

// Editable drop-down lists: a text and the index of the chosen entry (-1: none).
#define DKM_LISTEN(X) X(Combo_Wahl_Regensp) X(Combo_Abfl_beiwert) X(Combo_Schutzfaktor) X(Combo_Diff_Notueberl)

// Option buttons and check boxes: selected / checked.
#define DKM_SCHALTER(X)                                                                      \
    X(Option1) X(Option2) X(Option3) X(Option4) X(Option5) X(Option6) X(Option7) X(Option8)  \
    X(Option10) X(Option11)                                                                  \
    X(Check1) X(Check2) X(Check3) X(Check4) X(Check5) X(Check6) X(Check7) X(Check8)          \
    X(Check_Schutzkorb)

// Controls whose visibility the program changes.
#define DKM_SICHTBAR(X)                                                                      \
    X(Frame2) X(Frame8) X(Frame5) X(Frame9) X(Rinne_vorgeh_einzel) X(Frame6)                 \
    X(Rinnen_innenliegend) X(Frame4) X(Label3) X(Label4) X(Label6) X(Label14) X(Label21)     \
    X(Label33) X(Text24) X(Text28) X(Text29) X(Picture1) X(Picture2) X(Picture25)            \
    X(Picture26) X(Picture27) X(Picture28) X(Picture29) X(Picture30) X(Picture31)            \
    X(Picture32) X(Picture34) X(Picture35) X(Picture37) X(Picture43) X(Picture44)            \
    X(Picture45) X(Picture46) X(Druckvorsch) X(Hilfe_Text)

// Controls whose enabled state the program changes.
#define DKM_AKTIV(X)                                                                         \
    X(Option3) X(Option4) X(Option5) X(Option6) X(Option7) X(Option8)                        \
    X(Combo_Diff_Notueberl) X(Text30) X(Command11) X(Label21) X(Label33)                     \
    X(Command14) X(Command15) X(Command28) X(Command29) X(Command30) X(Command31) X(Command27)

// Picture boxes, by number (PictureN): those the engine prints text lines
// into, and those that only show a drawing or a colour.
#define DKM_BILDER(X)                                                                        \
    X(1, Text) X(2, Text) X(3, Text) X(4, Text) X(13, Text) X(14, Text) X(15, Text)          \
    X(16, Text) X(17, Text) X(18, Text) X(19, Text) X(20, Text) X(21, Text) X(22, Text)      \
    X(23, Text) X(24, Text) X(25, Text) X(26, Text) X(27, Text) X(28, Zeichnung)             \
    X(29, Text) X(30, Text) X(31, Text) X(32, Text) X(34, Text) X(35, Text)                  \
    X(37, Zeichnung) X(43, Zeichnung) X(44, Zeichnung) X(45, Zeichnung) X(46, Zeichnung)

// Command buttons.
#define DKM_BEFEHLE(X)                                                                       \
    X(Command1) X(Command2) X(Command3) X(Command4) X(Command5) X(Command6) X(Command7)       \
    X(Command9) X(Command10) X(Command11) X(Command12) X(Command13) X(Command14)             \
    X(Command15) X(Command17) X(Command18) X(Command19) X(Command20) X(Command21)            \
    X(Command22) X(Command23) X(Command24) X(Command25) X(Command26) X(Command27)            \
    X(Command28) X(Command29) X(Command30) X(Command31) X(Formular_Print)                   \
    X(Als_PDF_speichern) X(Ueber_Dachkandelmesser)

// Labels, frames and other named controls the program never changes.
#define DKM_WEITERE(X) \
    X(Form1_Inhalt) X(Formulartitel) X(Masse_Hinweis) X(Statuszeile) X(Vorschauseite) X(Frame7) X(Frame_Teilstrecken)  \
    X(Label7) X(Label8) X(Label9) X(Label10) X(Label11) X(Label12) X(Label13) X(Label15) X(Label16)   \
    X(Label17) X(Label18) X(Label23) X(Label24) X(Label25) X(Label29) X(Label46) X(Label48)           \
    X(Label58) X(Label59) X(Label60) X(Label61) X(Label62) X(Label63) X(Label64) X(Label65)           \
    X(Label66) X(Label67) X(Label68) X(Label69) X(Label77) X(Label78) X(Label79) X(Label81)           \
    X(Label_Abfluss) X(Label_Abfluss_Ablauf) X(Label_Ablauf) X(Label_Ablauf_1) X(Label_Ablauf_2)      \
    X(Label_Ablauf_3) X(Label_Ablauf_4) X(Label_Bauherr) X(Label_Bedarf) X(Label_Bemerkungen)         \
    X(Label_Fax) X(Label_Flaeche) X(Label_Flaeche_Ablauf) X(Label_PLZ_Ort) X(Label_Standard)          \
    X(Label_TS1) X(Label_TS2) X(Label_TS3) X(Label_TS4) X(Label_TS5) X(Label_TS6) X(Label_TS7)        \
    X(Label_TS8) X(Label_Telef) X(Label_Text1) X(Label_Text6) X(Label_Text7) X(Label_Text8)           \
    X(Label_Text30) X(Label_Grenze_Text7) X(Label_Grenze_Text8)                                        \
    X(Label_Aussteller_Name) X(Label_Aussteller_Strasse) X(Label_Aussteller_Ort)                      \
    X(Label_Aussteller_Telefon) X(Label_r5_5_eigen) X(Label_r5_100_eigen) X(Label_strasse)            \
    X(MDIForm1) X(MDIForm1_2) X(Rinnenvorgaben) X(frame3) X(Label_Regenvorgabe)                        \
    X(Eigenwerte_Reiter) X(Kostra_Rahmen) X(Kostra_Tabelle) X(Kostra_Tabelle_waehlen)                         \
    X(Kostra_Ort) X(Kostra_Suchen) X(Kostra_Ergebnis) X(Kostra_Name)                                         \
    X(Kostra_Uebernehmen) X(Kostra_Datenbasis) X(Label_Kostra_Hinweis)

#define DKM_ENUM_EINTRAG(n) n,
enum class T : int { DKM_TEXTFELDER(DKM_ENUM_EINTRAG) Anzahl };
// The result boxes are the last of the text boxes.
inline constexpr T Erstes_Ergebnisfeld = T::Einzel_Flaeche_1;
enum class L : int { DKM_LISTEN(DKM_ENUM_EINTRAG) Anzahl };
enum class S : int { DKM_SCHALTER(DKM_ENUM_EINTRAG) Anzahl };
enum class V : int { DKM_SICHTBAR(DKM_ENUM_EINTRAG) Anzahl };
enum class A : int { DKM_AKTIV(DKM_ENUM_EINTRAG) Anzahl };
#undef DKM_ENUM_EINTRAG

// Control names, in enum order.
std::string_view Name(T);
std::string_view Name(L);
std::string_view Name(S);
std::string_view Name(V);
std::string_view Name(A);
constexpr int Anzahl(T) { return static_cast<int>(T::Anzahl); }

// Segment boxes of TS i (1..8) and the per-outlet boxes of outlet k (1..4).
T Laenge(int i);
T Breite(int i);
T Zusatz_Flaeche(int i);
T Einzel_Flaeche(int i);
T Belast_Teilrinne(int i);
T Flaeche_Fallrohr(int k);
T Belastung_Fallrohr(int k);
S Check(int i);

enum class Bildart { Text, Zeichnung };
struct Bildbox {
    int nummer;
    Bildart art;
};
#define DKM_BILD_EINTRAG(n, art) Bildbox{n, Bildart::art},
inline constexpr Bildbox Bildboxen[] = {DKM_BILDER(DKM_BILD_EINTRAG)};
#undef DKM_BILD_EINTRAG
inline constexpr std::string_view Befehle[] = {
#define DKM_NAME_EINTRAG(n) #n,
    DKM_BEFEHLE(DKM_NAME_EINTRAG)
};
inline constexpr std::string_view Weitere_Steuerelemente[] = {DKM_WEITERE(DKM_NAME_EINTRAG)};
#undef DKM_NAME_EINTRAG

struct Liste {
    std::string text;
    int index = -1;
};

// The kind of gutter (Rinnenart): hung in front of the roof edge, or inside the building.
enum class Rinne { vorgehaengt, innenliegend };
// How the dimensions are entered (Eingabe_Art): segment by segment, or as totals spread evenly.
enum class Masseingabe { einzel, gesamt };
// What the emergency overflows carry (Notueberlauf_Regen): the 100-year rain less the design rain, or all of it.
enum class Notregen { abzueglich, voll };
// Guide, print preview and height correction exclude each other: at most one is active.
enum class Modus { keiner, Leitfaden, Vorschau, Korrektur };
enum class Vorschauseite { eins, zwei };

// The angle factor of a segment with a corner (its check box ticked).
inline constexpr float Winkelfaktor_Ecke = 0.85f;

struct Formular {
    std::array<std::string, static_cast<size_t>(T::Anzahl)> text{};
    std::array<Liste, static_cast<size_t>(L::Anzahl)> liste{};
    std::array<bool, static_cast<size_t>(S::Anzahl)> wahl{};
    std::array<bool, static_cast<size_t>(V::Anzahl)> sichtbar{};
    std::array<bool, static_cast<size_t>(A::Anzahl)> aktiv{};
    std::array<Bild, 47> bild{};  // PictureN at index N

    std::string& operator[](T t) { return text[static_cast<size_t>(t)]; }
    const std::string& operator[](T t) const { return text[static_cast<size_t>(t)]; }
    Liste& operator[](L l) { return liste[static_cast<size_t>(l)]; }
    const Liste& operator[](L l) const { return liste[static_cast<size_t>(l)]; }
    bool& operator[](S s) { return wahl[static_cast<size_t>(s)]; }
    bool operator[](S s) const { return wahl[static_cast<size_t>(s)]; }
    bool& operator[](V v) { return sichtbar[static_cast<size_t>(v)]; }
    bool operator[](V v) const { return sichtbar[static_cast<size_t>(v)]; }
    bool& operator[](A a) { return aktiv[static_cast<size_t>(a)]; }
    bool operator[](A a) const { return aktiv[static_cast<size_t>(a)]; }
    Bild& Picture(int n) { return bild[static_cast<size_t>(n)]; }
    const Bild& Picture(int n) const { return bild[static_cast<size_t>(n)]; }

    // Derived values kept beside the controls. The gutter kind and the input mode have
    // their home in the option buttons (Rinnenart, Eingabe_Art below).
    float Abflussbeiwert = 1.0f;
    float Sicherheitsfaktor = 1.0f;
    // Mirrored by Check1..8; written only through Winkelfaktor_setzen.
    std::array<float, 8> Winkelfaktor{1, 1, 1, 1, 1, 1, 1, 1};
    float Hoehenkorrektur = 0.0f;

    // State flags.
    bool Masse_vollstaendig = true;  // the segments' measures, as Eingabepruefung found them
    bool Ladevorgang = false;        // a project file is being applied
    Modus aktiver_Modus = Modus::keiner;
    Vorschauseite Vorschau_Seite = Vorschauseite::eins;
    bool Hilfe_an = true;            // "Hilfe ausschalten" not pressed
    bool Eigenwerte_offen = false;   // the own-values window
    bool Druckjustage_offen = false;  // the printer panel
    std::string Leitfaden_Schritt;
    // Keys of the guide steps shown, at 1..25; entry Leitfaden_Zaehler is on screen.
    std::array<std::string, 26> Leitfaden_Verlauf{};
    int16_t Leitfaden_Zaehler = 0;
    bool Leitfaden_zurueck = false;     // the step to show was reached by "Leitfaden zurück"
    bool Hilfe_vor_Leitfaden = false;  // the guide switched the help off and gives it back at its end
    // Controls the guide paints in Markierungsgelb, by name; all others keep their normal colour.
    std::vector<std::string> Markierung;
    // What the guide box shows.
    Bild Leitfaden_Box;
    // The control that gets the keyboard focus next, by name; the window moves it and empties this.
    std::string Fokus;

    // False while the inputs are incomplete and the result boxes still show an
    // earlier state; Masse_Hinweis then names the segments concerned.
    bool Ergebnisse_aktuell = true;
    std::string Masse_Hinweis;
    // The message that stopped the last run, which a report of these inputs gives again.
    Fehler Anhaltgrund;

    // The own places, the printer adjustment and the issuer of the report as last read or
    // saved: what a short settings file does not give keeps these.
    Eigene_Orte eigene_orte{};
    Druckwerte druckwerte{};
    Aussteller aussteller{};
    // Own places taken over from the KOSTRA-DWD-2020 grid, with their cells (settings file Kostra.dat).
    std::vector<Kostra_Ort> kostra_orte;

    // The project as it was last loaded, saved or begun (Projektstand); another
    // Projektstand means unsaved input.
    std::string Stand_gesichert;

    // Text shown in the help box (hover help, legacy import note), with its top and height in twips.
    std::string Hilfe_Text;
    int Hilfe_top_twips = 120;
    int Hilfe_hoehe_twips = 2055;
    // Top position of the overflow box (twips), set with the outlet count.
    int Notueberlauf_Box_top = 0;
    // Working values of the last recalculation.
    Rechenwerte werte;
    // Decimal separator of the user's locale for display patterns.
    std::string dezimaltrenner = ".";
};

// Option2 selected means an internal gutter, Option11 total dimensions.
Rinne Rinnenart(const Formular& f);
Masseingabe Eingabe_Art(const Formular& f);
bool Ist_gesamt(const Formular& f);
bool Ist_innenliegend(const Formular& f);
void Rinnenart_setzen(Formular& f, Rinne art);
void Eingabe_Art_setzen(Formular& f, Masseingabe art);
// What the emergency overflows carry, from the list Combo_Diff_Notueberl: its second entry is all of it.
Notregen Notueberlauf_Regen(const Formular& f);
// Angle factor of TS i (1..8) and its check box, together (a file may hold other factors than 0.85).
void Winkelfaktor_setzen(Formular& f, int i, float faktor);
// The factor the check box of TS i stands for; every factor from its check box, as saving has always done.
float Winkelfaktor_nach_Check(const Formular& f, int i);
void Winkelfaktoren_nach_Checks(Formular& f);
// Everything of the project a file keeps, as one text; numbers by value, so " 12.5" equals "12.5".
std::string Projektstand(const Formular& f);

}  // namespace dkm
