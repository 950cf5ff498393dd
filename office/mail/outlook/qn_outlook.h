// CQnOutlook: the mail back-end of the facade's mode 'O', its default. It
// drives the server "Outlook.Application" late-bound: sends mail, reads the
// messages of a folder one by one and saves their attachments. When a
// connect finds a server whose object model lacks the probed member, it
// makes its companion CQnOutlook97, hands it the settings assigned so far,
// and from then on forwards every member but GetCategories to it.
#pragma once

#include <functional>

#include "office/mail/outlook/outlook_mail.h"
#include "office/mail/outlook/qn_outlook97.h"

namespace qn::office {

class CQnOutlook final : public OutlookMail<IQnOutlook> {
 public:
  explicit CQnOutlook(com::IUnknown* outer)
      : OutlookMail(outer, IID_IQnOutlook, /*companion=*/false) {}
  ~CQnOutlook() override;

  HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
               SHORT* nError) override;
  HRESULT put_DisplayMessages(SHORT value) override;
  HRESULT get_Error(SHORT* value) override;
  HRESULT put_EditWindow(SHORT value) override;
  HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                  DATE* DateSent, DATE* DateReceived, SHORT* nError) override;
  HRESULT put_AttachDir(BSTR value) override;
  HRESULT ChangeFolder(BSTR FolderName, SHORT NewMessages, SHORT MarkAsRead,
                       SHORT* nError) override;
  HRESULT get_Count(LONG* value) override;
  HRESULT put_AddressFormat(SHORT value) override;
  // The categories of the message received last (empty before any), a new
  // text owned by the caller. Never forwarded.
  HRESULT GetCategories(BSTR* Categories) override;

  // Test seam: the maker of the companion (an empty one restores the class
  // itself); returns the former one.
  using CompanionMaker = std::function<com::HRESULT(IQnOutlook97**)>;
  static CompanionMaker set_companion_maker(CompanionMaker maker);

 private:
  bool switch_to_companion() override;

  IQnOutlook97* companion_ = nullptr;  // set while the companion serves
};

}  // namespace qn::office
