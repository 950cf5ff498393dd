#include "platform/isam/kb_layout.h"

#include <array>
#include <cstring>

namespace qn::isam {
namespace {

using F = FieldForm;
using S = SegKind;

constexpr FieldDef kMdl[] = {
    {"model", 1, 3, F::kExtDecimal}, {"name", 4, 30, F::kName},
    {"num1", 34, 4, F::kDecimal},    {"num2", 38, 4, F::kDecimal},
    {"num3", 42, 4, F::kDecimal},    {"att_name_len", 46, 1, F::kByte},
    {"flag1", 47, 1, F::kByte},      {"flag2", 48, 1, F::kByte},
    {"path", 49, 30, F::kCText},
};
constexpr FieldDef kObj[] = {
    {"model", 1, 2, F::kBin16},   {"type", 3, 2, F::kBin16},     {"number", 5, 2, F::kBin16},
    {"name", 7, 30, F::kNulText}, {"text", 37, 30, F::kNulText}, {"group", 67, 2, F::kBin16},
    {"status1", 69, 1, F::kByte}, {"status2", 70, 1, F::kByte},
};
constexpr FieldDef kAtt[] = {
    {"model", 1, 3, F::kExtDecimal},   {"number", 4, 4, F::kDecimal},
    {"class", 8, 4, F::kDecimal},      {"name", 12, 30, F::kName},
    {"type", 42, 1, F::kChar},         {"kind", 43, 1, F::kByte},
    {"value1", 44, 4, F::kBin32},      {"value2", 48, 4, F::kBin32},
    {"decimals", 52, 1, F::kByte},     {"code", 53, 1, F::kByte},
    {"length", 54, 4, F::kExtLength},  {"title", 58, 30, F::kName},
    {"description", 88, 80, F::kName}, {"picture", 168, 30, F::kName},
};
constexpr FieldDef kTba[] = {
    {"model", 1, 3, F::kExtDecimal},  {"table", 4, 4, F::kDecimal},
    {"attribute", 8, 4, F::kDecimal}, {"position", 12, 3, F::kExtDecimal},
    {"kind", 15, 1, F::kByte},        {"code", 16, 1, F::kByte},
};
constexpr FieldDef kCk[] = {
    {"model", 1, 3, F::kExtDecimal},
    {"table", 4, 4, F::kDecimal},
    {"key", 8, 2, F::kDecimal},
    {"primary", 11, 1, F::kByte},
};
constexpr FieldDef kCka[] = {
    {"model", 1, 3, F::kExtDecimal},   {"table", 4, 4, F::kDecimal},     {"key", 8, 2, F::kDecimal},
    {"attribute", 10, 4, F::kDecimal}, {"sequence", 14, 2, F::kDecimal},
};
constexpr FieldDef kIdx[] = {
    {"model", 1, 3, F::kExtDecimal}, {"table", 4, 4, F::kDecimal}, {"index", 8, 4, F::kDecimal},
    {"name", 12, 30, F::kName},      {"unique", 42, 1, F::kByte},  {"flag2", 43, 1, F::kByte},
    {"flag3", 44, 1, F::kByte},
};
constexpr FieldDef kIxa[] = {
    {"model", 1, 2, F::kBin16},    {"table", 3, 2, F::kBin16},     {"index", 5, 2, F::kBin16},
    {"sequence", 7, 2, F::kBin16}, {"attribute", 9, 2, F::kBin16}, {"ascending", 11, 1, F::kByte},
};
constexpr FieldDef kOcls[] = {
    {"model", 1, 3, F::kExtDecimal},
    {"type", 4, 3, F::kDecimal},
    {"last", 7, 4, F::kDecimal},
    {"name_len", 11, 1, F::kByte},
};
constexpr FieldDef kOinf[] = {
    {"model", 1, 3, F::kExtDecimal},    {"type", 4, 3, F::kDecimal},
    {"number", 7, 4, F::kDecimal},      {"kind", 11, 1, F::kChar},
    {"piece", 12, 2, F::kBin16},        {"string", 14, 2, F::kBin16},
    {"value", 16, 2, F::kBin16},        {"ref_type", 18, 3, F::kDecimal},
    {"ref_number", 21, 4, F::kDecimal}, {"relation", 25, 1, F::kByte},
    {"text", 26, 30, F::kNulText},
};
constexpr FieldDef kQnio[] = {
    {"model", 1, 2, F::kBin16}, {"type", 3, 2, F::kBin16},  {"number", 5, 2, F::kBin16},
    {"kind", 7, 1, F::kByte},   {"time", 8, 4, F::kUBin32},
};

constexpr FamilyDef kFamilies[] = {
    {"mdl", 12, 80, kMdl, 13},   {"obj", 42, 71, kObj, 17},   {"att", 8, 199, kAtt, 9},
    {"tba", 4, 18, kTba, 5},     {"ck", 23, 12, kCk, 33},     {"cka", 60, 17, kCka, 1},
    {"idx", 20, 46, kIdx, 21},   {"ixa", 37, 12, kIxa, 38},   {"ocls", 40, 13, kOcls, 41},
    {"oinf", 45, 57, kOinf, 46}, {"qnio", 48, 12, kQnio, 49},
};

constexpr KeySegment raw(uint8_t offset, uint8_t length) { return {offset, length, S::kRaw}; }
constexpr KeySegment bin(uint8_t offset) { return {offset, 2, S::kBin16}; }

constexpr KeyDef kKeys[] = {
    // mdl: model number; model name.
    {13, 12, false, 1, {raw(1, 3)}},
    {14, 12, true, 1, {raw(4, 30)}},
    // obj: model, type, number; model, type, name; model, type, group.
    {17, 42, false, 3, {bin(1), bin(3), bin(5)}},
    {18, 42, true, 3, {bin(1), bin(3), raw(7, 30)}},
    {19, 42, true, 3, {bin(1), bin(3), bin(67)}},
    // att: model, number; model, class attribute; model, name.
    {9, 8, false, 1, {raw(1, 7)}},
    {10, 8, true, 2, {raw(1, 3), raw(8, 4)}},
    {11, 8, true, 2, {raw(1, 3), raw(12, 30)}},
    // tba: model, table, attribute; model, attribute; model, table, position.
    {5, 4, false, 1, {raw(1, 11)}},
    {6, 4, true, 2, {raw(1, 3), raw(8, 4)}},
    {7, 4, true, 2, {raw(1, 7), raw(12, 3)}},
    // ck: model, table, key number.
    {33, 23, false, 1, {raw(1, 9)}},
    // cka: model, table, key, attribute; model, attribute; model, table, key, sequence.
    {1, 60, false, 1, {raw(1, 13)}},
    {2, 60, true, 2, {raw(1, 3), raw(10, 4)}},
    {3, 60, true, 2, {raw(1, 9), raw(14, 2)}},
    // idx: model, table, index; model, name.
    {21, 20, false, 1, {raw(1, 11)}},
    {22, 20, true, 2, {raw(1, 3), raw(12, 30)}},
    // ixa: model, table, index, sequence; model, attribute.
    {38, 37, false, 4, {bin(1), bin(3), bin(5), bin(7)}},
    {39, 37, true, 2, {bin(1), bin(9)}},
    // ocls: model, type.
    {41, 40, false, 1, {raw(1, 6)}},
    // oinf: model, type, number, kind, string, piece; model, referenced type and number.
    {46, 45, false, 3, {raw(1, 11), bin(14), bin(12)}},
    {47, 45, true, 3, {raw(1, 3), raw(18, 3), raw(21, 4)}},
    // qnio: model, type, number, kind; model, kind, time.
    {49, 48, false, 4, {bin(1), bin(3), bin(5), raw(7, 1)}},
    {50, 48, true, 3, {bin(1), raw(7, 1), {8, 4, S::kUBin32}}},
};

}  // namespace

std::span<const FamilyDef> kb_families() { return kFamilies; }
std::span<const KeyDef> kb_keys() { return kKeys; }

const FamilyDef* family_by_name(std::string_view name) {
  for (const auto& f : kFamilies)
    if (name == f.name) return &f;
  return nullptr;
}

const FamilyDef* family_by_data_file(short data_file) {
  for (const auto& f : kFamilies)
    if (f.data_file == data_file) return &f;
  return nullptr;
}

const KeyDef* key_by_file(short key_file) {
  for (const auto& k : kKeys)
    if (k.key_file == key_file) return &k;
  return nullptr;
}

const FieldDef* field_by_name(const FamilyDef& family, std::string_view name) {
  for (const auto& f : family.fields)
    if (name == f.name) return &f;
  return nullptr;
}

int key_length(const KeyDef& key) {
  int n = 0;
  for (int i = 0; i < key.segment_count; ++i) n += key.segments[i].length;
  return n;
}

int build_key(const KeyDef& key, const uint8_t* record, uint8_t* out) {
  uint8_t* p = out;
  for (int i = 0; i < key.segment_count; ++i) {
    const KeySegment& s = key.segments[i];
    const uint8_t* r = record + s.offset;
    switch (s.kind) {
      case S::kRaw:
        std::memcpy(p, r, s.length);
        break;
      case S::kBin16:  // little-endian signed -> big-endian, sign flipped
        p[0] = static_cast<uint8_t>(r[1] ^ 0x80);
        p[1] = r[0];
        break;
      case S::kUBin32:
        p[0] = r[3];
        p[1] = r[2];
        p[2] = r[1];
        p[3] = r[0];
        break;
    }
    p += s.length;
  }
  return static_cast<int>(p - out);
}

}  // namespace qn::isam
