#include "platform/isam/writer/kb_writer.h"

#include <sqlite3.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "platform/find_files.h"
#include "platform/isam/kb_codec.h"
#include "platform/isam/pefiles.h"

namespace qn::isam {
namespace {

namespace fs = std::filesystem;

constexpr const char* kDatabaseName = "knowledge.db";

bool parse_int(std::string_view s, int64_t lo, int64_t hi, int64_t& out) {
  if (s.empty()) return false;
  int64_t v = 0;
  auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (ec != std::errc() || p != s.data() + s.size() || v < lo || v > hi) return false;
  out = v;
  return true;
}

std::string range_reason(const FieldDef& f, int64_t lo, int64_t hi) {
  return "value of '" + std::string(f.name) + "' is not a number in " + std::to_string(lo) + ".." +
         std::to_string(hi);
}

bool has_control(std::string_view s) {
  for (unsigned char c : s)
    if (c < 0x20 || c == 0x7F) return true;
  return false;
}

std::string without_line_feeds(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (c == '\n') c = ' ';
  }
  return out;
}

// Extended decimals hold 16-bit numbers in memory: the form could go higher,
// the readers could not.
int64_t ext_max(int width) {
  int64_t base = 1, high = 192;
  for (int i = 0; i < width; ++i) base *= 10;
  for (int i = 1; i < width; ++i) high *= 256;
  return std::min<int64_t>(base + high - 1, 32767);
}

// Line texts may hold line feeds.
bool encode_field(const FieldDef& f, std::string_view value, uint8_t* image, std::string& reason,
                  bool lines = false) {
  uint8_t* p = image + f.offset;
  int64_t v = 0;
  auto number = [&](int64_t lo, int64_t hi) {
    if (parse_int(value, lo, hi, v)) return true;
    reason = range_reason(f, lo, hi);
    return false;
  };
  auto text = [&](size_t max) {
    if (value.size() > max) {
      reason = "text of '" + std::string(f.name) + "' is longer than " + std::to_string(max) +
               " characters";
      return false;
    }
    if (has_control(lines ? std::string_view(without_line_feeds(value)) : value)) {
      reason = "text of '" + std::string(f.name) + "' holds a control character";
      return false;
    }
    return true;
  };
  switch (f.form) {
    case FieldForm::kDecimal: {
      int64_t hi = 1;
      for (int i = 0; i < f.width; ++i) hi *= 10;
      if (!number(0, hi - 1)) return false;
      put_decimal(p, f.width, static_cast<int>(v));
      return true;
    }
    case FieldForm::kName:
      if (!text(f.width)) return false;
      put_name(p, f.width, value);
      return true;
    case FieldForm::kNulText:
    case FieldForm::kCText:
      if (!text(f.width)) return false;
      put_nul_text(p, f.width, value);
      return true;
    case FieldForm::kByte:
      if (!number(0, 255)) return false;
      *p = static_cast<uint8_t>(v);
      return true;
    case FieldForm::kChar:
      if (value.size() == 1 && (value[0] < '0' || value[0] > '9')) {
        *p = static_cast<uint8_t>(value[0]);
        return true;
      }
      if (!number(0, 255)) {
        reason = "value of '" + std::string(f.name) + "' is not one character or a code 0..255";
        return false;
      }
      *p = static_cast<uint8_t>(v);
      return true;
    case FieldForm::kBin16:
      if (!number(-32768, 32767)) return false;
      put_bin16(p, static_cast<int>(v));
      return true;
    case FieldForm::kBin32:
      if (!number(INT32_MIN, INT32_MAX)) return false;
      put_bin32(p, static_cast<uint32_t>(v));
      return true;
    case FieldForm::kUBin32:
      if (!number(0, UINT32_MAX)) return false;
      put_bin32(p, static_cast<uint32_t>(v));
      return true;
    case FieldForm::kExtDecimal:
      if (!number(0, ext_max(f.width))) return false;
      put_ext_decimal(p, f.width, v);
      return true;
    case FieldForm::kExtLength:
      if (!number(-32768, 9999)) return false;
      put_ext_length(p, static_cast<int>(v));
      return true;
  }
  return false;
}

// The value of a field as the description writes it.
std::string decode_field(const FieldDef& f, const uint8_t* image, bool& ok) {
  const uint8_t* p = image + f.offset;
  ok = true;
  switch (f.form) {
    case FieldForm::kDecimal: {
      int16_t v;
      ok = get_decimal(p, f.width, v);
      return std::to_string(v);
    }
    case FieldForm::kName:
      return get_name(p, f.width);
    case FieldForm::kNulText:
    case FieldForm::kCText:
      return get_nul_text(p, f.width);
    case FieldForm::kByte:
      return std::to_string(*p);
    case FieldForm::kChar:
      if (*p > 0x20 && *p < 0x7F && (*p < '0' || *p > '9') && *p != '"')
        return std::string(1, static_cast<char>(*p));
      return std::to_string(*p);
    case FieldForm::kBin16:
      return std::to_string(get_bin16(p));
    case FieldForm::kBin32:
      return std::to_string(get_bin32(p));
    case FieldForm::kUBin32:
      return std::to_string(get_ubin32(p));
    case FieldForm::kExtDecimal: {
      int64_t v = 0;
      ok = get_ext_decimal(p, f.width, v);
      return std::to_string(v);
    }
    case FieldForm::kExtLength: {
      int16_t v = 0;
      ok = get_ext_length(p, v);
      return std::to_string(v);
    }
  }
  ok = false;
  return {};
}

bool is_default(const FieldDef& f, const std::string& value) {
  switch (f.form) {
    case FieldForm::kName:
    case FieldForm::kNulText:
    case FieldForm::kCText:
      return value.empty();
    default:
      return value == "0";
  }
}

// Object texts are lines: a description writes their line feeds as \n.
bool is_line_text(const FamilyDef& fam, const FieldDef& f) {
  return std::string_view(fam.name) == "oinf" && std::string_view(f.name) == "text";
}

std::string lines_from_escapes(const std::string& value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '\\' && i + 1 < value.size() && value[i + 1] == 'n') {
      out += '\n';
      ++i;
    } else {
      out += value[i];
    }
  }
  return out;
}

