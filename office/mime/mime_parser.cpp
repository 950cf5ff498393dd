#include "office/mime/mime_parser.h"

#include <array>
#include <algorithm>
#include <cstring>
#include <set>

#include "office/mime/coders.h"
#include "office/mime/mail_values.h"
#include "platform/cp1252.h"
#include "platform/path.h"

namespace qn::office {

namespace {

// Widths of the fields values are held in; longer values are cut.
constexpr size_t kNameField = 255;
constexpr size_t kDateField = 99;
constexpr size_t kParamField = 99;  // boundary and attachment name
constexpr size_t kAttachListField = 2047;
// Parts nested deeper than this are left out, so a hostile message cannot
// exhaust the stack.
constexpr int kMaxDepth = 64;

constexpr std::string_view kNoDate = "01/01/1980";

const std::array<uint8_t, 256>& folded() {
  static const std::array<uint8_t, 256> table = [] {
    std::array<uint8_t, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = platform::to_lower_1252(static_cast<unsigned char>(c));
    return t;
  }();
  return table;
}

bool istarts_with(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         platform::iequals_1252(text.substr(0, prefix.size()), prefix);
}

// Position of `needle` in `hay` at or after `from`, ignoring case.
size_t ifind(std::string_view hay, std::string_view needle, size_t from = 0) {
  if (needle.empty() || from > hay.size() || hay.size() - from < needle.size()) {
    return needle.empty() && from <= hay.size() ? from : std::string_view::npos;
  }
  const auto& f = folded();
  const auto* h = reinterpret_cast<const uint8_t*>(hay.data());
  const auto* n = reinterpret_cast<const uint8_t*>(needle.data());
  const uint8_t first = f[n[0]];
  const bool caseless_first = platform::to_upper_1252(n[0]) == platform::to_lower_1252(n[0]);
  const size_t last = hay.size() - needle.size();
  for (size_t i = from; i <= last; ++i) {
    if (caseless_first) {
      const void* hit = std::memchr(h + i, n[0], last - i + 1);
      if (!hit) break;
      i = static_cast<size_t>(static_cast<const uint8_t*>(hit) - h);
    } else if (f[h[i]] != first) {
      continue;
    }
    size_t k = 1;
    while (k < needle.size() && f[h[i + k]] == f[n[k]]) ++k;
    if (k == needle.size()) return i;
  }
  return std::string_view::npos;
}

bool is_control_or_blank(char c) { return static_cast<uint8_t>(c) <= 32; }

// Text up to the closing double quote, the end of the line or the field's width.
std::string_view quoted_param(std::string_view text) {
  size_t end = text.find_first_of("\"\r");
  return text.substr(0, std::min(end, kParamField));
}

// The walk over the MIME structure of one message.
class Walker {
 public:
  Walker(std::string_view attach_dir, ReceivedMessage& result)
      : attach_dir_(attach_dir), result_(result) {}

  // `data` is the part's body; `ended` tells whether the end mark followed it.
  void walk(std::string_view headers, std::string_view data, bool ended, int depth) {
    if (depth > kMaxDepth) return;
    std::optional<std::string_view> type = FindHeader(headers, "Content-Type");
    if (!type) {
      // The unchanged body, with the CR LF that begins the end mark.
      store_text([&] { return std::string(data) + (ended ? "\r\n" : ""); });
    } else if (istarts_with(*type, "multipart")) {
      walk_multipart(headers, *type, data, depth);
    } else if (istarts_with(*type, "text")) {
      store_text([&] {
        if (!encoding_is(headers, "quoted-printable")) return std::string(data);
        MemorySink text;
        QpDecode(data, {}, text);
        return std::move(text.bytes);
      });
    } else if (istarts_with(*type, "message")) {
      size_t split = data.find("\r\n\r\n");
      if (split == std::string_view::npos) {
        walk(data, {}, ended, depth + 1);
      } else {
        walk(data.substr(0, split + 2), data.substr(split + 4), ended, depth + 1);
      }
    } else {
      save_attachment(headers, data);
    }
  }

 private:
  template <typename Make>
  void store_text(Make make) {
    if (have_text_) return;  // only the first text is the message's
    result_.text = make();
    have_text_ = true;
  }

  bool encoding_is(std::string_view headers, std::string_view name) {
    std::optional<std::string_view> enc = FindHeader(headers, "Content-Transfer-Encoding");
    return enc && istarts_with(*enc, name);
  }

