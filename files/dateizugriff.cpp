#include "files/dateizugriff.h"

#include <cstdint>
#include <cstdio>
#include <optional>
#include <system_error>
#include <variant>

#include "files/plattform/plattform.h"
#include "model/meldungen.h"

namespace dkm {

namespace fs = std::filesystem;
using plattform::Eintrag;
using plattform::Grund;

namespace {

std::string Text(std::string_view vorlage, const fs::path& p, const fs::path& q = {}) {
    return meldung::Eingesetzt(vorlage, Pfadtext(p), Pfadtext(q));
}

fs::path Ordner_von(const fs::path& datei) { return datei.has_parent_path() ? datei.parent_path() : fs::path("."); }

// What a save writes to: the file at the end of any links, and how it stands now.
struct Ziel {
    fs::path datei;
    Eintrag alt;
    bool vorhanden() const { return alt.art != Eintrag::Art::fehlt; }
};

// The reason a path cannot take a file.
std::string Pfadfehler(Grund grund, const fs::path& name) {
    switch (grund) {
        case Grund::Schleife: return Text(meldung::Verweisschleife_Text, name);
        case Grund::zu_lang: return Text(meldung::Pfad_zu_lang_Text, name);
        case Grund::kein_Ordner: return Text(meldung::Datei_als_Ordner_Text, name);
        case Grund::fehlt: return Text(meldung::Ordner_fehlt_Text, name);
        default: return Text(meldung::Speicherfehler_Text, name);
    }
}

// The end of the link chain, or the message why nothing may be written there.
std::variant<Ziel, std::string> Ziel_finden(const fs::path& name) {
    Ziel z{name, {}};
    for (int glied = 0;; ++glied) {
        z.alt = plattform::Ansehen(z.datei, false);
        if (z.alt.fehler != Grund::keiner) return Pfadfehler(z.alt.fehler, name);
        if (z.alt.art != Eintrag::Art::Verweis) break;
        if (glied == 40) return Pfadfehler(Grund::Schleife, name);
        std::error_code ec;
        const fs::path verweis = fs::read_symlink(z.datei, ec);
        if (ec) return Pfadfehler(ec == std::errc::filename_too_long ? Grund::zu_lang
                                  : ec == std::errc::no_such_file_or_directory ? Grund::fehlt
                                                                               : Grund::anderer,
                                  name);
        z.datei = verweis.is_absolute() ? verweis : Ordner_von(z.datei) / verweis;
    }
    if (z.vorhanden() && z.alt.art != Eintrag::Art::Datei) return Text(meldung::keine_Datei_Text, z.datei);
    if (z.vorhanden() && !z.alt.schreibbar) return Text(meldung::schreibgeschuetzt_Text, z.datei);
    const fs::path ordner = Ordner_von(z.datei);
    const Eintrag o = plattform::Ansehen(ordner, true);
    if (o.fehler != Grund::keiner) return Pfadfehler(o.fehler, z.datei);
    if (o.art == Eintrag::Art::fehlt) return Pfadfehler(Grund::fehlt, z.datei);
    if (o.art != Eintrag::Art::Ordner) return Pfadfehler(Grund::kein_Ordner, z.datei);
    if (!o.schreibbar) return Text(meldung::Ordner_schreibgeschuetzt_Text, ordner, z.datei.filename());
    return z;
}

// ".dkm-" and a hash of the target's name: each target has its own pattern,
// whatever the length of its name; then the writing process and a counter.
std::string Temp_Muster(const fs::path& datei) {
    uint64_t h = 14695981039346656037ull;
    for (char c : Pfadtext(datei.filename())) h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    char muster[32];
    std::snprintf(muster, sizeof muster, ".dkm-%016llx-", static_cast<unsigned long long>(h));
    return muster;
}

bool Prozess_laeuft(std::string_view pid_text) {
    long pid = 0;
    for (char c : pid_text) {
        if (c < '0' || c > '9' || pid > 100000000) return false;
        pid = 10 * pid + (c - '0');
    }
    return plattform::Prozess_laeuft(pid);
}

// Temporary files of earlier saves of the same target that died before their rename.
void Reste_entfernen(const fs::path& ordner, const std::string& muster) {
    std::error_code ec;
    for (fs::directory_iterator it(ordner, ec), ende; !ec && it != ende; it.increment(ec)) {
        const std::string name = Pfadtext(it->path().filename());
        if (!name.starts_with(muster) || !name.ends_with(".tmp")) continue;
        // a save of the same file running right now in another process keeps its file
        const std::string rest = name.substr(muster.size());
        if (Prozess_laeuft(rest.substr(0, rest.find('-')))) continue;
        std::error_code weg;
        if (!it->is_directory(weg)) fs::remove(it->path(), weg);
    }
}

}  // namespace

std::string Pfadtext(const fs::path& p) {
    const std::u8string u8 = p.u8string();
    return std::string(u8.begin(), u8.end());
}

Erfolg<std::string> Datei_lesen(const fs::path& datei, size_t hoechstens) {
    auto inhalt = plattform::Lesen(datei, hoechstens);
    if (!inhalt) return Fehler{meldung::Eingesetzt(meldung::Datei_unlesbar_Text, Pfadtext(datei))};
    return std::move(*inhalt);
}

Erfolg<> Ziel_pruefen(const fs::path& datei) {
    auto gefunden = Ziel_finden(datei);
    if (auto* fehler = std::get_if<std::string>(&gefunden)) return Fehler{std::move(*fehler)};
    return {};
}

bool Dieselbe_Datei(const fs::path& a, const fs::path& b) {
    const auto ka = plattform::Kennung_von(a);
    return ka && ka == plattform::Kennung_von(b);
}

fs::path Temp_Name(const fs::path& datei, long pid, unsigned zaehler) {
    const std::string name = Temp_Muster(datei) + std::to_string(pid) + "-" + std::to_string(zaehler) + ".tmp";
    return Ordner_von(datei) / fs::path(name);
}

Erfolg<> Datei_ersetzen(const fs::path& name, std::string_view inhalt) {
    auto gefunden = Ziel_finden(name);
    if (auto* fehler = std::get_if<std::string>(&gefunden)) return Fehler{std::move(*fehler)};
    const Ziel& z = std::get<Ziel>(gefunden);
    const fs::path ordner = Ordner_von(z.datei);
    // before writing, so that a dead process's file under this process's id cannot stand in the way
    Reste_entfernen(ordner, Temp_Muster(z.datei));
    fs::path temp;
    plattform::Neue_Datei neu;
    // a name that is taken all the same (a folder, another user's file) gives way to the next counter
    for (unsigned zaehler = 0;; ++zaehler) {
        temp = Temp_Name(z.datei, plattform::Prozessnummer(), zaehler);
        const Grund g = neu.anlegen(temp);
        if (g == Grund::keiner) break;
        if (g == Grund::Zugriff) return Fehler{Text(meldung::Ordner_schreibgeschuetzt_Text, ordner, z.datei.filename())};
        if (g != Grund::vorhanden || zaehler == 1000) return Fehler{Pfadfehler(g, z.datei)};
    }
    bool ok = neu.schreiben(inhalt);
    // the replacement keeps the old file's permissions and, where allowed, its owner
    if (ok && z.vorhanden()) neu.rechte_uebernehmen(z.alt.rechte);
    ok = neu.sichern_und_schliessen() && ok;
    if (!ok || !plattform::Ersetzen(temp, z.datei)) {
        std::error_code ec;
        fs::remove(temp, ec);
        return Fehler{Text(meldung::Speicherfehler_Text, z.datei)};
    }
    plattform::Ordner_sichern(ordner);
    return {};
}

}  // namespace dkm
