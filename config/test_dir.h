// A fresh folder for one test, made the current directory while the test
// runs and removed afterwards; the configuration's process-wide state is
// put back to its start.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "config/config_qn.h"
#include "config/data_store.h"
#include "config/settings.h"
#include "host/directories.h"
#include "host/run_state.h"
#include "host/user_name.h"
#include "platform/profile.h"
#include "platform/system_services.h"

namespace qn::config {

class ConfigDirTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old_cwd_ = std::filesystem::current_path();
    root_ = std::filesystem::temp_directory_path() /
            ("qn_config_" + std::to_string(::getpid()) + "_" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_ / "program");
    std::filesystem::create_directories(root_ / "model");
    std::filesystem::current_path(root_ / "model");
    host::set_program_path_for_tests((root_ / "program" / "qnjavagen").string());
    reset_state();
  }

  void TearDown() override {
    std::filesystem::current_path(old_cwd_);
    std::filesystem::remove_all(root_);
    host::set_program_path_for_tests(std::nullopt);
    reset_state();
  }

  static void reset_state() {
    forget_ini_paths();
    forget_ide_version_switch();
    reset_config_keys();
    host::reset_user_name();
    platform::profile_flush_cache();
    host::run_state() = host::RunState{};
  }

  // Writes a file below the test's folder ("model/MODEL.INI", "program/QN.INI").
  std::string write(const std::string& name, const std::string& text) {
    std::filesystem::path p = root_ / name;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
  }

  std::filesystem::path root_;
  std::filesystem::path old_cwd_;
};

}  // namespace qn::config
