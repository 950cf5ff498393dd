#include "engine/clause_io.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace qn::engine {

// ---------------------------------------------------------------------------
// Operators

namespace {

enum class OpType : uint8_t { None, XFX, XFY, YFX, FY, FX };

struct OpDef {
  int prio = 0;
  OpType type = OpType::None;
};

struct OpEntry {
  OpDef prefix;
  OpDef infix;
};

class OpTable {
 public:
  OpTable() {
    auto infix = [this](const char* n, int p, OpType t) { ops_[Atom(n).id()].infix = {p, t}; };
    auto prefix = [this](const char* n, int p, OpType t) { ops_[Atom(n).id()].prefix = {p, t}; };
    infix(":-", 1200, OpType::XFX);
    infix("-->", 1200, OpType::XFX);
    prefix(":-", 1200, OpType::FX);
    prefix("?-", 1200, OpType::FX);
    infix(";", 1100, OpType::XFY);
    infix("->", 1050, OpType::XFY);
    infix(",", 1000, OpType::XFY);
    prefix("\\+", 900, OpType::FY);
    for (const char* n : {"=", "\\=", "==", "\\==", "@<", "@>", "@=<", "@>=", "=..", "is",
                          "=:=", "=\\=", "<", ">", "=<", ">="}) {
      infix(n, 700, OpType::XFX);
    }
    for (const char* n : {"+", "-", "/\\", "\\/", "xor"}) infix(n, 500, OpType::YFX);
    for (const char* n : {"*", "/", "//", "rem", "mod", "<<", ">>", "div"})
      infix(n, 400, OpType::YFX);
    infix("**", 200, OpType::XFX);
    infix("^", 200, OpType::XFY);
    infix(":", 200, OpType::XFY);
    prefix("-", 200, OpType::FY);
    prefix("+", 200, OpType::FY);
    prefix("\\", 200, OpType::FY);
  }

  const OpEntry* find(Atom a) const {
    auto it = ops_.find(a.id());
    return it == ops_.end() ? nullptr : &it->second;
  }

 private:
  std::unordered_map<uint32_t, OpEntry> ops_;
};

const OpTable& ops() {
  static const OpTable t;
  return t;
}

bool is_symbol_char(unsigned char c) {
  switch (c) {
    case '+':
    case '-':
    case '*':
    case '/':
    case '\\':
    case '^':
    case '<':
    case '>':
    case '=':
    case '~':
    case ':':
    case '.':
    case '?':
    case '@':
    case '#':
    case '&':
    case '$':
      return true;
    default:
      return false;
  }
}

bool is_alnum(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
         c >= 0x80;
}

bool is_lower_start(unsigned char c) { return (c >= 'a' && c <= 'z') || c >= 0x80; }

bool is_layout(unsigned char c) { return c <= ' ' || c == 0x7F; }

// ---------------------------------------------------------------------------
// Lexer

enum class Tok : uint8_t {
  Eof,
  End,
  Name,
  Var,
  Int,
  Real,
  Str,
  Open,
  OpenCT,
  Close,
  LBrack,
  RBrack,
  LBrace,
  RBrace,
  Comma,
  Bar
};

struct Token {
  Tok type = Tok::Eof;
  bool layout_before = false;
  bool quoted = false;
  size_t pos = 0;         // offset of the token's first byte
  size_t line = 1;        // line of that byte
  Atom atom;              // Name
  std::string_view text;  // Var name
  std::string str;        // Str
  int64_t ival = 0;
  bool min_int = false;  // Int: the magnitude 2^63
  double rval = 0;
};

struct LexError {
  size_t pos;
  size_t line;
  const char* message;
};

struct ParseError {
  const char* message;
};

class Lexer {
 public:
  Lexer(std::string_view text, size_t pos, size_t line) : s_(text), pos_(pos), line_(line) {}

  size_t pos() const { return pos_; }
  size_t line() const { return line_; }
  void set(size_t pos, size_t line) {
    pos_ = pos;
    line_ = line;
  }

