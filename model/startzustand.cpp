#include "model/startzustand.h"

#include "model/tabellen.h"
#include "model/zahlen.h"

namespace dkm {

void Eigene_Orte_anzeigen(Formular& f, const Eigene_Orte& orte) {
    for (int k = 0; k < 5; ++k) {
        const T name = static_cast<T>(static_cast<int>(T::Text9) + 3 * k);
        f[name] = orte[static_cast<size_t>(k)].name;
        f[static_cast<T>(static_cast<int>(name) + 1)] = Zahlentext(orte[static_cast<size_t>(k)].r5_5);
        f[static_cast<T>(static_cast<int>(name) + 2)] = Zahlentext(orte[static_cast<size_t>(k)].r5_100);
    }
}

void Startzustand(Formular& f, const Eigene_Orte* orte) {
    f = Formular{};

    for (V v : {V::Frame2, V::Rinne_vorgeh_einzel, V::Frame6, V::Picture1, V::Picture2, V::Picture25,
                V::Picture26, V::Picture27, V::Picture28, V::Picture29, V::Picture30, V::Picture31,
                V::Picture32, V::Picture34, V::Label21, V::Label33})
        f[v] = true;
    // Everything else (internal-gutter frames, notes, markers, Frame5/8/9, Label4, Text24) starts hidden.

    // Internal-gutter controls start disabled; the recalculation enables them.
    for (A a : {A::Option3, A::Option4, A::Option5, A::Combo_Diff_Notueberl, A::Text30, A::Command11,
                A::Label21, A::Label33, A::Option6, A::Option7, A::Option8, A::Command14})
        f[a] = false;
    f[A::Command15] = true;
    f[A::Command27] = true;

    f[S::Option1] = true;
    f[S::Option3] = true;
    f[S::Option10] = true;
    f[S::Option6] = true;

    f[L::Combo_Wahl_Regensp] = {std::string(Ort_Starttext), -1};
    f[L::Combo_Abfl_beiwert] = {std::string(Abflussbeiwerte[0].text), 0};
    f[L::Combo_Schutzfaktor] = {std::string(Schutzfaktoren[0].text), 0};
    f[L::Combo_Diff_Notueberl] = {std::string(Notueberlauf_Regen_Liste[0]), 0};
    f[T::Text1] = "0.625";

    if (orte) {
        f.eigene_orte = *orte;
        Eigene_Orte_anzeigen(f, *orte);
        // a place without a name is no choice: the list asks for one
        const std::string& name = (*orte)[0].name;
        f[L::Combo_Wahl_Regensp] = {name.empty() ? std::string(Ort_Starttext) : name, -1};
        f[T::r5_5] = Zahlentext((*orte)[0].r5_5);
        f[T::r5_100] = Zahlentext((*orte)[0].r5_100);
    } else {
        for (int k = 0; k < 5; ++k) {
            f[static_cast<T>(static_cast<int>(T::Text10) + 3 * k)] = "0";
            f[static_cast<T>(static_cast<int>(T::Text11) + 3 * k)] = "0";
        }
        f[T::r5_5] = "0";
        f[T::r5_100] = "0";
    }
    f.Stand_gesichert = Projektstand(f);
}

}  // namespace dkm
