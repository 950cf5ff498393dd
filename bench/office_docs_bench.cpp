// The document classes through their late-bound calls into the scripted
// spreadsheet server (recording off): Put and Get of one cell, 10,000 pairs
// on one workbook (AutoFit on, as objects are made); and 1,000 Open/Close cycles of one existing workbook,
// each Open starting the application and each Close quitting it.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "office/excel/qn_excel.h"
#include "tests/office_servers/excel_server.h"
#include "tests/office_servers/test_registry.h"

namespace {

using namespace qn::com;
using qn::office::CQnExcel;
using qn::office::IQnExcel;
namespace servers = qn::office_servers;

// A registry with the servers, and its folder as the current directory.
struct Setup {
  Setup() : old(std::filesystem::current_path()) {
    std::filesystem::current_path(registry.dir());
    servers::excel::server().set_recording(false);
  }
  ~Setup() { std::filesystem::current_path(old); }
  servers::TestRegistry registry;
  std::filesystem::path old;
};

Ref<IQnExcel> make_excel() {
  Ref<IQnExcel> x;
  CQnExcel::create<CQnExcel>(nullptr, qn::office::IID_IQnExcel, reinterpret_cast<void**>(x.put()));
  return x;
}

void BM_PutGetPairs(benchmark::State& state) {
  Setup setup;
  Ref<IQnExcel> x = make_excel();
  BSTR name = bstr_from_1252("bench");
  SHORT h = -1, code = 0;
  x->Open(name, &h, &code);
  SysFreeString(name);
  VARIANT value = i4_variant(0);
  VARIANT back;
  VariantInit(&back);
  for (auto _ : state) {
    for (LONG i = 0; i < 10000; ++i) {
      value.lVal = i;
      x->Put(h, 1 + i % 100, 1 + i % 10, value, &code);
      x->Get(h, 1 + i % 100, 1 + i % 10, &back, &code);
    }
  }
  if (code != 0 || back.lVal != 9999) state.SkipWithError("a pair failed");
  VariantClear(&back);
}
BENCHMARK(BM_PutGetPairs)->Unit(benchmark::kMillisecond);

void BM_OpenCloseCycles(benchmark::State& state) {
  Setup setup;
  Ref<IQnExcel> x = make_excel();
  BSTR name = bstr_from_1252("cycle");
  SHORT h = -1, code = 0;
  x->Open(name, &h, &code);  // made once; every cycle opens the saved file
  x->Close(h, &code);
  for (auto _ : state) {
    for (int i = 0; i < 1000; ++i) {
      x->Open(name, &h, &code);
      x->Close(h, &code);
    }
  }
  if (code != 0 || h != 0) state.SkipWithError("a cycle failed");
  SysFreeString(name);
}
BENCHMARK(BM_OpenCloseCycles)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
