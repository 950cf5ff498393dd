// qngen [--user NAME] MODEL_DIR [FIRST MODEL]
//
// Drives one generation the way the development environment does: starts
// the generator (the qnjavagen beside this program, else the one registered
// under ProgID "QnJava7.Generator") as an automation server, calls
//   SetModelPath(absolute path of MODEL_DIR)
//   SetUserName(NAME, else the login name)
//   Generate(FIRST, MODEL)            FIRST and MODEL default to 1 and 1
// and releases it. FIRST selects the data-store sections of MODEL.INI
// ("DataStores%04d"), MODEL the model. The server used is named on stderr:
// a registered binary of another checkout is never driven unawares.
//
// Exit status, for scripts: see kExitCodes below (also printed by --help).
// The server tells of error boxes and a cancel as they happen. While it
// runs, Ctrl-C does not end qngen: it reaches the server, whose dialog asks
// whether to cancel, and qngen waits for the server to end.
#include <signal.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/automation.h"
#include "platform/path.h"
#include "platform/registry_file.h"
#include "platform/system_services.h"

namespace {

namespace fs = std::filesystem;
using qn::platform::AutomationClient;
using qn::platform::AutomationError;

constexpr const char* kProgId = "QnJava7.Generator";
constexpr int kAnsweredFalse = 1;
constexpr int kUsage = 2;
constexpr int kFailed = 3;
constexpr int kErrorsReported = 4;
constexpr int kCancelled = 5;

constexpr const char* kUsageLine = "usage: qngen [--user NAME] MODEL_DIR [FIRST MODEL]\n";

constexpr const char* kHelp =
    "Generates the Java application of a model: the objects whose specification files\n"
    "wait in MODEL_DIR/USER/MDLnnn/GENnn/ (nnn the model, nn the generation).\n"
    "\n"
    "  MODEL_DIR    the model's folder (MODEL.INI, PEFILES and the knowledge base)\n"
    "  FIRST        data-store set number (default 1)\n"
    "  MODEL        model number in the knowledge base (default 1)\n"
    "  --user NAME  selects the specification folder MODEL_DIR/NAME/MDLnnn/GENnn/ (NAME cut\n"
    "               to 8 characters); default: the login name. QNUSER, when set, wins.\n"
    "  --help       this text\n"
    "  --version    the version\n"
    "\n"
    "The generator run is the qnjavagen beside qngen, else the registered one.\n"
    "Errors are shown as they happen and recorded in qnlog.err of the program folder.\n"
    "\n"
    "Exit status:\n"
    "  0  a clean run\n"
    "  1  the generation answered false (the rule engine could not be started)\n"
    "  2  a wrong command line\n"
    "  3  the generator could not be started or driven\n"
    "  4  the run reported errors (shown as they happened)\n"
    "  5  the run was cancelled\n";

void usage() {
  std::fputs(kUsageLine, stderr);
  std::fputs("Try 'qngen --help' for more.\n", stderr);
}

bool parse_short(const std::string& text, int& out) {
  char* end = nullptr;
  errno = 0;
  long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0' || errno != 0 || v < std::numeric_limits<short>::min() ||
      v > std::numeric_limits<short>::max()) {
    return false;
  }
  out = static_cast<int>(v);
  return true;
}

bool is_executable(const std::string& path) {
  std::error_code ec;
  auto st = fs::status(path, ec);
  return !ec && fs::is_regular_file(st) &&
         (st.permissions() & (fs::perms::owner_exec | fs::perms::group_exec |
                              fs::perms::others_exec)) != fs::perms::none;
}

// The server's command line: qnjavagen beside this program when it is there,
// so that a checkout drives its own build; else the registered one.
std::vector<std::string> server_command() {
  const std::string beside = qn::platform::program_dir() + "qnjavagen";
  if (is_executable(beside)) return {beside, "-Automation"};
  const std::string file = qn::platform::registry_file_path();
  if (auto reg = qn::platform::find_server(kProgId, file)) {
    std::vector<std::string> cmd = qn::platform::split_command(reg->command);
    if (!cmd.empty() && is_executable(cmd[0])) return cmd;
    std::fprintf(stderr, "qngen: the registered server \"%s\" cannot be run\n",
                 reg->command.c_str());
  }
  return {beside, "-Automation"};
}

bool call_bool(AutomationClient& server, const char* method, const nlohmann::json& params) {
  nlohmann::json result = server.call(method, params);
  if (!result.is_boolean())
    throw AutomationError(std::string(method) + ": the answer is not true or false");
  return result.get<bool>();
}

}  // namespace