  void walk_multipart(std::string_view headers, std::string_view type, std::string_view data,
                      int depth) {
    // The parameter may sit on a continuation line of the header.
    std::string_view rest = headers.substr(static_cast<size_t>(type.data() - headers.data()));
    size_t at = ifind(rest, "boundary=");
    std::string_view boundary;
    if (at != std::string_view::npos) {
      std::string_view value = rest.substr(at + 9);
      if (!value.empty() && value[0] == '"') {
        boundary = quoted_param(value.substr(1));
      } else {
        boundary = value.substr(0, std::min(value.find_first_of("; \t\r"), kParamField));
      }
    }
    if (boundary.empty()) {  // no way to split it: the body as it stands
      store_text([&] { return std::string(data) + "\r\n"; });
      return;
    }
    const std::string delimiter = "--" + std::string(boundary);
    size_t pos = ifind(data, delimiter);
    if (pos == std::string_view::npos) return;
    pos += delimiter.size();
    for (;;) {
      size_t next = ifind(data, delimiter, pos);
      if (next == std::string_view::npos) return;
      std::string_view part = data.substr(pos, next - pos);
      size_t split = part.find("\r\n\r\n");
      if (split == std::string_view::npos) {
        walk(part, {}, true, depth + 1);
      } else {
        walk(part.substr(0, split + 2), part.substr(split + 4), true, depth + 1);
      }
      pos = next + delimiter.size();
      if (data.substr(pos, 2) == "--") return;
    }
  }

  void save_attachment(std::string_view headers, std::string_view data) {
    size_t at = ifind(headers, "name=\"");
    if (at == std::string_view::npos) return;
    std::string name = DecodeHeaderWord(quoted_param(headers.substr(at + 6)));
    size_t slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    // An encoded NUL would end the name for C callers and hide the names
    // after it in the list.
    std::replace(name.begin(), name.end(), '\0', ' ');
    name = unused_name(std::move(name));

    if (!attach_dir_.empty()) {
      FileSink file;
      bool saved = file.create(platform::map_path(std::string(attach_dir_) + name));
      if (saved) {
        if (encoding_is(headers, "base64")) {
          Base64Decode(data, {}, file);
        } else if (encoding_is(headers, "quoted-printable")) {
          QpDecode(data, {}, file);
        }
        saved = file.close();
      }
      if (!saved) {
        result_.error = kMimeAttachmentNotSaved;
        result_.error_value = name;
      }
    }

    std::string& list = result_.attachs;
    size_t grown = list.size() + (list.empty() ? 0 : 2) + name.size();
    if (grown <= kAttachListField) {
      if (!list.empty()) list += "; ";
      list += name;
    }
  }

  // The name itself the first time; a later attachment of the same name
  // gets a number before its extension (a1.txt, a2.txt...), so that no file
  // of the message overwrites another.
  std::string unused_name(std::string name) {
    if (used_names_.insert(name).second) return name;
    const size_t dot = name.rfind('.');
    const size_t stem = dot == std::string::npos || dot == 0 ? name.size() : dot;
    for (unsigned n = 1;; ++n) {
      std::string candidate = name.substr(0, stem) + std::to_string(n) + name.substr(stem);
      if (used_names_.insert(candidate).second) return candidate;
    }
  }

