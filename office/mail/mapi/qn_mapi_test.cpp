#include "office/mail/mapi/qn_mapi.h"

#include <gtest/gtest.h>

#include "office/mail/automation_test_env.h"

namespace qn::office {
namespace {

using namespace com;
using namespace testing_support;
using Texts = std::vector<std::string>;

// A message from Ann Smith (an exchange entry) to the user, Bob in copy and
// a blind copy, with two attachments.
MailMessage from_ann(std::string subject, double received, bool unread = true) {
  MailMessage m = test_message(std::move(subject), received, unread);
  const MailStore& s = mail_store();
  m.sender = s.address_book[2];
  m.recipients = {{s.user.name, 1, s.user},
                  {"Bob Jones", 2, s.address_book[1]},
                  {"Hidden", 3, MailAddress{"Hidden", "SMTP", "hidden@quenora.test", ""}}};
  m.attachments = {{"report.txt", "C:\\work\\report.txt", std::make_shared<std::string>("R")},
                   {"data.bin", "", std::make_shared<std::string>(std::string("\0\1", 2))}};
  return m;
}

// Public: the table of error cases drives the fixture from lambdas.
class Mapi : public MailServersEnv {
 public:
  void SetUp() override {
    MailServersEnv::SetUp();
    ASSERT_EQ(CQnMAPI::create<CQnMAPI>(nullptr, IID_IQnMAPI, reinterpret_cast<void**>(&mapi)),
              S_OK);
  }
  void TearDown() override {
    if (mapi) mapi->Release();
    expect_no_objects_left();
    MailServersEnv::TearDown();
  }
  SHORT login(SHORT new_messages = 0, SHORT mark_as_read = 0, const char* profile = "Work") {
    SHORT e = -1;
    EXPECT_EQ(mapi->LoginMAPI(Text(profile), new_messages, mark_as_read, &e), S_OK);
    return e;
  }
  SHORT change(const std::string& path, SHORT new_messages = 0, SHORT mark_as_read = 0) {
    SHORT e = -1;
    mapi->ChangeFolder(Text(path), new_messages, mark_as_read, &e);
    return e;
  }
  SHORT send(const char* to, const char* cc = "", const char* bcc = "", const char* attachs = "",
             const char* subject = "Hello") {
    SHORT e = -1;
    mapi->Send(Text(to), Text(cc), Text(bcc), Text(subject), Text("Text"), Text(attachs), &e);
    return e;
  }
  SHORT logout() {
    SHORT e = -1;
    mapi->Logout(&e);
    return e;
  }
  LONG count() {
    LONG n = -1;
    mapi->get_Count(&n);
    return n;
  }
  SHORT error() {
    SHORT e = -1;
    mapi->get_Error(&e);
    return e;
  }
  Received receive() { return receive_from(mapi); }

