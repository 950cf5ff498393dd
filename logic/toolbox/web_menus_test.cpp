// The web menu of a page: the menu bar's name, the menu variable, the
// page's scripts through the page writer, and the escaping of the script
// file's strings.
#include "logic/toolbox/web_menus.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "engine/engine.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/toolbox/declarations.h"
#include "tests/java_check/java_check.h"

namespace qn::logic {
namespace {

using Lines = std::vector<std::string>;

// The page writer and the line break as the web page's writers will write
// them: a qnhtml_text call of the text, skipLines(N).
void page_writers(logic::Run& run) {
  run.stand_in_host("gen_html_text", 1, [](logic::Run& r, std::span<engine::Term> a) {
    return gen_call_stmt(r, "qnhtml_text", a[0]);
  });
  run.stand_in_host("gen_skip_lines", 1, [](logic::Run& r, std::span<engine::Term> a) {
    return Out(r).pieces({"skipLines(" + text_of(a[0]) + ");"}).ok();
  });
}

TEST(WebMenus, MenuBarOfTheProgram) {
  struct Case {
    const char* name;
    const char* facts;
    std::optional<std::string> menubar;
  } cases[] = {
      {"no MENUBAR property", "rule_i(0, prop('PGMTYPE', main)).", std::nullopt},
      {"*None", "rule_i(0, prop('MENUBAR', '*None')).", std::nullopt},
      {"empty", "rule_i(0, prop('MENUBAR', '')).", std::nullopt},
      {"a rule of a level is no property of the program", "rule_i(1, prop('MENUBAR', 'Bar')).",
       std::nullopt},
      {"upper case gives the lower-cased name", "rule_i(0, prop('MENUBAR', 'MAINBAR')).",
       "mainbar"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text(c.facts, false));
    run.capture_output();
    page_writers(run);
    EXPECT_EQ(menubar_name(run), c.menubar);
    EXPECT_EQ(menu_var_name(run), c.menubar ? std::optional("menu" + *c.menubar) : std::nullopt);
    EXPECT_TRUE(declare_menu_var(run));
    EXPECT_TRUE(gen_menu_script_includes(run) && gen_web_menu_script(run) && gen_menubar_build(run));
    const Lines lines = run.capture()->all_lines();
    if (!c.menubar) {
      EXPECT_EQ(lines, Lines{});
      EXPECT_EQ(run.facts().count("fld_to_dcl_i", 3), 0u);
      continue;
    }
    EXPECT_TRUE(run.facts().exists(fact("fld_to_dcl_i", {str("menumainbar"), atom("s"), var()})));
    // The page shows <script language="JavaScript" src="tree.js"></script>.
    const auto include = [](const std::string& file) {
      return R"(qnhtml_text( "<script language=\"JavaScript\" src=\""+)"
             R"(com.quenora.webpanels.QNWebPanel.convertURL( ")" +
             file + R"(")+"\"></script>") ;)";
    };
    EXPECT_EQ(lines, (Lines{
                         R"(menumainbar = "" ;)",
                         include("tree.js"),
                         "skipLines(1);",
                         include("mb.js"),
                         "skipLines(1);",
                         include("mainbar.js"),
                         "skipLines(1);",
                         R"(qnhtml_text( "<script>") ;)",
                         R"(qnhtml_text( "var mainbar= new Tree(\"mainbar\", \"\");") ;)",
                         R"(qnhtml_text( "mainbar.LoadXML(mainbarXML);") ;)",
                         R"(qnhtml_text( "</script>") ;)",
                         "skipLines(1);",
                         R"(qnhtml_text( "<script> tBuildMenuPad(mainbar, \"H\", 0,0 ); </script>") ;)",
                         "skipLines(1);",
                     }));
  }
}

