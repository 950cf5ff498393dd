#include "logic/java/java_naming.h"

#include <cstdio>

#include <array>
#include <utility>
#include <vector>

#include "logic/core/attributes.h"
#include "logic/core/host_interface.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

struct Prefixes {
  const char* kind;
  const char* cls;
  const char* obj;  // nullptr: the kind names no object
};
constexpr Prefixes kPrefixes[] = {
    {"tab", "dbc", "dbo"},
    {"sup", "supc", "supo"},
    {"updsup", "US", "US"},
    {"tabsup", "DatabaseClass", nullptr},
    {"supsup", "QNDBSupplier", nullptr},
};

const Prefixes* prefixes_of(std::string_view kind) {
  for (const Prefixes& p : kPrefixes) {
    if (kind == p.kind) return &p;
  }
  return nullptr;
}

int64_t current_model(const Run& run) {
  auto m = get_model_num(run);
  return m && m->is_int() ? m->as_int() : 0;
}

std::string base36(int64_t n) {
  static const char digits[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  if (n < 0) return "-" + base36(-n);
  std::string out;
  do {
    out.insert(out.begin(), digits[n % 36]);
    n /= 36;
  } while (n > 0);
  return out;
}

// The key of a subroutine: its name lower-cased, a leading quote dropped.
std::string routine_key(const Term& routine) {
  std::string key = platform::lower_1252(text_of(routine));
  if (!key.empty() && key.front() == '\'') key.erase(0, 1);
  return key;
}

}  // namespace

std::optional<std::string> class_prefix(std::string_view kind) {
  if (const Prefixes* p = prefixes_of(kind)) return std::string(p->cls);
  return std::nullopt;
}

std::optional<std::string> obj_prefix(std::string_view kind) {
  if (const Prefixes* p = prefixes_of(kind); p && p->obj) return std::string(p->obj);
  return std::nullopt;
}

std::optional<std::string> class_name(std::string_view kind, std::string_view name) {
  auto p = class_prefix(kind);
  if (!p) return std::nullopt;
  return *p + std::string(name);
}

std::optional<std::string> obj_name(std::string_view kind, std::string_view name) {
  auto p = obj_prefix(kind);
  if (!p) return std::nullopt;
  return *p + std::string(name);
}

namespace {

// The fv entries p(_, _, fv, X, Body): bare, or as the body of an object rule.
std::vector<Term> fv_entries(const Run& run, const Term& x, const Term& body) {
  const auto& facts = run.facts();
  const Term p = fact("p", {var(), var(), atom("fv"), x, body});
  std::vector<Term> out = facts.findall(p);
  for (const Term& r : facts.findall(fact("rule_i", {var(), p}))) out.push_back(r.arg(2));
  return out;
}

}  // namespace

bool fv_intname_rule(const Run& run, const Term& name) {
  for (const Term& rule : fv_entries(run, var(), Term::cons(atom("intname"), Term::cons(name, var())))) {
    const Term x = rule.arg(4);
    if (fv_entries(run, x, Term::cons(atom("table"), var())).empty()) return true;
  }
  return false;
}

bool fv_rule_without_table(const Run& run) {
  return !fv_entries(run, var(), var()).empty() &&
         fv_entries(run, var(), Term::cons(atom("table"), var())).empty();
}

std::optional<std::string> tbl_short_name(Run& run, const Term& table, int64_t model) {
  if (table.is_int() && table.as_int() == 0) return std::string();
  if (auto t = run.facts().first(fact("table_i", {table, var()}))) {
    return text_of(t->arg(2)).substr(0, 8);
  }
  std::array<Term, 3> a{num(model), table, var()};
  if (call_host(run, "i_tblname", a)) return text_of(a[2]);
  return std::nullopt;
}

std::optional<std::string> table_class_name(Run& run, const Term& table, int64_t model) {
  const auto& facts = run.facts();
  if (facts.count("i_is_temp_table", 0) > 0) {
    if (auto t = facts.first(fact("ttable_i", {table, Term::cons(var(), var())}))) {
      return text_of(t->arg(2).list_items().at(0));
    }
  }
  if (fv_intname_rule(run, table)) return text_of(table);
  std::array<Term, 3> a{num(model == 0 ? current_model(run) : model), table, var()};
  if (call_host(run, "i_tblname", a)) return text_of(a[2]);
  return tbl_short_name(run, table, model);
}

