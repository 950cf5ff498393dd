// Program files: for each object type of a model, a text file of fixed
// 76-byte records beside the model, one per object, holding the name of the
// object's generated program and a few properties. Every read and write goes
// through prg_file_io; one program file is open at a time in the process.
//
// Record n (from 1) starts at byte (n - 1) * 76:
//   0 record code of the type (3)   3 program name (10)   13 description (30)
//   43 text 1 (10)   53 flag 1, one digit   54 flag 2, "Y" or "N"
//   55 reserved blanks (4)   59 text 2 (10)   69 record number, 4 digits
//   73 state: "1" in use, "*" deleted, blank for an empty slot   74 CR LF
// The CR LF belongs to the fixed layout that the offsets rely on, so these
// files keep it.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/shared_file.h"

namespace qn::host {

inline constexpr int kPrgRecordSize = 76;
inline constexpr int kPrgMaxRecord = 9999;

// What the program files need from the model: where a file of the model's
// directory lies (a program path text) and the development-environment
// version switch. The knowledge-base side installs the real ones; without
// them names stand in the current directory and the switch is 0.
struct ProgramFileEnv {
  std::function<std::string(int model, std::string_view name)> file_path;
  std::function<int()> version_switch;
};
void set_program_file_env(ProgramFileEnv env);

// The type index of an object type: the type below 100, type - 82 from
// 100 on; -1 unless it lies in 0..20.
int prg_type_index(int type);
// The program-file letter and second letter of a type, '?' for an invalid one.
char prg_letter(int type);
char prg_second_letter(int type);
// The three-character record code of a type, "???" for an invalid one.
std::string_view prg_record_code(int type);

// "QN%cPRG%02d.%03d" (letter, generation, model), or "QN%cPRGS.%03d" for
// generation 0 (or below).
std::string program_file_name(int model, int type, int generation);

// The key of prg_file_io: the file's model and type, then a record number
// or a program name.
struct PrgKey {
  int model = 0;
  int type = 0;
  int number = 0;
  std::string name;
};

// A record in memory. On writing, type is the object type whose code is
// written; on reading, the position of the code in the code table (-1 for
// an unknown code). Texts read are cut at their field and lose trailing
// blanks and tabs; a number or flag field that does not begin with a digit
// reads as 0.
struct PrgRecord {
  int type = 0;
  std::string name;         // 10
  std::string description;  // 30
  std::string text1;        // 10
  int flag1 = 0;            // one digit
  int flag2 = 0;            // written "Y" when not 0
  std::string text2;        // 10
  int number = 0;
};

enum : short {
  kPrgAdd = 1,
  kPrgDelete = 2,
  kPrgUpdate = 3,
  kPrgReadKey = 4,        // mode 0 by number, mode 4 by name ignoring case
  kPrgReadAtOrAfter = 5,  // mode 0 by number, mode 4 by name ignoring case
  kPrgNoop = 6,
  kPrgNext = 7,
  kPrgClose = 8,
  kPrgRefused = 9,  // internal error 200 "qnprg"
};
enum : short { kPrgDone = 0, kPrgWriteFailed = 1, kPrgNotFound = 3 };
enum : short { kPrgByNumber = 0, kPrgByName = 4 };

// The record accessor (see the operations above). A key of another model or
// type (or generation number, while the version switch is on) closes the
// open file and opens that one, waiting while it is in use; a type from 100
// on is created when missing. 3 when no file can be opened.
// Adding or updating (1, 3) writes the record at its number, number 0
// meaning behind the highest in use (the record's number is set); slots
// between the end of the file and the record are written empty first. A
// number above 9999 or a flag 1 outside 0..9 is refused: 1, nothing written.
// A record number below 1 for a write, a delete or a read by number is
// internal error 3 "pos_at"; operation 9 is internal error 200 "qnprg".
short prg_file_io(short op, short mode, const PrgKey& key, PrgRecord& record);

// Deletes and creates empty the program file of model, type and generation
// number (the number counts only while the version switch is on). 1 when
// it was created. The accessor's open file is closed when it is this one
// (its lock would keep the create waiting); any other stays open.
int prg_file_create(int model, int type, int generation);

// Replaces the program file of model, type and generation number (counting
// only while the version switch is on) whole by the records, each at its
// number (0: behind the highest so far) with empty slots between, so a kill
// or a full disk leaves the former file or the new one. kPrgDone;
// kPrgWriteFailed for a record refused as the accessor refuses it (nothing
// written); kPrgNotFound when the file cannot be written (the former one
// stays).
short prg_file_rewrite(int model, int type, int generation, std::vector<PrgRecord>& records);

// Makes the program file of model, type and generation number (counting
// only while the version switch is on) the accessor's current one and opens
// it at its start; when it is already open it stays where it is. 1 when it
// is open, else 0.
int prg_file_open_read(int model, int type, int generation);

// Opens a program path text for update: mode "r+b" an existing file, any
// mode not beginning with "r" creates or empties it. Others may read the
// file, not write it. A file held by another open: with wait 0 the answer
// is in use at once; with wait 1 the action line shows "File %s is in use
// by another. Please wait..." once, the open is tried again every 50 ms, and
// the line is cleared once it opens. Any other failure answers closed.
platform::SharedFile OpenSharedWait(std::string_view path, std::string_view mode, int wait);

// The 76 bytes of a record as written (number and flag 1 must fit).
std::string format_prg_record(const PrgRecord& record);

// Closes the open file and forgets the accessor's state (tests).
void reset_program_files();

}  // namespace qn::host
