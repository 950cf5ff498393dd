// The compiled-in layout of the knowledge base, shared by the reader and the
// writer: the record families with their data files, record lengths and
// fields, and the key files with their segments.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace qn::isam {

// How a field is stored in a record image.
enum class FieldForm : uint8_t {
  kDecimal,     // width digits, zero-padded, 0 .. 10^width - 1
  kName,        // text blank-padded to width
  kNulText,     // text NUL-padded to width
  kCText,       // text of up to width characters, NUL-terminated, not padded
  kByte,        // one byte holding a number 0..255
  kChar,        // one byte holding a character code
  kBin16,       // 16-bit signed, little-endian
  kBin32,       // 32-bit signed, little-endian
  kUBin32,      // 32-bit unsigned, little-endian
  kExtDecimal,  // extended decimal of width 3 or 4, 0 .. 32767 (model numbers, positions)
  kExtLength,   // extended decimal of width 4 holding a length (negative n as (9 - n) * 1024)
};

struct FieldDef {
  const char* name;
  uint8_t offset;
  uint8_t width;  // bytes in the image
  FieldForm form;
};

// How a key segment turns record bytes into key bytes. Raw copies the bytes
// (decimal digits, names, extended decimals and single bytes order as
// stored); Bin16 turns a little-endian signed word into big-endian with the
// sign bit flipped; UBin32 turns a little-endian unsigned word big-endian.
enum class SegKind : uint8_t { kRaw, kBin16, kUBin32 };

struct KeySegment {
  uint8_t offset;
  uint8_t length;  // bytes of the record (2 for Bin16, 4 for UBin32)
  SegKind kind;
};

struct KeyDef {
  short key_file;
  short data_file;
  bool duplicates;  // ties ordered by the family's unique key, then insertion
  uint8_t segment_count;
  KeySegment segments[4];
};

struct FamilyDef {
  const char* name;  // short name: mdl, obj, att, ...
  short data_file;
  uint16_t record_length;
  std::span<const FieldDef> fields;
  short unique_key;  // the key file of mode 0
};

// Version of the database layout that the reader accepts.
constexpr int kKbLayoutVersion = 1;

std::span<const FamilyDef> kb_families();
std::span<const KeyDef> kb_keys();

const FamilyDef* family_by_name(std::string_view name);
const FamilyDef* family_by_data_file(short data_file);
const KeyDef* key_by_file(short key_file);
const FieldDef* field_by_name(const FamilyDef& family, std::string_view name);
// Sum of the key's segment lengths.
int key_length(const KeyDef& key);

// The key bytes of a record image; returns the key length.
int build_key(const KeyDef& key, const uint8_t* record, uint8_t* out);

}  // namespace qn::isam
