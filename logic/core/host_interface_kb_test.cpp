// Every knowledge-base predicate of the host interface in one table over
// the demo knowledge base of tests/fixtures: the goal as text, then its
// arguments afterwards written with writeq, or "fails".
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "host/directories.h"
#include "host/program_files.h"
#include "kb/attribute_queries.h"
#include "kb/kb_open.h"
#include "kb/model_queries.h"
#include "logic/core/host_interface.h"
#include "logic/core/run.h"
#include "platform/isam/writer/kb_writer.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

class KbPredicateTable : public ::testing::Test {
 protected:
  void SetUp() override {
    kb::close_isam();
    kb::reset_model_queries();
    kb::reset_attribute_queries();
    host::reset_program_files();
    old_cwd_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("qn_hikb_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
    host::set_program_path_for_tests((dir_ / "qnjavagen").string());
    kb::set_model_selector([](int model) { return model; });
    std::ofstream("model.dat") << "";  // model directories below this one
    isam::KbBuilder b;
    b.add_description(read_file(fs::path(QN_SOURCE_DIR) / "tests/fixtures/demo-kb.txt"));
    b.write(dir_.string());
    ASSERT_EQ(kb::OpenKnowledgeBase(5), 1);
    kb::set_model_block_size(kb::kModelBlockSize);
    kb::set_current_model(5);
  }
  void TearDown() override {
    host::reset_program_files();
    kb::close_isam();
    kb::set_model_selector(nullptr);
    kb::reset_model_queries();
    kb::reset_attribute_queries();
    host::set_program_path_for_tests(std::nullopt);
    fs::current_path(old_cwd_);
    fs::remove_all(dir_);
  }
  std::string call(const char* goal) {
    auto parsed = engine::parse_term(goal);
    EXPECT_TRUE(parsed.has_value()) << goal;
    const Term g = parsed.value_or(Term());
    std::vector<Term> args(g.args().begin(), g.args().end());
    if (!call_host(run_, g.functor().name(), args)) return "fails";
    std::string out;
    for (const Term& t : args) out += (out.empty() ? "" : ", ") + engine::writeq(t);
    return out;
  }

  engine::Engine engine_;
  logic::Run run_{engine_};
  fs::path dir_, old_cwd_;
};

TEST_F(KbPredicateTable, EveryPredicate) {
  // Model 5 keeps its files in MODELS\M1, model 6 in MODELS\M6.
  fs::create_directories(dir_ / "MODELS/M1");
  fs::create_directories(dir_ /
                         "MODELS/M6/QNMPRGS.006");  // a directory where a program file belongs
  std::ofstream(dir_ / "MODELS/M1/a.txt", std::ios::binary) << "alpha ";
  std::ofstream(dir_ / "MODELS/M1/b.txt", std::ios::binary) << "beta";

  struct Case {
    int cached;  // the model read into the cache before the goal
    const char* goal;
    const char* after;
  } cases[] = {
      // Objects.
      {5, "i_nextobj(5, 1, 0, X)", "5, 1, 0, 2"},
      {5, "i_nextobj(5, 1, 4, X)", "fails"},  // nothing behind: 0
      {5, "i_nextobj(5, 1, 0, 3)", "fails"},
      {5, "i_nextobj(m, 1, 0, X)", "fails"},
      // The seventh argument is left as it is.
      {5, "i_obj_info(5, 1, 2, N, G, D, x)",
       "5, 1, 2, 'PRINTI', 'SALESGROUP', 'Prints invoices', x"},
      {5, "i_obj_info(0, 1, 3, N, G, D, 7)", "0, 1, 3, 'CUSTLI', '', 'Customer list', 7"},
      {5, "i_obj_info(5, 1, 99, N, G, D, E)", "fails"},
      {5, "i_obj_info(5, 1, 2, 'OTHER', G, D, E)", "fails"},
      {5, "i_tblname(5, 1, N)", "5, 1, 'CUSTOMER'"},
      {5, "i_tblname(5, 3, N)", "fails"},
      {5, "i_need_reorg(5, 2)", "5, 2"},
      {5, "i_need_reorg(5, 1)", "fails"},
      {5, "i_called_pgms(5, 3, 4, L)", "5, 3, 4, [[998|'runme.exe'],[1|2]]"},
      {5, "i_called_pgms(5, 1, 3, L)", "5, 1, 3, []"},
      {5, "i_called_pgms(5, 1, 3, [x])", "fails"},
      // Texts.
      {5, "i_vaux(0, 'AMOUNT', 12, 65, V)", "0, 'AMOUNT', 12, 65, 'A12AMOUNT'"},
      {5, "i_vaux(0, \"QnSysVar\", 12, 65, V)", "0, \"QnSysVar\", 12, 65, 'QnSysVar'"},
      {5, "i_vaux(0, 7, 12, 65, V)", "fails"},
      {5, "i_itos(12345, 3, X)", "12345, 3, \"345\""},
      {5, "i_itos(7, 3, X)", "7, 3, \"007\""},
      {5, "i_itos(a, 3, X)", "fails"},
      {5, "i_replace('a-b', '-', '_', X)", "'a-b', -, '_', \"a_b\""},
      {5, "i_replace('a-b', '-', '_', \"a_b\")", "fails"},  // the output must be unbound
      {5, "i_replicate(42, 3, X)", "42, 3, \"***\""},
      {5, "i_replicate(42, 0, X)", "42, 0, \"\""},
      {5, "i_replicate(42, 3, \"***\")", "fails"},
      {5, R"(i_dupchar('O''BRIEN', '''', 0, X))", R"('O\'BRIEN', '\'', 0, "O''BRIEN")"},
      {5, R"(i_dupchar('''AB''', '''', 1, X))", R"('\'AB\'', '\'', 1, "'AB'")"},
      {5, "i_dupchar(x, y, 1, z)", "fails"},
      // Attributes.
      {5, "i_attri_pic(5, 1, P)", "5, 1, 'X(30)'"},
      {5, "i_attri_pic(5, 99, P)", "fails"},
      {5, "i_attri_name(5, 1, N, K)", "5, 1, 'CUSTO', 1"},
      {5, "i_attri_name(1005, 1, N, K)", "1005, 1, 'CUSTOMERNAME', 1"},
      {5, "i_attri_name(5, 99, N, K)", "fails"},
      {5, "i_attri_type(5, 14, T, L, D)", "5, 14, 14, 11264, 0"},
      {5, "i_attri_type(5, 99, T, L, D)", "fails"},
      {5, "i_attri_info(5, 1, N, T, L, D, C, P, Ti, De)",
       "5, 1, 'CUSTO', 5, 30, 0, 7, 'X(30)', 'Customer name', 'Name of the customer'"},
      {5, "i_attri_info(5, 1, N, 4, L, D, C, P, Ti, De)", "fails"},
      {5, "i_attri_info(5, 99, N, T, L, D, C, P, Ti, De)", "fails"},
      // Attribute-name length 0: the whole 30-character name.
      {6, "i_attri_info(6, 1, N, T, L, D, C, P, Ti, De)",
       "6, 1, 'CUSTOMERDELIVERYADDRESSLINETWO', 5, 40, 0, 0, '', '', ''"},
      // Tables, keys and indexes.
      {5, "i_all_atrisr(5, 1, L)", "5, 1, [3,3,7,9,15]"},
      {5, "i_all_atrisr(5, 99, L)", "5, 99, []"},
      {5, "i_obt_prim_key(5, 2, K)", "5, 2, [7]"},
      {5, "i_index(5, 1, 1, N, U, A)", "5, 1, 1, 'ICUSTOME', 1, [3,-7,9]"},
      {5, "i_index(5, 1, 6, N, U, A)", "fails"},
      {5, "i_index_exists(5, 1, 5, X)", "5, 1, 5, 5"},  // the last index
      {5, "i_index_exists(5, 1, 6, X)", "fails"},       // beyond it
      {5, "i_index_needed(5, 1, [], I, N)", "5, 1, [], 1, 'ICUSTOME'"},
      {5, "i_index_needed(5, 1, [3, -7], I, N)", "5, 1, [3,-7], 1, 'ICUSTOME'"},
      {5, "i_index_needed(5, 1, [3, 7], I, N)", "5, 1, [3,7], 2, 'ICUSTDAT'"},
      {5, "i_index_needed(5, 1, [9], I, N)", "fails"},  // no index fits
      {5, "i_index_needed(5, 1, 5, I, N)", "fails"},    // not a list
      {5, "i_index_needed(5, 1, [3|x], I, N)", "fails"},
      {5, "i_index_needed(5, 1, [3, a], I, N)", "fails"},
      {5, "i_index_needed(5, 1, [3], 2, N)", "fails"},
      {5, "i_dir_subor(5, 33, R)", "5, 33, [[33,[33]]]"},
      {5, "i_dir_super(5, 33, R)", "5, 33, [[31,[33]],[32,[34]]]"},
      {5, "i_dir_super(5, 33, [])", "fails"},
      {5, "i_closuret(5, [30, 31, 32], 2, 30, L, N)",
       "5, [30,31,32], 2, 30, [30,31,32,33,34], "
       "[[31,[[30,31,31]]],[32,[[30,32,32]]],[33,[[32,34,33]]]]"},
      {5, "i_closuret(5, [], 2, 10, L, N)", "5, [], 2, 10, [], []"},
      {5, "i_closuret(5, [a], 2, 10, L, N)", "fails"},
      {5, "i_closuret(5, [30], x, 10, L, N)", "fails"},
      // Joining files of the model directory.
      {5, "i_append_file(['a.txt', \"b.txt\"], 'ab.txt')", "['a.txt',\"b.txt\"], 'ab.txt'"},
      {5, "i_append_file(['a.txt'], 'c.txt')", "fails"},  // moved already
      {5, "i_append_file(x, 'c.txt')", "fails"},
      {5, "i_append_file(['ab.txt'], 'a_target_name_of_thirty_chars_')",
       "fails"},  // 30 characters,
      // Program files of model 6: the procedures' file is missing and rebuilt.
      {6, "i_stqnprgs(6, 1, 0)", "6, 1, 0"},
      {6, "i_nxqnprgs(6, 1, 0, N, P, D, L)",
       "6, 1, 0, 5, 'PNIGHTLY_B', 'Nightly batch', [0,0,'PNIGHTLY0B','FNIGHTLY_B']"},
      {6, "i_nxqnprgs(6, 1, 0, N, P, D, L)",
       "6, 1, 0, 7, 'PCLEANUP_P', 'Cleanup', [0,1,'PCLEANUP0P','FCLEANUP_P']"},
      {6, "i_nxqnprgs(6, 1, 0, N, P, D, L)", "fails"},
      {6, "i_stqnprgs(6, 1, 0)", "6, 1, 0"},
      {6, "i_nxqnprgs(6, 1, 1, N, P, D, L)",
       "6, 1, 1, 5, 'PNIGHTLY_B', 'Nightly batch', [0,0,'PNIGHTLY0B','FNIGHTLY_B']"},
      {6, "i_nxqnprgs(6, 1, 1, N, P, D, L)", "fails"},  // 7 is used: mode 1 skips it
      // Writing by number, by name (ignoring case), and a new name behind the highest.
      {6, "i_wqnprgs(6, 1, 5, 'PNIGHTLY', \"Renamed\", [3, 1, 'T1', 'T2'])",
       "6, 1, 5, 'PNIGHTLY', \"Renamed\", [3,1,'T1','T2']"},
      {6, "i_wqnprgs(6, 1, 0, pcleanup_p, 'By name', [1, 0, 'X', 'Y'])",
       "6, 1, 0, pcleanup_p, 'By name', [1,0,'X','Y']"},
      {6, "i_wqnprgs(6, 1, 0, 'PNEW', 'New', [0, 0, '', ''])",
       "6, 1, 0, 'PNEW', 'New', [0,0,'','']"},
      {6, "i_wqnprgs(6, 1, 5, 'P', 'D', [0, 0, 'T1'])", "fails"},
      {6, "i_wqnprgs(6, 1, 5, 'P', 'D', [10, 0, '', ''])", "fails"},  // flag 1 is one digit
      {6, "i_wqnprgs(6, 1, 10000, 'P', 'D', [0, 0, '', ''])", "fails"},
      {6, "i_wqnprgs(6, 1, 5, 'P', 'D', [0, 0, 'a text of thirty-one characters', ''])", "fails"},
      {6, "i_wqnprgs(6, 1, 5, 7, 'D', [0, 0, '', ''])", "fails"},
      {6, "i_stqnprgs(6, 1, 0)", "6, 1, 0"},
      {6, "i_nxqnprgs(6, 1, 0, N, P, D, L)", "6, 1, 0, 5, 'PNIGHTLY', 'Renamed', [3,1,'T1','T2']"},
      {6, "i_nxqnprgs(6, 1, 0, N, P, D, L)", "6, 1, 0, 7, pcleanup_p, 'By name', [1,0,'X','Y']"},
      {6, "i_nxqnprgs(6, 1, 0, 8, P, D, L)", "6, 1, 0, 8, 'PNEW', 'New', [0,0,'','']"},
      {6, "i_clqnprgs(6, 1)", "6, 1"},
      {6, "i_clqnprgs(6, x)", "fails"},
      // From type 100 on a missing file is created, not rebuilt.
      {6, "i_stqnprgs(6, 101, 0)", "6, 101, 0"},
      {6, "i_nxqnprgs(6, 101, 0, N, P, D, L)", "fails"},
      {6, "i_stqnprgs(6, 3, 0)", "fails"},  // the directory in its place
      {6, "i_stqnprgs(6, x, 0)", "fails"},
      // The model walk moves to the companion one block up.
      {5, "i_get_model(M, S, O)", "1005, 0, 1000"},
  };
  for (const Case& c : cases) {
    kb::mdl_info(c.cached);
    EXPECT_EQ(call(c.goal), c.after) << c.goal;
  }
  EXPECT_EQ(read_file(dir_ / "MODELS/M1/ab.txt"), "alpha beta");
  EXPECT_FALSE(fs::exists(dir_ / "MODELS/M1/a.txt"));
}

}  // namespace
}  // namespace qn::logic
