// Speed of the internal-gutter sizing: a usual eight-segment gutter, and the
// worst case where every depth search runs to its step limit.
#include <benchmark/benchmark.h>

#include <string>

#include "bedienung/neuberechnung.h"
#include "model/startzustand.h"

namespace {

struct Stumm : dkm::Dialoge {
    void meldung(const std::string&, const std::string&) override {}
    bool frage(const std::string&, const std::string&) override { return true; }
};

dkm::Formular Achtteilig(const char* hindernis_cm2) {
    using namespace dkm;
    Formular f;
    Startzustand(f, nullptr);
    f[T::r5_5] = "300";
    f[T::r5_100] = "600";
    Rinnenart_setzen(f, Rinne::innenliegend);
    f[S::Option3] = false;
    f[S::Option5] = true;
    f[T::Text30] = "3";
    f[T::Text2] = "300";
    f[T::Text3] = "80";
    f[T::Text4] = "60";
    f[T::Text5] = hindernis_cm2;
    f.Hoehenkorrektur = 20;
    for (int i = 1; i <= 8; ++i) {
        f[Laenge(i)] = std::to_string(6 + i);
        f[Breite(i)] = "12.5";
    }
    f[Check(3)] = true;
    f.Winkelfaktor[2] = 0.85f;
    return f;
}

void Lauf(benchmark::State& state, const char* hindernis_cm2, const char* breite_m = nullptr) {
    dkm::Formular f = Achtteilig(hindernis_cm2);
    if (breite_m) {
        f[dkm::T::r5_5] = "9999999";
        f[dkm::T::r5_100] = "9999999";
        for (int i = 1; i <= 8; ++i) f[dkm::Breite(i)] = breite_m;
        Stumm pruefen;
        dkm::Neuberechnung(f, pruefen);
        if (!f.werte.innen.Suchgrenze_erreicht) state.SkipWithError("the searches do not reach their limit");
    }
    Stumm d;
    for (auto _ : state) {
        dkm::Neuberechnung(f, d);
        benchmark::DoNotOptimize(f.werte.innen.Bemessungstiefe);
    }
}

void Innenrinne_Laengsseite(benchmark::State& state) { Lauf(state, "25"); }
// Roofs and rain just below the input limit: no depth carries the flow, so the
// searches end at 100001 mm.
void Innenrinne_Suchgrenze(benchmark::State& state) { Lauf(state, "25", "9999999"); }

}  // namespace

BENCHMARK(Innenrinne_Laengsseite)->Unit(benchmark::kMicrosecond);
BENCHMARK(Innenrinne_Suchgrenze)->Unit(benchmark::kMicrosecond);
