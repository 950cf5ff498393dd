// The main road: qngen drives the real server over a fresh copy of the sample
// model. Every specification file is processed in pattern order, then in
// listing order; each object gets its row in the dialog and, while its
// generator is not there, the placeholder class, byte for byte the file its
// golden case expects; the generated application compiles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tests/java_check/java_check.h"
#include "tests/menu_check/menu_check.h"
#include "tests/run_control/subprocess.h"

namespace {

namespace fs = std::filesystem;
using qn::test::ProcessOptions;
using qn::test::ProcessResult;
using qn::test::read_file;
using qn::test::run_process;
using qn::test::TempDir;

const std::string kProgramDir = QN_PROGRAM_DIR;
const std::string kSample = std::string(QN_SOURCE_DIR) + "/examples/sample-model";
const std::string kSpecDir = "DEMO/MDL001/GEN00";

std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string l; std::getline(in, l);) {
    if (!l.empty() && l.back() == '\r') l.pop_back();
    out.push_back(l);
  }
  return out;
}

std::set<std::string> names_in(const fs::path& dir, const std::string& ext) {
  std::set<std::string> out;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (e.is_regular_file() && e.path().extension() == ext)
      out.insert(e.path().filename().string());
  }
  return out;
}

class MainRoad : public ::testing::Test {
 protected:
  // A fresh copy of the sample model with its built knowledge base.
  void SetUp() override {
    model_ = fs::path(tmp_.path()) / "sample-model";
    fs::copy(kSample, model_, fs::copy_options::recursive);
    fs::remove(model_ / "kb.txt");
    for (const char* f : {"PEFILES", "knowledge.db"})
      fs::copy_file(fs::path(QN_SAMPLE_KB_DIR) / f, model_ / f);
  }

  ProcessResult generate() {
    return run_process({kProgramDir + "/qngen", "--user", "DEMO", model_.string(), "1", "1"},
                       ProcessOptions()
                           .with_env("QN_REGISTRY_FILE", tmp_ / "registry.ini")
                           .with_env("QNUSER", std::nullopt));
  }

  TempDir tmp_;
  fs::path model_;
};

