// Program calls: system programs, generated programs with holders and the
// move back, the reference recorded once.
#include "logic/program/pgm_calls.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/program/expressions.h"
#include "logic/toolbox/declarations.h"

namespace qn::logic {
namespace {

using Lines = std::vector<std::string>;

engine::Term t(const std::string& text) { return *engine::parse_term(text); }

const char* kFacts =
    "spec_i([proc, 1, 'T', 'P', 0, 0]). "
    "attri_i(host, ['Host', char, 20, 0, '']). attri_i(user, ['User', char, 20, 0, '']). "
    "attri_i(pwd, ['Pwd', char, 20, 0, '']). attri_i(invdate, ['InvDate', date, 8, 0, '']). "
    "attri_i(n, ['N', int, 9, 0, '']). ";

TEST(PgmCalls, CallLines) {
  struct Case {
    const char* name;
    const char* facts;
    const char* target;
    const char* args;
    Lines expected;
  } cases[] = {
      {"a system program takes its arguments as they are", "", "'qnftpcon'",
       "[t(host, 2), t(',', 7), t(user, 2), t(',', 7), t(pwd, 2)]",
       {"com.quenora.internet.QNFTP.connect ( Host, User, Pwd );"}},
      {"an output of a system program goes through a holder and back", "", "'qnxopen'",
       "[t(host, 2), t(',', 7), t(n, 2)]",
       {"QNt_QNInt1 = new QNInt(N);", "com.quenora.office.QNOffice.xlsOpen ( Host, QNt_QNInt1 );",
        "N = QNt_QNInt1.getValue();"}},
      {"with USE_QNOFFICE Y the office module's, with its status",
       "rule_i(0, prop('USE_QNOFFICE', 'Y')).", "'qnxopen'", "[t(host, 2), t(',', 7), t(n, 2)]",
       {"QNt_QNInt1 = new QNInt(N);",
        "com.quenora.qnoffice.QnOffice.getQNOffice().qnxopen ( Host, QNt_QNInt1 );",
        "N = QNt_QNInt1.getValue();"}},
      {"a generated program: every argument in a holder", "", "'APrintInv'", "[t(invdate, 2)]",
       {"QNt_QNDate1 = new QNDate(InvDate);",
        "new aprintinv(remoteHandle, context).execute( QNt_QNDate1) ;",
        "InvDate = QNt_QNDate1.getValue();"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text(std::string(kFacts) + c.facts, false));
    run.capture_output();
    ASSERT_TRUE(gen_pgm_call(run, "udp", t(c.target), 3, t(c.args), ExprCtx{}));
    EXPECT_EQ(run.capture()->all_lines(), c.expected);
  }
}

// Two calls of the same program record its reference once, with the
// arguments of the first.
TEST(PgmCalls, ReferenceRecordedOnce) {
  engine::Engine eng;
  logic::Run run(eng);
  ASSERT_TRUE(eng.consult_text(kFacts, false));
  run.capture_output();
  ASSERT_TRUE(gen_pgm_call(run, "udp", t("'acalc'"), 3, t("[t(n, 2)]"), ExprCtx{}));
  ASSERT_TRUE(gen_pgm_call(run, "udp", t("'ACalc'"), 3, t("[]"), ExprCtx{}));
  const auto refs = eng.facts().clauses("extrn_pgm_ref_i", 2);
  ASSERT_EQ(refs.size(), 1u);
  EXPECT_EQ(engine::writeq(refs[0]), "extrn_pgm_ref_i(\"acalc\",[[],[t(n,2)]])");
  EXPECT_EQ(call_program_name("'PrintInv'"), "printinv");
  EXPECT_EQ(call_program_name("dfrgtxt("), "dfrgtxt");
}

// A remote call packs the caller's fields, runs the program where its
// main-program entry places it, and reads the values back into the fields;
// an argument without a field fails the call and writes nothing.
TEST(PgmCalls, RemoteCall) {
  const std::string facts = std::string(kFacts) +
                            "pgm_main_i(proc, 3, 'Calc', [11, acalc, 'Calc', '', '', 'Server']). ";
  struct Case {
    const char* name;
    const char* target;
    const char* args;
    Lines expected;
  } cases[] = {
      {"attributes, at the callee's location", "'ACalc'", "[t(n, 2), t(',', 7), t(host, 2)]",
       {"QNParameterPacker qnp_o = new QNParameterPacker();", "qnp_o.writeInt( this.N);",
        "qnp_o.writeString( this.Host);", "",
        "QNParameterUnpacker qnp_i = new QNParameterUnpacker( "
        "Application.getRemoteProcedure(context, remoteHandle, \"acalc\", \"server\").execute( "
        "qnp_o.toByteArray()));",
        "", "N = qnp_i.readInt ();", "Host = qnp_i.readString ();", ""}},
      {"a program without entry: no location", "'PTax'", "[]",
       {"QNParameterPacker qnp_o = new QNParameterPacker();", "",
        "QNParameterUnpacker qnp_i = new QNParameterUnpacker( "
        "Application.getRemoteProcedure(context, remoteHandle, \"ptax\", \"\").execute( "
        "qnp_o.toByteArray()));",
        "", ""}},
      {"a constant has no field", "'ACalc'", "[t('1', 3)]", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text(facts, false));
    run.capture_output();
    EXPECT_EQ(gen_pgm_call(run, "rpc", t(c.target), 3, t(c.args), ExprCtx{}), !c.expected.empty());
    EXPECT_EQ(run.capture()->all_lines(), c.expected);
  }
}

// udp( and call( in an expression: the call first, with a temporary for the
// program's return parameter as the last argument, which the expression
// then reads.
TEST(PgmCalls, CallAsFunction) {
  struct Case {
    const char* name;
    const char* facts;
    const char* tokens;
    Lines lines;
    const char* java;
  } cases[] = {
      {"without a declared return parameter: int(9)", "",
       "[t('udp(', 1), t('\\'PCalc\\'', 3), t(',', 7), t(n, 2), t(')', 4)]",
       {"QNt_QNInt2 = new QNInt(N);", "QNt_QNInt3 = new QNInt(QNt_int1);",
        "new pcalc(remoteHandle, context).execute( QNt_QNInt2, QNt_QNInt3) ;",
        "N = QNt_QNInt2.getValue();", "QNt_int1 = QNt_QNInt3.getValue();"},
       "QNt_int1"},
      {"the return parameter's type", "pgm_parm_i('PCALC', 1, i, [int, 9, 0, 0]). "
                                      "pgm_parm_i('PCALC', 2, o, [char, 10, 0, 0]).",
       "[t('call(', 1), t('\\'PCalc\\'', 3), t(',', 7), t(n, 2), t(')', 4)]",
       {"QNt_QNInt2 = new QNInt(N);", "QNt_QNString3 = new QNString(QNt_char1);",
        "new pcalc(remoteHandle, context).execute( QNt_QNInt2, QNt_QNString3) ;",
        "QNt_char1 = QNt_QNString3.getValue();"},
       "QNt_char1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text(std::string(kFacts) + c.facts, false));
    run.capture_output();
    auto java = exp_to_java(run, t(c.tokens), ExprCtx{});
    ASSERT_TRUE(java);
    EXPECT_EQ(join_pieces(java->pieces), c.java);
    EXPECT_EQ(run.capture()->all_lines(), c.lines);
  }
}

// A local routine's call: its name lower-cased, its arguments as they are,
// no holders (a call of kind int).
TEST(PgmCalls, LocalRoutineCall) {
  engine::Engine eng;
  logic::Run run(eng);
  ASSERT_TRUE(eng.consult_text(kFacts, false));
  run.capture_output();
  ASSERT_TRUE(gen_call_stmt(run, "ZM11", t("[t(0, 3), t(',', 7), t(n, 2)]")));
  EXPECT_EQ(run.capture()->all_lines(), (Lines{"zm11( 0, N) ;"}));
}

}  // namespace
}  // namespace qn::logic
