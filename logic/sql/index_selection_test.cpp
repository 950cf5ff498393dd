#include "logic/sql/index_selection.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "host/directories.h"
#include "kb/attribute_queries.h"
#include "kb/kb_open.h"
#include "kb/model_queries.h"
#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"
#include "logic/sql/sql_test_fixture.h"
#include "platform/isam/writer/kb_writer.h"

namespace qn::logic {
namespace {

namespace fs = std::filesystem;
using engine::Term;
using sqltest::Fixture;
using sqltest::T;

std::string show(const std::vector<Term>& list) { return engine::writeq(Term::list(list)); }

// Model 5 table 1 of the demo knowledge base: unique index 1 (3, -7, 9),
// duplicate index 2 (3, 7), indexes 3 and 4 over attributes 1 and 16 that
// the table lacks (the host needs neither).
class DemoKb : public ::testing::Test {
 protected:
  void SetUp() override {
    kb::close_isam();
    kb::reset_model_queries();
    kb::reset_attribute_queries();
    old_cwd_ = fs::current_path();
    dir_ = fs::temp_directory_path() / ("qn_idxsel_" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::current_path(dir_);
    host::set_program_path_for_tests((dir_ / "qnjavagen").string());
    kb::set_model_selector([](int model) { return model; });
    std::ofstream("model.dat") << "";
    std::ifstream in(fs::path(QN_SOURCE_DIR) / "tests/fixtures/demo-kb.txt");
    std::stringstream s;
    s << in.rdbuf();
    isam::KbBuilder b;
    b.add_description(s.str());
    b.write(dir_.string());
    ASSERT_EQ(kb::OpenKnowledgeBase(5), 1);
    kb::set_model_block_size(kb::kModelBlockSize);
    kb::set_current_model(5);
  }
  void TearDown() override {
    kb::close_isam();
    kb::set_model_selector(nullptr);
    kb::reset_model_queries();
    kb::reset_attribute_queries();
    host::set_program_path_for_tests(std::nullopt);
    fs::current_path(old_cwd_);
    fs::remove_all(dir_);
  }
  fs::path old_cwd_, dir_;
};

TEST_F(DemoKb, IndexesOfTableOneByDriver) {
  struct Case {
    const char* dtasrc;
    const char* all;     // index_p/5
    const char* actual;  // actual_index/5
    const char* valid;   // valid_indexes/3
  } cases[] = {
      {"5",  // db2: descending marks kept
       "[[1,u,[3,-7,9]],[2,d,[3,7]],[3,d,[3,-7,9,1]],[4,d,[3,-7,9,16]]]",
       "[[1,u,[3,-7,9]],[2,d,[3,7]]]", "[[1,u,[3,-7,9]],[2,d,[3,7]]]"},
      {"7",  // oracle: normalised, so index 2 begins the unique index and is served by it
       "[[1,u,[3,7,9]],[2,d,[3,7]],[3,d,[3,7,9,1]],[4,d,[3,7,9,16]]]",
       "[[1,u,[3,7,9]],[2,d,[3,7]]]", "[[1,u,[3,7,9]]]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.dtasrc);
    Fixture f;
    f.config["DTASRC"] = c.dtasrc;
    // Index 5 lacks its first attribute, which the host reports as a fatal
    // error of the knowledge base: the walk is cut before it.
    f.run.stand_in_host("i_index_exists", 4, [](logic::Run& r, std::span<Term> a) {
      const HostPredicateEntry* e = find_host_predicate("i_index_exists", 4);
      return e->fn(r, a) && a[3].as_int() < 5;
    });
    EXPECT_EQ(show(index_p(f.run, num(5), num(1))), c.all);
    EXPECT_EQ(show(actual_index(f.run, num(5), num(1))), c.actual);
    Term valid;
    ASSERT_TRUE(valid_indexes(f.run, num(5), num(1), valid));
    EXPECT_EQ(engine::writeq(valid), c.valid);
  }
}

// Hosts that answer from a list: index numbers with gaps, equal lists.
TEST(IndexSelection, GapsAndEqualLists) {
  struct Case {
    const char* name;
    const char* indexes;  // [[Number, UniqueFlag, Attributes] ...] as the host has them
    const char* table_atts;
    const char* valid;
  } cases[] = {
      {"gaps skipped", "[[2,0,[1]],[7,1,[1,2]],[9,0,[3]]]", "[1,2,3]", "[[7,u,[1,2]],[9,d,[3]]]"},
      {"equal duplicate lists: the first stays", "[[1,0,[1,2]],[2,0,[1,2]]]", "[1,2]",
       "[[1,d,[1,2]]]"},
      {"equal to a later unique index", "[[1,0,[1,2]],[2,1,[1,2]]]", "[1,2]", "[[2,u,[1,2]]]"},
      {"two equal unique indexes stay", "[[1,1,[1]],[2,1,[1]]]", "[1]", "[[1,u,[1]],[2,u,[1]]]"},
      {"a dropped attribute", "[[1,1,[1,4]],[2,0,[2]]]", "[1,2]", "[[2,d,[2]]]"},
      {"no index", "[]", "[1]", "[]"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Fixture f;
    f.config["DTASRC"] = "5";
    const auto host = T(c.indexes).list_items();
    const Term atts = T(c.table_atts);
    f.run.stand_in_host("i_index_exists", 4, [&](logic::Run&, std::span<Term> a) {
      for (const Term& h : host) {
        if (h.list_items()[0].as_int() >= a[2].as_int()) {
          a[3] = h.list_items()[0];
          return true;
        }
      }
      return false;
    });
    f.run.stand_in_host("i_index", 6, [&](logic::Run&, std::span<Term> a) {
      for (const Term& h : host) {
        const auto x = h.list_items();
        if (x[0] == a[2]) {
          a[3] = atom("I");
          a[4] = x[1];
          a[5] = x[2];
          return true;
        }
      }
      return false;
    });
    f.run.stand_in_host("i_all_atrisr", 3, [&](logic::Run&, std::span<Term> a) {
      a[2] = atts;
      return true;
    });
    Term valid;
    ASSERT_TRUE(valid_indexes(f.run, num(5), num(1), valid));
    EXPECT_EQ(engine::writeq(valid), c.valid);
  }
}

}  // namespace
}  // namespace qn::logic
