#include "office/mail/qn_mail.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "office/mail/mail_errors.h"
#include "platform/message_box.h"

namespace qn::office {
namespace {

using namespace com;

// Everything the fakes and the message box saw, in order.
std::vector<std::string> g_log;

std::string t(BSTR b) { return text_1252_of(b); }

// What every fake back-end shares: counting, its own Error and
// DisplayMessages, and the code its methods answer.
template <class I>
struct Fake : WithoutLateBinding<I> {
  explicit Fake(const char* n) : name(n) {}
  const char* name;
  ULONG refs = 1;
  SHORT error = 0;
  SHORT answer = 0;  // the code each method reports
  SHORT display = 0;
  HRESULT QueryInterface(const IID&, void**) override { return E_NOINTERFACE; }
  ULONG AddRef() override { return ++refs; }
  ULONG Release() override {
    if (--refs == 0) g_log.push_back(std::string("release ") + name);
    return refs;
  }
  HRESULT done(const std::string& call, SHORT* nError) {
    g_log.push_back(std::string(name) + "." + call);
    error = answer;
    if (nError) *nError = answer;
    return S_OK;
  }
  HRESULT put(const std::string& call) {
    g_log.push_back(std::string(name) + "." + call);
    return S_OK;
  }
  HRESULT get_Error(SHORT* v) override {
    *v = error;
    return S_OK;
  }
  HRESULT put_DisplayMessages(SHORT v) override {
    display = v;
    return put("DisplayMessages " + std::to_string(v));
  }
  HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
               SHORT* e) override {
    return done("Send " + t(To) + "|" + t(CC) + "|" + t(BCC) + "|" + t(Subject) + "|" + t(Text) +
                    "|" + t(Attachs),
                e);
  }
  HRESULT Receive(BSTR* From, BSTR*, BSTR*, BSTR*, BSTR*, BSTR* Attachs, DATE* sent, DATE*,
                  SHORT* e) override {
    *From = bstr_from_1252("a@b");
    return done(std::string("Receive ") + (Attachs ? "attachs" : "-") + (sent ? " sent" : " -"), e);
  }
  HRESULT put_AttachDir(BSTR v) override { return put("AttachDir " + t(v)); }
  HRESULT put_AddressFormat(SHORT v) override { return put("AddressFormat " + std::to_string(v)); }
  HRESULT get_Count(LONG* v) override {
    *v = 3;
    return put("Count");
  }
};

struct FakeOutlook final : Fake<IQnOutlook> {
  FakeOutlook() : Fake("outlook") {}
  HRESULT put_EditWindow(SHORT v) override { return put("EditWindow " + std::to_string(v)); }
  HRESULT ChangeFolder(BSTR f, SHORT n, SHORT m, SHORT* e) override {
    return done("ChangeFolder " + t(f) + " " + std::to_string(n) + " " + std::to_string(m), e);
  }
  HRESULT GetCategories(BSTR* c) override {
    *c = bstr_from_1252("Business");
    return put("GetCategories");
  }
};

struct FakeInternet final : Fake<IQnInternet> {
  FakeInternet() : Fake("internet") {}
  HRESULT LoginSMTP(BSTR s, BSTR fn, BSTR fa, BSTR u, BSTR p, SHORT to, SHORT* e) override {
    return done("LoginSMTP " + t(s) + " " + t(fn) + " " + t(fa) + " " + t(u) + " " + t(p) + " " +
                    std::to_string(to),
                e);
  }
  HRESULT Logout(SHORT* e) override { return done("Logout", e); }
  HRESULT LoginPOP3(BSTR s, BSTR u, BSTR p, SHORT n, SHORT d, SHORT to, SHORT* e) override {
    return done("LoginPOP3 " + t(s) + " " + t(u) + " " + t(p) + " " + std::to_string(n) + " " +
                    std::to_string(d) + " " + std::to_string(to),
                e);
  }
};

struct FakeMapi final : Fake<IQnMAPI> {
  FakeMapi() : Fake("mapi") {}
  HRESULT LoginMAPI(BSTR p, SHORT n, SHORT m, SHORT* e) override {
    return done("LoginMAPI " + t(p) + " " + std::to_string(n) + " " + std::to_string(m), e);
  }
  HRESULT Logout(SHORT* e) override { return done("Logout", e); }
  HRESULT put_EditWindow(SHORT v) override { return put("EditWindow " + std::to_string(v)); }
  HRESULT ChangeFolder(BSTR f, SHORT n, SHORT m, SHORT* e) override {
    return done("ChangeFolder " + t(f) + " " + std::to_string(n) + " " + std::to_string(m), e);
  }
};

// A facade whose back-ends are fakes made on demand (or refused).
class Facade : public ::testing::Test {
 protected:
  void SetUp() override {
    g_log.clear();
    previous_ = set_mail_backend_creators({
        [this](IQnMAPI** out) { return make(mapi, "mapi", out); },
        [this](IQnInternet** out) { return make(internet, "internet", out); },
        [this](IQnOutlook** out) { return make(outlook, "outlook", out); },
    });
    old_box_ =
        platform::set_message_box_hook([](std::string_view text, std::string_view, unsigned) {
          g_log.push_back("box " + std::string(text));
          return platform::kIdOk;
        });
    ASSERT_EQ(CQnMail::create<CQnMail>(nullptr, IID_IQnMail, reinterpret_cast<void**>(&mail)),
              S_OK);
  }
  void TearDown() override {
    if (mail) mail->Release();
    set_mail_backend_creators(previous_);
    platform::set_message_box_hook(old_box_);
  }
  template <class F, class I>
  HRESULT make(std::unique_ptr<F>& slot, const char* what, I** out) {
    g_log.push_back(std::string("make ") + what);
    if (refuse) return E_OUTOFMEMORY;
    slot = std::make_unique<F>();
    *out = slot.get();
    return S_OK;
  }
  void mode(const char* m) {
    BSTR b = bstr_from_1252(m);
    mail->put_Mode(b);
    SysFreeString(b);
  }
  SHORT error() {
    SHORT e = -1;
    mail->get_Error(&e);
    return e;
  }
  SHORT send() {
    SHORT e = -1;
    BSTR to = bstr_from_1252("x@y");
    mail->Send(to, nullptr, nullptr, nullptr, nullptr, nullptr, &e);
    SysFreeString(to);
    return e;
  }
  SHORT logout() {
    SHORT e = -1;
    EXPECT_EQ(mail->Logout(&e), S_OK);  // a failure is never the call's status
    return e;
  }