  IQnMAPI* mapi = nullptr;
};

TEST_F(Mapi, LoginOpensTheInboxAndLogoutEndsTheSession) {
  EXPECT_EQ(login(1, 1), 0);
  EXPECT_EQ(mapi_server().call_texts(),
            (Texts{"session call 0x77(BSTR \"Work\", missing, missing, missing, missing, missing, "
                   "missing)",
                   "session call 0x99(I4 1)", "folder:Inbox get 0x16()",
                   "messages:Inbox get 0x3D()", "filter:Inbox put 0x2A(I2 1)",
                   "messages:Inbox call 0x86(missing, missing)"}));
  EXPECT_EQ(login(), kMailAlreadyLoggedIn);
  mapi_server().clear_calls();
  EXPECT_EQ(logout(), 0);
  EXPECT_EQ(mapi_server().call_texts(), Texts{"session call 0x76()"});
  EXPECT_EQ(mapi_server().live_objects(), 0);
  EXPECT_EQ(logout(), kMailNotLoggedIn);
  EXPECT_EQ(send("bob@quenora.test"), kMailNotLoggedIn);
  EXPECT_EQ(change("Projects"), kMailNotLoggedIn);
  EXPECT_EQ(receive().error, kMailNotLoggedIn);
  EXPECT_EQ(count(), 0);
  EXPECT_EQ(error(), kMailNotLoggedIn);
}

TEST_F(Mapi, LoginFailures) {
  mail_store().faults.refuse_logon = true;
  EXPECT_EQ(login(), kMailLoginFailed);
  EXPECT_EQ(mapi_server().live_objects(), 0);  // the session is released
  mail_store().faults.refuse_logon = false;
  // A logoff that fails still ends the session.
  EXPECT_EQ(login(), 0);
  mapi_server().inject({"session", 118, DISPATCH_METHOD, E_FAIL, 1});
  EXPECT_EQ(logout(), 0);
  EXPECT_EQ(mapi_server().live_objects(), 0);
  // The server cannot be made: the box is shown whatever DisplayMessages
  // says, and the login reports its failure.
  mapi_server().fail_creation(E_OUTOFMEMORY);
  EXPECT_EQ(login(), kMailLoginFailed);
  EXPECT_EQ(boxes_, Texts{"Couldn't CreateDispatch on MAPI"});
  // The Inbox cannot be opened: the session is open, the folder is not.
  mail_store().faults.missing_folder = "Inbox";
  EXPECT_EQ(login(), kMailFolderNotOpened);
  EXPECT_EQ(receive().error, kMailNoMessages);
  EXPECT_EQ(login(), kMailAlreadyLoggedIn);
}

// Each folder holds one message whose subject names it, so a Receive tells
// where a walk ended; "top" is the level of the information stores.
// The calls of the members not shown elsewhere, each from a clean record.
TEST_F(Mapi, CallSequences) {
  ASSERT_EQ(login(), 0);
  struct Case {
    std::function<void(Mapi&)> act;
    Texts calls;
  } cases[] = {
      {[](Mapi& t) { t.change("\\Archive\\Old"); },
       {"session call 0x99(I4 1)", "session get 0x39()",
        "infostores get 0x15(BSTR \"Archive\")", "infostore:Archive get 0x3B()",
        "folder:Archive get 0xD()", "folders:Archive get 0x9()",
        "folders:Archive get 0x15(I4 1)", "folder:Old get 0x17()", "folder:Old get 0x16()",
        "messages:Old call 0x86(missing, missing)"}},
      {[](Mapi& t) { t.change("*Sent Items\\..", 1); },
       {"session call 0x99(I4 1)", "session call 0x99(I4 3)", "folder:Sent Items get 0x19()",
        "folders:Mailbox - Quenora User get 0x19()", "folder:Mailbox - Quenora User get 0x16()",
        "messages:Mailbox - Quenora User get 0x3D()",
        "filter:Mailbox - Quenora User put 0x2A(I2 1)",
        "messages:Mailbox - Quenora User call 0x86(missing, missing)"}},
      {[](Mapi& t) { t.count(); }, {"messages:Mailbox - Quenora User get 0x9()"}},
      {[](Mapi& t) { t.receive(); },
       {"messages:Mailbox - Quenora User call 0x6D(BSTR \"IPM.Note\")"}},
      {[](Mapi& t) { t.mapi->put_AddressFormat(1); }, {}},
      {[](Mapi& t) { t.logout(); }, {"session call 0x76()"}},
  };
  for (const Case& c : cases) {
    mapi_server().clear_calls();
    c.act(*this);
    EXPECT_EQ(mapi_server().call_texts(), c.calls);
  }
}

TEST_F(Mapi, FolderWalks) {
  for (const char* folder : {"Inbox", "Inbox\\Projects", "Inbox\\Projects\\2026", "Outbox",
                             "Sent Items", "Sent Items\\Archived", "Deleted Items", "Drafts",
                             "Case", "case", ""}) {
    put_message(folder, {.subject = *folder ? folder : "Mailbox root"});
  }
  mail_store().stores[1]->root.add_message({.subject = "Archive root"});
  mail_store().stores[1]->root.folders[0]->add_message({.subject = "Archive\\Old"});

  struct Step {
    const char* path;
    SHORT error;
    const char* reached;  // the subject read there, "top", or null after an error
  };
  struct Case {
    const char* name;
    std::vector<Step> steps;
  } cases[] = {
      {"empty path", {{"", 0, "Inbox"}}},
      {"relative to the Inbox", {{"Projects\\2026", 0, "Inbox\\Projects\\2026"}}},
      {"default folder and subfolder", {{"*Sent Items\\Archived", 0, "Sent Items\\Archived"}}},
      {"blanks around parts", {{" *Sent Items \\ Archived ", 0, "Sent Items\\Archived"}}},
      {"the four default folders",
       {{"*Inbox", 0, "Inbox"}, {"*Outbox", 0, "Outbox"}, {"*Deleted Items", 0, "Deleted Items"}}},
      {"a store by name", {{"\\Archive\\Old", 0, "Archive\\Old"}, {"\\Archive", 0, "Archive root"}}},
      {"case-sensitive names", {{"..\\Case", 0, "Case"}, {"..\\case", 0, "case"}}},
      {"a name in no case", {{"..\\CASE", 5, nullptr}}},
      {"the top level", {{"\\", 0, "top"}, {"\\\\", 0, "top"}, {"*Inbox\\..\\..", 0, "top"}}},
      {"dot keeps the folder", {{"Projects", 0, "Inbox\\Projects"}, {".\\2026", 0, "Inbox\\Projects\\2026"}}},
      {"dot dot climbs", {{"Projects\\2026", 0, "Inbox\\Projects\\2026"}, {"..", 0, "Inbox\\Projects"}}},
      {"dot at the top stays there", {{"\\", 0, "top"}, {".", 0, "top"}, {".\\Archive", 0, "Archive root"}}},
      {"dot dot at the top", {{"\\", 0, "top"}, {"..", 5, nullptr}, {"\\..", 5, nullptr}}},
      {"drafts is no default name here", {{"*Drafts", 5, nullptr}}},
      {"missing names", {{"Projects\\Nothing", 5, nullptr}, {"\\No Store", 5, nullptr}}},
      {"a line break in a name", {{"Pro\r\njects", 5, nullptr}}},
  };
  ASSERT_EQ(login(), 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(change(""), 0);
    for (const Step& s : c.steps) {
      SCOPED_TRACE(s.path);
      EXPECT_EQ(change(s.path), s.error);
      if (s.error == kMailFolderNotOpened) {
        boxes_.clear();
        mapi->put_DisplayMessages(1);
        change(s.path);
        mapi->put_DisplayMessages(0);
        EXPECT_EQ(boxes_, Texts{std::string("Could not open folder: ") + s.path});
        continue;
      }
      const Received r = receive();
      if (std::string(s.reached) == "top") {
        EXPECT_EQ(r.error, kMailNoMessages);
        EXPECT_EQ(count(), 0);
      } else {
        EXPECT_EQ(r.error, 0);
        EXPECT_EQ(r.subject, s.reached);
        EXPECT_EQ(count(), 1);
      }
    }
  }
}

// The parent of a folder as its server tells it: a collection (its own
// parent), the session (the root of the folder's store), an information
// store (the top level) or an object of no known kind (the walk stays).
TEST_F(Mapi, ParentsOfEveryKind) {
  put_message("", {.subject = "Mailbox root"});
  put_message("Inbox\\Projects", {.subject = "Projects"});
  mail_store().parent_kinds = {{"2026", ParentKind::kSession},
                               {"Archived", ParentKind::kOther}};
  ASSERT_EQ(login(), 0);
  EXPECT_EQ(change("Projects\\2026\\.."), 0);
  EXPECT_EQ(receive().subject, "Mailbox root");
  EXPECT_EQ(change("*Sent Items\\Archived\\..\\..\\..\\Inbox\\Projects"), kMailFolderNotOpened);
  EXPECT_EQ(change("*Sent Items\\Archived\\..\\..\\Projects"), kMailFolderNotOpened);
  EXPECT_EQ(change("*Inbox\\..\\.."), 0);
  EXPECT_EQ(count(), 0);
  mapi_server().clear_calls();
  EXPECT_EQ(change("*Sent Items\\Archived\\.."), 0);
  const Texts calls = mapi_server().call_texts();
  // The stranger knows none of the names: the walk stays at Archived.
  EXPECT_NE(std::find(calls.begin(), calls.end(), "folder:Archived get 0x16()"), calls.end());
}

TEST_F(Mapi, LongAndHostilePaths) {
  ASSERT_EQ(login(), 0);
  std::string deep = "Projects";
  for (int i = 1; i < 1000; ++i) deep += "\\x";
  EXPECT_EQ(change(deep), kMailFolderNotOpened);
  mapi->put_DisplayMessages(1);
  change(deep);
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0], "Could not open folder: " + deep);  // the whole path
  mapi->put_DisplayMessages(0);
  std::string slashes(1000, '\\');
  EXPECT_EQ(change(slashes), 0);
  EXPECT_EQ(count(), 0);
  std::string up = "*Inbox";
  for (int i = 0; i < 1000; ++i) up += "\\..";
  EXPECT_EQ(change(up), kMailFolderNotOpened);
  // A text ends at its first NUL, as every text of the module does.
  put_message("Inbox\\Projects", {.subject = "Projects"});
  EXPECT_EQ(change(std::string("Projects\0\\Nowhere", 17)), 0);
  EXPECT_EQ(receive().subject, "Projects");
}