std::string escapes_from_lines(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c == '\n')
      out += "\\n";
    else
      out += c;
  }
  return out;
}

std::string quote(const std::string& value) {
  bool plain = !value.empty() && value.find_first_of(" \t\"") == std::string::npos;
  if (plain) return value;
  std::string q = "\"";
  for (char c : value) {
    if (c == '"') q += '"';
    q += c;
  }
  return q + "\"";
}

// Splits one line into its family name and field=value pairs.
bool split_line(std::string_view line, std::string& family,
                std::vector<std::pair<std::string, std::string>>& fields, std::string& reason) {
  size_t i = 0;
  auto skip_blanks = [&] {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
  };
  skip_blanks();
  size_t start = i;
  while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
  family = std::string(line.substr(start, i - start));
  for (;;) {
    skip_blanks();
    if (i >= line.size()) return true;
    start = i;
    while (i < line.size() && line[i] != '=' && line[i] != ' ' && line[i] != '\t') ++i;
    std::string name(line.substr(start, i - start));
    if (i >= line.size() || line[i] != '=') {
      reason = "'" + name + "' has no '=' and value";
      return false;
    }
    ++i;
    std::string value;
    if (i < line.size() && line[i] == '"') {
      ++i;
      for (;;) {
        if (i >= line.size()) {
          reason = "the quoted value of '" + name + "' has no closing quote";
          return false;
        }
        if (line[i] == '"') {
          if (i + 1 < line.size() && line[i + 1] == '"') {
            value += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        value += line[i++];
      }
      if (i < line.size() && line[i] != ' ' && line[i] != '\t') {
        reason = "blank expected behind the quoted value of '" + name + "'";
        return false;
      }
    } else {
      start = i;
      while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
      value = std::string(line.substr(start, i - start));
    }
    fields.emplace_back(std::move(name), std::move(value));
  }
}

bool sql_ok(int rc, sqlite3* db, std::string& error) {
  if (rc == SQLITE_OK || rc == SQLITE_DONE || rc == SQLITE_ROW) return true;
  error = std::string("database: ") + (db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
  return false;
}

bool exec(sqlite3* db, const std::string& sql, std::string& error) {
  return sql_ok(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), db, error);
}

bool write_database(const std::string& path, const std::vector<KbRecord>& records,
                    std::string& error) {
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  bool ok = sql_ok(rc, db, error);
  ok = ok && exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN", error);
  ok = ok &&
       exec(db,
            "CREATE TABLE kb_version(version INTEGER NOT NULL); INSERT INTO kb_version VALUES(" +
                std::to_string(kKbLayoutVersion) + ")",
            error);
  for (const FamilyDef& fam : kb_families()) {
    if (!ok) break;
    std::string cols = "rec BLOB NOT NULL";
    std::string names = "rec";
    std::string params = "?";
    std::string indexes;
    for (const KeyDef& k : kb_keys()) {
      if (k.data_file != fam.data_file) continue;
      std::string col = "k" + std::to_string(k.key_file);
      cols += ", " + col + " BLOB NOT NULL";
      names += ", " + col;
      params += ", ?";
      indexes += std::string("CREATE ") + (k.duplicates ? "" : "UNIQUE ") + "INDEX " + fam.name +
                 "_" + col + " ON " + fam.name + "(" + col + ");";
    }
    ok = exec(db, std::string("CREATE TABLE ") + fam.name + "(" + cols + ");" + indexes, error);
    if (!ok) break;
    sqlite3_stmt* st = nullptr;
    ok = sql_ok(sqlite3_prepare_v2(db,
                                   (std::string("INSERT INTO ") + fam.name + "(" + names +
                                    ") VALUES(" + params + ")")
                                       .c_str(),
                                   -1, &st, nullptr),
                db, error);
    for (const KbRecord& r : records) {
      if (!ok) break;
      if (r.family != &fam) continue;
      sqlite3_bind_blob(st, 1, r.image.data(), static_cast<int>(r.image.size()), SQLITE_TRANSIENT);
      int col = 2;
      for (const KeyDef& k : kb_keys()) {
        if (k.data_file != fam.data_file) continue;
        uint8_t key[64];
        int n = build_key(k, r.image.data(), key);
        sqlite3_bind_blob(st, col++, key, n, SQLITE_TRANSIENT);
      }
      ok = sql_ok(sqlite3_step(st), db, error);
      if (!ok && r.line) error = "line " + std::to_string(r.line) + ": " + error;
      sqlite3_reset(st);
    }
    sqlite3_finalize(st);
  }
  ok = ok && exec(db, "COMMIT", error);
  rc = sqlite3_close(db);
  return ok && sql_ok(rc, nullptr, error);
}

bool write_text_file(const std::string& path, const std::string& text) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  out.close();
  return static_cast<bool>(out);
}

}  // namespace

