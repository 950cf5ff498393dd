#include "logic/java/remote_calls.h"

#include <vector>

#include "logic/core/attributes.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/program/program_calls.h"
#include "logic/program/program_frame.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/commands.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/program_start.h"
#include "logic/toolbox/pending.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

std::string protocol_option(Run& run) {
  auto v = pgm_prop_value(run, "REMOTE_CALLS");
  return v && !v->empty() ? platform::upper_1252(*v) : "NEVER";
}

bool proc_or_rpt(const Run& run) { return spec_kind_in(run, {"proc", "rpt"}); }

bool has_stub_rule(const Run& run) {
  return run.facts().exists(fact("rule_i", {num(0), fact("stub", {var()})}));
}

int64_t int_of(const Term& t) { return t.is_int() ? t.as_int() : 0; }

std::string package_prefix(Run& run) {
  auto p = pgm_prop_value(run, "PACKAGE");
  return p && !p->empty() ? *p + "." : "";
}

// One parameter as the packer sees it: an array passes its variable, any
// other value its holder aP<n>.
struct PackedParm {
  std::string var;
  std::string type;  // serialisation type
  int dims = 0;
};

std::optional<std::vector<PackedParm>> packed_parms(Run& run) {
  auto entries = parm_list(run, inout_parms(run));
  if (!entries) return std::nullopt;
  std::vector<PackedParm> out;
  for (const ParmEntry& e : *entries) {
    if (!e.type_desc) continue;  // an object parameter is not packed
    const auto d = e.type_desc->list_items();
    out.push_back({e.java_name, get_serialization_type(d[0], int_of(d[1]), int_of(d[2])),
                   e.dim_count});
  }
  return out;
}

std::string array_read(const PackedParm& p) {
  return "qnp_i.read" + p.type + (p.dims == 2 ? "Array2" : "Array") + "();";
}

}  // namespace

bool remote_calls_protocol(Run& run) { return protocol_option(run) != "NEVER"; }

bool remote_calls_protocol(Run& run, std::string_view protocol) {
  static const std::pair<const char*, const char*> names[] = {
      {"rmi", "SUN_RMI"}, {"dcom", "DCOM"}, {"voyager", "VOYAGER"}, {"corba", "CORBA"}};
  for (const auto& [p, option] : names) {
    if (protocol == p) return protocol_option(run) == option;
  }
  return false;
}

std::string get_serialization_type(const Term& type, int64_t length, int64_t decimals) {
  return capitalize(java_type_name(type, length, decimals));
}

std::string get_serialization_type_trim(const Term& type, int64_t length, int64_t decimals) {
  const std::string t = get_serialization_type(type, length, decimals);
  return type == "char" ? t + "Trim" : t;
}

std::optional<std::string> remote_supplier_expr(Run& run, std::string_view kind,
                                                std::string_view name, std::string_view location) {
  const std::string ctx = context_args();
  const std::string n(name);
  if (kind == "proc") {
    return "Application.getRemoteProcedure(" + ctx + ", " + java_quoted(package_prefix(run) + n) +
           ", " + std::string(location) + ")";
  }
  if (kind == "trn") {
    return "Application.getRemoteProcedure(" + ctx + ", " + java_quoted(package_prefix(run) + n) +
           ", Application.getQNDBHost(" + ctx + "))";
  }
  static const std::pair<const char*, const char*> suppliers[] = {
      {"fwdsup", "getRemoteForwardSupplier"},
      {"updsup", "getRemoteUpdateSupplier"},
      {"sup", "getRemoteSupplier"}};
  for (const auto& [k, getter] : suppliers) {
    if (kind == k) {
      return "Application.getApplicationServer(Application.getQNDBHost(" + ctx + "))." + getter +
             "(\"" + n + "\", remoteHandle)";
    }
  }
  return std::nullopt;
}

std::string remote_db_condition() { return "Application.isRemoteQNDB(" + context_args() + ")"; }

bool remote_entry_needed(Run& run) {
  if (has_stub_rule(run)) return false;
  if (proc_or_rpt(run) && remote_calls_protocol(run) && (is_main_object(run) || pgmtype_main(run)))
    return true;
  return auto_remote_proc(run);
}

bool remote_call_form(Run& run) {
  return (proc_or_rpt(run) && remote_calls_protocol(run) &&
          (has_stub_rule(run) || is_main_object(run) || pgmtype_main(run))) ||
         auto_remote_proc(run);
}

