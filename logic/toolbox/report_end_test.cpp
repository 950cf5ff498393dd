#include "logic/toolbox/report_end.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "logic/core/gen_targets.h"
#include "logic/core/out.h"
#include "logic/toolbox/declarations.h"
#include "logic/toolbox/test_fixture.h"
#include "tests/java_check/java_check.h"

namespace qn::logic {
namespace {

using namespace webtest;
namespace fs = std::filesystem;

const char* kPrints = "b_line_i(1, 1, 1, line, 0, []). ";

Lines cat(std::initializer_list<Lines> parts) {
  Lines out;
  for (const Lines& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(ReportEnd, ProgramEnd) {
  const Lines try_open = {"{", "   try {"};
  struct Case {
    const char* what;
    std::string facts;
    Lines expected;  // after "{" and "try {"
  } cases[] = {
      {"no print lines", "", {"      cleanup();", "      return  ;", "   }", ""}},
      {"print lines",
       kPrints,
       {"      testPage(0, true);", "      getPrinter().QnEndPage() ;",
        "      getPrinter().QnEndDocument() ;", "      endPrinter();", "   }",
        "   catch ( ProcessInterruptedException e )", "   {", "   }", "   cleanup();",
        "   return  ;", "}", ""}},
      {"no last footer",
       std::string(kPrints) + "rule_i(0, nolastfooter). ",
       {"      getPrinter().QnEndPage() ;", "      getPrinter().QnEndDocument() ;",
        "      endPrinter();", "   }", "   catch ( ProcessInterruptedException e )", "   {", "   }",
        "   cleanup();", "   return  ;", "}", ""}},
      {"Line as parameter: the caller's report goes on",
       std::string(kPrints) + "parm_names_i([['Line', in]]). ",
       {"   }", "   catch ( ProcessInterruptedException e )", "   {", "   }", "   cleanup();",
        "   return  ;", "}", ""}},
      {"inside an event",
       std::string(kPrints) + "event_name_i(e). ",
       {"      cleanup();", "      return  ;", "   }", ""}},
  };
  for (const auto& c : cases) {
    Fixture f(c.facts);
    Out(f.run).open("{").open("try {");
    EXPECT_TRUE(gen_pgm_end(f.run)) << c.what;
    EXPECT_TRUE(gen_pgm_end(f.run)) << c.what;  // once per object
    EXPECT_EQ(f.lines(), cat({try_open, c.expected})) << c.what;
  }
}

TEST(ReportEnd, PrinterCalls) {
  const Lines init_block = {"{", "   cleanup();", "   return;", "}"};
  struct Case {
    const char* facts;
    const char* command;
    std::vector<std::string> args;
    Lines expected;
  } cases[] = {
      {"", "QnEndPrinter", {}, {"endPrinter();"}},
      {"", "QnSetDocName", {"\"Invoices\""}, {"getPrinter().QnSetDocName(\"Invoices\") ;"}},
      {"", "QnDrawLine", {"1", "Qn_line + 2"}, {"getPrinter().QnDrawLine(1, Qn_line + 2) ;"}},
      {"",
       "QnPrintInit",
       {"Qn_out", "qnXPage"},
       cat({{"try {", "   if (!initPrinter ( Qn_out, qnXPage ) )"},
            {"   {", "      cleanup();", "      return;", "   }"}})},
      {"rule_i(0, prop('OUTPUT', 'File')).",
       "QnPrintTextInit",
       {"Qn_out"},
       {"try {", "   Qn_out = \"File\" ;", "   if (!initTextPrinter ( Qn_out ) )", "   {",
        "      cleanup();", "      return;", "   }"}},
      {"rule_i(0, prop('OUTPUT', ask)).",
       "QnPrintInit",
       {},
       {"try {", "   if (!initPrinter (  ) )", "   {", "      cleanup();", "      return;",
        "   }"}},
      {"rule_i(0, prop('OUTPUT', 'File')). parm_names_i([['Output', in]]).",
       "QnPrintInit",
       {},
       {"try {", "   if (!initPrinter (  ) )", "   {", "      cleanup();", "      return;",
        "   }"}},
  };
  for (const auto& c : cases) {
    Fixture f(c.facts);
    EXPECT_TRUE(gen_printer_cmd(f.run, c.command, c.args)) << c.command;
    EXPECT_EQ(f.lines(), c.expected) << c.command << " " << c.facts;
  }
  // The printer variables are held by the class: declared, never written.
  Fixture f;
  gen_printer_cmd(f.run, "QnPrintInit", {});
  EXPECT_EQ(f.all("fld_to_dcl_i", 3),
            "fld_to_dcl_i('Qn_page',h,['Qn_page',int,6,0,1]) "
            "fld_to_dcl_i('Qn_out',h,['Qn_out',char,3,0,1]) "
            "fld_to_dcl_i('Qn_dev',h,['Qn_dev',char,1,0,1]) "
            "fld_to_dcl_i('Qn_line',h,['Qn_line',int,6,0,1]) ");
}

// A class with declarations of every type and array form, comments, a
// routine end and the program end after the printer initialisation, judged
// by the JDK.
TEST(ReportEnd, GeneratedClassCompiles) {
  if (!test::java::available())
    FAIL() << "no JDK: install the Debian package openjdk-17-jdk-headless (scripts/setup does)";
  Fixture f(
      std::string(kPrints) +
      "fld_to_dcl_i(\"B\", s, ['B', int, 2, 0, 1]). fld_to_dcl_i(\"S\", s, ['S', int, 4, 0, 1]). "
      "fld_to_dcl_i(\"I\", s, ['I', zon, 9, 0, 1]). fld_to_dcl_i(\"L\", s, ['L', bin, 15, 0, 1]). "
      "fld_to_dcl_i(\"Amt\", s, ['Amt', pac, 9, 2, 1]). fld_to_dcl_i(\"C\", s, ['C', char, 20, 0, "
      "1]). "
      "fld_to_dcl_i(\"T\", s, ['T', dtime, 10, 8, 1]). fld_to_dcl_i(\"D\", s, ['D', date, 8, 0, "
      "1]). "
      "fld_to_dcl_i(\"Ok\", s, ['Ok', boolean, 1, 0, 1]). fld_to_dcl_i(\"V\", s, ['V', vchar, 200, "
      "0, 1]). "
      "fld_to_dcl_i(\"Sv\", s, ['Sv', svchar, 40, 0, 1]). fld_to_dcl_i(\"Pic\", s, ['Pic', bits, "
      "9, 0, 1]). "
      "fld_to_dcl_i(\"Fp\", s, ['Fp', filep, 4, 0, 1]). "
      "fld_to_dcl_i(\"Sf\", s, ['Sf', obj('QNSubfileElement'), 0, 0, 0]). "
      "fld_to_dcl_i(\"Odd\", s, ['Odd', blob, 4, 0, 1]). "
      "fld_to_dcl_i(\"Arr\", s, ['&Arr', int, 4, 0, 1]). rule_i(0, dim('&Arr', [10])). "
      "fld_to_dcl_i(\"Grid\", s, ['&Grid', date, 8, 0, 1]). rule_i(0, dim('&Grid', [3, 4])). "
      "fld_to_dcl_i(\"QN_I\", s, ['QN_I', int, 3, 0, 1]). fld_initial_i(\"QN_I\", 1). "
      "fld_to_dcl_i(\"Name\", s, ['Name', char, 10, 0, 1]). fld_initial_i(\"Name\", '\"x\"'). "
      "rule_i(0, prop('OUTPUT', 'File')).");
  Out out(f.run);
  out.emit(R"(
    import com.quenora.*;
    import com.quenora.reports.*;

    public final class pbox extends QNReport
    {
  )")
      .shift(kMarginStep);
  emit_comment_block(f.run, {{"Prints the invoices */ of a day"}});
  out.open("public void execute_int( )");  // the routine's "{" comes next
  out.shift(-kMarginStep).open("{");
  gen_printer_cmd(f.run, "QnPrintInit",
                  {"Qn_out", "96", "96", "\"QNPRN.INI\"", "\"\"", "\"\"", "1", "1", "1", "0", "0", "0",
                   "1", "1", "0", "1", "1"});
  emit_comment(f.run, {"End of the report */"});
  gen_pgm_end(f.run);
  Out(f.run).emit(R"(
    protected int twice(int n)
    {
  )");
  end_function(f.run, "twice", "n * 2");
  gen_var_declarations(f.run);
  Out(f.run).close("}");
  ASSERT_TRUE(out.ok());

  const fs::path dir = fs::temp_directory_path() / ("qn_web_box_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir / "classes");
  const fs::path src = dir / "pbox.java";
  {
    std::ofstream o(src);
    for (const std::string& l : f.lines()) o << l << '\n';
  }
  const auto parsed = test::java::parse({src.string()});
  EXPECT_EQ(parsed.status, 0) << parsed.output;
  const auto built = test::java::compile_against_stub({src.string()}, (dir / "classes").string());
  EXPECT_EQ(built.status, 0) << built.output;
  if (built.status == 0 && parsed.status == 0) fs::remove_all(dir);
}

}  // namespace
}  // namespace qn::logic
