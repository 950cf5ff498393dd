#include "config/config_qn.h"

#include <array>
#include <climits>
#include <fstream>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "platform/cp1252.h"
#include "platform/path.h"

namespace qn::config {
namespace {

enum class KeyType { Integer, YesNo, Text, UpperChar };

struct KeyDef {
  std::string_view name;
  KeyType type;
  int TypedKeys::*int_var = nullptr;
  bool TypedKeys::*bool_var = nullptr;
  std::string TypedKeys::*text_var = nullptr;
  char TypedKeys::*char_var = nullptr;
};

constexpr KeyDef int_key(std::string_view name, int TypedKeys::*v) {
  return KeyDef{name, KeyType::Integer, v, nullptr, nullptr, nullptr};
}
constexpr KeyDef yes_no_key(std::string_view name, bool TypedKeys::*v) {
  return KeyDef{name, KeyType::YesNo, nullptr, v, nullptr, nullptr};
}
constexpr KeyDef text_key(std::string_view name, std::string TypedKeys::*v) {
  return KeyDef{name, KeyType::Text, nullptr, nullptr, v, nullptr};
}
constexpr KeyDef char_key(std::string_view name, char TypedKeys::*v) {
  return KeyDef{name, KeyType::UpperChar, nullptr, nullptr, nullptr, v};
}

// The typed keys in the order the key-file reader walks them. The walk
// stops at the first name that does not sort before the line, so the order
// decides which names can be reached (DEF_DATE_PIC, out of order, cannot:
// its lines end up in the free key list).
const std::array<KeyDef, 21> kTypedKeys = {{
    int_key("ATTNAME_LEN", &TypedKeys::attname_len),
    yes_no_key("BATCH", &TypedKeys::batch),
    text_key("DATE_FORMAT", &TypedKeys::date_format),
    yes_no_key("DETAIL_NAVIG", &TypedKeys::detail_navig),
    yes_no_key("EDIT_DOC", &TypedKeys::edit_doc),
    yes_no_key("EDIT_HLP", &TypedKeys::edit_hlp),
    char_key("IDIOM", &TypedKeys::idiom),
    yes_no_key("LIST_DOC", &TypedKeys::list_doc),
    yes_no_key("LIST_HLP", &TypedKeys::list_hlp),
    int_key("MAX_NUMERIC_LEN", &TypedKeys::max_numeric_len),
    int_key("DEF_DATE_PIC", &TypedKeys::def_date_pic),
    text_key("OWNER", &TypedKeys::owner),
    int_key("PAGE_LENGTH", &TypedKeys::page_length),
    int_key("PAGE_WIDTH", &TypedKeys::page_width),
    int_key("PRG_WIDTH", &TypedKeys::prg_width),
    int_key("RPT_WIDTH", &TypedKeys::rpt_width),
    int_key("SCREEN_LINES", &TypedKeys::screen_lines),
    yes_no_key("STD_FUNC", &TypedKeys::std_func),
    char_key("SWAP_DISK", &TypedKeys::swap_disk),
    int_key("TBLNAME_LEN", &TypedKeys::tblname_len),
    int_key("TRNNAME_LEN", &TypedKeys::trnname_len),
}};

constexpr std::array<int, 25> kDefaultNameLengths = {7, 7,  7, 7,  7, 10, 8, 8, 30, 30, 30, 10, 7,
                                                     7, 30, 7, 10, 7, 7,  7, 7, 7,  7,  7,  7};

constexpr std::size_t kMaxLine = 240;

struct State {
  TypedKeys keys;
  std::array<int, 25> name_lengths = kDefaultNameLengths;
  // The free key list: key as given, its upper-case form, value.
  struct Pair {
    std::string key;
    std::string key_upper;
    std::string value;
  };
  std::vector<Pair> free_keys;
};

State& state() {
  static State s;
  return s;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view skip_blanks(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  return s;
}

// Compares a table name with the start of a text over the name's length,
// ignoring case the way the product's library did (both sides lower-cased);
// a text that ends early compares as a NUL.
int compare_prefix(std::string_view name, std::string_view text) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    unsigned char a = platform::to_lower_1252(static_cast<unsigned char>(name[i]));
    unsigned char b =
        i < text.size() ? platform::to_lower_1252(static_cast<unsigned char>(text[i])) : 0;
    if (a != b) return a < b ? -1 : 1;
  }
  return 0;
}

// Walks the table in its order while the name sorts before the text; the
// entry whose name equals the text's start, or null.
const KeyDef* walk_typed_keys(std::string_view text) {
  for (const KeyDef& def : kTypedKeys) {
    int c = compare_prefix(def.name, text);
    if (c < 0) continue;
    return c == 0 ? &def : nullptr;
  }
  return nullptr;
}

// Decimal conversion: blanks, a sign and the leading digits; 0 for no
// number; values beyond the integer range end at its limits.
int to_int(std::string_view s) {
  while (!s.empty() && (is_blank(s.front()) || s.front() == '\n' || s.front() == '\r' ||
                        s.front() == '\v' || s.front() == '\f')) {
    s.remove_prefix(1);
  }
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  long long n = 0;
  for (char c : s) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
    if (n > static_cast<long long>(INT_MAX) + 1) n = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) n = -n;
  if (n > INT_MAX) n = INT_MAX;
  if (n < INT_MIN) n = INT_MIN;
  return static_cast<int>(n);
}

