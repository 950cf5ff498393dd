#include "tests/sql_check/java_statements.h"

#include <cctype>
#include <cstdint>
#include <map>

namespace qn::sqlcheck {

namespace {

void append_utf8(std::string& out, uint32_t c) {
  if (c < 0x100) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

int hex_value(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

struct Token {
  enum Kind { kWord, kLiteral, kChar, kPunct } kind;
  std::string text;  // a literal's value, unescaped
};

// The program's tokens; comments and blanks are dropped.
std::optional<std::vector<Token>> tokens(std::string_view java, std::string& error) {
  std::vector<Token> out;
  size_t i = 0;
  auto fail = [&](const std::string& why) {
    size_t line = 1;
    for (size_t k = 0; k < i && k < java.size(); ++k) line += java[k] == '\n';
    error = "line " + std::to_string(line) + ": " + why;
    return std::nullopt;
  };
  while (i < java.size()) {
    const char c = java[i];
    if (std::isspace(static_cast<unsigned char>(c))) {
      ++i;
    } else if (java.substr(i, 2) == "//") {
      while (i < java.size() && java[i] != '\n') ++i;
    } else if (java.substr(i, 2) == "/*") {
      const size_t end = java.find("*/", i + 2);
      if (end == std::string_view::npos) return fail("a comment does not end");
      i = end + 2;
    } else if (c == '"' || c == '\'') {
      size_t j = i + 1;
      while (j < java.size() && java[j] != c && java[j] != '\n') j += java[j] == '\\' ? 2 : 1;
      if (j >= java.size() || java[j] != c) return fail("a literal does not end");
      const auto value = java_unescape(java.substr(i + 1, j - i - 1));
      if (!value) return fail("a literal has a bad escape");
      out.push_back({c == '"' ? Token::kLiteral : Token::kChar, *value});
      i = j + 1;
    } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '$') {
      size_t j = i;
      while (j < java.size() &&
             (std::isalnum(static_cast<unsigned char>(java[j])) || java[j] == '_' || java[j] == '$')) {
        ++j;
      }
      out.push_back({Token::kWord, std::string(java.substr(i, j - i))});
      i = j;
    } else {
      // The two-character operators a condition may hold.
      static const char* kTwo[] = {"==", "!=", "<=", ">=", "&&", "||", "+=", "++", "--"};
      size_t len = 1;
      for (const char* two : kTwo) {
        if (java.substr(i, 2) == two) len = 2;
      }
      out.push_back({Token::kPunct, std::string(java.substr(i, len))});
      i += len;
    }
  }
  return out;
}

bool is(const std::vector<Token>& t, size_t i, Token::Kind kind, std::string_view text = {}) {
  return i < t.size() && t[i].kind == kind && (text.empty() || t[i].text == text);
}

// The index just after the bracket that closes the one at `open`, or npos.
size_t after_close(const std::vector<Token>& t, size_t open) {
  int depth = 0;
  for (size_t i = open; i < t.size(); ++i) {
    if (is(t, i, Token::kPunct, "(")) ++depth;
    if (is(t, i, Token::kPunct, ")") && --depth == 0) return i + 1;
  }
  return std::string::npos;
}

// A sum of string literals from `i` to `end`: its value, or none.
std::optional<std::string> literal_sum(const std::vector<Token>& t, size_t i, size_t end) {
  std::string value;
  for (bool want_literal = true; i < end; ++i, want_literal = !want_literal) {
    if (want_literal ? !is(t, i, Token::kLiteral) : !is(t, i, Token::kPunct, "+")) return std::nullopt;
    if (want_literal) value += t[i].text;
  }
  return value;
}

std::string joined(const std::vector<Token>& t, size_t from, size_t to) {
  std::string out;
  for (size_t i = from; i < to; ++i) {
    if (!out.empty()) out += ' ';
    out += t[i].kind == Token::kLiteral ? "\"" + t[i].text + "\"" : t[i].text;
  }
  return out;
}

}  // namespace

std::optional<std::string> java_unescape(std::string_view body) {
  std::string out;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '\\') {
      out += body[i];
      continue;
    }
    if (++i >= body.size()) return std::nullopt;
    const char e = body[i];
    switch (e) {
      case 'b': out += '\b'; break;
      case 't': out += '\t'; break;
      case 'n': out += '\n'; break;
      case 'f': out += '\f'; break;
      case 'r': out += '\r'; break;
      case 's': out += ' '; break;
      case '"': case '\'': case '\\': out += e; break;
      case 'u': {
        while (i < body.size() && body[i] == 'u') ++i;
        uint32_t c = 0;
        for (int k = 0; k < 4; ++k, ++i) {
          const int h = i < body.size() ? hex_value(body[i]) : -1;
          if (h < 0) return std::nullopt;
          c = c * 16 + static_cast<uint32_t>(h);
        }
        --i;
        append_utf8(out, c);
        break;
      }
      default: {
        if (e < '0' || e > '7') return std::nullopt;
        // Up to three octal digits, the first at most 3 when there are three.
        uint32_t c = 0;
        const size_t max = e <= '3' ? 3 : 2;
        size_t k = 0;
        for (; k < max && i + k < body.size() && body[i + k] >= '0' && body[i + k] <= '7'; ++k) {
          c = c * 8 + static_cast<uint32_t>(body[i + k] - '0');
        }
        i += k - 1;
        out += static_cast<char>(c);
      }
    }
  }
  return out;
}

