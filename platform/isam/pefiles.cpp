#include "platform/isam/pefiles.h"

#include <fstream>
#include <sstream>

#include "platform/cp1252.h"
#include "platform/path.h"

namespace qn::isam {
namespace {

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t\r");
  return s.substr(b, e - b + 1);
}

}  // namespace

ParamStatus read_param_file(const std::string& path, ParamFile& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return ParamStatus::kUnreadable;
  std::string line;
  std::string name;
  while (std::getline(in, line)) {
    line = trim(line);
    if (line.empty() || line[0] == '#') continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    if (platform::iequals_1252(trim(line.substr(0, eq)), "DATABASE"))
      name = trim(line.substr(eq + 1));
  }
  if (in.bad()) return ParamStatus::kUnreadable;
  if (name.empty()) return ParamStatus::kNoDatabase;
  if (platform::is_separator(name[0])) {
    out.database_path = name;
  } else {
    size_t slash = path.find_last_of("/\\");
    out.database_path =
        slash == std::string::npos ? name : platform::join_path(path.substr(0, slash), name);
  }
  return ParamStatus::kOk;
}

std::string param_file_text(const std::string& database_name) {
  return "# Knowledge base: the database file, relative to this file's folder.\nDATABASE=" +
         database_name + "\n";
}

}  // namespace qn::isam
