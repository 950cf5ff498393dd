#include "app/riraze_app.h"

#include <cstdio>
#include <cstdlib>

#include "app/generator_descriptor.h"
#include "app/qn_generator.h"
#include "host/dialog.h"
#include "host/directories.h"
#include "host/error_log.h"
#include "host/riraze_dlg.h"
#include "host/source_writer.h"
#include "host/term_value.h"
#include "platform/cp1252.h"
#include "platform/isam/isam.h"
#include "platform/message_box.h"
#include "platform/path.h"
#include "platform/registry_file.h"
#include "platform/system_services.h"

namespace qn::app {
namespace {

constexpr const char* kAppCaption = "qnjavagen";

}  // namespace

bool is_automation_start(std::span<const std::string> args) {
  for (const std::string& a : args) {
    if (a.size() < 2 || (a[0] != '-' && a[0] != '/')) continue;
    std::string_view word = std::string_view(a).substr(1);
    if (platform::iequals_1252(word, "Automation") || platform::iequals_1252(word, "Embedding")) {
      return true;
    }
  }
  return false;
}

// --- the generator thread ------------------------------------------------

CGenThread::CGenThread(Generation& generation, platform::ProtocolChannel channel)
    : generation_(generation), channel_(channel), thread_([this] { run(); }) {}

CGenThread::~CGenThread() {
  if (thread_.joinable()) {
    resumed_.set();
    thread_.join();
  }
}

void CGenThread::Resume() { resumed_.set(); }

void CGenThread::join() {
  if (thread_.joinable()) thread_.join();
}

void CGenThread::detach() {
  if (thread_.joinable()) thread_.detach();
}

void CGenThread::run() {
  resumed_.wait();
  platform::lower_thread_priority();

  // Initialisation: the indexed-file library, then the automation object
  // that the client reaches through the protocol channel.
  isam::IsamInit(2, 0, 0);
  {
    platform::AutomationServer server;
    CQnGenerator generator(current_generator().id, generation_);
    generator.add_methods(server);
    // Every error box is told to the client as it is shown.
    host::set_error_box_observer(
        [&server](std::string_view text) { server.notify("ErrorReported", {text}); });
    server.serve(channel_.in_fd, channel_.out_fd);
    host::set_error_box_observer(nullptr);
  }  // the final release

  // Exit step.
  ending_ = true;
  host::DebugTrace(0, "%s", "");
  if (exit_hook_) exit_hook_();
  isam::IsamEnd();
}

// --- the application -----------------------------------------------------

CRirazeApp::CRirazeApp() = default;
CRirazeApp::~CRirazeApp() = default;

int CRirazeApp::Run(std::span<const std::string> args) { return InitInstance(args); }

int CRirazeApp::InitInstance(std::span<const std::string> args) {
  // FILEPATH: the program directory with its trailing separator.
  const std::string program_dir = host::get_program_dir();
  platform::set_environment("FILEPATH", program_dir);

  // The resource library.
  resources_ = std::shared_ptr<platform::ResourceLibrary>(
      platform::ResourceLibrary::load(program_dir, "qnresc32"));
  if (!resources_) {
    platform::message_box("Failed to load resource DLL: qnresc32.dll", kAppCaption,
                          platform::kMbOk);
    return 1;
  }
  platform::set_resource_library(resources_);

  SelectGeneratorDescriptor();

  if (is_automation_start(args.empty() ? args : args.subspan(1))) return RunAutomation();
  return RegisterServer();
}

int CRirazeApp::RunAutomation() {
  // Nothing but the protocol may reach standard output from here on.
  const platform::ProtocolChannel channel = platform::take_protocol_channel();
  generation_ = std::make_unique<Generation>(engine_, standard_services());
  host::source_writer().set_host(program_writer_host());

  auto thread = std::make_unique<CGenThread>(*generation_, channel);
  host::CRirazeDlg dialog([&thread] { thread->Resume(); });
  dialog.set_cancel_handler([this] { return generation_->RequestCancel(); });
  thread->set_exit_hook([&dialog] {
    if (host::CRirazeDlg::exists()) dialog.PostQuit();
  });
  dialog.DoModal();

  if (!thread->ending()) {
    // The dialog was closed while the automation object still lives: the
    // program ends here, as the main thread's end ends every thread.
    ExitInstance();
    std::fflush(nullptr);
    std::_Exit(0);
  }
  thread->join();
  ExitInstance();
  return 0;
}

int CRirazeApp::RegisterServer() {
  const std::string file = platform::registry_file_path();
  for (const GeneratorDescriptor& row : generator_descriptors()) {
    if (row.id == 0) continue;
    platform::ServerRegistration reg;
    reg.prog_id = row.prog_id;
    reg.class_id = row.class_id;
    reg.interface_id = kGeneratorInterfaceId;
    reg.command = platform::make_command(host::get_program_path(), {"-Automation"});
    reg.display_name = row.display_name;
    std::string error;
    if (!platform::register_server(reg, file, &error)) {
      platform::message_box("Registration failed: " + error, kAppCaption,
                            platform::kMbOk | platform::kMbIconExclamation);
      ExitInstance();
      return 1;
    }
  }
  platform::message_box("Update Registry (Fixed Location)", kAppCaption, platform::kMbOk);
  ExitInstance();
  return 0;
}

void CRirazeApp::ExitInstance() {
  host::DebugTrace(0, "Generator Ended\n");
  host::term_release_slots();
  platform::set_resource_library(nullptr);
  resources_.reset();
}

}  // namespace qn::app
