// Programs that run in the database as stored procedures: a user-defined
// procedure call (call kind udp) of one becomes an SQL CALL. On the AS/400
// the procedures a program calls with arguments are kept (odbc_call_i/3),
// and the procedure-creation program drops and creates them all.
#pragma once

#include <string>
#include <vector>

#include "engine/term.h"
#include "logic/core/run.h"

namespace qn::logic {

// gen_udp_call/5 (Name, TokenType, Arguments, A4, A5): the CALL of a stored
// procedure; fails for any other target, which is then called as an
// ordinary program. Programs listed in CS_MTAPGML are ordinary calls here.
bool gen_udp_call(Run& run, const engine::Term& name, const engine::Term& token_type,
                  const engine::Term& arguments, const engine::Term& a4, const engine::Term& a5);
// is_stored_proc/1 (Name): the upper-cased name, quotes removed, is listed
// in CS_RPCPGML (cs_rpc_pgms_i/1, read once for the object), is an external
// program of type storedprocedure, or has an odbc_call_i/3 fact.
bool is_stored_proc(Run& run, const engine::Term& name);
// uses_stored_procs/0: an AS/400 stored procedure is declared, or some
// odbc_call_i/3 fact exists.
bool uses_stored_procs(Run& run);
// crt_stored_procs/0: DROP PROCEDURE and CREATE PROCEDURE of every AS/400
// stored procedure, each a qnexecimm line: the declared ones first, then
// those of odbc_call_i/3. A declared procedure whose modes and types differ
// in count gets, in place of its CREATE, the comment
// "// Stored procedure N: m modes, t types".
bool crt_stored_procs(Run& run);
// rpc_parm_types/2 (Arguments, Types): [Type, Length, Decimals, 0] of every
// variable argument (token type 23 or 2) whose type is known.
bool rpc_parm_types(Run& run, const engine::Term& arguments, engine::Term& types);

// sp_names/3: Upper (quotes removed, upper-cased) and Qualified (under the
// db2400 driver WA0002 + "/" + Upper when Upper has no "/" and WA0002 is
// set; for a stored procedure declared for a DBMS other than as400 its
// declared Name; else Upper).
struct SpNames {
  std::string upper;
  std::string qualified;
};
SpNames sp_names(Run& run, const engine::Term& name);

// One part of a CALL's argument text: a variable is the marker " ?" with
// the variable as an in/out parameter.
struct SpCall {
  std::string text;
  std::vector<engine::Term> parameters;  // in marker order
};
// sp_call_text/4 (Qualified, Arguments, Call): by the DBMS of data store 1,
// keyword and parentheses: informix "EXECUTE PROCEDURE" with "()" or "("
// ")", sqlserver "EXECUTE" with none, any other "CALL" with "(" ")" around
// arguments only.
SpCall sp_call_text(Run& run, std::string_view qualified, const engine::Term& arguments);

}  // namespace qn::logic