  std::string_view attach_dir_;
  ReceivedMessage& result_;
  std::set<std::string> used_names_;
  bool have_text_ = false;
};

}  // namespace

std::optional<std::string_view> FindHeader(std::string_view headers, std::string_view name) {
  size_t line = 0;
  while (line < headers.size()) {
    std::string_view rest = headers.substr(line);
    size_t eol = rest.find("\r\n");
    if (rest.size() > name.size() + 1 && istarts_with(rest, name) && rest[name.size()] == ':' &&
        rest[name.size() + 1] == ' ' && (eol == std::string_view::npos || eol > name.size() + 1)) {
      std::string_view value = rest.substr(name.size() + 2);
      return value.substr(0, value.find("\r\n"));
    }
    if (eol == std::string_view::npos) break;
    line += eol + 2;
  }
  return std::nullopt;
}

std::string ParseAddressList(std::optional<std::string_view> value, AddressFormat format) {
  std::string out;
  if (!value) return out;
  const std::string_view v = *value;
  const size_t n = v.size();
  size_t i = 0;
  for (;;) {
    while (i < n && is_control_or_blank(v[i])) ++i;
    std::string_view name;
    if (i < n && v[i] == '"') {
      size_t close = v.find('"', i + 1);
      if (close == std::string_view::npos) close = n;
      name = v.substr(i + 1, close - i - 1);
      i = std::min(close + 1, n);
    } else {
      size_t end = std::min(v.find_first_of(",<\r", i), n);
      name = v.substr(i, end - i);
      i = end;
    }
    auto trimmed = [](char c) { return c == '"' || c == '\'' || is_control_or_blank(c); };
    while (!name.empty() && trimmed(name.front())) name.remove_prefix(1);
    while (!name.empty() && trimmed(name.back())) name.remove_suffix(1);

    std::string_view address = name;
    size_t j = i;
    while (j < n && is_control_or_blank(v[j])) ++j;
    if (j < n && v[j] == '<') {
      ++j;
      while (j < n && is_control_or_blank(v[j])) ++j;
      size_t close = std::min(v.find('>', j), n);
      address = v.substr(j, close - j);
      i = std::min(close + 1, n);
      if (name.empty()) name = address;
    }

    std::string shown = DecodeHeaderWord(name.substr(0, kNameField));
    while (!shown.empty() && (shown.back() == ' ' || shown.back() == '\t')) shown.pop_back();
    if (!shown.empty() || !address.empty()) {
      append_entry(out, write_address(static_cast<int>(format), shown, address));
    }
    if (i >= n || v[i] != ',') break;
    ++i;
  }
  return out;
}

std::string ParseDateHeader(std::optional<std::string_view> value) {
  if (!value) return std::string(kNoDate);
  std::string_view v = *value;
  if (size_t comma = v.find(", "); comma != std::string_view::npos) v.remove_prefix(comma + 2);
  v = v.substr(0, kDateField);

  std::string_view fields[3];
  size_t count = 0;
  size_t i = 0;
  while (count < 3) {
    while (i < v.size() && (v[i] == ' ' || v[i] == '\t')) ++i;
    if (i == v.size()) break;
    size_t end = std::min(v.find_first_of(" \t", i), v.size());
    fields[count++] = v.substr(i, end - i);
    i = end;
  }
  if (count < 3) return std::string(kNoDate);

  static constexpr std::string_view kMonths = "JanFebMarAprMayJunJulAugSepOctNovDec";
  int month = 0;
  for (int m = 0; m < 12; ++m) {
    if (fields[1] == kMonths.substr(static_cast<size_t>(m) * 3, 3)) month = m + 1;
  }
  if (month == 0) return std::string(kNoDate);

  std::string_view year = fields[2];
  std::string century;
  if (year.size() == 2 && year[0] >= '0' && year[0] <= '9' && year[1] >= '0' && year[1] <= '9') {
    century = year[0] <= '6' ? "20" : "19";
  }
  return std::string(fields[0]) + "/" + std::to_string(month) + "/" + century + std::string(year);
}

std::string DecodeHeaderWord(std::string_view text) {
  const std::string unchanged(text);
  size_t open = text.find("=?");
  if (open == std::string_view::npos) return unchanged;
  size_t charset_end = text.find('?', open + 2);
  if (charset_end == std::string_view::npos || charset_end + 2 >= text.size() ||
      text[charset_end + 2] != '?') {
    return unchanged;
  }
  char letter = text[charset_end + 1];
  bool q = letter == 'Q' || letter == 'q';
  bool b = letter == 'B' || letter == 'b';
  if (!q && !b) return unchanged;
  size_t start = charset_end + 3;
  size_t close = text.find(kWordEndMark, start);
  if (close == std::string_view::npos) return unchanged;

  MemorySink decoded;
  std::string_view encoded = text.substr(start, close - start);
  if (q) {
    QpDecode(encoded, kWordEndMark, decoded, true);
  } else {
    Base64Decode(encoded, kWordEndMark, decoded);
  }
  return std::string(text.substr(0, open)) + decoded.bytes + std::string(text.substr(close + 2));
}

ReceivedMessage ParseMessage(std::string_view message, AddressFormat format,
                             std::string_view attach_dir) {
  ReceivedMessage result;
  size_t blank = message.find("\r\n\r\n");
  std::string_view headers =
      blank == std::string_view::npos ? message : message.substr(0, blank + 2);

  // The body runs to the end mark; an empty body shares the mark's CR LF with
  // the header block's last line.
  size_t body_start = blank == std::string_view::npos ? message.size() : blank + 4;
  // A message that ends with the end mark ends there: a text line "." inside
  // it (byte-stuffing undone by the POP3 client) is part of the text.
  const bool closed = message.size() >= kBodyEndMark.size() &&
                      message.substr(message.size() - kBodyEndMark.size()) == kBodyEndMark;
  size_t mark = closed
                    ? message.size() - kBodyEndMark.size()
                    : message.find(kBodyEndMark, blank == std::string_view::npos ? 0 : blank + 2);
  bool ended = mark != std::string_view::npos;
  size_t body_end = ended ? std::max(mark, body_start) : message.size();
  if (ended && blank == std::string_view::npos) headers = message.substr(0, mark + 2);
  std::string_view body =
      message.substr(std::min(body_start, body_end), body_end - std::min(body_start, body_end));

  std::optional<std::string_view> from = FindHeader(headers, "From");
  if (!from) from = FindHeader(headers, "Sender");
  result.from = ParseAddressList(from, format);
  result.to = ParseAddressList(FindHeader(headers, "To"), format);
  result.cc = ParseAddressList(FindHeader(headers, "Cc"), format);
  result.date_sent = ParseDateHeader(FindHeader(headers, "Date"));
  result.date_received = result.date_sent;
  result.subject = DecodeHeaderWord(FindHeader(headers, "Subject").value_or(""));

  // An empty body shares the CR LF of the mark with the header block, so no
  // CR LF of its own goes with it.
  Walker(attach_dir, result).walk(headers, body, ended && mark >= body_start, 0);
  return result;
}

}  // namespace qn::office
