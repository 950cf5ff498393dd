// The indexed-file library over SQLite: the database is read once at open
// into sorted in-memory key arrays, and every read is served from them.
#include "platform/isam/isam.h"

#include <sqlite3.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "platform/isam/kb_layout.h"
#include "platform/isam/pefiles.h"
#include "platform/path.h"

namespace qn::isam {
namespace {

constexpr uint32_t kNone = UINT32_MAX;

struct KeyIndex {
  const KeyDef* def = nullptr;
  int length = 0;
  std::vector<uint8_t> sorted_keys;  // count * length, in key order
  std::vector<uint32_t> order;       // record of each place in key order
  std::vector<uint32_t> rank;        // place in key order of each record
};

struct DataFile {
  const FamilyDef* family = nullptr;
  uint32_t count = 0;
  std::vector<uint8_t> records;  // count * record_length, insertion order
  uint32_t current = kNone;
  const KeyIndex* unique = nullptr;
};

struct OpenSet {
  std::vector<DataFile> data;    // by family
  std::vector<KeyIndex> keys;    // by key definition
  std::vector<int> data_of_key;  // data index of each key index
};

std::unique_ptr<OpenSet> g_set;
short g_last_error = -1;
short g_secondary = -1;

short fail(short code, short secondary = -1) {
  g_last_error = code;
  g_secondary = secondary;
  return code;
}

DataFile* data_file(short number) {
  if (!g_set) return nullptr;
  for (auto& d : g_set->data)
    if (d.family->data_file == number) return &d;
  return nullptr;
}

struct KeyRef {
  KeyIndex* key;
  DataFile* data;
};

KeyRef key_file(short number) {
  if (!g_set) return {nullptr, nullptr};
  for (size_t i = 0; i < g_set->keys.size(); ++i)
    if (g_set->keys[i].def->key_file == number)
      return {&g_set->keys[i], &g_set->data[g_set->data_of_key[i]]};
  return {nullptr, nullptr};
}

// Finds the key and data file, or sets the error and answers false.
bool resolve(short number, KeyRef& ref, short& status) {
  if (!g_set) {
    status = fail(kIsamNotOpen);
    return false;
  }
  ref = key_file(number);
  if (!ref.key) {
    status = fail(kIsamBadFileNumber);
    return false;
  }
  return true;
}

const uint8_t* record_at(const DataFile& d, uint32_t r) {
  return d.records.data() + static_cast<size_t>(r) * d.family->record_length;
}

short take(DataFile& d, uint32_t r, void* out) {
  d.current = r;
  std::memcpy(out, record_at(d, r), d.family->record_length);
  return kIsamOk;
}

// First place in key order whose first n key bytes are not below key's.
uint32_t lower_place(const KeyIndex& k, const uint8_t* key, int n) {
  uint32_t lo = 0, hi = static_cast<uint32_t>(k.order.size());
  const uint8_t* base = k.sorted_keys.data();
  while (lo < hi) {
    uint32_t mid = lo + (hi - lo) / 2;
    if (std::memcmp(base + static_cast<size_t>(mid) * k.length, key, n) < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo;
}

// Loads one family's records; false when the table is missing or a record
// has the wrong length.
bool load_family(sqlite3* db, DataFile& d, short& secondary) {
  std::string sql = std::string("SELECT rec FROM ") + d.family->name + " ORDER BY rowid";
  sqlite3_stmt* st = nullptr;
  int rc = sqlite3_prepare_v2(db, sql.c_str(), -1, &st, nullptr);
  if (rc != SQLITE_OK) {
    secondary = static_cast<short>(rc);
    return false;
  }
  bool ok = true;
  const int len = d.family->record_length;
  while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
    if (sqlite3_column_bytes(st, 0) != len) {
      ok = false;
      break;
    }
    const auto* p = static_cast<const uint8_t*>(sqlite3_column_blob(st, 0));
    d.records.insert(d.records.end(), p, p + len);
  }
  if (ok && rc != SQLITE_DONE) {
    secondary = static_cast<short>(rc);
    ok = false;
  }
  sqlite3_finalize(st);
  d.count = static_cast<uint32_t>(d.records.size() / len);
  return ok;
}

// Sorts one key file: by key, then by the family's unique key, then by
// insertion. A unique key file holding two equal keys is damaged.
bool sort_key(KeyIndex& k, const DataFile& d, const KeyIndex* unique) {
  const uint32_t n = d.count;
  k.length = key_length(*k.def);
  std::vector<uint8_t> keys(static_cast<size_t>(n) * k.length);
  for (uint32_t r = 0; r < n; ++r)
    build_key(*k.def, record_at(d, r), keys.data() + static_cast<size_t>(r) * k.length);
  std::vector<uint32_t> order(n);
  std::iota(order.begin(), order.end(), 0u);
  auto key_of = [&](uint32_t r) { return keys.data() + static_cast<size_t>(r) * k.length; };
  std::stable_sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
    int c = std::memcmp(key_of(a), key_of(b), k.length);
    if (c != 0) return c < 0;
    if (unique && unique != &k) {
      const uint8_t* ua =
          unique->sorted_keys.data() + static_cast<size_t>(unique->rank[a]) * unique->length;
      const uint8_t* ub =
          unique->sorted_keys.data() + static_cast<size_t>(unique->rank[b]) * unique->length;
      c = std::memcmp(ua, ub, unique->length);
      if (c != 0) return c < 0;
    }
    return false;  // stable: insertion order
  });
  k.sorted_keys.resize(keys.size());
  k.rank.assign(n, 0);
  for (uint32_t i = 0; i < n; ++i) {
    std::memcpy(k.sorted_keys.data() + static_cast<size_t>(i) * k.length, key_of(order[i]),
                k.length);
    k.rank[order[i]] = i;
    if (!k.def->duplicates && i > 0 &&
        std::memcmp(k.sorted_keys.data() + static_cast<size_t>(i - 1) * k.length,
                    k.sorted_keys.data() + static_cast<size_t>(i) * k.length, k.length) == 0)
      return false;
  }
  k.order = std::move(order);
  return true;
}

short open_database(const std::string& path) {
  // A readable file first, so that a refused access shows in errno.
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return fail(kIsamCannotOpen);
  std::fclose(f);

  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  if (rc != SQLITE_OK) {
    sqlite3_close(db);
    return fail(kIsamCannotOpen, static_cast<short>(rc));
  }
  auto set = std::make_unique<OpenSet>();
  short secondary = -1;
  bool ok = false;
  sqlite3_stmt* st = nullptr;
  rc = sqlite3_prepare_v2(db, "SELECT version FROM kb_version", -1, &st, nullptr);
  if (rc == SQLITE_OK) {
    rc = sqlite3_step(st);
    ok = rc == SQLITE_ROW && sqlite3_column_int(st, 0) == kKbLayoutVersion;
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) secondary = static_cast<short>(rc);
  } else {
    secondary = static_cast<short>(rc);
  }
  sqlite3_finalize(st);

