#include "kb/program_file_rebuild.h"

#include <string>
#include <vector>

#include "config/settings.h"
#include "host/error_log.h"
#include "host/program_files.h"
#include "kb/kb_records.h"
#include "kb/model_queries.h"
#include "kb/text_utils.h"
#include "platform/cp1252.h"

namespace qn::kb {

using host::PrgKey;
using host::PrgRecord;
using host::TermValue;

namespace {

constexpr int kUseRelation = 28;
constexpr int kMenuType = 3;
constexpr int kMaxProgramNameChars = 9;  // behind the type's letter

int16_t i16(int v) { return static_cast<int16_t>(v); }

// The program-file type a type-1 object of byte 70 status goes to: 1 for
// 4, 2 for 1 and 2, none (-1) otherwise.
int type_one_kind(int status) {
  if (status == 4) return 1;
  if (status == 1 || status == 2) return 2;
  return -1;
}

// Whether the object counts as used: for type 4 byte 70 holds 2; otherwise
// an information record of an object that is not a menu refers to it with
// relation code 28.
int use_flag(int model, int stored_type, int number, int status) {
  if (stored_type == 4) return status == 2 ? 1 : 0;
  OinfRecord key, rec;
  key.model = i16(model);
  key.ref_type = i16(stored_type);
  key.ref_number = i16(number);
  for (short r = oinf(kOpReadEqual, 1, key, rec); r == kKbDone;
       r = oinf(kOpNextSameKey, 1, key, rec)) {
    if (rec.relation == kUseRelation && rec.type != kMenuType) return 1;
  }
  return 0;
}

// Letter and the first L characters of the name in upper case, L being the
// type's object name length but at most 9 (a type without a length takes 9).
std::string program_name(int model, int type, const char* name) {
  int len = object_name_length(model, type);
  if (len < 1 || len > kMaxProgramNameChars) len = kMaxProgramNameChars;
  std::string upper = platform::upper_1252(name);
  if (upper.size() > static_cast<size_t>(len)) upper.resize(static_cast<size_t>(len));
  return std::string(1, host::prg_letter(type)) + upper;
}

PrgRecord record_of(int model, int type, const ObjRecord& o) {
  PrgRecord r;
  r.type = type;
  r.number = o.number;
  r.name = program_name(model, type, o.name);
  r.description = o.text;
  r.text1 = r.name;
  str_translate(r.text1, "_", "0");
  r.flag1 = 0;
  r.flag2 = use_flag(model, o.type, o.number, o.status2);
  r.text2 = r.name;
  r.text2[0] = host::prg_second_letter(type);
  return r;
}

bool unify_list(TermValue& list, const PrgRecord& r) {
  TermValue* cell = &list;
  auto push = [&cell](auto&& fill) {
    if (!host::term_unify_functor(".", 2, *cell)) return false;
    if (!fill(cell->args[0])) return false;
    cell = &cell->args[1];
    return true;
  };
  return push([&](TermValue& v) { return host::term_unify_int(r.flag1, v); }) &&
         push([&](TermValue& v) { return host::term_unify_int(r.flag2, v); }) &&
         push([&](TermValue& v) { return host::term_unify_atom(r.text1, v); }) &&
         push([&](TermValue& v) { return host::term_unify_atom(r.text2, v); }) &&
         host::term_unify_atom("[]", *cell);
}

// The elements of a proper list of exactly n elements.
bool list_items(const TermValue& list, const TermValue* (&out)[4]) {
  const TermValue* cur = &list;
  for (const TermValue*& item : out) {
    if (!cur->is_cons()) return false;
    item = &cur->args[0];
    cur = &cur->args[1];
  }
  return cur->is_nil();
}

}  // namespace

void use_model_program_files() {
  static const bool installed = [] {
    host::set_program_file_env(
        {[](int model, std::string_view name) { return model_file_path(model, name); },
         [] { return config::get_ide_version_switch(); }});
    return true;
  }();
  (void)installed;
}

int rbldobj(int model, int type, int generator) {
  use_model_program_files();
  model = resolve_model(model);
  const bool all = type == -1;
  const int first = all ? 0 : type;
  const int last = all ? 4 : type;
  // Every file is gathered whole first and then replaced at once, so a
  // kill or a full disk never leaves one half rebuilt.
  std::vector<std::vector<PrgRecord>> records(static_cast<size_t>(last - first + 1));
  ObjRecord key, o;
  key.model = i16(model);
  key.type = i16(first == 2 ? 1 : first);
  key.number = 0;
  for (short r = obj(kOpReadGreaterEqual, 0, key, o); r == kKbDone; r = obj(kOpNext, 0, key, o)) {
    if (o.model != model) break;
    if (all ? o.type > 4 : o.type != key.type) break;
    int file_type = o.type;
    if (o.type == 1) {
      file_type = type_one_kind(o.status2);
      if (file_type < 0 || (!all && file_type != type)) continue;
    }
    records[static_cast<size_t>(file_type - first)].push_back(record_of(model, file_type, o));
  }
  for (int t = first; t <= last; ++t) {
    const short done =
        host::prg_file_rewrite(model, t, generator, records[static_cast<size_t>(t - first)]);
    if (done == host::kPrgNotFound) return 0;
    if (done != host::kPrgDone) {
      host::LogError(host::kErrIsam, "rbldobj");
      throw host::CCTreeException("Internal Error 3 in function rbldobj");
    }
  }
  return 1;
}

int prg_file_start(int model, int type, int generator) {
  use_model_program_files();
  model = resolve_model(model);
  PrgRecord none;
  host::prg_file_io(host::kPrgClose, 0, PrgKey{}, none);
  if (host::prg_file_open_read(model, type, generator)) return 1;
  if (type >= 100) return 0;
  if (!rbldobj(model, type, generator)) return 0;
  host::prg_file_io(host::kPrgClose, 0, PrgKey{}, none);
  return host::prg_file_open_read(model, type, generator);
}

int prg_file_close() {
  PrgRecord none;
  host::prg_file_io(host::kPrgClose, 0, PrgKey{}, none);
  return 1;
}

int prg_file_next(int model, int type, int mode, TermValue& number, TermValue& name,
                  TermValue& description, TermValue& list) {
  use_model_program_files();
  model = resolve_model(model);
  PrgRecord r;
  do {
    if (host::prg_file_io(host::kPrgNext, 0, PrgKey{model, type, 0, ""}, r) != host::kPrgDone)
      return 0;
  } while (mode == 1 && r.flag2 != 0);
  return host::term_unify_int(r.number, number) && host::term_unify_atom(r.name, name) &&
                 host::term_unify_atom(r.description, description) && unify_list(list, r)
             ? 1
             : 0;
}

int prg_file_write(int model, int type, int number, const TermValue& name,
                   const TermValue& description, const TermValue& list) {
  use_model_program_files();
  model = resolve_model(model);
  PrgRecord r;
  r.type = type;
  const TermValue* items[4];
  int32_t n1 = 0, n2 = 0;
  if (!host::term_get_text(name, r.name) || !host::term_get_text(description, r.description) ||
      !list_items(list, items) || !host::term_get_int(*items[0], n1) ||
      !host::term_get_int(*items[1], n2) || !host::term_get_text(*items[2], r.text1) ||
      !host::term_get_text(*items[3], r.text2) || r.text1.size() > 30 || r.text2.size() > 30) {
    return 0;
  }
  r.flag1 = n1;
  r.flag2 = n2 != 0 ? 1 : 0;
  if (number == 0) {
    PrgRecord found;
    if (host::prg_file_io(host::kPrgReadKey, host::kPrgByName,
                          PrgKey{model, type, 0, r.name.substr(0, 10)}, found) == host::kPrgDone) {
      number = found.number;
    }
  }
  r.number = number;
  return host::prg_file_io(host::kPrgUpdate, 0, PrgKey{model, type, number, ""}, r) ==
                 host::kPrgDone
             ? 1
             : 0;
}

}  // namespace qn::kb
