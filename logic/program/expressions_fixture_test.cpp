// The translator's fixture (tests/java_fixtures/expressions.ari): every case
// gives its expected lines, and each object kind's lines, wrapped in a class
// with its declarations, pass the JDK's parser and compile with javac
// against tests/java_runtime_stub/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/attributes.h"
#include "logic/core/golden.h"
#include "logic/core/rule_terms.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_types.h"
#include "logic/javaui/control_classes.h"
#include "logic/javaui/control_props.h"
#include "logic/program/expressions.h"
#include "logic/javaui/form_controls.h"
#include "tests/java_check/java_check.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

struct Wrapped {
  std::vector<std::string> body;
  std::map<std::string, std::string> temporaries;  // name -> Java type
};

std::vector<std::string> run_case(const std::vector<Term>& facts, const Term& c, Wrapped& w) {
  engine::Engine eng;
  Run run(eng);
  for (const Term& f : facts) eng.facts().assertz(f);
  eng.facts().assertz(fact("pgm_id", {Term::list({num(1), c.arg(1), atom("X")})}));
  run.capture_output();
  const Term& what = c.arg(2);
  const Term& tokens = c.arg(3);
  if (what == "cond") {
    emit_if(run, tokens, {});
    emit_close_brace(run);
  } else if (what == "method") {
    gen_ctl_method_stmt(run, tokens, {});
  } else if (what == "docase") {
    do_case_begin(run);
    for (const Term& cond : tokens.list_items()) do_case_case(run, cond, {});
    do_case_otherwise(run);
    do_case_end(run);
  } else if (what.is_compound() && what.functor() == "assign") {
    assign_var(run, what.arg(1), tokens);
  }
  for (const Term& d : eng.facts().clauses("fld_to_dcl_i", 3)) {
    auto desc = d.arg(3).list_items();
    w.temporaries[text_of(d.arg(1))] = get_c_type(desc[1], desc[2].as_int(), desc[3].as_int());
  }
  return run.capture()->all_lines();
}

std::string declarations(const std::vector<Term>& facts, std::string_view kind,
                         std::map<std::string, std::string> temps) {
  const bool web = kind == "web";
  engine::Engine eng;
  Run run(eng);
  for (const Term& f : facts) eng.facts().assertz(f);
  std::string out;
  for (const Term& a : eng.facts().clauses("attri_i", 2)) {
    auto desc = a.arg(2).list_items();
    std::string name = text_of(desc[0]);
    std::string type = get_c_type(desc[1], desc[2].as_int(), desc[3].as_int());
    std::string dims, init;
    if (auto d = var_dim(run, a.arg(1))) {
      init = " = new " + type;
      for (const Term& n : d->list_items()) {
        dims += "[]";
        init += "[" + text_of(n) + "]";
      }
    }
    out += "  " + type + dims + " " + name + init + ";\n";
    temps.erase(name);
    temps.erase(text_of(a.arg(1)));
  }
  for (const auto& [name, type] : temps) out += "  " + type + " " + name + ";\n";
  // The controls of a panel's form.
  for (const Term& l : kind == "proc" ? std::vector<Term>{} : eng.facts().clauses("lit_i", 4)) {
    for (const Term& p : l.arg(4).list_items()) {
      if (!p.is_compound() || p.functor() != "ctrltype") continue;
      const std::string ctl_type = text_of(p.arg(1));
      auto cls = ctl_java_class(ctl_type, Term::nil(), web);
      out += "  " + cls->cls + " " + control_java_name(run, Term(), ctl_type, l.arg(3)) + ";\n";
    }
  }
  return out;
}

TEST(ExpressionsFixture, CasesAndJava) {
  const fs::path src = fs::path(QN_SOURCE_DIR) / "tests" / "java_fixtures" / "expressions.ari";
  std::vector<engine::SyntaxError> errors;
  const auto clauses = engine::read_clauses(golden::read_text(src), &errors);
  ASSERT_TRUE(errors.empty()) << errors.front().line << ": " << errors.front().message;
  std::vector<Term> facts, cases;
  for (const Term& c : clauses)
    (c.is_compound() && c.functor() == "case" && c.arity() == 4 ? cases : facts).push_back(c);
  ASSERT_FALSE(cases.empty());
  std::map<std::string, Wrapped> kinds;
  const fs::path out = fs::path(QN_BINARY_DIR) / "java_fixtures";
  fs::remove_all(out);
  fs::create_directories(out / "classes");
  // The cases with the lines they give, for review after a change.
  std::ofstream actual(out / "expressions.actual.ari");
  for (const Term& c : cases) {
    SCOPED_TRACE(engine::writeq(c.arg(3)));
    Wrapped& w = kinds[text_of(c.arg(1))];
    const auto lines = run_case(facts, c, w);
    std::vector<std::string> expected;
    for (const Term& l : c.arg(4).list_items()) expected.push_back(text_of(l));
    EXPECT_EQ(lines, expected);
    std::vector<Term> got;
    for (const std::string& l : lines) got.push_back(Term::atom(l));
    actual << engine::clause_text(fact("case", {c.arg(1), c.arg(2), c.arg(3), Term::list(got)}))
           << "\n";
    w.body.insert(w.body.end(), lines.begin(), lines.end());
  }
  // Each kind's lines in a class of that kind, with its imports and superclass.
  const std::map<std::string, std::string> classes = {
      {"proc", "PExpressions"}, {"scr", "WExpressions"}, {"web", "HExpressions"}};
  std::vector<std::string> files;
  for (const auto& [kind, w] : kinds) {
    engine::Engine eng;
    logic::Run run(eng);
    for (const Term& f : facts) eng.facts().assertz(f);
    const std::string cls = classes.at(kind);
    const fs::path file = out / (cls + ".java");
    std::ofstream f(file);
    for (const std::string& imp : class_imports(run, kind)) f << "import " << imp << ";\n";
    f << "\npublic class " << cls << " extends " << class_superclass(run, kind) << "\n{\n"
      << declarations(facts, kind, w.temporaries) << "\n  void expressions()\n  {\n";
    for (const std::string& l : w.body) f << "    " << l << "\n";
    f << "  }\n}\n";
    files.push_back(file.string());
  }
  if (!test::java::available()) GTEST_SKIP() << "no JDK";
  const auto parsed = test::java::parse(files);
  EXPECT_EQ(parsed.status, 0) << parsed.output;
  const auto compiled = test::java::compile_against_stub(files, (out / "classes").string());
  EXPECT_EQ(compiled.status, 0) << compiled.output;
}

}  // namespace
}  // namespace qn::logic
