// Whether a program's DLL declarations fit the native functions they bind to. A 32-bit host
// passes handles as Integer, a 64-bit host as IntPtr; the running host accepts either, a check of
// one flavour's declarations holds them to that flavour.
#pragma once

#include <string>
#include <vector>

#include "sim/mapinfo/native_library.h"
#include "sim/mapinfo/program.h"

namespace ornil::sim::mb {

enum class DeclarationWidth { Any, Bits32, Bits64 };

bool ParamFits(const Param& param, NativeKind kind, DeclarationWidth width);
bool ResultFits(const Declaration& d, NativeKind kind, DeclarationWidth width);
// What is wrong with one declaration against its function, empty when it fits.
std::string Mismatch(const Declaration& d, const NativeFunction& f, DeclarationWidth width);

struct DeclarationReport {
  std::vector<std::string> problems;  // one text per declaration that does not fit
  std::vector<std::string> unbound;   // exported names no function has
};
DeclarationReport CheckDeclarations(const Program& program, const NativeLibraries& natives,
                                    DeclarationWidth width);

}  // namespace ornil::sim::mb
