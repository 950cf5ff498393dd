#include "logic/toolbox/rule_utilities.h"

#include "logic/toolbox/declarations.h"
#include "logic/toolbox/pending.h"
#include "logic/toolbox/test_fixture.h"

namespace qn::logic {
namespace {

using namespace webtest;

TEST(RuleUtilities, LengthCap) {
  struct Case {
    const char* type;
    int64_t length, out;
  } cases[] = {{"pac", 18, 15},    {"int", 16, 15},       {"zon", 15, 15},  {"bin", 20, 15},
               {"char", 300, 300}, {"vchar", 2000, 2000}, {"bits", 1, 2048}};
  for (const auto& c : cases) EXPECT_EQ(att_len_cap(t(c.type), c.length), c.out) << c.type;
  EXPECT_EQ(bits_default_pic(), "");
}

TEST(RuleUtilities, AttributeFactsAndUserEvents) {
  Fixture f("attri_i('A', [old]).");
  assert_attri(f.run, t("'A'"), t("'NEW'"), t("int"), t("4"), t("0"), t("''"));
  assert_attri(f.run, t("'B'"), t("'BNAME'"), t("char"), t("10"), t("0"), t("'X(10)'"));
  EXPECT_EQ(f.all("attri_i", 2),
            "attri_i('B',['BNAME',char,10,0,'X(10)',1,'','',0]) attri_i('A',[old]) ");
  retract_attris(f.run, t("['A', 'B', 'C']"));
  EXPECT_EQ(f.all("attri_i", 2), "");
  // An event neither in the event source nor Load/Refresh: nothing, success.
  EXPECT_TRUE(gen_user_event(f.run, t("'Enter'"), t("1")));
  EXPECT_TRUE(gen_user_event(f.run, t("'Rfr'"), t("1")));
  EXPECT_EQ(f.lines(), Lines{});
}

TEST(RuleUtilities, FirstLevelKeysAtHand) {
  // Level 1 keys: custid (an attribute) and invid (computed or not).
  const std::string level = "level_i(1, [invoice, [invoice], [custid, invid]]). ";
  const std::string with_mode = "struct_i(1, 0, ['Mode', custid, name], []). ";
  const std::string on_insert = "a_i(7, 1, f, x, [], [[insert, update]]). v_i(f, o, 7, [invid]). ";
  const std::string always = "a_i(8, 1, f, x, [c], [[update]]). v_i(f, o, 8, [invid]). ";
  struct Case {
    std::string facts;
    bool u, d, i, u_without_mode;
  } cases[] = {
      {level + with_mode, false, false, false, false},  // invid nowhere
      {level + with_mode + on_insert, true, true, true, true},
      {level + with_mode + always, true, true, false, true},  // not an insert formula
      {level + "struct_i(1, 0, [custid, invid], []). ", false, false, false, true},  // no Mode
      {level + "struct_i(1, 0, ['Mode', custid, invid], []). a_i(9, 2, f, x, [], [[insert]]). "
               "v_i(f, o, 9, [invid]). ",
       true, true, true, true},
  };
  for (const auto& c : cases) {
    Fixture f(c.facts);
    EXPECT_EQ(level_atts_mode_check(f.run, "u"), c.u) << c.facts;
    EXPECT_EQ(level_atts_mode_check(f.run, "d"), c.d) << c.facts;
    EXPECT_EQ(level_atts_mode_check(f.run, "i"), c.i) << c.facts;
    EXPECT_EQ(level_atts_mode_check(f.run, "u", false), c.u_without_mode) << c.facts;
  }
}

// A group's command lines: in work panels and transactions through the
// subfile statements' writer once it exists, else (and in other programs)
// the command translator.
TEST(RuleUtilities, BlockCommandsOfAPanel) {
  const std::string lines =
      "b_line_i(1, 1, 2, cmd, x, [t(a, 107), t('&X', 23), t('=', 10), t('1', 3)]). "
      "b_line_i(2, 1, 2, cmd, x, [t(a, 107), t('&X', 23), t('=', 10), t('2', 3)]). "
      "attri_i('&X', ['&X', int, 4, 0, '']). ";
  // Panels and transactions hand each line to the subfile statements'
  // writer, which gives any other line to cmd_to_code/5; the rest go there
  // directly: the group's lines in order either way.
  for (const char* kind : {"scr", "trn", "proc"}) {
    SCOPED_TRACE(kind);
    Fixture f("spec_i([" + std::string(kind) + ", 1, 'T', 'P', 0, 0]). " + lines);
    EXPECT_TRUE(gen_block_cmds(f.run, t("1"), t("2"), t("x"), t("[]"), t("[]"), t("[]"), t("[]")));
    EXPECT_EQ(f.lines(), (Lines{"X = (short)(1) ;", "X = (short)(2) ;"}));
  }
}

}  // namespace
}  // namespace qn::logic
