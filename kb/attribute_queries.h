// Attributes, table attributes, candidate keys and indexes of the knowledge
// base: an attribute's name, type and texts, its class, the attributes of a
// table, its keys, an index's attributes and the index that fits a list of
// attributes. Model 0 stands for the cached model.
#pragma once

#include <string>

#include "host/term_value.h"
#include "kb/counted_array.h"
#include "kb/kb_records.h"

namespace qn::kb {

// --- attributes ------------------------------------------------------------

// The attribute's record (kept until the next call), or null when it does
// not exist.
const AttRecord* read_attribute(int model, int attribute);

// The name, cut to the model's attribute-name length when that is set, and
// the kind code. 0 when the attribute does not exist.
int attri_name_complete(int model, int attribute, std::string& name, int& kind);
// The type code, the length as stored and the decimals. 0 when absent.
int attri_type(int model, int attribute, char& type, int& length, int& decimals);
// A stored length in units: itself when 0 or more, (9 - length) * 1024 for
// a negative one.
int length_in_units(int stored_length);

// The attribute's class attribute (its own number when it has none) and,
// when kind is given, its kind code. A missing attribute ends the
// generation with internal error 3 "get_class".
int get_class(int model, int attribute, int* kind = nullptr);
// target: source, then the class attribute of every attribute whose class
// is another attribute (each once).
void add_classes(int model, const AttList& source, AttList& target);
// For each attribute of list in order: the attributes of its class (in
// attribute-number order), or the attribute itself when there are none.
void expand_by_class(int model, const AttList& list, AttList& out);
// 1 when the attribute exists and its kind code is neither 3, 4 nor 5.
int is_stored_kind(int model, int table, int attribute);

// --- tables and keys -------------------------------------------------------

// The kind of the table-attribute record (0 when wanted is given and
// differs). Without such a record: 1 when the attribute belongs to one of
// the table's candidate keys, else 0.
int table_attribute_kind(int model, int table, int attribute, int wanted);
// The attributes of all candidate keys in key, then sequence order (each
// once, kind 1), then the table attributes in position order of kind 3, or
// of kind 1 when take_all is set or the attribute is of a stored kind (no
// duplicate check). kinds may be null.
void get_table_atts(int model, int table, AttList& list, ClassList* kinds, bool take_all);
// The attributes of the table's primary key: the key flagged primary, or the
// first key when none is.
void primary_key_atts(int model, int table, AttSet& set);
// The attributes of one key in sequence order; the 21st is fatal internal
// error 50 "S_Push att".
void key_atts(int model, int table, int key, AttSet& set);

// --- indexes -----------------------------------------------------------------

// Unifies the index's name (cut to the object name length of tables, upper
// case) and its unique flag, and fills set with its attributes in sequence
// order, negative when descending. 0 when the index does not exist or a
// unification fails; an index without an attribute of sequence 0 ends the
// generation with internal error 3 "getIdx".
int getIdx(int model, int table, int index, host::TermValue& name, host::TermValue& unique,
           AttSet& set);
// The first index number of the table at or after index, 0 when none.
int next_index_number(int model, int table, int index);
// 1 when an offered index (byte 44 = 1) fits the list: the list is a prefix
// of its attributes (descending ones negated). Of the fitting indexes the
// one with the most attributes wins, the first on a tie. name (may be null)
// gets its name in upper case.
int find_matching_index(int model, int table, const AttList& list, int& index, std::string* name);

// --- the routines of the logic -------------------------------------------------

// i_attri_pic/3: unifies the picture. 0 when the attribute does not exist.
int get_attri_pic(int model, int attribute, host::TermValue& picture);
// i_attri_name/4: unifies the (cut) name; kind gets the kind code.
int get_attri_name(int model, int attribute, host::TermValue& name, int& kind);
// i_attri_type/5: the type code, the length in units and the decimals.
int get_attri_type(int model, int attribute, int& type, int& length, int& decimals);
// i_attri_info/10: unifies name, type code, length in units, decimals, the
// code of byte 53, picture, title and description, in this order.
int get_attri_info(int model, int attribute, host::TermValue* const terms[8]);

// Back to the state at program start (tests).
void reset_attribute_queries();

}  // namespace qn::kb