  const auto families = kb_families();
  set->data.resize(families.size());
  for (size_t i = 0; ok && i < families.size(); ++i) {
    set->data[i].family = &families[i];
    ok = load_family(db, set->data[i], secondary);
  }
  sqlite3_close(db);

  if (ok) {
    const auto keys = kb_keys();
    set->keys.resize(keys.size());
    set->data_of_key.resize(keys.size());
    // Unique keys first: the duplicate keys break ties by them.
    for (int pass = 0; pass < 2 && ok; ++pass) {
      for (size_t i = 0; ok && i < keys.size(); ++i) {
        const bool unique_pass = pass == 0;
        size_t di = 0;
        while (families[di].data_file != keys[i].data_file) ++di;
        const bool is_unique = families[di].unique_key == keys[i].key_file;
        if (is_unique != unique_pass) continue;
        set->keys[i].def = &keys[i];
        set->data_of_key[i] = static_cast<int>(di);
        if (is_unique) set->data[di].unique = &set->keys[i];
        ok = sort_key(set->keys[i], set->data[di], set->data[di].unique);
      }
    }
  }
  if (!ok) return fail(kIsamCannotOpen, secondary);
  g_set = std::move(set);
  return kIsamOk;
}

}  // namespace

short IsamInit(int, int, int) {
  g_last_error = -1;
  g_secondary = -1;
  return kIsamOk;
}

void IsamEnd() { g_set.reset(); }

