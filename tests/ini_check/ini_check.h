// Python's configparser as the judge of a generated configuration file:
// strict (no section or key twice), without interpolation, keys kept as
// written. Test support only.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace qn::test::ini {

// Empty when the reader reads the file and finds every key (every line with
// a '='); else what went wrong, with the reader's words.
inline std::string strict_ini_errors(const std::string& name, const std::string& text) {
  namespace fs = std::filesystem;
  if (std::system("python3 -c 'import configparser' >/dev/null 2>&1") != 0)
    return "python3 is missing: install the Debian package python3";
  const fs::path file =
      fs::temp_directory_path() / ("qn_cfg_" + std::to_string(::getpid()) + "_" + name);
  std::ofstream(file, std::ios::binary) << text;
  const std::string cmd =
      "python3 -c 'import configparser, sys\n"
      "c = configparser.ConfigParser(strict=True, interpolation=None)\n"
      "c.optionxform = str\n"
      "c.read_file(open(sys.argv[1], encoding=\"latin-1\"))\n"
      "print(sum(len(c[s]) for s in c.sections()))' '" +
      file.string() + "' 2>&1";
  std::string out;
  FILE* p = ::popen(cmd.c_str(), "r");
  if (p) {
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
  }
  const int status = p ? ::pclose(p) : -1;
  fs::remove(file);
  if (status != 0) return name + ": " + out;
  size_t keys = 0;
  for (size_t at = 0; at < text.size();) {
    size_t nl = text.find('\n', at);
    if (nl == std::string::npos) nl = text.size();
    if (text.find('=', at) < nl) ++keys;
    at = nl + 1;
  }
  if (out != std::to_string(keys) + "\n")
    return name + ": the reader found " + out + " keys of " + std::to_string(keys);
  return "";
}

}  // namespace qn::test::ini
