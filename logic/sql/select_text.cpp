#include "logic/sql/select_text.h"

#include <algorithm>

#include "logic/core/attributes.h"
#include "logic/core/dbms_caps.h"
#include "logic/core/host_interface.h"
#include "logic/core/levels.h"
#include "logic/core/options.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/java_naming.h"
#include "logic/sql/level_join.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}

std::string lower_1252(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(platform::to_lower_1252(static_cast<unsigned char>(c)));
  return out;
}

bool one_of(std::string_view v, std::initializer_list<std::string_view> set) {
  return std::find(set.begin(), set.end(), v) != set.end();
}

// The table a table-list entry names.
Term entry_table(const Term& entry) {
  if (entry.is_compound() && entry.functor() == "oj" && entry.arity() == 1) return entry_table(entry.arg(1));
  if (entry.is_cons()) return entry.head();
  return entry;
}
bool entry_outer(const Term& entry) {
  return entry.is_compound() && entry.functor() == "oj" && entry.arity() == 1;
}

std::string join_texts(const std::vector<std::string>& parts, std::string_view sep) {
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i) out += sep;
    out += parts[i];
  }
  return out;
}

// A model string constant as an SQL literal: its double quotes become
// single quotes, inner single quotes doubled.
std::string sql_literal(std::string_view text) {
  std::string_view body = text;
  if (body.size() >= 2 && (body.front() == '"' || body.front() == '\'') && body.back() == body.front()) {
    body = body.substr(1, body.size() - 2);
  }
  std::string out = "'";
  for (char c : body) {
    if (c == '\'') out += "''";
    else out += c;
  }
  out += "'";
  return out;
}

bool is_number_text(std::string_view s) {
  if (s.empty()) return false;
  size_t i = (s[0] == '-' || s[0] == '+') ? 1 : 0;
  bool digit = false, dot = false;
  for (; i < s.size(); ++i) {
    if (s[i] >= '0' && s[i] <= '9') digit = true;
    else if (s[i] == '.' && !dot) dot = true;
    else return false;
  }
  return digit;
}

int64_t tok_kind(const Term& tok) {
  return tok.is_compound() && tok.arity() >= 2 && tok.arg(2).is_int() ? tok.arg(2).as_int() : -1;
}
std::string tok_text(const Term& tok) {
  return tok.is_compound() && tok.arity() >= 1 ? text_of(tok.arg(1)) : text_of(tok);
}

// The model type of an attribute ([type, length, decimals]).
std::optional<AttriType> att_type(Run& run, const Term& att) {
  Term model = get_model_num(run).value_or(num(0));
  return get_attri_type(run, model, att);
}

bool char_att(Run& run, const Term& att) {
  auto t = att_type(run, att);
  if (!t) return false;
  return fixchar_type(t->type) || vchar_type(t->type);
}

}  // namespace

// --- options of a level --------------------------------------------------------------

DbOpts parse_dbopts(std::string_view text) {
  DbOpts o;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find(';', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view part = text.substr(pos, end - pos);
    pos = end + 1;
    size_t eq = part.find('=');
    if (eq == std::string_view::npos) continue;
    std::string name = platform::upper_1252(trim(part.substr(0, eq)));
    std::string value = platform::upper_1252(trim(part.substr(eq + 1)));
    if (name == "ORDER") {
      o.order_none = value == "*NONE";
    } else if (name == "BLOCKSIZE") {
      o.block_size = decimal_of(value).value_or(0);
    } else if (name == "FASTFIRSTROWS") {
      o.fast_first_rows = value;
    }
  }
  return o;
}

DbOpts level_dbopts(Run& run, const Term& level) {
  DbOpts o;
  for (const Term& f : run.facts().findall(fact("b_line_i", {var(), level, var(), atom("cmd"), var(), var()}))) {
    std::vector<Term> toks = f.arg(6).list_items();
    if (toks.size() != 3 || tok_kind(toks[1]) != kTokCompare || tok_text(toks[1]) != "=") continue;
    std::string name = platform::upper_1252(strip_ampersand(tok_text(toks[0])));
    if (name != "QNDBOPTS" || tok_kind(toks[2]) != kTokConstant) continue;
    std::string value = tok_text(toks[2]);
    if (value.size() < 2 || (value.front() != '"' && value.front() != '\'')) continue;
    o = parse_dbopts(std::string_view(value).substr(1, value.size() - 2));
  }
  return o;
}

// --- names ------------------------------------------------------------------------------

