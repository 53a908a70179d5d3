// Feeds the simulated host's program loader and parser MapBasic sources of any shape (the input
// split at its first NUL byte into the program and one file it may include) and checks what must
// hold whatever the source says: only the host's own refusal leaves them, and it names a file and
// line; a program that parses has every jump inside its procedure.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <variant>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/program.h"

namespace {

using namespace ornil::sim::mb;

[[noreturn]] void Broken(const char* what) {
  std::fprintf(stderr, "program parser: %s\n", what);
  std::abort();
}

void CheckJumps(const Procedure& proc) {
  const int size = static_cast<int>(proc.code.size());
  for (const auto& in : proc.code) {
    std::visit(
        [&](const auto& op) {
          using O = std::decay_t<decltype(op)>;
          if constexpr (std::is_same_v<O, Jump> || std::is_same_v<O, JumpUnless>) {
            if (op.target < 0 || op.target > size) Broken("a jump out of its procedure");
          } else if constexpr (std::is_same_v<O, ForTest>) {
            if (op.exit < 0 || op.exit > size) Broken("a loop's exit out of its procedure");
          }
        },
        in.op);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const auto split = input.find('\0');
  const std::string main = input.substr(0, split);
  const std::string included = split == std::string::npos ? "" : input.substr(split + 1);
  const SourceReader read = [&](const std::string& name) -> std::optional<std::string> {
    if (name == "main.mb") return main;
    if (name == "a.def") return included;
    return std::nullopt;
  };
  try {
    const Program program = ParseProgram(LoadProgramText("main.mb", read));
    for (const auto& [name, proc] : program.procedures)
      CheckJumps(proc);
  } catch (const HostError& e) {
    const std::string what = e.what();
    if (what.find(", line ") == std::string::npos && what.find("the program") != 0) {
      Broken("a refusal that names no line");
    }
  }
  return 0;
}
