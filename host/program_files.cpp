#include "host/program_files.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <utility>

#include "host/dialog.h"
#include "host/error_log.h"
#include "platform/binary_file.h"
#include "platform/cp1252.h"
#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::host {

namespace {

constexpr std::string_view kLetters = "TPRMW________HXA_BOUL";
constexpr std::string_view kSecondLetters = "DFFJE________I_Z__KKK";
constexpr std::string_view kCodes[] = {"TRN", "PRO", "RPT", "MNU", "WP ", "ATT", "XF ",
                                       "TBL", "OWN", "MDL", "GRP", "DOM", "PMT", "WBP",
                                       "XPG", "APP", "XFL", "MBR", "QNP", "QNU", "QNL"};
constexpr char kInUse = '1';
constexpr char kDeleted = '*';
constexpr int kStateOffset = 73;
constexpr auto kInUseRetry = std::chrono::milliseconds(50);

ProgramFileEnv& env() {
  static ProgramFileEnv e;
  return e;
}

int version_switch() { return env().version_switch ? env().version_switch() : 0; }

std::string file_path(int model, int type, int generation) {
  const std::string name = program_file_name(model, type, generation);
  return env().file_path ? env().file_path(model, name) : name;
}

// One program file open at a time, and the highest record number in use
// with the file it was counted for.
struct Accessor {
  platform::SharedFile file;
  int model = -1, type = -1, generation = -1;
  int highest = 0;
  int counted_model = -1, counted_type = -1, counted_generation = -1;
};

// Never destroyed: a caller may still close it while the process ends.
Accessor& acc() {
  static Accessor* a = new Accessor;
  return *a;
}

std::string rtrim(std::string s) {
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.pop_back();
  return s;
}

// The leading decimal digits of a field; 0 when it does not begin with one.
int leading_number(std::string_view field) {
  int n = 0;
  for (char c : field) {
    if (c < '0' || c > '9') break;
    n = n * 10 + (c - '0');
  }
  return n;
}

void parse_record(const char* r, PrgRecord& out) {
  const std::string_view code(r, 3);
  out.type = -1;
  for (int i = 0; i < static_cast<int>(std::size(kCodes)); ++i) {
    if (kCodes[i] == code) {
      out.type = i;
      break;
    }
  }
  out.name = rtrim(std::string(r + 3, 10));
  out.description = rtrim(std::string(r + 13, 30));
  out.text1 = rtrim(std::string(r + 43, 10));
  out.flag1 = leading_number(std::string_view(r + 53, 1));
  out.flag2 = r[54] == 'Y' ? 1 : 0;
  out.text2 = rtrim(std::string(r + 59, 10));
  out.number = leading_number(std::string_view(r + 69, 4));
}

int records_in_file(platform::SharedFile& f) {
  const int64_t size = f.size();
  return size < 0 ? 0 : static_cast<int>(size / kPrgRecordSize);
}

// The last record whose state byte is not "*" (empty slots count); 0 for
// an empty file or one of deleted records only. A short last record counts
// as absent.
int count_highest(platform::SharedFile& f) {
  for (int n = records_in_file(f); n > 0; --n) {
    char state = 0;
    if (!f.seek(int64_t{n - 1} * kPrgRecordSize + kStateOffset) || f.read(&state, 1) != 1) return n;
    if (state != kDeleted) return n;
  }
  return 0;
}

void count_and_rewind(Accessor& a) {
  if (!(a.counted_model == a.model && a.counted_type == a.type &&
        a.counted_generation == a.generation && a.highest != 0)) {
    a.highest = count_highest(a.file);
    a.counted_model = a.model;
    a.counted_type = a.type;
    a.counted_generation = a.generation;
  }
  a.file.seek(0);
}

// Opens the current file as the accessor does: an existing one, or for a
// type from 100 on a new one.
void open_current(Accessor& a) {
  const std::string path = file_path(a.model, a.type, a.generation);
  a.file = OpenSharedWait(path, "r+b", 1);
  if (!a.file.is_open() && a.type >= 100) a.file = OpenSharedWait(path, "w+b", 1);
  if (a.file.is_open()) count_and_rewind(a);
}

void close_file(Accessor& a) {
  if (a.file.is_open()) a.file.close();
}

// The next record in use from the position that match accepts (given the
// record's bytes), converted into out; false at the end of the file or on
// a read error. Only the record found is converted, so a search by name
// costs little more than reading the file.
template <class Match>
bool read_in_use(platform::SharedFile& f, PrgRecord& out, Match match) {
  char r[kPrgRecordSize];
  for (;;) {
    if (f.read(r, sizeof r) != static_cast<int64_t>(sizeof r)) return false;
    if (r[kStateOffset] == kInUse && match(static_cast<const char*>(r))) {
      parse_record(r, out);
      return true;
    }
  }
}

bool read_in_use(platform::SharedFile& f, PrgRecord& out) {
  return read_in_use(f, out, [](const char*) { return true; });
}

// The program name of a record's bytes, without its trailing blanks and tabs.
std::string_view raw_name(const char* r) {
  std::string_view name(r + 3, 10);
  while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.remove_suffix(1);
  return name;
}

[[noreturn]] void internal_error(short code, std::string_view where) {
  LogError(code, where);
  throw CCTreeException("Internal Error " + std::to_string(code) + " in function " +
                        std::string(where));
}

void check_position(int n) {
  if (n < 1) internal_error(kErrIsam, "pos_at");
}

std::string empty_slot() {
  std::string s(kPrgRecordSize - 2, ' ');
  return s + "\r\n";
}

short write_record(Accessor& a, PrgRecord& record) {
  if (record.number == 0) record.number = a.highest + 1;
  check_position(record.number);
  if (record.number > kPrgMaxRecord || record.flag1 < 0 || record.flag1 > 9) return kPrgWriteFailed;
  // Slots between the end of the file and the record are written empty, so
  // the file never holds a gap of undefined bytes.
  const int present = records_in_file(a.file);
  if (record.number - 1 > present) {
    std::string slots;
    for (int n = present + 1; n < record.number; ++n) slots += empty_slot();
    if (!a.file.seek(int64_t{present} * kPrgRecordSize) ||
        !a.file.write(slots.data(), slots.size())) {
      return kPrgWriteFailed;
    }
  }
  const std::string text = format_prg_record(record);
  if (!a.file.seek(int64_t{record.number - 1} * kPrgRecordSize) ||
      !a.file.write(text.data(), text.size())) {
    return kPrgWriteFailed;
  }
  if (record.number > a.highest) a.highest = record.number;
  return kPrgDone;
}

short delete_record(Accessor& a, int number) {
  if (a.highest == 0) return kPrgDone;
  check_position(number);
  // A record behind the end of the file is not there to be deleted.
  if (number > records_in_file(a.file)) return kPrgDone;
  const char state = kDeleted;
  if (!a.file.seek(int64_t{number - 1} * kPrgRecordSize + kStateOffset) ||
      !a.file.write(&state, 1)) {
    return kPrgWriteFailed;
  }
  if (number == a.highest) --a.highest;
  return kPrgDone;
}

short read_by_number(Accessor& a, int number, PrgRecord& out) {
  check_position(number);
  // Reading never writes: a record behind the end of the file is not found.
  if (number > records_in_file(a.file)) return kPrgNotFound;
  char r[kPrgRecordSize];
  if (!a.file.seek(int64_t{number - 1} * kPrgRecordSize) ||
      a.file.read(r, sizeof r) != kPrgRecordSize) {
    return kPrgNotFound;
  }
  if (r[kStateOffset] != kInUse || leading_number(std::string_view(r + 69, 4)) != number)
    return kPrgNotFound;
  parse_record(r, out);
  return kPrgDone;
}

// The first record in use from the position that matches.
template <class Match>
short find_record(platform::SharedFile& f, PrgRecord& out, Match match) {
  return read_in_use(f, out, match) ? kPrgDone : kPrgNotFound;
}

}  // namespace

