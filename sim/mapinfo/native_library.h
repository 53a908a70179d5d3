// The DLL functions a simulated host can call for a program's "Declare … Lib" declarations:
// native functions registered by library and exported name, each with the C kinds of its
// parameters and result, so a declaration can be checked against what it binds to. A C function
// is registered as it is (its kinds follow from its type); anything else as a thunk.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "sim/mapinfo/value.h"

namespace ornil::sim::mb {

enum class NativeKind { Void, Int16, Int32, UInt32, Pointer, Text, MutableText, Record };

// One argument as the call gets it: a number, a zero-terminated text (written back when the
// function changes it in place), or the elements of a custom type (written back).
struct NativeArg {
  Value value;
  std::string text;
  std::vector<Value> fields;
};

struct NativeFunction {
  NativeKind result = NativeKind::Void;
  std::vector<NativeKind> params;
  std::function<Value(std::vector<NativeArg>&)> call;
};

template <class T>
constexpr NativeKind KindOf() {
  if constexpr (std::is_void_v<T>) return NativeKind::Void;
  if constexpr (std::is_same_v<T, std::int16_t>) return NativeKind::Int16;
  if constexpr (std::is_same_v<T, std::int32_t>) return NativeKind::Int32;
  if constexpr (std::is_same_v<T, std::uint32_t>) return NativeKind::UInt32;
  if constexpr (std::is_same_v<T, std::uintptr_t>) return NativeKind::Pointer;
  if constexpr (std::is_same_v<T, const char*>) return NativeKind::Text;
  if constexpr (std::is_same_v<T, char*>) return NativeKind::MutableText;
  static_assert(std::is_void_v<T> || std::is_same_v<T, std::int16_t> ||
                    std::is_same_v<T, std::int32_t> || std::is_same_v<T, std::uint32_t> ||
                    std::is_same_v<T, std::uintptr_t> || std::is_same_v<T, const char*> ||
                    std::is_same_v<T, char*>,
                "a kind the simulated host cannot pass");
  return NativeKind::Void;
}

namespace native_detail {

template <class T>
T FromArg(NativeArg& a) {
  if constexpr (std::is_same_v<T, const char*> || std::is_same_v<T, char*>) {
    return a.text.data();
  } else {
    return static_cast<T>(static_cast<long long>(NumberOf(a.value)));
  }
}

template <class R, class F, class... A, std::size_t... I>
Value CallWith(const F& f, std::vector<NativeArg>& args, std::index_sequence<I...>) {
  if constexpr (std::is_void_v<R>) {
    f(FromArg<A>(args[I])...);
    return Value{};
  } else {
    return Value::Float(static_cast<double>(f(FromArg<A>(args[I])...)));
  }
}

template <class R, class... A, class F>
NativeFunction Make(F f) {
  NativeFunction fn;
  fn.result = KindOf<R>();
  fn.params = {KindOf<A>()...};
  fn.call = [f](std::vector<NativeArg>& args) {
    return CallWith<R, F, A...>(f, args, std::index_sequence_for<A...>{});
  };
  return fn;
}

}  // namespace native_detail

class NativeLibraries {
 public:
  // Libraries match by file name without folder, extension or letter case ("Ornil.dll" and
  // "ornil" are one); exported names match exactly, as GetProcAddress matches them.
  void Add(std::string_view library, std::string name, NativeFunction f);
  template <class R, class... A>
  void Add(std::string_view library, std::string name, R (*f)(A...)) {
    Add(library, std::move(name), native_detail::Make<R, A...>(f));
  }
#if defined(_WIN32) && defined(__i386__)
  // The 32-bit library's exports take the standard calling convention, which is part of their
  // type there (the demo binds them in its Windows build).
  template <class R, class... A>
  void Add(std::string_view library, std::string name, R(__stdcall* f)(A...)) {
    Add(library, std::move(name), native_detail::Make<R, A...>(f));
  }
#endif
  // Null when no function has the name.
  const NativeFunction* Find(std::string_view library, std::string_view name) const;

 private:
  using Key = std::pair<std::string, std::string>;
  static Key KeyOf(std::string_view library, std::string_view name);
  std::map<Key, NativeFunction> functions_;
};

}  // namespace ornil::sim::mb
