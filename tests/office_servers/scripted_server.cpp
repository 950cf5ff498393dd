#include "tests/office_servers/scripted_server.h"

#include <dlfcn.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/com/guid.h"
#include "platform/registry_file.h"

namespace qn::office_servers {

using namespace com;

namespace {

// The servers of the module, in the order their statics were made.
std::vector<ScriptedServer*>& servers() {
  static std::vector<ScriptedServer*> all;
  return all;
}

const char* kind_text(WORD kind) {
  switch (kind) {
    case DISPATCH_METHOD:
      return "call";
    case DISPATCH_PROPERTYGET:
      return "get";
    case DISPATCH_PROPERTYPUT:
      return "put";
    case DISPATCH_PROPERTYPUTREF:
      return "putref";
    default:
      return "invoke";
  }
}

std::string hex(DISPID id) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%X", static_cast<unsigned>(id));
  return buf;
}

// The value an argument stands for: a VT_BYREF | VT_VARIANT followed once.
const VARIANT& target(const VARIANT& v, bool* by_reference) {
  *by_reference = v.vt == (VT_BYREF | VT_VARIANT) && v.byref;
  return *by_reference ? *static_cast<const VARIANT*>(v.byref) : v;
}

std::string describe_value(const VARIANT& v) {
  char buf[64];
  switch (v.vt) {
    case VT_EMPTY:
      return "EMPTY";
    case VT_NULL:
      return "NULL";
    case VT_I2:
      return "I2 " + std::to_string(v.iVal);
    case VT_I4:
      return "I4 " + std::to_string(v.lVal);
    case VT_R4:
      std::snprintf(buf, sizeof buf, "R4 %g", static_cast<double>(v.fltVal));
      return buf;
    case VT_R8:
      std::snprintf(buf, sizeof buf, "R8 %.15g", v.dblVal);
      return buf;
    case VT_CY:
      return "CY " + std::to_string(v.cyVal.int64);
    case VT_DATE:
      std::snprintf(buf, sizeof buf, "DATE %.15g", v.date);
      return buf;
    case VT_BSTR:
      return "BSTR \"" + text_1252_of(v.bstrVal) + "\"";
    case VT_BOOL:
      return "BOOL " + std::to_string(v.boolVal);
    case VT_ERROR:
      if (v.scode == static_cast<SCODE>(DISP_E_PARAMNOTFOUND)) return "missing";
      std::snprintf(buf, sizeof buf, "ERROR 0x%08X", static_cast<unsigned>(v.scode));
      return buf;
    case VT_DISPATCH: {
      // Objects of a scripted server are named; others only by their type.
      ScriptedObject* object = nullptr;
      if (v.pdispVal && SUCCEEDED(v.pdispVal->QueryInterface(ScriptedObject::kIid,
                                                             reinterpret_cast<void**>(&object)))) {
        std::string text = "DISPATCH " + object->name();
        object->Release();
        return text;
      }
      return v.pdispVal ? "DISPATCH" : "DISPATCH null";
    }
    default:
      std::snprintf(buf, sizeof buf, "VT 0x%X", v.vt);
      return buf;
  }
}

class Factory final : public IClassFactory {
 public:
  explicit Factory(ScriptedServer& server) : server_(server) {}
  HRESULT QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!(iid == IID_IUnknown || iid == IID_IClassFactory)) return E_NOINTERFACE;
    *out = static_cast<IClassFactory*>(this);
    return S_OK;
  }
  ULONG AddRef() override { return 2; }
  ULONG Release() override { return 1; }
  HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    IDispatch* root = nullptr;
    HRESULT h = server_.create_root(&root);
    if (FAILED(h)) return h;
    h = root->QueryInterface(iid, out);
    root->Release();
    return h;
  }
  HRESULT LockServer(int) override { return S_OK; }

 private:
  ScriptedServer& server_;
};

std::string module_path() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&module_path), &info) == 0 || !info.dli_fname) return {};
  std::error_code ec;
  auto full = std::filesystem::absolute(info.dli_fname, ec);
  return ec ? std::string(info.dli_fname) : full.string();
}

}  // namespace

std::string describe(const VARIANT& v) {
  bool by_reference = false;
  const VARIANT& value = target(v, &by_reference);
  return (by_reference ? "&" : "") + describe_value(value);
}

