// Saving and reading back a 300-row configuration on the simulated host: time and DDE
// transactions per row. And the worst a damaged stored count costs the info window: the reader
// stops at its row limit.
#include <benchmark/benchmark.h>

#include "settings/metadata.h"
#include "sim/data/sample_tables.h"
#include "support/host_world.h"
#include "text/cp1251.h"

namespace {

using namespace ornil;

constexpr int kRows = 300;

TViewLines Configuration() {
  const char* columns[] = {"Номер", "Владелец", "Этажность", "Стоимость", "Площадь", "Жилой"};
  TViewLines lines;
  for (int i = 0; i < kRows; ++i) {
    TViewLine d;
    d.Caption = text::FromUtf8("Поле ") + std::to_string(i + 1);
    d.Enabled = true;
    switch (i % 5) {
      case 0:
        d.FieldType = FieldKind::Divider;
        d.CaptionViewed = true;
        break;
      case 1:
        d.Column = text::FromUtf8(columns[i % 6]);
        break;
      case 2:
        d.Expression = text::FromUtf8("Площадь*") + std::to_string(i);
        break;
      case 3:
        d.FieldType = TableLookup;
        d.Column = text::FromUtf8("Владелец");
        d.ValuesTable = sim::data::kOwners;
        d.IdentifierExpression = "Id";
        d.ViewedExpression = text::FromUtf8("ФИО");
        d.AdditionalCondition = "Id > 0";
        break;
      default:
        d.FieldType = StaticList;
        d.Column = text::FromUtf8("Этажность");
        d.Values = {{"1", "1"}, {"2", "2"}, {"3", "3"}};
    }
    lines.push_back(d);
  }
  return lines;
}

// A world with the sample tables and the 300 rows as the setup window hands them over.
struct Bench {
  Bench() {
    for (const auto& line : lines)
      fields.push_back(&line);
  }
  void Report(benchmark::State& state, int transactionsBefore) {
    const double perRun =
        double(world.dde.TransactionCount() - transactionsBefore) / state.iterations();
    state.counters["transactions_per_row"] = perRun / kRows;
    state.counters["time_per_row"] =
        benchmark::Counter(double(kRows) * state.iterations(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  }
  testing::HostWorld world;
  const TMapInfo link = world.Link();
  const TViewLines lines = Configuration();
  std::vector<const TViewLine*> fields;
};

void SaveConfiguration(benchmark::State& state) {
  Bench bench;
  const int before = bench.world.dde.TransactionCount();
  for (auto _ : state) {
    ToSaveParametersOfAttributes(bench.link, sim::data::kParcels, bench.fields);
    bench.world.dde.Transcript().clear();
  }
  bench.Report(state, before);
}
BENCHMARK(SaveConfiguration)->Unit(benchmark::kMillisecond);

void ReadConfiguration(benchmark::State& state, bool diagnostics) {
  Bench bench;
  ToSaveParametersOfAttributes(bench.link, sim::data::kParcels, bench.fields);
  const int before = bench.world.dde.TransactionCount();
  for (auto _ : state) {
    TViewLines read;
    std::string selection;
    ToTakeParametersOfAttributes(bench.link, sim::data::kParcels, diagnostics ? 0 : 2, read,
                                 selection, diagnostics);
    if (!selection.empty()) bench.link.CloseTable2(selection);
    bench.world.dde.Transcript().clear();
    benchmark::DoNotOptimize(read.data());
  }
  bench.Report(state, before);
}
BENCHMARK_CAPTURE(ReadConfiguration, info_window, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadConfiguration, setup_window, true)->Unit(benchmark::kMillisecond);

void ReadDamagedCount(benchmark::State& state) {
  Bench bench;
  ToSaveParametersOfAttributes(bench.link, sim::data::kParcels, bench.fields);
  bench.world.host.TableNamed(sim::data::kParcels).Meta().Set("\\Ornil", "5000000");
  const int before = bench.world.dde.TransactionCount();
  for (auto _ : state) {
    TViewLines read;
    std::string selection;
    ToTakeParametersOfAttributes(bench.link, sim::data::kParcels, 2, read, selection, false);
    if (!selection.empty()) bench.link.CloseTable2(selection);
    bench.world.dde.Transcript().clear();
    benchmark::DoNotOptimize(read.data());
  }
  state.counters["transactions"] =
      double(bench.world.dde.TransactionCount() - before) / state.iterations();
}
BENCHMARK(ReadDamagedCount)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