std::string table_src_class_name(const Term& table) { return padl(text_of(table), 3, '0'); }

std::optional<std::string> table_kind_class_name(Run& run, int64_t model, const Term& table,
                                                 std::string_view kind) {
  auto name = table_class_name(run, table, model);
  if (!name) return std::nullopt;
  return class_name(kind, *name);
}

std::optional<std::string> table_obj(Run& run, int64_t model, const Term& table) {
  auto name = table_class_name(run, table, model);
  if (!name) return std::nullopt;
  return *obj_prefix("tab") + platform::lower_1252(*name);
}

std::optional<std::string> base_table_obj(Run& run, int64_t model, const Term& table) {
  auto obj = table_obj(run, model, table);
  if (!obj) return std::nullopt;
  if (auto sub = run.facts().first(fact("in_sub_i", {var()}))) *obj += text_of(sub->arg(1));
  return obj;
}

std::string call_class_name(std::string_view name) { return "call" + std::string(name); }
std::string fwd_cursor_class_name(std::string_view name) { return "f" + std::string(name); }
std::string upd_cursor_class_name(std::string_view name) { return "d" + std::string(name); }

namespace {

std::optional<std::string> accessor_name(Run& run, int64_t model, const Term& att,
                                         const char* verb) {
  auto kind = spec_kind(run);
  std::optional<std::string> name;
  if (kind && *kind == "ce") {
    std::array<Term, 4> a{num(model), att, var(), var()};
    if (call_host(run, "i_attri_name", a)) name = text_of(a[2]);
  } else if (auto n = get_attri_name(run, num(model), att)) {
    name = text_of(*n);
  }
  if (!name) return std::nullopt;
  return verb + capitalize(*name);
}

}  // namespace

std::optional<std::string> attribute_getter_name(Run& run, int64_t model, const Term& att) {
  return accessor_name(run, model, att, "get");
}

std::optional<std::string> attribute_setter_name(Run& run, int64_t model, const Term& att) {
  return accessor_name(run, model, att, "set");
}

std::string pgm_unique_name(Run& run, std::string_view prefix, std::string_view suffix) {
  std::string name;
  auto id = run.facts().first(fact("pgm_id", {var()}));
  auto items = id ? id->arg(1).list_items() : std::vector<Term>{};
  if (items.size() >= 2 && items[0].is_int()) {
    const Term& kind = items[1];
    std::string letter;
    if (kind == "scr") letter = "V";
    if (kind == "proc" && run.facts().count("gen_reo_i", 0) > 0) letter = "R";
    if (kind == "mnu") letter = "M";
    name = std::string(prefix) + letter + padl(base36(items[0].as_int()), 2, '0') +
           std::string(suffix);
  } else {
    name = std::string(prefix) + std::string(suffix);
  }
  return name.substr(0, 20);
}

std::string proc_id_name(Run& run, const Term& routine) {
  auto& facts = run.facts();
  const bool event = routine.is_cons() || routine.is_nil();
  std::string key;
  if (event) {
    // A nested token (a menu bar's item, t([t('Menubar', _), Item], 29))
    // counts as its tokens, so the header and a call name it alike.
    std::vector<Term> pieces;
    for (const Term& t : routine.list_items()) {
      const Term& piece = t.is_compound() && t.functor() == "t" ? t.arg(1) : t;
      if (piece.is_cons()) {
        for (const Term& inner : piece.list_items())
          pieces.push_back(inner.is_compound() && inner.functor() == "t" ? inner.arg(1) : inner);
      } else {
        pieces.push_back(piece);
      }
    }
    for (const Term& piece : pieces)
      key += (key.empty() ? "" : " ") + platform::lower_1252(text_of(piece));
  } else {
    key = routine_key(routine);
  }
  const char* pred = event ? "proc_id" : "subproc_id";
  if (auto known = facts.first(fact(pred, {str(key), var(), var()}))) return text_of(known->arg(3));
  int64_t last = 10;
  for (const char* p : {"subproc_id", "proc_id"}) {
    for (const Term& f : facts.clauses(p, 3)) {
      if (f.arg(2).is_int() && f.arg(2).as_int() > last) last = f.arg(2).as_int();
    }
  }
  const int64_t number = last + 1;
  const std::string name = pgm_unique_name(run, (event ? "E" : "S") + std::to_string(number), "");
  facts.asserta(fact(pred, {str(key), num(number), str(name)}));
  return name;
}

