// No generator writes program files yet, so the sample model has none: the
// logic's start of each walk rebuilds the files of transactions, procedures
// and reports from the built knowledge base.
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
#include "kb/kb_open.h"
#include "kb/model_queries.h"
#include "logic/core/host_interface.h"
#include "logic/core/run.h"

namespace {

namespace fs = std::filesystem;
using qn::engine::Term;

std::string read_file(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SampleProgramFiles, RebuiltThroughTheLogic) {
  const fs::path model =
      fs::temp_directory_path() / ("qn_sample_prg_" + std::to_string(::getpid()));
  fs::remove_all(model);
  fs::copy(fs::path(QN_SOURCE_DIR) / "examples/sample-model", model, fs::copy_options::recursive);
  for (const char* f : {"PEFILES", "knowledge.db"})
    fs::copy_file(fs::path(QN_SAMPLE_KB_DIR) / f, model / f);
  const fs::path old_cwd = fs::current_path();
  fs::current_path(model);
  qn::host::set_program_path_for_tests((model / "qnjavagen").string());
  qn::host::reset_program_files();
  qn::kb::reset_model_queries();
  qn::kb::set_model_selector([](int m) { return m; });
  ASSERT_EQ(qn::kb::OpenKnowledgeBase(1), 1);
  qn::kb::set_model_block_size(qn::kb::kModelBlockSize);
  qn::kb::mdl_info(1);

  qn::engine::Engine engine;
  qn::logic::Run run(engine);
  const fs::path out = fs::path(QN_BINARY_DIR) / "golden" / "sample_program_files";
  fs::create_directories(out);
  const struct {
    int type;
    const char* file;
  } cases[] = {{0, "QNTPRGS.001"}, {1, "QNPPRGS.001"}, {2, "QNRPRGS.001"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    EXPECT_FALSE(fs::exists(model / c.file));
    std::vector<Term> args = {Term::integer(1), Term::integer(c.type), Term::integer(0)};
    ASSERT_TRUE(qn::logic::call_host(run, "i_stqnprgs", args));
    std::vector<Term> close = {Term::integer(1), Term::integer(c.type)};
    ASSERT_TRUE(qn::logic::call_host(run, "i_clqnprgs", close));
    const std::string actual = read_file(model / c.file);
    std::ofstream(out / c.file, std::ios::binary) << actual;  // for a look when they differ
    EXPECT_EQ(actual,
              read_file(fs::path(QN_SOURCE_DIR) / "tests/sample_program_files/expected" / c.file));
  }

  qn::kb::close_isam();
  qn::kb::set_model_selector(nullptr);
  qn::kb::reset_model_queries();
  qn::host::reset_program_files();
  qn::host::set_program_path_for_tests(std::nullopt);
  fs::current_path(old_cwd);
  fs::remove_all(model);
}

}  // namespace
