#include "host/riraze_dlg.h"

#include <atomic>
#include <chrono>
#include <cstdarg>
#include <cstdio>
#include <mutex>
#include <stdexcept>
#include <thread>

#include "host/dialog.h"
#include "host/error_log.h"
#include "platform/message_box.h"
#include "platform/terminal.h"

namespace qn::host {

namespace {

constexpr unsigned kMsgQuit = 0x0012;          // WM_QUIT
constexpr unsigned kMsgCancelAction = 0x0010;  // the cancel action (Esc, Ctrl-C)
constexpr auto kTimerPeriod = std::chrono::milliseconds(250);

std::atomic<int> g_live_copies{0};

// The heap copy of a text that travels with a message.
struct TextCopy : platform::MessagePayload {
  explicit TextCopy(std::string_view t) : text(t) { ++g_live_copies; }
  ~TextCopy() override { --g_live_copies; }
  std::string text;
};

// The row record {type, name, description}.
struct RowCopy : platform::MessagePayload {
  RowCopy(std::string_view t, std::string_view n, std::string_view d)
      : type(t), name(n), description(d) {
    g_live_copies += 3;
  }
  ~RowCopy() override { g_live_copies -= 3; }
  std::string type, name, description;
};

// The running dialog (the senders' window handle) and its thread.
std::mutex g_dialog_mutex;
CRirazeDlg* g_dialog = nullptr;
std::thread::id g_dialog_thread;

std::atomic<uint16_t> g_line_count{0};

void clamp_step(ProgressBar& bar) {
  if (bar.pos < bar.range) ++bar.pos;
}

}  // namespace

struct DialogAccess {
  static platform::MessageQueue& queue(CRirazeDlg& d) { return d.queue_; }
  static std::shared_ptr<platform::Event> event(CRirazeDlg& d) { return d.error_event_; }
  static DialogView& view(CRirazeDlg& d) { return *d.view_; }
  static const DialogState& state(CRirazeDlg& d) { return d.state_; }
};

namespace {

// Posts to the running dialog; false (and the payload freed) when none runs.
bool post_to_dialog(unsigned id, int64_t wparam = 0,
                    std::unique_ptr<platform::MessagePayload> payload = nullptr) {
  std::lock_guard lock(g_dialog_mutex);
  if (!g_dialog) return false;
  DialogAccess::queue(*g_dialog).post(id, wparam, std::move(payload));
  return true;
}

}  // namespace

int live_dialog_message_copies() { return g_live_copies.load(); }

// --- the dialog ----------------------------------------------------------

CRirazeDlg::CRirazeDlg(std::function<void()> resume_generator, std::unique_ptr<DialogView> view,
                       bool watch_console)
    : resume_(std::move(resume_generator)),
      view_(view ? std::move(view) : make_default_view()),
      watch_console_(watch_console),
      error_event_(std::make_shared<platform::Event>(false)) {}

CRirazeDlg::~CRirazeDlg() {
  std::lock_guard lock(g_dialog_mutex);
  if (g_dialog == this) g_dialog = nullptr;
}

void CRirazeDlg::set_cancel_handler(std::function<int()> request_cancel) {
  request_cancel_ = std::move(request_cancel);
}

bool CRirazeDlg::exists() {
  std::lock_guard lock(g_dialog_mutex);
  return g_dialog != nullptr;
}

void CRirazeDlg::PostQuit() { queue_.post(kMsgQuit); }

void CRirazeDlg::PostCancel() { queue_.post(kMsgCancelAction); }

void CRirazeDlg::set_text(std::string& field, DialogField which, std::string text) {
  field = std::move(text);
  view_->changed(state_, which);
}

void CRirazeDlg::handle(platform::Message& msg) {
  auto text = [&]() -> std::string {
    auto* copy = dynamic_cast<TextCopy*>(msg.payload.get());
    return copy ? std::move(copy->text) : std::string();
  };
  switch (msg.id) {
    case kMsgQuit:
      quit_ = true;
      break;
    case kMsgCancelAction:
      on_cancel();
      break;
    case kMsgProgressText:
      set_text(state_.step_text, DialogField::kStepText, text());
      break;
    case kMsgStatus:
      set_text(state_.action_text, DialogField::kActionText, text());
      break;
    case kMsgLineText:
      set_text(state_.line_text, DialogField::kLineText, text());
      break;
    case kMsgTitle:
      set_text(state_.title, DialogField::kTitle, text());
      break;
    case kMsgProgressStep:
      clamp_step(state_.object_bar);
      view_->changed(state_, DialogField::kObjectBar);
      break;
    case kMsgStepRange:
      state_.object_bar = ProgressBar{static_cast<int>(msg.wparam), 0};
      view_->changed(state_, DialogField::kObjectBar);
      break;
    case kMsgFilesStep:
      clamp_step(state_.files_bar);
      view_->changed(state_, DialogField::kFilesBar);
      break;
    case kMsgFilesTotal:
      state_.files_bar = ProgressBar{static_cast<int>(msg.wparam), 0};
      view_->changed(state_, DialogField::kFilesBar);
      break;
    case kMsgAddObject:
      if (auto* row = dynamic_cast<RowCopy*>(msg.payload.get())) {
        state_.rows.push_back(
            ProgressRow{std::move(row->name), std::move(row->description), std::move(row->type)});
        view_->changed(state_, DialogField::kRows);
      }
      break;
    case kMsgErrorBox:
      view_->show_error(state_, text());
      error_event_->set();
      break;
    default:
      break;
  }
  msg.payload.reset();  // the handler frees the copy
}

void CRirazeDlg::on_timer() {
  uint16_t count = g_line_count.load();
  std::string line;
  if (count != 0) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "Line:%d", static_cast<int>(count));
    line = buf;
  }
  if (line != last_line_text_) {
    last_line_text_ = line;
    set_text(state_.line_text, DialogField::kLineText, line);
  }
}

