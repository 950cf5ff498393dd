#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/driver/gen_main.h"
#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/run.h"

namespace qn::logic {
namespace {

using engine::Term;

// The object bar's range for each kind: 16L+10 for a transaction, 2 x data
// levels + 4 + subroutines for work and web panels, 2L+2 for the others.
TEST(LogicCoreObjectLoop, ObjectProgressRangeByKind) {
  const char* three_levels = "level_i(1, [a]). level_i(2, [b]). level_i(3, [c]).";
  const char* panel =
      "level_i(1, [0]). level_i(2, [t]). level_i(3, [u, v]). level_i(4, []). "
      "b_line_i(1, 1, 1, cmd, x, [t(sub, 146), t(a, 1)]). "
      "b_line_i(1, 2, 1, cmd, x, [t(sub, 146)]). "
      "b_line_i(1, 3, 1, cmd, x, [t(a, 1), t(sub, 146)]). "
      "b_line_i(1, 4, 1, evt, x, [t(sub, 146)]). "
      "b_line_i(1, 5, 1, cmd, x, []).";
  struct Case {
    const char* kind;
    const char* facts;
    int range;
  } cases[] = {
      {"trn", three_levels, 58}, {"trn", "", 10}, {"scr", panel, 2 * 2 + 4 + 2},
      {"web", panel, 10},        {"web", "", 4},  {"scr", three_levels, 10},
      {"proc", three_levels, 8}, {"rpt", "", 2},  {"mbr", panel, 10},
      {"ce", three_levels, 8},
  };
  std::vector<int> ranges;
  DialogSenders& d = dialog_senders();
  d.set_step_range = [&](int n) { ranges.push_back(n); };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + ": " + c.facts);
    engine::Engine engine;
    logic::Run run(engine);
    ASSERT_TRUE(engine.consult_text(c.facts, false));
    ranges.clear();
    set_object_progress(run, Term::atom(c.kind));
    EXPECT_EQ(ranges, std::vector<int>{c.range});
  }
  reset_dialog_senders();
}

// The dispatch by kind: a reorganisation of the indexes only writes nothing
// and succeeds; a kind without a generator is not generated; a menu whose
// class failed at its close is not taken for generated.
TEST(LogicCoreObjectLoop, DispatchByKind) {
  engine::Engine engine;
  logic::Run run(engine);
  EmitCapture& cap = run.capture_output();
  const Term ridx = *engine::parse_term("['T', 'N', x, ridx]");
  EXPECT_TRUE(gen_by_kind(run, 1, Term::atom("ce"), 1, ridx));
  EXPECT_TRUE(cap.files.empty());
  EXPECT_FALSE(gen_by_kind(run, 1, Term::atom("ext"), 2, ridx));
  EXPECT_TRUE(cap.files.empty());

  cap.next_path = "m.java";
  ASSERT_TRUE(open_output(run, "m.java"));
  cap.fail_writes = true;
  EXPECT_FALSE(close_output(run));
  EXPECT_FALSE(gen_by_kind(run, 1, Term::atom("mnu"), 4, ridx));
}

}  // namespace
}  // namespace qn::logic
