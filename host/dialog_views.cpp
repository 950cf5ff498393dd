// The three views of the progress dialog: a terminal view drawn on stderr,
// a plain view that prints one line per change, and a recording view for
// tests.
#include <chrono>
#include <cstdio>
#include <string>

#include "host/recording_view.h"
#include "host/riraze_dlg.h"
#include "platform/message_box.h"
#include "platform/terminal.h"

namespace qn::host {

namespace {

std::string caption_of(const DialogState& state) {
  return state.title.empty() ? std::string("Generation Error") : state.title;
}

bool ask_cancel_box(const DialogState& state) {
  return platform::message_box("Do you want to cancel?", caption_of(state),
                               platform::kMbYesNo | platform::kMbIconQuestion) == platform::kIdYes;
}

// A status text without the line ends it may carry.
std::string one_line(std::string_view text) {
  std::string out;
  for (char c : text) out += (c == '\n' || c == '\r') ? ' ' : c;
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string fit(std::string text, size_t width) {
  if (text.size() > width) text.resize(width);
  return text;
}

std::string pad(std::string text, size_t width) {
  text = fit(std::move(text), width);
  text.resize(width, ' ');
  return text;
}

std::string bar_text(const char* label, const ProgressBar& bar, size_t width) {
  std::string counts = " " + std::to_string(bar.pos) + "/" + std::to_string(bar.range);
  size_t cells = width > 12 + counts.size() ? width - 12 - counts.size() : 10;
  size_t filled =
      bar.range > 0 ? cells * static_cast<size_t>(bar.pos) / static_cast<size_t>(bar.range) : 0;
  return pad(label, 9) + "[" + std::string(filled, '#') + std::string(cells - filled, '.') + "]" +
         counts;
}

// --- terminal view --------------------------------------------------------

class TerminalView : public DialogView {
 public:
  void changed(const DialogState&, DialogField) override { dirty_ = true; }

  void flush(const DialogState& state) override {
    auto now = std::chrono::steady_clock::now();
    if (!dirty_ || now - last_draw_ < std::chrono::milliseconds(100)) return;
    draw(state);
  }

  void show_error(const DialogState& state, std::string_view text) override {
    draw(state);
    platform::message_box(text, caption_of(state), platform::kMbIconExclamation);
    drawn_lines_ = 0;  // the box was printed below the block: draw anew
    dirty_ = true;
  }

  bool ask_cancel(const DialogState& state) override {
    draw(state);
    bool yes = ask_cancel_box(state);
    drawn_lines_ = 0;
    dirty_ = true;
    return yes;
  }

  void closed(const DialogState& state) override {
    if (dirty_) draw(state);
  }

 private:
  static constexpr size_t kRowsShown = 5;

  void draw(const DialogState& state) {
    size_t width = static_cast<size_t>(std::max(platform::terminal_columns(), 40)) - 1;
    std::vector<std::string> lines;
    lines.push_back(fit("== " + state.title + " ==", width));
    lines.push_back(fit(one_line(state.step_text), width));
    lines.push_back(fit(one_line(state.action_text), width));
    lines.push_back(fit(state.line_text, width));
    lines.push_back(bar_text("Objects", state.object_bar, width));
    lines.push_back(bar_text("Files", state.files_bar, width));
    size_t type_w = 12, name_w = 20;
    size_t desc_w = width > name_w + type_w + 2 ? width - name_w - type_w - 2 : 10;
    lines.push_back(
        fit(pad("Name", name_w) + " " + pad("Description", desc_w) + " " + "Type", width));
    size_t first = state.rows.size() > kRowsShown ? state.rows.size() - kRowsShown : 0;
    for (size_t i = first; i < state.rows.size(); ++i) {
      const ProgressRow& r = state.rows[i];
      lines.push_back(
          fit(pad(r.name, name_w) + " " + pad(r.description, desc_w) + " " + r.type, width));
    }
    std::string out;
    if (drawn_lines_ > 0) out += "\x1b[" + std::to_string(drawn_lines_) + "A\r";
    out += "\x1b[J";
    for (const std::string& l : lines) out += l + "\n";
    platform::write_stderr(out);
    drawn_lines_ = lines.size();
    dirty_ = false;
    last_draw_ = std::chrono::steady_clock::now();
  }

  bool dirty_ = true;
  size_t drawn_lines_ = 0;
  std::chrono::steady_clock::time_point last_draw_{};
};

// --- plain view ---------------------------------------------------------------
// One line per change of a text or of the list; the bars' steps and the line
// counter are left out (they change too often for a log).

class PlainView : public DialogView {
 public:
  void changed(const DialogState& state, DialogField field) override {
    std::string line;
    switch (field) {
      case DialogField::kTitle:
        line = "== " + state.title + " ==";
        break;
      case DialogField::kStepText:
        line = one_line(state.step_text);
        break;
      case DialogField::kActionText:
        line = one_line(state.action_text);
        if (!line.empty()) line = "  " + line;
        break;
      case DialogField::kRows: {
        const ProgressRow& r = state.rows.back();
        line = "  " + r.type + " " + r.name + (r.description.empty() ? "" : " - " + r.description);
        break;
      }
      default:
        return;
    }
    if (!line.empty()) platform::write_stderr(line + "\n");
  }

  void show_error(const DialogState& state, std::string_view text) override {
    platform::message_box(text, caption_of(state), platform::kMbIconExclamation);
  }

  bool ask_cancel(const DialogState& state) override { return ask_cancel_box(state); }
};

}  // namespace

std::unique_ptr<DialogView> make_terminal_view() { return std::make_unique<TerminalView>(); }
std::unique_ptr<DialogView> make_plain_view() { return std::make_unique<PlainView>(); }
std::unique_ptr<DialogView> make_default_view() {
  // A terminal that does not follow cursor moves gets the plain lines.
  return platform::stderr_takes_cursor_moves() ? make_terminal_view() : make_plain_view();
}

// --- recording view ---------------------------------------------------------

void RecordingView::changed(const DialogState& state, DialogField field) {
  std::string e;
  switch (field) {
    case DialogField::kTitle:
      e = "title:" + state.title;
      break;
    case DialogField::kStepText:
      e = "step:" + state.step_text;
      break;
    case DialogField::kActionText:
      e = "action:" + state.action_text;
      break;
    case DialogField::kLineText:
      e = "line:" + state.line_text;
      break;
    case DialogField::kObjectBar:
      e = "objects:" + std::to_string(state.object_bar.pos) + "/" +
          std::to_string(state.object_bar.range);
      break;
    case DialogField::kFilesBar:
      e = "files:" + std::to_string(state.files_bar.pos) + "/" +
          std::to_string(state.files_bar.range);
      break;
    case DialogField::kRows: {
      const ProgressRow& r = state.rows.back();
      e = "row:" + r.name + "|" + r.description + "|" + r.type;
      break;
    }
  }
  log_->events.push_back(std::move(e));
}

void RecordingView::show_error(const DialogState&, std::string_view text) {
  log_->errors.emplace_back(text);
  if (on_error) on_error(text);
}

bool RecordingView::ask_cancel(const DialogState&) {
  ++log_->cancel_questions;
  return cancel_answer_;
}

void RecordingView::closed(const DialogState&) { log_->closed = true; }

}  // namespace qn::host
