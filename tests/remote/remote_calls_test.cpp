// Calls between two processes: this test is the client of the test server
// (tests/remote/test_server_main.cpp) through the registered proxy/stub
// module, and, for what proxies never send, a raw client of its own.
#include <arpa/inet.h>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <future>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/com/rpc/auth.h"
#include "platform/com/rpc/channel.h"
#include "platform/com/rpc/objref.h"
#include "platform/com/rpc/pdu.h"
#include "platform/com/rpc/runtime.h"
#include "platform/com/safearray.h"
#include "tests/remote/test_objects.h"

namespace qn::remote {
namespace {

using namespace com;
using testing::AppServer;
using Clock = std::chrono::steady_clock;

// ---------------------------------------------------------------- set-up

// The registry file with the module registered, and the runtime folder of
// the secrets, for this process and the servers it starts.
class Registered : public ::testing::Environment {
 public:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() / ("qn_remote_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all);
    ::setenv("QN_REGISTRY_FILE", (dir_ / "registry.ini").c_str(), 1);
    ::setenv("QN_RPC_DIR", dir_.c_str(), 1);
    void* module = ::dlopen(QN_REMOTE_MODULE, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(module, nullptr);
    auto reg = reinterpret_cast<DllRegisterServerFn>(::dlsym(module, "DllRegisterServer"));
    ASSERT_EQ(reg(), S_OK);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }

 private:
  std::filesystem::path dir_;
};

[[maybe_unused]] auto* const g_registered = ::testing::AddGlobalTestEnvironment(new Registered);

// One line from fd, waiting at most 10 s.
std::string read_line(int fd) {
  std::string line;
  const auto until = Clock::now() + std::chrono::seconds(10);
  char c;
  while (Clock::now() < until) {
    pollfd p{fd, POLLIN, 0};
    if (::poll(&p, 1, 100) <= 0) continue;
    if (::read(fd, &c, 1) != 1) break;
    if (c == '\n') return line;
    line.push_back(c);
  }
  return line;
}

// A child process with a pipe on its input and one on its output.
struct Child {
  pid_t pid = -1;
  int in = -1, out = -1;

  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  // env: NAME=VALUE settings of the child alone.
  explicit Child(std::vector<std::string> args, std::vector<std::string> env = {}) {
    int to[2], from[2];
    EXPECT_EQ(::pipe(to), 0);
    EXPECT_EQ(::pipe(from), 0);
    Child& c = *this;
    c.pid = ::fork();
    if (c.pid == 0) {
      for (auto& e : env) ::putenv(e.data());
      ::dup2(to[0], 0);
      ::dup2(from[1], 1);
      ::close(to[1]);
      ::close(from[0]);
      std::vector<char*> argv;
      for (auto& a : args) argv.push_back(a.data());
      argv.push_back(nullptr);
      ::execv(argv[0], argv.data());
      ::_exit(127);
    }
    ::close(to[0]);
    ::close(from[1]);
    c.in = to[1];
    c.out = from[0];
  }
  void kill_now() {
    if (pid > 0) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
      pid = -1;
    }
  }
  ~Child() {
    if (in >= 0) ::close(in);  // the server ends when its input closes
    if (pid > 0) ::waitpid(pid, nullptr, 0);
    if (out >= 0) ::close(out);
  }
};

// A test server and the proxies of its two objects.
struct Server {
  Child child;
  std::vector<std::uint8_t> app_ref, props_ref;
  IDComApplicationServer* app = nullptr;
  IDComProperties* props = nullptr;

  // env: the server's limits (QN_RPC_...=...).
  explicit Server(std::vector<std::string> env = {}) : child({QN_TEST_SERVER}, std::move(env)) {
    app_ref = objref_from_text(read_line(child.out));
    props_ref = objref_from_text(read_line(child.out));
    EXPECT_EQ(CoUnmarshalInterface(app_ref.data(), app_ref.size(), IID_IDComApplicationServer,
                                   reinterpret_cast<void**>(&app)),
              S_OK);
    EXPECT_EQ(CoUnmarshalInterface(props_ref.data(), props_ref.size(), IID_IDComProperties,
                                   reinterpret_cast<void**>(&props)),
              S_OK);
  }
  ~Server() {
    if (app) app->Release();
    if (props) props->Release();
  }
  LONG query(const char* what) {
    LONG n = -1;
    BSTR s = bstr_from_1252(what);
    app->QueryLongByText(s, 1, &n);
    SysFreeString(s);
    return n;
  }
};

class Bstr {
 public:
  explicit Bstr(const char* text) : s_(bstr_from_1252(text)) {}
  explicit Bstr(BSTR s) : s_(s) {}
  ~Bstr() { SysFreeString(s_); }
  operator BSTR() const { return s_; }

