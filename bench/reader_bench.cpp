// Reading speed of the layout reader alone (no post-load geometry), in bytes
// per second, on generated layouts of 1k, 10k and 100k straight tracks.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "doc/document.h"
#include "layout_generator.h"

static void BM_ReadLayout(benchmark::State& state)
{
    const std::string path = writeGeneratedLayout(static_cast<int>(state.range(0)), 1);
    const auto bytes = std::filesystem::file_size(path);
    for (auto _ : state) {
        CRavloViewerDoc doc("");
        doc.loadLayout(path);
        benchmark::DoNotOptimize(doc.trackItems);
        state.PauseTiming();
        doc.tables.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}
BENCHMARK(BM_ReadLayout)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BM_OpenLayout(benchmark::State& state)
{
    const std::string path = writeGeneratedLayout(static_cast<int>(state.range(0)), 1);
    for (auto _ : state) {
        CRavloViewerDoc doc("");
        benchmark::DoNotOptimize(doc.onOpenDocument(path));
    }
}
BENCHMARK(BM_OpenLayout)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
