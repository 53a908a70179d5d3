// Binding names and checking types; the node kinds and how each evaluates.
#include "sim/mapinfo/compiler.h"

#include <cmath>

#include "sim/mapinfo/functions.h"
#include "sim/mapinfo/host_error.h"
#include "text/cp1251.h"

namespace ornil::sim::mb {

namespace {

bool IsIntegral(int type) {
  return type == kInteger || type == kSmallInt;
}

// Numbers and logicals, the operands of and/or/not and of numeric comparisons.
bool IsNumberLike(int type) {
  return IsNumericType(type) || type == kLogical;
}

class Literal : public Node {
 public:
  explicit Literal(Value v) : Node(v.type), value_(std::move(v)) {
    decimals = value_.decimals;
    if (IsTextType(type)) width = static_cast<int>(value_.text.size());
  }
  Value Eval(int) const override { return value_; }
  const Value* Constant() const override { return &value_; }

 private:
  Value value_;
};

class RowColumn : public Node {
 public:
  RowColumn(const Table& table, int column) : Node(table.ColumnAt(column).type), table_(table) {
    width = table.ColumnAt(column).width;
    decimals = table.ColumnAt(column).decimals;
    rowColumn = column;
  }
  Value Eval(int rowId) const override { return table_.Cell(rowId, rowColumn); }

 private:
  const Table& table_;
};

class RowIdOfRow : public Node {
 public:
  RowIdOfRow() : Node(kInteger) {}
  Value Eval(int rowId) const override { return Value::Integer(rowId); }
};

// A column of another table, at its Fetch cursor.
class CursorColumn : public Node {
 public:
  CursorColumn(const Table& table, int column)
      : Node(column < 0 ? kInteger : table.ColumnAt(column).type), table_(table), column_(column) {
    if (column >= 0) {
      width = table.ColumnAt(column).width;
      decimals = table.ColumnAt(column).decimals;
    }
  }
  Value Eval(int) const override {
    if (!table_.HasRow(table_.cursor)) {
      throw HostError("No current row in table " + table_.Name());
    }
    if (column_ < 0) return Value::Integer(table_.cursor);
    return table_.Cell(table_.cursor, column_);
  }

 private:
  const Table& table_;
  int column_;  // -1: RowId
};

class VariableRef : public Node {
 public:
  VariableRef(Workspace& ws, const Variable& v) : Node(v.type), ws_(ws), name_(v.name) {}
  Value Eval(int) const override {
    const Variable* v = ws_.FindVariable(name_);
    if (v == nullptr) throw HostError("Variable " + name_ + " is not defined");
    return v->value;
  }

 private:
  Workspace& ws_;
  std::string name_;
};

class UnaryOp : public Node {
 public:
  UnaryOp(std::string op, NodePtr operand, int type)
      : Node(type), op_(std::move(op)), operand_(std::move(operand)) {
    decimals = operand_->decimals;
  }
  Value Eval(int rowId) const override {
    const Value v = operand_->Eval(rowId);
    if (op_ == "not") return Value::Logical(!v.Truth());
    if (op_ == "+") return v;
    Value out = v;
    out.number = -v.number;
    return out;
  }

 private:
  std::string op_;
  NodePtr operand_;
};

enum class Op {
  Add,
  Concat,
  Sub,
  Mul,
  Div,
  IntDiv,
  Mod,
  Pow,
  Eq,
  Ne,
  Lt,
  Gt,
  Le,
  Ge,
  Like,
  And,
  Or
};

Op OpOf(const std::string& s) {
  static const std::pair<const char*, Op> kOps[] = {
      {"+", Op::Add},     {"&", Op::Concat}, {"-", Op::Sub}, {"*", Op::Mul}, {"/", Op::Div},
      {"\\", Op::IntDiv}, {"mod", Op::Mod},  {"^", Op::Pow}, {"=", Op::Eq},  {"<>", Op::Ne},
      {"<", Op::Lt},      {">", Op::Gt},     {"<=", Op::Le}, {">=", Op::Ge}, {"like", Op::Like},
      {"and", Op::And},   {"or", Op::Or},
  };
  for (const auto& [text, op] : kOps) {
    if (s == text) return op;
  }
  throw HostError("Unknown operator " + s);
}

// MapBasic's Like: "%" any run of characters, "_" one character, letter case ignored.
bool Like(std::string_view s, std::string_view p) {
  std::size_t si = 0, pi = 0, starP = std::string_view::npos, starS = 0;
  while (si < s.size()) {
    if (pi < p.size() && p[pi] == '%') {
      starP = pi++;
      starS = si;
    } else if (pi < p.size() &&
               (p[pi] == '_' || text::LowerChar(p[pi]) == text::LowerChar(s[si]))) {
      ++pi;
      ++si;
    } else if (starP != std::string_view::npos) {
      pi = starP + 1;
      si = ++starS;
    } else {
      return false;
    }
  }
  while (pi < p.size() && p[pi] == '%')
    ++pi;
  return pi == p.size();
}

class BinaryOp : public Node {
 public:
  BinaryOp(Op op, NodePtr l, NodePtr r, int type)
      : Node(type), op_(op), l_(std::move(l)), r_(std::move(r)) {}

