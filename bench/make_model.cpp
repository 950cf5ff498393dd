// make_model N DIR
//
// Writes a synthetic model of N objects into DIR (created when missing): the
// sample model's files (MODEL.INI, config.qn, M1.ARI, model.dat), a knowledge
// base with the sample's tables and attributes plus one object record per
// object, and one specification file per object in DEMO/MDL001/GEN00/. The
// objects take the sample's specification files in turn (web panel,
// procedure, report, menu, transactions, work panel, menu bar), each with
// its own number and name, so a run over the model does what a run over the
// sample does, N times.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "platform/isam/writer/kb_writer.h"

namespace {

namespace fs = std::filesystem;

const fs::path kSample = fs::path(QN_SOURCE_DIR) / "examples" / "sample-model";

std::string read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// One kind of object of the sample: its specification file and the object
// type of its knowledge-base record.
struct Kind {
  const char* spec;  // file in the sample's specification folder
  int type;
};

constexpr Kind kKinds[] = {
    {"h0001.spc", 13}, {"p0002.spc", 1}, {"r0003.spc", 1}, {"m0004.spc", 3},
    {"t0006.spc", 0},  {"t0007.spc", 0}, {"w0008.spc", 4}, {"b0009.spc", 17},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3 || std::atol(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: make_model N DIR\n");
    return 2;
  }
  const long n = std::atol(argv[1]);
  const fs::path dir = argv[2];
  const fs::path spec_dir = dir / "DEMO" / "MDL001" / "GEN00";
  fs::create_directories(spec_dir);
  for (const char* f : {"MODEL.INI", "config.qn", "M1.ARI", "model.dat"}) {
    fs::copy_file(kSample / f, dir / f, fs::copy_options::overwrite_existing);
  }

  // The sample's knowledge base without its objects, then N objects.
  std::ostringstream kb;
  std::istringstream sample_kb(read(kSample / "kb.txt"));
  for (std::string line; std::getline(sample_kb, line);) {
    if (line.starts_with("obj ") && line.find(" type=7 ") == std::string::npos) continue;
    kb << line << "\n";
  }
  const std::regex head(R"(spec_i\(\[(\w+), \d+, '([^']*)', '([^']*)')");
  for (long i = 1; i <= n; ++i) {
    const Kind& kind = kKinds[(i - 1) % std::size(kKinds)];
    const std::string text = read(kSample / "DEMO" / "MDL001" / "GEN00" / kind.spec);
    std::smatch m;
    if (!std::regex_search(text, m, head)) {
      std::fprintf(stderr, "make_model: no spec_i/1 in %s\n", kind.spec);
      return 1;
    }
    const std::string name = m[3].str() + std::to_string(i);
    const std::string spec = m.prefix().str() + "spec_i([" + m[1].str() + ", " + std::to_string(i) +
                             ", '" + m[2].str() + "', '" + name + "'" + m.suffix().str();
    char file[32];
    std::snprintf(file, sizeof file, "%c%06ld.spc", kind.spec[0], i);
    std::ofstream(spec_dir / file, std::ios::binary) << spec;
    kb << "obj model=1 type=" << kind.type << " number=" << i << " name=" << name << " text=\""
       << m[2].str().substr(0, 30) << "\"\n";
  }
  try {
    qn::isam::KbBuilder builder;
    builder.add_description(kb.str());
    builder.write(dir.string());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "make_model: %s\n", e.what());
    return 1;
  }
  return 0;
}
