// CQnMail: the mail facade. It keeps a one-letter mode (O Outlook, I
// Internet, M MAPI), makes the back-end of a mode on its first use and
// forwards every member to it. A member the current mode's back-end lacks,
// or any member under a mode that is none of these, sets the facade's own
// error 100 ("Invalid mode: " and the letter), which Error keeps returning
// until Mode is assigned again.
//
// Back-ends are made in-process through a creator table; tests put
// recording fakes there. A back-end that cannot be made leaves the member
// with code 18 ("Not enough memory").
#pragma once

#include <functional>

#include "office/co_object.h"

namespace qn::office {

struct MailBackendCreators {
  std::function<com::HRESULT(IQnMAPI**)> mapi;
  std::function<com::HRESULT(IQnInternet**)> internet;
  std::function<com::HRESULT(IQnOutlook**)> outlook;
};

// The module's own back-end classes.
MailBackendCreators default_mail_backend_creators();
// Replaces the creators facades use from now on; returns the former ones.
MailBackendCreators set_mail_backend_creators(MailBackendCreators creators);

class CQnMail final : public CoObject<IQnMail> {
 public:
  explicit CQnMail(com::IUnknown* outer);
  ~CQnMail() override;

  HRESULT LoginMAPI(BSTR Profile, SHORT NewMessages, SHORT MarkAsRead, SHORT* nError) override;
  HRESULT Logout(SHORT* nError) override;
  HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
               SHORT* nError) override;
  HRESULT put_EditWindow(SHORT value) override;
  HRESULT get_Error(SHORT* pVal) override;
  HRESULT put_DisplayMessages(SHORT value) override;
  HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                  DATE* DateSent, DATE* DateReceived, SHORT* nError) override;
  HRESULT put_AttachDir(BSTR value) override;
  HRESULT put_AddressFormat(SHORT value) override;
  HRESULT put_Mode(BSTR value) override;
  HRESULT LoginSMTP(BSTR Server, BSTR FromName, BSTR FromAddress, BSTR UserName, BSTR Password,
                    SHORT Timeout, SHORT* nError) override;
  HRESULT LoginPOP3(BSTR Server, BSTR UserName, BSTR Password, SHORT NewMessages, SHORT Delete,
                    SHORT Timeout, SHORT* nError) override;
  HRESULT ChangeFolder(BSTR FolderName, SHORT SkipRead, SHORT MarkAsRead, SHORT* nError) override;
  HRESULT get_Count(LONG* pVal) override;
  HRESULT GetCategories(BSTR* Categories) override;

  char mode() const { return mode_; }

 private:
  enum Serves : unsigned { kO = 1, kI = 2, kM = 4 };

  // Runs the call of the current mode's back-end when that back-end serves
  // the member; nError is null for properties.
  template <class FO, class FI, class FM>
  void forward(unsigned serves, SHORT* nError, FO on_outlook, FI on_internet, FM on_mapi);
  IQnOutlook* outlook();
  IQnInternet* internet();
  IQnMAPI* mapi();
  void set_facade_error(short code);
  void backend_missing(SHORT* nError);

  char mode_ = 'O';
  IQnMAPI* mapi_ = nullptr;
  IQnInternet* internet_ = nullptr;
  IQnOutlook* outlook_ = nullptr;
};

}  // namespace qn::office
