// The MapBasic parser: precedence climbing for expressions, one function per statement.
#include "sim/mapinfo/parser.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "sim/mapinfo/host_error.h"
#include "sim/mapinfo/lexer.h"
#include "sim/mapinfo/value.h"
#include "text/cp1251.h"

namespace ornil::sim::mb {

int TypeCodeOfName(std::string_view name) {
  static constexpr std::pair<std::string_view, int> kTypes[] = {
      {"integer", kInteger}, {"smallint", kSmallInt}, {"float", kFloat}, {"decimal", kDecimal},
      {"string", kChar},     {"logical", kLogical},   {"date", kDate},
  };
  for (const auto& [word, code] : kTypes) {
    if (EqualNoCase(word, name)) return code;
  }
  return 0;
}

namespace {

using Kind = Token::Kind;

constexpr int kMaxDepth = 200;       // nested parentheses, signs and Nots
constexpr int kMaxTreeDepth = 2000;  // operator chains such as 1+1+…+1

// Thrown inside the parser; turned into a HostError that names the statement.
struct SyntaxError {
  std::string what;
};

class Parser {
 public:
  explicit Parser(std::string_view source)
      : source_(source), owned_(Tokenize(source)), tokens_(owned_) {}
  // Parses from `pos` in tokens that were made elsewhere from `source` (a program's text).
  Parser(std::string_view source, const std::vector<Token>& tokens, std::size_t pos)
      : source_(source), tokens_(tokens), pos_(pos) {}

  ExprPtr WholeExpression() {
    ExprPtr e = Expression();
    if (!AtEnd()) Fail("unexpected \"" + Peek().text + "\" after the expression");
    return e;
  }

  std::vector<Statement> Statements() {
    std::vector<Statement> out;
    while (!AtEnd()) {
      statementStart_ = Peek().position;
      StatementBody body = OneStatement();
      const std::size_t end = Peek().position;
      out.push_back({std::move(body), std::string(text::Trim(source_.substr(
                                          statementStart_, end - statementStart_)))});
    }
    return out;
  }

  std::string StatementText() const {
    const std::string_view rest = source_.substr(std::min(statementStart_, source_.size()));
    return std::string(text::Trim(rest.substr(0, rest.find('\n'))));
  }

  // One expression or one statement from the current token; the position is left after it.
  ExprPtr ExpressionHere() {
    statementStart_ = Peek().position;
    return Expression();
  }
  Statement StatementHere() {
    statementStart_ = Peek().position;
    StatementBody body = OneStatement();
    return {std::move(body), StatementText()};
  }
  std::size_t Position() const { return pos_; }

 private:
  // Tokens.
  const Token& Peek(std::size_t ahead = 0) const {
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
  }
  bool AtEnd() const { return Peek().kind == Kind::End; }
  const Token& Next() {
    const Token& t = Peek();
    if (pos_ < tokens_.size() - 1) ++pos_;
    return t;
  }
  bool AcceptWord(std::string_view word) {
    if (!Peek().IsWord(word)) return false;
    Next();
    return true;
  }
  bool AcceptSymbol(std::string_view symbol) {
    if (!Peek().IsSymbol(symbol)) return false;
    Next();
    return true;
  }
  [[noreturn]] void Fail(const std::string& what) const { throw SyntaxError{what}; }
  std::string Describe(const Token& t) const {
    return t.kind == Kind::End ? "the end" : "\"" + t.text + "\"";
  }
  void ExpectWord(std::string_view word) {
    if (!AcceptWord(word))
      Fail("expected " + std::string(word) + " instead of " + Describe(Peek()));
  }
  void ExpectSymbol(std::string_view symbol) {
    if (!AcceptSymbol(symbol)) {
      Fail("expected \"" + std::string(symbol) + "\" instead of " + Describe(Peek()));
    }
  }
  std::string ExpectName() {
    if (Peek().kind != Kind::Name) Fail("expected a name instead of " + Describe(Peek()));
    return Next().text;
  }
  TableName ExpectTable() {
    if (Peek().kind != Kind::Name && Peek().kind != Kind::String) {
      Fail("expected a table name instead of " + Describe(Peek()));
    }
    return Next().text;
  }

