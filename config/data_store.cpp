#include "config/data_store.h"

#include <cstdio>
#include <mutex>
#include <optional>

#include "host/directories.h"
#include "host/run_state.h"
#include "platform/path.h"
#include "platform/profile.h"
#include "platform/system_services.h"

namespace qn::config {
namespace {

std::string format(const char* fmt, int a) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, a);
  return buf;
}

std::string format(const char* fmt, int a, int b) {
  char buf[64];
  std::snprintf(buf, sizeof buf, fmt, a, b);
  return buf;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// "%s %d": a word and an optional number behind it. No word gives none.
std::optional<std::pair<std::string, int32_t>> scan_name_type(std::string_view text) {
  std::size_t pos = 0;
  auto skip_space = [&] {
    while (pos < text.size() && (is_blank(text[pos]) || text[pos] == '\n' || text[pos] == '\r' ||
                                 text[pos] == '\v' || text[pos] == '\f')) {
      ++pos;
    }
  };
  skip_space();
  std::size_t start = pos;
  while (pos < text.size() && !is_blank(text[pos]) && text[pos] != '\r' && text[pos] != '\n' &&
         text[pos] != '\v' && text[pos] != '\f') {
    ++pos;
  }
  if (pos == start) return std::nullopt;
  std::string name(text.substr(start, pos - start));
  skip_space();
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  int64_t n = 0;
  bool digits = false;
  while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') {
    if (n < 0x7fffffffLL) n = n * 10 + (text[pos] - '0');
    digits = true;
    ++pos;
  }
  if (n > 0x7fffffffLL) n = 0x7fffffffLL;
  int32_t type = digits ? static_cast<int32_t>(negative ? -n : n) : 0;
  return std::make_pair(std::move(name), type);
}

int generation_set() { return host::run_state().datastore_set; }

std::mutex path_mutex;
std::optional<std::string> model_ini;
std::optional<std::string> qn_ini;

}  // namespace

// ---- CDataStore ----

CDataStore::CDataStore(int16_t number, std::string name, int32_t type)
    : name_(std::move(name)), number_(number), type_(type) {}

CDataStore::CDataStore(int16_t number) : number_(number) {
  if (number == 1) {
    name_ = "Default";
    type_ = 1;
    return;
  }
  std::optional<std::string> entry =
      platform::profile_lookup(model_ini_path(), format("DataStores%04d", generation_set()),
                               format("DataStore%04d", number));
  std::optional<std::pair<std::string, int32_t>> scanned;
  if (entry) scanned = scan_name_type(*entry);
  if (scanned) {
    name_ = std::move(scanned->first);
    type_ = scanned->second;
  } else {
    name_ = format("DataStore%d", number);
    type_ = 0;
  }
}

bool CDataStore::operator==(const CDataStore& other) const {
  return number_ == other.number_ && name_ == other.name_ && ((type_ == 0) == (other.type_ == 0));
}

// ---- CQnDataSource ----

std::string CQnDataSource::Field1() const { return data_source_field(number_, 1); }

std::string CQnDataSource::Field0With(std::string_view suffix) const {
  return data_source_field(number_, 0) + std::string(suffix);
}

std::string CQnDataSource::DefinitionName() const { return data_source_field(number_, 2); }

// ---- CDataStoreList ----

void CDataStoreList::Copy(const CDataStoreList& other) {
  if (&other == this) return;
  RemoveAll();
  for (const CDataStore& store : other) AddTail(store);
}

void CDataStoreList::RemoveAll() {
  stores_.clear();
  last_found_ = nullptr;
}

void CDataStoreList::AddTail(const CDataStore& store) { stores_.push_back(store); }

const CDataStore* CDataStoreList::Find(int16_t number) const {
  if (last_found_ != nullptr && last_found_->number() == number) return last_found_;
  for (const CDataStore& store : stores_) {
    if (store.number() == number) {
      last_found_ = &store;
      return last_found_;
    }
  }
  return nullptr;
}

// ---- CAvailDataStoreList ----

void CAvailDataStoreList::Copy(const CDataStoreList& other) {
  if (&other == this) return;
  CDataStoreList::Copy(other);
  if (const auto* avail = dynamic_cast<const CAvailDataStoreList*>(&other)) lastDS = avail->lastDS;
}

void CAvailDataStoreList::Load(std::string_view file, int set) {
  RemoveAll();
  if (set == 0) set = generation_set();
  std::string section = format("DataStores%04d", set);
  int32_t last = platform::profile_int(file, section, "LastDS", 1);
  if (last < 1) last = 1;
  if (last > 0x7fff) last = 0x7fff;
  lastDS = static_cast<int16_t>(last);
  AddTail(CDataStore(1, "Default", 1));
  for (int n = 2; n <= lastDS; ++n) {
    std::optional<std::string> entry =
        platform::profile_lookup(file, section, format("DataStore%04d", n));
    if (!entry) continue;
    std::optional<std::pair<std::string, int32_t>> scanned = scan_name_type(*entry);
    if (!scanned) continue;  // present but empty: nothing to name the store by
    AddTail(CDataStore(static_cast<int16_t>(n), std::move(scanned->first), scanned->second));
  }
}

// ---- files ----

std::string model_ini_path() {
  std::lock_guard<std::mutex> lock(path_mutex);
  if (!model_ini) model_ini = platform::current_dir() + "MODEL.INI";
  return *model_ini;
}

void forget_ini_paths() {
  std::lock_guard<std::mutex> lock(path_mutex);
  model_ini.reset();
  qn_ini.reset();
}

std::string qn_ini_path() {
  std::lock_guard<std::mutex> lock(path_mutex);
  if (!qn_ini) qn_ini = host::get_program_dir() + "QN.INI";
  return *qn_ini;
}

std::string data_source_field(int number, int index) {
  std::string entry =
      platform::profile_string(qn_ini_path(), "Data Sources", format("Ds%d", number), "", 100);
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) {
    std::size_t comma = entry.find(',', start);
    if (comma == std::string::npos) return "";
    start = comma + 1;
  }
  std::size_t end = entry.find(',', start);
  std::string_view field = std::string_view(entry).substr(
      start, end == std::string::npos ? std::string::npos : end - start);
  while (!field.empty() && is_blank(field.front())) field.remove_prefix(1);
  return std::string(field);
}

const CModelDataSourceArray& model_data_sources(int model) {
  static CModelDataSourceArray array;
  array.clear();
  CAvailDataStoreList stores;
  stores.Load(model_ini_path(), 0);
  std::string section = format("DSs%04d", model);
  for (const CDataStore& store : stores) {
    int32_t source =
        platform::profile_int(model_ini_path(), section, format("DatSto%04d", store.number()), 0);
    if (store.type() != 0 && source == 0) source = host::run_state().data_source;
    array.push_back((static_cast<uint32_t>(static_cast<uint16_t>(store.number())) << 16) |
                    static_cast<uint16_t>(source));
  }
  return array;
}

int data_source_of_store(const CModelDataSourceArray& array, int store) {
  for (uint32_t element : array) {
    if (static_cast<int>(element >> 16) == store) return static_cast<int16_t>(element & 0xffff);
  }
  return 0;
}

std::string preferences_section(int model, int generator) {
  return generator == 0 ? format("Preferences %03d", model)
                        : format("Preferences %03d %02d", model, generator);
}

std::string ds_preferences_section(int model, int store) {
  return store == 0 ? format("Preferences %03d", model)
                    : format("Preferences %03d DS:%02d", model, store);
}

}  // namespace qn::config