TEST_F(Mapi, ReceiveInEveryAddressFormat) {
  put_message("Inbox", from_ann("First", 46000));
  struct Case {
    SHORT format;
    const char* from;
    const char* to;
    const char* cc;
  } cases[] = {
      {0, "Ann Smith", "Quenora User", "Bob Jones"},
      {1, "ann@quenora.test", "user@quenora.test", "bob@quenora.test"},
      {2, "Ann Smith (ann@quenora.test)", "Quenora User (user@quenora.test)",
       "Bob Jones (bob@quenora.test)"},
  };
  ASSERT_EQ(login(), 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.format);
    mapi->put_AddressFormat(c.format);
    ASSERT_EQ(change(""), 0);
    const Received r = receive();
    EXPECT_EQ(r.error, 0);
    EXPECT_EQ(r.from, c.from);
    EXPECT_EQ(r.to, c.to);
    EXPECT_EQ(r.cc, c.cc);  // the blind copy is never listed
    EXPECT_EQ(r.subject, "First");
    EXPECT_EQ(r.text, "Body of First");
    EXPECT_EQ(r.sent, 45999.5);
    EXPECT_EQ(r.received, 46000);
    EXPECT_EQ(r.attachs, "report.txt; data.bin");
  }
}

TEST_F(Mapi, ReceiveCallSequence) {
  put_message("Inbox", from_ann("First", 46000));
  ASSERT_EQ(login(0, 1), 0);
  mapi->put_AttachDir(Text(out_.string()));
  mapi_server().clear_calls();
  ASSERT_EQ(receive().error, 0);
  const std::string out = out_.string() + "/";
  EXPECT_EQ(mapi_server().call_texts(),
            (Texts{"messages:Inbox call 0x6D(BSTR \"IPM.Note\")",
                   "message:First get 0x26()",
                   "message:First get 0x27()",
                   "message:First get 0x29()",
                   "message:First get 0x28()",
                   "message:First get 0x20()",
                   "entry:Ann Smith get 0x17()",
                   "entry:Ann Smith get 0x11()",
                   "entry:Ann Smith get 0xC()",
                   "fields:Ann Smith get 0x15(I4 972947486)",
                   "field:Ann Smith get 0x2B()",
                   "message:First get 0x1C()",
                   "recipients:First get 0x9()",
                   "recipients:First get 0x15(I4 1)",
                   "recipient1 get 0x11()",
                   "recipient1 get 0x35()",
                   "entry:Quenora User get 0x17()",
                   "entry:Quenora User get 0x11()",
                   "entry:Quenora User get 0x2()",
                   "recipients:First get 0x15(I4 2)",
                   "recipient2 get 0x11()",
                   "recipient2 get 0x35()",
                   "entry:Bob Jones get 0x17()",
                   "entry:Bob Jones get 0x11()",
                   "entry:Bob Jones get 0x2()",
                   "recipients:First get 0x15(I4 3)",
                   "recipient3 get 0x11()",
                   "message:First get 0x5()",
                   "attachments:First get 0x9()",
                   "attachments:First get 0x15(I4 1)",
                   "attachment1 get 0x17()",
                   "attachment1 get 0x25()",
                   "attachment1 call 0x85(BSTR \"" + out + "report.txt\")",
                   "attachments:First get 0x15(I4 2)",
                   "attachment2 get 0x17()",
                   "attachment2 get 0x25()",
                   "attachment2 call 0x85(BSTR \"" + out + "data.bin\")",
                   "message:First put 0x2A(I2 0)",
                   "message:First call 0x84(missing, missing)"}));
  EXPECT_EQ(read_file(out_ / "report.txt"), "R");
  EXPECT_EQ(read_file(out_ / "data.bin"), std::string("\0\1", 2));
}

