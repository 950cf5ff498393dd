#include "platform/isam/kb_codec.h"

#include <cstdio>
#include <cstring>

namespace qn::isam {
namespace {

int64_t power10(int width) {
  int64_t v = 1;
  for (int i = 0; i < width; ++i) v *= 10;
  return v;
}

}  // namespace

bool get_decimal(const uint8_t* p, int width, int16_t& out) {
  int i = 0;
  while (i < width && p[i] == ' ') ++i;
  bool negative = false;
  if (i < width && p[i] == '-') {
    negative = true;
    ++i;
  }
  if (i == width) return false;
  int v = 0;
  for (; i < width; ++i) {
    if (p[i] < '0' || p[i] > '9') return false;
    v = v * 10 + (p[i] - '0');
  }
  out = static_cast<int16_t>(negative ? -v : v);
  return true;
}

void put_decimal(uint8_t* p, int width, int value) {
  int v = value;
  for (int i = width - 1; i >= 0 && v >= 0; --i) {
    p[i] = static_cast<uint8_t>('0' + v % 10);
    v /= 10;
  }
  if (v == 0) return;
  // A negative value, or more digits than the width: the first width
  // characters of the formatted text.
  char text[32];
  std::snprintf(text, sizeof text, "%.*d", width, value);
  std::memcpy(p, text, width);
}

int field_text_length(const uint8_t* p, int width, bool trim) {
  int n = 0;
  while (n < width && p[n] != 0) ++n;
  if (trim)
    while (n > 0 && (p[n - 1] == ' ' || p[n - 1] == '\t')) --n;
  return n;
}

bool get_ext_decimal(const uint8_t* p, int width, int64_t& out) {
  if (p[0] < 64) {
    int64_t v = 0;
    for (int i = 0; i < width; ++i) {
      if (p[i] < '0' || p[i] > '9') return false;
      v = v * 10 + (p[i] - '0');
    }
    out = v;
    return true;
  }
  int64_t v = p[0] - 64;
  for (int i = 1; i < width; ++i) v = v * 256 + p[i];
  out = v + power10(width);
  return true;
}

bool put_ext_decimal(uint8_t* p, int width, int64_t value) {
  const int64_t base = power10(width);
  if (value < 0) return false;
  if (value < base) {
    put_decimal(p, width, static_cast<int>(value));
    return true;
  }
  int64_t v = value - base;
  for (int i = width - 1; i > 0; --i) {
    p[i] = static_cast<uint8_t>(v & 0xFF);
    v >>= 8;
  }
  if (v > 255 - 64) return false;
  p[0] = static_cast<uint8_t>(64 + v);
  return true;
}

bool get_ext_length(const uint8_t* p, int16_t& out) {
  int64_t v;
  if (!get_ext_decimal(p, 4, v)) return false;
  if (v <= 9999) {
    out = static_cast<int16_t>(v);
    return true;
  }
  int64_t n = 9 - (v + 1023) / 1024;
  out = static_cast<int16_t>(n < -32768 ? -32768 : n);
  return true;
}

bool put_ext_length(uint8_t* p, int value) {
  if (value > 9999 || value < -32768) return false;
  if (value >= 0) return put_ext_decimal(p, 4, value);
  return put_ext_decimal(p, 4, static_cast<int64_t>(9 - value) * 1024);
}

std::string get_name(const uint8_t* p, int width) {
  return std::string(reinterpret_cast<const char*>(p), field_text_length(p, width, true));
}

void put_name(uint8_t* p, int width, std::string_view text) {
  std::memset(p, ' ', width);
  std::memcpy(p, text.data(), text.size() < static_cast<size_t>(width) ? text.size() : width);
}

std::string get_nul_text(const uint8_t* p, int width) {
  return std::string(reinterpret_cast<const char*>(p), field_text_length(p, width, false));
}

void put_nul_text(uint8_t* p, int width, std::string_view text) {
  std::memset(p, 0, width);
  std::memcpy(p, text.data(), text.size() < static_cast<size_t>(width) ? text.size() : width);
}

}  // namespace qn::isam
