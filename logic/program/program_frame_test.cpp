// The program frame and the execute entry, line by line; whole classes are
// the golden cases of testdata/.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"
#include "logic/program/program_calls.h"
#include "logic/program/program_frame.h"
#include "logic/program/proc_class.h"
#include "logic/toolbox/pending.h"

namespace qn::logic {
namespace {

using Lines = std::vector<std::string>;

engine::Term t(const std::string& text) { return *engine::parse_term(text); }

struct Fixture {
  explicit Fixture(const std::string& facts) : run(eng) {
    EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    run.capture_output();
  }
  Lines lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  Run run;
};

const char* kAtts =
    "attri_i(a, ['A', int, 6, 0, '']). attri_i(b, ['B', int, 6, 0, '']). "
    "attri_i(arr, ['Arr', int, 4, 0, '']). attri_i(line, ['Line', int, 4, 0, '']). "
    "attri_i(txt, ['Txt', char, 10, 0, '']). rule_i(0, dim(arr, [5, 0])). ";

// Holders are numbered from 0 in parameter order; an array passes its
// variable and takes no number; a plain input keeps its Java type.
TEST(ProgramFrame, ParameterEntries) {
  Fixture f(kAtts);
  auto entries = parm_list(f.run, {t("[a, u]"), t("[arr, u]"), t("[b, u]"), t("txt"),
                                   t("[obj('IReportHandler'), reportHandler]")});
  ASSERT_TRUE(entries);
  Lines got;
  for (const ParmEntry& e : *entries) got.push_back(e.java_type + " " + e.java_name + e.dims);
  EXPECT_EQ(got, (Lines{"QNInt aP0", "short Arr[]", "QNInt aP1", "String Txt",
                        "IReportHandler reportHandler"}));
  // A parameter without a description fails the list.
  EXPECT_FALSE(parm_list(f.run, {t("[a, u]"), t("[nothing, u]")}));
}

TEST(ProgramFrame, LocalRoutineHeader) {
  Fixture f(kAtts);
  ASSERT_TRUE(gen_routine_start(f.run, "l", t("'MyRoutine'"), t("[]"), {}));
  ASSERT_TRUE(gen_routine_start(f.run, "l", t("'Sum'"), t("a"), {t("[b, u]")}));
  EXPECT_EQ(f.lines(), (Lines{"protected void myroutine( )", "{", "   protected int sum( QNInt aP0 )",
                              "   {"}));
}

// The kind code of the cleanup method, by object and stub rule.
TEST(ProgramFrame, CleanupKindCode) {
  struct Case {
    const char* name;
    const char* facts;
    Lines expected;
  } cases[] = {
      {"procedure", "spec_i([proc, 1, 'T', 'P', 0, 0]).",
       {"protected void cleanup( )", "{", "   if (!isRemote) exitApplication();", "}", ""}},
      {"procedure with a stub rule", "spec_i([proc, 1, 'T', 'P', 0, 0]). rule_i(0, stub(scr)).",
       {"protected void cleanup( )", "{", "   Application.cleanup(context, this, remoteHandle);",
        "}", ""}},
      {"work panel with a stub rule", "spec_i([scr, 1, 'T', 'P', 0, 0]). rule_i(0, stub(scr)).",
       {"protected void cleanup( )", "{", "   stopThreads();", "   super.cleanup();", "}", ""}},
      {"work panel", "spec_i([scr, 1, 'T', 'P', 0, 0]).",
       {"protected void cleanup( )", "{", "   stopThreads();", "   super.cleanup();",
        "   Application.cleanup(context, this, remoteHandle);", "}", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    ASSERT_TRUE(gen_cleanup_method(f.run));
    EXPECT_EQ(f.lines(), c.expected);
  }
}

// A cursor still open when the program ends is ended in cleanup (its facts
// go); one that was ended already keeps its number.
TEST(ProgramFrame, CleanupEndsOpenCursors) {
  Fixture f("spec_i([proc, 1, 'T', 'P', 0, 0]).");
  // Cursor names are strings.
  const auto cursor = [](int64_t level, int64_t table, const char* name) {
    return engine::Term::compound("c_num_i", {engine::Term::integer(level),
                                              engine::Term::list({engine::Term::integer(table)}),
                                              engine::Term::list({engine::Term::string(name)})});
  };
  const engine::Term open = engine::Term::compound("open_i", {engine::Term::string("C2")});
  f.run.facts().assertz(cursor(1, 7, "C2"));
  f.run.facts().assertz(open);
  f.run.facts().assertz(cursor(1, 8, "C3"));
  ASSERT_TRUE(gen_cleanup_method(f.run));
  EXPECT_FALSE(f.run.facts().exists(open));
  EXPECT_FALSE(f.run.facts().exists(cursor(1, 7, "C2")));
  EXPECT_TRUE(f.run.facts().exists(cursor(1, 8, "C3")));
}

// An array parameter's holder is created with its elements set to their
// empty value when they are not numbers.
TEST(ProgramFrame, ArrayParameterHolders) {
  Fixture f(std::string(kAtts) + "rule_i(0, dim(txt, [5, 0])). spec_i([proc, 1, 'T', 'P', 0, 0]).");
  auto entries = parm_list(f.run, {t("[txt, u]")});
  ASSERT_TRUE(entries);
  ASSERT_TRUE(declare_parms(f.run, *entries));
  const Lines lines = f.lines();
  ASSERT_GE(lines.size(), 4u);
  EXPECT_EQ(Lines(lines.begin(), lines.begin() + 4),
            (Lines{"String Txt [];", "{", "   int QN_I;", "   Txt = new String [5];"}));
  EXPECT_EQ(lines.back(), "}");
}

// A main report with print lines waits for its printer unless it has a
// stub rule.
TEST(ProgramFrame, MainReportWaitsForItsPrinter) {
  Fixture f("spec_i([rpt, 1, 'T', 'P', 0, 0]). b_line_i(1, 1, 0, line, 0, []). "
            "rule_i(0, prop('PGMTYPE', main)).");
  ASSERT_TRUE(gen_cleanup_method(f.run));
  EXPECT_EQ(f.lines()[2], "   if (Application.realMainProgram == this)\twaitPrinterEnd();");
}

// Execute parameters A, Line, B: the report handler goes before Line.
TEST(ProgramCalls, ExecuteWithALineParameter) {
  Fixture f(std::string(kAtts) + "spec_i([proc, 1, 'T', 'P', 0, 0]). rule_i(0, parm([a, line, b], [])).");
  ASSERT_TRUE(gen_execute_method(f.run));
  EXPECT_EQ(f.lines(), (Lines{"public void execute( QNInt aP0 ,",
                              "                     IReportHandler reportHandler ,",
                              "                     QNShort aP1 ,",
                              "                     QNInt aP2 )",
                              "{",
                              "   execute_int(aP0, reportHandler, aP1, aP2);",
                              "}",
                              ""}));
}

TEST(ProgramCalls, Location) {
  struct Case {
    const char* facts;
    const char* location;
  } cases[] = {
      {"", ""},
      {"rule_i(0, prop('LOCATION', 'Server')).", "server"},
      // With a stub rule, the stub's main-program entry for the program.
      {"rule_i(0, stub(scr)). pgm_id([1, proc, 'p']). "
       "pgm_main_i(scr, 2, 'P', [11, wp, 'P', '', '', 'Client']).",
       "client"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(std::string("spec_i([proc, 1, 'T', 'P', 0, 0]). ") + c.facts);
    EXPECT_EQ(class_location(f.run), c.location);
  }
}

// A program that uses the function ask stops after initialize() when the
// dialog is cancelled, and initialize() asks.
TEST(ProgramCalls, AskLines) {
  for (const bool ask : {false, true}) {
    SCOPED_TRACE(ask);
    const std::string facts = std::string("spec_i([proc, 1, 'T', 'P', 0, 0]). ") +
                              (ask ? "function_i(1, 1, yes, ask, ask, [], x, a, [a]). " : "");
    Fixture f(facts);
    ASSERT_TRUE(gen_execute_int(f.run, "pp"));
    const Lines lines = f.lines();
    const bool stops =
        std::find(lines.begin(), lines.end(), "   if (askCanceled) return;") != lines.end();
    EXPECT_EQ(stops, ask);
    Fixture init(facts);
    ASSERT_TRUE(gen_initialize_method(init.run));
    const Lines body = init.lines();
    EXPECT_EQ(std::find(body.begin(), body.end(), "   askCanceled = !doAsk();") != body.end(), ask);
  }
}

// An automatic remote procedure: each condition in turn is the one missing.
TEST(ProgramCalls, AutoRemoteProc) {
  const std::string all = "rule_i(0, prop('REMOTE_CALLS', 'SUN_RMI')). "
                          "rule_i(0, prop('AUTO_REMOTE', 'Y')). level_i(1, [2]). ";
  struct Case {
    const char* name;
    std::string facts;
    bool remote;
  } cases[] = {
      {"all hold", "spec_i([proc, 1, 'T', 'P', 0, 0]). " + all, true},
      {"a report", "spec_i([rpt, 1, 'T', 'P', 0, 0]). " + all, false},
      {"no protocol",
       "spec_i([proc, 1, 'T', 'P', 0, 0]). rule_i(0, prop('AUTO_REMOTE', 'Y')). level_i(1, [2]).",
       false},
      {"no table", "spec_i([proc, 1, 'T', 'P', 0, 0]). rule_i(0, prop('REMOTE_CALLS', 'WL_RMI')). "
                   "rule_i(0, prop('AUTO_REMOTE', 'Y')). level_i(1, []). level_i(2, [0]).",
       false},
      {"uses ask",
       "spec_i([proc, 1, 'T', 'P', 0, 0]). function_i(1, 1, yes, ask, ask, [], x, a, [a]). " + all,
       false},
      {"AUTO_REMOTE empty", "spec_i([proc, 1, 'T', 'P', 0, 0]). level_i(1, [2]). "
                            "rule_i(0, prop('REMOTE_CALLS', 'SUN_RMI')).",
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_EQ(auto_remote_proc(f.run), c.remote);
  }
}

// A parameter without a description fails the object, nothing is thrown,
// and the class stays unwritten beyond what was written.
// So does a parameter rule without a list.
TEST(ProcClass, BadParametersFailTheObject) {
  for (const char* rule : {"rule_i(0, parm([nothing], [])).", "rule_i(0, parm(invdate, []))."}) {
    SCOPED_TRACE(rule);
    Fixture f(std::string("spec_i([proc, 1, 'T', 'P', 0, 0]). "
                          "attri_i(invdate, ['InvDate', date, 8, 0, '']). ") + rule);
    EXPECT_FALSE(gen_proc_object(f.run, 0, 1, t("[proc, 'T', 'P', 0, 0]")));
  }
}

// A vertical formula on its own table whose routine cannot be written (no
// navigation given) fails the object rather than leaving a class that calls
// a missing routine; one on its parent's table is computed in the parent's
// navigation and writes none.
TEST(ProcClass, VerticalFormulaRoutines) {
  struct Case {
    const char* table;
    bool written;
  } cases[] = {{"2", false}, {"1", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.table);
    Fixture f(std::string("spec_i([proc, 1, 'T', 'P', 0, 0]). level_i(1, [1]). "
                          "struct_i(2, 1, [], []). for_ver_no_red_i(2, [5], []). level_i(2, [") +
              c.table + "]).");
    EXPECT_EQ(gen_proc_object(f.run, 0, 1, t("[proc, 'T', 'P', 0, 0]")), c.written);
  }
}

}  // namespace
}  // namespace qn::logic