  IQnMail* mail = nullptr;
  std::unique_ptr<FakeMapi> mapi;
  std::unique_ptr<FakeInternet> internet;
  std::unique_ptr<FakeOutlook> outlook;
  bool refuse = false;
  MailBackendCreators previous_;
  platform::MessageBoxHook old_box_;
};

using Log = std::vector<std::string>;

TEST_F(Facade, NewObjectSendsThroughOutlook) {
  EXPECT_EQ(send(), 0);
  EXPECT_EQ(g_log, (Log{"make outlook", "outlook.Send x@y|||||"}));
  EXPECT_EQ(error(), 0);
}

TEST_F(Facade, ModeLetters) {
  struct Case {
    const char* mode;
    SHORT error;   // right after the assignment
    SHORT logout;  // a member the Internet and MAPI back-ends serve
    const char* backend;
  };
  const Case cases[] = {
      {"i", 0, 0, "internet"},
      {"IM", 0, 0, "internet"},
      {"M", 0, 0, "mapi"},
      {"OIM", 0, 100, nullptr},
      {"X", 100, 100, nullptr},
      // Accepted, but reading Error under the empty letter finds no back-end.
      {"", 100, 100, nullptr},
      // Not inside "OIM": error 100, though the stored letter M serves Logout.
      {"MI", 100, 0, "mapi"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.mode);
    g_log.clear();
    mode(c.mode);
    EXPECT_EQ(error(), c.error);
    EXPECT_EQ(logout(), c.logout);
    if (c.backend) {
      EXPECT_EQ(g_log.back(), std::string(c.backend) + ".Logout");
    }
  }
}

TEST_F(Facade, InvalidModeSticksUntilTheNextAssignment) {
  mode("X");
  EXPECT_EQ(static_cast<CQnMail*>(mail)->mode(), 'X');
  EXPECT_EQ(send(), 100);
  EXPECT_EQ(logout(), 100);
  EXPECT_EQ(error(), 100);
  EXPECT_EQ(g_log, Log{});  // no back-end was made
  mode("o");
  EXPECT_EQ(error(), 0);
  EXPECT_EQ(send(), 0);
}

TEST_F(Facade, EmptyModeIsAcceptedButServesNothing) {
  mail->put_DisplayMessages(1);
  mode("");
  EXPECT_EQ(g_log, Log{});  // error 0: no box
  EXPECT_EQ(send(), 100);
  EXPECT_EQ(g_log, (Log{"box Invalid mode: "}));
}

TEST_F(Facade, MembersTheModeLacks) {
  struct Case {
    const char* mode;
    const char* member;
  };
  const Case cases[] = {{"O", "Logout"},       {"M", "LoginSMTP"}, {"I", "GetCategories"},
                        {"I", "ChangeFolder"}, {"O", "LoginPOP3"}, {"I", "EditWindow"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.mode) + " " + c.member);
    mode(c.mode);
    const std::string m = c.member;
    SHORT e = -1;
    BSTR categories = nullptr;
    if (m == "Logout") {
      e = logout();
    } else if (m == "LoginSMTP") {
      mail->LoginSMTP(nullptr, nullptr, nullptr, nullptr, nullptr, 30, &e);
    } else if (m == "GetCategories") {
      mail->GetCategories(&categories);
      e = 100;
    } else if (m == "ChangeFolder") {
      mail->ChangeFolder(nullptr, 1, 1, &e);
    } else if (m == "LoginPOP3") {
      mail->LoginPOP3(nullptr, nullptr, nullptr, 1, 1, 30, &e);
    } else {
      mail->put_EditWindow(1);
      e = 100;
    }
    EXPECT_EQ(e, 100);
    EXPECT_EQ(categories, nullptr);  // untouched
    EXPECT_EQ(error(), 100);
  }
}

