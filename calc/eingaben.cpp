#include "calc/eingaben.h"

#include <string>
#include <vector>

#include "model/feldname.h"
#include "model/meldungen.h"
#include "model/tabellen.h"
#include "model/zahlen.h"

namespace dkm {

Segmentwerte Teilstrecken_einlesen(const Formular& f) {
    Segmentwerte s;
    for (int i = 1; i <= 8; ++i) {
        const size_t j = static_cast<size_t>(i - 1);
        s.Laenge[j] = Einzelwert(f[Laenge(i)]);
        s.Breite[j] = Einzelwert(f[Breite(i)]);
        s.Zusatz_Flaeche[j] = Einzelwert(f[Zusatz_Flaeche(i)]);
    }
    return s;
}

std::vector<Massluecke> Massluecken(const Segmentwerte& s) {
    std::vector<Massluecke> luecken;
    for (size_t j = 0; j < 8; ++j) {
        const bool laenge = s.Laenge[j] != 0;
        const bool flaeche = s.Breite[j] != 0 || s.Zusatz_Flaeche[j] != 0;
        if (laenge != flaeche) luecken.push_back({static_cast<int>(j + 1), laenge});
    }
    return luecken;
}

namespace {

// The name of the first number the user or a file can give the calculation for which `gilt`
// does not hold; nothing when it holds for all.
template <typename Bedingung>
std::optional<std::string> Erste_Eingabe_ohne(const Formular& f, Bedingung gilt) {
    std::vector<T> felder;
    felder.reserve(35);
    for (int i = 1; i <= 8; ++i) felder.insert(felder.end(), {Laenge(i), Breite(i), Zusatz_Flaeche(i)});
    felder.insert(felder.end(), {T::r5_5, T::r5_100, T::Text1, T::Text2, T::Text3, T::Text4, T::Text5, T::Text30});
    // in single mode the totals are results, written back by the last run; judging them
    // would lock the window once a sum passed the limit
    if (Ist_gesamt(f)) felder.insert(felder.end(), {T::Text25, T::Text26, T::Text27});
    for (T feld : felder)
        if (!gilt(Zahl_lesen(f[feld]))) return Feldname(feld);
    if (!gilt(f.Hoehenkorrektur)) return std::string("Korrektur der Rinnenhöhe");
    for (int i = 1; i <= 8; ++i)
        if (!gilt(f.Winkelfaktor[static_cast<size_t>(i - 1)])) return "Rinnenwinkel TS " + std::to_string(i);
    return std::nullopt;
}

Fehler Abgelehnt(const Meldungstext& m, std::string_view vorlage, const std::string& feld) {
    return Fehler{meldung::Eingesetzt(vorlage, feld), std::string(m.titel)};
}

std::optional<Ablaufanordnung> Anordnung(const Formular& f) {
    if (f[S::Option6]) return Ablaufanordnung::alle_innerhalb;
    if (f[S::Option7]) return Ablaufanordnung::eine_Seite_aussen;
    if (f[S::Option8]) return Ablaufanordnung::beidseits_aussen;
    return std::nullopt;
}

std::optional<Notueberlauf> Notueberlauf_Art(const Formular& f) {
    if (f[S::Option3]) return Notueberlauf::beidseits;
    if (f[S::Option4]) return Notueberlauf::eineSeite;
    if (f[S::Option5]) return Notueberlauf::Laengsseite;
    return std::nullopt;
}

}  // namespace

Erfolg<Eingaben> Eingaben_lesen(const Formular& f) {
    if (const auto feld = Erste_Eingabe_ohne(f, [](double w) { return !Zu_klein(w); }))
        return Abgelehnt(meldung::zu_klein, meldung::zu_klein_Feld_Text, *feld);
    // a tiny value is out of range too, but gets its own message
    if (const auto feld = Erste_Eingabe_ohne(f, [](double w) { return Im_Eingaberahmen(w); }))
        return Abgelehnt(meldung::zu_gross, meldung::zu_gross_Feld_Text, *feld);

    Eingaben e;
    e.Rinnenart = Rinnenart(f);
    e.Eingabe_Art = Eingabe_Art(f);
    e.segmente = Teilstrecken_einlesen(f);
    e.Gesamtlaenge = Einzelwert(f[T::Text25]);
    e.Gesamtflaeche = Einzelwert(f[T::Text26]);
    e.Anzahl_Stutzen = Ganzzahl16(Zahl_lesen(f[T::Text27]));
    e.Anordnung = Anordnung(f);
    e.r5_5 = Zahl_lesen(f[T::r5_5]);
    e.r5_100 = Zahl_lesen(f[T::r5_100]);
    e.Abflussbeiwert_Index = f[L::Combo_Abfl_beiwert].index;
    e.Sicherheitsfaktor = Schutzfaktor_nach_Text(f[L::Combo_Schutzfaktor].text).value_or(f.Sicherheitsfaktor);
    e.Verhaeltnis_HB = Einzelwert(f[T::Text1]);
    e.Rinnenbreite_unten = Einzelwert(f[T::Text2]);
    e.Winkel_links = Einzelwert(f[T::Text3]);
    e.Winkel_rechts = Einzelwert(f[T::Text4]);
    e.Hindernis_cm2 = Einzelwert(f[T::Text5]);
    e.Anzahl_Notueberlaeufe = Zahl_lesen(f[T::Text30]);
    e.Notueberlauf_Art = Notueberlauf_Art(f);
    e.Notueberlauf_Regen = Notueberlauf_Regen(f);
    e.Schutzkorb = f[S::Check_Schutzkorb];
    e.Winkelfaktor = f.Winkelfaktor;
    e.Hoehenkorrektur = f.Hoehenkorrektur;
    return e;
}

}  // namespace dkm
