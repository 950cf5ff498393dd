// Scripted automation servers for the tests: stand-ins for the application
// servers the office module drives late-bound, which do not exist here.
//
// All of them live in one in-process module (libqn_office_servers.so). Each
// server is registered under its ProgID (DllRegisterServer writes every one
// into the registry file), and its factory makes the root object, the
// application. The objects it hands out are ScriptedObjects: an object has a
// kind ("workbook") and a name for the record ("workbook1"), members by
// DISPID and invoke kind answered by handlers, and plain properties kept as
// VARIANTs.
//
// Every call is recorded (object, invoke kind, DISPID, arguments) before it
// is answered, so a test compares the calls a class made with the sequence
// it expects. Faults are injected per object (by name or kind), DISPID and
// invoke kind, and for the creation of the root object. A test links the
// module and reaches a server through find_server.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/hresult.h"
#include "platform/com/late_call.h"

namespace qn::office_servers {

using com::DISPID;
using com::HRESULT;
using com::VARIANT;
using com::WORD;

class ScriptedServer;

// One recorded call. Arguments are in parameter order (first first), each as
// text: "missing", "I2 1", "I4 -4143", "R8 2.5", "DATE 45000", "BSTR
// \"a b\"", "BOOL -1", "DISPATCH cell3", "EMPTY"; an argument passed by
// reference is marked "&" in front.
struct CallRecord {
  std::string object;
  WORD kind;
  DISPID id;
  std::vector<std::string> args;
  // "workbook1 get 0x12A()", "cells get 0xAA(I4 1, I4 2)".
  std::string text() const;
};

// The text form of one argument.
std::string describe(const VARIANT& v);

class ScriptedObject final : public com::IDispatch {
 public:
  // args: the call's arguments in parameter order, by-reference ones
  // followed to their values; result: where a get or method puts its answer.
  using Handler =
      std::function<HRESULT(ScriptedObject& self, std::span<VARIANT> args, VARIANT* result)>;

  // A new object with one reference, the caller's.
  static com::Ref<ScriptedObject> make(ScriptedServer& server, std::string kind, std::string name);

  ScriptedServer& server() const { return server_; }
  const std::string& kind() const { return kind_; }
  const std::string& name() const { return name_; }

  // The member id answered for the invoke kinds in kinds (or-ed).
  void on(DISPID id, WORD kinds, Handler handler);
  // A member name GetIDsOfNames answers (ignoring case), for clients that
  // tell objects apart by the names they know.
  void answer_name(std::string name, DISPID id);
  // A plain property, readable and writable, with its first value (copied).
  void property(DISPID id, const VARIANT& initial);
  // The stored value of a plain property (VT_EMPTY when not declared).
  const VARIANT& value(DISPID id) const;
  void set_value(DISPID id, const VARIANT& v);

  // From now on every call fails with code, as an object whose owner went
  // away does (the user closed it, the application ended).
  void disconnect(HRESULT code = kDisconnected);
  bool disconnected() const { return gone_ != com::S_OK; }

  // Data a server keeps with an object (its sheet, its document text).
  std::shared_ptr<void> data;

  static constexpr HRESULT kDisconnected = com::hr(0x80010108);  // the object went away
  // Answered by QueryInterface with the object itself (its IDispatch
  // pointer), so the record can name objects passed as arguments.
  static constexpr com::IID kIid{
      0x6A0C93B1, 0x2F4D, 0x4C1E, {0x9B, 0x57, 0x3E, 0x81, 0x0A, 0xD2, 0x64, 0x19}};

  HRESULT QueryInterface(const com::IID& iid, void** out) override;
  com::ULONG AddRef() override;
  com::ULONG Release() override;
  HRESULT GetTypeInfoCount(com::UINT* count) override;
  HRESULT GetTypeInfo(com::UINT, com::LCID, com::ITypeInfo** out) override;
  HRESULT GetIDsOfNames(const com::IID&, com::OLECHAR**, com::UINT, com::LCID, DISPID*) override;
  HRESULT Invoke(DISPID id, const com::IID& iid, com::LCID, WORD flags, com::DISPPARAMS* params,
                 VARIANT* result, com::EXCEPINFO*, com::UINT* arg_error) override;

 private:
  ScriptedObject(ScriptedServer& server, std::string kind, std::string name);
  ~ScriptedObject();

