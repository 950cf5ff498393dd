#include "config/properties/writer/pty_writer.h"

#include <cctype>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

#include "config/properties/prop_defs.h"
#include "config/properties/qnextc.h"
#include "platform/binary_file.h"

namespace qn::config::ptywriter {

using namespace com;

namespace {

struct Bad : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// ---------------------------------------------------------------- values

struct TypeName {
  const char* name;
  VARTYPE vt;
};
constexpr TypeName kTypes[] = {
    {"empty", VT_EMPTY}, {"null", VT_NULL},       {"i1", VT_I1},
    {"ui1", VT_UI1},     {"i2", VT_I2},           {"ui2", VT_UI2},
    {"i4", VT_I4},       {"ui4", VT_UI4},         {"int", VT_INT},
    {"uint", VT_UINT},   {"i8", VT_I8},           {"ui8", VT_UI8},
    {"r4", VT_R4},       {"r8", VT_R8},           {"cy", VT_CY},
    {"date", VT_DATE},   {"bstr", VT_BSTR},       {"bool", VT_BOOL},
    {"error", VT_ERROR}, {"unknown", VT_UNKNOWN}, {"dispatch", VT_DISPATCH}};

// Commas need quotes inside expressions only, not in name lists.
bool needs_quotes(std::string_view t, bool comma = true) {
  if (t.empty()) return false;
  for (char c : t) {
    if (c == ' ' || c == '\t' || (comma && c == ',') || c == '(' || c == ')' || c == '"' ||
        c == '#' || c == '\\') {
      return true;
    }
  }
  return false;
}

std::string quote(std::string_view t, bool comma = true) {
  if (!needs_quotes(t, comma)) return std::string(t);
  std::string out = "\"";
  for (char c : t) {
    if (c == '"' || c == '\\') out.push_back('\\');
    out.push_back(c);
  }
  out.push_back('"');
  return out;
}

// Removes one level of quotes; the text must be quoted whole or not at all.
std::string unquote(std::string_view t) {
  if (t.empty() || t.front() != '"') return std::string(t);
  std::string out;
  std::size_t i = 1;
  for (; i < t.size() && t[i] != '"'; ++i) {
    if (t[i] == '\\' && i + 1 < t.size()) ++i;
    out.push_back(t[i]);
  }
  if (i != t.size() - 1) throw Bad("unbalanced quotes in '" + std::string(t) + "'");
  return out;
}

// The ranges of the numbers a description holds: a signed 32-bit field, a
// 32-bit pattern (flags, ops, error codes: negative or unsigned), a word.
constexpr int64_t kInt32Min = INT32_MIN, kInt32Max = INT32_MAX, kUint32Max = UINT32_MAX;

int64_t parse_int(std::string_view t, const char* what, int64_t low, int64_t high) {
  std::string s = unquote(t);
  int base = 10;
  std::string_view v = s;
  bool negative = false;
  if (!v.empty() && v.front() == '-') {
    negative = true;
    v.remove_prefix(1);
  }
  if (v.size() > 2 && v[0] == '0' && (v[1] == 'x' || v[1] == 'X')) {
    base = 16;
    v.remove_prefix(2);
  }
  uint64_t n = 0;
  auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), n, base);
  if (v.empty() || (ec != std::errc() && ec != std::errc::result_out_of_range) ||
      p != v.data() + v.size()) {
    throw Bad(std::string("bad ") + what + " '" + s + "'");
  }
  // Every bound fits an int64_t, so a magnitude beyond 2^62 is out of range
  // whatever its sign, and the negation below cannot overflow.
  constexpr uint64_t kLimit = uint64_t{1} << 62;
  const int64_t value = static_cast<int64_t>(n > kLimit ? kLimit : n);
  const int64_t signed_value = negative ? -value : value;
  if (ec != std::errc() || n > kLimit || signed_value < low || signed_value > high)
    throw Bad(std::string(what) + " '" + s + "' out of range");
  return signed_value;
}

