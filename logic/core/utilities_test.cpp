#include "logic/core/utilities.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"

namespace qn::logic {
namespace {

using engine::Term;

Term T(const char* text) {
  auto t = engine::parse_term(text);
  EXPECT_TRUE(t.has_value()) << text;
  return t.value_or(Term());
}

std::string W(const Term& t) { return engine::writeq(t); }
std::string W(const std::optional<Term>& t) { return t ? engine::writeq(*t) : "fail"; }

class UtilitiesTest : public ::testing::Test {
 protected:
  void load(const char* clauses) { ASSERT_TRUE(engine_.consult_text(clauses, false)); }
  engine::Engine engine_;
  logic::Run run_{engine_};
};

TEST_F(UtilitiesTest, AttributeDescriptions) {
  load(
      "attri_i('Err', [own, char, 1, 0, '']).\n"
      "attri_i(10, ['CustName', char, 30, 0, 'X(30)']).\n"
      "is_i(11, [t(10, 2), t(x, 9)]).\n"
      "is_i(12, [t(13, 2)]).\n"
      "is_i(13, [t(12, 2)]).\n"
      "model_num_i(3).\n");
  EXPECT_EQ(W(call_attri(run_, T("'Err'"))), "['Qn_err',int,3,0,\"ZZ9\",1,'','',0]");
  EXPECT_EQ(W(call_attri(run_, T("'Qndbtxt'"))), "['Qn_dbt',char,255,0,'',0,'','',0]");
  EXPECT_EQ(W(call_attri(run_, T("11"))), "['CustName',char,30,0,'X(30)']");
  EXPECT_EQ(W(call_attri(run_, T("12"))), "fail");  // is_i chain that loops
  EXPECT_EQ(W(call_attri(run_, T("99"))), "fail");
  auto t = get_attri_type(run_, T("3"), T("11"));
  ASSERT_TRUE(t);
  EXPECT_EQ(W(t->type) + W(t->length) + W(t->decimals), "char300");
  EXPECT_EQ(W(attri_pic(run_, T("10"))), "'X(30)'");
  EXPECT_EQ(W(get_attri_name(run_, T("3"), T("'Qncount'"))), "'Qn_cnt'");
  // Attributes missing from the facts are asked of the knowledge base
  // (host_interface_test: KbPredicates.TypeCodesThroughTheRules).

  EXPECT_EQ(W(Term::atom(*attri_type_code(12))), "dtime");
  EXPECT_EQ(attri_type_code(engine::Atom("bitstr")), 14);
  EXPECT_FALSE(attri_type_code(3));
  EXPECT_TRUE(numeric_type(T("zon")));
  EXPECT_FALSE(numeric_type(T("char")));
  EXPECT_TRUE(fixchar_type(T("svchar")));
  EXPECT_TRUE(vchar_type(T("[vchar, 3]")));
  EXPECT_FALSE(vchar_type(T("char")));
}

TEST_F(UtilitiesTest, GenerationFactsAndNames) {
  load(
      "rule_i(1, rule([a(18, x)], a, b, c)).\n"
      "rule_i(2, rule([a(10, [p1, p2])], a, b, c)).\n"
      "rule_i(0, parm([q], x)).\n"
      "rule_i(3, dim('&V', [10])).\n"
      "map_i(obj, a, 5, ['Mapped' | _]).\n"
      "map_i(obj, i, idx1, ['IDX_1']).\n"
      "attri_i(6, ['Six', int, 4, 0, '']).\n");
  EXPECT_EQ(W(get_pgm_parms(run_)), "[p1,p2]");
  EXPECT_EQ(W(var_dim(run_, T("'&V'"))), "[10]");
  EXPECT_EQ(W(ext_attri_name(run_, T("5"), T("obj"))), "'Mapped'");
  EXPECT_EQ(W(ext_attri_name(run_, T("6"), T("obj"))), "'Six'");
  EXPECT_EQ(W(attri_name_or_self(run_, T("name"))), "name");
  EXPECT_EQ(W(attri_name_or_self(run_, T("7"))), "fail");
  EXPECT_EQ(W(mapped_i_name(run_, T("idx1"), T("obj"))), "'IDX_1'");
  EXPECT_EQ(W(mapped_i_name(run_, T("idx2"), T("obj"))), "idx2");

  // The dim rules follow rule_i as it changes between queries.
  EXPECT_EQ(W(var_dim(run_, T("'&W'"))), "fail");
  engine_.facts().assertz(T("rule_i(4, dim('&W', [2, 3]))"));
  EXPECT_EQ(W(var_dim(run_, T("'&W'"))), "[2,3]");
  engine_.facts().asserta(T("rule_i(5, dim('&V', [7]))"));
  EXPECT_EQ(W(var_dim(run_, T("'&V'"))), "[7]");
  engine_.facts().abolish("rule_i", 2);
  EXPECT_EQ(W(var_dim(run_, T("'&V'"))), "fail");
  // A rule with an unbound variable name matches every name.
  engine_.facts().assertz(T("rule_i(6, dim(_, [4]))"));
  EXPECT_EQ(W(var_dim(run_, T("'&X'"))), "[4]");

  engine_.facts().retract_all(T("rule_i(_, _)"));
  load("rule_i(0, parm([q], x)).\n");
  EXPECT_EQ(W(get_pgm_parms(run_)), "[q]");
  engine_.facts().retract_all(T("rule_i(_, _)"));
  EXPECT_EQ(W(get_pgm_parms(run_)), "[]");
  EXPECT_FALSE(get_parm_rule(run_));
}

TEST_F(UtilitiesTest, Lists) {
  struct Case {
    const char* name;
    std::string got;
    const char* want;
  } cases[] = {
      {"on", W(Term::list(on(T("f(_)"), T("[a, f(1), b, f(2)]")))), "[f(1),f(2)]"},
      {"on_test", W(on_test(T("f(_)"), T("[a, f(1), f(2)]"))), "f(1)"},
      {"on_position", W(Term::integer(on_position(T("b"), T("[a, b]"), 0).at(0))), "1"},
      {"append", W(append(T("[a, b]"), T("[c]"))), "[a,b,c]"},
      {"append_split",
       W(append_split(T("[a, b]"))[1].first) + W(append_split(T("[a, b]"))[1].second), "[a][b]"},
      {"append_lists", W(append_lists(T("[[a], [], [b, c]]"))), "[a,b,c]"},
      {"reverse_acc", W(reverse_acc(T("[a, b]"), T("[z]"))), "[b,a,z]"},
      {"insert_separator", W(insert_separator(T("[a, b, c]"), T("','"))), "[a,',',b,',',c]"},
      {"union", W(union_(T("[a, b, c]"), T("[b, d]"))), "[a,c,b,d]"},
      {"subtract", W(subtract(T("[a, b, c]"), T("[b]"))), "[a,c]"},
      {"remove_duplicates", W(remove_duplicates(T("[a, b, a, c, b]"))), "[a,b,c]"},
      {"delete_one", W(delete_one(T("a"), T("[b, a, a]"))), "[b,a]"},
      {"delete_one absent", W(delete_one(T("x"), T("[b]"))), "[b]"},
      {"split_at", W(split_at(T("[a, b, c]"), 2)->first) + W(split_at(T("[a, b, c]"), 2)->second),
       "[a,b][c]"},
      {"split_last", W(split_last(T("[a, b, c]")).first) + W(split_last(T("[a, b, c]")).second),
       "[a,b]c"},
      {"split_last []", W(split_last(T("[]")).first) + W(split_last(T("[]")).second), "[][]"},
      {"split_on",
       W(split_on(T("[a, x, b]"), T("x"))->first) + W(split_on(T("[a, x, b]"), T("x"))->second),
       "[a][b]"},
      {"nth_member", W(nth_member(T("[a, b, c]"), 2)), "b"},
      {"nth_member beyond", W(nth_member(T("[a]"), 2)), "fail"},
      {"unzip_pairs", W(unzip_pairs(T("[[a, 1], [b, 2]]")).second), "[1,2]"},
      {"unzip_triples", W(std::get<2>(unzip_triples(T("[[a, 1, x], [b, 2, y]]")))), "[x,y]"},
      {"max_of", W(max_of(T("3"), T("5"))), "5"},
      {"drop_first_char", W(drop_first_char(T("'&abc'"))), "\"abc\""},
      {"neg_to_abs", W(neg_to_abs(T("-4"))) + W(neg_to_abs(T("4"))), "4fail"},
      {"paren_negative", W(paren_negative(T("-2")).value) + W(paren_negative(T("-2")).open),
       "2\"(\""},
      {"paren_negatives", W(paren_negatives(T("[1, -2, a]"))), "[1,2,a]"},
  };
  for (const Case& c : cases) EXPECT_EQ(c.got, c.want) << c.name;
  EXPECT_TRUE(on_or_empty(T("[]"), T("[]")));
  EXPECT_FALSE(on_or_empty(T("x"), T("[]")));
  EXPECT_TRUE(on_or_empty(T("_"), T("[]")));
  EXPECT_TRUE(subset(T("[a, b]"), T("[b, c, a]")));
  EXPECT_TRUE(same_set(T("[a, b]"), T("[b, a]")));
  EXPECT_FALSE(same_set(T("[a, b]"), T("[b, a, a]")));
}

TEST_F(UtilitiesTest, TokensAndCommandLines) {
  load(
      "rule_i(1, dim('&A', [5])).\n"
      "b_line_i(1, 1, 0, cmd, 0, [t('', 146, 0, 0), t('Sub1', 3, 0, 0)]).\n"
      "b_line_i(2, 1, 0, cmd, 0, [t('', 20, 0, 0)]).\n"
      "b_line_i(3, 1, 0, line, 0, [t('', 20, 0, 0)]).\n"
      "b_line_i(4, 1, 0, cmd, 0, [t('', 147, 0, 0)]).\n"
      "b_line_i(5, 1, 0, cmd, 0, [t('', 20, 0, 0)]).\n");
  EXPECT_EQ(W(is_as_tok(T("t(att, 2)"))), "att");
  EXPECT_EQ(W(is_as_tok(T("t(v, 23)"))), "fail");
  EXPECT_EQ(W(is_as_or_var_tok(T("t(v, 23)"))), "v");

  auto r =
      tokens_to_close(run_, T("[t(a, 2), t('(', 1), t(b, 2), t(')', 4), t(')', 4), t(z, 2)]"), 0);
  ASSERT_TRUE(r);
  EXPECT_EQ(W(r->taken), "[t(a,2),t('(',1),t(b,2),t(')',4)]");
  EXPECT_EQ(W(r->close), "t(')',4)");
  EXPECT_EQ(W(r->rest), "[t(z,2)]");
  r = tokens_to_close(run_, T("[t('&A', 23), t(i, 2), t(')', 4), t(',', 7), t(y, 2)]"), 0);
  ASSERT_TRUE(r);
  EXPECT_EQ(W(r->close), "t(',',7)");
  EXPECT_FALSE(tokens_to_close(run_, T("[t(a, 2)]"), 0));

  EXPECT_EQ(W(drop_tok_positions(T("[t(a, 2, 1, 1), t([t(b, 2, 3, 4)], 29, 0, 0)]"))),
            "[t(a,2),t([t(b,2)],29)]");
  EXPECT_EQ(W(next_cmd_line(run_, 20, 0)), "2");
  EXPECT_EQ(W(next_cmd_line(run_, 20, 2)), "5");
  auto block = sub_block_lines(run_, T("'Sub1'"));
  ASSERT_TRUE(block);
  EXPECT_EQ(block->first, 1);
  EXPECT_EQ(block->second, 4);
  auto inside = cmd_in_sub(run_, 20, T("'Sub1'"));
  ASSERT_EQ(inside.size(), 1u);
  EXPECT_EQ(inside[0].first, 2);
}

TEST_F(UtilitiesTest, Levels) {
  EXPECT_EQ(W(first_level(run_)), "0");
  load(
      "struct_i(1, 0, [], []).\n"
      "struct_i(2, 1, [], []).\n"
      "struct_i(3, 1, [], []).\n"
      "struct_i(4, 1, [], []).\n"
      "b_group_i(1, 3, x, 0, 0, 0).\n"
      "a_i(7, 2, t, a, 0, []).\n"
      "a_i(8, 2, r, b, 0, []).\n"
      "start_i(2, 0, 0, [[x1], one]).\n"
      "end_i(2, 0, 0, [[x1, x2, x3], many]).\n");
  EXPECT_EQ(W(first_level(run_)), "1");
  EXPECT_EQ(W(Term::list(main_lvls(run_))), "[2,4]");
  EXPECT_EQ(W(Term::list(level_t_att(run_, T("2")))), "[7,[]]");
  EXPECT_EQ(W(add_end_i_conds(run_, T("2"), T("[c(x3, [])]"))), "[c(x3,[]),c(x2,[])]");
  // A subfile break shown by an s(N) literal wins over the children of level
  // 1 when its parent is not a level.
  load("sf_break_i(4, 1).\nlit_i(0, 1, s(1), []).\n");
  EXPECT_EQ(W(Term::list(main_lvls(run_))), "[2]");
  EXPECT_EQ(W(Term::list(sfl_or_main_lvl(run_))), "[4]");
  load("struct_i(5, 0, [], []).\nsf_break_i(5, 1).\n");
  EXPECT_EQ(W(Term::list(main_lvls(run_))), "[5]");
  EXPECT_EQ(W(Term::list(sfl_or_main_lvl(run_))), "[4,5]");
}

}  // namespace
}  // namespace qn::logic
