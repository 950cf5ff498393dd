// Remote calls on loopback between this program and a server process it
// forks: a small call (SendHandle) and Execute carrying a 1 MiB byte array
// there and back. Aims: under 50 µs and under 5 ms.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/com/rpc/runtime.h"
#include "tests/remote/test_objects.h"

namespace {

using namespace qn::com;
using namespace qn::remote;

struct Remote {
  IDComApplicationServer* app = nullptr;
  IQNDComRemoteProcedure* proc = nullptr;

  Remote() {
    const auto file = std::filesystem::temp_directory_path() /
                      ("qn_remote_bench_" + std::to_string(::getpid()) + ".ini");
    ::setenv("QN_REGISTRY_FILE", file.c_str(), 1);
    // The secrets' folder: private, and gone with the server's exit.
    char folder[] = "/tmp/qn_remote_bench_XXXXXX";
    if (!::mkdtemp(folder)) std::abort();
    ::setenv("QN_RPC_DIR", folder, 1);
    void* module = ::dlopen(QN_REMOTE_MODULE, RTLD_NOW | RTLD_LOCAL);
    if (!module) std::abort();
    reinterpret_cast<DllRegisterServerFn>(::dlsym(module, "DllRegisterServer"))();
    int up[2], keep[2];
    if (::pipe(up) != 0 || ::pipe(keep) != 0) std::abort();
    if (::fork() == 0) {
      ::close(up[0]);
      ::close(keep[1]);
      auto* server = new testing::AppServer(0);
      std::vector<std::uint8_t> ref;
      CoMarshalInterface(server, IID_IDComApplicationServer, &ref);
      const std::string text = objref_to_text(ref) + "\n";
      (void)!::write(up[1], text.data(), text.size());
      char c;
      while (::read(keep[0], &c, 1) > 0) {
      }
      ::_exit(0);  // the parent is gone
    }
    ::close(up[1]);
    ::close(keep[0]);
    std::string text;
    char c;
    while (::read(up[0], &c, 1) == 1 && c != '\n') text.push_back(c);
    auto ref = objref_from_text(text);
    if (FAILED(CoUnmarshalInterface(ref.data(), ref.size(), IID_IDComApplicationServer,
                                    reinterpret_cast<void**>(&app))))
      std::abort();
    BSTR name = bstr_from_1252("bench");
    app->GetRemoteProcedure(name, 1, &proc);
    SysFreeString(name);
    std::filesystem::remove(file);
    std::filesystem::remove_all(folder);  // the connection is made
  }
};

Remote& remote() {
  static Remote r;
  return r;
}

void BM_SendHandle(benchmark::State& state) {
  IDComApplicationServer* app = remote().app;
  for (auto _ : state) benchmark::DoNotOptimize(app->SendHandle(1));
}
BENCHMARK(BM_SendHandle);

void BM_ExecuteOneMiB(benchmark::State& state) {
  IQNDComRemoteProcedure* proc = remote().proc;
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ARRAY | VT_UI1;
  v.parray = SafeArrayCreateVector(VT_UI1, 0, 1 << 20);
  for (auto _ : state) {
    if (proc->Execute(&v) != S_OK) state.SkipWithError("Execute failed");
  }
  state.SetBytesProcessed(state.iterations() * 2 * (1 << 20));
  VariantClear(&v);
}
BENCHMARK(BM_ExecuteOneMiB)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
