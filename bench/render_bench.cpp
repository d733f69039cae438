// Drawing speed of the 3D view on generated layouts of 1k and 10k items,
// off-screen at 1280 x 800: the time from opening a layout to its first
// frame, and milliseconds per frame over runs of 100 frames while the camera
// moves (nothing is rebuilt between frames). Needs an OpenGL display
// (xvfb-run).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <chrono>
#include <iostream>

#include "doc/document.h"
#include "layout_generator.h"
#include "view/offscreen_renderer.h"

namespace {

constexpr int width = 1280;
constexpr int height = 800;

OffscreenRenderer* renderer = nullptr;

void BM_TimeToFirstFrame(benchmark::State& state)
{
    const std::string path = writeGeneratedLayout(static_cast<int>(state.range(0)), 1);
    for (auto _ : state) {
        CRavloViewerDoc doc("");
        renderer->openLayout(doc, path, width, height);
        renderer->paintFrame(width, height);
        renderer->scene.doc = nullptr;
    }
}
BENCHMARK(BM_TimeToFirstFrame)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_HundredFrames(benchmark::State& state)
{
    const std::string path = writeGeneratedLayout(static_cast<int>(state.range(0)), 1);
    CRavloViewerDoc doc("");
    renderer->openLayout(doc, path, width, height);
    renderer->paintFrame(width, height);
    double ms = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 100; ++i) {
            ViewCamera::moveCamera(renderer->scene.camera.placement, 0, 0, i % 2 ? -0.5 : 0.5);
            renderer->paintFrame(width, height);
        }
        ms += std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["ms_per_frame"] = ms / (100.0 * static_cast<double>(state.iterations()));
    renderer->scene.doc = nullptr;
}
BENCHMARK(BM_HundredFrames)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    OffscreenRenderer r;
    if (!r.ok()) {
        std::cerr << "render_bench: Unable to Create OpenGL context (run under xvfb-run)\n";
        return 2;
    }
    renderer = &r;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
