// The PDU reader's refusals and the reassembler's limits.
#include <gtest/gtest.h>

#include <vector>

#include "platform/com/rpc/ndr.h"
#include "platform/com/rpc/pdu.h"

namespace qn::com {
namespace {

std::vector<std::uint8_t> request(std::size_t stub_size, std::uint32_t call = 7) {
  return encode_request(call, 0, 3, GUID_NULL, std::vector<std::uint8_t>(stub_size, 0xAA))[0];
}

TEST(RpcPdu, MalformedHeadersAreRefused) {
  struct Case {
    const char* name;
    std::size_t at;
    std::uint8_t value;
  };
  const Case cases[] = {
      {"version 4", 0, 4},
      {"minor version 1", 1, 1},
      {"unknown type", 2, 99},
      {"authentication trailer", 10, 8},
      {"shorter than a header", 8, 15},
      {"longer than a fragment may be", 9, 0xFF},
  };
  std::vector<std::uint8_t> good = request(8);
  PduHeader h;
  ASSERT_TRUE(parse_header(good.data(), &h));
  for (const Case& c : cases) {
    std::vector<std::uint8_t> bad = good;
    bad[c.at] = c.value;
    if (c.at == 8) bad[9] = 0;
    if (c.at == 9) bad[8] = 0xFF;  // 65535
    EXPECT_FALSE(parse_header(bad.data(), &h)) << c.name;
  }
  // A length that does not match the bytes, or a body cut short.
  Fragment f;
  EXPECT_FALSE(parse_fragment(good.data(), good.size() - 1, &f));
  std::vector<std::uint8_t> cut = good;
  cut.resize(20);
  cut[8] = 20;
  EXPECT_FALSE(parse_fragment(cut.data(), cut.size(), &f));
}

TEST(RpcPdu, BigEndianFragmentsReadAsLittleEndianOnes) {
  std::vector<std::uint8_t> stub(12, 1);
  const GUID object{0x01020304, 0x0506, 0x0708, {9, 10, 11, 12, 13, 14, 15, 16}};
  auto little = encode_request(5, 2, 9, object, stub)[0];
  auto big = encode_request(5, 2, 9, object, stub, true)[0];
  Fragment a, b;
  ASSERT_TRUE(parse_fragment(little.data(), little.size(), &a));
  ASSERT_TRUE(parse_fragment(big.data(), big.size(), &b));
  EXPECT_TRUE(b.header.big_endian());
  EXPECT_EQ(b.header.call_id, 5u);
  EXPECT_EQ(b.context_id, 2);
  EXPECT_EQ(b.opnum, 9);
  EXPECT_EQ(b.object, object);
  EXPECT_EQ(std::vector<std::uint8_t>(b.stub, b.stub + b.stub_size), stub);
}

// Fragments of one message: first flag, same call, and at most 64 MiB.
TEST(RpcPdu, ReassemblyKeepsToOneCallAndTheMessageLimit) {
  const std::vector<std::uint8_t> stub(3 * chunk_size(true) + 5, 0x5A);
  auto fragments = encode_request(1, 0, 3, GUID_NULL, stub);
  ASSERT_EQ(fragments.size(), 4u);
  Reassembler r;
  Fragment f;
  for (std::size_t i = 0; i < fragments.size(); ++i) {
    ASSERT_TRUE(parse_fragment(fragments[i].data(), fragments[i].size(), &f));
    EXPECT_EQ(r.add(f), i + 1 < fragments.size() ? Reassembler::kMore : Reassembler::kDone);
  }
  EXPECT_EQ(r.data(), stub);

  // A middle fragment without a first one, and a fragment of another call.
  ASSERT_TRUE(parse_fragment(fragments[1].data(), fragments[1].size(), &f));
  EXPECT_EQ(r.add(f), Reassembler::kBad);
  ASSERT_TRUE(parse_fragment(fragments[0].data(), fragments[0].size(), &f));
  EXPECT_EQ(r.add(f), Reassembler::kMore);
  auto other = encode_request(2, 0, 3, GUID_NULL, stub);
  ASSERT_TRUE(parse_fragment(other[1].data(), other[1].size(), &f));
  EXPECT_EQ(r.add(f), Reassembler::kBad);

  // First fragments and middle ones past 64 MiB.
  Reassembler big;
  auto first = encode_request(3, 0, 3, GUID_NULL, stub)[0];
  std::vector<std::uint8_t> middle = first;
  middle[3] &= static_cast<std::uint8_t>(~kPfcFirstFrag);
  ASSERT_TRUE(parse_fragment(first.data(), first.size(), &f));
  ASSERT_EQ(big.add(f), Reassembler::kMore);
  ASSERT_TRUE(parse_fragment(middle.data(), middle.size(), &f));
  Reassembler::Result result = Reassembler::kMore;
  std::size_t sent = f.stub_size;
  while (result == Reassembler::kMore && sent <= kMaxMessage + f.stub_size) {
    result = big.add(f);
    sent += f.stub_size;
  }
  EXPECT_EQ(result, Reassembler::kBad);
  EXPECT_LE(big.data().size(), kMaxMessage);
}

// The authentication trailer: read on bind, bind_ack and auth3, of our own
// kind only, and refused anywhere else.
TEST(RpcPdu, AuthenticationTrailerOnlyWhereTheHandshakeUsesIt) {
  const AuthValue auth(24, 0x42);
  Fragment f;
  for (const auto& pdu :
       {encode_bind(kPduBind, 1, 0, GUID_NULL, false, auth),
        encode_bind_ack(kPduBindAck, 1, "123", {0}, auth), encode_auth3(2, auth)}) {
    f = Fragment{};
    ASSERT_TRUE(parse_fragment(pdu.data(), pdu.size(), &f)) << int(pdu[2]);
    EXPECT_EQ(std::vector<std::uint8_t>(f.auth, f.auth + f.auth_size), auth);
  }
  EXPECT_EQ(f.header.type, kPduAuth3);
  auto other_kind = encode_auth3(2, auth);
  other_kind[other_kind.size() - auth.size() - kAuthTrailerSize] = 10;
  EXPECT_FALSE(parse_fragment(other_kind.data(), other_kind.size(), &f));
  auto altered = encode_bind(kPduAlterContext, 1, 0, GUID_NULL, false, auth);
  EXPECT_FALSE(parse_fragment(altered.data(), altered.size(), &f));
}

// Connections share one budget: what one message holds, another cannot take
// until the first is done with it.
TEST(RpcPdu, ReassemblyBudgetIsSharedAndGivenBack) {
  ReassemblyBudget budget(3 * chunk_size(true));
  const std::vector<std::uint8_t> stub(2 * chunk_size(true), 1);
  auto fragments = encode_request(1, 0, 3, GUID_NULL, stub);
  Fragment first, second;
  ASSERT_TRUE(parse_fragment(fragments[0].data(), fragments[0].size(), &first));
  ASSERT_TRUE(parse_fragment(fragments[1].data(), fragments[1].size(), &second));
  Reassembler a(kMaxMessage, &budget), b(kMaxMessage, &budget);
  EXPECT_EQ(a.add(first), Reassembler::kMore);
  EXPECT_EQ(a.add(second), Reassembler::kDone);
  EXPECT_EQ(b.add(first), Reassembler::kMore);
  EXPECT_EQ(b.add(second), Reassembler::kBad);  // over the budget
  EXPECT_EQ(budget.used(), stub.size());
  a.give_back();
  EXPECT_EQ(budget.used(), 0u);
  EXPECT_EQ(b.add(first), Reassembler::kMore);
  EXPECT_EQ(b.add(second), Reassembler::kDone);
}

}  // namespace
}  // namespace qn::com
