// Feeds the metadata reader stored settings of any shape, host answers and statement results it
// cannot count on, and failed transactions, and checks what must hold whatever the host says: only
// the library's own failure leaves the reader, with the reader's prefix; the printing switch is
// back as it was; no row owns a control; no list is longer than the reader's limits; the result
// says whether there are rows; no temporary table is left open but the selection handed back.
//
// The simulated host answers and runs what the input leaves alone, so the reader gets past its
// first requests into the expression rows' Selects; the input decides which answers it replaces
// and which statement reports it turns round.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "exports/ornil_exports.h"
#include "host/error_reporting.h"
#include "host/errors.h"
#include "host/mapbasic_link.h"
#include "platform/ddeml_codes.h"
#include "settings/metadata.h"
#include "settings/metadata_schema.h"
#include "sim/data/sample_tables.h"
#include "sim/mapinfo/mapinfo_host.h"
#include "support/scripted_peers.h"
#include "text/cp1251.h"

namespace {

using namespace ornil;

[[noreturn]] void Broken(const char* what) {
  std::fprintf(stderr, "metadata reader: %s\n", what);
  std::abort();
}

std::vector<std::string> Cp1251(std::initializer_list<const char*> utf8) {
  std::vector<std::string> out;
  for (const char* s : utf8)
    out.push_back(text::FromUtf8(s));
  return out;
}

// Values that steer the reader somewhere: kinds, counts at and past the limits, numbers that do
// not fit, names of tables and columns, the self marker, expressions good and bad, blanks, quotes.
const std::vector<std::string>& Interesting() {
  // clang-format off
  static const std::vector<std::string> values = Cp1251({
      "", "0", "1", "-1", "2", "3", "5", "8", "1000", "1001", "32768", "2147483647",
      "-2147483648", "99999999999", " 7 ", "Parcels", " Parcels ", "#ThisTable", "Владельцы",
      "SelValues", "Id", "Номер", "Этажность", "Id, Номер", "Площадь*2", "*", "100/Этажность",
      "Нет(", "Нет", "COL1", "   ", "\"", "a\"b", "dd.MM.yyyy", "Id > 1"});
  // clang-format on
  return values;
}

// Setting names of a row, as stored under "\Ornil\<n>".
const std::vector<std::string>& SettingNames() {
  using namespace metadata::keys;
  // clang-format off
  static const std::vector<std::string> names = {
      Type, Caption, CaptionViewed, CaptionJustify, Enabled, Column, Expression, CustomDateFormat,
      DateFormat, IdentifierExpression, ValueExpression, ViewedExpression, AdditionalCondition,
      FullValuesList, ValuesTable, Values, metadata::PairKey(1, Viewed),
      metadata::PairKey(1, Saved), metadata::PairKey(2, Viewed), metadata::PairKey(2, Saved)};
  // clang-format on
  return names;
}

// The input being run; the world outlives it.
FuzzedDataProvider* input = nullptr;
// Whether every answer and report so far was the simulated host's own, and no transaction failed.
bool truthful = true;

std::string AnyValue() {
  if (input->ConsumeIntegral<std::uint8_t>() < 224) {
    return Interesting()[input->ConsumeIntegralInRange<std::size_t>(0, Interesting().size() - 1)];
  }
  return input->ConsumeRandomLengthString(40);
}

// MapInfo: the simulated host's answer, unless the input replaces it.
class FuzzedMapInfo : public testing::ScriptedMapInfo {
 public:
  static constexpr std::uintptr_t kMainWindow = 10;
  explicit FuzzedMapInfo(testing::SimWorld& world) : ScriptedMapInfo(world, kMainWindow) {}

  std::optional<sim::MapInfoHost> host;

  std::optional<std::string> Request(const std::string& item) override {
    if (input == nullptr) return ScriptedMapInfo::Request(item);
    const auto choice = input->ConsumeIntegral<std::uint8_t>();
    if (choice < 192) return host->Request(item);
    truthful = false;
    if (choice == 255) return std::nullopt;  // MapInfo could not evaluate it
    return AnyValue();
  }
};

// The companion: runs each statement in the simulated host and reports the outcome, or, as the
// input decides, the opposite.
class FuzzedCompanion : public testing::ScriptedCompanion {
 public:
  FuzzedCompanion(testing::SimWorld& world, FuzzedMapInfo& mapInfo)
      : ScriptedCompanion(world, "c:\\app", "app.mbx"), mapInfo_(mapInfo) {
    identifier = 3;
  }

  bool Execute(const std::string& command) override {
    if (input == nullptr) return ScriptedCompanion::Execute(command);
    bool ok = mapInfo_.host->Run(command).ok;
    if (input->ConsumeIntegral<std::uint8_t>() >= 240) {
      ok = !ok;
      truthful = false;
    }
    SetMbApplicationExecuteError(ok ? 1 : 0);
    return true;
  }

