#include "config/properties/archive.h"

#include <cstdio>
#include <cstring>

#include "config/properties/variant_value.h"
#include "platform/cp1252.h"

namespace qn::config {

CArchiveException::CArchiveException(int cause, std::string detail)
    : m_cause(cause), detail_(std::move(detail)) {}

std::string Guid::brace_form() const {
  char buf[40];
  std::snprintf(buf, sizeof buf, "{%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}", data1, data2,
                data3, data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6],
                data4[7]);
  return buf;
}

bool Guid::parse(std::string_view t, Guid& out) {
  if (t.size() != 38 || t.front() != '{' || t.back() != '}' || t[9] != '-' || t[14] != '-' ||
      t[19] != '-' || t[24] != '-') {
    return false;
  }
  auto hex = [&](std::size_t at, std::size_t n, uint64_t& v) {
    v = 0;
    for (std::size_t i = at; i < at + n; ++i) {
      const char c = t[i];
      int d = c >= '0' && c <= '9'   ? c - '0'
              : c >= 'A' && c <= 'F' ? c - 'A' + 10
              : c >= 'a' && c <= 'f' ? c - 'a' + 10
                                     : -1;
      if (d < 0) return false;
      v = v * 16 + static_cast<uint64_t>(d);
    }
    return true;
  };
  uint64_t a, b, c, d, e;
  if (!hex(1, 8, a) || !hex(10, 4, b) || !hex(15, 4, c) || !hex(20, 4, d) || !hex(25, 12, e))
    return false;
  out.data1 = static_cast<uint32_t>(a);
  out.data2 = static_cast<uint16_t>(b);
  out.data3 = static_cast<uint16_t>(c);
  out.data4[0] = static_cast<uint8_t>(d >> 8);
  out.data4[1] = static_cast<uint8_t>(d);
  for (int i = 0; i < 6; ++i) out.data4[2 + i] = static_cast<uint8_t>(e >> (8 * (5 - i)));
  return true;
}

CArchive::CArchive(std::span<const uint8_t> bytes) : loading_(true), in_(bytes) {}
CArchive::CArchive() : loading_(false) {}

CArchive::Nesting::Nesting(CArchive& ar) : ar_(ar) {
  if (++ar_.depth_ > kMaxDepth) {
    --ar_.depth_;
    throw CArchiveException(CArchiveException::kBadSchema, "nesting too deep");
  }
}

void CArchive::need(std::size_t n) {
  if (n > remaining())
    throw CArchiveException(CArchiveException::kEndOfFile, "unexpected end of archive");
}

void CArchive::ReadBytes(void* dest, std::size_t n) {
  need(n);
  if (n) std::memcpy(dest, in_.data() + pos_, n);
  pos_ += n;
}

uint8_t CArchive::ReadByte() {
  need(1);
  return in_[pos_++];
}

uint16_t CArchive::ReadWord() {
  need(2);
  const uint16_t w = static_cast<uint16_t>(in_[pos_] | (in_[pos_ + 1] << 8));
  pos_ += 2;
  return w;
}

uint32_t CArchive::ReadDword() {
  need(4);
  const uint32_t d =
      static_cast<uint32_t>(in_[pos_]) | (static_cast<uint32_t>(in_[pos_ + 1]) << 8) |
      (static_cast<uint32_t>(in_[pos_ + 2]) << 16) | (static_cast<uint32_t>(in_[pos_ + 3]) << 24);
  pos_ += 4;
  return d;
}

uint32_t CArchive::ReadCount(std::size_t min_item_bytes) {
  const uint32_t n = ReadDword();
  if (min_item_bytes && n > remaining() / min_item_bytes) {
    throw CArchiveException(CArchiveException::kBadSchema, "count beyond the archive's end");
  }
  return n;
}

// The text prefix: a byte below 255; 0xFF and a word below 0xFFFE; 0xFF,
// 0xFFFF and a dword. 0xFF 0xFFFE marks a wide text (once).
std::size_t CArchive::ReadLength(bool allow_wide, bool& wide) {
  const uint8_t b = ReadByte();
  if (b < 0xFF) return b;
  const uint16_t w = ReadWord();
  if (w < 0xFFFE) return w;
  if (w == 0xFFFF) return ReadDword();
  if (!allow_wide) throw CArchiveException(CArchiveException::kBadSchema, "malformed text prefix");
  wide = true;
  return ReadLength(false, wide);
}

std::string CArchive::ReadString() {
  bool wide = false;
  const std::size_t n = ReadLength(true, wide);
  if (!wide) {
    need(n);
    std::string s(reinterpret_cast<const char*>(in_.data() + pos_), n);
    pos_ += n;
    return s;
  }
  if (n > remaining() / 2)
    throw CArchiveException(CArchiveException::kEndOfFile, "unexpected end of archive");
  std::u16string w(n, u'\0');
  for (std::size_t i = 0; i < n; ++i) w[i] = static_cast<char16_t>(ReadWord());
  return platform::cp1252_from_utf16(w);
}

Guid CArchive::ReadGuid() {
  Guid g;
  g.data1 = ReadDword();
  g.data2 = ReadWord();
  g.data3 = ReadWord();
  ReadBytes(g.data4, 8);
  return g;
}

