// The fixed arrays of the knowledge-base queries: a count followed by the
// elements in insertion order, with one spare place behind the capacity for
// the search sentinel. When an array is full, some adds are fatal (internal
// error 50) and some drop the new element silently.
#pragma once

#include <cstdint>

namespace qn::kb {

template <class T, int Capacity>
struct CountedArray {
  static constexpr int kCapacity = Capacity;
  int16_t count = 0;
  T items[Capacity + 1] = {};  // + the sentinel place
};

using AttList = CountedArray<int16_t, 5000>;    // attribute list: full is fatal "Push att"
using AttSet = CountedArray<int16_t, 20>;       // small attribute set: full is fatal "S_Push att"
using ClassList = CountedArray<uint8_t, 5000>;  // full is fatal "Push Class"
using UniqueValueSet = CountedArray<int16_t, 500>;  // drops new values when full

struct AttPair {
  int16_t a = 0, b = 0;
  bool operator==(const AttPair&) const = default;
};
using UniquePairSet = CountedArray<AttPair, 500>;  // drops new pairs when full

// A table reached by a relation and the attributes that stand for the key.
struct RelationEntry {
  int16_t table = 0;
  AttSet atts;
};
constexpr int kRelationEntries = 250;
using RelationTable = CountedArray<RelationEntry, kRelationEntries>;

// A where item of a navigation entry: the table F of the entry that brought
// W into the result list, W, and the primary-key attribute P.
struct WhereItem {
  int16_t f = 0, w = 0, p = 0;
};
struct NavEntry {
  int16_t count = 0;  // where items, at most 20
  int16_t table = 0;
  WhereItem items[20];
};
// Entry 0 holds the start table; the entries that count are 1 onward.
using NavTable = CountedArray<NavEntry, 530>;

// Appends; the new count. Full: fatal internal error 50 with the names above.
int push_att(AttList& list, int number);
int s_push_att(AttSet& set, int number);
int push_class(ClassList& list, int value);

// 1 when the number was new and appended, 0 when present; a new number
// while 5000 are held is fatal internal error 50 "append_att".
int append_att(AttList& list, int number);
// 1 when new, 0 when present; beyond 500 a new element is not stored but
// still reported new.
int add_unique(UniqueValueSet& set, int number);
int add_unique_pair(UniquePairSet& set, int a, int b);

// Copies a small set; a source count above 20 is fatal error 50 "copy_set_ls".
void copy_set(AttSet& target, const AttSet& source);
// Appends each element of source that target lacks; at 5000 elements the
// rest is not stored.
void merge_unique(AttList& target, const AttList& source);

// Appends a relation entry; false (nothing stored) when the table is full.
bool add_relation(RelationTable& entries, int table, const AttSet& atts);
// Appends a navigation entry for table; nullptr (nothing stored) when full.
NavEntry* add_nav_entry(NavTable& nav, int table);
// Appends a where item; the 21st is fatal error 50 "push_wh1".
int push_where(NavEntry& entry, int f, int w, int p);

// 1-based position of number in a counted list, 0 when absent.
template <class T, int C>
int position_in(const CountedArray<T, C>& list, T number) {
  for (int i = 0; i < list.count; ++i)
    if (list.items[i] == number) return i + 1;
  return 0;
}

}  // namespace qn::kb
