// The golden cases of the navigation driver (testdata/<case>/): the top
// levels of facts.pl written in turn (a level under another runs inside
// it), each by the kind its break_i/5 gives (nvg when it has none), then
// the member accessors and message actions facts.pl asks for, in a
// procedure class with the declarations they made, the routines of their
// vertical formulas and those of the program's select formulas. A case
// with a kb.txt reads that knowledge base. The callees of other modules
// stand in as one comment each; the cursor and data classes and the called
// programs as classes that hold only what the class calls. The class is
// compared with expected/, and it compiles against the runtime stand-in.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <sstream>

#include "logic/core/attributes.h"
#include "logic/core/golden.h"
#include "logic/core/out.h"
#include "logic/driver/gen_main.h"
#include "logic/java/class_frame.h"
#include "logic/java/java_naming.h"
#include "logic/java/java_types.h"
#include "logic/java/variables.h"
#include "logic/navigation/aux_vars.h"
#include "logic/navigation/levels.h"
#include "logic/navigation/msg_actions.h"
#include "logic/navigation/nav_names.h"
#include "logic/navigation/test_fixture.h"
#include "logic/navigation/vert_formulas.h"
#include "tests/java_check/java_check.h"

namespace qn::logic {

using engine::Term;
namespace {

namespace fs = std::filesystem;

const fs::path kArea = fs::path(QN_SOURCE_DIR) / "logic" / "navigation";

// The data classes along accessor paths, standing in with the members
// and getters the accessors call (class name -> its methods), and the
// objects of the base tables (class name -> object).
struct StandInData {
  std::map<std::string, std::set<std::string>> classes;
  std::map<std::string, std::string> objects;
};

// golden_accessor(Level, Table, Attribute, Base): the attribute's variable
// assigned from its accessor.
StandInData write_accessors(navtest::Fixture& f) {
  StandInData data;
  for (const engine::Term& a : f.eng.facts().clauses("golden_accessor", 4)) {
    auto accessor = nav_att_accessor(f.run, 1, a.arg(1), a.arg(2), a.arg(3), a.arg(4), "get");
    const std::string target = var_target_ref(f.run, a.arg(3), engine::Term::nil(), "");
    auto path = get_nav1_st(a.arg(4), a.arg(2), table_joins(f.run, 1, a.arg(4)));
    auto getter = attribute_getter_name(f.run, 1, a.arg(3));
    auto type = get_attri_type(f.run, engine::Term::integer(1), a.arg(3));
    if (!accessor || target.empty() || !path || !getter || !type) {
      ADD_FAILURE() << "no accessor: " << engine::writeq(a);
      continue;
    }
    Out(f.run).pieces({target, "=", *accessor, ";"});
    const auto cls = [&](const engine::Term& t) {
      return "dbc" + table_class_name(f.run, t, 1).value_or("?");
    };
    data.objects[cls(a.arg(4))] = base_table_obj(f.run, 1, a.arg(4)).value_or("?");
    for (size_t k = 0; k + 1 < path->size(); ++k) {
      data.classes[cls((*path)[k])].insert(cls((*path)[k + 1]) + " " +
                                           fk_member_name(f.run, 1, (*path)[k + 1]).value_or("?") +
                                           "() { return null; }");
    }
    const std::string java = get_c_type(type->type, type->length.as_int(), type->decimals.as_int());
    data.classes[cls(path->back())].insert(java + " " + *getter + "() { return " +
                                           (java == "int" || java == "double" ? "0" : "null") + "; }");
  }
  return data;
}

// golden_msg_action(Kind, Message, Attributes, Items): each action after a
// comment naming its kind.
void write_msg_actions(navtest::Fixture& f) {
  for (const engine::Term& m : f.eng.facts().clauses("golden_msg_action", 4)) {
    emit_comment(f.run, {Piece("Kind " + engine::writeq(m.arg(1)))});
    MsgAction action{m.arg(1).as_int(), m.arg(2), m.arg(3), m.arg(4)};
    EXPECT_TRUE(gen_msg_action(f.run, action)) << engine::writeq(m);
  }
}

golden::Outcome run_nav_case(const fs::path& dir, const std::string& cls) {
  // A case that names tables by number brings their knowledge base.
  std::optional<golden::detail::CaseKb> kb;
  if (fs::exists(dir / "kb.txt")) kb.emplace(dir / "kb.txt", 1);
  // The cursors are the ones the levels and routines make.
  navtest::Fixture f(golden::read_text(dir / "facts.pl"), {"cursor_info"});
  // The attributes' auxiliaries, as the driver makes them for an object.
  EXPECT_TRUE(object_aux_names(f.run));
  std::set<std::string> tables;
  // The levels a vertical formula's routine walks are no levels of the program.
  std::vector<engine::Term> formula_levels;
  for (const engine::Term& v : f.eng.facts().clauses("for_ver_no_red_i", 3)) {
    const auto data = v.arg(3).list_items();
    for (const engine::Term& n : data.size() > 3 ? data[3].list_items() : std::vector<engine::Term>{}) {
      if (n.is_cons() && n.tail().is_cons()) formula_levels.push_back(n.tail().head());
    }
  }
  for (const engine::Term& l : f.eng.facts().clauses("level_i", 2)) {
    const engine::Term& level = l.arg(1);
    if (std::find(formula_levels.begin(), formula_levels.end(), level) != formula_levels.end()) {
      tables.insert(text_of(l.arg(2).head()));
      continue;
    }
    engine::Term kind = engine::Term::atom("nvg");
    if (auto b = f.eng.facts().first(fact("break_i", {level, var(), var(), var(), var()}))) {
      kind = b->arg(2);
      // A level under another runs inside it.
      if (!(b->arg(3).is_int() && b->arg(3).as_int() == 0) && !(b->arg(3) == level)) continue;
    }
    if (l.arg(2).is_cons() && !l.arg(2).head().is_int()) tables.insert(text_of(l.arg(2).head()));
    gen_level_kind(f.run, kind, level, engine::Term::nil(), engine::Term::nil(),
                   engine::Term::nil());
  }
  for (const engine::Term& u : f.eng.facts().clauses("upd_i", 4)) tables.insert(text_of(u.arg(2)));
  // What no level asks for: member accessors and message actions.
  const StandInData data = write_accessors(f);
  write_msg_actions(f);
  const auto body = f.lines();
  const size_t n = body.size();
  // The routines of the vertical formulas the levels call, and of the
  // program's select formulas.
  EXPECT_TRUE(level_vert_formulas(f.run, engine::Term::integer(0)));
  EXPECT_TRUE(select_formula_auxs(f.run, engine::Term::integer(0)));
  const size_t routines = f.lines().size();
  gen_var_declarations(f.run);
  const auto all = f.lines();
  std::ostringstream out;
  for (const std::string& imp : class_imports(f.run, "proc")) out << "import " << imp << ";\n";
  out << "\npublic class " << cls << " extends " << class_superclass(f.run, "proc") << "\n{\n";
  for (size_t i = routines; i < all.size(); ++i) out << "   " << all[i] << "\n";
  for (const std::string& l : navtest::stand_in_classes({all.begin() + routines, all.end()},
                                                                {all.begin(), all.begin() + routines})) {
    out << "   " << l << "\n";
  }
  for (const auto& [name, methods] : data.classes) {
    out << "   static class " << name << " extends DatabaseClass {\n";
    for (const std::string& m : methods) out << "      " << m << "\n";
    out << "   }\n";
  }
  for (const auto& [name, obj] : data.objects) out << "   " << name << " " << obj << ";\n";
  // The programs the body calls stand in as classes with their entry.
  std::set<std::string> called;
  for (const std::string& l : all) {
    const size_t at = l.find("new ");
    const size_t args = l.find("(remoteHandle, context).execute(");
    if (at != std::string::npos && args != std::string::npos && at < args)
      called.insert(l.substr(at + 4, args - at - 4));
  }
  for (const std::string& c : called) {
    out << "   static class " << c << " {\n      " << c
        << "(int h, ModelContext c) {}\n      void execute() {}\n   }\n";
  }
  for (const std::string& t : tables) out << "   QNDBSupplier c" << t << ";\n";
  out << "   QNDBSupplier NoTblObjErr;\n   int Err;\n   String Errmsg;\n\n"
      << "   void levels()\n   {\n";
  for (size_t i = 0; i < n; ++i) out << (body[i].empty() ? "" : "      " + body[i]) << "\n";
  out << "   }\n";
  if (routines > n) out << "\n";
  for (size_t i = n; i < routines; ++i) out << (all[i].empty() ? "" : "   " + all[i]) << "\n";
  out << "}\n";
  return {{{cls + ".java", out.str()}}, ""};
}

class NavigationGolden : public testing::TestWithParam<std::string> {};

TEST_P(NavigationGolden, Case) {
  const std::string name = GetParam();
  const std::string cls = "PNav" + name;
  const golden::Outcome outcome = run_nav_case(kArea / "testdata" / name, cls);
  const fs::path actual = fs::path(QN_BINARY_DIR) / "golden" / "logic" / "navigation" / name;
  const std::string report = golden::compare(kArea / "testdata" / name / "expected", outcome, actual / "actual");
  EXPECT_TRUE(report.empty()) << report;
  ASSERT_TRUE(test::java::available()) << "the JDK is needed (Debian package openjdk-17-jdk-headless)";
  fs::create_directories(actual / "classes");
  const auto compiled = test::java::compile_against_stub({(actual / "actual" / (cls + ".java")).string()},
                                                         (actual / "classes").string());
  EXPECT_EQ(compiled.status, 0) << compiled.output;
}

INSTANTIATE_TEST_SUITE_P(Cases, NavigationGolden, testing::ValuesIn(golden::case_names(kArea)));

}  // namespace
}  // namespace qn::logic
