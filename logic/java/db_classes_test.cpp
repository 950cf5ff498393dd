// The table classes as whole files: each golden case of testdata/ runs as
// the object loop runs it, its files are compared with expected/, and every
// class it writes compiles against the runtime stand-in.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>

#include "logic/core/golden.h"
#include "logic/core/host_calls.h"
#include "logic/core/out.h"
#include "logic/java/db_classes.h"
#include "logic/core/attributes.h"
#include "logic/core/rule_terms.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "tests/java_check/java_check.h"
#include "tests/ini_check/ini_check.h"
#include "tests/make_check/make_check.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

// The class a source declares ("class X" of its header).
std::string declared_class(const std::string& text) {
  std::smatch m;
  static const std::regex header(R"(class (\w+))");
  return std::regex_search(text, m, header) ? m[1].str() : "";
}

class TableClassCase : public ::testing::TestWithParam<std::string> {};

TEST_P(TableClassCase, MatchesExpectedAndCompiles) {
  const fs::path area = fs::path(QN_SOURCE_DIR) / "logic" / "java";
  const fs::path dir = area / "testdata" / GetParam();
  golden::Options options;
  options.pass_end = GetParam().rfind("cfg_", 0) == 0 || GetParam().rfind("make_", 0) == 0 ||
                     GetParam().rfind("crtjdbc_", 0) == 0;
  // The reorganisation's programs log their steps with the message file's
  // texts, which a run has loaded by then.
  options.prepare = [dir](qn::logic::Run& run) {
    EXPECT_TRUE(run.engine().consult_text(golden::read_text(QN_SOURCE_DIR "/data/QNMSGJ.ARI"), false));
    // The case's data views, in the folder the run works in (no source
    // folder is set: the current one is read).
    for (const auto& e : fs::directory_iterator(dir)) {
      if (e.path().extension() == ".dv") fs::copy_file(e.path(), fs::current_path() / e.path().filename());
    }
  };
  const golden::Outcome outcome = golden::run_case(dir, options);
  const fs::path actual = fs::path(QN_BINARY_DIR) / "golden/logic/java" / GetParam() / "actual";
  EXPECT_EQ(golden::compare(dir / "expected", outcome, actual), "");

  // Every make file as GNU make reads it, every configuration file as a
  // strict INI reader reads it.
  for (const golden::File& f : outcome.files) {
    const std::string ext = fs::path(f.name).extension().string();
    if (ext == ".mak") {
      ASSERT_TRUE(test::make::available()) << "make is missing: install the Debian package make";
      EXPECT_EQ(test::make::check_make_n(f.name, golden::split_lines(f.text)), "");
    } else if (ext == ".cfg") {
      EXPECT_EQ(test::ini::strict_ini_errors(f.name, f.text), "");
    }
  }

  ASSERT_TRUE(test::java::available())
      << "no JDK when the build was configured: install openjdk-17-jdk-headless";
  const fs::path src = fs::temp_directory_path() / ("qn_dbclass_" + std::to_string(::getpid()));
  fs::remove_all(src);
  fs::create_directories(src / "classes");
  std::vector<std::string> files;
  for (const golden::File& f : outcome.files) {
    const std::string ext = fs::path(f.name).extension().string();
    if (ext != ".java" && ext != ".jtm") continue;
    const std::string cls = declared_class(f.text);
    if (cls.empty() || cls == "developermenu") continue;
    // The reorganisation's programs call conversion programs and the
    // configuration class of a whole run: logic/reorg compiles them with
    // those.
    if (cls == "Reorganization" || cls == "qncrtdb" || cls.rfind("qnrgz", 0) == 0) continue;
    const fs::path p = src / (cls + ".java");
    std::ofstream(p, std::ios::binary) << f.text;
    files.push_back(p.string());
  }
  // A case's javac/ folder holds hand-written classes its sources call.
  if (const fs::path javac = dir / "javac"; fs::is_directory(javac)) {
    for (const auto& e : fs::directory_iterator(javac)) {
      if (e.path().extension() == ".java") files.push_back(e.path().string());
    }
  }
  if (!files.empty()) {
    const auto r = test::java::compile_against_stub(files, (src / "classes").string());
    EXPECT_EQ(r.status, 0) << r.output;
  }
  fs::remove_all(src);
}

