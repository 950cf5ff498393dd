#include "logic/java/db_classes.h"
#include "logic/javaui/data_views.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <unordered_set>

#include "logic/core/attributes.h"
#include "logic/core/host_calls.h"
#include "logic/core/host_interface.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/javaui/java_functions.h"
#include "logic/core/gen_targets.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/java/remote_calls.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/nav_names.h"
#include "logic/sql/select_text.h"
#include "logic/sql/sql_statements.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

std::vector<int64_t> ints_of(const Term& list) {
  std::vector<int64_t> out;
  if (!list.is_list()) return out;
  for (const Term& t : list.list_items()) {
    if (t.is_int()) out.push_back(t.as_int());
  }
  return out;
}

Term int_list(const std::vector<int64_t>& v) {
  std::vector<Term> items;
  items.reserve(v.size());
  for (int64_t i : v) items.push_back(num(i));
  return Term::list(items);
}

bool contains(const std::vector<int64_t>& v, int64_t x) {
  return std::find(v.begin(), v.end(), x) != v.end();
}

// Host predicate with one list output at the end.
std::optional<Term> host_list(Run& run, std::string_view name, std::vector<Term> args) {
  args.push_back(Term::fresh_var());
  if (!call_host(run, name, std::span<Term>(args))) return std::nullopt;
  return args.back();
}

// The primary key: the attributes of an fv rule index(_, _, u, Atts) of the
// table, else the knowledge base's.
std::vector<int64_t> primary_key(Run& run, int64_t model, int64_t table) {
  for (const Term& r : run.facts().findall(fact("p", {var(), var(), atom("fv"), num(table), var()}))) {
    const Term& body = r.arg(5);
    if (!body.is_list()) continue;
    auto items = body.list_items();
    if (items.size() >= 4 && items[0] == "index" && items[2] == "u") return ints_of(items[3]);
  }
  auto key = host_list(run, "i_obt_prim_key", {num(model), num(table)});
  return key ? ints_of(*key) : std::vector<int64_t>{};
}

// The attributes a table stores, each once, in order.
std::vector<int64_t> table_atts(Run& run, int64_t model, int64_t table) {
  auto all = host_list(run, "i_all_atrisr", {num(model), num(table)});
  std::vector<int64_t> out;
  if (!all) return out;
  for (int64_t a : ints_of(*all)) {
    if (!contains(out, a)) out.push_back(a);
  }
  return out;
}

std::optional<TableClassAtt> class_att(Run& run, int64_t model, int64_t att,
                                       const std::vector<int64_t>& key) {
  auto name = get_attri_name(run, num(model), num(att));
  auto type = get_attri_type(run, num(model), num(att));
  if (!name || !type || !type->length.is_int() || !type->decimals.is_int()) return std::nullopt;
  TableClassAtt a;
  a.number = att;
  a.name = text_of(*name);
  a.type = type->type;
  a.length = type->length.as_int();
  a.decimals = type->decimals.as_int();
  a.java_type = get_c_type(a.type, a.length, a.decimals);
  a.column = a.name;
  a.key = contains(key, att);
  return a;
}

std::string pad3(int64_t n) { return padl(std::to_string(n), 3, '0'); }

// The data-store name of a table: its fv datastore rule, else store 1.
std::string table_data_store(Run& run, int64_t table) {
  auto name = tbl_dstore_name(run, num(table));
  return platform::upper_1252(name ? *name : std::string(kDefaultDstore));
}

std::string serialization_type(const TableClassAtt& a) {
  return get_serialization_type(a.type, a.length, a.decimals);
}

// nav_accessor_name/9: the member path from Table to Related (one
// foreign-key member call per step of the join path, as nav_names builds
// it for the programs) and the attribute's getter or setter.
std::optional<std::string> nav_accessor_name(Run& run, int64_t model, int64_t table,
                                             int64_t related, int64_t att, std::string_view kind) {
  auto path = get_nav1_st(num(table), num(related), table_joins(run, model, num(table)));
  if (!path) return std::nullopt;
  std::string text;
  for (size_t k = 1; k < path->size(); ++k) {
    auto member = fk_member_name(run, model, (*path)[k]);
    if (!member) return std::nullopt;
    text += *member + "().";
  }
  auto method = kind == "get" ? attribute_getter_name(run, model, num(att))
                              : attribute_setter_name(run, model, num(att));
  if (!method) return std::nullopt;
  return text + *method;
}

std::string getter(const TableClassAtt& a) { return "get" + capitalize(a.name); }
std::string setter(const TableClassAtt& a) { return "set" + capitalize(a.name); }

// "stmt.set<Type>(i++, <value>);" for a key or field parameter.
std::string stmt_set_line(const TableClassAtt& a, std::string_view obj) {
  std::string value = std::string(obj) + getter(a) + "()";
  const bool dated = a.type == "date" || a.type == "dtime";
  if (dated) value = "new java.sql.Timestamp (" + value + ".getTime())";
  return "stmt.set" + capitalize(accessor_type_name(a.type, a.length, a.decimals)) + "(i++, " +
         value + ");";
}

struct ClassNames {
  std::string data, supplier, object;
};

ClassNames names_of(const TableClassInput& in) {
  return {"dbc" + in.name, "supc" + in.name, "dbo" + platform::lower_1252(in.name)};
}

void status(Run& run, const TableClassInput& in, const std::string& cls, int steps) {
  post_status_msg(run, num(0), num(0),
                  Term::list({num(0), num(2), str("ZIZA++ for " + in.name), str(""), str(cls)}));
  set_progress_len(run, num(steps));
}