std::string tbl_dbms(Run& run, const Term& table) { return table_dbms(run, table).value_or(""); }

std::string sql_attname(Run& run, const Term& table, const Term& att) {
  if (auto n = ext_attri_name(run, att, table)) return text_of(*n);
  return text_of(att);
}

std::string table_sql_name(Run& run, std::string_view mode, const Term& table) {
  std::string internal = tbl_short_name(run, table, 0).value_or(text_of(table));
  std::string ext = tbl_ext_name(run, table, internal);
  if (mode == "q") return tbl_qualified_name(run, table, ext);
  return ext;
}

std::optional<std::string> att_sql_type(Run& run, const Term& att, const Term& table) {
  auto t = att_type(run, att);
  if (!t) return std::nullopt;
  const std::string type = text_of(t->type);
  const std::string dbms = tbl_dbms(run, table);
  const bool db2ish = dbms == "db2" || dbms == "as400";
  if (type == "char" && db2ish) {
    int64_t len = t->length.is_int() ? std::max<int64_t>(t->length.as_int(), 1) : 1;
    return "'" + std::string(static_cast<size_t>(len), ' ') + "'";
  }
  if (type == "char" || type == "svchar") return "' '";
  if (vchar_type(t->type)) return std::nullopt;
  if (type == "date" || type == "dtime") {
    if (dbms == "sqlserver") return "'1753-01-01'";
    if (dbms == "oracle7") return "TO_DATE('0001-01-01', 'YYYY-MM-DD')";
    if (dbms == "informix") return "DATETIME( 0001-01-01) YEAR TO DAY";
    if (type == "date") {
      if (dbms == "db2") return "'0001-01-01'";
      if (dbms == "as400") return "'00000000'";
      return "''";
    }
    if (db2ish) return "'0001-01-01-00.00.00'";
    return "''";
  }
  return "0";
}

// --- table list and column references -------------------------------------------------

std::string TableList::alias_of(const Term& table) const {
  for (size_t i = 0; i < tables.size(); ++i) {
    if (tables[i] == table) return "T" + std::to_string(alias_base + static_cast<int64_t>(i));
  }
  return "T" + std::to_string(alias_base);
}

TableList make_table_list(Run& run, const std::vector<Term>& tables) {
  TableList tl;
  for (const Term& e : tables) {
    tl.tables.push_back(entry_table(e));
    if (entry_outer(e)) tl.outer.push_back(entry_table(e));
  }
  if (!tl.tables.empty()) {
    tl.dbms = tbl_dbms(run, tl.tables.front());
    tl.driver = dbms_option(run, tl.tables.front()).value_or("");
  }
  if (auto f = run.facts().first(fact("lastalias_i", {var()})); f && f->arg(1).is_int()) {
    tl.alias_base = f->arg(1).as_int();
  }
  return tl;
}

std::string column_ref(Run& run, const TableList& tl, const Term& table, const Term& att) {
  std::string col = sql_attname(run, table, att);
  if (!tl.aliased()) return col;
  return tl.alias_of(table) + "." + col;
}