void CArchive::WriteBytes(const void* src, std::size_t n) {
  const auto* p = static_cast<const uint8_t*>(src);
  out_.insert(out_.end(), p, p + n);
}
void CArchive::WriteByte(uint8_t b) { out_.push_back(b); }
void CArchive::WriteWord(uint16_t w) {
  WriteByte(static_cast<uint8_t>(w));
  WriteByte(static_cast<uint8_t>(w >> 8));
}
void CArchive::WriteDword(uint32_t d) {
  WriteWord(static_cast<uint16_t>(d));
  WriteWord(static_cast<uint16_t>(d >> 16));
}

void CArchive::WriteString(std::string_view s) {
  if (s.size() < 0xFF) {
    WriteByte(static_cast<uint8_t>(s.size()));
  } else if (s.size() < 0xFFFE) {
    WriteByte(0xFF);
    WriteWord(static_cast<uint16_t>(s.size()));
  } else {
    WriteByte(0xFF);
    WriteWord(0xFFFF);
    WriteDword(static_cast<uint32_t>(s.size()));
  }
  WriteBytes(s.data(), s.size());
}

void CArchive::WriteGuid(const Guid& g) {
  WriteDword(g.data1);
  WriteWord(g.data2);
  WriteWord(g.data3);
  WriteBytes(g.data4, 8);
}

// ---------------------------------------------------------------- VARIANT images

namespace {

using namespace com;

std::size_t fixed_size(VARTYPE vt) {
  switch (vt) {
    case VT_I1:
    case VT_UI1:
      return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
      return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_ERROR:
      return 4;
    case VT_R8:
    case VT_CY:
    case VT_DATE:
      return 8;
    default:
      return 0;
  }
}

bool is_object(VARTYPE vt) { return vt == VT_UNKNOWN || vt == VT_DISPATCH; }

}  // namespace

void WriteVariantToArchive(CArchive& ar, const VARIANT& v) {
  CArchive image;
  image.WriteWord(v.vt);
  if (const std::size_t n = fixed_size(v.vt)) {
    image.WriteBytes(&v.llVal, n);  // the union's first bytes, little-endian
  } else if (is_object(v.vt)) {
    // Only the null object has a stream image here: the null class id.
    image.WriteGuid(Guid{});
  } else {
    VariantValue text;
    HRESULT hr = v.vt == VT_EMPTY ? S_OK : VariantChangeType(text.get(), &v, 0, VT_BSTR);
    if (SUCCEEDED(hr)) {
      const BSTR s = v.vt == VT_EMPTY ? nullptr : text->bstrVal;
      if (v.vt != VT_EMPTY && !s) {
        image.WriteDword(0);
      } else {
        const UINT units = SysStringLen(s);
        image.WriteDword((units + 1) * 2);
        for (UINT i = 0; i < units; ++i) image.WriteWord(s[i]);
        image.WriteWord(0);
      }
    }
  }
  ar.WriteDword(static_cast<uint32_t>(image.stored().size()));
  ar.WriteBytes(image.stored().data(), image.stored().size());
}

void ReadVariantFromArchive(CArchive& ar, VARIANT& v) {
  VariantClear(&v);
  const uint32_t n = ar.ReadCount(1);
  std::vector<uint8_t> bytes(n);
  ar.ReadBytes(bytes.data(), n);
  CArchive image{std::span<const uint8_t>(bytes)};
  if (image.remaining() < 2) return;  // a type word cut off: VT_EMPTY
  const VARTYPE vt = image.ReadWord();
  if (const std::size_t size = fixed_size(vt)) {
    VARIANT value;
    VariantInit(&value);
    image.ReadBytes(&value.llVal, size);
    value.vt = vt;
    v = value;
    return;
  }
  if (is_object(vt)) {
    if (!image.ReadGuid().is_null()) {
      throw CArchiveException(CArchiveException::kBadClass, "object value of an unknown class");
    }
    v.vt = vt;
    v.punkVal = nullptr;
    return;
  }
  if (vt & (VT_ARRAY | VT_BYREF))
    throw CArchiveException(CArchiveException::kBadSchema, "unsupported value type");
  if (image.at_end()) {
    // A value that had no text was written as its type word alone.
    if (vt == VT_NULL) v.vt = VT_NULL;
    return;
  }
  const uint32_t bytes_count = image.ReadCount(1);
  if (bytes_count % 2 != 0)
    throw CArchiveException(CArchiveException::kBadSchema, "odd text length");
  std::u16string wide(bytes_count / 2, u'\0');
  for (auto& c : wide) c = static_cast<char16_t>(image.ReadWord());
  if (!wide.empty() && wide.back() == 0) wide.pop_back();  // the terminator
  if (vt == VT_EMPTY || vt == VT_NULL) {
    v.vt = vt;
    return;
  }
  VariantValue text = VariantValue::text(platform::cp1252_from_utf16(wide));
  if (vt == VT_BSTR || text.vt() != VT_BSTR) {
    v = *text;
    text->vt = VT_EMPTY;  // ownership moved to v
    return;
  }
  // Converted back to the value's own type; a text that does not convert
  // stays a text.
  VariantValue typed;
  if (SUCCEEDED(VariantChangeType(typed.get(), text.get(), 0, vt))) {
    v = *typed;
    typed->vt = VT_EMPTY;
  } else {
    v = *text;
    text->vt = VT_EMPTY;
  }
}

}  // namespace qn::config
