#include "logic/core/host_interface.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "config/config_qn.h"
#include "config/settings.h"
#include "engine/clause_io.h"
#include "engine/engine.h"
#include "host/directories.h"
#include "host/source_writer.h"
#include "host/term_value.h"
#include "kb/attribute_queries.h"
#include "kb/kb_open.h"
#include "kb/model_queries.h"
#include "logic/core/messages.h"
#include "logic/core/utilities.h"
#include "platform/isam/writer/kb_writer.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;
using host::TermValue;

Term T(const char* text) {
  auto t = engine::parse_term(text);
  EXPECT_TRUE(t.has_value()) << text;
  return t.value_or(Term());
}

// The tree of a slot written back as text: kinds spelled out.
std::string show(const TermValue& v) {
  switch (v.kind) {
    case host::kTermUnbound:
      return "_";
    case host::kTermInt:
      return std::to_string(v.int_value);
    case host::kTermReal:
      return "r" + std::to_string(v.real_value);
    case host::kTermText:
      return "text:" + v.text;
    case host::kTermAtom:
      return "'" + v.text + "'";
    case host::kTermCompound: {
      std::string s = v.text + "(";
      for (size_t i = 0; i < v.args.size(); ++i) s += (i ? "," : "") + show(v.args[i]);
      return s + ")";
    }
    default:
      return "?";
  }
}

class HostInterfaceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DialogSenders& d = dialog_senders();
    d.set_progress_total = [this](int n) { calls_.push_back("total " + std::to_string(n)); };
    d.progress_step = [this] { calls_.push_back("step"); };
    d.set_step_range = [this](int n) { calls_.push_back("range " + std::to_string(n)); };
    d.set_progress_text = [this](std::string_view t) {
      calls_.push_back("text " + std::string(t));
    };
    d.add_progress_object = [this](std::string_view type, std::string_view name,
                                   std::string_view desc) {
      calls_.push_back("row " + std::string(type) + "|" + std::string(name) + "|" +
                       std::string(desc));
    };
    dir_ = fs::temp_directory_path() / ("qn_hi_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    host::WriterHost w;
    w.show_status = [this](std::string_view t) { calls_.push_back("status " + std::string(t)); };
    w.set_line_count = [](int) {};
    w.show_error = [this](std::string_view t) { calls_.push_back("error " + std::string(t)); };
    w.model_dir = [this] { return dir_.string(); };
    w.generator_dir = [] { return std::string(); };
    host::source_writer().set_host(w);
  }
  void TearDown() override {
    reset_dialog_senders();
    host::source_writer().close_output_file();
    host::source_writer().set_host(host::default_writer_host());
    fs::remove_all(dir_);
  }
  std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
  }

  engine::Engine engine_;
  logic::Run run_{engine_};
  std::vector<std::string> calls_;
  fs::path dir_;
};

