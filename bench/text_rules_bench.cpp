// The typed edits' CorrectText property over ten million generated texts: every answer must be a
// text the edit accepts, within its bounds, that a second correction leaves alone. Reports the
// texts checked, the violations (which must be 0) and texts per second.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>

#include "support/text_rules_property.h"

namespace {

using namespace ornil;

void BM_CorrectTextProperty(benchmark::State& state) {
  const auto sets = testing::PropertyRuleSets();
  std::mt19937 random(7);
  std::size_t set = 0;
  std::int64_t violations = 0;
  for (auto _ : state) {
    const std::string text = testing::GeneratedText(random);
    const std::string violation = testing::CorrectTextViolation(*sets[set], text);
    if (!violation.empty() && ++violations <= 5)
      std::fprintf(stderr, "violation for '%s': %s\n", text.c_str(), violation.c_str());
    set = (set + 1) % sets.size();
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["texts"] = static_cast<double>(state.iterations());
  state.counters["violations"] = static_cast<double>(violations);
  state.counters["rule_sets"] = static_cast<double>(sets.size());
  if (violations != 0) state.SkipWithError("CorrectText gave a text its edit refuses");
}
BENCHMARK(BM_CorrectTextProperty)->Iterations(10'000'000);

}  // namespace

BENCHMARK_MAIN();
