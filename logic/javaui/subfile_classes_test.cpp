#include "logic/javaui/subfile_classes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logic/core/rule_terms.h"
#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using namespace testing;  // NOLINT
using Lines = std::vector<std::string>;

std::string all_text(ExprRun& r) {
  std::string s;
  for (const std::string& l : r.lines()) s += l + "\n";
  return s;
}

TEST(SubfileClasses, ElementNames) {
  ExprRun r("attri_i(price, ['Price', int, 6, 0, '']). is_i('&Sum', [t(price, 2)]). ");
  const struct {
    const char* element;
    const char* name;
  } cases[] = {
      {"price", "Price"},          {"old(price)", "OPrice"},
      {"seudo(price)", "ZPrice"},  {"previous(price)", "EPrice"},
      {"'&Total'", "VTotal"},      {"'&Sum'", "Sum"},
      {"old('&Total')", "OVTotal"},
  };
  for (const auto& c : cases) EXPECT_EQ(subfile_element_name(r.run, term(c.element)), c.name) << c.element;
  // Without the object's facts: no kind letter, object 0.
  EXPECT_EQ(subf_obj_att_name(r.run, term("1"), term("old(price)"), "get"), "sub0100000.getOPrice");
}

// A transaction's line knows whether a field with a Z twin changed; a work
// panel's has no isChanged. Its flow refreshes nothing by itself and reads
// the line's mode before its no-accept tests.
TEST(SubfileClasses, TransactionElementAndFlow) {
  ExprRun r(
      "spec_i([trn, 5, 'I', 'Inv', 0, 0]). current_pgm_i(tinv). level_i(1, [0]). "
      "level_i(2, [0]). sf_break_i(2, 1). "
      "attri_i(price, ['Price', int, 6, 0, '']). attri_i(note, ['Note', char, 10, 0, '']). "
      "attri_i(day, ['Day', date, 8, 0, '']). "
      "subfile_elements_i(1, [price, note, day, seudo(price), seudo(note), seudo(day), old(price)]). "
      "lit_i(1, 1, s(1), []). lit_i(2, 1, s(t(price, 2), 1), []). "
      "rule_i(1, rule([a(3, [t(price, 2)])], [t(day, 2), t('=', 10), t(day, 2)], [], [])). ");
  ASSERT_TRUE(write_subfile_element_class(r.run, term("1")));
  const std::string element = all_text(r);
  EXPECT_NE(element.find("public final class subT0100005 extends QNSubfileElement"), std::string::npos);
  EXPECT_NE(element.find("   private int OPrice = 0 ;\n"), std::string::npos);
  EXPECT_NE(element.find("   public int isChanged() {\n      return (true && ( ZPrice == Price )"
                         "&& ( QNutil.strcmp(ZNote,Note) == 0)&& (ZDay.equals(Day)))?0:1;\n   }\n"),
            std::string::npos)
      << element;

  ExprRun flow_run(
      "spec_i([trn, 5, 'I', 'Inv', 0, 0]). current_pgm_i(tinv). level_i(1, [0]). "
      "level_i(2, [0]). sf_break_i(2, 1). attri_i(price, ['Price', int, 6, 0, '']). "
      "lit_i(1, 1, s(1), []). lit_i(2, 1, s(t(price, 2), 1), []). "
      "rule_i(1, rule([a(3, [t(price, 2)])], [t(price, 2), t('>', 10), t('5', 3)], [], [])). ");
  ASSERT_TRUE(subfile_flow_control(flow_run.run, term("1")));
  const std::string flow = all_text(flow_run);
  EXPECT_NE(flow.find("public final class tinv_flow01 implements QNSubfileFlow"), std::string::npos);
  EXPECT_NE(flow.find("public void autoRefresh(QNSubfile subfile, boolean loadedFirstTime) {}\n"),
            std::string::npos)
      << flow;
  EXPECT_NE(flow.find("      String Qn_mode = element.getMode();\n"
                      "      subT0100005 subt0100005 = (subT0100005) element;\n"
                      "      if ( col == 0)\n      {\n"
                      "         return (( subt0100005.getPrice() > 5 ));\n"),
            std::string::npos)
      << flow;
  EXPECT_TRUE(flow_run.eng.facts().exists(Term::compound("subfile_noaccept_i", {})));

  ExprRun panel("spec_i([scr, 5, 'P', 'P', 0, 0]). level_i(1, [0]). repeat_i(1, [price]). "
                "attri_i(price, ['Price', int, 6, 0, '']). lit_i(1, 1, s(1), []). ");
  ASSERT_TRUE(write_subfile_element_class(panel.run, term("1")));
  EXPECT_EQ(all_text(panel).find("isChanged"), std::string::npos);
}

// In a multi-tier application a line travels through the parameter packer,
// each element by its type's packer suffix, after the base class's fields.
TEST(SubfileClasses, MultiTierTransfer) {
  const std::string facts =
      "spec_i([trn, 5, 'I', 'Inv', 0, 0]). level_i(1, [0]). level_i(2, [0]). sf_break_i(2, 1). "
      "attri_i(price, ['Price', int, 6, 0, '']). attri_i(day, ['Day', date, 8, 0, '']). "
      "subfile_elements_i(1, [price, day]). lit_i(1, 1, s(1), []). ";
  const std::string remote = "rule_i(0, prop('REMOTE_CALLS', 'SUN_RMI')). rule_i(0, prop('QNDB_LOCATION', 'Srv')). ";
  ExprRun r(facts + remote);
  ASSERT_TRUE(write_subfile_element_class(r.run, term("1")));
  const std::string text = all_text(r);
  EXPECT_NE(text.find("   protected void getData(QNParameterUnpacker qnu) {\n"
                      "      super.getData(qnu);\n      setPrice(qnu.readInt());\n"
                      "      setDay(qnu.readDate());\n   }\n"
                      "   protected void sendData(QNParameterPacker qnp) {\n"
                      "      super.sendData(qnp);\n      qnp.writeInt(getPrice());\n"
                      "      qnp.writeDate(getDay());\n   }\n}\n"),
            std::string::npos)
      << text;
  for (const std::string& single : {facts, facts + remote + "rule_i(0, prop('MTIER_OPT', 'No')). "}) {
    ExprRun one(single);
    ASSERT_TRUE(write_subfile_element_class(one.run, term("1")));
    EXPECT_EQ(all_text(one).find("getData"), std::string::npos) << single;
  }
}

// A subfile that shows no level gets no element class and the
// generation-error line in place of its flow class.
TEST(SubfileClasses, SubfileWithoutLevel) {
  ExprRun r("spec_i([trn, 5, 'I', 'Inv', 0, 0]). lit_i(1, 1, s(1), []). ");
  ASSERT_TRUE(gen_subfile_classes(r.run, 1));
  EXPECT_EQ(r.lines(), Lines{});
  EXPECT_EQ(r.eng.facts().count("torename_i", 3), 0u);
  ASSERT_TRUE(subfile_flow_control(r.run, term("1")));
  EXPECT_EQ(r.lines(), (Lines{"// -> Generation error : subfile 1 / level not shown"}));
}

}  // namespace
}  // namespace qn::logic
