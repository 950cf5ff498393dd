// The classes of the database tables: for every table a data class (one
// object per row, "dbc" + table) and a supplier class (its SQL access,
// "supc" + table), written while the database creation or a reorganisation
// is generated.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// One attribute of a table class.
struct TableClassAtt {
  int64_t number = 0;
  std::string name;       // as the knowledge base spells it
  engine::Term type;      // type atom (int, char, date ...)
  int64_t length = 0;
  int64_t decimals = 0;
  std::string java_type;  // get_c_type/4
  std::string column;     // the column name (map_i/4 when mapped, else the name)
  bool key = false;       // part of the primary key
};

// A table the table reaches through its foreign keys, with the attributes
// reached through it.
struct ClosureEntry {
  int64_t table = 0;
  std::vector<int64_t> reached;
};

// The inputs of gen_table_data_class/11 and gen_table_supplier_class/11.
struct TableClassInput {
  int64_t model = 0;
  int64_t table = 0;         // knowledge-base number (the file stem)
  std::string name;          // the class name's table part
  std::string mode;          // file mode: cpm or inm
  bool temp = false;         // a temporary conversion table
  std::string temp_sql_name; // its SQL name (ttable_i/2)
  std::vector<TableClassAtt> own;   // the own attributes in order
  std::vector<ClosureEntry> closure;
  std::vector<int64_t> extended;    // every attribute the table reaches
  std::string data_store;           // upper-cased data-store name
};

// The inputs of one table gathered from the knowledge base: attributes
// (i_all_atrisr/3, duplicates removed), primary key (an fv unique index
// rule, else i_obt_prim_key/3), closure (i_closuret/6). None when the table
// or one of its attributes is not in the knowledge base.
std::optional<TableClassInput> table_class_input(Run& run, int64_t model, int64_t table,
                                                 const std::string& mode);

// One attribute of a table class from the knowledge base: its name, type
// and Java type; key when among Key. None when the knowledge base does not
// know it.
std::optional<TableClassAtt> table_class_att(Run& run, int64_t model, int64_t att,
                                             const std::vector<int64_t>& key);

// gen_table_data_class/11 and gen_table_supplier_class/11.
bool gen_table_data_class(Run& run, const TableClassInput& in);
bool gen_table_supplier_class(Run& run, const TableClassInput& in);

// gen_reorg_classes/2: the classes of the tables to create (the database
// creation) or to reorganise with their superordinate tables, once per
// table per pass; a table whose classes cannot be written is reported and
// the others go on.
bool gen_reorg_classes(Run& run, int64_t source_model, int64_t target_model);

// One parameter of an embedded statement: P<n> of its Java type.
struct CursorParam {
  engine::Term type;  // type atom
  int64_t length = 0;
  int64_t decimals = 0;
  std::string setter;  // the data class's setter when it is a column of the table, else empty
  bool formula = false;  // a computed column of the select list (SUM(...), COUNT(*) ...)
};

// The inputs of gen_cursor_class/11: a stored-procedure call (kind call),
// an update cursor (kinds upd, ins, dlt) or a read cursor (any other kind).
struct CursorClassInput {
  std::string name;        // the cursor's name
  std::string id;          // its identifier
  std::string sql;         // the statement text
  std::string kind;        // call, upd, ins or dlt
  std::vector<CursorParam> params;
  std::string data_class;  // the table's data class (update cursors)
  bool new_source = false; // a source of its own instead of the program's
  // Read cursors: the data object, the columns read (each a setter of the
  // data class and a type), whether the cursor only reads, and whether the
  // program reads in large buffers (web panels, procedures, reports).
  std::string data_object;
  std::vector<CursorParam> columns;
  bool read_only = true;
  bool read_buffer = false;
};

// gen_cursor_class/11: the class appended to the program's source (declared
// final) or in a source of its own; a class in a source of its own (the
// program runs with remote calls) also has the remote branches: the
// parameters packed and sent to the server's supplier when the data base is
// remote, the row streamed back and unpacked.
bool gen_cursor_class(Run& run, int64_t model, const CursorClassInput& in);

// java_unquoted: the text of a Java string literal (java_quoted/1 undone).
std::string java_unquoted(std::string_view literal);

// gen_embedded_cursor_classes/0: a cursor class for every statement the
// program recorded (embsql_cursor_i/2), in the order recorded. The data
// object is its first table's; a parameter token is typed by its attribute
// or variable (a constant by its text) and set on the data object when it
// is a column of the table; a read cursor's columns are its select list,
// each matched to the table's attribute of that SQL name. Each class goes
// to a source of its own when remote calls are configured (in a
// transaction only with MTIER_OPT No), else it follows the program.
bool gen_embedded_cursor_classes(Run& run);

}  // namespace qn::logic
