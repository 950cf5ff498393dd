#include "kb/attribute_queries.h"

#include <vector>

#include "host/error_log.h"
#include "kb/model_queries.h"
#include "platform/cp1252.h"

namespace qn::kb {
namespace {

[[noreturn]] void fatal(short code, const char* name) {
  host::LogError(code, name);
  // LogError returns only while another report is in progress.
  throw host::CCTreeException("Internal Error " + std::to_string(code) + " in function " + name);
}

int16_t i16(int v) { return static_cast<int16_t>(v); }

// The last key asked for of each table, for the current model.
struct KeyCacheEntry {
  int16_t key = 0;
  AttSet atts;
};
constexpr int kKeyCacheTables = 10000;
int g_key_cache_model = -1;
std::vector<KeyCacheEntry> g_key_cache;

std::string cut_upper(const char* text, int len) {
  std::string s = text;
  if (len >= 1 && len <= 30 && s.size() > static_cast<size_t>(len)) s.resize(len);
  return platform::upper_1252(s);
}

std::string cut_att_name(int model, const char* name) {
  std::string s = name;
  const int len = object_name_length(model, 5);
  if (len > 0 && s.size() > static_cast<size_t>(len)) s.resize(len);
  return s;
}

}  // namespace

// --- attributes ---------------------------------------------------------------

const AttRecord* read_attribute(int model, int attribute) {
  static AttRecord rec;
  AttRecord key;
  key.model = i16(resolve_model(model));
  key.number = i16(attribute);
  return att(kOpReadEqual, 0, key, rec) == kKbDone ? &rec : nullptr;
}

int attri_name_complete(int model, int attribute, std::string& name, int& kind) {
  model = resolve_model(model);
  const AttRecord* a = read_attribute(model, attribute);
  if (!a) return 0;
  kind = a->kind;
  name = cut_att_name(model, a->name);
  return 1;
}

int attri_type(int model, int attribute, char& type, int& length, int& decimals) {
  const AttRecord* a = read_attribute(model, attribute);
  if (!a) return 0;
  type = a->type;
  length = a->length;
  decimals = a->decimals;
  return 1;
}

int length_in_units(int stored_length) {
  return stored_length >= 0 ? stored_length : (9 - stored_length) * 1024;
}

int get_class(int model, int attribute, int* kind) {
  model = resolve_model(model);
  int16_t class_att;
  uint8_t k;
  if (att_class_cache(model, attribute, class_att, k)) {
    if (kind) *kind = k;
    return class_att;
  }
  const AttRecord* a = read_attribute(model, attribute);
  if (!a) fatal(host::kErrIsam, "get_class");
  if (kind) *kind = a->kind;
  return a->class_att;
}

void add_classes(int model, const AttList& source, AttList& target) {
  target.count = 0;
  for (int i = 0; i < source.count; ++i) push_att(target, source.items[i]);
  for (int i = 0; i < source.count; ++i) {
    const int a = source.items[i];
    const int c = get_class(model, a);
    if (c != a) append_att(target, c);
  }
}

void expand_by_class(int model, const AttList& list, AttList& out) {
  model = resolve_model(model);
  for (int i = 0; i < list.count; ++i) {
    AttRecord key, rec;
    key.model = i16(model);
    key.class_att = list.items[i];
    bool any = false;
    for (short r = att(kOpReadEqual, 3, key, rec); r == kKbDone;
         r = att(kOpNextSameKey, 3, key, rec)) {
      push_att(out, rec.number);
      any = true;
    }
    if (!any) push_att(out, list.items[i]);
  }
}

int is_stored_kind(int model, int /*table*/, int attribute) {
  const AttRecord* a = read_attribute(model, attribute);
  return a && a->kind != 3 && a->kind != 4 && a->kind != 5 ? 1 : 0;
}

// --- tables and keys ------------------------------------------------------------

int table_attribute_kind(int model, int table, int attribute, int wanted) {
  model = resolve_model(model);
  TbaRecord key, rec;
  key.model = i16(model);
  key.table = i16(table);
  key.attribute = i16(attribute);
  if (tba(kOpReadEqual, 0, key, rec) == kKbDone) {
    if (wanted != 0 && rec.kind != wanted) return 0;
    return rec.kind;
  }
  CkaRecord ck, c;
  ck.model = i16(model);
  ck.table = i16(table);
  for (short r = cka(kOpReadGreaterEqual, 0, ck, c);
       r == kKbDone && c.model == model && c.table == table; r = cka(kOpNext, 0, ck, c)) {
    if (c.attribute == attribute) return 1;
  }
  return 0;
}

void get_table_atts(int model, int table, AttList& list, ClassList* kinds, bool take_all) {
  model = resolve_model(model);
  CkaRecord ck, c;
  ck.model = i16(model);
  ck.table = i16(table);
  for (short r = cka(kOpReadGreaterEqual, 2, ck, c);
       r == kKbDone && c.model == model && c.table == table; r = cka(kOpNext, 2, ck, c)) {
    if (append_att(list, c.attribute) && kinds) push_class(*kinds, 1);
  }
  TbaRecord tk, t;
  tk.model = i16(model);
  tk.table = i16(table);
  for (short r = tba(kOpReadGreaterEqual, 2, tk, t);
       r == kKbDone && t.model == model && t.table == table; r = tba(kOpNext, 2, tk, t)) {
    if (t.kind == 3 || (t.kind == 1 && (take_all || is_stored_kind(model, table, t.attribute)))) {
      if (kinds) push_class(*kinds, t.kind);
      push_att(list, t.attribute);
    }
  }
}

void primary_key_atts(int model, int table, AttSet& set) {
  model = resolve_model(model);
  CkRecord key, rec;
  key.model = i16(model);
  key.table = i16(table);
  int first = -1, primary = -1;
  for (short r = ck(kOpReadGreaterEqual, 0, key, rec);
       r == kKbDone && rec.model == model && rec.table == table; r = ck(kOpNext, 0, key, rec)) {
    if (first < 0) first = rec.key;
    if (rec.primary == 1) {
      primary = rec.key;
      break;
    }
  }
  set.count = 0;
  const int chosen = primary >= 0 ? primary : first;
  if (chosen >= 0) key_atts(model, table, chosen, set);
}

void key_atts(int model, int table, int key, AttSet& set) {
  model = resolve_model(model);
  if (model != g_key_cache_model) {
    g_key_cache.assign(kKeyCacheTables + 1, KeyCacheEntry{});
    g_key_cache_model = model;
  }
  const bool cacheable = table >= 1 && table <= kKeyCacheTables;
  if (cacheable && g_key_cache[table].key == key && g_key_cache[table].atts.count > 0) {
    copy_set(set, g_key_cache[table].atts);
    return;
  }
  set.count = 0;
  CkaRecord k, c;
  k.model = i16(model);
  k.table = i16(table);
  k.key = i16(key);
  for (short r = cka(kOpReadGreaterEqual, 2, k, c);
       r == kKbDone && c.model == model && c.table == table && c.key == key;
       r = cka(kOpNext, 2, k, c)) {
    s_push_att(set, c.attribute);
  }
  if (cacheable && set.count > 0) {
    g_key_cache[table].key = i16(key);
    copy_set(g_key_cache[table].atts, set);
  }
}

// --- indexes ----------------------------------------------------------------------

int getIdx(int model, int table, int index, host::TermValue& name, host::TermValue& unique,
           AttSet& set) {
  model = resolve_model(model);
  IdxRecord key, rec;
  key.model = i16(model);
  key.table = i16(table);
  key.index = i16(index);
  if (idx(kOpReadEqual, 0, key, rec) != kKbDone) return 0;
  if (!host::term_unify_atom(cut_upper(rec.name, object_name_length(model, 7)), name) ||
      !host::term_unify_int(rec.unique, unique)) {
    return 0;
  }
  IxaRecord xk, x;
  xk.model = i16(model);
  xk.table = i16(table);
  xk.index = i16(index);
  xk.sequence = 0;
  if (ixa(kOpReadEqual, 0, xk, x) != kKbDone) fatal(host::kErrIsam, "getIdx");
  set.count = 0;
  do {
    s_push_att(set, x.ascending ? x.attribute : -x.attribute);
  } while (ixa(kOpNext, 0, xk, x) == kKbDone && x.model == model && x.table == table &&
           x.index == index);
  return 1;
}

int next_index_number(int model, int table, int index) {
  model = resolve_model(model);
  IdxRecord key, rec;
  key.model = i16(model);
  key.table = i16(table);
  key.index = i16(index);
  if (idx(kOpReadGreaterEqual, 0, key, rec) != kKbDone || rec.model != model || rec.table != table)
    return 0;
  return rec.index;
}

int find_matching_index(int model, int table, const AttList& list, int& index, std::string* name) {
  model = resolve_model(model);
  IdxRecord key, rec;
  key.model = i16(model);
  key.table = i16(table);
  int best = 0, best_count = -1;
  std::string best_name;
  for (short r = idx(kOpReadGreaterEqual, 0, key, rec);
       r == kKbDone && rec.model == model && rec.table == table; r = idx(kOpNext, 0, key, rec)) {
    if (rec.flag3 != 1) continue;
    IxaRecord xk, x;
    xk.model = i16(model);
    xk.table = i16(table);
    xk.index = rec.index;
    int count = 0, matched = 0;
    bool fit = true, comparing = true;
    for (short xr = ixa(kOpReadEqual, 0, xk, x);
         xr == kKbDone && x.model == model && x.table == table && x.index == rec.index;
         xr = ixa(kOpNext, 0, xk, x)) {
      ++count;
      if (rec.flag2 == 2) {
        const int k = table_attribute_kind(model, table, x.attribute, 0);
        if (k == 0 || (k != 3 && !is_stored_kind(model, table, x.attribute))) {
          fit = false;
          break;
        }
      }
      if (comparing && matched < list.count) {
        const int want = x.ascending ? x.attribute : -x.attribute;
        if (list.items[matched] == want) {
          ++matched;
        } else {
          comparing = false;
        }
      }
    }
    if (!fit || matched < list.count) continue;
    if (count > best_count) {
      best = rec.index;
      best_count = count;
      best_name = platform::upper_1252(rec.name);
    }
  }
  if (best_count < 0) return 0;
  index = best;
  if (name) *name = best_name;
  return 1;
}

// --- the routines of the logic -------------------------------------------------------

int get_attri_pic(int model, int attribute, host::TermValue& picture) {
  const AttRecord* a = read_attribute(model, attribute);
  return a && host::term_unify_string(a->picture, picture) ? 1 : 0;
}

int get_attri_name(int model, int attribute, host::TermValue& name, int& kind) {
  std::string text;
  if (!attri_name_complete(model, attribute, text, kind)) return 0;
  return host::term_unify_atom(text, name) ? 1 : 0;
}

int get_attri_type(int model, int attribute, int& type, int& length, int& decimals) {
  char t;
  int stored;
  if (!attri_type(model, attribute, t, stored, decimals)) return 0;
  type = static_cast<unsigned char>(t);
  length = length_in_units(stored);
  return 1;
}

int get_attri_info(int model, int attribute, host::TermValue* const terms[8]) {
  model = resolve_model(model);
  const AttRecord* found = read_attribute(model, attribute);
  if (!found) return 0;
  const AttRecord a = *found;
  return host::term_unify_atom(cut_att_name(model, a.name), *terms[0]) &&
                 host::term_unify_int(static_cast<unsigned char>(a.type), *terms[1]) &&
                 host::term_unify_int(length_in_units(a.length), *terms[2]) &&
                 host::term_unify_int(a.decimals, *terms[3]) &&
                 host::term_unify_int(a.code, *terms[4]) &&
                 host::term_unify_string(a.picture, *terms[5]) &&
                 host::term_unify_string(a.title, *terms[6]) &&
                 host::term_unify_string(a.description, *terms[7])
             ? 1
             : 0;
}

void reset_attribute_queries() {
  g_key_cache_model = -1;
  g_key_cache.clear();
}

}  // namespace qn::kb
