// The fixture of the DDL writers' tests: an engine with the facts of a
// case, options from ddl_option(Key, Value) facts (i_config/2) and data-store
// preferences from ddl_pref(Store, Key, Value) (i_dstorepref/4), and the
// knowledge-base questions the writers ask answered from facts:
//   kb_table(Table, Description, [Attribute ...], [PrimaryKey ...])
//   kb_att(Attribute, Title)            (i_attri_info/10's title)
//   kb_index(Table, Number, Name, Kind, [Attribute ...])   Kind 1 unique
//   kb_ref(Table, Other, [Attribute ...])  Table refers to Other (i_dir_subor/3)
//   kb_tblname(Table, Name)
//   kb_tblprop(Table, Name, Value), kb_idxprop(Index, Name, Value)
// Attributes are described by attri_i/2 facts as the rules read them.
// The immediate execution's Java is written by logic/java/commands.
// The error log's lines (the run's error boxes) are kept in errors.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <span>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/java/commands.h"
#include "platform/cp1252.h"

namespace qn::logic::ddl::test {

using engine::Term;

class DdlFixture {
 public:
  explicit DdlFixture(std::string_view clauses = "") : run(eng) {
    add("model_num_i(5). model_i(1, 1005).");
    if (!clauses.empty()) add(clauses);
    dialog_senders().show_error = [this](std::string_view t) { errors.emplace_back(t); };
    host("i_config", 2, [this](std::span<Term> a) {
      for (const Term& f : facts("ddl_option", 2)) {
        if (platform::upper_1252(text_of(f.arg(1))) == platform::upper_1252(text_of(a[0]))) {
          a[1] = str(text_of(f.arg(2)));
          return true;
        }
      }
      return false;
    });
    host("i_dstorepref", 4, [this](std::span<Term> a) {
      for (const Term& f : facts("ddl_pref", 3)) {
        if (f.arg(1) == a[1] && text_of(f.arg(2)) == text_of(a[0])) {
          a[3] = str(text_of(f.arg(3)));
          return true;
        }
      }
      return false;
    });
    host("i_all_atrisr", 3, [this](std::span<Term> a) { return table_arg(a[1], 3, a[2]); });
    host("i_obt_prim_key", 3, [this](std::span<Term> a) { return table_arg(a[1], 4, a[2]); });
    host("i_obj_info", 7, [this](std::span<Term> a) {
      if (a[1] != num(7)) return false;
      Term d;
      if (!table_arg(a[2], 2, d)) return false;
      a[3] = a[2];
      a[4] = str("");
      a[5] = d;
      return true;
    });
    host("i_attri_info", 10, [this](std::span<Term> a) {
      for (const Term& f : facts("kb_att", 2)) {
        if (f.arg(1) == a[1]) {
          a[8] = f.arg(2);
          return true;
        }
      }
      return false;
    });
    host("i_index_exists", 4, [this](std::span<Term> a) {
      int64_t best = 0;
      for (const Term& f : facts("kb_index", 5)) {
        const int64_t n = f.arg(2).as_int();
        if (f.arg(1) == a[1] && n >= a[2].as_int() && (best == 0 || n < best)) best = n;
      }
      if (best == 0) return false;
      a[3] = num(best);
      return true;
    });
    host("i_index", 6, [this](std::span<Term> a) {
      for (const Term& f : facts("kb_index", 5)) {
        if (f.arg(1) == a[1] && f.arg(2) == a[2]) {
          a[3] = f.arg(3);
          a[4] = f.arg(4);
          a[5] = f.arg(5);
          return true;
        }
      }
      return false;
    });
    host("i_dir_subor", 3, [this](std::span<Term> a) {
      std::vector<Term> out;
      for (const Term& f : facts("kb_ref", 3)) {
        if (f.arg(1) == a[1]) out.push_back(Term::list({f.arg(2), f.arg(3)}));
      }
      a[2] = Term::list(out);
      return true;
    });
    host("i_tblname", 3, [this](std::span<Term> a) {
      for (const Term& f : facts("kb_tblname", 2)) {
        if (f.arg(1) == a[1]) {
          a[2] = f.arg(2);
          return true;
        }
      }
      return false;
    });
    // Attributes are known only by their attri_i/2 facts.
    host("i_attri_type", 5, [](std::span<Term>) { return false; });
    host("i_attri_name", 4, [](std::span<Term>) { return false; });
    host("i_need_reorg", 2, [](std::span<Term>) { return true; });
    host("i_tblproperty", 4, [this](std::span<Term> a) {
      for (const Term& f : facts("kb_tblprop", 3)) {
        if (f.arg(1) == a[1] && text_of(f.arg(2)) == text_of(a[2])) {
          a[3] = str(text_of(f.arg(3)));
          return true;
        }
      }
      return false;
    });
    host("i_idxproperty", 4, [this](std::span<Term> a) {
      for (const Term& f : facts("kb_idxprop", 3)) {
        if (text_of(f.arg(1)) == text_of(a[1]) && text_of(f.arg(2)) == text_of(a[2])) {
          a[3] = str(text_of(f.arg(3)));
          return true;
        }
      }
      return false;
    });
    // The immediate execution's command reaches the Java writer of the
    // direct-SQL call, with the statement's wrapped pieces, as in a run.
    run.stand_in_host("gen_db_command", 3, [](Run& r, std::span<Term> a) {
      std::vector<std::string> pieces;
      if (!a[1].is_list() || a[1].list_items().empty()) return false;
      for (const Term& p : a[1].list_items()[0].list_items()) pieces.push_back(text_of(p));
      return qn::logic::gen_db_command(r, text_of(a[0]), pieces);
    });
    run.capture_output();
  }
  ~DdlFixture() { reset_dialog_senders(); }

  void add(std::string_view clauses) { EXPECT_TRUE(eng.consult_text(clauses, false)) << clauses; }
  std::vector<Term> facts(const char* name, uint32_t arity) { return eng.facts().clauses(name, arity); }
  std::vector<std::string> lines() { return run.capture()->all_lines(); }

  engine::Engine eng;
  Run run;
  std::vector<std::string> errors;

 private:
  void host(std::string_view name, uint32_t arity, std::function<bool(std::span<Term>)> fn) {
    run.stand_in_host(name, arity, [fn](Run&, std::span<Term> a) { return fn(a); });
  }
  // Argument n of the table's kb_table/4 fact.
  bool table_arg(const Term& table, int n, Term& out) {
    for (const Term& f : facts("kb_table", 4)) {
      if (f.arg(1) == table) {
        out = f.arg(n);
        return true;
      }
    }
    return false;
  }
};

inline Term T(std::string_view text) {
  auto t = engine::parse_term(text);
  EXPECT_TRUE(t.has_value()) << text;
  return t.value_or(Term());
}

}  // namespace qn::logic::ddl::test
