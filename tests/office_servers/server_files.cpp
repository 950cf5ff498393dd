#include "tests/office_servers/server_files.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace qn::office_servers {

using namespace com;

bool read_file(const std::string& path, std::string* text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream s;
  s << in.rdbuf();
  *text = s.str();
  return true;
}

bool write_file(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

std::string escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\t':
        out += "\\t";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string unescape(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\' || i + 1 == text.size()) {
      out += text[i];
      continue;
    }
    const char c = text[++i];
    out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
  }
  return out;
}

std::string value_text(const VARIANT& v) {
  char buf[40];
  switch (v.vt) {
    case VT_BSTR:
      return "8\t" + escape(text_1252_of(v.bstrVal));
    case VT_R8:
    case VT_DATE:
      std::snprintf(buf, sizeof buf, "%d\t%.17g", v.vt, v.dblVal);
      return buf;
    default: {
      VARIANT n;
      VariantInit(&n);
      if (FAILED(VariantChangeType(&n, &v, 0, VT_R8))) return "0\t";
      std::snprintf(buf, sizeof buf, "%d\t%.17g", v.vt, n.dblVal);
      return buf;
    }
  }
}

bool parse_value(const std::string& text, VARIANT* v) {
  VariantInit(v);
  char* end = nullptr;
  const long vt = std::strtol(text.c_str(), &end, 10);
  if (*end != '\t') return false;
  const std::string value = end + 1;
  if (vt == VT_BSTR) {
    *v = text_variant(unescape(value));
    return true;
  }
  if (vt == VT_EMPTY) return true;
  VARIANT n;
  VariantInit(&n);
  n.vt = VT_R8;
  n.dblVal = std::strtod(value.c_str(), nullptr);
  if (vt == VT_DATE) {
    v->vt = VT_DATE;
    v->date = n.dblVal;
    return true;
  }
  return SUCCEEDED(VariantChangeType(v, &n, 0, static_cast<VARTYPE>(vt)));
}

}  // namespace qn::office_servers
