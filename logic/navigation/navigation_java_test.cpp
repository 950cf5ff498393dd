// Levels and commands written in a procedure's frame (the callees of other
// modules stand in as comments) parse and compile with javac
// against tests/java_runtime_stub/.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "logic/core/golden.h"
#include "logic/java/class_frame.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/test_fixture.h"
#include "tests/java_check/java_check.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using navtest::Fixture;
using navtest::t;

// Two levels on INVOICE in a break chain, the second with seven where
// conditions and a group of commands; an insert level on CUSTOMER.
const char* kFacts = R"(
spec_i([proc, 2, 'Invoices', 'P', 0, 0]). model_num_i(1). pgm_id([2, proc, 'P']).
attri_i('&X', ['&X', int, 9, 0, '', 1]). attri_i('&S', ['&S', char, 10, 0, '', 1]).
attri_i(custid, [custid, int, 9, 0, '', 1]).
level_i(1, [invoice, [invoice], [custid], 0, 0, 0, [], 0, 0, []]).
level_i(2, [invoice, [invoice], [invid], 0, 0, 0,
            [[t('&X', 23), t('>', 10), t('1', 3)], [t('&X', 23), t('>', 10), t('2', 3)],
             [t('&X', 23), t('>', 10), t('3', 3)], [t('&X', 23), t('>', 10), t('4', 3)],
             [t('&X', 23), t('>', 10), t('5', 3)], [t('&X', 23), t('>', 10), t('6', 3)],
             [t('&S', 23), t('=', 10), t('''A''', 3)]], 0, 0, []]).
level_i(3, [0, [], [], 0, 0, 0, [], 0, 0, []]).
struct_i(1, 0, [custid], []). struct_i(2, 1, [invid], []). struct_i(3, 0, [], []).
break_i(2, nvg, 1, 0, 0).
upd_i(3, customer, i, [[custid], [], [], [], []]).
b_group_i(2, 1, cmd, 0, 0, 0).
b_line_i(1, 2, 1, cmd, 0, [t(if, 109), t('&X', 23), t('>', 10), t('7', 3)]).
b_line_i(2, 2, 1, cmd, 0, [t(a, 107), t('&X', 23), t('=', 10), t('&X', 23), t('+', 5), t('1', 3)]).
b_line_i(3, 2, 1, cmd, 0, [t(else, 110)]).
b_line_i(4, 2, 1, cmd, 0, [t(do, 114), t('&X', 23), t('<', 10), t('9', 3)]).
b_line_i(5, 2, 1, cmd, 0, [t(exit, 140)]).
b_line_i(6, 2, 1, cmd, 0, [t(enddo, 115)]).
b_line_i(7, 2, 1, cmd, 0, [t(endif, 111)]).
b_line_i(8, 2, 1, line, 0, []).
b_line_i(9, 2, 1, cmd, 0, [t(code, 166), t('X = X * 2;', 3)]).
)";

// The levels written, in a procedure class with the declarations they
// made; parsed and compiled.
void write_and_compile(Fixture& f, const std::vector<std::pair<const char*, const char*>>& levels,
                       const std::string& cls) {
  for (const auto& [kind, level] : levels) {
    gen_level_kind(f.run, t(kind), t(level), t("[]"), t("[]"), t("[]"));
  }
  const auto body = f.lines();
  const size_t n = body.size();
  gen_var_declarations(f.run);
  const auto all = f.lines();
  const fs::path dir = fs::path(QN_BINARY_DIR) / "navigation_java" / cls;
  fs::remove_all(dir);
  fs::create_directories(dir / "classes");
  const fs::path file = dir / (cls + ".java");
  {
    std::ofstream out(file);
    for (const std::string& imp : class_imports(f.run, "proc")) out << "import " << imp << ";\n";
    out << "\npublic class " << cls << " extends " << class_superclass(f.run, "proc") << "\n{\n";
    for (size_t i = n; i < all.size(); ++i) out << "  " << all[i] << "\n";
    for (const std::string& l : navtest::stand_in_classes({all.begin() + n, all.end()})) {
      out << "  " << l << "\n";
    }
    out << "  QNDBSupplier cinvoice, ccustomer, NoTblObjErr;\n  int Err;\n  String Errmsg;\n"
        << "  boolean run()\n  {\n";
    for (size_t i = 0; i < n; ++i) out << "    " << body[i] << "\n";
    out << "    return true;\n  }\n}\n";
  }
  ASSERT_TRUE(test::java::available()) << "the JDK is needed (Debian package openjdk-17-jdk-headless)";
  const auto parsed = test::java::parse({file.string()});
  EXPECT_EQ(parsed.status, 0) << parsed.output;
  const auto compiled = test::java::compile_against_stub({file.string()}, (dir / "classes").string());
  EXPECT_EQ(compiled.status, 0) << compiled.output;
}

TEST(Navigation, LevelsCompile) {
  Fixture f(kFacts);
  write_and_compile(f, {{"nvg", "1"}, {"nvg", "2"}, {"ins", "3"}}, "PNav");
}

// The sample model's procedure PrintInv: a for-each over INVOICE from a
// start date, reading CUSTOMER, with one command. It names its tables by
// number: the sample's knowledge base names them.
TEST(Navigation, SampleProcedureCompiles) {
  const fs::path sample = fs::path(QN_SOURCE_DIR) / "examples" / "sample-model";
  const fs::path spc = sample / "DEMO" / "MDL001" / "GEN00" / "p0002.spc";
  golden::detail::CaseKb kb(sample / "kb.txt", 1);
  std::ifstream in(spc);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(text.empty()) << spc;
  Fixture f(text + " model_num_i(1). pgm_id([2, proc, 'PrintInv']).");
  write_and_compile(f, {{"nvg", "1"}}, "PPrintInv");
  bool command = false;
  for (const std::string& l : f.lines()) command = command || l.find("Count = ") != std::string::npos;
  EXPECT_TRUE(command);
}

}  // namespace
}  // namespace qn::logic
