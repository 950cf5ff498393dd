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

// gen_exec_immediate/3 writes its three arguments as one line.
void record_statements(Fixture& f) {
  f.run.stand_in_host("gen_exec_immediate", 3, [](logic::Run& r, std::span<Term> a) {
    return Out(r).pieces({"exec", a[0], a[1], a[2]}).ok();
  });
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
       {"exec LOCK TABLE CUSTOMER IN EXCLUSIVE MODE NOWAIT ULCK y"}},
      {"db2, a new table", "5", "", "n", {"exec LOCK TABLE CUSTOMER IN EXCLUSIVE MODE FNF;ULCK y"}},
      {"sqlserver locks no table", "12", "", "y", {}},
      {"informix without log: lock and unlock",
       "11",
       "n",
       "y",
       {"exec LOCK TABLE CUSTOMER IN EXCLUSIVE MODE ULCK y", "exec UNLOCK TABLE CUSTOMER ULCK y"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.config["DTASRC"] = c.dtasrc;
    if (*c.informix_db) f.config["INFORMIX_DB"] = c.informix_db;
    record_statements(f);
    EXPECT_TRUE(gen_lock_table(f.run, atom("CUSTOMER"), atom(c.mode), atom("CUSTOMER")));
    EXPECT_TRUE(gen_unlock_table(f.run, atom("CUSTOMER"), atom("CUSTOMER")));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

}  // namespace
}  // namespace qn::logic