std::string CallRecord::text() const {
  std::string t = object + " " + kind_text(kind) + " " + hex(id) + "(";
  for (size_t i = 0; i < args.size(); ++i) t += (i ? ", " : "") + args[i];
  return t + ")";
}

// ---- ScriptedObject

ScriptedObject::ScriptedObject(ScriptedServer& server, std::string kind, std::string name)
    : server_(server), kind_(std::move(kind)), name_(std::move(name)) {
  server_.object_made(kind_);
}

ScriptedObject::~ScriptedObject() {
  for (auto& [id, v] : properties_) VariantClear(&v);
  server_.object_gone(kind_);
}

Ref<ScriptedObject> ScriptedObject::make(ScriptedServer& server, std::string kind,
                                         std::string name) {
  return Ref<ScriptedObject>(new ScriptedObject(server, std::move(kind), std::move(name)));
}

void ScriptedObject::on(DISPID id, WORD kinds, Handler handler) {
  for (WORD k :
       {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF}) {
    if (kinds & k) members_[{id, k}] = handler;
  }
}

void ScriptedObject::property(DISPID id, const VARIANT& initial) { set_value(id, initial); }

const VARIANT& ScriptedObject::value(DISPID id) const {
  static const VARIANT empty{};
  auto it = properties_.find(id);
  return it == properties_.end() ? empty : it->second;
}

void ScriptedObject::set_value(DISPID id, const VARIANT& v) {
  auto [it, added] = properties_.try_emplace(id);
  if (added) VariantInit(&it->second);
  VariantCopy(&it->second, &v);
}

void ScriptedObject::disconnect(HRESULT code) { gone_ = code; }

HRESULT ScriptedObject::QueryInterface(const IID& iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!(iid == IID_IUnknown || iid == IID_IDispatch || iid == kIid)) return E_NOINTERFACE;
  *out = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

ULONG ScriptedObject::AddRef() { return ++refs_; }

ULONG ScriptedObject::Release() {
  const ULONG n = --refs_;
  if (n == 0) delete this;
  return n;
}

HRESULT ScriptedObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT ScriptedObject::GetTypeInfo(UINT, LCID, ITypeInfo** out) {
  if (out) *out = nullptr;
  return DISP_E_BADINDEX;
}

void ScriptedObject::answer_name(std::string name, DISPID id) {
  for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  names_[std::move(name)] = id;
}

HRESULT ScriptedObject::GetIDsOfNames(const IID&, OLECHAR** names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  std::string name;
  for (const OLECHAR* c = names[0]; c && *c; ++c) {
    name.push_back(*c < 0x80 ? static_cast<char>(std::toupper(*c)) : '?');
  }
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  auto it = names_.find(name);
  if (it == names_.end() || count > 1) return DISP_E_UNKNOWNNAME;
  ids[0] = it->second;
  return S_OK;
}

