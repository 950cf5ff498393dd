#include "config/properties/archive.h"

#include <gtest/gtest.h>

#include "config/properties/prop_defs.h"
#include "config/properties/pty_fixture.h"
#include "config/properties/variant_value.h"

namespace qn::config {
namespace {

using namespace com;

std::vector<uint8_t> image_of(const VariantValue& v) {
  CArchive ar;
  WriteVariantToArchive(ar, *v);
  return ar.stored();
}

TEST(PropArchive, VariantImagesAreGoldenBothWays) {
  struct Case {
    const char* name;
    VariantValue value;
    const char* hex;
  };
  const Case cases[] = {
      {"i4 5", VariantValue::i4(5), "06000000 0300 05000000"},
      {"bstr ab", VariantValue::text("ab"), "0C000000 0800 06000000 6100 6200 0000"},
      {"empty", VariantValue(), "08000000 0000 02000000 0000"},
      {"bool true", VariantValue::boolean(true), "04000000 0B00 FFFF"},
      {"i2 -1", VariantValue::i2(-1), "04000000 0200 FFFF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto golden = hex_bytes(c.hex);
    EXPECT_EQ(image_of(c.value), golden);
    CArchive in{std::span<const uint8_t>(golden)};
    VariantValue back = VariantValue::text("old");  // cleared by the read
    ReadVariantFromArchive(in, *back);
    EXPECT_TRUE(in.at_end());
    ASSERT_EQ(back.vt(), c.value.vt());
    std::string a, b;
    ASSERT_TRUE(back.to_text(a));
    ASSERT_TRUE(c.value.to_text(b));
    EXPECT_EQ(a, b);
  }
}

TEST(PropArchive, VariantImagesOfOtherTypes) {
  // A text type keeps its type word and is read back through its text.
  VariantValue i8;
  i8->vt = VT_I8;
  i8->llVal = -25;
  const auto bytes = image_of(i8);
  EXPECT_EQ(bytes, hex_bytes("0E000000 1400 08000000 2D00 3200 3500 0000"));
  VariantValue back;
  CArchive in{std::span<const uint8_t>(bytes)};
  ReadVariantFromArchive(in, *back);
  ASSERT_EQ(back.vt(), VT_I8);
  EXPECT_EQ(back->llVal, -25);
  EXPECT_EQ(image_of(VariantValue::r8(2.5)), hex_bytes("0A000000 0500 0000000000000440"));

  // A type word cut off leaves VT_EMPTY; the null object reads as a null object.
  for (const char* hex : {"00000000", "01000000 03"}) {
    const auto b = hex_bytes(hex);
    CArchive a{std::span<const uint8_t>(b)};
    VariantValue v = VariantValue::i4(1);
    ReadVariantFromArchive(a, *v);
    EXPECT_EQ(v.vt(), VT_EMPTY) << hex;
  }
  // A value without text is written as its type word alone, and reads back.
  VariantValue null_value;
  null_value->vt = VT_NULL;
  const auto null_image = image_of(null_value);
  EXPECT_EQ(null_image, hex_bytes("02000000 0100"));
  CArchive n{std::span<const uint8_t>(null_image)};
  VariantValue null_back = VariantValue::i4(1);
  ReadVariantFromArchive(n, *null_back);
  EXPECT_EQ(null_back.vt(), VT_NULL);

  const auto null_object = hex_bytes("12000000 0D00 00000000000000000000000000000000");
  CArchive a{std::span<const uint8_t>(null_object)};
  VariantValue v;
  ReadVariantFromArchive(a, *v);
  EXPECT_EQ(v.vt(), VT_UNKNOWN);
  EXPECT_EQ(v->punkVal, nullptr);
}

TEST(PropArchive, TextPrefixes) {
  struct Case {
    std::size_t length;
    const char* prefix;
  };
  const Case cases[] = {
      {0, "00"}, {254, "FE"}, {255, "FF FF00"}, {300, "FF 2C01"}, {0xFFFE, "FF FFFF FEFF0000"}};
  for (const auto& c : cases) {
    CArchive ar;
    const std::string text(c.length, 'x');
    ar.WriteString(text);
    const auto prefix = hex_bytes(c.prefix);
    ASSERT_GE(ar.stored().size(), prefix.size());
    EXPECT_TRUE(std::equal(prefix.begin(), prefix.end(), ar.stored().begin())) << c.length;
    CArchive in{std::span<const uint8_t>(ar.stored())};
    EXPECT_EQ(in.ReadString(), text);
    EXPECT_TRUE(in.at_end());
  }
  // A wide text: 0xFF 0xFFFE, then a prefix counting UTF-16 units.
  const auto wide = hex_bytes("FF FEFF 02 4100 AC20");
  CArchive in{std::span<const uint8_t>(wide)};
  EXPECT_EQ(in.ReadString(), "A\x80");
}

TEST(PropArchive, DamagedInputRaises) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    int cause;
  };
  // A directory with one object and a root list, cut at every length,
  // raises end of file: checked below in one loop.
  std::vector<uint8_t> deep = hex_bytes("0000 00");  // directory: version, end
  // 70 nested lists: base part, list version, one child each.
  for (int i = 0; i < 70; ++i) {
    for (uint8_t b :
         hex_bytes("0100 03000000 00 00 00 0000 01000000 00000000 00000000 0200 01000000 01")) {
      deep.push_back(b);
    }
  }
  const Case cases[] = {
      {"count beyond the end", hex_bytes("0000 00  0100 01000000 00 00 00 0000 00000000 FFFFFF00"),
       CArchiveException::kBadSchema},
      {"nesting deeper than 64", deep, CArchiveException::kBadSchema},
      {"wide marker twice", hex_bytes("0000 FF FEFF FF FEFF"), CArchiveException::kBadSchema},
      {"text longer than the file", hex_bytes("0000 05 4142"), CArchiveException::kEndOfFile},
      {"empty file", {}, CArchiveException::kEndOfFile},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ReadPropArchive(c.bytes);
      ADD_FAILURE() << "no exception";
    } catch (const CArchiveException& e) {
      EXPECT_EQ(e.m_cause, c.cause) << e.what();
    }
  }
  // An object value of any class but the null one.
  const auto object = hex_bytes("12000000 0900 01000000000000000000000000000000");
  CArchive a{std::span<const uint8_t>(object)};
  VariantValue v;
  EXPECT_THROW(ReadVariantFromArchive(a, *v), CArchiveException);

