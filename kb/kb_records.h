// The record families of the knowledge base: one in-memory record and one
// accessor per family. An accessor takes an operation, a mode that selects
// the key file, a key record holding the key fields and a record that
// receives what was read.
//
// Only reading is offered: every family answers the read operations it is
// used with; the write operations (add, delete, update, delete current) and
// every other operation or mode are refused with internal error 100.
#pragma once

#include <cstdint>
#include <string>

namespace qn::kb {

// Operations.
enum : short {
  kOpAdd = 1,
  kOpDelete = 2,
  kOpUpdate = 3,
  kOpReadEqual = 4,
  kOpReadGreaterEqual = 5,
  kOpNextSameKey = 6,  // next, and still the given key fields
  kOpNext = 7,
  kOpClose = 8,
  kOpReadPartial = 9,  // first record whose key starts with the significant part
  kOpDeleteCurrent = 12,
};

// Results.
enum : short {
  kKbDone = 0,
  kKbDuplicateKey = 1,
  kKbAddFailed = 2,
  kKbNotFound = 3,  // not found, end of file, or the next record has other key fields
};

// Data file numbers the accessors work on.
enum : short {
  kMdlDataFile = 12,
  kObjDataFile = 42,
  kAttDataFile = 8,
  kTbaDataFile = 4,
  kCkDataFile = 23,
  kCkaDataFile = 60,
  kIdxDataFile = 20,
  kIxaDataFile = 37,
  kOclsDataFile = 40,
  kOinfDataFile = 45,
  kQnioDataFile = 48,
};

constexpr int kNameSize = 31;  // 30 characters and a NUL

// Model. Key modes: 0 model number, 4 model name.
struct MdlRecord {
  int16_t model = 0;
  char name[kNameSize] = {};
  int16_t num1 = 0, num2 = 0, num3 = 0;
  uint8_t att_name_len = 0;  // significant characters of attribute names (0 = all)
  uint8_t flag1 = 0, flag2 = 0;
  char path[kNameSize] = {};  // model directory
};

// Object. Modes: 0 {model, type, number}, 4 {model, type, name}, 1 {model, type, group}.
struct ObjRecord {
  int16_t model = 0;
  int16_t type = 0;  // 2 is stored as 1
  int16_t number = 0;
  char name[kNameSize] = {};
  char text[kNameSize] = {};  // description
  int16_t group = 0;          // the type-8 object the object belongs to
  uint8_t status1 = 0, status2 = 0;
};

// Attribute. Modes: 0 {model, number}, 3 {model, class}, 4 {model, name}.
struct AttRecord {
  int16_t model = 0;
  int16_t number = 0;
  int16_t class_att = 0;  // own number when the attribute has no class
  char name[kNameSize] = {};
  char type = 0;     // type code
  uint8_t kind = 0;  // kind code
  int32_t value1 = 0, value2 = 0;
  uint8_t decimals = 0;
  uint8_t code = 0;
  int16_t length = 0;  // negative lengths as stored (see length_in_units)
  char title[kNameSize] = {};
  char description[81] = {};
  char picture[kNameSize] = {};
};

// Table attribute. Modes: 0 {model, table, attribute}, 1 {model, attribute},
// 2 {model, table, position}.
struct TbaRecord {
  int16_t model = 0, table = 0, attribute = 0;
  int16_t position = 0;
  uint8_t kind = 0, code = 0;
};

// Candidate key. Mode 0 {model, table, key}.
struct CkRecord {
  int16_t model = 0, table = 0, key = 0;
  uint8_t primary = 0;  // 1 = the table's primary key
};

// Candidate-key attribute. Modes: 0 {model, table, key, attribute},
// 1 {model, attribute}, 2 {model, table, key, sequence}.
struct CkaRecord {
  int16_t model = 0, table = 0, key = 0, attribute = 0, sequence = 0;
};

// Index. Modes: 0 {model, table, index}, 4 {model, name}.
struct IdxRecord {
  int16_t model = 0, table = 0, index = 0;
  char name[kNameSize] = {};
  uint8_t unique = 0, flag2 = 0, flag3 = 0;
};

// Index attribute. Modes: 0 {model, table, index, sequence}, 1 {model, attribute}.
struct IxaRecord {
  int16_t model = 0, table = 0, index = 0, sequence = 0, attribute = 0;
  uint8_t ascending = 0;  // non-zero ascending
};

// Object class. Mode 0 {model, type}.
struct OclsRecord {
  int16_t model = 0, type = 0, last = 0;
  uint8_t name_len = 0;
};

// Object information. Modes: 0 {model, type, number, kind, string, piece},
// 1 {model, ref_type, ref_number}.
struct OinfRecord {
  int16_t model = 0, type = 0, number = 0;
  uint8_t kind = 0;
  int16_t piece = 0, string = 0, value = 0;
  int16_t ref_type = 0, ref_number = 0;
  uint8_t relation = 0;
  char text[kNameSize] = {};  // trailing blanks removed unless relation is a blank
};

// Object time (descriptor 0). Modes: 0 {model, type, number, kind}, 1 {model, kind, time}.
struct QnioRecord {
  int16_t model = 0, type = 0, number = 0;
  uint8_t kind = 0;
  uint32_t time = 0;
};

// The accessors: 0 done, 3 not found or end. Failures of the indexed files,
// records that cannot be converted and refused operations end the generation
// through LogError.
short mdl(short data_file, short op, short mode, const MdlRecord& key, MdlRecord& rec);
short obj(short op, short mode, const ObjRecord& key, ObjRecord& rec);
short att(short op, short mode, const AttRecord& key, AttRecord& rec);
short tba(short op, short mode, const TbaRecord& key, TbaRecord& rec);
short ck(short op, short mode, const CkRecord& key, CkRecord& rec);
short cka(short op, short mode, const CkaRecord& key, CkaRecord& rec);
short idx(short op, short mode, const IdxRecord& key, IdxRecord& rec);
short ixa(short op, short mode, const IxaRecord& key, IxaRecord& rec);
short ocls(short op, short mode, const OclsRecord& key, OclsRecord& rec);
short oinf(short op, short mode, const OinfRecord& key, OinfRecord& rec);
short qnio(short descriptor, short op, short mode, const QnioRecord& key, QnioRecord& rec);

// The class attribute and kind code of an attribute of model as the att
// accessor last converted it; false when the model is not the cached one, the
// number is outside 1..9999 or the entry is empty.
bool att_class_cache(int model, int number, int16_t& class_att, uint8_t& kind);

// Position of the current candidate-key attribute record and its restore:
// reading next continues behind the record again.
int32_t cka_position();
void cka_restore(int32_t position, const CkaRecord& rec);

// The long text of an object: the texts of the information records of
// (model, type, number, kind, string) from piece 0 on, joined. 1 when the
// text is not empty.
int LoadObjString(int model, int type, int number, int kind, int string, std::string& text);

// Significant characters of object names of a type (see the accessor notes).
int object_name_length(int model, int type);

}  // namespace qn::kb