// Which messages successive Receives read, by NewMessages and MarkAsRead:
// with both set each Receive takes the first unread message and marks it.
TEST_F(Mapi, NewMessagesAndMarkAsRead) {
  struct Case {
    SHORT new_messages, mark_as_read;
    const char* read;  // the subjects of four Receives ("-" for error 11)
    const char* unread_after;
  } cases[] = {
      {0, 0, "A B C -", "B C"},
      {0, 1, "A B C -", ""},
      {1, 0, "B C - -", "B C"},
      {1, 1, "B C - -", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.new_messages) + std::to_string(c.mark_as_read));
    reset_mail_store();
    put_message("Inbox", from_ann("A", 46000, false));
    put_message("Inbox", from_ann("B", 46001));
    put_message("Inbox", from_ann("C", 46002));
    MailMessage note;
    note.subject = "not a note";
    note.message_class = "IPM.Schedule";
    put_message("Inbox", note);
    ASSERT_EQ(login(c.new_messages, c.mark_as_read), 0);
    EXPECT_EQ(count(), c.new_messages ? 3 : 4);  // the filter counts what it lets through
    std::string read;
    for (int i = 0; i < 4; ++i) {
      const Received r = receive();
      read += (i ? " " : "") + (r.error == kMailNoMessages ? std::string("-") : r.subject);
    }
    EXPECT_EQ(read, c.read);
    std::string unread;
    for (const auto& m : mail_store().folder_at("Inbox")->messages) {
      if (m->unread && m->message_class == "IPM.Note") unread += (unread.empty() ? "" : " ") + m->subject;
    }
    EXPECT_EQ(unread, c.unread_after);
    ASSERT_EQ(logout(), 0);
  }
}

