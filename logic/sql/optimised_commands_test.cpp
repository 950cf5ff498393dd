#include "logic/sql/optimised_commands.h"

#include <gtest/gtest.h>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/sql/sql_test_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using sqltest::Fixture;
using sqltest::Lines;
using sqltest::T;

// Level 1 reads invline from line 10 on; its lines are in group 1.
constexpr const char* kLevel =
    "level_i(1, [invline]). struct_i(1, 0, [invid, lineno, price], []). "
    "b_group_i(1, 1, lit, x, y, z). b_group_i(1, 2, lit, x, y, z). "
    "b_line_i(10, 1, 1, cmd, 0, [t(for, 121, 0, 0)]). ";

std::string writeq_all(const std::vector<Term>& terms) {
  std::string out;
  for (const Term& t : terms) out += engine::writeq(t) + " ";
  return out;
}

TEST(OptimisedCommands, BlockScan) {
  const LinePattern del{{kCodeDelete}};
  const LinePattern sum{{kCodeAssign},     {kTokVariable, 0}, {kTokCompare, -1, "="},
                        {kTokVariable, 0}, {kTokAddOp},       {kTokAttribute}};
  struct Case {
    const char* name;
    const char* lines;
    bool valid;
    const char* matched;
    const char* results;  // group_statements/8
  } cases[] = {
      {"a pattern, then the end",
       "b_line_i(11, 1, 1, cmd, 0, [t(delete, 113, 0, 0)]). b_line_i(12, 1, 1, cmd, 0, [t(e, 128, "
       "0, 0)]).",
       true, "[t(delete,113,0,0)] ", "[t(delete,113,0,0)] [] "},
      {"a start code is allowed",
       "b_line_i(11, 1, 1, cmd, 0, [t(x, 112, 0, 0)]). b_line_i(12, 1, 1, cmd, 0, [t(e, 128, 0, "
       "0)]).",
       true, "", "[] [] "},
      {"a line of another level is allowed",
       "b_line_i(11, 2, 1, line, 0, [t(x, 99, 0, 0)]). b_line_i(12, 1, 1, cmd, 0, [t(e, 128, 0, "
       "0)]).",
       true, "", "[] [] "},
      {"missing line numbers are allowed",
       "b_line_i(13, 1, 1, cmd, 0, [t(delete, 113, 0, 0)]). b_line_i(17, 1, 1, cmd, 0, [t(e, 128, "
       "0, 0)]).",
       true, "[t(delete,113,0,0)] ", "[t(delete,113,0,0)] [] "},
      {"the scan stops at the end line",
       "b_line_i(11, 1, 1, cmd, 0, [t(e, 128, 0, 0)]). b_line_i(12, 1, 1, line, 0, [t(p, 1, 0, "
       "0)]).",
       true, "", "[] "},
      {"a line of the level in another group",
       "b_line_i(11, 1, 3, cmd, 0, [t(delete, 113, 0, 0)]). "
       "b_line_i(12, 1, 1, cmd, 0, [t(e, 128, 0, 0)]).",
       false, "", "nv "},
      {"a print line",
       "b_line_i(11, 1, 1, line, 0, [t(delete, 113, 0, 0)]). "
       "b_line_i(12, 1, 1, cmd, 0, [t(e, 128, 0, 0)]).",
       false, "", "nv "},
      {"a statement outside the patterns",
       "b_line_i(11, 1, 1, cmd, 0, [t(x, 107, 0, 0), t('&T', 23, 0, 0), t('=', 10, 0, 0), "
       "t('&O', 23, 0, 0), t('+', 5, 0, 0), t(price, 2, 0, 0)]). "
       "b_line_i(12, 1, 1, cmd, 0, [t(e, 128, 0, 0)]).",
       false, "", "nv "},
      {"the same variable on both sides matches",
       "b_line_i(11, 1, 2, cmd, 0, [t(x, 107, 0, 0), t('&T', 23, 0, 0), t('=', 10, 0, 0), "
       "t('&T', 23, 0, 0), t('+', 5, 0, 0), t(price, 2, 0, 0)]). "
       "b_line_i(12, 1, 1, cmd, 0, [t(e, 128, 0, 0)]).",
       true, "[t(x,107,0,0),t('&T',23,0,0),t(=,10,0,0),t('&T',23,0,0),t(+,5,0,0),t(price,2,0,0)] ",
       "[t(x,107,0,0),t('&T',23,0,0),t(=,10,0,0),t('&T',23,0,0),t(+,5,0,0),t(price,2,0,0)] [] "},
      {"no end line", "b_line_i(11, 1, 1, cmd, 0, [t(delete, 113, 0, 0)]).", false, "",
       "[t(delete,113,0,0)] "},
      {"nothing after the start", "", false, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(std::string(kLevel) + c.lines);
    std::vector<Term> matched;
    const BlockScan scan{
        11, num(1), {num(2)}, {num(1), num(2)}, {kCodeIgnored}, {kCodeNavEnd}, {del, sum}};
    EXPECT_EQ(group_stmts_nav(f.run, scan, matched), c.valid);
    if (c.valid) {
      EXPECT_EQ(writeq_all(matched), c.matched);
    }
    std::vector<Term> results;
    group_statements(f.run, scan, results);
    EXPECT_EQ(writeq_all(results), c.results);
  }
}

// The callees: each writes its name and arguments as one line.
void stand_ins(Fixture& f) {
  auto writer = [&f](const char* name, uint32_t arity) {
    f.run.stand_in_host(name, arity, [name](logic::Run& r, std::span<Term> a) {
      std::vector<Piece> p{Piece(name)};
      for (const Term& t : a) p.emplace_back(engine::writeq(t));
      return Out(r).pieces(p).ok();
    });
  };
  writer("gen_exec_immediate", 3);
  writer("gen_select_one_into", 6);
  writer("gen_insert_select", 6);
  f.run.stand_in_host("top_nvg_level", 3, [](logic::Run&, std::span<Term> a) {
    a[2] = a[0];
    return true;
  });
  f.run.stand_in_host("conds_to_sql_strict", 3, [](logic::Run&, std::span<Term> a) {
    return engine::writeq(a[0]).find("javaonly") == std::string::npos;
  });
  f.run.stand_in_host("make_aux_names", 4, [](logic::Run&, std::span<Term> a) {
    std::vector<Term> aux;
    for (const Term& n : a[0].list_items()) aux.push_back(atom("QNaux_" + text_of(n)));
    a[3] = Term::list(aux);
    return true;
  });
  f.run.stand_in_host("drop_aux_names", 1, [](logic::Run&, std::span<Term>) { return true; });
  f.run.stand_in_host("cond_tables", 2, [](logic::Run&, std::span<Term> a) {
    const std::string t = text_of(a[0].list_items().at(0));
    if (t == "invline") {
      a[1] = T("[[invline, invid], [invline, lineno], [invline, price]]");
    } else {
      a[1] = T("[[" + t + ", hid], [" + t + ", hline], [" + t + ", hprice]]");
    }
    return true;
  });
  // The fact is there while the statement is written.
  f.run.stand_in_host("gen_nav_delete", 4, [](logic::Run& r, std::span<Term> a) {
    const bool flag = r.facts().exists(fact("optimized_delete", {a[3]}));
    return Out(r).pieces({"gen_nav_delete", engine::writeq(a[0]), flag ? "flagged" : ""}).ok();
  });
}

constexpr const char* kAttributes =
    "attri_i(price, ['Price', pac, 9, 2, '', 1]). attri_i(invid, ['InvId', int, 6, 0, '', 1]). "
    "attri_i(lineno, ['LineNo', int, 4, 0, '', 1]). attri_i(hid, ['HId', int, 8, 0, '', 1]). "
    "attri_i(hline, ['HLine', int, 4, 0, '', 1]). attri_i(hprice, ['HPrice', pac, 9, 2, '', 1]). "
    "attri_i('&Total', ['&Total', pac, 11, 2, '', 1]). attri_i('&N', ['&N', int, 5, 0, '', 1]). ";

std::string line(int n, const std::string& tokens, int level = 1) {
  return "b_line_i(" + std::to_string(n) + ", " + std::to_string(level) + ", 1, cmd, 0, " + tokens +
         "). ";
}
const std::string kDelete = "[t(delete, 113, 0, 0)]";
const std::string kEnd = "[t(endfor, 128, 0, 0)]";
const std::string kSum =
    "[t(x, 107, 0, 0), t('&Total', 23, 0, 0), t('=', 10, 0, 0), t('&Total', 23, 0, 0), "
    "t('+', 5, 0, 0), t(price, 2, 0, 0)]";
const std::string kCount =
    "[t(x, 107, 0, 0), t('&N', 23, 0, 0), t('=', 10, 0, 0), t('&N', 23, 0, 0), t('+', 5, 0, 0), "
    "t('1', 3, 0, 0)]";
// A copy: level 2 inserts into hist what level 1 reads.
const std::string kCopy =
    "struct_i(2, 1, [], []). break_i(2, ins, x, y, z). level_i(2, [hist]). "
    "b_group_i(2, 1, lit, x, y, z). " +
    line(12, "[t(ins, 117, 0, 0)]", 2) +
    line(13, "[t(x, 107, 0, 0), t(hid, 2, 0, 0), t('=', 10, 0, 0), t(invid, 2, 0, 0)]", 2) +
    line(14, "[t(x, 107, 0, 0), t(hline, 23, 0, 0), t('=', 10, 0, 0), t(lineno, 2, 0, 0)]", 2) +
    line(15, "[t(endins, 127, 0, 0)]", 2) + line(16, kEnd);

TEST(OptimisedCommands, Forms) {
  const std::string cond = "[c([t(invid, 2), t('=', 10), t('&I', 23)], [])]";
  struct Case {
    const char* name;
    std::string facts;
    std::map<std::string, std::string> config;
    std::string conditions;
    bool optimised;
    Lines lines;
  } cases[] = {
      {"DELETE without conditions locks the table",
       line(11, kDelete) + line(12, kDelete) + line(13, kEnd),
       {{"DTASRC", "7"}},
       "[]",
       true,
       {"/* Optimized DELETE. */",
        "gen_exec_immediate \"LOCK TABLE invline IN EXCLUSIVE MODE NOWAIT\" \"ULCK\" y",
        "gen_nav_delete [] flagged", "/* End optimized DELETE. */"}},
      {"DELETE with conditions",
       line(11, kDelete) + line(12, kEnd),
       {{"DTASRC", "7"}},
       cond,
       true,
       {"/* Optimized DELETE. */", "gen_nav_delete [c([t(invid,2),t(=,10),t('&I',23)],[])] flagged",
        "/* End optimized DELETE. */"}},
      {"DELETE on as400: no lock",
       line(11, kDelete) + line(12, kEnd),
       {{"DTASRC", "4"}},
       "[]",
       true,
       {"/* Optimized DELETE. */", "gen_nav_delete [] flagged", "/* End optimized DELETE. */"}},
      {"DELETE turned off",
       line(11, kDelete) + line(12, kEnd),
       {{"DTASRC", "7"}, {"OPTIMIZE_DELETE", "no"}},
       "[]",
       false,
       {}},
      {"a condition only Java can test",
       line(11, kDelete) + line(12, kEnd),
       {{"DTASRC", "7"}},
       "[c([t(javaonly, 2)], [])]",
       false,
       {}},
      {"no end line", line(11, kDelete), {{"DTASRC", "7"}}, "[]", false, {}},
      {"group",
       line(11, kSum) + line(12, kCount) + line(13, kEnd),
       {{"DTASRC", "7"}},
       "[]",
       true,
       {"/* Optimized group. */",
        "gen_select_one_into [[invline,[\"sum(\",price]],[invline,[\"count(\",'&N']]] "
        "['QNaux_price','QNaux_&N'] [] 5 [invline] 1",
        "Total = Total+QNaux_price ;", "N = N+QNaux_&N*1 ;", "/* End optimized group. */"}},
      {"group turned off",
       line(11, kSum) + line(12, kEnd),
       {{"DTASRC", "7"}, {"OPTIMIZE_AGGREGATE", "n"}},
       "[]",
       false,
       {}},
      {"a sum of an attribute that is not selected",
       line(11,
            "[t(x, 107, 0, 0), t('&Total', 23, 0, 0), t('=', 10, 0, 0), t('&Total', 23, 0, 0), "
            "t('+', 5, 0, 0), t(invid2, 2, 0, 0)]") +
           line(12, kEnd),
       {{"DTASRC", "7"}},
       "[]",
       false,
       {}},
      {"a count of a constant that is no number",
       line(11,
            "[t(x, 107, 0, 0), t('&N', 23, 0, 0), t('=', 10, 0, 0), t('&N', 23, 0, 0), "
            "t('+', 5, 0, 0), t('\"a\"', 3, 0, 0)]") +
           line(12, kEnd),
       {{"DTASRC", "7"}},
       "[]",
       false,
       {}},
      {"copy",
       kCopy,
       {{"DTASRC", "7"}},
       "[]",
       true,
       {"/* Optimized copy (Insert w/Subselect). */",
        "gen_insert_select hist [hid,hline] [invid,lineno] [] 5 [invline]",
        "/* End optimized group. */"}},
      {"copy into a table with a unique index",
       kCopy + "index_i(hist, [1, u, [hid]]).",
       {{"DTASRC", "7"}},
       "[]",
       false,
       {}},
      {"copy into a table with a unique index, optimize_copy a",
       kCopy + "index_i(hist, [1, u, [hid]]).",
       {{"DTASRC", "7"}, {"OPTIMIZE_COPY", "all"}},
       "[]",
       true,
       {"/* Optimized copy (Insert w/Subselect). */",
        "gen_insert_select hist [hid,hline] [invid,lineno] [] 5 [invline]",
        "/* End optimized group. */"}},
      {"never while a reorganisation is generated",
       kCopy + "index_i(hist, [1, u, [hid]]). gen_reo_i.",
       {{"DTASRC", "7"}, {"OPTIMIZE_COPY", "all"}},
       "[]",
       false,
       {}},
      {"copy turned off", kCopy, {{"DTASRC", "7"}, {"OPTIMIZE_COPY", "n"}}, "[]", false, {}},
      {"copy with initialize_new misses hprice",
       kCopy,
       {{"DTASRC", "7"}, {"INITIALIZE_NEW", "yes"}},
       "[]",
       false,
       {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(std::string(kLevel) + kAttributes + c.facts);
    f.config.insert(c.config.begin(), c.config.end());
    stand_ins(f);
    EXPECT_EQ(optimized_cmd(f.run, T(c.conditions), num(5), T("[invline]"), 10, num(1),
                            T("[[invline, price], [invline, invid]]")),
              c.optimised);
    EXPECT_EQ(f.lines(), c.lines);
    EXPECT_EQ(f.all("optimized_delete", 1), "");
  }
}

TEST(OptimisedCommands, CopyPairs) {
  struct Case {
    const char* name;
    const char* assignments;
    bool ok;
  } cases[] = {
      {"a longer target", "[[t(x,107), t(hid,2), t('=',10), t(invid,2)]]", true},
      {"a shorter target", "[[t(x,107), t(hline,2), t('=',10), t(invid,2)]]", false},
      {"a type difference", "[[t(x,107), t(hprice,2), t('=',10), t(invid,2)]]", false},
      {"a target assigned twice",
       "[[t(x,107), t(hid,2), t('=',10), t(invid,2)], [t(x,107), t(hid,2), t('=',10), "
       "t(lineno,2)]]",
       false},
      {"a source of another table", "[[t(x,107), t(hid,2), t('=',10), t(hid,2)]]", false},
      {"no tokens", "[[x, hid, '=', invid]]", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f(kAttributes);
    std::vector<std::pair<Term, Term>> pairs;
    EXPECT_EQ(copy_pairs(f.run, T(c.assignments).list_items(), num(5), T("[hid, hline, hprice]"),
                         T("[[invline, invid], [invline, lineno], [invline, price]]"), pairs),
              c.ok);
  }
}

}  // namespace
}  // namespace qn::logic