HRESULT ScriptedObject::Invoke(DISPID id, const IID& iid, LCID, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO*, UINT*) {
  if (!(iid == GUID_NULL)) return DISP_E_UNKNOWNINTERFACE;
  // The arguments in parameter order; by-reference ones followed to their
  // values, which a handler may read and, for a reference, replace.
  const UINT n = params ? params->cArgs : 0;
  if (n && !params->rgvarg) return E_INVALIDARG;
  // Short argument lists stay on the stack.
  constexpr UINT kSmall = 32;
  VARIANT raw_small[kSmall], args_small[kSmall];
  VARIANT* slots_small[kSmall];
  std::vector<VARIANT> raw_large(n > kSmall ? n : 0), args_large(n > kSmall ? n : 0);
  std::vector<VARIANT*> slots_large(n > kSmall ? n : 0);
  VARIANT* raw = n > kSmall ? raw_large.data() : raw_small;
  VARIANT* args = n > kSmall ? args_large.data() : args_small;
  VARIANT** slots = n > kSmall ? slots_large.data() : slots_small;
  for (UINT i = 0; i < n; ++i) {
    VARIANT& v = params->rgvarg[n - 1 - i];
    raw[i] = v;
    slots[i] = v.vt == (VT_BYREF | VT_VARIANT) && v.byref ? static_cast<VARIANT*>(v.byref) : &v;
  }
  server_.record(*this, flags, id, std::span<const VARIANT>(raw, n));
  // Held while the call runs: a handler may drop the last other reference.
  Ref<ScriptedObject> keep(this);
  AddRef();
  if (gone_ != S_OK) return gone_;
  VARIANT answer;
  VariantInit(&answer);
  if (HRESULT f = server_.fault_for(*this, id, flags, &answer); f != S_FALSE) {
    if (SUCCEEDED(f) && result) {
      VariantClear(result);
      *result = answer;
    } else {
      VariantClear(&answer);
    }
    return f;
  }

  for (UINT i = 0; i < n; ++i) args[i] = *slots[i];
  VARIANT scratch;
  VariantInit(&scratch);
  VARIANT* out = result ? result : &scratch;
  if (result) VariantClear(result);
  HRESULT h = DISP_E_MEMBERNOTFOUND;
  bool answered = false;
  for (WORD k :
       {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF}) {
    if (!(flags & k)) continue;
    auto it = members_.find({id, k});
    if (it == members_.end()) continue;
    h = it->second(*this, std::span<VARIANT>(args, n), out);
    answered = true;
    break;
  }
  if (!answered && properties_.count(id)) {
    if (flags & DISPATCH_PROPERTYGET) {
      h = VariantCopy(out, &properties_[id]);
    } else if ((flags & DISPATCH_PROPERTYPUT) && n == 1) {
      set_value(id, args[0]);
      h = S_OK;
    } else {
      h = DISP_E_BADPARAMCOUNT;
    }
  }
  // A handler that replaced a by-reference value wrote it to its copy.
  for (UINT i = 0; i < n; ++i) {
    if (slots[i] != &params->rgvarg[n - 1 - i]) *slots[i] = args[i];
  }
  VariantClear(&scratch);
  return h;
}

// ---- ScriptedServer

ScriptedServer::ScriptedServer(std::string prog_id, const CLSID& clsid, RootMaker make_root)
    : prog_id_(std::move(prog_id)), clsid_(clsid), make_root_(std::move(make_root)) {
  // A long run by a program that never reads the record (a fuzz target)
  // starts with it off.
  const char* recording = std::getenv("QN_OFFICE_SERVERS_RECORDING");
  recording_ = !(recording && std::string_view(recording) == "0");
  servers().push_back(this);
}

std::vector<CallRecord> ScriptedServer::calls() const {
  std::lock_guard<std::mutex> hold(lock_);
  return calls_;
}

std::vector<std::string> ScriptedServer::call_texts() const {
  std::vector<std::string> texts;
  for (const CallRecord& c : calls()) texts.push_back(c.text());
  return texts;
}

void ScriptedServer::clear_calls() {
  std::lock_guard<std::mutex> hold(lock_);
  calls_.clear();
}

void ScriptedServer::set_recording(bool on) {
  std::lock_guard<std::mutex> hold(lock_);
  recording_ = on;
}

void ScriptedServer::inject(Fault fault) {
  std::lock_guard<std::mutex> hold(lock_);
  faults_.push_back(std::move(fault));
}

void ScriptedServer::fail_creation(HRESULT code) {
  std::lock_guard<std::mutex> hold(lock_);
  creation_fault_ = code;
}

void ScriptedServer::reset() {
  std::lock_guard<std::mutex> hold(lock_);
  calls_.clear();
  for (Fault& f : faults_) VariantClear(&f.answer);
  faults_.clear();
  recording_ = true;
  creation_fault_ = S_OK;
  counters_.clear();
}

int ScriptedServer::live_objects() const {
  std::lock_guard<std::mutex> hold(lock_);
  int n = 0;
  for (const auto& [kind, count] : live_) n += count;
  return n;
}

int ScriptedServer::live_objects(std::string_view kind) const {
  std::lock_guard<std::mutex> hold(lock_);
  auto it = live_.find(kind);
  return it == live_.end() ? 0 : it->second;
}

std::string ScriptedServer::next_name(const std::string& kind) {
  std::lock_guard<std::mutex> hold(lock_);
  return kind + std::to_string(++counters_[kind]);
}

HRESULT ScriptedServer::create_root(IDispatch** out) {
  *out = nullptr;
  {
    std::lock_guard<std::mutex> hold(lock_);
    if (FAILED(creation_fault_)) return std::exchange(creation_fault_, S_OK);
  }
  Ref<ScriptedObject> root = make_root_(*this);
  if (!root) return E_OUTOFMEMORY;
  *out = root.release();
  return S_OK;
}