  // Expressions, lowest precedence first.
  struct DepthGuard {
    explicit DepthGuard(Parser& p) : p(p) {
      if (++p.depth_ > kMaxDepth) p.Fail("the expression is nested too deeply");
    }
    ~DepthGuard() { --p.depth_; }
    Parser& p;
  };

  static std::shared_ptr<Expr> Make(Expr::Kind kind, std::string text,
                                    std::vector<ExprPtr> args = {}) {
    auto e = std::make_shared<Expr>();
    e->kind = kind;
    e->text = std::move(text);
    for (const auto& a : args)
      e->depth = std::max(e->depth, a->depth + 1);
    // Binding, evaluating and freeing a tree recurse over its depth.
    if (e->depth > kMaxTreeDepth) throw SyntaxError{"the expression is too long"};
    e->args = std::move(args);
    return e;
  }

  ExprPtr Expression() {
    DepthGuard guard(*this);
    ExprPtr left = AndExpr();
    while (AcceptWord("or"))
      left = Make(Expr::Kind::Binary, "or", {left, AndExpr()});
    return left;
  }
  ExprPtr AndExpr() {
    ExprPtr left = NotExpr();
    while (AcceptWord("and"))
      left = Make(Expr::Kind::Binary, "and", {left, NotExpr()});
    return left;
  }
  ExprPtr NotExpr() {
    DepthGuard guard(*this);
    if (AcceptWord("not")) return Make(Expr::Kind::Unary, "not", {NotExpr()});
    return Comparison();
  }
  ExprPtr Comparison() {
    ExprPtr left = Concat();
    for (std::string_view op : {"=", "<>", "<=", ">=", "<", ">"}) {
      if (AcceptSymbol(op)) return Make(Expr::Kind::Binary, std::string(op), {left, Concat()});
    }
    if (AcceptWord("like")) return Make(Expr::Kind::Binary, "like", {left, Concat()});
    return left;
  }
  ExprPtr Concat() {
    ExprPtr left = Additive();
    while (AcceptSymbol("&"))
      left = Make(Expr::Kind::Binary, "&", {left, Additive()});
    return left;
  }
  ExprPtr Additive() {
    ExprPtr left = Multiplicative();
    while (true) {
      if (AcceptSymbol("+")) {
        left = Make(Expr::Kind::Binary, "+", {left, Multiplicative()});
      } else if (AcceptSymbol("-")) {
        left = Make(Expr::Kind::Binary, "-", {left, Multiplicative()});
      } else {
        return left;
      }
    }
  }
  ExprPtr Multiplicative() {
    ExprPtr left = Unary();
    while (true) {
      std::string op;
      if (AcceptSymbol("*")) {
        op = "*";
      } else if (AcceptSymbol("/")) {
        op = "/";
      } else if (AcceptSymbol("\\")) {
        op = "\\";
      } else if (AcceptWord("mod")) {
        op = "mod";
      } else {
        return left;
      }
      left = Make(Expr::Kind::Binary, op, {left, Unary()});
    }
  }
  ExprPtr Unary() {
    DepthGuard guard(*this);
    if (AcceptSymbol("-")) return Make(Expr::Kind::Unary, "-", {Unary()});
    if (AcceptSymbol("+")) return Make(Expr::Kind::Unary, "+", {Unary()});
    return Power();
  }
  ExprPtr Power() {
    ExprPtr left = Primary();
    if (AcceptSymbol("^")) return Make(Expr::Kind::Binary, "^", {left, Unary()});
    return left;
  }
  ExprPtr Primary() {
    const Token& t = Peek();
    switch (t.kind) {
      case Kind::Number: {
        Next();
        auto e = Make(Expr::Kind::Number, t.text);
        double value = 0;
        std::from_chars(t.text.data(), t.text.data() + t.text.size(), value);
        e->number = value;
        e->integer = t.text.find_first_of(".eE") == std::string::npos && value <= 2147483647.0;
        return e;
      }
      case Kind::String:
        Next();
        return Make(Expr::Kind::String, t.text);
      case Kind::Symbol:
        if (AcceptSymbol("(")) {
          ExprPtr inner = Expression();
          ExpectSymbol(")");
          return inner;
        }
        Fail("unexpected " + Describe(t));
      case Kind::End:
        Fail("the expression ends too early");
      case Kind::Name:
        break;
    }
    const std::string name = Next().text;
    if (AcceptSymbol("(")) {
      std::vector<ExprPtr> args;
      if (Peek().IsSymbol("*") && Peek(1).IsSymbol(")")) {
        Next();
        args.push_back(Make(Expr::Kind::Star, "*"));
      } else if (!Peek().IsSymbol(")")) {
        args.push_back(Expression());
        while (AcceptSymbol(","))
          args.push_back(Expression());
      }
      ExpectSymbol(")");
      return Make(Expr::Kind::Call, name, std::move(args));
    }
    if (Peek().IsSymbol(".") && Peek(1).kind == Kind::Name) {
      Next();
      auto e = Make(Expr::Kind::Member, name);
      e->member = Next().text;
      return e;
    }
    return Make(Expr::Kind::Name, name);
  }