TEST_F(MainRoad, SampleModelGeneratesEveryObject) {
  // Sources of an earlier run, named in another case, are removed first,
  // beside the model and in its package folder.
  const fs::path package = model_ / "com/demo/sample";
  qn::test::write_file((model_ / "TCustomer.java").string(), "stale");
  fs::create_directories(package);
  qn::test::write_file((package / "TInvoice.java").string(), "stale");
  const ProcessResult r = generate();
  ASSERT_FALSE(r.timed_out);
  ASSERT_EQ(r.status, 0) << r.err;  // Generate answered true
  // The run ends with its summary (the index reorganisation writes no file).
  EXPECT_NE(r.err.find("\nqngen: 14 objects generated, 63 files written, 0 errors, "),
            std::string::npos)
      << r.err;

  // One list row per object whose kind has a text, in processing order:
  // "h*" before "p*" before "r*" ..., and t0006 before t0007.
  const std::string long_title = [] {
    std::string t;
    for (int i = 0; i < 3; ++i) {
      t += "Prints the invoices of the day for every customer with open orders, grouped by region "
           "and sales representative; ";
    }
    return t.substr(0, 255);
  }();
  std::vector<std::string> rows;
  const std::vector<std::string> kinds = {"Transaction", "Procedure", "Report",  "Menu",
                                          "Work Panel",  "Web Panel", "Menu Bar"};
  for (const std::string& l : lines_of(r.err)) {
    if (std::any_of(kinds.begin(), kinds.end(),
                    [&](const std::string& k) { return l.rfind("  " + k + " ", 0) == 0; })) {
      rows.push_back(l.substr(2));
    }
  }
  EXPECT_EQ(rows, (std::vector<std::string>{
                      "Web Panel Customers - Customer list on the web",
                      "Web Panel CustPick - Pick a customer",
                      "Procedure PrintInv - " + long_title,
                      "Procedure InvLines - Counts the invoice lines of a customer",
                      "Procedure ClearInv - Clears an invoice and totals its customer",
                      "Report CustList - Customers by region",
                      "Menu MainMenu - Main menu",
                      "Transaction Customer - Customers",
                      "Transaction Invoice - Invoices",
                      "Work Panel Browse - Browse products",
                      "Menu Bar MainBar - Main menu bar",
                  }))
      << r.err;

  // Every file is processed and gone: the sample generates cleanly (a file
  // that cannot be used is a case of the messages' table, run_control).
  EXPECT_TRUE(names_in(model_ / kSpecDir, ".spc").empty());

  // A class per generated object (the placeholder class where the kind's
  // generator is not written yet), in the package folder of the model
  // directory (the model's PACKAGE is com.demo.sample): the package line,
  // then the whole file as the golden case of its object expects it.
  struct Expected {
    const char* file;
    const char* area;
    const char* golden_case;
  } expected[] = {
      {"hcustomers.java", "logic/web", "web_customers"},
      {"hcustpick.java", "logic/web", "web_custpick"},
      {"aprintinv.java", "logic/program", "proc_printinv"},
      {"ainvlines.java", "logic/program", "proc_invlines"},
      {"pclearinv.java", "logic/program", "proc_clearinv"},
      {"rcustlist.java", "logic/program", "rpt_print"},
      {"mmainmenu.java", "logic/core", "placeholder_mnu"},
      {"tcustomer.java", "logic/javaui", "trn_one"},
      {"tinvoice.java", "logic/javaui", "trn_lines"},
      {"wbrowse.java", "logic/javaui", "wp_browse"},
      {"bmainbar.java", "logic/program", "mbr_sample"},
      // The reorganisation (c0011) after the creation (c0010): its programs
      // replace the creation's.
      {"qncrtdb.java", "tests/main_road", "sample_reorg"},
      {"qnrgza.java", "tests/main_road", "sample_reorg"},
      {"qnrgzb.java", "tests/main_road", "sample_reorg"},
      {"qnrgzc.java", "tests/main_road", "sample_reorg"},
      {"Reorganization.java", "tests/main_road", "sample_reorg"},
  };
  // With the classes of the reorganisation's temporary tables.
  std::set<std::string> files{"QNcfg.java", "dbcTMPCUST.java", "supcTMPCUST.java", "dbcTMPLINE.java",
                              "supcTMPLINE.java"};
  for (const auto& p : expected) files.insert(p.file);
  EXPECT_EQ(names_in(package, ".java"), files);
  // The end of the pass: the developer menu, the configuration files, the
  // four tables' classes and the Browse panel's subfile element class under
  // their temporary names with the copy list that renames them, and the
  // make file of the reorganisation.
  EXPECT_EQ(names_in(model_, ".java"), (std::set<std::string>{"developermenu.java"}));
  EXPECT_EQ(names_in(package, ".cfg"), (std::set<std::string>{"client.cfg", "reorg.cfg"}));
  EXPECT_EQ(names_in(model_, ".cfg"), (std::set<std::string>{"server.cfg"}));
  EXPECT_EQ(names_in(model_, ".jtm"),
            (std::set<std::string>{"dbc001.jtm", "dbc002.jtm", "dbc003.jtm", "dbc004.jtm",
                                   "supc001.jtm", "supc002.jtm", "supc003.jtm", "supc004.jtm",
                                   "dbc1001.jtm", "supc1001.jtm", "s0100007.jtm", "s0100008.jtm"}));
  EXPECT_EQ(names_in(model_, ".mak"),
            (std::set<std::string>{"Reorganization.mak", "ainvlines.mak", "aprintinv.mak",
                                   "developermenu.mak"}));
  const std::string copy_list = read_file((model_ / "_COPYCLS.GEN").string());
  EXPECT_NE(copy_list.find("dbc002.jtm dbcINVOICE.java\n"), std::string::npos) << copy_list;
  // The data view CustView (QNSPC001\custview.dv) gets its classes after the tables'.
  EXPECT_NE(copy_list.find("dbc1001.jtm dbcCustView.java\n"), std::string::npos) << copy_list;
  EXPECT_NE(copy_list.find("s0100008.jtm subW0100008.java\n"), std::string::npos) << copy_list;
  EXPECT_NE(copy_list.find("s0100007.jtm subT0100007.java\n"), std::string::npos) << copy_list;
  // The Browse panel's and the Invoice's element classes as their golden
  // cases expect them, with the package line.
  for (const auto& [stem, golden] : {std::pair<const char*, const char*>{"s0100008.jtm", "wp_browse"},
                                     {"s0100007.jtm", "trn_lines"}}) {
    std::string want = read_file(std::string(QN_SOURCE_DIR "/logic/javaui/testdata/") + golden + "/expected/" + stem);
    want.insert(0, "package com.demo.sample;\n");
    EXPECT_EQ(read_file((model_ / stem).string()), want) << stem;
  }
  for (const auto& p : expected) {
    SCOPED_TRACE(p.file);
    const fs::path golden =
        fs::path(QN_SOURCE_DIR) / p.area / "testdata" / p.golden_case / "expected" / p.file;
    ASSERT_TRUE(fs::exists(golden));
    // The package line follows the header comment, if any; the golden
    // files mask the header's time of generation.
    std::string want = read_file(golden.string());
    const size_t header_end = want.rfind("/*", 0) == 0 ? want.find("*/\n") : std::string::npos;
    want.insert(header_end == std::string::npos ? 0 : header_end + 3, "package com.demo.sample;\n");
    std::string got = read_file((package / p.file).string());
    // Names in texts are qualified by the package the golden cases lack.
    for (size_t at; (at = got.find("\"com.demo.sample.")) != std::string::npos;) got.erase(at + 1, 16);
    if (const size_t when = got.find("Generated on: "); when != std::string::npos)
      got.replace(when + 14, got.find('\n', when) - when - 14, "<when>");
    EXPECT_EQ(got, want);
  }

  // The menu bar's script, in the model directory, as its golden case
  // expects it; the web page reads its tree (the judges of the case).
  {
    const std::string js = read_file((model_ / "mainbar.js").string());
    EXPECT_EQ(js, read_file(QN_SOURCE_DIR "/logic/program/testdata/mbr_sample/expected/mainbar.js"));
    const auto verdict = qn::test::menu::judge_menu_script(js, "mainbarXML");
    EXPECT_EQ(verdict.error, "");
    EXPECT_EQ(verdict.outline, "Customers(List,QnSep_4_2,Invoices(Today,Clear),Archive)");
  }

  // Each generated object has its record in the program file of its type,
  // under its program name upper-cased and in use; CreateDB, a creation
  // object, has none.
  struct Record {
    const char* file;
    const char* code;
    const char* name;
  } records[] = {
      {"QNHPRGS.001", "WBP", "HCUSTOMERS"}, {"QNHPRGS.001", "WBP", "HCUSTPICK"},
      {"QNPPRGS.001", "PRO", "PPRINTINV"},
      {"QNPPRGS.001", "PRO", "PCLEARINV"},
      {"QNRPRGS.001", "RPT", "RCUSTLIST"},  {"QNMPRGS.001", "MNU", "MMAINMENU"},
      {"QNTPRGS.001", "TRN", "TCUSTOMER"},  {"QNTPRGS.001", "TRN", "TINVOICE"},
      {"QNWPRGS.001", "WP ", "WBROWSE"},    {"QNBPRGS.001", "MBR", "BMAINBAR"},
  };
  for (const auto& rec : records) {
    const std::string head =
        std::string(rec.code) + (std::string(rec.name) + "          ").substr(0, 10);
    SCOPED_TRACE(std::string(rec.file) + " " + head);
    ASSERT_TRUE(fs::exists(model_ / rec.file));
    bool found = false;
    for (const std::string& l : lines_of(read_file((model_ / rec.file).string()))) {
      if (l.size() == 74 && l.rfind(head, 0) == 0 && l[73] == '1') found = true;
    }
    EXPECT_TRUE(found) << read_file((model_ / rec.file).string());
  }
  for (const auto& e : fs::directory_iterator(model_)) {
    const std::string name = e.path().filename().string();
    if (name.rfind("QN", 0) == 0 && name.find("PRGS") != std::string::npos) {
      EXPECT_EQ(read_file(e.path().string()).find("CREATEDB"), std::string::npos) << name;
    }
  }

  // The menu specification is deleted at the end; the state is saved.
  EXPECT_FALSE(fs::exists(model_ / kSpecDir / "qnmenu.spc"));
  EXPECT_TRUE(fs::exists(model_ / "sm11_1.ari"));

  // The application compiles as a whole: every generated class, the
  // developer menu, and the tables' classes under the names the copy list
  // gives them.
  ASSERT_TRUE(qn::test::java::available())
      << "no JDK: install the Debian package openjdk-17-jdk-headless (scripts/setup does)";
  const fs::path sources = fs::path(tmp_.path()) / "compile" / "src";
  const fs::path classes = fs::path(tmp_.path()) / "compile" / "classes";
  fs::create_directories(sources);
  fs::create_directories(classes);
  std::vector<std::string> to_compile;
  auto take = [&](const fs::path& from, const std::string& name) {
    fs::copy_file(from, sources / name, fs::copy_options::overwrite_existing);
    to_compile.push_back((sources / name).string());
  };
  for (const auto& e : fs::directory_iterator(package)) {
    if (e.path().extension() == ".java") take(e.path(), e.path().filename().string());
  }
  take(model_ / "developermenu.java", "developermenu.java");
  // The conversion program qnrgzb runs, which an application writes itself.
  take(fs::path(QN_SOURCE_DIR) / "tests/main_road/testdata/sample_reorg/javac/p003.java", "p003.java");
  for (const std::string& line : lines_of(copy_list)) {
    std::istringstream pair(line);
    std::string from, to;
    if (pair >> from >> to) take(model_ / from, to);
  }
  const auto compiled = qn::test::java::compile_against_stub(to_compile, classes.string());
  EXPECT_EQ(compiled.status, 0) << compiled.output;
}

