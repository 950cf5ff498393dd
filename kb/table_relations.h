// How tables relate through their candidate keys. A table points to another
// when its attributes hold every attribute of a candidate key of the other;
// an attribute stands for a key attribute by being it or by belonging to its
// class. The three questions of the navigation analysis: the tables a table
// points to, the tables that point to it, and the tables (and through which
// attributes) a list of attributes reaches. Model 0 stands for the cached
// model.
#pragma once

#include "host/term_value.h"
#include "kb/counted_array.h"

namespace qn::kb {

// --- sets ------------------------------------------------------------------

// 1 when every element of a is in b (an empty a is a subset of anything).
template <class A, class B>
int is_subset(const A& a, const B& b) {
  for (int i = 0; i < a.count; ++i) {
    bool found = false;
    for (int j = 0; j < b.count && !found; ++j) found = b.items[j] == a.items[i];
    if (!found) return 0;
  }
  return 1;
}
// 1 when both hold the same count and a is a subset of b.
template <class A, class B>
int same_set(const A& a, const B& b) {
  return a.count == b.count && is_subset(a, b);
}
// The elements of a that b lacks, in a's order.
template <class A, class B, class Out>
void set_difference(const A& a, const B& b, Out& out) {
  out.count = 0;
  for (int i = 0; i < a.count; ++i) {
    bool found = false;
    for (int j = 0; j < b.count && !found; ++j) found = b.items[j] == a.items[i];
    if (!found) out.items[out.count++] = a.items[i];
  }
}

// --- relations -------------------------------------------------------------

// The relation group of an attribute: the number of the type-10 object that
// owns the first information record referring to (999, attribute); 0 when
// there is none.
int relation_group(int model, int attribute);

// Appends to entries one entry (table, the attributes of atts that stand for
// key, in key order) for every way in which atts covers key, at most 250 in
// the table. The group of the first complete way: the group in force when
// above 0, else the group passed on at the last key attribute when above 0,
// else 0; -1 when the search found no way, 0 when it ended early because a
// key attribute has no candidate at all.
int match_key(int model, int table, const AttList& atts, const AttSet& key, RelationTable& entries);

// The attributes of a table that may point to other tables: its key
// attributes (each once), then its table attributes of kind 1, or of kind 3
// when the attribute's kind code is 4 or 5; attributes of kind code 3 only
// when with_kind3 is set. with_classes adds the class attributes.
void pointing_atts(int model, int table, AttList& out, bool with_kind3, bool with_classes);

// i_dir_subor/3: the entries for the table's own candidate keys and for every
// other table whose candidate key the table's attributes cover, redundant
// entries removed. The entry count.
int pointed_tables(int model, int table, RelationTable& entries);
// i_dir_super/3: the entries for every other table whose attributes cover a
// candidate key of the table, redundant entries removed. The entry count.
int pointing_tables(int model, int table, RelationTable& entries);

// i_closuret/6: the attributes the list reaches and the navigation entries of
// the tables reached from start ([[Table, [[F, W, P], ...]], ...]). Mode 2
// takes a reached table's key attributes and its table attributes of kind 1
// or 3; any other mode its pointing attributes with those of kind code 3.
// 1 when both results were unified; 0 when list is not a list of integers or
// a unification fails.
int table_closure(int model, const host::TermValue& list, int mode, int start,
                  host::TermValue& out_list, host::TermValue& out_navigation);

}  // namespace qn::kb