  // Statements.
  StatementBody OneStatement() {
    const Token& t = Peek();
    if (t.kind != Kind::Name) Unknown();
    if (Peek(1).IsSymbol("=")) return Assignment();
    if (t.IsWord("select")) return Select();
    if (t.IsWord("fetch")) return Fetch();
    if (t.IsWord("update")) return Update();
    if (t.IsWord("insert")) return Insert();
    if (t.IsWord("close")) return Close();
    if (t.IsWord("metadata")) return MetadataStatement();
    if (t.IsWord("dim")) return Dim();
    if (t.IsWord("undim")) return UnDim();
    if (t.IsWord("set")) return Set();
    if (t.IsWord("run")) return RunMenuCommand();
    if (t.IsWord("map")) return Map();
    if (t.IsWord("browse")) return Browse();
    if (t.IsWord("print")) {
      Next();
      return PrintStmt{Expression()};
    }
    Unknown();
  }

  [[noreturn]] void Unknown() const {
    throw HostError("Unknown statement \"" + StatementText() + "\"");
  }

  AssignStmt Assignment() {
    AssignStmt s;
    s.name = Next().text;
    ExpectSymbol("=");
    s.value = Expression();
    return s;
  }

  std::vector<SelectItem> Items() {
    std::vector<SelectItem> items;
    if (AcceptSymbol("*")) {
      items.push_back({});
      return items;
    }
    do {
      SelectItem item{Expression(), {}};
      if (Peek().kind == Kind::String) item.alias = Next().text;
      items.push_back(std::move(item));
    } while (AcceptSymbol(","));
    return items;
  }

  SelectStmt Select() {
    Next();
    SelectStmt s;
    s.items = Items();
    ExpectWord("from");
    s.from = ExpectTable();
    while (true) {
      if (AcceptWord("where")) {
        if (s.where) Fail("a second Where");
        s.where = Expression();
      } else if (AcceptWord("into")) {
        if (s.into) Fail("a second Into");
        s.into = ExpectTable();
      } else if (AcceptWord("order")) {
        ExpectWord("by");
        do {
          OrderItem item{Expression(), false};
          if (AcceptWord("desc")) {
            item.descending = true;
          } else {
            AcceptWord("asc");
          }
          s.orderBy.push_back(std::move(item));
        } while (AcceptSymbol(","));
      } else if (AcceptWord("noselect")) {
        s.noSelect = true;
      } else if (Peek().IsWord("group")) {
        Fail("Group By is not supported");
      } else {
        return s;
      }
    }
  }

  FetchStmt Fetch() {
    Next();
    FetchStmt s;
    if (AcceptWord("first")) {
      s.where = FetchStmt::Where::First;
    } else if (AcceptWord("last")) {
      s.where = FetchStmt::Where::Last;
    } else if (AcceptWord("next")) {
      s.where = FetchStmt::Where::Next;
    } else if (AcceptWord("prev")) {
      s.where = FetchStmt::Where::Prev;
    } else if (AcceptWord("rec")) {
      s.where = FetchStmt::Where::Rec;
      s.rec = Expression();
    } else {
      Fail("expected First, Last, Next, Prev or Rec instead of " + Describe(Peek()));
    }
    ExpectWord("from");
    s.table = ExpectTable();
    return s;
  }