bool method_header(Out& out, const std::string& header) {
  out.pieces({header});
  out.open("{");
  return out.ok();
}

// "case N :" a block in from the switch, its statements a block further
// (the margin step rides on this line, so a statement another writer emits
// lands at the right margin).
void case_line(Out& out, size_t n) {
  out.shift(-kMarginStep);
  out.open("case " + std::to_string(n) + " :");
}

bool method_end(Out& out) {
  out.close("}");
  out.pieces(std::vector<Piece>{});
  return out.ok();
}

}  // namespace

std::optional<TableClassInput> table_class_input(Run& run, int64_t model, int64_t table,
                                                 const std::string& mode) {
  TableClassInput in;
  in.model = model;
  in.table = table;
  in.mode = mode;
  auto name = table_class_name(run, num(table), model);
  if (!name || name->empty()) return std::nullopt;
  in.name = *name;
  const std::vector<int64_t> own = table_atts(run, model, table);
  if (own.empty()) return std::nullopt;
  const std::vector<int64_t> key = primary_key(run, model, table);
  for (int64_t att : own) {
    auto a = class_att(run, model, att, key);
    if (!a) return std::nullopt;
    in.own.push_back(std::move(*a));
  }
  in.data_store = table_data_store(run, table);
  std::array<Term, 6> closure{num(model), int_list(own), num(2), num(table), var(), var()};
  if (call_host(run, "i_closuret", std::span<Term>(closure))) {
    in.extended = ints_of(closure[4]);
    std::vector<int64_t> seen{table};
    // An attribute reached along two paths (CUSTID of INVOICE, and of
    // CUSTOMER through INVOICE) gets its accessors once, by the first path:
    // a second pair would not compile.
    std::vector<int64_t> reached = own;
    if (closure[5].is_list()) {
      for (const Term& entry : closure[5].list_items()) {
        if (!entry.is_list() || entry.list_items().empty() || !entry.list_items()[0].is_int())
          continue;
        const int64_t t = entry.list_items()[0].as_int();
        if (contains(seen, t)) continue;
        seen.push_back(t);
        ClosureEntry e{t, {}};
        for (int64_t a : table_atts(run, model, t)) {
          if (contains(in.extended, a) && !contains(reached, a)) {
            e.reached.push_back(a);
            reached.push_back(a);
          }
        }
        in.closure.push_back(std::move(e));
      }
    }
  }
  return in;
}