  const auto whole =
      pty_bytes("object A\nlist kind=1\n  elem kind=6 name=N default=i4:3 min=1 max=9\n");
  for (std::size_t n = 0; n < whole.size(); ++n) {
    std::vector<uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_THROW(ReadPropArchive(cut), CArchiveException) << n;
  }
  EXPECT_NO_THROW(ReadPropArchive(whole));
}

TEST(PropArchive, OldLayouts) {
  // Base part version 0: no flags and no dependencies there; element
  // version 0: flags after the default and old-form dependencies after the
  // kind data; list version 1: the type id as a text VARIANT.
  const char* description =
      "object A\n"
      "list kind=1 base=0\n"
      "  list kind=4 name=F version=1 type={BEF6E003-A874-101A-8BBA-00AA00300CAB}\n"
      "    elem kind=6 name=OLD flags=0x2 base=0 version=0 default=i4:1 min=0 max=5\n"
      "      depend 1 i4:4 true\n"
      "    elem kind=5 name=MID version=1 valuetype=3\n";
  const auto bytes = pty_bytes(description);
  PropArchive a = ReadPropArchive(bytes);
  ASSERT_EQ(a.root->children.size(), 1u);
  auto* font = static_cast<CPropDefList*>(a.root->children[0].get());
  EXPECT_EQ(a.root->base_version, 0);
  EXPECT_EQ(font->list_version, 1);
  EXPECT_TRUE(font->IsFont());
  auto* old = static_cast<CPropDefElem*>(font->children[0].get());
  EXPECT_EQ(old->flags, 0x2u);
  ASSERT_EQ(old->depends.size(), 1u);
  EXPECT_EQ(old->depends[0]->value->lVal, 4);
  EXPECT_EQ(old->minimum, 0);
  EXPECT_EQ(old->maximum, 5);
  EXPECT_EQ(old->value_type, 0xFFFF);
  auto* mid = static_cast<CPropDefElem*>(font->children[1].get());
  EXPECT_EQ(mid->ValueType(), VT_I4);
  EXPECT_TRUE(mid->aliases.empty());
  // Written again, byte for byte.
  EXPECT_EQ(WritePropArchive(a), bytes);
}

TEST(PropArchive, BoundedReads) {
  const auto bytes = hex_bytes("0A00 0B00 05000000");
  CArchive ar{std::span<const uint8_t>(bytes)};
  uint16_t limit = 10;
  EXPECT_EQ(ReadBoundedWord(ar, limit, nullptr), 10);
  EXPECT_EQ(limit, 10);
  try {
    ReadBoundedWord(ar, limit, "version");
    ADD_FAILURE();
  } catch (const CArchiveException& e) {
    EXPECT_EQ(e.m_cause, CArchiveException::kBadSchema);
  }
  int32_t dlimit = 7;
  EXPECT_EQ(ReadBoundedDword(ar, dlimit), 5);
  EXPECT_EQ(dlimit, 5);
}

}  // namespace
}  // namespace qn::config