 private:
  BSTR s_;
};

std::string show(const VARIANT& v);

std::string show_array(const SAFEARRAY* psa) {
  if (!psa) return "null";
  std::string out = "[";
  VARTYPE vt;
  SafeArrayGetVartype(const_cast<SAFEARRAY*>(psa), &vt);
  out += std::to_string(psa->rgsabound[0].lLbound) + ":";
  for (ULONG i = 0; i < psa->rgsabound[0].cElements; ++i) {
    if (i) out += ",";
    if (vt == VT_UI1) {
      out += std::to_string(static_cast<const BYTE*>(psa->pvData)[i]);
    } else {
      out += show(static_cast<const VARIANT*>(psa->pvData)[i]);
    }
  }
  return out + "]";
}

std::string show(const VARIANT& v) {
  char buf[64];
  switch (v.vt) {
    case VT_EMPTY:
      return "EMPTY";
    case VT_NULL:
      return "NULL";
    case VT_I1:
      return "I1:" + std::to_string(v.cVal);
    case VT_UI1:
      return "UI1:" + std::to_string(v.bVal);
    case VT_I2:
      return "I2:" + std::to_string(v.iVal);
    case VT_UI2:
      return "UI2:" + std::to_string(v.uiVal);
    case VT_I4:
      return "I4:" + std::to_string(v.lVal);
    case VT_UI4:
      return "UI4:" + std::to_string(v.ulVal);
    case VT_I8:
      return "I8:" + std::to_string(v.llVal);
    case VT_UI8:
      return "UI8:" + std::to_string(v.ullVal);
    case VT_INT:
      return "INT:" + std::to_string(v.intVal);
    case VT_UINT:
      return "UINT:" + std::to_string(v.uintVal);
    case VT_R4:
      std::snprintf(buf, sizeof buf, "R4:%g", v.fltVal);
      return buf;
    case VT_R8:
      std::snprintf(buf, sizeof buf, "R8:%g", v.dblVal);
      return buf;
    case VT_DATE:
      std::snprintf(buf, sizeof buf, "DATE:%g", v.date);
      return buf;
    case VT_CY:
      return "CY:" + std::to_string(v.cyVal.int64);
    case VT_BOOL:
      return "BOOL:" + std::to_string(v.boolVal);
    case VT_ERROR:
      std::snprintf(buf, sizeof buf, "ERROR:%08X", static_cast<unsigned>(v.scode));
      return buf;
    case VT_BSTR:
      return "BSTR:" + text_1252_of(v.bstrVal);
    case VT_ARRAY | VT_UI1:
      return "UI1" + show_array(v.parray);
    case VT_ARRAY | VT_VARIANT:
      return "VAR" + show_array(v.parray);
    default:
      return "vt" + std::to_string(v.vt);
  }
}

VARIANT make(VARTYPE vt, ULONGLONG bits) {
  VARIANT v;
  VariantInit(&v);
  v.vt = vt;
  v.ullVal = bits;
  return v;
}

VARIANT text(const char* s) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = bstr_from_1252(s);
  return v;
}

VARIANT bytes_array(std::size_t n) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ARRAY | VT_UI1;
  v.parray = SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(n));
  for (std::size_t i = 0; i < n; ++i)
    static_cast<BYTE*>(v.parray->pvData)[i] = static_cast<BYTE>(i * 7 + 3);
  return v;
}

// values wrapped in an array of VARIANT (the values are moved in).
VARIANT values_array(std::vector<VARIANT> values, LONG lbound = 0) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_ARRAY | VT_VARIANT;
  v.parray = SafeArrayCreateVector(VT_VARIANT, lbound, static_cast<ULONG>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i)
    static_cast<VARIANT*>(v.parray->pvData)[i] = values[i];
  return v;
}

// The server and one of each kind of object, shared by the call tables.
class RemoteCalls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = new Server;
    Bstr name("p");
    ASSERT_EQ(server_->app->GetRemoteProcedure(name, 1, &proc_), S_OK);
    ASSERT_EQ(server_->app->GetRemoteForwardSupplier(name, 1, &fwd_), S_OK);
    ASSERT_EQ(server_->app->GetRemoteUpdateSupplier(name, 1, &upd_), S_OK);
    ASSERT_EQ(server_->app->GetRemoteBlockSupplier(1, 0, &blk_), S_OK);
    ASSERT_EQ(server_->app->GetRemoteSupplier(name, 1, 0, &sup_), S_OK);
  }
  static void TearDownTestSuite() {
    for (IUnknown* p : std::initializer_list<IUnknown*>{proc_, fwd_, upd_, blk_, sup_})
      if (p) p->Release();
    delete server_;
  }
  static inline Server* server_ = nullptr;
  static inline IQNDComRemoteProcedure* proc_ = nullptr;
  static inline IQNDBDComForwardSupplier* fwd_ = nullptr;
  static inline IQNDBDComUpdateSupplier* upd_ = nullptr;
  static inline IQNDBDComBlockSupplier* blk_ = nullptr;
  static inline IQNDBDComSupplier* sup_ = nullptr;
};

struct Outcome {
  HRESULT hr;
  std::string out;
};

// Runs an [in,out] VARIANT method on I4 5 and shows the result.
template <class F>
Outcome exchange(F f) {
  VARIANT v = make(VT_I4, 5);
  HRESULT h = f(&v);
  Outcome o{h, show(v)};
  VariantClear(&v);
  return o;
}

std::string object_or_null(IUnknown* p) {
  if (!p) return "null";
  p->Release();
  return "object";
}