namespace {

// The table of the knowledge base holds the attribute (by its SQL name).
// A table's attribute names are asked once a run and kept, upper-cased, as
// table_att_i(Table, Name); table_atts_read_i(Table) marks a table read.
bool table_holds(Run& run, const Term& table, const Term& att) {
  auto& facts = run.facts();
  if (!facts.exists(fact("table_atts_read_i", {table}))) {
    facts.assertz(fact("table_atts_read_i", {table}));
    const Term model = get_model_num(run).value_or(num(0));
    std::array<Term, 3> a{model, table, var()};
    if (call_host(run, "i_all_atrisr", a) && a[2].is_list()) {
      for (const Term& n : a[2].list_items()) {
        if (auto name = get_attri_name(run, model, n)) {
          facts.assertz(fact("table_att_i", {table, str(platform::upper_1252(text_of(*name)))}));
        }
      }
    }
  }
  return facts.exists(fact("table_att_i", {table, str(platform::upper_1252(sql_attname(run, table, att)))}));
}

// The table among the statement's tables an attribute of a condition
// belongs to: the one a select column or where item pairs it with, else
// the first that holds it, else the first.
Term att_table(Run& run, const TableList& tl, const std::vector<Term>& hints, const Term& att) {
  for (const Term& h : hints) {
    if (h.is_cons()) {
      auto items = h.list_items();
      if (items.size() == 2 && items[1] == att) return items[0];
    }
  }
  if (tl.tables.size() > 1) {
    for (const Term& t : tl.tables) {
      if (table_holds(run, t, att)) return t;
    }
  }
  return tl.tables.empty() ? Term() : tl.tables.front();
}

struct CondCtx {
  Run& run;
  const TableList& tl;
  std::vector<Term> hints;
};

std::optional<std::string> fn_text(CondCtx& c, std::string_view dbms, std::string_view driver,
                                   std::string_view name, const std::string& arg) {
  if (driver == "qeoracle7") {
    if (name == "day(") return "to_number( to_char(" + arg + ", 'DD'))";
    if (name == "month(") return "to_number( to_char(" + arg + ", 'MM'))";
    if (name == "year(") return "to_number( to_char(" + arg + ", 'YYYY'))";
    if (name == "eom(") return "last_day(" + arg + ")";
    if (name == "len(") return "length( rtrim(" + arg + "))";
  }
  if (driver == "db2cae" && (name == "day(" || name == "month(" || name == "year(")) {
    return std::string(name) + arg + ")";
  }
  (void)c;
  (void)dbms;
  return std::nullopt;
}

// One condition's tokens; nullopt when a token has no SQL translation.
std::optional<SqlText> cond_tokens_to_sql(CondCtx& c, const std::vector<Term>& toks) {
  SqlText out;
  std::vector<std::string> parts;
  const std::string& dbms = c.tl.dbms;
  const std::string& driver = c.tl.driver;
  int depth = 0;
  // The operand before the current token (for LIKE): an attribute or not.
  Term last_operand;
  bool last_is_char = false;
  auto operand = [&](const Term& tok) -> std::optional<std::string> {
    const int64_t k = tok_kind(tok);
    if (k == kTokAttribute) {
      Term att = tok.arg(1);
      Term table = att_table(c.run, c.tl, c.hints, att);
      last_is_char = char_att(c.run, att);
      return column_ref(c.run, c.tl, table, att);
    }
    if (k == kTokVariable) {
      last_is_char = false;
      if (auto t = att_type(c.run, tok.arg(1))) last_is_char = fixchar_type(t->type) || vchar_type(t->type);
      out.params.push_back(tok);
      return std::string("?");
    }
    if (k == kTokConstant) {
      if (tok.arg(1).is_number()) {
        last_is_char = false;
        return text_of(tok.arg(1));
      }
      std::string s = tok_text(tok);
      if (is_number_text(s)) {
        last_is_char = false;
        return s;
      }
      if (s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front()) {
        last_is_char = true;
        return sql_literal(s);
      }
      return std::nullopt;  // a standard constant the database does not know
    }
    return std::nullopt;
  };
  for (size_t i = 0; i < toks.size(); ++i) {
    const Term& tok = toks[i];
    const int64_t k = tok_kind(tok);
    const std::string text = tok_text(tok);
    const std::string up = platform::upper_1252(text);
    if (k == kTokCompare && up == ".LIKE.") {
      if (!last_is_char || i + 1 >= toks.size()) return std::nullopt;
      // The pattern: one operand.
      auto x = operand(toks[i + 1]);
      if (!x) return std::nullopt;
      ++i;
      std::string pat;
      if (dbms == "sqlserver") pat = "(rtrim(" + *x + ") + '%')";
      else if (dbms == "oracle7") pat = "(rtrim(" + *x + ") || '%')";
      else if (dbms == "db2") pat = "(rtrim(" + *x + ") CONCAT '%')";
      else if (dbms == "informix") pat = "(trim( TRAILING FROM " + *x + ") || '%')";
      else pat = *x;
      parts.push_back("LIKE");
      parts.push_back(pat);
      continue;
    }
    if (k == kTokAttribute || k == kTokVariable || k == kTokConstant) {
      auto x = operand(tok);
      if (!x) return std::nullopt;
      parts.push_back(*x);
      last_operand = tok;
      continue;
    }
    if (k == kTokNot) {
      parts.push_back("NOT");
      continue;
    }
    if (k == kTokLogical) {
      if (up == ".AND." || up == "AND") parts.push_back("AND");
      else if (up == ".OR." || up == "OR") parts.push_back("OR");
      else return std::nullopt;
      continue;
    }
    if (k == kTokCompare) {
      if (!one_of(text, {"=", ">", ">=", "<", "<=", "<>"})) return std::nullopt;
      parts.push_back(text);
      continue;
    }
    if (k == kTokOpen) {
      ++depth;
      parts.push_back("(");
      continue;
    }
    if (k == kTokClose) {
      if (--depth < 0) return std::nullopt;
      parts.push_back(")");
      continue;
    }
    if (k == kTokComma) {
      parts.push_back(",");
      continue;
    }
    if (k == kTokFunction) {
      const std::string fn = lower_1252(text);
      // The argument tokens up to the matching ")".
      size_t j = i + 1;
      int d = 0;
      std::vector<Term> arg;
      for (; j < toks.size(); ++j) {
        const int64_t kk = tok_kind(toks[j]);
        if (kk == kTokClose && d == 0) break;
        if (kk == kTokOpen || kk == kTokFunction) ++d;
        if (kk == kTokClose) --d;
        arg.push_back(toks[j]);
      }
      if (j >= toks.size()) return std::nullopt;
      i = j;
      if ((fn == "null(" || fn == "nullvalue(") && arg.size() == 1 && tok_kind(arg[0]) == kTokAttribute) {
        Term att = arg[0].arg(1);
        Term table = att_table(c.run, c.tl, c.hints, att);
        std::string col = column_ref(c.run, c.tl, table, att);
        auto t = att_type(c.run, att);
        if (fn == "null(" && tbl_dbms(c.run, table) == "oracle7" && t && fixchar_type(t->type)) {
          parts.push_back("(RTRIM(" + col + ") IS NULL)");
          last_is_char = false;
          continue;
        }
        auto empty = att_sql_type(c.run, att, table);
        if (!empty) return std::nullopt;
        if (fn == "null(") parts.push_back("(" + col + "=" + *empty + ")");
        else parts.push_back(*empty);
        last_is_char = t && (fixchar_type(t->type) || vchar_type(t->type));
        continue;
      }
      if (fn == "null(" && arg.size() == 1 && tok_kind(arg[0]) == kTokVariable &&
          dbms != "db2" && dbms != "as400") {
        // A variable's empty value: its type's.
        return std::nullopt;
      }
      if (fn == "ymdtod(" && arg.size() == 5 && tok_kind(arg[0]) == kTokConstant &&
          tok_kind(arg[2]) == kTokConstant && tok_kind(arg[4]) == kTokConstant) {
        const std::string y = tok_text(arg[0]), m = tok_text(arg[2]), d2 = tok_text(arg[4]);
        if (!is_number_text(y) || !is_number_text(m) || !is_number_text(d2)) return std::nullopt;
        if (dbms == "sqlserver") parts.push_back("'" + y + "-" + m + "-" + d2 + "'");
        else if (dbms == "access") parts.push_back("#" + m + "/" + d2 + "/" + y + "#");
        else return std::nullopt;
        last_is_char = false;
        continue;
      }
      if (arg.size() == 1) {
        auto x = operand(arg[0]);
        if (!x) return std::nullopt;
        auto f = fn_text(c, dbms, driver, fn, *x);
        if (!f) {
          if (!out.params.empty() && tok_kind(arg[0]) == kTokVariable) out.params.pop_back();
          return std::nullopt;
        }
        parts.push_back(*f);
        last_is_char = fn == "len(" ? false : last_is_char;
        if (fn != "eom(") last_is_char = false;
        continue;
      }
      return std::nullopt;
    }
    return std::nullopt;  // arithmetic and anything else stays program code
  }
  if (depth != 0 || parts.empty()) return std::nullopt;
  out.text = join_texts(parts, " ");
  return out;
}

std::optional<SqlText> cond_to_sql(CondCtx& c, const Term& cond) {
  Term tokens = cond.is_compound() && cond.functor() == "c" && cond.arity() >= 1 ? cond.arg(1) : cond;
  if (!tokens.is_list()) return std::nullopt;
  return cond_tokens_to_sql(c, tokens.list_items());
}

}  // namespace

