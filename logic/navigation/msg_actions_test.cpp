#include "logic/navigation/msg_actions.h"
#include "logic/navigation/later_rounds.h"

#include <gtest/gtest.h>

#include "engine/clause_io.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/navigation/nav_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using navtest::Fixture;
using navtest::Lines;
using navtest::t;

TEST(MsgActions, ByKind) {
  struct Case {
    const char* name;
    const char* spec;
    int64_t kind;
    const char* message;
    const char* items;
    Lines lines;
  };
  const char* kCallChk = "new chk(remoteHandle, context).execute( ) ;";
  const Case cases[] = {
      {"1: an error in a transaction", "spec_i([trn, 1, 'T', 'N']).", 1, "t('''Bad''', 3)", "[]",
       {"QNutil.msg( me(),  \"Bad\" );", "AnyError = (byte)(1) ;"}},
      {"1: an error in a procedure", "spec_i([proc, 1, 'T', 'N']).", 1, "t('''Bad''', 3)", "[]",
       {"/* An error message should be issued here. */"}},
      {"1: an error in a web panel", "spec_i([web, 1, 'T', 'N']).", 1, "t('''Bad''', 3)", "[]",
       {"qncgi_pusherror( \"Bad\") ;"}},
      {"4: the message command in a transaction", "spec_i([trn, 1, 'T', 'N']).", 4, "t('''Hi''', 3)",
       "[]", {"QNutil.msg( me(),  \"Hi\" );"}},
      {"4: the message command in a procedure, which has no me()", "spec_i([proc, 1, 'T', 'N']).",
       4, "t('''Hi''', 3)", "[]", {"QNutil.msg( this,  \"Hi\" );"}},
      {"7: nothing", "", 7, "t('''Hi''', 3)", "[]", {}},
      {"8: the message routine", "", 8, "t(chk, 3)", "[]", {kCallChk}},
      {"9: the message routine", "", 9, "t(chk, 3)", "[]", {kCallChk}},
      {"27: the routine of the third item", "", 27, "[]", "[x, y, t(other, 3)]",
       {"new other(remoteHandle, context).execute( ) ;"}},
      {"another kind with a message token", "", 12, "t(chk, 3)", "[]", {kCallChk}},
      {"another kind without one", "", 12, "[]", "[]", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(std::string(c.spec) + " attri_i('AnyError', ['AnyError', int, 1, 0, '', 0]).");
    MsgAction a{c.kind, t(c.message), t("['A']"), t(c.items)};
    ASSERT_TRUE(gen_msg_action(f.run, a));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

// An error's focus goes to the first control showing one of its attributes,
// as each kind of form sets it; a procedure has no form.
TEST(MsgActions, ErrorFocusByKind) {
  const std::string form =
      "level_i(1, [0]). attri_i('A', ['A', int, 4, 0, '', 0]). attri_i('B', ['B', int, 4, 0, '', 0]). "
      "lit_i(1, 1, t('B', 2), [ctrltype(edit, 0), rect(10,40,19,49)]). "
      "lit_i(2, 1, t('A', 2), [ctrltype(edit, 0), rect(10,10,19,19)]). ";
  struct Case {
    const char* name;
    const char* spec;
    const char* atts;
    const char* focus;  // the last line, "" for none
  } cases[] = {
      {"work panel: in tab order", "spec_i([scr, 1, 'W', 'W', 0, 0]).", "['A', 'B']",
       "setNextFocus(edtA);"},
      {"web panel: in control order", "spec_i([web, 1, 'H', 'H', 0, 0]).", "['A', 'B']",
       "QN_FocusControl = \"_B\" ;"},
      {"work panel: no control shows it", "spec_i([scr, 1, 'W', 'W', 0, 0]).", "['C']", ""},
      {"procedure: no form", "spec_i([proc, 1, 'P', 'P', 0, 0]).", "['A']", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(form + c.spec);
    ASSERT_TRUE(focus_first_of(f.run, t(c.atts)));
    const Lines lines = f.lines();
    std::string focus;
    for (const std::string& l : lines) {
      if (l.find("Focus") != std::string::npos) focus = l.substr(l.find_first_not_of(' '));
    }
    EXPECT_EQ(focus, c.focus);
  }
}

TEST(MsgActions, RulesTablesAndTypes) {
  Fixture f(
      "rule_i(1, rule([a(18, ['A', 'B', 'C'])], x, y, z)). "
      "table_i(10, ['Cust', [], 'The \"best\" customers']). table_i(11, ['Orders', [], '']). "
      "attri_i('N', ['N', int, 18, 2, '', 0]). attri_i('F', ['F', bits, 4, 3, 'X', 0]). "
      "attri_i('S', ['S', char, 40, 0, '', 0]).");
  EXPECT_TRUE(rule_assigns_set(f.run, num(18), atom("A"), t("['C', 'B']")));
  EXPECT_FALSE(rule_assigns_set(f.run, num(18), atom("A"), t("['B']")));
  EXPECT_FALSE(rule_assigns_set(f.run, num(19), atom("A"), t("['B', 'C']")));
  EXPECT_EQ(tbl_name_text(f.run, num(10)), "The 'best' customers");
  struct Case {
    const char* att;
    const char* decl;
  } cases[] = {{"'N'", "int 15 2"}, {"'F'", "bits 4 0"}, {"'S'", "char 40 0"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.att);
    auto d = attri_type_len_dec(f.run, num(0), t(c.att));
    ASSERT_TRUE(d);
    EXPECT_EQ(text_of(d->type) + " " + std::to_string(d->length) + " " + std::to_string(d->decimals),
              c.decl);
    EXPECT_EQ(d->picture, "");
  }
}

}  // namespace
}  // namespace qn::logic
