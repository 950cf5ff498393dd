// Program options, data-store preferences, and the database system, driver,
// data store and external name of the model and of each table.
//
// An option is looked up in this order: the object's own prop(Name, Value)
// rules, then the model's configuration, which is data store 1's preference
// when that is not empty, else the host's free key list (i_config/2). What
// the configuration and the preferences answer is cached for the whole run
// in config_i/2 and dstore_pref_i/3, so the host is asked once per key.
// Option names compare upper-cased. Nothing here reports an error: a missing
// value is an absent answer, and the caller takes its default.
//
// A table is named by the Value of its p/5 `table` entry (or `intname`);
// a data store by its number or by its name: 1 and "Default" (any case) are
// the default store, others are found in the object's datastore/1 rules,
// else its datastore_i/1 facts.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// --- program options ----------------------------------------------------------

// pgm_prop_value/3: the first prop rule of the name whose value is not
// "UMPV", else config_value/2. A value that is a number counts as its
// decimal text.
std::optional<std::string> pgm_prop_value(Run& run, std::string_view name);
// pgm_prop_upper/3: the value upper-cased.
std::optional<std::string> pgm_prop_upper(Run& run, std::string_view name);
// pgm_prop_is/3: the upper-cased value begins with the upper-cased prefix;
// false when the option has no value.
bool pgm_prop_is(Run& run, std::string_view name, std::string_view prefix);
// pgm_prop_dft/3 and pgm_prop_upper_dft/3: never fail.
std::string pgm_prop_dft(Run& run, std::string_view name, std::string_view def);
std::string pgm_prop_upper_dft(Run& run, std::string_view name, std::string_view def);

// config_value/2: the model's value of Key, no object rule consulted.
std::optional<std::string> config_value(Run& run, std::string_view key);
// config_is/2: as pgm_prop_is/3 on config_value/2.
bool config_is(Run& run, std::string_view key, std::string_view prefix);
// dstore_pref/3: data store Store's preference Key (through i_dstorepref/4
// with the current model pair's second number).
std::optional<std::string> dstore_pref(Run& run, int64_t store, std::string_view key);

// statusbar_on/0: generated windows show a status bar.
bool statusbar_on(Run& run);
// java_package_prefix/1: PACKAGE followed by ".", or '' when unset or empty.
std::string java_package_prefix(Run& run);
// dtasrc/1 and dtasrc_code/1: the option DTASRC as text, and as a number
// (none when it is not one).
std::optional<std::string> dtasrc(Run& run);
std::optional<int64_t> dtasrc_code(Run& run);
// cs_server/1, cs_schema/1, cs_dbname/1 (DTALIB when DTASRC is 4).
std::optional<std::string> cs_server(Run& run);
std::optional<std::string> cs_schema(Run& run);
std::optional<std::string> cs_dbname(Run& run);
// cs_reorg_on/1: false only when CS_REORG begins with "N".
bool cs_reorg_on(Run& run);
// initialize_new_on/0: initialize_new begins with "y".
bool initialize_new_on(Run& run);

// conn_dialog_user/3: the user and password texts as Java string literals
// (quotes included) and the dialog flag.
struct ConnDialogUser {
  std::string user;
  std::string password;
  int64_t flag = 1;
};
ConnDialogUser conn_dialog_user(Run& run);

// --- database systems and drivers ----------------------------------------------

// One row of dtasrc_table/4.
struct DtasrcRow {
  std::string_view code;
  std::string_view dbms;
  std::string_view short_name;
  std::string_view api;
  std::string_view driver;
};
// dtasrc_table/4 in its order, and the row of a code (none for 2, 10, 13 ...).
std::span<const DtasrcRow> dtasrc_table();
const DtasrcRow* dtasrc_row(std::string_view code);
// related_dtasrc/2: 4 for 9 and 9 for 4.
std::optional<int64_t> related_dtasrc(int64_t code);
// driver_cs_name/2 in its order: (driver, name as CS_DRIVER spells it).
std::span<const std::pair<std::string_view, std::string_view>> driver_cs_names();

// model_driver/1, model_access_api/1, model_dbms/1 of the default data store.
std::optional<std::string> model_driver(Run& run);
std::optional<std::string> model_access_api(Run& run);
std::optional<std::string> model_dbms(Run& run);

