#include "logic/toolbox/dependencies.h"

#include "logic/toolbox/test_fixture.h"

namespace qn::logic {
namespace {

using namespace webtest;

const char* kProc = "spec_i([proc, 3, 'Print invoices', 'PrintInv', 0, 0]). ";

TEST(Dependencies, UsedClassesInOrderOfFirstUseOnce) {
  struct Case {
    const char* facts;
    const char* expected;  // ij_object_dependency/3 afterwards
  } cases[] = {
      {"", "ij_object_dependency(pprintinv,[b,a,c],[]) "},
      {"ij_object_dependency(pprintinv, [], ['CUSTOMER']). ",
       "ij_object_dependency(pprintinv,[b,a,c],['CUSTOMER']) "},
      {"gen_reo_i. ", ""},          // a reorganisation records nothing
      {"trn_server_side_i. ", ""},  // nor the server side of a transaction
  };
  for (const auto& c : cases) {
    Fixture f(std::string(kProc) + c.facts);
    for (const char* cls : {"b", "a", "b", "c", "a"})
      EXPECT_TRUE(add_object_dependency(f.run, t(cls)));
    EXPECT_EQ(f.all("ij_object_dependency", 3), c.expected) << c.facts;
  }
}

TEST(Dependencies, TableDefinitionsMerge) {
  struct Case {
    const char* facts;
    const char* list;
    const char* expected;
  } cases[] = {
      {"", "[x]", "ij_table_def(1,d,s,[x]) "},
      // The three-argument form of an older state file is replaced.
      {"ij_table_def(1, od, os). ", "[x]", "ij_table_def(1,d,s,[x]) "},
      // The old list goes behind the new one, the first of each kept.
      {"ij_table_def(1, od, os, [y, x, z]). ", "[x, w, x]", "ij_table_def(1,d,s,[x,w,y,z]) "},
      {"ij_table_def(2, d2, s2, [q]). ", "[]", "ij_table_def(2,d2,s2,[q]) ij_table_def(1,d,s,[]) "},
  };
  for (const auto& c : cases) {
    Fixture f(c.facts);
    record_table_def(f.run, t("1"), t("d"), t("s"), t(c.list));
    EXPECT_EQ(f.all("ij_table_def", 4) + f.all("ij_table_def", 3), c.expected) << c.facts;
  }
}

TEST(Dependencies, StepsBeforeAnObject) {
  // Data views naming themselves: class names without a knowledge base.
  const std::string tables =
      "table_i('INVOICE', x). table_i('CUSTOMER', x). table_i('INVOICE', x). "
      "p(0, 0, fv, v1, [intname, 'INVOICE']). p(0, 0, fv, v2, [intname, 'CUSTOMER']). ";
  struct Case {
    const char* what;
    std::string facts;
    const char *deps, *old_deps, *main, *locations, *tabledefs;
  } cases[] = {
      {"first generation, no main entry", kProc + tables,
       "ij_object_dependency(pprintinv,[],['INVOICE','CUSTOMER']) ", "", "", "",
       // INVOICE a second time: merged, so replaced at the end.
       "ij_table_def('CUSTOMER',dbcCUSTOMER,supcCUSTOMER,[]) "
       "ij_table_def('INVOICE',dbcINVOICE,supcINVOICE,[]) "},
      {"regeneration: the old fact moves, the old main entry goes",
       kProc + tables +
           "ij_object_dependency(pprintinv, [x], [9]). ij_main_object(pprintinv, old, there). "
           "ij_object_dependency(other, [y], []). "
           "pgm_main_i(proc, 3, 'PrintInv', [java, 'PrintInv', 'PrintInv', 0, 0, 'Server']). "
           "pgm_main_i(proc, 4, 'Other', [java, 'Other', 'Other', 0, 0, 'Client']). ",
       "ij_object_dependency(other,[y],[]) "
       "ij_object_dependency(pprintinv,[],['INVOICE','CUSTOMER']) ",
       "old_ij_object_dependency(pprintinv,[x],[9]) ",
       "ij_main_object(pprintinv,'PrintInv',server) ", "ij_location(server) ",
       // INVOICE a second time: merged, so replaced at the end.
       "ij_table_def('CUSTOMER',dbcCUSTOMER,supcCUSTOMER,[]) "
       "ij_table_def('INVOICE',dbcINVOICE,supcINVOICE,[]) "},
      {"a main entry without a location",
       std::string(kProc) + "pgm_main_i(proc, 3, x, [java, p, 'PrintInv']). ", "", "",
       "ij_main_object(pprintinv,'PrintInv','') ", "", ""},
      {"an empty location, a location known already",
       std::string(kProc) + "ij_location(server). pgm_main_i(proc, 3, x, [java, p, o, 0, 0, '']). ",
       "", "", "ij_main_object(pprintinv,o,'') ", "ij_location(server) ", ""},
      {"a reorganisation reads no tables", kProc + tables + "gen_reo_i. ", "", "", "", "", ""},
  };
  for (const auto& c : cases) {
    Fixture f(c.facts);
    object_dependency_steps(f.run);
    EXPECT_EQ(f.all("ij_object_dependency", 3), c.deps) << c.what;
    EXPECT_EQ(f.all("old_ij_object_dependency", 3), c.old_deps) << c.what;
    EXPECT_EQ(f.all("ij_main_object", 3), c.main) << c.what;
    EXPECT_EQ(f.all("ij_location", 1), c.locations) << c.what;
    EXPECT_EQ(f.all("ij_table_def", 4), c.tabledefs) << c.what;
    EXPECT_EQ(f.all("is_webproc_i", 1), "") << c.what;
  }
}

}  // namespace
}  // namespace qn::logic