std::vector<SqlText> conds_to_sql(Run& run, const TableList& tl, const std::vector<Term>& conds) {
  CondCtx c{run, tl, {}};
  std::vector<SqlText> out;
  for (const Term& cond : conds) {
    if (auto s = cond_to_sql(c, cond)) out.push_back(std::move(*s));
  }
  return out;
}

std::optional<std::vector<SqlText>> conds_to_sql_strict(Run& run, const TableList& tl,
                                                        const std::vector<Term>& conds) {
  CondCtx c{run, tl, {}};
  std::vector<SqlText> out;
  for (const Term& cond : conds) {
    auto s = cond_to_sql(c, cond);
    if (!s) return std::nullopt;
    out.push_back(std::move(*s));
  }
  return out;
}

SqlText sql_and_conds(const std::vector<SqlText>& conds) {
  SqlText out;
  for (size_t i = 0; i < conds.size(); ++i) {
    if (i) out.text += " AND ";
    out.text += "(" + conds[i].text + ")";
    out.params.insert(out.params.end(), conds[i].params.begin(), conds[i].params.end());
  }
  return out;
}

namespace {

// One where item: column op value.
std::optional<SqlText> where_item_sql(Run& run, const TableList& tl, const Term& item,
                                      bool in_on = false) {
  auto outer = [&tl](const Term& t) {
    return std::find(tl.outer.begin(), tl.outer.end(), t) != tl.outer.end();
  };
  if (!(item.is_compound() && item.functor() == "w" && item.arity() == 4)) return std::nullopt;
  SqlText out;
  const Term& table = item.arg(1);
  std::string op = text_of(item.arg(3));
  const Term& value = item.arg(4);
  std::string rhs;
  if (value.is_compound() && value.functor() == "col" && value.arity() == 2) {
    rhs = column_ref(run, tl, value.arg(1), value.arg(2));
    // An item linking an outer-joined table: the DBMS's outer-join
    // operator, written with the outer table's column on its left, except
    // inside ON of a LEFT JOIN.
    if (!in_on && op == "=") {
      if (outer(table)) {
        op = join_op(run, table);
      } else if (outer(value.arg(1))) {
        out.text = column_ref(run, tl, value.arg(1), value.arg(2)) + " " + join_op(run, value.arg(1)) + " " +
                   column_ref(run, tl, table, item.arg(2));
        return out;
      }
    }
  } else if (tok_kind(value) == kTokConstant) {
    std::string s = tok_text(value);
    if (value.arg(1).is_number() || is_number_text(s)) rhs = text_of(value.arg(1));
    else rhs = sql_literal(s);
  } else {
    rhs = "?";
    out.params.push_back(value);
  }
  out.text = column_ref(run, tl, table, item.arg(2)) + " " + op + " " + rhs;
  return out;
}

}  // namespace