bool gen_table_data_class(Run& run, const TableClassInput& in) {
  const ClassNames n = names_of(in);
  status(run, in, n.data, 9);
  if (!gen_class_start(run, in.model, "tab", n.data, "dbc" + pad3(in.table), in.mode)) return false;
  Out out(run);
  const int64_t own_count = static_cast<int64_t>(in.own.size());

  // Foreign-key members: the related tables' data classes.
  struct Member {
    const ClosureEntry* entry;
    std::string cls, name;
  };
  std::vector<Member> members;
  if (!in.temp) {
    for (const ClosureEntry& e : in.closure) {
      auto rel = table_class_name(run, num(e.table), in.model);
      if (!rel) continue;
      const std::string cls = "dbc" + *rel;
      auto member = fk_member_name(run, in.model, num(e.table));
      if (!member) continue;
      members.push_back({&e, cls, *member});
      out.pieces({"private", cls, *member, ";"});
    }
  }
  for (const TableClassAtt& a : in.own) out.pieces({"private", a.java_type, a.name, ";"});

  // The static field list.
  std::string base = in.temp_sql_name;
  if (!in.temp) {
    base = table_sql_name(run, "q", num(in.table));
  }
  out.pieces(std::vector<Piece>{});
  out.emit(R"(
    static protected Field FieldList[];
    static protected String sBaseTable;

    static
  )");
  out.open("{");
  out.pieces({"sBaseTable = " + java_quoted(base) + ";"});
  out.pieces({"FieldList = new Field [" + std::to_string(own_count) + "];"});
  for (int64_t i = 0; i < own_count; ++i) {
    const TableClassAtt& a = in.own[static_cast<size_t>(i)];
    const std::string code = text_of(a.type);
    out.pieces({"FieldList[" + std::to_string(i) + "] = new Field(" + std::to_string(i) + ", " +
                java_quoted(a.column) + ", " + java_quoted(code) + "," + std::to_string(a.length) +
                "," + std::to_string(a.decimals) + "," + (a.key ? "true" : "false") + "," +
                std::to_string(a.number) + ");"});
  }
  out.close("}");
  out.pieces({"public Field[] getFieldList () { return FieldList; }"});
  out.pieces({"public int getBaseTableId () { return", in.table, "; }"});
  out.pieces({"public static String getDataSourceName() { return", java_quoted(in.data_store),
              "; }"});
  out.pieces({"public String getConnection () { return getDataSourceName(); }"});
  out.pieces({"public String getBaseTable () { return " +
              std::string(in.temp ? "Application.getSchema(context, remoteHandle, "
                                    "getDataSourceName()) + sBaseTable"
                                  : "sBaseTable") +
              "; }"});

  // Constructor, supplier name and supplier.
  out.pieces(std::vector<Piece>{});
  method_header(out, "public " + n.data + "(ModelContext context, int remoteHandle, boolean readOnly)");
  out.pieces({"super(context, remoteHandle, readOnly);"});
  out.pieces({"clear();"});
  out.pieces({"LoadedFields = new java.util.BitSet(", own_count, ");"});
  method_end(out);
  method_header(out, "public String getSupplierName()");
  out.pieces({"return", java_quoted(java_package_prefix(run) + n.supplier), ";"});
  method_end(out);
  method_header(out, "public QNDBSupplier getLocalSupplier()");
  out.pieces({"if (localSupplier == null)"}).shift(kMarginStep);
  out.pieces({"localSupplier = new", n.supplier, "(context, remoteHandle, this);"}).shift(-kMarginStep);
  out.pieces({"return localSupplier;"});
  method_end(out);

  method_header(out, "public void clear()");
  for (const TableClassAtt& a : in.own) {
    out.pieces({a.name, "=", empty_value(type_desc(text_of(a.type), a.length, a.decimals)), ";"});
  }
  for (const Member& m : members) {
    out.pieces({"if (", m.name, "!= null )", m.name + ".clear()", ";"});
  }
  method_end(out);

  for (size_t i = 0; i < in.own.size(); ++i) {
    const TableClassAtt& a = in.own[i];
    method_header(out, "public " + a.java_type + " " + getter(a) + "()");
    out.pieces({"return", a.name, ";"});
    method_end(out);
    method_header(out, "public void " + setter(a) + "(" + a.java_type + " " + a.name + ")");
    out.pieces({"LoadedFields.set(", static_cast<int64_t>(i), ");"});
    out.pieces({"this." + a.name, "=", a.name, ";"});
    method_end(out);
  }

  for (const Member& m : members) {
    method_header(out, "public " + m.cls + " " + m.name + "()");
    out.pieces({"if (", m.name, "==", "null", ")"});
    out.open("{");
    out.pieces({m.name, "= new", m.cls, "(context, remoteHandle, readOnly);"});
    out.close("}");
    out.pieces({"return", m.name, ";"});
    method_end(out);
  }

  // Accessors of the attributes reached through the related tables.
  for (const Member& m : members) {
    for (int64_t att : m.entry->reached) {
      if (!contains(in.extended, att)) continue;
      auto a = class_att(run, in.model, att, {});
      if (!a) continue;
      auto get = nav_accessor_name(run, in.model, in.table, m.entry->table, att, "get");
      auto set = nav_accessor_name(run, in.model, in.table, m.entry->table, att, "set");
      if (!get || !set) {
        out.pieces({"// Ignoring attribute", a->name});
        continue;
      }
      method_header(out, "public " + a->java_type + " " + getter(*a) + "()");
      out.pieces({"return", *get + "()", ";"});
      method_end(out);
      method_header(out, "public void " + setter(*a) + "(" + a->java_type + " " + a->name + ")");
      out.pieces({*set + "(" + a->name + ")", ";"});
      method_end(out);
    }
  }

  // Serialisation of a row.
  method_header(out, "public void loadFromByteArray(byte[] parms)");
  out.pieces({"paramUnpacker.reset(parms);"});
  out.pieces({"while (!paramUnpacker.eof()) {"}).shift(kMarginStep);
  out.pieces({"switch (paramUnpacker.readShort()) {"}).shift(2 * kMarginStep);
  for (size_t i = 0; i < in.own.size(); ++i) {
    const TableClassAtt& a = in.own[i];
    const std::string ser = serialization_type(a);
    if (ser.empty()) {
      out.pieces({"// -> undefined parameter type", a.name});
      continue;
    }
    case_line(out, i + 1);
    out.pieces({setter(a) + "(paramUnpacker.read" + ser + "());"});
    out.pieces({"break;"});
  }
  out.shift(-2 * kMarginStep).pieces({"}"});
  out.close("}");
  method_end(out);

  method_header(out, "public void writeParameter(QNParameterPacker packer, int pos)");
  out.pieces({"switch (pos) {"}).shift(2 * kMarginStep);
  for (size_t i = 0; i < in.own.size(); ++i) {
    const TableClassAtt& a = in.own[i];
    const std::string ser = serialization_type(a);
    if (ser.empty()) {
      out.pieces({"// -> undefined parameter type", a.name});
      continue;
    }
    case_line(out, i + 1);
    out.pieces({"packer.write" + ser + "(" + getter(a) + "());"});
    out.pieces({"break;"});
  }
  out.shift(-2 * kMarginStep).pieces({"}"});
  method_end(out);
  return out.ok() && emit_class_end(run) && close_output(run);
}

