// The application: start-up and end of the program, and the generator
// thread that serves the automation object.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <thread>

#include "app/generation.h"
#include "engine/engine.h"
#include "platform/automation.h"
#include "platform/event.h"
#include "platform/resource_library.h"

namespace qn::app {

// True when the arguments ask for a start by automation or embedding:
// "-Automation", "/Automation", "-Embedding" or "/Embedding", in any case.
bool is_automation_start(std::span<const std::string> args);

// The generator thread. It is created suspended; Resume (called by the
// progress dialog once it is shown) lets it run. It starts the
// indexed-file library, creates the automation object and serves its calls
// from the protocol channel until the final release; its exit step asks
// the dialog to end and ends the indexed-file library.
class CGenThread {
 public:
  CGenThread(Generation& generation, platform::ProtocolChannel channel);
  ~CGenThread();
  CGenThread(const CGenThread&) = delete;
  CGenThread& operator=(const CGenThread&) = delete;

  // Run by the exit step (posts the quit message to the dialog).
  void set_exit_hook(std::function<void()> hook) { exit_hook_ = std::move(hook); }
  void Resume();
  // True once the final release has been received (the exit step runs or
  // has run).
  bool ending() const { return ending_; }
  void join();
  void detach();

 private:
  void run();

  Generation& generation_;
  platform::ProtocolChannel channel_;
  std::function<void()> exit_hook_;
  platform::Event resumed_;
  std::atomic<bool> ending_{false};
  std::thread thread_;
};

class CRirazeApp {
 public:
  CRirazeApp();
  ~CRirazeApp();

  // The whole life of the program; answers its exit status.
  int Run(std::span<const std::string> args);

 private:
  int InitInstance(std::span<const std::string> args);
  int RunAutomation();
  int RegisterServer();
  void ExitInstance();

  engine::Engine engine_;
  std::unique_ptr<Generation> generation_;
  std::shared_ptr<platform::ResourceLibrary> resources_;
};

}  // namespace qn::app
