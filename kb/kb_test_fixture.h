// A knowledge base in a temporary folder that is also the current directory
// and the program folder (so the error log lands there too).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "host/directories.h"
#include "host/error_log.h"
#include "platform/isam/writer/kb_writer.h"
#include "kb/kb_open.h"

namespace qn::kb {

class KbFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    close_isam();
    old_cwd_ = std::filesystem::current_path();
    dir_ = std::filesystem::path(::testing::TempDir()) / ("kb_" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir_);
    std::filesystem::create_directories(dir_);
    std::filesystem::current_path(dir_);
    host::set_program_path_for_tests((dir_ / "qnjavagen").string());
    set_model_selector([](int model) { return model; });
  }
  void TearDown() override {
    close_isam();
    set_model_selector(nullptr);
    std::filesystem::current_path(old_cwd_);
    std::filesystem::remove_all(dir_);
  }
  // Writes the knowledge base into dir (the current directory by default).
  void build(std::string_view description, const std::filesystem::path& dir = {}) {
    KbBuilder b;
    b.add_description(description);
    write(b, dir);
  }
  void write(const KbBuilder& b, const std::filesystem::path& dir = {}) {
    const auto where = dir.empty() ? dir_ : dir;
    std::filesystem::create_directories(where);
    b.write(where.string());
  }
  std::string error_log() const {
    std::ifstream in(dir_ / "qnlog.err");
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // The text of the internal error that f ends with ("" when none).
  template <class F>
  static std::string internal_error(F f) {
    try {
      f();
    } catch (const host::CCTreeException& e) {
      return e.text();
    }
    return "";
  }
  std::filesystem::path dir_, old_cwd_;
};

}  // namespace qn::kb
