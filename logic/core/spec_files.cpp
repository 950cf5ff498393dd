#include "logic/core/spec_files.h"

#include <string>

#include "logic/core/host_calls.h"
#include "logic/core/messages.h"
#include "logic/core/rule_terms.h"

namespace qn::logic {

using engine::Atom;
using engine::PredKey;
using engine::Term;

namespace {

PredKey key(const char* name, uint32_t arity) { return PredKey{Atom(name), arity}; }

// Loads a clause file with syntax errors off (and file errors too when
// asked), keeping what it read even when a clause was bad; the switches are
// restored afterwards. False when the file cannot be read.
bool load_clause_file(Run& run, std::string_view file, bool replace, bool quiet_file_errors) {
  auto& eng = run.engine();
  const bool syntax = eng.syntax_errors();
  const bool files = eng.file_errors();
  eng.set_syntax_errors(false);
  if (quiet_file_errors) eng.set_file_errors(false);
  eng.set_errcode(0);
  const bool ok = replace ? eng.reconsult(file) : eng.consult(file);
  // A syntax error only leaves its code behind; its trace text is silent.
  eng.set_file_errors(files);
  eng.set_syntax_errors(syntax);
  return ok;
}

}  // namespace

const std::vector<PredKey>& clear_list() {
  static const std::vector<PredKey> list = [] {
    struct Entry {
      const char* name;
      uint32_t arity;
    };
    static const Entry entries[] = {
        {"gen_reo_i", 0},
        {"pgm_id", 1},
        {"spec_i", 1},
        {"formula_i", 2},
        {"lits_i", 3},
        {"lit_i", 4},
        {"ctrl_info_i", 3},
        {"grid_i", 2},
        {"popup_offset_i", 2},
        {"form_class_i", 2},
        {"cls_i", 2},
        {"pos_i", 2},
        {"repeat_i", 2},
        {"default_i", 1},
        {"rule_i", 2},
        {"a_i", 6},
        {"v_i", 4},
        {"ca_i", 2},
        {"level_i", 2},
        {"tw_i", 2},
        {"lwi_i", 2},
        {"ta_i", 2},
        {"las_i", 2},
        {"lac_i", 2},
        {"struct_i", 4},
        {"for_ver_no_red_i", 3},
        {"tbl_to_delete_i", 2},
        {"red_for_i", 2},
        {"attri_i", 2},
        {"table_i", 2},
        {"index_i", 2},
        {"idxs_i", 2},
        {"function_i", 9},
        {"upd_i", 4},
        {"help_i", 4},
        {"start_i", 4},
        {"end_i", 4},
        {"is_i", 2},
        {"map_i", 4},
        {"upd_red_i", 2},
        {"for_calc", 1},
        {"a_ctrl_i", 3},
        {"sub_i", 4},
        {"join_i", 4},
        {"tag_i", 6},
        {"break_i", 5},
        {"b_group_i", 6},
        {"b_line_i", 6},
        {"page_layout_i", 1},
        {"sf_break_i", 2},
        {"sfl_order_i", 3},
        {"sfl_cond_i", 3},
        {"stack_cmd_i", 2},
        {"sql_level_i", 1},
        {"sql_is_selinto_i", 2},
        {"sql_is_selinto_i", 3},
        {"c_num_i", 3},
        {"last_c_num_i", 1},
        {"module_i", 1},
        {"menu_i", 6},
        {"paper_info_i", 1},
        {"ppi_i", 1},
        {"activex_i", 3},
        {"activexp_i", 6},
        {"ax_prop_i", 4},
        {"mnuopt_i", 3},
        {"spec_1", 2},
        {"spec_2", 2},
        {"clos_i", 3},
        {"clos2_i", 3},
        {"tested_i", 2},
        {"var_info_i", 2},
        {"return_on_click_i", 1},
        {"html_i", 2},
        {"html_sub_i", 3},
        {"html_tags_i", 3},
        {"a_fix_i", 1},
        {"error_gen_i", 1},
        {"warn_gen_i", 1},
    };
    std::vector<PredKey> keys;
    for (const auto& e : entries) keys.push_back(key(e.name, e.arity));
    return keys;
  }();
  return list;
}

void clear_spec_facts(Run& run) {
  auto& facts = run.facts();
  for (const auto& k : clear_list()) facts.abolish(k);
  // The statements and cursors of the object before go too: its cursor
  // classes were written at its end and must not go into the next one.
  static constexpr std::pair<const char*, uint32_t> kStatements[] = {
      {"embsql_cursor_i", 2}, {"dcl_cursor_i", 4},      {"c_sel_i", 2},          {"c_where_i", 2},
      {"open_i", 1},          {"sql_double_select", 3}, {"last_fetchfirst_i", 1},
      {"stmt_cursor_i", 2},   {"user_subs_read_i", 1},  {"user_sub_i", 1}};
  for (const auto& [name, arity] : kStatements) facts.abolish(name, arity);
  // So do the tables a reorganisation object lists, their new names and
  // the superordinate tables found for them.
  for (const auto& [name, arity] : {std::pair<const char*, uint32_t>{"new_tables", 3}, {"ren_i", 2},
                                    {"super_tables_i", 2}}) {
    facts.abolish(name, arity);
  }
  // And the form's working facts: the subfiles' elements and the events'
  // controls belong to the form they were found in.
  for (const auto& [name, arity] :
       {std::pair<const char*, uint32_t>{"subfile_elements_i", 2}, {"event_info_i", 2},
        {"event_ctl_i", 2}, {"form_field_i", 1}}) {
    facts.abolish(name, arity);
  }
  // And the Links of the prompts found outside the web.
  facts.abolish("prompt_link_i", 2);
  run.engine().ctr_set(kCtrHolders, 1);
  run.engine().ctr_set(kCtrObject1, 1);
}

bool load_spec_file(Run& run, std::string_view file) {
  clear_spec_facts(run);
  // A file that vanished or cannot be read fails here, and the object loop
  // skips it; with file errors on, the engine's error would end the run.
  if (!load_clause_file(run, file, /*replace=*/true, /*quiet_file_errors=*/true)) return false;
  number_form_literals(run);
  return true;
}

void number_form_literals(Run& run) {
  auto& facts = run.facts();
  if (facts.count("lit_i", 4) == 0) {
    auto& eng = run.engine();
    eng.ctr_set(kCtrNumbering, 0);
    for (const Term& lit : facts.clauses("lit_i", 3)) {
      Term n = Term::integer(eng.ctr_inc(kCtrNumbering));
      facts.assertz(Term::compound("lit_i", {n, lit.arg(1), lit.arg(2), lit.arg(3)}));
    }
  }
  facts.abolish("lit_i", 3);
}

std::vector<std::pair<int64_t, int64_t>> model_num_pair(const Run& run, int64_t n) {
  std::vector<std::pair<int64_t, int64_t>> out;
  for (const Term& m : run.facts().clauses("model_i", 2)) {
    if (m.arg(1).is_int() && m.arg(2).is_int())
      out.emplace_back(m.arg(1).as_int(), m.arg(2).as_int());
  }
  for (const Term& o : run.facts().clauses("offset_i", 1)) {
    if (!o.arg(1).is_int()) continue;
    int64_t offset = o.arg(1).as_int();
    if (n > offset) {
      out.emplace_back(n - offset, n);
    } else {
      out.emplace_back(n, n + offset);
    }
  }
  return out;
}

void load_model_files(Run& run, int64_t model) {
  auto& facts = run.facts();
  // (First, Model): the solution of the model pair that names this model.
  int64_t first = 0;
  bool found = false;
  for (const auto& [p, q] : model_num_pair(run, model)) {
    if (q == model) {
      first = p;
      found = true;
      break;
    }
  }
  if (!found) return;
  // The model fact files add to the facts already asserted (the generator's
  // identity among them), so they are consulted, not reconsulted. A file
  // the listing finds but that cannot be read is passed over.
  auto present = [&](const std::string& file) { return !list_directory(run, file).empty(); };
  auto load = [&](const std::string& file) {
    load_clause_file(run, file, /*replace=*/false, true);
  };
  const std::string shared = "M1.ARI";
  const bool shared_present = present(shared);
  if (shared_present) load(shared);
  const std::string plain = "M" + std::to_string(model) + ".ARI";
  const std::string own =
      first != model && model != 1 ? "MM" + std::to_string(model) + ".ARI" : plain;
  // Model 1's own file is the shared one, already loaded: a second load
  // would double every fact in it.
  if (own == shared ? shared_present : present(own)) {
    if (own != shared) load(own);
  } else {
    // Without its own file the model has no programs and parameters of its
    // own: those of M1.ARI (or of M<n>.ARI standing in) are dropped.
    if (present(plain)) load(plain);
    facts.abolish("pgm_gen_i", 2);
    facts.abolish("parm_i", 3);
  }
  facts.abolish("model_num_i", 1);
  facts.assertz(Term::compound("model_num_i", {Term::integer(model)}));
  set_idiom(run);
  set_gen_dirs(run, model);
}

void set_gen_dirs(Run& run, int64_t model) {
  auto& facts = run.facts();
  std::string u, s, n;
  bool ok = false;
  auto gen = facts.first(
      Term::compound("p_i", {Term::atom("model"), Term::list({Term::atom("generator"), var()})}));
  if (gen) {
    const Term g = gen->arg(2).list_items()[1];
    if (g.is_int()) ok = i_get_dirgen(run, model, g.as_int(), u, s, n);
  }
  auto put = [&](const char* which, const Term& dir) {
    facts.asserta(Term::compound("dir_i", {Term::atom(which), dir}));
  };
  if (ok) {
    put("n", Term::string(n));
    put("s", Term::string(s));
    put("u", Term::string(u));
  } else {
    put("n", Term::atom(".\\"));
    put("s", Term::atom(".\\"));
    put("u", Term::atom(".\\"));
  }
}

std::optional<Term> spec_list(const Run& run) {
  auto spec = run.facts().first(Term::compound("spec_i", {var()}));
  if (!spec) return std::nullopt;
  return spec->arg(1);
}

std::optional<Term> spec_kind(const Run& run) {
  auto list = spec_list(run);
  if (!list || !list->is_cons()) return std::nullopt;
  return list->head();
}

bool spec_kind_in(const Run& run, std::initializer_list<std::string_view> kinds) {
  auto kind = spec_kind(run);
  if (!kind) return false;
  for (auto k : kinds) {
    if (*kind == k) return true;
  }
  return false;
}

bool reorg_or_ce_spec(const Run& run) {
  return run.facts().count("gen_reo_i", 0) > 0 || spec_kind_in(run, {"ce"});
}

bool generating_reorg(const Run& run) {
  const auto& facts = run.facts();
  for (const Term& m : facts.clauses("menu_type_i", 1)) {
    if (m.arg(1) == "reo" || m.arg(1) == "crt") return true;
  }
  return facts.count("gen_reo_i", 0) > 0 || spec_kind_in(run, {"ce"}) ||
         facts.count("generating_qndb_i", 0) > 0;
}

}  // namespace qn::logic
