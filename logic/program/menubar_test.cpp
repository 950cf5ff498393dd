// The entries of a menu bar's class: menus before their entries, items,
// toolbar buttons, and the entries left out with a message.
#include "logic/program/menubar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "logic/core/host_interface.h"
#include "logic/core/rule_terms.h"

namespace qn::logic {
namespace {

using Lines = std::vector<std::string>;

TEST(MenuBar, EntryLines) {
  struct Case {
    const char* name;
    const char* facts;
    Lines expected;
    Lines errors;
  } cases[] = {
      {"one top menu and two items",
       "menu_i(1, 0, m, 'Bar', 'Bar', []). menu_i(2, 1, m, 'File', '&File', []). "
       "menu_i(3, 2, m, 'Open', 'Open', []). menu_i(4, 2, m, 'Quit', 'Quit', [checked, disabled]).",
       {"IMenu menu2 = UIFactory.getMenu( \"&File\" , \"file\" , \"\", 0,  true );", "add(menu2);",
        "addMenuItem( menu2 , \"Open\" , \"open\" , \"\", 0,  false , true , false );",
        "addMenuItem( menu2 , \"Quit\" , \"quit\" , \"\", 0,  true , false , false );"},
       {}},
      {"an entry with entries is a menu without popup, written before them",
       "menu_i(3, 2, m, 'Last', 'Last', []). menu_i(2, 1, m, 'File', 'File', []). "
       "menu_i(4, 2, m, 'Sub', 'Sub', [disabled]). menu_i(5, 4, m, 'Deep', 'Deep', []).",
       {"IMenu menu2 = UIFactory.getMenu( \"File\" , \"file\" , \"\", 0,  true );", "add(menu2);",
        "addMenuItem( menu2 , \"Last\" , \"last\" , \"\", 0,  false , true , false );",
        "IMenu menu4 = UIFactory.getMenu( \"Sub\" , \"sub\" , \"\", 0,  false );",
        "add(menu2, menu4);",
        "addMenuItem( menu4 , \"Deep\" , \"deep\" , \"\", 0,  false , true , false );"},
       {}},
      {"a toolbar button without bitmap and tooltip; a bitmap the form writer did not normalise",
       "menu_i(7, 1, t, 'Stop', '', []). menu_i(8, 1, t, 'Go', '', [bitmap('IMG\\\\Go.bmp')]).",
       {"addToolBarButton( \"\" , \"stop\" , \"\" , true , false );",
        "addToolBarButton( \"IMG\\\\Go.bmp\" , \"go\" , \"\" , true , false );"},
       {}},
      {"bad entries are left out and named; a cycle ends",
       "menu_i(1, 1, m, 'A', 'A', []). menu_i(x, 1, m, 'B', 'B', []). menu_i(3, 1, q, 'C', 'C', []). "
       "menu_i(4, 3, m, 'D', 'D', []). menu_i(5, 6, m, 'E', 'E', []). menu_i(6, 5, m, 'F', 'F', []). "
       "menu_i(7, 1, t, 'G', '', []). menu_i(8, 7, m, 'H', 'H', []). menu_i(9, 42, m, 'J', 'J', []). "
       "menu_i(1, 1, m, 'I', 'I', []).",
       {"IMenu menu1 = UIFactory.getMenu( \"A\" , \"a\" , \"\", 0,  true );", "add(menu1);",
        "addToolBarButton( \"\" , \"g\" , \"\" , true , false );"},
       {"Menu bar Bar: entry x has an Id that is no number; it is left out",
        "Menu bar Bar: entry 3 has the unknown type q; it is left out",
        "Menu bar Bar: entry 1 has the Id of an earlier entry; it is left out",
        "Menu bar Bar: entry 4 names the parent 3, which is no menu; it is left out",
        "Menu bar Bar: entry 5 hangs under 6, which the bar does not reach (a cycle or a parent "
        "left out); it is left out",
        "Menu bar Bar: entry 6 hangs under 5, which the bar does not reach (a cycle or a parent "
        "left out); it is left out",
        "Menu bar Bar: entry 8 names the parent 7, which is no menu; it is left out",
        "Menu bar Bar: entry 9 names the unknown parent 42; it is left out"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    engine::Engine eng;
    logic::Run run(eng);
    ASSERT_TRUE(eng.consult_text(c.facts, false));
    run.capture_output();
    Lines errors;
    dialog_senders().show_error = [&](std::string_view t) { errors.emplace_back(t); };
    EXPECT_TRUE(gen_menu_entries(run, "Bar"));
    dialog_senders().show_error = nullptr;
    EXPECT_EQ(run.capture()->all_lines(), c.expected);
    EXPECT_EQ(errors, c.errors);
  }
}

}  // namespace
}  // namespace qn::logic
