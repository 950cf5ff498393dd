// What the judges of DDL programs share: the list of a dialect's
// differences from a judge, the statements a program may see refused, the
// catalogue queries that read back what the statements built, and the
// dialect parsers (python3-sqlglot, node-sql-parser) run over statements.
//
// Where a dialect writes a statement differently from the judge, the
// test lists the difference with its reason (a Difference); where a parser
// lacks a construct its DBMS documents, the test lists the construct (a
// Lacking). Nothing else is changed or left out.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "tests/sql_check/sql_check.h"

namespace qn::sqlcheck {

// Statements matching `pattern` are written for the judge as
// `replacement` ($1... as std::regex_replace takes them); an empty
// replacement: the judge has no such statement and it is not run.
struct Difference {
  const char* pattern;
  const char* replacement;
  const char* reason;
};
std::vector<std::string> for_judge(const std::vector<std::string>& program,
                                   const std::vector<Difference>& differences);

// A program drops a table, an index or a constraint before it creates it,
// and locks a new table before it exists, and tolerates "not found" there:
// that is the one refusal a judge may answer. The statements refused otherwise, each with the judge's message;
// a judge that did not run gives its setup error.
std::vector<std::string> unexpected_refusals(const std::vector<std::string>& sent,
                                             const ScriptResult& result);

// Catalogue queries: one row per column ("col table column type length
// scale nullable"), index ("idx " + its definition) and constraint ("con
// table name definition") of every schema but the system's, a table
// outside public named with its schema (PostgreSQL); per column ("col
// table column type notnull pk") and index of the main database and of
// the attached ones named (SQLite; "col SCHEMA.table ...", "idx SCHEMA:
// ...").
extern const char* const kPgCatalogue;
std::string sqlite_catalogue(const std::vector<std::string>& attached);
extern const std::string kSqliteCatalogue;

// A construct the DBMS documents and a parser lacks: statements holding it
// are not given to that parser.
struct Lacking {
  const char* pattern;
  const char* reason;
};
std::vector<std::string> without(const std::vector<std::string>& sent, const std::vector<Lacking>& lacking);
// The same for statements paired with their dialect.
std::vector<std::pair<std::string, std::string>> without(
    const std::vector<std::pair<std::string, std::string>>& sent, const std::vector<Lacking>& lacking);

// A parser's verdict: status 0 when it took every statement; the output
// lists each refusal ("FAIL <n>: statement: message"). `missing` names the
// package to install when the parser is not there.
struct ParserRun {
  int status = -1;
  std::string output;
  std::string missing;
};
// python3-sqlglot; each statement paired with its dialect (oracle, tsql).
ParserRun sqlglot_parse(const std::vector<std::pair<std::string, std::string>>& statements);
// node-sql-parser in the given database mode (db2).
ParserRun node_sql_parser_parse(const std::vector<std::string>& statements, const std::string& database);

}  // namespace qn::sqlcheck