bool yes(std::string_view value) {
  return !value.empty() &&
         platform::to_upper_1252(static_cast<unsigned char>(value.front())) == 'Y';
}

void apply(const KeyDef& def, std::string_view value) {
  TypedKeys& keys = state().keys;
  switch (def.type) {
    case KeyType::Integer:
      keys.*def.int_var = to_int(value);
      break;
    case KeyType::YesNo:
      keys.*def.bool_var = yes(value);
      break;
    case KeyType::Text:
      keys.*def.text_var = std::string(value);
      break;
    case KeyType::UpperChar:
      keys.*def.char_var = value.empty() ? '\0'
                                         : static_cast<char>(platform::to_upper_1252(
                                               static_cast<unsigned char>(value.front())));
      break;
  }
}

void put_free_key(std::string_view key, std::string_view value) {
  std::string key_upper = platform::upper_1252(key);
  std::string new_value(value);
  auto& list = state().free_keys;
  for (auto& pair : list) {
    if (pair.key_upper == key_upper) {
      pair.value = std::move(new_value);
      return;
    }
  }
  list.push_back({std::string(key), std::move(key_upper), std::move(new_value)});
}

// One line of a key file (without its line end).
void read_config_line(std::string_view line) {
  if (line.empty() || line.front() == '*') return;
  if (const KeyDef* def = walk_typed_keys(line)) {
    std::string_view rest = skip_blanks(line.substr(def->name.size()));
    if (rest.empty() && def->type == KeyType::YesNo) {
      state().keys.*def->bool_var = true;
      return;
    }
    if (!rest.empty() && rest.front() == '=') {
      apply(*def, skip_blanks(rest.substr(1)));
      return;
    }
  }
  std::size_t eq = line.find('=');
  if (eq == std::string_view::npos) return;
  std::size_t key_end = line.find_first_of(" \t=");
  std::string_view key = line.substr(0, key_end);
  if (key.empty()) return;  // no key before the '=': nothing to name the value by
  put_free_key(key, skip_blanks(line.substr(eq + 1)));
}

int clamp_or(int value, int low, int high, int replacement) {
  return value < low || value > high ? replacement : value;
}

}  // namespace

TypedKeys& typed_keys() { return state().keys; }

void ReadConfigFile(std::string_view path) {
  std::ifstream in(platform::map_path(path), std::ios::binary);
  if (!in) return;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::size_t nul = line.find('\0');
    if (nul != std::string::npos) line.resize(nul);
    if (line.size() > kMaxLine) line.resize(kMaxLine);  // the rest of an over-long line is dropped
    read_config_line(line);
  }
  TypedKeys& keys = state().keys;
  if (keys.max_numeric_len > 30) keys.max_numeric_len = 30;
  if (keys.max_numeric_len < 4) keys.max_numeric_len = 4;
  keys.rpt_width = clamp_or(keys.rpt_width, 78, 238, 133);
  keys.prg_width = clamp_or(keys.prg_width, 78, 238, 133);
  if (keys.page_width < 78) keys.page_width = 78;
  keys.attname_len = clamp_or(keys.attname_len, 1, 10, 10);
  keys.trnname_len = clamp_or(keys.trnname_len, 1, 7, 7);
  keys.tblname_len = clamp_or(keys.tblname_len, 1, 8, 8);
  set_type_name_len(0, keys.trnname_len);
  set_type_name_len(7, keys.tblname_len);
}

std::optional<std::string> GetConfigValue(std::string_view key) {
  std::string key_upper = platform::upper_1252(key);
  for (const auto& pair : state().free_keys) {
    if (pair.key_upper == key_upper) return pair.value;
  }
  return std::nullopt;
}

int SetConfigValue(std::string_view key, std::string_view value) {
  try {
    if (const KeyDef* def = walk_typed_keys(key)) {
      // The whole key must be the name ("PAGE_WIDTH_X" is not PAGE_WIDTH).
      if (skip_blanks(key.substr(def->name.size())).empty()) apply(*def, value);
    }
    put_free_key(key, value);
  } catch (const std::bad_alloc&) {
    return 1;
  }
  return 0;
}

int get_type_name_len(int type) {
  if (type < 0 || type >= static_cast<int>(kDefaultNameLengths.size())) return 30;
  return state().name_lengths[static_cast<std::size_t>(type)];
}

void set_type_name_len(int type, int length) {
  if (type < 0 || type >= static_cast<int>(kDefaultNameLengths.size())) return;
  state().name_lengths[static_cast<std::size_t>(type)] = length;
}

void reset_config_keys() { state() = State{}; }

}  // namespace qn::config
