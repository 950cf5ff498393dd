// The program-file routines the logic calls: start reading the file of an
// object type (rebuilding it from the knowledge base when it cannot be
// opened), walk it, update a record, close it; and the rebuild itself. The
// files and their record accessor are those of host/program_files.h; here
// they are placed in the model's directory and follow the version switch.
#pragma once

#include "host/term_value.h"

namespace qn::kb {

// Model 0 stands for the cached model in each routine.

// Closes the current program file and opens the one of model and type at
// its start; a file of a type below 100 that cannot be opened is rebuilt,
// closed and opened again. 1 when it is open, 0 when it still cannot be.
int prg_file_start(int model, int type, int generator);

// Closes the current program file. Always 1.
int prg_file_close();

// Reads the next record of the file of model and type (with mode 1
// skipping records whose flag 2 is set) and unifies number (the record's
// and object's number), name and description (atoms) and list with
// [Flag1, Flag2, Text1, Text2] (two integers, two atoms). 0 at the end of
// the file or when a unification fails.
int prg_file_next(int model, int type, int mode, host::TermValue& number, host::TermValue& name,
                  host::TermValue& description, host::TermValue& list);

// Updates the record of object number with the program name, the
// description and, from list [N1, N2, T1, T2], the two flags and two texts
// (each shorter than 31 characters). With number 0 the record is looked up
// by its program name; when none has it, the record goes behind the
// highest. 0 when a term does not have this shape or the write fails
// (a number above 9999 or a flag 1 outside 0..9 included).
int prg_file_write(int model, int type, int number, const host::TermValue& name,
                   const host::TermValue& description, const host::TermValue& list);

// Rebuilds the program file of type (types 0 to 4 for -1) from the objects
// of the model: one record per object at its object number. Type-1 objects
// go by byte 70 of their record: 4 to procedures (type 1), 1 and 2 to
// reports (type 2), any other value to neither; the all-types rebuild uses
// the same rule, so it equals the five single ones. 1 when rebuilt, 0 when
// a program file could not be created; a failed record write is internal
// error 3 "rbldobj".
int rbldobj(int model, int type, int generator);

// The program files' place and version switch taken from the model (done
// by every routine above; callers of the host accessor use it too).
void use_model_program_files();

}  // namespace qn::kb
