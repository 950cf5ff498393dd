// The generator's folders form layers, bottom up; a file may include headers
// of its own layer and of the layers below it, never of one above. The rule
// folders under logic/ are one layer: rules call each other in cycles. The
// runtime modules (office/, remote/) stand beside the generator on the
// platform layer alone: neither side includes the other.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Layer {
  const char* folder;
  int level;
  const char* stack;  // the layers of one deliverable; platform/ serves all
};
constexpr Layer kLayers[] = {
    {"platform", 0, ""},        {"engine", 1, "generator"}, {"host", 2, "generator"},
    {"config", 3, "generator"}, {"kb", 4, "generator"},     {"logic", 5, "generator"},
    {"app", 6, "generator"},    {"office", 1, "office"},    {"remote", 1, "remote"},
};

// The layer of a path's first folder; null for a folder outside the layers
// (tools, tests and benchmarks sit on top of everything).
const Layer* layer_of(const std::string& relative) {
  const std::string first = relative.substr(0, relative.find('/'));
  for (const Layer& l : kLayers) {
    if (first == l.folder) return &l;
  }
  return nullptr;
}

bool allowed(const Layer& from, const Layer* to) {
  if (to == nullptr) return true;
  if (to->level > from.level) return false;
  return to->level == 0 || std::string_view(to->stack) == from.stack;
}

// "file: include" for every include under root that names a header of a
// higher layer than the including file's, or of another deliverable.
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
        if (!allowed(layer, layer_of(m[1].str()))) {
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

// The check itself: an include of a higher layer or of another deliverable
// is found; one of the same or a lower layer, a system header and an outside
// folder are not.
TEST(Layers, CheckFindsAnUpwardInclude) {
  const fs::path root = fs::temp_directory_path() / ("qn_layers_" + std::to_string(::getpid()));
  fs::remove_all(root);
  struct File {
    const char* path;
    const char* text;
  } files[] = {
      {"host/a.cpp", "#include \"kb/model.h\"\n#include \"platform/path.h\"\n#include <string>\n"},
      {"platform/isam/b.h", "  # include \"engine/term.h\"\n#include \"platform/path.h\"\n"},
      {"logic/java/c.cpp",
       "#include \"logic/core/run.h\"\n#include \"tests/x.h\"\n#include \"app/g.h\"\n"},
      {"kb/d.txt", "#include \"app/g.h\"\n"},
      {"office/e.cpp",
       "#include \"office/mail/m.h\"\n#include \"platform/com/c.h\"\n"
       "#include \"engine/term.h\"\n#include \"remote/r.h\"\n"},
      {"app/f.cpp", "#include \"office/o.h\"\n#include \"logic/core/run.h\"\n"},
  };
  for (const File& f : files) {
    fs::create_directories((root / f.path).parent_path());
    std::ofstream(root / f.path) << f.text;
  }
  std::vector<std::string> found = upward_includes(root);
  std::sort(found.begin(), found.end());
  EXPECT_EQ(found, (std::vector<std::string>{
                       "app/f.cpp: office/o.h", "host/a.cpp: kb/model.h",
                       "logic/java/c.cpp: app/g.h", "office/e.cpp: engine/term.h",
                       "office/e.cpp: remote/r.h", "platform/isam/b.h: engine/term.h"}));
  fs::remove_all(root);
}

}  // namespace
