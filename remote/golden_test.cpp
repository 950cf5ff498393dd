// Stub data of one method of each distinct signature, against bytes derived
// by hand from the NDR rules (the pieces below show the working): the
// request as the proxy writes it, the same request sent big-endian and
// read back, and the reply as the stub writes it and the proxy reads it.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "remote/tables.h"

namespace qn::remote {
namespace {

using namespace com;

// Interface pointers travel as five fixed bytes here.
struct FixedMarshaller final : InterfaceMarshaller {
  struct Dummy final : IUnknown {
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 2; }
    ULONG Release() override { return 1; }
  };
  HRESULT marshal(IUnknown*, const IID&, std::vector<std::uint8_t>* objref) override {
    *objref = {0x4D, 0x45, 0x4F, 0x57, 0x01};
    return S_OK;
  }
  HRESULT unmarshal(const std::uint8_t* p, std::size_t n, const IID&, IUnknown** out) override {
    if (n != 5 || std::memcmp(p, "MEOW\x01", 5) != 0) return E_INVALIDARG;
    *out = &dummy;
    return S_OK;
  }
  Dummy dummy;
};

std::string hex(const std::vector<std::uint8_t>& bytes) {
  static const char digits[] = "0123456789ABCDEF";
  std::string s;
  for (auto b : bytes) {
    s.push_back(digits[b >> 4]);
    s.push_back(digits[b & 15]);
  }
  return s;
}

std::string squeeze(const char* spaced) {
  std::string s;
  for (const char* p = spaced; *p; ++p)
    if (*p != ' ') s.push_back(*p);
  return s;
}

// One parameter's value: a long, byte or hyper (n), a text, an I4 VARIANT,
// or an interface pointer.
struct Arg {
  enum Kind { kNumber, kText, kNullText, kI4, kTextVariant, kObject, kNullObject } kind;
  long long n = 0;
  const char* bytes = nullptr;
  std::uint32_t size = 0;
};

Arg num(long long n) { return {Arg::kNumber, n}; }
Arg txt(const char* b, std::uint32_t size) { return {Arg::kText, 0, b, size}; }
Arg null_txt() { return {Arg::kNullText}; }
Arg i4(long n) { return {Arg::kI4, n}; }
Arg var_txt(const char* b, std::uint32_t size) { return {Arg::kTextVariant, 0, b, size}; }
Arg obj() { return {Arg::kObject}; }

void fill(const Param& p, const Arg& a, Value* v, IUnknown* object) {
  std::memset(v, 0, sizeof *v);
  switch (p.type) {
    case ParamType::Long:
      v->l = static_cast<LONG>(a.n);
      break;
    case ParamType::Byte:
      v->b = static_cast<BYTE>(a.n);
      break;
    case ParamType::Hyper:
      v->h = a.n;
      break;
    case ParamType::Bstr:
      v->s = a.kind == Arg::kNullText ? nullptr : bstr_from_bytes(a.bytes, a.size);
      break;
    case ParamType::Variant:
      VariantInit(&v->v);
      if (a.kind == Arg::kI4) {
        v->v.vt = VT_I4;
        v->v.lVal = static_cast<LONG>(a.n);
      } else if (a.kind == Arg::kTextVariant) {
        v->v.vt = VT_BSTR;
        v->v.bstrVal = bstr_from_bytes(a.bytes, a.size);
      }
      break;
    case ParamType::Interface:
      v->p = a.kind == Arg::kObject ? object : nullptr;
      break;
  }
}

struct Golden {
  const char* method;
  int itf;
  int slot;
  std::vector<Arg> args;
  const char* request;
  const char* reply;
};

// Pieces, each derived by hand:
//   long 0x11223344            44332211
//   BSTR "ab"                  55736572 02000000 04000000 02000000 61006200
//                              (referent "User", max count, cBytes, clSize, units)
//   VARIANT I4 n at offset 8k  55736572 00000000 | 03000000 00000000 0300 000000000000
//                              03000000 nnnnnnnn
//                              (referent, pad to 8; clSize 3 (24 bytes), reserved, vt,
//                              3 reserved words, discriminant, the value)
//   interface pointer          00000200 05000000 05000000 4D454F5701
//                              (referent, max count, ulCntData, OBJREF bytes)
#define BSTR_AB "55736572 02000000 04000000 02000000 61006200 "
#define VAR_I4(n) "55736572 00000000 03000000 00000000 0300 000000000000 03000000 " n " "
#define ITF "00000200 05000000 05000000 4D454F5701 "

const Golden kGolden[] = {
    {"Execute", 0, 3, {i4(5)}, VAR_I4("05000000"), VAR_I4("05000000") "00000000"},
    {"ReceiveData",
     1,
     4,
     {var_txt("a\0b\0", 4)},
     "",
     // referent, pad; clSize 5 (40 bytes), reserved, vt 8, reserved words,
     // discriminant 8; the BSTR (the arm's pointer and its blob); HRESULT
     "55736572 00000000 05000000 00000000 0800 000000000000 08000000 " BSTR_AB "00000000"},
    {"Signal", 1, 5, {}, "", "00000000"},
    {"Submit", 2, 3, {i4(5)}, VAR_I4("05000000"), "00000000"},
    {"SubmitBlock",
     3,
     3,
     {txt("a\0b\0", 4), i4(1), i4(2), i4(403)},
     // BSTR (0..19), VARIANT referent at 20, struct at 24; referent at 48,
     // pad, struct at 56
     BSTR_AB "55736572 03000000 00000000 0300 000000000000 03000000 01000000 "
             "55736572 00000000 03000000 00000000 0300 000000000000 03000000 02000000",
     VAR_I4("93010000") "00000000"},
    {"SubmitAndTest", 4, 3, {i4(7), num(8)}, VAR_I4("07000000"), "08 000000 00000000"},
    {"GetRemoteProcedure",
     5,
     3,
     {txt("a\0b\0", 4), num(0x11223344), obj()},
     BSTR_AB "44332211",
     ITF "000000 00000000"},
    {"GetRemoteUpdateSupplier",
     5,
     4,
     {txt("a\0b\0", 4), num(0x11223344), obj()},
     BSTR_AB "44332211",
     ITF "000000 00000000"},
    {"GetRemoteForwardSupplier",
     5,
     5,
     {txt("a\0b\0", 4), num(0x11223344), {Arg::kNullObject}},
     BSTR_AB "44332211",
     "00000000 00000000"},
    {"GetRemoteSupplier",
     5,
     6,
     {txt("a\0b\0", 4), num(0x11223344), num(0xAB), obj()},
     BSTR_AB "44332211 AB",
     ITF "000000 00000000"},
    {"GetRemoteBlockSupplier",
     5,
     7,
     {num(0x11223344), num(0xAB), obj()},
     "44332211 AB",
     ITF "000000 00000000"},
    {"SendHandleAndThreeTexts",
     5,
     8,
     {num(0x11223344), txt("a\0b\0", 4), txt("", 0), null_txt()},
     // empty: cBytes 0; null: cBytes 0xFFFFFFFF, both without units
     "44332211 " BSTR_AB "55736572 00000000 00000000 00000000 55736572 00000000 FFFFFFFF 00000000",
     "00000000"},
    {"SendHandle", 5, 9, {num(0x11223344)}, "44332211", "00000000"},
    {"SendHandleAndText",
     5,
     10,
     {num(0x11223344), txt("a\0b", 3)},
     // an odd byte length: cBytes 3, two units, the last byte's partner zero
     "44332211 55736572 02000000 03000000 02000000 61006200",
     "00000000"},
    {"SendHandleAndTwoTexts",
     5,
     12,
     {num(0x11223344), txt("a\0b\0", 4), txt("a\0b\0", 4)},
     "44332211 " BSTR_AB BSTR_AB,
     "00000000"},
    {"QueryTextByHandle",
     5,
     13,
     {num(0x11223344), txt("a\0b\0", 4), txt("a\0b\0", 4)},
     "44332211 " BSTR_AB,
     BSTR_AB "00000000"},
    {"QueryLongByText",
     5,
     14,
     {txt("a\0b\0", 4), num(2), num(16)},
     BSTR_AB "02",
     "10000000 00000000"},
    {"CallWithValues",
     5,
     16,
     {num(0x11223344), num(0xAB), txt("a\0b\0", 4), i4(1), i4(2), i4(437)},
     // long, byte, pad to 4, BSTR (8..27), referent at 28, struct at 32,
     // referent at 56, pad, struct at 64
     "44332211 AB 000000 " BSTR_AB "55736572 03000000 00000000 0300 000000000000 03000000 01000000 "
     "55736572 00000000 03000000 00000000 0300 000000000000 03000000 02000000",
     VAR_I4("B5010000") "00000000"},
    {"PutServer", 5, 17, {txt("a\0b\0", 4), obj()}, BSTR_AB ITF, "00000000"},
    {"GetServer", 5, 18, {txt("a\0b\0", 4), obj()}, BSTR_AB, ITF "000000 00000000"},
    {"QueryHyperByHandle",
     5,
     20,
     {num(0x11223344), txt("a\0b\0", 4), num(0x0102030405060708)},
     "44332211 " BSTR_AB,
     "0807060504030201 00000000"},
    {"SendHandleAndValue",
     5,
     21,
     {num(0x11223344), i4(5)},
     "44332211 55736572 03000000 00000000 0300 000000000000 03000000 05000000",
     "00000000"},
    {"GetValue", 6, 4, {num(0x11223344), i4(5)}, "44332211", VAR_I4("05000000") "00000000"},
};

TEST(RemoteGolden, StubDataOfEverySignature) {
  FixedMarshaller m;
  for (const Golden& g : kGolden) {
    SCOPED_TRACE(g.method);
    const Signature& sig = signature_of(g.itf, g.slot);
    ASSERT_EQ(sig.count, g.args.size());
    std::vector<Value> vals(sig.count + 1), got(sig.count + 1), outs(sig.count + 1);
    std::vector<void*> ptrs(sig.count + 1), got_ptrs(sig.count + 1);
    for (std::uint8_t i = 0; i < sig.count; ++i) {
      fill(sig.params[i], g.args[i], &vals[i], &m.dummy);
      ptrs[i] = &vals[i];
      got_ptrs[i] = &got[i];
    }
    // The request as the proxy writes it.
    NdrWriter w;
    ndr_marshal_in(w, sig, ptrs.data(), m);
    EXPECT_EQ(hex(w.data()), squeeze(g.request));
    // Sent big-endian, it reads back to the same values.
    NdrWriter big(true);
    ndr_marshal_in(big, sig, ptrs.data(), m);
    NdrReader rb(big.data().data(), big.data().size(), true);
    ndr_unmarshal_in(rb, sig, got.data(), m);
    EXPECT_EQ(rb.remaining(), 0u);
    NdrWriter again;
    ndr_marshal_in(again, sig, got_ptrs.data(), m);
    EXPECT_EQ(hex(again.data()), squeeze(g.request));
    // The reply as the stub writes it, and as the proxy reads it.
    NdrWriter reply;
    ndr_marshal_out(reply, sig, vals.data(), S_OK, m);
    EXPECT_EQ(hex(reply.data()), squeeze(g.reply));
    NdrReader rr(reply.data().data(), reply.data().size());
    EXPECT_EQ(ndr_unmarshal_out(rr, sig, outs.data(), m), S_OK);
    EXPECT_EQ(rr.remaining(), 0u);
    ndr_free(sig, outs.data());
    ndr_free(sig, got.data());
    ndr_free(sig, vals.data());
  }
}

// The reader refuses what does not add up, before allocating for it.
TEST(RemoteGolden, MalformedStubDataIsRefused) {
  FixedMarshaller m;
  const Signature& execute = signature_of(0, 3);
  const Signature& text = signature_of(5, 10);
  struct Case {
    const char* name;
    const Signature* sig;
    const char* bytes;
  };
  const Case cases[] = {
      {"cut short", &execute, "55736572 00000000 04000000 00000000 0300"},
      {"clSize that does not match", &execute, VAR_I4("05000000")},
      {"unknown vt", &execute,
       "55736572 00000000 03000000 00000000 0900 000000000000 09000000 05000000"},
      {"discriminant not vt", &execute,
       "55736572 00000000 03000000 00000000 0300 000000000000 02000000 05000000"},
      {"array count beyond the data", &execute,
       "55736572 00000000 0A000000 00000000 1120 000000000000 00200000 55736572 55736572 "
       "01000000 0100 8000 01000000 00000000 10000000 FFFFFF0F 55736572 FFFFFF0F 00000000 "
       "FFFFFF0F"},
      {"text count beyond the data", &text, "44332211 55736572 FFFFFF7F FEFFFFFF FFFFFF7F"},
      {"text counts that disagree", &text, "44332211 55736572 02000000 04000000 03000000 61006200"},
      {"null blob pointer", &text, "44332211 00000000"},
  };
  for (const Case& c : cases) {
    std::string h = squeeze(c.bytes);
    if (std::string(c.name) == "clSize that does not match") h[16 + 1] = '5';
    std::vector<std::uint8_t> bytes;
    for (std::size_t i = 0; i + 1 < h.size(); i += 2)
      bytes.push_back(static_cast<std::uint8_t>(std::stoi(h.substr(i, 2), nullptr, 16)));
    std::vector<Value> vals(c.sig->count);
    NdrReader r(bytes.data(), bytes.size());
    try {
      ndr_unmarshal_in(r, *c.sig, vals.data(), m);
      ADD_FAILURE() << c.name << " was taken";
      ndr_free(*c.sig, vals.data());
    } catch (const NdrError& e) {
      EXPECT_EQ(e.code, RPC_X_BAD_STUB_DATA) << c.name;
    }
  }
}

}  // namespace
}  // namespace qn::remote