TEST_F(Facade, ErrorKeeps100AfterALaterSuccess) {
  mode("I");
  mail->GetCategories(nullptr);  // Outlook only
  EXPECT_EQ(logout(), 0);
  EXPECT_EQ(error(), 100);
  mode("I");
  EXPECT_EQ(error(), 0);
  internet->error = 19;  // then Error is the back-end's
  EXPECT_EQ(error(), 19);
}

TEST_F(Facade, DisplayMessagesReachesOnlyExistingBackends) {
  mail->put_DisplayMessages(1);
  mode("I");
  SHORT e = -1;
  BSTR server = bstr_from_1252("smtp.example");
  mail->LoginSMTP(server, server, server, nullptr, nullptr, 30, &e);
  SysFreeString(server);
  EXPECT_EQ(internet->display, 0);  // made after the assignment

  mode("M");
  logout();
  mode("O");
  send();
  g_log.clear();
  mail->put_DisplayMessages(2);
  EXPECT_EQ(g_log, (Log{"mapi.DisplayMessages 2", "outlook.DisplayMessages 2",
                        "internet.DisplayMessages 2"}));
}

TEST_F(Facade, MessageBoxOnlyWhileDisplayMessagesIsOn) {
  mode("X");
  EXPECT_EQ(g_log, Log{});
  mail->put_DisplayMessages(1);
  mode("Z");
  send();
  EXPECT_EQ(g_log, (Log{"box Invalid mode: Z", "box Invalid mode: Z"}));
}

