// A whole dkm-rechner call as a script over many projects makes it: start, read the project,
// print the dump, end. The plain calls load no toolkit library; target: at most 5 ms (median).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <string>

extern char** environ;

namespace {

void Rechner_Aufruf(benchmark::State& state, const char* projekt) {
    char programm[] = DKM_RECHNER;
    std::string datei = std::string(DKM_EXAMPLES_DIR) + "/" + projekt;
    char* argv[] = {programm, datei.data(), nullptr};
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    for (auto _ : state) {
        pid_t pid = 0;
        int status = -1;
        if (posix_spawn(&pid, programm, &aktionen, nullptr, argv, environ) != 0 || waitpid(pid, &status, 0) != pid ||
            !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("dkm-rechner lief nicht durch");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&aktionen);
}

BENCHMARK_CAPTURE(Rechner_Aufruf, traufe_gesamt, "traufe_gesamt.Dkm")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(Rechner_Aufruf, innen_alt, "innen_alt.Dkl")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5)
    ->ReportAggregatesOnly();

}  // namespace