VariantValue parse_value(std::string_view t) {
  const auto colon = t.find(':');
  if (colon == std::string_view::npos) throw Bad("value '" + std::string(t) + "' has no type");
  const std::string_view type = t.substr(0, colon);
  const std::string text = unquote(t.substr(colon + 1));
  const TypeName* found = nullptr;
  for (const auto& k : kTypes) {
    if (type == k.name) found = &k;
  }
  if (!found) throw Bad("unknown value type '" + std::string(type) + "'");
  VariantValue v;
  switch (found->vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_UNKNOWN:
    case VT_DISPATCH:
      if (!text.empty()) throw Bad("a value of type " + std::string(type) + " has no text");
      v->vt = found->vt;
      v->punkVal = nullptr;
      return v;
    case VT_ERROR:
      v = VariantValue::error(static_cast<SCODE>(parse_int(text, "error code", kInt32Min, kUint32Max)));
      return v;
    default:
      break;
  }
  VariantValue s = VariantValue::text(text);
  if (found->vt == VT_BSTR) return s;
  if (FAILED(VariantChangeType(v.get(), s.get(), 0, found->vt))) {
    throw Bad("'" + text + "' is no value of type " + std::string(type));
  }
  return v;
}

std::string value_text(const VARIANT& v) {
  std::string type = "?";
  for (const auto& k : kTypes) {
    if (k.vt == v.vt) type = k.name;
  }
  if (type == "?") throw Bad("value type " + std::to_string(v.vt) + " cannot be described");
  switch (v.vt) {
    case VT_EMPTY:
    case VT_NULL:
    case VT_UNKNOWN:
    case VT_DISPATCH:
      return type + ":";
    case VT_ERROR:
      return type + ":" + std::to_string(v.scode);
    default:
      break;
  }
  VariantValue t;
  if (FAILED(VariantChangeType(t.get(), &v, 0, VT_BSTR)))
    throw Bad("value cannot be written as text");
  return type + ":" + quote(text_1252_of(t->bstrVal));
}

// ---------------------------------------------------------------- expressions

// The archive nests lists and expression nodes at most this deep together
// (CArchive::kMaxDepth); a description nested deeper is refused when read.
constexpr int kMaxNesting = CArchive::kMaxDepth;

[[noreturn]] void too_deep() {
  throw Bad("nested deeper than " + std::to_string(kMaxNesting) + " levels");
}

struct ExprParser {
  std::string_view s;
  int levels_left;  // expression nodes that may still nest
  std::size_t p = 0;

  // One argument: up to the ',' or ')' that closes it, quotes kept whole.
  std::string_view raw_arg() {
    const std::size_t start = p;
    bool quoted = false;
    for (; p < s.size(); ++p) {
      const char c = s[p];
      if (quoted) {
        if (c == '\\')
          ++p;
        else if (c == '"')
          quoted = false;
      } else if (c == '"') {
        quoted = true;
      } else if (c == ',' || c == ')') {
        break;
      }
    }
    return s.substr(start, p - start);
  }

  void expect(char c) {
    if (p >= s.size() || s[p] != c)
      throw Bad(std::string("expected '") + c + "' in expression '" + std::string(s) + "'");
    ++p;
  }

  std::unique_ptr<CPropDefExpr> parse() {
    if (levels_left-- <= 0) too_deep();
    struct Leave {
      int& left;
      ~Leave() { ++left; }
    } leave{levels_left};
    std::size_t start = p;
    while (p < s.size() && (std::isalnum(static_cast<unsigned char>(s[p])) || s[p] == '_')) ++p;
    const std::string head(s.substr(start, p - start));
    auto e = std::make_unique<CPropDefExpr>();
    if (head == "true") {
      e->op = kOpTrue;
      return e;
    }
    expect('(');
    static const std::map<std::string, uint32_t> compare = {
        {"eq", kOpEq}, {"ne", kOpNe}, {"gt", kOpGt}, {"ge", kOpGe}, {"lt", kOpLt}, {"le", kOpLe}};
    if (head == "and" || head == "or") {
      e->op = head == "and" ? kOpAnd : kOpOr;
      e->left = parse();
      expect(',');
      e->right = parse();
    } else if (head == "not") {
      e->op = kOpNot;
      e->left = parse();
    } else if (auto it = compare.find(head); it != compare.end()) {
      e->op = it->second;
      e->name = unquote(raw_arg());
      expect(',');
      e->constant = parse_value(raw_arg());
    } else if (head == "obj") {
      e->op = kOpObject;
      e->object_name = unquote(raw_arg());
    } else if (head == "group" || head == "never") {
      e->op = head == "group" ? kOpGroup : kOpFalse;
      e->name = unquote(raw_arg());
    } else if (head == "op") {
      e->op = static_cast<uint32_t>(parse_int(raw_arg(), "op", 0, kUint32Max));
      if (e->op & (kOpObject | kOpGroup | kOpFalse | 0x3F | 0x70000))
        throw Bad("op(N) is for ops without operands");
    } else {
      throw Bad("unknown expression '" + head + "'");
    }
    expect(')');
    return e;
  }
};

