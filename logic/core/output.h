// The output seam: the one object through which a run writes its files.
//
// The run owns it (Run::output()). In production it is the host's source
// writer (logic/core/host_interface.cpp); a test's run keeps the files in
// memory (EmitCapture, run.h). Both take the same finished lines: the
// formatting of a line at the running margin is done here, once.
//
// Line format: a line's text stands at the running left margin, trailing
// blanks and tabs removed. A margin line changes the margin by Before for
// itself (a margin that is not positive then counts as 0) and by After for
// the lines that follow; the margin is 0 at the opening of every file.
//
// The first failed write of a file latches: the close of that file fails,
// so a failure is never lost, whoever wrote the line.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace qn::logic {

class Run;

// The longest output path, as the host's writer keeps it.
inline constexpr size_t kMaxOutputPath = 259;

class Output {
 public:
  virtual ~Output() = default;

  // The next output path.
  virtual void set_path(std::string_view name) = 0;
  // Opens the file at the output path (truncating): margin 0, no failure.
  // False when it cannot be opened.
  bool open();
  // Closes the file; false when a write of it failed or the close did.
  bool close();

  // One line of text at the running margin.
  bool line(std::string_view text);
  // One margin line.
  bool line(int64_t before, int64_t after, std::string_view text);
  // A line formatted elsewhere (the term crossing), as it goes to the file.
  bool put(std::string_view finished);
  // A line that could not be formatted: latched as a failed write.
  void fail() { failed_ = true; }

  // The running margin of the current file (the term crossing formats
  // against it).
  virtual int& running_margin() = 0;
  // Where a template of that name is found; empty when it is not.
  virtual std::string locate_template(std::string_view file) const = 0;

  // A write failed since the file was opened.
  bool failed() const { return failed_; }

 protected:
  virtual bool open_file() = 0;
  virtual bool close_file() = 0;
  virtual bool write_text(std::string_view finished) = 0;

 private:
  bool failed_ = false;
  std::string buffer_;
};

// The production output over the host's source writer.
Output& writer_output();

// The output files of a C++ generator, through the run's output.
// A path as it is (the state file).
bool open_output(Run& run, std::string_view path);
// A file of the model's directory (the model record's directory is asked
// for first, as the rules do).
bool open_model_output(Run& run, int64_t model, std::string_view file);
// Closes the current file; false when a write of it failed.
bool close_output(Run& run);

}  // namespace qn::logic
