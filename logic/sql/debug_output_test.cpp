// The debug dump of variables.
#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/sql/debug_output.h"

namespace qn::logic {
namespace {

using Lines = std::vector<std::string>;

Lines dump(const std::string& facts, const std::string& vars) {
  engine::Engine eng;
  logic::Run run(eng);
  EXPECT_TRUE(eng.consult_text(facts, false));
  run.capture_output();
  EXPECT_TRUE(dbg_vars_dump(run, str("Param"), *engine::parse_term(vars)));
  return run.capture()->all_lines();
}

TEST(DebugOutput, VarsDump) {
  const std::string on = "rule_i(0, prop('GEN_DEBUG_INFO', 'Y')). ";
  EXPECT_EQ(dump("", "[['&A', s, []]]"), Lines{});
  EXPECT_EQ(dump(on, "[['&A', s, []], '&B']"),
            (Lines{"QN_dbg( 0 , \"Param A\" , A );", "QN_dbg( 0 , \"Param B\" , B );"}));
  EXPECT_EQ(dump(on + "rule_i(1, dim('&V', [10, 0])).", "[['&V', s, [2]]]"),
            (Lines{"QN_dbg( 0 , \"Param V(2)\" , V[2-1] );"}));
  EXPECT_EQ(dump(on + "rule_i(1, dim('&V', [10, 0])).", "[['&V', s, []]]"),
            (Lines{"QN_I = 1;", "while (QN_I <= 10) {",
                   "   QN_dbg( 0 , \"Param V(\" + QN_I + \")\" , V[QN_I-1] );", "   QN_I = QN_I + 1;",
                   "}"}));
  // Each row's inner loop starts again from 1.
  EXPECT_EQ(dump(on + "rule_i(1, dim('&M', [3, 4])).", "[['&M', s, []]]"),
            (Lines{"QN_I = 1;", "while (QN_I <= 3) {", "   QN_J = 1;", "   while (QN_J <= 4) {",
                   "      QN_dbg( 0 , \"Param M(\" + QN_I + \",\" + QN_J + \")\" , M[QN_I-1][QN_J-1] );",
                   "      QN_J = QN_J + 1;", "   }", "   QN_I = QN_I + 1;", "}"}));
}

}  // namespace
}  // namespace qn::logic
