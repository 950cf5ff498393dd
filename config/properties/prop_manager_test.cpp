#include "config/properties/prop_manager.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "config/properties/pty_fixture.h"
#include "config/properties/qnextc.h"
#include "config/test_dir.h"
#include "platform/message_box.h"

namespace qn::config {
namespace {

constexpr const char* kDefinitions =
    "object DATASTORE\n"
    "object SQLSERVER parent=DATASTORE\n"
    "object ORACLE7 parent=DATASTORE\n"
    "list kind=1\n"
    "  list kind=2 name=DATASTORE caption=\"Data store\" ids=DATASTORE\n"
    "    elem kind=6 name=MAIN_DS flags=0x2\n"
    "    elem kind=6 name=REORG_GEN flags=0x2\n"
    "    elem kind=5 name=MODE2 default=bstr:local\n"
    "      depend 1 bstr:main eq(MAIN_DS,i2:-1)\n"
    "    list kind=3 name=Connection\n"
    "      elem kind=5 name=CS_SERVER\n"
    "      elem kind=5 name=NEWNAME aliases=OLDNAME\n"
    "      elem kind=5 name=SECRET flags=0x10000\n"
    "      elem kind=5 name=PRICE valuetype=6\n"
    "      elem kind=5 name=UPDATE ids=ORACLE7 default=bstr:Yes\n"
    "      elem kind=5 name=MODE default=bstr:local\n"
    "        depend 1 bstr:main eq(MAIN_DS,i2:-1)\n";

class DataStorePrefTest : public ConfigDirTest {
 protected:
  void SetUp() override {
    ConfigDirTest::SetUp();
    reset_data_store_prefs();
    old_hook_ = platform::set_message_box_hook(
        [this](std::string_view text, std::string_view caption, unsigned) {
          boxes_.push_back(std::string(caption) + "|" + std::string(text));
          return platform::kIdOk;
        });
    write_archive(pty_bytes(kDefinitions));
    write("program/QN.INI",
          "[Data Sources]\nDs12=SQLSRV,sqlserver, "
          "SQLSERVER\nDs7=ORANLM,oracle7,\tORACLE7\nDs5=X,y\n");
    write("model/MODEL.INI",
          "[Model 005]\nGenerator=3\n"
          "[DataStores0000]\nLastDS=4\nDataStore0002=Second 1\nDataStore0003=Third "
          "1\nDataStore0004=Fourth 1\n"
          "[DSs0005]\nDatSto0001=12\nDatSto0002=7\nDatSto0003=5\n"
          "[Preferences 005]\nCS_SERVER=main-server\nOLDNAME=old\nPRICE=1234.5\nSECRET=" +
              encrypt_text("pass") +
              "\n"
              "[Preferences 005 DS:02]\nCS_SERVER=second\nNEWNAME=new\nOLDNAME=old\n"
              "[Model 006]\n[DSs0006]\nDatSto0001=12\n");
  }
  void TearDown() override {
    platform::set_message_box_hook(old_hook_);
    reset_data_store_prefs();
    ConfigDirTest::TearDown();
  }
  void write_archive(const std::vector<uint8_t>& bytes) {
    std::ofstream(root_ / "program" / "DTASTORE.PTY", std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
  }
  std::string pref(const std::string& name, int store, int model = 5) {
    std::string out = "unchanged";
    return DataStorePref(name, store, model, out) ? out : "<none:" + out + ">";
  }

  std::vector<std::string> boxes_;
  platform::MessageBoxHook old_hook_;
};

TEST_F(DataStorePrefTest, Lookups) {
  struct Case {
    const char* name;
    int store, model;
    const char* expect;
  };
  const Case cases[] = {
      {"CS_SERVER", 1, 5, "main-server"},
      {"MAIN_DS", 1, 5, "-1"},
      {"REORG_GEN", 1, 5, "3"},
      {"MODE2", 1, 5, "main"},
      {"MODE", 1, 5, "local"},         // conditions see their own page only
      {"NEWNAME", 1, 5, "old"},        // through the alias
      {"SECRET", 1, 5, "pass"},        // deciphered
      {"PRICE", 1, 5, "1234.5"},       // currency, '.' whatever the locale
      {"UPDATE", 1, 5, "<none:>"},     // defined for another kind only
      {"cs_server", 1, 5, "<none:>"},  // names are case-sensitive
      {"NOTHING", 1, 5, "<none:>"},
      {"CS_SERVER", 2, 5, "second"},
      {"MAIN_DS", 2, 5, "0"},
      {"MODE2", 2, 5, "local"},
      {"NEWNAME", 2, 5, "new"},  // its own name before the alias
      {"UPDATE", 2, 5, "Yes"},
      {"PRICE", 2, 5, ""},             // nothing saved: empty, and found
      {"CS_SERVER", 3, 5, "<none:>"},  // data source without a definition object
      {"CS_SERVER", 4, 5, "<none:>"},  // data store without a data source
      {"REORG_GEN", 1, 6, "-1"},       // no Generator key for model 6
  };
  for (const auto& c : cases)
    EXPECT_EQ(pref(c.name, c.store, c.model), c.expect) << c.name << " " << c.store;
  EXPECT_TRUE(boxes_.empty());
}

// A page kept for another kind of store does not answer for its
// properties: the active page's property of the same name does.
TEST_F(DataStorePrefTest, InactivePageDoesNotShadow) {
  write_archive(pty_bytes(std::string(kDefinitions) +
                          "    list kind=3 name=OracleOnly ids=ORACLE7\n"
                          "      elem kind=5 name=TUNING default=bstr:oracle\n"
                          "    list kind=3 name=Tuning\n"
                          "      elem kind=5 name=TUNING default=bstr:general\n"));
  EXPECT_EQ(pref("TUNING", 1), "general");  // SQLSERVER
  EXPECT_EQ(pref("TUNING", 2), "oracle");   // ORACLE7: the first page wins
}

TEST_F(DataStorePrefTest, ArchiveReadOncePerStore) {
  EXPECT_EQ(pref("CS_SERVER", 1), "main-server");
  EXPECT_EQ(pref("MAIN_DS", 1), "-1");
  EXPECT_EQ(pref("NOTHING", 1), "<none:>");
  EXPECT_EQ(definition_loads(), 1);
  EXPECT_EQ(pref("CS_SERVER", 2), "second");
  EXPECT_EQ(definition_loads(), 2);
  EXPECT_EQ(pref("CS_SERVER", 1), "main-server");
  EXPECT_EQ(definition_loads(), 3);
  // A store without a definition object loads nothing and keeps the cache.
  EXPECT_EQ(pref("CS_SERVER", 3), "<none:>");
  EXPECT_EQ(definition_loads(), 3);
  EXPECT_EQ(pref("CS_SERVER", 1), "main-server");
  EXPECT_EQ(definition_loads(), 3);
}

TEST_F(DataStorePrefTest, MissingArchiveBoxesEveryLookup) {
  std::filesystem::remove(root_ / "program" / "DTASTORE.PTY");
  EXPECT_EQ(pref("CS_SERVER", 1), "<none:>");
  EXPECT_EQ(pref("CS_SERVER", 1), "<none:>");
  const std::string path = (root_ / "program" / "DTASTORE.PTY").string();
  const std::string box = "Error|File '" + path + "' could not be opened (0x00000002)";
  EXPECT_EQ(boxes_, (std::vector<std::string>{box, box}));
  EXPECT_EQ(definition_loads(), 2);
  // Once it is there again, the next lookup loads it.
  write_archive(pty_bytes(kDefinitions));
  EXPECT_EQ(pref("CS_SERVER", 1), "main-server");
}

TEST_F(DataStorePrefTest, DamagedArchiveRaises) {
  auto bytes = pty_bytes(kDefinitions);
  bytes.resize(bytes.size() / 2);
  write_archive(bytes);
  std::string out;
  EXPECT_THROW(DataStorePref("CS_SERVER", 1, 5, out), CArchiveException);
  // The failed load leaves no cache: the next lookup reads again.
  write_archive(pty_bytes(kDefinitions));
  EXPECT_EQ(pref("CS_SERVER", 1), "main-server");
}

TEST_F(DataStorePrefTest, ObjectNotInDirectory) {
  write("program/QN.INI", "[Data Sources]\nDs12=SQLSRV,sqlserver,NOSUCH\n");
  EXPECT_EQ(pref("CS_SERVER", 1), "<none:>");
  EXPECT_EQ(pref("MAIN_DS", 1), "<none:>");
  EXPECT_EQ(definition_loads(), 1);
}

TEST_F(DataStorePrefTest, KeysDifferingInCase) {
  write("model/MODEL.INI",
        "[DSs0005]\nDatSto0001=12\n[Preferences 005]\nCs_Server=wrong\nCS_SERVER=right\n");
  EXPECT_EQ(pref("CS_SERVER", 1), "right");
  CPropSavedValues saved;
  saved.LoadIniSection("MODEL.INI", "Preferences 005");
  ASSERT_NE(saved.Lookup("Cs_Server"), nullptr);
  EXPECT_EQ(saved.Lookup("Cs_Server")->value, "wrong");
  EXPECT_EQ(saved.LoadIniSection("absent.ini", "x"), 1);
}

TEST_F(DataStorePrefTest, ManagerFlattenedIndex) {
  pref("CS_SERVER", 1);
  CPropManager& m = property_manager();
  EXPECT_EQ(m.GetName(), "Data store");
  ASSERT_EQ(m.objects().size(), 2u);           // "General" (the loose integers) and Connection
  EXPECT_EQ(m.GetCount(), (3 + 1) + (5 + 1));  // UPDATE is not active for SQLSERVER
  std::string caption, description;
  int kind = 0, parent = 0;
  ASSERT_TRUE(m.GetPropertyInfo(4, caption, description, kind, parent));
  EXPECT_EQ(caption, "Connection");
  EXPECT_EQ(kind, 9);
  ASSERT_TRUE(m.GetPropertyInfo(5, caption, description, kind, parent));
  EXPECT_EQ(caption, "CS_SERVER");
  EXPECT_EQ(kind, 1);
  EXPECT_EQ(parent, 4);
  com::VARIANT v;
  com::VariantInit(&v);
  m.GetValueByName(v, "NOTHING");
  EXPECT_EQ(v.vt, com::VT_ERROR);

  // The objects as iPropAccess, and a page's definitions as iPropDefObj.
  CIter<iPropAccess*>* objects = m.GetChildren();
  std::vector<std::string> names;
  for (IterPos p = objects->GetStartPosition(); p;)
    names.push_back(objects->GetNext(p)->GetProperties()->GetName());
  EXPECT_EQ(names, (std::vector<std::string>{"General", "Connection"}));
  CIter<iPropDefObj*>* defs = m.objects()[1]->page()->GetChildren();
  EXPECT_EQ(defs->GetHead()->GetName(), "CS_SERVER");
  EXPECT_EQ(defs->GetHead()->GetParent()->GetName(), "Connection");
}

}  // namespace
}  // namespace qn::config
