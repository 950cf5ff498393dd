#include "kb/kb_open.h"

#include "kb/attribute_queries.h"
#include "kb/model_queries.h"

#include <cerrno>
#include <cstdlib>
#include <fstream>

#include "host/dialog.h"
#include "host/error_log.h"
#include "kb/model_select.h"
#include "platform/isam/isam.h"
#include "platform/path.h"
#include "platform/system_services.h"

namespace qn::kb {
namespace {

constexpr unsigned kMsgOpeningKb = 62054;

std::string g_param_file = "PEFILES";
bool g_open = false;
ModelSelector g_selector = &select_model;

bool readable(const std::string& name) {
  std::ifstream in(platform::map_path(name), std::ios::binary);
  return static_cast<bool>(in);
}

// Looks for PEFILES in the folders of FILEPATH (separated by ';').
void search_param_file() {
  const std::optional<std::string> list = platform::environment_value("FILEPATH");
  if (!list) return;
  const std::string& dirs = *list;
  size_t pos = 0;
  while (pos <= dirs.size()) {
    size_t end = dirs.find(';', pos);
    if (end == std::string::npos) end = dirs.size();
    std::string dir = dirs.substr(pos, end - pos);
    pos = end + 1;
    if (dir.empty()) continue;
    std::string candidate = platform::join_path(dir, "PEFILES");
    if (readable(candidate)) {
      g_param_file = candidate;
      return;
    }
  }
}

}  // namespace

int OpenKnowledgeBase(int model) {
  // The model may have changed since an earlier generation of this process:
  // key attributes kept from then are asked again.
  reset_attribute_queries();
  if (!readable(g_param_file)) {
    g_param_file = "PEFILES";
    if (!readable(g_param_file)) search_param_file();
  }
  host::show_status(host::MessageText(kMsgOpeningKb));
  getisam();
  host::clear_status();
  if (g_selector(model) == -1) return 0;
  set_current_model(model);
  return 1;
}

void getisam() {
  // The error log closes the set behind our back when it reports a failure.
  if (g_open && isam::IsamIsOpen()) return;
  if (isam::IsamOpenSet(g_param_file.c_str()) == isam::kIsamOk) {
    g_open = true;
    return;
  }
  const int sys_error = errno;
  const short error = isam::IsamLastError();
  // A model folder without a knowledge base is the commonest cause: the
  // internal error gets a line that says what to do.
  const bool none_here = error == isam::kIsamNoParamFile ||
                         (error == isam::kIsamCannotOpen && sys_error == ENOENT);
  try {
    if (error == isam::kIsamCannotOpen && sys_error == EACCES)
      host::LogError(host::kErrKbOpen, "");
    else if (error == isam::kIsamCannotOpen)
      host::LogError(host::kErrIsam, "getisam");
    else
      host::LogError(host::kErrKbOpen, "getisam");
  } catch (const host::CCTreeException& e) {
    if (!none_here) throw;
    std::string dir = platform::shown_path(platform::current_dir());
    while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
    throw host::CCTreeException(e.text() + "\nNo knowledge base in " + dir +
                                ": build one with `kbtool build DESCRIPTION " + dir + "`.");
  }
  throw host::CCTreeException("Internal Error in function getisam");
}

int close_isam() {
  if (g_open) {
    g_open = false;
    if (isam::IsamCloseSet() != isam::kIsamOk) host::LogError(host::kErrIsam, "close_isam");
  }
  return 0;
}

const std::string& param_file_name() { return g_param_file; }
void set_model_selector(ModelSelector selector) {
  g_selector = selector ? selector : &select_model;
}

}  // namespace qn::kb