  void next(Token& t) {
    t.layout_before = skip_layout();
    t.min_int = false;
    t.pos = pos_;
    t.line = line_;
    t.quoted = false;
    if (pos_ >= s_.size()) {
      t.type = Tok::Eof;
      return;
    }
    unsigned char c = static_cast<unsigned char>(s_[pos_]);
    if (c >= '0' && c <= '9') return number(t);
    if (c == '_' || (c >= 'A' && c <= 'Z')) {
      size_t b = pos_;
      while (pos_ < s_.size() && is_alnum(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      t.type = Tok::Var;
      t.text = s_.substr(b, pos_ - b);
      return;
    }
    if (is_lower_start(c)) {
      size_t b = pos_;
      while (pos_ < s_.size() && is_alnum(static_cast<unsigned char>(s_[pos_]))) ++pos_;
      t.type = Tok::Name;
      t.atom = Atom(s_.substr(b, pos_ - b));
      return;
    }
    switch (c) {
      case '\'':
        quoted('\'', t.str, t.pos);
        t.type = Tok::Name;
        t.quoted = true;
        t.atom = Atom(t.str);
        return;
      case '"':
        quoted('"', t.str, t.pos);
        t.type = Tok::Str;
        return;
      case '(':
        ++pos_;
        t.type = t.layout_before ? Tok::Open : Tok::OpenCT;
        return;
      case ')':
        ++pos_;
        t.type = Tok::Close;
        return;
      case '[':
        ++pos_;
        t.type = Tok::LBrack;
        return;
      case ']':
        ++pos_;
        t.type = Tok::RBrack;
        return;
      case '{':
        ++pos_;
        t.type = Tok::LBrace;
        return;
      case '}':
        ++pos_;
        t.type = Tok::RBrace;
        return;
      case ',':
        ++pos_;
        t.type = Tok::Comma;
        return;
      case '|':
        ++pos_;
        if (pos_ < s_.size() && s_[pos_] == '|') {
          ++pos_;
          t.type = Tok::Name;
          t.atom = Atom("||");
          return;
        }
        t.type = Tok::Bar;
        return;
      case '!':
        ++pos_;
        t.type = Tok::Name;
        t.atom = Atom("!");
        return;
      case ';':
        ++pos_;
        t.type = Tok::Name;
        t.atom = Atom(";");
        return;
      default:
        break;
    }
    if (is_symbol_char(c)) {
      size_t b = pos_;
      // A comment may follow a symbol name directly: "/*" ends it.
      while (pos_ < s_.size() && is_symbol_char(static_cast<unsigned char>(s_[pos_])) &&
             !(pos_ > b && comment_at(pos_))) {
        ++pos_;
      }
      if (pos_ - b == 1 && c == '.' &&
          (pos_ >= s_.size() || is_layout(static_cast<unsigned char>(s_[pos_])) ||
           s_[pos_] == '%' || comment_at(pos_))) {
        t.type = Tok::End;
        return;
      }
      t.type = Tok::Name;
      t.atom = Atom(s_.substr(b, pos_ - b));
      return;
    }
    throw LexError{pos_, line_, "unexpected character"};
  }

 private:
  bool skip_layout() {
    bool any = false;
    while (pos_ < s_.size()) {
      unsigned char c = static_cast<unsigned char>(s_[pos_]);
      if (is_layout(c)) {
        if (c == '\n') ++line_;
        ++pos_;
        any = true;
      } else if (c == '%') {
        while (pos_ < s_.size() && s_[pos_] != '\n') ++pos_;
        any = true;
      } else if (c == '/' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '*') {
        pos_ += 2;
        while (pos_ < s_.size() &&
               !(s_[pos_] == '*' && pos_ + 1 < s_.size() && s_[pos_ + 1] == '/')) {
          if (s_[pos_] == '\n') ++line_;
          ++pos_;
        }
        pos_ = pos_ < s_.size() ? pos_ + 2 : pos_;
        any = true;
      } else {
        break;
      }
    }
    return any;
  }

  bool comment_at(size_t p) const { return p + 1 < s_.size() && s_[p] == '/' && s_[p + 1] == '*'; }

  static int hex_value(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
  }

  // An escape sequence after a backslash at pos_ (pos_ on the character
  // after it). Appends its character; false when it is none we know, in
  // which case the backslash stands for itself.
  bool escape(std::string& out) {
    char c = s_[pos_];
    char v;
    switch (c) {
      case 'n':
        v = '\n';
        break;
      case 't':
        v = '\t';
        break;
      case 'r':
        v = '\r';
        break;
      case 'a':
        v = '\a';
        break;
      case 'b':
        v = '\b';
        break;
      case 'f':
        v = '\f';
        break;
      case 'v':
        v = '\v';
        break;
      case 'e':
        v = 27;
        break;
      case '\\':
      case '\'':
      case '"':
      case '`':
        v = c;
        break;
      case '\n':  // continuation line
        ++line_;
        ++pos_;
        return true;
      case 'x': {
        size_t p = pos_ + 1;
        int value = 0;
        size_t digits = 0;
        while (p < s_.size() && hex_value(s_[p]) >= 0) {
          if (value <= 255) value = value * 16 + hex_value(s_[p]);
          ++p;
          ++digits;
        }
        if (digits == 0 || value > 255) return false;
        if (p < s_.size() && s_[p] == '\\') ++p;
        out.push_back(static_cast<char>(value));
        pos_ = p;
        return true;
      }
      default: {
        if (c >= '0' && c <= '7') {
          size_t p = pos_;
          int value = 0;
          size_t digits = 0;
          while (p < s_.size() && s_[p] >= '0' && s_[p] <= '7' && digits < 3) {
            value = value * 8 + (s_[p] - '0');
            ++p;
            ++digits;
          }
          if (value > 255) return false;
          if (p < s_.size() && s_[p] == '\\') ++p;
          out.push_back(static_cast<char>(value));
          pos_ = p;
          return true;
        }
        return false;
      }
    }
    out.push_back(v);
    ++pos_;
    return true;
  }

  void quoted(char q, std::string& out, size_t start) {
    out.clear();
    ++pos_;
    size_t start_line = line_;
    for (;;) {
      if (pos_ >= s_.size()) throw LexError{start, start_line, "unterminated quoted text"};
      char c = s_[pos_];
      if (c == q) {
        if (pos_ + 1 < s_.size() && s_[pos_ + 1] == q) {
          out.push_back(q);
          pos_ += 2;
          continue;
        }
        ++pos_;
        return;
      }
      if (c == '\\' && pos_ + 1 < s_.size()) {
        ++pos_;
        if (!escape(out)) out.push_back('\\');
        continue;
      }
      if (c == '\n') ++line_;
      out.push_back(c);
      ++pos_;
    }
  }

  void number(Token& t) {
    size_t b = pos_;
    // 0'c: a character code.
    if (s_[pos_] == '0' && pos_ + 2 < s_.size() + 0 && s_[pos_ + 1] == '\'') {
      size_t p = pos_ + 2;
      if (p < s_.size()) {
        char c = s_[p];
        if (c == '\\' && p + 1 < s_.size()) {
          std::string tmp;
          pos_ = p + 1;
          if (escape(tmp) && tmp.size() == 1) {
            t.type = Tok::Int;
            t.ival = static_cast<unsigned char>(tmp[0]);
            return;
          }
          pos_ = b;
        } else if (c == '\'' && p + 1 < s_.size() && s_[p + 1] == '\'') {
          pos_ = p + 2;
          t.type = Tok::Int;
          t.ival = '\'';
          return;
        } else if (c != '\n') {
          pos_ = p + 1;
          t.type = Tok::Int;
          t.ival = static_cast<unsigned char>(c);
          return;
        }
      }
    }
    if (s_[pos_] == '0' && pos_ + 2 < s_.size() + 1 && pos_ + 1 < s_.size() &&
        s_[pos_ + 1] == 'x' && pos_ + 2 < s_.size() && hex_value(s_[pos_ + 2]) >= 0) {
      size_t p = pos_ + 2;
      while (p < s_.size() && hex_value(s_[p]) >= 0) ++p;
      uint64_t v = 0;
      auto r = std::from_chars(s_.data() + pos_ + 2, s_.data() + p, v, 16);
      pos_ = p;
      if (r.ec == std::errc() && v <= static_cast<uint64_t>(INT64_MAX)) {
        t.type = Tok::Int;
        t.ival = static_cast<int64_t>(v);
      } else {
        t.type = Tok::Real;
        t.rval = std::ldexp(1.0, 64);
      }
      return;
    }
    while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
    bool is_real = false;
    if (pos_ + 1 < s_.size() && s_[pos_] == '.' && s_[pos_ + 1] >= '0' && s_[pos_ + 1] <= '9') {
      is_real = true;
      pos_ += 1;
      while (pos_ < s_.size() && s_[pos_] >= '0' && s_[pos_] <= '9') ++pos_;
    }
    if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
      size_t p = pos_ + 1;
      if (p < s_.size() && (s_[p] == '+' || s_[p] == '-')) ++p;
      if (p < s_.size() && s_[p] >= '0' && s_[p] <= '9') {
        while (p < s_.size() && s_[p] >= '0' && s_[p] <= '9') ++p;
        pos_ = p;
        is_real = true;
      }
    }
    const char* first = s_.data() + b;
    const char* last = s_.data() + pos_;
    t.min_int = false;
    if (!is_real) {
      uint64_t v = 0;
      auto r = std::from_chars(first, last, v);
      if (r.ec == std::errc() && v <= uint64_t{1} << 63) {
        t.type = Tok::Int;
        // 2^63 only stands after a minus sign; alone it is a real.
        t.min_int = v == uint64_t{1} << 63;
        t.ival = static_cast<int64_t>(v);
        return;
      }
    }
    // Reals, and integers too large for 64 bits.
    std::string tmp(first, last);
    t.type = Tok::Real;
    t.rval = std::strtod(tmp.c_str(), nullptr);
  }

  std::string_view s_;
  size_t pos_;
  size_t line_;
};

// ---------------------------------------------------------------------------
// Parser

constexpr int kMaxDepth = 1000;

class Parser {
 public:
  Parser(std::string_view text, size_t pos, size_t line) : lex_(text, pos, line) {}