TEST_F(Mapi, SavedAttachmentsStayInAttachDir) {
  MailMessage m = from_ann("Hostile", 46000);
  auto bytes = std::make_shared<std::string>("x");
  m.attachments = {{"..\\..\\x", "", bytes},
                   {"/etc/passwd", "", bytes},
                   {"..", "", bytes},
                   {"fine.txt", "..\\..\\fine.txt", bytes}};
  put_message("Inbox", m);
  ASSERT_EQ(login(), 0);
  mapi->put_AttachDir(Text((out_ / "deep").string()));
  fs::create_directories(out_ / "deep");
  const Received r = receive();
  EXPECT_EQ(r.error, kMailAttachmentNotSaved);  // "..": no file name
  EXPECT_EQ(r.attachs, "x; passwd; ..; fine.txt");
  std::vector<std::string> written;
  for (const auto& e : fs::recursive_directory_iterator(registry_.dir())) {
    if (e.is_regular_file() && e.path().filename() != "registry.ini") {
      written.push_back(fs::relative(e.path(), registry_.dir()).generic_string());
    }
  }
  std::sort(written.begin(), written.end());
  EXPECT_EQ(written, (Texts{"out/deep/fine.txt", "out/deep/passwd", "out/deep/x"}));
}

TEST_F(Mapi, UnsavedAttachmentsAndReceiveFailures) {
  put_message("Inbox", from_ann("First", 46000));
  put_message("Inbox", from_ann("Second", 46001));
  ASSERT_EQ(login(), 0);
  mapi->put_AttachDir(Text(out_.string() + "\\"));
  mail_store().faults.unreadable_attachment = "report.txt";
  Received r = receive();
  EXPECT_EQ(r.error, kMailAttachmentNotSaved);
  EXPECT_EQ(r.attachs, "report.txt; data.bin");  // the walk goes on
  EXPECT_TRUE(fs::exists(out_ / "data.bin"));
  mapi->put_DisplayMessages(1);
  mapi_server().inject({"recipients", 21, DISPATCH_PROPERTYGET, E_FAIL, 1});
  r = receive();
  EXPECT_EQ(r.error, kMailReceiveError);
  EXPECT_EQ(r.subject, "");  // nothing handed out
  EXPECT_EQ(boxes_, Texts{"Error receiving message"});
  // Dates that cannot be read are 0; the rest is received.
  ASSERT_EQ(change(""), 0);
  mapi_server().inject({"message", 41, DISPATCH_PROPERTYGET, E_FAIL, 1});
  mapi_server().inject({"message", 40, DISPATCH_PROPERTYGET, S_OK, 1, 0, text_variant("no date")});
  r = receive();
  EXPECT_EQ(r.error, kMailAttachmentNotSaved);
  EXPECT_EQ(r.sent, 0);
  EXPECT_EQ(r.received, 0);
}

