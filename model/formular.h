// The state of the main window as data: every input control, every result
// box, the flags and the derived values. The window and dkm-rechner both hold
// one and hand it to the engine; neither computes anything itself.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "model/bild.h"
#include "model/rechenwerte.h"

namespace dkm {

// Text boxes, inputs and results alike, by their control names.
#define DKM_TEXTFELDER(X)                                                                    \
    X(Bauherr) X(strasse) X(PLZ_Ort) X(Telef) X(Fax) X(Bemerkungen)                          \
    X(r5_5) X(r5_100)                                                                        \
    X(Text1) X(Text2) X(Text3) X(Text4) X(Text5) X(Text6) X(Text7) X(Text8)                  \
    X(Text9) X(Text10) X(Text11) X(Text12) X(Text13) X(Text14) X(Text15) X(Text16)           \
    X(Text17) X(Text18) X(Text19) X(Text20) X(Text21) X(Text22) X(Text23) X(Text24)          \
    X(Text25) X(Text26) X(Text27) X(Text28) X(Text29) X(Text30) X(Text31) X(Text32)          \
    X(Laenge_1) X(Laenge_2) X(Laenge_3) X(Laenge_4)                                          \
    X(Laenge_5) X(Laenge_6) X(Laenge_7) X(Laenge_8)                                          \
    X(Breite_1) X(Breite_2) X(Breite_3) X(Breite_4)                                          \
    X(Breite_5) X(Breite_6) X(Breite_7) X(Breite_8)                                          \
    X(Zusatz_Flaeche_1) X(Zusatz_Flaeche_2) X(Zusatz_Flaeche_3) X(Zusatz_Flaeche_4)          \
    X(Zusatz_Flaeche_5) X(Zusatz_Flaeche_6) X(Zusatz_Flaeche_7) X(Zusatz_Flaeche_8)          \
    X(Einzel_Flaeche_1) X(Einzel_Flaeche_2) X(Einzel_Flaeche_3) X(Einzel_Flaeche_4)          \
    X(Einzel_Flaeche_5) X(Einzel_Flaeche_6) X(Einzel_Flaeche_7) X(Einzel_Flaeche_8)          \
    X(Belast_Teilrinne_1) X(Belast_Teilrinne_2) X(Belast_Teilrinne_3) X(Belast_Teilrinne_4)  \
    X(Belast_Teilrinne_5) X(Belast_Teilrinne_6) X(Belast_Teilrinne_7) X(Belast_Teilrinne_8)  \
    X(Flaeche_Fallrohr_1_2) X(Flaeche_Fallrohr_3_4)                                          \
    X(Flaeche_Fallrohr_5_6) X(Flaeche_Fallrohr_7_8)                                          \
    X(Belastung_Fallrohr_1_2) X(Belastung_Fallrohr_3_4)                                      \
    X(Belastung_Fallrohr_5_6) X(Belastung_Fallrohr_7_8)

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
    X(Command14) X(Command15) X(Command28) X(Command29) X(Command30) X(Command31)

// Picture boxes that the engine prints into, by number (PictureN).
#define DKM_BILDER(X)                                                                        \
    X(1) X(2) X(3) X(4) X(13) X(14) X(15) X(16) X(17) X(18) X(19) X(20) X(21) X(22)          \
    X(23) X(24) X(25) X(26) X(27) X(29) X(30) X(31) X(32) X(34) X(35)

#define DKM_ENUM_EINTRAG(n) n,
enum class T : int { DKM_TEXTFELDER(DKM_ENUM_EINTRAG) Anzahl };
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

struct Liste {
    std::string text;
    int index = -1;
};

// Flag values, compared literally as the program always did.
inline constexpr std::string_view ja = "ja", nein = "nein", aktiv = "aktiv", aus = "aus",
                                  sichtbar = "sichtbar", nicht_sichtbar = "nicht_sichtbar";

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

    // Derived values (Part of the record, kept beside the controls).
    float Abflussbeiwert = 1.0f;
    float Sicherheitsfaktor = 1.0f;
    std::array<float, 8> Winkelfaktor{1, 1, 1, 1, 1, 1, 1, 1};
    std::string Notueberlauf_Regen;
    std::string Rinnenart = "vorgehaengt";
    std::string Eingabe_Art = "einzel";
    float Hoehenkorrektur = 0.0f;

    // State flags.
    std::string Masse_vollstaendig;
    std::string Ladevorgang;
    std::string Status_Leitfaden = "aus";
    std::string Status_Korrektur = "aus";
    std::string Status_Vorschau = "aus";
    std::string Vorschau_Seite = "Seite eins";
    std::string Status_Hilfe = "sichtbar";
    std::string Status_Eigenwerte = "nicht_sichtbar";
    std::string Status_Druckjustage = "nicht_sichtbar";
    std::string Leitfaden_Schritt;

    // Text shown in the help box (hover help, legacy import note).
    std::string Hilfe_Text;
    // Top position of the overflow box (twips), set with the outlet count.
    int Notueberlauf_Box_top = 0;
    // Working values of the last recalculation.
    Rechenwerte werte;
    // Decimal separator of the user's locale for display patterns.
    std::string dezimaltrenner = ".";
};

}  // namespace dkm
