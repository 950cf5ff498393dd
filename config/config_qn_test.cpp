#include "config/config_qn.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/test_dir.h"

namespace qn::config {
namespace {

using ConfigKeyFile = ConfigDirTest;

struct LineCase {
  std::string line;
  std::function<bool(const TypedKeys&)> typed;  // what the line did to the typed keys
  const char* free_key;                         // a key to look up afterwards
  std::optional<std::string> free_value;        // its value, or absent
};

TEST_F(ConfigKeyFile, LinesOneByOne) {
  const LineCase cases[] = {
      // Typed keys set their variables and stay out of the free key list.
      {"attname_len = 12", [](const TypedKeys& k) { return k.attname_len == 10; }, "ATTNAME_LEN",
       std::nullopt},
      {"ATTNAME_LEN=5", [](const TypedKeys& k) { return k.attname_len == 5; }, "attname_len",
       std::nullopt},
      {"BATCH", [](const TypedKeys& k) { return k.batch; }, "BATCH", std::nullopt},
      {"BATCH \t", [](const TypedKeys& k) { return k.batch; }, "BATCH", std::nullopt},
      {"batch = yes", [](const TypedKeys& k) { return k.batch; }, "BATCH", std::nullopt},
      {"EDIT_HLP=", [](const TypedKeys& k) { return !k.edit_hlp; }, "EDIT_HLP", std::nullopt},
      {"EDIT_HLP = no", [](const TypedKeys& k) { return !k.edit_hlp; }, "EDIT_HLP", std::nullopt},
      {"DATE_FORMAT=DDMMYY", [](const TypedKeys& k) { return k.date_format == "DDMMYY"; },
       "DATE_FORMAT", std::nullopt},
      {"OWNER= Sales dept", [](const TypedKeys& k) { return k.owner == "Sales dept"; }, "OWNER",
       std::nullopt},
      {"IDIOM=spanish", [](const TypedKeys& k) { return k.idiom == 'S'; }, "IDIOM", std::nullopt},
      {"SWAP_DISK=d:", [](const TypedKeys& k) { return k.swap_disk == 'D'; }, "SWAP_DISK",
       std::nullopt},
      {"PAGE_LENGTH=66", [](const TypedKeys& k) { return k.page_length == 66; }, "PAGE_LENGTH",
       std::nullopt},
      {"SCREEN_LINES=abc", [](const TypedKeys& k) { return k.screen_lines == 0; }, "SCREEN_LINES",
       std::nullopt},
      // Limits applied after the last line.
      {"MAX_NUMERIC_LEN=99", [](const TypedKeys& k) { return k.max_numeric_len == 30; }, "",
       std::nullopt},
      {"MAX_NUMERIC_LEN=2", [](const TypedKeys& k) { return k.max_numeric_len == 4; }, "",
       std::nullopt},
      {"MAX_NUMERIC_LEN=99999999999999", [](const TypedKeys& k) { return k.max_numeric_len == 30; },
       "", std::nullopt},
      {"RPT_WIDTH=300", [](const TypedKeys& k) { return k.rpt_width == 133; }, "", std::nullopt},
      {"PRG_WIDTH=77", [](const TypedKeys& k) { return k.prg_width == 133; }, "", std::nullopt},
      {"PRG_WIDTH=200", [](const TypedKeys& k) { return k.prg_width == 200; }, "", std::nullopt},
      {"PAGE_WIDTH=10", [](const TypedKeys& k) { return k.page_width == 78; }, "", std::nullopt},
      {"PAGE_WIDTH=500", [](const TypedKeys& k) { return k.page_width == 500; }, "", std::nullopt},
      {"TRNNAME_LEN=0",
       [](const TypedKeys& k) { return k.trnname_len == 7 && get_type_name_len(0) == 7; }, "",
       std::nullopt},
      {"TRNNAME_LEN=5",
       [](const TypedKeys& k) { return k.trnname_len == 5 && get_type_name_len(0) == 5; }, "",
       std::nullopt},
      {"TBLNAME_LEN=6",
       [](const TypedKeys& k) { return k.tblname_len == 6 && get_type_name_len(7) == 6; }, "",
       std::nullopt},
      {"TBLNAME_LEN=9",
       [](const TypedKeys& k) { return k.tblname_len == 8 && get_type_name_len(7) == 8; }, "",
       std::nullopt},
      // The walk goes in table order and stops at the first name not below
      // the line: DEF_DATE_PIC, out of order, is never reached.
      {"DEF_DATE_PIC=6", [](const TypedKeys& k) { return k.def_date_pic == 8; }, "def_date_pic",
       "6"},
      // A typed name followed by more than '=' is a free key line.
      {"BATCHX=1", [](const TypedKeys& k) { return !k.batch; }, "batchx", "1"},
      {"ATTNAME_LENGTH = 4", [](const TypedKeys& k) { return k.attname_len == 10; },
       "ATTNAME_LENGTH", "4"},
      {"OWNER", [](const TypedKeys& k) { return k.owner.empty(); }, "OWNER", std::nullopt},
      // Free keys: the key ends at a blank, tab or '='; the value keeps its inner blanks.
      {"MYKEY = some value", nullptr, "mykey", "some value"},
      {"MYKEY\t=\t  tabbed", nullptr, "MYKEY", "tabbed"},
      {"MY KEY=v", nullptr, "MY", "v"},
      {"URL=a=b", nullptr, "url", "a=b"},
      {"EMPTY=", nullptr, "EMPTY", ""},
      {"CRLF=v\r", nullptr, "CRLF", "v"},
      // Lines that set nothing.
      {"", nullptr, "", std::nullopt},
      {"* BATCH", [](const TypedKeys& k) { return !k.batch; }, "BATCH", std::nullopt},
      {"*X=1", nullptr, "*X", std::nullopt},
      {"NOEQUALS", nullptr, "NOEQUALS", std::nullopt},
      {"=orphan", nullptr, "", std::nullopt},
      {" LEADING=1", nullptr, "LEADING", std::nullopt},
      // An over-long line is cut at 240 characters; its rest is not a line of its own.
      {"LONG=" + std::string(235, 'v') + "BATCH", [](const TypedKeys& k) { return !k.batch; },
       "LONG", std::string(235, 'v')},
  };
  for (const LineCase& c : cases) {
    reset_config_keys();
    ReadConfigFile(write("program/config.qn", c.line + "\n"));
    SCOPED_TRACE(c.line);
    if (c.typed) {
      EXPECT_TRUE(c.typed(typed_keys()));
    }
    EXPECT_EQ(GetConfigValue(c.free_key), c.free_value);
  }
}

TEST_F(ConfigKeyFile, WholeFileKeepsGoodLinesAroundBadOnes) {
  const std::string text = std::string(
                               "* generator keys\r\n"
                               "BATCH\r\n"
                               "=no key\r\n"
                               "NOEQUALS\r\n"
                               "LONG=") +
                           std::string(400, 'x') + "\r\n" + "OWNER=dbo\r\n" +
                           std::string("\0binary=1\r\n", 11) +
                           "mykey=first\r\n"
                           "MYKEY=second\r\n"
                           "PAGE_WIDTH=1\r\n"
                           "LAST=1";
  const std::string file = write("program/CONFIG.QN", text);
  ReadConfigFile(file.substr(0, file.size() - 9) + "config.qn");  // found ignoring case
  EXPECT_TRUE(typed_keys().batch);
  EXPECT_EQ(typed_keys().owner, "dbo");
  EXPECT_EQ(typed_keys().page_width, 78);
  EXPECT_EQ(GetConfigValue("MyKey"), "second");
  EXPECT_EQ(GetConfigValue("LONG")->size(), 235u);
  EXPECT_EQ(GetConfigValue("LAST"), "1");
  EXPECT_EQ(GetConfigValue("binary"), std::nullopt);
}

TEST_F(ConfigKeyFile, MissingFileChangesNothing) {
  typed_keys().rpt_width = 500;
  ReadConfigFile((root_ / "program" / "config.qn").string());
  EXPECT_EQ(typed_keys().rpt_width, 500);  // no limits applied either
  EXPECT_EQ(GetConfigValue("ANY"), std::nullopt);
}

TEST_F(ConfigKeyFile, SetConfigValue) {
  struct Case {
    const char* key;
    const char* value;
    std::function<bool(const TypedKeys&)> typed;
  };
  const Case cases[] = {
      {"BATCH", "", [](const TypedKeys& k) { return !k.batch; }},  // empty yes/no is false
      {"edit_hlp", "", [](const TypedKeys& k) { return !k.edit_hlp; }},
      {"STD_FUNC", "yes", [](const TypedKeys& k) { return k.std_func; }},
      {"RPT_WIDTH", "999",
       [](const TypedKeys& k) { return k.rpt_width == 999; }},  // no limits here
      {"PAGE_WIDTH_X", "100", [](const TypedKeys& k) { return k.page_width == 78; }},
      {"OWNER", "sa", [](const TypedKeys& k) { return k.owner == "sa"; }},
      {"DTASRC", "3", nullptr},
  };
  for (const Case& c : cases) {
    reset_config_keys();
    SCOPED_TRACE(c.key);
    EXPECT_EQ(SetConfigValue(c.key, c.value), 0);
    if (c.typed) {
      EXPECT_TRUE(c.typed(typed_keys()));
    }
    EXPECT_EQ(GetConfigValue(c.key), c.value);  // typed or not, readable by name
  }
  SetConfigValue("Mixed", "1");
  SetConfigValue("MIXED", "2");
  EXPECT_EQ(GetConfigValue("mixed"), "2");
}

TEST_F(ConfigKeyFile, TypeNameLengths) {
  const int expected[][2] = {{0, 7},   {5, 10},  {6, 8},  {7, 8},   {8, 30},    {11, 10},
                             {14, 30}, {16, 10}, {24, 7}, {25, 30}, {1000, 30}, {-1, 30}};
  for (const auto& e : expected) EXPECT_EQ(get_type_name_len(e[0]), e[1]) << e[0];
  set_type_name_len(3, 12);
  set_type_name_len(25, 5);
  set_type_name_len(-1, 5);
  EXPECT_EQ(get_type_name_len(3), 12);
  EXPECT_EQ(get_type_name_len(25), 30);
  EXPECT_EQ(get_type_name_len(-1), 30);
}

}  // namespace
}  // namespace qn::config