// Wrong answers of the server: each gives the code of its step.
TEST_F(Mapi, WrongAnswersOfTheServer) {
  put_message("Inbox", from_ann("First", 46000));
  struct Case {
    const char* object;
    DISPID id;
    WORD kind;
    VARIANT value;
    const char* action;
    SHORT error;
  } cases[] = {
      {"session", 153, DISPATCH_METHOD, i4_variant(7), "login", kMailFolderNotOpened},
      {"folders", 21, DISPATCH_PROPERTYGET, i4_variant(7), "change", kMailFolderNotOpened},
      {"folders", 9, DISPATCH_PROPERTYGET, text_variant("many"), "change", kMailFolderNotOpened},
      {"messages", 109, DISPATCH_METHOD, text_variant("note"), "receive", kMailReceiveError},
      {"messages", 109, DISPATCH_METHOD, {}, "receive", kMailNoMessages},
      {"message", 32, DISPATCH_PROPERTYGET, {}, "receive", kMailReceiveError},
      {"entry", 2, DISPATCH_PROPERTYGET, i4_variant(7), "receive", 0},  // a number is a text too
      {"message", 5, DISPATCH_PROPERTYGET, i4_variant(7), "receive", kMailReceiveError},
      {"session", 16, DISPATCH_PROPERTYGET, i4_variant(7), "send", kMailNotLoggedIn},
      {"messages", 100, DISPATCH_METHOD, {}, "send", kMailSendFailed},
      {"recipients", 100, DISPATCH_METHOD, i4_variant(7), "send", kMailInvalidRecipient},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(std::string(c.object) + " " + std::to_string(c.id));
    reset_mail_store();
    put_message("Inbox", from_ann("First", 46000));
    if (c.value.vt == VT_EMPTY) c.value = VARIANT{VT_DISPATCH};  // a null object
    mapi_server().inject({c.object, c.id, c.kind, S_OK, -1, 0, c.value});
    const std::string action = c.action;
    SHORT e;
    if (action == "login") {
      e = login();
    } else {
      ASSERT_EQ(login(), 0);
      if (action == "change") {
        e = change("Projects");
      } else if (action == "receive") {
        e = receive().error;
      } else {
        e = send("bob@quenora.test");
      }
    }
    EXPECT_EQ(e, c.error);
    logout();
  }
}

TEST_F(Mapi, SendThroughTheOutboxAndDeliver) {
  write_file(in_ / "a.txt", "alpha");
  write_file(in_ / "b.bin", std::string(100, '\xFF'));
  ASSERT_EQ(login(), 0);
  mapi->put_AttachDir(Text(in_.string()));
  mapi_server().clear_calls();
  const std::string b = (in_ / "b.bin").string();
  EXPECT_EQ(send(" user@quenora.test ; Ann Smith", "Bob Jones", "x@elsewhere.test",
                 ("a.txt; " + b).c_str()),
            0);
  const std::string a = in_.string() + "/a.txt";
  EXPECT_EQ(mapi_server().call_texts(),
            (Texts{"session get 0x10()",
                   "folder:Outbox get 0x16()",
                   "messages:Outbox call 0x64(BSTR \"Hello\", BSTR \"Text\", missing, missing)",
                   "message:Hello get 0x1C()",
                   "recipients:Hello call 0x64(missing, missing, missing, missing)",
                   "recipient1 put 0x17(BSTR \"user@quenora.test\")",
                   "recipient1 put 0x11(I4 1)",
                   "recipient1 call 0x82(missing)",
                   "recipients:Hello call 0x64(missing, missing, missing, missing)",
                   "recipient2 put 0x17(BSTR \"Ann Smith\")",
                   "recipient2 put 0x11(I4 1)",
                   "recipient2 call 0x82(missing)",
                   "recipients:Hello call 0x64(missing, missing, missing, missing)",
                   "recipient3 put 0x17(BSTR \"Bob Jones\")",
                   "recipient3 put 0x11(I4 2)",
                   "recipient3 call 0x82(missing)",
                   "recipients:Hello call 0x64(missing, missing, missing, missing)",
                   "recipient4 put 0x17(BSTR \"x@elsewhere.test\")",
                   "recipient4 put 0x11(I4 3)",
                   "recipient4 call 0x82(missing)",
                   "message:Hello get 0x5()",
                   "attachments:Hello call 0x64(missing, missing, missing, missing)",
                   "attachment1 put 0x25(BSTR \"" + a + "\")",
                   "attachment1 call 0x7F(BSTR \"" + a + "\")",
                   "attachment1 put 0x17(BSTR \"a.txt\")",
                   "attachment1 put 0x1A(I4 0)",
                   "attachments:Hello call 0x64(missing, missing, missing, missing)",
                   "attachment2 put 0x25(BSTR \"" + b + "\")",
                   "attachment2 call 0x7F(BSTR \"" + b + "\")",
                   "attachment2 put 0x17(BSTR \"b.bin\")",
                   "attachment2 put 0x1A(I4 0)",
                   "message:Hello call 0x84(missing, missing)",
                   "message:Hello call 0x83(missing, I2 0)",
                   "session call 0x6C()"}));
  // Delivered: out of the Outbox, into Sent Items and the user's Inbox.
  EXPECT_TRUE(mail_store().folder_at("Outbox")->messages.empty());
  ASSERT_EQ(mail_store().folder_at("Sent Items")->messages.size(), 1u);
  const auto& inbox = mail_store().folder_at("Inbox")->messages;
  ASSERT_EQ(inbox.size(), 1u);
  const MailMessage& m = *inbox[0];
  EXPECT_EQ(m.sender.address, "user@quenora.test");
  EXPECT_EQ(m.display_to(1), "Quenora User; Ann Smith");
  EXPECT_EQ(m.display_to(2), "Bob Jones");
  EXPECT_EQ(m.display_to(3), "x@elsewhere.test");
  ASSERT_EQ(m.attachments.size(), 2u);
  EXPECT_EQ(*m.attachments[0].bytes, "alpha");
  EXPECT_EQ(*m.attachments[1].bytes, std::string(100, '\xFF'));
  EXPECT_FALSE(m.shown);

  // Read back in the same session.
  const Received r = receive();
  EXPECT_EQ(r.error, 0);
  EXPECT_EQ(r.from, "Quenora User (user@quenora.test)");
  // Ann Smith's entry is no SMTP entry: her SMTP address field stands in.
  EXPECT_EQ(r.to, "Quenora User (user@quenora.test); Ann Smith (ann@quenora.test)");
  EXPECT_EQ(r.cc, "Bob Jones (bob@quenora.test)");
  EXPECT_EQ(r.attachs, "a.txt; b.bin");
}

