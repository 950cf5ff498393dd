// The generated-source writer: every file the generator writes goes through
// it. The rules name the next output file, open it, write lines given as
// term-value trees and close it; templates are copied into the current
// output with their "#n" placeholders replaced by arguments.
//
// Line format (the format of every generated file): a line is a list of
// pieces, each written followed by one blank (integers in decimal), at the
// running left margin, with trailing blanks and tabs removed. A line
// [Before, After, Items] whose third element is a list is a margin line:
// the margin changes by Before for this line and by After for the lines
// that follow; a margin that is not positive counts as 0.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "host/term_value.h"

namespace qn::host {

// Receives the finished lines of output_lines and print_template.
class LineSink {
 public:
  virtual ~LineSink() = default;
  // False stops the caller with failure.
  virtual bool write_line(std::string_view text) = 0;
};

// Forms the lines of tree (a list of lines) at the running margin and hands
// them to sink one by one. False at the first element that is not a line,
// at a bad margin line or piece, or when the sink fails; the lines before
// it stay written.
bool format_output_lines(const TermValue& tree, int& margin, LineSink& sink);

// Expands the template file into sink (see print_template). The file is
// located by the caller; path is the file-system path.
bool expand_template_file(const std::string& path, const TermValue& before, const TermValue& after,
                          const TermValue& args, int& margin, LineSink& sink);

// What the writer needs from the rest of the host. The defaults are the
// dialog senders and the error box, with neither directory known; the program
// adds the directories from the layers above, a test installs recording
// stand-ins.
struct WriterHost {
  std::function<void(std::string_view)> show_status;  // the dialog's action line
  std::function<void(int)> set_line_count;            // 16-bit line count
  std::function<void(std::string_view)> show_error;   // synchronous error box
  // Directory of the current model (bare output names go there); empty for
  // the current directory.
  std::function<std::string()> model_dir;
  // The installation's generator directory (template look-up); empty when
  // it is not known.
  std::function<std::string()> generator_dir;
};

WriterHost default_writer_host();

class SourceWriter final : public LineSink {
 public:
  static constexpr size_t kMaxPath = 259;
  static constexpr unsigned kWriteErrorMsg = 62018;
  // Lines go out to the file in writes of about this size.
  static constexpr size_t kBufferSize = 64 * 1024;

  SourceWriter();
  ~SourceWriter() override;
  SourceWriter(const SourceWriter&) = delete;
  SourceWriter& operator=(const SourceWriter&) = delete;

  void set_host(WriterHost host) { host_ = std::move(host); }
  const WriterHost& host() const { return host_; }

  // The next output path: a name with a separator ('\' or '/') as it is,
  // else the model directory followed by the name; a leading ".\" is
  // dropped; at most 259 characters.
  void set_output_path(std::string_view name);
  const std::string& output_path() const { return path_; }

  // Opens the output path for writing (truncating) and shows
  // "Generating to <path>". The arguments are not used. A previous file
  // still open is closed first, and the new one starts with no error.
  bool open_output_file(int a = 0, std::string_view b = {}, std::string_view c = {});
  // Writes the lines of tree; true when every line was written.
  bool output_lines(const TermValue& tree);
  // True when no write error occurred in this file; resets the line
  // counter and the error state. With nothing open, false when the last
  // close failed and no file was opened since.
  bool close_output_file();
  // Closes the file being written, if any, and removes it: what it holds
  // is incomplete (a cancelled run).
  void abandon_output_file();
  // Copies a template into the output, "#n" replaced by argument n of args.
  bool print_template(std::string_view file, const TermValue& before, const TermValue& after,
                      const TermValue& args);
  // Where print_template finds a template: the name itself, the generator
  // directory, the program directory; empty when none is readable.
  std::string locate_template(std::string_view file) const;

  // One line with its newline, into the file's buffer. Fails when the error
  // state is set. A write error, found when the buffer goes out or at close,
  // shows message 62018 once and fails the rest of the file and its close.
  bool write_line(std::string_view text) override;

  // Files closed without an error since the count was last reset (a run's
  // summary).
  int files_written() const { return files_written_; }
  void reset_files_written() { files_written_ = 0; }

  bool is_open() const { return file_ != nullptr; }
  bool error_state() const { return error_ != 0; }
  uint16_t line_count() const { return line_count_; }
  int margin() const { return margin_; }

 private:
  WriterHost host_;
  std::string path_;
  std::FILE* file_ = nullptr;
  int16_t error_ = 0;
  // The last close failed and no file was opened since: a further close,
  // with nothing open, fails too, so the failure is not lost.
  bool close_failed_ = false;
  uint16_t line_count_ = 0;
  int margin_ = 0;
  int files_written_ = 0;
  std::string buffer_;  // lines not yet written to the file

  bool flush_buffer();
  void report_write_error();
};

// The process's writer.
SourceWriter& source_writer();

// The writer's operations under the names the host-interface predicates use.
void set_output_path(std::string_view name);
bool open_output_file(int a, std::string_view b, std::string_view c);
bool output_lines(const TermValue& tree);
bool close_output_file();
bool print_template(std::string_view file, const TermValue& before, const TermValue& after,
                    const TermValue& args);

}  // namespace qn::host
