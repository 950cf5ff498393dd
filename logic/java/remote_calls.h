// Programs reached on an application server: the protocol option, the
// serialisation names of the parameter packer, the expressions that obtain
// remote procedures and suppliers, the remote entry of a procedure and the
// caller's side of a remote call.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// remote_calls_protocol/1 without a protocol: REMOTE_CALLS (upper-cased,
// default NEVER) is not NEVER.
bool remote_calls_protocol(Run& run);
// remote_calls_protocol/1 with one: rmi for SUN_RMI, dcom, voyager, corba.
bool remote_calls_protocol(Run& run, std::string_view protocol);
// get_serialization_type/4: the capitalised Java type name (Int, String,
// Date, Blobfile ...); get_serialization_type_trim/4: StringTrim for char.
std::string get_serialization_type(const engine::Term& type, int64_t length, int64_t decimals);
std::string get_serialization_type_trim(const engine::Term& type, int64_t length,
                                        int64_t decimals);
// remote_supplier_expr/4 (Kind, Name, Location): kinds proc, trn, fwdsup,
// updsup, sup; nullopt for another kind. For proc Location is a Java
// literal and Name the program (the package prefix is added).
std::optional<std::string> remote_supplier_expr(Run& run, std::string_view kind,
                                                std::string_view name, std::string_view location);
// remote_db_condition/1.
std::string remote_db_condition();
// remote_entry_needed/0: a procedure or report with a protocol, generated
// as a main program, or an automatic remote procedure; never with a stub
// rule.
bool remote_entry_needed(Run& run);
// remote_call_form/0: a procedure or report called through its remote
// branch.
bool remote_call_form(Run& run);
// gen_remote_proc_stub/0: "public byte[] execute(byte[] parms)".
bool gen_remote_proc_stub(Run& run);
// The call through holders of the execute method: the parameters packed
// from aP<n>, the remote program executed at Location, the values read back
// (an array's into the caller's own array).
bool gen_remote_call_holders(Run& run, std::string_view location);
// The call through this-variables of an rpc call of Program at Location,
// with the auxiliary names and type descriptors of its arguments.
struct RemoteArg {
  std::string aux;
  engine::Term type_desc;  // [Type, Length, Decimals | _]
};
bool gen_remote_call_vars(Run& run, std::string_view program, std::string_view location,
                          const std::vector<RemoteArg>& args);

}  // namespace qn::logic
