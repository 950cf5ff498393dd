#include "kb/table_relations.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "host/error_log.h"
#include "kb/attribute_queries.h"
#include "kb/kb_records.h"
#include "kb/list_terms.h"
#include "kb/model_queries.h"

namespace qn::kb {
namespace {

int16_t i16(int v) { return static_cast<int16_t>(v); }

[[noreturn]] void fatal(short code, const char* name) {
  host::LogError(code, name);
  // LogError returns only while another report is in progress.
  throw host::CCTreeException("Internal Error " + std::to_string(code) + " in function " + name);
}

// Keeps the position of the candidate-key attribute walk across nested
// searches that read the same family.
class CkaWalk {
 public:
  CkaWalk(int model, int attribute) {
    key_.model = i16(model);
    key_.attribute = i16(attribute);
  }
  bool first() { return cka(kOpReadEqual, 1, key_, rec_) == kKbDone; }
  bool next() { return cka(kOpNextSameKey, 1, key_, rec_) == kKbDone; }
  const CkaRecord& record() const { return rec_; }
  // Runs f, then puts the walk back on its record.
  template <class F>
  void nested(F f) {
    const int32_t position = cka_position();
    const CkaRecord at = rec_;
    f();
    cka_restore(position, at);
  }

 private:
  CkaRecord key_, rec_;
};

std::vector<int16_t> table_positions(int model, int table) {
  std::vector<int16_t> out;
  TbaRecord key, rec;
  key.model = i16(model);
  key.table = i16(table);
  for (short r = tba(kOpReadGreaterEqual, 2, key, rec);
       r == kKbDone && rec.model == model && rec.table == table; r = tba(kOpNext, 2, key, rec)) {
    out.push_back(rec.attribute);
  }
  return out;
}

AttSet set_of(const int16_t* items, int count) {
  AttSet s;
  for (int i = 0; i < count; ++i) s_push_att(s, items[i]);
  return s;
}

AttSet primary_key_of(int model, int table) {
  AttSet pk;
  primary_key_atts(model, table, pk);
  return pk;
}

void remove_entries(RelationTable& entries, const std::vector<bool>& gone) {
  int out = 0;
  for (int i = 0; i < entries.count; ++i) {
    if (gone[static_cast<size_t>(i)]) continue;
    if (out != i) entries.items[out] = entries.items[i];
    ++out;
  }
  entries.count = i16(out);
}

// The candidate keys of a table in key order.
std::vector<int16_t> table_keys(int model, int table) {
  std::vector<int16_t> keys;
  CkRecord key, rec;
  key.model = i16(model);
  key.table = i16(table);
  for (short r = ck(kOpReadGreaterEqual, 0, key, rec);
       r == kKbDone && rec.model == model && rec.table == table; r = ck(kOpNext, 0, key, rec)) {
    keys.push_back(rec.key);
  }
  return keys;
}

}  // namespace

int relation_group(int model, int attribute) {
  OinfRecord key, rec;
  key.model = i16(resolve_model(model));
  key.ref_type = 999;
  key.ref_number = i16(attribute);
  for (short r = oinf(kOpReadEqual, 1, key, rec); r == kKbDone;
       r = oinf(kOpNextSameKey, 1, key, rec)) {
    if (rec.type == 10) return rec.number;
  }
  return 0;
}

int match_key(int model, int table, const AttList& atts, const AttSet& key,
              RelationTable& entries) {
  model = resolve_model(model);
  const int na = atts.count;
  const int nk = key.count;
  if (nk <= 0) return -1;
  // Class positions: na + q stands for atts[q] through its class cls[q].
  std::vector<int16_t> cls(static_cast<size_t>(na));
  int n = 0;
  for (int i = 0; i < na; ++i) {
    const int c = get_class(model, atts.items[i]);
    cls[static_cast<size_t>(i)] = i16(c != atts.items[i] ? c : 0);
    if (cls[static_cast<size_t>(i)] != 0) n = i + 1;
  }
  std::vector<int> groups(static_cast<size_t>(n), -2);  // -2: not asked yet
  auto group_of = [&](int q) {
    int& g = groups[static_cast<size_t>(q)];
    if (g == -2) g = relation_group(model, atts.items[q]);
    return g;
  };

  int start[AttSet::kCapacity] = {};
  int group[AttSet::kCapacity] = {};
  int16_t chosen[AttSet::kCapacity] = {};

  // The next candidate of level L; pass gets the group to pass on.
  auto candidate = [&](int L, int& p_out, int& pass) {
    const int k = key.items[L];
    const int s = start[L];
    const int g = group[L];
    pass = 0;
    if (s < na) {
      int p = -1;
      for (int i = s; i < na; ++i)
        if (atts.items[i] == k) {
          p = i;
          break;
        }
      if (p >= 0) {
        bool decided = false;
        for (int q = 0; q < n; ++q) {
          if (cls[static_cast<size_t>(q)] != k) continue;
          const int gq = group_of(q);
          if (gq == 0 || gq == g) {
            p = na + q;
            if (pass == 0) pass = gq;
            break;
          }
          if (!decided) {
            decided = true;
            const int kg = relation_group(model, k);
            if ((kg != 0 && g != 0 && g != kg) || (kg == 0 && g > 0)) return false;
            pass = kg != 0 ? kg : -1;
          }
        }
        p_out = p;
        return true;
      }
    }
    for (int p = std::max(s, na); p < na + n; ++p) {
      const int q = p - na;
      if (cls[static_cast<size_t>(q)] != k) continue;
      const int gq = group_of(q);
      if (gq == 0 || g == 0 || gq == g) {
        p_out = p;
        pass = gq;
        return true;
      }
    }
    return false;
  };

  bool found = false;
  int reported = 0;
  int L = 0;
  for (;;) {
    int p = 0, pass = 0;
    if (candidate(L, p, pass)) {
      start[L] = p + 1;
      chosen[L] = p < na ? atts.items[p] : atts.items[p - na];
      if (L == nk - 1) {
        if (!found) {
          found = true;
          reported = group[L] > 0 ? group[L] : (pass > 0 ? pass : 0);
        }
        if (entries.count < RelationTable::kCapacity)
          add_relation(entries, table, set_of(chosen, nk));
        continue;
      }
      group[L + 1] = pass != 0 ? pass : group[L];
      start[L + 1] = 0;
      ++L;
      continue;
    }
    if (start[L] == 0 && group[L] == 0) return 0;  // this key attribute has no candidate at all
    if (L == 0) break;
    --L;
  }
  return found ? reported : -1;
}

void pointing_atts(int model, int table, AttList& out, bool with_kind3, bool with_classes) {
  model = resolve_model(model);
  AttList list;
  CkaRecord ck_key, c;
  ck_key.model = i16(model);
  ck_key.table = i16(table);
  for (short r = cka(kOpReadGreaterEqual, 2, ck_key, c);
       r == kKbDone && c.model == model && c.table == table; r = cka(kOpNext, 2, ck_key, c)) {
    append_att(list, c.attribute);
  }
  TbaRecord key, rec;
  key.model = i16(model);
  key.table = i16(table);
  for (short r = tba(kOpReadGreaterEqual, 2, key, rec);
       r == kKbDone && rec.model == model && rec.table == table; r = tba(kOpNext, 2, key, rec)) {
    if (rec.kind != 1 && rec.kind != 3) continue;
    int kind = 0;
    get_class(model, rec.attribute, &kind);
    if (rec.kind == 3 && kind != 4 && kind != 5) continue;
    if (kind == 3 && !with_kind3) continue;
    push_att(list, rec.attribute);
  }
  if (with_classes) {
    add_classes(model, list, out);
  } else {
    out = list;
  }
}

int pointed_tables(int model, int table, RelationTable& entries) {
  model = resolve_model(model);
  entries.count = 0;
  // 1. The table's own keys against all its attributes.
  AttList own;
  for (int16_t a : table_positions(model, table)) push_att(own, a);
  for (int16_t k : table_keys(model, table)) {
    AttSet katts;
    key_atts(model, table, k, katts);
    match_key(model, table, own, katts, entries);
  }
  // 2. and 3. Every other table whose key these attributes cover.
  AttList atts;
  pointing_atts(model, table, atts, false, true);
  UniquePairSet visited;
  for (int i = atts.count - 1; i >= 0; --i) {
    CkaWalk walk(model, atts.items[i]);
    for (bool ok = walk.first(); ok; ok = walk.next()) {
      const CkaRecord c = walk.record();
      if (c.table == table || !add_unique_pair(visited, c.table, c.key)) continue;
      walk.nested([&] {
        AttSet katts;
        key_atts(model, c.table, c.key, katts);
        match_key(model, c.table, atts, katts, entries);
      });
    }
  }
  // 4. Redundant entries.
  std::vector<bool> gone(static_cast<size_t>(entries.count), false);
  for (int i = 0; i < entries.count; ++i) {
    for (int j = i + 1; j < entries.count && !gone[static_cast<size_t>(i)]; ++j) {
      if (gone[static_cast<size_t>(j)]) continue;
      const AttSet& a = entries.items[i].atts;
      const AttSet& b = entries.items[j].atts;
      if (a.count < b.count && is_subset(a, b)) {
        gone[static_cast<size_t>(i)] = true;
      } else if (same_set(a, b)) {
        if (same_set(a, primary_key_of(model, entries.items[i].table))) {
          gone[static_cast<size_t>(j)] = true;
        } else {
          gone[static_cast<size_t>(i)] = true;
        }
      } else if (b.count <= a.count && is_subset(b, a)) {
        gone[static_cast<size_t>(j)] = true;
      }
    }
  }
  remove_entries(entries, gone);
  return entries.count;
}

namespace {

// A table examined for one key of the pointed-to table.
struct Examined {
  int16_t table = 0;
  int16_t key = 0;  // 0: reached through a table attribute
  AttSet key_atts;
  int before = 0;  // entries before its match
  int added = 0;
};

}  // namespace

int pointing_tables(int model, int table, RelationTable& entries) {
  model = resolve_model(model);
  entries.count = 0;
  for (int16_t kt_of_table : table_keys(model, table)) {
    AttSet key;
    key_atts(model, table, kt_of_table, key);
    AttList key_list, expanded;
    for (int i = 0; i < key.count; ++i) push_att(key_list, key.items[i]);
    expand_by_class(model, key_list, expanded);
    std::vector<Examined> pairs;
    auto noted = [&](int t) {
      for (const Examined& e : pairs)
        if (e.table == t) return true;
      return false;
    };
    // Matches t's attributes against the key; false (the pair forgotten)
    // when no entry was added.
    auto match = [&](Examined& e) {
      AttList t_atts;
      pointing_atts(model, e.table, t_atts, false, true);
      e.before = entries.count;
      match_key(model, e.table, t_atts, key, entries);
      e.added = entries.count - e.before;
      return e.added > 0;
    };
    for (int i = 0; i < expanded.count; ++i) {
      const int e = expanded.items[i];
      CkaWalk walk(model, e);
      for (bool ok = walk.first(); ok; ok = walk.next()) {
        const CkaRecord c = walk.record();
        if (c.table == table || noted(c.table) ||
            pairs.size() >= static_cast<size_t>(kRelationEntries))
          continue;
        walk.nested([&] {
          Examined ex;
          ex.table = c.table;
          ex.key = c.key;
          key_atts(model, c.table, c.key, ex.key_atts);
          if (is_subset(ex.key_atts, key)) return;
          for (const Examined& p : pairs)
            if (p.key != 0 && is_subset(p.key_atts, ex.key_atts)) return;
          if (!match(ex)) return;
          // Earlier tables whose keys contain this one's go, with their entries.
          std::vector<bool> gone(static_cast<size_t>(entries.count), false);
          std::vector<Examined> kept;
          for (const Examined& p : pairs) {
            if (p.key != 0 && is_subset(ex.key_atts, p.key_atts)) {
              for (int x = p.before; x < p.before + p.added; ++x)
                gone[static_cast<size_t>(x)] = true;
            } else {
              kept.push_back(p);
            }
          }
          kept.push_back(ex);
          // Entry places move down by the entries removed before them.
          for (Examined& p : kept) {
            int removed = 0;
            for (int x = 0; x < p.before; ++x) removed += gone[static_cast<size_t>(x)] ? 1 : 0;
            p.before -= removed;
          }
          remove_entries(entries, gone);
          pairs = std::move(kept);
        });
      }
      TbaRecord tkey, t;
      tkey.model = i16(model);
      tkey.attribute = i16(e);
      for (short r = tba(kOpReadEqual, 1, tkey, t); r == kKbDone;
           r = tba(kOpNextSameKey, 1, tkey, t)) {
        if (t.table == table || noted(t.table) ||
            pairs.size() >= static_cast<size_t>(kRelationEntries))
          continue;
        const TbaRecord at = t;
        Examined ex;
        ex.table = at.table;
        if (match(ex)) pairs.push_back(ex);
        // The nested reads moved the table-attribute position: read this
        // record again so that the walk goes on behind it.
        TbaRecord again_key = at;
        tba(kOpReadEqual, 0, again_key, t);
      }
    }
  }
  // 3. An entry goes when another table has the same attributes for the key
  // and that table's primary key lies within this entry's table.
  std::vector<bool> gone(static_cast<size_t>(entries.count), false);
  for (int i = 0; i < entries.count; ++i) {
    AttList own;
    bool own_read = false;
    for (int j = 0; j < entries.count; ++j) {
      if (j == i || gone[static_cast<size_t>(j)] ||
          entries.items[j].table == entries.items[i].table)
        continue;
      if (!same_set(entries.items[i].atts, entries.items[j].atts)) continue;
      if (!own_read) {
        pointing_atts(model, entries.items[i].table, own, false, true);
        own_read = true;
      }
      if (is_subset(primary_key_of(model, entries.items[j].table), own)) {
        gone[static_cast<size_t>(i)] = true;
        break;
      }
    }
  }
  remove_entries(entries, gone);
  return entries.count;
}

int table_closure(int model, const host::TermValue& list, int mode, int start,
                  host::TermValue& out_list, host::TermValue& out_navigation) {
  model = resolve_model(model);
  static AttList given, result, reach;
  given.count = result.count = reach.count = 0;
  if (!list_to_ints(list, given)) return 0;
  result = given;
  static NavTable nav;
  nav.count = 0;
  static int marks[NavTable::kCapacity + 1];
  add_nav_entry(nav, start);
  marks[0] = given.count;
  add_classes(model, given, reach);

  auto in_navigation = [&](int t) {
    for (int i = 0; i < nav.count; ++i)
      if (nav.items[i].table == t) return true;
    return false;
  };

  for (int i = 0; i < reach.count; ++i) {
    int kind = 0;
    get_class(model, reach.items[i], &kind);
    if (kind != 1) continue;
    CkaWalk walk(model, reach.items[i]);
    for (bool ok = walk.first(); ok; ok = walk.next()) {
      const CkaRecord c = walk.record();
      if (in_navigation(c.table)) continue;
      walk.nested([&] {
        AttSet katts;
        key_atts(model, c.table, c.key, katts);
        if (!is_subset(katts, reach)) return;
        AttList t_atts;
        if (mode == 2) {
          get_table_atts(model, c.table, t_atts, nullptr, true);
        } else {
          pointing_atts(model, c.table, t_atts, true, false);
        }
        const AttSet pk = primary_key_of(model, c.table);
        static RelationTable ways;
        ways.count = 0;
        const int group = match_key(model, c.table, result, pk, ways);
        const int first_new = nav.count;
        for (int w = 0; w < ways.count; ++w) {
          NavEntry* entry = add_nav_entry(nav, c.table);
          if (!entry) {
            std::printf("\nERROR Top: %d\n", c.table);
            std::fflush(stdout);
            break;
          }
          const AttSet& matched = ways.items[w].atts;
          for (int j = 0; j < matched.count; ++j) {
            const int pos = position_in(result, matched.items[j]);
            int from = -1;
            for (int e = 0; e < first_new; ++e)
              if (marks[e] >= pos) {
                from = nav.items[e].table;
                break;
              }
            if (from < 0) fatal(host::kErrInternal, "f_tbl");
            push_where(*entry, from, matched.items[j], pk.items[j]);
          }
        }
        if (nav.count == first_new) return;
        AttList with_classes;
        add_classes(model, t_atts, with_classes);
        for (int j = 0; j < with_classes.count; ++j) append_att(reach, with_classes.items[j]);
        if (group > 0) {
          // The attributes of the relation group do not join the result.
          AttList named, kept;
          OinfRecord gkey, g;
          gkey.model = i16(model);
          gkey.type = 10;
          gkey.number = i16(group);
          gkey.kind = 1;
          for (short r = oinf(kOpReadGreaterEqual, 0, gkey, g);
               r == kKbDone && g.model == model && g.type == 10 && g.number == group && g.kind == 1;
               r = oinf(kOpNext, 0, gkey, g)) {
            if (g.ref_type == 999) push_att(named, g.ref_number);
          }
          set_difference(t_atts, named, kept);
          t_atts = kept;
        }
        merge_unique(result, t_atts);
        for (int e = first_new; e < nav.count; ++e) marks[e] = result.count;
      });
    }
  }
  return ints_to_list(reach, out_list) && navigation_to_list(nav, out_navigation) ? 1 : 0;
}

}  // namespace qn::kb
