#include "bedienung/projektstand.h"

#include <cctype>

#include "model/meldungen.h"
#include "model/tabellen.h"
#include "model/zahlen.h"

namespace dkm {

namespace {
constexpr std::string_view Vorschlag = "KandProj";

bool Datei_in_Arbeit(const Formular& f) { return f[V::Text24] && !f[T::Text24].empty(); }
}  // namespace

bool Projekt_geaendert(const Formular& f) { return Projektstand(f) != f.Stand_gesichert; }

void Stand_merken(Formular& f) { f.Stand_gesichert = Projektstand(f); }

void Projekt_gespeichert(Formular& f, const std::string& datei) {
    f[V::Label4] = f[V::Text24] = true;
    f[T::Text24] = datei;
    Stand_merken(f);
}

std::string Oeffnenvorschlag(const std::filesystem::path& letzter_ordner) {
    if (letzter_ordner.empty()) return std::string(Vorschlag);
    const std::u8string u8 = (letzter_ordner / Vorschlag).u8string();
    return std::string(u8.begin(), u8.end());
}

std::string Speichervorschlag(const Formular& f, const std::filesystem::path& letzter_ordner) {
    if (!Datei_in_Arbeit(f)) return Oeffnenvorschlag(letzter_ordner);
    // an older file is read, never written: saving it goes to a .Dkm beside it
    std::filesystem::path datei(std::u8string(f[T::Text24].begin(), f[T::Text24].end()));
    std::string endung = datei.extension().string();
    for (char& c : endung) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (endung != ".dkm") datei.replace_extension(".Dkm");
    const std::u8string u8 = datei.u8string();
    return std::string(u8.begin(), u8.end());
}

std::string Fenstertitel(const Formular& f) {
    std::string titel(meldung::Rahmentitel);
    if (Datei_in_Arbeit(f)) {
        const std::filesystem::path datei(std::u8string(f[T::Text24].begin(), f[T::Text24].end()));
        const std::u8string name = datei.filename().u8string();
        titel += " \u2013 " + std::string(name.begin(), name.end());
    }
    if (Projekt_geaendert(f)) titel += '*';
    return titel;
}

bool Regenwerte_vorgegeben(const Formular& f) {
    const std::string& ort = f[L::Combo_Wahl_Regensp].text;
    if (!ort.empty() && ort != Ort_Starttext) return false;
    const float r5 = Einzelwert(f[T::r5_5]), r100 = Einzelwert(f[T::r5_100]);
    // a 0 is replaced by 450 or 800 at the next recalculation
    return (r5 == 0 || r5 == 400 || r5 == 450) && (r100 == 0 || r100 == 800);
}

}  // namespace dkm
