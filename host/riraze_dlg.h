// The progress dialog, the generator's only window. It runs modally on the
// main thread while the generator thread works; the generator thread talks
// to it only through posted messages (see host/dialog.h for the senders).
//
// On this system the "window" is drawn on stderr by a view; stdout is never
// written (it carries the automation protocol). Cancel is Ctrl-C or Esc.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/event.h"
#include "platform/message_queue.h"

namespace qn::host {

// Posted message ids (WM_USER = 0x400).
enum : unsigned {
  kMsgProgressText = 0x46F,  // heap text -> step line (2370)
  kMsgProgressStep = 0x470,  // object bar one step
  kMsgStepRange = 0x471,     // object bar range 0..N
  kMsgAddObject = 0x472,     // row {type, name, description}
  kMsgLineText = 0x473,      // heap text -> line counter (2371)
  kMsgFilesStep = 0x474,     // files bar one step
  kMsgFilesTotal = 0x475,    // files bar range 0..N
  kMsgStatus = 0x476,        // heap text -> action line (2369)
  kMsgErrorBox = 0x477,      // heap text -> synchronous error box
  kMsgTitle = 0x478,         // heap text -> title
};

struct ProgressBar {
  int range = 100;  // 0..range, step 1
  int pos = 0;
};

struct ProgressRow {
  std::string name;
  std::string description;
  std::string type;
};

// What the dialog shows. Views render it.
struct DialogState {
  std::string title;
  std::string step_text;          // control 2370
  std::string action_text;        // control 2369
  std::string line_text;          // control 2371 ("Line:%d" or empty)
  ProgressBar object_bar;         // control 1001
  ProgressBar files_bar;          // control 1002
  std::vector<ProgressRow> rows;  // list 2257
};

enum class DialogField { kTitle, kStepText, kActionText, kLineText, kObjectBar, kFilesBar, kRows };

// How the dialog is drawn. All calls come from the dialog's thread.
class DialogView {
 public:
  virtual ~DialogView() = default;
  // One field of the state changed.
  virtual void changed(const DialogState& state, DialogField field) = 0;
  // Called after a batch of changes has been handled (redraw point).
  virtual void flush(const DialogState& state) {}
  // The error box (exclamation icon); returns when the user has closed it.
  virtual void show_error(const DialogState& state, std::string_view text) = 0;
  // "Do you want to cancel?" with Yes and No; true for Yes.
  virtual bool ask_cancel(const DialogState& state) = 0;
  // The dialog has ended.
  virtual void closed(const DialogState& state) {}
};

// A terminal view on stderr when stderr is a terminal, else a plain view
// that prints one line per change.
std::unique_ptr<DialogView> make_default_view();
std::unique_ptr<DialogView> make_terminal_view();
std::unique_ptr<DialogView> make_plain_view();

class CRirazeDlg {
 public:
  // resume_generator: called once when the dialog is shown (resumes the
  // suspended generator thread). view: null chooses make_default_view().
  // watch_console: take Ctrl-C and the Esc key of the controlling terminal
  // as Cancel (off in tests).
  explicit CRirazeDlg(std::function<void()> resume_generator,
                      std::unique_ptr<DialogView> view = nullptr, bool watch_console = true);
  ~CRirazeDlg();
  CRirazeDlg(const CRirazeDlg&) = delete;
  CRirazeDlg& operator=(const CRirazeDlg&) = delete;

  // The cancel request of the generation run (RequestCancel): asks a
  // running generation to stop and answers whether one was running.
  void set_cancel_handler(std::function<int()> request_cancel);

  // Shows the dialog and handles its messages until a quit message.
  // Returns 1 (IDOK). Only one dialog runs at a time.
  int DoModal();

  // Posts a quit message; callable from any thread. Also the OK action and
  // closing the window.
  void PostQuit();

  // Posts the cancel action (as Esc or Ctrl-C would); any thread.
  void PostCancel();

  // The state as last handled (for the dialog's own thread and tests
  // after DoModal has returned).
  const DialogState& state() const { return state_; }

  // The dialog that is running, or null (the senders' "window handle").
  static bool exists();

 private:
  friend struct DialogAccess;
  void handle(platform::Message& msg);
  void on_timer();
  void on_cancel();
  void drain_after_close();
  void set_text(std::string& field, DialogField which, std::string text);

  std::function<void()> resume_;
  std::function<int()> request_cancel_;
  std::unique_ptr<DialogView> view_;
  bool watch_console_;
  platform::MessageQueue queue_;
  std::shared_ptr<platform::Event> error_event_;  // manual reset, not signalled
  DialogState state_;
  bool quit_ = false;
  std::string last_line_text_;
};

// Sets the dialog's title (message 0x478); from the automation object's
// constructor.
void set_dialog_title(std::string_view text);

// Posts a quit message to the running dialog, when there is one (the
// generator thread's exit step).
void post_dialog_quit();

// Heap copies of texts and rows posted to the dialog and not yet freed.
int live_dialog_message_copies();

}  // namespace qn::host