// The state of an earlier run is read back and written again with the
// dependencies of the generated objects; a second run keeps them and finds
// nothing left to generate.
TEST_F(MainRoad, StateAndKeptFilesCarryOverToTheNextRun) {
  qn::test::write_file((model_ / "sm11_1.ari").string(),
                       "called_program_i(1, 20, 1, 21).\r\n"
                       "is_webproc_i('Web Proc').\r\n");
  // Behind the state read back, what the generated objects use (reviewed
  // by hand): Customers (web panel 1, reads table 1), CustPick (web panel
  // 15, reads table 1), PrintInv (procedure 2,
  // reads tables 1 and 2, a main program on the
  // Server), InvLines (procedure 13, reads tables 2 and 3, a main program
  // without location), ClearInv (procedure 14, deletes from table 3),
  // CustList (report 3, reads table 1), Customer (transaction 6, reads and
  // updates table 1) and Invoice (transaction 7, tables 2 and 3, its lines'
  // element class).
  // The call tree gains what InvLines and MainMenu call; the programs' make files are
  // written in the first run, which completes the tree once and says so.
  const std::string head =
      "called_program_i(1,20,1,21).\ncalled_program_i(1,13,1,2).\ncalled_program_i(3,4,0,6).\n"
      "called_program_i(3,4,1,2).\n";
  const std::string tail =
      "is_webproc_i('Web Proc').\n"
      "ij_main_object(aprintinv,'PrintInv',server).\n"
      "ij_main_object(ainvlines,'InvLines','').\n"
      "ij_table_def(1,dbcCUSTOMER,supcCUSTOMER,[]).\n"
      "ij_table_def(2,dbcINVOICE,supcINVOICE,[]).\n"
      "ij_table_def(3,dbcINVLINE,supcINVLINE,[]).\n"
      "ij_object_dependency(hcustomers,[],[1]).\n"
      "ij_object_dependency(hcustpick,[],[1]).\n"
      "ij_object_dependency(aprintinv,[],[1,2]).\n"
      "ij_object_dependency(ainvlines,[],[2,3]).\n"
      "ij_object_dependency(pclearinv,[],[3]).\n"
      "ij_object_dependency(rcustlist,[],[1]).\n"
      "ij_object_dependency(tcustomer,[],[1]).\n"
      "ij_object_dependency(tinvoice,[subT0100007],[2,3]).\n"
      "ij_object_dependency(wbrowse,[subW0100008],[]).\n";
  ASSERT_EQ(generate().status, 0);
  EXPECT_EQ(read_file((model_ / "sm11_1.ari").string()), head + "call_tree_builded_i.\n" + tail);
  const ProcessResult r = generate();
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(read_file((model_ / "sm11_1.ari").string()), head + "call_tree_builded_i.\n" + tail);
  EXPECT_TRUE(names_in(model_ / kSpecDir, ".spc").empty());
}

