// The steps around each object of a pass: the array parameters of a main
// program reach the applet stub generated for it later in the pass.
#include "logic/java/java_pass.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"

namespace qn::logic {
namespace {

using engine::Term;

TEST(JavaPass, StubDeclaresTheArrayParametersOfItsProgram) {
  engine::Engine eng;
  logic::Run run(eng);
  run.stand_in_host("i_config", 2, [](logic::Run&, std::span<Term>) { return false; });
  // Totals, a main procedure, and Plain, a procedure called by others: only
  // the main program's arrays are kept, numbered by their place.
  struct Object {
    const char* clauses;
    const char* name;
  } objects[] = {
      {"spec_i([proc, 5, 'T', 'Totals', 0, 0]). rule_i(0, prop('PGMTYPE', main)). "
       "rule_i(0, parm(['&Id', '&Amounts', ['&Names', u]], [])). "
       "rule_i(0, dim('&Amounts', [10])). rule_i(0, dim('&Names', [3, 4])).",
       "Totals"},
      {"spec_i([proc, 6, 'P', 'Plain', 0, 0]). rule_i(0, parm(['&Rows'], [])). "
       "rule_i(0, dim('&Rows', [5])).",
       "Plain"},
  };
  for (const Object& o : objects) {
    clear_spec_facts(run);
    ASSERT_TRUE(eng.consult_text(o.clauses, false));
    const Term spec = Term::list({Term::atom("T"), Term::atom(o.name), num(0), num(0)});
    EXPECT_TRUE(java_after_object(run, 1, atom("proc"), 5, spec));
  }
  EXPECT_EQ(run.facts().count("stub_info_array_i", 3), 2u);

  struct Stub {
    const char* name;
    std::vector<Term> dims;  // the dim rules the stub gets
  } stubs[] = {
      {"Totals",
       {fact("dim", {atom("P2"), Term::list({num(10)})}),
        fact("dim", {atom("P3"), Term::list({num(3), num(4)})})}},
      {"Plain", {}},
  };
  for (const Stub& s : stubs) {
    SCOPED_TRACE(s.name);
    clear_spec_facts(run);
    ASSERT_TRUE(eng.consult_text(std::string("spec_i([proc, 7, 'S', '") + s.name +
                                     "', 0, 0]). rule_i(0, stub(proc)).",
                                 false));
    EXPECT_TRUE(java_before_object(run, 1, atom("proc"), 7, Term::nil()));
    const auto rules = run.facts().findall(fact("rule_i", {num(0), fact("dim", {var(), var()})}));
    ASSERT_EQ(rules.size(), s.dims.size());
    for (size_t i = 0; i < rules.size(); ++i) EXPECT_EQ(rules[i].arg(2), s.dims[i]);
  }
}

}  // namespace
}  // namespace qn::logic