TEST_F(RemoteCalls, EveryMethodOfTheSevenInterfaces) {
  IDComApplicationServer* app = server_->app;
  IDComProperties* props = server_->props;
  struct Row {
    const char* method;
    std::function<Outcome()> call;
    HRESULT hr;
    std::string out;
  };
  const Row rows[] = {
      {"Execute", [&] { return exchange([&](VARIANT* v) { return proc_->Execute(v); }); }, S_OK,
       "I4:5"},
      {"ForwardSupplier.Exchange",
       [&] { return exchange([&](VARIANT* v) { return fwd_->Exchange(v); }); }, S_OK, "I4:6"},
      {"ReceiveData",
       [&] {
         VARIANT v = make(VT_I4, 1);
         HRESULT h = fwd_->ReceiveData(&v);
         Outcome o{h, show(v)};
         VariantClear(&v);
         return o;
       },
       S_OK, "BSTR:received"},
      {"Signal",
       [&] {
         return Outcome{fwd_->Signal(), ""};
       },
       S_FALSE, ""},
      {"UpdateSupplier.Submit",
       [&] {
         return Outcome{upd_->Submit(make(VT_I4, 1)), ""};
       },
       S_OK, ""},
      {"UpdateSupplier.Submit text",
       [&] {
         VARIANT v = text("x");
         HRESULT h = upd_->Submit(v);
         VariantClear(&v);
         return Outcome{h, ""};
       },
       DISP_E_TYPEMISMATCH, ""},
      {"SubmitBlock",
       [&] {
         VARIANT r = make(VT_I4, 99);
         HRESULT h = blk_->SubmitBlock(Bstr("ab"), make(VT_I4, 1), make(VT_I4, 2), &r);
         return Outcome{h, show(r)};
       },
       S_OK, "I4:403"},
      {"SubmitAndTest",
       [&] {
         BYTE flag = 0;
         HRESULT h = sup_->SubmitAndTest(make(VT_I4, 7), &flag);
         return Outcome{h, std::to_string(flag)};
       },
       S_OK, "8"},
      {"Supplier.Submit",
       [&] {
         return Outcome{sup_->Submit(make(VT_I4, 1)), ""};
       },
       S_OK, ""},
      {"SubmitB",
       [&] {
         return Outcome{sup_->SubmitB(make(VT_I4, 1)), ""};
       },
       S_FALSE, ""},
      {"Supplier.Exchange", [&] { return exchange([&](VARIANT* v) { return sup_->Exchange(v); }); },
       S_OK, "I4:15"},
      {"ExchangeB", [&] { return exchange([&](VARIANT* v) { return sup_->ExchangeB(v); }); }, S_OK,
       "I4:25"},
      {"ExchangeC", [&] { return exchange([&](VARIANT* v) { return sup_->ExchangeC(v); }); }, S_OK,
       "I4:35"},
      {"ExchangeD", [&] { return exchange([&](VARIANT* v) { return sup_->ExchangeD(v); }); }, S_OK,
       "I4:45"},
      {"GetRemoteProcedure",
       [&] {
         IQNDComRemoteProcedure* p = nullptr;
         HRESULT h = app->GetRemoteProcedure(Bstr("p"), 2, &p);
         return Outcome{h, object_or_null(p)};
       },
       S_OK, "object"},
      {"GetRemoteProcedure null",
       [&] {
         IQNDComRemoteProcedure* p = reinterpret_cast<IQNDComRemoteProcedure*>(1);
         HRESULT h = app->GetRemoteProcedure(Bstr("none"), 2, &p);
         return Outcome{h, object_or_null(p)};
       },
       S_OK, "null"},
      {"GetRemoteUpdateSupplier",
       [&] {
         IQNDBDComUpdateSupplier* p = nullptr;
         HRESULT h = app->GetRemoteUpdateSupplier(Bstr("u"), 2, &p);
         return Outcome{h, object_or_null(p)};
       },
       S_OK, "object"},
      {"GetRemoteForwardSupplier",
       [&] {
         IQNDBDComForwardSupplier* p = nullptr;
         HRESULT h = app->GetRemoteForwardSupplier(Bstr("f"), 2, &p);
         return Outcome{h, object_or_null(p)};
       },
       S_OK, "object"},
      {"GetRemoteSupplier",
       [&] {
         IQNDBDComSupplier* p = nullptr;
         HRESULT h = app->GetRemoteSupplier(Bstr("s"), 2, 1, &p);
         return Outcome{h, object_or_null(p)};
       },
       S_OK, "object"},
      {"GetRemoteBlockSupplier",
       [&] {
         IQNDBDComBlockSupplier* p = nullptr;
         HRESULT h = app->GetRemoteBlockSupplier(2, 1, &p);
         return Outcome{h, object_or_null(p)};
       },
       S_OK, "object"},
      {"SendHandleAndThreeTexts",
       [&] {
         return Outcome{app->SendHandleAndThreeTexts(1, Bstr("a"), Bstr("bc"), Bstr("")), ""};
       },
       43, ""},
      {"SendHandle",
       [&] {
         return Outcome{app->SendHandle(5), ""};
       },
       S_OK, ""},
      {"SendHandleAndText",
       [&] {
         return Outcome{app->SendHandleAndText(1, Bstr("abc")), ""};
       },
       7, ""},
      {"SendHandleAndTextB",
       [&] {
         return Outcome{app->SendHandleAndTextB(1, Bstr("abc")), ""};
       },
       2007, ""},
      {"SendHandleAndTwoTexts",
       [&] {
         return Outcome{app->SendHandleAndTwoTexts(1, Bstr("a"), Bstr("bc")), ""};
       },
       205, ""},
      {"QueryTextByHandle",
       [&] {
         BSTR r = nullptr;
         HRESULT h = app->QueryTextByHandle(1, Bstr("xyz"), &r);
         Bstr keep(r);
         return Outcome{h, text_1252_of(r)};
       },
       S_OK, "xyz"},
      {"QueryTextByHandle failing",
       [&] {
         BSTR r = reinterpret_cast<BSTR>(8);
         HRESULT h = app->QueryTextByHandle(-1, Bstr("xyz"), &r);
         return Outcome{h, r ? "set" : "null"};
       },
       E_INVALIDARG, "null"},
      {"QueryLongByText",
       [&] {
         LONG r = 0;
         HRESULT h = app->QueryLongByText(Bstr("abcd"), 2, &r);
         return Outcome{h, std::to_string(r)};
       },
       S_OK, "16"},
      {"SendHandleB",
       [&] {
         return Outcome{app->SendHandleB(1), ""};
       },
       S_FALSE, ""},
      {"CallWithValues",
       [&] {
         VARIANT r;
         VariantInit(&r);
         HRESULT h = app->CallWithValues(1, 2, Bstr("ab"), make(VT_I4, 3), make(VT_I4, 4), &r);
         return Outcome{h, show(r)};
       },
       S_OK, "I4:437"},
      {"SendHandleAndTextC",
       [&] {
         return Outcome{app->SendHandleAndTextC(1, Bstr("abc")), ""};
       },
       3007, ""},
      {"QueryHyperByHandle",
       [&] {
         LONGLONG r = 0;
         HRESULT h = app->QueryHyperByHandle(2, Bstr("ab"), &r);
         return Outcome{h, std::to_string(r)};
       },
       S_OK, "8589934596"},
      {"SendHandleAndValue",
       [&] {
         VARIANT v = text("x");
         HRESULT h = app->SendHandleAndValue(3, v);
         VariantClear(&v);
         return Outcome{h, ""};
       },
       11, ""},
      {"PutValue",
       [&] {
         return Outcome{props->PutValue(7, make(VT_I4, 9)), ""};
       },
       S_OK, ""},
      {"GetValue",
       [&] {
         VARIANT v;
         HRESULT h = props->GetValue(7, &v);
         return Outcome{h, show(v)};
       },
       S_OK, "I4:9"},
      {"GetValue missing",
       [&] {
         VARIANT v = make(VT_I4, 3);
         HRESULT h = props->GetValue(8, &v);
         return Outcome{h, show(v)};
       },
       S_FALSE, "EMPTY"},
      {"LookupText",
       [&] {
         BSTR r = nullptr;
         HRESULT h = props->LookupText(7, Bstr("k"), &r);
         Bstr keep(r);
         return Outcome{h, text_1252_of(r)};
       },
       S_OK, "k#7"},
  };
  for (const Row& row : rows) {
    Outcome o = row.call();
    EXPECT_EQ(o.hr, row.hr) << row.method;
    EXPECT_EQ(o.out, row.out) << row.method;
  }
}