SqlText sql_where_clause(Run& run, const TableList& tl, const std::vector<Term>& items,
                         const std::vector<SqlText>& conds) {
  SqlText it;
  for (const Term& item : items) {
    auto s = where_item_sql(run, tl, item);
    if (!s) continue;
    if (!it.text.empty()) it.text += " AND ";
    it.text += s->text;
    it.params.insert(it.params.end(), s->params.begin(), s->params.end());
  }
  SqlText cs = sql_and_conds(conds);
  SqlText out;
  if (it.text.empty() && cs.text.empty()) return out;
  if (!it.text.empty() && !cs.text.empty()) {
    out.text = "WHERE (" + it.text + ") AND (" + cs.text + ")";
  } else {
    out.text = "WHERE " + (it.text.empty() ? cs.text : it.text);
  }
  out.params = it.params;
  out.params.insert(out.params.end(), cs.params.begin(), cs.params.end());
  return out;
}

std::optional<std::string> sql_t_a(Run& run, const TableList& tl, const Term& column) {
  auto items = column.is_list() ? column.list_items() : std::vector<Term>{};
  if (items.size() == 3) {
    std::string agg = lower_1252(text_of(items[0]));
    if (agg == "count(") return std::string("COUNT(*)");
    std::string ref = tl.aliased() ? column_ref(run, tl, items[1], items[2])
                                   : sql_attname(run, items[1], items[2]);
    if (agg == "max(") return "MAX(" + ref + ")";
    if (agg == "min(") return "MIN(" + ref + ")";
    if (agg == "sum(") return "SUM(" + ref + ")";
    return std::nullopt;
  }
  if (items.size() == 2) return column_ref(run, tl, items[0], items[1]);
  if (column.is_compound() && column.functor() == "exp" && column.arity() >= 1 && column.arg(1).is_list()) {
    std::string out;
    std::vector<Term> hints;
    for (const Term& tok : column.arg(1).list_items()) {
      const int64_t k = tok_kind(tok);
      std::string piece;
      if (k == kTokAttribute) {
        Term table = tl.tables.empty() ? Term() : tl.tables.front();
        piece = column_ref(run, tl, table, tok.arg(1));
      } else if (tok.is_cons()) {
        auto ta = tok.list_items();
        if (ta.size() != 2) return std::nullopt;
        piece = column_ref(run, tl, ta[0], ta[1]);
      } else {
        piece = tok_text(tok);
      }
      if (!out.empty()) out += " ";
      out += piece;
    }
    return out;
  }
  return std::nullopt;
}

