// The steps of start-up, each on its own, so a change that slows one shows: making the
// wizard window, showing it (reading the settings and every total), painting the Intro
// page, and making each page that start-up leaves for later.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include "app/bio_page.h"
#include "app/intro_page.h"
#include "app/main_window.h"
#include "app/results_page.h"
#include "core/locale_format.h"
#include "core/table_description.h"
#include "ui/table_page.h"

namespace {

QString sampleSettings() {
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lifetally.ini"));
    if (!QFile::exists(path)) QFile::copy(QStringLiteral(LT_SAMPLE_SETTINGS), path);
    return path;
}

void BM_MakeWizardWindow(benchmark::State& state) {
    for (auto _ : state) {
        lt::TfrmMain window(sampleSettings());
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_MakeWizardWindow)->Unit(benchmark::kMillisecond);

// Reads the settings file and computes every total and the age line.
void BM_ShowWizardWindow(benchmark::State& state) {
    for (auto _ : state) {
        lt::TfrmMain window(sampleSettings());
        window.show();
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(BM_ShowWizardWindow)->Unit(benchmark::kMillisecond);

void BM_PaintIntroPage(benchmark::State& state) {
    lt::IntroPage page;
    page.resize(590, 361);
    QImage image(page.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) page.render(&image);
}
BENCHMARK(BM_PaintIntroPage)->Unit(benchmark::kMillisecond);

void BM_MakeBioPage(benchmark::State& state) {
    for (auto _ : state) {
        lt::BioPage page{QBrush()};
        page.ensureBuilt();
    }
}
BENCHMARK(BM_MakeBioPage)->Unit(benchmark::kMillisecond);

void BM_MakeTablePage(benchmark::State& state) {
    for (auto _ : state) {
        lt::TablePage page(lt::tableDescription(lt::TableKind::Hours), QBrush());
        page.ensureBuilt();
    }
}
BENCHMARK(BM_MakeTablePage)->Unit(benchmark::kMillisecond);

void BM_MakeResultsPage(benchmark::State& state) {
    for (auto _ : state) {
        lt::ResultsPage page{QBrush()};
        page.ensureBuilt();
    }
}
BENCHMARK(BM_MakeResultsPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    lt::loc::setProgramLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
