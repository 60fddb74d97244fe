#include "model/formular.h"

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

}  // namespace dkm
