#include "kb/model_queries.h"

#include <cstdint>
#include <cstdio>

#include "host/error_log.h"
#include "host/run_state.h"
#include "platform/cp1252.h"
#include "platform/find_files.h"
#include "platform/path.h"

namespace qn::kb {
namespace {

constexpr std::size_t kMaxDirName = 35;  // characters of a name put behind a prefix
constexpr int kEmptyCache = 0xFFFF;      // model 65535 (-1) empties the cache

enum DirMode { kDirHere = 0, kDirParent = 1, kDirUnknown = 2 };

MdlRecord g_cache;  // model 0: none
int g_block_size = 1;
int g_current_model = 0;
int g_dir_mode = kDirUnknown;
std::string g_model_prefix;
std::string g_app_prefix;
std::string g_entry_text;

std::string format_number(const char* fmt, int value) {
  char buf[32];
  std::snprintf(buf, sizeof buf, fmt, value);
  return buf;
}

bool is_letter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool is_relative(std::string_view path) {
  if (!path.empty() && platform::is_separator(path[0])) return false;
  return !(path.size() >= 2 && path[1] == ':' && is_letter(path[0]));
}

// Reads the record of model (model numbers from 1000 on are extended
// decimals in the record, so every number below 32768 has its own key).
bool read_model(int model, MdlRecord& out) {
  if (model < 0 || model > 32767) return false;
  MdlRecord key;
  key.model = static_cast<int16_t>(model);
  return mdl(kMdlDataFile, kOpReadEqual, 0, key, out) == kKbDone && out.model == model;
}

// The numbers of the models of the knowledge base: "1, 2, 6". The model
// records are read by number only, so every number is asked (an error path:
// a few milliseconds over the set in memory).
std::string models_held() {
  std::string out;
  MdlRecord rec;
  for (int model = 1; model <= 32767; ++model) {
    if (!read_model(model, rec)) continue;
    if (!out.empty()) out += ", ";
    out += std::to_string(model);
  }
  return out;
}

}  // namespace

const MdlRecord& mdl_info(int model) {
  const int number = model & 0xFFFF;
  if (number == 0 || number == g_cache.model) return g_cache;
  if (number == kEmptyCache) {
    g_cache = MdlRecord{};
    return g_cache;
  }
  MdlRecord rec;
  if (!read_model(model, rec)) {
    const std::string holds = models_held();  // before LogError closes the set
    try {
      host::LogError(host::kErrIsam, "mdl_info");
    } catch (const host::CCTreeException& e) {
      throw host::CCTreeException(
          e.text() + "\nModel " + std::to_string(number) + " is not in the knowledge base" +
          (holds.empty() ? std::string(", which holds no model: build it anew with kbtool build.")
                         : ", which holds " + std::string(holds.find(',') == std::string::npos
                                                              ? "model "
                                                              : "models ") +
                               holds + ": give one of them as MODEL."));
    }
    // LogError returns only while another report is in progress.
    throw host::CCTreeException("Internal Error 3 in function mdl_info");
  }
  g_cache = rec;
  set_model_dirs(g_cache.path, g_cache.model);
  return g_cache;
}

void set_model_dirs(std::string_view path, int model) {
  if (g_dir_mode == kDirUnknown) {
    g_dir_mode = platform::file_exists(platform::map_path("model.dat")) ? kDirHere : kDirParent;
  }
  g_model_prefix.clear();
  if (g_dir_mode == kDirParent && is_relative(path)) g_model_prefix = "..\\";
  g_model_prefix.append(path);
  if (!g_model_prefix.empty() && !platform::is_separator(g_model_prefix.back()))
    g_model_prefix += '\\';
  g_app_prefix = g_dir_mode == kDirParent ? "..\\" : "";
  g_app_prefix += format_number("QNAPP%03d\\", model);
}

std::string in_model_dir(std::string_view name) {
  return g_model_prefix + std::string(name.substr(0, kMaxDirName));
}

std::string in_app_dir(std::string_view name) {
  return g_app_prefix + std::string(name.substr(0, kMaxDirName));
}

void make_dir_path(std::string& out, std::string_view name, bool in_model) {
  out = in_model ? in_model_dir(name) : in_app_dir(name);
}

std::string get_model_dir(int model) {
  if (model < 3 * g_block_size) return mdl_info(model).path;
  return format_number("QN%03d", model);
}

std::string model_file_path(int model, std::string_view name) {
  if (model < 3 * g_block_size) return in_model_dir(name);
  return format_number("QN%03d", model) + "\\" + std::string(name);
}

int next_model_entry(int& model, int& offset) {
  offset = g_block_size;
  if (g_current_model < g_block_size) {
    const int companion = g_current_model + g_block_size;
    MdlRecord rec;
    if (read_model(companion, rec)) {
      char text[64];
      std::snprintf(text, sizeof text, "%3d %-30.30s", companion, rec.name);
      g_entry_text = text;
      mdl_info(companion);
      g_current_model = companion;
      model = companion;
      return 0;
    }
    model = g_current_model;
    return 1;
  }
  model = g_current_model;
  return 0;
}

const std::string& model_entry_text() { return g_entry_text; }

int set_current_model(int model) {
  g_current_model = model;
  return 0;
}

int current_model() { return g_current_model; }

void set_model_block_size(int size) { g_block_size = size; }

int model_block_size() { return g_block_size; }

std::string mdl_info_path(int model) { return mdl_info(model).path; }

int resolve_model(int model) { return model == 0 ? mdl_info(0).model : model; }

// --- objects ---------------------------------------------------------------

namespace {

int16_t stored_type(int type) { return static_cast<int16_t>(type == 2 ? 1 : type); }

ObjRecord object_key(int model, int type, int number) {
  ObjRecord key;
  key.model = static_cast<int16_t>(model);
  key.type = static_cast<int16_t>(type);
  key.number = static_cast<int16_t>(number);
  return key;
}

void copy_text(char* out, const char* text) { std::snprintf(out, kNameSize, "%s", text); }

}  // namespace

short read_object(short op, short mode, const ObjRecord& key, ExtObject& out) {
  ObjRecord rec;
  const short result = obj(op, mode, key, rec);
  if (result != kKbDone) return result;
  out = ExtObject{};
  out.model = rec.model;
  out.type = rec.type;
  out.number = rec.number;
  copy_text(out.name, rec.name);
  copy_text(out.description, rec.text);
  out.status1 = rec.status1;
  out.status2 = rec.status2;
  if (rec.group != 0) {
    ObjRecord group;
    if (obj(kOpReadEqual, 0, object_key(rec.model, 8, rec.group), group) == kKbDone)
      copy_text(out.group_name, group.name);
    ObjRecord again;
    if (obj(kOpReadEqual, 0, object_key(rec.model, rec.type, rec.number), again) != kKbDone) {
      host::LogError(host::kErrIsam, "repos_obj");
      throw host::CCTreeException("Internal Error 3 in function repos_obj");
    }
  }
  return kKbDone;
}

uint32_t object_time(int model, int type, int number, int kind) {
  QnioRecord key, rec;
  key.model = static_cast<int16_t>(model);
  key.type = stored_type(type);
  key.number = static_cast<int16_t>(number);
  key.kind = static_cast<uint8_t>(kind);
  return qnio(0, kOpReadEqual, 0, key, rec) == kKbDone ? rec.time : 0;
}

const ExtObject* object_with_times(int model, int type, int number) {
  static ExtObject object;
  if (read_object(kOpReadEqual, 0, object_key(model, type, number), object) != kKbDone)
    return nullptr;
  object.time1 = object_time(model, type, number, 1);
  object.time2 = object_time(model, type, number, 2);
  return &object;
}

int find_next_object(int model, int type, int number) {
  ObjRecord rec;
  if (obj(kOpReadGreaterEqual, 0, object_key(model, type, number), rec) != kKbDone) return 0;
  if (rec.model != model || rec.type != stored_type(type)) return 0;
  return rec.number;
}

int get_object_info(int model, int type, int number, host::TermValue& name, host::TermValue& group,
                    host::TermValue& description) {
  model = resolve_model(model);
  if (model == 0) return 0;
  ExtObject object;
  if (read_object(kOpReadEqual, 0, object_key(model, type, number), object) != kKbDone) return 0;
  std::string cut = object.name;
  OclsRecord ckey, cls;
  ckey.model = static_cast<int16_t>(model);
  ckey.type = static_cast<int16_t>(type);
  if (ocls(kOpReadEqual, 0, ckey, cls) == kKbDone && cls.name_len >= 1 &&
      cut.size() > cls.name_len) {
    cut.resize(cls.name_len);
  }
  return host::term_unify_atom(cut, name) && host::term_unify_atom(object.group_name, group) &&
                 host::term_unify_atom(object.description, description)
             ? 1
             : 0;
}

int get_table_name(int model, int table, std::string& out) {
  model = resolve_model(model);
  ObjRecord rec;
  if (obj(kOpReadEqual, 0, object_key(model, 7, table), rec) != kKbDone) return 0;
  out = rec.name;
  const int len = object_name_length(model, 7);
  if (len >= 1 && len <= 30 && out.size() > static_cast<size_t>(len)) out.resize(len);
  out = platform::upper_1252(out);
  return 1;
}

int table_needs_reorg(int model, int table) {
  OinfRecord key, rec;
  key.model = static_cast<int16_t>(resolve_model(model));
  key.type = 7;
  key.number = static_cast<int16_t>(table);
  key.kind = 1;
  if (oinf(kOpReadEqual, 0, key, rec) == kKbDone && rec.value == 0) return 0;
  return 1;
}

int collect_called_programs(int model, int type, int number, host::TermValue& list) {
  model = resolve_model(model);
  const int read_type = type == 11 ? 5 : type;
  OinfRecord key, rec;
  key.model = static_cast<int16_t>(model);
  key.type = static_cast<int16_t>(read_type);
  key.number = static_cast<int16_t>(number);
  char remembered = 'X';  // first character of the last piece 1 of a menu
  host::TermValue* cell = &list;
  auto add = [&cell](auto fill_head) {
    if (!host::term_unify_functor(".", 2, *cell)) return false;
    if (!fill_head(*host::term_arg_ref(1, *cell))) return false;
    cell = host::term_arg_ref(2, *cell);
    return true;
  };
  for (short r = oinf(kOpReadGreaterEqual, 0, key, rec); r == kKbDone;
       r = oinf(kOpNext, 0, key, rec)) {
    if (rec.model != model || rec.type != read_type || rec.number != number) break;
    if (read_type == 5 && rec.kind > 10) break;
    if ((type == 1 || type == 2) && (rec.kind == 1 || rec.kind == 2)) continue;
    if (type == 4 && rec.kind == 24) continue;
    if (rec.ref_type == 5) continue;
    if (type == 3 && rec.piece == 1) remembered = rec.text[0];
    bool ok = true;
    if (rec.ref_type == 998 || (type == 3 && rec.piece == 2 && remembered == 'E')) {
      ok = add([&](host::TermValue& head) {
        return host::term_unify_functor(".", 2, head) &&
               host::term_unify_int(998, *host::term_arg_ref(1, head)) &&
               host::term_unify_string(rec.text, *host::term_arg_ref(2, head));
      });
    } else if (rec.ref_number != 0 && (type != 3 || rec.piece == 2)) {
      ok = add([&](host::TermValue& head) {
        return host::term_unify_functor(".", 2, head) &&
               host::term_unify_int(rec.ref_type, *host::term_arg_ref(1, head)) &&
               host::term_unify_int(rec.ref_number, *host::term_arg_ref(2, head));
      });
    }
    if (!ok) return 0;
  }
  return host::term_unify_atom("[]", *cell) ? 1 : 0;
}

void reset_model_queries() {
  g_cache = MdlRecord{};
  g_block_size = 1;
  g_current_model = 0;
  g_dir_mode = kDirUnknown;
  g_model_prefix.clear();
  g_app_prefix.clear();
  g_entry_text.clear();
}

}  // namespace qn::kb