TEST_F(HostInterfaceTest, TermToSlotBuildsTrees) {
  struct Case {
    const char* term;
    const char* tree;
  } cases[] = {
      {"[a, 1]", ".('a',.(1,'[]'))"},
      {"f(X, 2.5, \"s\", g([]))", "f(_,r2.500000,'s',g('[]'))"},
      {"-7", "-7"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(term_to_slot(T(c.term), 4));
    EXPECT_EQ(show(host::term_slot(4)), c.tree) << c.term;
  }
  // The slot's previous tree is replaced.
  term_to_slot(T("[x, y, z]"), 4);
  term_to_slot(T("q"), 4);
  EXPECT_EQ(show(host::term_slot(4)), "'q'");
  EXPECT_FALSE(term_to_slot(T("a"), 10));
  EXPECT_FALSE(term_to_slot(T("a"), -1));
  // A slot holds 32-bit integers: a wider one fails instead of being cut.
  EXPECT_TRUE(term_to_slot(T("[2147483647, -2147483648]"), 4));
  EXPECT_FALSE(term_to_slot(T("[a, 4294967297]"), 4));
  EXPECT_FALSE(term_to_slot(T("f(-2147483649)"), 4));
  EXPECT_TRUE(term_to_slot(T("1"), 4));
}

TEST_F(HostInterfaceTest, SlotToTermRoundTripsAndUnifies) {
  struct Case {
    const char* in;      // put into slot 2
    const char* target;  // the term unified with the slot's tree
    bool ok;
    const char* out;  // writeq of the result
  } cases[] = {
      {"[a, 1, 2.5]", "X", true, "[a,1,2.5]"},
      {"f(g(\"text\"), [])", "X", true, "f(g(text),[])"},
      {"[a, b]", "[a, b]", true, "[a,b]"},
      {"[a, b]", "[a, c]", false, ""},
      {"abc", "\"abc\"", true, "\"abc\""},  // texts compare by their characters
      {"f(1, 2)", "f(A, A)", false, ""},    // one variable, two values
      {"f(1, 1)", "f(A, A)", true, "f(1,1)"},
      {"f(Y, 2)", "f(a, B)", true, "f(a,2)"},  // unbound places leave the term alone
      {"7", "8", false, ""},
      {"7", "seven", false, ""},
      {"[]", "X", true, "[]"},  // "[]" comes back as the empty list
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.in) + " ~ " + c.target);
    ASSERT_TRUE(term_to_slot(T(c.in), 2));
    Term t = T(c.target);
    ASSERT_EQ(term_slot_to_term(t, 2), c.ok);
    if (c.ok) {
      EXPECT_EQ(engine::writeq(t), c.out);
    }
  }
  // A host routine's answer in the tree comes back to the logic.
  term_to_slot(T("X"), 5);
  host::term_unify_functor("dir", 1, host::term_slot(5));
  host::term_unify_string("QN001\\", *host::term_arg_ref(1, host::term_slot(5)));
  Term t = Term::fresh_var();
  ASSERT_TRUE(term_slot_to_term(t, 5));
  EXPECT_EQ(engine::writeq(t), "dir('QN001\\\\')");
  // A plain-text node and a missing slot fail.
  host::term_new(host::term_slot(5), host::kTermText, 0, 1);
  host::term_alloc_text(host::term_slot(5), "x");
  t = Term::fresh_var();
  EXPECT_FALSE(term_slot_to_term(t, 5));
  EXPECT_FALSE(term_slot_to_term(t, 10));
}

TEST_F(HostInterfaceTest, ArgumentConversions) {
  std::string out;
  EXPECT_TRUE(text_in(Term::string(std::string(10300, 'x')), out));
  EXPECT_EQ(out.size(), kTextBufferSize - 1);
  EXPECT_TRUE(text_in(T("abc"), out, kShortTextSize));
  EXPECT_EQ(out, "abc");
  EXPECT_FALSE(text_in(T("12"), out));
  EXPECT_FALSE(text_in(T("f(a)"), out));
  int32_t i = 0;
  EXPECT_TRUE(int_in(T("-4"), i));
  EXPECT_EQ(i, -4);
  EXPECT_FALSE(int_in(T("a"), i));
  EXPECT_FALSE(int_in(T("4294967297"), i));
  EXPECT_TRUE(int_in(T("-2147483648"), i));
  Term v = Term::fresh_var();
  EXPECT_TRUE(text_out(v, "x"));
  EXPECT_TRUE(v.is_string());
  EXPECT_TRUE(text_out(v, "x"));
  EXPECT_FALSE(text_out(v, "y"));
  Term a = T("x");
  EXPECT_TRUE(text_out(a, "x"));
  Term n = T("3");
  EXPECT_TRUE(int_out(n, 3));
  EXPECT_FALSE(int_out(n, 4));
}

TEST_F(HostInterfaceTest, TableLooksUpNameAndArity) {
  std::set<std::pair<std::string_view, uint32_t>> seen;
  for (const HostPredicateEntry& e : host_predicates()) {
    EXPECT_TRUE(seen.insert({e.name, e.arity}).second) << e.name << "/" << e.arity;
  }
  EXPECT_NE(find_host_predicate("i_upper", 2), nullptr);
  EXPECT_EQ(find_host_predicate("i_upper", 3), nullptr);
  Term args[] = {T("x")};
  EXPECT_FALSE(call_host(run_, "no_such_predicate", args));
}

