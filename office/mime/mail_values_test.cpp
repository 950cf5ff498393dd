#include "office/mime/mail_values.h"

#include <gtest/gtest.h>

namespace qn::office {
namespace {

using V = std::vector<std::string>;

TEST(MailValues, AddressesByFormat) {
  EXPECT_EQ(write_address(0, "Ann Smith", "ann@t"), "Ann Smith");
  EXPECT_EQ(write_address(1, "Ann Smith", "ann@t"), "ann@t");
  EXPECT_EQ(write_address(2, "Ann Smith", "ann@t"), "Ann Smith (ann@t)");
  std::string list;
  append_entry(list, "a");
  append_entry(list, "b");
  EXPECT_EQ(list, "a; b");
}

TEST(MailValues, ListEntries) {
  EXPECT_EQ(mail_list_entries(""), V{});
  EXPECT_EQ(mail_list_entries("   "), V{});
  EXPECT_EQ(mail_list_entries(" a@t ;b@t"), (V{"a@t", "b@t"}));
  EXPECT_EQ(mail_list_entries("a;;b"), (V{"a", "", "b"}));
  EXPECT_EQ(split_trimmed("", '\\'), V{});
  EXPECT_EQ(split_trimmed("\\", '\\'), (V{"", ""}));
  EXPECT_EQ(split_trimmed(" *Sent Items \\ Old", '\\'), (V{"*Sent Items", "Old"}));
}

// The attachment directory keeps the separator its text uses; a bare name
// is looked for there; a received name is cut to its last component, so it
// cannot leave the directory.
TEST(MailValues, AttachmentPaths) {
  struct Case {
    const char* text;
    const char* dir;
  } dirs[] = {{"", "\\"},
              {"C:\\mail", "C:\\mail\\"},
              {"C:\\mail\\", "C:\\mail\\"},
              {"/tmp/mail", "/tmp/mail/"},
              {"/tmp/mail/", "/tmp/mail/"},
              {"/tmp\\mixed", "/tmp\\mixed\\"}};
  for (const Case& c : dirs) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(attach_dir_value(c.text), c.dir);
  }
  EXPECT_EQ(attachment_source("a.txt", "/in/"), "/in/a.txt");
  EXPECT_EQ(attachment_source("sub\\a.txt", "/in/"), "sub\\a.txt");
  EXPECT_EQ(attachment_source("/abs/a.txt", "/in/"), "/abs/a.txt");
  EXPECT_EQ(attachment_source("a.txt", ""), "a.txt");

  struct Target {
    const char* name;
    const char* path;  // "" when refused
  } targets[] = {{"a.txt", "/out/a.txt"},
                 {"..\\..\\x", "/out/x"},
                 {"/etc/passwd", "/out/passwd"},
                 {"C:\\temp\\report.doc", "/out/report.doc"},
                 {"..", ""},
                 {".", ""},
                 {"dir\\", ""},
                 {"", ""},
                 {"a\r\nb", ""}};
  for (const Target& t : targets) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(attachment_target("/out/", t.name), t.path);
  }
  EXPECT_EQ(last_component("a\\b/c"), "c");
  EXPECT_EQ(last_component("c"), "c");
}

}  // namespace
}  // namespace qn::office
