#include "logic/java/class_frame.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/clause_io.h"
#include "engine/engine.h"
#include "logic/core/golden.h"
#include "logic/core/out.h"

namespace qn::logic {
namespace {

using engine::Term;
using Lines = std::vector<std::string>;

Term t(const char* text) { return *engine::parse_term(text); }

struct Fixture {
  explicit Fixture(const std::string& facts = "") : run(eng) {
    if (!facts.empty()) {
      EXPECT_TRUE(eng.consult_text(facts, false)) << facts;
    }
    run.capture_output();
  }
  Lines lines() { return run.capture()->all_lines(); }
  engine::Engine eng;
  Run run;
};

const Lines kOther = {"import com.quenora.*;", "import com.quenora.db.driver.*;",
                      "import com.quenora.distributed.*;", "import com.quenora.uifactory.*;",
                      "import java.sql.*;"};
const Lines kWeb = {"import com.quenora.*;", "import com.quenora.db.driver.*;",
                    "import com.quenora.distributed.*;", "import com.quenora.webpanels.*;",
                    "import java.sql.*;"};
const Lines kProc = {"import java.sql.*;", "import com.quenora.db.driver.*;",
                     "import com.quenora.*;", "import com.quenora.reports.*;",
                     "import com.quenora.distributed.*;"};

Lines cat(std::initializer_list<Lines> parts) {
  Lines out;
  for (const Lines& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

TEST(ClassFrame, PackageAndImports) {
  const std::string package = "rule_i(0, prop('PACKAGE', 'com.demo.app')). ";
  const std::string main = "rule_i(0, prop('PGMTYPE', main)). ";
  const Lines pkg = {"package com.demo.app;"};
  struct Case {
    std::string facts;
    const char* kind;
    Lines lines;
  } cases[] = {
      {"", "tab", kOther},
      {package, "tab", cat({pkg, kOther})},
      {package + "spec_i([proc, 1, 'P', p]).", "proc", cat({pkg, kProc})},
      {"", "rpt", kProc},
      {"",
       "reorg",
       {"import java.sql.*;", "import com.quenora.db.driver.*;", "import com.quenora.*;"}},
      {"", "ce", {"import com.quenora.*;"}},
      {"spec_i([web, 1, 'W', w]).", "cfg", {"import com.quenora.*;"}},
      {"", "sfobj",
       {"import com.quenora.*;", "import com.quenora.uifactory.*;",
        "import com.quenora.distributed.*;"}},
      {package, "stub", cat({pkg, {"import java.applet.*;"}})},
      {"", "web", kWeb},
      // Any other kind inside a web panel takes the web list.
      {"spec_i([web, 1, 'W', w]).", "event", kWeb},
      {"spec_i([scr, 1, 'W', w]).", "event", kOther},
      // A main program adds what the main list has beyond its kind's.
      {main + "spec_i([proc, 1, 'P', p]).", "proc",
       cat({kProc, {"import com.quenora.uifactory.*;"}})},
      {main + "spec_i([web, 1, 'W', w]).", "web", kWeb},
      {main + "spec_i([web, 1, 'W', w]).",
       "ce",
       {"import com.quenora.*;", "import com.quenora.db.driver.*;",
        "import com.quenora.distributed.*;", "import com.quenora.webpanels.*;",
        "import java.sql.*;"}},
      // The applet stub of a main program has no package line.
      {package + main, "stub", cat({{"import java.applet.*;"}, kOther})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts + " " + c.kind);
    Fixture f(c.facts);
    EXPECT_TRUE(gen_imports(f.run, c.kind));
    EXPECT_EQ(f.lines(), c.lines);
  }
}

TEST(ClassFrame, SuperclassesAndInterfaces) {
  struct Case {
    std::string facts;
    const char* kind;
    const char* super;
    Lines interfaces;
  } cases[] = {
      {"", "tab", "DatabaseClass", {}},
      {"", "sup", "QNDBSupplier", {}},
      {"", "scr", "QNWorkpanel", {}},
      {"", "mbr", "QNMenuBar", {}},
      {"", "web", "QNWebPanel", {}},
      {"", "event", "Thread", {}},
      {"rule_i(0, prop('LOADALL', 'YES')).", "load", "QNLoadProducerAll", {}},
      {"", "load", "QNLoadProducer", {}},
      {"", "mouseadapter", "MouseAdapter", {}},
      {"", "bmpactionlistener", "QNImageButtonListener", {}},
      {"", "stub", "QNApplet", {}},
      {"", "mreorg", "QNReorganization", {}},
      {"", "sfobj", "QNSubfileElement", {}},
      {"", "fwdsup", "QNDBForwardSupplier", {}},
      {"", "call", "QNJDBCProcedure", {}},
      {"", "updsup", "QNDBUpdateSupplier", {}},
      {"", "crtjdbc", "QNProcedure", {}},
      {"b_line_i(1, 1, 0, line, 0, []).", "rpt", "QNReport", {}},
      {"b_line_i(1, 1, 0, cmd, 0, []).", "proc", "QNProcedure", {}},
      {"trn_server_side_i.", "trn", "QNServerTransaction", {}},
      {"", "trn", "QNTransaction", {}},
      {"", "reorg", "QNProcedure", {}},
      {"", "ce", "QNProcedure", {}},
      {"", "cfg", "", {"QNConfiguration"}},
      {"", "focuslistener", "", {"FocusListener"}},
      {"", "subfflow", "", {"QNSubfileFlow"}},
      {"", "actionlistener", "", {"ActionListener"}},
      {"", "itemlistener", "", {"ItemListener"}},
      {"", "dummy", "", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.facts + " " + c.kind);
    Fixture f(c.facts);
    EXPECT_EQ(class_superclass(f.run, c.kind), c.super);
    EXPECT_EQ(class_interfaces(f.run, c.kind), c.interfaces);
  }
}

TEST(ClassFrame, ClassHeaders) {
  struct Case {
    const char* kind;
    SourceMode mode;
    const char* line;
  } cases[] = {
      {"dummy", SourceMode::Same, "public final class X"},
      {"scr", SourceMode::Same, "public final class X extends QNWorkpanel"},
      {"cfg", SourceMode::Same, "public final class X implements QNConfiguration"},
      // QNDBSupplier is a class: the update supplier reaches it through its superclass.
      {"updsup", SourceMode::Same, "final class X extends QNDBUpdateSupplier"},
      {"fwdsup", SourceMode::Same, "final class X extends QNDBForwardSupplier"},
      {"call", SourceMode::Same, "final class X extends QNJDBCProcedure"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    Fixture f;
    EXPECT_TRUE(gen_class_header(f.run, 1, c.kind, "X", c.mode));
    EXPECT_EQ(f.lines(), (Lines{c.line, "{"}));
  }
  // A new source: the file opened, imports, then a public header.
  Fixture f;
  EXPECT_TRUE(gen_class_header(f.run, 0, "call", "X", SourceMode::New));
  ASSERT_EQ(f.run.capture()->files.size(), 1u);
  EXPECT_EQ(f.run.capture()->files[0].path, "X.java");
  EXPECT_EQ(f.lines(), cat({kOther, {"public final class X extends QNJDBCProcedure", "{"}}));
}

TEST(ClassFrame, SourcePaths) {
  struct Case {
    const char* dir;
    const char* package;
    const char* path;
  } cases[] = {
      {"C:\\models\\m1\\", "", "C:\\models\\m1\\X.java"},
      {"C:\\models\\m1", "", "C:\\models\\m1\\X.java"},
      {"/srv/m1/", "com\\demo\\app\\", "/srv/m1/com\\demo\\app\\X.java"},
      {"/srv/m1", "com\\demo\\app\\", "/srv/m1\\com\\demo\\app\\X.java"},
      {"", "app\\", "app\\X.java"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(class_source_path(c.dir, c.package, "X"), c.path);
  }
  // inm: below the package folder of the model's directory (the sample
  // model's is "."); cpm: the temporary name and its rename entry.
  golden::detail::CaseKb kb(std::filesystem::path(QN_SOURCE_DIR) / "examples/sample-model/kb.txt",
                            1);
  Fixture f("rule_i(0, prop('PACKAGE', 'com.demo.app')).");
  EXPECT_TRUE(gen_class_start(f.run, 1, "tab", "dbcCUSTOMER", "007", "inm"));
  EXPECT_TRUE(gen_class_start(f.run, 1, "tab", "dbcCUSTOMER", "007", "cpm"));
  const auto& files = f.run.capture()->files;
  ASSERT_EQ(files.size(), 2u);
  EXPECT_EQ(files[0].path, ".\\com\\demo\\app\\dbcCUSTOMER.java");
  EXPECT_EQ(files[1].path, "007.jtm");
  EXPECT_EQ(files[1].lines, cat({{"package com.demo.app;"},
                                 kOther,
                                 {"public final class dbcCUSTOMER extends DatabaseClass", "{"}}));
  EXPECT_EQ(engine::writeq(f.eng.facts().clauses("torename_i", 3).at(0)),
            "torename_i(\"007.jtm\",\"dbcCUSTOMER.java\",cpm)");
  // Written again in the same run (a reorganisation's table, then the pass
  // end): the copy list names it once.
  EXPECT_TRUE(gen_class_start(f.run, 1, "tab", "dbcCUSTOMER", "007", "cpm"));
  EXPECT_EQ(f.eng.facts().clauses("torename_i", 3).size(), 1u);
}

TEST(ClassFrame, PackageFoldersBelowTheModelDirectory) {
  namespace fs = std::filesystem;
  // The knowledge base's folder is the current directory, and the sample
  // model's directory is ".".
  golden::detail::CaseKb kb(fs::path(QN_SOURCE_DIR) / "examples/sample-model/kb.txt", 1);
  const fs::path servlet = fs::current_path() / "servlets";
  fs::create_directories(servlet);
  Fixture f("rule_i(0, prop('PACKAGE', 'com.demo.app')). rule_i(0, prop('SERVLET_DIR', '" +
            servlet.string() + "')).");
  prepare_package_dir(f.run, 1);
  prepare_package_dir(f.run, 1);  // folders already there: no error
  EXPECT_TRUE(fs::is_directory("com/demo/app"));
  EXPECT_TRUE(fs::is_directory(servlet / "com/demo/app"));
  EXPECT_TRUE(f.eng.file_errors());
  EXPECT_EQ(f.eng.errcode(), 0) << "no error is left behind";
  // Without a package nothing is made.
  Fixture none;
  fs::remove_all("com");
  prepare_package_dir(none.run, 1);
  EXPECT_FALSE(fs::exists("com"));
}

TEST(ClassFrame, MethodsAndBlocks) {
  Fixture f;
  EXPECT_TRUE(emit_method_header(f.run, "execute", "public ", "void",
                                 {t("'int a'"), t("[obj('QNInt'), aP0]"), t("'String c[]'")}, ""));
  EXPECT_TRUE(emit_method_end(f.run));
  EXPECT_TRUE(emit_method_header(f.run, "run", "protected ", "int", {}, "SQLException"));
  EXPECT_TRUE(emit_try(f.run));
  EXPECT_TRUE(emit_cleanup_call(f.run));
  EXPECT_TRUE(emit_catch(f.run, "SQLException e"));
  EXPECT_TRUE(emit_method_call_stmt(f.run, "dbo", "close()"));
  EXPECT_TRUE(Out(f.run).close("}").ok());
  EXPECT_TRUE(emit_blank_line(f.run));
  EXPECT_TRUE(emit_application_init(f.run));
  EXPECT_TRUE(emit_class_end(f.run));
  EXPECT_EQ(f.lines(), (Lines{
                           "public void execute( int a ,",
                           "                     QNInt aP0 ,",
                           "                     String c[] )",
                           "{",
                           "}",
                           "",
                           "protected int run( ) throws SQLException",
                           "{",
                           "   try",
                           "   {",
                           "      cleanup();",
                           "   }",
                           "   catch ( SQLException e )",
                           "   {",
                           "      dbo.close();",
                           "   }",
                           "",
                           "   Application.init(QNcfg.class);",
                           "}",
                           "",
                       }));
  EXPECT_EQ(throws_clause(""), "");
  EXPECT_EQ(throws_clause("Exception"), "throws Exception");
}

// The reorganisation's main class runs the creation program for a
// creation object and the three reorganisation programs otherwise; the
// signal file comes first.
TEST(ClassFrame, ReorganizationMain) {
  const Lines head = {"import com.quenora.*;",
                      "import com.quenora.db.driver.*;",
                      "import com.quenora.distributed.*;",
                      "import com.quenora.uifactory.*;",
                      "import java.sql.*;",
                      "public final class Reorganization extends QNReorganization",
                      "{",
                      "   ModelContext context;",
                      "   public static void main(String args[])",
                      "   {",
                      "      new Reorganization().executeReorg(args);",
                      "   }",
                      "",
                      "   public Reorganization()",
                      "   {",
                      "      super(QNcfg.class);",
                      "   }",
                      "",
                      "   public String getPackageDir()",
                      "   {",
                      "      return \"com\\\\demo\\\\\" ;",
                      "   }",
                      "",
                      "   public void init()",
                      "   {",
                      "      Application.mainApplet = this;",
                      "      Application.setCurrentLocation( \"\" );",
                      "   }",
                      "",
                      "   public void execute()",
                      "   {",
                      "      context = new ModelContext(getClass());"};
  const Lines tail = {"   }", "}"};
  for (const auto& [spec, runs] :
       {std::pair<const char*, Lines>{"spec_i([ce, 1, 'Create', qnce, 0, crt]).",
                                      {"      new qncrtdb( getHandle()).execute();"}},
        {"spec_i([ce, 1, 'Reorganise', qnce, 0, rgz]).",
         {"      new qnrgza( getHandle()).execute();", "      new qnrgzb( getHandle()).execute();",
          "      new qnrgzc( getHandle()).execute();"}}}) {
    SCOPED_TRACE(spec);
    // The class's file lies in the model's folder, which the knowledge base names.
    golden::detail::CaseKb kb(std::filesystem::path(QN_SOURCE_DIR) / "examples/sample-model/kb.txt", 1);
    Fixture f(std::string(spec) + " rule_i(0, prop('PACKAGE', 'com.demo')).");
    ASSERT_TRUE(gen_reorganization_main(f.run, 1));
    const auto& files = f.run.capture()->files;
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].path, "REORGPGM.GEN");
    EXPECT_EQ(files[0].lines, Lines{"This file signals a reorganization pending."});
    EXPECT_TRUE(files[0].closed);
    EXPECT_EQ(files[1].path, ".\\com\\demo\\Reorganization.java");
    EXPECT_EQ(files[1].lines, cat({{"package com.demo;"}, head, runs, tail}));
    EXPECT_TRUE(files[1].closed);
  }
}

}  // namespace
}  // namespace qn::logic
