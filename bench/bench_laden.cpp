// Load, recalculate and dump one project file, as dkm-rechner does it.
#include <benchmark/benchmark.h>

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

}  // namespace

BENCHMARK_CAPTURE(Laden_und_ausgeben, einzel, "traufe_einzel.Dkm")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Laden_und_ausgeben, gesamt, "traufe_gesamt.Dkm")->Unit(benchmark::kMicrosecond);
