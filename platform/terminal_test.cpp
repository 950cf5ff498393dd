#include "platform/terminal.h"

#include <gtest/gtest.h>

namespace qn::platform {
namespace {

TEST(Terminal, CursorMovesOnlyWhereTheTerminalTypeFollowsThem) {
  struct Case {
    const char* term;
    bool moves;
  } cases[] = {
      {nullptr, false}, {"", false}, {"dumb", false}, {"xterm-256color", true}, {"linux", true}};
  for (const Case& c : cases)
    EXPECT_EQ(term_moves_cursor(c.term), c.moves) << (c.term ? c.term : "unset");
}

}  // namespace
}  // namespace qn::platform