JavaStatements direct_sql_statements(std::string_view java) {
  JavaStatements result;
  const auto t = tokens(java, result.error);
  if (!t) return result;
  auto fail = [&](size_t at, const std::string& why) {
    result.statements.clear();
    result.error = why + " (near \"" + joined(*t, at, std::min(at + 8, t->size())) + "\")";
    return result;
  };

  std::map<std::string, std::string> buffers;
  // Every open block, with the branches that hold its statements.
  std::vector<std::vector<Branch>> blocks{{}};
  std::vector<bool> is_if_block{false};
  std::optional<std::vector<Branch>> closed_if;  // the if-block just closed
  std::vector<Branch> pending;                   // the branches of the next block
  bool block_pending = false;

  for (size_t i = 0; i < t->size();) {
    const std::vector<Branch> here = blocks.back();
    if (is(*t, i, Token::kWord, "else")) {
      if (!closed_if) return fail(i, "an else without its if-block");
      pending = *closed_if;
      pending.back().otherwise = true;
      closed_if.reset();
      block_pending = true;
      if (is(*t, i + 1, Token::kPunct, "{")) {
        ++i;
        continue;
      }
      if (!is(*t, i + 1, Token::kWord, "if")) return fail(i, "an else without a block");
      ++i;
    }
    closed_if.reset();
    if (is(*t, i, Token::kWord, "if") && is(*t, i + 1, Token::kPunct, "(")) {
      const size_t end = after_close(*t, i + 1);
      if (end == std::string::npos) return fail(i, "an if whose condition does not end");
      if (!is(*t, end, Token::kPunct, "{")) return fail(i, "an if without a block");
      if (!block_pending) pending = here;
      pending.push_back({joined(*t, i + 2, end - 1), false});
      block_pending = true;
      i = end;
      continue;
    }
    if (is(*t, i, Token::kPunct, "{")) {
      blocks.push_back(block_pending ? pending : here);
      is_if_block.push_back(block_pending);
      block_pending = false;
      ++i;
      continue;
    }
    if (is(*t, i, Token::kPunct, "}")) {
      if (blocks.size() == 1) return fail(i, "a brace closes no block");
      if (is_if_block.back()) closed_if = blocks.back();
      blocks.pop_back();
      is_if_block.pop_back();
      ++i;
      continue;
    }
    // name = "..." + "..." ;   name += "..." ;
    if (is(*t, i, Token::kWord) && (is(*t, i + 1, Token::kPunct, "=") || is(*t, i + 1, Token::kPunct, "+="))) {
      size_t end = i + 2;
      while (end < t->size() && !is(*t, end, Token::kPunct, ";")) ++end;
      if (const auto v = literal_sum(*t, i + 2, end)) {
        if (t->at(i + 1).text == "=") {
          buffers[t->at(i).text] = *v;
        } else if (buffers.count(t->at(i).text)) {
          buffers[t->at(i).text] += *v;
        } else {
          return fail(i, "text added to " + t->at(i).text + ", which holds none");
        }
        i = end;
        continue;
      }
    }
    // ExecuteDirectSQL.execute( ..., dbms, statement [, tolerated] )
    if (is(*t, i, Token::kWord, "ExecuteDirectSQL") && is(*t, i + 1, Token::kPunct, ".") &&
        is(*t, i + 2, Token::kWord, "execute") && is(*t, i + 3, Token::kPunct, "(")) {
      const size_t end = after_close(*t, i + 3);
      if (end == std::string::npos) return fail(i, "an execute call that does not end");
      std::vector<std::pair<size_t, size_t>> args;
      size_t from = i + 4;
      int depth = 0;
      for (size_t k = from; k < end - 1; ++k) {
        if (is(*t, k, Token::kPunct, "(")) ++depth;
        if (is(*t, k, Token::kPunct, ")")) --depth;
        if (depth == 0 && is(*t, k, Token::kPunct, ",")) {
          args.emplace_back(from, k);
          from = k + 1;
        }
      }
      args.emplace_back(from, end - 1);
      JavaStatement s;
      s.branches = here;
      // The statement is the fourth argument when the call names the
      // statuses to tolerate, else the last.
      const bool with_tolerated = args.size() == 5;
      if (with_tolerated) {
        const auto [c, d] = args.back();
        if (d != c + 1 || !is(*t, c, Token::kLiteral)) return fail(i, "an execute whose tolerated statuses are not text");
        s.tolerated = t->at(c).text;
        args.pop_back();
      }
      const auto [a, b] = args.back();
      if (b == a + 1 && is(*t, a, Token::kWord)) {
        const auto found = buffers.find(t->at(a).text);
        if (found == buffers.end()) return fail(i, "an execute of " + t->at(a).text + ", which holds no statement");
        s.sql = found->second;
      } else if (const auto v = literal_sum(*t, a, b)) {
        s.sql = *v;
      } else {
        return fail(i, "an execute of a statement that is not text");
      }
      if (args.size() >= 2) {
        const auto [c, d] = args[args.size() - 2];
        if (d == c + 1 && is(*t, c, Token::kLiteral)) s.dbms = t->at(c).text;
      }
      result.statements.push_back(std::move(s));
      i = end;
      continue;
    }
    ++i;
  }
  if (blocks.size() != 1) return fail(t->size(), "a block does not end");
  return result;
}

}  // namespace qn::sqlcheck
