// Binds a parsed expression to the host's tables and variables: names become columns of the row
// being evaluated, columns at a table's Fetch cursor, or variables, and every node gets its static
// type. Unknown names and operands of the wrong type fail here, before any row is read, as they
// do in MapInfo for a Select that takes no rows.
#pragma once

#include <memory>
#include <vector>

#include "sim/mapinfo/syntax.h"
#include "sim/mapinfo/table.h"
#include "sim/mapinfo/value.h"
#include "sim/mapinfo/workspace.h"

namespace ornil::sim::mb {

class Node {
 public:
  explicit Node(int type) : type(type) {}
  virtual ~Node() = default;
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;

  // The value for row `rowId` of the scope's row table (0 outside a row loop).
  virtual Value Eval(int rowId) const = 0;
  // A literal's value, for functions whose result type depends on a constant argument.
  virtual const Value* Constant() const { return nullptr; }

  int type;       // static type code
  int width = 0;  // character and decimal results, as a column would have them
  int decimals = 0;
  int rowColumn = -1;  // a plain column of the row table: its index
};
using NodePtr = std::unique_ptr<Node>;

// Max, Min, Sum, Avg and Count over the rows a Select takes.
class AggregateNode : public Node {
 public:
  using Node::Node;
  virtual void Accumulate(int rowId) = 0;
};

struct Scope {
  Workspace& ws;
  Table* rowTable = nullptr;                          // the table whose rows are looped over
  std::vector<AggregateNode*>* aggregates = nullptr;  // where aggregates are allowed: collects them
};

// What a running MapBasic program knows besides the host: its variables, its procedures and DLL
// functions, and the functions only programs have. While a program's own statement runs, the
// workspace points here and names are looked up here first (after the columns of a row).
class NameResolver {
 public:
  virtual ~NameResolver() = default;
  virtual bool IsVariable(const std::string& name) = 0;
  // Each gives null for a name that is not the program's, which the host then resolves.
  virtual NodePtr Variable(const std::string& name) = 0;
  virtual NodePtr Field(const Expr& member) = 0;
  virtual NodePtr Call(const Expr& call, Scope& scope) = 0;
};

// Throws HostError.
NodePtr Compile(const Expr& e, Scope& scope);

// A literal node, and a node reading one column of the row being evaluated.
NodePtr MakeLiteral(Value v);
NodePtr MakeRowColumn(const Table& table, int column);

}  // namespace ornil::sim::mb