std::string numbered_obj_name(const Run& run, int64_t number, std::string_view suffix) {
  std::string obj;
  if (auto p = run.facts().first(fact("current_pgm_i", {var()}))) obj = text_of(p->arg(1));
  return obj + std::string(suffix) + padl(std::to_string(number), 2, '0');
}

std::string capitalize(std::string_view text) {
  std::string out = platform::lower_1252(text);
  if (!out.empty())
    out[0] = static_cast<char>(platform::to_upper_1252(static_cast<unsigned char>(out[0])));
  return out;
}

std::string padl(std::string_view text, size_t length, char fill) {
  // A longer text is kept whole (its trace goes to the silent trace).
  if (text.size() >= length) return std::string(text);
  return std::string(length - text.size(), fill) + std::string(text);
}

std::string java_quoted(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    const unsigned char c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default: {
        char buf[8];
        if (c < 0x20) {
          std::snprintf(buf, sizeof buf, "\\%03o", c);
          out += buf;
        } else if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D) {
          std::snprintf(buf, sizeof buf, "\\u%04X", c);
          out += buf;
        } else {
          out += ch;
        }
      }
    }
  }
  return out + "\"";
}

std::string java_string_literal(std::string_view text) {
  if (text.size() >= 2 && text.front() == '\'' && text.back() == '\'') {
    text = text.substr(1, text.size() - 2);
  }
  return java_quoted(text);
}

std::string package_dir(Run& run) {
  auto package = pgm_prop_value(run, "PACKAGE");
  if (!package || package->empty()) return "";
  std::string dir = *package;
  for (char& c : dir) {
    if (c == '.') c = '\\';
  }
  return dir + "\\";
}

std::optional<int64_t> generated_model_num(const Run& run) {
  auto m = run.facts().first(fact("model_i", {var(), var()}));
  if (m && m->arg(1).is_int()) return m->arg(1).as_int();
  return std::nullopt;
}

std::string kind_letter(std::string_view kind) {
  static const std::pair<const char*, const char*> letters[] = {
      {"trn", "T"}, {"proc", "P"}, {"rpt", "R"}, {"mnu", "M"},
      {"scr", "W"}, {"web", "H"},  {"mbr", "B"}};
  for (const auto& [k, l] : letters) {
    if (kind == k) return l;
  }
  return "";
}

std::optional<std::string> main_letter(std::string_view kind) {
  static const std::pair<const char*, const char*> letters[] = {
      {"trn", "N"}, {"proc", "A"}, {"rpt", "O"}, {"mnu", "L"}, {"scr", "U"}};
  for (const auto& [k, l] : letters) {
    if (kind == k) return std::string(l);
  }
  return std::nullopt;
}

std::string kind_pgm_name(Run& run, std::string_view name) {
  auto kind = spec_kind(run);
  if (!kind) return std::string(name);
  const auto& facts = run.facts();
  const std::string k = kind->is_atom() ? kind->text() : "";
  std::string prefix;
  auto stub = facts.first(
      Term::compound("rule_i", {Term::integer(0), Term::compound("stub", {Term::fresh_var()})}));
  const bool is_main = facts.exists(Term::compound(
      "rule_i",
      {Term::integer(0), Term::compound("prop", {Term::atom("PGMTYPE"), Term::atom("main")})}));
  if (stub && stub->arg(2).arg(1).is_atom()) {
    prefix = kind_letter(stub->arg(2).arg(1).text());
  } else if (is_main && main_letter(k)) {
    prefix = *main_letter(k);
  } else if (k == "proc" && facts.count("gen_reo_i", 0) > 0) {
    prefix = "";
  } else {
    prefix = kind_letter(k);
  }
  return platform::lower_1252(prefix + std::string(name));
}

std::string java_source_extension() { return ".java"; }


}  // namespace qn::logic
