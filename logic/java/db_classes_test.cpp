// The table classes as whole files: each golden case of testdata/ runs as
// the object loop runs it, its files are compared with expected/, and every
// class it writes compiles against the runtime stand-in.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
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

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

// The callees of other parts of the rule program, as their owners give them.
void stand_ins(Run& run) {
  run.stand_in_host("get_serialization_type", 4, [](Run&, std::span<Term> a) {
    if (!a[1].is_int() || !a[2].is_int()) return false;
    const std::string java = get_c_type(a[0], a[1].as_int(), a[2].as_int());
    static const std::pair<const char*, const char*> rows[] = {
        {"byte", "Byte"},     {"short", "Short"},   {"int", "Int"},           {"long", "Long"},
        {"double", "Double"}, {"String", "String"}, {"java.util.Date", "Date"}};
    for (const auto& [j, s] : rows) {
      if (java == j) {
        a[3] = Term::string(s);
        return true;
      }
    }
    return false;
  });
  // The member of a related table: its data class, lower-cased.
  run.stand_in_host("fk_member_name", 7, [](Run&, std::span<Term> a) {
    std::string m = text_of(a[5]);
    for (char& c : m) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    a[6] = Term::string(m);
    return true;
  });
  // The accessor through the member: member().get<Attribute>.
  run.stand_in_host("nav_accessor_name", 9, [](Run& r, std::span<Term> a) {
    auto name = get_attri_name(r, a[0], a[4]);
    if (!name) return false;
    a[8] = Term::string(text_of(a[3]) + "()." + text_of(a[5]) + capitalize(text_of(*name)));
    return true;
  });
}

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
  options.prepare = stand_ins;
  options.pass_end = GetParam().rfind("cfg_", 0) == 0 || GetParam().rfind("make_", 0) == 0;
  const golden::Outcome outcome = golden::run_case(dir, options);
  const fs::path actual = fs::path(QN_BINARY_DIR) / "golden/logic/java" / GetParam() / "actual";
  EXPECT_EQ(golden::compare(dir / "expected", outcome, actual), "");

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
    const fs::path p = src / (cls + ".java");
    std::ofstream(p, std::ios::binary) << f.text;
    files.push_back(p.string());
  }
  if (!files.empty()) {
    const auto r = test::java::compile_against_stub(files, (src / "classes").string());
    EXPECT_EQ(r.status, 0) << r.output;
  }
  fs::remove_all(src);
}

// The classes of a program's embedded statements, appended to its source
// (no remote-call protocol): calls, update and read cursors, with and
// without parameters, compile against the runtime stand-in.
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
  };
  const fs::path src = fs::temp_directory_path() / ("qn_cursors_" + std::to_string(::getpid()));
  fs::remove_all(src);
  fs::create_directories(src / "classes");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    logic::Run run(eng);
    EmitCapture& capture = run.capture_output();
    stand_ins(run);
    run.stand_in_host("i_config", 2, [](logic::Run&, std::span<Term>) { return false; });
    run.stand_in_host("i_dstorepref", 4, [](logic::Run&, std::span<Term>) { return false; });
    ASSERT_TRUE(open_output(run, "Prog.java"));
    Out(run).pieces({"import com.quenora.*; import com.quenora.db.driver.*; import java.sql.*;"})
        .pieces({"public class Prog {}"});
    ASSERT_TRUE(gen_cursor_class(run, 0, c.in));
    ASSERT_TRUE(close_output(run));
    const std::vector<std::string>& lines = capture.files.at(0).lines;
    for (const std::string& l : c.lines)
      EXPECT_TRUE(std::find(lines.begin(), lines.end(), l) != lines.end()) << l;
    const fs::path p = src / "Prog.java";
    {
      std::ofstream o(p, std::ios::binary);
      for (const std::string& l : lines) o << l << '\n';
      o << "final class dbcT extends DatabaseClass { "
           "dbcT(ModelContext c, int r, boolean ro) {} dbcT() {} "
           "void setA(int a) {} void setB(String b) {} "
           "static String getDataSourceName() { return \"\"; } }\n";
    }
    const auto r = test::java::compile_against_stub({p.string()}, (src / "classes").string());
    EXPECT_EQ(r.status, 0) << r.output;
  }
  fs::remove_all(src);
}

INSTANTIATE_TEST_SUITE_P(
    Golden, TableClassCase,
    ::testing::ValuesIn(golden::case_names(fs::path(QN_SOURCE_DIR) / "logic" / "java")),
    [](const auto& param_info) { return param_info.param; });

}  // namespace
}  // namespace qn::logic
