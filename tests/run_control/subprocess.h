// Running a program for a test: its standard input from a text, its output
// and error captured, a working directory and environment changes, and a
// time limit after which it is killed.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qn::test {

struct ProcessResult {
  int status = -1;  // exit status, or 128 + signal
  bool timed_out = false;
  std::string out;
  std::string err;
};

struct ProcessOptions {
  std::string input;
  std::string cwd;  // empty: the test's own
  // Variables to set; a null value removes the variable.
  std::map<std::string, std::optional<std::string>> env;
  int timeout_seconds = 60;
  // Standard input stays open (after the input) until the program ends.
  bool keep_input_open = false;
  // Sends the signal once standard error holds this text.
  std::string signal_on_err;
  int signal = 0;
  // Closes standard input (kept open until then) once standard error holds
  // this text.
  std::string close_input_on_err;

  ProcessOptions& with_input(std::string text) {
    input = std::move(text);
    return *this;
  }
  ProcessOptions& in_dir(std::string dir) {
    cwd = std::move(dir);
    return *this;
  }
  ProcessOptions& input_open() {
    keep_input_open = true;
    return *this;
  }
  ProcessOptions& signal_when(std::string err_text, int sig) {
    signal_on_err = std::move(err_text);
    signal = sig;
    return *this;
  }
  ProcessOptions& close_input_when(std::string err_text) {
    close_input_on_err = std::move(err_text);
    keep_input_open = true;
    return *this;
  }
  ProcessOptions& with_env(const std::string& name, std::optional<std::string> value) {
    env[name] = std::move(value);
    return *this;
  }
};

ProcessResult run_process(const std::vector<std::string>& argv, const ProcessOptions& options = {});

// A fresh folder under the system's temporary folder, removed with the
// object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string read_file(const std::string& path);
void write_file(const std::string& path, const std::string& text);

}  // namespace qn::test