void set_program_file_env(ProgramFileEnv e) { env() = std::move(e); }

int prg_type_index(int type) {
  const int index = type < 100 ? type : type - 82;
  return index >= 0 && index <= 20 ? index : -1;
}

char prg_letter(int type) {
  const int i = prg_type_index(type);
  return i < 0 ? '?' : kLetters[static_cast<size_t>(i)];
}

char prg_second_letter(int type) {
  const int i = prg_type_index(type);
  return i < 0 ? '?' : kSecondLetters[static_cast<size_t>(i)];
}

std::string_view prg_record_code(int type) {
  const int i = prg_type_index(type);
  return i < 0 ? std::string_view("???") : kCodes[i];
}

std::string program_file_name(int model, int type, int generation) {
  char buf[64];
  if (generation > 0) {
    std::snprintf(buf, sizeof buf, "QN%cPRG%02d.%03d", prg_letter(type), generation, model);
  } else {
    std::snprintf(buf, sizeof buf, "QN%cPRGS.%03d", prg_letter(type), model);
  }
  return buf;
}

std::string format_prg_record(const PrgRecord& r) {
  // A text holding a NUL ends there, as the fixed-width format reads it.
  auto c = [](const std::string& s) { return std::string(s.c_str()); };
  char buf[kPrgRecordSize + 64];
  std::snprintf(buf, sizeof buf, "%-3.3s%-10.10s%-30.30s%-10.10s%01d%c%-4s%-10.10s%04d%c\r\n",
                std::string(prg_record_code(r.type)).c_str(), c(r.name).c_str(),
                c(r.description).c_str(), c(r.text1).c_str(), r.flag1, r.flag2 ? 'Y' : 'N', "",
                c(r.text2).c_str(), r.number, kInUse);
  return buf;
}

platform::SharedFile OpenSharedWait(std::string_view path, std::string_view mode, int wait) {
  const bool create = mode.empty() || mode[0] != 'r';
  const std::string fs_path = platform::map_path(path);
  platform::SharedFile f;
  bool shown = false;
  while (f.open(fs_path, create) == platform::SharedFile::State::kInUse && wait != 0) {
    if (!shown) {
      show_status("File " + std::string(path) + " is in use by another. Please wait...");
      shown = true;
    }
    std::this_thread::sleep_for(kInUseRetry);
  }
  if (shown) clear_status();
  return f;
}