// The expression of a dependency written `depth` levels deep.
std::unique_ptr<CPropDefExpr> parse_expr(std::string_view text, int depth) {
  ExprParser parser{text, kMaxNesting - depth};
  auto e = parser.parse();
  if (parser.p != text.size()) throw Bad("text after the expression '" + std::string(text) + "'");
  return e;
}

std::string expr_text(const CPropDefExpr& e) {
  if (e.op & kOpObject) return "obj(" + quote(e.object_name) + ")";
  if (e.op & kOpFalse) return "never(" + quote(e.name) + ")";
  if (e.op & kOpGroup) return "group(" + quote(e.name) + ")";
  static const std::map<uint32_t, const char*> compare = {
      {kOpEq, "eq"}, {kOpNe, "ne"}, {kOpGt, "gt"}, {kOpGe, "ge"}, {kOpLt, "lt"}, {kOpLe, "le"}};
  if (e.op & 0x3F) {
    auto it = compare.find(e.op);
    if (it == compare.end()) throw Bad("op " + std::to_string(e.op) + " cannot be described");
    return std::string(it->second) + "(" + quote(e.name) + "," + value_text(*e.constant) + ")";
  }
  if (e.op & 0x70000) {
    const auto side = [](const std::unique_ptr<CPropDefExpr>& x) {
      return x ? expr_text(*x) : std::string("op(2147483648)");
    };
    if (e.op == kOpAnd) return "and(" + side(e.left) + "," + side(e.right) + ")";
    if (e.op == kOpOr) return "or(" + side(e.left) + "," + side(e.right) + ")";
    if (e.op == kOpNot) return "not(" + side(e.left) + ")";
    throw Bad("op " + std::to_string(e.op) + " cannot be described");
  }
  if (e.op == kOpTrue) return "true";
  return "op(" + std::to_string(e.op) + ")";
}

// ---------------------------------------------------------------- lines

struct Line {
  int number = 0;
  int indent = 0;
  std::vector<std::string> tokens;
};

std::vector<std::string> tokenize(std::string_view text) {
  std::vector<std::string> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i >= text.size()) break;
    std::string token;
    bool quoted = false;
    for (; i < text.size(); ++i) {
      const char c = text[i];
      if (!quoted && (c == ' ' || c == '\t')) break;
      if (quoted && c == '\\' && i + 1 < text.size()) {
        token.push_back(c);
        token.push_back(text[++i]);
        continue;
      }
      if (c == '"') quoted = !quoted;
      token.push_back(c);
    }
    if (quoted) throw Bad("unbalanced quotes");
    out.push_back(std::move(token));
  }
  return out;
}

std::pair<std::string, std::string> key_value(const std::string& token) {
  const auto eq = token.find('=');
  if (eq == std::string::npos || eq == 0) throw Bad("expected key=value, found '" + token + "'");
  return {token.substr(0, eq), token.substr(eq + 1)};
}

CPropObjIdList parse_ids(const std::string& raw) {
  std::string t = unquote(raw);
  CPropObjIdList ids;
  if (!t.empty() && t.front() == '!') {
    ids.complement = true;
    t.erase(0, 1);
  }
  std::size_t start = 0;
  while (start < t.size()) {
    auto comma = t.find(',', start);
    if (comma == std::string::npos) comma = t.size();
    const std::string name = t.substr(start, comma - start);
    if (name.empty()) throw Bad("empty object name in ids");
    ids.names.push_back(name);
    start = comma + 1;
  }
  return ids;
}

std::string ids_text(const CPropObjIdList& ids) {
  std::string out = ids.complement ? "!" : "";
  for (std::size_t i = 0; i < ids.names.size(); ++i) out += (i ? "," : "") + ids.names[i];
  return quote(out, false);
}

Guid parse_guid(const std::string& raw) {
  Guid g;
  if (!Guid::parse(unquote(raw), g)) throw Bad("bad GUID '" + raw + "'");
  return g;
}

