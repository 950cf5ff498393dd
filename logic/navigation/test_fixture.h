// The fixture of the navigation tests: facts, captured output, and
// stand-ins for the callees of other modules. A stand-in writes one comment
// naming itself and its first two arguments ("/* gen_sql_select b 2 */");
// the cursor of the table invoice is "cinvoice".
#pragma once

#include <cctype>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"
#include "logic/core/rule_terms.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic::navtest {

using Lines = std::vector<std::string>;
using engine::Term;

inline Term t(const std::string& text) { return *engine::parse_term(text); }

// name/arity of every writing stand-in.
inline const std::vector<std::pair<const char*, uint32_t>>& writing_stand_ins() {
  static const std::vector<std::pair<const char*, uint32_t>> all = {
      {"gen_udp_call", 5},        {"declare_commit_var", 1},
      {"gen_block_cmds", 10},
      {"call_pgm_by_generator", 7},
  };
  return all;
}

struct Fixture {
  // Stand-ins named in `quiet` are left out (the call then fails).
  explicit Fixture(const std::string& facts = "", std::set<std::string> quiet = {}) : run(eng) {
    if (!facts.empty()) {
      EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    }
    run.capture_output();
    for (const auto& [name, arity] : writing_stand_ins()) {
      if (quiet.count(name)) continue;
      const std::string n = name;
      run.stand_in_host(name, arity, [n](Run& r, std::span<Term> a) {
        std::vector<Piece> p{n};
        for (size_t i = 0; i < a.size() && i < 2; ++i) p.emplace_back(engine::writeq(a[i]));
        return emit_comment(r, p);
      });
    }
    // The cursor that reads invoice is "cinvoice".
    if (!quiet.count("cursor_info")) {
      EXPECT_TRUE(eng.consult_text("c_num_i(0, [invoice], [cinvoice]).", false));
    }
  }
  Lines lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  Run run;
};

// The classes a program's declarations name that the program's end and the
// database classes write: each cursor class (f<Cursor> reads, d<Cursor>
// other statements) and each table's data class (dbc<Table>), so that a
// class of levels compiles on its own. A data class holds the getters the
// body reads into a declared variable ("X = dbo<Table>.getY();"), typed as
// that variable; the cursor classes hold only what the levels call.
inline Lines stand_in_classes(const Lines& declarations, const Lines& body = {}) {
  // The declared type of each variable.
  std::map<std::string, std::string> types;
  for (const std::string& d : declarations) {
    std::istringstream decl(d);
    std::string scope, type, name;
    if (decl >> scope >> type >> name) types[name] = type;
  }
  // dbc<Table> -> the getters "Type getY()" the body reads.
  std::map<std::string, std::set<std::string>> getters;
  for (const std::string& line : body) {
    std::istringstream l(line);
    std::string target, eq, call;
    if (!(l >> target >> eq >> call) || eq != "=" || call.rfind("dbo", 0) != 0) continue;
    const size_t dot = call.find(".get");
    const size_t end = call.find("();");
    if (dot == std::string::npos || end == std::string::npos || !types.count(target)) continue;
    getters["dbc" + call.substr(3, dot - 3)].insert(types[target] + " " +
                                                    call.substr(dot + 1, end - dot - 1));
  }
  Lines out;
  for (const std::string& d : declarations) {
    std::istringstream decl(d);
    std::string scope, type;
    decl >> scope >> type;
    const bool data = type.rfind("dbc", 0) == 0;
    const bool cursor = type.size() > 1 && (type[0] == 'f' || type[0] == 'd') &&
                        std::isupper(static_cast<unsigned char>(type[1]));
    if (!data && !cursor) continue;
    if (data) {
      if (!getters.count(type)) {
        out.push_back("static class " + type + " extends DatabaseClass {}");
        continue;
      }
      out.push_back("static class " + type + " extends DatabaseClass {");
      for (const std::string& g : getters[type]) {
        const std::string t = g.substr(0, g.find(' '));
        const bool number = t == "int" || t == "short" || t == "long" || t == "byte" || t == "double";
        out.push_back("   " + g + "() { return " + (number ? "0" : t == "boolean" ? "false" : "null") +
                      "; }");
      }
      out.push_back("}");
      continue;
    }
    const bool read = type[0] == 'f';
    out.push_back("static class " + type + " extends " +
                  (read ? "QNDBForwardSupplier" : "QNDBUpdateSupplier") + " {");
    out.push_back("   " + type + "(ModelContext c, int h) { super(c, h); }");
    if (read) {
      out.push_back("   public void readNext() {}");
      out.push_back("   public void fetchFirst(Object... values) {}");
    } else {
      out.push_back("   public void executeUpd(Object... values) {}");
    }
    out.push_back("}");
  }
  return out;
}

}  // namespace qn::logic::navtest
