// Speed of the neighbour step and the elevation solver on generated track
// networks of 1k, 10k and 100k ends with every hundredth end given a height.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>
#include <vector>

#include "doc/elevation_solver.h"
#include "doc/layout_tables.h"
#include "track/track_obj.h"

namespace {

// A track item of fixed length between any two of its ends.
class BenchTrack : public CTrackObj {
public:
    BenchTrack(LayoutTables& tables, int itemNumber, double itemLength) : CTrackObj(tables)
    {
        number = itemNumber;
        length = itemLength;
    }
    double lengthBetween(int a, int b) override { return length * (1.0 + 0.1 * ((a + b) % 3)); }
};

// Straight tracks and turnouts joined into branching lines with some loops,
// neighbouring items mostly near each other in number.
struct Network {
    LayoutTables tables;
    std::vector<std::unique_ptr<BenchTrack>> items;

    Network(int endCount, unsigned seed)
    {
        std::mt19937 rng(seed);
        std::uniform_real_distribution<double> lengths(2.0, 30.0);
        std::vector<BenchTrack*> open; // items with an end still to join
        int number = 1;
        while (static_cast<int>(tables.endPoints.size()) + static_cast<int>(open.size()) < endCount) {
            items.push_back(std::make_unique<BenchTrack>(tables, number++, lengths(rng)));
            BenchTrack& item = *items.back();
            const int ends = rng() % 10 == 0 ? 3 : 2;
            for (int e = 0; e < ends; ++e) {
                const bool join = !open.empty() && (e == 0 || rng() % 20 == 0);
                if (join) {
                    // Track joins one of the last open ends; a loop closes
                    // over a somewhat longer stretch, as on a real layout.
                    const std::size_t recent = std::min<std::size_t>(open.size(), e == 0 ? 30 : 300);
                    const std::size_t i = open.size() - 1 - rng() % recent;
                    BenchTrack& partner = *open[i];
                    open.erase(open.begin() + static_cast<std::ptrdiff_t>(i));
                    addEnd(item, partner.number);
                    addEnd(partner, item.number);
                } else {
                    open.push_back(&item);
                }
            }
        }
        for (BenchTrack* item : open)
            addEnd(*item, -1);
        for (auto& item : items)
            tables.itemsByNumber[item->number] = item.get();
        std::uniform_int_distribution<std::size_t> anyEnd(0, tables.endPoints.size() - 1);
        std::uniform_real_distribution<float> heights(0.0f, 10.0f);
        for (std::size_t given = 0; given < tables.endPoints.size() / 100; ++given) {
            EndPoint& end = tables.endPoints[anyEnd(rng)];
            end.elevationDefined = true;
            end.elevationGiven = true;
            end.position.z = heights(rng);
        }
    }

    void addEnd(BenchTrack& item, int other)
    {
        EndPoint record;
        record.owner = item.number;
        record.other = other;
        item.ends.push_back(tables.registerEnd(record));
    }
};

void BM_BuildNeighbours(benchmark::State& state)
{
    Network net(static_cast<int>(state.range(0)), 1);
    for (auto _ : state) {
        buildNeighbours(net.tables);
        benchmark::DoNotOptimize(net.tables.endPoints.data());
    }
    state.counters["ends"] = static_cast<double>(net.tables.endPoints.size());
}
BENCHMARK(BM_BuildNeighbours)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_SolveElevations(benchmark::State& state)
{
    Network net(static_cast<int>(state.range(0)), 1);
    buildNeighbours(net.tables);
    const std::vector<EndPoint> unsolved = net.tables.endPoints;
    std::size_t fixed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        net.tables.endPoints = unsolved;
        state.ResumeTiming();
        solveElevations(net.tables);
        benchmark::DoNotOptimize(net.tables.endPoints.data());
    }
    for (const EndPoint& e : net.tables.endPoints)
        fixed += e.elevationDefined ? 1 : 0;
    std::size_t given = 0;
    for (const EndPoint& e : unsolved)
        given += e.elevationDefined ? 1 : 0;
    state.counters["ends"] = static_cast<double>(unsolved.size());
    state.counters["given"] = static_cast<double>(given);
    state.counters["defined"] = static_cast<double>(fixed);
}
BENCHMARK(BM_SolveElevations)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
