// CQnInternet: the SMTP and POP3 mail back-end of the facade's mode 'I'. Its
// members convert the automation arguments and run the process-wide
// operations of internet_mail.h; each keeps the code for Error and shows the
// process-wide error text while DisplayMessages is 1.
#pragma once

#include "office/co_object.h"
#include "office/mail/mail_result.h"

namespace qn::office {

class CQnInternet final : public CoObject<IQnInternet> {
 public:
  explicit CQnInternet(com::IUnknown* outer) : CoObject(outer, IID_IQnInternet, true) {}
  // Turns DisplayMessages off and closes the process-wide sessions, even
  // when another object still uses them.
  ~CQnInternet() override;

  HRESULT LoginSMTP(BSTR Server, BSTR FromName, BSTR FromAddress, BSTR UserName, BSTR Password,
                    SHORT Timeout, SHORT* nError) override;
  HRESULT Logout(SHORT* nError) override;
  HRESULT put_DisplayMessages(SHORT value) override;
  HRESULT get_Error(SHORT* value) override { return error_get(value); }
  HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
               SHORT* nError) override;
  HRESULT LoginPOP3(BSTR Server, BSTR UserName, BSTR Password, SHORT NewMessages, SHORT Delete,
                    SHORT Timeout, SHORT* nError) override;
  HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                  DATE* DateSent, DATE* DateReceived, SHORT* nError) override;
  HRESULT put_AddressFormat(SHORT value) override;
  HRESULT get_Count(LONG* value) override;
  HRESULT put_AttachDir(BSTR value) override;

 private:
  HRESULT finish(const MailResult& result, SHORT* nError);
};

}  // namespace qn::office
