// How fast the simulated host answers the library on a 100,000-row table: Requests of table,
// column and value expressions, and Selects with a condition, each through the library's link, the
// simulated DDE network and (for statements) the companion, as a test or the demo runs them.
#include <benchmark/benchmark.h>

#include "sim/data/sample_tables.h"
#include "support/host_world.h"

namespace {

using ornil::TMapInfo;
using ornil::testing::HostWorld;

constexpr int kRows = 100'000;

struct Bench {
  Bench() : world(Options()) {
    ornil::sim::data::AddLargeTable(world.host, "Big", kRows);
    link = world.Link();
    link.ExecuteMapBasic("Fetch Rec 50000 From Big");
  }
  static HostWorld::Options Options() {
    HostWorld::Options options;
    options.sampleTables = false;
    return options;
  }
  // The transcript keeps every transaction; a long run would otherwise fill the memory with it.
  void Trim(benchmark::IterationCount i) {
    if ((i & 0xFFF) == 0) world.ClearTranscript();
  }

  HostWorld world;
  TMapInfo link;
};

Bench& World() {
  static Bench bench;
  return bench;
}

void Request(benchmark::State& state, const char* expression) {
  Bench& b = World();
  benchmark::IterationCount i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(b.link.RequestText(expression));
    b.Trim(++i);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_RequestTableInfo(benchmark::State& state) {
  Request(state, "TableInfo(\"Big\",8)");
}
void BM_RequestColumnInfo(benchmark::State& state) {
  Request(state, "ColumnInfo(\"Big\",\"COL3\",3)");
}
void BM_RequestColumnValue(benchmark::State& state) {
  Request(state, "Big.COL2");
}
void BM_RequestFormattedValue(benchmark::State& state) {
  Request(state, "DeformatNumber$(FormatNumber$(Big.Amount))");
}

// The host alone, without the DDE round trip.
void BM_HostRequestColumnInfo(benchmark::State& state) {
  Bench& b = World();
  for (auto _ : state)
    benchmark::DoNotOptimize(b.world.host.Request("ColumnInfo(\"Big\",\"COL3\",3)"));
  state.SetItemsProcessed(state.iterations());
}

void Statement(benchmark::State& state, const char* statement) {
  Bench& b = World();
  benchmark::IterationCount i = 0;
  for (auto _ : state) {
    if (!b.link.ExecuteMapBasic(statement)) state.SkipWithError("the statement failed");
    b.Trim(++i);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_SelectWhere(benchmark::State& state) {
  Statement(state, "Select * from \"Big\" where Amount > 900 and Flag into \"BigSel\" noselect");
  state.counters["rows"] = World().link.RequestInt("TableInfo(\"BigSel\",8)");
}
void BM_SelectTextCondition(benchmark::State& state) {
  Statement(state, "Select Id, Name from Big where Name like \"%777%\" into BigSel noselect");
  state.counters["rows"] = World().link.RequestInt("TableInfo(\"BigSel\",8)");
}
void BM_SelectByRowId(benchmark::State& state) {
  Statement(state, "Select * from \"Big\" where RowId=77777 into \"BigOne\" noselect");
}
void BM_SelectOrdered(benchmark::State& state) {
  Statement(
      state,
      "Select Name, Amount*2 from Big where Code < 10 into BigSel Order By Col2 Desc NoSelect");
}

}  // namespace

BENCHMARK(BM_RequestTableInfo);
BENCHMARK(BM_RequestColumnInfo);
BENCHMARK(BM_RequestColumnValue);
BENCHMARK(BM_RequestFormattedValue);
BENCHMARK(BM_HostRequestColumnInfo);
BENCHMARK(BM_SelectWhere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectTextCondition)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectByRowId)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SelectOrdered)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
