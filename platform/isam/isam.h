// The indexed-file library that holds the knowledge base (reader side).
//
// Data and key files are known by small numbers. `IsamOpenSet` reads the
// parameter file (PEFILES), which names one SQLite database relative to the
// parameter file's own folder; the whole database is loaded read-only into a
// sorted in-memory snapshot, and every read is served from that snapshot.
//
// Each data file has one current record, shared by all its key files: a read
// through any key file makes the record current, `IsamReadNext` on any key
// file continues behind the current record in that key file's order, and
// `IsamSetPosition` makes a saved record current again.
//
// Only the generator thread calls these routines.
#pragma once

#include <cstdint>

namespace qn::isam {

// Status codes (0 = done).
enum : short {
  kIsamOk = 0,
  kIsamNoParamFile = 13,    // the parameter file cannot be read
  kIsamCannotOpen = 12,     // a file of the set cannot be opened (missing, damaged, wrong version)
  kIsamBadParamFile = 14,   // the parameter file names no database
  kIsamBadFileNumber = 22,  // no such key or data file
  kIsamNotOpen = 26,        // the set is not open
  kIsamNoCurrent = 30,      // read next or position without a current record
  kIsamBadPosition = 31,    // a position that does not name that record
  kIsamNotFound = 101,      // no such key, or end of file
};

// Longest key of any key file, in bytes.
constexpr int kIsamMaxKeyLength = 64;

// Start and end of the library (the generator thread). IsamInit(2, 0, 0).
short IsamInit(int files, int a, int b);
void IsamEnd();

// Opens the set named by the parameter file (a name or a path). 0 = the whole
// set is open. Opening while a set is open closes that set first.
short IsamOpenSet(const char* param_file);
// Closes the set; 0 also when no set is open, so closing twice is safe.
short IsamCloseSet();
// True while a set is open.
bool IsamIsOpen();

// Writes into key_buffer (kIsamMaxKeyLength bytes) the key that key_file
// holds for the record image; returns the key length, or -1 for an unknown
// key file (IsamLastError then tells why).
short IsamBuildKey(short key_file, const void* record, void* key_buffer, int zero,
                   int record_length);

// Reads into record (the data file's record length) and makes it current.
// 0 = read; kIsamNotFound = no such record; a failed read leaves the current
// record unchanged.
short IsamReadEqual(short key_file, const void* key, void* record);
short IsamReadGreaterEqual(short key_file, const void* key, void* record);
// The record behind the current one in the key file's order.
short IsamReadNext(short key_file, void* record);
// The first record whose key starts with the key's first n bytes.
short IsamReadPrefix(short key_file, const void* key, void* record, int n);

// Position of the data file's current record (-1 when there is none).
int32_t IsamCurrentPosition(short data_file);
// Makes the record at position current again; record is its image, checked
// against the stored one. Reading next then continues behind it in every key
// file of the data file.
short IsamSetPosition(short data_file, int32_t position, const void* record, int zero);

// Code of the last failure; -1 when none happened since the set was opened.
short IsamLastError();
// Secondary detail of the last failure (the database's own result code), or
// -1 when there is none.
short IsamLastSecondaryError();

}  // namespace qn::isam
