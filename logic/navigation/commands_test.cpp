#include "logic/navigation/commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "logic/navigation/test_fixture.h"
#include "logic/toolbox/pending.h"

namespace qn::logic {
namespace {

using navtest::Fixture;
using navtest::Lines;
using navtest::t;
using engine::Term;

const char* kProc =
    "spec_i([proc, 2, 'T', 'P', 0, 0]). model_num_i(1). "
    "attri_i('&X', ['&X', int, 4, 0, '', 1]). attri_i('&S', ['&S', char, 10, 0, '', 1]). "
    "attri_i('&A', ['&A', int, 9, 0, '', 1]). rule_i(0, dim('&A', [3])). ";

// One command line each: what cmd_to_code/5 writes.
TEST(Navigation, CommandLines) {
  struct Case {
    const char* tokens;
    Lines expected;
  } cases[] = {
      {"[t(if, 109), t('&X', 23), t('>', 10), t('1', 3)]", {"if ( ( X > 1 ) )", "{"}},
      {"[t(else, 110)]", {"}", "else", "{"}},
      {"[t(endif, 111)]", {"}"}},
      {"[t(do, 114), t('&X', 23), t('<', 10), t('9', 3)]", {"while ( ( X < 9 ) )", "{"}},
      {"[t(enddo, 115)]", {"}"}},
      {"[t(exit, 140)]", {"if (true) break;"}},
      {"[t('&X', 107), t('&X', 23), t('=', 10), t('2', 3)]", {"X = (short)(2) ;"}},
      {"[t(a, 107), t('Qnfont', 23), t('=', 10), t('2', 3)]", {}},
      {"[t(a, 107), t('&A', 23), t('2', 3), t(')', 4), t('=', 10), t('5', 3)]",
       {"A[2-1] = 5 ;"}},
      {"[t(a, 107), t('&A', 23), t('=', 10), t('0', 3)]",
       {"QN_I = (short)(1) ;", "while ( ( QN_I <= 3 ) )", "{", "   A[QN_I-1] = 0 ;",
        "   QN_I = (short)(QN_I+1) ;", "}"}},
      {"[t(a, 107), t('&X', 23)]", {}},
      // A RETURN the program's lines do not hold is not its last statement.
      {"[t(return, 118)]", {"nUserReturn = 1;", "cleanup();", "if (true) return;"}},
      // Transactions are not logged here: the commit points write nothing.
      {"[t(commit, 132)]", {}},
      {"[t(rollback, 157)]", {}},
      {"[t(exit, 139)]",
       {"/* Exit For each command. Update data (if necessary), close cursors & exit. */",
        "if (true) break;"}},
      {"[t(call, 104), t('\\'P2\\'', 3), t(',', 7), t('&X', 23)]",
       {"QNt_QNShort1 = new QNShort(X);",
        "new p2(remoteHandle, context).execute( QNt_QNShort1) ;",
        "X = QNt_QNShort1.getValue();"}},
      {"[t(call, 104), t('&P', 23), t(',', 7), t('&X', 23)]",
       {"QNt_QNShort1 = new QNShort(X);", "callAux1 = new Object[ 1 ];",
        "callAux1 [ 0 ] = QNt_QNShort1 ;",
        "QNutil.dynamicExecute(context, remoteHandle, getClass(), QNutil.getObjectName( \"\" , P "
        ") , callAux1 );",
        "X = QNt_QNShort1.getValue();"}},
      {"[t(call, 158), t('udp(', 1), t('\\'U\\'', 3), t(')', 4)]",  // U is no stored procedure
       {"new u(remoteHandle, context).execute( ) ;"}},
      {"[t(msg, 141), t('\"Hi\"', 3), t(')', 4)]", {"QNutil.msg( this, \"Hi\" );"}},
      {"[t(confirm, 151), t('\"Ok?\"', 3), t(',', 7), t('N', 3)]",
       {"QNutil.confirm( me(), \"Ok?\" , false );"}},
      {"[t(confirm, 151), t('\"Ok?\"', 3)]", {"QNutil.confirm( me(), \"Ok?\" , true );"}},
      {"[t(msg, 141), t('\"Hi\"', 3), t(',', 7), t(status, 2), t(')', 4)]",
       {"QNutil.msg( \"Hi\" );"}},
      {"[t(sub, 143), t('Calc', 2)]",
       {"protected void S11()", "{", "   /* CalcRoutine */"}},
      // Enter is called by the runtime through QNEnter (empty here: the
      // fixture's event has no header line to run).
      {"[t(event, 146), t('Enter', 2)]",
       {"public void QNEnter()", "{", "}", "", "protected void E11()", "{", "   /* EnterRoutine */"}},
      {"[t(event, 146), t('Refresh', 2)]", {"protected void E11()", "{", "   /* RefreshRoutine */"}},
      {"[t(endsub, 144)]", {"}", ""}},
      {"[t(do, 145), t('Calc', 2)]", {"/* Execute user event: E11 */", "E11();"}},
      {"[t(docase, 152)]", {}},
      {"[t(onerror, 160)]", {"QNCSERH = \"\"; // Reset error handler"}},
      {"[t(code, 166), t('int k = 0;\\nk++;', 3)]",
       {"/* User Code */", "/* [! */", "int k = 0;", "k++;", "/* !] */"}},
      {"[t(sql, 167), t('DELETE FROM T', 3)]",
       {"/* User SQL Command. */",
        "cmdBuffer = \"DELETE FROM T\";",
        "ExecuteDirectSQL.execute(context, remoteHandle, \"qedbase\", cmdBuffer) ;"}},
      {"[t(x, 105)]", {}},
      {"[t(x, 159)]", {}},
      {"[t(x, 999)]", {}},
      {"[]", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tokens);
    Fixture f(kProc);
    cmd_to_code(f.run, t(c.tokens), Term::nil(), Term::nil(), Term::integer(1),
                Term::nil());
    EXPECT_EQ(f.lines(), c.expected);
  }
}

// A subroutine's start and end bracket in_usr_proc_i/1 and, in a procedure,
// in_sub_i/1 with its key (what names its table objects); the variables the
// block analysis found it prints are declared at its start. A work panel's
// subroutine names no key.
TEST(Navigation, UserSubroutineFact) {
  for (const bool proc : {true, false}) {
    SCOPED_TRACE(proc ? "procedure" : "work panel");
    Fixture f(std::string(kProc) + "parmevents_i(calc, [['&S'], [], []]).");
    if (!proc) {
      f.eng.facts().abolish("spec_i", 1);
      f.eng.facts().assertz(t("spec_i([scr, 2, 'T', 'P', 0, 0])"));
    }
    cmd_to_code(f.run, t("[t(sub, 143), t('\\'Calc\\'', 2)]"), Term::nil(), Term::nil(),
                t("1"), Term::nil());
    EXPECT_EQ(f.eng.facts().count("in_usr_proc_i", 1), 1u);
    EXPECT_EQ(f.eng.facts().exists(t("in_sub_i(calc)")), proc);
    EXPECT_EQ(f.eng.facts().exists(t("fld_to_dcl_i('S', s, _)")), proc);
    cmd_to_code(f.run, t("[t(endsub, 144)]"), Term::nil(), Term::nil(), t("1"), Term::nil());
    EXPECT_EQ(f.eng.facts().count("in_usr_proc_i", 1), 0u);
    EXPECT_EQ(f.eng.facts().count("in_sub_i", 1), 0u);
  }
}

// The program's lines decide what a RETURN and a DO write: a RETURN at the
// end or right before a subroutine needs no code; a DO of a subroutine the
// program defines calls its S method, called the same at its definition.
TEST(Navigation, LinesAroundReturnAndDo) {
  const std::string lines =
      "b_line_i(1, 0, 0, cmd, 0, [t(do, 145), t('Calc', 2)]). "
      "b_line_i(2, 0, 0, cmd, 0, [t(return, 118)]). "
      "b_line_i(3, 0, 0, cmd, 0, [t(sub, 143), t('Calc', 2)]). "
      "b_line_i(4, 0, 0, cmd, 0, [t(return, 118), t(x, 1)]). "
      "b_line_i(5, 0, 0, cmd, 0, [t(endsub, 144)]). ";
  struct Case {
    const char* name;
    const char* tokens;
    Lines expected;
  } cases[] = {
      {"do of a defined subroutine", "[t(do, 145), t('Calc', 2)]",
       {"/* Execute user subroutine: S11 */", "S11();"}},
      {"return before a subroutine", "[t(return, 118)]", {"nUserReturn = 1;"}},
      {"return before more lines", "[t(return, 118), t(x, 1)]",
       {"nUserReturn = 1;", "cleanup();", "if (true) return;"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(kProc + lines);
    cmd_to_code(f.run, t(c.tokens), Term::nil(), Term::nil(), Term::integer(1), Term::nil());
    EXPECT_EQ(f.lines(), c.expected);
  }
  Fixture f(kProc + lines);
  cmd_to_code(f.run, t("[t(sub, 143), t('Calc', 2)]"), Term::nil(), Term::nil(), t("1"),
              Term::nil());
  cmd_to_code(f.run, t("[t(do, 145), t('Calc', 2)]"), Term::nil(), Term::nil(), t("1"),
              Term::nil());
  EXPECT_EQ(f.lines(), (Lines{"protected void S11()", "{", "   /* CalcRoutine */",
                              "   /* Execute user subroutine: S11 */", "   S11();"}));
}

// Two RETURN lines of the same tokens: the writer of the lines says which
// one is written (cmd_line_at_i/1), and only the one before the subroutine
// is last.
TEST(Navigation, SameReturnTwice) {
  const std::string lines =
      "b_line_i(1, 0, 0, cmd, 0, [t(return, 118)]). "
      "b_line_i(2, 0, 0, cmd, 0, [t(endif, 111)]). "
      "b_line_i(3, 0, 0, cmd, 0, [t(return, 118)]). "
      "b_line_i(4, 0, 0, cmd, 0, [t(sub, 143), t('Calc', 2)]). ";
  for (const auto& [at, expected] :
       {std::pair{"1", Lines{"nUserReturn = 1;", "cleanup();", "if (true) return;"}},
        {"3", Lines{"nUserReturn = 1;"}}}) {
    SCOPED_TRACE(at);
    Fixture f(kProc + lines + "cmd_line_at_i(" + at + "). ");
    cmd_to_code(f.run, t("[t(return, 118)]"), Term::nil(), Term::nil(), t("1"), Term::nil());
    EXPECT_EQ(f.lines(), expected);
  }
}

// "do" of an event the program's lines start; none for an event without
// header line.
TEST(Navigation, EventCommandCall) {
  const std::string lines = "b_line_i(7, 0, 0, cmd, 0, [t(event, 146), t('\\'Start\\'', 3)]). ";
  Fixture f(kProc + lines);
  EXPECT_TRUE(gen_event_cmd_call(f.run, t("'Start'"), t("1")));
  EXPECT_EQ(f.lines(), (Lines{"/* Execute user event: E11 */", "E11();"}));
  Fixture none(kProc + lines);
  EXPECT_FALSE(gen_event_cmd_call(none.run, t("'Exit'"), t("1")));
  EXPECT_EQ(none.lines(), Lines{});
}

// The Load event's method by object: a work panel's subfile level gets its
// buffer method (the variables onto a new line) and the element's event
// method, which starts by putting each attribute column's auxiliary into
// the element; a web panel a private method; anything else an empty
// nextLoad() first.
TEST(Navigation, LoadEvent) {
  const std::string scr =
      "spec_i([scr, 4, 'T', 'W', 0, 0]). sf_break_i(1, 1). lit_i(1, 1, s(1), []). "
      "attri_i(qty, ['Qty', int, 4, 0, '']). p_auxname(qty, 'Aqty'). lit_i(2, 1, s(t(qty, 2), 1), []). "
      "lit_i(3, 1, s(t('&Note', 23), 1), []). ";
  struct Case {
    const char* name;
    std::string facts;
    Lines expected;
  } cases[] = {
      {"procedure", kProc, {"protected void nextLoad()", "{", "}", "", "protected void E11()", "{"}},
      {"web panel", "spec_i([web, 4, 'T', 'W', 0, 0]). ", {"private void E11()", "{"}},
      {"work panel subfile",
       scr,
       {"public void loadToBuffer01()", "{", "   variablesToSubfile01();",
        "   sub1.addElement(subw0100004);", "   subw0100004 = new subW0100004 ();", "}", "",
        "private void E11() throws QNLoadInterruptException", "{", "   subw0100004.setQty( Aqty );"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    EXPECT_TRUE(gen_load_event(f.run, t("'Load'"), t("1"), "E11"));
    EXPECT_EQ(f.lines(), c.expected);
  }
}

// The context moves around a form's event: what the event method holds
// after its routine comment and before its end, by event and commands.
TEST(Navigation, EventContextCalls) {
  const std::string scr = "spec_i([scr, 4, 'T', 'W', 0, 0]). level_i(1, [0]). "
                          "attri_i('&X', ['&X', int, 4, 0, '']). "
                          "lit_i(1, 1, s(1), []). lit_i(2, 1, s(t('&Y', 23), 1), []). ";
  const char* assign = "[t(a, 107), t('&X', 23), t('=', 10), t('1', 3)]";
  struct Case {
    const char* name;
    std::string facts;
    const char* event;
    std::vector<const char*> body;
    Lines start, end;
  } cases[] = {
      {"a click that assigns", scr, "t([t('&X', 23), t('Click', 0)], 0)", {assign},
       {"   eventLevelContext();"}, {"   eventLevelResetContext();"}},
      {"a click that assigns nothing", scr, "t([t('&X', 23), t('Click', 0)], 0)", {},
       {"   eventLevelContext();"}, {}},
      {"Start", scr, "t('Start', 2)", {assign}, {"   eventNoLevelContext();"}, {}},
      {"After Trn", scr, "t('After Trn', 2)", {assign}, {}, {}},
      {"Refresh", scr, "t('Refresh', 2)", {assign}, {"   eventLevelContext();"}, {}},
      {"Exit", scr, "t('Exit', 2)", {assign}, {"   eventLevelContext();"}, {}},
      {"Load", "spec_i([scr, 4, 'T', 'W', 0, 0]). level_i(1, [0]). ", "t('Load', 2)", {assign},
       {"   eventLevelContext();"}, {}},
      {"a refresh in the event", scr, "t('Go', 2)", {assign, "[t(refresh, 148)]"},
       {"   eventLevelContext();"}, {}},
      {"a sort( in the event", scr, "t('Go', 2)",
       {assign, "[t([t('&Y', 23), t('sort(', 0), t(')', 4)], 31)]"}, {"   eventLevelContext();"}, {}},
      {"Isvalid outside a subfile", scr, "t([t('&X', 23), t('Isvalid', 0)], 0)", {assign},
       {"   eventLevelContext();"}, {}},
      {"Isvalid of a column", scr, "t([t('&Y', 23), t('Isvalid', 0)], 0)", {assign},
       {"   eventLevelContext();"}, {"   eventLevelResetContext();"}},
      {"a procedure", kProc, "t('Go', 2)", {assign}, {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(c.facts);
    const Term one = t("1");
    cmd_to_code(f.run, t((std::string("[t(event, 146), ") + c.event + "]").c_str()), Term::nil(),
                Term::nil(), one, Term::nil());
    Lines head = f.lines();
    auto comment = std::find_if(head.begin(), head.end(),
                                [](const std::string& l) { return l.ends_with("Routine */"); });
    ASSERT_NE(comment, head.end());
    EXPECT_EQ(Lines(comment + 1, head.end()), c.start);
    f.run.capture()->files.clear();
    for (const char* line : c.body) {
      cmd_to_code(f.run, t(line), Term::nil(), Term::nil(), one, Term::nil());
    }
    const size_t body = f.lines().size();
    cmd_to_code(f.run, t("[t(endevent, 147)]"), Term::nil(), Term::nil(), one, Term::nil());
    Lines all = f.lines();
    EXPECT_EQ(Lines(all.begin() + body, all.end() - 2), c.end);
  }
}

// The end of a subfile's Load closes the cursors the load opened, once.
TEST(Navigation, LoadEventEnd) {
  Fixture f(std::string(kProc) + "in_event_load. load_cursors([ca, cb]). cursor_loaded_i(ca). ");
  ASSERT_TRUE(gen_event_end(f.run, t("2")));
  EXPECT_EQ(f.lines(), (Lines{"}", "", "protected void closeCursors02()", "{", "   ca.close() ;",
                              "   cb.close() ;", "}", ""}));
  EXPECT_EQ(f.eng.facts().count("load_cursors", 1), 0u);
  EXPECT_EQ(f.eng.facts().count("cursor_loaded_i", 1), 0u);
  Fixture plain(kProc);
  ASSERT_TRUE(gen_event_end(plain.run, t("2")));
  EXPECT_EQ(plain.lines(), (Lines{"}", ""}));
}

// The load producer of a subfile level without table: the level's Load
// event (none here) inside runLoad, and the calls of the panel's methods,
// named by the subfile (1) and not by the level (2).
TEST(Navigation, LoadProducer) {
  Fixture f("spec_i([scr, 4, 'T', 'W', 0, 0]). current_pgm_i('W'). level_i(2, []). ");
  ASSERT_TRUE(gen_load_producer(f.run, 1, t("2"), "01"));
  const Lines lines = f.lines();
  ASSERT_FALSE(lines.empty());
  EXPECT_NE(lines[0].find("class ") , std::string::npos);
  EXPECT_NE(lines[0].find("_load01 extends QNLoadProducer"), std::string::npos) << lines[0];
  const Lines body(lines.begin() + 1, lines.end());
  EXPECT_EQ(body, (Lines{"{", "   public void loadToBuffer()", "   {", "      loadToBuffer01();",
                         "   }", "", "   public synchronized void runLoad() throws QNLoadInterruptException",
                         "   {", "   }", "", "   public void closeCursors()", "   {",
                         "      closeCursors01();", "   }", "", "}", ""}));
}

}  // namespace
}  // namespace qn::logic
