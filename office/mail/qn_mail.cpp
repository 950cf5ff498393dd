#include "office/mail/qn_mail.h"

#include <mutex>
#include <string>
#include <string_view>

#include "office/mail/mail_errors.h"
#include "office/mail/qn_internet.h"
#include "office/mail/mapi/qn_mapi.h"
#include "office/mail/outlook/qn_outlook.h"
#include "platform/cp1252.h"

namespace qn::office {
namespace {

using namespace com;

std::mutex g_creators_mutex;
MailBackendCreators g_creators = default_mail_backend_creators();

MailBackendCreators creators() {
  std::lock_guard lock(g_creators_mutex);
  return g_creators;
}

template <class B>
B* ensure(B*& slot, const std::function<HRESULT(B**)>& make) {
  if (!slot && make) {
    B* made = nullptr;
    if (SUCCEEDED(make(&made))) slot = made;
  }
  return slot;
}

}  // namespace

MailBackendCreators default_mail_backend_creators() {
  return {
      [](IQnMAPI** out) {
        return CQnMAPI::create<CQnMAPI>(nullptr, IID_IQnMAPI, reinterpret_cast<void**>(out));
      },
      [](IQnInternet** out) {
        return CQnInternet::create<CQnInternet>(nullptr, IID_IQnInternet,
                                                reinterpret_cast<void**>(out));
      },
      [](IQnOutlook** out) {
        return CQnOutlook::create<CQnOutlook>(nullptr, IID_IQnOutlook,
                                              reinterpret_cast<void**>(out));
      },
  };
}

MailBackendCreators set_mail_backend_creators(MailBackendCreators c) {
  std::lock_guard lock(g_creators_mutex);
  std::swap(g_creators, c);
  return c;
}

CQnMail::CQnMail(IUnknown* outer) : CoObject(outer, IID_IQnMail, true) { set_facade_error(0); }

CQnMail::~CQnMail() {
  // Destroying the MAPI back-end logs off its session, destroying the
  // Internet one closes the process's sessions.
  if (mapi_) mapi_->Release();
  if (internet_) internet_->Release();
  if (outlook_) outlook_->Release();
}

IQnOutlook* CQnMail::outlook() { return ensure(outlook_, creators().outlook); }
IQnInternet* CQnMail::internet() { return ensure(internet_, creators().internet); }
IQnMAPI* CQnMail::mapi() { return ensure(mapi_, creators().mapi); }

void CQnMail::set_facade_error(short code) {
  set_error(code, mail_error_message(code, mode_ ? std::string(1, mode_) : std::string()));
}

void CQnMail::backend_missing(SHORT* nError) {
  if (!nError) return;
  *nError = kMailNoMemory;
  if (display_messages_) show_message(mail_error_message(kMailNoMemory));
}

template <class FO, class FI, class FM>
void CQnMail::forward(unsigned serves, SHORT* nError, FO on_outlook, FI on_internet, FM on_mapi) {
  if (mode_ == 'O' && (serves & kO)) {
    if (IQnOutlook* b = outlook()) {
      on_outlook(b);
    } else {
      backend_missing(nError);
    }
  } else if (mode_ == 'I' && (serves & kI)) {
    if (IQnInternet* b = internet()) {
      on_internet(b);
    } else {
      backend_missing(nError);
    }
  } else if (mode_ == 'M' && (serves & kM)) {
    if (IQnMAPI* b = mapi()) {
      on_mapi(b);
    } else {
      backend_missing(nError);
    }
  } else {
    set_facade_error(kMailInvalidMode);
    if (nError) *nError = kMailInvalidMode;
  }
}

namespace {
constexpr auto kNone = [](auto*) {};
}

HRESULT CQnMail::LoginMAPI(BSTR Profile, SHORT NewMessages, SHORT MarkAsRead, SHORT* nError) {
  forward(kM, nError, kNone, kNone,
          [&](IQnMAPI* b) { b->LoginMAPI(Profile, NewMessages, MarkAsRead, nError); });
  return S_OK;
}

HRESULT CQnMail::Logout(SHORT* nError) {
  forward(
      kI | kM, nError, kNone, [&](IQnInternet* b) { b->Logout(nError); },
      [&](IQnMAPI* b) { b->Logout(nError); });
  return S_OK;
}

HRESULT CQnMail::Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
                      SHORT* nError) {
  forward(
      kO | kI | kM, nError,
      [&](IQnOutlook* b) { b->Send(To, CC, BCC, Subject, Text, Attachs, nError); },
      [&](IQnInternet* b) { b->Send(To, CC, BCC, Subject, Text, Attachs, nError); },
      [&](IQnMAPI* b) { b->Send(To, CC, BCC, Subject, Text, Attachs, nError); });
  return S_OK;
}

