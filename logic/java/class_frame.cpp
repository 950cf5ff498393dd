#include "logic/java/class_frame.h"

#include <algorithm>

#include "logic/core/host_calls.h"
#include "logic/core/options.h"
#include "logic/core/out.h"
#include "logic/core/output.h"
#include "logic/core/rule_terms.h"
#include "logic/core/spec_files.h"
#include "logic/java/java_naming.h"
#include "logic/program/expressions.h"
#include "platform/path.h"

namespace qn::logic {

using engine::Term;

namespace {

using List = std::vector<std::string>;

const List kProcImports = {"java.sql.*", "com.quenora.db.driver.*", "com.quenora.*",
                           "com.quenora.reports.*", "com.quenora.distributed.*"};
const List kReorgImports = {"java.sql.*", "com.quenora.db.driver.*", "com.quenora.*"};
const List kBaseImports = {"com.quenora.*"};
// An element class names the cells of its subfile (QNComponent) and, in
// multi-tier applications, the parameter packer.
const List kElementImports = {"com.quenora.*", "com.quenora.uifactory.*",
                              "com.quenora.distributed.*"};
const List kStubImports = {"java.applet.*"};
const List kWebImports = {"com.quenora.*", "com.quenora.db.driver.*", "com.quenora.distributed.*",
                          "com.quenora.webpanels.*", "java.sql.*"};
const List kOtherImports = {"com.quenora.*", "com.quenora.db.driver.*", "com.quenora.distributed.*",
                            "com.quenora.uifactory.*", "java.sql.*"};

bool has_rule(const Run& run, const Term& body) {
  return run.facts().exists(fact("rule_i", {var(), body}));
}

bool main_program(const Run& run) {
  return has_rule(run, fact("prop", {atom("PGMTYPE"), atom("main")}));
}

bool has_stub_rule(const Run& run) {
  return run.facts().exists(fact("rule_i", {num(0), fact("stub", {var()})}));
}

bool in_web(Run& run) {
  auto kind = spec_kind(run);
  return (kind && *kind == "web") || http_main_pgm(run);
}

bool is_one_of(std::string_view kind, std::initializer_list<std::string_view> kinds) {
  return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace

std::vector<std::string> class_imports(Run& run, std::string_view kind) {
  List list;
  if ((kind == "proc" && !http_main_pgm(run)) || kind == "rpt") {
    list = kProcImports;
  } else if (kind == "reorg") {
    list = kReorgImports;
  } else if (kind == "sfobj") {
    list = kElementImports;
  } else if (is_one_of(kind, {"ce", "cfg"})) {
    list = kBaseImports;
  } else if (kind == "stub") {
    list = kStubImports;
  } else if (kind == "web" || in_web(run)) {
    list = kWebImports;
  } else {
    list = kOtherImports;
  }
  if (main_program(run)) {
    for (const std::string& imp : in_web(run) ? kWebImports : kOtherImports) {
      if (std::find(list.begin(), list.end(), imp) == list.end()) list.push_back(imp);
    }
  }
  return list;
}

bool gen_imports(Run& run, std::string_view kind) {
  Out out(run);
  const bool applet_stub = kind == "stub" && main_program(run);
  if (auto package = pgm_prop_value(run, "PACKAGE"); package && !package->empty() && !applet_stub) {
    out.pieces({"package " + *package + ";"});
  }
  for (const std::string& imp : class_imports(run, kind)) out.pieces({"import " + imp + ";"});
  return out.ok();
}

std::string class_superclass(Run& run, std::string_view kind) {
  const bool pgm = kind == "rpt" || kind == "proc";
  if (kind == "tab") return *class_prefix("tabsup");
  if (kind == "sup") return *class_prefix("supsup");
  if (pgm && http_main_pgm(run)) return "QNWebProcedure";
  static const std::pair<const char*, const char*> fixed[] = {
      {"scr", "QNWorkpanel"}, {"mbr", "QNMenuBar"}, {"web", "QNWebPanel"}, {"event", "Thread"}};
  for (const auto& [k, s] : fixed) {
    if (kind == k) return s;
  }
  if (kind == "load") {
    return has_rule(run, fact("prop", {atom("LOADALL"), atom("YES")})) ? "QNLoadProducerAll"
                                                                       : "QNLoadProducer";
  }
  static const std::pair<const char*, const char*> more[] = {
      {"mouseadapter", "MouseAdapter"},
      {"bmpactionlistener", "QNImageButtonListener"},
      {"stub", "QNApplet"},
      {"mreorg", "QNReorganization"},
      {"sfobj", "QNSubfileElement"},
      {"fwdsup", "QNDBForwardSupplier"},
      {"call", "QNJDBCProcedure"},
      {"updsup", "QNDBUpdateSupplier"},
      {"crtjdbc", "QNProcedure"}};
  for (const auto& [k, s] : more) {
    if (kind == k) return s;
  }
  if (pgm) return has_print_lines(run) ? "QNReport" : "QNProcedure";
  if (kind == "trn") {
    return run.facts().count("trn_server_side_i", 0) > 0 ? "QNServerTransaction" : "QNTransaction";
  }
  if (kind == "reorg" || kind == "ce") return "QNProcedure";
  return "";
}

std::vector<std::string> class_interfaces(Run& run, std::string_view kind) {
  static const std::pair<const char*, const char*> fixed[] = {{"focuslistener", "FocusListener"},
                                                              {"subfflow", "QNSubfileFlow"},
                                                              {"actionlistener", "ActionListener"},
                                                              {"itemlistener", "ItemListener"},
                                                              {"cfg", "QNConfiguration"}};
  for (const auto& [k, i] : fixed) {
    if (kind == k) return {i};
  }
  if ((kind == "proc" || kind == "rpt") && remote_procedure(run) && !has_stub_rule(run)) {
    return {"IRemoteProcedureWrapper"};
  }
  return {};
}

bool gen_class_header(Run& run, int64_t model, std::string_view kind, std::string_view name,
                      SourceMode mode) {
  if (mode == SourceMode::New) {
    if (!class_source_file(run, model, name, name, "inm") || !gen_imports(run, kind)) return false;
  }
  const bool shares_source =
      mode == SourceMode::Same && is_one_of(kind, {"updsup", "fwdsup", "call"});
  std::string line =
      std::string(shares_source ? "final " : "public final ") + "class " + std::string(name);
  if (const std::string super = class_superclass(run, kind); !super.empty())
    line += " extends " + super;
  const auto interfaces = class_interfaces(run, kind);
  if (!interfaces.empty()) {
    line += " implements";
    for (const std::string& i : interfaces) line += " " + i;
  }
  Out out(run);
  out.pieces({line});
  return out.open("{").ok();
}

std::string class_source_path(std::string_view model_dir, std::string_view package_dir,
                              std::string_view name) {
  std::string path(model_dir);
  if (!path.empty() && !platform::is_separator(path.back())) path += '\\';
  return path + std::string(package_dir) + std::string(name) + ".java";
}

bool class_source_file(Run& run, int64_t model, std::string_view name, std::string_view stem,
                       std::string_view mode) {
  if (mode == "cpm") {
    const std::string temp = std::string(stem) + ".jtm";
    if (!open_model_output(run, model, temp)) return false;
    // A class written twice in one run (the reorganisation's tables, then
    // every table at the pass end) is listed once: the later file wins.
    const Term pair = fact("torename_i", {str(temp), str(std::string(name) + ".java"), atom("cpm")});
    if (!run.facts().exists(pair)) run.facts().assertz(pair);
    return true;
  }
  std::string dir;
  if (!model_info_dir(run, model, dir)) return false;
  return open_model_output(run, model, class_source_path(dir, package_dir(run), name));
}

bool gen_class_start(Run& run, int64_t model, std::string_view kind, std::string_view name,
                     std::string_view stem, std::string_view mode) {
  return class_source_file(run, model, name, stem, mode) && gen_imports(run, kind) &&
         gen_class_header(run, model, kind, name, SourceMode::Same);
}

void prepare_package_dir(Run& run, int64_t model) {
  const std::string package = package_dir(run);
  if (package.empty()) return;
  std::vector<std::string> roots;
  std::string dir;
  if (model_info_dir(run, model, dir)) roots.push_back(dir);
  if (auto servlet = pgm_prop_value(run, "SERVLET_DIR"); servlet && !servlet->empty())
    roots.push_back(*servlet);
  const bool errors = run.engine().file_errors();
  run.engine().set_file_errors(false);
  for (std::string root : roots) {
    if (!root.empty() && !platform::is_separator(root.back())) root += '\\';
    for (size_t at = package.find('\\'); at != std::string::npos; at = package.find('\\', at + 1)) {
      const std::string level = root + package.substr(0, at);
      if (!directory_exists(run, level)) make_directory(run, level);
    }
  }
  run.engine().set_file_errors(errors);
}

bool format_param_list(Out& out, std::string_view header, const std::vector<std::string>& tail,
                       const std::vector<std::string>& items) {
  std::vector<Piece> pieces{header};
  if (items.empty()) {
    for (const std::string& t : tail) pieces.emplace_back(t);
    return out.pieces(pieces).ok();
  }
  // Every item after the first stands at the column after the header.
  const int step = static_cast<int>(header.size()) + 1;
  for (size_t i = 0; i < items.size(); ++i) {
    if (i > 0) pieces.clear();
    pieces.emplace_back(items[i]);
    if (i + 1 < items.size()) {
      pieces.emplace_back(",");
    } else {
      for (const std::string& t : tail) pieces.emplace_back(t);
    }
    if (i == 1) out.shift(step);
    out.pieces(pieces);
  }
  if (items.size() > 1) out.shift(-step);
  return out.ok();
}

std::string throws_clause(std::string_view exceptions) {
  return exceptions.empty() ? "" : "throws " + std::string(exceptions);
}

bool emit_method_header(Run& run, std::string_view name, std::string_view modifiers,
                        std::string_view return_type, const std::vector<Term>& params,
                        std::string_view exceptions) {
  const std::string header =
      std::string(modifiers) + std::string(return_type) + " " + std::string(name) + "(";
  std::vector<std::string> items;
  for (const Term& p : params) {
    const auto parts = p.list_items();
    if (parts.size() == 2 && parts[0].is_compound() && parts[0].functor() == "obj") {
      items.push_back(text_of(parts[0].arg(1)) + " " + text_of(parts[1]));
    } else {
      items.push_back(text_of(p));
    }
  }
  std::vector<std::string> tail{")"};
  if (!exceptions.empty()) tail.push_back(throws_clause(exceptions));
  Out out(run);
  format_param_list(out, header, tail, items);
  return out.open("{").ok();
}

bool emit_method_end(Run& run) { return Out(run).close("}").pieces({""}).ok(); }
bool emit_class_end(Run& run) { return emit_method_end(run); }
bool emit_blank_line(Run& run) { return Out(run).pieces({""}).ok(); }
bool emit_try(Run& run) { return Out(run).pieces({"try"}).open("{").ok(); }
bool emit_catch(Run& run, std::string_view exception) {
  return Out(run).close("}").pieces({"catch (", exception, ")"}).open("{").ok();
}
bool emit_cleanup_call(Run& run) { return Out(run).pieces({"cleanup();"}).ok(); }
bool emit_application_init(Run& run) {
  return Out(run).pieces({"Application.init(QNcfg.class);"}).ok();
}
bool emit_method_call_stmt(Run& run, std::string_view object, std::string_view call) {
  return Out(run).pieces({std::string(object) + "." + std::string(call) + ";"}).ok();
}

void set_pgm_id(Run& run, int64_t number, const Term& kind, const Term& name) {
  run.facts().abolish("pgm_id", 1);
  run.facts().assertz(Term::compound("pgm_id", {Term::list({Term::integer(number), kind, name})}));
}

void set_current_pgm(Run& run, int64_t, const Term&, const Term& name) {
  auto& facts = run.facts();
  facts.abolish("current_pgm_i", 1);
  facts.assertz(Term::compound("current_pgm_i", {Term::string(kind_pgm_name(run, text_of(name)))}));
}

bool placeholder_execute_int(Run& run) {
  Out out(run);
  out.emit(R"(
    public void execute( )
    {
       execute_int( );
    }

    private void execute_int( )
  )");
  return out.open("{").ok();
}

bool gen_reorganization_main(Run& run, int64_t model) {
  // The signal file comes first, so that a pending reorganisation is known
  // even when the class below cannot be written.
  if (!open_output(run, "REORGPGM.GEN")) return false;
  const bool signalled =
      Out(run).pieces({"This file signals a reorganization pending."}).ok() && close_output(run);
  if (!signalled || !gen_class_start(run, model, "mreorg", "Reorganization", "reorg", "inm")) return false;
  // The sixth element of the object's specification says which: crt
  // creates the database, anything else reorganises it.
  bool creation = false;
  if (auto spec = spec_list(run); spec && spec->is_list()) {
    const auto items = spec->list_items();
    creation = items.size() >= 6 && items[5] == "crt";
  }
  Out out(run);
  out.emit(R"(
    ModelContext context;
    public static void main(String args[])
    {
       new Reorganization().executeReorg(args);
    }

    public Reorganization()
    {
       super(QNcfg.class);
    }

    public String getPackageDir()
    {
  )");
  out.shift(3).pieces({"return", java_quoted(package_dir(run)), ";"}).shift(-3);
  out.emit(R"(
    }

    public void init()
    {
       Application.mainApplet = this;
       Application.setCurrentLocation( "" );
    }

    public void execute()
    {
       context = new ModelContext(getClass());
  )");
  // The template leaves the margin inside execute().
  if (creation) {
    out.pieces({"new qncrtdb(", "getHandle()).execute();"});
  } else {
    for (const char* pgm : {"qnrgza", "qnrgzb", "qnrgzc"}) {
      out.pieces({std::string("new ") + pgm + "(", "getHandle()).execute();"});
    }
  }
  out.close("}").close("}");
  return out.ok() && close_output(run);
}

bool has_print_lines(const Run& run) {
  return run.facts().exists(fact("b_line_i", {var(), var(), var(), atom("line"), var(), var()}));
}

}  // namespace qn::logic
