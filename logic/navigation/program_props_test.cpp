#include "logic/navigation/program_props.h"

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/nav_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using navtest::Fixture;
using navtest::t;

std::string toks_text(const Term& toks) {
  std::string s;
  for (const Term& k : toks.list_items()) s += engine::writeq(k.arg(1)) + " ";
  return s;
}

TEST(ProgramProps, DefaultExpressions) {
  struct Case {
    const char* facts;
    const char* expr;
  } cases[] = {
      {"default_i(e('D', x, 2, '''Date()''')).", "'today(' ')' "},
      {"default_i(e('D', x, 2, '''today''')).", "'today(' ')' "},
      {"default_i(e('D', x, 2, 'time()')).", "'time(' ')' "},
      {"default_i(e('D', x, 2, '''previous''')).", "'nullvalue(' 'D' ')' "},
      {"default_i(e('D', x, 2, '''abc''')).", "'\\'abc\\'' "},
      {"default_i(e('D', x, 3, [t('previous(', 1), t('D', 2), t(')', 4)])).", "'previous(' 'D' ')' "},
      {"default_i(e('D', x, 3, [t('A', 2), t('+', 5), t(1, 3)])).", "'A' + 1 "},
      {"default_i(e('E', x, 2, '''Date()''')).", "'nullvalue(' 'D' ')' "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    EXPECT_EQ(toks_text(att_default_expr(f.run, atom("D"))), c.expr);
  }
}

TEST(ProgramProps, CallTargets) {
  Fixture f(
      "pgm_main_i(1, 4, 'PASP', [3]). pgm_main_i(1, 5, 'PEXE', [8]). "
      "pgm_prop_i(1, 2, 'pasp', 'URL', 'http://x'). rule_i(1, prop('PACKAGE', 'com.acme')). "
      "rule_i(1, prop('TARGET_OS', 'nt')).");
  struct Case {
    const char* token;
    const char* name;
    const char* file;
  } cases[] = {
      {"t('''Pasp''', 3)", "Pasp", "Pasp.ASP"},
      {"t(o(proc, exe), 28)", "Pexe", "Pexe.exe"},
      {"t(o(trn, cust), 28)", "Tcust", "com.acme.Tcust"},
      {"t('X', 2)", "FAIL", "FAIL"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.token);
    EXPECT_EQ(call_target_name(t(c.token)).value_or("FAIL"), c.name);
    EXPECT_EQ(target_file_name(f.run, t(c.token)).value_or("FAIL"), c.file);
  }
  EXPECT_EQ(text_of(*target_pgm_prop(f.run, t("t('PASP', 3)"), atom("URL"))), "http://x");
  EXPECT_EQ(web_target_link(t("t('''Hpage''', 3)")).value_or("FAIL"), "hpage");
  // The prefix by the option http_protocol.
  EXPECT_EQ(call_target_url(f.run, t("t('''Hpage''', 3)")).value_or("FAIL"), "http:hpage");
  for (const auto& [protocol, url] : {std::pair{"secure", "https:hpage"}, {"none", "hpage"},
                                      {"plain", "http:hpage"}}) {
    Fixture p(std::string("rule_i(0, prop(http_protocol, ") + protocol + ")).");
    EXPECT_EQ(call_target_url(p.run, t("t('''Hpage''', 3)")).value_or("FAIL"), url) << protocol;
  }
  f.run.stand_in_host("http_prefix", 1, [](logic::Run&, std::span<Term> a) {
    a[0] = Term::string("http://host/servlet/");
    return true;
  });
  EXPECT_EQ(call_target_url(f.run, t("t('''Hpage''', 3)")).value_or("FAIL"),
            "http://host/servlet/hpage");
  EXPECT_FALSE(web_target_link(t("t('''Pasp''', 3)")));
  EXPECT_EQ(engine::writeq(drop_comma_token(t("[t(',', 7), t(a, 2)]"))), "[t(a,2)]");
  Fixture h("rule_i(1, hidden(['&A', '&B'], x)). rule_i(2, hidden(['&B', '&C'], y)).");
  EXPECT_EQ(engine::writeq(hidden_vars(h.run)), "['&A','&B','&C']");
}

TEST(ProgramProps, TargetOs) {
  struct Case {
    const char* facts;
    const char* os;
  } cases[] = {
      {"rule_i(1, prop('TARGET_OS', aix)).", "aix"},
      {"rule_i(1, prop('TARGET_OS', 'Nt')).", "nt"},
      {"rule_i(1, prop('DTASRC', '12')).", "nt"},
      {"rule_i(1, prop('DTASRC', '5')).", "aix"},
      {"rule_i(1, prop('DTASRC', '8')).", "os2"},
      {"rule_i(1, prop('DTASRC', '7')).", "Neither specified nor inferred."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    f.run.stand_in_host("i_config", 2, [](logic::Run&, std::span<Term>) { return false; });
    EXPECT_EQ(target_os(f.run), c.os);
  }
}

TEST(ProgramProps, LevelAttributesAndSubfiles) {
  Fixture f(
      "ta_i(1, [['A', 'B'], x]). a_i(7, 1, r, 10, x, []). v_i(r, o, 7, ['B', 'C']). "
      "level_i(1, [x]). level_i(2, [x]). struct_i(2, 1, [], []). "
      "las_i(1, ['A']). las_i(2, ['A', 'B', 'C']). sf_break_i(3, 'S1'). "
      "lit_i(1, 2, s(t('B', 2), 'S2'), []). lit_i(2, 2, s(t('C', 23), 'S2'), []). "
      "lit_i(3, 1, s('S3'), []).");
  EXPECT_EQ(engine::writeq(level_sel_atts(f.run, num(1))), "['A','B','C']");
  struct Case {
    const char* kind;
    int64_t level;
    const char* subfile;
    bool loads;
  } cases[] = {
      {"trn", 3, "'S1'", true},   // a subfile break
      {"trn", 2, "'S2'", false},  // C is a variable control
      {"scr", 2, "'S2'", true},   // which panels count
      {"scr", 1, "'S3'", true},   // the first level of a work panel with subfile controls
      {"trn", 1, "'S3'", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.kind) + " " + std::to_string(c.level) + c.subfile);
    f.eng.facts().retract_all(fact("spec_i", {var()}));
    f.eng.facts().assertz(fact("spec_i", {Term::list({atom(c.kind), num(1), str("T"), atom("N")})}));
    EXPECT_EQ(sfl_level(f.run, num(c.level), t(c.subfile)), c.loads);
  }
}

TEST(ProgramProps, RegisterObject) {
  struct Case {
    const char* facts;
    const char* object;
    const char* record;  // "" when nothing is written
  } cases[] = {
      {"spec_i([trn, 5, 'Customers', 'Customer']).", "tcustomer",
       "i_stqnprgs(6,0,11) i_wqnprgs(6,0,5,\"TCUSTOMER\",\"Customers\",[0,1,\"TCUSTOMER\",\"DCUSTOMER\"])"},
      {"spec_i([proc, 7, 'Cleanup', 'Cl_up']). rule_i(1, rule([a(10, ['&A'])], x, y, z)).", "pcl_up",
       "i_stqnprgs(6,1,11) i_wqnprgs(6,1,7,\"PCL_UP\",\"Cleanup\",[1,1,\"PCL0UP\",\"FCL_UP\"])"},
      {"spec_i([trn, 8, 'Orders', 'Orders']). rule_i(0, prop('PGMTYPE', main)).", "norders",
       "i_stqnprgs(6,0,11) i_wqnprgs(6,0,8,\"TORDERS\",\"Orders\",[0,1,\"TORDERS\",\"DORDERS\"])"},
      {"spec_i([proc, 0, 'Util', 'QnuTools']).", "pqnutools",
       "i_stqnprgs(6,101,11) i_wqnprgs(6,101,0,\"PQNUTOOLS\",\"Util\",[0,1,\"PQNUTOOLS\",\"KQNUTOOLS\"])"},
      {"spec_i([proc, 9, 'A title longer than the thirty characters kept', 'Longname']).",
       "pa_procedure_named_at_length_of_forty",
       "i_stqnprgs(6,1,11) i_wqnprgs(6,1,9,\"PA_PROCEDU\",\"A title longer than the thirty\","
       "[0,1,\"PA0PROCEDU\",\"FA_PROCEDU\"])"},
      {"spec_i([ce, 1, 'Create', 'Createdb']).", "createdb", ""},
      {"spec_i([ce, 1, 'Reorg', 'Reorg']).", "reorg", ""},  // no class id
      {"spec_i([proc, 3, 'Stub', 'Pay']). rule_i(0, stub(proc)). pgm_main_i(1, 3, 'PAY', [3]).",
       "ppay", ""},
      {"spec_i([proc, 3, 'Stub', 'Pay']). rule_i(0, stub(proc)). pgm_main_i(1, 3, 'PAY', [11]).",
       "ppay", "i_stqnprgs(6,1,11) i_wqnprgs(6,1,3,\"PPAY\",\"Stub\",[0,1,\"PPAY\",\"FPAY\"])"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    std::string calls;
    for (const char* p : {"i_stqnprgs", "i_wqnprgs"}) {
      const uint32_t arity = std::string(p) == "i_stqnprgs" ? 3 : 6;
      f.run.stand_in_host(p, arity, [&calls, p](logic::Run&, std::span<Term> a) {
        calls += (calls.empty() ? "" : " ") + engine::writeq(Term::compound(p, {a.begin(), a.end()}));
        return true;
      });
    }
    EXPECT_TRUE(register_object(f.run, 6, c.object));
    EXPECT_EQ(calls, c.record);
  }
  // A record that cannot be written fails the object.
  Fixture f("spec_i([trn, 5, 'Customers', 'Customer']).");
  f.run.stand_in_host("i_stqnprgs", 3, [](logic::Run&, std::span<Term>) { return true; });
  f.run.stand_in_host("i_wqnprgs", 6, [](logic::Run&, std::span<Term>) { return false; });
  EXPECT_FALSE(register_object(f.run, 6, "tcustomer"));
}

}  // namespace
}  // namespace qn::logic