  Value Eval(int rowId) const override {
    if (op_ == Op::And) {
      return Value::Logical(l_->Eval(rowId).Truth() && r_->Eval(rowId).Truth());
    }
    if (op_ == Op::Or) return Value::Logical(l_->Eval(rowId).Truth() || r_->Eval(rowId).Truth());
    const Value a = l_->Eval(rowId);
    const Value b = r_->Eval(rowId);
    switch (op_) {
      case Op::Eq:
        return Value::Logical(Compare(a, b) == 0);
      case Op::Ne:
        return Value::Logical(Compare(a, b) != 0);
      case Op::Lt:
        return Value::Logical(Compare(a, b) < 0);
      case Op::Gt:
        return Value::Logical(Compare(a, b) > 0);
      case Op::Le:
        return Value::Logical(Compare(a, b) <= 0);
      case Op::Ge:
        return Value::Logical(Compare(a, b) >= 0);
      case Op::Like:
        return Value::Logical(Like(a.text, b.text));
      case Op::Concat:
        return Value::Text(ToText(a) + ToText(b));
      default:
        return Arithmetic(a, b);
    }
  }

 private:
  Value Arithmetic(const Value& a, const Value& b) const {
    if (type == kChar) return Value::Text(ToText(a) + ToText(b));
    if (type == kDate) {
      const double days = a.type == kDate ? b.number : a.number;
      const int date = static_cast<int>(a.type == kDate ? a.number : b.number);
      if (date == 0) return Value::Date(0);
      const long shift = std::lround(op_ == Op::Sub ? -days : days);
      return Value::Date(DaysToDate(DateToDays(date) + shift));
    }
    if (a.type == kDate && b.type == kDate) {
      return Value::Integer(static_cast<double>(DateToDays(static_cast<int>(a.number)) -
                                                DateToDays(static_cast<int>(b.number))));
    }
    const double x = a.number, y = b.number;
    double r = 0;
    switch (op_) {
      case Op::Add:
        r = x + y;
        break;
      case Op::Sub:
        r = x - y;
        break;
      case Op::Mul:
        r = x * y;
        break;
      case Op::Div:
        if (y == 0) throw HostError("Division by zero");
        r = x / y;
        break;
      case Op::IntDiv:
        if (std::trunc(y) == 0) throw HostError("Division by zero");
        r = std::trunc(std::trunc(x) / std::trunc(y));
        break;
      case Op::Mod:
        if (std::trunc(y) == 0) throw HostError("Division by zero");
        r = std::fmod(std::trunc(x), std::trunc(y));
        break;
      case Op::Pow:
        r = std::pow(x, y);
        break;
      default:
        break;
    }
    return type == kInteger ? Value::Integer(r) : Value::Float(r);
  }

  Op op_;
  NodePtr l_, r_;
};

[[noreturn]] void Mismatch(const std::string& what) {
  throw HostError("Type mismatch: " + what);
}

int BinaryType(Op op, const Node& l, const Node& r) {
  const int a = l.type, b = r.type;
  switch (op) {
    case Op::And:
    case Op::Or:
      if (!IsNumberLike(a) || !IsNumberLike(b)) Mismatch("And/Or need logical operands");
      return kLogical;
    case Op::Eq:
    case Op::Ne:
    case Op::Lt:
    case Op::Gt:
    case Op::Le:
    case Op::Ge: {
      const bool ok = (IsTextType(a) && IsTextType(b)) ||
                      ((a == kDate || IsTextType(a)) && (b == kDate || IsTextType(b))) ||
                      (IsNumberLike(a) && IsNumberLike(b));
      if (!ok) Mismatch("the two sides of a comparison are of different types");
      return kLogical;
    }
    case Op::Like:
      if (!IsTextType(a) || !IsTextType(b)) Mismatch("Like compares texts");
      return kLogical;
    case Op::Concat:
      return kChar;
    case Op::Add:
      if (IsTextType(a) || IsTextType(b)) return kChar;
      if ((a == kDate && IsNumericType(b)) || (IsNumericType(a) && b == kDate)) return kDate;
      break;
    case Op::Sub:
      if (a == kDate && b == kDate) return kInteger;
      if (a == kDate && IsNumericType(b)) return kDate;
      break;
    default:
      break;
  }
  if (!IsNumericType(a) || !IsNumericType(b)) Mismatch("arithmetic needs numbers");
  if (op == Op::Div || op == Op::Pow) return kFloat;
  if (op == Op::IntDiv || op == Op::Mod) return kInteger;
  return IsIntegral(a) && IsIntegral(b) ? kInteger : kFloat;
}

class Call : public Node {
 public:
  Call(Workspace& ws, const Builtin& f, std::vector<NodePtr> args, int type)
      : Node(type), ws_(ws), f_(f), args_(std::move(args)) {
    if (type == kChar) width = 254;
  }
  Value Eval(int rowId) const override {
    std::vector<Value> values;
    values.reserve(args_.size());
    for (const auto& a : args_)
      values.push_back(a->Eval(rowId));
    return f_.eval(ws_, values);
  }

