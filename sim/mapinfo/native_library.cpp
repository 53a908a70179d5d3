// The registry of native functions.
#include "sim/mapinfo/native_library.h"

#include "text/cp1251.h"

namespace ornil::sim::mb {

NativeLibraries::Key NativeLibraries::KeyOf(std::string_view library, std::string_view name) {
  if (const auto slash = library.find_last_of("\\/:"); slash != std::string_view::npos) {
    library.remove_prefix(slash + 1);
  }
  std::string file = text::Lower(library);
  if (file.size() > 4 && file.ends_with(".dll")) file.resize(file.size() - 4);
  return {file, std::string(name)};
}

void NativeLibraries::Add(std::string_view library, std::string name, NativeFunction f) {
  functions_[KeyOf(library, name)] = std::move(f);
}

const NativeFunction* NativeLibraries::Find(std::string_view library, std::string_view name) const {
  const Key key = KeyOf(library, name);
  if (auto it = functions_.find(key); it != functions_.end()) return &it->second;
  return nullptr;
}

}  // namespace ornil::sim::mb
