#include "logic/java/java_naming.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/golden.h"

namespace qn::logic {
namespace {

using engine::Term;

Term t(const char* text) { return *engine::parse_term(text); }

struct Fixture {
  explicit Fixture(const std::string& facts = "") : run(eng) {
    if (!facts.empty()) {
      EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    }
  }
  engine::Engine eng;
  Run run;
};

// The sample model's knowledge base (model 1: table 1 CUSTOMER, attribute 2
// CUSTNAME), open while the test runs.
struct SampleKb {
  golden::detail::CaseKb kb{std::filesystem::path(QN_SOURCE_DIR) / "examples/sample-model/kb.txt",
                            1};
};

TEST(JavaNaming, ClassAndObjectPrefixes) {
  struct Case {
    const char* kind;
    std::optional<std::string> cls, obj;
  } cases[] = {
      {"tab", "dbc", "dbo"},           {"sup", "supc", "supo"},        {"updsup", "US", "US"},
      {"tabsup", "DatabaseClass", {}}, {"supsup", "QNDBSupplier", {}}, {"proc", {}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    EXPECT_EQ(class_prefix(c.kind), c.cls);
    EXPECT_EQ(obj_prefix(c.kind), c.obj);
  }
  EXPECT_EQ(class_name("sup", "CUSTOMER"), "supcCUSTOMER");
  EXPECT_EQ(obj_name("tab", "CUSTOMER"), "dboCUSTOMER");
  EXPECT_EQ(class_name("trn", "x"), std::nullopt);
  EXPECT_EQ(call_class_name("upd1"), "callupd1");
  EXPECT_EQ(fwd_cursor_class_name("c1"), "fc1");
  EXPECT_EQ(upd_cursor_class_name("c1"), "dc1");
}

TEST(JavaNaming, TableNameFromItsFourSourcesInOrder) {
  SampleKb kb;
  const std::string view = "p(0, 0, fv, 5, [intname, 'VIEW1']). ";
  struct Case {
    std::string facts;
    const char* table;
    int64_t model;
    std::optional<std::string> name;
  } cases[] = {
      // Temporary-table classes: the ttable_i/2 class name, before anything else.
      {"i_is_temp_table. ttable_i(1, ['TMPCUST', [], 'TMPCUST']).", "1", 1, "TMPCUST"},
      // Without the temporary fact the entry is not read.
      {"ttable_i(1, ['TMPCUST', [], 'TMPCUST']).", "1", 1, "CUSTOMER"},
      // A data view naming itself; with a table rule it is no longer named.
      {view, "'VIEW1'", 1, "VIEW1"},
      {view + "p(0, 0, fv, 5, [table, 1]). table_i('VIEW1', 'VIEWTABLE1').", "'VIEW1'", 1,
       "VIEWTABL"},
      // The knowledge base, of the model given or of the current one.
      {"", "1", 1, "CUSTOMER"},
      {"model_num_i(1).", "2", 0, "INVOICE"},
      // Last the short name: table_i/2 cut to 8, table 0 empty.
      {"table_i(9, 'LONGTABLENAME').", "9", 1, "LONGTABL"},
      {"", "0", 1, ""},
      {"", "9", 1, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts + " / " + c.table);
    Fixture f(c.facts);
    EXPECT_EQ(table_class_name(f.run, t(c.table), c.model), c.name);
  }
  Fixture f("in_sub_i(mysub).");
  EXPECT_EQ(table_kind_class_name(f.run, 1, t("1"), "tab"), "dbcCUSTOMER");
  EXPECT_EQ(table_kind_class_name(f.run, 1, t("1"), "sup"), "supcCUSTOMER");
  EXPECT_EQ(table_obj(f.run, 1, t("1")), "dbocustomer");
  EXPECT_EQ(base_table_obj(f.run, 1, t("1")), "dbocustomermysub");
  EXPECT_EQ(table_src_class_name(t("7")), "007");
  EXPECT_EQ(table_src_class_name(t("1234")), "1234");
}

TEST(JavaNaming, AccessorNames) {
  SampleKb kb;
  struct Case {
    std::string facts;
    const char* att;
    std::optional<std::string> getter;
  } cases[] = {
      {"spec_i([trn, 6, 'T', t]). attri_i(a1, ['CUSTOMERNAME', char, 20, 0, '']).", "a1",
       "getCustomername"},
      // Database creation reads the knowledge base, not the description.
      {"spec_i([ce, 6, 'C', c]). attri_i(2, ['OTHER', char, 20, 0, '']).", "2", "getCustname"},
      {"spec_i([ce, 6, 'C', c]).", "99", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    EXPECT_EQ(attribute_getter_name(f.run, 1, t(c.att)), c.getter);
    auto setter = attribute_setter_name(f.run, 1, t(c.att));
    EXPECT_EQ(setter.has_value(), c.getter.has_value());
    if (setter) {
      EXPECT_EQ(*setter, "s" + c.getter->substr(1));
    }
  }
}

TEST(JavaNaming, ProgramUniqueNames) {
  struct Case {
    std::string facts;
    const char* prefix;
    const char* suffix;
    const char* name;
  } cases[] = {
      {"pgm_id([1295, scr, w]).", "BRK", "3", "BRKVZZ3"},
      {"pgm_id([7, proc, p]).", "VR", "1", "VR071"},
      {"pgm_id([7, proc, p]). gen_reo_i.", "VR", "1", "VRR071"},
      {"pgm_id([40, mnu, m]).", "H", "", "HM14"},
      {"pgm_id([46656, trn, t]).", "H", "", "H1000"},
      {"pgm_id([1, trn, t]).", "ABCDEFGHIJ", "KLMNOPQRSTUV", "ABCDEFGHIJ01KLMNOPQR"},
      {"", "ZM", "2", "ZM2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    EXPECT_EQ(pgm_unique_name(f.run, c.prefix, c.suffix), c.name);
  }
}

TEST(JavaNaming, NumberedRoutinesFrom11MadeUnique) {
  Fixture f("pgm_id([1295, scr, w]).");
  EXPECT_EQ(proc_id_name(f.run, t("'MySub'")), "S11VZZ");
  EXPECT_EQ(proc_id_name(f.run, t("[t('Menubar', 2), t('File', 2)]")), "E12VZZ");
  EXPECT_EQ(proc_id_name(f.run, t("'mysub'")), "S11VZZ");    // the same key
  EXPECT_EQ(proc_id_name(f.run, t("'''mysub'")), "S11VZZ");  // a leading quote dropped
  EXPECT_EQ(proc_id_name(f.run, t("other")), "S13VZZ");
  EXPECT_EQ(engine::writeq(f.eng.facts().clauses("subproc_id", 3).at(0)),
            "subproc_id(\"other\",13,\"S13VZZ\")");
}

TEST(JavaNaming, TextHelpers) {
  EXPECT_EQ(capitalize("CUSTOMERNAME"), "Customername");
  EXPECT_EQ(capitalize("\xe9t\xc9"), "\xc9t\xe9");  // Windows-1252 letters
  EXPECT_EQ(capitalize(""), "");
  EXPECT_EQ(padl("7", 3, '0'), "007");
  EXPECT_EQ(padl("12345", 3, '0'), "12345");
  EXPECT_EQ(padl("", 2, ' '), "  ");
  EXPECT_EQ(java_string_literal("a\\b\"c"), "\"a\\\\b\\\"c\"");
  EXPECT_EQ(java_string_literal("'it''s'"), "\"it''s\"");
  EXPECT_EQ(java_string_literal("'"), "\"'\"");
  Fixture f("current_pgm_i(wbrowse).");
  EXPECT_EQ(numbered_obj_name(f.run, 3, "_load"), "wbrowse_load03");
  EXPECT_EQ(numbered_obj_name(f.run, 123, ""), "wbrowse123");
  Fixture m("model_i(12, x).");
  EXPECT_EQ(generated_model_num(m.run), 12);
}

TEST(JavaNaming, PackageDirectory) {
  struct Case {
    std::string facts;
    const char* dir;
  } cases[] = {
      {"rule_i(0, prop('PACKAGE', 'com.demo.app')).", "com\\demo\\app\\"},
      {"rule_i(0, prop('PACKAGE', 'app')).", "app\\"},
      {"rule_i(0, prop('PACKAGE', '')).", ""},
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts);
    Fixture f(c.facts);
    EXPECT_EQ(package_dir(f.run), c.dir);
  }
}


TEST(LogicJavaProgramNames, ProgramNames) {
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