void CRirazeDlg::on_cancel() {
  if (!view_->ask_cancel(state_)) return;
  int running = request_cancel_ ? request_cancel_() : 0;
  if (!running) queue_.post(kMsgQuit);
}

void CRirazeDlg::drain_after_close() {
  // Messages that arrive after the end are dropped (their copies freed),
  // except error boxes: they are still shown, so that no report is lost
  // and no sender waits for ever.
  platform::Message msg;
  while (queue_.try_get(msg)) {
    if (msg.id == kMsgErrorBox) handle(msg);
  }
  error_event_->set();
}

int CRirazeDlg::DoModal() {
  {
    std::lock_guard lock(g_dialog_mutex);
    if (g_dialog) throw std::logic_error("CRirazeDlg: a dialog is already running");
    g_dialog = this;
    g_dialog_thread = std::this_thread::get_id();
  }
  quit_ = false;
  error_event_->reset();
  std::unique_ptr<platform::Keyboard> keyboard;
  std::unique_ptr<platform::InterruptWatch> interrupts;
  if (watch_console_) {
    // Esc counts only where the dialog can be seen.
    if (platform::stderr_is_terminal()) keyboard = platform::Keyboard::open();
    try {
      interrupts = std::make_unique<platform::InterruptWatch>();
    } catch (const std::exception&) {
      interrupts.reset();
    }
  }
  view_->flush(state_);
  if (resume_) resume_();

  using Clock = std::chrono::steady_clock;
  auto next_tick = Clock::now() + kTimerPeriod;
  while (!quit_) {
    platform::Message msg;
    while (!quit_ && queue_.try_get(msg)) handle(msg);
    if (quit_) break;
    auto now = Clock::now();
    if (now >= next_tick) {
      on_timer();
      next_tick = now + kTimerPeriod;
    }
    view_->flush(state_);
    int wait_ms = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(next_tick - now).count());
    int fds[3] = {queue_.wait_fd(), keyboard ? keyboard->fd() : -1,
                  interrupts ? interrupts->fd() : -1};
    std::vector<bool> ready = platform::wait_readable(fds, std::max(wait_ms, 0) + 1);
    if (ready[2] && interrupts->take()) on_cancel();
    if (ready[1]) {
      for (int key = keyboard->read_key(); key >= 0; key = keyboard->read_key()) {
        if (key != 27) continue;
        if (keyboard->read_key() >= 0) {  // an escape sequence (arrow keys and such)
          while (keyboard->read_key() >= 0) {
          }
          break;
        }
        on_cancel();
        break;
      }
    }
  }
  {
    std::lock_guard lock(g_dialog_mutex);
    g_dialog = nullptr;
  }
  drain_after_close();
  view_->closed(state_);
  return 1;
}