// Each predicate through the crossing: arguments in, the host routine called
// with the converted values, the result back or a failure.
TEST_F(HostInterfaceTest, ProgressPredicates) {
  const std::string long_text(300, 'd');
  const std::string cut_text(255, 'd');
  const std::string trn = message_text_first("trn").value_or("?");
  struct Case {
    const char* name;
    std::vector<Term> args;
    bool ok;
    std::vector<std::string> calls;
  } cases[] = {
      {"setfilelen", {T("5")}, true, {"total 5"}},
      {"setfilelen", {T("a")}, false, {}},
      {"step_progress", {}, true, {"step"}},
      {"set_progress_len", {T("12")}, true, {"range 12"}},
      {"show_progress_text", {T("'Reading'")}, true, {"text Reading"}},
      {"show_progress_text", {Term::string(long_text)}, true, {"text " + cut_text}},
      {"show_progress_text", {T("3")}, false, {}},
      {"post_status_msg",
       {T("_"), T("_"), T("[x, 2, \"Customers\", trn, 'Cust01', extra]")},
       true,
       {"row " + trn + "|Cust01|Customers"}},
      {"post_status_msg",
       {T("_"), T("_"),
        Term::list({T("x"), T("2"), Term::string(long_text), T("trn"), Term::string(long_text)})},
       true,
       {"row " + trn + "|" + cut_text + "|" + cut_text}},
      {"post_status_msg", {T("_"), T("_"), T("[x, 0, y]")}, true, {}},
      {"post_status_msg", {T("_"), T("_"), T("[x, 2, d, nokind, n]")}, true, {}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.name);
    calls_.clear();
    EXPECT_EQ(call_host(run_, c.name, c.args), c.ok);
    EXPECT_EQ(calls_, c.calls);
  }
}

TEST_F(HostInterfaceTest, TextPredicates) {
  std::ofstream(dir_ / "app.ini") << "[Main]\nKey = value one\n";
  const std::string ini = (dir_ / "app.ini").string();
  config::reset_config_keys();
  config::SetConfigValue("GEN_OPT", "Yes");
  struct Case {
    const char* name;
    std::vector<Term> args;
    bool ok;
    std::string result;      // the result argument after the call, written bare
    size_t result_arg = 99;  // index of the result argument; the last by default
  } cases[] = {
      // Windows-1252: \xD1 is N with tilde, \xDF sharp s (no upper form), \xE9 e acute.
      {"i_upper", {Term::fresh_var(), Term::atom("A\xD1O")}, true, "a\xF1o", 0},
      {"i_upper",
       {Term::atom("stra\xDF"
                   "e \xE9"),
        Term::fresh_var()},
       true,
       "STRA\xDF"
       "E \xC9"},
      {"i_upper", {T("abc"), T("'ABC'")}, false, ""},
      {"i_upper", {Term::fresh_var(), Term::fresh_var()}, false, ""},
      {"str_compare", {T("abc"), T("abd"), Term::fresh_var()}, true, "-1"},
      {"str_compare", {T("b"), T("a"), Term::fresh_var()}, true, "1"},
      {"str_compare", {T("a"), T("\"a\""), T("0")}, true, "0"},
      {"str_compare", {T("a"), T("b"), T("0")}, false, ""},
      {"ini_read_entry",
       {Term::string(ini), T("'MAIN'"), T("key"), T("def"), Term::fresh_var()},
       true,
       "value one"},
      {"ini_read_entry",
       {Term::string(ini), T("'Main'"), T("missing"), T("def"), Term::fresh_var()},
       true,
       "def"},
      {"i_config", {T("'gen_opt'"), Term::fresh_var()}, true, "Yes"},
      {"i_config", {T("'GEN_OPT'"), T("\"Yes\"")}, true, "Yes"},
      {"i_config", {T("'GEN_OPT'"), T("'No'")}, false, ""},
      {"i_config", {T("'no_such_key'"), Term::fresh_var()}, false, ""},
      {"i_itoa", {T("255"), T("16"), T("4"), Term::fresh_var()}, true, "00FF"},
      {"i_itoa", {T("a"), T("16"), T("4"), Term::fresh_var()}, false, ""},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(std::string(c.name) + " " + engine::writeq(c.args[0]));
    ASSERT_EQ(call_host(run_, c.name, c.args), c.ok);
    if (c.ok) {
      const Term& r = c.result_arg < c.args.size() ? c.args[c.result_arg] : c.args.back();
      EXPECT_TRUE(r.is_string() || r.is_int());
      EXPECT_EQ(engine::write(r), c.result);
    }
  }
  config::reset_config_keys();
  Term dir = Term::fresh_var();
  ASSERT_TRUE(program_dir(run_, dir));
  EXPECT_EQ(dir.text(), host::get_program_dir());
}