TEST_F(Mapi, SendFailures) {
  write_file(in_ / "a.txt", "alpha");
  ASSERT_EQ(login(), 0);
  mapi->put_AttachDir(Text(in_.string()));
  struct Case {
    const char* to;
    const char* cc;
    const char* attachs;
    std::function<void()> fault;
    SHORT error;
    std::string box;
  } cases[] = {
      {"", "", "", nullptr, kMailNoRecipient, "No main recipient specified"},
      {" ; ", "", "", nullptr, kMailInvalidRecipient, "Invalid recipient: "},
      {"  ", "bob@quenora.test", "", nullptr, kMailNoRecipient, "No main recipient specified"},
      {"bob@quenora.test", "Nobody", "", nullptr, kMailInvalidRecipient, "Invalid recipient: Nobody"},
      {"bob@quenora.test", "a@b\r\nRCPT TO:<c@d>", "", nullptr, kMailInvalidRecipient,
       "Invalid recipient: a@b\r\nRCPT TO:<c@d>"},
      {"bob@quenora.test", "", "", [] { mail_store().faults.unresolvable = "bob@quenora.test"; },
       kMailInvalidRecipient, "Invalid recipient: bob@quenora.test"},
      {"bob@quenora.test", "", "missing.txt", nullptr, kMailInvalidAttachment,
       "Invalid attachment: " + in_.string() + "/missing.txt"},
      {"bob@quenora.test", "", "a.txt;", nullptr, kMailInvalidAttachment,
       "Invalid attachment: " + in_.string() + "/"},
      {"bob@quenora.test", "", "a.txt", [] { mail_store().faults.unreadable_attachment = "a.txt"; },
       kMailInvalidAttachment, "Invalid attachment: " + in_.string() + "/a.txt"},
      {"bob@quenora.test", "", "", [] { mail_store().faults.missing_folder = "Outbox"; },
       kMailNotLoggedIn, "Not logged in"},
      {"bob@quenora.test", "", "",
       [] { mapi_server().inject({"message", 131, DISPATCH_METHOD, E_FAIL, 2}); }, kMailSendFailed,
       "Could not send message"},
      {"bob@quenora.test", "", "",
       [] { mapi_server().inject({"session", 108, DISPATCH_METHOD, E_FAIL, 2}); }, kMailSendFailed,
       "Could not send message"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.box);
    mail_store().faults = {};
    if (c.fault) c.fault();
    for (SHORT display : {0, 1}) {
      boxes_.clear();
      mapi->put_DisplayMessages(display);
      EXPECT_EQ(send(c.to, c.cc, "", c.attachs), c.error);
      EXPECT_EQ(error(), c.error);
      EXPECT_EQ(boxes_, display ? Texts{c.box} : Texts{});
    }
  }
  mapi->put_DisplayMessages(0);
  // Nothing of the failed sends left the Outbox.
  EXPECT_TRUE(mail_store().folder_at("Sent Items")->messages.empty());
}

