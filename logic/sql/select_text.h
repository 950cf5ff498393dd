// The text of an SQL SELECT for a navigation level: column list, FROM with
// outer joins and table hints per database system, WHERE from the level's
// where items and conditions, ORDER BY, the locking and row-blocking
// clauses; the translation of model conditions into SQL; cursor names.
//
// Host variables are JDBC markers: each program value becomes "?" in the
// text and is appended to the statement's parameters in marker order.
//
// Shapes the callers hand in:
//   column      [Table, Att] | [Agg, Table, Att] (Agg "count(", "max(", "min(", "sum(")
//               | exp(Tokens) | exp(Tokens, Alias)
//   table       [Table | Attributes] | sq(Text)
//   where item  w(Table, Att, Op, Value): Value a token t(Text, Kind)
//   condition   c(Tokens, Kind)
//   order       [Table, Att] ascending, [Table, -(Att)] descending
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// A piece of SQL with the program values its markers stand for.
struct SqlText {
  std::string text;
  std::vector<engine::Term> params;
};

// The options a level's code gives its SELECT: the assignment of a text to
// the variable Qndbopts ("Order=*NONE;BlockSize=20;FastFirstRows=YES").
struct DbOpts {
  bool order_none = false;
  int64_t block_size = 0;       // 0: not given (a non-numeric value is 0)
  std::string fast_first_rows;  // "YES", "NO" or ""
};
// Parses a Qndbopts text: parts split at ";", NAME=VALUE trimmed and
// upper-cased; the last of a name wins; unknown names are ignored.
DbOpts parse_dbopts(std::string_view text);
// level_dbopts/2: the options of the level's command line assigning a text
// to Qndbopts (b_line_i(_, Level, _, cmd, _, Tokens)); none gives defaults.
DbOpts level_dbopts(Run& run, const engine::Term& level);

// sql_attname/3: the column name of an attribute of a table.
std::string sql_attname(Run& run, const engine::Term& table, const engine::Term& att);
// table_sql_name/4: mode q the qualified name, any other mode the external name.
std::string table_sql_name(Run& run, std::string_view mode, const engine::Term& table);
// att_sql_type/4: the SQL empty value of an attribute of a table; none for
// vchar (and an attribute without type).
std::optional<std::string> att_sql_type(Run& run, const engine::Term& att, const engine::Term& table);
// The DBMS of a table ("" when it cannot be resolved).
std::string tbl_dbms(Run& run, const engine::Term& table);

// The tables of a statement with their aliases.
struct TableList {
  std::vector<engine::Term> tables;  // the table terms ([Table | _] entries reduced to Table)
  std::vector<engine::Term> outer;   // the outer-joined ones (entries oj(Entry))
  std::string dbms, driver;          // of the first table
  int64_t alias_base = 1;            // lastalias_i/1, default 1
  bool aliased() const { return tables.size() > 1; }
  std::string alias_of(const engine::Term& table) const;
};
TableList make_table_list(Run& run, const std::vector<engine::Term>& tables);

// sql_t_a/5: the reference of a select-list column.
std::optional<std::string> sql_t_a(Run& run, const TableList& tl, const engine::Term& column);
// A column of a table as written in conditions: alias-qualified when
// several tables are read.
std::string column_ref(Run& run, const TableList& tl, const engine::Term& table,
                       const engine::Term& att);

// conds_to_sql/4 (lenient: a condition that cannot be translated is
// dropped) and conds_to_sql_strict/3 (every condition must translate).
// Each result is one translated condition.
std::vector<SqlText> conds_to_sql(Run& run, const TableList& tl, const std::vector<engine::Term>& conds);
std::optional<std::vector<SqlText>> conds_to_sql_strict(Run& run, const TableList& tl,
                                                        const std::vector<engine::Term>& conds);
// sql_and_conds/5: "(c1) AND (c2) ...".
SqlText sql_and_conds(const std::vector<SqlText>& conds);
// sql_where_clause/5: "WHERE " + items (and conditions), or "".
SqlText sql_where_clause(Run& run, const TableList& tl, const std::vector<engine::Term>& items,
                         const std::vector<SqlText>& conds);

// What a level's SELECT reads.
struct SelectRequest {
  engine::Term level;
  std::string read_kind;           // b, btc, ro, n1, fv, cd, dc, fvbt, as, s ...
  std::string cardinality = "many";
  std::vector<engine::Term> columns;
  std::vector<engine::Term> tables;
  std::vector<engine::Term> where_items;
  std::vector<engine::Term> conds;
  std::vector<engine::Term> order;
  bool repeats = false;            // the level repeats (a subfile level)
  int64_t repeat_lines = 0;        // the repeat's last line minus its first
  bool updated = false;            // the first table is updated at the level
};
struct SelectText {
  SqlText sql;
  std::vector<std::string> comments;  // comment lines to write before the statement
  int64_t block_size = 0;
  bool fast_first_rows = false;
};
// sql_select_stmt/15.
SelectText sql_select_stmt(Run& run, const SelectRequest& req);

// Block size and fast first rows of a level (with the comments announcing them).
int64_t block_size(Run& run, const SelectRequest& req, const DbOpts& opts,
                   std::vector<std::string>& comments);
bool fast_first_rows(Run& run, const SelectRequest& req, const DbOpts& opts,
                     std::vector<std::string>& comments);

// cursor_name/7: the cursor of a level reading Tables. An open cursor of
// the same level and tables (open_i/1, c_num_i/3) is reused; otherwise the
// next number (last_c_num_i/1 + 1, the first is 2) and the name base +
// number, recorded in c_num_i/3, c_sel_i/2, c_where_i/2 and open_i/1.
std::string cursor_name(Run& run, const engine::Term& level, const engine::Term& tables,
                        std::string_view select, std::string_view where);
// open_cursor_num/2: the open cursor of a level and tables.
std::optional<std::string> open_cursor_num(Run& run, const engine::Term& level,
                                           const engine::Term& tables);
// The base of cursor names: prefix + kind letter + program number as four
// digits (a reorganisation or an applet stub: prefix + mapped program name).
std::string cursor_base(Run& run);

}  // namespace qn::logic
