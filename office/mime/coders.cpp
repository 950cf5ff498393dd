#include "office/mime/coders.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace qn::office {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// Values of the reverse table beyond the alphabet's 0 to 63.
constexpr uint8_t kWhite = 64;
constexpr uint8_t kPad = 65;
constexpr uint8_t kOutside = 66;

constexpr std::array<uint8_t, 256> make_reverse() {
  std::array<uint8_t, 256> t{};
  for (auto& v : t) v = kOutside;
  for (uint8_t i = 0; i < 64; ++i) t[static_cast<uint8_t>(kAlphabet[i])] = i;
  for (char c : {' ', '\t', '\r', '\n', '\v', '\f'}) t[static_cast<uint8_t>(c)] = kWhite;
  t['='] = kPad;
  return t;
}
constexpr std::array<uint8_t, 256> kReverse = make_reverse();

// A character outside the alphabet has all six bits set.
inline unsigned value_of(uint8_t c) {
  uint8_t v = kReverse[c];
  return v < 64 ? v : 63;
}

// Hexadecimal digit values; anything else counts as 15.
constexpr std::array<uint8_t, 256> make_hex() {
  std::array<uint8_t, 256> t{};
  for (auto& v : t) v = 15;
  for (int i = 0; i < 10; ++i) t['0' + i] = static_cast<uint8_t>(i);
  for (int i = 0; i < 6; ++i) {
    t['A' + i] = static_cast<uint8_t>(10 + i);
    t['a' + i] = static_cast<uint8_t>(10 + i);
  }
  return t;
}
constexpr std::array<uint8_t, 256> kHex = make_hex();

// Output gathered in blocks before it goes to the sink.
class Output {
 public:
  explicit Output(ByteSink& sink) : sink_(sink) {}
  ~Output() { flush(); }
  char* room(size_t n) {
    if (used_ + n > sizeof buf_) flush();
    return buf_ + used_;
  }
  void advance(size_t n) { used_ += n; }
  void put(char c) { *room(1) = c, ++used_; }
  void put(const char* p, size_t n) {
    if (n >= sizeof buf_ / 2) {
      flush();
      sink_.put(p, n);
      return;
    }
    std::memcpy(room(n), p, n);
    used_ += n;
  }
  void flush() {
    if (used_ > 0) sink_.put(buf_, used_);
    used_ = 0;
  }

 private:
  ByteSink& sink_;
  size_t used_ = 0;
  char buf_[16384];
};

std::string_view up_to_mark(std::string_view text, std::string_view end_mark) {
  if (end_mark.empty()) return text;
  return text.substr(0, text.find(end_mark));
}

inline bool is_white(uint8_t c) { return kReverse[c] == kWhite; }

}  // namespace

TextSource::TextSource(std::string_view text) : rest_(text.substr(0, text.find('\0'))) {}

size_t TextSource::read(uint8_t* data, size_t size) {
  size_t n = std::min(size, rest_.size());
  std::memcpy(data, rest_.data(), n);
  rest_.remove_prefix(n);
  return n;
}

size_t BytesSource::read(uint8_t* data, size_t size) {
  size_t n = std::min(size, rest_.size());
  std::memcpy(data, rest_.data(), n);
  rest_.remove_prefix(n);
  return n;
}

void Base64Encode(ByteSource& source, ByteSink& target, bool line_breaks) {
  Base64Encode(source, target, line_breaks ? std::string_view("\n") : std::string_view());
}

