// Matching declared MapBasic types against the kinds of native parameters and results.
#include "sim/mapinfo/declaration_check.h"

namespace ornil::sim::mb {

namespace {

bool HandleFits(int code, DeclarationWidth width) {
  switch (width) {
    case DeclarationWidth::Bits32:
      return code == kInteger;
    case DeclarationWidth::Bits64:
      return code == kIntPtr;
    case DeclarationWidth::Any:
      return code == kInteger || code == kIntPtr;
  }
  return false;
}

// A scalar of the declared type fits the native kind (by value, or as a result).
bool ScalarFits(int code, NativeKind kind, DeclarationWidth width) {
  switch (kind) {
    case NativeKind::Int16:
      return code == kSmallInt;
    case NativeKind::Int32:
    case NativeKind::UInt32:
      return code == kInteger || code == kLogical;
    case NativeKind::Pointer:
      return HandleFits(code, width);
    default:
      return false;
  }
}

const char* KindName(NativeKind kind) {
  switch (kind) {
    case NativeKind::Void:
      return "nothing";
    case NativeKind::Int16:
      return "a 16-bit integer";
    case NativeKind::Int32:
      return "a 32-bit integer";
    case NativeKind::UInt32:
      return "a 32-bit unsigned integer";
    case NativeKind::Pointer:
      return "a handle";
    case NativeKind::Text:
    case NativeKind::MutableText:
      return "a text";
    case NativeKind::Record:
      return "a structure";
  }
  return "?";
}

}  // namespace

bool ParamFits(const Param& param, NativeKind kind, DeclarationWidth width) {
  if (kind == NativeKind::Text || kind == NativeKind::MutableText) {
    return param.type.code == kChar && !param.byValue;
  }
  if (kind == NativeKind::Record) return !param.type.record.empty() && !param.byValue;
  return param.byValue && ScalarFits(param.type.code, kind, width);
}

bool ResultFits(const Declaration& d, NativeKind kind, DeclarationWidth width) {
  if (!d.function) return kind == NativeKind::Void;
  return ScalarFits(d.result.code, kind, width);
}

std::string Mismatch(const Declaration& d, const NativeFunction& f, DeclarationWidth width) {
  const std::string name = d.ExportName() + " in " + d.library;
  if (f.params.size() != d.params.size()) {
    return name + " takes " + std::to_string(f.params.size()) + " arguments, the declaration " +
           std::to_string(d.params.size());
  }
  for (std::size_t i = 0; i < d.params.size(); ++i) {
    const Param& p = d.params[i];
    if (!ParamFits(p, f.params[i], width)) {
      return name + ": parameter " + p.name + " (" + (p.byValue ? "ByVal " : "") + "As " +
             p.type.written + ") where the function takes " + KindName(f.params[i]);
    }
  }
  if (!ResultFits(d, f.result, width)) {
    return name + ": the declaration gives " + (d.function ? d.result.written : "no result") +
           " where the function gives " + KindName(f.result);
  }
  return {};
}

DeclarationReport CheckDeclarations(const Program& program, const NativeLibraries& natives,
                                    DeclarationWidth width) {
  DeclarationReport report;
  for (const auto& [key, d] : program.declarations) {
    if (d.library.empty()) continue;
    const NativeFunction* f = natives.Find(d.library, d.ExportName());
    if (f == nullptr) {
      report.unbound.push_back(d.ExportName());
      continue;
    }
    if (std::string problem = Mismatch(d, *f, width); !problem.empty()) {
      report.problems.push_back(std::move(problem));
    }
  }
  return report;
}

}  // namespace ornil::sim::mb
