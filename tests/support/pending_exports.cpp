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
}  // namespace

PendingExports::PendingExports(sim::mb::NativeLibraries& natives) {
  using std::uint32_t, std::uintptr_t;
  const auto none = [this](const char* name) {
    return std::function<void()>([this, name] { Record(name, {}); });
  };
  StandIn(natives, "ViewSetupTable",
          std::function<void(uint32_t, uintptr_t, uintptr_t)>(
              [this](uint32_t instance, uintptr_t mapInfoConv, uintptr_t applicationConv) {
                Record("ViewSetupTable", {std::to_string(instance), std::to_string(mapInfoConv),
                                          std::to_string(applicationConv)});
              }));
  StandIn(natives, "DestroySetupWindow", none("DestroySetupWindow"));
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
