#include "kb/kb_records.h"

#include <gtest/gtest.h>

#include <cstring>

#include "host/run_state.h"
#include "kb/kb_test_fixture.h"
#include "platform/isam/kb_layout.h"

namespace qn::kb {
namespace {

using Bytes = std::vector<uint8_t>;

// A record image from its bytes, written as the stored knowledge base holds it.
isam::KbRecord raw(std::string_view family, std::initializer_list<std::pair<int, Bytes>> parts) {
  isam::KbRecord r;
  r.family = isam::family_by_name(family);
  r.image.assign(r.family->record_length, 0);
  for (const auto& [offset, bytes] : parts)
    std::memcpy(r.image.data() + offset, bytes.data(), bytes.size());
  return r;
}
Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }
Bytes padded(std::string_view s, size_t width, char pad) {
  Bytes b(width, static_cast<uint8_t>(pad));
  std::memcpy(b.data(), s.data(), s.size());
  return b;
}

class KbRecords : public KbFixture {
 protected:
  void write_raw(std::vector<isam::KbRecord> records) {
    std::string error;
    ASSERT_TRUE(isam::write_knowledge_base(dir_.string(), records, error)) << error;
  }
};

TEST_F(KbRecords, DecodesStoredImages) {
  write_raw({
      raw("mdl", {{1, text("007")},
                  {4, padded("SAMPLE \t", 30, ' ')},
                  {34, text("000100020003")},
                  {46, {5, 1, 2}},
                  {49, text("123456789012345678901234567890")}}),
      raw("obj", {{1, {7, 0}},
                  {3, {1, 0}},
                  {5, {0x2C, 0x01}},
                  {7, text("INVOICE")},
                  {37, padded("Invoices ", 30, 0)},
                  {67, {0xFF, 0xFF}},
                  {69, {9, 2}}}),
      raw("att", {{1, text("00700120010")},
                  {12, padded("CUSTID", 30, ' ')},
                  {42, {'N', 4}},
                  {44, {0xF9, 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00}},
                  {52, {2, 3}},
                  {54, {64, 0, 0, 240}},
                  {58, padded("Id", 30, ' ')},
                  {88, padded("Long", 80, ' ')},
                  {168, padded("ZZ9", 30, ' ')}}),
      raw("tba", {{1, text("00700030012")}, {12, {64, 0, 0}}, {15, {3, 1}}}),
      raw("ck", {{1, text("007000301")}, {11, {1}}}),
      raw("cka", {{1, text("007000301001202")}}),
      raw("idx", {{1, text("00700030002")}, {12, padded("ICUST", 30, ' ')}, {42, {1, 2, 1}}}),
      raw("ixa", {{1, {7, 0, 3, 0, 2, 0, 0, 0, 0xF4, 0xFF, 0}}}),
      raw("ocls", {{1, text("0070070004")}, {11, {8}}}),
      raw("oinf", {{1, text("0070070003")},
                   {11, {1, 0, 0, 2, 0, 0xFF, 0xFF}},
                   {18, text("9990012")},
                   {25, {' '}},
                   {26, text("AB  ")}}),
      raw("oinf", {{1, text("0070070003")},
                   {11, {1, 1, 0, 2, 0}},
                   {18, text("0000000")},
                   {25, {0}},
                   {26, text("CD  ")}}),
      raw("qnio", {{1, {7, 0, 1, 0, 5, 0, 2, 0x00, 0x28, 0x6B, 0xEE}}}),
  });

  MdlRecord mk, m;
  mk.model = 7;
  ASSERT_EQ(mdl(kMdlDataFile, kOpReadEqual, 0, mk, m), kKbDone);
  EXPECT_STREQ(m.name, "SAMPLE");
  EXPECT_EQ(m.num1 + m.num2 + m.num3, 6);
  EXPECT_EQ(m.att_name_len, 5);
  EXPECT_STREQ(m.path, "123456789012345678901234567890");
  EXPECT_EQ(host::run_state().current_model_record, 7);

  ObjRecord ok, o;
  ok.model = 7;
  ok.type = 2;  // stored as 1
  ok.number = 300;
  ASSERT_EQ(obj(kOpReadEqual, 0, ok, o), kKbDone);
  EXPECT_EQ(o.type, 1);
  EXPECT_STREQ(o.name, "INVOICE");
  EXPECT_STREQ(o.text, "Invoices ");
  EXPECT_EQ(o.group, -1);
  EXPECT_EQ(o.status2, 2);

  AttRecord ak, a;
  ak.model = 7;
  ak.number = 12;
  ASSERT_EQ(att(kOpReadEqual, 0, ak, a), kKbDone);
  EXPECT_EQ(a.class_att, 10);
  EXPECT_STREQ(a.name, "CUSTID");
  EXPECT_EQ(a.type, 'N');
  EXPECT_EQ(a.kind, 4);
  EXPECT_EQ(a.value1, -7);
  EXPECT_EQ(a.value2, 70000);
  EXPECT_EQ(a.decimals, 2);
  EXPECT_EQ(a.code, 3);
  EXPECT_EQ(a.length, -1);
  EXPECT_STREQ(a.description, "Long");
  EXPECT_STREQ(a.picture, "ZZ9");
  int16_t cls;
  uint8_t kind;
  ASSERT_TRUE(att_class_cache(7, 12, cls, kind));
  EXPECT_EQ(cls, 10);
  EXPECT_EQ(kind, 4);
  EXPECT_FALSE(att_class_cache(8, 12, cls, kind));

  TbaRecord tk, t;
  tk.model = 7;
  tk.table = 3;
  tk.attribute = 12;
  ASSERT_EQ(tba(kOpReadEqual, 0, tk, t), kKbDone);
  EXPECT_EQ(t.position, 1000);
  EXPECT_EQ(t.kind, 3);

  CkRecord ck_key, c;
  ck_key.model = 7;
  ASSERT_EQ(ck(kOpReadGreaterEqual, 0, ck_key, c), kKbDone);
  EXPECT_EQ(c.table * 100 + c.key, 301);
  EXPECT_EQ(c.primary, 1);

  CkaRecord cak, ca;
  cak.model = 7;
  cak.attribute = 12;
  ASSERT_EQ(cka(kOpReadEqual, 1, cak, ca), kKbDone);
  EXPECT_EQ(ca.sequence, 2);

  IdxRecord ik, i;
  ik.model = 7;
  ik.table = 3;
  ik.index = 2;
  ASSERT_EQ(idx(kOpReadEqual, 0, ik, i), kKbDone);
  EXPECT_STREQ(i.name, "ICUST");
  EXPECT_EQ(i.unique + i.flag2 + i.flag3, 4);

  IxaRecord xk, x;
  xk.model = 7;
  xk.table = 3;
  xk.index = 2;
  ASSERT_EQ(ixa(kOpReadEqual, 0, xk, x), kKbDone);
  EXPECT_EQ(x.attribute, -12);
  EXPECT_EQ(x.ascending, 0);

  OclsRecord lk, l;
  lk.model = 7;
  lk.type = 7;
  ASSERT_EQ(ocls(kOpReadEqual, 0, lk, l), kKbDone);
  EXPECT_EQ(l.last, 4);
  EXPECT_EQ(l.name_len, 8);

  OinfRecord nk, n;
  nk.model = 7;
  nk.type = 7;
  nk.number = 3;
  nk.kind = 1;
  nk.string = 2;
  ASSERT_EQ(oinf(kOpReadEqual, 0, nk, n), kKbDone);
  EXPECT_STREQ(n.text, "AB  ");  // a blank relation code keeps the blanks
  EXPECT_EQ(n.value, -1);
  EXPECT_EQ(n.ref_type * 10000 + n.ref_number, 9990012);
  ASSERT_EQ(oinf(kOpNext, 0, nk, n), kKbDone);
  EXPECT_STREQ(n.text, "CD");
  EXPECT_EQ(n.piece, 1);
  std::string long_text;
  EXPECT_EQ(LoadObjString(7, 7, 3, 1, 2, long_text), 1);
  EXPECT_EQ(long_text, "AB  CD  ");
  EXPECT_EQ(LoadObjString(7, 7, 3, 1, 3, long_text), 0);

  QnioRecord qk, q;
  qk.model = 7;
  qk.type = 2;
  qk.number = 5;
  qk.kind = 2;
  ASSERT_EQ(qnio(0, kOpReadEqual, 0, qk, q), kKbDone);
  EXPECT_EQ(q.time, 4000000000u);
}

TEST_F(KbRecords, ReadOperationsByMode) {
  build(
      "mdl model=1 name=M att_name_len=5\n"
      "ocls model=1 type=7 name_len=4\n"
      "att model=1 number=1 class=10 name=A\n"
      "att model=1 number=2 class=10 name=B\n"
      "att model=1 number=3 class=11 name=C\n"
      "att model=1 number=4 class=10 name=D\n"
      "idx model=1 table=1 index=1 name=CUSTOMER_BY_NAME\n"
      "idx model=1 table=2 index=1 name=CUSTX\n"
      "obj model=1 type=7 number=1 name=T1\n"
      "obj model=1 type=7 number=2 name=T2\n"
      "obj model=1 type=8 number=1 name=G\n"
      "cka model=1 table=1 key=1 attribute=5 sequence=1\n"
      "cka model=1 table=2 key=1 attribute=5 sequence=1\n"
      "cka model=1 table=3 key=1 attribute=5 sequence=1\n");
  // Op 6 in mode 3 stops at the first record of another class.
  AttRecord ak, a;
  ak.model = 1;
  ak.class_att = 10;
  std::string names;
  for (short s = att(kOpReadEqual, 3, ak, a); s == kKbDone; s = att(kOpNextSameKey, 3, ak, a))
    names += a.name;
  EXPECT_EQ(names, "ABD");
  ak.class_att = 12;
  EXPECT_EQ(att(kOpReadEqual, 3, ak, a), kKbNotFound);

  // Op 9 reads by the model and the first L = 4 characters of the name.
  IdxRecord ik, i;
  ik.model = 1;
  std::strcpy(ik.name, "CUSTOMERS");
  ASSERT_EQ(idx(kOpReadPartial, 4, ik, i), kKbDone);
  EXPECT_STREQ(i.name, "CUSTOMER_BY_NAME");
  std::strcpy(ik.name, "CUSU");
  EXPECT_EQ(idx(kOpReadPartial, 4, ik, i), kKbNotFound);

  // Op 5 then op 7 walk the key order and end with 3.
  ObjRecord ok, o;
  ok.model = 1;
  ok.type = 7;
  names.clear();
  for (short s = obj(kOpReadGreaterEqual, 0, ok, o); s == kKbDone; s = obj(kOpNext, 0, ok, o))
    names += std::string(o.name) + ",";
  EXPECT_EQ(names, "T1,T2,G,");

  // A saved position restored after a nested search: next continues behind it.
  CkaRecord ck, c, saved;
  ck.model = 1;
  ck.attribute = 5;
  ASSERT_EQ(cka(kOpReadEqual, 1, ck, saved), kKbDone);
  const int32_t pos = cka_position();
  CkaRecord nested_key, nested;
  nested_key.model = 1;
  nested_key.table = 3;
  ASSERT_EQ(cka(kOpReadGreaterEqual, 0, nested_key, nested), kKbDone);
  cka_restore(pos, saved);
  ASSERT_EQ(cka(kOpNextSameKey, 1, ck, c), kKbDone);
  EXPECT_EQ(c.table, 2);

  // Name lengths: type 5 from the model, 7 from its class, others by default.
  EXPECT_EQ(object_name_length(1, 5), 5);
  EXPECT_EQ(object_name_length(1, 7), 4);
  EXPECT_EQ(object_name_length(1, 6), 8);
  EXPECT_EQ(object_name_length(1, 40), 30);

  // A family used after the set was closed opens it again.
  close_isam();
  EXPECT_EQ(obj(kOpReadEqual, 0, ok, o), kKbNotFound);
}

// Model numbers from 1000 on: extended decimals in the records and keys,
// ordered behind model 999.
TEST_F(KbRecords, ModelsOfFourDigits) {
  build(
      "ck model=999 table=9999 key=99\n"
      "ck model=1005 table=1 key=1 primary=1\n"
      "ck model=32767 table=1 key=1\n"
      "oinf model=1005 type=7 number=1 kind=1 value=3\n");
  CkRecord key, rec;
  key.model = 999;
  key.table = 9999;
  key.key = 99;
  ASSERT_EQ(ck(kOpReadGreaterEqual, 0, key, rec), kKbDone);
  ASSERT_EQ(ck(kOpNext, 0, key, rec), kKbDone);
  EXPECT_EQ(rec.model, 1005);
  EXPECT_EQ(rec.primary, 1);
  ASSERT_EQ(ck(kOpNext, 0, key, rec), kKbDone);
  EXPECT_EQ(rec.model, 32767);
  key.model = 100;  // the first three digits of 1005: the next model's record is 999's
  key.table = 1;
  key.key = 1;
  EXPECT_EQ(ck(kOpReadGreaterEqual, 0, key, rec), kKbDone);
  EXPECT_EQ(rec.model, 999);
  OinfRecord ok, o;
  ok.model = 1005;
  ok.type = 7;
  ok.number = 1;
  ok.kind = 1;
  ASSERT_EQ(oinf(kOpReadEqual, 0, ok, o), kKbDone);
  EXPECT_EQ(o.value, 3);
}

TEST_F(KbRecords, RefusedOperationsAndBadRecordsAreFatal) {
  write_raw({raw("att", {{1, text("0010001x001")}, {54, text("0000")}})});
  struct Case {
    const char* what;
    std::function<void()> call;
    const char* error;
  } cases[] = {
      {"mode refused",
       [] {
         AttRecord k, r;
         att(kOpReadEqual, 4, k, r);
       },
       "Internal Error 100 in function att-rd_1\n"},
      {"op refused",
       [] {
         ObjRecord k, r;
         obj(kOpNextSameKey, 0, k, r);
       },
       "Internal Error 100 in function obj-op\n"},
      {"write refused",
       [] {
         TbaRecord k, r;
         tba(kOpAdd, 0, k, r);
       },
       "Internal Error 100 in function tba-op\n"},
      {"model op",
       [] {
         MdlRecord k, r;
         mdl(kMdlDataFile, 10, 0, k, r);
       },
       "Internal Error 200 in function model_w\n"},
      {"bad digits",
       [] {
         AttRecord k, r;
         k.model = 1;
         k.number = 1;
         att(kOpReadEqual, 0, k, r);
       },
       "Internal Error 3 in function att(c_ie)\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(internal_error(c.call).substr(0, std::strlen(c.error)), c.error) << c.what;
    close_isam();
  }
  EXPECT_NE(error_log().find("Internal ERROR --> 100 in function: att-rd_1"), std::string::npos);
}

}  // namespace
}  // namespace qn::kb
