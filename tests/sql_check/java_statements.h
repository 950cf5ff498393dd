// The SQL statements a generated Java program hands the direct-SQL
// executor, in the order they stand in the program, for the judges that
// run them on a real database or give them to a dialect parser.
//
// A statement is built in the command buffer and then executed:
//
//   cmdBuffer = "ALTER TABLE INVOICE ADD CONSTRAINT IINVOICE2 FOREIGN KEY (CustId) ";
//   cmdBuffer += "REFERENCES CUSTOMER (CustId)";
//   ExecuteDirectSQL.execute(context, remoteHandle, "db2", cmdBuffer) ;
//
// or handed over as a literal (or a sum of literals) in the call itself.
// Literals are unescaped as Java reads them. Comments, and literals outside
// these lines, are passed over, so a brace or an execute call inside them
// counts for nothing. Each statement carries the if/else branches that
// enclose it, so a judge takes the path a run would take; a program whose
// statements cannot be read (an execute of a buffer never set, a literal
// that does not end) gives an error instead of a partial list.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qn::sqlcheck {

// One branch around a statement: the if's condition as its tokens joined
// by single blanks ("Err == 106"), and whether the statement is in its
// else part.
struct Branch {
  std::string condition;
  bool otherwise = false;
  bool operator==(const Branch&) const = default;
};

struct JavaStatement {
  std::string sql;
  std::string dbms;  // the executor's database argument ("db2"), when a literal
  std::string tolerated;  // the statuses it lets pass ("FNF"), when given
  std::vector<Branch> branches;
  bool operator==(const JavaStatement&) const = default;
};

struct JavaStatements {
  std::vector<JavaStatement> statements;
  std::string error;  // empty when the whole program was read
};

JavaStatements direct_sql_statements(std::string_view java);

// The value of a Java string literal's body (between its quotes): \b \t
// \n \f \r \" \' \\, octal escapes and \uXXXX. A character up to U+00FF
// stands for its byte, as the generator's literals write the bytes of
// their (1252) text; a higher one is written in UTF-8. None for a bad
// escape.
std::optional<std::string> java_unescape(std::string_view body);

// The statements whose every branch is taken, as `taken` decides for each
// if-condition (true: its then part runs).
template <typename Taken>
std::vector<std::string> on_path(const std::vector<JavaStatement>& all, Taken taken) {
  std::vector<std::string> out;
  for (const JavaStatement& s : all) {
    bool in = true;
    for (const Branch& b : s.branches) in = in && taken(b.condition) != b.otherwise;
    if (in) out.push_back(s.sql);
  }
  return out;
}

}  // namespace qn::sqlcheck
