#include "logic/core/emit.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "host/source_writer.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;
using Lines = std::vector<std::string>;

Term T(const char* text) {
  auto t = engine::parse_term(text);
  EXPECT_TRUE(t.has_value()) << text;
  return t.value_or(Term());
}

class EmitTest : public ::testing::Test {
 protected:
  engine::Engine engine_;
  logic::Run run_{engine_};
};

TEST_F(EmitTest, LineFormat) {
  struct Case {
    const char* name;
    const char* lines;
    bool ok;
    Lines out;
  } cases[] = {
      {"[[]] writes nothing", "[[]]", true, {}},
      {"an empty line, then x", "[[], [x]]", true, {"", "x"}},
      {"pieces joined by one blank",
       "[[public, class, 'Cust', '{']]",
       true,
       {"public class Cust {"}},
      {"integers and strings", "[[\"a = \", 12, ';']]", true, {"a =  12 ;"}},
      {"trailing blanks removed", "[['x   ', '']]", true, {"x"}},
      {"margin lines",
       "[[0, 3, [if, a, '{']], ['b();'], [-3, 0, ['}']]]",
       true,
       {"if a {", "   b();", "}"}},
      {"a negative margin counts as 0", "[[-4, 0, [a]], [2, 0, [b]]]", true, {"a", "  b"}},
      {"a bad line fails the whole call", "[[a], b, [c]]", false, {"a"}},
      {"a margin line with a text margin fails", "[[x, 0, [a]]]", false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EmitCapture& cap = run_.capture_output();
    cap.files.clear();
    cap.margin = 0;
    EXPECT_EQ(emit_text(run_, T(c.lines)), c.ok);
    EXPECT_EQ(cap.all_lines(), c.out);
  }
}

TEST_F(EmitTest, EveryLineIsAnInterruptCheck) {
  run_.capture_output();
  engine_.set_error_hook([](int code, int, int) {
    if (code == 5) throw std::runtime_error("cancelled");
  });
  engine_.request_interrupt();
  EXPECT_THROW(emit_text(run_, T("[[a]]")), std::runtime_error);
  EXPECT_TRUE(run_.capture()->all_lines().empty());
  EXPECT_TRUE(emit_text(run_, T("[[a]]")));
}

TEST_F(EmitTest, CapturedFiles) {
  EmitCapture& cap = run_.capture_output();
  ASSERT_TRUE(open_rpt_file(run_, T("0"), T("'QN001\\\\A.java'")));
  emit_text(run_, {Term::list({T("class"), T("'A'")})});
  EXPECT_TRUE(close_rpt_file(run_));
  ASSERT_TRUE(open_rpt_file(run_, T("0"), T("'B.java'")));
  emit_text(run_, T("[[b]]"));
  cap.fail_writes = true;
  EXPECT_FALSE(emit_text(run_, T("[[c]]")));
  EXPECT_FALSE(close_rpt_file(run_));
  // Closed again with nothing open, the failed file is still no success.
  EXPECT_FALSE(close_rpt_file(run_));
  ASSERT_EQ(cap.files.size(), 2u);
  EXPECT_EQ(cap.files[0].path, "QN001\\A.java");
  EXPECT_EQ(cap.files[0].lines, Lines{"class A"});
  EXPECT_EQ(cap.files[1].lines, Lines{"b"});
  EXPECT_TRUE(cap.files[1].closed);
}

// The host writer behind the rules: a failed open closes the output again,
// a write error fails the rest of the file and its close, the next file is
// clean.
TEST_F(EmitTest, HostWriterFailures) {
  const fs::path dir = fs::temp_directory_path() / ("qn_emit_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  int boxes = 0;
  host::WriterHost h = host::default_writer_host();
  h.show_status = [](std::string_view) {};
  h.set_line_count = [](int) {};
  h.show_error = [&](std::string_view) { ++boxes; };
  host::source_writer().set_host(h);

  EXPECT_FALSE(open_rpt_file(run_, T("0"), Term::string((dir / "no/such/x.java").string())));
  EXPECT_FALSE(host::source_writer().error_state());
  EXPECT_EQ(boxes, 1);  // the file that cannot be written is named
  boxes = 0;
  if (fs::exists("/dev/full")) {
    // The lines wait in the writer's buffer; the full disk shows at close.
    ASSERT_TRUE(open_rpt_file(run_, T("0"), T("'/dev/full'")));
    EXPECT_TRUE(emit_text(run_, T("[[a], [b]]")));
    EXPECT_FALSE(close_rpt_file(run_));
    EXPECT_EQ(boxes, 1);
  }
  const std::string ok_path = (dir / "ok.java").string();
  ASSERT_TRUE(open_rpt_file(run_, T("0"), Term::string(ok_path)));
  EXPECT_TRUE(emit_text(run_, T("[[ok]]")));
  EXPECT_TRUE(close_rpt_file(run_));
  std::ifstream in(ok_path);
  std::stringstream ss;
  ss << in.rdbuf();
  EXPECT_EQ(ss.str(), "ok\n");
  host::source_writer().set_host(host::default_writer_host());
  fs::remove_all(dir);
}

}  // namespace
}  // namespace qn::logic