 private:
  Workspace& ws_;
  const Builtin& f_;
  std::vector<NodePtr> args_;
};

class Aggregate : public AggregateNode {
 public:
  enum class Kind { Max, Min, Sum, Avg, Count };
  Aggregate(Kind kind, NodePtr arg, int type)
      : AggregateNode(type), kind_(kind), arg_(std::move(arg)) {
    if (arg_) {
      width = arg_->width;
      decimals = arg_->decimals;
    }
  }
  void Accumulate(int rowId) override {
    ++count_;
    if (kind_ == Kind::Count) return;
    Value v = arg_->Eval(rowId);
    if (kind_ == Kind::Sum || kind_ == Kind::Avg) {
      sum_ += v.number;
      return;
    }
    if (!best_ || (kind_ == Kind::Max ? Compare(v, *best_) > 0 : Compare(v, *best_) < 0)) {
      best_ = std::move(v);
    }
  }
  Value Eval(int) const override {
    switch (kind_) {
      case Kind::Count:
        return Value::Integer(count_);
      case Kind::Sum:
        return type == kInteger ? Value::Integer(sum_) : Value::Float(sum_);
      case Kind::Avg:
        return Value::Float(count_ == 0 ? 0 : sum_ / count_);
      default:
        if (best_) return *best_;
        Column shape;
        shape.type = type;
        shape.decimals = decimals;
        return EmptyValue(shape);
    }
  }

