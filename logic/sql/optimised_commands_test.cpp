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

// The knowledge base's names (i_tblname/3) and attributes (i_all_atrisr/3)
// of the two tables.
void tables(Fixture& f) {
  f.run.stand_in_host("i_tblname", 3, [](logic::Run&, std::span<Term> a) {
    a[2] = str(text_of(a[1]) == "invline" ? "INVLINE" : "HIST");
    return true;
  });
  f.run.stand_in_host("i_all_atrisr", 3, [](logic::Run&, std::span<Term> a) {
    const std::string t = text_of(a[1]);
    if (t == "invline") {
      a[2] = T("[invid, lineno, price]");
    } else {
      a[2] = T("[hid, hline, hprice]");
    }
    return true;
  });
}

constexpr const char* kAttributes =
    "attri_i(price, ['Price', pac, 9, 2, '', 1]). attri_i(invid, ['InvId', int, 6, 0, '', 1]). "
    "attri_i(lineno, ['LineNo', int, 4, 0, '', 1]). attri_i(hid, ['HId', int, 8, 0, '', 1]). "
    "attri_i(hline, ['HLine', int, 4, 0, '', 1]). attri_i(hprice, ['HPrice', pac, 9, 2, '', 1]). "
    "attri_i('&Total', ['&Total', pac, 11, 2, '', 1]). attri_i('&N', ['&N', int, 5, 0, '', 1]). ";

constexpr const char* kProgram = "spec_i([proc, 3, 'T', 'P', 0, 0]). ";

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
    Lines statements;  // of the embedded cursors
  } cases[] = {
      {"DELETE without conditions locks the table",
       line(11, kDelete) + line(12, kDelete) + line(13, kEnd),
       {{"DTASRC", "7"}},
       "[]",
       true,
       {"/* Optimized DELETE. */", "cmdBuffer = \"LOCK TABLE INVLINE IN EXCLUSIVE MODE NOWAIT\";",
        "ExecuteDirectSQL.execute(context, remoteHandle, \"oracle7\", cmdBuffer, \"ULCK\") ;",
        "P00032.executeUpd() ;", "/* End optimized DELETE. */"},
       {"\"DELETE FROM INVLINE\""}},
      {"DELETE with conditions",
       line(11, kDelete) + line(12, kEnd),
       {{"DTASRC", "7"}},
       cond,
       true,
       {"/* Optimized DELETE. */", "P00032.executeUpd(I) ;", "/* End optimized DELETE. */"},
       {"\"DELETE FROM INVLINE WHERE (InvId = ?)\""}},
      {"DELETE on as400: no lock",
       line(11, kDelete) + line(12, kEnd),
       {{"DTASRC", "4"}},
       "[]",
       true,
       {"/* Optimized DELETE. */", "P00032.executeUpd() ;", "/* End optimized DELETE. */"},
       {"\"DELETE FROM INVLINE\""}},
      {"DELETE turned off",
       line(11, kDelete) + line(12, kEnd),
       {{"DTASRC", "7"}, {"OPTIMIZE_DELETE", "no"}},
       "[]",
       false,
       {}},
      {"a constant only Java knows",
       line(11, kDelete) + line(12, kEnd),
       {{"DTASRC", "7"}},
       "[c([t(invid, 2), t('=', 10), t(today, 3)], [])]",
       false,
       {}},
      {"no end line", line(11, kDelete), {{"DTASRC", "7"}}, "[]", false, {}},
      {"group",
       line(11, kSum) + line(12, kCount) + line(13, kEnd),
       {{"DTASRC", "7"}},
       "[]",
       true,
       {"/* Optimized group. */", "P00032.fetchFirst(dboinvline);",
        "cprice = (double)(dboinvline.getNumericFormula(1)) ;",
        "cN = (int)(dboinvline.getNumericFormula(2)) ;", "P00032.close() ;",
        "Total = Total+cprice ;", "N = N+cN*1 ;", "/* End optimized group. */"},
       {"\"SELECT SUM(Price), COUNT(*)  FROM INVLINE    \""}},
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
       {"/* Optimized copy (Insert w/Subselect). */", "P00032.executeUpd() ;",
        "/* End optimized group. */"},
       {"\"INSERT INTO HIST (HId, HLine) SELECT InvId, LineNo FROM INVLINE\""}},
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
       {"/* Optimized copy (Insert w/Subselect). */", "P00032.executeUpd() ;",
        "/* End optimized group. */"},
       {"\"INSERT INTO HIST (HId, HLine) SELECT InvId, LineNo FROM INVLINE\""}},
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
    Fixture f(std::string(kLevel) + kAttributes + kProgram + c.facts);
    f.config.insert(c.config.begin(), c.config.end());
    tables(f);
    EXPECT_EQ(optimized_cmd(f.run, T(c.conditions), num(5), T("[invline]"), 10, num(1),
                            T("[[invline, price], [invline, invid]]")),
              c.optimised);
    EXPECT_EQ(f.lines(), c.lines);
    Lines statements;
    for (const Term& e : f.run.facts().clauses("embsql_cursor_i", 2)) {
      statements.push_back(e.arg(2).head().text());
    }
    EXPECT_EQ(statements, c.statements);
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
