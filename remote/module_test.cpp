// The module's lookup, factory, unloading and registration, and its exports.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/com/rpc/runtime.h"
#include "remote/module.h"
#include "remote/tables.h"

namespace qn::remote {
namespace {

using namespace com;

TEST(RemoteLookup, FindsTheSevenAndRefusesTheirCompanions) {
  for (int i = 0; i < kInterfaceCount; ++i) {
    EXPECT_EQ(find_interface(*kInterfaces[i].iid), i) << kInterfaces[i].name;
    EXPECT_EQ(find_interface(kCompanionIds[i]), -1) << i;
  }
  EXPECT_EQ(find_interface(IID_IUnknown), -1);
  const int counts[] = {4, 6, 4, 4, 10, 22, 6};
  for (int i = 0; i < kInterfaceCount; ++i) EXPECT_EQ(kInterfaces[i].num_methods(), counts[i]);
}

TEST(RemoteFactory, HandsOutOnlyItsOwnClass) {
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(get_class_object(IID_IDComApplicationServer, IID_IPSFactoryBuffer, &out),
            CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(get_class_object(CLSID_QndcomjPSFactory, IID_IClassFactory, &out), E_NOINTERFACE);
  ASSERT_EQ(get_class_object(CLSID_QndcomjPSFactory, IID_IPSFactoryBuffer, &out), S_OK);
  auto* factory = static_cast<IPSFactoryBuffer*>(out);
  IRpcStub* stub = nullptr;
  EXPECT_EQ(factory->CreateStub(kCompanionIds[0], factory, &stub), E_NOINTERFACE);
}

// A server object for the unloading check.
struct Procedure final : IQNDComRemoteProcedure {
  HRESULT QueryInterface(REFIID iid, void** out) override {
    *out = nullptr;
    if (iid != IID_IUnknown && iid != IID_IQNDComRemoteProcedure) return E_NOINTERFACE;
    *out = static_cast<IQNDComRemoteProcedure*>(this);
    AddRef();
    return S_OK;
  }
  ULONG AddRef() override { return ++refs; }
  ULONG Release() override { return --refs; }
  HRESULT Execute(VARIANT*) override { return S_OK; }
  ULONG refs = 1;
};

// A channel that answers nothing, for a proxy that is never called.
struct IdleChannel final : IRpcChannel, InterfaceMarshaller {
  HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
  ULONG AddRef() override { return ++refs; }
  ULONG Release() override { return --refs; }
  HRESULT SendReceive(std::uint16_t, std::vector<std::uint8_t>*, bool*) override {
    return RPC_S_SERVER_UNAVAILABLE;
  }
  InterfaceMarshaller& Marshaller() override { return *this; }
  HRESULT PassOn(std::vector<std::uint8_t>*) override { return E_NOTIMPL; }
  HRESULT marshal(IUnknown*, const IID&, std::vector<std::uint8_t>*) override { return E_NOTIMPL; }
  HRESULT unmarshal(const std::uint8_t*, std::size_t, const IID&, IUnknown**) override {
    return E_NOTIMPL;
  }
  ULONG refs = 1;
};

TEST(RemoteFactory, CannotUnloadWhileAProxyLives) {
  void* out = nullptr;
  ASSERT_EQ(get_class_object(CLSID_QndcomjPSFactory, IID_IPSFactoryBuffer, &out), S_OK);
  auto* factory = static_cast<IPSFactoryBuffer*>(out);
  IdleChannel channel;
  IDComProperties* proxy = nullptr;
  ASSERT_EQ(factory->CreateProxy(&channel, IID_IDComProperties, reinterpret_cast<void**>(&proxy)),
            S_OK);
  EXPECT_EQ(can_unload_now(), S_FALSE);
  EXPECT_EQ(channel.refs, 2u);
  proxy->Release();
  EXPECT_EQ(can_unload_now(), S_OK);
  EXPECT_EQ(channel.refs, 1u);  // the proxy gave its channel back
}

TEST(RemoteFactory, CannotUnloadWhileAStubLives) {
  void* out = nullptr;
  ASSERT_EQ(get_class_object(CLSID_QndcomjPSFactory, IID_IPSFactoryBuffer, &out), S_OK);
  auto* factory = static_cast<IPSFactoryBuffer*>(out);
  EXPECT_EQ(can_unload_now(), S_OK);
  Procedure server;
  IRpcStub* stub = nullptr;
  ASSERT_EQ(factory->CreateStub(IID_IQNDComRemoteProcedure, &server, &stub), S_OK);
  EXPECT_EQ(can_unload_now(), S_FALSE);
  EXPECT_EQ(server.refs, 2u);
  stub->Release();
  EXPECT_EQ(can_unload_now(), S_OK);
  EXPECT_EQ(server.refs, 1u);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// Registration through the built module, into a registry file that already
// holds an unrelated entry.
TEST(RemoteRegistration, WritesTheGoldenKeysAndRemovalRestores) {
  const auto dir =
      std::filesystem::temp_directory_path() / ("qn_remote_reg_" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string file = (dir / "registry.ini").string();
  const std::string before = "[Other.Thing\\CLSID]\n@={00000000-0000-0000-0000-000000000001}\n";
  std::ofstream(file, std::ios::binary) << before;
  ::setenv("QN_REGISTRY_FILE", file.c_str(), 1);

  void* module = ::dlopen(QN_REMOTE_MODULE, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(module, nullptr) << ::dlerror();
  auto reg = reinterpret_cast<DllRegisterServerFn>(::dlsym(module, "DllRegisterServer"));
  auto unreg = reinterpret_cast<DllRegisterServerFn>(::dlsym(module, "DllUnregisterServer"));
  ASSERT_TRUE(reg && unreg);
  ASSERT_EQ(reg(), S_OK);
  std::string golden = read_file(QN_SOURCE_DIR "/remote/testdata/registered.ini");
  const std::string marker = "@MODULE@";
  golden.replace(golden.find(marker), marker.size(),
                 std::filesystem::absolute(QN_REMOTE_MODULE).string());
  EXPECT_EQ(read_file(file), before + golden);
  ASSERT_EQ(unreg(), S_OK);
  EXPECT_EQ(read_file(file), before);
  ::unsetenv("QN_REGISTRY_FILE");
  std::filesystem::remove_all(dir);
}

TEST(RemoteModule, ExportsExactlyTheFourEntryPoints) {
  const std::string command = "nm -D --defined-only " QN_REMOTE_MODULE;
  FILE* p = ::popen(command.c_str(), "r");
  ASSERT_NE(p, nullptr);
  std::string names;
  char line[512];
  while (std::fgets(line, sizeof line, p)) {
    std::string l(line);
    if (l.find(" T ") != std::string::npos || l.find(" W ") != std::string::npos ||
        l.find(" D ") != std::string::npos || l.find(" B ") != std::string::npos ||
        l.find(" V ") != std::string::npos || l.find(" R ") != std::string::npos ||
        l.find(" u ") != std::string::npos)
      names += l.substr(l.rfind(' ') + 1);
  }
  ASSERT_EQ(::pclose(p), 0);
  EXPECT_EQ(names, "DllCanUnloadNow\nDllGetClassObject\nDllRegisterServer\nDllUnregisterServer\n");
}

}  // namespace
}  // namespace qn::remote