  Lexer& lexer() { return lex_; }
  const Token& current() const { return tok_; }
  void reset(size_t pos, size_t line) {
    lex_.set(pos, line);
    has_peek_ = false;
  }

  // Reads one clause; `allow_eof` lets the end of the text end the term.
  // Throws LexError or ParseError.
  std::optional<Term> clause(bool allow_eof, size_t* start_line) {
    vars_.clear();
    stack_.clear();
    next_var_ = 1;
    advance();
    if (start_line) *start_line = tok_.line;
    if (tok_.type == Tok::Eof) return std::nullopt;
    int prec = 0;
    Term t = parse(1200, prec, 0);
    if (tok_.type == Tok::End) return t;
    if (allow_eof && tok_.type == Tok::Eof) return t;
    throw ParseError{"operator expected"};
  }

  void advance() {
    if (has_peek_) {
      std::swap(tok_, peek_);
      has_peek_ = false;
    } else {
      lex_.next(tok_);
    }
  }

  const Token& peek() {
    if (!has_peek_) {
      lex_.next(peek_);
      has_peek_ = true;
    }
    return peek_;
  }

 private:
  static bool is_term_start(const Token& t) {
    switch (t.type) {
      case Tok::Eof:
      case Tok::End:
      case Tok::Close:
      case Tok::RBrack:
      case Tok::RBrace:
      case Tok::Comma:
      case Tok::Bar:
        return false;
      default:
        return true;
    }
  }