  std::string ColumnName() {
    if (Peek().kind != Kind::Name && Peek().kind != Kind::String) {
      Fail("expected a column name instead of " + Describe(Peek()));
    }
    return Next().text;
  }

  UpdateStmt Update() {
    Next();
    UpdateStmt s;
    s.table = ExpectTable();
    ExpectWord("set");
    do {
      std::string column = ColumnName();
      ExpectSymbol("=");
      s.sets.emplace_back(std::move(column), Expression());
    } while (AcceptSymbol(","));
    if (AcceptWord("where")) s.where = Expression();
    return s;
  }

  InsertStmt Insert() {
    Next();
    ExpectWord("into");
    InsertStmt s;
    s.table = ExpectTable();
    if (AcceptSymbol("(")) {
      do {
        s.columns.push_back(ColumnName());
      } while (AcceptSymbol(","));
      ExpectSymbol(")");
    }
    ExpectWord("values");
    ExpectSymbol("(");
    do {
      s.values.push_back(Expression());
    } while (AcceptSymbol(","));
    ExpectSymbol(")");
    return s;
  }

  StatementBody Close() {
    Next();
    if (AcceptWord("table")) {
      CloseTableStmt s{ExpectTable()};
      AcceptWord("interactive");
      return s;
    }
    if (AcceptWord("window")) return CloseWindowStmt{Expression()};
    Fail("expected Table or Window instead of " + Describe(Peek()));
  }

  MetadataStmt MetadataStatement() {
    Next();
    ExpectWord("table");
    MetadataStmt s;
    s.table = ExpectTable();
    if (AcceptWord("setkey")) {
      s.key = Expression();
      ExpectWord("to");
      s.value = Expression();
    } else if (AcceptWord("dropkey")) {
      s.drop = true;
      s.key = Expression();
      s.hierarchical = AcceptWord("hierarchical");
    } else {
      Fail("expected SetKey or DropKey instead of " + Describe(Peek()));
    }
    return s;
  }

  DimStmt Dim() {
    Next();
    DimStmt s;
    do {
      s.names.push_back(ExpectName());
    } while (AcceptSymbol(","));
    ExpectWord("as");
    const std::string type = ExpectName();
    s.type = TypeCodeOfName(type);
    if (s.type == 0) Fail("unknown type " + type);
    return s;
  }

  UnDimStmt UnDim() {
    Next();
    UnDimStmt s;
    do {
      s.names.push_back(ExpectName());
    } while (AcceptSymbol(","));
    return s;
  }

  // Position (x, y) [Units "…"], Width w [Units "…"], Height h [Units "…"], Min, Max: the place
  // and size are kept (their units are not), Min and Max accepted.
  bool WindowGeometry(WindowPlacement& placement) {
    if (AcceptWord("position")) {
      ExpectSymbol("(");
      placement.x = Expression();
      ExpectSymbol(",");
      placement.y = Expression();
      ExpectSymbol(")");
    } else if (AcceptWord("width")) {
      placement.width = Expression();
    } else if (AcceptWord("height")) {
      placement.height = Expression();
    } else if (AcceptWord("min") || AcceptWord("max")) {
      return true;
    } else {
      return false;
    }
    if (AcceptWord("units")) {
      if (Peek().kind != Kind::String) Fail("expected a unit name");
      Next();
    }
    return true;
  }