 private:
  Kind kind_;
  NodePtr arg_;
  int count_ = 0;
  double sum_ = 0;
  std::optional<Value> best_;
};

NodePtr CompileAggregate(const Expr& e, Scope& scope, Aggregate::Kind kind) {
  if (scope.aggregates == nullptr) {
    throw HostError("Aggregate function " + e.text + " can only be used in a Select list");
  }
  if (e.args.size() != 1) throw HostError(e.text + " takes one argument");
  std::unique_ptr<Aggregate> node;
  if (e.args[0]->kind == Expr::Kind::Star) {
    if (kind != Aggregate::Kind::Count) throw HostError(e.text + "(*) is not allowed");
    node = std::make_unique<Aggregate>(kind, nullptr, kInteger);
  } else {
    Scope inner{scope.ws, scope.rowTable, nullptr};  // no aggregate inside an aggregate
    NodePtr arg = Compile(*e.args[0], inner);
    int type = arg->type;
    if (kind == Aggregate::Kind::Count) type = kInteger;
    if (kind == Aggregate::Kind::Sum || kind == Aggregate::Kind::Avg) {
      if (!IsNumericType(arg->type)) Mismatch(e.text + " needs a number");
      type = kind == Aggregate::Kind::Avg || !IsIntegral(arg->type) ? kFloat : kInteger;
    }
    node = std::make_unique<Aggregate>(kind, std::move(arg), type);
  }
  scope.aggregates->push_back(node.get());
  return node;
}

// An argument that names a table or column: a bare name stands for itself unless it is a
// variable and no table of that name is open.
NodePtr CompileNameArgument(const Expr& e, Scope& scope) {
  if (e.kind == Expr::Kind::Name) {
    const bool variable = scope.ws.FindVariable(e.text) != nullptr ||
                          (scope.ws.names != nullptr && scope.ws.names->IsVariable(e.text));
    if (!variable || scope.ws.FindOpen(e.text) != nullptr) {
      return MakeLiteral(Value::Text(e.text));
    }
  }
  return Compile(e, scope);
}

NodePtr CompileCall(const Expr& e, Scope& scope) {
  const std::string name = text::Lower(e.text);
  static const std::pair<const char*, Aggregate::Kind> kAggregates[] = {
      {"max", Aggregate::Kind::Max},
      {"min", Aggregate::Kind::Min},
      {"sum", Aggregate::Kind::Sum},
      {"avg", Aggregate::Kind::Avg},
      {"count", Aggregate::Kind::Count}};
  for (const auto& [word, kind] : kAggregates) {
    if (name == word) return CompileAggregate(e, scope, kind);
  }
  if (scope.ws.names != nullptr) {
    if (NodePtr program = scope.ws.names->Call(e, scope)) return program;
  }
  const Builtin* f = FindBuiltin(name);
  if (f == nullptr) throw HostError("Unknown function " + e.text);
  const int n = static_cast<int>(e.args.size());
  if (n < f->minArgs || n > f->maxArgs) {
    throw HostError("Wrong number of arguments for function " + e.text);
  }
  std::vector<NodePtr> args;
  for (int i = 0; i < n; ++i) {
    if (e.args[i]->kind == Expr::Kind::Star) throw HostError("Unexpected * in " + e.text);
    args.push_back((f->nameArgs >> i) & 1u ? CompileNameArgument(*e.args[i], scope)
                                           : Compile(*e.args[i], scope));
  }
  const int type = f->resultType(args);
  return std::make_unique<Call>(scope.ws, *f, std::move(args), type);
}

NodePtr CompileName(const std::string& name, Scope& scope) {
  if (scope.rowTable != nullptr) {
    const int column = scope.rowTable->FindColumn(name);
    if (column >= 0) return std::make_unique<RowColumn>(*scope.rowTable, column);
    if (EqualNoCase(name, "rowid")) return std::make_unique<RowIdOfRow>();
  }
  if (scope.ws.names != nullptr) {
    if (NodePtr program = scope.ws.names->Variable(name)) return program;
  }
  if (const Variable* v = scope.ws.FindVariable(name)) {
    return std::make_unique<VariableRef>(scope.ws, *v);
  }
  if (EqualNoCase(name, "true")) return MakeLiteral(Value::Logical(true));
  if (EqualNoCase(name, "false")) return MakeLiteral(Value::Logical(false));
  throw HostError("Variable or column " + name + " not defined");
}

NodePtr CompileMember(const Expr& e, Scope& scope) {
  if (scope.rowTable != nullptr && EqualNoCase(e.text, scope.rowTable->Name())) {
    const int column = scope.rowTable->FindColumn(e.member);
    if (column >= 0) return std::make_unique<RowColumn>(*scope.rowTable, column);
    if (EqualNoCase(e.member, "rowid")) return std::make_unique<RowIdOfRow>();
    throw HostError("Column " + e.member + " is not in table " + e.text);
  }
  if (scope.ws.names != nullptr) {
    if (NodePtr program = scope.ws.names->Field(e)) return program;
  }
  const Table* table = scope.ws.Find(e.text);
  if (table == nullptr) throw HostError("Table " + e.text + " is not open");
  const int column = table->FindColumn(e.member);
  if (column < 0 && !EqualNoCase(e.member, "rowid")) {
    throw HostError("Column " + e.member + " is not in table " + e.text);
  }
  return std::make_unique<CursorColumn>(*table, column);
}

}  // namespace

NodePtr MakeLiteral(Value v) {
  return std::make_unique<Literal>(std::move(v));
}

NodePtr MakeRowColumn(const Table& table, int column) {
  return std::make_unique<RowColumn>(table, column);
}

NodePtr Compile(const Expr& e, Scope& scope) {
  switch (e.kind) {
    case Expr::Kind::Number:
      return MakeLiteral(e.integer ? Value::Integer(e.number) : Value::Float(e.number));
    case Expr::Kind::String:
      return MakeLiteral(Value::Text(e.text));
    case Expr::Kind::Name:
      return CompileName(e.text, scope);
    case Expr::Kind::Member:
      return CompileMember(e, scope);
    case Expr::Kind::Call:
      return CompileCall(e, scope);
    case Expr::Kind::Star:
      throw HostError("Unexpected *");
    case Expr::Kind::Unary: {
      NodePtr operand = Compile(*e.args[0], scope);
      int type = operand->type;
      if (e.text == "not") {
        if (!IsNumberLike(type)) Mismatch("Not needs a logical operand");
        type = kLogical;
      } else {
        if (!IsNumericType(type)) Mismatch("a sign needs a number");
        if (type == kSmallInt) type = kInteger;
      }
      return std::make_unique<UnaryOp>(e.text, std::move(operand), type);
    }
    case Expr::Kind::Binary: {
      const Op op = OpOf(e.text);
      NodePtr l = Compile(*e.args[0], scope);
      NodePtr r = Compile(*e.args[1], scope);
      const int type = BinaryType(op, *l, *r);
      auto node = std::make_unique<BinaryOp>(op, std::move(l), std::move(r), type);
      if (type == kChar) node->width = 254;
      return node;
    }
  }
  throw HostError("Unknown expression");
}

}  // namespace ornil::sim::mb