  Term parse(int max, int& prec, int depth) {
    if (depth > kMaxDepth) throw ParseError{"term nested too deeply"};
    Term left = primary(max, prec, depth);
    return infix(std::move(left), max, prec, depth);
  }

  Term infix(Term left, int max, int& left_prec, int depth) {
    static const Atom comma(",");
    static const Atom semicolon(";");
    // Each operator applied here nests the term one level deeper.
    for (int chain = depth;; ++chain) {
      if (chain > kMaxDepth) throw ParseError{"term nested too deeply"};
      Atom op;
      OpDef def;
      if (tok_.type == Tok::Name) {
        const OpEntry* e = ops().find(tok_.atom);
        if (!e || e->infix.type == OpType::None) break;
        op = tok_.atom;
        def = e->infix;
      } else if (tok_.type == Tok::Comma) {
        op = comma;
        def = {1000, OpType::XFY};
      } else if (tok_.type == Tok::Bar) {
        op = semicolon;
        def = {1100, OpType::XFY};
      } else {
        break;
      }
      int la = def.type == OpType::YFX ? def.prio : def.prio - 1;
      int ra = def.type == OpType::XFY ? def.prio : def.prio - 1;
      if (def.prio > max || left_prec > la) break;
      advance();
      int rp = 0;
      Term right = parse(ra, rp, depth + 1);
      Term args[2] = {std::move(left), std::move(right)};
      left = Term::compound_from(op, args, 2);
      left_prec = def.prio;
    }
    return left;
  }

