// The owner of one installed hook.
#include "platform/hooks.h"

#include <utility>

namespace ornil::platform {

bool ScopedHook::Install(Hooks& hooks, HookKind kind, HookProcedure procedure,
                         std::uint32_t threadId) {
  Reset();
  hooks_ = &hooks;
  handle_ = hooks.SetHook(kind, std::move(procedure), threadId);
  return handle_ != 0;
}

void ScopedHook::Reset() {
  const HookHandle handle = std::exchange(handle_, 0);
  if (handle != 0 && hooks_ != nullptr) hooks_->Unhook(handle);
}

}  // namespace ornil::platform
