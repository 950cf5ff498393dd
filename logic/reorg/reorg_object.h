// The database creation and reorganisation programs of a `ce` object:
// qncrtdb, which creates the database (an AS/400 collection), and the
// three parts of the reorganisation, qnrgza (lock, drop constraints, new
// and temporary tables), qnrgzb (conversion programs, final tables) and
// qnrgzc (renames, new columns, indexes and constraints, dropped columns),
// each step logged in the reorganisation log. A program that grows past
// 50 tables a step goes on in pieces (qnrgza1, qnrgza2 ...), each a class
// of its own called at the end of the one before.
//
// The tables come from new_tables/3 facts of the object's specification,
// their new names from ren_i/2 (docs/facts.md). Every table is checked
// before the first program is opened: bad input is reported in the run's
// error log and the object fails with no program written.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic::reorg {

// One new_tables/3 fact: (Table, Kind, [ConversionProgram, AuxiliaryName |
// Items]).
struct Entry {
  engine::Term table;
  std::string kind;  // pk, nopk, new or same
  engine::Term program;
  std::string aux;
  std::vector<engine::Term> items;
};

// all_table_changes/7: what the items (and ren_i/2) say of a table.
struct Changes {
  bool created = false;  // new: the table does not exist yet
  bool renamed = false;  // ren: it gets a new name
  bool other = false;    // any change but new and removed columns and indexes
  std::vector<engine::Term> added, removed;            // attributes
  std::vector<std::string> index_dropped, index_made;  // index names
  // Only new and removed columns (and the indexes they bring or take
  // away): the table is altered in place.
  bool columns_only() const {
    return !created && !renamed && !other && (!added.empty() || !removed.empty());
  }
  // Only index changes.
  bool indexes_only() const {
    return !created && !renamed && !other && added.empty() && removed.empty() &&
           (!index_dropped.empty() || !index_made.empty());
  }
};

// The entries of new_tables/3 in fact order; None (reported) for a fact
// of another shape.
std::optional<std::vector<Entry>> reorg_entries(Run& run);
// to_create/1: the entry is one of the new_tables/3 facts.
bool to_create(Run& run, const Entry& entry);
// all_table_changes/7; in a database creation every table is new.
Changes all_table_changes(Run& run, const Entry& entry);
// rgz_pgm_name/1: the conversion programs to run, in entry order.
std::vector<std::string> rgz_pgm_name(Run& run, const std::vector<Entry>& entries);
// reorg_split/2 (Program): one table more in the current program; at every
// 50th the program goes on in its next piece.
bool reorg_split(Run& run, int64_t model, const std::string& program);
// The name of the temporary unique index of a table of kind nopk.
std::string temp_index_name(const std::string& aux);

// gen_reorg_object/2 (Ctx, [Model, X, Mode | _]): qncrtdb, qnrgza, qnrgzb,
// qnrgzc and the class Reorganization. Mode crt creates the database,
// any other reorganises it.
bool gen_reorg_object(Run& run, int64_t model, int64_t number, const engine::Term& spec_tail);

}  // namespace qn::logic::reorg
