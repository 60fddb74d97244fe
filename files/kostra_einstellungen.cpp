#include "files/kostra_einstellungen.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "files/dateizugriff.h"
#include "files/einstellungen.h"
#include "files/kodierung.h"
#include "model/meldungen.h"

namespace dkm {

namespace {

std::vector<std::string_view> teilen(std::string_view zeile, size_t felder) {
    std::vector<std::string_view> t;
    while (t.size() + 1 < felder) {
        const size_t p = zeile.find(';');
        if (p == std::string_view::npos) break;
        t.push_back(zeile.substr(0, p));
        zeile.remove_prefix(p + 1);
    }
    t.push_back(zeile);  // the last field keeps its semicolons: a name or a path may hold one
    return t;
}

template <typename Z>
bool zahl(std::string_view s, Z& ziel) {
    return !s.empty() && std::from_chars(s.data(), s.data() + s.size(), ziel).ptr == s.data() + s.size();
}

std::string text(float w) {
    char buf[32];
    return std::string(buf, std::to_chars(buf, buf + sizeof buf, w).ptr);
}

std::optional<Kostra_Ort> ort_lesen(const std::vector<std::string_view>& t) {
    Kostra_Ort o;
    long long nummer = -1;
    Kostra_Werte& w = o.werte;
    if (t.size() != 8 || t[1].size() != 6 || !zahl(t[1], nummer) || !zahl(t[2], w.r5_5) ||
        !zahl(t[3], w.r5_100) || !zahl(t[4], w.uc5_5) || !zahl(t[5], w.uc5_100) || (t[6] != "RN" && t[6] != "HN"))
        return std::nullopt;
    const auto feld = Rasterfeld_aus_Nummer(nummer);
    if (!feld || !std::isfinite(w.r5_5) || !std::isfinite(w.r5_100)) return std::nullopt;
    w.feld = *feld;
    w.aus_hoehen = t[6] == "HN";
    o.name = Utf8_gesaeubert(t[7]);
    return o;
}

}  // namespace

void Kostra_Einstellungen_lesen_aus(std::string_view bytes, Kostra_Einstellungen& e) {
    if (bytes.size() > Einstellungsdatei_Hoechstgroesse) return;
    while (!bytes.empty()) {
        const size_t ende = std::min(bytes.find('\n'), bytes.size());
        std::string_view zeile = bytes.substr(0, ende);
        bytes.remove_prefix(std::min(ende + 1, bytes.size()));
        if (zeile.ends_with('\r')) zeile.remove_suffix(1);
        if (zeile.starts_with("Tabelle;")) {
            const std::string pfad = Utf8_gesaeubert(zeile.substr(8));
            e.tabelle = std::filesystem::path(std::u8string(pfad.begin(), pfad.end()));
        } else if (zeile.starts_with("Ort;")) {
            if (auto o = ort_lesen(teilen(zeile, 8))) Kostra_Ort_merken(e.orte, std::move(*o));
        }
    }
}

Kostra_Einstellungen Kostra_Einstellungen_lesen(const std::filesystem::path& datei) {
    Kostra_Einstellungen e;
    if (const auto inhalt = Datei_lesen(datei, Einstellungsdatei_Hoechstgroesse))
        Kostra_Einstellungen_lesen_aus(*inhalt, e);
    return e;
}

std::string Kostra_Einstellungen_Inhalt(const Kostra_Einstellungen& e) {
    auto einzeilig = [](std::string s) {
        std::replace_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        return s;
    };
    std::string aus;
    if (!e.tabelle.empty()) aus += "Tabelle;" + einzeilig(Pfadtext(e.tabelle)) + "\r\n";
    for (const Kostra_Ort& o : e.orte) {
        const Kostra_Werte& w = o.werte;
        aus += "Ort;" + Feldtext(w.feld) + ";" + text(w.r5_5) + ";" + text(w.r5_100) + ";" +
               std::to_string(w.uc5_5) + ";" + std::to_string(w.uc5_100) + ";" + (w.aus_hoehen ? "HN;" : "RN;") +
               einzeilig(o.name) + "\r\n";
    }
    return aus;
}

Erfolg<> Kostra_Einstellungen_schreiben(const std::filesystem::path& datei, const Kostra_Einstellungen& e) {
    return Einstellung_schreiben(datei, Kostra_Einstellungen_Inhalt(e), "Die Angaben zu KOSTRA-DWD-2020");
}

}  // namespace dkm