short IsamOpenSet(const char* param_file) {
  g_set.reset();
  g_last_error = -1;
  g_secondary = -1;
  const std::string param_path = platform::map_path(param_file ? param_file : "");
  ParamFile param;
  switch (read_param_file(param_path, param)) {
    case ParamStatus::kOk:
      break;
    case ParamStatus::kUnreadable:
      return fail(kIsamNoParamFile);
    case ParamStatus::kNoDatabase:
      return fail(kIsamBadParamFile);
  }
  return open_database(platform::map_path(param.database_path));
}

short IsamCloseSet() {
  g_set.reset();
  return kIsamOk;
}

bool IsamIsOpen() { return g_set != nullptr; }

short IsamBuildKey(short key_file, const void* record, void* key_buffer, int, int) {
  const KeyDef* def = key_by_file(key_file);
  if (!def) {
    fail(kIsamBadFileNumber);
    return -1;
  }
  return static_cast<short>(
      build_key(*def, static_cast<const uint8_t*>(record), static_cast<uint8_t*>(key_buffer)));
}

short IsamReadEqual(short key_file, const void* key, void* record) {
  KeyRef ref;
  short status;
  if (!resolve(key_file, ref, status)) return status;
  const KeyIndex& k = *ref.key;
  const uint32_t place = lower_place(k, static_cast<const uint8_t*>(key), k.length);
  if (place >= k.order.size() ||
      std::memcmp(k.sorted_keys.data() + static_cast<size_t>(place) * k.length, key, k.length) != 0)
    return fail(kIsamNotFound);
  return take(*ref.data, k.order[place], record);
}

short IsamReadGreaterEqual(short key_file, const void* key, void* record) {
  KeyRef ref;
  short status;
  if (!resolve(key_file, ref, status)) return status;
  const KeyIndex& k = *ref.key;
  const uint32_t place = lower_place(k, static_cast<const uint8_t*>(key), k.length);
  if (place >= k.order.size()) return fail(kIsamNotFound);
  return take(*ref.data, k.order[place], record);
}

short IsamReadNext(short key_file, void* record) {
  KeyRef ref;
  short status;
  if (!resolve(key_file, ref, status)) return status;
  const DataFile& d = *ref.data;
  if (d.current == kNone) return fail(kIsamNoCurrent);
  const uint32_t place = ref.key->rank[d.current] + 1;
  if (place >= ref.key->order.size()) return fail(kIsamNotFound);
  return take(*ref.data, ref.key->order[place], record);
}

short IsamReadPrefix(short key_file, const void* key, void* record, int n) {
  KeyRef ref;
  short status;
  if (!resolve(key_file, ref, status)) return status;
  const KeyIndex& k = *ref.key;
  n = std::clamp(n, 0, k.length);
  const uint32_t place = lower_place(k, static_cast<const uint8_t*>(key), n);
  if (place >= k.order.size() ||
      std::memcmp(k.sorted_keys.data() + static_cast<size_t>(place) * k.length, key, n) != 0)
    return fail(kIsamNotFound);
  return take(*ref.data, k.order[place], record);
}

int32_t IsamCurrentPosition(short data_file_number) {
  DataFile* d = data_file(data_file_number);
  if (!d) {
    fail(g_set ? kIsamBadFileNumber : kIsamNotOpen);
    return -1;
  }
  if (d->current == kNone) return -1;
  return static_cast<int32_t>(d->current);
}

short IsamSetPosition(short data_file_number, int32_t position, const void* record, int) {
  DataFile* d = data_file(data_file_number);
  if (!d) return fail(g_set ? kIsamBadFileNumber : kIsamNotOpen);
  if (position < 0 || static_cast<uint32_t>(position) >= d->count) return fail(kIsamBadPosition);
  const KeyIndex& u = *d->unique;
  uint8_t given[kIsamMaxKeyLength];
  build_key(*u.def, static_cast<const uint8_t*>(record), given);
  if (std::memcmp(given, u.sorted_keys.data() + static_cast<size_t>(u.rank[position]) * u.length,
                  u.length) != 0)
    return fail(kIsamBadPosition);
  d->current = static_cast<uint32_t>(position);
  return kIsamOk;
}

short IsamLastError() { return g_last_error; }
short IsamLastSecondaryError() { return g_secondary; }

}  // namespace qn::isam
