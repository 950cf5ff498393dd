#include "logic/javaui/data_views.h"

#include <algorithm>
#include <map>

#include "logic/core/host_calls.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/core/utilities.h"
#include "logic/java/class_frame.h"
#include "logic/java/db_classes.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Term;

namespace {

// The program declares the XML writer of the xml functions.
bool declares_xml(Run& run) {
  for (const engine::Term& d : run.facts().clauses("fld_to_dcl_i", 3)) {
    if (text_of(d.arg(1)) == "xml") return true;
  }
  return false;
}

// The object-rule bodies Pattern (rule_i(_, Pattern)).
std::vector<engine::Term> rule_bodies(Run& run, const engine::Term& pattern) {
  std::vector<engine::Term> out;
  for (const engine::Term& r : run.facts().findall(fact("rule_i", {var(), pattern}))) {
    out.push_back(r.arg(2));
  }
  return out;
}

std::vector<int64_t> ints(const engine::Term& list) {
  std::vector<int64_t> out;
  for (const engine::Term& t : list.list_items()) {
    if (t.is_int()) out.push_back(t.as_int());
  }
  return out;
}

// One view file, its facts loaded.
void one_view(Run& run, int64_t model, const std::string& file) {
  auto& facts = run.facts();
  const auto fv = rule_bodies(run, fact("p", {var(), var(), atom("fv"), var(), var()}));
  std::optional<engine::Term> entry;
  bool table = false;
  for (const engine::Term& p : fv) {
    const auto body = p.arg(5).list_items();
    if (body.size() < 2 || !p.arg(4).is_int()) continue;
    if (body[0] == "table") {
      entry = p;
      table = true;
      break;
    }
    if (body[0] == "intname" && !entry) entry = p;
  }
  if (!entry) {
    show_error_box(run, "Data view " + file + ": no fv entry names the view; left out");
    return;
  }
  const int64_t x = entry->arg(4).as_int();
  const std::string name = text_of(entry->arg(5).list_items()[1]);
  const int64_t id = table ? x : x + 1000;
  std::vector<int64_t> key;
  for (const engine::Term& i : rule_bodies(run, fact("index", {var(), var(), atom("u"), var()}))) {
    facts.assertz(fact("index_i", {atom(name), Term::list({i.arg(1), atom("u"), i.arg(4)})}));
    if (key.empty()) key = ints(i.arg(4));
  }
  std::vector<int64_t> listed;
  for (const engine::Term& f : rule_bodies(run, fact("file", {var(), var(), var()}))) {
    for (int64_t a : ints(f.arg(3))) {
      if (std::find(listed.begin(), listed.end(), a) == listed.end()) listed.push_back(a);
    }
  }
  TableClassInput in;
  if (table) {
    auto t = table_class_input(run, model, x, "cpm");
    if (!t) {
      show_error_box(run, "Data view " + file + ": the knowledge base does not know table " +
                              std::to_string(x) + "; left out");
      return;
    }
    in = std::move(*t);
    if (!listed.empty()) {
      std::vector<TableClassAtt> own;
      for (int64_t a : listed) {
        auto it = std::find_if(in.own.begin(), in.own.end(),
                               [&](const TableClassAtt& c) { return c.number == a; });
        if (it != in.own.end()) own.push_back(*it);
      }
      in.own = std::move(own);
    }
  } else {
    in.model = model;
    in.table = id;
    in.name = name;
    in.mode = "cpm";
    auto store = tbl_dstore_name(run, num(id));
    in.data_store = platform::upper_1252(store ? *store : std::string(kDefaultDstore));
    for (int64_t a : listed) {
      auto c = table_class_att(run, model, a, key);
      if (!c) {
        show_error_box(run, "Data view " + file + ": the knowledge base does not know attribute " +
                                std::to_string(a) + "; left out");
        continue;
      }
      in.own.push_back(std::move(*c));
      in.extended.push_back(a);
    }
  }
  if (in.own.empty()) {
    show_error_box(run, "Data view " + file + ": the view has no attributes; left out");
    return;
  }
  // A view without a table entry names itself while its classes are written.
  const engine::Term stand_in = fact("table_i", {num(id), atom(name)});
  const bool named = !table && !facts.exists(fact("table_i", {num(id), var()}));
  if (named) facts.assertz(stand_in);
  if (!gen_table_data_class(run, in) || !gen_table_supplier_class(run, in)) {
    show_error_box(run, "Data view " + file + ": its classes cannot be written");
  }
  if (named) facts.retract_all(stand_in);
}

}  // namespace

std::optional<std::string> dv_spec_dir(Run& run) {
  auto d = run.facts().first(fact("dir_i", {atom("s"), var()}));
  if (!d) return std::nullopt;
  const std::string dir = text_of(d->arg(2));
  const std::string upper = platform::upper_1252(dir);
  for (size_t i = upper.size(); i-- > 0;) {
    if (i + 6 <= upper.size() && upper.compare(i, 3, "GEN") == 0 && std::isdigit(static_cast<unsigned char>(upper[i + 3])) &&
        std::isdigit(static_cast<unsigned char>(upper[i + 4])) && (upper[i + 5] == '\\' || upper[i + 5] == '/') &&
        (i == 0 || upper[i - 1] == '\\' || upper[i - 1] == '/')) {
      return dir.substr(0, i);
    }
  }
  return std::nullopt;
}

void load_data_views(Run& run, int64_t model) {
  // The model's generation folders, unless the run has them already.
  if (!run.facts().exists(fact("dir_i", {atom("s"), var()}))) set_gen_dirs(run, model);
  std::string dir;
  if (auto d = dv_spec_dir(run)) {
    dir = *d;
  } else {
    trace_msg(run, {"get_spc_dv_dir Failed", std::to_string(model)});
  }
  const std::vector<std::string> names = list_directory(run, dir + "*.dv");
  if (names.empty()) return;
  // The object's own specification facts, restored after the views.
  auto& facts = run.facts();
  std::vector<std::pair<engine::PredKey, std::vector<engine::Term>>> saved;
  for (const auto& k : clear_list()) saved.push_back({k, facts.clauses(k)});
  const int64_t c1 = run.engine().ctr_is(1), c2 = run.engine().ctr_is(2);
  for (const std::string& n : names) {
    const std::string file = dir + n;
    if (!load_spec_file(run, file)) {
      trace_msg(run, {"Data view file read :", file, " failed."});
      show_error_box(run, "Data view " + file + " cannot be read; left out");
      continue;
    }
    one_view(run, model, file);
  }
  clear_spec_facts(run);
  for (const auto& [k, clauses] : saved) {
    facts.abolish(k);
    for (const engine::Term& c : clauses) facts.assertz(c);
  }
  run.engine().ctr_set(1, c1);
  run.engine().ctr_set(2, c2);
}

bool gen_http_web_execute(Run& run) {
  bool ok = emit_method_header(run, "initContext", "protected ", "void", {}, "");
  Out(run).pieces({"Application.init(QNcfg.class, false);"})
      .pieces({"context = new ModelContext(getClass());"});
  ok = ok && emit_method_end(run);
  ok = ok && emit_method_header(run, "webExecute", "public ", "void", {}, "");
  Out out(run);
  if (declares_xml(run)) {
    out.open("try {");
    out.pieces({"xml.setWriter(res.getWriter());"});
    out.close("} catch (java.io.IOException e) {").shift(3);
    out.pieces({"System.out.println(e);"});
    out.close("}");
  }
  out.pieces({"execute_int();"});
  return ok && out.ok() && emit_method_end(run);
}

}  // namespace qn::logic
