// Composing both report pages from a loaded internal-gutter project: the
// composition alone, and with the recalculation every report runs first.
#include <benchmark/benchmark.h>

#include "cli/dump.h"
#include "files/dateizugriff.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "model/startzustand.h"
#include "report/bericht.h"

namespace {

dkm::Formular Beispiel(dkm::Aufzeichnung& d) {
    dkm::Formular f;
    dkm::Startzustand(f, nullptr);
    const std::string datei = DKM_EXAMPLES_DIR "/innen_laengsseite.Dkm";
    dkm::Projekt_laden(f, d, datei, dkm::Datei_lesen(datei, dkm::Projektdatei_Hoechstgroesse).wert_oder(""));
    return f;
}

void Bericht_zusammenstellen(benchmark::State& state) {
    dkm::Aufzeichnung d;
    dkm::Formular f = Beispiel(d);
    const auto form = dkm::bericht::Vorschauform({"Dachbau GmbH", "Weg 1", "Kassel", "0561 1"}, "01.02.2026");
    if (!dkm::bericht::Bericht_erstellen(f, form)) state.SkipWithError("kein Bericht");
    for (auto _ : state) benchmark::DoNotOptimize(dkm::bericht::Bericht_zusammenstellen(f, form));
}
BENCHMARK(Bericht_zusammenstellen)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What a page of the preview and a printout take: the checks of the state and the composition.
void Bericht_erstellen(benchmark::State& state) {
    dkm::Aufzeichnung d;
    const dkm::Formular f = Beispiel(d);
    const auto form = dkm::bericht::Papierform(10, 0, 0, {}, "01.02.2026");
    for (auto _ : state) benchmark::DoNotOptimize(dkm::bericht::Bericht_erstellen(f, form));
}
BENCHMARK(Bericht_erstellen)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