bool gen_table_supplier_class(Run& run, const TableClassInput& in) {
  const ClassNames n = names_of(in);
  status(run, in, n.supplier, 7);
  if (!gen_class_start(run, in.model, "sup", n.supplier, "supc" + pad3(in.table), in.mode))
    return false;
  Out out(run);
  const std::string& d = n.object;
  std::vector<const TableClassAtt*> keys, fields;
  for (const TableClassAtt& a : in.own) (a.key ? keys : fields).push_back(&a);
  const int64_t own_count = static_cast<int64_t>(in.own.size());
  const int64_t key_count = static_cast<int64_t>(keys.size());

  out.pieces({"private", n.data, d, ";"});
  out.pieces(std::vector<Piece>{});
  method_header(out, "public " + n.supplier + "(ModelContext context, int remoteHandle, " + n.data +
                         " " + d + ")");
  out.pieces({"super(context, remoteHandle,", d, ".getReadOnly());"});
  out.pieces({"this." + d + " = " + d + ";"});
  method_end(out);
  method_header(out,
                "public " + n.supplier + "(ModelContext context, int remoteHandle, boolean readOnly)");
  out.pieces({"super(context, remoteHandle, readOnly);"});
  out.pieces({"newDBO();"});
  method_end(out);
  method_header(out, "public void setDBO(DatabaseClass " + d + ")");
  out.pieces({"this." + d + " = (" + n.data + ") " + d + ";"});
  method_end(out);
  method_header(out, "public DatabaseClass getDBO()");
  out.pieces({"return ", d, ";"});
  method_end(out);
  method_header(out, "public void newDBO()");
  out.pieces({d, "= new", n.data, "(", context_args(), ", readOnly);"});
  method_end(out);

  const std::string obj = d + ".";
  method_header(out,
                "public void setFirstPK(QNPreparedStatement stmt, boolean upd) throws SQLException");
  for (const TableClassAtt* a : keys) {
    if (auto min = min_value(a->java_type)) out.pieces({obj + setter(*a), "(", *min, ")", ";"});
  }
  out.pieces({"setPK(stmt, upd);"});
  method_end(out);
  method_header(out, "public void setPK(QNPreparedStatement stmt, boolean upd) throws SQLException");
  out.pieces({"short i = 1;"});
  out.pieces({"if (upd) i = ", own_count - key_count + 1, ";"});
  for (const TableClassAtt* a : keys) out.pieces({stmt_set_line(*a, obj)});
  method_end(out);
  method_header(out,
                "public void setFields(QNPreparedStatement stmt, boolean upd) throws SQLException");
  out.pieces({"short i =", key_count + 1, ";"});
  out.pieces({"if (upd) i = 1;"});
  for (const TableClassAtt* a : fields) out.pieces({stmt_set_line(*a, obj)});
  method_end(out);
  method_header(out, "public void getFields(QNResultSet rslt) throws SQLException");
  for (size_t i = 0; i < in.own.size(); ++i) {
    const TableClassAtt& a = in.own[i];
    out.pieces({obj + setter(a) + "(rslt.get" +
                capitalize(accessor_type_name(a.type, a.length, a.decimals)) + "(" +
                std::to_string(i + 1) + "));"});
  }
  method_end(out);

  // Binding by field number.
  method_header(out, "public void bindParameters(QNPreparedStatement stmt, int column, int field) "
                     "throws SQLException");
  out.pieces({"switch (field)"});
  out.pieces({"{"}).shift(2 * kMarginStep);
  for (size_t i = 0; i < in.own.size(); ++i) {
    const TableClassAtt& a = in.own[i];
    case_line(out, i + 1);
    stmt_setter_call(run, "s", a.type, a.length, a.decimals, "stmt", "column",
                     obj + getter(a) + "()");
    out.pieces({"break;"});
  }
  out.shift(-2 * kMarginStep).pieces({"}"});
  method_end(out);
  method_header(out,
                "public void bindColumns(QNResultSet rslt, int field, int column) throws SQLException");
  out.pieces({"switch (field)"});
  out.pieces({"{"}).shift(2 * kMarginStep);
  for (size_t i = 0; i < in.own.size(); ++i) {
    const TableClassAtt& a = in.own[i];
    auto get = rslt_getter_call(run, "s", a.type, a.length, a.decimals, "column", "rslt");
    if (!get) {
      out.pieces({"/* -> undefined parameter type */"});
      continue;
    }
    case_line(out, i + 1);
    out.pieces({obj + setter(a) + "(" + *get + ");"});
    out.pieces({"break;"});
  }
  out.shift(-2 * kMarginStep).pieces({"}"});
  method_end(out);
  method_header(out, "public Object getResultColumn(int field)");
  out.pieces({"switch (field)"});
  out.pieces({"{"}).shift(2 * kMarginStep);
  for (size_t i = 0; i < in.own.size(); ++i) {
    const TableClassAtt& a = in.own[i];
    std::string value = obj + getter(a) + "()";
    if (auto w = wrapper_class(a.java_type)) value = "new " + *w + "((" + a.java_type + ")" + value + ")";
    case_line(out, i + 1);
    out.pieces({"return", value, ";"});
  }
  out.shift(-2 * kMarginStep).pieces({"}"});
  out.pieces({"return null;"});
  method_end(out);

  // The searched DELETE of a row; empty when none can be made.
  std::vector<Term> key_numbers;
  for (const TableClassAtt* a : keys) key_numbers.push_back(num(a->number));
  auto del = sql_delete_stmt(run, num(in.table), key_numbers, "");
  std::string stmt = del ? del->text : "";
  // A temporary table deletes from itself: its name in place of the table's.
  const std::string from = "DELETE FROM " + table_sql_name(run, "q", num(in.table));
  if (in.temp && stmt.rfind(from, 0) == 0)
    stmt = "DELETE FROM " + in.temp_sql_name + stmt.substr(from.size());
  method_header(out, "public String SQLDelete()");
  out.pieces({"return" + java_quoted(stmt) + ";"});
  method_end(out);
  return out.ok() && emit_class_end(run) && close_output(run);
}

namespace {

bool class_created(Run& run, int64_t table) {
  return run.facts().exists(fact("qndb_class_created", {num(table)}));
}

// The classes of one table in a mode; false when the table cannot be read
// from the knowledge base or a file cannot be written.
bool gen_one_table(Run& run, int64_t model, int64_t table, const std::string& mode, bool temp,
                   const std::string& temp_name) {
  if (temp) {
    run.facts().assertz(fact("i_is_temp_table", {}));
    run.facts().assertz(
        fact("ttable_i", {num(table), Term::list({str(temp_name), Term::list({}), str(temp_name)})}));
  }
  auto in = table_class_input(run, model, table, mode);
  bool ok = in.has_value();
  if (in) {
    for (const TableClassAtt& a : in->own)
      make_aux_names(run, num(a.number), Term::integer(0), kAuxA, Term::atom("n"));
    in->temp = temp;
    if (temp) {
      in->temp_sql_name = temp_name;
      in->closure.clear();
    }
    ok = gen_table_data_class(run, *in) && gen_table_supplier_class(run, *in);
  }
  if (temp) {
    run.facts().retract_all(fact("i_is_temp_table", {}));
    run.facts().retract_all(fact("ttable_i", {num(table), var()}));
  }
  return ok;
}

bool is_creation(const Run& run) {
  auto spec = spec_list(run);
  if (!spec || !spec->is_list()) return false;
  auto items = spec->list_items();
  return !items.empty() && items.back() == "crt";
}

struct WorkEntry {
  int64_t table;
  std::string change;  // the new_tables/3 kind, or "super" for a superordinate table
  std::string aux;     // the auxiliary name of its temporary table
};

}  // namespace

