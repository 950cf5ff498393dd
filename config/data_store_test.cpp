#include "config/data_store.h"

#include <gtest/gtest.h>

#include <vector>

#include "config/test_dir.h"

namespace qn::config {
namespace {

using ConfigDataStore = ConfigDirTest;

std::vector<std::pair<int, std::string>> numbers_and_names(const CDataStoreList& list) {
  std::vector<std::pair<int, std::string>> out;
  for (const CDataStore& s : list) out.emplace_back(s.number(), s.name());
  return out;
}

TEST_F(ConfigDataStore, LoadSets) {
  write("model/model.ini",
        "[DataStores0001]\n"
        "LastDS=3\n"
        "DataStore0003=SALES 2\n"
        "[DataStores0002]\n"
        "LastDS=5\n"
        "DataStore0002=\n"            // present but empty: skipped
        "DataStore0003=ARCHIVE\n"     // no type: 0
        "DataStore0004=  HIST   x\n"  // no number behind the name: type 0
        "DataStore0005=BIG 7 extra\n"
        "DataStore0006=BEYOND 1\n"  // above LastDS
        "[DataStores0003]\n"
        "LastDS=-4\n"
        "DataStore0002=NEVER 1\n"
        "[DataStores0004]\n"
        "LastDS=abc\n");
  struct Case {
    int set;
    int last_ds;
    std::vector<std::pair<int, std::string>> stores;
  };
  const Case cases[] = {
      {1, 3, {{1, "Default"}, {3, "SALES"}}},
      {2, 5, {{1, "Default"}, {3, "ARCHIVE"}, {4, "HIST"}, {5, "BIG"}}},
      {3, 1, {{1, "Default"}}},
      {4, 1, {{1, "Default"}}},
      {9, 1, {{1, "Default"}}},  // no section at all
  };
  for (const Case& c : cases) {
    CAvailDataStoreList list;
    list.Load(model_ini_path(), c.set);
    EXPECT_EQ(list.lastDS, c.last_ds) << "set " << c.set;
    EXPECT_EQ(numbers_and_names(list), c.stores) << "set " << c.set;
  }
  CAvailDataStoreList list;
  list.Load(model_ini_path(), 2);
  EXPECT_EQ(list.Find(1)->type(), 1);
  EXPECT_EQ(list.Find(3)->type(), 0);
  EXPECT_EQ(list.Find(4)->type(), 0);
  EXPECT_EQ(list.Find(5)->type(), 7);
  EXPECT_EQ(list.Find(2), nullptr);

  // Set 0 is the generation's set; Copy takes lastDS along.
  host::run_state().datastore_set = 1;
  CAvailDataStoreList current;
  current.Load(model_ini_path(), 0);
  EXPECT_EQ(numbers_and_names(current),
            (std::vector<std::pair<int, std::string>>{{1, "Default"}, {3, "SALES"}}));
  current.Copy(list);
  EXPECT_EQ(current.lastDS, 5);
  EXPECT_EQ(current.size(), 4u);
}

TEST_F(ConfigDataStore, StoreByNumberAndEquality) {
  write("model/MODEL.INI", "[DataStores0002]\nDataStore0004=HIST 3\n");
  host::run_state().datastore_set = 2;
  EXPECT_EQ(CDataStore(1), CDataStore(1, "Default", 1));
  EXPECT_EQ(CDataStore(4).name(), "HIST");
  EXPECT_EQ(CDataStore(4).type(), 3);
  EXPECT_EQ(CDataStore(6).name(), "DataStore6");
  EXPECT_EQ(CDataStore(6).type(), 0);

  struct Case {
    CDataStore a, b;
    bool equal;
  };
  const Case cases[] = {
      {{2, "A", 1}, {2, "A", 5}, true},  // both types non-zero
      {{2, "A", 0}, {2, "A", 0}, true},  {{2, "A", 0}, {2, "A", 1}, false},
      {{2, "A", 1}, {3, "A", 1}, false}, {{2, "A", 1}, {2, "a", 1}, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.a == c.b, c.equal) << c.a.name() << c.a.type() << c.b.type();
}

TEST_F(ConfigDataStore, ModelDataSources) {
  write("model/MODEL.INI",
        "[DataStores0001]\n"
        "LastDS=4\n"
        "DataStore0002=LOCAL 0\n"
        "DataStore0003=OTHER 0\n"
        "DataStore0004=REMOTE 1\n"
        "[DSs0005]\n"
        "DatSto0002=4\n"
        "DatSto0004=junk\n");  // not a number: 0, so the model's source
  host::run_state().datastore_set = 1;
  host::run_state().data_source = 7;
  const CModelDataSourceArray& array = model_data_sources(5);
  EXPECT_EQ(array, (std::vector<uint32_t>{(1u << 16) | 7, (2u << 16) | 4, (3u << 16) | 0,
                                          (4u << 16) | 7}));
  const int expected[][2] = {{1, 7}, {2, 4}, {3, 0}, {4, 7}, {9, 0}};
  for (const auto& e : expected) EXPECT_EQ(data_source_of_store(array, e[0]), e[1]) << e[0];
}

TEST_F(ConfigDataStore, DataSourceFieldsAndSections) {
  write("program/qn.ini",
        "[Data Sources]\n"
        "Ds3= ODBC , SQL Server,\t SQLSERVER\n"
        "Ds4=ONLY\n"
        "Ds5=" +
            std::string(98, 'x') + ",abcdef\n");  // read up to 100 characters
  struct Case {
    int number, index;
    const char* expected;
  };
  const Case cases[] = {
      {3, 0, "ODBC "}, {3, 1, "SQL Server"}, {3, 2, "SQLSERVER"}, {4, 0, "ONLY"},
      {4, 1, ""},      {4, 2, ""},           {6, 0, ""},          {5, 1, "a"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(data_source_field(c.number, c.index), c.expected) << c.number << "/" << c.index;
  }
  EXPECT_EQ(CQnDataSource(3).Field1(), "SQL Server");
  EXPECT_EQ(CQnDataSource(3).Field0With(".DLL"), "ODBC .DLL");
  EXPECT_EQ(CQnDataSource(3).DefinitionName(), "SQLSERVER");

  EXPECT_EQ(preferences_section(5, 0), "Preferences 005");
  EXPECT_EQ(preferences_section(5, 11), "Preferences 005 11");
  EXPECT_EQ(ds_preferences_section(12, 0), "Preferences 012");
  EXPECT_EQ(ds_preferences_section(12, 3), "Preferences 012 DS:03");
}

}  // namespace
}  // namespace qn::config
