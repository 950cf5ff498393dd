#include "logic/toolbox/report_print.h"

#include "engine/clause_io.h"
#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/out.h"
#include "logic/toolbox/test_fixture.h"

namespace qn::logic {
namespace {

using namespace webtest;

const std::string kReport = "spec_i([rpt, 3, 'Customers', 'CustList', 0, 0]). ";
// Block 7: 40 pixels high; its rect of 250 units makes 240, one line, in a
// text report.
const std::string kWindow = "lit_i(1, 7, window, [rectpixels([0, 0, 600, 40]), rect([0, 0, 600, 250])]). ";

std::string line(int n, const std::string& kind, const std::string& tokens, int group = 0) {
  return "b_line_i(" + std::to_string(n) + ", 1, " + std::to_string(group) + ", " + kind + ", 0, [" +
         tokens + "]). ";
}

// The error log's messages while the fixture lives.
struct Logged {
  Logged() { dialog_senders().show_error = [this](std::string_view t) { errors.emplace_back(t); }; }
  ~Logged() { reset_dialog_senders(); }
  std::vector<std::string> errors;
};

Lines print_group(const std::string& facts, int group = 0, const char* kind = "lit") {
  Fixture f(kReport + facts);
  EXPECT_TRUE(gen_print_group(f.run, t("1"), t(std::to_string(group)), t(kind), t("true"), t("''"),
                              t("[]")))
      << facts;
  return f.lines();
}

TEST(ReportPrint, PageSetUp) {
  const Lines init_end = {"   {", "      cleanup();", "      return;", "   }"};
  auto setup = [&](Lines before, const std::string& init, Lines after) {
    Lines out = std::move(before);
    out.push_back("try {");
    out.push_back("   if (!" + init + " )");
    out.insert(out.end(), init_end.begin(), init_end.end());
    out.insert(out.end(), after.begin(), after.end());
    return out;
  };
  const Lines tail = {"   getPrinter().setPageLines(P_lines) ;", "   getPrinter().setLineHeight(lineHeight) ;"};
  struct Case {
    const char* what;
    std::string facts;
    Lines expected;
  } cases[] = {
      {"no layout facts: 96 pixels per inch, a line of 16, a bottom margin of 6, no paper facts",
       "",
       setup({"getPrinter().QnClearAttris() ;", "lineHeight = 16 ;", "PrtOffset = 0 ;", "qnXPage = 96 ;",
              "qnYPage = 96 ;"},
             "initPrinter ( Qn_out, qnXPage, qnYPage, \"QNPRN.INI\", \"\", \"\", 1, 1, 1, 0, 0, 0, 1, 1, 0, 1, 1 )",
             {"   getPrinter().QnSetDocName(\"Customers\") ;", "   P_lines = qnYPage - (lineHeight * 6) ;",
              tail[0], tail[1]})},
      {"layout facts, a printer rule, an output file, maximised",
       "ppi_i([120, 144, 0]). grid_i(8, 20). page_layout_i([70, 2, 4]). "
       "paper_info_i([a, 9, c, 2100, 2970, f, g, h, i, 0]). rule_i(0, prt('''LPT1''', x)). "
       "rule_i(0, output_file('''c:\\\\out.pdf''', pdf)). rule_i(0, prop('RV_MAXIMIZE', 'Y')). ",
       setup({"getPrinter().QnClearAttris() ;", "lineHeight = 20 ;", "PrtOffset = 0 ;", "qnXPage = 120 ;",
              "qnYPage = 144 ;"},
             "initPrinter ( Qn_out, qnXPage, qnYPage, \"QNPRN.INI\", \"LPT1\", \"\", 2, 2, 9, 2970, 2100, 0, 1, 1, 0, 1, 1 )",
             {"   getPrinter().QnSetDocName(\"c:\\\\out.pdf\") ;", "   getPrinter().QnSetDocFormat(\"PDF\") ;",
              "   getPrinter().QnPrintMax() ;", "   P_lines = qnYPage - (lineHeight * 4) ;", tail[0], tail[1]})},
      {"a text report: lines of 240, the text printer with the grid and the page length; no dialog",
       "lit_i(1, 7, window, [text]). paper_info_i([a, 9, c, 2100, 2970, f, g, h, i, 1]). "
       "rule_i(0, prop('PRN_DLG', 'N')). rule_i(0, prop('RV_ONTOP', 'Y')). ",
       setup({"getPrinter().QnClearAttris() ;", "lineHeight = 240 ;", "PrtOffset = 0 ;", "qnXPage = 96 ;",
              "qnYPage = 96 ;"},
             "initTextPrinter ( Qn_out, qnXPage, qnYPage, \"QNPRN.INI\", \"\", \"\", 1, 2970, 2100, 120, 240, 66 )",
             {"   getPrinter().QnSetDocName(\"Customers\") ;", "   getPrinter().QnPrintOnTop() ;",
              "   P_lines = qnYPage - (lineHeight * 6) ;", tail[0], tail[1]})},
      {"a Line parameter: the caller's printer, no page set-up",
       "parm_names_i([['Line', in]]). ",
       {"try {", "   setPrinter(reportHandler);", "   P_lines = getPrinter().getPageLines();",
        "   lineHeight = getPrinter().getLineHeight();"}},
  };
  for (const auto& c : cases) {
    Fixture f(kReport + c.facts);
    EXPECT_TRUE(gen_rpt_vars_print(f.run)) << c.what;
    EXPECT_EQ(f.lines(), c.expected) << c.what;
    // The report's own variables are the report class's fields; only the
    // position before the last advance is the program's.
    EXPECT_NE(f.all("fld_to_dcl_i", 3).find("fld_to_dcl_i('Line',h,"), std::string::npos) << c.what;
    EXPECT_NE(f.all("fld_to_dcl_i", 3).find("fld_to_dcl_i('Qn_OldLine',s,"), std::string::npos) << c.what;
  }
}

TEST(ReportPrint, ControlsOfABlock) {
  const Lines advance = {"Qn_OldLine = Line;", "Line = Line + 40;"};
  const std::string arial = "font('Arial', 10, [bold])";
  struct Case {
    const char* what;
    std::string controls;
    Lines drawn;  // between the page test and the advance
  } cases[] = {
      {"one font call for two controls of one font, those without a font first",
       "lit_i(2, 7, t('''Name''', 3), [rect(0, 0, 80, 16), " + arial + "]). "
       "lit_i(3, 7, t('''Id''', 3), [rect(90, 0, 120, 16), " + arial + ", align(right)]). "
       "lit_i(4, 7, rect, [rect(0, 20, 600, 20), bwidth(2)]). ",
       {"getPrinter().QnDrawLine(0, Qn_line + 20, 600, Qn_line + 20, 2, 0, 0, 0) ;",
        "getPrinter().QnAttris(\"Arial\", 10, true, false, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;",
        "getPrinter().QnDrawText(\"Name\", 0, Qn_line + 0, 80, Qn_line + 16, 0) ;",
        "getPrinter().QnDrawText(\"Id\", 90, Qn_line + 0, 120, Qn_line + 16, 2) ;"}},
      {"colours, centred, wrapped and unclipped text of two lines",
       "lit_i(2, 7, t('''A\nB''', 3), [rect(0, 0, 80, 16), fore(rgb(1, 2, 3)), back('&H0000FF&'), "
       "align(center), wrap, noclip]). ",
       {"getPrinter().QnAttris(\"\", 0, false, false, false, false, 0, 1, 2, 3, 1, 255, 0, 0) ;",
        "getPrinter().QnDrawText(\"A\", 0, Qn_line + 0, 80, Qn_line + 16, 1 + 256 + 16) ;",
        "getPrinter().QnDrawText(\"B\", 0, Qn_line + 16, 80, Qn_line + 32, 1 + 256 + 16) ;"}},
      {"a box, filled, its border; a bitmap file",
       "lit_i(2, 7, rect, [rect(0, 0, 50, 30), border(3), fill(true), back(rgb(9, 9, 9))]). "
       "lit_i(3, 7, bitmap('C:\\\\Img\\\\Logo.BMP'), [rect(60, 0, 90, 30)]). ",
       {"getPrinter().QnDrawRect(0, Qn_line + 0, 50, Qn_line + 30, 3, 0, 0, 0, 1, 9, 9, 9) ;",
        "getPrinter().QnDrawBitMap(\"c:/img/logo.bmp\", 60, Qn_line + 0, 90, Qn_line + 30) ;"}},
      {"attributes and variables: right-aligned numbers, the picture as a literal",
       "attri_i(custid, ['CustId', int, 6, 0, 'ZZZZZ9']). attri_i('&Name', ['&Name', char, 20, 0, '']). "
       "lit_i(2, 7, t(custid, 2), [rect(0, 0, 50, 16)]). lit_i(3, 7, t('&Name', 23), [rect(60, 0, 200, 16), noclip]). ",
       {"getPrinter().QnAttris(\"\", 0, false, false, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;",
        "getPrinter().QnDrawText(format(CustId, \"ZZZZZ9\"), 0, Qn_line + 0, 50, Qn_line + 16, 2) ;",
        "getPrinter().QnDrawText(Name, 60, Qn_line + 0, 200, Qn_line + 16, 0 + 256) ;"}},
  };
  for (const auto& c : cases) {
    Lines expected = {"testPage(40, false);"};
    expected.insert(expected.end(), c.drawn.begin(), c.drawn.end());
    expected.insert(expected.end(), advance.begin(), advance.end());
    EXPECT_EQ(print_group(kWindow + c.controls + line(1, "line", "pb(7)")), expected) << c.what;
  }
}

// In a text report, block 7 counts one line of 240.
TEST(ReportPrint, BadControlsAreLeftOut) {
  Logged log;
  const Lines out = print_group(kWindow + "lit_i(2, 7, t('''X''', 3), [font(a, 1, [])]). " +
                                "lit_i(3, 7, odd(1), [rect(0, 0, 1, 1)]). " + line(1, "line", "pb(7)") +
                                line(2, "cmd", "t(prncmd, 103), t('300', 3)") + "lit_i(9, 8, window, [text]). ");
  EXPECT_EQ(out, (Lines{"testPage(240, false);", "Qn_OldLine = Line;", "Line = Line + 240;", "/* Prncmd command */",
                        "getPrinter().QnPrnCmd(\"\") ;"}));
  ASSERT_EQ(log.errors.size(), 3u);
  EXPECT_NE(log.errors[0].find("odd(1) is no printable control"), std::string::npos) << log.errors[0];
  EXPECT_NE(log.errors[1].find("has no rect"), std::string::npos) << log.errors[1];
  EXPECT_NE(log.errors[2].find("printer code 300"), std::string::npos) << log.errors[2];
}

TEST(ReportPrint, FontRepeatsAfterAnAdvance) {
  const std::string c = "lit_i(2, 7, t('''A''', 3), [rect(0, 0, 8, 8)]). ";
  const Lines out = print_group(kWindow + c + line(1, "line", "pb(7)") + line(2, "line", "pb(7)"));
  EXPECT_EQ(std::count_if(out.begin(), out.end(), [](const std::string& l) { return l.find("QnAttris") != std::string::npos; }),
            2);
}

TEST(ReportPrint, Commands) {
  struct Case {
    const char* what;
    std::string facts;
    Lines expected;
  } cases[] = {
      {"eject, noskip", line(1, "cmd", "t(eject, 100)") + line(2, "cmd", "t(noskip, 101)"),
       {"/* Eject command */", "Qn_OldLine = Line;", "Line = P_lines + 1;", "/* Noskip command */",
        "Line = Qn_OldLine;"}},
      {"line number: the line counts pixels", line(1, "cmd", "t(lineno, 102), t('12', 3)"),
       {"/* Lineno command */", "if (Line >= 12 * lineHeight) {", "   Qn_OldLine = Line;",
        "   Line = P_lines + 1;", "   testPage(0, false);", "}", "Qn_OldLine = Line;",
        "Line = 12 * lineHeight;"}},
      {"conditional page", line(1, "cmd", "t(cp, 131), t('5', 3)"),
       {"/* Cp command */", "if (P_lines - Line < lineHeight * 5) {", "   Qn_OldLine = Line;",
        "   Line = P_lines + 1;", "}"}},
      {"printer codes of a text report, up to the empty literal",
       "lit_i(9, 8, window, [text]). " +
           line(1, "cmd", "t(prncmd, 103), t('13', 3), t(',', 7), t('10', 3), t(',', 7), t('27', 3), "
                          "t(',', 7), t('34', 3), t(',', 7), t('92', 3), t(',', 7), t('''''', 3), t('65', 3)"),
       {"/* Prncmd command */", "getPrinter().QnPrnCmd(\"\\r\\n\\u001B\\\"\\\\\") ;"}},
  };
  for (const auto& c : cases) EXPECT_EQ(print_group(c.facts), c.expected) << c.what;
}

TEST(ReportPrint, PageAndFootGroups) {
  const std::string facts = kWindow + "lit_i(2, 7, t('''H''', 3), [rect(0, 0, 8, 8)]). " +
                            "b_group_i(1, 2, page, 0, 0, 0). " + line(5, "line", "pb(7)", 2) +
                            line(6, "cmd", "t(eject, 100)", 2);
  EXPECT_EQ(print_group(facts, 2, "page"), (Lines{"QnHdr2 = true;"}));
  Fixture f(kReport + facts);
  EXPECT_TRUE(rpt_break_groups_print(f.run, "page"));
  EXPECT_TRUE(rpt_break_groups_print(f.run, "foot"));
  EXPECT_EQ(f.lines(), (Lines{"if (QnHdr2) {",
                              "   getPrinter().QnAttris(\"\", 0, false, false, false, false, 0, 0, 0, 0, 0, 255, 255, 255) ;",
                              "   getPrinter().QnDrawText(\"H\", 0, Qn_line + 0, 8, Qn_line + 8, 0) ;",
                              "   Qn_OldLine = Line;", "   Line = Line + 40;", "}"}));
}

// A subroutine or event among the lines of a level inside a navigation
// waits, with its lines up to its end, for the main routine's end; at a
// level of kind rpt (no loop) it is written where it stands.
TEST(ReportPrint, RoutinesInsideANavigationWait) {
  const std::string lines = line(1, "cmd", "t(noskip, 101)") + line(2, "cmd", "t(sub, 143), t('S', 3)") +
                            line(3, "cmd", "t(noskip, 101)") + line(4, "cmd", "t(endsub, 144)") +
                            line(5, "cmd", "t(noskip, 101)");
  struct Case {
    const char* what;
    std::string facts;
    std::string kept;  // the items of rpt_deferred_i, or "" for none
  } cases[] = {
      {"a FOR EACH's level", "break_i(1, nvg, 0, 0, 0). " + lines,
       "[[cmd,2,2],[cmd,3,3],[cmd,4,4]]"},
      {"a level of kind rpt under a FOR EACH", "break_i(1, rpt, 2, 0, 0). break_i(2, xfst, 0, 0, 0). " + lines,
       "[[cmd,2,2],[cmd,3,3],[cmd,4,4]]"},
      {"an event without its end: up to the group's last line",
       "break_i(1, nvg, 0, 0, 0). " + line(1, "cmd", "t(event, 146), t('Start', 3)") +
           line(2, "cmd", "t(noskip, 101)"),
       "[[cmd,1,1],[cmd,2,2]]"},
      {"a level of kind rpt at the top", "break_i(1, rpt, 0, 0, 0). " + lines, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Fixture f(kReport + c.facts);
    EXPECT_TRUE(gen_print_group(f.run, t("1"), t("0"), t("lit"), t("true"), t("''"), t("[]")));
    const auto kept = f.run.facts().clauses("rpt_deferred_i", 2);
    if (c.kept.empty()) {
      EXPECT_TRUE(kept.empty());
      continue;
    }
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(engine::write(kept[0].arg(2)), c.kept);
    // Where the routine stood, only the lines around it.
    const Lines out = f.lines();
    EXPECT_EQ(std::count(out.begin(), out.end(), "Line = Qn_OldLine;"),
              c.kept.starts_with("[[cmd,2") ? 2 : 0);
    // Written after the main routine, then no longer kept.
    EXPECT_TRUE(rpt_deferred_routines(f.run, t("true"), t("''"), t("[]")));
    EXPECT_EQ(f.run.facts().count("rpt_deferred_i", 2), 0u);
    EXPECT_GT(f.lines().size(), out.size());
  }
}

// Groups are numbered within their level: two page or foot groups of one
// number at two levels get flags of their own.
TEST(ReportPrint, HeaderFlags) {
  Fixture f(kReport + "b_group_i(0, 1, page, 0, 0, 0). b_group_i(1, 1, foot, 0, 0, 0). "
                      "b_group_i(1, 2, page, 0, 0, 0). b_group_i(2, 1, lit, 0, 0, 0). ");
  EXPECT_EQ(header_flag(f.run, t("0"), t("1")), "QnHdr0_1");
  EXPECT_EQ(header_flag(f.run, t("1"), t("1")), "QnHdr1_1");
  EXPECT_EQ(header_flag(f.run, t("1"), t("2")), "QnHdr2");
}

TEST(ReportPrint, AlignmentByObjectKind) {
  struct Case {
    const char* kind;
    const char* props;
    const char* type;
    int code;
  } cases[] = {
      {"rpt", "[align(right)]", "", 2}, {"prc", "[align(center)]", "", 1}, {"wbp", "[align(right)]", "", 1},
      {"wbp", "[align(center)]", "", 2}, {"rpt", "[]", "int", 2},          {"rpt", "[]", "vchar", 0},
      {"rpt", "[]", "date", 0},
  };
  for (const auto& c : cases) {
    Fixture f(std::string("spec_i([") + c.kind + ", 3, d, n, 0, 0]). ");
    EXPECT_EQ(rpt_align_code(f.run, t(c.props), c.type), c.code) << c.kind << c.props << c.type;
  }
}

}  // namespace
}  // namespace qn::logic
