// Painting report pages: one preview page into the size of the preview box,
// and the whole PDF file, in memory and written to disk.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <filesystem>

#include "cli/dump.h"
#include "files/dateizugriff.h"
#include "files/laden.h"
#include "files/projektdatei.h"
#include "model/startzustand.h"
#include "report/bericht.h"
#include "report/qt/maler.h"
#include "report/qt/pdf.h"

namespace {

dkm::bericht::Bericht Beispiel(const dkm::bericht::Berichtsform& form) {
    dkm::Aufzeichnung d;
    dkm::Formular f;
    dkm::Startzustand(f, nullptr);
    const std::string datei = DKM_EXAMPLES_DIR "/innen_laengsseite.Dkm";
    dkm::Projekt_laden(f, d, datei, dkm::Datei_lesen(datei, dkm::Projektdatei_Hoechstgroesse).wert_oder(""));
    return *dkm::bericht::Bericht_erstellen(f, form);
}

// Page 2 has the most text and both drawings.
void Vorschauseite_malen(benchmark::State& state) {
    const auto b = Beispiel(dkm::bericht::Vorschauform({}, "01.02.2026"));
    QImage bild(dkm::bericht::Vorschau_breite / 15, dkm::bericht::Vorschau_hoehe / 15, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        bild.fill(Qt::white);
        QPainter p(&bild);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(1 / 15.0, 1 / 15.0);
        dkm::bericht::Seite_malen(p, b, 2);
    }
}
BENCHMARK(Vorschauseite_malen)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void Pdf_im_Speicher(benchmark::State& state) {
    const auto b = Beispiel(dkm::bericht::Papierform(10, 0, 0, {}, "01.02.2026"));
    for (auto _ : state) benchmark::DoNotOptimize(dkm::bericht::Pdf_erzeugen(b, "Bericht"));
}
BENCHMARK(Pdf_im_Speicher)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void Pdf_schreiben(benchmark::State& state) {
    const auto b = Beispiel(dkm::bericht::Papierform(10, 0, 0, {}, "01.02.2026"));
    const auto ziel = std::filesystem::temp_directory_path() / "dkm-bench-bericht.pdf";
    for (auto _ : state)
        if (!dkm::bericht::Pdf_schreiben(b, ziel)) state.SkipWithError("PDF nicht geschrieben");
    std::filesystem::remove(ziel);
}
BENCHMARK(Pdf_schreiben)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
    // fonts need the application; it is made before and ended after the benchmarks
    int qt_argc = 1;
    char qt_name[] = "bench_bericht_malen";
    char* qt_argv[] = {qt_name, nullptr};
    QGuiApplication app(qt_argc, qt_argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
