#include "logic/core/java_names.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/engine.h"

namespace qn::logic {
namespace {

TEST(LogicCoreJavaNames, ProgramNames) {
  struct Case {
    const char* facts;
    const char* name;
    const char* expected;
  } cases[] = {
      {"", "Customer", "Customer"},  // no spec_i/1: the name as it is
      {"spec_i([trn, 6, 'T', 'C']).", "Customer", "tcustomer"},
      {"spec_i([proc, 2, 'T', 'P']).", "PrintInv", "pprintinv"},
      {"spec_i([rpt, 3, 'T', 'R']).", "CustList", "rcustlist"},
      {"spec_i([mnu, 4, 'T', 'M']).", "MainMenu", "mmainmenu"},
      {"spec_i([scr, 8, 'T', 'W']).", "Browse", "wbrowse"},
      {"spec_i([web, 1, 'T', 'H']).", "Customers", "hcustomers"},
      {"spec_i([mbr, 9, 'T', 'B']).", "MainBar", "bmainbar"},
      {"spec_i([ce, 10, 'T', 'C']).", "CreateDB", "createdb"},  // no letter
      {"spec_i([ext, 5, 'T', 'E']).", "Backup", "backup"},
      // A stub rule names the kind of its main program.
      {"spec_i([trn, 6, 'T', 'C']). rule_i(0, stub(web)).", "Customer", "hcustomer"},
      {"spec_i([trn, 6, 'T', 'C']). rule_i(0, stub(web)). rule_i(0, prop('PGMTYPE', main)).",
       "Customer", "hcustomer"},
      // A main program has a letter of its own where its kind has one.
      {"spec_i([trn, 6, 'T', 'C']). rule_i(0, prop('PGMTYPE', main)).", "Customer", "ncustomer"},
      {"spec_i([proc, 2, 'T', 'P']). rule_i(0, prop('PGMTYPE', main)).", "P", "ap"},
      {"spec_i([rpt, 3, 'T', 'R']). rule_i(0, prop('PGMTYPE', main)).", "R", "or"},
      {"spec_i([mnu, 4, 'T', 'M']). rule_i(0, prop('PGMTYPE', main)).", "M", "lm"},
      {"spec_i([scr, 8, 'T', 'W']). rule_i(0, prop('PGMTYPE', main)).", "W", "uw"},
      {"spec_i([web, 1, 'T', 'H']). rule_i(0, prop('PGMTYPE', main)).", "H", "hh"},
      // A reorganisation procedure has no letter; a report still has its own.
      {"spec_i([proc, 2, 'T', 'P']). gen_reo_i.", "Reorg", "reorg"},
      {"spec_i([rpt, 3, 'T', 'R']). gen_reo_i.", "R", "rr"},
      // Lower case by the Windows-1252 table.
      {"spec_i([trn, 6, 'T', 'C']).", "\xC4RGER", "t\xE4rger"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text(c.facts, false));
    EXPECT_EQ(kind_pgm_name(run, c.name), c.expected);
  }
  EXPECT_EQ(java_source_extension(), ".java");
}

}  // namespace
}  // namespace qn::logic
