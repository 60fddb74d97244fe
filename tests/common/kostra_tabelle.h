// KOSTRA-DWD-2020 tables as the weather service publishes them, written by the tests: a header line,
// ";" between fields, decimal comma, six-digit INDEX_RC, "-99,9" for no data, CR LF; bare or zipped.
#pragma once

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace dkm::test {

inline const std::vector<std::string> Kostra_Jahre = {"001", "002", "003", "005", "010", "020", "030", "050", "100"};

// INDEX_RC, then HN, RN and UC for T = 1 ... 100 years; a table without RN gives the yields from the depths.
inline std::vector<std::string> Kostra_Spalten(bool mit_rn = true) {
    std::vector<std::string> s{"INDEX_RC"};
    for (std::string gruppe : {"HN_", "RN_", "UC_"})
        if (mit_rn || gruppe != "RN_")
            for (const std::string& t : Kostra_Jahre) s.push_back(gruppe + t + "A");
    return s;
}

// One row: its INDEX_RC and the value texts by column; a column not named holds "-99,9".
struct Kostra_Zeile {
    std::string index;
    std::map<std::string, std::string> werte;
};

// Nine values of a group (T = 1 ... 100) into a row.
inline void Gruppe(Kostra_Zeile& z, const std::string& gruppe, const std::vector<std::string>& neun) {
    for (size_t i = 0; i < neun.size(); ++i) z.werte[gruppe + Kostra_Jahre[i] + "A"] = neun[i];
}

// Cell 049125 with the weather service's 5-minute depths and uncertainties; the yields by hand,
// r = h · 10000 / (60 · 5) = h · 33,333: 6,0 → 200,0 ... 9,3 → 310,0 ... 16,9 → 563,3.
inline Kostra_Zeile Feld_049125() {
    Kostra_Zeile z{"049125", {}};
    Gruppe(z, "HN_", {"6,0", "7,4", "8,2", "9,3", "10,8", "12,4", "13,5", "14,9", "16,9"});
    Gruppe(z, "RN_", {"200,0", "246,7", "273,3", "310,0", "360,0", "413,3", "450,0", "496,7", "563,3"});
    Gruppe(z, "UC_", {"16", "17", "18", "19", "20", "20", "21", "21", "22"});
    return z;
}

// Cell 118111: depths 6,9 ... 20,9; 11,1 · 33,333 = 370,0 and 20,9 · 33,333 = 696,7.
inline Kostra_Zeile Feld_118111() {
    Kostra_Zeile z{"118111", {}};
    Gruppe(z, "HN_", {"6,9", "8,6", "9,7", "11,1", "13,1", "15,2", "16,5", "18,3", "20,9"});
    Gruppe(z, "RN_", {"230,0", "286,7", "323,3", "370,0", "436,7", "506,7", "550,0", "610,0", "696,7"});
    Gruppe(z, "UC_", {"15", "16", "16", "17", "18", "19", "19", "20", "21"});
    return z;
}

// A cell with only some values: "HN_005A" and the like.
inline Kostra_Zeile Feld(std::string index, std::map<std::string, std::string> werte) {
    return {std::move(index), std::move(werte)};
}

inline std::string Kostra_csv(const std::vector<std::string>& spalten, const std::vector<Kostra_Zeile>& zeilen,
                              const std::string& ende = "\r\n") {
    std::string aus;
    for (size_t i = 0; i < spalten.size(); ++i) aus += (i ? ";" : "") + spalten[i];
    aus += ende;
    for (const Kostra_Zeile& z : zeilen) {
        for (size_t i = 0; i < spalten.size(); ++i) {
            const auto w = z.werte.find(spalten[i]);
            aus += (i ? ";" : "") + (spalten[i] == "INDEX_RC" ? z.index : w != z.werte.end() ? w->second : "-99,9");
        }
        aus += ende;
    }
    return aus;
}

// The cells the tests know: with data 048122, 049125, 118111, 224148, 129102 (Essen) and 134213
// (Görlitz); without data 000000 and 040477 (a number of no cell: column 477 is beyond the grid's 300).
inline std::vector<Kostra_Zeile> Kostra_Testfelder() {
    return {Feld("000000", {}),
            Feld("040477", {}),
            Feld("048122", {{"RN_005A", "301,2"}, {"RN_100A", "540,0"}, {"UC_005A", "19"}, {"UC_100A", "22"}}),
            Feld_049125(),
            Feld_118111(),
            Feld("129102", {{"RN_005A", "323,3"}, {"RN_100A", "616,7"}, {"UC_005A", "18"}, {"UC_100A", "21"}}),
            // Görlitz: 10,4 mm → 346,7 and 12,0 mm → 400,0; uncertainties 13 and 15 %
            Feld("134213", {{"HN_002A", "8,0"}, {"HN_005A", "10,4"}, {"HN_100A", "12,0"}, {"RN_005A", "346,7"},
                            {"RN_100A", "400,0"}, {"UC_002A", "12"}, {"UC_005A", "13"}, {"UC_100A", "15"}}),
            Feld("224148", {{"RN_005A", "280,0"}, {"RN_100A", "500,0"}, {"UC_005A", "20"}, {"UC_100A", "23"}})};
}

inline const char* Kostra_Name = "StatRR_KOSTRA-DWD-2020_D00005.csv";

inline void Datei_schreiben(const std::filesystem::path& p, const std::string& inhalt) {
    std::ofstream(p, std::ios::binary) << inhalt;
}

// A zip as the weather service's download: one entry `name` holding `inhalt`.
inline void Zip_schreiben(const std::filesystem::path& p, const std::string& name, const std::string& inhalt) {
    int fehler = 0;
    zip_t* z = zip_open(p.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &fehler);
    if (!z) throw std::runtime_error("zip_open");
    zip_source_t* q = zip_source_buffer(z, inhalt.data(), inhalt.size(), 0);
    if (!q || zip_file_add(z, name.c_str(), q, ZIP_FL_OVERWRITE) < 0) throw std::runtime_error("zip_file_add");
    if (zip_close(z) != 0) throw std::runtime_error("zip_close");
}

// The test table as downloaded: <ordner>/StatRR_KOSTRA-DWD-2020_D00005.csv.zip.
inline std::filesystem::path Kostra_Zip(const std::filesystem::path& ordner) {
    const auto p = ordner / (std::string(Kostra_Name) + ".zip");
    Zip_schreiben(p, Kostra_Name, Kostra_csv(Kostra_Spalten(), Kostra_Testfelder()));
    return p;
}

}  // namespace dkm::test
