#include "kb/saved_property.h"

#include <cstring>

#include "kb/kb_records.h"

namespace qn::kb {

namespace {

constexpr std::size_t kNameBuffer = 200;  // names are taken into 200-byte buffers
constexpr int kTableObjectType = 7;
constexpr int kPropertyTextKind = 15;

struct Cache {
  std::vector<std::unique_ptr<CSavedProperty>> entries;
  int model = -1, table = -1, index = -1;
};

Cache& table_cache() {
  static Cache c;
  return c;
}

Cache& index_cache() {
  static Cache c;
  return c;
}

int g_loads = 0;

std::string cut_name(const std::string& s) {
  return s.size() < kNameBuffer ? s : s.substr(0, kNameBuffer - 1);
}

void LoadSavedProperties(Cache& cache, int model, int table, int string_number) {
  ++g_loads;
  cache.entries.clear();
  std::string text;
  LoadObjString(model, kTableObjectType, table, kPropertyTextKind, string_number, text);
  cache.entries = SplitSavedProperties(text);
}

int find(const Cache& cache, const std::string& name, std::string& value) {
  for (const auto& e : cache.entries) {
    if (e->Name() == name) {
      value = e->Value();
      return 1;
    }
  }
  return 0;
}

}  // namespace

void CSavedProperty::Serialize(CArchive& ar) {
  if (ar.IsLoading()) {
    uint16_t limit = 10;
    config::ReadBoundedWord(ar, limit, "CSavedProperty");
    name_ = ar.ReadString();
    value_ = ar.ReadString();
    default_ = ar.ReadString();
    state_ = ar.ReadWord();
  } else {
    ar.WriteWord(10);
    ar.WriteString(name_);
    ar.WriteString(value_);
    ar.WriteString(default_);
    ar.WriteWord(static_cast<uint16_t>(state_));
  }
}

std::vector<std::unique_ptr<CSavedProperty>> SplitSavedProperties(const std::string& text) {
  std::vector<std::unique_ptr<CSavedProperty>> out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(pos, end - pos);
    pos = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string::npos) {
      out.push_back(std::make_unique<CSavedProperty>(line, ""));
    } else {
      out.push_back(std::make_unique<CSavedProperty>(line.substr(0, eq), line.substr(eq + 1)));
    }
  }
  return out;
}

int TableProperty(int model, int table, const std::string& name, std::string& value) {
  Cache& cache = table_cache();
  if (cache.model != model || cache.table != table) {
    cache.model = model;
    cache.table = table;
    LoadSavedProperties(cache, model, table, 0);
  }
  return find(cache, cut_name(name), value);
}

int IndexProperty(int model, const std::string& index_name, const std::string& name,
                  std::string& value) {
  IdxRecord key, rec;
  key.model = static_cast<int16_t>(model);
  const std::string wanted = cut_name(index_name);
  std::strncpy(key.name, wanted.c_str(), sizeof key.name - 1);
  if (idx(kOpReadPartial, 4, key, rec) != kKbDone) return 0;
  Cache& cache = index_cache();
  if (cache.model != model || cache.table != rec.table || cache.index != rec.index) {
    cache.model = model;
    cache.table = rec.table;
    cache.index = rec.index;
    LoadSavedProperties(cache, model, rec.table, rec.index);
  }
  return find(cache, cut_name(name), value);
}

int saved_property_loads() { return g_loads; }

void reset_saved_property_caches() {
  for (Cache* c : {&table_cache(), &index_cache()}) {
    c->entries.clear();
    c->model = c->table = c->index = -1;
  }
  g_loads = 0;
}

}  // namespace qn::kb
