#include "logic/core/state_file.h"

#include "engine/clause_io.h"
#include "logic/core/host_calls.h"
#include "logic/core/options.h"
#include "platform/cp1252.h"

namespace qn::logic {

using engine::Atom;
using engine::PredKey;
using engine::Term;

namespace {

constexpr std::string_view kExtProgFile = ".\\extprog.ini";

// Every value is read with an empty default, 255 characters at most.
std::string read_value(Run& run, std::string_view section, std::string_view key) {
  std::string v = ini_read(run, kExtProgFile, section, key, "");
  if (v.size() > 255) v.resize(255);
  return v;
}

// The words of a value split at commas and blanks.
Term words(std::string_view value, bool upper) {
  std::vector<Term> items;
  std::string word;
  auto flush = [&] {
    if (!word.empty()) items.push_back(Term::atom(upper ? platform::upper_1252(word) : word));
    word.clear();
  };
  for (char c : value) {
    if (c == ',' || c == ' ') {
      flush();
    } else {
      word += c;
    }
  }
  flush();
  return Term::list(items);
}

void assert_program(Run& run, const std::string& p, const char* type, std::vector<Term> data) {
  run.facts().assertz(
      Term::compound("external_program_i", {Term::atom(p), Term::atom(type), Term::list(data)}));
}

}  // namespace

std::string state_file_name(int64_t model) {
  return ".\\sm" + std::string("11") + "_" + std::to_string(model) + ".ari";
}

const std::vector<PredKey>& state_predicates() {
  static const std::vector<PredKey> preds = {
      {Atom("odbc_call_i"), 3},         {Atom("called_program_i"), 4},
      {Atom("call_tree_builded_i"), 0}, {Atom("is_webproc_i"), 1},
      {Atom("ij_main_object"), 3},      {Atom("ij_automatic_remote_object"), 2},
      {Atom("ij_table_def"), 4},        {Atom("ij_object_dependency"), 3},
      {Atom("make_file_failed_i"), 2},
  };
  return preds;
}

void read_external_programs(Run& run) {
  std::vector<std::string> names;
  for (int i = 1;; ++i) {
    std::string name = read_value(run, "ExternalPrograms", "Program" + std::to_string(i));
    if (name.empty()) break;
    names.push_back(name);
  }
  for (const std::string& name : names) {
    const std::string p = platform::upper_1252(name);
    const std::string type = platform::lower_1252(read_value(run, p, "ProgramType"));
    if (type == "storedprocedure") {
      // No entry is the default store, as for a table; before the object
      // loop only the default store is known, and a store that cannot be
      // resolved leaves its program out.
      const std::string store = read_value(run, p, "DataStore");
      auto dbms = dstore_dbms(run, store.empty() ? Term::integer(1) : Term::string(store));
      if (!dbms) continue;
      const std::string sect = p + "." + *dbms;
      const std::string modes = read_value(run, p, "ParmMode");
      if (*dbms == "as400") {
        assert_program(run, p, "storedprocedure",
                       {Term::atom("as400"), Term::atom(read_value(run, sect, "Name")),
                        words(modes, true), words(read_value(run, sect, "ParmType"), true),
                        Term::atom(read_value(run, sect, "Language"))});
      } else {
        assert_program(run, p, "storedprocedure",
                       {Term::atom(*dbms), Term::atom(read_value(run, sect, "Name")),
                        words(modes, false), words(read_value(run, sect, "ParmType"), false)});
      }
    } else if (type == "generator") {
      assert_program(run, p, "generator",
                     {Term::atom(read_value(run, p + ".11", "Name")),
                      words(read_value(run, p, "ParmMode"), false),
                      words(read_value(run, p, "ParmType"), false)});
    } else if (type == "executable") {
      assert_program(run, p, "executable", {Term::atom(read_value(run, p, "Name"))});
    }
  }
}

std::optional<ExternalProgram> get_external_program(const Run& run, std::string_view name) {
  if (name.size() >= 2 && (name.front() == '\'' || name.front() == '"') &&
      name.back() == name.front()) {
    name = name.substr(1, name.size() - 2);
  }
  const std::string upper = platform::upper_1252(name);
  auto fact = run.facts().first(Term::compound(
      "external_program_i", {Term::atom(upper), Term::fresh_var(), Term::fresh_var()}));
  if (!fact) return std::nullopt;
  return ExternalProgram{fact->arg(2), fact->arg(3)};
}

StateFound load_state(Run& run, int64_t model) {
  read_external_programs(run);
  auto& facts = run.facts();
  facts.abolish("old_called_program_i", 4);
  facts.abolish("old_ij_object_dependency", 3);
  if (list_directory(run, state_file_name(model)).empty()) return StateFound::kMissing;
  auto& eng = run.engine();
  const bool syntax = eng.syntax_errors();
  const bool files = eng.file_errors();
  eng.set_syntax_errors(false);
  eng.set_file_errors(false);
  eng.set_errcode(0);
  // Loading goes on past a damaged clause, so the facts before and after it
  // are kept.
  const bool read = eng.consult(state_file_name(model));
  const bool damaged = !read || eng.errcode() != 0;
  eng.set_file_errors(files);
  eng.set_syntax_errors(syntax);
  return damaged ? StateFound::kDamaged : StateFound::kLoaded;
}

bool save_state(Run& run, int64_t model) {
  std::string text;
  for (const PredKey& key : state_predicates()) {
    for (const Term& fact : run.facts().clauses(key)) text += engine::writeq(fact) + ".\n";
  }
  return replace_file(run, state_file_name(model), text);
}

}  // namespace qn::logic
