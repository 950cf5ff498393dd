#include "logic/web/web_class.h"

#include <gtest/gtest.h>

#include <span>
#include <string>

#include "logic/program/expr_fixture.h"

namespace qn::logic {
namespace {

using testing::ExprRun;
using testing::term;

// Malformed form facts: the class is still written, with comments where a
// part cannot be, and nothing throws.
TEST(WebClass, MalformedFormGoesOn) {
  ExprRun r(
      "spec_i([web, 1, 'Odd', 'Odd', 0, 0]). level_i(1, [0]). struct_i(1, 0, [], []). "
      "lit_i(2, 1, t('&Flag', 23), [ctrltype(checkbox, 0)]). "
      "ctrl_info_i(2, notalist, 0). "
      "lit_i(3, 1, t('Plain', 3), [ctlname(42), back(rgb(a, b, c)), font(x)]). "
      "lit_i(x, 1, button(7), []). "
      "lit_i(5, 1, strange(item), [ctlname('Odd1')]). "
      "html_i(1, ctl(2)). html_i(2, ctl(3)). html_i(3, ctl(x)). html_i(4, ctl(5)). "
      "html_i(5, nothing). html_i(6, ctl(77)). html_i(7, sfl(3)). "
      "attri_i('&Flag', ['&Flag', char, 1, 0, '']). ");
  r.run.stand_in_host("i_called_pgms", 4, [](logic::Run&, std::span<engine::Term> a) {
    a[3] = engine::Term::list({});
    return true;
  });
  bool written = false;
  EXPECT_NO_THROW(written = gen_webpanel_object(r.run, 1, term("[web, 'Odd', 'Odd', 0, 0]")));
  EXPECT_TRUE(written);
  std::string all;
  for (const std::string& l : r.lines()) all += l + "\n";
  EXPECT_NE(all.find("Id in error: 77"), std::string::npos) << all;
  EXPECT_NE(all.find("Designed HTML part not known: nothing"), std::string::npos) << all;
  EXPECT_NE(all.find("\"</html>\""), std::string::npos) << all;
}

}  // namespace
}  // namespace qn::logic