int main(int argc, char** argv) {
  std::string user;
  bool user_given = false;
  std::vector<std::string> positional;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (a == "--help" || a == "-h") {
      std::fputs(kUsageLine, stdout);
      std::fputs(kHelp, stdout);
      return 0;
    } else if (a == "--version") {
      std::printf("qngen (qnjavagen) %s\n", QN_VERSION);
      return 0;
    } else if (a == "--user") {
      if (i + 1 >= argc) {
        std::fprintf(stderr, "qngen: --user needs a name\n");
        usage();
        return kUsage;
      }
      user = argv[++i];
      user_given = true;
    } else if (a.rfind("--user=", 0) == 0) {
      user = a.substr(7);
      user_given = true;
    } else if (a.size() > 1 && a[0] == '-' && a != "-" && !(a[1] >= '0' && a[1] <= '9')) {
      std::fprintf(stderr, "qngen: unknown option %s\n", a.c_str());
      usage();
      return kUsage;
    } else {
      positional.push_back(a);
    }
  }
  if (positional.size() != 1 && positional.size() != 3) {
    usage();
    return kUsage;
  }
  int first = 1, model = 1;
  if (positional.size() == 3 &&
      (!parse_short(positional[1], first) || !parse_short(positional[2], model))) {
    std::fprintf(stderr, "qngen: FIRST and MODEL must be numbers from -32768 to 32767\n");
    return kUsage;
  }
  std::error_code ec;
  const std::string model_dir = fs::absolute(positional[0], ec).lexically_normal().string();
  if (ec || !fs::is_directory(model_dir)) {
    std::fprintf(stderr, "qngen: %s is not a directory\n", positional[0].c_str());
    return kUsage;
  }
  if (!user_given) user = qn::platform::system_user_name().value_or("");

  const std::vector<std::string> command = server_command();
  std::fprintf(stderr, "qngen: generator %s\n", command[0].c_str());
  std::string error;
  auto server = AutomationClient::start(command, &error);
  if (!server) {
    std::fprintf(stderr, "qngen: cannot start %s: %s\n", command[0].c_str(), error.c_str());
    return kFailed;
  }

  // Ctrl-C in the terminal reaches the server too; its dialog asks. qngen
  // stays to wait for the server and to report how the run ended.
  struct sigaction ignore {
  }, saved_int{};
  ignore.sa_handler = SIG_IGN;
  ::sigemptyset(&ignore.sa_mask);
  ::sigaction(SIGINT, &ignore, &saved_int);

  int errors_reported = 0;
  bool cancelled = false;
  // Objects generated and files written, as the server counted them.
  std::optional<std::pair<int, int>> summary;
  server->set_notification_handler([&](const std::string& method, const nlohmann::json& params) {
    if (method == "ErrorReported") ++errors_reported;
    if (method == "RunCancelled") cancelled = true;
    if (method == "RunSummary" && params.is_array() && params.size() == 2 &&
        params[0].is_number_integer() && params[1].is_number_integer()) {
      summary.emplace(params[0].get<int>(), params[1].get<int>());
    }
  });
  const auto started = std::chrono::steady_clock::now();

  int status = kFailed;
  try {
    if (!call_bool(*server, "SetModelPath", {model_dir})) {
      std::fprintf(stderr, "qngen: the generator cannot enter the model directory %s\n",
                   model_dir.c_str());
    } else if (!user.empty() && !call_bool(*server, "SetUserName", {user})) {
      std::fprintf(stderr, "qngen: the generator refused the user name %s\n", user.c_str());
    } else if (!call_bool(*server, "Generate", {first, model})) {
      std::fprintf(stderr, "qngen: the generation of model %d failed\n", model);
      status = kAnsweredFalse;
    } else if (cancelled) {
      std::fprintf(stderr, "qngen: the generation of model %d was cancelled\n", model);
      status = kCancelled;
    } else if (errors_reported > 0) {
      std::fprintf(stderr, "qngen: the generation of model %d reported %d error%s\n", model,
                   errors_reported, errors_reported == 1 ? "" : "s");
      status = kErrorsReported;
    } else {
      status = 0;
    }
  } catch (const AutomationError& e) {
    std::fprintf(stderr, "qngen: %s\n", e.what());
    status = kFailed;
  }

  server->release();
  const int server_status = server->wait();
  ::sigaction(SIGINT, &saved_int, nullptr);
  if (server_status != 0) {
    std::fprintf(stderr, "qngen: the generator ended with status %d\n", server_status);
    if (status == 0) status = kFailed;
  }
  // One line that sums the run up, below whatever the run showed.
  if (summary) {
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    auto plural = [](int n, const char* one, const char* many) {
      return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    std::fprintf(stderr, "qngen: %s generated, %s written, %s, %.1f s\n",
                 plural(summary->first, "object", "objects").c_str(),
                 plural(summary->second, "file", "files").c_str(),
                 plural(errors_reported, "error", "errors").c_str(), seconds);
  }
  return status;
}