std::optional<TableClassAtt> table_class_att(Run& run, int64_t model, int64_t att,
                                             const std::vector<int64_t>& key) {
  return class_att(run, model, att, key);
}

bool gen_reorg_classes(Run& run, int64_t source_model, int64_t target_model) {
  (void)source_model;
  run.facts().abolish("qndb_class_created", 1);
  run.facts().assertz(fact("generating_qndb_i", {}));
  std::vector<WorkEntry> work;
  std::unordered_set<int64_t> listed;
  for (const Term& f : run.facts().findall(fact("new_tables", {var(), var(), var()}))) {
    if (!f.arg(1).is_int() || !listed.insert(f.arg(1).as_int()).second) continue;
    std::string aux;
    if (f.arg(3).is_list()) {
      auto items = f.arg(3).list_items();
      if (items.size() >= 2) aux = text_of(items[1]);
    }
    work.push_back({f.arg(1).as_int(), text_of(f.arg(2)), aux});
  }
  const bool creation = is_creation(run);
  if (!creation) {
    // The superordinate tables of the tables to reorganise.
    const size_t n = work.size();
    for (size_t i = 0; i < n; ++i) {
      auto super = host_list(run, "i_dir_super", {num(target_model), num(work[i].table)});
      if (!super || !super->is_list()) continue;
      for (const Term& e : super->list_items()) {
        const Term t = e.is_list() && !e.list_items().empty() ? e.list_items()[0] : e;
        if (t.is_int() && listed.insert(t.as_int()).second) work.push_back({t.as_int(), "super", ""});
      }
    }
  }
  setfilelen(run, num(3 + 2 * static_cast<int64_t>(work.size())));
  for (const WorkEntry& w : work) {
    if (class_created(run, w.table)) continue;
    const bool renamed = run.facts().exists(
        fact("rename_copy", {Term::cons(num(w.table), var())}));
    const std::string mode = renamed ? "inm" : "cpm";
    if (!gen_one_table(run, target_model, w.table, mode, false, "")) {
      show_error_box(run, "Table " + std::to_string(w.table) +
                              ": its classes cannot be written from the knowledge base");
      continue;
    }
    if (!creation && w.change != "new" && w.change != "super" && !w.aux.empty()) {
      gen_one_table(run, target_model, w.table, "inm", true, w.aux);
    }
    run.facts().assertz(fact("qndb_class_created", {num(w.table)}));
  }
  load_data_views(run, target_model);
  run.facts().retract_all(fact("generating_qndb_i", {}));
  return true;
}

