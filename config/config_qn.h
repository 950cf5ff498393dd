// The generator's key file config.qn (KEY=value lines, '*' starts a
// comment), its typed keys and the free key list that the logic reads.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qn::config {

// The variables of the typed keys, at their defaults until a key file or a
// model setting changes them.
struct TypedKeys {
  int attname_len = 10;                // ATTNAME_LEN
  bool batch = false;                  // BATCH
  std::string date_format = "MMDDYY";  // DATE_FORMAT
  bool detail_navig = false;           // DETAIL_NAVIG
  bool edit_doc = false;               // EDIT_DOC
  bool edit_hlp = true;                // EDIT_HLP
  char idiom = 'E';                    // IDIOM
  bool list_doc = false;               // LIST_DOC
  bool list_hlp = false;               // LIST_HLP
  int max_numeric_len = 18;            // MAX_NUMERIC_LEN
  int def_date_pic = 8;                // DEF_DATE_PIC
  std::string owner;                   // OWNER
  int page_length = 64;                // PAGE_LENGTH
  int page_width = 78;                 // PAGE_WIDTH
  int prg_width = 78;                  // PRG_WIDTH
  int rpt_width = 133;                 // RPT_WIDTH
  int screen_lines = 22;               // SCREEN_LINES
  bool std_func = true;                // STD_FUNC
  char swap_disk = 'C';                // SWAP_DISK
  int tblname_len = 8;                 // TBLNAME_LEN
  int trnname_len = 7;                 // TRNNAME_LEN
};

// The process-wide typed keys.
TypedKeys& typed_keys();

// Reads one key file; a file that cannot be opened is skipped. Typed keys
// set their variables, other KEY=value lines enter the free key list; the
// limits of the typed keys are then applied and the name lengths of object
// types 0 and 7 set from TRNNAME_LEN and TBLNAME_LEN.
void ReadConfigFile(std::string_view path);

// The value of a key of the free key list (case-insensitive), or none.
std::optional<std::string> GetConfigValue(std::string_view key);

// Sets a typed key's variable when the key is one, then puts the pair into
// the free key list. 0, or 1 when no memory was left (nothing changed).
int SetConfigValue(std::string_view key, std::string_view value);

// Significant name length of an object type (types 25 and above: 30).
int get_type_name_len(int type);
// Sets the name length of types 0 to 24; other types are ignored.
void set_type_name_len(int type, int length);

// Back to the state at program start: typed keys at their defaults, an
// empty free key list, the default name lengths.
void reset_config_keys();

}  // namespace qn::config
