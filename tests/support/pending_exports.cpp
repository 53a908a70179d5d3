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
  using std::uint32_t, std::uintptr_t;
  const auto none = [this](const char* name) {
    return std::function<void()>([this, name] { Record(name, {}); });
  };
  StandIn(natives, "ViewAboutProg", std::function<void(const char*)>([this](const char* text) {
            Record("ViewAboutProg", {Text(text)});
          }));
  StandIn(natives, "DestroyAboutWindow", none("DestroyAboutWindow"));
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