bool gen_remote_proc_stub(Run& run) {
  if (!remote_entry_needed(run)) return true;
  auto parms = packed_parms(run);
  auto entries = parm_list(run, inout_parms(run));
  if (!parms || !entries) return false;
  Out out(run);
  out.pieces({"public byte[] execute(byte[] parms)"}).open("{");
  out.pieces({"QNParameterPacker qnp_o = new QNParameterPacker();"});
  out.pieces({"try "}).open("{");
  out.pieces({"QNParameterUnpacker qnp_i = new QNParameterUnpacker(parms);"});
  for (size_t i = 0; i < parms->size(); ++i) {
    const PackedParm& p = (*parms)[i];
    if (p.dims > 0) {
      out.pieces({p.var, "=", array_read(p)});
    } else {
      const std::string& holder = (*entries)[i].java_type;
      out.pieces({holder, p.var, "= new", holder, "(", "qnp_i.read" + p.type, "());"});
    }
  }
  out.pieces({""});
  declare_var(run, atom("isRemote"), Term::list({atom("boolean"), num(1), num(0), num(1)}), "s",
              Term::list({}));
  out.pieces({"isRemote = true;"});
  bool ok = gen_execute_int_calls(run);
  out.pieces({""});
  for (const PackedParm& p : *parms) {
    out.pieces({"qnp_o.write" + p.type + "(" + p.var + (p.dims > 0 ? ");" : ".getValue());")});
  }
  out.close("}").pieces({"catch (Throwable e)"}).open("{");
  out.pieces({"PrivateUtilities.throwRemoteException(e);"}).close("}");
  out.pieces({"return qnp_o.toByteArray();"}).close("}").pieces({""});
  return out.ok() && ok;
}

bool gen_remote_call_holders(Run& run, std::string_view location) {
  auto parms = packed_parms(run);
  if (!parms) return false;
  std::string program;
  if (auto c = run.facts().first(fact("current_pgm_i", {var()}))) program = text_of(c->arg(1));
  auto expr = remote_supplier_expr(run, "proc", program, java_quoted(location));
  Out out(run);
  out.pieces({"QNParameterPacker qnp_o = new QNParameterPacker();"});
  for (const PackedParm& p : *parms) {
    out.pieces({"qnp_o.write" + p.type + "(" + p.var + (p.dims > 0 ? ");" : ".getValue());")});
  }
  out.pieces({""});
  out.pieces({"QNParameterUnpacker qnp_i = new QNParameterUnpacker(", *expr + ".execute(",
              "qnp_o.toByteArray()));"});
  out.pieces({""});
  for (const PackedParm& p : *parms) {
    if (p.dims > 0) {
      // The values go into the caller's own array: the parameter holds the
      // caller's reference, and a new array put in its place would never
      // reach the caller.
      std::string read = array_read(p);
      read.pop_back();
      out.pieces({"System.arraycopy(" + read + ", 0,", p.var + ", 0,", p.var + ".length);"});
    } else {
      out.pieces({p.var + ".setValue(", "qnp_i.read" + p.type + "()", ");"});
    }
  }
  return out.ok();
}

bool gen_remote_call_vars(Run& run, std::string_view program, std::string_view location,
                          const std::vector<RemoteArg>& args) {
  auto expr = remote_supplier_expr(run, "proc", program, location);
  Out out(run);
  std::vector<std::string> types;
  for (const RemoteArg& a : args) {
    const auto d = a.type_desc.list_items();
    if (d.size() < 3) return false;
    types.push_back(get_serialization_type(d[0], int_of(d[1]), int_of(d[2])));
  }
  out.pieces({"QNParameterPacker qnp_o = new QNParameterPacker();"});
  for (size_t i = 0; i < args.size(); ++i) {
    out.pieces({"qnp_o.write" + types[i] + "( this." + args[i].aux + ");"});
  }
  out.pieces({""});
  out.pieces({"QNParameterUnpacker qnp_i = new QNParameterUnpacker(", *expr + ".execute(",
              "qnp_o.toByteArray()));"});
  out.pieces({""});
  for (size_t i = 0; i < args.size(); ++i) {
    out.pieces({args[i].aux, "=", "qnp_i.read" + types[i], "();"});
  }
  return out.ok();
}

}  // namespace qn::logic
