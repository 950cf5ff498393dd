// GNU make as the judge of a generated make file: the file is written into a
// folder of its own with every source it names (each prerequisite no rule
// makes), `make -n -f FILE JAVAC=javac` runs, then again after each of ten
// touches of those sources. Test support only.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace qn::test::make {

namespace fs = std::filesystem;

inline bool available() { return std::system("make --version >/dev/null 2>&1") == 0; }

// make -n on file in dir: its output, and the exit status.
inline int make_n(const fs::path& dir, const std::string& file, std::string& output) {
  const std::string cmd = "cd '" + dir.string() + "' && make -n -f '" + file + "' JAVAC=javac 2>&1";
  FILE* p = ::popen(cmd.c_str(), "r");
  if (!p) return -1;
  char buf[512];
  output.clear();
  while (std::fgets(buf, sizeof buf, p)) output += buf;
  return ::pclose(p);
}

// Empty when make accepts the file every time without a warning (an
// overriding recipe included); else what went wrong, with make's output.
inline std::string check_make_n(const std::string& file, const std::vector<std::string>& lines) {
  const fs::path dir = fs::temp_directory_path() / ("qn_make_" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  {
    std::ofstream o(dir / file, std::ios::binary);
    for (const std::string& l : lines) o << l << '\n';
  }
  // The sources the rules name: every prerequisite that no rule makes.
  std::set<std::string> targets, prereqs;
  static const std::regex rule(R"(^((?:\\ |[^ :\t])+) : ((?:\\ |[^ ])+)$)");
  for (const std::string& l : lines) {
    std::smatch m;
    if (std::regex_match(l, m, rule)) {
      targets.insert(m[1]);
      prereqs.insert(m[2]);
    }
  }
  std::string report;
  if (targets.empty()) report = file + " has no rule\n";
  static const std::regex escaped_blank(R"(\\ )");
  for (const std::string& p : prereqs) {
    if (targets.count(p)) continue;
    const fs::path f = dir / std::regex_replace(p, escaped_blank, " ");
    fs::create_directories(f.parent_path());
    std::ofstream(f) << "x";
  }
  std::string out;
  for (int round = 0; round <= 10 && report.empty(); ++round) {
    if (round > 0) {
      for (const std::string& p : prereqs) {
        const fs::path f = dir / std::regex_replace(p, escaped_blank, " ");
        if (fs::exists(f)) fs::last_write_time(f, fs::file_time_type::clock::now());
      }
    }
    const int status = make_n(dir, file, out);
    if (status != 0) {
      report += file + ": make -n ended with status " + std::to_string(status) + " in round " +
                std::to_string(round) + ":\n" + out;
    } else if (out.find("overriding recipe") != std::string::npos ||
               out.find("warning") != std::string::npos) {
      report += file + ": make warned in round " + std::to_string(round) + ":\n" + out;
    }
  }
  fs::remove_all(dir);
  return report;
}

}  // namespace qn::test::make