  Term variable(std::string_view name) {
    if (name == "_") return Term::var(next_var_++);
    for (auto& [n, id] : vars_) {
      if (n == name) return Term::var(id);
    }
    vars_.emplace_back(name, next_var_);
    return Term::var(next_var_++);
  }

  // Arguments up to the closing token (the opening one is consumed), pushed
  // on the argument stack.
  void arguments(Tok close, int depth) {
    for (;;) {
      int p = 0;
      Term a = parse(999, p, depth + 1);
      stack_.push_back(std::move(a));
      if (tok_.type == Tok::Comma) {
        advance();
        continue;
      }
      if (tok_.type == close) {
        advance();
        return;
      }
      throw ParseError{"',' or closing bracket expected"};
    }
  }

  Term primary(int max, int& prec, int depth) {
    prec = 0;
    switch (tok_.type) {
      case Tok::Int: {
        Term t = tok_.min_int ? Term::real(std::ldexp(1.0, 63)) : Term::integer(tok_.ival);
        advance();
        return t;
      }
      case Tok::Real: {
        Term t = Term::real(tok_.rval);
        advance();
        return t;
      }
      case Tok::Str: {
        Term t = Term::string(tok_.str);
        advance();
        return t;
      }
      case Tok::Var: {
        Term t = variable(tok_.text);
        advance();
        return t;
      }
      case Tok::Open:
      case Tok::OpenCT: {
        advance();
        int p = 0;
        Term t = parse(1200, p, depth + 1);
        if (tok_.type != Tok::Close) throw ParseError{"')' expected"};
        advance();
        return t;
      }
      case Tok::LBrack: {
        advance();
        if (tok_.type == Tok::RBrack) {
          advance();
          return name_term(Atom("[]"), max, prec, depth);
        }
        size_t base = stack_.size();
        Term tail;
        for (;;) {
          int p = 0;
          Term item = parse(999, p, depth + 1);
          stack_.push_back(std::move(item));
          if (tok_.type == Tok::Comma) {
            advance();
            continue;
          }
          if (tok_.type == Tok::Bar) {
            advance();
            tail = parse(999, p, depth + 1);
          }
          if (tok_.type != Tok::RBrack) throw ParseError{"']' expected"};
          advance();
          break;
        }
        Term list = std::move(tail);
        for (size_t i = stack_.size(); i-- > base;)
          list = Term::cons(std::move(stack_[i]), std::move(list));
        stack_.resize(base);
        return list;
      }
      case Tok::LBrace: {
        advance();
        if (tok_.type == Tok::RBrace) {
          advance();
          return name_term(Atom("{}"), max, prec, depth);
        }
        int p = 0;
        Term t = parse(1200, p, depth + 1);
        if (tok_.type != Tok::RBrace) throw ParseError{"'}' expected"};
        advance();
        Term args[1] = {std::move(t)};
        return Term::compound_from(Atom("{}"), args, 1);
      }
      case Tok::Name: {
        Atom name = tok_.atom;
        bool quoted = tok_.quoted;
        advance();
        // A negative number: '-' written right before the digits.
        static const Atom minus("-");
        if (name == minus && !quoted && !tok_.layout_before &&
            (tok_.type == Tok::Int || tok_.type == Tok::Real)) {
          Term t =
              tok_.type == Tok::Int
                  ? Term::integer(static_cast<int64_t>(0ull - static_cast<uint64_t>(tok_.ival)))
                  : Term::real(-tok_.rval);
          advance();
          return t;
        }
        return name_term(name, max, prec, depth);
      }
      case Tok::Eof:
        throw ParseError{"unexpected end of text"};
      case Tok::End:
        throw ParseError{"unexpected end of clause"};
      default:
        throw ParseError{"unexpected token"};
    }
  }

