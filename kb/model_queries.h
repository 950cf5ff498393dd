// The model being generated: its cached model record, the directories
// derived from it, and the walk to the companion model one model-number
// block higher.
#pragma once

#include <string>
#include <string_view>

#include "host/term_value.h"
#include "kb/kb_records.h"

namespace qn::kb {

// The block size model selection sets; model numbers below three blocks
// keep their directory in their model record, higher ones use "QN%03d".
inline constexpr int kModelBlockSize = 1000;

// Model 0 or the cached model: the cache as it is. 65535 (-1): the cache
// emptied (number 0). Any other model: its record read into the cache and
// the directory prefixes moved to it; a missing record ends the generation
// with internal error 3 "mdl_info".
const MdlRecord& mdl_info(int model);

// The model-directory and application-directory prefixes of a model whose
// record names `path`. The first call looks for "model.dat" in the current
// directory: without it, relative paths are taken from the parent folder
// ("..\"); the answer stays for the process.
void set_model_dirs(std::string_view path, int model);

// The prefix followed by the first 35 characters of name.
std::string in_model_dir(std::string_view name);
std::string in_app_dir(std::string_view name);
void make_dir_path(std::string& out, std::string_view name, bool in_model);

// The model's directory: below three blocks (model 0 is the cached one) the
// path of its model record, otherwise "QN%03d".
std::string get_model_dir(int model);
// A file of the model's directory: below three blocks in_model_dir(name),
// otherwise "QN%03d\name".
std::string model_file_path(int model, std::string_view name);

// The model walk. offset is the block size. A current model below one
// block whose companion (one block higher) has a record moves to it: the
// companion becomes the current and the cached model, and the answer is 0
// with its number. Without a companion the answer is 1 with the current
// number; from one block up it is 0 with the current number.
int next_model_entry(int& model, int& offset);
// "%3d %-30.30s" (number, name) of the last companion the walk moved to.
const std::string& model_entry_text();

// The model of this generation, which the walk starts from. Always 0.
int set_current_model(int model);
int current_model();

// Model-number block size: 1 at program start, kModelBlockSize once a model
// is selected.
void set_model_block_size(int size);
int model_block_size();

// The directory path of the model's record (model 0: the cached model).
std::string mdl_info_path(int model);

// Model 0 stands for the cached model.
int resolve_model(int model);

// --- objects ---------------------------------------------------------------

// An object with the name of its group and, from object_with_times, its
// two times.
struct ExtObject {
  int16_t model = 0, type = 0, number = 0;
  char name[kNameSize] = {};
  char group_name[kNameSize] = {};  // the type-8 object of the group; empty when none
  char description[kNameSize] = {};
  uint32_t time1 = 0, time2 = 0;  // kinds 1 and 2
  uint8_t status1 = 0, status2 = 0;
};

// Reads an object record (ops 4, 5 and 7 of the object family) and fills
// out with it and its group's name. The group look-up moves the object
// file's position, so the object is read again by its key afterwards (a
// following op 7 goes on behind it); a failure of that read ends the
// generation with internal error 3 "repos_obj". The object family's result.
short read_object(short op, short mode, const ObjRecord& key, ExtObject& out);

// The object with its times of kinds 1 and 2, or null when it does not
// exist. The object is kept until the next call.
const ExtObject* object_with_times(int model, int type, int number);
// The time of the object-time record of the kind (type 2 read as 1), 0
// when there is none.
uint32_t object_time(int model, int type, int number, int kind);

// The first object number of model and type at or after number, 0 when
// there is none.
int find_next_object(int model, int type, int number);
inline int next_object_number(int model, int type, int number) {
  return find_next_object(model, type, number);
}

// Unifies the object's name (cut to the name length of the type's object
// class; whole when the type has none), its group's name and its
// description. 0 when the model is 0, the object does not exist or a
// unification fails.
int get_object_info(int model, int type, int number, host::TermValue& name, host::TermValue& group,
                    host::TermValue& description);

// The table's name, cut to the object name length of tables when that is
// 1 to 30, in upper case. 0 when the table does not exist.
int get_table_name(int model, int table, std::string& out);

// 0 when the table's reorganisation record (information kind 1, string 0,
// piece 0) holds 0; 1 when it is missing or holds anything else.
int table_needs_reorg(int model, int table);

// Unifies list with the programs the object calls: cells [998|Text] and
// [RefType|RefNumber] from its information records. 1 unless a
// unification fails.
int collect_called_programs(int model, int type, int number, host::TermValue& list);

// Back to the state at program start (tests).
void reset_model_queries();

}  // namespace qn::kb