// --- senders -------------------------------------------------------------

void set_progress_text(std::string_view text) {
  post_to_dialog(kMsgProgressText, 0, std::make_unique<TextCopy>(text));
}

void progress_step() { post_to_dialog(kMsgProgressStep); }

void set_step_range(int n) { post_to_dialog(kMsgStepRange, n); }

void add_progress_object(std::string_view type, std::string_view name,
                         std::string_view description) {
  if (post_to_dialog(kMsgAddObject, 0, std::make_unique<RowCopy>(type, name, description)))
    post_to_dialog(kMsgFilesStep);
}

void set_progress_total(int n) { post_to_dialog(kMsgFilesTotal, n); }

void show_status(std::string_view text) {
  post_to_dialog(kMsgStatus, 0, std::make_unique<TextCopy>(text));
}

void clear_status() { show_status(" "); }

void show_status_printf(const char* format, ...) {
  char buf[4096];
  va_list args;
  va_start(args, format);
  std::vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  show_status(buf);
}

void status_printf(const char* format, va_list args) {
  char buf[2048];
  std::vsnprintf(buf, sizeof buf, format, args);
  show_status(buf);
}

void status_printf_id(unsigned id, ...) {
  const char* format = MessageText(id);
  va_list args;
  va_start(args, id);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
  status_printf(format, args);
#pragma GCC diagnostic pop
  va_end(args);
}

void set_line_count(int n) { g_line_count = static_cast<uint16_t>(n); }

void set_dialog_title(std::string_view text) {
  post_to_dialog(kMsgTitle, 0, std::make_unique<TextCopy>(text));
}

void post_dialog_quit() { post_to_dialog(kMsgQuit); }

namespace {

std::mutex g_observer_mutex;
std::function<void(std::string_view)> g_error_box_observer;

}  // namespace

void set_error_box_observer(std::function<void(std::string_view)> observer) {
  std::lock_guard lock(g_observer_mutex);
  g_error_box_observer = std::move(observer);
}

int ShowGenerationError(std::string_view text) {
  // What the run showed is kept in the error log too, for a run nobody
  // watched.
  LogError(-1, text);
  {
    std::function<void(std::string_view)> observer;
    {
      std::lock_guard lock(g_observer_mutex);
      observer = g_error_box_observer;
    }
    if (observer) observer(text);
  }
  std::shared_ptr<platform::Event> done;
  CRirazeDlg* own_dialog = nullptr;
  {
    std::lock_guard lock(g_dialog_mutex);
    if (g_dialog && std::this_thread::get_id() == g_dialog_thread) {
      own_dialog = g_dialog;
    } else if (g_dialog) {
      done = DialogAccess::event(*g_dialog);
      done->reset();
      DialogAccess::queue(*g_dialog).post(kMsgErrorBox, 0, std::make_unique<TextCopy>(text));
    }
  }
  if (own_dialog) {
    // Called on the dialog's own thread: waiting for the dialog would never
    // end, so the box is shown here.
    DialogAccess::view(*own_dialog).show_error(DialogAccess::state(*own_dialog), text);
    return 1;
  }
  if (done) {
    done->wait();
    return 1;
  }
  platform::message_box(text, "Generation Error", platform::kMbIconExclamation);
  return 1;
}

}  // namespace qn::host