  StatementBody Set() {
    Next();
    if (AcceptWord("window")) {
      SetWindowStmt s;
      s.window = Expression();
      bool any = false;
      while (true) {
        if (AcceptWord("title")) {
          s.title = Expression();
        } else if (AcceptWord("readonly")) {
          s.readOnly = true;
        } else if (AcceptWord("front")) {
          s.front = true;
        } else if (!WindowGeometry(s.placement)) {
          break;
        }
        any = true;
      }
      if (!any) Fail("expected a window clause instead of " + Describe(Peek()));
      return s;
    }
    if (AcceptWord("map")) {
      SetMapStmt s;
      if (AcceptWord("window")) s.window = Expression();
      while (AcceptWord("redraw")) {
        if (AcceptWord("on")) {
          s.redraw = true;
        } else if (AcceptWord("off")) {
          s.redraw = false;
        } else {
          Fail("expected On or Off after Redraw");
        }
      }
      if (!s.redraw) Fail("expected a map clause instead of " + Describe(Peek()));
      return s;
    }
    if (AcceptWord("table")) {
      SetTableStmt s;
      s.table = ExpectTable();
      static constexpr std::string_view kSwitches[] = {
          "userclose", "usermap", "userbrowse", "useredit", "userremovemap", "userdisplaymap"};
      while (Peek().kind == Kind::Name) {
        const std::string word = text::Lower(Peek().text);
        if (std::find(std::begin(kSwitches), std::end(kSwitches), word) == std::end(kSwitches)) {
          break;
        }
        Next();
        if (AcceptWord("on")) {
          s.flags.emplace_back(word, true);
        } else if (AcceptWord("off")) {
          s.flags.emplace_back(word, false);
        } else {
          Fail("expected On or Off after " + word);
        }
      }
      if (s.flags.empty()) Fail("expected a table clause instead of " + Describe(Peek()));
      return s;
    }
    if (AcceptWord("next")) {
      ExpectWord("document");
      SetNextDocumentStmt s;
      while (true) {
        if (AcceptWord("parent")) {
          s.parent = Expression();
        } else if (AcceptWord("style")) {
          s.style = Expression();
        } else {
          break;
        }
      }
      if (!s.parent && !s.style) Fail("expected Parent or Style instead of " + Describe(Peek()));
      return s;
    }
    Unknown();
  }

  RunMenuCommandStmt RunMenuCommand() {
    Next();
    ExpectWord("menu");
    ExpectWord("command");
    AcceptWord("id");
    return RunMenuCommandStmt{Expression()};
  }

  MapStmt Map() {
    Next();
    ExpectWord("from");
    MapStmt s;
    do {
      s.tables.push_back(ExpectTable());
    } while (AcceptSymbol(","));
    while (WindowGeometry(s.placement)) {
    }
    return s;
  }

  BrowseStmt Browse() {
    Next();
    BrowseStmt s;
    s.items = Items();
    ExpectWord("from");
    s.table = ExpectTable();
    while (WindowGeometry(s.placement)) {
    }
    return s;
  }

  std::string_view source_;
  std::vector<Token> owned_;
  const std::vector<Token>& tokens_;
  std::size_t pos_ = 0;
  int depth_ = 0;
  std::size_t statementStart_ = 0;
};

}  // namespace

ExprPtr ParseExpression(std::string_view source) {
  try {
    Parser parser(source);
    return parser.WholeExpression();
  } catch (const SyntaxError& e) {
    throw HostError("Syntax error in expression \"" + std::string(source) + "\": " + e.what);
  } catch (const HostError& e) {
    throw HostError("Syntax error in expression \"" + std::string(source) + "\": " + e.what());
  }
}

std::vector<Statement> ParseStatements(std::string_view source) {
  std::optional<Parser> parser;
  try {
    parser.emplace(source);
  } catch (const HostError& e) {
    throw HostError("Syntax error in statement \"" + std::string(text::Trim(source)) +
                    "\": " + e.what());
  }
  try {
    return parser->Statements();
  } catch (const SyntaxError& e) {
    throw HostError("Syntax error in statement \"" + parser->StatementText() + "\": " + e.what);
  }
}

namespace {

template <class Parse>
auto ParseAt(std::string_view source, const std::vector<Token>& tokens, std::size_t& pos,
             const char* what, Parse parse) {
  Parser parser(source, tokens, pos);
  try {
    auto parsed = parse(parser);
    pos = parser.Position();
    return parsed;
  } catch (const SyntaxError& e) {
    throw HostError("Syntax error in " + std::string(what) + " \"" + parser.StatementText() +
                    "\": " + e.what);
  }
}

}  // namespace

ExprPtr ParseExpressionAt(std::string_view source, const std::vector<Token>& tokens,
                          std::size_t& pos) {
  return ParseAt(source, tokens, pos, "expression",
                 [](Parser& parser) { return parser.ExpressionHere(); });
}

Statement ParseStatementAt(std::string_view source, const std::vector<Token>& tokens,
                           std::size_t& pos) {
  return ParseAt(source, tokens, pos, "statement",
                 [](Parser& parser) { return parser.StatementHere(); });
}

}  // namespace ornil::sim::mb