HRESULT CQnMail::put_EditWindow(SHORT value) {
  forward(
      kO | kM, nullptr, [&](IQnOutlook* b) { b->put_EditWindow(value); }, kNone,
      [&](IQnMAPI* b) { b->put_EditWindow(value); });
  return S_OK;
}

HRESULT CQnMail::get_Error(SHORT* pVal) {
  SHORT code = error_;
  if (error_ < kMailInvalidMode) {
    code = kMailNoMemory;  // when the back-end cannot be made
    forward(
        kO | kI | kM, nullptr, [&](IQnOutlook* b) { b->get_Error(&code); },
        [&](IQnInternet* b) { b->get_Error(&code); }, [&](IQnMAPI* b) { b->get_Error(&code); });
    if (error_ >= kMailInvalidMode) code = error_;  // an invalid mode letter
  }
  if (pVal) *pVal = code;
  return S_OK;
}

HRESULT CQnMail::put_DisplayMessages(SHORT value) {
  display_messages_ = value;
  // Only the back-ends made so far hear of it.
  if (mapi_) mapi_->put_DisplayMessages(value);
  if (outlook_) outlook_->put_DisplayMessages(value);
  if (internet_) internet_->put_DisplayMessages(value);
  return S_OK;
}

HRESULT CQnMail::Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                         DATE* DateSent, DATE* DateReceived, SHORT* nError) {
  forward(
      kO | kI | kM, nError,
      [&](IQnOutlook* b) {
        b->Receive(From, To, CC, Subject, Text, Attachs, DateSent, DateReceived, nError);
      },
      [&](IQnInternet* b) {
        b->Receive(From, To, CC, Subject, Text, Attachs, DateSent, DateReceived, nError);
      },
      [&](IQnMAPI* b) {
        b->Receive(From, To, CC, Subject, Text, Attachs, DateSent, DateReceived, nError);
      });
  return S_OK;
}

HRESULT CQnMail::put_AttachDir(BSTR value) {
  forward(
      kO | kI | kM, nullptr, [&](IQnOutlook* b) { b->put_AttachDir(value); },
      [&](IQnInternet* b) { b->put_AttachDir(value); },
      [&](IQnMAPI* b) { b->put_AttachDir(value); });
  return S_OK;
}

HRESULT CQnMail::put_AddressFormat(SHORT value) {
  forward(
      kO | kI | kM, nullptr, [&](IQnOutlook* b) { b->put_AddressFormat(value); },
      [&](IQnInternet* b) { b->put_AddressFormat(value); },
      [&](IQnMAPI* b) { b->put_AddressFormat(value); });
  return S_OK;
}

HRESULT CQnMail::put_Mode(BSTR value) {
  const std::string text = platform::upper_1252(text_1252_of(value));
  mode_ = text.empty() ? '\0' : text[0];  // stored at once, valid or not
  set_facade_error(std::string_view("OIM").find(text) != std::string_view::npos ? kMailOk
                                                                                : kMailInvalidMode);
  return S_OK;
}

HRESULT CQnMail::LoginSMTP(BSTR Server, BSTR FromName, BSTR FromAddress, BSTR UserName,
                           BSTR Password, SHORT Timeout, SHORT* nError) {
  forward(
      kI, nError, kNone,
      [&](IQnInternet* b) {
        b->LoginSMTP(Server, FromName, FromAddress, UserName, Password, Timeout, nError);
      },
      kNone);
  return S_OK;
}

HRESULT CQnMail::LoginPOP3(BSTR Server, BSTR UserName, BSTR Password, SHORT NewMessages,
                           SHORT Delete, SHORT Timeout, SHORT* nError) {
  forward(
      kI, nError, kNone,
      [&](IQnInternet* b) {
        b->LoginPOP3(Server, UserName, Password, NewMessages, Delete, Timeout, nError);
      },
      kNone);
  return S_OK;
}

HRESULT CQnMail::ChangeFolder(BSTR FolderName, SHORT SkipRead, SHORT MarkAsRead, SHORT* nError) {
  // SkipRead is the back-ends' NewMessages.
  forward(
      kO | kM, nError,
      [&](IQnOutlook* b) { b->ChangeFolder(FolderName, SkipRead, MarkAsRead, nError); }, kNone,
      [&](IQnMAPI* b) { b->ChangeFolder(FolderName, SkipRead, MarkAsRead, nError); });
  return S_OK;
}

HRESULT CQnMail::get_Count(LONG* pVal) {
  forward(
      kO | kI | kM, nullptr, [&](IQnOutlook* b) { b->get_Count(pVal); },
      [&](IQnInternet* b) { b->get_Count(pVal); }, [&](IQnMAPI* b) { b->get_Count(pVal); });
  return S_OK;
}

HRESULT CQnMail::GetCategories(BSTR* Categories) {
  forward(
      kO, nullptr, [&](IQnOutlook* b) { b->GetCategories(Categories); }, kNone, kNone);
  return S_OK;
}

}  // namespace qn::office