  // A name already consumed: an atom, a compound in functional notation, or
  // a prefix operator applied to its operand.
  Term name_term(Atom name, int max, int& prec, int depth) {
    if (tok_.type == Tok::OpenCT) {
      advance();
      size_t base = stack_.size();
      arguments(Tok::Close, depth);
      Term t = Term::compound_from(name, stack_.data() + base, stack_.size() - base);
      stack_.resize(base);
      return t;
    }
    const OpEntry* e = ops().find(name);
    if (e && e->prefix.type != OpType::None && is_term_start(tok_)) {
      bool operand = true;
      if (tok_.type == Tok::Name) {
        const OpEntry* next = ops().find(tok_.atom);
        // An infix operator after it: the prefix operator is an atom.
        if (next && next->infix.type != OpType::None && next->prefix.type == OpType::None) {
          operand = peek().type == Tok::OpenCT;
        }
      }
      int p = e->prefix.prio;
      if (operand && p <= max) {
        int arg_max = e->prefix.type == OpType::FY ? p : p - 1;
        int ap = 0;
        Term arg = parse(arg_max, ap, depth + 1);
        Term args[1] = {std::move(arg)};
        prec = p;
        return Term::compound_from(name, args, 1);
      }
    }
    return Term::atom(name);
  }

  Lexer lex_;
  Token tok_;
  Token peek_;
  bool has_peek_ = false;
  std::vector<std::pair<std::string_view, uint32_t>> vars_;
  uint32_t next_var_ = 1;
  std::vector<Term> stack_;  // arguments and list items being read
};

}  // namespace

// ---------------------------------------------------------------------------
// ClauseReader

namespace {

// Skips to the end of a bad clause: past the next "." that ends one, or to
// the end of the text. Characters that start no token are stepped over.
void skip_clause(std::string_view text, size_t& pos, size_t& line) {
  Lexer lex(text, pos, line);
  Token t;
  for (;;) {
    try {
      lex.next(t);
    } catch (const LexError& e) {
      lex.set(e.pos + 1, e.line);
      continue;
    }
    if (t.type == Tok::End || t.type == Tok::Eof) break;
  }
  pos = lex.pos();
  line = lex.line();
}

}  // namespace

struct ClauseReader::State {
  explicit State(std::string_view text) : parser(text, 0, 1) {}
  Parser parser;
};

ClauseReader::ClauseReader(std::string_view text)
    : text_(text), state_(std::make_unique<State>(text)) {}
ClauseReader::~ClauseReader() = default;
ClauseReader::ClauseReader(ClauseReader&&) noexcept = default;
ClauseReader& ClauseReader::operator=(ClauseReader&&) noexcept = default;

std::optional<Term> ClauseReader::next(SyntaxError* error) {
  had_error_ = false;
  for (;;) {
    Parser& p = state_->parser;
    p.reset(pos_, line_);
    size_t start_line = line_;
    SyntaxError err;
    try {
      std::optional<Term> t = p.clause(false, &start_line);
      pos_ = p.lexer().pos();
      line_ = p.lexer().line();
      return t;
    } catch (const LexError& e) {
      err = SyntaxError{start_line, e.message};
      pos_ = e.pos + 1;
      line_ = e.line;
      skip_clause(text_, pos_, line_);
    } catch (const ParseError& e) {
      err = SyntaxError{start_line, e.message};
      const Token& cur = p.current();
      if (cur.type == Tok::End) {
        pos_ = cur.pos + 1;
        line_ = cur.line;
      } else if (cur.type == Tok::Eof) {
        pos_ = text_.size();
        line_ = cur.line;
      } else {
        pos_ = cur.pos;
        line_ = cur.line;
        skip_clause(text_, pos_, line_);
      }
    }
    if (!had_error_ && error) *error = err;
    had_error_ = true;
    errors_.push_back(std::move(err));
  }
}

std::vector<Term> read_clauses(std::string_view text, std::vector<SyntaxError>* errors) {
  ClauseReader reader(text);
  std::vector<Term> out;
  while (auto t = reader.next()) out.push_back(std::move(*t));
  if (errors) *errors = reader.errors();
  return out;
}

std::optional<Term> parse_term(std::string_view text) {
  Parser p(text, 0, 1);
  try {
    std::optional<Term> t = p.clause(true, nullptr);
    if (!t) return std::nullopt;
    // Nothing but layout may follow.
    if (p.current().type == Tok::End) {
      p.advance();
      if (p.current().type != Tok::Eof) return std::nullopt;
    }
    return t;
  } catch (const LexError&) {
    return std::nullopt;
  } catch (const ParseError&) {
    return std::nullopt;
  }
}

// ---------------------------------------------------------------------------
// Writer

namespace {

bool is_letter_atom(std::string_view s) {
  if (s.empty() || !(s[0] >= 'a' && s[0] <= 'z')) return false;
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (!((u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') || u == '_'))
      return false;
  }
  return true;
}

bool is_symbol_atom(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!is_symbol_char(static_cast<unsigned char>(c))) return false;
  }
  // "/*" would open a comment; a final '.' could end the clause.
  if (s.find("/*") != std::string_view::npos) return false;
  return s.back() != '.';
}

bool atom_needs_quotes(std::string_view s) {
  if (s == "[]" || s == "{}" || s == "!" || s == ";") return false;
  return !is_letter_atom(s) && !is_symbol_atom(s);
}

void quote_text(std::string_view s, char q, std::string& out) {
  static const char* hex = "0123456789ABCDEF";
  out.push_back(q);
  for (char c : s) {
    unsigned char u = static_cast<unsigned char>(c);
    if (c == q || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\r') {
      out += "\\r";
    } else if (u < 0x20 || u == 0x7F) {
      out += "\\x";
      out.push_back(hex[u >> 4]);
      out.push_back(hex[u & 15]);
      out.push_back('\\');
    } else {
      out.push_back(c);
    }
  }
  out.push_back(q);
}

void format_real(double d, std::string& out) {
  if (std::isnan(d)) {
    out += "nan";
    return;
  }
  if (std::isinf(d)) {
    out += d < 0 ? "-1.0e999" : "1.0e999";
    return;
  }
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, d);
  std::string s(buf, r.ptr);
  size_t e = s.find_first_of("eE");
  std::string mant = e == std::string::npos ? s : s.substr(0, e);
  std::string exp = e == std::string::npos ? "" : s.substr(e);
  if (mant.find('.') == std::string::npos) mant += ".0";
  out += mant;
  out += exp;
}

class Writer {
 public:
  explicit Writer(bool quoted) : quoted_(quoted) {}