// default_dstore/1 and the one connection name of generated code
// (is_data_cmd/1, tbl_conn_name/2, dstore_conn_name/2).
inline constexpr std::string_view kDefaultDstore = "Default";
inline constexpr std::string_view kConnName = "qndata";

// A data store of the model: [Number, Name, Code | _].
struct Datastore {
  int64_t number = 1;
  std::string name;
  std::optional<int64_t> code;  // none for the default store (the model's DTASRC)
};
// The data store a number or a name stands for (see the top of this file).
std::optional<Datastore> find_dstore(Run& run, const engine::Term& store);

struct DbmsDriver {
  std::string dbms;
  std::string driver;
};
// dstore_dbms_driver/3: store 1 (or none given) answers the model's DBMS and
// driver; another store's code is looked up in dtasrc_table/4.
std::optional<DbmsDriver> dstore_dbms_driver(Run& run, const std::optional<engine::Term>& store);
// dstore_dbms/2.
std::optional<std::string> dstore_dbms(Run& run, const engine::Term& store);

// --- tables ------------------------------------------------------------------------

// tbl_dstore/2: the Value of the table's datastore entry, else 1 when the
// table has an entry at all; none for a table without entry.
std::optional<engine::Term> tbl_dstore(Run& run, const engine::Term& table);
// tbl_dstore_num/2 and tbl_dstore_name/2 ("Default" for store 1).
std::optional<int64_t> tbl_dstore_num(Run& run, const engine::Term& table);
std::optional<std::string> tbl_dstore_name(Run& run, const engine::Term& table);
// The number of the table's data store, 1 for a table without entry (the
// store whose preferences a capability of the table reads).
int64_t tbl_store_or_default(Run& run, const engine::Term& table);
// same_dstore/2: both tables use one data store (no entry counts as 1).
bool same_dstore(Run& run, const engine::Term& a, const engine::Term& b);
// tbl_dbms_driver/3, table_dbms/2 (else model_dbms/1), dbms_option/2 (the
// driver, else the model's driver).
std::optional<DbmsDriver> tbl_dbms_driver(Run& run, const engine::Term& table);
std::optional<std::string> table_dbms(Run& run, const engine::Term& table);
std::optional<std::string> dbms_option(Run& run, const engine::Term& table);

// dstore_value/4 (fv, Key, Name): under the table's data store's code, the
// model's DTASRC, then the code related to it.
std::optional<engine::Term> dstore_value(Run& run, const engine::Term& table,
                                         std::string_view name);
// tbl_ext_name/3: NAME when not empty, else the internal name.
std::string tbl_ext_name(Run& run, const engine::Term& table, std::string_view internal);
// tbl_location/2: LOC, else ''.
std::string tbl_location(Run& run, const engine::Term& table);
// tbl_schema/3: SCHEMA; else CS_SCHEMA unless the table uses synonyms
// outside a reorganisation; else ''.
std::string tbl_schema(Run& run, const engine::Term& table);
// tbl_qualified_name/3.
std::string tbl_qualified_name(Run& run, const engine::Term& table, std::string_view name);

// tbl_property/4 and idx_property/5: a non-empty saved property through
// i_tblproperty/4 and i_idxproperty/4.
std::optional<std::string> tbl_property(Run& run, const engine::Term& model,
                                        const engine::Term& table, std::string_view property);
std::optional<std::string> idx_property(Run& run, const engine::Term& model,
                                        const engine::Term& table, const engine::Term& index,
                                        std::string_view property);

// --- shared with the capability table ------------------------------------------

// The upper-cased value begins with the upper-cased prefix.
bool text_begins(std::string_view value, std::string_view prefix);
// A text that is a decimal number (digits, an optional leading '-').
std::optional<int64_t> decimal_of(std::string_view text);
// The object has the program rule a(13, [endtrn]).
bool has_endtrn_rule(Run& run);
// The numbers of the model's data stores: 1, then those of the datastore/1
// rules and the datastore_i/1 facts, each once.
std::vector<int64_t> model_dstores(Run& run);

}  // namespace qn::logic