// The codes no other table shows, with DisplayMessages off and on.
TEST_F(Mapi, MessagesOfTheOtherCodes) {
  put_message("Inbox", from_ann("First", 46000));
  struct Case {
    const char* name;
    std::function<SHORT(Mapi&)> act;
    SHORT error;
    const char* box;
  } cases[] = {
      {"already logged in", [](Mapi& t) { return t.login(); }, kMailAlreadyLoggedIn,
       "Already logged in"},
      {"no message", [](Mapi& t) { t.change("*Outbox"); return t.receive().error; },
       kMailNoMessages, "No messages to receive."},
      {"an attachment not saved",
       [](Mapi& t) {
         t.mapi->put_AttachDir(Text("/no/such/folder"));
         t.change("");
         return t.receive().error;
       },
       kMailAttachmentNotSaved, "Could not save attachment: /no/such/folder/data.bin"},
      {"a refused login",
       [](Mapi& t) {
         t.logout();
         mail_store().faults.refuse_logon = true;
         const SHORT e = t.login();
         mail_store().faults.refuse_logon = false;
         EXPECT_EQ(t.login(), 0);
         return e;
       },
       kMailLoginFailed, "Could not complete login"},
  };
  ASSERT_EQ(login(), 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (SHORT display : {0, 1}) {
      mapi->put_DisplayMessages(display);
      boxes_.clear();
      EXPECT_EQ(c.act(*this), c.error);
      EXPECT_EQ(boxes_, display ? Texts{c.box} : Texts{});
    }
  }
}

TEST_F(Mapi, TenThousandRecipients) {
  ASSERT_EQ(login(), 0);
  std::string to;
  for (int i = 0; i < 10000; ++i) to += "r" + std::to_string(i) + "@quenora.test;";
  to += "user@quenora.test";
  EXPECT_EQ(send(to.c_str()), 0);
  ASSERT_EQ(mail_store().folder_at("Sent Items")->messages.size(), 1u);
  EXPECT_EQ(mail_store().folder_at("Sent Items")->messages[0]->recipients.size(), 10001u);
  mail_store().faults.unresolvable = "r9999@quenora.test";
  EXPECT_EQ(send(to.c_str()), kMailInvalidRecipient);
}

TEST_F(Mapi, EditWindowShowsTheDialog) {
  ASSERT_EQ(login(), 0);
  mapi->put_EditWindow(2);
  EXPECT_EQ(send("user@quenora.test"), 0);
  ASSERT_EQ(mail_store().folder_at("Sent Items")->messages.size(), 1u);
  EXPECT_TRUE(mail_store().folder_at("Sent Items")->messages[0]->shown);
}

// Accepted values set error 0, but DisplayMessages sets none; others give
// 17 with the value.
TEST_F(Mapi, PropertyWrites) {
  struct Case {
    HRESULT (IQnMAPI::*put)(SHORT);
    SHORT value;
    SHORT error;
  } cases[] = {
      {&IQnMAPI::put_AddressFormat, 2, 0},           {&IQnMAPI::put_AddressFormat, 3, 17},
      {&IQnMAPI::put_AddressFormat, -1, 17},         {&IQnMAPI::put_EditWindow, 2, 0},
      {&IQnMAPI::put_EditWindow, 3, 17},             {&IQnMAPI::put_DisplayMessages, 2, 2},
      {&IQnMAPI::put_DisplayMessages, 0, 2},         {&IQnMAPI::put_DisplayMessages, 3, 17},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    logout();  // error 2 before each write
    (mapi->*c.put)(c.value);
    EXPECT_EQ(error(), c.error);
  }
  mapi->put_DisplayMessages(1);
  boxes_.clear();
  mapi->put_AddressFormat(7);
  EXPECT_EQ(boxes_, Texts{"Invalid value: 7"});
}

TEST_F(Mapi, CurrentDirectoryIsPutBack) {
  put_message("Inbox", from_ann("First", 46000));
  mail_store().faults.change_directory = out_.string();
  EXPECT_EQ(login(), 0);
  EXPECT_EQ(fs::current_path(), home_);
  EXPECT_EQ(receive().error, 0);
  EXPECT_EQ(fs::current_path(), home_);
  mapi_server().inject({"message", 28, DISPATCH_PROPERTYGET, E_FAIL, 1});
  ASSERT_EQ(change(""), 0);
  EXPECT_EQ(receive().error, kMailReceiveError);  // fails part way
  EXPECT_EQ(fs::current_path(), home_);
  EXPECT_EQ(send("Nobody"), kMailInvalidRecipient);
  EXPECT_EQ(fs::current_path(), home_);
  EXPECT_EQ(count(), 1);
  EXPECT_EQ(fs::current_path(), home_);
  EXPECT_EQ(logout(), 0);
  EXPECT_EQ(fs::current_path(), home_);
}

}  // namespace
}  // namespace qn::office