// --- block size, fast first rows ---------------------------------------------------------

namespace {
bool object_kind_is(Run& run, std::string_view kind) {
  auto f = run.facts().first(fact("spec_i", {var()}));
  if (!f || !f->arg(1).is_cons()) return false;
  return f->arg(1).head() == kind;
}
}  // namespace

bool fast_first_rows(Run& run, const SelectRequest& req, const DbOpts& opts,
                     std::vector<std::string>& comments) {
  if (req.read_kind != "b" && req.read_kind != "btc") return false;
  if (pgm_prop_is(run, "hint_firstrows", "N")) return false;
  if (object_kind_is(run, "trn") && !req.repeats) return true;
  if (opts.fast_first_rows == "YES") {
    comments.push_back("Fast first rows optimization enabled. FastFirstRows=YES specified.");
    return true;
  }
  if (opts.fast_first_rows == "NO") {
    comments.push_back("Fast first rows optimization DISABLED. FastFirstRows=NO specified.");
    return false;
  }
  if (object_kind_is(run, "scr")) {
    const bool load_all = run.facts().exists(fact("rule_i", {var(), fact("load", {atom("all")})}));
    if (!load_all && req.level == first_level(run)) return true;
  }
  return false;
}

int64_t block_size(Run& run, const SelectRequest& req, const DbOpts& opts,
                   std::vector<std::string>& comments) {
  if (req.cardinality == "one" || !req.where_items.empty()) return 1;
  if (opts.block_size > 0) {
    comments.push_back("Fetching in blocks of " + std::to_string(opts.block_size) +
                       " records. BLOCKSIZE= " + std::to_string(opts.block_size) + " specified.");
    return opts.block_size;
  }
  const std::string& k = req.read_kind;
  if ((k == "b" || k == "btc") && req.repeats && req.repeat_lines + 3 > 2) return req.repeat_lines + 3;
  if (one_of(k, {"b", "btc", "dc", "fvbt"})) {
    const std::string dbms = req.tables.empty() ? "" : tbl_dbms(run, entry_table(req.tables.front()));
    if (dbms == "sqlserver") return 100;
    if (dbms == "as400") return 50;
    return 10;
  }
  if (one_of(k, {"fv", "cd", "ro", "n1"})) return 1;
  return 0;
}

// --- the statement --------------------------------------------------------------------------

namespace {

// The table is updated at the level (the read takes a lock): in a
// transaction by an update or delete of it anywhere, else at the level or
// at its sublevels over the same base table.
bool updated_at(Run& run, const Term& level, const Term& table) {
  if (spec_kind_in(run, {"trn"})) {
    for (const char* op : {"u", "d"}) {
      if (run.facts().exists(fact("upd_i", {var(), table, atom(op), var()}))) return true;
    }
    return false;
  }
  return updated_at_level(run, level, table);
}

std::string table_hints(Run& run, const SelectRequest& req, const Term& table,
                        const std::string& dbms, bool ffr) {
  const bool updated = !one_of(req.read_kind, {"ro", "btc", "as", "fvbt", "fv", "cd", "dc"}) &&
                       !req.tables.empty() && entry_table(req.tables.front()) == table &&
                       (req.updated || updated_at(run, req.level, table));
  std::vector<std::string> hints;
  if (dbms == "sqlserver") {
    if (ffr) hints.push_back("FASTFIRSTROW");
    hints.push_back(updated ? "UPDLOCK" : "NOLOCK");
  } else if (dbms == "qedbase") {
    hints.push_back(updated ? "LOCKING=RECORD" : "LOCKING=NONE");
  }
  if (hints.empty()) return "";
  return " (" + join_texts(hints, " ") + ")";
}

std::string table_ref(Run& run, const SelectRequest& req, const TableList& tl, const Term& entry, bool ffr) {
  Term table = entry_table(entry);
  std::string alias = tl.aliased() ? " " + tl.alias_of(table) : "";
  if (table.is_compound() && table.functor() == "sq" && table.arity() == 1) {
    return "(" + text_of(table.arg(1)) + ")" + alias;
  }
  std::string name = table_sql_name(run, "q", table);
  const std::string dbms = table == tl.tables.front() ? tl.dbms : tbl_dbms(run, table);
  std::string hint = table_hints(run, req, table, dbms, ffr);
  if (dbms == "qedbase") return name + hint + alias;
  return name + alias + hint;
}

bool item_links(const Term& item, const Term& table) {
  if (!(item.is_compound() && item.functor() == "w" && item.arity() == 4)) return false;
  const Term& v = item.arg(4);
  if (!(v.is_compound() && v.functor() == "col" && v.arity() == 2)) return false;
  return item.arg(1) == table || v.arg(1) == table;
}

}  // namespace

