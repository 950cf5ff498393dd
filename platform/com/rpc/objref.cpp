#include "platform/com/rpc/objref.h"

#include "platform/com/rpc/ndr.h"

namespace qn::com {
namespace {

constexpr std::uint32_t kSignature = 0x574F454D;  // "MEOW"
constexpr std::uint32_t kStandard = 1;
constexpr std::uint16_t kTowerTcp = 0x0007;

}  // namespace

std::vector<std::uint8_t> encode_objref(const ObjRef& ref) {
  NdrWriter w;
  w.u32(kSignature);
  w.u32(kStandard);
  w.guid(ref.iid);
  w.u32(0);  // STDOBJREF flags
  w.u32(ref.public_refs);
  w.u64(ref.oxid);
  w.u64(ref.oid);
  w.guid(ref.ipid);
  // Dual string array: one string binding, then one empty security binding
  // (no authentication service), each list closed by a zero.
  std::vector<std::uint16_t> units;
  units.push_back(kTowerTcp);
  for (char c : ref.binding) units.push_back(static_cast<unsigned char>(c));
  units.push_back(0);
  units.push_back(0);
  const auto security_offset = static_cast<std::uint16_t>(units.size());
  units.push_back(0x0000);  // authentication service: none
  units.push_back(0xFFFF);  // authorisation service: none
  units.push_back(0);       // principal name: empty
  units.push_back(0);
  w.u16(static_cast<std::uint16_t>(units.size()));
  w.u16(security_offset);
  for (std::uint16_t u : units) w.u16(u);
  return std::move(w.data());
}

std::optional<ObjRef> decode_objref(const std::uint8_t* p, std::size_t size) {
  NdrReader r(p, size);
  ObjRef ref;
  try {
    if (r.u32() != kSignature || r.u32() != kStandard) return std::nullopt;
    r.guid(&ref.iid);
    r.u32();
    ref.public_refs = r.u32();
    ref.oxid = r.u64();
    ref.oid = r.u64();
    r.guid(&ref.ipid);
    const std::uint16_t entries = r.u16();
    const std::uint16_t security = r.u16();
    r.need(entries, 2);
    if (security > entries) return std::nullopt;
    std::vector<std::uint16_t> units(entries);
    for (auto& u : units) u = r.u16();
    // The first string binding with the TCP tower.
    std::size_t i = 0;
    while (i < security && units[i] != 0) {
      const std::uint16_t tower = units[i++];
      std::string text;
      while (i < security && units[i] != 0) {
        if (units[i] > 0x7F) return std::nullopt;
        text.push_back(static_cast<char>(units[i++]));
      }
      ++i;
      if (tower == kTowerTcp && ref.binding.empty()) ref.binding = text;
    }
  } catch (const NdrError&) {
    return std::nullopt;
  }
  if (ref.binding.empty()) return std::nullopt;
  return ref;
}

}  // namespace qn::com
