// CQnOutlook97: the companion of CQnOutlook for Outlook servers whose object
// model lacks the member CQnOutlook probes. CQnOutlook makes it in-process
// and forwards its members to it. Its write-only message property keeps the
// name DispayMessages.
#pragma once

#include "office/mail/outlook/outlook_mail.h"

namespace qn::office {

class CQnOutlook97 final : public OutlookMail<IQnOutlook97> {
 public:
  explicit CQnOutlook97(com::IUnknown* outer)
      : OutlookMail(outer, IID_IQnOutlook97, /*companion=*/true) {}

  HRESULT ChangeFolder(BSTR FolderName, SHORT NewMessages, SHORT MarkAsRead,
                       SHORT* nError) override {
    auto in = cwd_.enter();
    change_folder(FolderName, NewMessages, MarkAsRead, nError);
    return com::S_OK;
  }
  HRESULT Receive(BSTR* From, BSTR* To, BSTR* CC, BSTR* Subject, BSTR* Text, BSTR* Attachs,
                  DATE* DateSent, DATE* DateReceived, SHORT* nError) override {
    auto in = cwd_.enter();
    receive(From, To, CC, Subject, Text, Attachs, DateSent, DateReceived, nError);
    return com::S_OK;
  }
  HRESULT Send(BSTR To, BSTR CC, BSTR BCC, BSTR Subject, BSTR Text, BSTR Attachs,
               SHORT* nError) override {
    auto in = cwd_.enter();
    send(To, CC, BCC, Subject, Text, Attachs, nError);
    return com::S_OK;
  }
  HRESULT get_Count(LONG* value) override {
    auto in = cwd_.enter();
    count(value);
    return com::S_OK;
  }
  HRESULT get_Error(SHORT* value) override { return error_get(value); }
  HRESULT put_AddressFormat(SHORT value) override { return address_format_put(value); }
  HRESULT put_AttachDir(BSTR value) override { return attach_dir_put(value); }
  HRESULT put_DispayMessages(SHORT value) override { return display_put(value); }
  HRESULT put_EditWindow(SHORT value) override { return edit_window_put(value); }
};

}  // namespace qn::office
