// The generator's folders form layers, bottom up; a file may include headers
// of its own layer and of the layers below it, never of one above. The rule
// folders under logic/ are one layer: rules call each other in cycles.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Layer {
  const char* folder;
  int level;
};
constexpr Layer kLayers[] = {
    {"platform", 0}, {"engine", 1}, {"host", 2}, {"config", 3},
    {"kb", 4},       {"logic", 5},  {"app", 6},
};

// The level of a path's first folder, -1 for a folder outside the layers
// (tools, tests and benchmarks sit on top of everything).
int level_of(const std::string& relative) {
  const std::string first = relative.substr(0, relative.find('/'));
  for (const Layer& l : kLayers) {
    if (first == l.folder) return l.level;
  }
  return -1;
}

// "file: include" for every include under root that names a header of a
// higher layer than the including file's.
std::vector<std::string> upward_includes(const fs::path& root) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*"([^"]+)\")");
  std::vector<std::string> found;
  for (const Layer& layer : kLayers) {
    const fs::path dir = root / layer.folder;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      std::ifstream in(entry.path());
      std::smatch m;
      for (std::string line; std::getline(in, line);) {
        if (!std::regex_search(line, m, kInclude)) continue;
        if (level_of(m[1].str()) > layer.level) {
          found.push_back(fs::relative(entry.path(), root).generic_string() + ": " + m[1].str());
        }
      }
    }
  }
  return found;
}

TEST(Layers, NoIncludeRunsUpward) {
  const std::vector<std::string> found = upward_includes(QN_SOURCE_DIR);
  std::string report;
  for (const std::string& f : found) report += "\n  " + f;
  EXPECT_TRUE(found.empty()) << "includes that run upward:" << report;
}

// The check itself: an include of a higher layer is found, one of the same
// or a lower layer, a system header and an outside folder are not.
TEST(Layers, CheckFindsAnUpwardInclude) {
  const fs::path root = fs::temp_directory_path() / ("qn_layers_" + std::to_string(::getpid()));
  fs::remove_all(root);
  struct File {
    const char* path;
    const char* text;
  } files[] = {
      {"host/a.cpp", "#include \"kb/model.h\"\n#include \"platform/path.h\"\n#include <string>\n"},
      {"platform/isam/b.h", "  # include \"engine/term.h\"\n#include \"platform/path.h\"\n"},
      {"logic/java/c.cpp", "#include \"logic/core/run.h\"\n#include \"tests/x.h\"\n#include \"app/g.h\"\n"},
      {"kb/d.txt", "#include \"app/g.h\"\n"},
  };
  for (const File& f : files) {
    fs::create_directories((root / f.path).parent_path());
    std::ofstream(root / f.path) << f.text;
  }
  std::vector<std::string> found = upward_includes(root);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{"host/a.cpp: kb/model.h", "logic/java/c.cpp: app/g.h",
                                             "platform/isam/b.h: engine/term.h"}));
  fs::remove_all(root);
}

}  // namespace
