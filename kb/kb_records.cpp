#include "kb/kb_records.h"

#include <array>
#include <cstring>
#include <initializer_list>

#include "config/config_qn.h"
#include "host/error_log.h"
#include "host/run_state.h"
#include "kb/kb_open.h"
#include "platform/isam/isam.h"
#include "platform/isam/kb_codec.h"

namespace qn::kb {
namespace {

using Image = std::array<uint8_t, 256>;

// Names of the fatal errors of one family, by operation.
struct OpNames {
  const char* op4;
  const char* op5;
  const char* op6;
  const char* op7;
  const char* op9;
  const char* refused4;  // op 4 in a mode the family does not offer
};

struct ModeKey {
  short mode;
  short key_file;
};

struct OpMode {
  short op;
  short mode;
};

struct Family {
  const char* name;
  short data_file;
  std::initializer_list<ModeKey> modes;
  std::initializer_list<OpMode> allowed;
  OpNames names;
};

const Family kMdl{"mdl",
                  kMdlDataFile,
                  {{0, 13}, {4, 14}},
                  {{4, 0}},
                  {"mdl-r_feq", nullptr, nullptr, nullptr, nullptr, nullptr}};
const Family kObj{"obj",
                  kObjDataFile,
                  {{0, 17}, {4, 18}, {1, 19}},
                  {{4, 0}, {5, 0}, {7, 0}},
                  {"obj-r_feq", "obj-r_f>=", nullptr, "obj-nxt", nullptr, nullptr}};
const Family kAtt{"att",
                  kAttDataFile,
                  {{0, 9}, {3, 10}, {4, 11}},
                  {{4, 0}, {4, 3}, {6, 3}},
                  {"att-rd_1x", nullptr, "att(nxteq0)", nullptr, nullptr, "att-rd_1"}};
const Family kTba{"tba",
                  kTbaDataFile,
                  {{0, 5}, {1, 6}, {2, 7}},
                  {{4, 0}, {4, 1}, {6, 1}, {5, 2}, {7, 2}},
                  {"tba-r_feq", "tba-rf>=", "tba-neq", "tba-nxt", nullptr, nullptr}};
const Family kCk{"ck",
                 kCkDataFile,
                 {{0, 33}},
                 {{5, 0}, {7, 0}},
                 {nullptr, "ck-r_f>=", nullptr, "ck-nxt", nullptr, nullptr}};
const Family kCka{"cka",
                  kCkaDataFile,
                  {{0, 1}, {1, 2}, {2, 3}},
                  {{4, 0}, {4, 1}, {6, 1}, {5, 0}, {7, 0}, {5, 2}, {7, 2}},
                  {"cka-r_feq", "cka-rf>=", "cka-neq", "cka-nxt", nullptr, nullptr}};
const Family kIdx{"idx",
                  kIdxDataFile,
                  {{0, 21}, {4, 22}},
                  {{4, 0}, {5, 0}, {7, 0}, {9, 4}},
                  {"idx-r_feq", "idx-r_f>=", nullptr, "idx-nxt", "idx(rd_par)", nullptr}};
const Family kIxa{"ixa",
                  kIxaDataFile,
                  {{0, 38}, {1, 39}},
                  {{4, 0}, {7, 0}},
                  {"ixa-r1=", nullptr, nullptr, "ixa-nxt1", nullptr, nullptr}};
const Family kOcls{"ocls",
                   kOclsDataFile,
                   {{0, 41}},
                   {{4, 0}},
                   {"ocls-r1=", nullptr, nullptr, nullptr, nullptr, nullptr}};
const Family kOinf{"oinf",
                   kOinfDataFile,
                   {{0, 46}, {1, 47}},
                   {{4, 0}, {5, 0}, {7, 0}, {4, 1}, {6, 1}},
                   {"oinf-rfeq", "oinf-rf>=", "oinf-neq", "oinf-nxt", nullptr, nullptr}};
const Family kQnio{"qnio",
                   kQnioDataFile,
                   {{0, 49}, {1, 50}},
                   {{4, 0}},
                   {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}};

const char* op_name(const Family& f, short op) {
  switch (op) {
    case kOpReadEqual:
      return f.names.op4;
    case kOpReadGreaterEqual:
      return f.names.op5;
    case kOpNextSameKey:
      return f.names.op6;
    case kOpNext:
      return f.names.op7;
    case kOpReadPartial:
      return f.names.op9;
    default:
      return nullptr;
  }
}

[[noreturn]] void fatal(short code, const std::string& name) {
  host::LogError(code, name);
  // LogError returns only while another report is in progress; the
  // operation cannot go on either way.
  throw host::CCTreeException("Internal Error " + std::to_string(code) + " in function " + name);
}

// The name of a refused operation or mode: that of the operation when the
// family has one, else the family's own.
std::string refused_name(const Family& f, short op) {
  if (op == kOpReadEqual && f.names.refused4) return f.names.refused4;
  if (const char* n = op_name(f, op)) return n;
  return std::string(f.name) + "-op";
}

short key_file_of(const Family& f, short mode) {
  for (const auto& m : f.modes)
    if (m.mode == mode) return m.key_file;
  return -1;
}

bool allowed(const Family& f, short op, short mode) {
  for (const auto& a : f.allowed)
    if (a.op == op && a.mode == mode) return true;
  return false;
}

// Runs one read operation on the images. `significant` is the key prefix of
// op 9. Answers 0 with the image read, or 3.
short read_image(const Family& f, short op, short mode, const uint8_t* key_image, uint8_t* out,
                 int significant = 0) {
  getisam();
  if (op == kOpClose) {
    close_isam();
    return kKbDone;
  }
  if (!allowed(f, op, mode)) fatal(host::kErrBadOperation, refused_name(f, op));
  const short kf = key_file_of(f, mode);
  uint8_t key[isam::kIsamMaxKeyLength];
  const short key_len = isam::IsamBuildKey(kf, key_image, key, 0, 0);
  short status = isam::kIsamOk;
  switch (op) {
    case kOpReadEqual:
      status =
          mode == 0 ? isam::IsamReadEqual(kf, key, out) : isam::IsamReadGreaterEqual(kf, key, out);
      break;
    case kOpReadGreaterEqual:
      status = isam::IsamReadGreaterEqual(kf, key, out);
      break;
    case kOpNextSameKey:
    case kOpNext:
      status = isam::IsamReadNext(kf, out);
      break;
    case kOpReadPartial:
      status = isam::IsamReadPrefix(kf, key, out, significant);
      break;
  }
  if (status == isam::kIsamNotFound) return kKbNotFound;
  if (status != isam::kIsamOk) {
    // A family without a name for the step (qnio) reports under its own name.
    const char* step = op_name(f, op);
    fatal(host::kErrIsam, step ? step : f.name);
  }
  if ((op == kOpReadEqual && mode != 0) || op == kOpNextSameKey) {
    uint8_t found[isam::kIsamMaxKeyLength];
    isam::IsamBuildKey(kf, out, found, 0, 0);
    if (std::memcmp(found, key, key_len) != 0) return kKbNotFound;
  }
  return kKbDone;
}

// Copies a text field of the image into out (size bytes), NUL-terminated.
void copy_field(char* out, int size, const uint8_t* p, int width, bool trim) {
  const int n = isam::field_text_length(p, width < size - 1 ? width : size - 1, trim);
  std::memcpy(out, p, n);
  std::memset(out + n, 0, size - n);
}
void copy_name(char* out, const uint8_t* p) { copy_field(out, kNameSize, p, 30, true); }
void copy_nul_text(char* out, const uint8_t* p) { copy_field(out, kNameSize, p, 30, false); }

int16_t stored_type(int16_t type) { return type == 2 ? 1 : type; }

// Decimal field or the conversion error of the family.
int16_t dec(const uint8_t* img, int offset, int width, const char* error_name) {
  int16_t v;
  if (!isam::get_decimal(img + offset, width, v)) fatal(host::kErrIsam, error_name);
  return v;
}

// The model number of the text families: an extended decimal of width 3, so
// that models from 1000 on fit (below 1000 the same three digits as a
// decimal field).
void put_model(uint8_t* img, int16_t model) {
  if (model < 0 || !isam::put_ext_decimal(img + 1, 3, model)) isam::put_decimal(img + 1, 3, model);
}

int16_t model_field(const uint8_t* img, const char* error_name) {
  int64_t v;
  if (!isam::get_ext_decimal(img + 1, 3, v) || v > 32767) fatal(host::kErrIsam, error_name);
  return static_cast<int16_t>(v);
}

// --- mdl ----------------------------------------------------------------

void encode(const MdlRecord& r, uint8_t* img) {
  img[0] = 'x';
  put_model(img, r.model);
  isam::put_name(img + 4, 30, r.name);
}

void decode(const uint8_t* img, MdlRecord& r) {
  r.model = model_field(img, "mdl-c_ie1a");
  copy_name(r.name, img + 4);
  r.num1 = dec(img, 34, 4, "mdl-c_ie1b");
  r.num2 = dec(img, 38, 4, "mdl-c_ie1b");
  r.num3 = dec(img, 42, 4, "mdl-c_ie1b");
  r.att_name_len = img[46];
  r.flag1 = img[47];
  r.flag2 = img[48];
  copy_nul_text(r.path, img + 49);
  host::run_state().current_model_record = r.model;
}

// --- obj ----------------------------------------------------------------

void encode(const ObjRecord& r, uint8_t* img) {
  isam::put_bin16(img + 1, r.model);
  isam::put_bin16(img + 3, stored_type(r.type));
  isam::put_bin16(img + 5, r.number);
  isam::put_nul_text(img + 7, 30, r.name);
  isam::put_bin16(img + 67, r.group);
}

void decode(const uint8_t* img, ObjRecord& r) {
  r.model = isam::get_bin16(img + 1);
  r.type = isam::get_bin16(img + 3);
  r.number = isam::get_bin16(img + 5);
  copy_nul_text(r.name, img + 7);
  copy_nul_text(r.text, img + 37);
  r.group = isam::get_bin16(img + 67);
  r.status1 = img[69];
  r.status2 = img[70];
}

// --- att ----------------------------------------------------------------

struct ClassEntry {
  int16_t class_att;
  uint8_t kind;
};
int g_class_model = 0;
std::array<ClassEntry, 10000> g_class_cache{};

void encode(const AttRecord& r, uint8_t* img) {
  img[0] = 'p';
  put_model(img, r.model);
  isam::put_decimal(img + 4, 4, r.number);
  isam::put_decimal(img + 8, 4, r.class_att);
  isam::put_name(img + 12, 30, r.name);
}

void decode(const uint8_t* img, AttRecord& r) {
  const char* e = "att(c_ie)";
  r.model = model_field(img, e);
  r.number = dec(img, 4, 4, e);
  r.class_att = dec(img, 8, 4, e);
  copy_name(r.name, img + 12);
  r.type = static_cast<char>(img[42]);
  r.kind = img[43];
  r.value1 = isam::get_bin32(img + 44);
  r.value2 = isam::get_bin32(img + 48);
  r.decimals = img[52];
  r.code = img[53];
  if (!isam::get_ext_length(img + 54, r.length)) fatal(host::kErrIsam, e);
  copy_name(r.title, img + 58);
  copy_field(r.description, sizeof r.description, img + 88, 80, true);
  copy_name(r.picture, img + 168);
  if (r.model != g_class_model) {
    g_class_cache.fill({0, 0});
    g_class_model = r.model;
  }
  if (r.number >= 1 && r.number <= 9999) g_class_cache[r.number] = {r.class_att, r.kind};
}

// --- tba ----------------------------------------------------------------

void encode(const TbaRecord& r, uint8_t* img) {
  img[0] = 'x';
  put_model(img, r.model);
  isam::put_decimal(img + 4, 4, r.table);
  isam::put_decimal(img + 8, 4, r.attribute);
  isam::put_ext_decimal(img + 12, 3, r.position < 0 ? 0 : r.position);
}

void decode(const uint8_t* img, TbaRecord& r) {
  const char* e = "tbl_atri (cnvrt_ie)";
  r.model = model_field(img, e);
  r.table = dec(img, 4, 4, e);
  r.attribute = dec(img, 8, 4, e);
  int64_t pos;
  if (!isam::get_ext_decimal(img + 12, 3, pos) || pos > 32767) fatal(host::kErrIsam, e);
  r.position = static_cast<int16_t>(pos);
  r.kind = img[15];
  r.code = img[16];
}

// --- ck, cka ------------------------------------------------------------

void encode(const CkRecord& r, uint8_t* img) {
  img[0] = 'x';
  put_model(img, r.model);
  isam::put_decimal(img + 4, 4, r.table);
  isam::put_decimal(img + 8, 2, r.key);
}

void decode(const uint8_t* img, CkRecord& r) {
  const char* e = "ck-c_ie";
  r.model = model_field(img, e);
  r.table = dec(img, 4, 4, e);
  r.key = dec(img, 8, 2, e);
  r.primary = img[11];
}

void encode(const CkaRecord& r, uint8_t* img) {
  img[0] = 'x';
  put_model(img, r.model);
  isam::put_decimal(img + 4, 4, r.table);
  isam::put_decimal(img + 8, 2, r.key);
  isam::put_decimal(img + 10, 4, r.attribute);
  isam::put_decimal(img + 14, 2, r.sequence);
}

void decode(const uint8_t* img, CkaRecord& r) {
  const char* e = "cka-c_ie";
  r.model = model_field(img, e);
  r.table = dec(img, 4, 4, e);
  r.key = dec(img, 8, 2, e);
  r.attribute = dec(img, 10, 4, e);
  r.sequence = dec(img, 14, 2, e);
}

// --- idx, ixa -----------------------------------------------------------

void encode(const IdxRecord& r, uint8_t* img) {
  img[0] = 'x';
  put_model(img, r.model);
  isam::put_decimal(img + 4, 4, r.table);
  isam::put_decimal(img + 8, 4, r.index);
  isam::put_name(img + 12, 30, r.name);
}

void decode(const uint8_t* img, IdxRecord& r) {
  const char* e = "idx-c_ie";
  r.model = model_field(img, e);
  r.table = dec(img, 4, 4, e);
  r.index = dec(img, 8, 4, e);
  copy_name(r.name, img + 12);
  r.unique = img[42];
  r.flag2 = img[43];
  r.flag3 = img[44];
}

void encode(const IxaRecord& r, uint8_t* img) {
  isam::put_bin16(img + 1, r.model);
  isam::put_bin16(img + 3, r.table);
  isam::put_bin16(img + 5, r.index);
  isam::put_bin16(img + 7, r.sequence);
  isam::put_bin16(img + 9, r.attribute);
}

void decode(const uint8_t* img, IxaRecord& r) {
  r.model = isam::get_bin16(img + 1);
  r.table = isam::get_bin16(img + 3);
  r.index = isam::get_bin16(img + 5);
  r.sequence = isam::get_bin16(img + 7);
  r.attribute = isam::get_bin16(img + 9);
  r.ascending = img[11];
}

// --- ocls ---------------------------------------------------------------

void encode(const OclsRecord& r, uint8_t* img) {
  img[0] = 'x';
  put_model(img, r.model);
  isam::put_decimal(img + 4, 3, stored_type(r.type));
}

void decode(const uint8_t* img, OclsRecord& r) {
  const char* e = "ocls-c_ie";
  r.model = model_field(img, e);
  r.type = dec(img, 4, 3, e);
  r.last = dec(img, 7, 4, e);
  r.name_len = img[11];
}

// --- oinf ---------------------------------------------------------------

void encode(const OinfRecord& r, uint8_t* img) {
  img[0] = 'x';
  put_model(img, r.model);
  isam::put_decimal(img + 4, 3, r.type);
  isam::put_decimal(img + 7, 4, r.number);
  img[11] = r.kind;
  isam::put_bin16(img + 12, r.piece);
  isam::put_bin16(img + 14, r.string);
  isam::put_decimal(img + 18, 3, r.ref_type);
  isam::put_decimal(img + 21, 4, r.ref_number);
}

void decode(const uint8_t* img, OinfRecord& r) {
  r.model = model_field(img, "oinf c_ie0");
  r.type = dec(img, 4, 3, "oinf c_ie0");
  r.number = dec(img, 7, 4, "oinf c_ie0");
  r.kind = img[11];
  r.piece = isam::get_bin16(img + 12);
  r.string = isam::get_bin16(img + 14);
  r.value = isam::get_bin16(img + 16);
  r.ref_type = dec(img, 18, 3, "oinf c_ie1");
  r.ref_number = dec(img, 21, 4, "oinf c_ie1");
  r.relation = img[25];
  copy_field(r.text, kNameSize, img + 26, 30, r.relation != ' ');
}

// --- qnio ---------------------------------------------------------------

void encode(const QnioRecord& r, uint8_t* img) {
  isam::put_bin16(img + 1, r.model);
  isam::put_bin16(img + 3, stored_type(r.type));
  isam::put_bin16(img + 5, r.number);
  img[7] = r.kind;
  isam::put_bin32(img + 8, r.time);
}

void decode(const uint8_t* img, QnioRecord& r) {
  r.model = isam::get_bin16(img + 1);
  r.type = isam::get_bin16(img + 3);
  r.number = isam::get_bin16(img + 5);
  r.kind = img[7];
  r.time = isam::get_ubin32(img + 8);
}

template <class Rec>
short access(const Family& f, short op, short mode, const Rec& key, Rec& rec, int significant = 0) {
  Image key_image{};
  Image found{};
  encode(key, key_image.data());
  const short result = read_image(f, op, mode, key_image.data(), found.data(), significant);
  if (result == kKbDone && op != kOpClose) decode(found.data(), rec);
  return result;
}

}  // namespace

short mdl(short data_file, short op, short mode, const MdlRecord& key, MdlRecord& rec) {
  if (op < 1 || op > 8) fatal(host::kErrInternal, "model_w");
  if (data_file != kMdlDataFile) fatal(host::kErrBadOperation, "mdl-r_feq");
  return access(kMdl, op, mode, key, rec);
}

short obj(short op, short mode, const ObjRecord& key, ObjRecord& rec) {
  return access(kObj, op, mode, key, rec);
}
short att(short op, short mode, const AttRecord& key, AttRecord& rec) {
  return access(kAtt, op, mode, key, rec);
}
short tba(short op, short mode, const TbaRecord& key, TbaRecord& rec) {
  return access(kTba, op, mode, key, rec);
}
short ck(short op, short mode, const CkRecord& key, CkRecord& rec) {
  return access(kCk, op, mode, key, rec);
}
short cka(short op, short mode, const CkaRecord& key, CkaRecord& rec) {
  return access(kCka, op, mode, key, rec);
}

short idx(short op, short mode, const IdxRecord& key, IdxRecord& rec) {
  int significant = 0;
  if (op == kOpReadPartial && mode == 4) {
    // The model and the first L characters of the name.
    int len = object_name_length(key.model, 7);
    if (len < 1 || len > 30) len = 30;
    significant = 3 + len;
  }
  return access(kIdx, op, mode, key, rec, significant);
}

short ixa(short op, short mode, const IxaRecord& key, IxaRecord& rec) {
  return access(kIxa, op, mode, key, rec);
}
short ocls(short op, short mode, const OclsRecord& key, OclsRecord& rec) {
  return access(kOcls, op, mode, key, rec);
}
short oinf(short op, short mode, const OinfRecord& key, OinfRecord& rec) {
  return access(kOinf, op, mode, key, rec);
}

short qnio(short descriptor, short op, short mode, const QnioRecord& key, QnioRecord& rec) {
  if (descriptor != 0) fatal(host::kErrBadOperation, "qnio");
  return access(kQnio, op, mode, key, rec);
}

bool att_class_cache(int model, int number, int16_t& class_att, uint8_t& kind) {
  if (model != g_class_model || number < 1 || number > 9999) return false;
  const ClassEntry& e = g_class_cache[number];
  if (e.class_att == 0) return false;
  class_att = e.class_att;
  kind = e.kind;
  return true;
}

int32_t cka_position() {
  getisam();
  return isam::IsamCurrentPosition(kCkaDataFile);
}

void cka_restore(int32_t position, const CkaRecord& rec) {
  getisam();
  Image img{};
  encode(rec, img.data());
  if (isam::IsamSetPosition(kCkaDataFile, position, img.data(), 0) != isam::kIsamOk)
    fatal(host::kErrIsam, "cka-pos");
}

int LoadObjString(int model, int type, int number, int kind, int string, std::string& text) {
  text.clear();
  OinfRecord key;
  key.model = static_cast<int16_t>(model);
  key.type = static_cast<int16_t>(type);
  key.number = static_cast<int16_t>(number);
  key.kind = static_cast<uint8_t>(kind);
  key.string = static_cast<int16_t>(string);
  key.piece = 0;
  Image key_image{};
  Image found{};
  encode(key, key_image.data());
  short result = read_image(kOinf, kOpReadGreaterEqual, 0, key_image.data(), found.data());
  while (result == kKbDone) {
    // Same model, type, number and kind (bytes 1-11) and string number.
    if (std::memcmp(found.data() + 1, key_image.data() + 1, 11) != 0 ||
        isam::get_bin16(found.data() + 14) != string)
      break;
    text += isam::get_nul_text(found.data() + 26, 30);
    result = read_image(kOinf, kOpNext, 0, key_image.data(), found.data());
  }
  return text.empty() ? 0 : 1;
}

int object_name_length(int model, int type) {
  static int cached_model = -1;
  static std::array<int, 25> cache;
  if (type == 2) type = 1;
  if (model != cached_model) {
    cache.fill(-1);
    cached_model = model;
  }
  const bool cacheable = type >= 0 && type < 25;
  if (cacheable && cache[type] >= 0) return cache[type];
  int len;
  if (type == 5) {
    MdlRecord key, rec;
    key.model = static_cast<int16_t>(model);
    len = mdl(kMdlDataFile, kOpReadEqual, 0, key, rec) == kKbDone ? rec.att_name_len : 0;
  } else {
    OclsRecord key, rec;
    key.model = static_cast<int16_t>(model);
    key.type = static_cast<int16_t>(type);
    len =
        ocls(kOpReadEqual, 0, key, rec) == kKbDone ? rec.name_len : config::get_type_name_len(type);
  }
  if (cacheable) cache[type] = len;
  return len;
}

}  // namespace qn::kb
