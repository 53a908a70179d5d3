// The stand-ins of the window exports still to come.
#include "support/pending_exports.h"

#include <cstdint>
#include <functional>

namespace ornil::testing {

namespace {
constexpr const char* kDll = "Ornil.dll";

template <class R, class... A>
void StandIn(sim::mb::NativeLibraries& natives, const char* name, std::function<R(A...)> f) {
  natives.AddFallback(kDll, name, std::move(f));
}

std::string Text(const char* s) {
  return s == nullptr ? "(null)" : s;
}
}  // namespace

PendingExports::PendingExports(sim::mb::NativeLibraries& natives) {
  using std::int16_t, std::int32_t, std::uint32_t, std::uintptr_t;
  const auto none = [this](const char* name) {
    return std::function<void()>([this, name] { Record(name, {}); });
  };
  const auto flag = [this](const char* name, const bool& answer) {
    return std::function<int32_t()>([this, name, &answer] {
      Record(name, {});
      return answer ? 1 : 0;
    });
  };
  StandIn(natives, "ViewOrnilWindow",
          std::function<void(int16_t, int16_t, const char*, int32_t, int32_t, int32_t, uint32_t,
                             uintptr_t, uintptr_t, const char*)>(
              [this](int16_t x, int16_t y, const char* table, int32_t row, int32_t map,
                     int32_t reserved, uint32_t instance, uintptr_t mapInfoConv,
                     uintptr_t applicationConv, const char* section) {
                Record(
                    "ViewOrnilWindow",
                    {std::to_string(x), std::to_string(y), Text(table), std::to_string(row),
                     std::to_string(map), std::to_string(reserved), std::to_string(instance),
                     std::to_string(mapInfoConv), std::to_string(applicationConv), Text(section)});
              }));
  StandIn(natives, "DestroyOrnilWindow", none("DestroyOrnilWindow"));
  StandIn(natives, "IsOrnilWindowOpened", flag("IsOrnilWindowOpened", infoWindowOpen));
  StandIn(natives, "IsFindingStarted", flag("IsFindingStarted", finding));
  StandIn(natives, "IsSavingStarted", flag("IsSavingStarted", saving));
  StandIn(natives, "SetApplicationWindowHandle",
          std::function<void(uintptr_t)>([this](uintptr_t window) {
            Record("SetApplicationWindowHandle", {std::to_string(window)});
          }));
  StandIn(natives, "GetCurrentAdditionalWindow", std::function<int32_t()>([this] {
            Record("GetCurrentAdditionalWindow", {});
            return 0;
          }));
  StandIn(natives, "UpdateValue", none("UpdateValue"));
  StandIn(natives, "NewValue", none("NewValue"));
  StandIn(natives, "ViewSetupTable",
          std::function<void(uint32_t, uintptr_t, uintptr_t)>(
              [this](uint32_t instance, uintptr_t mapInfoConv, uintptr_t applicationConv) {
                Record("ViewSetupTable", {std::to_string(instance), std::to_string(mapInfoConv),
                                          std::to_string(applicationConv)});
              }));
  StandIn(natives, "DestroySetupWindow", none("DestroySetupWindow"));
  StandIn(natives, "SetOptionsFile", std::function<int32_t(const char*)>([this](const char* path) {
            Record("SetOptionsFile", {Text(path)});
            return 1;
          }));
}

void PendingExports::Record(const char* name, std::vector<std::string> args) {
  calls.push_back({name, std::move(args)});
}

std::vector<PendingExports::Call> PendingExports::CallsOf(const std::string& name) const {
  std::vector<Call> out;
  for (const auto& c : calls) {
    if (c.name == name) out.push_back(c);
  }
  return out;
}

}  // namespace ornil::testing
