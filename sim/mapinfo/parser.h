// Parses MapBasic expressions and statement sequences ("Dim a as Integer Dim b as String" is two
// statements) into the forms of syntax.h. Keywords are case-blind. Throws HostError: unknown
// syntax names the statement it was found in.
#pragma once

#include <string_view>
#include <vector>

#include "sim/mapinfo/syntax.h"

namespace ornil::sim::mb {

ExprPtr ParseExpression(std::string_view source);
std::vector<Statement> ParseStatements(std::string_view source);

// Type names of Dim: Integer, SmallInt, Float, Decimal, String, Logical, Date; 0 for others.
int TypeCodeOfName(std::string_view name);

}  // namespace ornil::sim::mb