void ScriptedServer::record(const ScriptedObject& object, WORD kind, DISPID id,
                            std::span<const VARIANT> args) {
  std::lock_guard<std::mutex> hold(lock_);
  if (!recording_) return;
  CallRecord c{object.name(), kind, id, {}};
  c.args.reserve(args.size());
  for (const VARIANT& v : args) c.args.push_back(describe(v));
  calls_.push_back(std::move(c));
}

HRESULT ScriptedServer::fault_for(const ScriptedObject& object, DISPID id, WORD kind,
                                  VARIANT* answer) {
  std::lock_guard<std::mutex> hold(lock_);
  for (auto it = faults_.begin(); it != faults_.end(); ++it) {
    if (it->id != id || !(it->kind & kind)) continue;
    if (it->object != "*" && it->object != object.name() && it->object != object.kind()) continue;
    if (it->after > 0) {
      --it->after;
      continue;
    }
    const HRESULT code = it->code;
    if (SUCCEEDED(code)) VariantCopy(answer, &it->answer);
    if (it->times > 0 && --it->times == 0) {
      VariantClear(&it->answer);
      faults_.erase(it);
    }
    return code;
  }
  return S_FALSE;  // no fault: the member answers
}

void ScriptedServer::object_made(const std::string& kind) {
  std::lock_guard<std::mutex> hold(lock_);
  ++live_[kind];
}

void ScriptedServer::object_gone(const std::string& kind) {
  std::lock_guard<std::mutex> hold(lock_);
  --live_[kind];
}

ScriptedServer* find_server(std::string_view prog_id) {
  for (ScriptedServer* s : servers()) {
    if (s->prog_id() == prog_id) return s;
  }
  return nullptr;
}

// ---- argument helpers

bool is_missing(const VARIANT& v) {
  return v.vt == VT_ERROR && v.scode == static_cast<SCODE>(DISP_E_PARAMNOTFOUND);
}

bool arg_long(const VARIANT& v, LONG* out) {
  if (is_missing(v)) return false;
  VARIANT c;
  VariantInit(&c);
  if (FAILED(VariantChangeType(&c, &v, 0, VT_I4))) return false;
  *out = c.lVal;
  return true;
}

bool arg_text(const VARIANT& v, std::string* out) {
  if (is_missing(v)) return false;
  VARIANT c;
  VariantInit(&c);
  if (FAILED(VariantChangeType(&c, &v, 0, VT_BSTR))) return false;
  *out = text_1252_of(c.bstrVal);
  VariantClear(&c);
  return true;
}

void return_bool(VARIANT* result, bool on) {
  VariantClear(result);
  result->vt = VT_BOOL;
  result->boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
}

void return_object(VARIANT* result, ScriptedObject* object) {
  VariantClear(result);
  result->vt = VT_DISPATCH;
  result->pdispVal = object;
  object->AddRef();
}

HRESULT register_servers() {
  const std::string file = platform::registry_file_path();
  auto tree = platform::RegistryTree::load(file);
  const std::string path = module_path();
  bool ok = true;
  for (ScriptedServer* s : servers()) {
    const std::string clsid = guid_to_string(s->clsid());
    ok = tree.set_value(s->prog_id() + "\\CLSID", "", clsid) && ok;
    ok = tree.set_value("CLSID\\" + clsid + "\\InprocServer32", "", path) && ok;
  }
  std::string error;
  return ok && tree.save(file, &error) ? S_OK : SELFREG_E_CLASS;
}

}  // namespace qn::office_servers

// ---- the module's entry points

using namespace qn::com;
using qn::office_servers::ScriptedServer;

extern "C" __attribute__((visibility("default"))) HRESULT DllGetClassObject(REFCLSID clsid,
                                                                            REFIID iid,
                                                                            void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (ScriptedServer* s : qn::office_servers::servers()) {
    if (s->clsid() == clsid) {
      // One factory per server, made on first use and kept.
      static std::map<const ScriptedServer*, std::unique_ptr<qn::office_servers::Factory>> made;
      auto& f = made[s];
      if (!f) f = std::make_unique<qn::office_servers::Factory>(*s);
      return f->QueryInterface(iid, out);
    }
  }
  return CLASS_E_CLASSNOTAVAILABLE;
}

extern "C" __attribute__((visibility("default"))) HRESULT DllRegisterServer() {
  return qn::office_servers::register_servers();
}
