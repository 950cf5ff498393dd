// Golden cases of the DDL writers: testdata/<case>/facts.pl holds the
// options, the knowledge base's answers (ddl_fixture.h) and, in order, the
// writers to call as ddl_call/1 facts; expected/statements.txt is what they
// write, and expected/errors.txt the error log when the case reports one.
#include <gtest/gtest.h>

#include <filesystem>

#include "logic/core/golden.h"
#include "logic/core/output.h"
#include "logic/core/out.h"
#include "logic/sql/ddl/ddl_fixture.h"
#include "logic/sql/ddl/index_ddl.h"
#include "logic/sql/ddl/table_ddl.h"

namespace qn::logic::ddl {
namespace {

namespace fs = std::filesystem;
using engine::Term;

std::vector<Term> items(const Term& t) { return t.is_list() ? t.list_items() : std::vector<Term>{}; }
std::string txt(const Term& t) { return text_of(t); }

// One ddl_call/1 goal; false for a goal the harness does not know.
bool call(Run& run, const Term& g, bool& known) {
  const Term model = num(5);
  known = true;
  const std::string name = std::string(g.functor().name());
  auto arg = [&](int n) { return g.arg(n); };
  if (name == "comment") return Out(run).pieces({"//", txt(arg(1))}).ok();
  if (name == "create_table")
    return create_table(run, model, arg(1), txt(arg(2)), txt(arg(3)), txt(arg(4)), items(arg(5)), txt(arg(6)));
  if (name == "drop_table") return gen_drop_table(run, arg(1), txt(arg(2)));
  if (name == "alter_add") return gen_alter_add(run, model, arg(1), txt(arg(2)), items(arg(3)));
  if (name == "alter_drop") return gen_alter_drop(run, model, arg(1), txt(arg(2)), items(arg(3)));
  if (name == "create_index") {
    const Term i = arg(3);
    return gen_create_index(run, model, arg(1), txt(arg(2)), {txt(i.arg(1)), txt(i.arg(2)), items(i.arg(3))},
                            txt(arg(4)));
  }
  if (name == "drop_index") return gen_drop_index(run, arg(1), txt(arg(2)), txt(arg(3)));
  if (name == "foreign_keys") return gen_foreign_keys(run, model, arg(1), txt(arg(2)));
  if (name == "drop_foreign_keys") return gen_drop_foreign_keys(run, model, arg(1), txt(arg(2)));
  if (name == "synonym") return gen_synonym(run, arg(1), txt(arg(2)));
  if (name == "comments") return gen_comments(run, txt(arg(1)), model, arg(2), txt(arg(3)));
  if (name == "create_collection") return gen_create_collection(run);
  known = false;
  return false;
}

golden::Outcome run_case(const fs::path& dir) {
  golden::Outcome out;
  test::DdlFixture f(golden::read_text(dir / "facts.pl"));
  open_output(f.run, "statements.txt");
  for (const Term& c : f.facts("ddl_call", 1)) {
    bool known = true;
    const bool ok = call(f.run, c.arg(1), known);
    if (!known) out.error += "unknown ddl_call " + engine::write(c.arg(1)) + ". ";
    if (!ok) f.errors.push_back("(" + engine::write(c.arg(1)) + " failed)");
  }
  close_output(f.run);
  for (const CapturedFile& cf : f.run.capture()->files) {
    golden::File file{"statements.txt", ""};
    for (const std::string& l : cf.lines) file.text += l + "\n";
    out.files.push_back(file);
  }
  if (!f.errors.empty()) {
    golden::File file{"errors.txt", ""};
    for (const std::string& e : f.errors) file.text += e + "\n";
    out.files.push_back(file);
  }
  return out;
}

class LogicDdlCase : public ::testing::TestWithParam<std::string> {};

TEST_P(LogicDdlCase, MatchesExpected) {
  const fs::path dir = fs::path(QN_SOURCE_DIR) / "logic/sql/ddl/testdata" / GetParam();
  const fs::path actual = fs::path(QN_BINARY_DIR) / "golden/logic/sql/ddl" / GetParam() / "actual";
  EXPECT_EQ(golden::compare(dir / "expected", run_case(dir), actual), "");
}

INSTANTIATE_TEST_SUITE_P(Golden, LogicDdlCase,
                         ::testing::ValuesIn(golden::case_names(fs::path(QN_SOURCE_DIR) / "logic/sql/ddl")),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace qn::logic::ddl