  ScriptedServer& server_;
  const std::string kind_;
  const std::string name_;
  std::map<std::pair<DISPID, WORD>, Handler> members_;
  std::map<DISPID, VARIANT> properties_;
  std::map<std::string, DISPID> names_;  // upper-cased
  HRESULT gone_ = com::S_OK;
  com::ULONG refs_ = 1;
};

// A fault: calls that match fail with code, or, with a success code, are
// answered with answer in place of the member (a server that returns the
// wrong type). object is a name, a kind or "*".
struct Fault {
  std::string object;
  DISPID id;
  WORD kind;
  HRESULT code = com::E_FAIL;
  int times = -1;    // how many matching calls fail; -1 every one
  int after = 0;     // how many matching calls pass before the first fails
  VARIANT answer{};  // taken over by inject
};

class ScriptedServer {
 public:
  // make_root builds the application object a new client receives.
  using RootMaker = std::function<com::Ref<ScriptedObject>(ScriptedServer&)>;

  // Servers are made once, as statics of the module, and live as long as it.
  ScriptedServer(std::string prog_id, const com::CLSID& clsid, RootMaker make_root);
  ScriptedServer(const ScriptedServer&) = delete;
  ScriptedServer& operator=(const ScriptedServer&) = delete;

  const std::string& prog_id() const { return prog_id_; }
  const com::CLSID& clsid() const { return clsid_; }

  // The calls recorded since the last clear, and their texts.
  std::vector<CallRecord> calls() const;
  std::vector<std::string> call_texts() const;
  void clear_calls();
  // Recording costs time and memory; a benchmark turns it off, and
  // QN_OFFICE_SERVERS_RECORDING=0 has it off from the start.
  void set_recording(bool on);

  void inject(Fault fault);
  // The next creation of the root object fails with code.
  void fail_creation(HRESULT code);
  // Forgets faults, the record, the creation fault and the running numbers
  // of names.
  void reset();

  // Objects of this server alive now, in all, or of one kind.
  int live_objects() const;
  int live_objects(std::string_view kind) const;

  // A new name for an object of a kind: kind followed by a running number.
  std::string next_name(const std::string& kind);

  // Used by ScriptedObject and the module's factory.
  HRESULT create_root(com::IDispatch** out);
  void record(const ScriptedObject& object, WORD kind, DISPID id, std::span<const VARIANT> args);
  // The fault of a call: its code, with *answer set for a success code.
  HRESULT fault_for(const ScriptedObject& object, DISPID id, WORD kind, VARIANT* answer);
  void object_made(const std::string& kind);
  void object_gone(const std::string& kind);

 private:
  const std::string prog_id_;
  const com::CLSID clsid_;
  const RootMaker make_root_;
  mutable std::mutex lock_;
  std::vector<CallRecord> calls_;
  bool recording_ = true;
  std::vector<Fault> faults_;
  HRESULT creation_fault_ = com::S_OK;
  std::map<std::string, int, std::less<>> live_;
  std::map<std::string, int> counters_;
};

// The server of a ProgID in this module, or null.
ScriptedServer* find_server(std::string_view prog_id);

// Writes every server's ProgID and class, with this module's path, into the
// registry file (platform::registry_file_path()); what DllRegisterServer does.
HRESULT register_servers();

// Argument helpers for handlers: an argument given, as a value of type vt
// (false when missing or not convertible).
bool is_missing(const VARIANT& v);
bool arg_long(const VARIANT& v, com::LONG* out);
bool arg_text(const VARIANT& v, std::string* out);
// A result holding a new reference to object; a VT_BOOL result.
void return_object(VARIANT* result, ScriptedObject* object);
void return_bool(VARIANT* result, bool on);

// Handlers of an object that stands for part of a model item (a workbook, a
// document): fn(self, item, args, result) runs while the item lives and
// alive(item) holds; afterwards calls fail as on an object that went away.
template <class T, class F>
void on_item(ScriptedObject& o, const std::shared_ptr<T>& item, DISPID id, WORD kinds, F fn) {
  std::weak_ptr<T> weak = item;
  o.on(id, kinds, [weak, fn](ScriptedObject& self, std::span<VARIANT> a, VARIANT* r) -> HRESULT {
    auto p = weak.lock();
    if (!p || !alive(*p)) return ScriptedObject::kDisconnected;
    return fn(self, *p, a, r);
  });
}

}  // namespace qn::office_servers