SelectText sql_select_stmt(Run& run, const SelectRequest& req) {
  SelectText st;
  DbOpts opts = level_dbopts(run, req.level);
  TableList tl = make_table_list(run, req.tables);
  const Term first = tl.tables.empty() ? Term() : tl.tables.front();
  const std::string dbms = tl.dbms;
  st.fast_first_rows = fast_first_rows(run, req, opts, st.comments);
  st.block_size = block_size(run, req, opts, st.comments);

  // SELECT part.
  std::vector<std::string> cols;
  for (const Term& c : req.columns) {
    auto ref = sql_t_a(run, tl, c);
    if (!ref) continue;
    std::optional<Term> alias;
    if (c.is_compound() && c.functor() == "exp" && c.arity() == 2) {
      alias = c.arg(2);
    } else if (c.is_list()) {
      auto items = c.list_items();
      if (auto a = run.facts().first(fact("a_alias_i", {items.back(), var()}))) alias = a->arg(2);
    }
    cols.push_back(*ref + (alias ? " AS " + text_of(*alias) : ""));
  }
  std::string hint = (dbms == "oracle7" && st.fast_first_rows) ? "/*+ FIRST_ROWS */ " : "";
  std::string select_part = "SELECT " + hint + join_texts(cols, ", ");

  // FROM part, and the where items that went into ON.
  std::vector<Term> where_items = req.where_items;
  std::string from_part;
  SqlText on_params;
  if (!req.tables.empty()) {
    const bool any_outer = std::any_of(req.tables.begin(), req.tables.end(), entry_outer);
    const bool natural = any_outer && outer_join_natural(run, first);
    if (natural && dbms == "informix") {
      from_part = "FROM " + table_ref(run, req, tl, req.tables.front(), st.fast_first_rows);
      for (size_t i = 1; i < req.tables.size(); ++i) {
        from_part += (entry_outer(req.tables[i]) ? ", OUTER " : ", ") +
                     table_ref(run, req, tl, req.tables[i], st.fast_first_rows);
      }
    } else if (natural && (dbms == "db2" || dbms == "as400" || sqlserver_version_ge(run, first, 7))) {
      std::string left = table_ref(run, req, tl, req.tables.front(), st.fast_first_rows);
      std::vector<std::string> inner;
      for (size_t i = 1; i < req.tables.size(); ++i) {
        const Term t = entry_table(req.tables[i]);
        std::string right = table_ref(run, req, tl, req.tables[i], st.fast_first_rows);
        if (!entry_outer(req.tables[i])) {
          inner.push_back(right);
          continue;
        }
        std::vector<std::string> on;
        std::vector<Term> rest;
        for (const Term& item : where_items) {
          if (item_links(item, t)) {
            if (auto s = where_item_sql(run, tl, item, true)) {
              on.push_back(s->text);
              on_params.params.insert(on_params.params.end(), s->params.begin(), s->params.end());
              continue;
            }
          }
          rest.push_back(item);
        }
        where_items = rest;
        if (on.empty()) on.push_back("1 = 1");
        left = "(" + left + " LEFT JOIN " + right + " ON " + join_texts(on, " AND ") + ")";
      }
      inner.insert(inner.begin(), left);
      from_part = "FROM " + join_texts(inner, ", ");
    } else {
      std::vector<std::string> refs;
      for (const Term& e : req.tables) refs.push_back(table_ref(run, req, tl, e, st.fast_first_rows));
      from_part = "FROM " + join_texts(refs, ", ");
    }
  }

  // WHERE part.
  SqlText where = sql_where_clause(run, tl, where_items, conds_to_sql(run, tl, req.conds));

  // ORDER BY part.
  std::string order_part;
  if (opts.order_none) {
    st.comments.push_back("Order clause NOT generated. ORDER=*NONE specified.");
  } else if (!req.order.empty()) {
    std::vector<std::string> refs;
    for (const Term& o : req.order) {
      auto items = o.is_list() ? o.list_items() : std::vector<Term>{};
      if (items.size() != 2) continue;
      Term att = items[1];
      bool desc = false;
      if (att.is_compound() && att.functor() == "-" && att.arity() == 1) {
        att = att.arg(1);
        desc = true;
      } else if (att.is_int() && att.as_int() < 0) {
        att = num(-att.as_int());
        desc = true;
      }
      refs.push_back(column_ref(run, tl, items[0], att) + (desc ? " DESC" : ""));
    }
    if (!refs.empty()) order_part = "ORDER BY " + join_texts(refs, ", ");
  }

  // Locking part.
  std::string lock_part;
  if (!req.where_items.empty()) {
    std::vector<Term> order_terms;
    for (const Term& o : req.order) order_terms.push_back(o);
    if (dbms != "sqlserver" && for_update_usable(run, first, Term::list(order_terms))) {
      std::vector<std::string> wcols;
      for (const Term& item : req.where_items) {
        if (item.is_compound() && item.functor() == "w" && item.arity() == 4) {
          wcols.push_back(sql_attname(run, item.arg(1), item.arg(2)));
        }
      }
      lock_part = "FOR UPDATE OF " + join_texts(wcols, ", ") + nowait_clause(run, first);
    }
  } else if (dbms != "sqlserver" && !req.tables.empty() && dbms_fetch_only(run, first)) {
    lock_part = "FOR FETCH ONLY";
  }

  // Optimisation part.
  std::string opt_part;
  if ((dbms == "db2" || dbms == "as400") && st.fast_first_rows && st.block_size > 1) {
    opt_part = " OPTIMIZE FOR " + std::to_string(st.block_size) + " ROWS";
  }

  st.sql.text = select_part + " " + "" + " " + from_part + " " + where.text + " " + order_part + " " + "" +
                " " + lock_part + opt_part;
  st.sql.params = on_params.params;
  st.sql.params.insert(st.sql.params.end(), where.params.begin(), where.params.end());
  return st;
}

