// The table classes as whole files: each golden case of testdata/ runs as
// the object loop runs it, its files are compared with expected/, and every
// class it writes compiles against the runtime stand-in.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <regex>

#include "logic/core/golden.h"
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

INSTANTIATE_TEST_SUITE_P(
    Golden, TableClassCase,
    ::testing::ValuesIn(golden::case_names(fs::path(QN_SOURCE_DIR) / "logic" / "java")),
    [](const auto& param_info) { return param_info.param; });

}  // namespace
}  // namespace qn::logic
