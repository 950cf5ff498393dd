// The web menu of a page: the menu bar's name, the menu variable, the
// page's scripts through the page writer, and the escaping of the script
// file's strings.
#include "logic/toolbox/web_menus.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "logic/core/out.h"
#include "logic/core/rule_terms.h"
#include "logic/toolbox/declarations.h"

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

TEST(WebMenus, ScriptStringAndXmlText) {
  EXPECT_EQ(js_string_text("Customer's C:\\Temp"), "Customer\\'s C:\\\\Temp");
  EXPECT_EQ(js_string_text("Caf\xE9 \x80 \x81 a\tb"), "Caf\\u00e9 \\u20ac \\u0081 a\\u0009b");
  EXPECT_EQ(xml_text("< R&D >"), "&lt; R&amp;D &gt;");
}

}  // namespace
}  // namespace qn::logic
