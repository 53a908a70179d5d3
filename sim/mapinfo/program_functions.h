// The MapBasic functions only a running program has (they know its folder, its last error and
// its search results): ApplicationDirectory$, FileExists, Error$, Err, FrontWindow, SearchPoint
// and SearchInfo.
#pragma once

#include "sim/mapinfo/compiler.h"

namespace ornil::sim::mb {

class ProgramRuntime;

// A node calling one of them; null when the call names none of them. Throws HostError for the
// wrong number of arguments.
NodePtr ProgramFunctionCall(ProgramRuntime& runtime, const Expr& call, Scope& scope);

}  // namespace ornil::sim::mb
