#include "model/formular.h"

#include "model/zahlen.h"

namespace dkm {

namespace {
#define DKM_NAME_EINTRAG(n) #n,
constexpr std::string_view text_namen[] = {DKM_TEXTFELDER(DKM_NAME_EINTRAG)};
constexpr std::string_view listen_namen[] = {DKM_LISTEN(DKM_NAME_EINTRAG)};
constexpr std::string_view schalter_namen[] = {DKM_SCHALTER(DKM_NAME_EINTRAG)};
constexpr std::string_view sichtbar_namen[] = {DKM_SICHTBAR(DKM_NAME_EINTRAG)};
constexpr std::string_view aktiv_namen[] = {DKM_AKTIV(DKM_NAME_EINTRAG)};
#undef DKM_NAME_EINTRAG

T plus(T basis, int i) { return static_cast<T>(static_cast<int>(basis) + i - 1); }
}  // namespace

std::string_view Name(T t) { return text_namen[static_cast<size_t>(t)]; }
std::string_view Name(L l) { return listen_namen[static_cast<size_t>(l)]; }
std::string_view Name(S s) { return schalter_namen[static_cast<size_t>(s)]; }
std::string_view Name(V v) { return sichtbar_namen[static_cast<size_t>(v)]; }
std::string_view Name(A a) { return aktiv_namen[static_cast<size_t>(a)]; }

T Laenge(int i) { return plus(T::Laenge_1, i); }
T Breite(int i) { return plus(T::Breite_1, i); }
T Zusatz_Flaeche(int i) { return plus(T::Zusatz_Flaeche_1, i); }
T Einzel_Flaeche(int i) { return plus(T::Einzel_Flaeche_1, i); }
T Belast_Teilrinne(int i) { return plus(T::Belast_Teilrinne_1, i); }
T Flaeche_Fallrohr(int k) { return plus(T::Flaeche_Fallrohr_1_2, k); }
T Belastung_Fallrohr(int k) { return plus(T::Belastung_Fallrohr_1_2, k); }
S Check(int i) { return static_cast<S>(static_cast<int>(S::Check1) + i - 1); }

Rinne Rinnenart(const Formular& f) { return f[S::Option2] ? Rinne::innenliegend : Rinne::vorgehaengt; }
Masseingabe Eingabe_Art(const Formular& f) { return f[S::Option11] ? Masseingabe::gesamt : Masseingabe::einzel; }
bool Ist_gesamt(const Formular& f) { return Eingabe_Art(f) == Masseingabe::gesamt; }
bool Ist_innenliegend(const Formular& f) { return Rinnenart(f) == Rinne::innenliegend; }

void Rinnenart_setzen(Formular& f, Rinne art) {
    f[S::Option1] = art == Rinne::vorgehaengt;
    f[S::Option2] = art == Rinne::innenliegend;
}

void Eingabe_Art_setzen(Formular& f, Masseingabe art) {
    f[S::Option10] = art == Masseingabe::einzel;
    f[S::Option11] = art == Masseingabe::gesamt;
}

Notregen Notueberlauf_Regen(const Formular& f) {
    return f[L::Combo_Diff_Notueberl].index == 1 ? Notregen::voll : Notregen::abzueglich;
}

void Winkelfaktor_setzen(Formular& f, int i, float faktor) {
    f[Check(i)] = faktor != 1.0f;
    f.Winkelfaktor[static_cast<size_t>(i - 1)] = faktor;
}

float Winkelfaktor_nach_Check(const Formular& f, int i) { return f[Check(i)] ? Winkelfaktor_Ecke : 1.0f; }

void Winkelfaktoren_nach_Checks(Formular& f) {
    for (int i = 1; i <= 8; ++i) Winkelfaktor_setzen(f, i, Winkelfaktor_nach_Check(f, i));
}

std::string Projektstand(const Formular& f) {
    std::string s;
    auto dazu = [&s](std::string_view teil) { s.append(teil).push_back('\x1f'); };
    for (T t : {T::Bauherr, T::strasse, T::PLZ_Ort, T::Telef, T::Fax, T::Bemerkungen}) dazu(f[t]);
    std::vector<T> zahlen = {T::r5_5, T::r5_100, T::Text1, T::Text2, T::Text3, T::Text4, T::Text5,
                             T::Text25, T::Text26, T::Text27, T::Text30};
    for (int i = 1; i <= 8; ++i) zahlen.insert(zahlen.end(), {Laenge(i), Breite(i), Zusatz_Flaeche(i)});
    for (T t : zahlen) dazu(Zahlentext(Einzelwert(f[t])));
    for (const Liste& l : f.liste) dazu(l.text + '|' + std::to_string(l.index));
    for (bool b : f.wahl) dazu(b ? "1" : "0");
    dazu(Zahlentext(f.Hoehenkorrektur));
    return s;
}

}  // namespace dkm
