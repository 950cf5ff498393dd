// The golden case trn_buttons: a transaction's facts before and after its
// buttons are prepared, and the statements the button rules write, set in
// a hand-written frame (frame.java: a line "//@ <what> [<argument>]" is
// replaced by the lines written there, at its indentation) until the
// transaction class is written. The expected class compiles against the
// runtime stand-in.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/golden.h"
#include "logic/core/rule_terms.h"
#include "logic/core/run.h"
#include "logic/javaui/std_buttons.h"
#include "tests/java_check/java_check.h"

namespace qn::logic::golden {
namespace {

const fs::path kCase = fs::path(QN_SOURCE_DIR) / "logic/javaui/testdata/trn_buttons";
const fs::path kActual = fs::path(QN_BINARY_DIR) / "golden/logic/javaui/trn_buttons";

// The facts the preparation writes, one a line, in fact order.
std::string facts_after(logic::Run& run) {
  std::string out;
  for (const auto& [name, arity] : std::vector<std::pair<const char*, uint32_t>>{
           {"lit_i", 4}, {"b_line_i", 6}, {"rule_i", 2}, {"default_i", 1}}) {
    for (const engine::Term& f : run.facts().clauses(name, arity)) out += engine::writeq(f) + ".\n";
  }
  return out;
}

// The frame with each marker replaced by what its rule writes.
bool fill_frame(logic::Run& run, const std::string& frame) {
  Output& o = run.output();
  o.set_path("tcustomer_buttons.java");
  bool ok = o.open();
  std::istringstream in(frame);
  std::string line;
  while (std::getline(in, line)) {
    const size_t at = line.find("//@ ");
    if (at == std::string::npos) {
      ok = o.put(line) && ok;
      continue;
    }
    std::istringstream marker(line.substr(at + 4));
    std::string what, arg;
    marker >> what >> arg;
    o.running_margin() = static_cast<int>(at);
    if (what == "caption") {
      ok = set_enter_button_caption(run, arg) && ok;
    } else if (what == "disable") {
      ok = gen_disable_std_buttons(run) && ok;
    } else if (what == "focus") {
      ok = focus_enter_button(run) && ok;
    } else if (what == "prompts") {
      ok = prompt_init_noweb(run, num(std::stoll(arg))) && ok;
    } else {
      ADD_FAILURE() << "unknown marker " << line;
    }
    o.running_margin() = 0;
  }
  return o.close() && ok;
}

TEST(StdButtonsGolden, TrnButtons) {
  engine::Engine eng;
  logic::Run run(eng);
  EmitCapture& capture = run.capture_output();
  ASSERT_TRUE(eng.consult_text(read_text(kCase / "before.pl"), false));
  // The prompted objects are no programs of a knowledge base.
  run.stand_in_host("i_called_pgms", 4, [](logic::Run&, std::span<engine::Term> a) {
    a[3] = engine::Term::list({});
    return true;
  });
  ASSERT_TRUE(prepare_trn_buttons(run));
  Outcome outcome;
  outcome.files.push_back(File{"facts_after.pl", facts_after(run)});
  EXPECT_TRUE(fill_frame(run, read_text(kCase / "frame.java")));
  for (const CapturedFile& f : capture.files) {
    File file;
    file.name = f.path;
    for (const std::string& l : f.lines) file.text += l + "\n";
    outcome.files.push_back(file);
  }
  const std::string report = compare(kCase / "expected", outcome, kActual / "actual");
  EXPECT_TRUE(report.empty()) << report;

  ASSERT_TRUE(test::java::available()) << "no JDK: install default-jdk-headless";
  const test::java::Result built = test::java::compile_golden_case(kCase, kActual / "classes");
  EXPECT_EQ(built.status, 0) << built.output;
}

}  // namespace
}  // namespace qn::logic::golden
