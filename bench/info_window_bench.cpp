// Opening the info window for a 100-row configuration of the parcels table through the companion's
// map tool, and saving 100 changed rows: DDE transactions per open, and time per open and per
// transaction with the host's own evaluation taken out (the open's transcript is replayed against
// the host alone, and that time is subtracted).
#include <benchmark/benchmark.h>

#include <ctime>

#include "infowindow/info_window_module.h"
#include "infowindow/ornil_window.h"
#include "settings/metadata.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace {

using ornil::testing::HostWorld;

constexpr int kRows = 100;

struct Bench {
  Bench() {
    const char* columns[] = {"Номер", "Этажность", "Стоимость", "Площадь", "Примечание"};
    ornil::TViewLines lines(kRows);
    std::vector<const ornil::TViewLine*> fields;
    for (int i = 0; i < kRows; ++i) {
      lines[i].Caption = "Поле " + std::to_string(i);
      lines[i].Column = ornil::text::FromUtf8(columns[i % 5]);
      lines[i].Enabled = true;
      fields.push_back(&lines[i]);
    }
    ornil::ToSaveParametersOfAttributes(world.Link(), "Parcels", fields);
    world.Link().ExecuteMapBasic("Map from \"Parcels\"");
    map = world.host.Workspace().FrontWindowId();
  }
  void Open() { world.ClickInfoTool(map, 14, 4, {300, 200}); }

  HostWorld world;
  int map = 0;
};

Bench& World() {
  static Bench bench;
  return bench;
}

// The host's own CPU time for the transactions of the transcript, run directly.
double HostSeconds(HostWorld& world, const std::vector<std::string>& transcript) {
  const std::clock_t start = std::clock();
  for (const auto& line : transcript) {
    const std::string text = line.substr(3);
    if (line.starts_with("R: "))
      benchmark::DoNotOptimize(world.host.Request(text));
    else
      benchmark::DoNotOptimize(world.host.Run(text));
  }
  return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

void BM_OpenInfoWindow(benchmark::State& state) {
  Bench& b = World();
  double transactions = 0, openSeconds = 0, hostSeconds = 0;
  for (auto _ : state) {
    b.world.ClearTranscript();
    const int before = b.world.dde.TransactionCount();
    const std::clock_t start = std::clock();
    b.Open();
    openSeconds += static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
    transactions += b.world.dde.TransactionCount() - before;
    state.PauseTiming();
    // Statements of the opening that declare variables would fail a second time: undo them.
    const auto transcript = b.world.Transcript();
    ornil::DestroyOrnilWindow();
    hostSeconds += HostSeconds(b.world, transcript);
    ornil::DestroyOrnilWindow();
    state.ResumeTiming();
  }
  const double n = static_cast<double>(state.iterations());
  state.counters["transactions/open"] = transactions / n;
  state.counters["host CPU s/open"] = hostSeconds / n;
  // What is left of the opening's CPU time once the host's own evaluation is taken out.
  const double librarySeconds = (openSeconds - hostSeconds) / n;
  state.counters["library CPU s/open"] = librarySeconds;
  state.counters["library CPU s/transaction"] = librarySeconds / (transactions / n);
  state.counters["transactions"] = benchmark::Counter(transactions, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OpenInfoWindow)->Unit(benchmark::kMillisecond)->Iterations(20);

void BM_Save100ChangedRows(benchmark::State& state) {
  Bench& b = World();
  int round = 0;
  for (auto _ : state) {
    state.PauseTiming();
    b.Open();
    ornil::TOrnilWindow* window = ornil::AliveOrnilWindow();
    ++round;
    for (auto& d : window->Fields) {
      auto* control = dynamic_cast<ornil::ui::Control*>(d.Control());
      control->SetText(std::to_string(round % 7 + 1));
    }
    b.world.ClearTranscript();
    state.ResumeTiming();
    b.world.user.Click(*window->ButtonSave);
    state.PauseTiming();
    state.counters["statements/save"] = static_cast<double>(b.world.Transcript().size());
    state.ResumeTiming();
  }
}
BENCHMARK(BM_Save100ChangedRows)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

BENCHMARK_MAIN();
