#include "office/mail/outlook/qn_outlook.h"

#include <gtest/gtest.h>

#include "office/mail/automation_test_env.h"

namespace qn::office {
namespace {

using namespace com;
using namespace testing_support;
using Texts = std::vector<std::string>;

MailMessage message(std::string subject, double received, bool unread = true) {
  MailMessage m = test_message(std::move(subject), received, unread);
  m.categories = "Business";
  const MailStore& s = mail_store();
  m.sender = {" Bob Jones ", "SMTP", " bob@quenora.test ", ""};
  m.recipients = {{s.user.name, 1, s.user}, {"Ann Smith", 2, s.address_book[2]}};
  return m;
}

bool has(const Texts& calls, const std::string& call) {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

// Public: the table of error cases drives the fixture from lambdas.
class Outlook : public MailServersEnv {
 public:
  void SetUp() override {
    MailServersEnv::SetUp();
    ASSERT_EQ(CQnOutlook::create<CQnOutlook>(nullptr, IID_IQnOutlook,
                                             reinterpret_cast<void**>(&outlook)),
              S_OK);
  }
  void TearDown() override {
    if (outlook) outlook->Release();
    expect_no_objects_left();
    MailServersEnv::TearDown();
  }
  SHORT change(const std::string& path, SHORT new_messages = 0, SHORT mark_as_read = 0) {
    SHORT e = -1;
    outlook->ChangeFolder(Text(path), new_messages, mark_as_read, &e);
    return e;
  }
  SHORT send(const char* to, const char* cc = "", const char* attachs = "") {
    SHORT e = -1;
    outlook->Send(Text(to), Text(cc), Text(""), Text("Hello"), Text("Text"), Text(attachs), &e);
    return e;
  }
  LONG count() {
    LONG n = -1;
    outlook->get_Count(&n);
    return n;
  }
  SHORT error() {
    SHORT e = -1;
    outlook->get_Error(&e);
    return e;
  }
  std::string categories() {
    BSTR c = nullptr;
    EXPECT_EQ(outlook->GetCategories(&c), S_OK);
    std::string text = text_1252_of(c);
    SysFreeString(c);
    return text;
  }
  Received receive() { return receive_from(outlook); }

  IQnOutlook* outlook = nullptr;
};

// Without a folder change, Receive reads the Inbox's unread messages in the
// order of the time received and marks each as read.
TEST_F(Outlook, FirstReceiveReadsTheUnreadInbox) {
  put_message("Inbox", message("Late", 46002));
  put_message("Inbox", message("Early", 46000));
  put_message("Inbox", message("Read", 46001, false));
  EXPECT_EQ(categories(), "");  // nothing received yet
  Received r = receive();
  EXPECT_EQ(r.error, 0);
  EXPECT_EQ(outlook_server().call_texts(),
            (Texts{"application get 0x114()",
                   "application get 0x116()",
                   "application call 0x110(BSTR \"MAPI\")",
                   "namespace call 0x210B(I4 6)",
                   "folder:Inbox get 0x3100()",
                   "items:Inbox call 0x61(BSTR \"[ReceivedTime]\", I2 0)",
                   "items:Inbox call 0x62(BSTR \"[Unread] = True\")",
                   "item:Early get 0x37()",
                   "item:Early get 0x9100()",
                   "item:Early get 0x39()",
                   "item:Early get 0xE06()",
                   "item:Early get 0xC1A()",
                   "item:Early get 0x50()",
                   "item:Early get 0xE04()",
                   "item:Early get 0xE03()",
                   "item:Early get 0xF815()",
                   "attachments:Early get 0x50()",
                   "item:Early put 0xF01C(I2 0)"}));
  EXPECT_EQ(r.subject, "Early");
  EXPECT_EQ(r.text, "Body of Early");
  EXPECT_EQ(r.from, "Bob Jones (bob@quenora.test)");  // blanks dropped
  EXPECT_EQ(r.to, "Quenora User");                      // display texts as they are
  EXPECT_EQ(r.cc, "Ann Smith");
  EXPECT_EQ(r.sent, 45999.5);
  EXPECT_EQ(r.received, 46000);
  EXPECT_EQ(categories(), "Business");
  EXPECT_EQ(receive().subject, "Late");
  EXPECT_EQ(receive().error, kMailNoMessages);
  for (const auto& m : mail_store().folder_at("Inbox")->messages) EXPECT_FALSE(m->unread);
}

// The calls of the members not shown elsewhere, each from a clean record.
TEST_F(Outlook, CallSequences) {
  EXPECT_EQ(count(), 0);  // connected, the Inbox opened
  const Texts probes = {"application get 0x114()", "application get 0x116()"};
  auto with_probes = [&](Texts calls) {
    calls.insert(calls.begin(), probes.begin(), probes.end());
    return calls;
  };
  struct Case {
    std::function<void(Outlook&)> act;
    Texts calls;
  } cases[] = {
      {[](Outlook& t) { t.change("\\Archive\\Old"); },
       with_probes({"application call 0x110(BSTR \"MAPI\")", "namespace call 0x210B(I4 6)",
                    "folder:Inbox get 0xF001()", "namespace get 0x2103()",
                    "folders:top call 0x51(BSTR \"Archive\")", "folder:Archive get 0x2103()",
                    "folders:Archive call 0x51(BSTR \"Old\")", "folder:Old get 0x3100()",
                    "items:Old call 0x61(BSTR \"[ReceivedTime]\", I2 0)"})},
      {[](Outlook& t) { t.count(); }, with_probes({"items:Old get 0x50()"})},
      {[](Outlook& t) { t.change("*Drafts", 1, 0); },
       with_probes({"application call 0x110(BSTR \"MAPI\")", "namespace call 0x210B(I4 6)",
                    "folder:Inbox get 0xF001()", "namespace call 0x210B(I4 16)",
                    "folder:Drafts get 0x3100()",
                    "items:Drafts call 0x61(BSTR \"[ReceivedTime]\", I2 0)"})},
      {[](Outlook& t) { t.count(); },
       with_probes({"items:Drafts call 0x64(BSTR \"[Unread] = True\")", "items:Drafts get 0x50()"})},
      {[](Outlook& t) { t.categories(); }, {}},
      {[](Outlook& t) { t.outlook->put_AttachDir(Text("/x")); }, {}},
  };
  for (const Case& c : cases) {
    outlook_server().clear_calls();
    c.act(*this);
    EXPECT_EQ(outlook_server().call_texts(), c.calls);
  }
}

TEST_F(Outlook, ReceiveByFormatAndNewMessages) {
  put_message("Inbox", message("B", 46001));
  put_message("Inbox", message("A", 46000, false));
  MailMessage nameless = message("C", 46002);
  nameless.sender = {"System", "EX", "", ""};
  put_message("Inbox", nameless);
  struct Case {
    SHORT format;
    SHORT new_messages;
    const char* read;
  } cases[] = {
      {0, 0, "A:Bob Jones B:Bob Jones C:System"},
      {1, 0, "A:bob@quenora.test B:bob@quenora.test C:System"},
      {2, 1, "B:Bob Jones (bob@quenora.test) C:System (System)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    outlook->put_AddressFormat(c.format);
    ASSERT_EQ(change("*Inbox", c.new_messages, 0), 0);
    EXPECT_EQ(count(), c.new_messages ? 2 : 3);
    std::string read;
    for (Received r = receive(); r.error == 0; r = receive()) {
      read += (read.empty() ? "" : " ") + r.subject + ":" + r.from;
    }
    EXPECT_EQ(read, c.read);
    EXPECT_EQ(error(), kMailNoMessages);
  }
}

TEST_F(Outlook, FolderWalks) {
  for (const char* folder : {"Inbox", "Inbox\\Projects", "Inbox\\Projects\\2026", "Outbox",
                             "Sent Items", "Sent Items\\Archived", "Deleted Items", "Drafts",
                             "Case", ""}) {
    put_message(folder, message(*folder ? folder : "Mailbox root", 46000, false));
  }
  mail_store().stores[1]->root.folders[0]->add_message(message("Archive\\Old", 46000, false));
  struct Step {
    const char* path;
    SHORT error;
    const char* reached;
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
  } cases[] = {
      {"the Inbox", {{"", 0, "Inbox"}}},
      {"from the Inbox's parent", {{"Inbox\\Projects\\2026", 0, "Inbox\\Projects\\2026"}}},
      {"the five default folders",
       {{"*Drafts", 0, "Drafts"}, {"*Outbox", 0, "Outbox"}, {"*Sent Items\\Archived", 0, "Sent Items\\Archived"},
        {"*Deleted Items", 0, "Deleted Items"}, {"*Inbox", 0, "Inbox"}}},
      {"a top-level folder", {{"\\Archive\\Old", 0, "Archive\\Old"}}},
      {"dot and dot dot", {{"Inbox\\Projects", 0, "Inbox\\Projects"}, {".", 0, "Inbox\\Projects"},
                            {"..\\Projects\\2026", 0, "Inbox\\Projects\\2026"}, {"..", 0, "Inbox\\Projects"}}},
      {"only a backslash", {{"\\", 5, nullptr}, {"Inbox\\", 5, nullptr}}},
      {"missing names", {{"Projects", 5, nullptr}, {"\\Nowhere\\Old", 5, nullptr}, {"*Junk", 5, nullptr}}},
      {"above the top", {{"*Inbox\\..\\..", 5, nullptr}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const Step& s : c.steps) {
      SCOPED_TRACE(s.path);
      EXPECT_EQ(change(s.path), s.error);
      if (s.error) {
        boxes_.clear();
        outlook->put_DisplayMessages(1);
        change(s.path);
        outlook->put_DisplayMessages(0);
        EXPECT_EQ(boxes_, Texts{std::string("Could not open folder: ") + s.path});
        continue;
      }
      const Received r = receive();
      EXPECT_EQ(r.error, 0);
      EXPECT_EQ(r.subject, s.reached);
    }
  }
}

TEST_F(Outlook, Attachments) {
  MailMessage m = message("Files", 46000);
  auto bytes = std::make_shared<std::string>("x");
  m.attachments = {{"C:\\temp\\report.txt", "", bytes}, {"..\\..\\x", "", bytes},
                   {"/etc/passwd", "", bytes},          {"bad.txt", "", bytes},
                   {"..", "", bytes},                   {"last.txt", "", bytes}};
  put_message("Inbox", m);
  mail_store().faults.unreadable_attachment = "bad.txt";
  // The sixth attachment cannot be reached at all: left out without an error.
  outlook_server().inject({"attachment6", 14084, DISPATCH_PROPERTYGET, E_FAIL, -1});
  outlook->put_AttachDir(Text(out_.string()));
  const Received r = receive();
  EXPECT_EQ(r.error, kMailAttachmentNotSaved);
  EXPECT_EQ(r.attachs, "report.txt; x; passwd; bad.txt; ..");
  Texts written;
  for (const auto& e : fs::recursive_directory_iterator(out_)) {
    written.push_back(e.path().filename().string());
  }
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (Texts{"passwd", "report.txt", "x"}));
  EXPECT_FALSE(fs::exists(registry_.dir() / "x"));
}

TEST_F(Outlook, SendAndResolve) {
  write_file(in_ / "a.txt", "alpha");
  outlook->put_AttachDir(Text(in_.string()));
  EXPECT_EQ(send("user@quenora.test", "Bob Jones", "a.txt"), 0);
  const Texts calls = outlook_server().call_texts();
  const std::string a = in_.string() + "/a.txt";
  for (const std::string& call :
       {std::string("application call 0x10A(I4 0)"), std::string("recipients: call 0x6F(BSTR \"user@quenora.test\")"),
        std::string("recipient1 put 0xC15(I4 1)"), std::string("recipient2 put 0xC15(I4 2)"),
        std::string("recipient2 call 0x71()"),
        "attachments: call 0x65(BSTR \"" + a + "\", missing, missing, missing)",
        std::string("item: put 0x37(BSTR \"Hello\")"), std::string("item: put 0x9100(BSTR \"Text\")"),
        std::string("recipients: call 0x7E()"), std::string("item: call 0xF075()")}) {
    EXPECT_TRUE(has(calls, call)) << call;
  }
  // Delivered to the user's Inbox, with the attachment.
  ASSERT_EQ(mail_store().folder_at("Inbox")->messages.size(), 1u);
  EXPECT_EQ(*mail_store().folder_at("Inbox")->messages[0]->attachments.at(0).bytes, "alpha");

  // A recipient that does not resolve: reported, and the message is shown.
  EXPECT_EQ(send("user@quenora.test; Nobody; bob@quenora.test"), kMailInvalidRecipient);
  ASSERT_EQ(mail_store().folder_at("Drafts")->messages.size(), 1u);
  EXPECT_TRUE(mail_store().folder_at("Drafts")->messages[0]->shown);
  EXPECT_EQ(mail_store().folder_at("Drafts")->messages[0]->recipients.size(), 3u);
  // With EditWindow the message is always shown, never sent.
  outlook->put_EditWindow(1);
  EXPECT_EQ(send("user@quenora.test"), 0);
  EXPECT_EQ(mail_store().folder_at("Drafts")->messages.size(), 2u);
  EXPECT_EQ(mail_store().folder_at("Inbox")->messages.size(), 1u);
}

TEST_F(Outlook, ErrorsWithAndWithoutMessages) {
  write_file(in_ / "a.txt", "alpha");
  struct Case {
    const char* name;
    std::function<SHORT(Outlook&)> act;
    SHORT error;
    std::string box;
  } cases[] = {
      // First, while no server was made yet.
      {"Outlook cannot start",
       [](Outlook& t) {
         outlook_server().fail_creation(E_OUTOFMEMORY);
         return t.send("user@quenora.test");
       },
       kMailOutlookNotStarted, "Could not start Outlook."},
      {"no recipient", [](Outlook& t) { return t.send(" "); }, kMailNoRecipient,
       "No main recipient specified"},
      {"a recipient the server refuses",
       [](Outlook& t) {
         outlook_server().inject({"recipients", 111, DISPATCH_METHOD, E_FAIL, 1});
         return t.send("user@quenora.test");
       },
       kMailInvalidRecipient, "Invalid recipient: user@quenora.test"},
      {"a missing attachment", [](Outlook& t) { return t.send("user@quenora.test", "", "/no/such.txt"); },
       kMailInvalidAttachment, "Invalid attachment: /no/such.txt"},
      {"the send fails",
       [](Outlook& t) {
         outlook_server().inject({"item", 61557, DISPATCH_METHOD, E_FAIL, 1});
         return t.send("user@quenora.test");
       },
       kMailSendFailed, "Could not send message"},
      {"nothing to receive", [](Outlook& t) { return t.receive().error; }, kMailNoMessages,
       "No messages to receive."},
      {"the items fail",
       [](Outlook& t) {
         outlook_server().inject({"items", 86, DISPATCH_METHOD, E_FAIL, 1});
         t.change("", 0, 0);
         return t.receive().error;
       },
       kMailReceiveError, "Error receiving message"},
      {"an unreadable message",
       [](Outlook& t) {
         t.put_message("Inbox", message("M", 46000));
         outlook_server().inject({"item", 37120, DISPATCH_PROPERTYGET, E_FAIL, 1});
         t.change("", 0, 0);
         return t.receive().error;
       },
       kMailReceiveError, "Error receiving message"},
      {"an attachment not saved",
       [](Outlook& t) {
         MailMessage m = message("With file", 45000);
         m.attachments = {{"f.txt", "", std::make_shared<std::string>("f")}};
         t.put_message("Inbox", m);
         t.outlook->put_AttachDir(Text("/no/such/folder"));
         t.change("", 0, 0);
         return t.receive().error;
       },
       kMailAttachmentNotSaved, "Could not save attachment: /no/such/folder/f.txt"},
      {"an invalid value",
       [](Outlook& t) {
         t.outlook->put_DisplayMessages(2);  // 0 and 1 only, here
         return t.error();
       },
       kMailInvalidValue, "Invalid value: 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (SHORT display : {0, 1}) {
      outlook->put_DisplayMessages(display);
      boxes_.clear();
      EXPECT_EQ(c.act(*this), c.error);
      EXPECT_EQ(error(), c.error);
      Texts expected;
      if (c.error == kMailOutlookNotStarted) expected.push_back("Couldn't CreateDispatch on Outlook");
      if (display) expected.push_back(c.box);
      EXPECT_EQ(boxes_, expected);
    }
  }
  outlook->put_DisplayMessages(0);
  // The other properties refuse what they do not know.
  outlook->put_EditWindow(2);
  EXPECT_EQ(error(), kMailInvalidValue);
  outlook->put_AddressFormat(2);
  EXPECT_EQ(error(), 0);
}

// A server that lacks the probed member: the companion serves, with the
// settings assigned before, through its own members.
TEST_F(Outlook, CompanionServesTheOlderObjectModel) {
  set_outlook_newer_model(false);
  MailMessage m = message("Old", 46000);
  m.attachments = {{"note.txt", "", std::make_shared<std::string>("n")}};
  put_message("Inbox", m);
  put_message("Inbox", message("Older", 45999, false));
  outlook->put_AttachDir(Text(out_.string()));
  outlook->put_AddressFormat(1);
  Received r = receive();
  EXPECT_EQ(r.error, 0);
  EXPECT_EQ(r.subject, "Old");
  EXPECT_EQ(r.from, "bob@quenora.test");
  EXPECT_EQ(read_file(out_ / "note.txt"), "n");
  Texts calls = outlook_server().call_texts();
  EXPECT_TRUE(has(calls, "items:Inbox call 0xCD(BSTR \"[ReceivedTime]\", I2 0)"));
  EXPECT_TRUE(has(calls, "items:Inbox call 0xCB(BSTR \"[Unread] = True\")"));
  EXPECT_EQ(categories(), "");  // never forwarded: the front received nothing
  EXPECT_EQ(count(), 0);        // unread, by the companion's restrict
  EXPECT_TRUE(has(outlook_server().call_texts(), "items:Inbox call 0xCA(BSTR \"[Unread] = True\")"));

  // All messages, by position.
  ASSERT_EQ(change("", 0, 0), 0);
  EXPECT_EQ(count(), 2);
  outlook_server().clear_calls();
  EXPECT_EQ(receive().subject, "Older");
  EXPECT_TRUE(has(outlook_server().call_texts(), "items:Inbox call 0x51(I4 1)"));
  EXPECT_EQ(receive().subject, "Old");
  EXPECT_EQ(receive().error, kMailNoMessages);
  EXPECT_EQ(error(), kMailNoMessages);

  outlook_server().clear_calls();
  EXPECT_EQ(send("user@quenora.test"), 0);
  EXPECT_TRUE(has(outlook_server().call_texts(), "recipient1 put 0x70(I4 1)"));
  outlook->put_DisplayMessages(2);
  EXPECT_EQ(error(), kMailInvalidValue);
}

TEST_F(Outlook, CompanionThatCannotBeMade) {
  auto old = CQnOutlook::set_companion_maker([](IQnOutlook97**) { return E_OUTOFMEMORY; });
  set_outlook_newer_model(false);
  put_message("Inbox", message("Old", 46000));
  EXPECT_EQ(receive().error, kMailFolderNotOpened);  // the newer sort is unknown
  EXPECT_EQ(boxes_, Texts{"Couldn't CreateDispatch on QnOutlok97."});
  CQnOutlook::set_companion_maker(old);
}

TEST_F(Outlook, ApplicationThatWentAwayIsMadeAgain) {
  put_message("Inbox", message("M", 46000));
  EXPECT_EQ(count(), 1);
  outlook_server().inject({"application", 276, DISPATCH_PROPERTYGET, ScriptedObject::kDisconnected, 1});
  outlook_server().clear_calls();
  EXPECT_EQ(receive().subject, "M");
  EXPECT_EQ(outlook_server().call_texts().at(1), "application get 0x114()");  // the new one
}

TEST_F(Outlook, CurrentDirectoryIsPutBack) {
  put_message("Inbox", message("M", 46000));
  mail_store().faults.change_directory = out_.string();
  EXPECT_EQ(receive().error, 0);
  EXPECT_EQ(fs::current_path(), home_);
  EXPECT_EQ(send("Nobody"), kMailInvalidRecipient);
  EXPECT_EQ(fs::current_path(), home_);
  EXPECT_EQ(change("\\"), kMailFolderNotOpened);
  EXPECT_EQ(fs::current_path(), home_);
}

}  // namespace
}  // namespace qn::office