// A client object the server calls back, and gets back as itself.
TEST_F(RemoteCalls, InterfacePointersPassedAndNull) {
  auto* client = new AppServer(500);
  IDComApplicationServer* p = client;
  EXPECT_EQ(server_->app->PutServer(Bstr("abc"), &p), 518);  // 500 + 6 bytes * 3
  IDComApplicationServer* back = nullptr;
  ASSERT_EQ(server_->app->GetServer(Bstr(""), &back), S_OK);
  EXPECT_EQ(back, client);  // our own object, not a proxy of it
  if (back) back->Release();
  IDComApplicationServer* none = nullptr;
  EXPECT_EQ(server_->app->PutServer(Bstr("abc"), &none), S_FALSE);
  EXPECT_EQ(server_->app->PutServer(Bstr("abc"), nullptr), RPC_X_NULL_REF_POINTER);
  client->Release();
}

TEST_F(RemoteCalls, EverySupportedVartypeRoundTrips) {
  VARIANT values[] = {make(VT_EMPTY, 0),
                      make(VT_NULL, 0),
                      make(VT_I1, 0xFB),
                      make(VT_UI1, 200),
                      make(VT_I2, 0xFED4),
                      make(VT_UI2, 60000),
                      make(VT_I4, 0xFFFEEE90),
                      make(VT_UI4, 4000000000u),
                      make(VT_I8, static_cast<ULONGLONG>(-(1LL << 40))),
                      make(VT_UI8, (1ULL << 63) + 5),
                      make(VT_INT, 0xFFFFFFF9),
                      make(VT_UINT, 7),
                      make(VT_BOOL, 0xFFFF),
                      make(VT_ERROR, 0x80020004),
                      make(VT_CY, 12345678),
                      make(VT_R4, 0),
                      make(VT_R8, 0),
                      make(VT_DATE, 0),
                      text("hello"),
                      bytes_array(3),
                      values_array({make(VT_I4, 1), text("x")}, -2)};
  values[15].fltVal = 1.5f;
  values[16].dblVal = -2.25;
  values[17].date = 45000.5;
  const char* expected[] = {"EMPTY",
                            "NULL",
                            "I1:-5",
                            "UI1:200",
                            "I2:-300",
                            "UI2:60000",
                            "I4:-70000",
                            "UI4:4000000000",
                            "I8:-1099511627776",
                            "UI8:9223372036854775813",
                            "INT:-7",
                            "UINT:7",
                            "BOOL:-1",
                            "ERROR:80020004",
                            "CY:12345678",
                            "R4:1.5",
                            "R8:-2.25",
                            "DATE:45000.5",
                            "BSTR:hello",
                            "UI1[0:3,10,17]",
                            "VAR[-2:I4:1,BSTR:x]"};
  for (std::size_t i = 0; i < std::size(values); ++i) {
    EXPECT_EQ(proc_->Execute(&values[i]), S_OK) << expected[i];
    EXPECT_EQ(show(values[i]), expected[i]);
    VariantClear(&values[i]);
  }
}

TEST_F(RemoteCalls, OtherTypesAreRefusedBeforeSending) {
  const LONG before = server_->query("calls");
  auto* obj = new AppServer(0);
  VARIANT refused[] = {make(VT_DISPATCH, 0), make(VT_DECIMAL, 0), make(VT_I4 | VT_BYREF, 0),
                       make(VT_VOID, 0), make(VT_ARRAY | VT_I4, 0)};
  refused[0].punkVal = obj;
  for (VARIANT& v : refused) {
    EXPECT_EQ(proc_->Execute(&v), DISP_E_BADVARTYPE) << v.vt;
    EXPECT_NE(v.vt, VT_EMPTY);  // [in,out] kept
  }
  EXPECT_EQ(server_->query("calls"), before + 1);  // only the count itself
  obj->Release();
}

TEST_F(RemoteCalls, TextsKeepEveryByte) {
  struct Case {
    const char* name;
    std::vector<std::uint8_t> bytes;
    bool null;
  };
  const Case cases[] = {
      {"null", {}, true},
      {"empty", {}, false},
      {"odd byte length", {'a', 0, 'b'}, false},
      {"surrogate pair", {0x34, 0xD8, 0x1E, 0xDD}, false},
      {"embedded NUL", {'a', 0, 0, 0, 'b', 0}, false},
  };
  for (const Case& c : cases) {
    BSTR in = c.null ? nullptr
                     : bstr_from_bytes(c.bytes.data(), static_cast<std::uint32_t>(c.bytes.size()));
    BSTR out = reinterpret_cast<BSTR>(8);
    ASSERT_EQ(server_->app->QueryTextByHandle(1, in, &out), S_OK) << c.name;
    EXPECT_EQ(out == nullptr, c.null) << c.name;
    if (out) {
      ASSERT_EQ(SysStringByteLen(out), c.bytes.size()) << c.name;
      if (!c.bytes.empty()) {
        EXPECT_EQ(std::memcmp(out, c.bytes.data(), c.bytes.size()), 0) << c.name;
      }
    }
    EXPECT_EQ(server_->app->SendHandleAndText(0, in),
              c.null ? 1000 : static_cast<HRESULT>(c.bytes.size()))
        << c.name;
    SysFreeString(in);
    SysFreeString(out);
  }
}