void Base64Encode(ByteSource& source, ByteSink& target, std::string_view line_end) {
  constexpr size_t kLine = 72;
  const bool line_breaks = !line_end.empty();
  Output out(target);
  uint8_t in[3 * 4096 + 2];
  size_t have = 0;  // bytes carried over from the last read (0 to 2)
  size_t column = 0;
  bool at_end = false;
  while (!at_end) {
    size_t got = source.read(in + have, sizeof in - 2 - have);
    if (got == 0) at_end = true;
    have += got;
    size_t whole = at_end ? have : have - have % 3;
    size_t i = 0;
    for (; i + 3 <= whole; i += 3) {
      unsigned v = in[i] << 16 | in[i + 1] << 8 | in[i + 2];
      char* p = out.room(5);
      p[0] = kAlphabet[v >> 18];
      p[1] = kAlphabet[(v >> 12) & 63];
      p[2] = kAlphabet[(v >> 6) & 63];
      p[3] = kAlphabet[v & 63];
      out.advance(4);
      column += 4;
      if (line_breaks && column == kLine) {
        out.put(line_end.data(), line_end.size());
        column = 0;
      }
    }
    if (at_end && i < have) {
      unsigned v = in[i] << 16 | (i + 1 < have ? in[i + 1] << 8 : 0);
      char group[4] = {kAlphabet[v >> 18], kAlphabet[(v >> 12) & 63],
                       i + 1 < have ? kAlphabet[(v >> 6) & 63] : '=', '='};
      out.put(group, 4);
      column += 4;
      i = have;
    }
    std::memmove(in, in + i, have - i);
    have -= i;
  }
  if (line_breaks && column > 0) out.put(line_end.data(), line_end.size());
}

void Base64Decode(std::string_view text, std::string_view end_mark, ByteSink& target) {
  std::string_view data = up_to_mark(text, end_mark);
  const auto* s = reinterpret_cast<const uint8_t*>(data.data());
  const size_t n = data.size();
  Output out(target);
  size_t i = 0;
  // The next significant character inside a group, or n at the end.
  auto next = [&]() {
    while (i < n && is_white(s[i])) ++i;
    return i;
  };
  while (i < n) {
    // Whole groups of alphabet characters, the common case.
    if (i + 4 <= n) {
      uint8_t a = kReverse[s[i]], b = kReverse[s[i + 1]], c = kReverse[s[i + 2]],
              d = kReverse[s[i + 3]];
      if ((a | b | c | d) < 64) {
        unsigned v = a << 18 | b << 12 | c << 6 | d;
        char* p = out.room(3);
        p[0] = static_cast<char>(v >> 16);
        p[1] = static_cast<char>(v >> 8);
        p[2] = static_cast<char>(v);
        out.advance(3);
        i += 4;
        continue;
      }
    }
    if (is_white(s[i])) {  // where a group starts: skipped with the character after it
      i += 2;
      continue;
    }
    if (s[i] == '=') break;
    unsigned a = value_of(s[i++]);
    if (next() == n) {
      std::fputs("Warning: base64 decoder saw premature EOF!\n", stderr);
      break;
    }
    if (s[i] == '=') break;
    unsigned b = value_of(s[i++]);
    char b1 = static_cast<char>(a << 2 | b >> 4);
    if (next() == n || s[i] == '=') {
      out.put(b1);
      break;
    }
    unsigned c = value_of(s[i++]);
    char b2 = static_cast<char>((b & 15) << 4 | c >> 2);
    if (next() == n || s[i] == '=') {
      out.put(b1);
      out.put(b2);
      break;
    }
    unsigned d = value_of(s[i++]);
    out.put(b1);
    out.put(b2);
    out.put(static_cast<char>((c & 3) << 6 | d));
  }
}

void QpDecode(std::string_view text, std::string_view end_mark, ByteSink& target,
              bool underscore_is_blank) {
  std::string_view data = up_to_mark(text, end_mark);
  const size_t n = data.size();
  Output out(target);
  size_t i = 0;
  while (i < n) {
    // Plain characters up to the next escape (or underscore) go out as a run.
    size_t stop = i;
    while (stop < n && data[stop] != '=' && !(underscore_is_blank && data[stop] == '_')) ++stop;
    out.put(data.data() + i, stop - i);
    i = stop;
    if (i == n) break;
    if (data[i] == '_') {
      out.put(' ');
      ++i;
      continue;
    }
    if (i + 1 == n || data[i + 1] == '\r') {  // soft line break: "=", CR and the LF
      i += 3;
      continue;
    }
    if (i + 2 == n) {  // cut short by the end: kept as it stands
      out.put(data.data() + i, 2);
      break;
    }
    auto hi = kHex[static_cast<uint8_t>(data[i + 1])];
    auto lo = kHex[static_cast<uint8_t>(data[i + 2])];
    out.put(static_cast<char>(hi << 4 | lo));
    i += 3;
  }
}

}  // namespace qn::office