// The classes of a program's embedded statements, appended to its source
// or, with remote calls, each in a source of its own: calls, update and read
// cursors, with and without parameters, compile against the runtime
// stand-in.
TEST(CursorClasses, CallsUpdateAndReadCursorsCompile) {
  ASSERT_TRUE(test::java::available())
      << "no JDK when the build was configured: install openjdk-17-jdk-headless";
  const std::vector<CursorParam> two{{Term::atom("int"), 6, 0, ""}, {Term::atom("char"), 10, 0, ""}};
  struct Case {
    const char* name;
    CursorClassInput in;
    std::vector<std::string> lines;
  } cases[] = {
      {"update with two parameters",
       {"UPD1", "SP00022", "UPDATE T SET A = ? WHERE \"K\" = ?", "upd", two, "dbcT", false, "", {}, true, false},
       {"final class dUPD1 extends QNDBUpdateSupplier", "      cursorId = \"SP00022\" ;",
        "      SQL = \"UPDATE T SET A = ? WHERE \\\"K\\\" = ?\" ;",
        "   public void executeUpd(int P1, String P2)", "         setParameters( P1, P2 );"}},
      {"delete without parameters",
       {"DLT2", "SP00023", "DELETE FROM T", "dlt", {}, "dbcT", false, "", {}, true, false},
       {"   public void executeUpd()", "         setParameters();"}},
      {"stored-procedure call", {"PROC3", "SP00024", "{call P(?, ?)}", "call", two, "", false, "", {}, true, false},
       {"final class callPROC3 extends QNJDBCProcedure", "      isCall = true;",
        "      cstmt.registerOutParameter( 1 , Types.NUMERIC );"}},
      {"call without parameters", {"PROC4", "SP00025", "{call Q}", "call", {}, "", false, "", {}, true, false},
       {"   protected void registerOutParameters() throws SQLException"}},
      {"read with two parameters, the first a column",
       {"SEL5", "SP00026", "SELECT A, B FROM T WHERE A = ? AND B > ?", "sel",
        {{Term::atom("int"), 6, 0, "setA"}, {Term::atom("char"), 10, 0, ""}}, "dbcT", false, "dbot",
        {{Term::atom("int"), 6, 0, "setA"}, {Term::atom("char"), 10, 0, "setB"}}, true, true},
       {"final class fSEL5 extends QNDBForwardSupplier", "      readOnly = true ;",
        "      readBuffer = 16384;", "   public void fetchFirst(dbcT dbot, int P1, String P2)",
        "         dbot.setA(P1);", "         setParameters( P1, P2 );",
        "      dbot.setB(rslt.getString(2, 10));"}},
      {"read without parameters",
       {"SEL6", "SP00027", "SELECT A FROM T", "sel", {}, "dbcT", false, "dbot",
        {{Term::atom("int"), 6, 0, "setA"}}, false, false},
       {"   public void fetchFirst(dbcT dbot)", "         setParameters();",
        "      readOnly = false ;"}},
      // With remote calls each class is a source of its own with the
      // remote branches.
      {"remote read with two parameters, the first a column",
       {"SEL7", "SP00028", "SELECT A, B FROM T WHERE A = ? AND B > ?", "sel",
        {{Term::atom("int"), 6, 0, "setA"}, {Term::atom("char"), 10, 0, ""}}, "dbcT", true, "dbot",
        {{Term::atom("int"), 6, 0, "setA"}, {Term::atom("char"), 10, 0, "setB"}}, true, true},
       {"public final class fSEL7 extends QNDBForwardSupplier",
        "      qnp.writeInt(rslt.getInt(1));", "      qnp.writeString(rslt.getString(2, 10));",
        "   public void loadFromArrayToDBO()", "      if (!eof) {",
        "         dbot.setA(qnu.readInt());", "         dbot.setB(qnu.readString());",
        "      if (Application.isRemoteQNDB(context, remoteHandle)) {", "         qnp.reset();",
        "         qnp.writeInt(P1);", "         qnp.writeString(P2);",
        "         bytes = getRemoteSupplier().fetchFirst(qnp.toByteArray());",
        "         qnu.reset(bytes);", "         eof = qnu.eof();", "         dbot.setA(P1);",
        "         loadFromArrayToDBO();", "      else", "            setParameters( P1, P2 );",
        "   public void setParameters(byte[] parms)", "         stmt.setInt(1, qnu.readInt());"}},
      {"remote read without parameters",
       {"SEL8", "SP00029", "SELECT A FROM T", "sel", {}, "dbcT", true, "dbot",
        {{Term::atom("int"), 6, 0, "setA"}}, false, false},
       {"         qnp.reset();", "            setParameters();"}},
      {"remote update with two parameters",
       {"UPD9", "SP00030", "UPDATE T SET A = ? WHERE K = ?", "upd", two, "dbcT", true, "", {}, true, false},
       {"public final class dUPD9 extends QNDBUpdateSupplier",
        "      if (Application.isRemoteQNDB(context, remoteHandle)) {", "         qnp.writeInt(P1);",
        "         getRemoteSupplier().executeUpd(qnp.toByteArray());", "      else",
        "            setParameters( P1, P2 );"}},
  };
  const fs::path src = fs::temp_directory_path() / ("qn_cursors_" + std::to_string(::getpid()));
  fs::remove_all(src);
  fs::create_directories(src / "classes");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    logic::Run run(eng);
    EmitCapture& capture = run.capture_output();
    run.stand_in_host("i_config", 2, [](logic::Run&, std::span<Term>) { return false; });
    run.stand_in_host("i_dstorepref", 4, [](logic::Run&, std::span<Term>) { return false; });
    run.stand_in_host("i_model_info", 2, [](logic::Run&, std::span<Term> a) {
      a[1] = Term::string("mdl");
      return true;
    });
    ASSERT_TRUE(open_output(run, "Prog.java"));
    Out(run).pieces({"import com.quenora.*; import com.quenora.db.driver.*; import java.sql.*;"})
        .pieces({"public class Prog {}"});
    ASSERT_TRUE(gen_cursor_class(run, 0, c.in));
    ASSERT_TRUE(close_output(run));
    std::vector<std::string> lines;
    std::vector<std::string> files;
    for (const CapturedFile& f : capture.files) {
      lines.insert(lines.end(), f.lines.begin(), f.lines.end());
      const fs::path p = src / f.path.substr(f.path.find_last_of("\\/") + 1);
      std::ofstream o(p, std::ios::binary);
      for (const std::string& l : f.lines) o << l << '\n';
      if (files.empty()) {
        o << "final class dbcT extends DatabaseClass { "
             "dbcT(ModelContext c, int r, boolean ro) {} dbcT() {} "
             "void setA(int a) {} void setB(String b) {} "
             "static String getDataSourceName() { return \"\"; } }\n";
      }
      files.push_back(p.string());
    }
    for (const std::string& l : c.lines)
      EXPECT_TRUE(std::find(lines.begin(), lines.end(), l) != lines.end()) << l;
    const auto r = test::java::compile_against_stub(files, (src / "classes").string());
    EXPECT_EQ(r.status, 0) << r.output;
    for (const std::string& f : files) fs::remove(f);
  }
  fs::remove_all(src);
}

