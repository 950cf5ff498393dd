// Handler registries: named handler functions with a context each, looked
// up here and then in the parent registry. A child registry listens to its
// parent: a change of a name there drops the child's own handler of that
// name, so the parent's is found again, and the change is passed on.
//
// Nothing in this program registers a handler; every lookup falls through to
// none, and the model behaves as the definitions say for that case.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "config/properties/prop_interfaces.h"
#include "platform/cp1252.h"

namespace qn::config {

// Called with (listener data, name or none) when a registry changes.
using RegistryListener = void (*)(void* data, const std::string* name);

template <typename T>
class CMapStrToTypedPtr {
 public:
  // upper: names are upper-cased before they are stored or looked up.
  explicit CMapStrToTypedPtr(bool upper = false) : upper_(upper) {}
  CMapStrToTypedPtr(const CMapStrToTypedPtr&) = delete;
  CMapStrToTypedPtr& operator=(const CMapStrToTypedPtr&) = delete;
  ~CMapStrToTypedPtr() { Unlink(); }

  void AddRef() { ++refs_; }
  void Release() {
    if (--refs_ == 0) delete this;
  }

  void Register(const std::string& name, T handler, void* context) {
    const std::string key = normal(name);
    handlers_[key] = handler;
    contexts_[key] = context;
    Notify(&key);
  }

  // The handler of that name here, else the parent's; none when absent.
  T Lookup(const std::string& name, void*& context) const {
    const std::string key = normal(name);
    for (const CMapStrToTypedPtr* r = this; r; r = r->parent_) {
      auto it = r->handlers_.find(key);
      if (it != r->handlers_.end()) {
        auto c = r->contexts_.find(key);
        context = c == r->contexts_.end() ? nullptr : c->second;
        return it->second;
      }
    }
    context = nullptr;
    return T{};
  }

  // Takes the new parent (counted) and tells this registry's listeners.
  void SetParent(CMapStrToTypedPtr* parent) {
    Unlink();
    parent_ = parent;
    if (parent_) {
      parent_->AddRef();
      parent_->Listen(&CMapStrToTypedPtr::OnParentChange, this);
    }
    Notify(nullptr);
  }

  // Listeners are kept by callback and data together, so that the children
  // of one parent, which share a callback, are each told.
  void Listen(RegistryListener callback, void* data) { listeners_.insert({callback, data}); }
  void StopListening(RegistryListener callback, void* data) { listeners_.erase({callback, data}); }

  void Notify(const std::string* name) {
    const auto listeners = listeners_;  // a listener may change the set
    for (const auto& [callback, data] : listeners) callback(data, name);
  }

  // Drops the parent without telling anyone.
  void Unlink() {
    if (!parent_) return;
    parent_->StopListening(&CMapStrToTypedPtr::OnParentChange, this);
    parent_->Release();
    parent_ = nullptr;
  }

 private:
  static void OnParentChange(void* data, const std::string* name) {
    auto* self = static_cast<CMapStrToTypedPtr*>(data);
    if (name) {
      self->handlers_.erase(*name);
      self->contexts_.erase(*name);
    }
    self->Notify(name);
  }

  std::string normal(const std::string& name) const {
    return upper_ ? platform::upper_1252(name) : name;
  }

  bool upper_;
  int refs_ = 1;
  CMapStrToTypedPtr* parent_ = nullptr;
  std::map<std::string, T> handlers_;
  std::map<std::string, void*> contexts_;
  std::set<std::pair<RegistryListener, void*>> listeners_;
};

// The registered custom-type names, shared by an object's container with
// its parent's.
class CCustomIndex {
 public:
  void AddRef() { ++refs_; }
  void Release() {
    if (--refs_ == 0) delete this;
  }
  void Add(const std::string& name) { names_.push_back(platform::upper_1252(name)); }
  int Find(const std::string& name) const {
    const std::string upper = platform::upper_1252(name);
    for (std::size_t i = 0; i < names_.size(); ++i) {
      if (names_[i] == upper) return static_cast<int>(i);
    }
    return -1;
  }
  const std::string* At(int n) const {
    return n >= 0 && static_cast<std::size_t>(n) < names_.size()
               ? &names_[static_cast<std::size_t>(n)]
               : nullptr;
  }

 private:
  int refs_ = 1;
  std::vector<std::string> names_;
};

class CPropHandlerContainer {
 public:
  CPropHandlerContainer() { Create(); }
  ~CPropHandlerContainer() { Drop(); }
  CPropHandlerContainer(const CPropHandlerContainer&) = delete;
  CPropHandlerContainer& operator=(const CPropHandlerContainer&) = delete;

  // Fresh, empty registries and name list.
  void Reset() {
    Drop();
    Create();
  }

  // Makes parent's registries the parents of these, and shares its names.
  void LinkTo(CPropHandlerContainer& parent) {
    custom_types->SetParent(parent.custom_types);
    value_lists->SetParent(parent.value_lists);
    defaults->SetParent(parent.defaults);
    enabled->SetParent(parent.enabled);
    visible->SetParent(parent.visible);
    validation->SetParent(parent.validation);
    change->SetParent(parent.change);
    names->Release();
    names = parent.names;
    names->AddRef();
  }

  CMapStrToTypedPtr<iCustomProp*>* custom_types = nullptr;
  CMapStrToTypedPtr<ValueListLoader>* value_lists = nullptr;
  CMapStrToTypedPtr<DefaultProvider>* defaults = nullptr;
  CMapStrToTypedPtr<EnabledHandler>* enabled = nullptr;
  CMapStrToTypedPtr<VisibleHandler>* visible = nullptr;
  CMapStrToTypedPtr<ValidationHandler>* validation = nullptr;
  CMapStrToTypedPtr<ChangeHandler>* change = nullptr;
  CCustomIndex* names = nullptr;

 private:
  void Create() {
    custom_types = new CMapStrToTypedPtr<iCustomProp*>(true);
    value_lists = new CMapStrToTypedPtr<ValueListLoader>();
    defaults = new CMapStrToTypedPtr<DefaultProvider>();
    enabled = new CMapStrToTypedPtr<EnabledHandler>();
    visible = new CMapStrToTypedPtr<VisibleHandler>();
    validation = new CMapStrToTypedPtr<ValidationHandler>();
    change = new CMapStrToTypedPtr<ChangeHandler>();
    names = new CCustomIndex();
  }
  void Drop() {
    custom_types->Unlink();
    value_lists->Unlink();
    defaults->Unlink();
    enabled->Unlink();
    visible->Unlink();
    validation->Unlink();
    change->Unlink();
    custom_types->Release();
    value_lists->Release();
    defaults->Release();
    enabled->Release();
    visible->Release();
    validation->Release();
    change->Release();
    names->Release();
  }
};

}  // namespace qn::config
