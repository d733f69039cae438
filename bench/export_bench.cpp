// Speed of the VRML export on generated layouts of 1k, 10k and 100k items,
// in bytes written per second: into memory (the writers alone) and into a
// file (with the temporary file, its flush to disk and the final rename).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <map>
#include <memory>
#include <sstream>

#include "doc/document.h"
#include "export/vrml_export.h"
#include "track/track_obj.h"
#include "layout_generator.h"

namespace {

// One loaded layout per size, kept for all runs of that size.
CRavloViewerDoc& loadedLayout(int items)
{
    static std::map<int, std::unique_ptr<CRavloViewerDoc>> docs;
    std::unique_ptr<CRavloViewerDoc>& doc = docs[items];
    if (!doc) {
        doc = std::make_unique<CRavloViewerDoc>("");
        doc->onOpenDocument(writeGeneratedLayout(items, 1));
        doc->drawStructures = true;
        doc->basePlaneLevel = doc->tables.bounds[2] - 0.2;
    }
    return *doc;
}

// A stream buffer that only counts what it is given.
class CountingBuffer : public std::streambuf {
public:
    std::size_t count = 0;

protected:
    int_type overflow(int_type c) override
    {
        count += traits_type::eq_int_type(c, traits_type::eof()) ? 0 : 1;
        return traits_type::not_eof(c);
    }
    std::streamsize xsputn(const char*, std::streamsize n) override
    {
        count += static_cast<std::size_t>(n);
        return n;
    }
};

// A layout of unjoined track items with two open ends each: the export then
// writes mostly end markers, the part of the file the export itself writes.
CRavloViewerDoc& openEndLayout(int items)
{
    static std::map<int, std::unique_ptr<CRavloViewerDoc>> docs;
    std::unique_ptr<CRavloViewerDoc>& doc = docs[items];
    if (!doc) {
        doc = std::make_unique<CRavloViewerDoc>("");
        doc->tables.layerVisible[0] = true;
        for (int i = 1; i <= items; ++i) {
            auto* t = new CTrackObj(doc->tables);
            t->number = i;
            const double x = (i % 300) * 5.0, y = (i / 300) * 6.0;
            t->readBodyLine("E " + std::to_string(x) + " " + std::to_string(y) + " 90 9 0 0 1.25");
            t->readBodyLine("E " + std::to_string(x + 4.5) + " " + std::to_string(y) + " 270 9 0 0 1.25");
            t->next = doc->trackItems;
            doc->trackItems = t;
            doc->tables.itemsByNumber[i] = t;
        }
    }
    return *doc;
}

} // namespace

static void BM_ExportEndMarkers(benchmark::State& state)
{
    CRavloViewerDoc& doc = openEndLayout(static_cast<int>(state.range(0)));
    const VrmlWorldInfo info{"/tmp/bench.wrl", "/tmp/bench.mrv", {}};
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        writeVrmlWorld(out, doc, info);
        bytes += buffer.count;
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    state.counters["file_MB"] = static_cast<double>(bytes) / state.iterations() / 1e6;
}
BENCHMARK(BM_ExportEndMarkers)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BM_ExportToStream(benchmark::State& state)
{
    CRavloViewerDoc& doc = loadedLayout(static_cast<int>(state.range(0)));
    const VrmlWorldInfo info{"/tmp/bench.wrl", "/tmp/bench.mrv", {}};
    std::size_t bytes = 0;
    for (auto _ : state) {
        CountingBuffer buffer;
        std::ostream out(&buffer);
        writeVrmlWorld(out, doc, info);
        bytes += buffer.count;
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
    state.counters["file_MB"] = static_cast<double>(bytes) / state.iterations() / 1e6;
}
BENCHMARK(BM_ExportToStream)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

static void BM_ExportToFile(benchmark::State& state)
{
    CRavloViewerDoc& doc = loadedLayout(static_cast<int>(state.range(0)));
    const std::string target = (std::filesystem::temp_directory_path() / "ravlo-export-bench.wrl").string();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const VrmlExportResult r = exportVrml(doc, target, "/tmp/bench.mrv");
        if (!r.ok) {
            state.SkipWithError(r.error.c_str());
            break;
        }
        bytes += std::filesystem::file_size(target);
    }
    std::filesystem::remove(target);
    state.SetBytesProcessed(static_cast<int64_t>(bytes));
}
BENCHMARK(BM_ExportToFile)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