  std::string run(const Term& t) {
    write(t, 1200);
    return std::move(out_);
  }

 private:
  void atom_text(Atom a, std::string& out) const {
    const std::string& n = a.name();
    if (quoted_ && atom_needs_quotes(n)) {
      quote_text(n, '\'', out);
    } else {
      out += n;
    }
  }

  // Appends a piece, with a blank where it would otherwise run into the
  // text before it and read back as one token: two symbol or two
  // alphanumeric runs, two quoted texts with the same quote ('A''=..' is one
  // atom), and a digit before a quote (0'c is a character code).
  void append(const std::string& piece) {
    if (!out_.empty() && !piece.empty()) {
      unsigned char a = static_cast<unsigned char>(out_.back());
      unsigned char b = static_cast<unsigned char>(piece.front());
      const bool quote = b == '\'' || b == '"';
      if ((is_symbol_char(a) && is_symbol_char(b)) || (is_alnum(a) && is_alnum(b)) ||
          (quote && (a == b || (a >= '0' && a <= '9')))) {
        out_.push_back(' ');
      }
    }
    out_ += piece;
  }

  static bool is_op_atom(Atom a) {
    const OpEntry* e = ops().find(a);
    return (e && (e->infix.type != OpType::None || e->prefix.type != OpType::None)) ||
           a.name() == ",";
  }

