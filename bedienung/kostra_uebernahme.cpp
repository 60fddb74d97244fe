#include "bedienung/kostra_uebernahme.h"

#include "bedienung/befehle.h"
#include "model/meldungen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {

T Namensfeld(int zeile) { return static_cast<T>(static_cast<int>(T::Text9) + 3 * (zeile - 1)); }

bool ohne_namen(std::string_view s) { return s.find_first_not_of(" \t") == std::string_view::npos; }

}  // namespace

Feldsuche Kostra_Feld_suchen(std::string_view eingabe) { return Feld_fuer_Eingabe(eingabe); }

int Kostra_Zeile_vorschlagen(const Formular& f, std::string_view name) {
    for (int k = 1; k <= 5; ++k)
        if (f[Namensfeld(k)] == name) return k;
    for (int k = 1; k <= 5; ++k)
        if (ohne_namen(f[Namensfeld(k)])) return k;
    return 5;
}

bool Kostra_uebernehmen(Formular& f, Dialoge& d, const Kostra_Ort& ort,
                        const std::function<void(const std::vector<Kostra_Ort>&)>& merken,
                        const std::function<void(const Eigene_Orte&)>& speichern) {
    if (ohne_namen(ort.name)) {
        d.meldung(std::string(meldung::Kostra_Titel), std::string(meldung::Kostra_Name_fehlt));
        return false;
    }
    const int zeile = Kostra_Zeile_vorschlagen(f, ort.name);
    const T name = Namensfeld(zeile);
    if (!ohne_namen(f[name]) && f[name] != ort.name &&
        !d.frage(std::string(meldung::Kostra_Ersetzen_Titel), meldung::Eingesetzt(meldung::Kostra_Ersetzen_Text, f[name])))
        return false;
    f[name] = ort.name;
    f[static_cast<T>(static_cast<int>(name) + 1)] = Zahlentext(ort.werte.r5_5);
    f[static_cast<T>(static_cast<int>(name) + 2)] = Zahlentext(ort.werte.r5_100);
    Kostra_Ort_merken(f.kostra_orte, ort);
    if (merken) merken(f.kostra_orte);
    Uebernehmen_Click(f, d, zeile, speichern);
    return true;
}

}  // namespace dkm
