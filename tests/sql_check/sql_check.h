// Judges of generated SQL: a statement is prepared by SQLite (in memory,
// double-quoted strings off) and by PostgreSQL 15 (a throw-away cluster
// started once per test program, stopped and removed at exit), against
// the tables a case declares. A judge that is missing fails, naming its
// Debian package; none skips.
//
// Before a judge sees it, a statement is rewritten for what the database
// lacks: FOR UPDATE OF columns (checked to exist) becomes FOR UPDATE
// (PostgreSQL) or goes (SQLite), FOR FETCH ONLY, OPTIMIZE FOR n ROWS,
// optimiser and table hints and JDBC braces go, CONCAT becomes ||; "?" markers
// outside literals become $1 ... $n for PostgreSQL. Both get the functions
// to_date, to_char, to_number, last_day, day, month, year.
#pragma once

#include <string>
#include <vector>

namespace qn::sqlcheck {

// A table of a case: CREATE TABLE text in the common subset (NUMERIC(l,d),
// CHAR(n), VARCHAR(n), TEXT, DATE, TIMESTAMP), optionally schema-qualified.
struct Schema {
  std::vector<std::string> create_tables;
};

// "" when the judge accepts the statement, else its message.
std::string sqlite_verdict(const Schema& schema, const std::string& sql);
std::string postgres_verdict(const Schema& schema, const std::string& sql);

// A script run statement by statement on a fresh database: the message of
// each statement the database refused ("" where it ran), in order, and the
// rows of the query after it, each row's fields joined by '|'. The DDL
// judges run a generated program's statements this way and compare the
// catalogue the query reads with the model.
struct ScriptResult {
  std::string setup_error;  // the judge could not run at all (names the package)
  std::vector<std::string> errors;
  std::vector<std::string> rows;
};
ScriptResult sqlite_script(const std::vector<std::string>& statements, const std::string& query);
ScriptResult postgres_script(const std::vector<std::string>& statements, const std::string& query);

// Stops the PostgreSQL cluster and removes its folder (a test
// environment calls it before the scratch folder goes).
void stop_postgres();

// The rewrites (tested on their own).
std::string rewrite_for_sqlite(const std::string& sql);
std::string rewrite_for_postgres(const std::string& sql);

}  // namespace qn::sqlcheck