  // `operand`: t stands beside an operator, where an operator atom must be
  // bracketed so as not to be read as one.
  void write(const Term& t, int max, bool operand = false) {
    switch (t.kind()) {
      case Term::Kind::Var:
        append("_G" + std::to_string(t.var_id()));
        return;
      case Term::Kind::Int:
        append(std::to_string(t.as_int()));
        return;
      case Term::Kind::Real: {
        std::string s;
        format_real(t.as_real(), s);
        append(s);
        return;
      }
      case Term::Kind::Atom: {
        std::string s;
        atom_text(t.as_atom(), s);
        if (operand && is_op_atom(t.as_atom())) s = "(" + s + ")";
        append(s);
        return;
      }
      case Term::Kind::String: {
        if (quoted_) {
          std::string s;
          quote_text(t.text(), '"', s);
          append(s);
        } else {
          out_ += t.text();
        }
        return;
      }
      case Term::Kind::Compound:
        compound(t, max);
        return;
    }
  }

  void compound(const Term& t, int max) {
    static const Atom braces("{}");
    Atom f = t.functor();
    size_t n = t.arity();
    if (t.is_cons()) return list(t);
    if (f == braces && n == 1) {
      append("{");
      write(t.arg(1), 1200);
      out_ += "}";
      return;
    }
    const OpEntry* e = ops().find(f);
    if (n == 2 && e && e->infix.type != OpType::None) {
      const OpDef& d = e->infix;
      int la = d.type == OpType::YFX ? d.prio : d.prio - 1;
      int ra = d.type == OpType::XFY ? d.prio : d.prio - 1;
      bool paren = d.prio > max;
      if (paren) append("(");
      write(t.arg(1), la, true);
      const std::string& name = f.name();
      if (name == ",") {
        out_ += ",";
      } else {
        std::string s;
        atom_text(f, s);
        if (is_letter_atom(name)) {
          out_ += " " + s + " ";
        } else {
          append(s);
        }
      }
      write(t.arg(2), ra, true);
      if (paren) out_ += ")";
      return;
    }
    if (n == 1 && e && e->prefix.type != OpType::None) {
      const OpDef& d = e->prefix;
      int am = d.type == OpType::FY ? d.prio : d.prio - 1;
      bool paren = d.prio > max;
      if (paren) append("(");
      std::string s;
      atom_text(f, s);
      append(s);
      // A digit right after a prefix minus would read as a negative number,
      // and a bracket as the start of an argument list.
      std::string arg = Writer(quoted_).run_at(t.arg(1), am, true);
      if (arg.empty() || (arg.front() >= '0' && arg.front() <= '9') || arg.front() == '(' ||
          is_alnum(static_cast<unsigned char>(s.back()))) {
        out_.push_back(' ');
      }
      append(arg);
      if (paren) out_ += ")";
      return;
    }
    std::string s;
    atom_text(f, s);
    append(s);
    out_ += "(";
    for (size_t i = 1; i <= n; ++i) {
      if (i > 1) out_ += ",";
      write(t.arg(i), 999);
    }
    out_ += ")";
  }

  void list(const Term& t) {
    append("[");
    const Term* cur = &t;
    bool first = true;
    while (cur->is_cons()) {
      if (!first) out_ += ",";
      first = false;
      write(cur->arg(1), 999);
      cur = &cur->arg(2);
    }
    if (!cur->is_nil()) {
      out_ += "|";
      write(*cur, 999);
    }
    out_ += "]";
  }

 public:
  std::string run_at(const Term& t, int max, bool operand) {
    write(t, max, operand);
    return std::move(out_);
  }

 private:
  bool quoted_;
  std::string out_;
};

}  // namespace

std::string writeq(const Term& t) { return Writer(true).run(t); }

std::string write(const Term& t) { return Writer(false).run(t); }

std::string clause_text(const Term& t) {
  std::string s = writeq(t);
  s += !s.empty() && is_symbol_char(static_cast<unsigned char>(s.back())) ? " ." : ".";
  return s;
}

}  // namespace qn::engine
