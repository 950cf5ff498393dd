// The generator's folders form layers, bottom up; a file may include headers
// of its own layer and of the layers below it, never of one above. The rule
// folders under logic/ are one layer: rules call each other in cycles. The
// runtime modules (office/, remote/) stand beside the generator on the
// platform layer alone: neither side includes the other.
//
// Two narrower rules hold for production code (tests and fuzz targets may
// reach further to set up what they check): the rule program reaches the
// host, config and knowledge-base layers through one crossing file only, and
// only the platform layer includes operating-system headers.
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

// The one file of logic/ that includes host/, config/ and kb/ headers.
constexpr std::string_view kCrossingFile = "logic/core/host_interface.cpp";

// Tests, fuzz targets and the headers that serve only them.
bool is_test_code(const std::string& relative) {
  static const std::regex kTest(R"((_test|_fuzz)\.cpp$|(test|fixture)[^/]*\.h$)");
  return std::regex_search(relative, kTest) || relative == "logic/core/golden.h";
}

// The include rules, each giving a reason when a file (path relative to the
// root) may not include a header.
const char* broken_rule(const Layer& layer, const std::string& file, const std::string& header,
                        bool system) {
  static const std::regex kOsHeader(R"(^(unistd|fcntl|dlfcn)\.h$|^sys/)");
  if (system) {
    if (layer.level > 0 && !is_test_code(file) && std::regex_search(header, kOsHeader))
      return "an operating-system header above platform/";
    return nullptr;
  }
  if (!allowed(layer, layer_of(header))) return "runs upward";
  const std::string first = header.substr(0, header.find('/'));
  if (std::string_view(layer.folder) == "logic" && file != kCrossingFile && !is_test_code(file) &&
      (first == "host" || first == "config" || first == "kb")) {
    return "logic/ past its crossing file";
  }
  return nullptr;
}

// Calls each(layer, path relative to root, match) for every line of every
// source file under the layers' folders that the pattern finds.
template <class Each>
void for_each_match(const fs::path& root, const std::regex& pattern, Each each) {
  for (const Layer& layer : kLayers) {
    const fs::path dir = root / layer.folder;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::recursive_directory_iterator(dir)) {
      const std::string ext = entry.path().extension().string();
      if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp")) continue;
      const fs::path relative = fs::relative(entry.path(), root);
      std::ifstream in(entry.path());
      std::smatch m;
      for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, m, pattern)) each(layer, relative, m);
      }
    }
  }
}

// "file: header (reason)" for every include under root that breaks a rule.
std::vector<std::string> broken_includes(const fs::path& root) {
  static const std::regex kInclude(R"(^\s*#\s*include\s*(["<])([^">]+)[">])");
  std::vector<std::string> found;
  for_each_match(root, kInclude,
                 [&](const Layer& layer, const fs::path& relative, const std::smatch& m) {
                   const std::string file = relative.generic_string();
                   if (const char* why = broken_rule(layer, file, m[2].str(), m[1].str() == "<"))
                     found.push_back(file + ": " + m[2].str() + " (" + why + ")");
                 });
  return found;
}

// "file: qn::name" for every namespace a file opens that is not named after
// its folder: the top folder (qn::logic for logic/java/), or below platform/
// the service's own folder (qn::com for platform/com/rpc/).
std::vector<std::string> misnamed_namespaces(const fs::path& root) {
  static const std::regex kNamespace(R"(^namespace qn(::(\w+))?)");
  std::vector<std::string> found;
  for_each_match(root, kNamespace,
                 [&](const Layer&, const fs::path& relative, const std::smatch& m) {
                   std::vector<std::string> folders;
                   for (const auto& part : relative.parent_path()) folders.push_back(part.string());
                   const std::string name = m[2].str();
                   const bool below_platform = folders.size() > 1 && folders[0] == "platform";
                   if (name != folders[0] && !(below_platform && name == folders[1]))
                     found.push_back(relative.generic_string() + ": qn::" + name);
                 });
  return found;
}

TEST(Layers, EachFolderHasItsNamespace) {
  const std::vector<std::string> found = misnamed_namespaces(QN_SOURCE_DIR);
  std::string report;
  for (const std::string& f : found) report += "\n  " + f;
  EXPECT_TRUE(found.empty()) << "namespaces not named after their folder:" << report;
  // The check itself.
  const fs::path fake = fs::temp_directory_path() / ("qn_namespaces_" + std::to_string(::getpid()));
  fs::remove_all(fake);
  for (const auto& [path, text] : std::vector<std::pair<std::string, std::string>>{
           {"app/a.cpp", "namespace qn::host {\n"},
           {"platform/isam/b.h", "namespace qn::kb {\n}  // namespace qn::kb\n"},
           {"platform/com/rpc/c.h", "namespace qn::com {\n"},
           {"logic/java/d.cpp", "namespace qn::logic {\nnamespace {\n"},
       }) {
    fs::create_directories((fake / path).parent_path());
    std::ofstream(fake / path) << text;
  }
  std::vector<std::string> wrong = misnamed_namespaces(fake);
  std::sort(wrong.begin(), wrong.end());
  EXPECT_EQ(wrong, (std::vector<std::string>{"app/a.cpp: qn::host", "platform/isam/b.h: qn::kb"}));
  fs::remove_all(fake);
}

TEST(Layers, EveryIncludeKeepsTheRules) {
  const std::vector<std::string> found = broken_includes(QN_SOURCE_DIR);
  std::string report;
  for (const std::string& f : found) report += "\n  " + f;
  EXPECT_TRUE(found.empty()) << "includes that break the layers:" << report;
}

// The check itself: an include of a higher layer or of another deliverable
// is found, and so are logic/ reaching past its crossing file and an
// operating-system header above platform/; one of the same or a lower
// layer, other system headers, tests and an outside folder are not.
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
      {"logic/core/host_interface.cpp", "#include \"kb/k.h\"\n#include \"host/h.h\"\n"},
      {"logic/core/g.cpp", "#include \"config/c.h\"\n#include <sys/stat.h>\n"},
      {"logic/core/g_test.cpp", "#include \"kb/k.h\"\n#include <unistd.h>\n"},
      {"platform/p.cpp", "#include <fcntl.h>\n#include <dlfcn.h>\n"},
      {"config/q.cpp", "#include <fcntl.h>\n#include <cerrno>\n#include <system_error>\n"},
      {"remote/r.cpp", "#include <dlfcn.h>\n"},
  };
  for (const File& f : files) {
    fs::create_directories((root / f.path).parent_path());
    std::ofstream(root / f.path) << f.text;
  }
  std::vector<std::string> found = broken_includes(root);
  std::sort(found.begin(), found.end());
  const std::string up = " (runs upward)";
  const std::string os = " (an operating-system header above platform/)";
  EXPECT_EQ(found, (std::vector<std::string>{
                       "app/f.cpp: office/o.h" + up,
                       "config/q.cpp: fcntl.h" + os,
                       "host/a.cpp: kb/model.h" + up,
                       "logic/core/g.cpp: config/c.h (logic/ past its crossing file)",
                       "logic/core/g.cpp: sys/stat.h" + os,
                       "logic/java/c.cpp: app/g.h" + up,
                       "office/e.cpp: engine/term.h" + up,
                       "office/e.cpp: remote/r.h" + up,
                       "platform/isam/b.h: engine/term.h" + up,
                       "remote/r.cpp: dlfcn.h" + os,
                   }));
  fs::remove_all(root);
}

}  // namespace
