// Golden cases of generated files, for the tests of a rule area.
//
// A case is a folder <area>/testdata/<case>/ holding
//   facts.pl   the specification facts of one object, as a specification
//              file holds them (spec_i([Kind, Number, Title, Name | Rest]) ...)
//   kb.txt     a knowledge-base description, when the rules read one
//   expected/  every file the object's generation writes, byte for byte
//   NOTES.md   which rule writes which lines
// The case runs as the object loop runs one specification file, with the
// output captured; the files written go to <build>/golden/<area>/<case>/actual/
// (scripts/golden-update copies them over expected/). Test support only.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "kb/kb_open.h"
#include "kb/model_queries.h"
#include "logic/driver/gen_main.h"
#include "logic/core/run.h"
#include "logic/core/spec_files.h"
#include "logic/java/java_pass.h"
#include "platform/isam/writer/kb_writer.h"

namespace qn::logic::golden {

namespace fs = std::filesystem;

inline std::string read_text(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

inline std::vector<std::string> split_lines(const std::string& text) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t nl = text.find('\n', at);
    if (nl == std::string::npos) nl = text.size();
    out.push_back(text.substr(at, nl - at));
    at = nl + 1;
  }
  return out;
}

// The case folders of an area, sorted; a folder counts when it holds facts.pl.
inline std::vector<std::string> case_names(const fs::path& area_dir) {
  std::vector<std::string> names;
  const fs::path dir = area_dir / "testdata";
  if (!fs::is_directory(dir)) return names;
  for (const auto& e : fs::directory_iterator(dir)) {
    if (e.is_directory() && fs::exists(e.path() / "facts.pl"))
      names.push_back(e.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

struct File {
  std::string name;
  std::string text;
};

struct Outcome {
  std::vector<File> files;
  std::string error;  // why the case could not run; empty when it ran
};

namespace detail {

inline int select_cached_model(int model) {
  kb::set_model_block_size(kb::kModelBlockSize);
  kb::mdl_info(model);
  return model;
}

// The knowledge base of a case, built into a folder of its own that is the
// current directory while the case runs.
class CaseKb {
 public:
  CaseKb(const fs::path& description, int model) {
    old_cwd_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("qn_golden_kb_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    try {
      isam::KbBuilder b;
      b.add_description(read_text(description));
      b.write(dir_.string());
      // The case's folder is the model's (model.dat marks it): the program
      // files a case rebuilds go there and leave with it, never to the
      // next case.
      std::ofstream(dir_ / "model.dat") << "";
      fs::current_path(dir_);
      kb::close_isam();
      kb::reset_model_queries();
      kb::set_model_selector(&select_cached_model);
      kb::OpenKnowledgeBase(model);
    } catch (...) {
      restore();
      throw;
    }
  }
  ~CaseKb() { restore(); }
  CaseKb(const CaseKb&) = delete;
  CaseKb& operator=(const CaseKb&) = delete;

 private:
  void restore() {
    try {
      kb::close_isam();
    } catch (...) {
      // A failed close has been logged; the case's outcome stands.
    }
    kb::set_model_selector(nullptr);
    kb::reset_model_queries();
    std::error_code ec;
    fs::current_path(old_cwd_, ec);
    fs::remove_all(dir_, ec);
  }

  fs::path dir_, old_cwd_;
};

}  // namespace detail

// What a rule area's runner adds to a case: stand-ins installed before the
// object runs, and the end of the pass (java_gen_end/1) after it.
struct Options {
  std::function<void(Run&)> prepare;
  bool pass_end = false;
};

// Runs one case: its facts as the object's specification file, its
// knowledge base when it has one, and the object handed to the generator of
// its kind, as the object loop does. The model is model_num_i/1's, else 1.
inline Outcome run_case(const fs::path& case_dir, const Options& options = {}) {
  Outcome out;
  try {
    engine::Engine eng;
    Run run(eng);
    EmitCapture& capture = run.capture_output();
    if (!load_spec_file(run, (case_dir / "facts.pl").string())) {
      out.error = "facts.pl cannot be read";
      return out;
    }
    const auto spec = spec_list(run);
    const auto items = spec ? spec->list_items() : std::vector<engine::Term>{};
    if (items.size() < 4 || !items[1].is_int()) {
      out.error = "facts.pl has no spec_i([Kind, Number, Title, Name | Rest])";
      return out;
    }
    int64_t model = 1;
    if (auto m =
            run.facts().first(engine::Term::compound("model_num_i", {engine::Term::fresh_var()}));
        m && m->arg(1).is_int()) {
      model = m->arg(1).as_int();
    }
    std::unique_ptr<detail::CaseKb> kb;
    if (fs::exists(case_dir / "kb.txt")) {
      kb = std::make_unique<detail::CaseKb>(case_dir / "kb.txt", static_cast<int>(model));
      // The model is named as a run names it (its pair and its model files).
      const engine::Term m = engine::Term::integer(model);
      if (!run.facts().exists(engine::Term::compound("model_i", {engine::Term::fresh_var(), engine::Term::fresh_var()}))) {
        run.facts().assertz(engine::Term::compound("model_i", {m, m}));
      }
      if (!run.facts().exists(engine::Term::compound("model_num_i", {engine::Term::fresh_var()}))) {
        run.facts().assertz(engine::Term::compound("model_num_i", {m}));
      }
    }
    if (!kb) {
      // Without a knowledge base the case's object calls no program.
      run.stand_in_host("i_called_pgms", 4, [](Run&, std::span<engine::Term> a) {
        a[3] = engine::Term::list({});
        return true;
      });
    }
    if (options.prepare) options.prepare(run);
    object_aux_names(run);
    dispatch_object(run, model, items[0], items[1].as_int(), spec->tail().tail());
    if (options.pass_end) java_gen_end(run, model);
    for (const CapturedFile& f : capture.files) {
      File file;
      const std::size_t cut = f.path.find_last_of("\\/");
      file.name = cut == std::string::npos ? f.path : f.path.substr(cut + 1);
      for (const std::string& l : f.lines) {
        // A header's time of generation changes from run to run.
        const std::size_t when = l.find("Generated on:");
        file.text += (when == std::string::npos ? l : l.substr(0, when) + "Generated on: <when>") + "\n";
      }
      if (!f.closed) out.error += file.name + " was left open. ";
      for (const File& seen : out.files) {
        if (seen.name == file.name) out.error += file.name + " was written twice. ";
      }
      out.files.push_back(std::move(file));
    }
  } catch (const std::exception& e) {
    out.error = std::string("the case ended with an exception: ") + e.what();
  }
  return out;
}

// A unified diff of two texts by lines (expected as "-", actual as "+"),
// three lines of context, at most max_lines lines.
inline std::string unified_diff(const std::string& expected, const std::string& actual,
                                const std::string& name, std::size_t max_lines = 40) {
  const std::vector<std::string> a = split_lines(expected), b = split_lines(actual);
  const std::size_t n = a.size(), m = b.size();
  // Longest common subsequence, from the ends.
  std::vector<std::vector<uint32_t>> lcs(n + 1, std::vector<uint32_t>(m + 1, 0));
  for (std::size_t i = n; i-- > 0;) {
    for (std::size_t j = m; j-- > 0;) {
      lcs[i][j] = a[i] == b[j] ? lcs[i + 1][j + 1] + 1 : std::max(lcs[i + 1][j], lcs[i][j + 1]);
    }
  }
  struct Op {
    char tag;
    std::size_t ai, bi;  // line numbers (0-based) in a and b
  };
  std::vector<Op> ops;
  std::size_t i = 0, j = 0;
  while (i < n || j < m) {
    if (i < n && j < m && a[i] == b[j]) {
      ops.push_back({' ', i++, j++});
    } else if (i < n && (j == m || lcs[i + 1][j] >= lcs[i][j + 1])) {
      ops.push_back({'-', i++, j});  // removals before additions, as diff shows them
    } else {
      ops.push_back({'+', i, j++});
    }
  }
  std::vector<std::string> out{"--- expected/" + name, "+++ actual/" + name};
  constexpr std::size_t kContext = 3;
  for (std::size_t k = 0; k < ops.size();) {
    if (ops[k].tag == ' ') {
      ++k;
      continue;
    }
    // A hunk: from kContext lines before this change to kContext after the
    // last change closer than 2 * kContext to the one before it.
    std::size_t start = k >= kContext ? k - kContext : 0;
    std::size_t end = k;
    for (std::size_t q = k; q < ops.size(); ++q) {
      if (ops[q].tag != ' ')
        end = q;
      else if (q - end > 2 * kContext)
        break;
    }
    end = std::min(ops.size(), end + kContext + 1);
    std::size_t a_count = 0, b_count = 0;
    for (std::size_t q = start; q < end; ++q) {
      if (ops[q].tag != '+') ++a_count;
      if (ops[q].tag != '-') ++b_count;
    }
    out.push_back("@@ -" + std::to_string(ops[start].ai + 1) + "," + std::to_string(a_count) +
                  " +" + std::to_string(ops[start].bi + 1) + "," + std::to_string(b_count) + " @@");
    for (std::size_t q = start; q < end; ++q) {
      const std::string& text = ops[q].tag == '+' ? b[ops[q].bi] : a[ops[q].ai];
      out.push_back(std::string(1, ops[q].tag) + text);
    }
    k = end;
  }
  if (!expected.empty() && expected.back() != '\n')
    out.push_back("\\ expected has no newline at its end");
  if (!actual.empty() && actual.back() != '\n')
    out.push_back("\\ actual has no newline at its end");
  std::string text;
  for (std::size_t q = 0; q < out.size() && q < max_lines; ++q) text += out[q] + "\n";
  if (out.size() > max_lines)
    text += "... (" + std::to_string(out.size() - max_lines) + " more lines)\n";
  return text;
}

// Writes the actual files of a case into actual_dir (emptied first) and
// compares them with the expected folder. Empty when every file is the
// same, else a report with the first lines of a diff of each difference.
inline std::string compare(const fs::path& expected_dir, const Outcome& outcome,
                           const fs::path& actual_dir) {
  fs::remove_all(actual_dir);
  fs::create_directories(actual_dir);
  for (const File& f : outcome.files)
    std::ofstream(actual_dir / f.name, std::ios::binary) << f.text;

  std::string report = outcome.error;
  if (!report.empty()) report += "\n";
  std::vector<std::string> expected;
  if (fs::is_directory(expected_dir)) {
    for (const auto& e : fs::directory_iterator(expected_dir)) {
      if (e.is_regular_file()) expected.push_back(e.path().filename().string());
    }
  }
  std::sort(expected.begin(), expected.end());
  for (const std::string& name : expected) {
    const auto it = std::find_if(outcome.files.begin(), outcome.files.end(),
                                 [&](const File& f) { return f.name == name; });
    if (it == outcome.files.end()) {
      report += "expected/" + name + " was not written\n";
    } else {
      const std::string want = read_text(expected_dir / name);
      if (want != it->text) report += unified_diff(want, it->text, name);
    }
  }
  for (const File& f : outcome.files) {
    if (std::find(expected.begin(), expected.end(), f.name) == expected.end()) {
      report += f.name + " was written but is not expected\n";
    }
  }
  if (!report.empty()) {
    report += "actual files: " + actual_dir.string() +
              "\n(after checking them, scripts/golden-update copies them over expected/)\n";
  }
  return report;
}

}  // namespace qn::logic::golden