TEST_F(HostInterfaceTest, GenerationDirectories) {
  const fs::path old = fs::current_path();
  fs::current_path(dir_);
  Term u = Term::fresh_var(), s = Term::fresh_var(), n = Term::fresh_var();
  const bool ok = i_get_dirgen(run_, T("7"), T("11"), u, s, n);
  const host::GenerationDirs expected =
      host::get_generation_dirs(7, 11, config::get_ide_version_switch());
  Term wrong = T("'QNSPC999\\\\'");
  Term u2 = Term::fresh_var(), n2 = Term::fresh_var();
  const bool mismatch = i_get_dirgen(run_, T("7"), T("11"), u2, wrong, n2);
  const bool bad_model = i_get_dirgen(run_, T("seven"), T("11"), u2, s, n2);
  fs::current_path(old);
  ASSERT_TRUE(ok);
  EXPECT_EQ(u.text(), expected.u);
  EXPECT_EQ(s.text(), expected.s);
  EXPECT_EQ(n.text(), expected.n);
  EXPECT_FALSE(mismatch);
  EXPECT_FALSE(bad_model);
}

// The model walk and the model record's directory. A current model one
// block up and an emptied model cache need no knowledge base; the routines
// themselves are tested with the knowledge base.
TEST_F(HostInterfaceTest, ModelPredicates) {
  kb::reset_model_queries();
  kb::set_model_block_size(kb::kModelBlockSize);
  kb::set_current_model(1500);
  kb::mdl_info(65535);
  struct Case {
    std::vector<Term> args;  // (model, status, offset) or (model, dir)
    bool ok;
    std::string results;  // the arguments after the call, written bare
  } cases[] = {
      {{Term::fresh_var(), Term::fresh_var(), Term::fresh_var()}, true, "1500 0 1000"},
      {{T("1500"), Term::fresh_var(), T("1000")}, true, "1500 0 1000"},
      {{T("5"), Term::fresh_var(), Term::fresh_var()}, false, ""},
      {{Term::fresh_var(), T("1"), Term::fresh_var()}, false, ""},
      {{T("0"), Term::fresh_var()}, true, "0 "},
      {{T("65535"), T("''")}, true, "65535 "},
      {{T("0"), T("'QN001'")}, false, ""},
      {{T("m"), Term::fresh_var()}, false, ""},
  };
  for (Case& c : cases) {
    std::vector<Term>& a = c.args;
    SCOPED_TRACE(engine::writeq(a[0]) + " " + engine::writeq(a[1]));
    const bool ok =
        a.size() == 3 ? i_get_model(run_, a[0], a[1], a[2]) : i_model_info(run_, a[0], a[1]);
    ASSERT_EQ(ok, c.ok);
    if (c.ok) {
      std::string results;
      for (const Term& t : a) results += (results.empty() ? "" : " ") + engine::write(t);
      EXPECT_EQ(results, c.results);
    }
  }
  Term args[] = {Term::fresh_var(), Term::fresh_var(), Term::fresh_var()};
  EXPECT_TRUE(call_host(run_, "i_get_model", args));
  kb::reset_model_queries();
}

TEST_F(HostInterfaceTest, OutputPredicates) {
  std::ofstream(dir_ / "page.tpl") << "<p>#1</p>\n<li>#2</li>\n";
  ASSERT_TRUE(i_defoutfile(run_, T("'Out.java'")));
  ASSERT_TRUE(i_start_rpt(run_, T("0"), T("''"), T("''")));
  EXPECT_EQ(calls_,
            std::vector<std::string>{"status Generating to " + dir_.string() + "/Out.java"});
  EXPECT_TRUE(i_printfglnocol(run_, T("[[class, 'Out', '{'], [0, 3, []], [x, 1]]")));
  EXPECT_TRUE(i_ptemplatenocol(run_, Term::string((dir_ / "page.tpl").string()), T("0"), T("0"),
                               T("[title, [a, b]]")));
  EXPECT_FALSE(i_printfglnocol(run_, T("[[a], b]")));
  EXPECT_FALSE(i_ptemplatenocol(run_, T("'missing.tpl'"), T("0"), T("0"), T("[]")));
  EXPECT_FALSE(i_printfglnocol(run_, T("[[wide, 4294967297]]")));  // not written as 1
  EXPECT_TRUE(i_end_rpt(run_));
  EXPECT_EQ(read(dir_ / "Out.java"),
            "class Out {\n\n   x 1\n   <p>title</p>\n   <li>a</li>\n   <li>b</li>\n   a\n");
  EXPECT_FALSE(i_start_rpt(run_, T("x"), T("''"), T("''")));
  EXPECT_FALSE(i_defoutfile(run_, T("12")));
}