// --- cursor names ------------------------------------------------------------------------------

std::string cursor_base(Run& run) {
  std::string prefix = pgm_prop_dft(run, "statement_id_prefix", "").substr(0, 1);
  const auto& facts = run.facts();
  auto req = facts.first(fact("spec_i", {var()}));
  std::vector<Term> items = req && req->arg(1).is_list() ? req->arg(1).list_items() : std::vector<Term>{};
  const bool stub = facts.exists(fact("rule_i", {num(0), fact("stub", {var()})}));
  if (facts.count("gen_reo_i", 0) > 0 || stub) {
    std::string name = items.size() > 3 ? text_of(items[3]) : "";
    std::string up = platform::upper_1252(name.substr(0, 3));
    std::string mapped;
    if (up == "WQN") mapped = "O";
    else if (up == "QNU") mapped = "U";
    else if (up == "QNR") mapped = "L";
    else mapped = name.substr(0, 3);
    std::string base = prefix + mapped + (name.size() > 3 ? name.substr(3) : "");
    return base.substr(0, 10);
  }
  std::string letter = items.empty() ? "" : kind_letter(text_of(items[0]));
  int64_t number = items.size() > 1 && items[1].is_int() ? items[1].as_int() : 0;
  return prefix + letter + padl(std::to_string(number), 4, '0');
}

std::optional<std::string> open_cursor_num(Run& run, const Term& level, const Term& tables) {
  for (const Term& f : run.facts().findall(fact("c_num_i", {level, tables, var()}))) {
    const Term& info = f.arg(3);
    if (!info.is_cons()) continue;
    if (run.facts().exists(fact("open_i", {info.head()}))) return text_of(info.head());
  }
  return std::nullopt;
}

std::string cursor_name(Run& run, const Term& level, const Term& tables, std::string_view select,
                        std::string_view where) {
  if (auto open = open_cursor_num(run, level, tables)) return *open;
  auto& facts = run.facts();
  int64_t last = 1;
  if (auto f = facts.retract(fact("last_c_num_i", {var()})); f && f->arg(1).is_int()) last = f->arg(1).as_int();
  const int64_t n = last + 1;
  facts.assertz(fact("last_c_num_i", {num(n)}));
  std::string name = cursor_base(run) + std::to_string(n);
  facts.assertz(fact("c_num_i", {level, tables, Term::list({str(name)})}));
  facts.assertz(fact("c_sel_i", {str(name), str(select)}));
  facts.assertz(fact("c_where_i", {str(name), str(where)}));
  facts.assertz(fact("open_i", {str(name)}));
  return name;
}

}  // namespace qn::logic