bool make_record(std::string_view family,
                 const std::vector<std::pair<std::string, std::string>>& fields, KbRecord& out,
                 std::string& reason) {
  const FamilyDef* fam = family_by_name(family);
  if (!fam) {
    reason = "unknown record family '" + std::string(family) + "'";
    return false;
  }
  out.family = fam;
  out.image.assign(fam->record_length, 0);
  // Unnamed fields: 0 or blank.
  for (const FieldDef& f : fam->fields) {
    std::string unused;
    encode_field(
        f,
        f.form == FieldForm::kName || f.form == FieldForm::kNulText || f.form == FieldForm::kCText
            ? ""
            : "0",
        out.image.data(), unused);
  }
  std::vector<const FieldDef*> seen;
  for (const auto& [name, value] : fields) {
    const FieldDef* f = field_by_name(*fam, name);
    if (!f) {
      reason = "'" + name + "' is not a field of " + fam->name;
      return false;
    }
    for (const FieldDef* s : seen)
      if (s == f) {
        reason = "field '" + name + "' is given twice";
        return false;
      }
    seen.push_back(f);
    const bool lines = is_line_text(*fam, *f);
    if (!encode_field(*f, lines ? lines_from_escapes(value) : value, out.image.data(), reason,
                      lines)) {
      return false;
    }
  }
  // Object type 2 shares the records of type 1.
  const std::string_view fname(fam->name);
  const uint8_t* type = out.image.data() + 3;
  if (((fname == "obj" || fname == "qnio") && get_bin16(type) == 2) ||
      (fname == "ocls" && std::memcmp(out.image.data() + 4, "002", 3) == 0)) {
    reason = std::string("type 2 is stored as type 1 in ") + fam->name + " records";
    return false;
  }
  return true;
}

