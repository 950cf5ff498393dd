#include "logic/core/messages.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/spec_files.h"
#include "platform/clock.h"

namespace qn::logic {
namespace {

using engine::Term;

TEST(LogicCoreMessages, KeyTable) {
  struct Case {
    const char* key;
    const char* first;  // writeq of the first entry; "" for none
    size_t entries;
  } cases[] = {
      {"trn", "\"Transaction\"", 1},
      {"web", "\"Web Panel\"", 1},
      {"yesno", "[\"Yes\",\"No\"]", 1},
      {"newidx", "\"Table indices\"", 2},
      {"badtok", "\"\"", 1},
      {"ce", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    auto entries = message_text(c.key);
    ASSERT_EQ(entries.size(), c.entries);
    if (c.entries) {
      EXPECT_EQ(engine::writeq(entries[0]), c.first);
    }
  }
  EXPECT_EQ(engine::write(message_text("newidx")[1]),
            "[A temporary index will be created for,on table]");
  EXPECT_EQ(get_message("zzz").text(), "No message available for zzz");
}

TEST(LogicCoreMessages, LanguageFromTheModelFacts) {
  struct Case {
    const char* facts;
    const char* idiom;
  } cases[] = {
      {"p_i(model, [lang, 'Spa']).", "spa"},   {"p_i(model, [lang, 'POR']).", "por"},
      {"p_i(model, [lang, ita]).", "ita"},     {"p_i(model, [lang, ger]).", "eng"},
      {"p_i(model, [generator, 11]).", "eng"}, {"idiom(por). p_i(model, [lang, 'Spa']).", "por"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.facts);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text(c.facts, false));
    set_idiom(run);
    EXPECT_EQ(current_idiom(run).name(), c.idiom);
    EXPECT_EQ(eng.facts().count("idiom", 1), 1u);
  }
}

// The installed message file has the date format and the month names of
// every language.
TEST(LogicCoreMessages, MessageFileDatesByLanguage) {
  struct Case {
    const char* lang;
    const char* date;  // 10, month 5, 2026
  } cases[] = {
      {"eng", "May 10, 2026"},
      {"spa", "10 de mayo de 2026"},
      {"por", "10 de maio de 2026"},
      {"ita", "10 maggio 2026"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.lang);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(load_spec_file(run, QN_SOURCE_DIR "/data/QNMSGJ.ARI"));
    EXPECT_EQ(eng.errcode(), 0);
    eng.facts().assertz(Term::compound("idiom", {Term::atom(c.lang)}));
    for (int m = 1; m <= 12; ++m) {
      EXPECT_TRUE(eng.facts().exists(
          Term::compound("str_month", {Term::atom(c.lang), Term::integer(m), Term::fresh_var()})))
          << m;
    }
    auto month = eng.facts().first(
        Term::compound("str_month", {Term::atom(c.lang), Term::integer(5), Term::fresh_var()}));
    ASSERT_TRUE(month);
    auto text = msg_text(run, Term::atom("strdate"),
                         {Term::integer(10), month->arg(3), Term::integer(2026)});
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, c.date);
    // The date and time of generation come from the clock.
    platform::set_clock_for_tests([] { return platform::LocalTime{2026, 5, 10, 9, 5, 3, 7, 0}; });
    EXPECT_EQ(msg_text(run, Term::atom("date")), c.date);
    EXPECT_EQ(msg_text(run, Term::atom("time")), "9:5:3.7");
    platform::set_clock_for_tests(nullptr);
  }
}

TEST(LogicCoreMessages, MessageExpressions) {
  engine::Engine eng;
  logic::Run run(eng);
  auto& capture = run.capture_output();
  EXPECT_EQ(msg_text(run, Term::atom("k")), "localUtil.getMessages().getMessage(\"k\")");
  EXPECT_TRUE(capture.all_lines().empty());
  EXPECT_EQ(msg_text(run, Term::atom("k"), {Term::atom("a"), Term::integer(7)}),
            "localUtil.getMessages().getMessage(\"k\", arguments)");
  EXPECT_EQ(capture.all_lines(),
            (std::vector<std::string>{"arguments = new Object[ 2 ];", "arguments[ 0 ] = \"a\" ;",
                                      "arguments[ 1 ] = \"7\" ;"}));
}

}  // namespace
}  // namespace qn::logic
