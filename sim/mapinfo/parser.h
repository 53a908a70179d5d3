// Parses MapBasic expressions and statement sequences ("Dim a as Integer Dim b as String" is two
// statements) into the forms of syntax.h. Keywords are case-blind. Throws HostError: unknown
// syntax names the statement it was found in.
#pragma once

#include <string_view>
#include <vector>

#include "sim/mapinfo/lexer.h"
#include "sim/mapinfo/syntax.h"

namespace ornil::sim::mb {

ExprPtr ParseExpression(std::string_view source);
std::vector<Statement> ParseStatements(std::string_view source);

// The same from a token list that ends with an End token, as a program's parser holds it: one
// expression or one statement from `pos`, which is left after it. `source` is the text the
// tokens' positions point into.
ExprPtr ParseExpressionAt(std::string_view source, const std::vector<Token>& tokens,
                          std::size_t& pos);
Statement ParseStatementAt(std::string_view source, const std::vector<Token>& tokens,
                           std::size_t& pos);

// Type names of Dim: Integer, SmallInt, Float, Decimal, String, Logical, Date; 0 for others.
int TypeCodeOfName(std::string_view name);

}  // namespace ornil::sim::mb