// The page's menu scripts as a browser runs them, with the script of each
// golden menu bar (logic/program/testdata): the lines are the body of a page
// class whose qnhtml_text appends to the page (convertURL, the runtime
// stand-in's, gives its URL back); java prints the page, and jsdom
// (tests/web_check/menu_page_judge.js) runs it with the menu bar's script
// and stand-ins of tree.js and mb.js: no error, the scripts in order, and
// the tree drawn is the one that loaded <M>XML.
TEST(WebMenus, PageScriptsRunInAPage) {
  namespace fs = std::filesystem;
  namespace java = test::java;
  ASSERT_TRUE(java::available()) << "java is missing: install openjdk-17-jdk-headless";
  const std::string source = QN_SOURCE_DIR;
  std::vector<fs::path> scripts;
  for (const auto& c : fs::directory_iterator(source + "/logic/program/testdata")) {
    if (!fs::is_directory(c.path() / "expected")) continue;
    for (const auto& e : fs::directory_iterator(c.path() / "expected")) {
      if (e.path().extension() == ".js") scripts.push_back(e.path());
    }
  }
  ASSERT_FALSE(scripts.empty());
  for (const fs::path& script : scripts) {
    const std::string m = script.stem().string();
    SCOPED_TRACE(script.string());
    engine::Engine eng;
    logic::Run run(eng);
    // The property as a model may write it: the name in upper case.
    std::string upper = m;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    ASSERT_TRUE(eng.consult_text("rule_i(0, prop('MENUBAR', '" + upper + "')).", false));
    run.capture_output();
    page_writers(run);
    ASSERT_TRUE(declare_menu_var(run) && gen_menu_script_includes(run) && gen_web_menu_script(run) &&
                gen_menubar_build(run));
    std::string body;
    for (const std::string& l : run.capture()->all_lines()) body += "    " + l + "\n";

    const fs::path dir = fs::temp_directory_path() / ("qn_menu_page_" + std::to_string(::getpid()) + "_" + m);
    fs::remove_all(dir);
    fs::create_directories(dir / "classes");
    std::ofstream(dir / "MenuPage.java") << R"(import com.quenora.webpanels.QNWebPanel;

public class MenuPage extends QNWebPanel {
  private final StringBuilder page = new StringBuilder();
  String menu)" << m << R"(;

  @Override
  public void qnhtml_text(String html) { page.append(html); }

  void skipLines(int n) { for (int i = 0; i < n; i++) page.append('\n'); }

  void write() {
    page.append("<html><head>\n");
)" << body << R"(    page.append("</body></html>\n");
  }

  public static void main(String[] args) {
    MenuPage p = new MenuPage();
    p.write();
    System.out.print(p.page);
  }
}
)";
    const auto compiled = java::compile_against_stub({(dir / "MenuPage.java").string()},
                                                     (dir / "classes").string());
    ASSERT_EQ(compiled.status, 0) << compiled.output;
    const auto page = java::detail::run(
        java::detail::quoted(QN_JAVA) + " -cp " +
        java::detail::quoted(std::string(QN_JAVA_STUB_DIR) + ":" + (dir / "classes").string()) +
        " MenuPage > " + java::detail::quoted((dir / "page.html").string()));
    ASSERT_EQ(page.status, 0) << page.output;
    const auto judged = java::detail::run(
        "node " + java::detail::quoted(source + "/tests/web_check/menu_page_judge.js") + " " +
        java::detail::quoted((dir / "page.html").string()) + " " + java::detail::quoted(script.string()) +
        " " + m);
    EXPECT_EQ(judged.status, 0) << judged.output << "(node: the Debian package nodejs)";
    if (judged.status == 0) fs::remove_all(dir);
  }
}

TEST(WebMenus, ScriptStringAndXmlText) {
  EXPECT_EQ(js_string_text("Customer's C:\\Temp"), "Customer\\'s C:\\\\Temp");
  EXPECT_EQ(js_string_text("Caf\xE9 \x80 \x81 a\tb"), "Caf\\u00e9 \\u20ac \\u0081 a\\u0009b");
  EXPECT_EQ(xml_text("< R&D >"), "&lt; R&amp;D &gt;");
}

}  // namespace
}  // namespace qn::logic