// The statements a program recorded become its cursor classes: the SQL
// literal of an entry is written once quoted, a read cursor's select list
// fills the data object, and a parameter on a column of the table is set
// on it; the program compiles with its classes.
TEST(CursorClasses, RecordedStatementsBecomeClasses) {
  ASSERT_TRUE(test::java::available())
      << "no JDK when the build was configured: install openjdk-17-jdk-headless";
  engine::Engine eng;
  logic::Run run(eng);
  EmitCapture& capture = run.capture_output();
  run.stand_in_host("i_config", 2, [](logic::Run&, std::span<Term>) { return false; });
  run.stand_in_host("i_dstorepref", 4, [](logic::Run&, std::span<Term>) { return false; });
  run.stand_in_host("i_tblname", 3, [](logic::Run&, std::span<Term> a) {
    a[2] = Term::string("T");
    return a[1] == Term::integer(7);
  });
  run.stand_in_host("i_all_atrisr", 3, [](logic::Run&, std::span<Term> a) {
    a[2] = Term::list({Term::integer(1), Term::integer(2)});
    return true;
  });
  ASSERT_TRUE(eng.consult_text(R"(
    spec_i([proc, 1, 'P', 'P', 0, 0]).
    model_num_i(1).
    attri_i(1, ['A', int, 6, 0]).
    attri_i(2, ['B', char, 10, 0]).
    embsql_cursor_i('SEL1', ['"SELECT A, B FROM T WHERE A = ?"', [7], s, [7], [t(1, 2)], s, 1]).
    embsql_cursor_i('UPD1', ['"UPDATE T SET B = ? WHERE A = ?"', [7], n, [7], [t(2, 2), t(1, 2)], upd, 1]).
  )", false));
  ASSERT_TRUE(open_output(run, "Prog.java"));
  Out(run).pieces({"import com.quenora.*; import com.quenora.db.driver.*; import java.sql.*;"})
      .pieces({"public class Prog {}"});
  EXPECT_TRUE(gen_embedded_cursor_classes(run));
  ASSERT_TRUE(close_output(run));
  const std::vector<std::string>& lines = capture.files.at(0).lines;
  for (const char* l : {"final class fSEL1 extends QNDBForwardSupplier",
                        "      SQL = \"SELECT A, B FROM T WHERE A = ?\" ;",
                        "      dbot.setA(rslt.getInt(1));", "      dbot.setB(rslt.getString(2, 10));",
                        "   public void fetchFirst(dbcT dbot, int P1)", "         dbot.setA(P1);",
                        "final class dUPD1 extends QNDBUpdateSupplier",
                        "   public void executeUpd(String P1, int P2)"}) {
    EXPECT_TRUE(std::find(lines.begin(), lines.end(), l) != lines.end()) << l;
  }
  const fs::path src = fs::temp_directory_path() / ("qn_embsql_" + std::to_string(::getpid()));
  fs::remove_all(src);
  fs::create_directories(src / "classes");
  {
    std::ofstream o(src / "Prog.java", std::ios::binary);
    for (const std::string& l : lines) o << l << '\n';
    o << "final class dbcT extends DatabaseClass { "
         "dbcT(ModelContext c, int r, boolean ro) {} dbcT() {} "
         "void setA(int a) {} void setB(String b) {} "
         "static String getDataSourceName() { return \"\"; } }\n";
  }
  const auto r = test::java::compile_against_stub({(src / "Prog.java").string()},
                                                  (src / "classes").string());
  EXPECT_EQ(r.status, 0) << r.output;
  fs::remove_all(src);
}

TEST(CursorClasses, JavaLiteralsReadBack) {
  const std::vector<std::string> texts{"plain", "a \"quoted\" \\ path", "tab\tline\nend",
                                       std::string("ctl\x01", 4)};
  for (const std::string& text : texts) {
    EXPECT_EQ(java_unquoted(java_quoted(text)), text);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Golden, TableClassCase,
    ::testing::ValuesIn(golden::case_names(fs::path(QN_SOURCE_DIR) / "logic" / "java")),
    [](const auto& param_info) { return param_info.param; });

}  // namespace
}  // namespace qn::logic