void set_field(CPropDefBase& d, const std::string& key, const std::string& value) {
  auto* list = d.IsList() ? static_cast<CPropDefList*>(&d) : nullptr;
  auto* elem = d.IsList() ? nullptr : static_cast<CPropDefElem*>(&d);
  auto u16 = [&](const char* what) {
    return static_cast<uint16_t>(parse_int(value, what, 0, 0xFFFF));
  };
  if (key == "kind")
    d.kind = static_cast<int32_t>(parse_int(value, "kind", kInt32Min, kInt32Max));
  else if (key == "name")
    d.name = unquote(value);
  else if (key == "caption")
    d.caption = unquote(value);
  else if (key == "description")
    d.description = unquote(value);
  else if (key == "ids")
    d.ids = parse_ids(value), d.ids.version = 0;
  else if (key == "idsversion")
    d.ids.version = u16("idsversion");
  else if (key == "flags")
    d.flags = static_cast<uint32_t>(parse_int(value, "flags", kInt32Min, kUint32Max));
  else if (key == "base")
    d.base_version = u16("base");
  else if (key == "version" && list)
    list->list_version = u16("version");
  else if (key == "version" && elem)
    elem->elem_version = u16("version");
  else if (key == "type" && list)
    list->type_id = parse_guid(value);
  else if (key == "second" && list)
    list->second_id = parse_guid(value);
  else if (key == "default" && elem)
    elem->default_value = parse_value(value);
  else if (key == "min" && elem)
    elem->minimum = static_cast<int32_t>(parse_int(value, "min", kInt32Min, kInt32Max));
  else if (key == "max" && elem)
    elem->maximum = static_cast<int32_t>(parse_int(value, "max", kInt32Min, kInt32Max));
  else if (key == "param" && elem)
    elem->param11 = elem->param13 = static_cast<uint32_t>(parse_int(value, "param", kInt32Min, kUint32Max));
  else if (key == "textparam" && elem)
    elem->text_param = unquote(value);
  else if (key == "custom" && elem)
    elem->custom_type = unquote(value);
  else if (key == "valuetype" && elem)
    elem->value_type = u16("valuetype");
  else if (key == "aliases" && elem)
    elem->aliases = parse_ids(value).names;
  else
    throw Bad("unknown field '" + key + "'");
}

// The nesting level at which the archive writes an item's dependencies:
// the lists that hold it, itself included when it is a list.
int depth_of(const CPropDefBase* d) {
  int lists = 0;
  for (; d; d = d->parent) lists += d->IsList() ? 1 : 0;
  return lists;
}

}  // namespace