// With the copy list applied (the tables' classes under their final names in
// the package folder), make builds every class InvLines' make file lists.
TEST_F(MainRoad, InvLinesMakeFileBuildsEveryClass) {
  ASSERT_TRUE(qn::test::java::available())
      << "no JDK: install the Debian package openjdk-17-jdk-headless (scripts/setup does)";
  ASSERT_EQ(std::system("make --version >/dev/null 2>&1"), 0)
      << "make is missing: install the Debian package make";
  ASSERT_EQ(generate().status, 0);
  const fs::path package = model_ / "com/demo/sample";
  for (const std::string& line : lines_of(read_file((model_ / "_COPYCLS.GEN").string()))) {
    std::istringstream pair(line);
    std::string from, to;
    if (pair >> from >> to) fs::copy_file(model_ / from, package / to);
  }
  // Each rule compiles one source; the others it needs are found beside it.
  const std::string flags = "-nowarn -proc:none -encoding windows-1252 -cp " +
                            std::string(QN_JAVA_STUB_DIR) + ":.";
  const std::string cmd = "cd '" + model_.string() + "' && make -f ainvlines.mak JAVAC='" +
                          std::string(QN_JAVAC) + "' CFLAGS='" + flags + "' 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::string out;
  char buf[512];
  while (std::fgets(buf, sizeof buf, p)) out += buf;
  ASSERT_EQ(::pclose(p), 0) << out;
  static const std::regex entry(R"(^ +(\S+\.class) \\$)");
  size_t classes = 0;
  for (const std::string& l : lines_of(read_file((model_ / "ainvlines.mak").string()))) {
    std::smatch m;
    if (!std::regex_match(l, m, entry)) continue;
    ++classes;
    EXPECT_TRUE(fs::exists(model_ / m[1].str())) << m[1] << "\n" << out;
  }
  EXPECT_GT(classes, 2u);
}

