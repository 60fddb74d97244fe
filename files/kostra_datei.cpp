// The KOSTRA table file: its name, the zip it comes in, its size.
#include <zip.h>

#include <algorithm>
#include <memory>

#include "files/dateizugriff.h"
#include "files/kostra_lesen.h"
#include "model/meldungen.h"

namespace dkm {

namespace {

using meldung::Eingesetzt;
namespace fs = std::filesystem;

std::string Gross(std::string_view s) {
    std::string t(s);
    for (char& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return t;
}

struct Namensbefund {
    enum Art { fuenf_minuten, ohne_dauer, abgelehnt } art;
    std::string grund{};
};

// The duration is no column of the table; only the name tells it ("_D00005": 5 minutes).
// The older release names durations with four digits and "2010R".
Namensbefund Name_pruefen(std::string_view name) {
    const std::string n = Gross(name);
    const std::string aelter = Eingesetzt(meldung::Kostra_Ausgabe, "KOSTRA-DWD-2010R");
    if (n.find("2010R") != std::string::npos) return {Namensbefund::abgelehnt, aelter};
    constexpr std::string_view Vorsilbe = "KOSTRA-DWD-";
    if (const size_t p = n.find(Vorsilbe); p != std::string::npos) {
        size_t e = p + Vorsilbe.size();
        while (e < n.size() && n[e] != '_' && n[e] != '.' && n[e] != ' ') ++e;
        const std::string ausgabe = n.substr(p, e - p);
        if (ausgabe != "KOSTRA-DWD-2020")
            return {Namensbefund::abgelehnt, Eingesetzt(meldung::Kostra_Ausgabe, ausgabe.substr(0, 40))};
    }
    for (size_t i = n.find("_D"); i != std::string::npos; i = n.find("_D", i + 2)) {
        size_t k = i + 2;
        while (k < n.size() && n[k] >= '0' && n[k] <= '9') ++k;
        if (k - i - 2 == 4) return {Namensbefund::abgelehnt, aelter};
        if (k - i - 2 != 5) continue;
        const int minuten = std::stoi(n.substr(i + 2, 5));
        if (minuten == 5) return {Namensbefund::fuenf_minuten};
        return {Namensbefund::abgelehnt, Eingesetzt(meldung::Kostra_Dauerstufe, std::to_string(minuten))};
    }
    return {Namensbefund::ohne_dauer};
}

std::string Groesse_MB() { return std::to_string(Kostra_Hoechstgroesse >> 20); }

bool endet_auf(std::string_view name, std::string_view endung) { return Gross(name).ends_with(Gross(endung)); }

}  // namespace

Zip_Tabelle Zip_Tabelle_auspacken(std::string_view bytes, size_t hoechstens) {
    Zip_Tabelle z;
    z.fehler = meldung::Kostra_Zip_kaputt;
    zip_error_t fehler;
    zip_error_init(&fehler);
    zip_source_t* quelle = zip_source_buffer_create(bytes.data(), bytes.size(), 0, &fehler);
    zip_error_fini(&fehler);
    if (!quelle) return z;
    zip_error_init(&fehler);
    zip_t* roh = zip_open_from_source(quelle, ZIP_RDONLY | ZIP_CHECKCONS, &fehler);
    zip_error_fini(&fehler);
    if (!roh) {
        zip_source_free(quelle);
        return z;
    }
    const std::unique_ptr<zip_t, void (*)(zip_t*)> archiv(roh, zip_discard);

    // the table, not a folder or a system's side file; with several, the 5-minute one
    zip_int64_t wahl = -1;
    const zip_int64_t anzahl = zip_get_num_entries(roh, 0);
    for (zip_int64_t i = 0; i < anzahl; ++i) {
        const char* name = zip_get_name(roh, static_cast<zip_uint64_t>(i), 0);
        if (!name || !endet_auf(name, ".csv") || std::string_view(name).starts_with("__MACOSX/")) continue;
        if (wahl < 0 || Gross(name).find("_D00005") != std::string::npos) wahl = i;
    }
    if (wahl < 0) {
        z.fehler = anzahl < 0 ? meldung::Kostra_Zip_kaputt : meldung::Kostra_Zip_ohne_Tabelle;
        return z;
    }
    z.name = zip_get_name(roh, static_cast<zip_uint64_t>(wahl), 0);
    zip_stat_t st;
    zip_stat_init(&st);
    if (zip_stat_index(roh, static_cast<zip_uint64_t>(wahl), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE) &&
        st.size > hoechstens) {
        z.fehler = Eingesetzt(meldung::Kostra_Zip_zu_gross, Groesse_MB());
        return z;
    }
    const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> datei(
        zip_fopen_index(roh, static_cast<zip_uint64_t>(wahl), 0), zip_fclose);
    if (!datei) return z;
    // the size in the directory may lie: the unpacking itself stops at the limit
    z.text.reserve(std::min<zip_uint64_t>(st.valid & ZIP_STAT_SIZE ? st.size : 0, hoechstens));
    char block[1 << 16];
    for (;;) {
        const zip_int64_t n = zip_fread(datei.get(), block, sizeof block);
        if (n < 0) return z;
        if (n == 0) break;
        if (z.text.size() + static_cast<size_t>(n) > hoechstens) {
            z.text.clear();
            z.fehler = Eingesetzt(meldung::Kostra_Zip_zu_gross, Groesse_MB());
            return z;
        }
        z.text.append(block, static_cast<size_t>(n));
    }
    z.fehler.clear();
    return z;
}

Kostra_Lesen Kostra_Tabelle_aus(std::string_view bytes, std::string_view dateiname) {
    auto abgelehnt = [&](std::string_view grund) {
        return Fehler{Eingesetzt(meldung::Kostra_Datei_Text, dateiname, grund)};
    };
    Namensbefund befund = Name_pruefen(dateiname);
    if (befund.art == Namensbefund::abgelehnt) return abgelehnt(befund.grund);
    if (bytes.size() > Kostra_Hoechstgroesse) return abgelehnt(Eingesetzt(meldung::Kostra_zu_gross, Groesse_MB()));
    std::string_view csv = bytes;
    Zip_Tabelle z;
    if (bytes.starts_with("PK") || endet_auf(dateiname, ".zip")) {
        z = Zip_Tabelle_auspacken(bytes, Kostra_Hoechstgroesse);
        if (!z.fehler.empty()) return abgelehnt(z.fehler);
        const Namensbefund innen = Name_pruefen(z.name);
        if (innen.art == Namensbefund::abgelehnt) return abgelehnt(innen.grund);
        if (befund.art == Namensbefund::ohne_dauer) befund = innen;
        csv = z.text;
    }
    if (befund.art == Namensbefund::ohne_dauer) return abgelehnt(meldung::Kostra_Dauerstufe_fehlt);
    Kostra_Lesen e = Kostra_Text_lesen(csv);
    if (!e) return abgelehnt(e.fehler().text);
    e->dateiname = dateiname;
    return e;
}

Kostra_Lesen Kostra_Tabelle_lesen(const fs::path& datei) {
    const std::string name = Pfadtext(datei.filename());
    std::error_code ec;
    const auto groesse = fs::file_size(datei, ec);
    // a huge file is refused before a byte of it is read
    if (!ec && groesse > Kostra_Hoechstgroesse && Name_pruefen(name).art != Namensbefund::abgelehnt)
        return Fehler{Eingesetzt(meldung::Kostra_Datei_Text, name, Eingesetzt(meldung::Kostra_zu_gross, Groesse_MB()))};
    const auto inhalt = Datei_lesen(datei, Kostra_Hoechstgroesse);
    if (!inhalt) return Fehler{Eingesetzt(meldung::Kostra_Datei_Text, name, meldung::Kostra_nicht_lesbar)};
    return Kostra_Tabelle_aus(*inhalt, name);
}

}  // namespace dkm
