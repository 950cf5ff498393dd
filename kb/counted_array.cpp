#include "kb/counted_array.h"

#include <string>

#include "host/error_log.h"

namespace qn::kb {
namespace {

[[noreturn]] void overflow(const char* name) {
  host::LogError(host::kErrOverflow, name);
  throw host::CCTreeException(std::string("Internal Error 50 in function ") + name);
}

template <class T, int C>
int push(CountedArray<T, C>& a, T value, const char* name) {
  if (a.count >= C || a.count < 0) overflow(name);
  a.items[a.count++] = value;
  return a.count;
}

// Searches with the sentinel written behind the last element; the position
// found, or count when absent.
template <class T, int C>
int find_sentinel(CountedArray<T, C>& a, T value) {
  a.items[a.count] = value;
  int i = 0;
  while (!(a.items[i] == value)) ++i;
  return i;
}

}  // namespace

int push_att(AttList& list, int number) {
  return push(list, static_cast<int16_t>(number), "Push att");
}
int s_push_att(AttSet& set, int number) {
  return push(set, static_cast<int16_t>(number), "S_Push att");
}
int push_class(ClassList& list, int value) {
  return push(list, static_cast<uint8_t>(value), "Push Class");
}

int append_att(AttList& list, int number) {
  const int16_t v = static_cast<int16_t>(number);
  if (list.count >= AttList::kCapacity) {
    // No sentinel place is left to write; search plainly.
    if (position_in(list, v)) return 0;
    overflow("append_att");
  }
  if (find_sentinel(list, v) < list.count) return 0;
  ++list.count;
  return 1;
}

int add_unique(UniqueValueSet& set, int number) {
  const int16_t v = static_cast<int16_t>(number);
  if (find_sentinel(set, v) < set.count) return 0;
  if (set.count < UniqueValueSet::kCapacity) ++set.count;
  return 1;
}

int add_unique_pair(UniquePairSet& set, int a, int b) {
  const AttPair p{static_cast<int16_t>(a), static_cast<int16_t>(b)};
  if (find_sentinel(set, p) < set.count) return 0;
  if (set.count < UniquePairSet::kCapacity) ++set.count;
  return 1;
}

void copy_set(AttSet& target, const AttSet& source) {
  if (source.count > AttSet::kCapacity || source.count < 0) overflow("copy_set_ls");
  target.count = source.count;
  for (int i = 0; i < source.count; ++i) target.items[i] = source.items[i];
}

void merge_unique(AttList& target, const AttList& source) {
  for (int i = 0; i < source.count; ++i) {
    if (target.count >= AttList::kCapacity) return;
    if (find_sentinel(target, source.items[i]) == target.count) ++target.count;
  }
}

bool add_relation(RelationTable& entries, int table, const AttSet& atts) {
  if (entries.count >= RelationTable::kCapacity) return false;
  RelationEntry& e = entries.items[entries.count++];
  e.table = static_cast<int16_t>(table);
  copy_set(e.atts, atts);
  return true;
}

NavEntry* add_nav_entry(NavTable& nav, int table) {
  if (nav.count >= NavTable::kCapacity) return nullptr;
  NavEntry& e = nav.items[nav.count++];
  e = NavEntry{};
  e.table = static_cast<int16_t>(table);
  return &e;
}

int push_where(NavEntry& entry, int f, int w, int p) {
  if (entry.count >= 20 || entry.count < 0) overflow("push_wh1");
  entry.items[entry.count++] = {static_cast<int16_t>(f), static_cast<int16_t>(w),
                                static_cast<int16_t>(p)};
  return entry.count;
}

}  // namespace qn::kb
