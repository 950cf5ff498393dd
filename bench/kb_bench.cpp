// Keyed reads and next-reads on a knowledge base of 100,000 attribute
// records, through the indexed files and through the attribute accessor.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "kb/kb_open.h"
#include "kb/kb_records.h"
#include "platform/isam/isam.h"
#include "platform/isam/writer/kb_writer.h"

namespace {

namespace fs = std::filesystem;
using namespace qn::kb;
using namespace qn::isam;

constexpr int kModels = 10;
constexpr int kPerModel = 10000;  // numbers 0..9999 of each model: 100,000 records

// Builds the knowledge base once into a temporary folder, opens it and makes
// that folder the current directory (so the accessors find PEFILES).
struct Kb {
  fs::path dir;
  Kb() {
    dir = fs::temp_directory_path() / ("kb_bench_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    KbBuilder b;
    for (int m = 1; m <= kModels; ++m)
      for (int n = 0; n < kPerModel; ++n)
        b.add("att", {{"model", std::to_string(m)},
                      {"number", std::to_string(n)},
                      {"class", std::to_string(n / 8 * 8)},
                      {"name", "ATTRIBUTE" + std::to_string(n)},
                      {"length", "10"}});
    b.write(dir.string());
    fs::current_path(dir);
    getisam();
  }
  ~Kb() {
    close_isam();
    fs::remove_all(dir);
  }
};

Kb& kb() {
  static Kb instance;
  return instance;
}

std::vector<AttRecord> random_keys(size_t n) {
  std::mt19937 rng(42);
  std::vector<AttRecord> keys(n);
  for (auto& k : keys) {
    k.model = 1;  // a generation reads one model
    k.number = static_cast<int16_t>(rng() % kPerModel);
  }
  return keys;
}

void BM_IsamReadEqual(benchmark::State& state) {
  kb();
  std::vector<std::vector<uint8_t>> keys;
  for (const auto& k : random_keys(4096)) {
    char image[16];
    std::snprintf(image, sizeof image, "p%03d%04d", k.model, k.number);
    uint8_t key[kIsamMaxKeyLength];
    const short n = IsamBuildKey(9, image, key, 0, 0);
    keys.emplace_back(key, key + n);
  }
  uint8_t rec[256];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(IsamReadEqual(9, keys[i++ & 4095].data(), rec));
  }
}
BENCHMARK(BM_IsamReadEqual);

void BM_IsamReadNext(benchmark::State& state) {
  kb();
  uint8_t key[kIsamMaxKeyLength] = {};
  uint8_t rec[256];
  IsamReadGreaterEqual(9, key, rec);
  for (auto _ : state) {
    if (IsamReadNext(9, rec) != kIsamOk) IsamReadGreaterEqual(9, key, rec);
  }
}
BENCHMARK(BM_IsamReadNext);

void BM_AttReadEqual(benchmark::State& state) {
  kb();
  const auto keys = random_keys(4096);
  AttRecord rec;
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(att(kOpReadEqual, 0, keys[i++ & 4095], rec));
  }
}
BENCHMARK(BM_AttReadEqual);

// Op 6 in mode 3: the attributes of one class, eight to a class.
void BM_AttNextSameClass(benchmark::State& state) {
  kb();
  AttRecord key, rec;
  key.model = 1;
  key.class_att = 0;
  att(kOpReadEqual, 3, key, rec);
  for (auto _ : state) {
    if (att(kOpNextSameKey, 3, key, rec) != kKbDone) {
      key.class_att = static_cast<int16_t>((key.class_att + 8) % kPerModel);
      att(kOpReadEqual, 3, key, rec);
    }
  }
}
BENCHMARK(BM_AttNextSameClass);

}  // namespace

BENCHMARK_MAIN();