TEST_F(RemoteCalls, ArraysOfEverySizeAndDepth) {
  for (std::size_t n : {std::size_t{0}, std::size_t{1} << 20}) {
    VARIANT v = bytes_array(n);
    ASSERT_EQ(proc_->Execute(&v), S_OK) << n;
    ASSERT_EQ(v.vt, VT_ARRAY | VT_UI1);
    ASSERT_EQ(v.parray->rgsabound[0].cElements, n);
    bool same = true;
    for (std::size_t i = 0; i < n; ++i)
      same = same && static_cast<BYTE*>(v.parray->pvData)[i] == static_cast<BYTE>(i * 7 + 3);
    EXPECT_TRUE(same) << n;
    VariantClear(&v);
  }
  VARIANT nested = values_array({values_array({bytes_array(2), make(VT_I2, 4)}), values_array({})});
  ASSERT_EQ(proc_->Execute(&nested), S_OK);
  EXPECT_EQ(show(nested), "VAR[0:VAR[0:UI1[0:3,10],I2:4],VAR[0:]]");
  VariantClear(&nested);
  // 32 levels of VARIANT travel, 33 are refused.
  for (int depth : {32, 33}) {
    VARIANT v = make(VT_I4, 1);
    for (int i = 1; i < depth; ++i) v = values_array({v});
    EXPECT_EQ(proc_->Execute(&v), depth == 32 ? S_OK : DISP_E_BADVARTYPE) << depth;
    VariantClear(&v);
  }
}

TEST_F(RemoteCalls, ReleasingAProxyReleasesTheServerObject) {
  const LONG before = server_->query("alive");
  IQNDComRemoteProcedure* p = nullptr;
  ASSERT_EQ(server_->app->GetRemoteProcedure(Bstr("p"), 1, &p), S_OK);
  EXPECT_EQ(server_->query("alive"), before + 1);
  p->Release();
  EXPECT_EQ(server_->query("alive"), before);
}

// ---------------------------------------------------------------- failures

std::vector<std::uint8_t> altered(const std::vector<std::uint8_t>& bytes,
                                  const std::function<void(ObjRef&)>& change) {
  auto ref = decode_objref(bytes.data(), bytes.size());
  EXPECT_TRUE(ref.has_value());
  change(*ref);
  return encode_objref(*ref);
}

TEST_F(RemoteCalls, FailuresOfTheProxy) {
  // A null reference pointer: nothing is sent.
  const LONG before = server_->query("calls");
  EXPECT_EQ(proc_->Execute(nullptr), RPC_X_NULL_REF_POINTER);
  EXPECT_EQ(server_->query("calls"), before + 1);

  // The server method throws.
  EXPECT_EQ(server_->app->SendHandle(-3), RPC_E_SERVERFAULT);

  // An IPID the exporter does not know.
  auto unknown = altered(server_->app_ref, [](ObjRef& r) { r.ipid.Data1 ^= 1; });
  IDComApplicationServer* stale = nullptr;
  ASSERT_EQ(CoUnmarshalInterface(unknown.data(), unknown.size(), IID_IDComApplicationServer,
                                 reinterpret_cast<void**>(&stale)),
            S_OK);
  EXPECT_EQ(stale->SendHandle(1), RPC_E_DISCONNECTED);
  stale->Release();

  // An exporter that cannot be reached: [out] cleared, [in,out] kept.
  int fd = ::socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t len = sizeof addr;
  ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len);
  const std::string closed = "127.0.0.1[" + std::to_string(ntohs(addr.sin_port)) + "]";
  auto gone = altered(server_->app_ref, [&](ObjRef& r) { r.binding = closed; });
  IDComApplicationServer* away = nullptr;
  ASSERT_EQ(CoUnmarshalInterface(gone.data(), gone.size(), IID_IDComApplicationServer,
                                 reinterpret_cast<void**>(&away)),
            S_OK);
  BSTR out = reinterpret_cast<BSTR>(8);
  EXPECT_EQ(away->QueryTextByHandle(1, Bstr("x"), &out), RPC_S_SERVER_UNAVAILABLE);
  EXPECT_EQ(out, nullptr);
  away->Release();
  ::close(fd);
}

// A server killed mid-call answers at once: the closed connection ends the
// call (well within a second here; the bounds leave room for a loaded machine).
TEST(RemotePeers, ServerKilledMidCall) {
  Server server;
  ASSERT_NE(server.app, nullptr);
  ASSERT_EQ(server.app->SendHandle(1), S_OK);
  auto call = std::async(std::launch::async, [&] { return server.app->SendHandle(-2); });
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const auto killed = Clock::now();
  server.child.kill_now();
  ASSERT_EQ(call.wait_for(std::chrono::seconds(10)), std::future_status::ready);
  EXPECT_EQ(call.get(), RPC_S_CALL_FAILED);
  EXPECT_LT(Clock::now() - killed, std::chrono::seconds(10));
  // Afterwards the exporter is simply gone.
  EXPECT_EQ(server.app->SendHandle(1), RPC_S_SERVER_UNAVAILABLE);
}

// A client killed mid-call: the server releases what it held.
TEST(RemotePeers, ClientKilledMidCall) {
  Server server;
  ASSERT_NE(server.app, nullptr);
  const LONG before = server.query("alive");
  Child client({QN_TEST_SERVER, "--client", objref_to_text(server.app_ref)});
  ASSERT_EQ(read_line(client.out), "ready");
  EXPECT_EQ(server.query("alive"), before + 1);
  client.kill_now();
  LONG alive = -1;
  for (int i = 0; i < 50 && alive != before; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    alive = server.query("alive");
  }
  EXPECT_EQ(alive, before);
}

// ---------------------------------------------------------------- the wire