TEST_F(Facade, ArgumentsPassUnchanged) {
  mode("M");
  SHORT e = -1;
  BSTR folder = bstr_from_1252("Inbox");
  mail->ChangeFolder(folder, 0, 1, &e);  // SkipRead arrives as NewMessages
  mail->LoginMAPI(folder, 0, 0, &e);
  mode("I");
  BSTR from = nullptr, to = nullptr, cc = nullptr, subject = nullptr, text = nullptr;
  mail->Receive(&from, &to, &cc, &subject, &text, nullptr, nullptr, nullptr, &e);
  EXPECT_EQ(t(from), "a@b");
  mail->put_AttachDir(folder);
  mail->put_AddressFormat(1);
  LONG count = 0;
  mail->get_Count(&count);
  EXPECT_EQ(count, 3);
  mode("O");
  BSTR categories = nullptr;
  mail->GetCategories(&categories);
  EXPECT_EQ(t(categories), "Business");
  mail->put_EditWindow(1);
  EXPECT_EQ(g_log, (Log{"make mapi", "mapi.ChangeFolder Inbox 0 1", "mapi.LoginMAPI Inbox 0 0",
                        "make internet", "internet.Receive - -", "internet.AttachDir Inbox",
                        "internet.AddressFormat 1", "internet.Count", "make outlook",
                        "outlook.GetCategories", "outlook.EditWindow 1"}));
  for (BSTR b : {folder, from, categories}) SysFreeString(b);
}

TEST_F(Facade, BackendsLiveUntilTheFacadeEnds) {
  mode("O");
  send();
  mode("I");
  logout();
  mode("M");
  logout();
  mode("O");
  send();  // found as it was: made once
  g_log.clear();
  mail->Release();
  mail = nullptr;
  EXPECT_EQ(g_log, (Log{"release mapi", "release internet", "release outlook"}));
}

TEST_F(Facade, BackendThatCannotBeMade) {
  refuse = true;
  mail->put_DisplayMessages(1);
  EXPECT_EQ(send(), kMailNoMemory);
  EXPECT_EQ(g_log, (Log{"make outlook", "box Not enough memory"}));
  EXPECT_EQ(error(), kMailNoMemory);
  refuse = false;
  EXPECT_EQ(send(), 0);  // made on the next use
}

TEST_F(Facade, LateBoundCallsTakeTheDefaults) {
  mode("I");
  // LoginPOP3("pop.example", "me"): Password "", NewMessages 1, Delete 1,
  // Timeout 30.
  VARIANT args[2];
  args[1].vt = VT_BSTR;
  args[1].bstrVal = bstr_from_1252("pop.example");
  args[0].vt = VT_BSTR;
  args[0].bstrVal = bstr_from_1252("me");
  DISPPARAMS dp{args, nullptr, 2, 0};
  VARIANT result;
  ASSERT_EQ(mail->Invoke(12, GUID_NULL, 0, DISPATCH_METHOD, &dp, &result, nullptr, nullptr), S_OK);
  EXPECT_EQ(result.vt, VT_I2);
  EXPECT_EQ(g_log.back(), "internet.LoginPOP3 pop.example me  1 1 30");
  VariantClear(&args[0]);
  VariantClear(&args[1]);
}

TEST(MailErrors, TextsWithTheirValues) {
  struct Case {
    int code;
    const char* value;
    const char* message;
  };
  const Case cases[] = {
      {0, "", "OK"},
      {5, "Inbox", "Could not open folder: Inbox"},
      {6, "Joe", "Invalid sender name: Joe"},
      {12, "", "Could not delete message"},
      {14, "bad@", "Invalid recipient: bad@"},
      {17, "-4", "Invalid value: -4"},
      {18, "", "Not enough memory"},
      {21, "", "Memory allocation error."},
      {23, "", "The server does not recognize any of the supported authentication methods."},
      {25, "", "User or password refused."},
      {100, "X", "Invalid mode: X"},
      {26, "", ""},
      {99, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    EXPECT_EQ(mail_error_message(c.code, c.value), c.message);
  }
  for (int code = 0; code <= 25; ++code) EXPECT_NE(mail_error_text(code), nullptr) << code;
}

}  // namespace
}  // namespace qn::office