bool parse_description(std::string_view text, std::vector<KbRecord>& out, int& error_line,
                       std::string& reason) {
  std::vector<KbRecord> records;
  // Unique key of each record, to report a repeated one by its lines.
  std::map<std::pair<const FamilyDef*, std::string>, int> unique_keys;
  int line_no = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++line_no;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string_view::npos || line[first] == '#') {
      if (end == text.size()) break;
      continue;
    }
    std::string family;
    std::vector<std::pair<std::string, std::string>> fields;
    KbRecord rec;
    if (!split_line(line, family, fields, reason) || !make_record(family, fields, rec, reason)) {
      error_line = line_no;
      return false;
    }
    rec.line = line_no;
    uint8_t key[64];
    int n = build_key(*key_by_file(rec.family->unique_key), rec.image.data(), key);
    auto [it, inserted] = unique_keys.emplace(
        std::make_pair(rec.family, std::string(reinterpret_cast<char*>(key), n)), line_no);
    if (!inserted) {
      error_line = line_no;
      reason = std::string("the key of this ") + rec.family->name + " record repeats line " +
               std::to_string(it->second);
      return false;
    }
    records.push_back(std::move(rec));
    if (end == text.size()) break;
  }
  out.insert(out.end(), records.begin(), records.end());
  return true;
}

bool write_knowledge_base(const std::string& dir, const std::vector<KbRecord>& records,
                          std::string& error) {
  std::error_code ec;
  if (!fs::is_directory(dir, ec)) {
    error = "no such folder: " + dir;
    return false;
  }
  const fs::path folder(dir);
  const fs::path db_tmp = folder / (std::string(kDatabaseName) + ".tmp");
  const fs::path pe_tmp = folder / "PEFILES.tmp";
  fs::remove(db_tmp, ec);
  bool ok = write_database(db_tmp.string(), records, error);
  if (ok && !write_text_file(pe_tmp.string(), param_file_text(kDatabaseName))) {
    error = "cannot write " + pe_tmp.string();
    ok = false;
  }
  if (ok) {
    fs::rename(db_tmp, folder / kDatabaseName, ec);
    if (!ec) fs::rename(pe_tmp, folder / "PEFILES", ec);
    if (ec) {
      error = "cannot put the knowledge base in place: " + ec.message();
      ok = false;
    }
  }
  if (!ok) {
    fs::remove(db_tmp, ec);
    fs::remove(pe_tmp, ec);
  }
  return ok;
}

