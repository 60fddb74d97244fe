// Load, recalculate and dump one project file, as dkm-rechner does it: the
// load alone and the whole program without its process (file read included).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "cli/dump.h"
#include "files/dateizugriff.h"
#include "files/laden.h"
#include "model/startzustand.h"

namespace {

void Laden_und_ausgeben(benchmark::State& state, const char* name) {
    const auto inhalt = dkm::Datei_lesen(std::string(DKM_EXAMPLES_DIR) + "/" + name, dkm::Projektdatei_Hoechstgroesse);
    if (!inhalt) {
        state.SkipWithError("example project missing");
        return;
    }
    dkm::Formular start;
    dkm::Startzustand(start, nullptr);
    for (auto _ : state) {
        dkm::Formular f = start;
        dkm::Aufzeichnung d;
        dkm::Projekt_laden(f, d, name, *inhalt);
        std::string json = dkm::Dump(f, d.meldungen);
        benchmark::DoNotOptimize(json.data());
    }
}

void Rechnerlauf(benchmark::State& state, const char* name) {
    const std::string datei = std::string(DKM_EXAMPLES_DIR) + "/" + name;
    // a settings folder without files: the start state without own places
    const std::filesystem::path ordner = std::filesystem::temp_directory_path() / "dkm-bench-ohne-einstellungen";
    for (auto _ : state) {
        const dkm::Rechnerlauf lauf = dkm::Rechner({datei}, ".", ordner);
        if (lauf.status != 0) state.SkipWithError("example project not loaded");
        benchmark::DoNotOptimize(lauf.ausgabe.data());
    }
}

}  // namespace

BENCHMARK_CAPTURE(Laden_und_ausgeben, einzel, "traufe_einzel.Dkm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Laden_und_ausgeben, gesamt, "traufe_gesamt.Dkm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Laden_und_ausgeben, alt_traufe, "traufe_alt.Dkl")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Laden_und_ausgeben, alt_innen, "innen_alt.Dkl")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Rechnerlauf, aktuell, "traufe_einzel.Dkm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Rechnerlauf, innen, "innen_stirnseiten.Dkm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Rechnerlauf, alt_traufe, "traufe_alt.Dkl")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Rechnerlauf, alt_innen, "innen_alt.Dkl")->Unit(benchmark::kMicrosecond);
