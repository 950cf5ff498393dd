#include "kb/saved_property.h"

#include <gtest/gtest.h>

#include "kb/kb_test_fixture.h"

namespace qn::kb {
namespace {

using config::CArchiveException;

std::vector<uint8_t> hex_bytes(std::string_view hex) {
  std::vector<uint8_t> out;
  for (std::size_t i = 0; i + 1 < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    out.push_back(static_cast<uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    i += 2;
  }
  return out;
}

TEST(SavedProperty, SplitLines) {
  struct Case {
    const char* text;
    std::vector<std::pair<std::string, std::string>> entries;
  };
  const Case cases[] = {
      {"Owner=abc\nLocking=Y", {{"Owner", "abc"}, {"Locking", "Y"}}},
      {"A=b=c\n\n\nB=\n", {{"A", "b=c"}, {"B", ""}}},
      {"NoValue\r\nC=d\r\n", {{"NoValue", ""}, {"C", "d"}}},
      {"", {}},
  };
  for (const auto& c : cases) {
    std::vector<std::pair<std::string, std::string>> got;
    for (const auto& e : SplitSavedProperties(c.text)) got.emplace_back(e->Name(), e->Value());
    EXPECT_EQ(got, c.entries) << c.text;
  }
}

TEST(SavedProperty, SerialisedForm) {
  CSavedProperty p("Owner", "abc", "def");
  CArchive out;
  p.Serialize(out);
  EXPECT_EQ(out.stored(), hex_bytes("0A00 05 4F776E6572 03 616263 03 646566 0000"));
  CSavedProperty back;
  CArchive in{std::span<const uint8_t>(out.stored())};
  back.Serialize(in);
  EXPECT_EQ(back.Name(), "Owner");
  EXPECT_EQ(back.DefaultText(), "def");
  const auto later = hex_bytes("0B00 00 00 00 0000");
  CArchive refused{std::span<const uint8_t>(later)};
  EXPECT_THROW(back.Serialize(refused), CArchiveException);
}

class SavedPropertyKb : public KbFixture {
 protected:
  void SetUp() override {
    KbFixture::SetUp();
    reset_saved_property_caches();
    build(
        "ocls model=1 type=7 last=3 name_len=8\n"
        "obj model=1 type=7 number=2 name=CUSTOMER\n"
        "obj model=1 type=7 number=3 name=INVOICE\n"
        "idx model=1 table=2 index=1 name=ICUST\n"
        "idx model=1 table=3 index=2 name=IINVDATE\n"
        "oinf model=1 type=7 number=2 kind=15 text=Owner=abc\\nLocking=Y\n"
        "oinf model=1 type=7 number=2 kind=15 piece=1 text=\\nA=b=c\n"
        "oinf model=1 type=7 number=3 kind=15 text=Owner=other\n"
        "oinf model=1 type=7 number=2 kind=15 string=1 text=Fill=80\n"
        "oinf model=1 type=7 number=3 kind=15 string=2 text=Clustered=Y\n");
  }
  void TearDown() override {
    reset_saved_property_caches();
    KbFixture::TearDown();
  }
};

TEST_F(SavedPropertyKb, TableProperties) {
  struct Case {
    int table;
    const char* name;
    const char* value;  // null: none
  };
  const Case cases[] = {
      {2, "Owner", "abc"},  {2, "Locking", "Y"},   {2, "A", "b=c"},       {2, "owner", nullptr},
      {2, "Fill", nullptr}, {3, "Owner", "other"}, {4, "Owner", nullptr},
  };
  for (const auto& c : cases) {
    std::string value;
    EXPECT_EQ(TableProperty(1, c.table, c.name, value), c.value ? 1 : 0) << c.table << c.name;
    if (c.value) {
      EXPECT_EQ(value, c.value);
    }
  }
  // Asking twice about one table reads once; another table reloads.
  reset_saved_property_caches();
  std::string v;
  TableProperty(1, 2, "Owner", v);
  TableProperty(1, 2, "Locking", v);
  EXPECT_EQ(saved_property_loads(), 1);
  TableProperty(1, 3, "Owner", v);
  EXPECT_EQ(saved_property_loads(), 2);
}

TEST_F(SavedPropertyKb, IndexProperties) {
  std::string value;
  EXPECT_EQ(IndexProperty(1, "ICUST", "Fill", value), 1);
  EXPECT_EQ(value, "80");
  EXPECT_EQ(IndexProperty(1, "IINVDATE", "Clustered", value), 1);
  EXPECT_EQ(value, "Y");
  EXPECT_EQ(IndexProperty(1, "IINVDATEX", "Clustered", value), 1);  // names match over 8 characters
  EXPECT_EQ(IndexProperty(1, "INONE", "Fill", value), 0);
  EXPECT_EQ(IndexProperty(1, "ICUST", "Owner", value), 0);
  EXPECT_EQ(saved_property_loads(), 3);
}

}  // namespace
}  // namespace qn::kb