namespace {

std::string param_java_type(const CursorParam& p) {
  return get_c_type(p.type, p.length, p.decimals);
}

std::string param_list(const std::vector<CursorParam>& params) {
  std::string out;
  for (size_t i = 0; i < params.size(); ++i) {
    if (i) out += ", ";
    out += param_java_type(params[i]) + " P" + std::to_string(i + 1);
  }
  return out;
}

std::string param_names(const std::vector<CursorParam>& params) {
  std::string out;
  for (size_t i = 0; i < params.size(); ++i) out += (i ? ", P" : "P") + std::to_string(i + 1);
  return out;
}

// The catch line of the cursor classes' try blocks.
void catch_line(Out& out, const std::string& where) {
  out.shift(-kMarginStep);
  out.pieces({"} catch (SQLException e) { Application.QNLocalException(" + context_args() + ", " +
              where + ", e); }"});
}

std::string ser_of(const CursorParam& p) {
  return get_serialization_type(p.type, p.length, p.decimals);
}

// The setters of the parameters from the unpacker (kind call, variable Stmt).
void unpacked_setters(Run& run, Out& out, const CursorClassInput& in, std::string_view stmt) {
  for (size_t i = 0; i < in.params.size(); ++i) {
    const CursorParam& p = in.params[i];
    const std::string ser = ser_of(p);
    if (ser.empty()) {
      out.pieces({"/* -> undefined parameter type */"});
      continue;
    }
    stmt_setter_call(run, "call", p.type, p.length, p.decimals, stmt, std::to_string(i + 1),
                     "qnu.read" + ser + "()");
  }
}

// The server side's setParameters(byte[]): the parameters the client
// packed, set on the statement.
void unpacked_set_parameters(Run& run, Out& out, const CursorClassInput& in) {
  method_header(out, "public void setParameters(byte[] parms)");
  out.pieces({"qnu.reset(parms);"});
  // Without parameters nothing throws: an empty try block would not compile.
  if (!in.params.empty()) {
    out.open("try {");
    unpacked_setters(run, out, in, "stmt");
    catch_line(out, "supplierName + \".setParameters\"");
  }
  method_end(out);
}

// The remote branch of a statement's method: the parameters packed for the
// server; remote_branch_else ends it and opens the local branch.
void remote_branch_start(Out& out, const CursorClassInput& in) {
  out.open("if (" + remote_db_condition() + ") {");
  out.pieces({"qnp.reset();"});
  for (size_t i = 0; i < in.params.size(); ++i) {
    const std::string ser = ser_of(in.params[i]);
    if (ser.empty()) {
      out.pieces({"/* -> undefined parameter type */"});
      continue;
    }
    out.pieces({"qnp.write" + ser + "(P" + std::to_string(i + 1) + ");"});
  }
}

void remote_branch_else(Out& out) {
  out.close("}");
  out.pieces({"else"});
  out.open("{");
}

// The call of a cursor's setParameters inside its statement's try block.
void set_parameters_call(Out& out, const std::vector<CursorParam>& params) {
  if (params.empty()) {
    out.pieces({"setParameters();"});  // the base class's, without a stray blank
  } else {
    out.pieces({"setParameters(", param_names(params), ");"});
  }
}

// The typed setParameters(P1, ...) of a cursor with parameters.
void typed_set_parameters(Run& run, Out& out, const std::vector<CursorParam>& params) {
  if (params.empty()) return;
  method_header(out, "public void setParameters(" + param_list(params) + ")");
  out.open("try {");
  for (size_t i = 0; i < params.size(); ++i) {
    const CursorParam& p = params[i];
    stmt_setter_call(run, "s", p.type, p.length, p.decimals, "stmt", std::to_string(i + 1),
                     "P" + std::to_string(i + 1));
  }
  catch_line(out, "supplierName + \".setParameters\"");
  method_end(out);
}

// The class of a read cursor (kind fwdsup) after its header. With remote
// calls (a source of its own) its fetch goes to the server when the data
// base is remote.
bool gen_read_cursor(Run& run, const CursorClassInput& in, const std::string& cls) {
  const bool remote = in.new_source;
  Out out(run);
  const std::string& d = in.data_object;
  const std::string supplier = java_quoted(java_package_prefix(run) + cls);
  out.pieces({"private", in.data_class, d, ";"});
  out.pieces(std::vector<Piece>{});
  if (remote) {
    // The row the server packed, unpacked into the data object: a computed
    // column back into the formula of its position.
    method_header(out, "public void loadFromArrayToDBO()");
    out.open("if (!eof) {");
    for (size_t i = 0; i < in.columns.size(); ++i) {
      const CursorParam& c = in.columns[i];
      const std::string ser = ser_of(c);
      if (!ser.empty() && c.formula) {
        out.pieces({d + ".setFormula(" + std::to_string(i + 1) + ", qnu.read" + ser + "());"});
        continue;
      }
      if (c.setter.empty() || ser.empty()) {
        out.pieces({"// Warning 002: cannot get attribute", static_cast<int64_t>(i + 1)});
        continue;
      }
      out.pieces({d + "." + c.setter + "(qnu.read" + ser + "());"});
    }
    out.close("}");
    method_end(out);
  }
  method_header(out, "public " + cls + "(ModelContext context, int remoteHandle)");
  out.pieces({"super(", context_args(), ");"});
  out.pieces({"readOnly =", in.read_only ? "true" : "false", ";"});
  out.pieces({"cursorId =", java_quoted(in.id), ";"});
  out.pieces({"supplierName =", supplier, ";"});
  out.pieces({"SQL =", java_quoted(in.sql), ";"});
  if (in.read_buffer) out.pieces({"readBuffer = 16384;"});
  method_end(out);
  method_header(out, "public DatabaseClass getDBO()");
  out.pieces({"return", d, ";"});
  method_end(out);
  method_header(out, "public void newDBO()");
  out.pieces({d, "= new", in.data_class, "(", context_args(), ", readOnly);"});
  method_end(out);
  method_header(out, "public void getFields(QNResultSet rslt) throws SQLException");
  for (size_t i = 0; i < in.columns.size(); ++i) {
    const CursorParam& c = in.columns[i];
    auto get = rslt_getter_call(run, "s", c.type, c.length, c.decimals, std::to_string(i + 1),
                                "rslt");
    if (get && c.formula) {
      out.pieces({d + ".setFormula(" + std::to_string(i + 1) + ", " + *get + ");"});
      continue;
    }
    if (!get || c.setter.empty()) {
      out.pieces({"// Warning 002: cannot get attribute", static_cast<int64_t>(i + 1)});
      continue;
    }
    out.pieces({d + "." + c.setter + "(" + *get + ");"});
  }
  method_end(out);
  // Filled only with remote calls: the row packed for the client.
  method_header(out, "public void getFieldsStream(QNResultSet rslt) throws SQLException");
  if (remote) {
    for (size_t i = 0; i < in.columns.size(); ++i) {
      const CursorParam& c = in.columns[i];
      auto get = rslt_getter_call(run, "s", c.type, c.length, c.decimals, std::to_string(i + 1),
                                  "rslt");
      const std::string ser = ser_of(c);
      if (!get || ser.empty()) {
        out.pieces({"// Warning 002: cannot get attribute", static_cast<int64_t>(i + 1)});
        continue;
      }
      out.pieces({"qnp.write" + ser + "(" + *get + ");"});
    }
  }
  method_end(out);
  std::string header = "public void fetchFirst(" + in.data_class + " " + d;
  if (!in.params.empty()) header += ", " + param_list(in.params);
  method_header(out, header + ")");
  out.pieces({"this." + d, "=", d, ";"});
  out.pieces({d + ".unloadAll();"});
  const auto key_setters = [&] {
    for (size_t i = 0; i < in.params.size(); ++i) {
      if (!in.params[i].setter.empty())
        out.pieces({d + "." + in.params[i].setter + "(P" + std::to_string(i + 1) + ");"});
    }
  };
  if (remote) {
    remote_branch_start(out, in);
    out.pieces({"bytes = getRemoteSupplier().fetchFirst(qnp.toByteArray());"});
    out.pieces({"qnu.reset(bytes);"});
    out.pieces({"eof = qnu.eof();"});
    key_setters();
    out.pieces({"loadFromArrayToDBO();"});
    remote_branch_else(out);
  }
  out.open("try {");
  out.pieces({"prepare();"});
  key_setters();
  set_parameters_call(out, in.params);
  out.pieces({"execute();"});
  out.pieces({"readNext();"});
  catch_line(out, supplier + " + \".fetchFirst\"");
  if (remote) out.close("}");
  method_end(out);
  typed_set_parameters(run, out, in.params);
  if (remote) unpacked_set_parameters(run, out, in);
  return out.ok();
}

}  // namespace