// The socket of a new connection to the exporter named in objref.
int connect_to(const ObjRef& ref) {
  const auto open = ref.binding.find('[');
  sockaddr_in addr{};
  addr.sin_family = AF_INET;
  ::inet_pton(AF_INET, ref.binding.substr(0, open).c_str(), &addr.sin_addr);
  addr.sin_port = htons(static_cast<std::uint16_t>(std::stoi(ref.binding.substr(open + 1))));
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  timeval tv{5, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
  EXPECT_EQ(::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
  return fd;
}

// How a raw client binds: proving the server's secret, with a secret of
// its own making, or with no authentication at all.
enum class Proof { kRight, kWrong, kNone };

// A client of our own for what proxies never send.
class RawClient {
 public:
  explicit RawClient(const std::vector<std::uint8_t>& objref, Proof proof = Proof::kRight) {
    ref_ = *decode_objref(objref.data(), objref.size());
    fd_ = connect_to(ref_);
    std::uint8_t nonce[kNonceSize];
    random_bytes(nonce, sizeof nonce);
    AuthValue auth;
    if (proof != Proof::kNone) {
      auth.assign(nonce, nonce + kNonceSize);
      auth.resize(kBindAuthSize);
    }
    send(encode_bind(kPduBind, 1, 0, IID_IDComApplicationServer, false, auth));
    Fragment f;
    if (!receive(&f) || f.header.type != kPduBindAck || f.auth_size != kBindAckAuthSize) return;
    Secret secret{};
    random_bytes(secret.data(), secret.size());
    if (proof == Proof::kRight)
      secret = *read_secret(secret_path(std::getenv("QN_RPC_DIR"), ref_.oxid));
    std::uint8_t id[kPeerIdSize];
    random_bytes(id, sizeof id);
    const Digest d = handshake_proof(secret, 'C', nonce, f.auth, id, sizeof id);
    AuthValue answer(kAuth3AuthSize);
    std::memcpy(answer.data(), id, sizeof id);
    std::memcpy(answer.data() + sizeof id, d.data(), d.size());
    send(encode_auth3(2, answer));
  }
  ~RawClient() { ::close(fd_); }
  RawClient(const RawClient&) = delete;
  RawClient& operator=(const RawClient&) = delete;
  void send(const std::vector<std::uint8_t>& bytes) {
    ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
  }
  // One whole fragment, false when the connection closed.
  bool receive(Fragment* f) {
    buf_.resize(kPduHeaderSize);
    if (::recv(fd_, buf_.data(), kPduHeaderSize, MSG_WAITALL) !=
        static_cast<ssize_t>(kPduHeaderSize))
      return false;
    PduHeader h;
    if (!parse_header(buf_.data(), &h)) return false;
    buf_.resize(h.frag_length);
    if (::recv(fd_, buf_.data() + kPduHeaderSize, h.frag_length - kPduHeaderSize, MSG_WAITALL) !=
        static_cast<ssize_t>(h.frag_length - kPduHeaderSize))
      return false;
    *f = Fragment{};
    return parse_fragment(buf_.data(), buf_.size(), f);
  }
  // A request (ORPCTHIS, then args) in the given byte order, on the
  // application server's interface or (context 1) IRemUnknown; the reply
  // fragment back, or an empty one when the connection closed.
  Fragment call(std::uint16_t opnum, const std::vector<std::uint8_t>& args, bool big = false,
                const GUID* object = nullptr, std::uint16_t context = 0) {
    NdrWriter w(big);
    write_orpcthis(w, GUID_NULL);
    w.bytes(args.data(), args.size());
    for (const auto& frag :
         encode_request(++call_, context, opnum, object ? *object : ref_.ipid, w.data(), big))
      send(frag);
    Fragment f;
    if (!receive(&f)) f = Fragment{};
    return f;
  }
  // Adds a presentation context for iid.
  void bind(std::uint16_t context, const IID& iid) {
    send(encode_bind(kPduAlterContext, ++call_, context, iid));
    Fragment f;
    EXPECT_TRUE(receive(&f));
  }
  // Execute(VT_I4 5) of the remote procedure ipid, on context 2.
  Fragment execute(const GUID& ipid) {
    NdrWriter w;
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = 5;
    write_variant(w, v);
    return call(3, w.data(), false, &ipid, 2);
  }
  // RemAddRef (4) or RemRelease (5) of n references of ipid: the HRESULTs
  // of the reply (per reference for RemAddRef, then the call's).
  std::vector<HRESULT> rem(std::uint16_t opnum, const GUID& ipid, std::uint32_t n) {
    NdrWriter w;
    w.u16(1);
    w.u32(1);
    w.guid(ipid);
    w.u32(n);
    w.u32(0);
    Fragment f = call(opnum, w.data(), false, &ipid, 1);
    std::vector<HRESULT> out;
    if (f.header.type != kPduResponse) return out;
    NdrReader r(f.stub + kOrpcThatSize, f.stub_size - kOrpcThatSize);
    if (opnum == 4 && r.u32() == 1) out.push_back(static_cast<HRESULT>(r.u32()));
    out.push_back(static_cast<HRESULT>(r.u32()));
    return out;
  }
  std::vector<std::uint8_t> stub(const Fragment& f) { return {f.stub, f.stub + f.stub_size}; }
  // The OBJREF of GetRemoteProcedure("p") called by this client.
  ObjRef procedure() {
    NdrWriter w;
    BSTR s = bstr_from_1252("p");
    write_bstr(w, s);
    SysFreeString(s);
    w.align(4);
    w.u32(1);
    Fragment f = call(3, w.data());
    EXPECT_EQ(f.header.type, kPduResponse);
    if (f.header.type != kPduResponse) return {};
    NdrReader r(f.stub + kOrpcThatSize, f.stub_size - kOrpcThatSize);
    bool null = true;
    const auto bytes = read_interface(r, &null);
    return *decode_objref(bytes.data(), bytes.size());
  }
  const ObjRef& ref() const { return ref_; }
  int fd() const { return fd_; }

 private:
  ObjRef ref_;
  int fd_ = -1;
  std::uint32_t call_ = 2;
  std::vector<std::uint8_t> buf_;
};

std::vector<std::uint8_t> query_text_args(bool big) {
  NdrWriter w(big);
  w.u32(7);  // remoteHandle
  BSTR s = bstr_from_1252("xyz");
  write_bstr(w, s);
  SysFreeString(s);
  return w.data();
}

TEST_F(RemoteCalls, WhatTheExporterAnswersOnTheWire) {
  RawClient raw(server_->app_ref);
  // A slot past the interface.
  Fragment f = raw.call(40, {});
  EXPECT_EQ(f.header.type, kPduFault);
  EXPECT_EQ(hresult_of_fault(f.status), RPC_S_PROCNUM_OUT_OF_RANGE);
  // Stub data cut short: a fault, and the connection stays open.
  auto args = query_text_args(false);
  args.resize(args.size() - 3);
  f = raw.call(13, args);
  EXPECT_EQ(f.header.type, kPduFault);
  EXPECT_EQ(hresult_of_fault(f.status), RPC_X_BAD_STUB_DATA);
  // An unknown IPID.
  GUID nobody{1, 2, 3, {4}};
  f = raw.call(9, {1, 0, 0, 0}, false, &nobody);
  EXPECT_EQ(hresult_of_fault(f.status), RPC_E_DISCONNECTED);
  // A big-endian request gets the answer of the little-endian one.
  f = raw.call(13, query_text_args(false));
  ASSERT_EQ(f.header.type, kPduResponse);
  const auto little = raw.stub(f);
  f = raw.call(13, query_text_args(true), true);
  ASSERT_EQ(f.header.type, kPduResponse);
  EXPECT_EQ(raw.stub(f), little);
  // A malformed header closes the connection.
  std::vector<std::uint8_t> bad = encode_fault(9, 0, 0);
  bad[0] = 4;
  raw.send(bad);
  EXPECT_FALSE(raw.receive(&f));
}

// ---------------------------------------------------------------- hostile clients

// A field of /proc/PID/status (sizes in kB).
long status_of(pid_t pid, const std::string& field) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field + ":", 0) == 0) return std::stol(line.substr(field.size() + 1));
  return -1;
}

