// Recalculation speed of an eight-segment eaves project, typical and worst case.
#include <benchmark/benchmark.h>

#include <string>

#include "bedienung/neuberechnung.h"
#include "model/dialoge.h"
#include "model/formular.h"
#include "model/startzustand.h"

namespace {

using namespace dkm;

struct Stumm : Dialoge {
    int anzahl = 0;
    void meldung(const std::string&, const std::string&) override { ++anzahl; }
    bool frage(const std::string&, const std::string&) override { return true; }
};

Formular Acht_Teilstrecken() {
    Formular f;
    Startzustand(f, nullptr);
    f[T::r5_5] = "331";
    f[T::r5_100] = "582";
    const char* laengen[] = {"4.5", "6", "7.25", "5", "12", "3.8", "9", "6.6"};
    const char* breiten[] = {"5.5", "5.5", "8", "8", "6.2", "6.2", "10", "4"};
    for (int i = 1; i <= 8; ++i) {
        f[Laenge(i)] = laengen[i - 1];
        f[Breite(i)] = breiten[i - 1];
    }
    f[Zusatz_Flaeche(3)] = "12.5";
    f[S::Check4] = true;
    f.Winkelfaktor[3] = 0.85f;
    return f;
}

void Neuberechnung_acht_Teilstrecken(benchmark::State& state) {
    Formular f = Acht_Teilstrecken();
    Stumm d;
    for (auto _ : state) {
        Neuberechnung(f, d);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(Neuberechnung_acht_Teilstrecken);

// Every search to measure runs to its step limit: roofs and rain just below the input
// limit give flows no gutter of 100 m carries.
void Neuberechnung_alle_Suchen_am_Limit(benchmark::State& state) {
    Formular f = Acht_Teilstrecken();
    f[T::r5_5] = "9999999";
    for (int i = 1; i <= 8; ++i) f[Breite(i)] = "9999999";
    Stumm d;
    Neuberechnung(f, d);
    if (!f.werte.traufe.Suchgrenze) state.SkipWithError("the searches do not reach their limit");
    for (auto _ : state) {
        Neuberechnung(f, d);
        benchmark::DoNotOptimize(f);
    }
}
BENCHMARK(Neuberechnung_alle_Suchen_am_Limit)->Unit(benchmark::kMicrosecond);

}  // namespace