// PrintInv is a main program that InvLines calls: generating it again, alone,
// writes both programs' make files again (not only renews their date).
TEST_F(MainRoad, RegeneratingACalledMainProgramRewritesTheMakeFilesAboveIt) {
  ASSERT_EQ(generate().status, 0);
  const std::vector<std::string> makes{"aprintinv.mak", "ainvlines.mak"};
  std::vector<std::string> first;
  for (const std::string& m : makes) {
    first.push_back(read_file((model_ / m).string()));
    EXPECT_NE(first.back().find("aprintinv.class"), std::string::npos) << m;
    qn::test::write_file((model_ / m).string(), "stale\n");
  }
  fs::copy_file(fs::path(kSample) / kSpecDir / "p0002.spc", model_ / kSpecDir / "p0002.spc");
  const ProcessResult r = generate();
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.err.find("\nqngen: 1 object generated, "), std::string::npos) << r.err;
  // The files above a regenerated object also have their date renewed (a
  // blank appended) in the same pass.
  const auto trimmed = [](std::string t) {
    while (!t.empty() && (t.back() == ' ' || t.back() == '\n')) t.pop_back();
    return t;
  };
  for (size_t i = 0; i < makes.size(); ++i)
    EXPECT_EQ(trimmed(read_file((model_ / makes[i]).string())), trimmed(first[i])) << makes[i];
}

// A reorganisation naming a table the knowledge base lacks fails once: its
// message is shown once, no program of it is written and its specification
// stays for the next run, while the other objects are generated.
TEST_F(MainRoad, FailedReorganisationIsReportedOnceAndKept) {
  const fs::path reorg = model_ / kSpecDir / "c0011.spc";
  qn::test::write_file(reorg.string(), read_file(reorg.string()) + "new_tables(99, new, ['P099', 'GONE']).\n");
  const ProcessResult r = generate();
  EXPECT_NE(r.status, 0);
  const std::string why = "Reorganisation of table 99: the knowledge base does not know the table";
  const size_t first = r.err.find(why);
  ASSERT_NE(first, std::string::npos) << r.err;
  EXPECT_EQ(r.err.find(why, first + 1), std::string::npos) << r.err;
  EXPECT_TRUE(fs::exists(reorg));
  EXPECT_TRUE(fs::exists(model_ / "com/demo/sample/aprintinv.java"));
}

// With only the menu specification left, nothing is generated, the state is
// still saved and the menu specification deleted.
TEST_F(MainRoad, EmptySpecificationDirectory) {
  for (const auto& e : fs::directory_iterator(model_ / kSpecDir)) {
    if (e.path().filename() != "qnmenu.spc") fs::remove(e.path());
  }
  const ProcessResult r = generate();
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_TRUE(fs::is_empty(model_ / kSpecDir));
  EXPECT_EQ(names_in(model_ / "com/demo/sample", ".java"), (std::set<std::string>{"QNcfg.java"}));
  EXPECT_TRUE(fs::exists(model_ / "sm11_1.ari"));
}

}  // namespace
