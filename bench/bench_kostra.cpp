// The weather service's full 5-minute table (90 000 cells, about 16 000 with data) read from its zip and a
// cell found for a location (target under 300 ms), and a further lookup with the table read (under 1 ms).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "calc/standort.h"
#include "common/kostra_tabelle.h"
#include "files/kostra_tabelle.h"

namespace {

namespace fs = std::filesystem;

// Every cell of the grid in index order; cells of a broad band across the middle carry values of the
// table's magnitude, the rest "-99,9" in every column, as the weather service writes cells without data.
const fs::path& Volle_Tabelle() {
    static const fs::path zip = [] {
        const fs::path ordner = fs::temp_directory_path() / "dkm-bench-kostra";
        fs::create_directories(ordner);
        const auto spalten = dkm::test::Kostra_Spalten();
        std::string csv;
        for (size_t i = 0; i < spalten.size(); ++i) csv += (i ? ";" : "") + spalten[i];
        csv += "\r\n";
        std::string ohne;
        for (size_t i = 1; i < spalten.size(); ++i) ohne += ";-99,9";
        char index[8];
        for (int zeile = 0; zeile < 300; ++zeile)
            for (int spalte = 0; spalte < 300; ++spalte) {
                std::snprintf(index, sizeof index, "%03d%03d", zeile, spalte);
                csv += index;
                if (zeile >= 30 && zeile < 250 && spalte >= 40 && spalte < 230 && (zeile * 7 + spalte * 3 + 1) % 10 < 4) {
                    const int h = 60 + (zeile + spalte) % 40;  // depth in tenths of mm
                    for (int t = 0; t < 9; ++t) csv += ";" + std::to_string((h + 12 * t) / 10) + "," + std::to_string((h + 12 * t) % 10);
                    for (int t = 0; t < 9; ++t) csv += ";" + std::to_string((h + 12 * t) * 10 / 3) + ",0";
                    for (int t = 0; t < 9; ++t) csv += ";" + std::to_string(15 + t);
                } else {
                    csv += ohne;
                }
                csv += "\r\n";
            }
        const fs::path p = ordner / (std::string(dkm::test::Kostra_Name) + ".zip");
        dkm::test::Zip_schreiben(p, dkm::test::Kostra_Name, csv);
        return p;
    }();
    return zip;
}

void Tabelle_lesen_und_Feld_suchen(benchmark::State& state) {
    const fs::path& zip = Volle_Tabelle();
    for (auto _ : state) {
        const dkm::Kostra_Lesen t = dkm::Kostra_Tabelle_lesen(zip);
        const dkm::Feldsuche s = dkm::Feld_fuer_Eingabe("51.44617 7.020153");
        if (!t || !s || !t->werte(*s)) {
            state.SkipWithError("no values for Essen");
            break;
        }
        benchmark::DoNotOptimize(t->felder.data());
    }
}
BENCHMARK(Tabelle_lesen_und_Feld_suchen)->Unit(benchmark::kMillisecond);

void Weiteres_Feld_suchen(benchmark::State& state) {
    const dkm::Kostra_Lesen t = dkm::Kostra_Tabelle_lesen(Volle_Tabelle());
    if (!t) {
        state.SkipWithError(t.fehler().text.c_str());
        return;
    }
    for (auto _ : state) {
        const dkm::Feldsuche s = dkm::Feld_fuer_Eingabe("51°26'46\" N 7°01'13\" E");
        auto w = t->werte(s ? *s : dkm::Rasterfeld{});
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(Weiteres_Feld_suchen)->Unit(benchmark::kMicrosecond);

}  // namespace
