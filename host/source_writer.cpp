#include "host/source_writer.h"

#include <charconv>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "host/dialog.h"
#include "host/error_log.h"
#include "platform/find_files.h"
#include "platform/folder_index.h"
#include "platform/path.h"

namespace qn::host {

namespace {

// Adds delta to a margin without overflowing.
int add_margin(int margin, int32_t delta) {
  const int64_t sum = static_cast<int64_t>(margin) + delta;
  if (sum > INT_MAX) return INT_MAX;
  if (sum < INT_MIN) return INT_MIN;
  return static_cast<int>(sum);
}

void append_blanks(std::string& line, int margin) {
  if (margin > 0) line.append(static_cast<size_t>(margin), ' ');
}

void append_int(std::string& out, int32_t value) {
  char buf[16];
  const auto r = std::to_chars(buf, buf + sizeof buf, value);
  out.append(buf, r.ptr);
}

// One piece followed by its blank; false for a piece that is neither an
// integer nor a text.
bool append_piece(std::string& line, const TermValue& piece) {
  if (piece.kind == kTermInt) {
    append_int(line, piece.int_value);
  } else if (piece.kind == kTermAtom || piece.kind == kTermText) {
    line += piece.text;
  } else {
    return false;
  }
  line += ' ';
  return true;
}

bool is_list_value(const TermValue& v) { return v.is_cons() || v.is_nil(); }

// The k-th element (1-based) of a list, or nullptr.
const TermValue* list_element(const TermValue& list, long k) {
  const TermValue* cell = &list;
  for (long i = 1; cell->is_cons(); ++i, cell = &cell->args[1]) {
    if (i == k) return &cell->args[0];
  }
  return nullptr;
}

// The margin line [Before, After, Items] of a line, when it is one: gives
// its three parts.
bool margin_line_parts(const TermValue& line, const TermValue*& before, const TermValue*& after,
                       const TermValue*& items) {
  if (!line.is_cons()) return false;
  const TermValue& c2 = line.args[1];
  if (!c2.is_cons()) return false;
  const TermValue& c3 = c2.args[1];
  if (!c3.is_cons() || !is_list_value(c3.args[0])) return false;
  before = &line.args[0];
  after = &c2.args[0];
  items = &c3.args[0];
  return true;
}

void trim_trailing_blanks(std::string& line) {
  size_t n = line.size();
  while (n > 0 && (line[n - 1] == ' ' || line[n - 1] == '\t')) --n;
  line.resize(n);
}

// A placeholder's argument in a template line.
enum class ArgClass { kMissing, kPlain, kList };

ArgClass classify_arg(const TermValue* arg) {
  if (arg == nullptr) return ArgClass::kMissing;
  if (is_list_value(*arg)) return ArgClass::kList;
  if (arg->kind == kTermInt || arg->kind == kTermAtom || arg->kind == kTermText) {
    return ArgClass::kPlain;
  }
  return ArgClass::kMissing;
}

bool append_value(std::string& out, const TermValue& v) {
  if (v.kind == kTermInt) {
    append_int(out, v.int_value);
    return true;
  }
  if (v.kind == kTermAtom || v.kind == kTermText) {
    out += v.text;
    return true;
  }
  return false;
}

struct Segment {
  size_t pos = 0;  // literal: start in the line
  size_t len = 0;  // literal: length
  long arg = -1;   // placeholder: argument number (0 = no valid number)
  bool literal = true;
};

// Splits a template line into literal runs and placeholders. "##" is a
// literal "#"; "#" takes the next character as the start of its number and
// the digits that follow it.
void split_template_line(const std::string& text, std::vector<Segment>& out) {
  out.clear();
  size_t lit_start = 0;
  size_t i = 0;
  auto flush_literal = [&](size_t end) {
    if (end > lit_start) out.push_back({lit_start, end - lit_start, -1, true});
  };
  while (i < text.size()) {
    if (text[i] != '#') {
      ++i;
      continue;
    }
    if (i + 1 < text.size() && text[i + 1] == '#') {
      flush_literal(i + 1);  // keeps one '#'
      i += 2;
      lit_start = i;
      continue;
    }
    flush_literal(i);
    size_t j = i + 1;
    long number = 0;
    if (j < text.size()) {
      const bool valid = text[j] >= '0' && text[j] <= '9';
      size_t k = j + 1;
      while (k < text.size() && text[k] >= '0' && text[k] <= '9') ++k;
      if (valid) {
        for (size_t d = j; d < k; ++d) {
          number = number * 10 + (text[d] - '0');
          if (number > 1000000) number = 1000000;  // far beyond any argument list
        }
      }
      j = k;
    }
    out.push_back({0, 0, number, false});
    i = j;
    lit_start = i;
  }
  flush_literal(text.size());
}

// Writes one template line (its placeholders replaced) at the margin.
bool expand_template_line(const std::string& text, const TermValue& args, int margin,
                          LineSink& sink) {
  std::vector<Segment> segs;
  split_template_line(text, segs);
  bool repeated = false;
  for (const Segment& s : segs) {
    if (!s.literal && classify_arg(list_element(args, s.arg)) == ArgClass::kList) repeated = true;
  }
  std::string line;
  for (long k = 1;; ++k) {
    line.clear();
    append_blanks(line, margin);
    for (const Segment& s : segs) {
      if (s.literal) {
        line.append(text, s.pos, s.len);
        continue;
      }
      const TermValue* arg = list_element(args, s.arg);
      switch (classify_arg(arg)) {
        case ArgClass::kMissing:
          return repeated;  // ends the copies of a repeated line; fails otherwise
        case ArgClass::kPlain:
          append_value(line, *arg);
          break;
        case ArgClass::kList: {
          const TermValue* elem = list_element(*arg, k);
          if (elem == nullptr || !append_value(line, *elem)) return true;
          break;
        }
      }
    }
    if (!sink.write_line(line)) return false;
    if (!repeated) return true;
  }
}

// Reads the next line of a template with fgets semantics.
bool read_piece(std::FILE* f, std::vector<char>& buf, std::string& out) {
  if (std::fgets(buf.data(), static_cast<int>(buf.size()), f) == nullptr) return false;
  out.append(buf.data());
  return true;
}

// A template is a regular file that opens for reading; a folder of the
// same name does not stop the search.
bool readable(const std::string& fs_path) {
  if (!platform::file_exists(fs_path)) return false;
  std::FILE* f = std::fopen(fs_path.c_str(), "r");
  if (f == nullptr) return false;
  std::fclose(f);
  return true;
}

std::string& line_buffer() {
  static std::string buffer;
  return buffer;
}

}  // namespace

bool format_output_lines(const TermValue& tree, int& margin, LineSink& sink) {
  std::string& line = line_buffer();
  for (const TermValue* cell = &tree; cell->is_cons(); cell = &cell->args[1]) {
    const TermValue& elem = cell->args[0];
    if (!elem.is_cons() && !elem.is_nil()) return false;
    line.clear();
    const TermValue* before = nullptr;
    const TermValue* after = nullptr;
    const TermValue* items = &elem;
    if (margin_line_parts(elem, before, after, items)) {
      if (before->kind != kTermInt || after->kind != kTermInt) return false;
      margin = add_margin(margin, before->int_value);
      if (margin > 0) {
        append_blanks(line, margin);
      } else {
        margin = 0;
      }
      margin = add_margin(margin, after->int_value);
    } else {
      append_blanks(line, margin);
    }
    for (const TermValue* p = items; p->is_cons(); p = &p->args[1]) {
      if (!append_piece(line, p->args[0])) return false;
    }
    trim_trailing_blanks(line);
    if (!sink.write_line(line)) return false;
  }
  return true;
}

bool expand_template_file(const std::string& path, const TermValue& before, const TermValue& after,
                          const TermValue& args, int& margin, LineSink& sink) {
  if (before.kind != kTermInt || after.kind != kTermInt) return false;
  margin = add_margin(margin, before.int_value);
  if (margin <= 0) margin = 0;
  const int line_margin = margin;
  margin = add_margin(margin, after.int_value);

  std::FILE* f = std::fopen(path.c_str(), "r");
  if (f == nullptr) return false;
  const int room = 4096 - (line_margin > 4094 ? 4094 : line_margin);
  std::vector<char> buf(static_cast<size_t>(room));
  std::string text;
  bool ok = true;
  for (;;) {
    text.clear();
    if (!read_piece(f, buf, text)) break;  // end of the template
    bool complete = true;
    for (;;) {
      if (text.empty() || text.back() != '\n') {
        complete = false;  // a line without its newline
        break;
      }
      text.pop_back();
      if (!text.empty() && text.back() == '\r') text.pop_back();
      const size_t n = text.size();
      if (n >= 2 && text[n - 1] == '\\' && text[n - 2] == '\\') {
        text.pop_back();  // "\\" keeps one backslash
        break;
      }
      if (n >= 1 && text[n - 1] == '\\') {
        text[n - 1] = '\n';  // joined with the next line
        if (!read_piece(f, buf, text)) {
          complete = false;
          break;
        }
        continue;
      }
      break;
    }
    if (!complete || !expand_template_line(text, args, line_margin, sink)) {
      ok = false;
      break;
    }
  }
  // A read error ends the template as the end of the file would: it fails.
  if (std::ferror(f)) ok = false;
  if (std::fclose(f) != 0) ok = false;
  return ok;
}

WriterHost default_writer_host() {
  WriterHost h;
  h.show_status = [](std::string_view text) { show_status(text); };
  h.set_line_count = [](int n) { set_line_count(n); };
  h.show_error = [](std::string_view text) { ShowGenerationError(text); };
  return h;
}

SourceWriter::SourceWriter() : host_(default_writer_host()) {}

SourceWriter::~SourceWriter() {
  if (file_ != nullptr) {
    flush_buffer();
    std::fclose(file_);
  }
}

void SourceWriter::set_output_path(std::string_view name) {
  std::string path;
  bool has_separator = false;
  for (char c : name) has_separator = has_separator || platform::is_separator(c);
  if (has_separator) {
    path.assign(name);
  } else {
    const std::string dir = host_.model_dir ? host_.model_dir() : std::string();
    if (!dir.empty()) {
      path = dir;
      if (!platform::is_separator(path.back())) path += '\\';
    }
    path.append(name);
  }
  if (path.size() >= 2 && path[0] == '.' && platform::is_separator(path[1])) path.erase(0, 2);
  if (path.size() > kMaxPath) path.resize(kMaxPath);
  path_ = std::move(path);
}

bool SourceWriter::open_output_file(int, std::string_view, std::string_view) {
  margin_ = 0;
  // A file given up after a failure is never closed by the rules: it is
  // closed here (what it holds is kept), and the new file starts clean, so
  // one full disk does not silently fail every later file.
  if (file_ != nullptr) {
    if (error_ == 0) flush_buffer();
    std::fclose(file_);
    file_ = nullptr;
  }
  buffer_.clear();
  error_ = 0;
  close_failed_ = false;
  line_count_ = 0;
  if (host_.show_status) host_.show_status("Generating to " + platform::shown_path(path_));
  const std::string fs_path = platform::map_path(path_);
  file_ = std::fopen(fs_path.c_str(), "w");
  if (file_ == nullptr) {
    // Said here, where the reason is known: a folder that cannot be written
    // or a name that is no file name would otherwise write nothing unseen.
    const std::string why = std::strerror(errno);
    if (host_.show_error) {
      host_.show_error("The file " + platform::shown_path(path_) + " cannot be written: " + why +
                       ".\nCheck that its folder exists and can be written, and that the "
                       "object's name is a file name (no '/'), then generate again.");
    }
    error_ = 1;
    return false;
  }
  platform::note_created(fs_path);
  // Lines are gathered in buffer_ and go out in large writes.
  std::setvbuf(file_, nullptr, _IONBF, 0);
  buffer_.reserve(kBufferSize + 4096);
  return true;
}

void SourceWriter::report_write_error() {
  if (host_.show_error) host_.show_error(MessageText(kWriteErrorMsg));
  error_ = 1;
}

bool SourceWriter::flush_buffer() {
  if (buffer_.empty() || file_ == nullptr) return true;
  const bool ok = std::fwrite(buffer_.data(), 1, buffer_.size(), file_) == buffer_.size() &&
                  !std::ferror(file_);
  buffer_.clear();
  if (!ok) {
    std::clearerr(file_);
    report_write_error();
  }
  return ok;
}

bool SourceWriter::write_line(std::string_view text) {
  if (error_ != 0 || file_ == nullptr) return false;
  ++line_count_;
  if (host_.set_line_count) host_.set_line_count(line_count_);
  buffer_.append(text);
  buffer_ += '\n';
  // A write error shows when the buffer goes out: the line that fills it
  // fails, and so does every later line of the file.
  if (buffer_.size() >= kBufferSize) return flush_buffer();
  return true;
}

bool SourceWriter::output_lines(const TermValue& tree) {
  return format_output_lines(tree, margin_, *this);
}

bool SourceWriter::close_output_file() {
  bool ok = error_ == 0;
  if (file_ == nullptr && close_failed_) ok = false;
  if (file_ != nullptr) {
    if (ok) ok = flush_buffer();
    // An error the system reports only at close still gets its one box.
    if (std::fclose(file_) != 0 && ok) {
      report_write_error();
      ok = false;
    }
    file_ = nullptr;
    if (ok) ++files_written_;
  }
  buffer_.clear();
  line_count_ = 0;
  error_ = 0;
  close_failed_ = !ok;
  return ok;
}

void SourceWriter::abandon_output_file() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
    const std::string fs_path = platform::map_path(path_);
    if (platform::remove_file(fs_path)) platform::note_removed(fs_path);
  }
  buffer_.clear();
  line_count_ = 0;
  error_ = 0;
  close_failed_ = false;
}

