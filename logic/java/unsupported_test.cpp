#include "logic/java/unsupported.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"

namespace qn::logic {
namespace {

using engine::Term;

TEST(LogicCoreUnsupported, WhichObjectsAreSupported) {
  const std::string trn =
      "spec_i([trn, 6, 'T', t]). struct_i(1, 0, [], []). struct_i(2, 1, [], []). ";
  struct Case {
    std::string facts;
    bool supported;
  } cases[] = {
      {trn + "level_i(1, [a]). level_i(2, [b]). repeat_i(2, []). lit_i(1, 1, button('Enter'), []).",
       true},
      {trn + "level_i(1, [a]). lit_i(1, 1, button('Enter'), []).", true},
      {trn +
           "level_i(1, [a]). level_i(2, [b]). repeat_i(2, []). lit_i(1, 1, button('Cancel'), []).",
       false},
      {trn + "level_i(1, [a]). level_i(2, [b]). lit_i(1, 1, button('Enter'), []).", false},
      {trn + "level_i(1, [a]). repeat_i(1, []). lit_i(1, 1, button('Enter'), []).", false},
      {"spec_i([mnu, 4, 'M', m]).", false},
      {"spec_i([proc, 2, 'P', p]). level_i(1, [a]). level_i(2, [b]).", true},
      {"spec_i([scr, 8, 'W', w]).", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.facts);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text(c.facts, false));
    EXPECT_EQ(object_supported(run), c.supported);
  }
}

// The placeholder class, line by line.
TEST(LogicCoreUnsupported, PlaceholderClass) {
  engine::Engine eng;
  logic::Run run(eng);
  ASSERT_TRUE(eng.consult_text("spec_i([trn, 6, 'Customers', 'Customer', 0, 0]).", false));
  auto& capture = run.capture_output();
  ASSERT_TRUE(
      gen_unsupported_object(run, 6, *engine::parse_term("[trn, 'Customers', 'Customer', 0, 0]")));
  ASSERT_EQ(capture.files.size(), 1u);
  EXPECT_EQ(capture.files[0].path, "tcustomer.java");
  EXPECT_TRUE(capture.files[0].closed);
  EXPECT_EQ(capture.files[0].lines,
            (std::vector<std::string>{
                "import com.quenora.*;",
                "import com.quenora.db.driver.*;",
                "import com.quenora.distributed.*;",
                "import com.quenora.uifactory.*;",
                "import java.sql.*;",
                "public final class tcustomer",
                "{",
                "   public static void main(String args[])",
                "   {",
                "      PrivateUtilities.msg(\"Object not currently supported trn - Customer \");",
                "   }",
                "",
                "   public tcustomer(int remoteHandle, ModelContext context)",
                "   {",
                "   }",
                "",
                "   public tcustomer(int remoteHandle)",
                "   {",
                "   }",
                "",
                "   public void execute( )",
                "   {",
                "      execute_int( );",
                "   }",
                "",
                "   private void execute_int( )",
                "   {",
                "      QNutil.msg(this, \"Object not currently supported trn - Customer \");",
                "   }",
                "",
                "}",
            }));
  EXPECT_EQ(engine::writeq(eng.facts().clauses("pgm_id", 1).at(0)), "pgm_id([6,trn,'Customer'])");
}

}  // namespace
}  // namespace qn::logic
