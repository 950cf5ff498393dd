// The binary archive of the property definitions: little-endian integers,
// length-prefixed Windows-1252 texts, GUIDs and VARIANT images.
//
// Reading checks every bound: a read past the end, a count that the
// remaining bytes cannot hold, a malformed text prefix, an object value with
// a class id other than the null one, or nesting deeper than kMaxDepth raise
// CArchiveException. Nothing is read from outside the buffer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <exception>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/variant.h"

namespace qn::config {

class CArchiveException : public std::exception {
 public:
  enum Cause : int {
    kNone = 0,
    kGeneric = 1,
    kReadOnly = 2,
    kEndOfFile = 3,
    kWriteOnly = 4,
    kBadIndex = 5,
    kBadClass = 6,
    kBadSchema = 7,
  };
  CArchiveException(int cause, std::string detail);
  const char* what() const noexcept override { return detail_.c_str(); }
  int m_cause;

 private:
  std::string detail_;
};

struct Guid {
  uint32_t data1 = 0;
  uint16_t data2 = 0, data3 = 0;
  uint8_t data4[8] = {};
  bool operator==(const Guid&) const = default;
  bool is_null() const { return *this == Guid{}; }
  // "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}"; parse is false for anything else.
  std::string brace_form() const;
  static bool parse(std::string_view text, Guid& out);
};

// The interface id of the font object: a sub-group with this type id is a font.
inline constexpr Guid kFontDispId = {
    0xBEF6E003, 0xA874, 0x101A, {0x8B, 0xBA, 0x00, 0xAA, 0x00, 0x30, 0x0C, 0xAB}};

class CArchive {
 public:
  static constexpr int kMaxDepth = 64;

  // Loading over bytes the caller keeps alive, or storing into own bytes.
  explicit CArchive(std::span<const uint8_t> bytes);
  CArchive();

  bool IsLoading() const { return loading_; }
  bool IsStoring() const { return !loading_; }
  const std::vector<uint8_t>& stored() const { return out_; }
  std::size_t remaining() const { return in_.size() - pos_; }
  bool at_end() const { return pos_ == in_.size(); }

  uint8_t ReadByte();
  uint16_t ReadWord();
  uint32_t ReadDword();
  std::string ReadString();
  Guid ReadGuid();
  void ReadBytes(void* dest, std::size_t n);
  // A count of items that each take at least min_item_bytes: refused when
  // the rest of the archive cannot hold that many.
  uint32_t ReadCount(std::size_t min_item_bytes = 1);

  void WriteByte(uint8_t b);
  void WriteWord(uint16_t w);
  void WriteDword(uint32_t d);
  void WriteString(std::string_view s);
  void WriteGuid(const Guid& g);
  void WriteBytes(const void* src, std::size_t n);

  // One field both ways: read into v when loading, v written when storing.
  void Serialize(uint16_t& v) {
    if (loading_)
      v = ReadWord();
    else
      WriteWord(v);
  }
  void Serialize(uint32_t& v) {
    if (loading_)
      v = ReadDword();
    else
      WriteDword(v);
  }
  void Serialize(std::string& v) {
    if (loading_)
      v = ReadString();
    else
      WriteString(v);
  }

  // One level of nesting (lists, expressions); raises beyond kMaxDepth.
  class Nesting {
   public:
    explicit Nesting(CArchive& ar);
    ~Nesting() { --ar_.depth_; }
    Nesting(const Nesting&) = delete;
    Nesting& operator=(const Nesting&) = delete;

   private:
    CArchive& ar_;
  };

 private:
  void need(std::size_t n);
  std::size_t ReadLength(bool allow_wide, bool& wide);

  bool loading_;
  std::span<const uint8_t> in_;
  std::size_t pos_ = 0;
  std::vector<uint8_t> out_;
  int depth_ = 0;
};

// One VARIANT image: a DWORD byte count and the value's stream image (type
// word, then the value by type). Reading clears the destination first.
void WriteVariantToArchive(CArchive& ar, const com::VARIANT& v);
void ReadVariantFromArchive(CArchive& ar, com::VARIANT& v);

// The bounded count reads of the archive readers: a number above the limit
// shows message 62726 (62727 with the item name) on the progress dialog's
// status line and raises the archive error of cause 7; otherwise the number
// becomes the new limit.
uint16_t ReadBoundedWord(CArchive& ar, uint16_t& limit, const char* item = nullptr);
int32_t ReadBoundedDword(CArchive& ar, int32_t& limit, const char* item = nullptr);

}  // namespace qn::config
