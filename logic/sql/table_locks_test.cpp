#include "logic/sql/table_locks.h"

#include <gtest/gtest.h>

#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/sql/sql_test_fixture.h"

namespace qn::logic {
namespace {

using engine::Term;
using sqltest::Fixture;
using sqltest::Lines;

// The immediate execution of a statement on a DBMS, with the statuses it
// tolerates: a lock held elsewhere (ULCK), and for a new table its absence
// (FNF).
Lines exec(const std::string& sql, const std::string& dbms, const std::string& tolerated) {
  return {"cmdBuffer = \"" + sql + "\";",
          "ExecuteDirectSQL.execute(context, remoteHandle, \"" + dbms + "\", cmdBuffer, \"" + tolerated + "\") ;"};
}

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(TableLocks, ByDatabase) {
  struct Case {
    const char* name;
    const char* dtasrc;
    const char* informix_db;  // "" for none
    const char* mode;
    Lines lines;
  } cases[] = {
      {"oracle waits for no lock",
       "7",
       "",
       "y",
       exec("LOCK TABLE CUSTOMER IN EXCLUSIVE MODE NOWAIT", "oracle7", "ULCK")},
      {"db2, a new table", "5", "", "n", exec("LOCK TABLE CUSTOMER IN EXCLUSIVE MODE", "db2", "FNF;ULCK")},
      {"sqlserver locks no table", "12", "", "y", {}},
      {"informix without log: lock and unlock",
       "11",
       "n",
       "y",
       exec("LOCK TABLE CUSTOMER IN EXCLUSIVE MODE", "informix", "ULCK") +
           exec("UNLOCK TABLE CUSTOMER", "informix", "ULCK")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.config["DTASRC"] = c.dtasrc;
    if (*c.informix_db) f.config["INFORMIX_DB"] = c.informix_db;
    EXPECT_TRUE(gen_lock_table(f.run, atom("CUSTOMER"), atom(c.mode), atom("CUSTOMER")));
    EXPECT_TRUE(gen_unlock_table(f.run, atom("CUSTOMER"), atom("CUSTOMER")));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

}  // namespace
}  // namespace qn::logic