bool dump_knowledge_base(const std::string& dir, std::string& out, std::string& error) {
  ParamFile param;
  const std::string pe = (fs::path(dir) / "PEFILES").string();
  if (read_param_file(pe, param) != ParamStatus::kOk) {
    error = "no readable PEFILES naming a database in " + dir;
    return false;
  }
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(param.database_path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  bool ok = sql_ok(rc, db, error);
  std::ostringstream text;
  for (const FamilyDef& fam : kb_families()) {
    if (!ok) break;
    sqlite3_stmt* st = nullptr;
    ok = sql_ok(sqlite3_prepare_v2(
                    db, (std::string("SELECT rec FROM ") + fam.name + " ORDER BY rowid").c_str(),
                    -1, &st, nullptr),
                db, error);
    int row = 0;
    while (ok && (rc = sqlite3_step(st)) == SQLITE_ROW) {
      ++row;
      const auto* image = static_cast<const uint8_t*>(sqlite3_column_blob(st, 0));
      if (sqlite3_column_bytes(st, 0) != fam.record_length) {
        error = std::string(fam.name) + " record " + std::to_string(row) + " has the wrong length";
        ok = false;
        break;
      }
      text << fam.name;
      for (const FieldDef& f : fam.fields) {
        bool field_ok = true;
        std::string value = decode_field(f, image, field_ok);
        if (is_line_text(fam, f)) value = escapes_from_lines(value);
        if (!field_ok || has_control(value)) {
          error = std::string(fam.name) + " record " + std::to_string(row) + ": field '" + f.name +
                  "' cannot be written as a description";
          ok = false;
          break;
        }
        if (!is_default(f, value)) text << ' ' << f.name << '=' << quote(value);
      }
      text << '\n';
    }
    if (ok && rc != SQLITE_DONE) ok = sql_ok(rc, db, error);
    sqlite3_finalize(st);
  }
  sqlite3_close(db);
  if (ok) out = text.str();
  return ok;
}

KbBuilder& KbBuilder::add(std::string_view family,
                          std::initializer_list<std::pair<std::string, std::string>> fields) {
  return add(family, std::vector<std::pair<std::string, std::string>>(fields));
}

KbBuilder& KbBuilder::add(std::string_view family,
                          const std::vector<std::pair<std::string, std::string>>& fields) {
  KbRecord rec;
  std::string reason;
  if (!make_record(family, fields, rec, reason)) throw std::invalid_argument(reason);
  records_.push_back(std::move(rec));
  return *this;
}

KbBuilder& KbBuilder::add_description(std::string_view text) {
  int line = 0;
  std::string reason;
  if (!parse_description(text, records_, line, reason))
    throw std::invalid_argument("line " + std::to_string(line) + ": " + reason);
  return *this;
}

void KbBuilder::write(const std::string& dir) const {
  std::string error;
  if (!write_knowledge_base(dir, records_, error)) throw std::runtime_error(error);
}

namespace {

// A message as a terminal may show it: control bytes (and the C1 range,
// which some terminals obey) become \xNN.
std::string printable(std::string_view text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || (u >= 0x80 && u <= 0x9F)) {
      out += "\\x";
      out.push_back(hex[u >> 4]);
      out.push_back(hex[u & 15]);
    } else {
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace

int run_kbtool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    out << "usage: kbtool build DESCRIPTION DIR\n       kbtool dump DIR\n"
           "  build DESCRIPTION DIR  writes the knowledge base of a text description into DIR\n"
           "                         (PEFILES and its database), the model folder qngen reads\n"
           "  dump DIR               prints the knowledge base of DIR as a description\n"
           "Exit status: 0 done, 1 a file could not be read or written or a description is\n"
           "wrong (the message names its line), 2 a wrong command line.\n";
    return 0;
  }
  if (args.size() == 3 && args[0] == "build") {
    // A folder or an unreadable file is refused: read as empty, it would
    // replace a knowledge base with an empty one.
    std::string text;
    if (!platform::read_whole_file(args[1], text)) {
      err << "kbtool: cannot read " << printable(args[1]) << ": " << platform::last_error_text()
          << "\n";
      return 1;
    }
    std::vector<KbRecord> records;
    int line = 0;
    std::string reason;
    if (!parse_description(text, records, line, reason)) {
      err << printable(args[1]) << ":" << line << ": " << printable(reason) << "\n";
      return 1;
    }
    std::error_code ec;
    fs::create_directories(args[2], ec);
    if (!write_knowledge_base(args[2], records, reason)) {
      err << "kbtool: " << printable(reason) << "\n";
      return 1;
    }
    return 0;
  }
  if (args.size() == 2 && args[0] == "dump") {
    std::string text, error;
    if (!dump_knowledge_base(args[1], text, error)) {
      err << "kbtool: " << printable(error) << "\n";
      return 1;
    }
    out << text;
    return 0;
  }
  err << "usage: kbtool build DESCRIPTION DIR\n       kbtool dump DIR\n";
  return 2;
}

}  // namespace qn::isam
