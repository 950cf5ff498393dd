#include "config/properties/prop_manager.h"

#include <cstdio>

#include "config/data_store.h"
#include "host/directories.h"
#include "platform/binary_file.h"
#include "platform/debug_output.h"
#include "platform/message_box.h"
#include "platform/profile.h"

namespace qn::config {

using namespace com;

namespace {

int g_loads = 0;
// The (store, model) whose definitions and values the manager holds.
int g_cached_store = -1;
int g_cached_model = -1;

constexpr std::size_t kOutBuffer = 10240;

// Reads the whole archive; cause is the file layer's code of a failure:
// 2 for a missing file, 5 for one denied, 1 for anything else.
bool read_file(const std::string& path, std::vector<uint8_t>& bytes, unsigned& cause) {
  platform::BinaryFileReader file;
  bytes.clear();
  if (file.open(path) && file.read_all(bytes)) return true;
  switch (file.failure()) {
    case platform::FileFailure::kMissing:
      cause = 2;
      break;
    case platform::FileFailure::kDenied:
      cause = 5;
      break;
    default:
      cause = 1;
  }
  return false;
}

std::string printf_text(const char* format, const std::string& a, const std::string& b = {}) {
  std::vector<char> buf(a.size() + b.size() + 256);
  std::snprintf(buf.data(), buf.size(), format, a.c_str(), b.c_str());
  return buf.data();
}

}  // namespace

CPropManager::CPropManager() = default;
CPropManager::~CPropManager() = default;

void CPropManager::Reset() {
  objects_.clear();
  object_iter_.reset();
  name_ = "Property Manager";
  handlers_.Reset();
}

int CPropManager::LoadDefinitions(const std::string& path, const std::string& object_name) {
  ++g_loads;
  std::vector<uint8_t> bytes;
  unsigned cause = 0;
  if (!read_file(path, bytes, cause)) {
    char text[64];
    std::snprintf(text, sizeof text, "%08X", cause);
    platform::message_box(printf_text("File '%s' could not be opened (0x%s)", path, text), "Error",
                          platform::kMbOk);
    return 0;
  }
  return BuildObjects(bytes, object_name);
}

int CPropManager::BuildObjects(std::span<const uint8_t> archive, const std::string& object_name) {
  PropArchive content = ReadPropArchive(archive);
  const CPropObjIdList chain =
      object_name.empty() ? CPropObjIdList::All() : content.objects.GetObjectChain(object_name);
  if (!chain.IsNonEmpty()) return 1;
  CPropDefList* chosen = SelectObjectDefinition(*content.root, chain);
  if (!chosen) return 1;  // no object definition covers the chain: no objects
  name_ = chosen->DisplayCaption();
  chosen->GatherLoose(kKindPage, kKindPage);
  for (auto& child : chosen->children) {
    std::unique_ptr<CPropDefList> page(static_cast<CPropDefList*>(child.release()));
    page->parent = nullptr;
    auto object = std::make_unique<CObjWithProp>(std::move(page));
    object->LinkHandlers(handlers_);
    objects_.push_back(std::move(object));
  }
  chosen->children.clear();
  return 1;
}

void CPropManager::ApplySavedValues(const CPropSavedValues& saved, int overwrite) {
  for (auto& o : objects_) o->ApplySavedValue(saved, 0, overwrite);
}

CObjWithProp* CPropManager::owner_of(const std::string& name) const {
  for (const auto& o : objects_) {
    if (o->HasName(name)) return o.get();
  }
  return nullptr;
}

CObjWithProp* CPropManager::locate(int index, int& local, int& base) const {
  base = 0;
  for (const auto& o : objects_) {
    const int span = o->count() + 1;
    if (index >= base && index < base + span) {
      local = index - base - 1;
      return o.get();
    }
    base += span;
  }
  return nullptr;
}

int CPropManager::GetCount() {
  int n = 0;
  for (const auto& o : objects_) n += o->count() + 1;
  return n;
}

bool CPropManager::GetPropertyInfo(int index, std::string& caption, std::string& description,
                                   int& editor_kind, int& parent_index) {
  int local = 0, base = 0;
  CObjWithProp* o = locate(index, local, base);
  if (!o) return false;
  if (local < 0) {
    caption = o->GetName();
    description.clear();
    editor_kind = 9;
    parent_index = -1;
    return true;
  }
  if (!o->GetPropertyInfo(local, caption, description, editor_kind, parent_index)) return false;
  parent_index = base + 1 + parent_index;
  return true;
}

bool CPropManager::GetValueAndState(int index, VARIANT& value, int& state) {
  int local = 0, base = 0;
  CObjWithProp* o = locate(index, local, base);
  if (!o || local < 0) return false;
  return o->GetValueAndState(local, value, state);
}

int CPropManager::SetValueAt(int index, const VARIANT& value, int& referenced) {
  referenced = 0;
  int local = 0, base = 0;
  CObjWithProp* o = locate(index, local, base);
  return o && local >= 0 ? o->SetValueAt(local, value, referenced) : 0;
}

int CPropManager::SetUseDefaultAt(int index, int flag, int& referenced) {
  referenced = 0;
  int local = 0, base = 0;
  CObjWithProp* o = locate(index, local, base);
  return o && local >= 0 ? o->SetUseDefaultAt(local, flag, referenced) : 0;
}

void CPropManager::ListValuesAt(int index, iPropValues* sink) {
  int local = 0, base = 0;
  if (CObjWithProp* o = locate(index, local, base); o && local >= 0) o->ListValuesAt(local, sink);
}

iCustomProp* CPropManager::GetCustomHandlerAt(int index, int number) {
  int local = 0, base = 0;
  CObjWithProp* o = locate(index, local, base);
  return o ? o->GetCustomHandlerAt(local, number) : nullptr;
}

int CPropManager::CheckRequired(int& index) {
  int base = 0;
  for (const auto& o : objects_) {
    int local = 0;
    if (!o->CheckRequired(local)) {
      index = base + 1 + local;
      return 0;
    }
    base += o->count() + 1;
  }
  return 1;
}

iProperties* CPropManager::GetSubProperties(int index) {
  int local = 0, base = 0;
  CObjWithProp* o = locate(index, local, base);
  return o && local < 0 ? o : nullptr;
}

void CPropManager::TakeSnapshot() {
  for (auto& o : objects_) o->TakeSnapshot();
}

std::string CPropManager::GetNameAt(int index) {
  int local = 0, base = 0;
  CObjWithProp* o = locate(index, local, base);
  if (!o) return {};
  if (local < 0) return o->page() ? o->page()->name : std::string();
  return o->GetNameAt(local);
}

int CPropManager::GetKindByName(const std::string& name) {
  CObjWithProp* o = owner_of(name);
  return o ? o->GetKindByName(name) : 0;
}

int CPropManager::GetKindAt(int index) {
  int local = 0, base = 0;
  CObjWithProp* o = locate(index, local, base);
  return o && local >= 0 ? o->GetKindAt(local) : 0;
}

void CPropManager::GetValueByName(VARIANT& value, const std::string& name) {
  if (CObjWithProp* o = owner_of(name)) return o->GetValueByName(value, name);
  VariantClear(&value);
  value.vt = VT_ERROR;
  value.scode = 0;
}

void CPropManager::GetDefaultByName(VARIANT& value, const std::string& name) {
  if (CObjWithProp* o = owner_of(name)) return o->GetDefaultByName(value, name);
  VariantClear(&value);
  value.vt = VT_ERROR;
  value.scode = 0;
}

int CPropManager::GetUseDefaultByName(const std::string& name) {
  CObjWithProp* o = owner_of(name);
  return o ? o->GetUseDefaultByName(name) : 0;
}

int CPropManager::SetValueByName(const std::string& name, const VARIANT& value) {
  CObjWithProp* o = owner_of(name);
  return o ? o->SetValueByName(name, value) : 0;
}

void CPropManager::SetUseDefaultByName(const std::string& name, int flag) {
  if (CObjWithProp* o = owner_of(name)) o->SetUseDefaultByName(name, flag);
}

std::string CPropManager::GetCustomTypeByName(const std::string& name) {
  CObjWithProp* o = owner_of(name);
  return o ? o->GetCustomTypeByName(name) : std::string();
}

int CPropManager::HasName(const std::string& name) { return owner_of(name) ? 1 : 0; }

CIter<iPropAccess*>* CPropManager::GetChildren() {
  using Array = std::vector<std::unique_ptr<CObjWithProp>>;
  object_iter_ =
      std::make_unique<CCastIter<iPropAccess, CArrayIter<CObjWithProp*, Array>, Array>>(&objects_);
  return object_iter_.get();
}

// ---------------------------------------------------------------- the preference lookup

CPropManager& property_manager() {
  static CPropManager manager;
  return manager;
}

int definition_loads() { return g_loads; }

void reset_data_store_prefs() {
  property_manager().Reset();
  g_cached_store = g_cached_model = -1;
  g_loads = 0;
}

int DataStorePref(const std::string& name, int store, int model, std::string& out) {
  out.clear();
  CPropManager& manager = property_manager();
  if (store != g_cached_store || model != g_cached_model) {
    const int source = data_source_of_store(model_data_sources(model), store);
    const std::string object = data_source_field(source, 2);
    if (object.empty()) return 0;
    const std::string file = host::get_program_dir() + "DTASTORE.PTY";
    manager.Reset();
    g_cached_store = g_cached_model = -1;
    if (!manager.LoadDefinitions(file, object)) {
      platform::debug_output(printf_text("DataStorePref: file '%s' not found\n", file));
      return 0;
    }
    platform::debug_output(printf_text(
        "DataStorePref: Definitions loaded from file '%s' object '%s'\n", file, object));
    char section[64];
    if (store == 1 || store == 0) {
      std::snprintf(section, sizeof section, "Preferences %03d", model);
    } else {
      std::snprintf(section, sizeof section, "Preferences %03d DS:%02d", model, store);
    }
    const std::string model_file = model_ini_path();
    {
      CPropSavedValues saved;
      saved.LoadIniSection(model_file, section);
      platform::debug_output(printf_text(
          "DataStorePref: Values loaded from file '%s' section '%s'\n", model_file, section));
      manager.ApplySavedValues(saved, 1);
    }
    char model_section[32];
    std::snprintf(model_section, sizeof model_section, "Model %03d", model);
    const auto generator =
        static_cast<int16_t>(platform::profile_int(model_file, model_section, "Generator", -1));
    manager.SetValueByName("MAIN_DS", *VariantValue::i2(store == 1 ? -1 : 0));
    manager.SetValueByName("REORG_GEN", *VariantValue::i2(generator));
    g_cached_store = store;
    g_cached_model = model;
  }
  VariantValue value;
  manager.GetValueByName(*value, name);
  if (FAILED(VariantChangeType(value.get(), value.get(), 0, VT_BSTR))) return 0;
  out = text_1252_of(value->bstrVal);
  if (out.size() > kOutBuffer - 1) out.resize(kOutBuffer - 1);
  platform::debug_output(printf_text("DataStorePref: '%s' = %s\n", name, out));
  return 1;
}

}  // namespace qn::config
