#include "logic/core/output.h"

#include <climits>

#include "engine/term.h"
#include "logic/core/host_interface.h"
#include "logic/core/run.h"

namespace qn::logic {

namespace {

// A margin changed by delta, held within an int.
int add_margin(int margin, int64_t delta) {
  const int64_t sum = static_cast<int64_t>(margin) + delta;
  if (sum > INT_MAX) return INT_MAX;
  if (sum < INT_MIN) return INT_MIN;
  return static_cast<int>(sum);
}

void trim_trailing_blanks(std::string& line) {
  size_t n = line.size();
  while (n > 0 && (line[n - 1] == ' ' || line[n - 1] == '\t')) --n;
  line.resize(n);
}

}  // namespace

bool Output::open() {
  failed_ = false;
  running_margin() = 0;
  return open_file();
}

bool Output::close() {
  const bool ok = close_file() && !failed_;
  failed_ = false;
  return ok;
}

bool Output::put(std::string_view finished) {
  if (write_text(finished)) return true;
  failed_ = true;
  return false;
}

bool Output::line(std::string_view text) {
  const int margin = running_margin();
  buffer_.assign(margin > 0 ? static_cast<size_t>(margin) : 0, ' ');
  buffer_.append(text);
  trim_trailing_blanks(buffer_);
  return put(buffer_);
}

bool Output::line(int64_t before, int64_t after, std::string_view text) {
  int& margin = running_margin();
  margin = add_margin(margin, before);
  if (margin <= 0) margin = 0;
  buffer_.assign(static_cast<size_t>(margin), ' ');
  margin = add_margin(margin, after);
  buffer_.append(text);
  trim_trailing_blanks(buffer_);
  return put(buffer_);
}

bool open_output(Run& run, std::string_view path) {
  Output& out = run.output();
  out.set_path(path);
  if (out.open()) return true;
  out.close();
  return false;
}

bool open_model_output(Run& run, int64_t model, std::string_view file) {
  // The model directory is asked for as the rules always did; the output
  // path is the file itself.
  engine::Term model_dir = engine::Term::fresh_var();
  if (!i_model_info(run, engine::Term::integer(model), model_dir)) return false;
  return open_output(run, file);
}

bool close_output(Run& run) { return run.output().close(); }

}  // namespace qn::logic
