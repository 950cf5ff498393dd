// The translator's fixture (tests/java_fixtures/expressions.ari): every case
// gives its expected lines, and each object kind's lines, wrapped in a class
// with the declarations the declaration writer gives for them, pass the
// JDK's parser and compile with javac against tests/java_runtime_stub/.
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
#include "logic/core/golden.h"
#include "logic/core/rule_terms.h"
#include "logic/java/class_frame.h"
#include "logic/javaui/control_classes.h"
#include "logic/javaui/control_props.h"
#include "logic/javaui/form_controls.h"
#include "logic/program/expressions.h"
#include "logic/toolbox/declarations.h"
#include "tests/java_check/java_check.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

struct Wrapped {
  std::vector<std::string> body;
  std::set<std::string> declarations;  // lines of the declaration writer
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
  const std::vector<std::string> lines = run.capture()->all_lines();
  // What the case declared, as the class writes it.
  gen_var_declarations(run);
  const std::vector<std::string> all = run.capture()->all_lines();
  w.declarations.insert(all.begin() + std::ptrdiff_t(lines.size()), all.end());
  return lines;
}

// The declarations of the cases' variables, then the controls of a panel's form.
std::string declarations(const std::vector<Term>& facts, std::string_view kind,
                         const std::set<std::string>& written) {
  const bool web = kind == "web";
  engine::Engine eng;
  Run run(eng);
  for (const Term& f : facts) eng.facts().assertz(f);
  std::string out;
  for (const std::string& l : written) out += "  " + l + "\n";
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

// A kind's lines in a class of that kind, with its imports, superclass and
// declarations; the file's path.
std::string write_class(const std::vector<Term>& facts, const std::string& kind,
                        const std::string& cls, const Wrapped& w, const fs::path& dir) {
  engine::Engine eng;
  logic::Run run(eng);
  for (const Term& f : facts) eng.facts().assertz(f);
  const fs::path file = dir / (cls + ".java");
  std::ofstream f(file);
  for (const std::string& imp : class_imports(run, kind)) f << "import " << imp << ";\n";
  f << "\npublic class " << cls << " extends " << class_superclass(run, kind) << "\n{\n"
    << declarations(facts, kind, w.declarations) << "\n  void expressions()\n  {\n";
  for (const std::string& l : w.body) f << "    " << l << "\n";
  f << "  }\n}\n";
  return file.string();
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
  const std::map<std::string, std::string> classes = {
      {"proc", "PExpressions"}, {"scr", "WExpressions"}, {"web", "HExpressions"}};
  std::vector<std::string> files;
  for (const auto& [kind, w] : kinds)
    files.push_back(write_class(facts, kind, classes.at(kind), w, out));
  if (!test::java::available())
    FAIL() << "no JDK: install the Debian package openjdk-17-jdk-headless (scripts/setup does)";
  const auto parsed = test::java::parse(files);
  EXPECT_EQ(parsed.status, 0) << parsed.output;
  const auto compiled = test::java::compile_against_stub(files, (out / "classes").string());
  EXPECT_EQ(compiled.status, 0) << compiled.output;
}

// Numbers of every Java width mixed in arithmetic, and assigned to every
// width: each statement compiles (a narrowing assignment is cast).
TEST(ExpressionsFixture, MixedNumbersCompile) {
  const char* types[][2] = {{"I", "int, 9, 0"}, {"L", "int, 18, 0"}, {"D", "int, 9, 2"}};
  std::vector<Term> facts;
  for (const auto& [name, type] : types) {
    for (const std::string& n : {std::string(name), std::string("T") + name}) {
      facts.push_back(
          *engine::parse_term("attri_i('&" + n + "', ['" + n + "', " + type + ", '', 1])"));
    }
  }
  const auto tok = [](const std::string& text, int64_t kind) {
    return fact("t", {atom(text), num(kind)});
  };
  Wrapped w;
  for (const auto& [target, t_type] : types) {
    for (const auto& [a, a_type] : types) {
      for (const std::string& b : {std::string("&I"), std::string("&L"), std::string("&D"),
                                   std::string("0.5"), std::string("7")}) {
        for (const char* op : {"+", "*", "-"}) {
          const Term operand = b.front() == '&' ? tok(b, kTokVariable) : tok(b, kTokConstant);
          const Term c =
              fact("case", {atom("proc"), fact("assign", {atom(std::string("&T") + target)}),
                            Term::list({tok(std::string("&") + a, kTokVariable),
                                        tok(op, op[0] == '*' ? kTokMulOp : kTokAddOp), operand}),
                            Term::nil()});
          const auto lines = run_case(facts, c, w);
          w.body.insert(w.body.end(), lines.begin(), lines.end());
        }
      }
    }
  }
  // Beside the fixture's folder, which its own test clears.
  const fs::path out = fs::path(QN_BINARY_DIR) / "java_fixtures_mixed";
  fs::remove_all(out);
  fs::create_directories(out / "classes");
  const std::string file = write_class(facts, "proc", "PMixed", w, out);
  if (!test::java::available())
    FAIL() << "no JDK: install the Debian package openjdk-17-jdk-headless (scripts/setup does)";
  const auto compiled = test::java::compile_against_stub({file}, (out / "classes").string());
  EXPECT_EQ(compiled.status, 0) << compiled.output;
}

}  // namespace
}  // namespace qn::logic