bool build(std::string_view description, std::vector<uint8_t>& archive, BuildError& error) {
  PropArchive out;
  // The open items by indentation: lists, and the last list or element for
  // its dependency and choice lines.
  struct Open {
    int indent;
    CPropDefBase* item;
  };
  std::vector<Open> stack;
  int number = 0;
  try {
    std::size_t pos = 0;
    while (pos <= description.size()) {
      std::size_t end = description.find('\n', pos);
      if (end == std::string_view::npos) end = description.size();
      std::string_view raw = description.substr(pos, end - pos);
      pos = end + 1;
      ++number;
      if (!raw.empty() && raw.back() == '\r') raw.remove_suffix(1);
      int indent = 0;
      while (static_cast<std::size_t>(indent) < raw.size() &&
             raw[static_cast<std::size_t>(indent)] == ' ')
        ++indent;
      const std::string_view body = raw.substr(static_cast<std::size_t>(indent));
      // A line of blanks and tabs only is as empty as an empty one.
      std::vector<std::string> t;
      if (!body.empty() && body.front() != '#') t = tokenize(body);
      if (t.empty()) {
        if (end == description.size()) break;
        continue;
      }
      const std::string& what = t[0];
      if (what == "directory") {
        for (std::size_t i = 1; i < t.size(); ++i) {
          auto [k, v] = key_value(t[i]);
          if (k != "version") throw Bad("unknown field '" + k + "'");
          out.objects.version = static_cast<uint16_t>(parse_int(v, "version", 0, 0xFFFF));
        }
      } else if (what == "object") {
        if (t.size() < 2) throw Bad("object without a name");
        CPDOAtt att;
        att.number = 0;
        for (std::size_t i = 2; i < t.size(); ++i) {
          auto [k, v] = key_value(t[i]);
          if (k == "number")
            att.number = static_cast<int32_t>(parse_int(v, "number", kInt32Min, kInt32Max));
          else if (k == "description")
            att.description = unquote(v);
          else if (k == "parent")
            att.parent = unquote(v);
          else
            throw Bad("unknown field '" + k + "'");
        }
        const std::string name = unquote(t[1]);
        if (name.empty()) throw Bad("object without a name");
        out.objects.Set(name, std::move(att));
      } else if (what == "list" || what == "elem") {
        while (!stack.empty() && stack.back().indent >= indent) stack.pop_back();
        std::unique_ptr<CPropDefBase> item;
        if (what == "list")
          item = std::make_unique<CPropDefList>();
        else
          item = std::make_unique<CPropDefElem>();
        item->kind = what == "list" ? kKindPage : kKindText;
        for (std::size_t i = 1; i < t.size(); ++i) {
          auto [k, v] = key_value(t[i]);
          set_field(*item, k, v);
        }
        CPropDefBase* placed;
        if (stack.empty()) {
          if (out.root) throw Bad("a second root");
          if (what != "list") throw Bad("the root must be a list");
          out.root.reset(static_cast<CPropDefList*>(item.release()));
          placed = out.root.get();
        } else {
          CPropDefBase* parent = stack.back().item;
          if (!parent->IsList()) throw Bad("an element holds no items");
          placed = static_cast<CPropDefList*>(parent)->Add(std::move(item));
        }
        if (depth_of(placed) > kMaxNesting) too_deep();
        stack.push_back({indent, placed});
      } else if (what == "depend" || what == "choice") {
        while (!stack.empty() && stack.back().indent >= indent) stack.pop_back();
        if (stack.empty()) throw Bad(what + " outside a list or element");
        CPropDefBase* owner = stack.back().item;
        if (what == "depend") {
          if (t.size() < 4) throw Bad("depend needs KIND VALUE EXPR");
          auto d = std::make_unique<CPropDefDepend>();
          d->kind = static_cast<int32_t>(parse_int(t[1], "dependency kind", kInt32Min, kInt32Max));
          d->value = parse_value(t[2]);
          d->expr = parse_expr(t[3], depth_of(owner));
          for (std::size_t i = 4; i < t.size(); ++i) {
            auto [k, v] = key_value(t[i]);
            if (k != "version") throw Bad("unknown field '" + k + "'");
            d->version = static_cast<uint16_t>(parse_int(v, "version", 0, 0xFFFF));
          }
          owner->depends.push_back(std::move(d));
        } else {
          if (owner->IsList()) throw Bad("choice of a list");
          if (t.size() < 2) throw Bad("choice needs a value");
          CPropChoice c;
          c.value = parse_value(t[1]);
          for (std::size_t i = 2; i < t.size(); ++i) {
            auto [k, v] = key_value(t[i]);
            if (k == "caption")
              c.caption = unquote(v);
            else if (k == "description")
              c.description = unquote(v);
            else
              throw Bad("unknown field '" + k + "'");
          }
          static_cast<CPropDefElem*>(owner)->choices.push_back(std::move(c));
        }
      } else {
        throw Bad("unknown line '" + what + "'");
      }
      if (end == description.size()) break;
    }
    if (!out.root) {
      number = 0;
      throw Bad("no root list");
    }
  } catch (const Bad& e) {
    error.line = number;
    error.reason = e.what();
    return false;
  }
  try {
    archive = WritePropArchive(out);
  } catch (const CArchiveException& e) {
    // Whatever the checks above let through still ends as an error, not an
    // abort.
    error.line = 0;
    error.reason = e.what();
    return false;
  }
  return true;
}