 private:
  FuzzedMapInfo& mapInfo_;
};

// One world for every input, made once: making the library's world is most of the time an input
// would take. Each input gets a fresh simulated host and fresh library-wide values.
struct World {
  World() : mapInfo(sim), companion(sim, mapInfo) {
    char directory[] = "c:\\app";
    link.SetConversations(GetMapInfoDdeConv(FuzzedMapInfo::kMainWindow),
                          RegisterApplication(3, directory), GetDdeInstId());
    // Now and then a transaction fails at the DDE level; when the input is used up the host is
    // gone, so that a count read early does not spend the run on rows of empty answers.
    sim.dde.FailWhen([](const sim::DdeTransaction&) -> std::optional<std::uint32_t> {
      if (input == nullptr) return std::nullopt;
      if (input->remaining_bytes() == 0) {
        truthful = false;
        return dde::DMLERR_BUSY;
      }
      if (input->ConsumeIntegral<std::uint8_t>() != 0) return std::nullopt;
      truthful = false;
      return input->ConsumeBool() ? dde::DMLERR_BUSY : dde::DMLERR_NOTPROCESSED;
    });
  }

  void Begin() {
    Reporting() = {};
    KeptTempName().clear();
    sim.dde.Transcript().clear();
    mapInfo.host.emplace();
    sim::data::AddSampleTables(*mapInfo.host);
  }

  // Stored settings of Parcels, made from the input: rows of a kind that show a column or an
  // expression, then settings of any name with any value.
  void StoreSettings() {
    using namespace metadata;
    auto& meta = mapInfo.host->TableNamed(sim::data::kParcels).Meta();
    const int rows = input->ConsumeIntegralInRange(0, 5);
    meta.Set(Root, std::to_string(rows));
    for (int n = 1; n <= rows; ++n) {
      meta.Set(RowKey(n) + keys::Type, std::to_string(input->ConsumeIntegralInRange(-1, 2)));
      meta.Set(RowKey(n) + (input->ConsumeBool() ? keys::Column : keys::Expression), AnyValue());
    }
    const int entries = input->ConsumeIntegralInRange(0, 40);
    for (int i = 0; i < entries && input->remaining_bytes() > 0; ++i) {
      const int row = input->ConsumeIntegralInRange(0, 5);
      const auto& names = SettingNames();
      const std::string key =
          row == 0 ? std::string(Root)
                   : RowKey(row) +
                         names[input->ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
      meta.Set(key, AnyValue());
    }
  }

  std::set<std::string> OpenTables() {
    const auto names = mapInfo.host->Workspace().TableNames();
    return {names.begin(), names.end()};
  }

  testing::SimWorld sim;
  FuzzedMapInfo mapInfo;
  FuzzedCompanion companion;
  TMapInfo link;
};

void CheckRows(const TViewLines& lines) {
  if (lines.size() > static_cast<std::size_t>(metadata::MaxRows)) Broken("more rows than read");
  for (const TViewLine& d : lines) {
    if (d.OwnsControl || d.Control() != nullptr) Broken("a row owns a control");
    if (d.Values.size() > static_cast<std::size_t>(metadata::MaxListValues)) {
      Broken("a list longer than read");
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static World world;
  world.Begin();
  FuzzedDataProvider provider(data, size);
  input = &provider;
  truthful = true;
  world.StoreSettings();
  const bool diagnostics = provider.ConsumeBool();
  const int rowId = provider.ConsumeIntegralInRange(-1, 6);
  const std::string table = provider.ConsumeBool() ? std::string(" Parcels ") : AnyValue();
  const std::set<std::string> open = world.OpenTables();
  const bool printing = IsPrintingError() != 0;

  TViewLines lines;
  std::string selection = "stale";
  bool failed = false;
  try {
    const bool any =
        ToTakeParametersOfAttributes(world.link, table, rowId, lines, selection, diagnostics);
    if (any == lines.empty()) Broken("the result does not say whether there are rows");
    CheckRows(lines);
  } catch (const OrnilError& e) {
    failed = true;
    const std::string prefix = "Ошибка в функции ToTakeParametersOfAttributes. "_cp;
    if (e.Message().rfind(prefix, 0) != 0) Broken("a failure without the reader's prefix");
    if (e.Message().find(prefix, 1) != std::string::npos) Broken("the prefix twice");
  }
  input = nullptr;
  if ((IsPrintingError() != 0) != printing) Broken("the printing switch was not restored");

  // Where the host told the truth throughout, only the selection handed back stays open.
  if (truthful) {
    if (failed) Broken("a truthful host and still a failure");
    std::set<std::string> now = world.OpenTables();
    now.erase(selection);
    if (now != open) Broken("a temporary table was left open");
  }
  return 0;
}
