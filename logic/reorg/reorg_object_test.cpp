// Bad input of the reorganisation programs: each is reported in the run's
// error log, and the object fails before any program is opened. Also the
// change lists the steps are chosen by.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "logic/core/golden.h"
#include "logic/core/spec_files.h"
#include "logic/reorg/reorg_object.h"
#include "logic/sql/ddl/ddl_fixture.h"

namespace qn::logic::reorg {
namespace {

namespace fs = std::filesystem;
using engine::Term;

// A DB2 model with CUSTOMER (1) and INVOICE (2), the message file loaded.
const char* kModel =
    "ddl_option('DTASRC', '5'). "
    "attri_i(1, ['CustId', int, 6, 0]). attri_i(2, ['CustName', char, 30, 0]). "
    "attri_i(3, ['InvId', int, 8, 0]). "
    "kb_table(1, 'Customers', [1, 2], [1]). kb_tblname(1, 'CUSTOMER'). "
    "kb_index(1, 1, 'ICUSTOMER1', 1, [1]). "
    "kb_table(2, 'Invoices', [3, 1], [3]). kb_tblname(2, 'INVOICE'). "
    "kb_index(2, 1, 'IINVOICE1', 1, [3]). ";

struct Fixture {
  explicit Fixture(const std::string& facts) {
    EXPECT_TRUE(load_spec_file(f.run, QN_SOURCE_DIR "/data/QNMSGJ.ARI"));
    f.add("model_num_i(5). spec_i([ce, 30, 'Reorganization', 'Reorg', 0, reo]).");
    // The case's facts first: they answer before the model's.
    if (!facts.empty()) f.add(facts);
    f.add(kModel);
    // In the test program's own scratch folder: tests run side by side.
    const fs::path kb = fs::temp_directory_path() / "reorg_model.kb.txt";
    std::ofstream(kb) << "mdl model=5 name=REORG path=.\n";
    model = std::make_unique<golden::detail::CaseKb>(kb, 5);
  }
  bool generate() {
    const Term tail = Term::list({Term::atom("Reorg"), Term::integer(0), Term::atom("reo")});
    return gen_reorg_object(f.run, 5, 30, tail);
  }
  ddl::test::DdlFixture f;
  std::unique_ptr<golden::detail::CaseKb> model;
};

TEST(LogicReorgBadInput, ReportedAndNothingWritten) {
  struct Case {
    const char* name;
    const char* facts;
    const char* error;  // a part of the one message of the error log
  } cases[] = {
      {"a table the knowledge base does not know", "new_tables(9, new, ['P009', 'GONE']).",
       "Reorganisation of table 9: the knowledge base does not know the table"},
      {"an entry of another shape", "new_tables(1, pk, 'P001').",
       "is not new_tables(Table, pk|nopk|new|same, [ConversionProgram, AuxiliaryName | Changes])"},
      {"a change kind that is none", "new_tables(1, other, ['P001', 'TMPCUST']).", "is not new_tables("},
      {"an index without attributes",
       "kb_index(1, 2, 'IEMPTY', 1, []). new_tables(1, pk, ['P001', 'TMPCUST']).",
       "Reorganisation of table 1: its index IEMPTY has no attributes"},
      {"an index to create that the table does not have",
       "new_tables(1, pk, ['P001', 'TMPCUST', att([[2, nn]]), ic('INONE')]).",
       "the knowledge base has no index INONE to create"},
      {"a column type outside the table",
       "attri_i(4, ['Flags', bits, 8, 0]). kb_table(3, 'Odd', [4], [4]). kb_tblname(3, 'ODD'). "
       "new_tables(3, new, ['P003', 'ODD']).",
       "Flags"},
      {"a rebuilt table without primary key",
       "kb_table(3, 'Log', [3], []). kb_tblname(3, 'LOG'). new_tables(3, nopk, ['P003', 'TMPLOG']).",
       "Reorganisation of table 3: it has no primary key, and its temporary table needs one"},
      {"a table name with a quote", "kb_tblname(4, 'CUST''S'). kb_table(4, 'C', [1], [1]). "
                                    "new_tables(4, new, ['P004', 'X']).",
       "CUST'S"},
      {"a new name with a blank", "new_tables(1, pk, ['P001', 'TMPCUST', ren]). ren_i(1, ['NEW NAME']).",
       "NEW NAME"},
      {"an auxiliary name with a quote", "new_tables(1, pk, ['P001', 'TMP\"C']).", "TMP\"C"},
      {"a language without the log's texts", "idiom(xyz). new_tables(1, pk, ['P001', 'TMPCUST']).",
       "the message file has no text for the key rgzlcktb in language xyz"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture x(c.facts);
    EXPECT_FALSE(x.generate());
    ASSERT_EQ(x.f.errors.size(), 1u) << (x.f.errors.empty() ? "" : x.f.errors.back());
    EXPECT_NE(x.f.errors[0].find(c.error), std::string::npos) << x.f.errors[0];
    EXPECT_TRUE(x.f.run.capture()->files.empty()) << x.f.run.capture()->files[0].path;
  }
}

TEST(LogicReorgChanges, StepsFollowTheChangeList) {
  struct Case {
    const char* name;
    const char* entry;
    bool created, columns_only, indexes_only, converted;
  } cases[] = {
      {"kind new", "new_tables(1, new, ['P001', 'CUSTOMER']).", true, false, false, false},
      {"no change listed: rebuilt", "new_tables(1, pk, ['P001', 'TMPCUST']).", false, false, false, true},
      {"new and removed columns", "new_tables(1, pk, ['P001', 'T', att([[2, nn], [3, del]])]).", false,
       true, false, false},
      {"columns and their index", "new_tables(1, pk, ['P001', 'T', att([[2, nn]]), ic('I2')]).", false,
       true, false, false},
      {"a changed column: rebuilt", "new_tables(1, pk, ['P001', 'T', att([[2, chg]])]).", false, false,
       false, true},
      {"indexes only", "new_tables(1, nopk, ['P001', 'T', ir('I2')]).", false, false, true, true},
      {"renamed", "new_tables(1, pk, ['P001', 'T', att([[2, nn]])]). ren_i(1, ['C2']).", false, false,
       false, true},
      {"kind same is not converted", "new_tables(1, same, ['P001', 'T']).", false, false, false, false},
      {"a new column the database cannot add: rebuilt",
       "ddl_option('DTASRC', '3'). new_tables(1, pk, ['P001', 'T', att([[2, nn]])]).", false, false, false,
       true},
      {"a removed column the database cannot drop stays: still altered in place",
       "new_tables(1, pk, ['P001', 'T', att([[2, del]])]).", false, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture x(c.entry);
    const auto entries = reorg_entries(x.f.run);
    ASSERT_TRUE(entries && entries->size() == 1);
    EXPECT_TRUE(to_create(x.f.run, entries->front()));
    const Changes ch = all_table_changes(x.f.run, entries->front());
    EXPECT_EQ(ch.created, c.created);
    EXPECT_EQ(ch.columns_only(), c.columns_only);
    EXPECT_EQ(ch.indexes_only(), c.indexes_only);
    EXPECT_EQ(rgz_pgm_name(x.f.run, *entries).size(), c.converted ? 1u : 0u);
  }
  // In a database creation every table is new and nothing is converted.
  Fixture crt("new_tables(1, pk, ['P001', 'CUSTOMER', att([[2, nn]])]).");
  crt.f.run.facts().abolish("spec_i", 1);
  crt.f.add("spec_i([ce, 30, 'Database creation', 'CreateDB', 0, crt]).");
  const auto entries = reorg_entries(crt.f.run);
  EXPECT_TRUE(all_table_changes(crt.f.run, entries->front()).created);
  EXPECT_TRUE(rgz_pgm_name(crt.f.run, *entries).empty());
}

}  // namespace
}  // namespace qn::logic::reorg

namespace qn::logic::reorg {
namespace {

// With referential integrity in the database, a new table's superordinate
// tables that need reorganisation are locked with it and lose their
// constraints first; a listed table is not taken twice, and a database
// creation takes none.
TEST(LogicReorgLocks, SuperordinateTablesOfANewTable) {
  for (const bool creation : {false, true}) {
    SCOPED_TRACE(creation ? "creation" : "reorganisation");
    Fixture x("ddl_option('DCL_REF_INT_DB', 'Y'). kb_table(3, 'Lines', [3], [3]). kb_tblname(3, 'INVLINE'). "
              "new_tables(3, new, ['P003', 'INVLINE']). new_tables(2, pk, ['P002', 'TMPINV']).");
    if (creation) {
      x.f.run.facts().abolish("spec_i", 1);
      x.f.add("spec_i([ce, 30, 'Database creation', 'CreateDB', 0, crt]).");
    }
    x.f.run.stand_in_host("i_dir_super", 3, [](qn::logic::Run&, std::span<Term> a) {
      if (a[1] != num(3)) return false;
      a[2] = Term::list({Term::list({num(2), Term::list({num(3)})}), Term::list({num(1), Term::list({num(1)})})});
      return true;
    });
    ASSERT_TRUE(x.generate()) << (x.f.errors.empty() ? "" : x.f.errors[0]);
    std::vector<std::string> locks;
    for (const CapturedFile& file : x.f.run.capture()->files) {
      if (file.path.find("qnrgza") == std::string::npos) continue;
      for (const std::string& l : file.lines) {
        if (l.find("LOCK TABLE") != std::string::npos || l.find("Dropping constraints") != std::string::npos) {
          locks.push_back(l.substr(l.find_first_not_of(' ')));
        }
      }
    }
    // The superordinate table follows its new table; INVOICE, listed
    // itself, comes in its own place.
    const std::vector<std::string> reorganisation = {
        "cmdBuffer = \"LOCK TABLE INVLINE IN EXCLUSIVE MODE\";",
        "cmdBuffer = \"LOCK TABLE CUSTOMER IN EXCLUSIVE MODE\";",
        "cmdBuffer = \"LOCK TABLE INVOICE IN EXCLUSIVE MODE\";",
        "QNReorganization.addMsg(\"Dropping constraints of table CUSTOMER\");",
        "QNReorganization.addMsg(\"Dropping constraints of table INVOICE\");"};
    // A creation: every table is new, none has constraints yet.
    const std::vector<std::string> create = {"cmdBuffer = \"LOCK TABLE INVLINE IN EXCLUSIVE MODE\";",
                                             "cmdBuffer = \"LOCK TABLE INVOICE IN EXCLUSIVE MODE\";"};
    EXPECT_EQ(locks, creation ? create : reorganisation);
  }
}

}  // namespace
}  // namespace qn::logic::reorg