bool gen_cursor_class(Run& run, int64_t model, const CursorClassInput& in) {
  const bool call = in.kind == "call";
  const bool update = in.kind == "upd" || in.kind == "ins" || in.kind == "dlt" || in.kind == "UDK";
  const std::string cls = call     ? call_class_name(in.name)
                          : update ? upd_cursor_class_name(in.name)
                                   : fwd_cursor_class_name(in.name);
  if (in.new_source && !close_output(run)) return false;
  if (!gen_class_header(run, model, call ? "call" : update ? "updsup" : "fwdsup", cls,
                        in.new_source ? SourceMode::New : SourceMode::Same))
    return false;
  if (!call && !update) return gen_read_cursor(run, in, cls) && emit_class_end(run);
  Out out(run);
  // One Java literal each, escaped once.
  const std::string id = java_quoted(in.id), sql = java_quoted(in.sql);
  if (call) {
    method_header(out, "public " + cls + "(int remoteHandle)");
    out.emit(R"(
      super(remoteHandle);
      isCall = true;
      readOnly = false;
    )");
    out.pieces({"dataSourceName = " + java_quoted(table_data_store(run, 0)) + ";"});
    out.pieces({"cursorId = ", id, ";"});
    out.pieces({"sqlSentence =", sql, ";"});
    method_end(out);
    method_header(out, "protected void registerOutParameters() throws SQLException");
    for (size_t i = 0; i < in.params.size(); ++i) {
      const CursorParam& p = in.params[i];
      auto jt = jdbc_type(run, p.type, p.length, p.decimals);
      if (!jt) {
        out.pieces({"/* -> undefined parameter type */"});
        continue;
      }
      out.pieces({"cstmt.registerOutParameter(", static_cast<int64_t>(i + 1), ",", *jt, ");"});
    }
    method_end(out);
    method_header(out, "protected void setParameters() throws SQLException");
    unpacked_setters(run, out, in, "cstmt");
    method_end(out);
    method_header(out, "protected void getParameters() throws SQLException");
    for (size_t i = 0; i < in.params.size(); ++i) {
      const CursorParam& p = in.params[i];
      const std::string ser = ser_of(p);
      auto get = rslt_getter_call(run, "call", p.type, p.length, p.decimals,
                                  std::to_string(i + 1), "cstmt");
      if (ser.empty() || !get) {
        out.pieces({"/* -> undefined parameter type */"});
        continue;
      }
      out.pieces({"qnp.write" + ser + "(" + *get + ");"});
    }
    method_end(out);
  } else {
    const std::string supplier = java_quoted(java_package_prefix(run) + cls);
    method_header(out, "public " + cls + "(ModelContext context, int remoteHandle)");
    out.pieces({"super(", context_args(), ");"});
    out.pieces({"dataSourceName =", in.data_class + ".getDataSourceName();"});
    out.pieces({"supplierName =", supplier, ";"});
    out.pieces({"cursorId =", id, ";"});
    out.pieces({"SQL =", sql, ";"});
    method_end(out);
    method_header(out, "public void executeUpd(" + param_list(in.params) + ")");
    if (in.new_source) {
      remote_branch_start(out, in);
      out.pieces({"getRemoteSupplier().executeUpd(qnp.toByteArray());"});
      remote_branch_else(out);
    }
    out.open("try {");
    out.pieces({"prepare();"});
    set_parameters_call(out, in.params);
    out.pieces({"execute();"});
    catch_line(out, supplier + " + \".executeUpd\"");
    if (in.new_source) out.close("}");
    method_end(out);
    typed_set_parameters(run, out, in.params);
    unpacked_set_parameters(run, out, in);
  }
  return out.ok() && emit_class_end(run);
}

std::string java_unquoted(std::string_view literal) {
  if (literal.size() < 2 || literal.front() != '"' || literal.back() != '"') return std::string(literal);
  const std::string_view body = literal.substr(1, literal.size() - 2);
  std::string out;
  for (size_t i = 0; i < body.size(); ++i) {
    if (body[i] != '\\' || i + 1 == body.size()) {
      out += body[i];
      continue;
    }
    const char c = body[++i];
    if (c == 'n') {
      out += '\n';
    } else if (c == 'r') {
      out += '\r';
    } else if (c == 't') {
      out += '\t';
    } else if (c == 'u' && i + 4 < body.size() &&
               std::all_of(body.begin() + static_cast<std::ptrdiff_t>(i + 1),
                           body.begin() + static_cast<std::ptrdiff_t>(i + 5),
                           [](char h) { return std::isxdigit(static_cast<unsigned char>(h)); })) {
      out += static_cast<char>(std::stoi(std::string(body.substr(i + 1, 4)), nullptr, 16));
      i += 4;
    } else if (c >= '0' && c <= '7') {
      int v = 0, n = 0;
      while (n < 3 && i < body.size() && body[i] >= '0' && body[i] <= '7') {
        v = v * 8 + (body[i++] - '0');
        ++n;
      }
      --i;
      out += static_cast<char>(v);
    } else {
      out += c;  // \\ and \"
    }
  }
  return out;
}

