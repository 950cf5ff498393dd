#include "host/user_name.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/system_services.h"

namespace qn::host {
namespace {

// Keeps QNUSER as it was before the test.
class QnUserGuard {
 public:
  QnUserGuard() {
    if (const char* v = std::getenv("QNUSER")) saved_ = v;
  }
  ~QnUserGuard() {
    if (saved_) {
      ::setenv("QNUSER", saved_->c_str(), 1);
    } else {
      ::unsetenv("QNUSER");
    }
  }

 private:
  std::optional<std::string> saved_;
};

TEST(HostUserName, Order) {
  QnUserGuard guard;
  struct Case {
    const char* qnuser;                 // null: not set
    const char* given;                  // null: SetUserName not called
    std::optional<std::string> system;  // the system's answer
    std::string expected;
  };
  const Case cases[] = {
      {"envuser", "given", "sysuser", "envuser"},
      {"", "given", "sysuser", ""},  // set but empty still counts
      {nullptr, "given", "sysuser", "given"},
      {nullptr, nullptr, "sysuser", "sysuser"},
      {nullptr, nullptr, std::nullopt, "UNKNOWN"},
      {nullptr, "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789", std::nullopt,
       "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123"},
      {nullptr, nullptr, std::string(40, 'u'), std::string(30, 'u')},
  };
  for (const Case& c : cases) {
    reset_user_name();
    if (c.qnuser != nullptr) {
      ::setenv("QNUSER", c.qnuser, 1);
    } else {
      ::unsetenv("QNUSER");
    }
    platform::set_user_name_probe([&c] { return c.system; });
    if (c.given != nullptr) set_user_name(c.given);
    EXPECT_EQ(get_user_name(), c.expected) << c.expected;
  }
  // A failed system look-up is not repeated; a name given later is used.
  ::unsetenv("QNUSER");
  reset_user_name();
  int asked = 0;
  platform::set_user_name_probe([&asked] {
    ++asked;
    return std::optional<std::string>();
  });
  EXPECT_EQ(get_user_name(), "UNKNOWN");
  EXPECT_EQ(get_user_name(), "UNKNOWN");
  EXPECT_EQ(asked, 1);
  set_user_name("late");
  EXPECT_EQ(get_user_name(), "late");
  platform::set_user_name_probe(nullptr);
  reset_user_name();
}

TEST(HostUserName, FirstEightLetters) {
  QnUserGuard guard;
  const std::pair<const char*, const char*> cases[] = {
      {"ADMINISTRATOR", "ADMINIST"}, {"bob", "bob"}, {"", "."}};
  for (const auto& [user, expected] : cases) {
    ::setenv("QNUSER", user, 1);
    char out[16];
    std::memset(out, 'x', sizeof out);
    char* end = put_user_name8(out);
    EXPECT_STREQ(out, expected);
    EXPECT_EQ(end, out + std::strlen(expected));
    EXPECT_EQ(put_user_name8(), expected);
  }
}

}  // namespace
}  // namespace qn::host
