// The reorganisation log's lines: the message file's text with its
// arguments, in the model's language, and a key the file lacks reported.
#include "logic/program/reorg_programs.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"

namespace qn::logic {
namespace {

using engine::Term;

const char* kMessages = R"(
lit(eng, rgzlcktb, "Step %1: locking tables").
lit(eng, rgztbllck, "Locking table %1").
lit(eng, 1001, "Dropping index %2 of table %1").
lit(spa, rgztbllck, "Bloqueando tabla %1").
)";

TEST(LogicReorgLog, MessageLines) {
  struct Case {
    const char* name;
    const char* facts;
    Term key;
    std::vector<Term> args;
    std::vector<std::string> lines;
    std::vector<std::string> errors;
  } cases[] = {
      {"a step number", "", atom("rgzlcktb"), {str("1")},
       {"QNReorganization.addMsg(\"Step 1: locking tables\");"}, {}},
      {"a numbered key with two arguments", "", num(1001), {str("CUSTOMER"), str("ICUSTOMER2")},
       {"QNReorganization.addMsg(\"Dropping index ICUSTOMER2 of table CUSTOMER\");"}, {}},
      {"a table name that needs escaping in Java", "", atom("rgztbllck"), {str("A\"B")},
       {"QNReorganization.addMsg(\"Locking table A\\\"B\");"}, {}},
      {"the model's language", "idiom(spa).", atom("rgztbllck"), {str("T")},
       {"QNReorganization.addMsg(\"Bloqueando tabla T\");"}, {}},
      {"a key the file lacks writes nothing", "", atom("rgzbldidx"), {str("7")}, {},
       {"Reorganisation log: the message file has no text for the key rgzbldidx in language eng"}},
      {"a key missing in the model's language", "idiom(spa).", atom("rgzlcktb"), {str("1")}, {},
       {"Reorganisation log: the message file has no text for the key rgzlcktb in language spa"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    ASSERT_TRUE(eng.consult_text(std::string(kMessages) + c.facts, false));
    logic::Run run(eng);
    std::vector<std::string> errors;
    dialog_senders().show_error = [&errors](std::string_view t) { errors.emplace_back(t); };
    run.capture_output();
    EXPECT_EQ(reorg_add_msg(run, c.key, c.args), c.errors.empty());
    EXPECT_EQ(run.capture()->all_lines(), c.lines);
    EXPECT_EQ(errors, c.errors);
    reset_dialog_senders();
  }
}

}  // namespace
}  // namespace qn::logic
