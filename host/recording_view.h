// A dialog view that records what the dialog shows, for tests.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "host/riraze_dlg.h"

namespace qn::host {

class RecordingView : public DialogView {
 public:
  struct Log {
    std::vector<std::string>
        events;  // "title:...", "step:...", "action:...", "line:...",
                 // "objects:pos/range", "files:pos/range", "row:name|desc|type"
    std::vector<std::string> errors;  // texts of the error boxes
    int cancel_questions = 0;
    bool closed = false;
  };

  // The log outlives the view (the dialog owns the view).
  explicit RecordingView(std::shared_ptr<Log> log, bool cancel_answer = true)
      : log_(std::move(log)), cancel_answer_(cancel_answer) {}

  // Called inside show_error before it returns (to hold the box open).
  std::function<void(std::string_view)> on_error;

  void changed(const DialogState& state, DialogField field) override;
  void show_error(const DialogState& state, std::string_view text) override;
  bool ask_cancel(const DialogState& state) override;
  void closed(const DialogState& state) override;

 private:
  std::shared_ptr<Log> log_;
  bool cancel_answer_;
};

}  // namespace qn::host