std::string SourceWriter::locate_template(std::string_view file) const {
  const std::string name(file);
  std::string path = platform::map_path(name);
  if (readable(path)) return path;
  const std::string gen = host_.generator_dir ? host_.generator_dir() : std::string();
  if (!gen.empty()) {
    path = platform::map_path(gen + "\\" + name);
    if (readable(path)) return path;
  }
  path = platform::map_path(platform::program_dir() + name);
  if (readable(path)) return path;
  return std::string();
}

bool SourceWriter::print_template(std::string_view file, const TermValue& before,
                                  const TermValue& after, const TermValue& args) {
  if (file.size() >= 260) return false;
  const std::string path = locate_template(file);
  if (path.empty()) return false;
  return expand_template_file(path, before, after, args, margin_, *this);
}

SourceWriter& source_writer() {
  static SourceWriter writer;
  return writer;
}

void set_output_path(std::string_view name) { source_writer().set_output_path(name); }

bool open_output_file(int a, std::string_view b, std::string_view c) {
  return source_writer().open_output_file(a, b, c);
}

bool output_lines(const TermValue& tree) { return source_writer().output_lines(tree); }

bool close_output_file() { return source_writer().close_output_file(); }

bool print_template(std::string_view file, const TermValue& before, const TermValue& after,
                    const TermValue& args) {
  return source_writer().print_template(file, before, after, args);
}

}  // namespace qn::host