// Waits up to `limit` for done().
template <class F>
bool eventually(F done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto until = Clock::now() + limit;
  while (!done()) {
    if (Clock::now() > until) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

// True when the peer has closed fd (the end read, or a reset).
bool closed_by_peer(int fd) {
  char c;
  return ::recv(fd, &c, 1, MSG_DONTWAIT) == 0 || errno == ECONNRESET;
}

// The sanitizers' allocator keeps freed memory and has its own address
// space needs: the tests of memory and address space cannot hold there.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

// Short limits, so that the tests of them take seconds.
const std::vector<std::string> kTightLimits = {"QN_RPC_MAX_CONNECTIONS=32",
                                               "QN_RPC_TIMEOUT_MS=1000", "QN_RPC_CONNECTION_MIB=16",
                                               "QN_RPC_PROCESS_MIB=32"};

TEST(HostileClients, OnlyTheHolderCallsOrReleasesAnObject) {
  Server server;
  RawClient owner(server.app_ref), other(server.app_ref);
  const ObjRef proc = owner.procedure();
  for (RawClient* c : {&owner, &other}) {
    c->bind(1, IID_IRemUnknown);
    c->bind(2, IID_IQNDComRemoteProcedure);
  }
  // The other connection knows the identifier, but was not given the object.
  Fragment f = other.execute(proc.ipid);
  EXPECT_EQ(f.header.type, kPduFault);
  EXPECT_EQ(hresult_of_fault(f.status), RPC_E_DISCONNECTED);
  EXPECT_EQ(other.rem(5, proc.ipid, 1), std::vector<HRESULT>{E_INVALIDARG});
  EXPECT_EQ(other.rem(4, proc.ipid, 1), (std::vector<HRESULT>{E_INVALIDARG, S_OK}));
  // The owner's calls still work; it cannot release more than it holds, nor
  // take so many references that a count would wrap.
  EXPECT_EQ(owner.execute(proc.ipid).header.type, kPduResponse);
  EXPECT_EQ(owner.rem(5, proc.ipid, 2), std::vector<HRESULT>{E_INVALIDARG});
  EXPECT_EQ(owner.rem(4, proc.ipid, 0xFFFFFFFF), (std::vector<HRESULT>{E_INVALIDARG, S_OK}));
  EXPECT_EQ(owner.execute(proc.ipid).header.type, kPduResponse);
  // Its one reference released, the object is gone for the owner too.
  EXPECT_EQ(owner.rem(5, proc.ipid, 1), std::vector<HRESULT>{S_OK});
  EXPECT_EQ(hresult_of_fault(owner.execute(proc.ipid).status), RPC_E_DISCONNECTED);
}

TEST(HostileClients, NoCallIsServedWithoutTheSecret) {
  Server server;
  // A proxy whose exporter's secret cannot be read sends nothing.
  auto other = altered(server.app_ref, [](ObjRef& r) { r.oxid ^= 1; });
  IDComApplicationServer* stranger = nullptr;
  ASSERT_EQ(CoUnmarshalInterface(other.data(), other.size(), IID_IDComApplicationServer,
                                 reinterpret_cast<void**>(&stranger)),
            S_OK);
  EXPECT_EQ(stranger->SendHandle(1), E_ACCESSDENIED);
  stranger->Release();
  // Raw clients: no proof, or a wrong one, gets the connection closed.
  const LONG before = server.query("calls");
  for (Proof proof : {Proof::kNone, Proof::kWrong}) {
    RawClient raw(server.app_ref, proof);
    const Fragment f = raw.call(9, {1, 0, 0, 0});
    EXPECT_NE(f.header.type, kPduResponse);
    EXPECT_NE(f.header.type, kPduFault);
  }
  // A request with no bind at all.
  const int fd = connect_to(*decode_objref(server.app_ref.data(), server.app_ref.size()));
  NdrWriter w;
  write_orpcthis(w, GUID_NULL);
  const auto request = encode_request(1, 0, 9, GUID_NULL, w.data())[0];
  ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
  char c;
  EXPECT_LE(::recv(fd, &c, 1, 0), 0);
  ::close(fd);
  EXPECT_EQ(server.query("calls"), before + 1);  // only the query itself
}

TEST(HostileClients, IdentifiersAreRandomNotAddresses) {
  Server server;
  RawClient raw(server.app_ref);
  std::set<std::pair<std::uint64_t, std::uint64_t>> ipids;
  std::set<std::uint64_t> oids;
  std::vector<std::uint64_t> values;
  for (int i = 0; i < 10000; ++i) {
    const ObjRef r = raw.procedure();
    std::uint64_t half[2];
    std::memcpy(half, &r.ipid, sizeof half);
    ipids.insert({half[0], half[1]});
    oids.insert(r.oid);
    values.insert(values.end(), {half[0], half[1], r.oid, r.oxid});
  }
  EXPECT_EQ(ipids.size(), 10000u);
  EXPECT_EQ(oids.size(), 10000u);
  // None falls in a mapping of the server's address space.
  std::ifstream maps("/proc/" + std::to_string(server.child.pid) + "/maps");
  std::vector<std::pair<std::uint64_t, std::uint64_t>> ranges;
  std::string line;
  while (std::getline(maps, line)) {
    const auto dash = line.find('-');
    ranges.push_back({std::stoull(line.substr(0, dash), nullptr, 16),
                      std::stoull(line.substr(dash + 1), nullptr, 16)});
  }
  ASSERT_FALSE(ranges.empty());
  int address_like = 0;
  for (std::uint64_t v : values)
    for (const auto& [from, to] : ranges) address_like += v >= from && v < to;
  EXPECT_EQ(address_like, 0);
}

TEST(HostileClients, IdleConnectionsStayWithinTheLimits) {
  Server server(kTightLimits);
  IQNDComRemoteProcedure* held = nullptr;  // holding it, our connection may idle
  ASSERT_EQ(server.app->GetRemoteProcedure(Bstr("p"), 1, &held), S_OK);
  const pid_t pid = server.child.pid;
  const long rss = status_of(pid, "VmRSS");
  const ObjRef ref = *decode_objref(server.app_ref.data(), server.app_ref.size());
  std::vector<int> idle;
  long most_threads = 0;
  for (int i = 0; i < 2000; ++i) {
    idle.push_back(connect_to(ref));
    if (i % 100 == 0) {
      most_threads = std::max(most_threads, status_of(pid, "Threads"));
      EXPECT_EQ(server.app->SendHandle(1), S_OK) << i;
    }
  }
  most_threads = std::max(most_threads, status_of(pid, "Threads"));
  EXPECT_LE(most_threads, 32 + 2);  // connections, the main thread and the listener
  EXPECT_LT(status_of(pid, "VmRSS") - rss, 32 * 1024);
  EXPECT_EQ(held->Execute(nullptr), RPC_X_NULL_REF_POINTER);
  VARIANT v;
  VariantInit(&v);
  EXPECT_EQ(held->Execute(&v), S_OK);
  // After the time-out, no idle connection is left.
  EXPECT_TRUE(eventually([&] {
    return std::all_of(idle.begin(), idle.end(), [](int fd) { return closed_by_peer(fd); });
  }));
  for (int fd : idle) ::close(fd);
  EXPECT_EQ(server.app->SendHandle(1), S_OK);
  held->Release();
}

TEST(HostileClients, HalfSentPdusAreClosedAfterTheTimeOut) {
  Server server(kTightLimits);
  const ObjRef ref = *decode_objref(server.app_ref.data(), server.app_ref.size());
  RawClient bound(server.app_ref);
  const int plain = connect_to(ref);
  NdrWriter w;
  write_orpcthis(w, GUID_NULL);
  const auto request = encode_request(9, 0, 9, ref.ipid, w.data())[0];
  ::send(bound.fd(), request.data(), request.size() / 2, MSG_NOSIGNAL);
  ::send(plain, request.data(), 10, MSG_NOSIGNAL);
  const auto start = Clock::now();
  for (int fd : {bound.fd(), plain}) {
    char c;
    EXPECT_EQ(::recv(fd, &c, 1, 0), 0);  // closed, well before our own 5 s
  }
  EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(800));
  ::close(plain);
}

TEST(HostileClients, UnfinishedMessagesStayUnderTheProcessCap) {
  Server server(kTightLimits);
  const pid_t pid = server.child.pid;
  ASSERT_EQ(server.app->SendHandle(1), S_OK);
  const long rss = status_of(pid, "VmRSS");
  // Four connections each send 15 MiB of a message they never finish.
  std::vector<std::unique_ptr<RawClient>> clients;
  const std::vector<std::uint8_t> body(chunk_size(true), 0);
  long most = 0;
  for (int i = 0; i < 4; ++i) {
    clients.push_back(std::make_unique<RawClient>(server.app_ref));
    RawClient& c = *clients.back();
    bool open = true;
    for (std::size_t sent = 0; open && sent < (std::size_t{15} << 20); sent += body.size()) {
      auto header =
          fragment_header(sent == 0 ? kPfcFirstFrag : 0, 7, 0, 9, &c.ref().ipid, 0, body.size());
      header.insert(header.end(), body.begin(), body.end());
      open = ::send(c.fd(), header.data(), header.size(), MSG_NOSIGNAL) ==
             static_cast<ssize_t>(header.size());
      most = std::max(most, status_of(pid, "VmRSS"));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    most = std::max(most, status_of(pid, "VmRSS"));
  }
  // 60 MiB asked for, 32 MiB allowed: two connections at least are cut.
  EXPECT_TRUE(eventually([&] {
    most = std::max(most, status_of(pid, "VmRSS"));
    return std::count_if(clients.begin(), clients.end(),
                         [](const auto& c) { return closed_by_peer(c->fd()); }) >= 2;
  }));
  clients.clear();
  if (!kSanitized) {
    EXPECT_LT(most - rss, 48 * 1024) << "kB above the start";
    EXPECT_TRUE(eventually([&] { return status_of(pid, "VmRSS") - rss < 12 * 1024; }))
        << status_of(pid, "VmRSS") - rss << " kB above the start";
  }
  EXPECT_EQ(server.app->SendHandle(1), S_OK);
}

TEST(HostileClients, ThreadCreationFailingRefusesOneConnection) {
  if (kSanitized)
    GTEST_SKIP() << "the sanitizers need more address space than this test leaves the server";
  Server server;
  const pid_t pid = server.child.pid;
  ASSERT_EQ(server.app->SendHandle(1), S_OK);
  // Room for a few more thread stacks, no more.
  const rlim_t room = static_cast<rlim_t>(status_of(pid, "VmSize") + 24 * 1024) * 1024;
  const rlimit limit{room, room};
  ASSERT_EQ(::prlimit(pid, RLIMIT_AS, &limit, nullptr), 0);
  const ObjRef ref = *decode_objref(server.app_ref.data(), server.app_ref.size());
  std::vector<int> idle;
  for (int i = 0; i < 40; ++i) idle.push_back(connect_to(ref));
  EXPECT_TRUE(eventually([&] {
    return std::any_of(idle.begin(), idle.end(), [](int fd) { return closed_by_peer(fd); });
  })) << "every connection got a thread";
  EXPECT_EQ(::kill(pid, 0), 0);
  EXPECT_EQ(server.app->SendHandle(1), S_OK);
  for (int fd : idle) ::close(fd);
}

}  // namespace
}  // namespace qn::remote
