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
#include "host/term_value.h"
#include "kb/kb_open.h"
#include "platform/isam/writer/kb_writer.h"

namespace qn::kb {

// A term-value tree written back as text: lists in brackets, texts quoted.
inline std::string show_term(const host::TermValue& v) {
  switch (v.kind) {
    case host::kTermUnbound:
      return "_";
    case host::kTermInt:
      return std::to_string(v.int_value);
    case host::kTermAtom:
    case host::kTermText:
      return v.text == "[]" ? "[]" : "'" + v.text + "'";
    case host::kTermCompound: {
      if (v.is_cons()) {
        std::string s = "[";
        const host::TermValue* cur = &v;
        for (; cur->is_cons(); cur = &cur->args[1])
          s += (s.size() > 1 ? "," : "") + show_term(cur->args[0]);
        if (!cur->is_nil()) s += "|" + show_term(*cur);
        return s + "]";
      }
      std::string s = v.text + "(";
      for (size_t i = 0; i < v.args.size(); ++i) s += (i ? "," : "") + show_term(v.args[i]);
      return s + ")";
    }
    default:
      return "?";
  }
}

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
    isam::KbBuilder b;
    b.add_description(description);
    write(b, dir);
  }
  void write(const isam::KbBuilder& b, const std::filesystem::path& dir = {}) {
    const auto where = dir.empty() ? dir_ : dir;
    std::filesystem::create_directories(where);
    b.write(where.string());
  }
  // Writes the demo knowledge base of tests/fixtures (or, with a name, that
  // description of the source tree) into the current directory.
  void build_file(const std::string& source_relative = "tests/fixtures/demo-kb.txt") {
    std::ifstream in(std::string(QN_SOURCE_DIR) + "/" + source_relative, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    build(s.str());
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
