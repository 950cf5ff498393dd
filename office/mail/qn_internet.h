// CQnInternet: the SMTP and POP3 mail back-end. Error and DisplayMessages follow the module's
// result convention; the other members answer E_NOTIMPL until the Internet mail issue builds them.
#pragma once

#include "office/co_object.h"

namespace qn::office {

class CQnInternet final : public CoObject<IQnInternet> {
 public:
  explicit CQnInternet(com::IUnknown* outer) : CoObject(outer, IID_IQnInternet, true) {}

  HRESULT LoginSMTP(BSTR, BSTR, BSTR, BSTR, BSTR, SHORT, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT Logout(SHORT*) override { return com::E_NOTIMPL; }
  HRESULT put_DisplayMessages(SHORT value) override { return display_messages_put(value); }
  HRESULT get_Error(SHORT* value) override { return error_get(value); }
  HRESULT Send(BSTR, BSTR, BSTR, BSTR, BSTR, BSTR, SHORT*) override { return com::E_NOTIMPL; }
  HRESULT LoginPOP3(BSTR, BSTR, BSTR, SHORT, SHORT, SHORT, SHORT*) override {
    return com::E_NOTIMPL;
  }
  HRESULT Receive(BSTR*, BSTR*, BSTR*, BSTR*, BSTR*, BSTR*, DATE*, DATE*, SHORT*) override {
    return com::E_NOTIMPL;
  }
  HRESULT put_AddressFormat(SHORT) override { return com::E_NOTIMPL; }
  HRESULT get_Count(LONG*) override { return com::E_NOTIMPL; }
  HRESULT put_AttachDir(BSTR) override { return com::E_NOTIMPL; }
};

}  // namespace qn::office
