// The MapBasic functions of the simulated host, looked up by name without regard to letter case.
#pragma once

#include <string_view>
#include <vector>

#include "sim/mapinfo/compiler.h"
#include "sim/mapinfo/value.h"
#include "sim/mapinfo/workspace.h"

namespace ornil::sim::mb {

struct Builtin {
  std::string_view name;  // lower case
  int minArgs = 0;
  int maxArgs = 0;
  // Bit i set: argument i names a table or column and may be written as a bare name.
  unsigned nameArgs = 0;
  // The result's type code; may look at constant arguments (TableInfo's code).
  int (*resultType)(const std::vector<NodePtr>& args) = nullptr;
  Value (*eval)(Workspace& ws, const std::vector<Value>& args) = nullptr;
};

const Builtin* FindBuiltin(std::string_view name);

// The table an argument names: a table number or a name ("Selection" included). Throws HostError.
Table& TableOfArgument(Workspace& ws, const Value& v);

// PathToTableName$: the file name without folder and extension, every character that is not a
// letter or digit made "_", "_" in front of a leading digit, cut to 31 characters.
std::string PathToTableName(std::string_view path);

}  // namespace ornil::sim::mb
