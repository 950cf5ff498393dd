#include "logic/reorg/reorg_object.h"

#include <array>
#include <cstdlib>
#include <set>

#include "logic/core/dbms_caps.h"
#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/messages.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/output.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/navigation/program_start.h"
#include "logic/program/expressions.h"
#include "logic/program/pgm_calls.h"
#include "logic/program/program_frame.h"
#include "logic/program/reorg_programs.h"
#include "logic/sql/ddl/ddl_text.h"
#include "logic/sql/ddl/index_ddl.h"
#include "logic/sql/ddl/table_ddl.h"
#include "logic/sql/index_selection.h"
#include "logic/sql/sql_statements.h"
#include "logic/sql/table_locks.h"
#include "logic/toolbox/declarations.h"
#include "platform/cp1252.h"

namespace qn::logic::reorg {

using engine::Term;
using ddl::bad_input;
using ddl::check_name;
using ddl::IndexDef;
using ddl::TableKey;

namespace {

// Counter 6 counts the tables of the current program; every 50th starts a
// new piece.
constexpr int kSplitCounter = 6;
constexpr int64_t kPieceSize = 50;

bool creating_database(const Run& run) {
  auto spec = spec_list(run);
  if (!spec || !spec->is_list()) return false;
  const auto items = spec->list_items();
  return items.size() >= 6 && items[5] == "crt";
}

std::string entry_what(const Entry& e) { return "Reorganisation of table " + text_of(e.table); }

std::vector<int64_t> abs_numbers(const std::vector<Term>& atts) {
  std::vector<int64_t> out;
  for (const Term& a : atts) out.push_back(a.is_int() ? std::llabs(a.as_int()) : 0);
  return out;
}

// What the programs write for one table, worked out and checked before
// any program is opened.
struct Plan {
  Entry entry;
  Changes changes;
  std::string name;        // the table's name in the knowledge base
  std::string final_name;  // its new name, else name
  TableKey key;
  std::vector<IndexDef> creates;       // indexes to create in qnrgzc
  std::vector<std::string> drops;      // indexes of the old structure to drop
  std::vector<Term> lock_also;         // superordinate tables locked with it
  // The table is built anew: new, or through its temporary table.
  bool whole() const { return !changes.columns_only(); }
  bool temporary() const { return !changes.created && !changes.columns_only(); }
  // qnrgzc renames the temporary table to the final name.
  bool renames() const { return temporary() && entry.aux != final_name; }
};

std::optional<std::string> kb_table_name(Run& run, int64_t model, const Term& table) {
  std::array<Term, 3> a{num(model), table, var()};
  if (!call_host(run, "i_tblname", a)) return std::nullopt;
  return text_of(a[2]);
}

TableKey table_key(Run& run, int64_t model, const Term& table, const std::vector<Term>& indexes) {
  TableKey key;
  std::array<Term, 3> pk{num(model), table, var()};
  if (call_host(run, "i_obt_prim_key", pk) && pk[2].is_list()) key.primary = pk[2].list_items();
  key.kind = key.primary.empty() ? "nopk" : "pk";
  // The primary index: the unique index over the key's attributes.
  for (const Term& e : indexes) {
    const auto i = e.list_items();
    if (i.size() == 3 && i[1] == "u" && abs_numbers(i[2].list_items()) == abs_numbers(key.primary)) {
      key.index = text_of(i[0]);
      break;
    }
  }
  return key;
}

// The table's valid indexes as [IndexName, Kind, Attributes] entries.
std::vector<Term> table_indexes(Run& run, int64_t model, const Term& table) {
  Term found;
  if (!valid_indexes(run, num(model), table, found) || !found.is_list()) return {};
  std::vector<Term> out;
  for (const Term& e : found.list_items()) {
    const auto i = e.list_items();
    std::array<Term, 6> a{num(model), table, i[0], var(), var(), var()};
    if (!call_host(run, "i_index", a)) continue;
    out.push_back(Term::list({str(text_of(a[3])), i[1], i[2]}));
  }
  return out;
}

std::optional<Plan> plan_entry(Run& run, int64_t model, const Entry& e) {
  const std::string what = entry_what(e);
  Plan p{e, all_table_changes(run, e), "", "", {}, {}, {}, {}};
  const auto atts = ddl::table_attributes(run, num(model), e.table);
  const auto name = kb_table_name(run, model, e.table);
  if (!atts || atts->empty() || !name) {
    bad_input(run, what, "the knowledge base does not know the table");
    return std::nullopt;
  }
  p.name = *name;
  p.final_name = p.name;
  if (auto ren = run.facts().first(fact("ren_i", {e.table, var()}))) {
    const auto names = ren->arg(2).list_items();
    if (names.empty()) {
      bad_input(run, what, "its ren_i/2 fact gives no new name");
      return std::nullopt;
    }
    p.final_name = text_of(names[0]);
  }
  if (!check_name(run, what, p.name) || !check_name(run, what, p.final_name)) return std::nullopt;
  if (p.temporary() && !check_name(run, what, e.aux)) return std::nullopt;
  const std::vector<Term> indexes = table_indexes(run, model, e.table);
  p.key = table_key(run, model, e.table, indexes);
  if ((e.kind == "pk" || e.kind == "nopk") && p.key.primary.empty() && p.temporary()) {
    bad_input(run, what, "it has no primary key, and its temporary table needs one");
    return std::nullopt;
  }
  // The indexes of the new structure to create.
  std::set<std::string> wanted(p.changes.index_made.begin(), p.changes.index_made.end());
  for (const Term& i : indexes) {
    const auto parts = i.list_items();
    if (parts.size() != 3) continue;
    const std::string index = text_of(parts[0]);
    if (!p.whole() && wanted.count(index) == 0) continue;
    IndexDef def{index, text_of(parts[1]), parts[2].list_items()};
    if (def.attributes.empty()) {
      bad_input(run, what, "its index " + index + " has no attributes");
      return std::nullopt;
    }
    if (!check_name(run, what, index)) return std::nullopt;
    p.creates.push_back(def);
    wanted.erase(index);
  }
  if (!wanted.empty()) {
    bad_input(run, what, "the knowledge base has no index " + *wanted.begin() + " to create");
    return std::nullopt;
  }
  for (const std::string& d : p.changes.index_dropped) {
    if (!check_name(run, what, d)) return std::nullopt;
    p.drops.push_back(d);
  }
  // Every statement text, so that nothing is written for a table that
  // cannot be written whole.
  const Term m = num(model);
  const auto& k = p.key;
  if (p.changes.created &&
      !ddl::create_table_text(run, m, e.table, p.final_name, k.index, k.kind, k.primary, "p")) {
    return std::nullopt;
  }
  if (p.temporary()) {
    if (!ddl::create_table_text(run, m, e.table, e.aux, k.index, e.kind, k.primary, "a") ||
        !ddl::create_table_text(run, m, e.table, p.final_name, k.index, k.kind, k.primary, "p")) {
      return std::nullopt;
    }
    if (e.kind == "nopk" &&
        !ddl::create_index_text(run, m, e.table, e.aux, {temp_index_name(e.aux), "u", k.primary})) {
      return std::nullopt;
    }
  }
  if (p.renames() && ddl::rename_table_ok(run, e.table) && !k.index.empty() &&
      !ddl::create_index_text(run, m, e.table, p.final_name, {k.index, "u", k.primary})) {
    return std::nullopt;
  }
  if (p.renames()) {
    const bool in_place = ddl::rename_table_ok(run, e.table);
    if (in_place && !ddl::rename_table_text(run, e.table, e.aux, p.final_name)) return std::nullopt;
    if ((!in_place || !tbl_schema(run, e.table).empty()) &&
        !ddl::copy_table_text(run, m, e.table, e.aux, p.final_name, k)) {
      return std::nullopt;
    }
  }
  if (p.changes.columns_only()) {
    if (!p.changes.added.empty() && alter_add_col_ok(run, e.table) &&
        !ddl::alter_add_text(run, m, e.table, p.final_name, p.changes.added)) {
      return std::nullopt;
    }
    if (!p.changes.removed.empty() && alter_drop_col_ok(run, e.table) &&
        !ddl::alter_drop_text(run, e.table, p.final_name, p.changes.removed)) {
      return std::nullopt;
    }
  }
  for (const IndexDef& i : p.creates) {
    if (!ddl::create_index_text(run, m, e.table, p.final_name, i)) return std::nullopt;
  }
  return p;
}

// super_tables_i/2 (Table, [Super ...]): the superordinate tables of a new
// table that need reorganisation and are not themselves to create, asked
// of the knowledge base once per table.
std::vector<Term> super_tables(Run& run, int64_t model, const Term& table,
                               const std::set<int64_t>& listed) {
  if (auto f = run.facts().first(fact("super_tables_i", {table, var()}))) return f->arg(2).list_items();
  std::vector<Term> keep;
  std::array<Term, 3> a{num(model), table, var()};
  if (call_host(run, "i_dir_super", a) && a[2].is_list()) {
    for (const Term& e : a[2].list_items()) {
      const Term t = e.is_list() && !e.list_items().empty() ? e.list_items()[0] : e;
      if (!t.is_int() || listed.count(t.as_int()) > 0) continue;
      std::array<Term, 2> n{num(model), t};
      if (call_host(run, "i_need_reorg", n)) keep.push_back(t);
    }
  }
  run.facts().assertz(fact("super_tables_i", {table, Term::list(keep)}));
  return keep;
}

bool log(Run& run, std::string_view key, std::vector<Term> args = {}) {
  return reorg_add_msg(run, atom(key), args);
}
bool log(Run& run, int64_t key, std::vector<Term> args) { return reorg_add_msg(run, num(key), args); }

// The current program as a fresh class: its file opened, its facts reset.
bool open_program(Run& run, int64_t model, int64_t number, const std::string& program) {
  set_current_pgm(run, number, atom("ce"), str(program));
  return reset_pgm_facts(run, model, str(program));
}

// start_reorg_pgm/2.
bool start_reorg_pgm(Run& run, int64_t model, int64_t number, const std::string& program) {
  run.facts().abolish("last_source_name_i", 1);
  run.facts().abolish("reorg_source_name_i", 2);
  if (!open_program(run, model, number, program)) return false;
  run.engine().ctr_set(kSplitCounter, 1);
  return gen_routine_start(run, "m", str(program), Term::list({}), {});
}

// end_reorg_pgm/2: the program counts as updating, so its end commits.
bool end_reorg_pgm(Run& run) {
  run.facts().asserta(fact("upd_i", {num(0), num(0), atom("i"), Term::list({})}));
  return emit_cleanup_call(run) && end_routine(run, "0") && gen_program_end(run);
}

bool comment_lines(Run& run, const std::vector<std::string>& lines) {
  std::vector<std::vector<Piece>> block;
  for (const std::string& l : lines) block.push_back({l});
  return emit_comment_block(run, block);
}

bool create_step_table(Run& run, int64_t model, const Plan& p, std::string_view name,
                       std::string_view kind, std::string_view mode) {
  const auto& k = p.key;
  return log(run, "filecrea", {str(name)}) &&
         ddl::create_table(run, num(model), p.entry.table, name, k.index, kind, k.primary, mode);
}

}  // namespace

std::string temp_index_name(const std::string& aux) { return "I" + aux; }

std::optional<std::vector<Entry>> reorg_entries(Run& run) {
  std::vector<Entry> out;
  for (const Term& f : run.facts().clauses("new_tables", 3)) {
    Entry e;
    e.table = f.arg(1);
    e.kind = text_of(f.arg(2));
    const auto list = f.arg(3).is_list() ? f.arg(3).list_items() : std::vector<Term>{};
    const bool kind_ok = e.kind == "pk" || e.kind == "nopk" || e.kind == "new" || e.kind == "same";
    if (!e.table.is_int() || !kind_ok || list.size() < 2) {
      bad_input(run, "Reorganisation", "the entry " + engine::write(f) +
                                           " is not new_tables(Table, pk|nopk|new|same, "
                                           "[ConversionProgram, AuxiliaryName | Changes])");
      return std::nullopt;
    }
    e.program = list[0];
    e.aux = text_of(list[1]);
    e.items.assign(list.begin() + 2, list.end());
    out.push_back(std::move(e));
  }
  return out;
}

bool to_create(Run& run, const Entry& entry) {
  for (const Term& f : run.facts().clauses("new_tables", 3)) {
    if (f.arg(1) == entry.table && text_of(f.arg(2)) == entry.kind) return true;
  }
  return false;
}

Changes all_table_changes(Run& run, const Entry& entry) {
  Changes c;
  if (creating_database(run) || entry.kind == "new") {
    c.created = true;
    return c;
  }
  for (const Term& item : entry.items) {
    if (item == "new") {
      c.created = true;
    } else if (item == "ren") {
      c.renamed = true;
    } else if (item.is_compound() && item.functor() == "att" && item.arity() == 1 &&
               item.arg(1).is_list()) {
      for (const Term& a : item.arg(1).list_items()) {
        const auto pair = a.is_list() ? a.list_items() : std::vector<Term>{};
        if (pair.size() == 2 && pair[1] == "nn") {
          c.added.push_back(pair[0]);
        } else if (pair.size() == 2 && pair[1] == "del") {
          c.removed.push_back(pair[0]);
        } else {
          c.other = true;
        }
      }
    } else if (item.is_compound() && item.arity() == 1 &&
               (item.functor() == "ic" || item.functor() == "in")) {
      c.index_made.push_back(text_of(item.arg(1)));
    } else if (item.is_compound() && item.arity() == 1 && item.functor() == "id") {
      c.index_dropped.push_back(text_of(item.arg(1)));
    } else if (item.is_compound() && item.arity() == 1 && item.functor() == "ir") {
      c.index_dropped.push_back(text_of(item.arg(1)));
      c.index_made.push_back(text_of(item.arg(1)));
    } else {
      c.other = true;
    }
  }
  if (run.facts().exists(fact("ren_i", {entry.table, var()}))) c.renamed = true;
  // A column its database cannot add with ALTER TABLE would never reach
  // the table: the table is rebuilt through its temporary table instead.
  if (c.columns_only() && !c.added.empty() && !alter_add_col_ok(run, entry.table)) c.other = true;
  // A table with no change listed is rebuilt whole.
  if (!c.created && !c.renamed && c.added.empty() && c.removed.empty() && c.index_made.empty() &&
      c.index_dropped.empty()) {
    c.other = true;
  }
  return c;
}

std::vector<std::string> rgz_pgm_name(Run& run, const std::vector<Entry>& entries) {
  std::vector<std::string> out;
  for (const Entry& e : entries) {
    if (e.kind != "pk" && e.kind != "nopk") continue;
    const Changes c = all_table_changes(run, e);
    if (c.created || c.columns_only()) continue;
    out.push_back(text_of(e.program));
  }
  return out;
}

bool reorg_split(Run& run, int64_t model, const std::string& program) {
  const int64_t now = run.engine().ctr_inc(kSplitCounter) + 1;
  if (now % kPieceSize != 0) return true;
  const std::string next = program + std::to_string(now / kPieceSize);
  std::string previous = program;
  if (auto last = run.facts().first(fact("last_source_name_i", {var()}))) previous = text_of(last->arg(1));
  int64_t number = 0;
  if (auto id = run.facts().first(fact("pgm_id", {var()}))) {
    const auto i = id->arg(1).list_items();
    if (!i.empty() && i[0].is_int()) number = i[0].as_int();
  }
  bool ok = emit_comment_block(run, {{"Source code for the original file", program, "is too big."},
                                     {"The code is splitted into smaller pieces."}}) &&
            gen_pgm_call(run, "udp", str(next), kTokConstant, Term::list({}), {}) &&
            end_routine(run, "0") && gen_program_end(run);
  if (!ok || !open_program(run, model, number, next)) return false;
  auto& facts = run.facts();
  facts.abolish("last_source_name_i", 1);
  facts.assertz(fact("last_source_name_i", {str(next)}));
  facts.assertz(fact("reorg_source_name_i", {str(program), str(next)}));
  return gen_routine_start(run, "p", str(next), Term::list({}), {}) &&
         emit_comment_block(run, {{"This program is part of program", program, "that is too big"},
                                  {"and was splitted into smaller pieces."},
                                  {""},
                                  {"This program is called by", previous + "."}});
}

namespace {

bool gen_crtdb(Run& run, int64_t model, int64_t number) {
  const std::string program = "QNCrtDB";
  if (!open_program(run, model, number, program) ||
      !gen_routine_start(run, "p", str(program), Term::list({}), {})) {
    return false;
  }
  bool ok = emit_comment(run, {"This program creates the database to hold tables an indices."});
  if (cs_reorg_on(run)) {
    ok = ok && ddl::gen_create_collection(run);
  } else {
    // The line the rule writes, kept as a Java comment.
    ok = ok && Out(run).pieces({"//", "* No statements required to create database for current DBMS"}).ok();
  }
  return ok && end_routine(run, "0") && gen_program_end(run);
}

// The tables of the first two steps: each table to create or change, and
// (reorganising, with referential integrity in the database) the
// superordinate tables of its new tables.
std::vector<std::pair<Term, const Plan*>> step_tables(Run& run, int64_t model,
                                                       const std::vector<Plan>& plans) {
  std::set<int64_t> listed;
  for (const Plan& p : plans) listed.insert(p.entry.table.as_int());
  std::vector<std::pair<Term, const Plan*>> out;
  std::set<int64_t> seen;
  for (const Plan& p : plans) {
    out.push_back({p.entry.table, &p});
    if (creating_database(run) || !p.changes.created || !ref_int_in_db(run, p.entry.table)) continue;
    for (const Term& s : super_tables(run, model, p.entry.table, listed)) {
      if (seen.insert(s.as_int()).second) out.push_back({s, nullptr});
    }
  }
  return out;
}

bool gen_rgza(Run& run, int64_t model, int64_t number, const std::vector<Plan>& plans) {
  const std::string program = "qnrgza";
  if (!start_reorg_pgm(run, model, number, program)) return false;
  bool ok = comment_lines(run, {"", "This is the first program in the reorganization process.",
                                "It must be compiled and run before any other reorganization",
                                "program.", ""});
  const bool tables = cs_reorg_on(run);
  const auto locked = step_tables(run, model, plans);
  ok = ok && emit_comment(run, {"Lock tables"}) && log(run, "rgzlcktb", {str("1")});
  for (const auto& [table, plan] : tables ? locked : decltype(locked){}) {
    const std::string name = plan ? plan->name : kb_table_name(run, model, table).value_or("");
    if (name.empty()) continue;
    const bool created = plan && plan->changes.created;
    ok = ok && log(run, "rgztbllck", {str(name)}) &&
         gen_lock_table(run, table, atom(created ? "n" : "o"), str(created && plan ? plan->final_name : name));
    if (ok && plan && !created && plan->final_name != name) {
      ok = gen_lock_table(run, table, atom("o"), str(plan->final_name));
    }
  }
  ok = ok && emit_comment(run, {"Drop integrity constraints (if any)."}) && log(run, "rgzdic", {str("2")});
  for (const auto& [table, plan] : tables ? locked : decltype(locked){}) {
    if (!ok) break;
    if ((plan && plan->changes.created) || !ref_int_in_db(run, table)) continue;
    if (run.facts().exists(fact("dropped_i", {table}))) continue;
    const std::string name = plan ? plan->name : kb_table_name(run, model, table).value_or("");
    if (name.empty()) continue;
    ok = log(run, "rgzd1c", {str(name)}) && ddl::gen_drop_foreign_keys(run, num(model), table, name);
    run.facts().assertz(fact("dropped_i", {table}));
  }
  run.facts().abolish("dropped_i", 1);
  ok = ok && emit_comment(run, {"Create new and temporary tables."}) && log(run, "rgzctnt", {str("3")});
  for (const Plan& p : tables ? plans : std::vector<Plan>{}) {
    if (!ok) break;
    if (p.changes.created) {
      ok = create_step_table(run, model, p, p.final_name, p.key.kind, "p");
    } else if (p.temporary()) {
      ok = create_step_table(run, model, p, p.entry.aux, p.entry.kind, "a");
    }
    ok = ok && reorg_split(run, model, program);
  }
  ok = ok && emit_comment(run, {"Creating temporary indexes."});
  for (const Plan& p : tables ? plans : std::vector<Plan>{}) {
    if (!ok) break;
    if (p.entry.kind != "nopk" || !p.temporary()) continue;
    const IndexDef index{temp_index_name(p.entry.aux), "u", p.key.primary};
    const auto text = ddl::create_index_text(run, num(model), p.entry.table, p.entry.aux, index);
    ok = text && log(run, "creaindx", {str(p.entry.aux + " (temp)")}) &&
         gen_exec_immediate(run, *text, "", "n") && reorg_split(run, model, program);
  }
  return end_reorg_pgm(run) && ok;
}

bool gen_rgzb(Run& run, int64_t model, int64_t number, const std::vector<Entry>& entries,
              const std::vector<Plan>& plans) {
  const std::string program = "qnrgzb";
  if (!start_reorg_pgm(run, model, number, program)) return false;
  bool ok = comment_lines(run, {"", "This program controls table creation either for the creation or",
                                "reorganization processes.", "", "",
                                "Execute reorganization programs (none if creating the database)."});
  ok = ok && log(run, "rgzrrpgm", {str("4")});
  for (const std::string& pgm : rgz_pgm_name(run, entries)) {
    ok = ok && log(run, "runpgm", {str(pgm)}) &&
         gen_pgm_call(run, "udp", str(pgm), kTokConstant, Term::list({}), {}) &&
         reorg_split(run, model, program);
  }
  ok = ok && Out(run).pieces({"Application.dropPreparedCursors(" + context_args() + ");"}).ok();
  ok = ok && emit_comment(run, {"Creating final tables."});
  const bool tables = cs_reorg_on(run);
  for (const Plan& p : tables ? plans : std::vector<Plan>{}) {
    if (!ok) break;
    const Changes& c = p.changes;
    const Term& t = p.entry.table;
    const std::string schema = tbl_schema(run, t);
    if (c.created || c.columns_only() || c.indexes_only()) {
      // Nothing to create.
    } else if (c.renamed && (table_dbms(run, t) == "informix" || schema.empty())) {
      // The rename gives the final table.
    } else if (c.renamed) {
      auto tok = [](std::string_view text, int64_t kind) {
        return fact("t", {atom(std::string(text)), num(kind)});
      };
      const Term not_owner = Term::list(
          {tok("upper(", kTokFunction), tok("userid(", kTokFunction), tok("\"Server\"", kTokConstant),
           tok(")", kTokClose), tok(")", kTokClose), tok("<>", kTokCompare),
           tok("\"" + platform::upper_1252(schema) + "\"", kTokConstant)});
      ok = emit_if(run, not_owner, {}) && log(run, 1000, {str(p.final_name)}) &&
           ddl::create_table(run, num(model), t, p.final_name, p.key.index, p.key.kind, p.key.primary, "p") &&
           emit_close_brace(run);
    } else {
      ok = ddl::create_table(run, num(model), t, p.final_name, p.key.index, p.key.kind, p.key.primary, "p");
    }
    ok = ok && reorg_split(run, model, program);
  }
  ok = ok && emit_comment(run, {"Dropping temporary indexes."});
  for (const Plan& p : tables ? plans : std::vector<Plan>{}) {
    if (!ok) break;
    if (p.entry.kind != "nopk" || !p.temporary()) continue;
    ok = log(run, "dropindx", {str(p.entry.aux + " (temp)")}) &&
         ddl::gen_drop_index(run, p.entry.table, temp_index_name(p.entry.aux), p.entry.aux) &&
         reorg_split(run, model, program);
  }
  return end_reorg_pgm(run) && ok;
}

bool gen_rgzc(Run& run, int64_t model, int64_t number, const std::vector<Plan>& plans) {
  const std::string program = "qnrgzc";
  if (!start_reorg_pgm(run, model, number, program)) return false;
  bool ok = comment_lines(run, {"", "This program controls table creation either for the creation or",
                                "reorganization processes.", "", "",
                                "Rename auxiliary tables to the appropriate name."});
  const bool tables = cs_reorg_on(run);
  const Term m = num(model);
  ok = ok && log(run, "rgzrnmtbl", {str("6")});
  for (const Plan& p : tables ? plans : std::vector<Plan>{}) {
    if (!ok) break;
    if (!p.renames()) continue;
    const std::string drop_old = p.entry.kind == "same" ? "n" : "y";
    const Term& t = p.entry.table;
    ok = log(run, "fileren", {str(p.final_name)}) &&
         (ddl::rename_table_ok(run, t)
              ? ddl::gen_rename_table(run, m, t, p.entry.aux, p.final_name, p.key, drop_old)
              : ddl::gen_copy_table(run, m, t, p.entry.aux, p.final_name, p.key, drop_old)) &&
         reorg_split(run, model, program);
  }
  ok = ok && emit_comment(run, {"Adding attributes to tables' structure."});
  for (const Plan& p : tables ? plans : std::vector<Plan>{}) {
    if (!ok) break;
    if (!p.changes.columns_only() || p.changes.added.empty()) continue;
    if (alter_add_col_ok(run, p.entry.table) && p.final_name == p.name) {
      ok = ddl::gen_alter_add(run, m, p.entry.table, p.final_name, p.changes.added);
    }
    ok = ok && reorg_split(run, model, program);
  }
  ok = ok && log(run, "rgzbldidx", {str("7")});
  for (const Plan& p : tables ? plans : std::vector<Plan>{}) {
    if (!ok) break;
    const Term& t = p.entry.table;
    ok = ddl::gen_synonym(run, t, p.final_name) && emit_comment(run, {"Indices for table", p.final_name});
    for (const std::string& d : p.drops) {
      const IndexDef old{d, "d", {}};
      ok = ok && log(run, 1001, {str(p.final_name), str(d)}) && ddl::gen_pk_or_index(run, t, old, p.final_name);
    }
    // A temporary table renamed in place was made without key: its primary
    // index is built here, or the final table would have none.
    if (p.renames() && ddl::rename_table_ok(run, t) && !p.key.index.empty()) {
      const auto text = ddl::create_index_text(run, m, t, p.final_name, {p.key.index, "u", p.key.primary});
      ok = ok && text && ddl::gen_drop_index(run, t, p.key.index, p.final_name) &&
           gen_exec_immediate(run, *text, "", "n");
    }
    for (const IndexDef& i : p.creates) ok = ok && ddl::gen_create_index(run, m, t, p.final_name, i, "p");
    ok = ok && emit_comment(run, {"Referential constraints on table", p.final_name}) &&
         ddl::gen_foreign_keys(run, m, t, p.final_name) && reorg_split(run, model, program);
  }
  ok = ok && emit_comment(run, {"Dropping attributes from tables' structure."});
  for (const Plan& p : tables ? plans : std::vector<Plan>{}) {
    if (!ok) break;
    if (!p.changes.columns_only() || p.changes.removed.empty()) continue;
    if (alter_drop_col_ok(run, p.entry.table)) {
      ok = ddl::gen_alter_drop(run, m, p.entry.table, p.final_name, p.changes.removed);
    }
    ok = ok && reorg_split(run, model, program);
  }
  return end_reorg_pgm(run) && ok;
}

}  // namespace

bool gen_reorg_object(Run& run, int64_t model, int64_t number, const Term& spec_tail) {
  // The object's own model, when its specification names one.
  if (spec_tail.is_cons() && spec_tail.arg(1).is_int()) {
    run.facts().abolish("model_num_i", 1);
    run.facts().assertz(fact("model_num_i", {spec_tail.arg(1)}));
  }
  // Everything is checked first: a table that cannot be written leaves no
  // program behind.
  const auto entries = reorg_entries(run);
  if (!entries) return false;
  std::vector<Plan> plans;
  std::vector<Entry> tables;  // the first entry of each table
  bool ok = true;
  std::set<int64_t> seen;
  for (const Entry& e : *entries) {
    if (!seen.insert(e.table.as_int()).second) continue;
    tables.push_back(e);
    if (auto p = plan_entry(run, model, e)) {
      plans.push_back(std::move(*p));
    } else {
      ok = false;
    }
  }
  if (!ok) return false;
  // The log's texts too: a program never stops half-way for a missing one.
  std::vector<Term> keys;
  for (const char* key : {"rgzlcktb", "rgztbllck", "rgzdic", "rgzd1c", "rgzctnt", "filecrea", "creaindx",
                          "rgzrrpgm", "runpgm", "dropindx", "rgzrnmtbl", "fileren", "rgzbldidx"}) {
    keys.push_back(atom(key));
  }
  keys.push_back(num(1000));
  keys.push_back(num(1001));
  for (const Term& key : keys) {
    if (!run.facts().exists(fact("lit", {Term::atom(current_idiom(run)), key, var()}))) {
      return bad_input(run, "Reorganisation log", "the message file has no text for the key " +
                                                      text_of(key) + " in language " +
                                                      std::string(current_idiom(run).name()));
    }
  }
  return gen_crtdb(run, model, number) && gen_rgza(run, model, number, plans) &&
         gen_rgzb(run, model, number, tables, plans) && gen_rgzc(run, model, number, plans) &&
         gen_reorganization_main(run, model);
}

}  // namespace qn::logic::reorg
