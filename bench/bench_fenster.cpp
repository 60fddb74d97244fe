// The window: program start to the first shown window, one recalculation by leaving
// a box with the repaint of every result box, and the idle window's memory.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QMouseEvent>
#include <chrono>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "skript_plattform.h"
#include "ui/bildbox.h"
#include "ui/form1.h"
#include "ui/start.h"

namespace {

using dkm::ui::Form1;

long rss_kb() {
    std::ifstream status("/proc/self/status");
    std::string wort;
    while (status >> wort)
        if (wort == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
    return 0;
}

// What the program does up to its first shown window; reports the resident
// memory of the idle window on `fd`.
int Fenster_zeigen(int fd) {
    int argc = 1;
    char name[] = "dachkandelmesser";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    dkm::ui::Skript_Plattform p;
    Form1 fenster(p, dkm::ui::Startformular("Regeneig.dat"));
    fenster.show();
    QApplication::processEvents();
    const long kb = rss_kb();
    return write(fd, &kb, sizeof kb) == sizeof kb ? 0 : 1;
}

// A new process (exec, libraries, application, window) until the window is shown.
void Start_bis_Fenster(benchmark::State& state) {
    long speicher_kb = 0;
    for (auto _ : state) {
        int rohr[2];
        if (pipe(rohr) != 0) state.SkipWithError("pipe");
        const std::string fd = std::to_string(rohr[1]);
        const auto t0 = std::chrono::steady_clock::now();
        const pid_t kind = fork();
        if (kind == 0) {
            close(rohr[0]);
            execl("/proc/self/exe", "bench_fenster", "--fenster-zeigen", fd.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        close(rohr[1]);
        long kb = 0;
        const bool gelesen = read(rohr[0], &kb, sizeof kb) == sizeof kb;
        const auto t1 = std::chrono::steady_clock::now();
        close(rohr[0]);
        int status = 0;
        waitpid(kind, &status, 0);
        if (!gelesen) state.SkipWithError("Kindprozess ohne Fenster");
        speicher_kb = kb;
        state.SetIterationTime(std::chrono::duration<double>(t1 - t0).count());
    }
    state.counters["RSS_MB"] = static_cast<double>(speicher_kb) / 1024.0;
}
BENCHMARK(Start_bis_Fenster)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15)->Repetitions(3)
    ->ReportAggregatesOnly(true);

// Runs inside the application main() creates for all in-process benchmarks.
void Neuberechnung_beim_Verlassen(benchmark::State& state) {
    dkm::ui::Skript_Plattform p;
    Form1 fenster(p, dkm::ui::Startformular("Regeneig.dat"));
    fenster.show();
    dkm::Formular& f = fenster.formular();
    f[dkm::T::r5_5] = "300";
    for (int i = 1; i <= 8; ++i) {
        f[dkm::Laenge(i)] = std::to_string(4 + i);
        f[dkm::Breite(i)] = "7";
    }
    fenster.anzeigen();
    QApplication::processEvents();
    auto* laenge = fenster.findChild<QLineEdit*>(QStringLiteral("Laenge_1"));
    std::vector<QWidget*> ergebnisboxen;
    for (dkm::ui::BildBox* b : fenster.findChildren<dkm::ui::BildBox*>()) ergebnisboxen.push_back(b);
    for (QLineEdit* e : fenster.findChildren<QLineEdit*>())
        if (e->isReadOnly()) ergebnisboxen.push_back(e);
    bool lang = false;
    for (auto _ : state) {
        // a changed value, so every result box really changes and repaints
        lang = !lang;
        f[dkm::T::Laenge_1] = lang ? "11" : "10";
        QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(laenge, &aus);
        // the boxes changed ask for an update; the event loop paints them in one pass
        for (QWidget* w : ergebnisboxen) w->update();
        QApplication::processEvents();
    }
}
BENCHMARK(Neuberechnung_beim_Verlassen)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

// One "Leitfaden weiter": the old highlighting cleared, the new fields painted, the box text
// written and everything repainted.
void Leitfaden_Schritt(benchmark::State& state) {
    dkm::ui::Skript_Plattform p;
    Form1 fenster(p, dkm::ui::Startformular("Regeneig.dat"));
    fenster.show();
    QApplication::processEvents();
    QPushButton* weiter = fenster.findChild<QPushButton*>(QStringLiteral("Command28"));
    QPushButton* start = fenster.findChild<QPushButton*>(QStringLiteral("Command27"));
    for (auto _ : state) {
        state.PauseTiming();
        // the last step's "weiter" ends the guide: start it again outside the time
        const bool leitfaden = fenster.formular().aktiver_Modus == dkm::Modus::Leitfaden;
        if (fenster.formular().Leitfaden_Schritt == "beenden" || !leitfaden) {
            if (leitfaden) fenster.findChild<QPushButton*>(QStringLiteral("Command29"))->click();
            start->click();
            QApplication::processEvents();
        }
        state.ResumeTiming();
        weiter->click();
        QApplication::processEvents();
    }
}
BENCHMARK(Leitfaden_Schritt)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

// The mouse moving onto a control with help: the entry looked up, the box moved, sized, filled and repainted.
void Hilfe_Hover(benchmark::State& state) {
    dkm::ui::Skript_Plattform p;
    Form1 fenster(p, dkm::ui::Startformular("Regeneig.dat"));
    fenster.show();
    QApplication::processEvents();
    QWidget* ziele[] = {fenster.findChild<QWidget*>(QStringLiteral("Option3")),
                        fenster.findChild<QWidget*>(QStringLiteral("Option5"))};
    int i = 0;
    for (auto _ : state) {
        QWidget* z = ziele[i++ % 2];
        QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), z->mapToGlobal(QPointF(5, 5)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(z, &e);
        QApplication::processEvents();
    }
}
BENCHMARK(Hilfe_Hover)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    if (argc == 3 && std::string(argv[1]) == "--fenster-zeigen") return Fenster_zeigen(std::stoi(argv[2]));
    // One application for the in-process benchmarks, made before and ended after them:
    // a static one would be destroyed after Qt's own statics and crash at exit.
    int qt_argc = 1;
    char qt_name[] = "bench_fenster";
    char* qt_argv[] = {qt_name, nullptr};
    QApplication app(qt_argc, qt_argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