// The knowledge-base predicates over a knowledge base built from a
// description of the source tree, opened as a generation opens it.
class KbPredicates : public HostInterfaceTest {
 protected:
  void SetUp() override {
    HostInterfaceTest::SetUp();
    kb::close_isam();
    kb::reset_model_queries();
    kb::reset_attribute_queries();
    old_cwd_ = fs::current_path();
    fs::current_path(dir_);
    kb::set_model_selector([](int model) { return model; });
  }
  void TearDown() override {
    kb::close_isam();
    kb::set_model_selector(nullptr);
    kb::reset_model_queries();
    kb::reset_attribute_queries();
    fs::current_path(old_cwd_);
    HostInterfaceTest::TearDown();
  }
  void open(const char* description, int model) {
    std::ifstream in(std::string(QN_SOURCE_DIR) + "/" + description, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    isam::KbBuilder b;
    b.add_description(text.str());
    b.write(dir_.string());
    ASSERT_EQ(kb::OpenKnowledgeBase(model), 1);
    kb::set_model_block_size(kb::kModelBlockSize);
    kb::mdl_info(model);
  }
  // Calls the predicate of a goal such as "i_nextobj(5, 1, 0, X)"; the
  // arguments afterwards, or "fails".
  std::string call(const char* goal) {
    const Term g = T(goal);
    std::vector<Term> args(g.args().begin(), g.args().end());
    if (!call_host(run_, g.functor().name(), args)) return "fails";
    std::string out;
    for (const Term& t : args) out += (out.empty() ? "" : ", ") + engine::writeq(t);
    return out;
  }
  struct Case {
    const char* goal;
    const char* after;
  };
  void check(std::initializer_list<Case> cases) {
    for (const Case& c : cases) EXPECT_EQ(call(c.goal), c.after) << c.goal;
  }
  fs::path old_cwd_;
};

// Every knowledge-base predicate over the demo knowledge base: the table of
// host_interface_kb_test.cpp.

// The rules ask the knowledge base for attributes their facts lack, and
// map its type codes to type names.
TEST_F(KbPredicates, TypeCodesThroughTheRules) {
  open("tests/fixtures/demo-kb.txt", 5);
  auto t = get_attri_type(run_, T("5"), T("14"));
  ASSERT_TRUE(t);
  EXPECT_EQ(engine::writeq(t->type) + " " + engine::writeq(t->length), "bitstr 11264");
  EXPECT_TRUE(get_attri_type(run_, T("5"), T("10")));
  // Nothing in the facts nor in the knowledge base: no answer.
  EXPECT_FALSE(get_attri_type(run_, T("5"), T("99")));
}

// The sample model's knowledge base as examples/ builds it.
TEST_F(KbPredicates, SampleModel) {
  open("examples/sample-model/kb.txt", 1);
  check({
      {"i_attri_type(1, 1, T, L, D)", "1, 1, 4, 6, 0"},
      {"i_attri_type(1, 4, T, L, D)", "1, 4, 6, 8, 0"},
      {"i_index(1, 3, 1, N, U, A)", "1, 3, 1, 'IINVLINE', 1, [3,5]"},
      // Invoice lines reach invoices, products and, through the invoice's
      // SHIPCUST of the class of CUSTID, customers.
      {"i_closuret(1, [3, 5, 6, 8], 2, 3, L, N)",
       "1, [3,5,6,8], 2, 3, [3,5,6,8,4,1,9,7,2], [[2,[[3,3,3]]],[4,[[3,6,6]]],[1,[[2,9,1]]]]"},
      {"i_called_pgms(1, 3, 4, L)", "1, 3, 4, [[0|6],[1|2],[998|'qnhelp.exe']]"},
  });
}

}  // namespace
}  // namespace qn::logic