// Closes the accessor's open of a file about to be emptied or replaced (its
// lock would keep the change waiting for ever) and forgets its count.
void release_for_change(int model, int type, int g) {
  Accessor& a = acc();
  if (a.model == model && a.type == type && a.generation == g) close_file(a);
  if (a.counted_model == model && a.counted_type == type && a.counted_generation == g) {
    a.counted_model = a.counted_type = a.counted_generation = -1;
    a.highest = 0;
  }
}

short prg_file_rewrite(int model, int type, int generation, std::vector<PrgRecord>& records) {
  const int g = version_switch() != 0 ? generation : 0;
  const std::string path = file_path(model, type, g);
  release_for_change(model, type, g);
  std::string content;
  int highest = 0;
  for (PrgRecord& r : records) {
    if (r.number == 0) r.number = highest + 1;
    check_position(r.number);
    if (r.number > kPrgMaxRecord || r.flag1 < 0 || r.flag1 > 9) return kPrgWriteFailed;
    const size_t at = static_cast<size_t>(r.number - 1) * kPrgRecordSize;
    while (content.size() < at) content += empty_slot();
    content.replace(at, kPrgRecordSize, format_prg_record(r));
    if (r.number > highest) highest = r.number;
  }
  // Replaced under the lock of the former file, so another program that
  // holds it is waited for; a missing file has no lock to take.
  platform::SharedFile former = OpenSharedWait(path, "r+b", 1);
  return platform::write_file_atomically(platform::map_path(path), content) ? kPrgDone
                                                                            : kPrgNotFound;
}

int prg_file_create(int model, int type, int generation) {
  const int g = version_switch() != 0 ? generation : 0;
  const std::string path = file_path(model, type, g);
  release_for_change(model, type, g);
  // Emptied under the lock, so a file another program holds is waited for
  // rather than pulled away from it; deleted first only when it cannot be
  // opened (a read-only file, say). A directory is never removed.
  platform::SharedFile f = OpenSharedWait(path, "w+b", 1);
  if (f.state() == platform::SharedFile::State::kClosed) {
    platform::remove_file(platform::map_path(path));
    f = OpenSharedWait(path, "w+b", 1);
  }
  const bool opened = f.is_open();
  f.close();
  return opened ? 1 : 0;
}

int prg_file_open_read(int model, int type, int generation) {
  Accessor& a = acc();
  const int g = version_switch() != 0 ? generation : 0;
  if (model != a.model || type != a.type || g != a.generation) {
    if (a.model != -1) close_file(a);
    a.model = model;
    a.type = type;
    a.generation = g;
  }
  if (a.file.is_open()) return 1;
  open_current(a);
  return a.file.is_open() ? 1 : 0;
}

short prg_file_io(short op, short mode, const PrgKey& key, PrgRecord& record) {
  Accessor& a = acc();
  if (op == kPrgClose) {
    close_file(a);
    return kPrgDone;
  }
  const int g = version_switch() != 0 ? a.generation : 0;
  if (key.model != a.model || key.type != a.type || g != a.generation) {
    close_file(a);
    a.model = key.model;
    a.type = key.type;
    a.generation = g;
  }
  if (!a.file.is_open()) open_current(a);
  if (!a.file.is_open()) return kPrgNotFound;
  switch (op) {
    case kPrgAdd:
    case kPrgUpdate:
      return write_record(a, record);
    case kPrgDelete:
      return delete_record(a, record.number);
    case kPrgReadKey:
      if (mode == kPrgByNumber) return read_by_number(a, key.number, record);
      if (mode == kPrgByName) {
        a.file.seek(0);
        return find_record(a.file, record, [&](const char* r) {
          return platform::iequals_1252(raw_name(r), key.name);
        });
      }
      return kPrgNotFound;
    case kPrgReadAtOrAfter:
      if (mode == kPrgByNumber) {
        check_position(key.number < 1 ? 1 : key.number);
        a.file.seek(key.number < 1 ? 0 : int64_t{key.number - 1} * kPrgRecordSize);
        return find_record(a.file, record, [&](const char* r) {
          return leading_number(std::string_view(r + 69, 4)) >= key.number;
        });
      }
      if (mode == kPrgByName) {
        a.file.seek(0);
        return find_record(a.file, record, [&](const char* r) {
          return platform::icompare_1252(raw_name(r), key.name) >= 0;
        });
      }
      // Any other mode reads to the end of the file.
      a.file.seek(a.file.size());
      return kPrgNotFound;
    case kPrgNoop:
      return kPrgDone;
    case kPrgNext:
      return read_in_use(a.file, record) ? kPrgDone : kPrgNotFound;
    case kPrgRefused:
      internal_error(kErrInternal, "qnprg");
    default:
      return kPrgDone;
  }
}

void reset_program_files() {
  Accessor& a = acc();
  a.file.close();
  a = Accessor();
}

}  // namespace qn::host