namespace {

// A statement parameter: its attribute's or variable's type, else a
// constant's (a number int, anything else char).
CursorParam cursor_param(Run& run, int64_t model, const Term& token,
                         const std::vector<int64_t>& columns) {
  const Term value = token.is_compound() && token.arity() >= 1 ? token.arg(1) : token;
  CursorParam p;
  if (auto t = get_attri_type(run, num(model), value);
      t && t->length.is_int() && t->decimals.is_int()) {
    p.type = t->type;
    p.length = t->length.as_int();
    p.decimals = t->decimals.as_int();
  } else if (value.is_int()) {
    p.type = atom("int");
    p.length = static_cast<int64_t>(std::to_string(value.as_int()).size());
  } else {
    p.type = atom("char");
    p.length = std::max<int64_t>(1, static_cast<int64_t>(text_of(value).size()));
  }
  if (value.is_int() && contains(columns, value.as_int())) {
    if (auto s = attribute_setter_name(run, model, value)) p.setter = *s;
  }
  return p;
}

// The select list of a SELECT text, split at the commas outside brackets
// and quotes.
std::vector<std::string> select_list(std::string_view sql) {
  std::vector<std::string> out;
  const std::string upper = platform::upper_1252(sql);
  if (upper.rfind("SELECT ", 0) != 0) return out;
  size_t pos = 7;
  if (upper.compare(pos, 9, "DISTINCT ") == 0) pos += 9;
  int depth = 0;
  bool quoted = false;
  std::string item;
  for (; pos < sql.size(); ++pos) {
    const char c = sql[pos];
    if (c == '"' || c == '\'') quoted = !quoted;
    if (!quoted && depth == 0 && upper.compare(pos, 6, " FROM ") == 0) break;
    if (!quoted && c == '(') ++depth;
    if (!quoted && c == ')') --depth;
    if (!quoted && depth == 0 && c == ',') {
      out.push_back(item);
      item.clear();
      continue;
    }
    item += c;
  }
  out.push_back(item);
  for (std::string& s : out) {
    const size_t b = s.find_first_not_of(' '), e = s.find_last_not_of(' ');
    s = b == std::string::npos ? "" : s.substr(b, e - b + 1);
    if (const size_t dot = s.rfind('.'); dot != std::string::npos && s.find('(') == std::string::npos)
      s = s.substr(dot + 1);
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"') s = s.substr(1, s.size() - 2);
  }
  return out;
}

}  // namespace

bool gen_embedded_cursor_classes(Run& run) {
  auto& facts = run.facts();
  facts.abolish("progressbar_level_i", 1);
  const auto m = get_model_num(run);
  const int64_t model = m && m->is_int() ? m->as_int() : 0;
  bool new_source = remote_calls_protocol(run);
  if (spec_kind_in(run, {"trn"})) new_source = new_source && pgm_prop_is(run, "MTIER_OPT", "No");
  const bool read_buffer = spec_kind_in(run, {"web", "proc", "rpt"});
  const bool read_only = read_committed_flag(run) == "true";
  bool ok = true;
  for (const Term& entry : facts.clauses("embsql_cursor_i", 2)) {
    const auto items = entry.arg(2).list_items();
    if (items.size() < 6) continue;
    CursorClassInput in;
    in.name = text_of(entry.arg(1));
    in.id = in.name;
    in.sql = java_unquoted(text_of(items[0]));
    const std::string kind = text_of(items[5]);
    in.kind = kind == "dclcall" || items[2] == "call" ? "call" : kind;
    in.new_source = new_source;
    in.read_buffer = read_buffer;
    in.read_only = read_only;
    const auto tables = items[1].list_items();
    const Term table = tables.empty() ? Term::nil() : tables[0];
    const std::vector<int64_t> columns =
        table.is_int() ? table_atts(run, model, table.as_int()) : std::vector<int64_t>{};
    if (table.is_int()) {
      in.data_class = table_kind_class_name(run, model, table, "tab").value_or("");
      in.data_object = base_table_obj(run, model, table).value_or("");
    }
    for (const Term& t : items[4].list_items()) in.params.push_back(cursor_param(run, model, t, columns));
    const bool update = in.kind == "upd" || in.kind == "ins" || in.kind == "dlt" || in.kind == "UDK";
    if (in.kind != "call" && (in.data_class.empty() || in.data_object.empty())) {
      trace_msg(run, {"Cursor class without a table:", in.name});
      ok = false;
      continue;
    }
    if (!update && in.kind != "call") {
      for (const std::string& col : select_list(in.sql)) {
        CursorParam c;
        for (int64_t a : columns) {
          if (platform::upper_1252(sql_attname(run, table, num(a))) != platform::upper_1252(col))
            continue;
          c = cursor_param(run, model, fact("t", {num(a), num(kTokAttribute)}), columns);
          break;
        }
        // A computed column (the optimised group's SUM and COUNT) is the
        // data object's formula of its position, a number.
        if (c.setter.empty() && col.find('(') != std::string::npos) {
          c.formula = true;
          c.type = atom("pac");
          c.length = 17;
          c.decimals = 5;
        }
        in.columns.push_back(c);
      }
    }
    ok = gen_cursor_class(run, model, in) && ok;
  }
  return ok;
}

}  // namespace qn::logic
