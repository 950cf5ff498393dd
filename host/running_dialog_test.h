// A progress dialog running on its own thread with a recording view, for
// tests of the dialog and of the routines that talk to it.
#pragma once

#include <future>
#include <memory>
#include <thread>

#include "host/dialog.h"
#include "host/recording_view.h"
#include "host/riraze_dlg.h"

namespace qn::host {

class RunningDialog {
 public:
  explicit RunningDialog(bool cancel_answer = true, std::function<int()> request_cancel = nullptr,
                         std::function<void(std::string_view)> on_error = nullptr)
      : log_(std::make_shared<RecordingView::Log>()) {
    auto view = std::make_unique<RecordingView>(log_, cancel_answer);
    view->on_error = std::move(on_error);
    std::promise<void> shown;
    auto shown_future = shown.get_future();
    dialog_ = std::make_unique<CRirazeDlg>([&shown] { shown.set_value(); }, std::move(view), false);
    if (request_cancel) dialog_->set_cancel_handler(std::move(request_cancel));
    thread_ = std::thread([this] { dialog_->DoModal(); });
    shown_future.wait();  // the "generator thread" runs once the dialog is shown
  }
  ~RunningDialog() { stop(); }

  CRirazeDlg& dialog() { return *dialog_; }

  // Waits until the dialog has ended on its own.
  const RecordingView::Log& join() {
    if (thread_.joinable()) thread_.join();
    return *log_;
  }
  // Posts quit and waits for the end.
  const RecordingView::Log& stop() {
    if (thread_.joinable()) {
      post_dialog_quit();
      thread_.join();
    }
    return *log_;
  }

 private:
  std::shared_ptr<RecordingView::Log> log_;
  std::unique_ptr<CRirazeDlg> dialog_;
  std::thread thread_;
};

}  // namespace qn::host
