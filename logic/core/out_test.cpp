#include "logic/core/out.h"

#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"

namespace qn::logic {
namespace {

using Lines = std::vector<std::string>;

TEST(LogicCoreOut, WritesTextAsItAppears) {
  struct Case {
    const char* name;
    std::function<void(Out&)> calls;
    Lines out;
    bool ok = true;
  } cases[] = {
      {"nested indentation",
       [](Out& o) {
         o.emit(R"(
           class A
           {
              void f()
              {
                 x();
              }
           }
         )");
       },
       {"class A", "{", "   void f()", "   {", "      x();", "   }", "}"}},
      {"blank template lines are empty lines; the R\"( and )\" lines are not",
       [](Out& o) { o.emit("\n  a\n\n  \n  b\n"); },
       {"a", "", "", "b"}},
      {"holes, $$ and inner blanks",
       [](Out& o) { o.emit(R"(msg("$kind$ -  $name$ ");  // $$x)"); },
       {"msg(\"trn -  Customer \");  // $x"}},
      {"the margin holds across calls: open, a template, close",
       [](Out& o) { o.open("{").emit("x;").emit("  y;\n    z;\n  w;").close("}"); },
       {"{", "   x;", "   y;", "     z;", "   w;", "}"}},
      {"a template that ends indented leaves the margin there",
       [](Out& o) { o.emit("a\n  b").emit("c").close("d"); },
       {"a", "  b", "  c", "d"}},
      {"explicit shifts ride on the next line",
       [](Out& o) {
         o.shift(7).emit("a\nb").shift(-7).shift(2).pieces({"c"}).shift(-2).emit("\n\nd");
       },
       {"       a", "       b", "  c", "", "d"}},
      {"a negative margin is written at column 0 and counts as 0",
       [](Out& o) { o.close("}").emit("a").emit("     b\n  c\nd").open("{").emit("e"); },
       {"}", "a", "b", "c", "d", "{", "   e"}},
      {"pieces joined by one blank",
       [](Out& o) {
         o.pieces({"a =", 12, engine::Term::atom("b"), ";"}).pieces({});
       },
       {"a = 12 b ;", ""}},
      {"a lone empty line is written", [](Out& o) { o.emit("\n\n"); }, {""}},
      {"the first failure latches",
       [](Out& o) {
         o.emit("a");
         o.shift(0);
       },
       {},
       false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    logic::Run run(eng);
    EmitCapture& cap = run.capture_output();
    cap.fail_writes = !c.ok;
    Out out(run, {{"kind", "trn"}, {"name", "Customer"}});
    c.calls(out);
    if (!c.ok) {
      // Writes work again, but the emitter has stopped.
      cap.fail_writes = false;
      out.emit("b").open("c").close("d").pieces({"e"});
    }
    EXPECT_EQ(cap.all_lines(), c.out);
    EXPECT_EQ(out.ok(), c.ok);
  }
}

// The margin lines handed to emit_text/1 are the ones the rules always
// wrote: the step after "{" and before "}".
TEST(LogicCoreOut, MarginLines) {
  struct Case {
    const char* tmpl;
    int before;
    const char* lines;
  } cases[] = {
      {"{\n   x\n}", 0, "[[0,3,[\"{\"]],[\"x\"],[-3,0,[\"}\"]]]"},
      {"  a\n\n     b\n\n  c", 0, "[[0,3,[\"a\"]],[],[\"b\"],[],[-3,0,[\"c\"]]]"},
      {"\n\n  a\nb", 7, "[[],[7,0,[\"a\"]],[-2,0,[\"b\"]]]"},
      {"   a\n b\n      c", 0, "[[\"a\"],[-2,5,[\"b\"]],[\"c\"]]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.tmpl);
    EXPECT_EQ(engine::writeq(template_lines(c.tmpl, {}, c.before)), c.lines);
  }
}

// A failed line latches in the run's output: the file's close fails even
// when the generator never looked at ok(); the next file starts clean.
TEST(LogicCoreOut, AnUncheckedFailureFailsTheClose) {
  struct Case {
    const char* name;
    std::function<void(logic::Run&, EmitCapture&)> fail;
  } cases[] = {
      {"a write the output refused",
       [](logic::Run& run, EmitCapture& cap) {
         cap.fail_writes = true;
         Out(run).pieces({"lost"});
         cap.fail_writes = false;
       }},
      {"a piece the line format does not write",
       [](logic::Run& run, EmitCapture&) { Out(run).pieces({"x", engine::Term::fresh_var()}); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    logic::Run run(eng);
    EmitCapture& cap = run.capture_output();
    ASSERT_TRUE(open_output(run, "a.java"));
    c.fail(run, cap);
    EXPECT_TRUE(Out(run).pieces({"kept"}).ok());
    EXPECT_FALSE(close_output(run));
    ASSERT_TRUE(open_output(run, "b.java"));
    EXPECT_TRUE(close_output(run));
    EXPECT_EQ(cap.all_lines(), Lines{"kept"});
  }
}

TEST(LogicCoreOut, AHoleWithoutAValueIsAProgrammingError) {
  engine::Engine eng;
  logic::Run run(eng);
  run.capture_output();
  Out out(run, {{"cls", "a"}});
  EXPECT_THROW(out.emit("class $cls$ $other$"), std::logic_error);
  EXPECT_THROW(out.open("$cls"), std::logic_error);
  EXPECT_TRUE(run.capture()->all_lines().empty());
}

}  // namespace
}  // namespace qn::logic
