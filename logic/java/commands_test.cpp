// The Java of commands, messages and RETURN, and the remote-call names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/run.h"
#include "logic/java/commands.h"
#include "logic/java/remote_calls.h"

namespace qn::logic {
namespace {

using Lines = std::vector<std::string>;

struct Fixture {
  explicit Fixture(const std::string& facts) : run(eng) {
    EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    run.capture_output();
  }
  Lines lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  Run run;
};

TEST(Commands, StatementLines) {
  Fixture f("");
  ASSERT_TRUE(emit_stmt_lines(f.run, *engine::parse_term("\"a.close()\"")));
  ASSERT_TRUE(emit_stmt_lines(f.run, *engine::parse_term("[\"x = 1;\", \"y = 2;\"]")));
  ASSERT_TRUE(emit_stmt_lines(f.run, *engine::parse_term("f(1)")));
  EXPECT_EQ(f.lines(), (Lines{"a.close() ;", "x = 1;", "y = 2;", "Error: invalid format.-> f(1)"}));
}

// The store's DBMS is data store 1's (qedbase without preferences).
TEST(Commands, DatabaseCommands) {
  struct Case {
    const char* command;
    std::vector<std::string> args;
    Lines expected;
  } cases[] = {
      {"qncommit", {}, {"Application.commit(context, remoteHandle, \"qedbase\") ;"}},
      {"qnrollback", {}, {"Application.rollback(context, remoteHandle, \"qedbase\") ;"}},
      {"qnexecimm",
       {"DELETE FROM T ", "WHERE 1 = 1"},
       {"cmdBuffer = \"DELETE FROM T \";", "cmdBuffer += \"WHERE 1 = 1\";",
        "ExecuteDirectSQL.execute(context, remoteHandle, \"qedbase\", cmdBuffer) ;"}},
      {"qnexecimm",
       {"DELETE FROM \"T\" WHERE A = '\\'"},
       {"cmdBuffer = \"DELETE FROM \\\"T\\\" WHERE A = '\\\\'\";",
        "ExecuteDirectSQL.execute(context, remoteHandle, \"qedbase\", cmdBuffer) ;"}},
      {"qnfetchf", {"T0002", "Tcustomer", "AV1"}, {"T0002.fetchFirst(Tcustomer, AV1);"}},
      {"qnclosecur", {"T0001"}, {"T0001.close() ;"}},
      {"qnbegtrn", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    Fixture f("spec_i([proc, 1, 'T', 'P', 0, 0]).");
    ASSERT_TRUE(gen_db_command(f.run, c.command, c.args));
    EXPECT_EQ(f.lines(), c.expected);
  }
}

// MSG by object; RETURN as the last statement writes nothing, elsewhere
// it cleans up first (not in a web panel); CONFIRM with N passes false.
TEST(Commands, MessagesReturnAndConfirm) {
  struct Case {
    const char* kind;
    Lines msg, ret;
  } cases[] = {
      {"proc", {"QNutil.msg( this, \"Hi\" );"}, {"cleanup();", "if (true) return;"}},
      {"scr", {"QNutil.msg( me(), \"Hi\" );"}, {"cleanup();", "if (true) return;"}},
      {"web", {"System.out.println( \"Hi\" );"}, {"if (true) return;"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    Fixture f(std::string("spec_i([") + c.kind + ", 1, 'T', 'P', 0, 0]).");
    ASSERT_TRUE(gen_msg_stmt(f.run, "\"Hi\""));
    EXPECT_EQ(f.lines(), c.msg);
    Fixture r(std::string("spec_i([") + c.kind + ", 1, 'T', 'P', 0, 0]).");
    ASSERT_TRUE(gen_return_cmd(r.run, true));
    ASSERT_TRUE(gen_return_cmd(r.run, false));
    EXPECT_EQ(r.lines(), c.ret);
  }
  Fixture f("");
  ASSERT_TRUE(gen_confirm(f.run, "\"Sure?\"", false));
  ASSERT_TRUE(gen_do_sub(f.run, "s11", true));
  EXPECT_EQ(f.lines(), (Lines{"QNutil.confirm( me(), \"Sure?\" , false );",
                              "/* Execute user subroutine: s11 */", "s11();"}));
}

TEST(RemoteCalls, SerializationTypes) {
  struct Case {
    const char* type;
    int64_t length, decimals;
    const char* name;
  } cases[] = {
      {"int", 2, 0, "Byte"},   {"int", 4, 0, "Short"},  {"int", 9, 0, "Int"},
      {"int", 18, 0, "Long"},  {"int", 9, 2, "Double"}, {"char", 10, 0, "String"},
      {"date", 8, 0, "Date"},  {"dtime", 8, 0, "Date"}, {"boolean", 1, 0, "Boolean"},
      {"blob", 1, 0, "Blobfile"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.type);
    EXPECT_EQ(get_serialization_type(engine::Term::atom(c.type), c.length, c.decimals), c.name);
  }
  EXPECT_EQ(get_serialization_type_trim(engine::Term::atom("char"), 10, 0), "StringTrim");
}

TEST(RemoteCalls, RemoteObjectsAndProtocol) {
  Fixture f("rule_i(0, prop('PACKAGE', 'com.x')). rule_i(0, prop('REMOTE_CALLS', 'wl_rmi')).");
  struct Case {
    const char* kind;
    const char* expr;
  } cases[] = {
      {"proc", "Application.getRemoteProcedure(context, remoteHandle, \"com.x.acalc\", \"server\")"},
      {"trn", "Application.getRemoteProcedure(context, remoteHandle, \"com.x.acalc\", "
              "Application.getQNDBHost(context, remoteHandle))"},
      {"fwdsup", "Application.getApplicationServer(Application.getQNDBHost(context, remoteHandle))"
                 ".getRemoteForwardSupplier(\"acalc\", remoteHandle)"},
      {"updsup", "Application.getApplicationServer(Application.getQNDBHost(context, remoteHandle))"
                 ".getRemoteUpdateSupplier(\"acalc\", remoteHandle)"},
      {"sup", "Application.getApplicationServer(Application.getQNDBHost(context, remoteHandle))"
              ".getRemoteSupplier(\"acalc\", remoteHandle)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(remote_supplier_expr(f.run, c.kind, "acalc", "\"server\""), c.expr);
  }
  EXPECT_FALSE(remote_supplier_expr(f.run, "tab", "acalc", "\"\""));
  // WL_RMI counts as a configured protocol, though not as rmi.
  EXPECT_TRUE(remote_calls_protocol(f.run));
  EXPECT_FALSE(remote_calls_protocol(f.run, "rmi"));
  Fixture never("");
  EXPECT_FALSE(remote_calls_protocol(never.run));
}

// The ask dialog: one holder and edit per entry (its default picture, or its
// own; the title from the form generator's stand-in), the prompts, the
// values read back; the entry Outdev adds the output device. Without the
// title the method fails; without ask nothing is written.
TEST(Commands, AskDialog) {
  const std::string facts =
      "spec_i([proc, 1, 'T', 'P', 0, 0]). "
      "attri_i(custid, ['CustId', int, 6, 0, '']). "
      "attri_i(region, ['Region', char, 20, 0, '@!']). "
      "attri_i(outdev, ['Outdev', char, 1, 0, '']). "
      "function_i(1, 1, yes, ask, ask, [t('\\'Customer\\'', 3)], x, custid, [custid]). "
      "function_i(2, 2, yes, ask, ask, [], x, region, [region]). ";
  const auto with_stand_ins = [](logic::Run& run) {
    run.stand_in_host("window_title_expr", 1, [](logic::Run&, std::span<engine::Term> a) {
      a[0] = engine::Term::string("\"T\"");
      return true;
    });
  };
  for (const bool outdev : {false, true}) {
    SCOPED_TRACE(outdev);
    Fixture f(facts + (outdev ? "function_i(3, 3, yes, ask, ask, [], x, outdev, [outdev]). " : ""));
    with_stand_ins(f.run);
    ASSERT_TRUE(gen_do_ask(f.run));
    Lines expected = {
        "private boolean doAsk()",
        "{",
        "   GUIObjectInt askCustId = new GUIObjectInt ( new QNEdit( 6 , \"999999\" , "
        "QNTypeConstants.NUMERIC ));",
        "   GUIObjectString askRegion = new GUIObjectString ( new QNEdit( 20 , \"@!\" , "
        "QNTypeConstants.CHAR ));",
        "   askCustId.setValue(CustId);",
        "   askRegion.setValue(Region);",
        std::string("   QNAsk ask = new QNAsk( \"T\" , ") + (outdev ? "true" : "false") +
            " , new QNAskObject[] {",
        "               new QNAskObject ( askCustId , \"Customer\" , 6 ) ,",
        "               new QNAskObject ( askRegion , \"Region\" , 20 )",
        "   });",
        "   CustId = askCustId.getValue();",
        "   Region = askRegion.getValue();"};
    if (outdev) expected.push_back("   Qn_out = ask.getOutput();");
    for (const char* l : {"   return ask.getConfirmed();", "}", ""}) expected.push_back(l);
    EXPECT_EQ(f.lines(), expected);
  }
  Fixture no_title(facts);
  EXPECT_FALSE(gen_do_ask(no_title.run));
  Fixture no_ask("spec_i([proc, 1, 'T', 'P', 0, 0]). ");
  EXPECT_TRUE(gen_do_ask(no_ask.run));
  EXPECT_EQ(no_ask.lines(), Lines{});
}

}  // namespace
}  // namespace qn::logic