namespace {

void dump_item(const CPropDefBase& d, int indent, std::string& out) {
  const std::string pad(static_cast<std::size_t>(indent), ' ');
  std::string line = pad + (d.IsList() ? "list" : "elem") + " kind=" + std::to_string(d.kind);
  if (!d.name.empty()) line += " name=" + quote(d.name);
  if (!d.caption.empty()) line += " caption=" + quote(d.caption);
  if (!d.description.empty()) line += " description=" + quote(d.description);
  if (!d.ids.IsAll()) line += " ids=" + ids_text(d.ids);
  if (d.ids.version != 0) line += " idsversion=" + std::to_string(d.ids.version);
  if (d.flags != 0) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%X", d.flags);
    line += std::string(" flags=") + buf;
  }
  if (d.base_version != 1) line += " base=" + std::to_string(d.base_version);
  if (d.IsList()) {
    const auto& l = static_cast<const CPropDefList&>(d);
    if (l.list_version != 2) line += " version=" + std::to_string(l.list_version);
    if (!l.type_id.is_null()) line += " type=" + l.type_id.brace_form();
    if (!l.second_id.is_null()) line += " second=" + l.second_id.brace_form();
  } else {
    const auto& e = static_cast<const CPropDefElem&>(d);
    if (e.elem_version != 2) line += " version=" + std::to_string(e.elem_version);
    if (e.default_value.vt() != VT_EMPTY) line += " default=" + value_text(*e.default_value);
    if (e.kind == kKindInteger && e.minimum != kNoBound)
      line += " min=" + std::to_string(e.minimum);
    if (e.kind == kKindInteger && e.maximum != kNoBound)
      line += " max=" + std::to_string(e.maximum);
    if (e.kind == kKindTextNumParam && e.param11) line += " param=" + std::to_string(e.param11);
    if (e.kind == kKindValueNumParam && e.param13) line += " param=" + std::to_string(e.param13);
    if (!e.text_param.empty()) line += " textparam=" + quote(e.text_param);
    if (!e.custom_type.empty()) line += " custom=" + quote(e.custom_type);
    if (e.elem_version >= 1 && e.value_type != 0xFFFF)
      line += " valuetype=" + std::to_string(e.value_type);
    if (!e.aliases.empty()) line += " aliases=" + ids_text(CPropObjIdList::Of(e.aliases));
  }
  out += line + "\n";
  for (const auto& dep : d.depends) {
    out += pad + "  depend " + std::to_string(dep->kind) + " " + value_text(*dep->value) + " " +
           (dep->expr ? expr_text(*dep->expr) : std::string("op(2147483648)"));
    if (dep->version != 0) out += " version=" + std::to_string(dep->version);
    out += "\n";
  }
  if (!d.IsList()) {
    for (const auto& c : static_cast<const CPropDefElem&>(d).choices) {
      out += pad + "  choice " + value_text(*c.value);
      if (!c.caption.empty()) out += " caption=" + quote(c.caption);
      if (!c.description.empty()) out += " description=" + quote(c.description);
      out += "\n";
    }
  } else {
    for (const auto& c : static_cast<const CPropDefList&>(d).children)
      dump_item(*c, indent + 2, out);
  }
}

}  // namespace

std::string dump(std::span<const uint8_t> archive) {
  PropArchive content = ReadPropArchive(archive);
  std::string out;
  if (content.objects.version != 0)
    out += "directory version=" + std::to_string(content.objects.version) + "\n";
  for (const auto& name : content.objects.order()) {
    const CPDOAtt* att = content.objects.Lookup(name);
    out += "object " + quote(name);
    if (att->number != 0) out += " number=" + std::to_string(att->number);
    if (!att->description.empty()) out += " description=" + quote(att->description);
    if (!att->parent.empty()) out += " parent=" + quote(att->parent);
    out += "\n";
  }
  try {
    dump_item(*content.root, 0, out);
  } catch (const Bad& e) {
    throw CArchiveException(CArchiveException::kBadSchema, e.what());
  }
  return out;
}

int run_ptytool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const char* usage = "usage: ptytool build DESCRIPTION FILE | dump FILE | encipher TEXT\n";
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << usage
        << "  build DESCRIPTION FILE  writes the property-definition archive FILE (DTASTORE.PTY)\n"
           "                          from a text description\n"
           "  dump FILE               prints an archive as a description\n"
           "  encipher TEXT           prints the saved form of an enciphered preference\n"
           "Exit status: 0 done, 1 a file could not be read or written or a description is\n"
           "wrong (the message names its line), 2 a wrong command line.\n";
    return 0;
  }
  if (args.size() == 3 && args[0] == "build") {
    std::ifstream in(args[1], std::ios::binary);
    if (!in) {
      err << "ptytool: cannot read " << args[1] << "\n";
      return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<uint8_t> bytes;
    BuildError error;
    if (!build(text.str(), bytes, error)) {
      err << args[1] << ":" << error.line << ": " << error.reason << "\n";
      return 1;
    }
    // Replaced whole, so a full disk or a kill leaves the former archive.
    std::string why;
    if (!platform::write_file_atomically(
            args[2],
            std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), &why)) {
      err << "ptytool: " << why << "\n";
      return 1;
    }
    return 0;
  }
  if (args.size() == 2 && args[0] == "dump") {
    std::ifstream in(args[1], std::ios::binary);
    if (!in) {
      err << "ptytool: cannot read " << args[1] << "\n";
      return 1;
    }
    std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                               std::istreambuf_iterator<char>());
    try {
      out << dump(bytes);
    } catch (const CArchiveException& e) {
      err << "ptytool: " << args[1] << ": " << e.what() << "\n";
      return 1;
    }
    return 0;
  }
  if (args.size() == 2 && args[0] == "encipher") {
    out << encrypt_text(args[1]) << "\n";
    return 0;
  }
  err << usage;
  return 2;
}

}  // namespace qn::config::ptywriter
